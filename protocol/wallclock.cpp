#include "protocol/wallclock.h"

namespace WallClock {

namespace {

std::function<QDateTime()>& testClock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

}  // namespace

QDateTime now()
{
    if (testClock())
        return testClock()();
    return QDateTime::currentDateTime();
}

void setClockForTests(std::function<QDateTime()> clock)
{
    testClock() = std::move(clock);
}

}  // namespace WallClock
