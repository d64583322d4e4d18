#ifndef TIMEZONES_H
#define TIMEZONES_H

#include <QString>
#include <QStringList>

// The cameras' time-zone choices. A label's 1-based position in its list is the
// zone number the camera's clock request carries, so the order must not change.
namespace TimeZones {

// KORVA dialect: 94 labels such as "(GMT+5:45) Kathmandu".
const QStringList& korvaZoneList();
// T4X dialect: 84 labels.
const QStringList& t4xZoneList();
// The 26 hour texts "-12" ... "+13"; every label holds exactly one of them followed by ":".
const QStringList& gmtOffsetList();

// Whole hours of a UTC offset in seconds, truncated toward zero: "+0", "+5", "-3".
QString hourOffsetText(qint64 offsetSeconds);

}  // namespace TimeZones

#endif  // TIMEZONES_H
