#include "base/picturewire.h"

#include <QtEndian>

#include <cstring>

namespace {

const char kRequestMark[] = "TDQ1";
const char kAnswerMark[] = "TDA1";

quint32 word(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

void putWord(QByteArray* b, quint32 v)
{
    char at[4];
    qToLittleEndian(v, at);
    b->append(at, 4);
}

// The longest delay a frame may give: a GIF's, 65,535 hundredths of a second.
constexpr quint32 kLongestDelayMs = 655350;

}  // namespace

namespace PictureWire {

quint32 formatOf(const QByteArray& picture)
{
    const auto at = [&picture](int pos, const char* text, int n) {
        return picture.size() >= pos + n && std::memcmp(picture.constData() + pos, text, size_t(n)) == 0;
    };
    if (at(0, "\x89PNG\r\n\x1a\n", 8))
        return Png;
    if (at(0, "\xff\xd8\xff", 3))
        return Jpeg;
    if (at(0, "GIF87a", 6) || at(0, "GIF89a", 6))
        return Gif;
    if (at(0, "RIFF", 4) && at(8, "WEBP", 4))
        return WebP;
    if (at(0, "BM", 2))
        return Bmp;
    if (at(0, "\0\0\1\0", 4) || at(0, "\0\0\2\0", 4))
        return Icon;
    return 0;
}

const char* readerName(quint32 format)
{
    switch (format) {
    case Png:
        return "png";
    case Jpeg:
        return "jpeg";
    case Gif:
        return "gif";
    case WebP:
        return "webp";
    case Bmp:
        return "bmp";
    case Icon:
        return "ico";
    default:
        return "";
    }
}

JpegMarkers jpegMarkers(const QByteArray& picture)
{
    const auto u8 = [&picture](qint64 pos) { return quint8(picture.at(int(pos))); };
    const qint64 n = picture.size();
    JpegMarkers markers;
    for (qint64 pos = 2; pos < n;) {
        // The next marker as libjpeg finds one, between segments and in a scan's data alike: a byte 0xff
        // after any others, then fill bytes 0xff; 0xff00 is data.
        if (u8(pos) != 0xff) {
            ++pos;
            continue;
        }
        qint64 at = pos + 1;
        while (at < n && u8(at) == 0xff)
            ++at;
        if (at >= n)
            break;
        const quint32 marker = u8(at);
        pos = at + 1;
        if (marker == 0 || marker == 0x01 || marker == 0xd8 || (marker >= 0xd0 && marker <= 0xd7))
            continue;  // data, TEM, SOI, RSTn: no length
        if (marker >= 0xc9 && marker <= 0xcf) {
            markers.arithmetic = true;  // SOF9 to SOF11, DAC, SOF13 to SOF15
            break;
        }
        if (marker == 0xda)
            ++markers.scans;
        if (marker == 0xd9 || pos + 2 > n)
            break;  // EOI: libjpeg reads no further
        // Of a length under 2 libjpeg skips or keeps no more than the length itself, and reads on (or ends).
        pos += qMax<qint64>(2, qint64(u8(pos)) << 8 | u8(pos + 1));
    }
    return markers;
}

QByteArray request(const QByteArray& picture, const Limits& limits)
{
    QByteArray b(kRequestMark, 4);
    b.reserve(kRequestHeader + picture.size());
    for (quint32 v :
         {limits.formats, limits.pixels, limits.frames, limits.cpuMs, limits.memoryMiB, quint32(picture.size())})
        putWord(&b, v);
    return b + picture;
}

bool readRequestHeader(const char* header, Limits* limits, quint32* bytes)
{
    if (std::memcmp(header, kRequestMark, 4) != 0)
        return false;
    *limits = {word(header + 4), word(header + 8), word(header + 12), word(header + 16), word(header + 20)};
    *bytes = word(header + 24);
    return (limits->formats & ~kAllFormats) == 0 && limits->pixels <= kMostPixels && limits->frames <= kMostFrames &&
           limits->cpuMs <= kMostCpuMs && limits->memoryMiB <= kMostMemoryMiB && *bytes <= kMostBytes;
}

const char* refusal(Status status)
{
    switch (status) {
    case Status::Decoded:
        return "";
    case Status::FormatRefused:
        return "not of a format taken here";
    case Status::Arithmetic:
        return "an arithmetic-coded JPEG";
    case Status::TooManyScans:
        return "a JPEG of more scans than encoders write";
    case Status::TooLarge:
        return "more pixels than allowed";
    case Status::TooManyFrames:
        return "more frames than allowed";
    case Status::NotDecoded:
        return "its reader failed on it";
    case Status::Crashed:
        return "its decoder crashed";
    case Status::OutOfTime:
        return "its decoder ran out of CPU time";
    case Status::Forbidden:
        return "its decoder made a call its sandbox refuses";
    case Status::Overdue:
        return "its decoder overran its deadline";
    case Status::Broken:
        return "its decoder's answer broke the protocol";
    case Status::NotStarted:
        return "no decoder could be started";
    case Status::Left:
        return "its decoder ended before it answered";
    }
    return "";
}

const char* unconfined(int exitStatus)
{
    switch (Unconfined(exitStatus)) {
    case Unconfined::None:
        break;
    case Unconfined::Privileges:
        return "the kernel did not let it give up root's user, groups and capabilities";
    case Unconfined::Limits:
        return "the kernel refused its limits of CPU time and memory";
    case Unconfined::Filter:
        return "the kernel refused its seccomp filter (a kernel built without seccomp, or a container's filter "
               "that refuses filters)";
    }
    return "";
}

QByteArray answerHeader(Status status, quint32 detail, quint32 width, quint32 height, quint32 frames, qint32 loops)
{
    QByteArray b(kAnswerMark, 4);
    for (quint32 v : {quint32(status), detail, width, height, frames, quint32(loops)})
        putWord(&b, v);
    return b;
}

qint64 mostAnswerBytes(const Limits& limits)
{
    return kAnswerHeader + 4 * qint64(limits.frames) + 4 * qint64(limits.pixels);
}

AnswerReader::AnswerReader(const Limits& limits)
    : limits(limits)
{}

qint64 AnswerReader::feed(const char* data, qint64 size)
{
    qint64 taken = 0;
    while (taken < size && (stage == Stage::Header || stage == Stage::Delay || stage == Stage::Pixels)) {
        if (stage == Stage::Pixels) {
            QImage& frame = images.last();
            const qint64 whole = qint64(frame.sizeInBytes()), n = qMin(size - taken, whole - pixelBytes);
            std::memcpy(frame.bits() + pixelBytes, data + taken, size_t(n));
            pixelBytes += n;
            taken += n;
            if (pixelBytes == whole)
                stage = images.size() == int(count) ? Stage::Done : Stage::Delay;
            continue;
        }
        const int want = stage == Stage::Header ? kAnswerHeader : 4;
        const qint64 n = qMin<qint64>(size - taken, want - pending.size());
        pending.append(data + taken, int(n));
        taken += n;
        if (pending.size() < want)
            break;
        if (stage == Stage::Header) {
            headerRead();
        } else {
            delayMs.append(int(qMin(word(pending.constData()), kLongestDelayMs)));
            images.append(QImage(int(width), int(height), QImage::Format_RGBA8888));
            pixelBytes = 0;
            stage = images.last().isNull() ? Stage::Broken : Stage::Pixels;
        }
        pending.clear();
    }
    if (stage == Stage::Broken) {
        images.clear();
        delayMs.clear();
    }
    return taken;
}

void AnswerReader::headerRead()
{
    const char* h = pending.constData();
    const quint32 status = word(h + 4);
    detailValue = word(h + 8);
    width = word(h + 12);
    height = word(h + 16);
    count = word(h + 20);
    loopCount = qMax(-1, qint32(word(h + 24)));
    stage = Stage::Broken;
    if (std::memcmp(h, kAnswerMark, 4) != 0 || status > quint32(Status::Forbidden))
        return;
    answered = Status(status);
    if (answered != Status::Decoded) {
        if (width == 0 && height == 0 && count == 0)
            stage = Stage::Done;
        return;
    }
    // A frame's pixels, of two 32-bit sides, within 64 bits unsigned; the frames' against what the limit leaves
    // each (none when one frame passes it), never multiplied.
    const quint64 one = quint64(width) * height;
    if (one == 0 || count == 0 || count > limits.frames || count > limits.pixels / one)
        return;
    stage = Stage::Delay;
}

}  // namespace PictureWire
