#ifndef PICTUREWIRE_H
#define PICTUREWIRE_H

#include <QByteArray>
#include <QImage>
#include <QVector>

// What the program asks its picture decoder (the program tolmdecoder beside it) and what the decoder
// answers, both in 32-bit little-endian words, and the checks of a picture's bytes that come before any
// decoding. The decoder's answer comes from a process that read outside bytes: it is checked here, every
// size against the request's limits, before a pixel of it is taken.
namespace PictureWire {

// The formats the decoder reads, each told by its signature alone.
enum Format : quint32
{
    Png = 1,  // APNG too: Qt's reader gives its default picture
    Jpeg = 2,
    Gif = 4,
    WebP = 8,
    Bmp = 16,
    Icon = 32,  // ICO or CUR: its first picture
};
constexpr quint32 kAllFormats = Png | Jpeg | Gif | WebP | Bmp | Icon;
// The format whose signature picture begins with; 0 for none of them.
quint32 formatOf(const QByteArray& picture);
// The name of Qt's reader of a format.
const char* readerName(quint32 format);
// What a JPEG's markers, found as libjpeg finds them (past bytes between segments, a stuffed 0xff00 and
// fill bytes) up to its end, tell before any decoding: whether they name arithmetic coding (a frame SOF9 to
// SOF11 or SOF13 to SOF15, or a DAC segment: the walk ends there), and its scans (SOS segments).
struct JpegMarkers
{
    bool arithmetic = false;
    int scans = 0;
};
JpegMarkers jpegMarkers(const QByteArray& picture);
// The most scans a JPEG may have. Encoders write few: libjpeg's progressive scripts 6 for grey, 10 for colour
// and 18 for CMYK, a baseline picture of its components in scans of their own up to 4, the scripts of jpegtran
// and mozjpeg tens at most. But libjpeg walks every block of a scan's component at each scan, whatever its data:
// a scan of a few bytes costs about 3 ms at 2048 x 2048 pixels and 14 ms at 4096 x 4096, and a picture of
// thousands runs to its CPU limit for nothing anyone would draw. At 64 scans the costliest picture still
// decodes within its limit (about 0.3 s of a page picture's 1 s, 1.2 s of a snapshot's 2 s); one of more is
// refused before any reader touches it, at the cost of a walk of its markers.
constexpr int kMostJpegScans = 64;

// What one decode may take and give. The decoder refuses a picture of another format, or whose frames
// pass pixels (all together) or frames, and is ended past cpuMs milliseconds of CPU time or memoryMiB of
// address space beyond its own.
struct Limits
{
    quint32 formats = 0;  // Format bits
    quint32 pixels = 0;
    quint32 frames = 0;
    quint32 cpuMs = 0;
    quint32 memoryMiB = 0;
};

// The most a request may carry, and ask for: larger numbers are no request. The decoder's every process is
// bounded by the address space of a request of the most and its decode (decoder/sandbox.h): the memory above the
// most a picture of the program asks for (384 MiB).
constexpr quint32 kMostBytes = 32 * 1024 * 1024;
constexpr quint32 kMostPixels = 64 * 1024 * 1024;
constexpr quint32 kMostFrames = 4096;
constexpr quint32 kMostCpuMs = 60 * 1000;
constexpr quint32 kMostMemoryMiB = 512;

// The decoder program run with this argument alone is the keeper of a decoder's process group
// (platform/decoderprocess.h).
constexpr char kKeeperArgument[] = "--keep-group";

// The decoder's exit status when the kernel refused it a confinement, before it read a request: which one.
enum class Unconfined : int
{
    None = 0,        // confined: it reads requests
    Privileges = 3,  // root's user, groups and capabilities given up, its parent-death signal
    Limits = 4,      // its limits of CPU time and address space
    Filter = 5,      // its seccomp filter
};
// What the kernel refused a decoder that ended with exitStatus, for the log; "" for a status that tells none.
const char* unconfined(int exitStatus);

// A request: its header (kRequestHeader bytes: a mark, the limits, the picture's length), then the picture.
constexpr int kRequestHeader = 28;
QByteArray request(const QByteArray& picture, const Limits& limits);
// The limits and the picture's length a request's header holds; false when it is none.
bool readRequestHeader(const char* header, Limits* limits, quint32* bytes);

// How a decode ended. The decoder answers the first seven after a decode and the next three when the decode's
// process ended by a signal; the last four are the program's own, when the decoder did not answer.
enum class Status : quint32
{
    Decoded,
    FormatRefused,  // not of a format the request allows
    Arithmetic,     // an arithmetic-coded JPEG
    TooManyScans,   // a JPEG of more scans than kMostJpegScans
    TooLarge,       // more pixels than allowed, all frames together
    TooManyFrames,  // more frames than allowed
    NotDecoded,     // the reader failed on it
    Crashed,        // detail: the signal
    OutOfTime,      // its CPU time ran out
    Forbidden,      // a call its sandbox refuses
    Overdue,        // no answer by the deadline: the decoder was ended
    Broken,         // an answer not as the protocol has it
    NotStarted,     // no decoder could be started
    Left,           // the decoder ended before its answer
};
// A refusal's fixed text, for the log.
const char* refusal(Status status);

// An answer: its header (kAnswerHeader bytes: a mark, the status, its detail, the frames' width, height and
// number, the loops: Qt's count, -1 for ever), then for each frame its delay in milliseconds and its
// pixels, 4 bytes each (RGBA), row by row. Only a decoded picture has frames.
constexpr int kAnswerHeader = 28;
QByteArray answerHeader(Status status, quint32 detail, quint32 width, quint32 height, quint32 frames, qint32 loops);
// The bytes of the longest answer within limits.
qint64 mostAnswerBytes(const Limits& limits);

// An answer read as it comes, each byte once, held to the request's limits.
class AnswerReader
{
public:
    explicit AnswerReader(const Limits& limits);
    // Takes what of data belongs to the answer; returns how many bytes it took.
    qint64 feed(const char* data, qint64 size);
    // Whole; or broken (then nothing of it is taken): a status the decoder does not send, or sizes past the
    // limits or that a status other than Decoded has.
    bool done() const { return stage == Stage::Done; }
    bool broken() const { return stage == Stage::Broken; }
    Status status() const { return answered; }
    quint32 detail() const { return detailValue; }
    // The decoded picture's frames (RGBA8888, all of one size), their delays and its loops.
    const QVector<QImage>& frames() const { return images; }
    const QVector<int>& delays() const { return delayMs; }
    int loops() const { return loopCount; }

private:
    enum class Stage
    {
        Header,
        Delay,
        Pixels,
        Done,
        Broken,
    };
    void headerRead();

    Limits limits;
    Stage stage = Stage::Header;
    QByteArray pending;  // of a header or a delay
    Status answered = Status::Broken;
    quint32 detailValue = 0;
    quint32 width = 0, height = 0, count = 0;
    int loopCount = 0;
    qint64 pixelBytes = 0;  // of the frame being read
    QVector<QImage> images;
    QVector<int> delayMs;
};

}  // namespace PictureWire

#endif  // PICTUREWIRE_H
