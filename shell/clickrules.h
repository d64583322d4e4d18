#ifndef CLICKRULES_H
#define CLICKRULES_H

#include <QPoint>

// Whether a mouse event belongs to a click aimed at a page or popup that has since been left, so that it does
// nothing where it lands: the second click of a double click whose first left its page (Next, say), and the release
// of a press made on a page or popup that another has taken the place of. Plain functions of what the click guard
// (shell/clickguard.h) sees.
namespace ClickRules {

enum class Step
{
    Press,
    DoubleClick,  // the second press of a double click, told again as such
    Release,
};

// The last press, and whether it was the second click of a double click aimed at a page since left.
struct LastPress
{
    bool seen = false;
    unsigned long time = 0;  // the event's time stamp, in ms
    QPoint place;            // on the screen
    bool tail = false;
};

// What makes two presses a double click on this desktop: the second within intervalMs of the first and at most
// distance pixels from it, each way.
struct DoubleClickLimits
{
    int intervalMs;
    int distance;
};

// Whether the event is swallowed. left: the page or popup under the event is not the one that was under the last
// press (that one is gone, hidden or covered). A press becomes last.
bool swallow(LastPress& last, Step step, unsigned long time, const QPoint& place, bool left,
             const DoubleClickLimits& limits);

}  // namespace ClickRules

#endif  // CLICKRULES_H
