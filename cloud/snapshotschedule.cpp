#include "cloud/snapshotschedule.h"

#include <QImage>

#include "base/replylimits.h"
#include "protocol/cameracgi.h"

namespace SnapshotSchedule {

Tick tick(int number, bool lastSucceeded, int dialect, int outstanding)
{
    Tick t;
    t.dialect = dialect;
    if (number % kCheckEvery == 0) {
        t.check = true;
        t.switched = !lastSucceeded;
        if (t.switched)
            t.dialect = dialect == Korva ? T4x : Korva;
        return t;
    }
    t.send = outstanding < kMaxOutstanding;
    return t;
}

QString path(const QString& dialectText)
{
    return CameraCgi::isKorva(dialectText) ? "/image/jpeg.cgi" : "/image.jpg";
}

QImage snapshot(int status, const QByteArray& body)
{
    return status == 200 ? ReplyLimits::picture(body, ReplyLimits::kSnapshotPixels) : QImage();
}

}  // namespace SnapshotSchedule
