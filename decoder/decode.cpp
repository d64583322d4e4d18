#include "decoder/decode.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QThreadPool>
#include <QtEndian>

#include <cstring>
#include <vector>

#include <malloc.h>

using PictureWire::Status;

namespace {

constexpr uint kPoolStackBytes = 512 * 1024;

qint64 put(char* out, const QByteArray& bytes)
{
    std::memcpy(out, bytes.constData(), size_t(bytes.size()));
    return bytes.size();
}

qint64 refused(char* out, Status status)
{
    return put(out, PictureWire::answerHeader(status, 0, 0, 0, 0, 0));
}

}  // namespace

qint64 decodePicture(const QByteArray& picture, const PictureWire::Limits& limits, char* out)
{
    const quint32 format = PictureWire::formatOf(picture);
    if (!(format & limits.formats))
        return refused(out, Status::FormatRefused);
    if (format == PictureWire::Jpeg) {
        const PictureWire::JpegMarkers markers = PictureWire::jpegMarkers(picture);
        if (markers.arithmetic)
            return refused(out, Status::Arithmetic);
        if (markers.scans > PictureWire::kMostJpegScans)
            return refused(out, Status::TooManyScans);
    }
    QBuffer buffer;
    buffer.setData(picture);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, PictureWire::readerName(format));
    reader.setAutoDetectImageFormat(false);
    // Only a GIF or a WebP is read as an animation: of an icon its first picture, of a PNG its default one.
    const bool animated = format == PictureWire::Gif || format == PictureWire::WebP;
    const qint64 declared = animated ? qMax(1, reader.imageCount()) : 1;
    const QSize size = reader.size();
    if (declared > limits.frames)
        return refused(out, Status::TooManyFrames);
    const qint64 one = size.isValid() ? qint64(size.width()) * size.height() : 0;  // then within 64 bits
    if (one > limits.pixels || one * declared > limits.pixels)
        return refused(out, Status::TooLarge);
    qint64 at = PictureWire::kAnswerHeader;
    QSize canvas;
    quint32 frames = 0;
    for (QImage image; frames < declared && reader.read(&image); ++frames) {
        if (frames == 0)
            canvas = image.size();
        if (image.size() != canvas)
            break;  // the frames so far
        if (qint64(canvas.width()) * canvas.height() * (frames + 1) > limits.pixels)
            return refused(out, Status::TooLarge);
        image.convertTo(QImage::Format_RGBA8888);
        qToLittleEndian(quint32(qMax(0, reader.nextImageDelay())), out + at);
        at += 4;
        for (int y = 0; y < canvas.height(); ++y, at += 4 * canvas.width())
            std::memcpy(out + at, image.constScanLine(y), size_t(4 * canvas.width()));
    }
    if (frames == 0)
        return refused(out, Status::NotDecoded);
    put(out, PictureWire::answerHeader(Status::Decoded, 0, quint32(canvas.width()), quint32(canvas.height()), frames,
                                       reader.loopCount()));
    return at;
}

void loadReaders()
{
    // Qt converts a large picture in segments on its thread pool: one thread, with a small stack, in the
    // main memory arena, keeps a decode's threads and address space small. No thread of it runs yet: a
    // decode's process makes its own.
    mallopt(M_ARENA_MAX, 1);
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QThreadPool::globalInstance()->setStackSize(kPoolStackBytes);
    QImage sample(2, 2, QImage::Format_ARGB32);
    sample.fill(Qt::white);
    const PictureWire::Limits limits{PictureWire::kAllFormats, 4, 1, 1000, 1};
    std::vector<char> out(size_t(PictureWire::mostAnswerBytes(limits)));
    // GIF has no writer here: a picture of a pixel.
    static const char gif[] = "GIF89a\1\0\1\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;";
    decodePicture(QByteArray::fromRawData(gif, sizeof gif - 1), limits, out.data());
    for (quint32 format :
         {PictureWire::Png, PictureWire::Jpeg, PictureWire::WebP, PictureWire::Bmp, PictureWire::Icon}) {
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        QImageWriter(&written, PictureWire::readerName(format)).write(sample);
        decodePicture(written.data(), limits, out.data());
    }
}
