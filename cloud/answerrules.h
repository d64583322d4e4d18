#ifndef ANSWERRULES_H
#define ANSWERRULES_H

#include <QNetworkRequest>

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
// whole answer when complete. A style sheet passes. Anything else passes only as what the check
// can size: a picture of the engine's own formats (PNG, JPEG, GIF, WebP, BMP, ICO or CUR), all
// its frames together within ReplyLimits::kViewPicturePixels and ReplyLimits::kViewPictureFrames,
// or text; and only when no font reader and, for text, no picture reader takes it. A font is
// refused whatever it holds: its cost lies in its glyphs. The rest is refused, and why: an SVG, a
// picture over the limits or whose header ends before its size is known, a font, anything unknown.
// NeedMore: not known yet, hold more of it (an animation to its end).
enum class Answer
{
    Pass,
    NeedMore,
    Picture,  // refused, as a picture
    Font,     // refused, as a font
    Unknown,  // refused, of no format the check knows
};
Answer answerVerdict(Asked what, const QByteArray& head, bool complete);
// A refused answer's fixed text for logRefusal.
const char* refusal(Answer answer);

}  // namespace CloudSite

#endif  // ANSWERRULES_H
