#include "cloud/answerrules.h"

#include <QTextCodec>

#include <cctype>
#include <cstring>

#include "base/picturewire.h"
#include "base/pngwriter.h"
#include "base/replylimits.h"
#include "cloud/answerreaders.h"

namespace {

// What an answer's bytes tell.
enum class Header
{
    Picture,  // of a format the decoder reads, by its signature
    Bad,      // a picture the engine would take by its type (SVG)
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
    quint32 be32(qint64 pos) const { return u8(pos) << 24 | u8(pos + 1) << 16 | u8(pos + 2) << 8 | u8(pos + 3); }
    bool at(qint64 pos, const char* text) const
    {
        const qint64 n = qint64(qstrlen(text));
        return has(pos, n) && std::memcmp(b.constData() + pos, text, size_t(n)) == 0;
    }
};

// How long the engine shows a frame that declares a delay of ms: under 11 ms, 100 ms.
qint64 shown(qint64 ms)
{
    return ms < 11 ? 100 : ms;
}

// What a loop of an animation of frames, of pixels all together, costs the engine, counted in pixels as
// measured: for each frame it shows, the canvas drawn, four times that when all frames pass the engine's
// cache and it decodes the frame again; 256 for each frame of the animation, which its decoder walks
// again; 32,768 for the repaint.
qint64 loopCost(qint64 frames, qint64 pixels)
{
    const qint64 decoded = pixels > ReplyLimits::kViewAnimationCachedPixels ? 4 : 1;
    return pixels * decoded + frames * (256 * frames + 32768);
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

// What an answer holds, of its bytes so far: a picture of one of the formats the decoder reads (by their
// signatures), a font or text. A web font is a font by its signature (the engine unpacks it itself); so is a
// bare font or a collection, unless it is text.
Header answerHeader(const QByteArray& head, bool complete)
{
    const Bytes h{head};
    if (PictureWire::formatOf(head))
        return Header::Picture;
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
    switch (answerHeader(head, complete)) {
    case Header::Picture:
        return complete ? Answer::Decode : Answer::NeedMore;
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
        return "Picture not loaded, of a format the views take from no other host";
    case Answer::Font:
        return "Font not loaded, the views take no font from another host";
    default:
        return "Answer not loaded, neither a picture, a font nor text the views take";
    }
}

bool shareFits(qint64 heldBytes, int heldAnswers, qint64 bytes, int part)
{
    return heldAnswers == 0 || (heldAnswers < ReplyLimits::kViewHeldAnswers / part &&
                                heldBytes + bytes <= ReplyLimits::kViewHeldBytes / part);
}

QVector<int> playedDelays(const QVector<int>& delays, qint64 pixels)
{
    QVector<int> played;
    qint64 loopMs = 0;
    for (int ms : delays) {
        played.append(int(shown(ms)));
        loopMs += played.last();
    }
    // Each lengthened by the same whole factor, the least that holds the loop's cost a second.
    const qint64 most = ReplyLimits::kViewAnimationPixelsPerSecond * loopMs;
    const qint64 cost = 1000 * loopCost(delays.size(), pixels);
    const qint64 factor = delays.size() < 2 || cost <= most ? 1 : (cost + most - 1) / most;
    for (int& ms : played)
        ms = int(ms * factor);
    return played;
}

QByteArray writtenPicture(const QVector<QImage>& frames, const QVector<int>& delays, int loops)
{
    const qint64 pixels = qint64(frames.first().width()) * frames.first().height() * frames.size();
    // Qt's loop count: -1 for ever (an APNG's 0 plays), else the loops after the first play.
    const quint32 plays = loops < 0 ? 0 : quint32(loops) + 1;
    return PngWriter::png(frames, playedDelays(delays, pixels), plays);
}

}  // namespace CloudSite
