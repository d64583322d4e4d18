#include "answerkit.h"

#include <QMap>

#include <algorithm>

namespace AnswerKit {

QByteArray le(quint32 v, int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += char(v >> (8 * i));
    return b;
}

QByteArray be(quint32 v, int n)
{
    QByteArray b = le(v, n);
    std::reverse(b.begin(), b.end());
    return b;
}

QByteArray chunk(const char* type, const QByteArray& data)
{
    return be(data.size(), 4) + type + data + be(0, 4);
}

QByteArray inflating(const char* type, const QByteArray& fields, int n)
{
    return chunk(type, QByteArray("made\0", 5) + fields + qCompress(QByteArray(n, 'a')).mid(4));
}

QByteArray png(quint32 w, quint32 h, quint32 declared, int held, int delay)
{
    QByteArray b = "\x89PNG\r\n\x1a\n" + chunk("IHDR", be(w, 4) + be(h, 4) + QByteArray("\x08\x06\0\0\0", 5));
    b += declared ? chunk("acTL", be(declared, 4) + be(0, 4)) : QByteArray();
    for (int i = 0; i < held; ++i)
        b += (declared ? chunk("fcTL", QByteArray(20, '\0') + be(delay, 2) + be(1000, 2) + QByteArray(2, '\0'))
                       : QByteArray()) +
             chunk(i ? "fdAT" : "IDAT", "data");
    return b + chunk("IEND", "");
}

QByteArray gif(quint32 w, quint32 h, const QVector<QRect>& frames, bool table, bool own, int delay)
{
    QByteArray b =
        "GIF89a" + le(w, 2) + le(h, 2) + QByteArray(table ? "\x80\0\0" : "\0\0\0", 3) + QByteArray(table ? 6 : 0, '\0');
    for (const QRect& f : frames)
        b += QByteArray("\x21\xf9\x04\0", 4) + le(delay, 2) + QByteArray("\0\0\x2c", 3) + le(f.x(), 2) + le(f.y(), 2) +
             le(f.width(), 2) + le(f.height(), 2) +
             (own ? QByteArray("\x81", 1) + QByteArray(12, '\0') : QByteArray(1, '\0')) +
             QByteArray("\x02\x02\x44\x01\0", 5);
    return b + ';';
}

QByteArray jpeg(quint32 w, quint32 h, const char* before, char sof, int pad)
{
    QByteArray b("\xff\xd8", 2);
    auto segment = [&b](char marker, const QByteArray& data) {
        b += '\xff' + (marker + be(data.size() + 2, 2) + data);
    };
    for (; *before; ++before) {
        for (int left = pad; *before == 'a' && left > 0; left -= 60000)
            segment('\xe1', QByteArray(qMin(left, 60000), 'x'));
        const QMap<char, QByteArray> other{{'q', QByteArray(65, '\1')}, {'h', QByteArray(29, '\1')}, {'c', "made"}};
        if (other.contains(*before))
            segment(*before == 'q' ? '\xdb' : *before == 'h' ? '\xc4' : '\xfe', other[*before]);
        b += *before == 'r' ? QByteArray("\xff\xdd\0\x04\0\x10", 6) : QByteArray(*before == 'f' ? "\xff\xff" : "");
        b += *before == 't' ? QByteArray("\xff\x01\xff\xd3", 4) : QByteArray();  // TEM, RST3
    }
    return b + '\xff' + (sof + be(17, 2)) + '\x08' + be(h, 2) + be(w, 2) + QByteArray(10, '\1');
}

QByteArray scans(int n)
{
    return QByteArray("\xff\xda\0\x08\x01\x01\0\x01\x3f\x10\x12\xff\0\x34\xff\xd0\x56", 17).repeated(n) + "\xff\xd9";
}

QByteArray webp(const char* chunk, quint32 w, quint32 h, int frames, const QByteArray& after)
{
    QByteArray body;
    if (qstrcmp(chunk, "VP8 ") == 0)
        body = QByteArray("\0\0\0\x9d\x01\x2a", 6) + le(w, 2) + le(h, 2);
    else if (qstrcmp(chunk, "VP8L") == 0)
        body = "\x2f" + le((w - 1) | (h - 1) << 14, 4) + QByteArray(5, '\0');
    else
        body = le(frames ? 2 : 0, 4) + le(w - 1, 3) + le(h - 1, 3);
    QByteArray b = "WEBP" + (chunk + le(body.size(), 4)) + body + after;
    for (int i = 0; i < frames; ++i)
        b += "ANMF" + le(17, 4) + QByteArray(18, '\0');
    return "RIFF" + le(b.size(), 4) + b;
}

QByteArray bmp(qint32 w, qint32 h, quint32 reserved, int info)
{
    const QByteArray header = info == 12 ? le(w, 2) + le(h, 2) + le(1, 2) + le(24, 2)
                                         : le(w, 4) + le(h, 4) + le(1, 2) + le(32, 2) + QByteArray(info - 16, '\0');
    return "BM" + le(0, 4) + le(reserved, 4) + le(14 + info, 4) + le(info, 4) + header;
}

QByteArray dib(qint32 w, qint32 h)
{
    return bmp(w, h).mid(14);
}

QByteArray ico(const QList<QByteArray>& pictures, int gap, char type)
{
    QByteArray b = QByteArray("\0\0", 2) + type + '\0', data;
    b += le(pictures.size(), 2);
    for (const QByteArray& picture : pictures) {
        data += QByteArray(gap, '\0');
        b += QByteArray("\x10\x10\0\0\1\0\x20\0", 8) + le(picture.size(), 4) +
             le(6 + 16 * pictures.size() + data.size(), 4);
        data += picture;
    }
    return b + data;
}

QByteArray shared(int entries, const QByteArray& picture)
{
    QByteArray b = QByteArray("\0\0\1\0", 4) + le(entries, 2);
    for (int i = 0; i < entries; ++i)
        b += QByteArray("\x10\x10\0\0\1\0\x20\0", 8) + le(picture.size(), 4) + le(6 + 16 * entries, 4);
    return b + picture;
}

QByteArray bdf(int glyphs, int comments, int w, int h)
{
    const QByteArray size = QByteArray::number(w) + ' ' + QByteArray::number(h) + " 0 0\n";
    QByteArray b = QByteArray("COMMENT made for the check, a line of its lead-in\n").repeated(comments) +
                   "STARTFONT 2.1\nFONT a\nSIZE 16 75 75\nFONTBOUNDINGBOX " + size + "CHARS " +
                   QByteArray::number(glyphs) + '\n';
    for (int i = 0; i < glyphs; ++i)
        b += "STARTCHAR g\nENCODING " + QByteArray::number(i) + "\nDWIDTH 8 0\nBBX " + size + "BITMAP\n00\nENDCHAR\n";
    return b + "ENDFONT\n";
}

}  // namespace AnswerKit
