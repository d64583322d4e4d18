#include "base/pngwriter.h"

#include <QtEndian>

#include <vector>

#include <zlib.h>

namespace {

QByteArray be32(quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray be16(quint32 v)
{
    return be32(v).mid(2);
}

void chunk(QByteArray* png, const char* type, const QByteArray& data)
{
    const uLong crc = crc32(crc32(0, reinterpret_cast<const Bytef*>(type), 4),
                            reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
    *png += be32(quint32(data.size()));
    png->append(type, 4);
    *png += data;
    *png += be32(quint32(crc));
}

// The frame's rows, each after its filter byte (2: less the row above), deflated fast.
QByteArray deflated(const QImage& frame)
{
    const int width = 4 * frame.width();
    z_stream z{};
    deflateInit(&z, Z_BEST_SPEED);
    QByteArray out(int(deflateBound(&z, uLong(width + 1) * uLong(frame.height()))), Qt::Uninitialized);
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    std::vector<uchar> row(size_t(width) + 1);
    row[0] = 2;
    for (int y = 0; y < frame.height(); ++y) {
        const uchar* line = frame.constScanLine(y);
        const uchar* above = y ? frame.constScanLine(y - 1) : nullptr;
        for (int i = 0; i < width; ++i)
            row[size_t(i) + 1] = uchar(line[i] - (above ? above[i] : 0));
        z.next_in = row.data();
        z.avail_in = uInt(row.size());
        deflate(&z, y + 1 == frame.height() ? Z_FINISH : Z_NO_FLUSH);
    }
    out.truncate(int(z.total_out));
    deflateEnd(&z);
    return out;
}

// A delay as an APNG's fraction of a second: in thousandths, or in hundredths past 65,535 of them.
QByteArray delay(int ms)
{
    const quint32 shown = quint32(qMax(0, ms));
    return shown <= 0xffff ? be16(shown) + be16(1000) : be16(qMin<quint32>(shown / 10, 0xffff)) + be16(100);
}

}  // namespace

namespace PngWriter {

QByteArray png(const QVector<QImage>& frames, const QVector<int>& delaysMs, quint32 plays)
{
    const quint32 width = quint32(frames.first().width()), height = quint32(frames.first().height());
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    chunk(&png, "IHDR", be32(width) + be32(height) + QByteArray("\x08\x06\0\0\0", 5));
    const bool animated = frames.size() > 1;
    if (animated)
        chunk(&png, "acTL", be32(quint32(frames.size())) + be32(plays));
    quint32 sequence = 0;
    for (int i = 0; i < frames.size(); ++i) {
        if (animated)  // the whole canvas, neither disposed nor blended
            chunk(&png, "fcTL",
                  be32(sequence++) + be32(width) + be32(height) + be32(0) + be32(0) + delay(delaysMs.value(i)) +
                      QByteArray(2, '\0'));
        const QByteArray data = deflated(frames[i]);
        if (i == 0)
            chunk(&png, "IDAT", data);
        else
            chunk(&png, "fdAT", be32(sequence++) + data);
    }
    chunk(&png, "IEND", QByteArray());
    return png;
}

}  // namespace PngWriter
