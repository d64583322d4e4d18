#ifndef ANSWERRULES_H
#define ANSWERRULES_H

#include <QImage>
#include <QNetworkRequest>
#include <QVector>

// What a cloud web view's manager lets through of another host's answer: plain functions.
namespace CloudSite {

// What the engine asked for, by the Accept header it sends: style sheets have their own; pictures,
// fonts, scripts, XHR and prefetches alike ask for "*/*".
enum class Asked
{
    StyleSheet,
    Any,
};
Asked asked(const QNetworkRequest& request);

// What a web view's manager does with the first bytes (head) of an answer from another host, the
// whole answer when complete. A style sheet passes. A picture of a format the picture decoder reads
// (PNG, JPEG, GIF, WebP, BMP, ICO or CUR, told by its signature) is decoded once it is whole, and the
// engine gets the picture the wizard writes of it (writtenPicture) instead. Anything else passes only as
// text, when no picture or font reader takes it. A font is refused whatever it holds: its cost lies in
// its glyphs. The rest is refused, and why: an SVG, a picture of a format the views take from no other
// host, a font, anything unknown. NeedMore: not known yet, hold more of it.
enum class Answer
{
    Pass,
    NeedMore,
    Decode,   // a picture to decode
    Picture,  // refused, as a picture
    Font,     // refused, as a font
    Unknown,  // refused, of no format the check knows
};
Answer answerVerdict(Asked what, const QByteArray& head, bool complete);
// A refused answer's fixed text for logRefusal.
const char* refusal(Answer answer);

// Whether the share of bytes of another answer that is a picture fits beside heldBytes of heldAnswers held
// for a view's decoder already: within ReplyLimits::kViewHeldBytes and kViewHeldAnswers (of one host's, within
// part of them), or alone.
bool shareFits(qint64 heldBytes, int heldAnswers, qint64 bytes, int part = 1);

// The delays (milliseconds) the wizard writes for an animation whose frames, of pixels all together, the
// picture shows for delays: each as long as the engine shows it (under 11 ms: 100 ms), all lengthened by the
// least whole factor that holds what a loop costs the engine a second within
// ReplyLimits::kViewAnimationPixelsPerSecond: for each frame its canvas drawn, four times that once all
// frames together pass the engine's frame cache (ReplyLimits::kViewAnimationCachedPixels) and it decodes
// each again, a walk of all its frames and the repaint.
QVector<int> playedDelays(const QVector<int>& delays, qint64 pixels);
// What the engine gets for a decoded picture: a PNG of its frame, or an APNG of its frames at playedDelays,
// playing as often as Qt's loop count tells (-1: for ever).
QByteArray writtenPicture(const QVector<QImage>& frames, const QVector<int>& delays, int loops);

}  // namespace CloudSite

#endif  // ANSWERRULES_H
