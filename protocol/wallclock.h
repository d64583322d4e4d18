#ifndef WALLCLOCK_H
#define WALLCLOCK_H

#include <QDateTime>
#include <functional>

// The PC's local date and time, read once per request so that date and time agree.
namespace WallClock {

QDateTime now();

// Tests fix the clock; an empty function restores the real one.
void setClockForTests(std::function<QDateTime()> clock);

}  // namespace WallClock

#endif  // WALLCLOCK_H
