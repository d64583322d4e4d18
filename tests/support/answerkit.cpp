#include "answerkit.h"

#include <QEventLoop>
#include <QMap>
#include <QtEndian>

#include <algorithm>
#include <vector>

#include <zlib.h>

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
    const QByteArray typed = type + data;
    return be(data.size(), 4) + typed +
           be(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), typed.size()), 4);
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

QByteArray manyScans(int w, int h, int repeats)
{
    const auto segment = [](char marker, const QByteArray& data) {
        return '\xff' + (marker + be(data.size() + 2, 2) + data);
    };
    const auto scan = [&segment](char table, char start, char end, char approximation) {
        return segment('\xda', QByteArray("\x01\x01", 2) + table + start + end + approximation);
    };
    // (code, width) pairs, the first bit highest, padded with 1 bits, each 0xff stuffed.
    const auto entropy = [](const QVector<QPair<quint32, int>>& codes) {
        QByteArray data;
        quint32 bits = 0;
        int held = 0;
        for (auto code : codes + QVector<QPair<quint32, int>>{{0x7f, 7}}) {
            for (int i = code.second - 1; i >= 0; --i) {
                bits = bits << 1 | (code.first >> i & 1);
                if (++held % 8 == 0)
                    data += char(bits) == '\xff' ? QByteArray("\xff\0", 2) : QByteArray(1, char(bits));
            }
        }
        return data;
    };
    const int blocks = (w + 7) / 8 * ((h + 7) / 8);
    QVector<QPair<quint32, int>> runs;  // EOBr: a run of 2^r blocks and more, told in r bits
    for (int left = blocks; left > 0; left -= 32767) {
        const int run = qMin(left, 32767), r = 31 - __builtin_clz(quint32(run));
        runs << qMakePair(quint32(r), 4) << qMakePair(quint32(run - (1 << r)), r);
    }
    // DC table 0: category 0 alone, code 0. AC table 1: the end-of-band runs EOB0 to EOB14, codes of 4 bits.
    QByteArray ac = QByteArray("\x11\0\0\0\x0f", 5) + QByteArray(12, '\0');
    for (int r = 0; r < 15; ++r)
        ac += char(r << 4);
    const QByteArray bands = entropy(runs), refinement = scan('\x01', 1, 63, '\x10') + bands;
    return QByteArray("\xff\xd8", 2) + segment('\xdb', '\0' + QByteArray(64, '\1')) +
           segment('\xc2', '\x08' + be(h, 2) + be(w, 2) + QByteArray("\x01\x01\x11\0", 4)) +
           segment('\xc4', QByteArray("\0\1", 2) + QByteArray(16, '\0')) + segment('\xc4', ac) +
           scan('\0', 0, 0, '\0') + entropy(QVector<QPair<quint32, int>>(blocks, {0, 1})) +
           scan('\x01', 1, 63, '\x01') + bands + refinement.repeated(1 + repeats) + "\xff\xd9";
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

QByteArray webpFrames(int frames, int delay)
{
    // No transform, cache or meta codes; five codes of one symbol, 0: no bit a pixel.
    const QByteArray lossless("\x2f\0\0\0\0\x28\x40\x01\x0a\x50\x80\x02\0", 13);
    const QByteArray frame = "ANMF" + le(16 + 8 + 14, 4) + QByteArray(12, '\0') + le(delay, 3) + '\0' + "VP8L" +
                             le(lossless.size(), 4) + lossless + '\0';
    const QByteArray body = "WEBPVP8X" + le(10, 4) + '\x02' + QByteArray(9, '\0') + "ANIM" + le(6, 4) +
                            QByteArray(6, '\0') + frame.repeated(frames);
    return "RIFF" + le(body.size(), 4) + body;
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

QByteArray groupsWebp(int side, int n)
{
    std::vector<std::pair<quint32, int>> bits;      // value, width: written from the lowest bit up
    const auto literals = [&bits](int maxSymbol) {  // a code of 8 bits for each of 256 literals
        bits.insert(bits.end(), {{0, 1}, {12 - 4, 4}});
        for (int i = 0; i < 12; ++i)
            bits.push_back({i == 11, 3});
        bits.push_back({quint32(maxSymbol), 1});
        if (maxSymbol)
            bits.insert(bits.end(), {{3, 3}, {256 - 2, 8}});
    };
    const int cells = (side + 7) >> 3, groups = qMin(cells * cells, 1 << 16);
    bits.insert(
        bits.end(),
        {{0x2f, 8}, {quint32(side - 1), 14}, {quint32(side - 1), 14}, {0, 4}, {0, 2}, {1, 1}, {3 - 2, 3}, {0, 1}});
    literals(1);
    literals(0);
    bits.insert(bits.end(), 3, {1, 4});  // a code of 1 symbol: blue, alpha, distance
    const auto reversed = [](quint32 byte) {
        quint32 r = 0;
        for (int i = 0; i < 8; ++i)
            r |= (byte >> i & 1) << (7 - i);
        return r;
    };
    for (int i = 0; i < cells * cells; ++i)  // green, then red: the group's number
        bits.insert(bits.end(), {{reversed((i % groups) & 0xff), 8}, {reversed((i % groups) >> 8), 8}});
    for (int g = 0; g < groups; ++g) {  // 2 symbols, the first of 1 bit: 0, then 1
        for (int c = 0; c < 4; ++c)
            bits.insert(bits.end(), {{3, 4}, {1, 8}});
        bits.push_back({1, 4});
    }
    QByteArray data;
    quint64 acc = 0;
    int at = 0;
    for (const auto& b : bits) {
        acc |= quint64(b.first) << at;
        for (at += b.second; at >= 8; at -= 8, acc >>= 8)
            data += char(acc & 0xff);
    }
    data += char(acc) + QByteArray(side * side / 2, '\0');
    const QByteArray body = "WEBPVP8L" + le(data.size(), 4) + data + QByteArray(data.size() & 1, '\0');
    return ("RIFF" + le(body.size(), 4) + body).left(n);
}

Platform::PictureDecoder::Result decoded(const QByteArray& picture, const PictureWire::Limits& limits)
{
    static auto* decoder = new Platform::PictureDecoder;  // one for the suite, ended with it
    Platform::PictureDecoder::Result result;
    QEventLoop loop;
    decoder->decode(picture, limits, nullptr, [&](const Platform::PictureDecoder::Result& r) {
        result = r;
        loop.quit();
    });
    loop.exec();  // the decoder's own deadline ends a decode
    return result;
}

QList<QPair<QImage, int>> pngFrames(const QByteArray& png)
{
    QList<QPair<QImage, int>> frames;
    QByteArray head = png.left(33), data;  // the signature and IHDR
    int delay = 0;
    quint32 sequence = 0;  // of the fcTL and fdAT chunks, from 0 on
    const auto still = [&] {
        if (!data.isEmpty())
            frames.append({QImage::fromData(head + chunk("IDAT", data) + chunk("IEND", ""), "PNG"), delay});
        data.clear();
    };
    for (int at = 8; at + 8 <= png.size(); at += 12 + qFromBigEndian<qint32>(png.constData() + at)) {
        const QByteArray type = png.mid(at + 4, 4),
                         body = png.mid(at + 8, qFromBigEndian<qint32>(png.constData() + at));
        if ((type == "fcTL" || type == "fdAT") &&
            (body.size() < 4 || qFromBigEndian<quint32>(body.constData()) != sequence++))
            return {};  // an APNG reader refuses an animation whose chunks are out of sequence
        if (type == "fcTL") {
            still();
            const int denominator = qFromBigEndian<quint16>(body.constData() + 22);
            delay = qFromBigEndian<quint16>(body.constData() + 20) * 1000 / (denominator ? denominator : 100);
        }
        data += type == "IDAT" ? body : type == "fdAT" ? body.mid(4) : QByteArray();
    }
    still();
    return frames;
}

}  // namespace AnswerKit
