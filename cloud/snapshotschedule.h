#ifndef SNAPSHOTSCHEDULE_H
#define SNAPSHOTSCHEDULE_H

#include <QByteArray>
#include <QImage>
#include <QString>

// The completion page's camera snapshot: what each 200 ms tick does, which path a dialect
// asks, and which reply counts as a picture.
namespace SnapshotSchedule {

constexpr int kTickMs = 200;
// Every 20th tick (0, 20, 40, ...) checks the last reply instead of asking.
constexpr int kCheckEvery = 20;
// A camera that does not answer gets no more than this many requests at once ...
constexpr int kMaxOutstanding = 3;
// ... and each is given up after this long.
constexpr int kRequestTimeoutMs = 3000;

enum Dialect
{
    Korva = 1,
    T4x = 2,
};

struct Tick
{
    bool check = false;     // checks the last reply and sends nothing
    bool switched = false;  // the check found no picture and changed the dialect
    bool send = false;      // asks the camera for a picture in dialect
    int dialect = Korva;    // the dialect after this tick
};

// Tick number (from 0) given whether the last finished reply was a picture, the current
// dialect and the requests still waiting for an answer.
Tick tick(int number, bool lastSucceeded, int dialect, int outstanding);

// "/image/jpeg.cgi" for the dialect text "1" (KORVA), "/image.jpg" for any other.
QString path(const QString& dialectText);

// The snapshot of a reply: status 200 and a body that decodes as a picture of at most
// ReplyLimits::kSnapshotPixels pixels; null otherwise.
QImage snapshot(int status, const QByteArray& body);

}  // namespace SnapshotSchedule

#endif  // SNAPSHOTSCHEDULE_H
