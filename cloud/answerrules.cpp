#include "cloud/answerrules.h"

#include <QTextCodec>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include <zlib.h>

#include "base/replylimits.h"
#include "cloud/answerreaders.h"

namespace {

// What an answer's bytes tell.
enum class Header
{
    Size,     // a picture's size: the pixels it declares, all frames together
    Short,    // ends before the size
    More,     // an animation: its frames are counted to its end
    Bad,      // not what its format says, or costlier to decode than the views allow
    Font,     // a font: its cost lies in its glyphs, which no check bounds
    Text,     // text, if no reader takes it
    Unknown,  // none of these
};

// Numbers in a header, read only where the bytes are there.
struct Bytes
{
    const QByteArray& b;
    bool has(qint64 pos, qint64 n) const { return pos >= 0 && n >= 0 && pos + n <= b.size(); }
    quint32 u8(qint64 pos) const { return quint8(b.at(int(pos))); }
    quint32 le16(qint64 pos) const { return u8(pos) | u8(pos + 1) << 8; }
    quint32 be16(qint64 pos) const { return u8(pos) << 8 | u8(pos + 1); }
    quint32 le24(qint64 pos) const { return le16(pos) | u8(pos + 2) << 16; }
    quint32 le32(qint64 pos) const { return le16(pos) | le16(pos + 2) << 16; }
    quint32 be32(qint64 pos) const { return be16(pos) << 16 | be16(pos + 2); }
    bool at(qint64 pos, const char* text) const
    {
        const qint64 n = qint64(qstrlen(text));
        return has(pos, n) && std::memcmp(b.constData() + pos, text, size_t(n)) == 0;
    }
    // The first zero byte from pos before end, -1 if none.
    qint64 nul(qint64 pos, qint64 end) const
    {
        end = qMin<qint64>(end, b.size());
        const void* at = pos >= 0 && pos < end ? memchr(b.constData() + pos, 0, size_t(end - pos)) : nullptr;
        return at ? static_cast<const char*>(at) - b.constData() : -1;
    }
};

constexpr qint64 kMost = ReplyLimits::kViewPicturePixels;
constexpr qint64 kFrames = ReplyLimits::kViewPictureFrames;

// frames of width x height; over the limit without overflow, whatever the numbers. Each frame costs
// the engine beyond its pixels: past kFrames it is refused.
Header sized(qint64 width, qint64 height, qint64 frames, qint64* pixels)
{
    if (width <= 0 || height <= 0 || frames <= 0 || frames > kFrames)
        return Header::Bad;
    const qint64 one = width > kMost || height > kMost ? kMost + 1 : width * height;
    *pixels = one > kMost / frames ? kMost + 1 : one * frames;
    return Header::Size;
}

// How long the engine shows a frame that declares a delay of ms: under 11 ms, 100 ms.
qint64 shown(qint64 ms)
{
    return ms < 11 ? 100 : ms;
}

// Whether an animation of frames, of pixels all together, shown for ms in all, costs the engine more a
// second than the views allow. Counted in pixels, as measured, each frame it shows costs: the canvas
// drawn, four times that when all frames pass the engine's cache and it decodes the frame again; 256 for
// each frame of the animation, which its GIF decoder walks again; 32,768 for the repaint.
bool tooCostly(qint64 frames, qint64 ms, qint64 pixels)
{
    if (frames < 2)
        return false;
    const qint64 decoded = pixels > ReplyLimits::kViewAnimationCachedPixels ? 4 : 1;
    const qint64 cost = pixels * decoded + frames * (256 * frames + 32768);
    return cost * 1000 > ReplyLimits::kViewAnimationPixelsPerSecond * ms;
}

// The end of a walk through an animation's blocks: its frames so far, shown for ms in all, once past
// the limit or at the answer's end (the engine decodes the frames it got); more of it otherwise.
Header walked(qint64 width, qint64 height, qint64 frames, qint64 ms, bool complete, qint64* pixels)
{
    const Header header = sized(width, height, qMax<qint64>(frames, 1), pixels);
    if (header != Header::Size || *pixels > kMost)
        return header;
    if (!complete)
        return Header::More;
    return tooCostly(frames, ms, *pixels) ? Header::Bad : Header::Size;
}

// How long the engine shows an APNG frame, of its fcTL's delay at pos: a fraction of a second, whose
// denominator 0 means hundredths.
qint64 apngDelay(const Bytes& h, qint64 pos)
{
    const qint64 numerator = h.be16(pos), denominator = h.be16(pos + 2);
    return shown(denominator ? numerator * 1000 / denominator : numerator * 10);
}

// What a zlib stream of size bytes at pos inflates to, counted to most + 1 at the most.
qint64 inflatedSize(const Bytes& h, qint64 pos, qint64 size, qint64 most)
{
    z_stream z{};
    if (!h.has(pos, 1) || size <= 0)
        return 0;
    if (inflateInit(&z) != Z_OK)
        return most + 1;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(h.b.constData() + pos));
    z.avail_in = uInt(qMin<qint64>(size, h.b.size() - pos));
    qint64 total = 0;
    for (int result = Z_OK; result == Z_OK && total <= most;) {
        Bytef out[16384];
        z.next_out = out;
        z.avail_out = sizeof out;
        result = inflate(&z, Z_NO_FLUSH);
        total += qint64(sizeof out - z.avail_out);
    }
    inflateEnd(&z);
    return total;
}

// Where the compressed stream of a PNG chunk at pos begins, text or a colour profile that libpng
// inflates and keeps; -1 for any other chunk. After a keyword and a method byte; in an iTXt, marked
// compressed, after its flag, method, language and translated keyword.
qint64 compressedStream(const Bytes& h, qint64 pos)
{
    const bool itxt = h.at(pos + 4, "iTXt");
    if (!itxt && !h.at(pos + 4, "zTXt") && !h.at(pos + 4, "iCCP"))
        return -1;
    const qint64 end = pos + 8 + h.be32(pos);
    const qint64 keyword = h.nul(pos + 8, end);
    if (!itxt || keyword < 0)
        return keyword < 0 ? -1 : keyword + 2;
    if (!h.has(keyword + 1, 1) || h.u8(keyword + 1) == 0)
        return -1;
    const qint64 language = h.nul(keyword + 3, end);
    const qint64 translated = language < 0 ? -1 : h.nul(language + 1, end);
    return translated < 0 ? -1 : translated + 1;
}

// A PNG's size, its signature at pos, its chunks before end: the first chunk is IHDR. An animation
// (acTL before the data) by its frames, the most of those it declares and those it holds, and their
// delays (a frame whose fcTL is cut adds none). Its chunks to IEND, the decoder's end: what its
// compressed text and colour profile inflate to, counted in inflated for the whole answer once it is
// whole (inflating costs what comes out). A picture whose chunks run past end, into the next of an
// icon's, is refused.
Header pngSize(const Bytes& h, qint64 pos, qint64 end, bool complete, qint64& inflated, qint64* pixels)
{
    if (!h.has(pos, 24))
        return Header::Short;
    if (!h.at(pos + 12, "IHDR"))
        return Header::Bad;
    const qint64 width = h.be32(pos + 16), height = h.be32(pos + 20);
    qint64 declared = 0, frames = 0, ms = 0;
    bool data = false;
    qint64 at = pos + 8;
    for (; at + 8 <= end && h.has(at, 8); at += 12 + qint64(h.be32(at))) {
        data = data || h.at(at + 4, "IDAT");
        if (h.at(at + 4, "acTL") && !data && h.has(at + 8, 4))
            declared = qMax<qint64>(declared, h.be32(at + 8));
        frames += h.at(at + 4, "fcTL") ? 1 : 0;
        ms += h.at(at + 4, "fcTL") && h.has(at + 8, 26) ? apngDelay(h, at + 28) : 0;
        const qint64 stream = complete ? compressedStream(h, at) : -1;
        constexpr qint64 kInflated = ReplyLimits::kViewPictureInflatedBytes;
        inflated += stream < 0 ? 0 : inflatedSize(h, stream, at + 8 + h.be32(at) - stream, kInflated - inflated);
        if (inflated > kInflated)
            return Header::Bad;
        const qint64 count = declared ? qMax(declared, frames) : 1;
        if (h.at(at + 4, "IEND"))
            return walked(width, height, count, ms, true, pixels);
        const Header so = walked(width, height, count, ms, false, pixels);
        if (so != Header::More)
            return so;
    }
    if (end < h.b.size())
        return Header::Bad;
    if (!data && !declared && !complete)
        return Header::Short;
    return walked(width, height, declared ? qMax(declared, frames) : 1, ms, complete, pixels);
}

// A BMP's size from its information header at pos; in an icon it holds both masks' height.
Header dibSize(const Bytes& h, qint64 pos, bool inIcon, qint64* pixels)
{
    if (!h.has(pos, 12))
        return Header::Short;
    const quint32 size = h.le32(pos);
    if (size == 12)
        return sized(h.le16(pos + 4), h.le16(pos + 6) / (inIcon ? 2 : 1), 1, pixels);
    if (size < 16)
        return Header::Bad;
    const qint64 width = qint32(h.le32(pos + 4));
    const qint64 height = qAbs(qint64(qint32(h.le32(pos + 8))));  // negative: top-down
    return sized(width, inIcon ? height / 2 : height, 1, pixels);
}

// Every frame, on a canvas of the screen or, larger, of the frames' extent, each shown for the delay
// of the control extension before it (none: 0).
Header gifSize(const Bytes& h, bool complete, qint64* pixels)
{
    qint64 width = h.le16(6), height = h.le16(8), frames = 0, delay = 0, ms = 0;
    const quint32 flags = h.u8(10);
    qint64 pos = 13 + ((flags & 0x80) ? 3 * (2 << (flags & 7)) : 0);
    bool loop = false;  // in a loop extension
    for (;;) {
        if (!h.has(pos, 1))
            return frames ? walked(width, height, frames, ms, complete, pixels) : Header::Short;
        const quint32 block = h.u8(pos);
        if (block == 0x3b)
            return frames ? walked(width, height, frames, ms, true, pixels) : Header::Bad;
        if (block == 0x2c) {
            if (!h.has(pos, 10))
                return frames ? walked(width, height, frames, ms, complete, pixels) : Header::Short;
            width = qMax(width, qint64(h.le16(pos + 1)) + h.le16(pos + 5));
            height = qMax(height, qint64(h.le16(pos + 3)) + h.le16(pos + 7));
            ++frames;
            ms += shown(delay);
            delay = 0;
            const Header so = walked(width, height, frames, ms, false, pixels);
            if (so != Header::More)
                return so;
            const quint32 frameFlags = h.u8(pos + 9);
            pos += 11 + ((frameFlags & 0x80) ? 3 * (2 << (frameFlags & 7)) : 0);  // then the code size
        } else if (block == 0x21) {
            if (!h.has(pos, 3))
                return frames ? walked(width, height, frames, ms, complete, pixels) : Header::Short;
            // The engine reads a control extension's 4 bytes and each block of a loop extension as 3
            // at least, whatever their sizes say: a shorter one is refused.
            if (h.u8(pos + 1) == 0xf9 && h.u8(pos + 2) < 4)
                return Header::Bad;
            if (h.u8(pos + 1) == 0xf9 && h.has(pos, 6))
                delay = 10 * qint64(h.le16(pos + 4));  // in hundredths
            loop = h.u8(pos + 1) == 0xff && h.u8(pos + 2) == 11 &&
                   (h.at(pos + 3, "NETSCAPE2.0") || h.at(pos + 3, "ANIMEXTS1.0"));
            pos += 2;
        } else {
            return frames ? walked(width, height, frames, ms, true, pixels) : Header::Bad;  // the engine stops there
        }
        for (bool first = true;; pos += 1 + h.u8(pos), first = false) {  // the blocks, up to an empty one
            if (!h.has(pos, 1))
                return frames ? walked(width, height, frames, ms, complete, pixels) : Header::Short;
            if (h.u8(pos) == 0)
                break;
            if (loop && !first && h.u8(pos) < 3)
                return Header::Bad;
        }
        loop = false;
        ++pos;
    }
}

// The frame's size (SOFn) and its scans (SOS) to the end (EOI), walked as the engine's decoder walks
// them; a scan's data ends at the first marker other than a stuffed 0xff00 or a restart. The decoder
// skips a stuffed 0xff00 and stray bytes between segments, where this walk would read a marker and a
// length: those are refused, as are an unknown marker, a length under 2, a second frame, the end and
// a scan before the frame, and scans past ReplyLimits::kViewPictureScans: each is a pass over the
// whole picture.
Header jpegSize(const Bytes& h, qint64* pixels)
{
    qint64 pos = 2, scans = 0;
    bool frameRead = false;
    for (;;) {
        if (!h.has(pos, 2))
            return frameRead ? Header::Size : Header::Short;
        if (h.u8(pos) != 0xff)
            return Header::Bad;
        if (frameRead && h.u8(pos + 1) == 0xd9)
            return Header::Size;
        const quint32 marker = h.u8(pos + 1);
        if (marker == 0xff) {  // fill
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            pos += 2;
            continue;
        }
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        const bool segment = marker == 0xc4 || marker == 0xcc || (marker >= 0xdb && marker <= 0xdd) ||
                             (marker >= 0xe0 && marker <= 0xef) || marker == 0xfe;
        const bool scan = marker == 0xda && frameRead;
        if ((!frame && !segment && !scan) || (frame && frameRead))
            return Header::Bad;
        if (!h.has(pos, 4))
            return frameRead ? Header::Size : Header::Short;
        if (h.be16(pos + 2) < 2)
            return Header::Bad;
        if (frame) {
            if (!h.has(pos, 9))
                return Header::Short;
            const Header size = sized(h.be16(pos + 7), h.be16(pos + 5), 1, pixels);
            if (size != Header::Size || *pixels > kMost)
                return size;
            frameRead = true;
        }
        if (scan && ++scans > ReplyLimits::kViewPictureScans)
            return Header::Bad;
        pos += 2 + h.be16(pos + 2);
        while (scan && h.has(pos, 2) &&
               (h.u8(pos) != 0xff || h.u8(pos + 1) == 0 || (h.u8(pos + 1) >= 0xd0 && h.u8(pos + 1) <= 0xd7)))
            ++pos;
    }
}

// A lossy picture by its bitstream's size, an extended one by its canvas. A lossless picture, or
// alpha compressed losslessly (an ALPH chunk's method other than 0), is refused: the decoder's cost
// lies in the entropy codes its bitstream names, which no header declares. In an extended still
// picture the chunks before its image (VP8 or VP8L) are walked, each ALPH chunk among them read. An
// animation by its frames (ANMF chunks) on the canvas; the engine decodes none of them.
Header webpSize(const Bytes& h, bool complete, qint64* pixels)
{
    if (!h.has(0, 30))
        return Header::Short;
    if (h.at(12, "VP8 "))
        return h.u8(23) == 0x9d && h.u8(24) == 0x01 && h.u8(25) == 0x2a
                   ? sized(h.le16(26) & 0x3fff, h.le16(28) & 0x3fff, 1, pixels)
                   : Header::Bad;
    if (!h.at(12, "VP8X"))
        return Header::Bad;
    const qint64 width = qint64(h.le24(24)) + 1, height = qint64(h.le24(27)) + 1;
    const bool animated = h.u8(20) & 0x02;
    qint64 frames = 0;
    for (qint64 pos = 30; h.has(pos, 8); pos += 8 + qint64(h.le32(pos + 4)) + (h.le32(pos + 4) & 1)) {
        if (!animated && (h.at(pos, "VP8L") || (h.at(pos, "ALPH") && h.has(pos + 8, 1) && (h.u8(pos + 8) & 3))))
            return Header::Bad;
        if (!animated && h.at(pos, "VP8 "))
            return sized(width, height, 1, pixels);
        frames += h.at(pos, "ANMF") ? 1 : 0;
        const Header so = walked(width, height, frames, 0, false, pixels);
        if (so != Header::More)
            return so;
    }
    return complete ? sized(width, height, qMax<qint64>(frames, 1), pixels)
                    : walked(width, height, frames, 0, false, pixels);
}

// All of an icon's pictures, each a PNG or a BMP without its file header, each of its own bytes: a
// picture read for several entries, or one running into the next, is refused. Its entries are frames.
Header iconSize(const Bytes& h, bool complete, qint64* pixels)
{
    const qint64 count = h.le16(4);
    if (count == 0 || count > kFrames)
        return Header::Bad;
    if (!h.has(6, 16 * count))
        return Header::Short;
    std::vector<qint64> offsets;
    for (qint64 i = 0; i < count; ++i)
        offsets.push_back(h.le32(6 + 16 * i + 12));
    std::sort(offsets.begin(), offsets.end());
    if (std::adjacent_find(offsets.begin(), offsets.end()) != offsets.end())
        return Header::Bad;
    qint64 all = 0, inflated = 0;  // one budget for all its pictures
    for (size_t i = 0; i < offsets.size(); ++i) {
        const qint64 offset = offsets[i], end = i + 1 < offsets.size() ? offsets[i + 1] : h.b.size();
        qint64 one = 0;
        const Header header = !h.has(offset, 8)                   ? Header::Short
                              : h.at(offset, "\x89PNG\r\n\x1a\n") ? pngSize(h, offset, end, complete, inflated, &one)
                                                                  : dibSize(h, offset, true, &one);
        if (header != Header::Size)
            return header;
        all = qMin(all + one, kMost + 1);
    }
    *pixels = all;
    return Header::Size;
}

// Text: its first 512 bytes UTF-8 without control characters, where a binary format shows. Markup
// ("<" first, after white space and byte-order marks) is a picture: the engine decodes an SVG by its
// type, whatever its bytes.
Header textKind(const QByteArray& answer, bool complete)
{
    constexpr int kLooked = 512;
    const QByteArray looked = answer.left(kLooked);
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForMib(106)->toUnicode(looked.constData(), looked.size(), &state);
    if (state.invalidChars > 0 || (complete && answer.size() <= kLooked && state.remainingChars > 0))
        return Header::Unknown;
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
            c != QLatin1Char('\f'))
            return Header::Unknown;
    const Bytes h{answer};
    qint64 at = 0;
    while (h.has(at, 1) && (std::isspace(int(h.u8(at))) || h.at(at, "\xef\xbb\xbf")))
        at += std::isspace(int(h.u8(at))) ? 1 : 3;
    return h.has(at, 1) && h.u8(at) == '<' ? Header::Bad : Header::Text;
}

// What an answer holds, of its bytes so far: a picture of one of the formats the engine decodes
// itself (by the signatures it reads), a font or text. A web font is a font by its signature (the
// engine unpacks it itself); so is a bare font or a collection, unless it is text.
Header answerHeader(const QByteArray& head, bool complete, qint64* pixels)
{
    const Bytes h{head};
    qint64 inflated = 0;
    if (h.at(0, "\x89PNG\r\n\x1a\n"))
        return pngSize(h, 0, head.size(), complete, inflated, pixels);
    if (h.at(0, "GIF87a") || h.at(0, "GIF89a"))
        return h.has(0, 13) ? gifSize(h, complete, pixels) : Header::Short;
    if (h.at(0, "\xff\xd8\xff"))
        return jpegSize(h, pixels);
    if (h.at(0, "RIFF") && h.at(8, "WEBP"))
        return webpSize(h, complete, pixels);
    if (h.at(0, "BM"))
        return h.has(0, 14) ? dibSize(h, 14, false, pixels) : Header::Short;
    if (h.has(0, 6) && h.le16(0) == 0 && (h.le16(2) == 1 || h.le16(2) == 2))
        return iconSize(h, complete, pixels);
    if (h.at(0, "wOFF") || h.at(0, "wOF2"))
        return Header::Font;
    const Header text = textKind(head, complete);
    const bool font = (h.has(0, 4) && h.be32(0) == 0x00010000) || h.at(0, "OTTO") || h.at(0, "true") ||
                      h.at(0, "typ1") || h.at(0, "ttcf");
    return font && text != Header::Text ? Header::Font : text;
}

}  // namespace

namespace CloudSite {

Asked asked(const QNetworkRequest& request)
{
    return request.rawHeader("Accept").startsWith("text/css") ? Asked::StyleSheet : Asked::Any;
}

Answer answerVerdict(Asked what, const QByteArray& head, bool complete)
{
    if (what == Asked::StyleSheet || (complete && head.isEmpty()))
        return Answer::Pass;
    // Every format is told by its first 12 bytes.
    constexpr int kTold = 12;
    if (!complete && head.size() < kTold)
        return Answer::NeedMore;
    qint64 pixels = 0;
    const Header header = answerHeader(head, complete, &pixels);
    switch (header) {
    case Header::Size:
        if (pixels > ReplyLimits::kViewPicturePixels)
            return Answer::Picture;
        if (!complete)
            return Answer::NeedMore;
        return fontReaderTakes(head) ? Answer::Font : Answer::Pass;
    case Header::Short:
        if (complete || head.size() >= ReplyLimits::kViewPictureHeadBytes)
            return Answer::Picture;
        return Answer::NeedMore;
    case Header::More:
        return Answer::NeedMore;
    case Header::Bad:
        return Answer::Picture;
    case Header::Text:
        if (!complete)
            return Answer::NeedMore;
        if (imageReaderTakes(head))
            return Answer::Picture;
        return fontReaderTakes(head) ? Answer::Font : Answer::Pass;
    case Header::Font:
        return Answer::Font;
    case Header::Unknown:
        break;
    }
    return Answer::Unknown;
}

const char* refusal(Answer answer)
{
    switch (answer) {
    case Answer::Picture:
        return "Picture not loaded, larger or costlier than the views allow, not of a format they size or its header "
               "cut";
    case Answer::Font:
        return "Font not loaded, the views take no font from another host";
    default:
        return "Answer not loaded, neither a picture, a font nor text the views take";
    }
}

}  // namespace CloudSite
