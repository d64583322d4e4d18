#include "shell/clickrules.h"

#include <QtGlobal>

namespace ClickRules {

bool swallow(LastPress& last, Step step, unsigned long time, const QPoint& place, bool left,
             const DoubleClickLimits& limits)
{
    switch (step) {
    case Step::Press: {
        // As the desktop counts a double click; a time stamp that went back is far from the last, unsigned.
        const QPoint moved = place - last.place;
        const bool tail = last.seen && left && time - last.time < static_cast<unsigned long>(limits.intervalMs) &&
                          qAbs(moved.x()) <= limits.distance && qAbs(moved.y()) <= limits.distance;
        last = {true, time, place, tail};
        return tail;
    }
    case Step::DoubleClick:
        return last.tail;
    case Step::Release:
        // The whole second click goes; a press whose page was left before it ended answers nowhere.
        return last.tail || left;
    }
    return false;
}

}  // namespace ClickRules
