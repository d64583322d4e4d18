#include "cloud/snapshotschedule.h"

#include "protocol/cameracgi.h"

namespace SnapshotSchedule {

Tick tick(int number, bool lastSucceeded, int dialect, int outstanding, bool decodeHeld, bool periodHeld)
{
    Tick t;
    t.dialect = dialect;
    if (number % kCheckEvery == 0) {
        t.check = true;
        t.failed = !lastSucceeded;
        t.switched = t.failed && !periodHeld;
        if (t.switched)
            t.dialect = dialect == Korva ? T4x : Korva;
        return t;
    }
    t.send = outstanding < kMaxOutstanding && !decodeHeld;
    return t;
}

bool decodeHolds(bool decoding, qint64 sinceMs, qint64 waitMs)
{
    return decoding || sinceMs < waitMs;
}

DecodeWait afterDecode(int refusedInRow, bool decoded, qint64 tookMs)
{
    if (decoded)
        return {0, tookMs * kDecodedCostFactor};
    DecodeWait wait{refusedInRow + 1, qMax(kLeastRefusedWaitMs, tookMs * kRefusedCostFactor)};
    for (int earlier = 0; earlier < refusedInRow && wait.waitMs < kMostRefusedWaitMs; ++earlier)
        wait.waitMs *= 2;
    wait.waitMs = qMin(wait.waitMs, kMostRefusedWaitMs);
    return wait;
}

QString path(const QString& dialectText)
{
    return CameraCgi::isKorva(dialectText) ? "/image/jpeg.cgi" : "/image.jpg";
}

StateLog::CheckLines StateLog::check(bool failed)
{
    changesThisPeriod = 0;
    heldThisPeriod = false;
    CheckLines lines;
    if (failed) {
        ++failedChecks;
        lines.write = failedChecks <= kWrittenFailures;
        lines.quietFromNow = failedChecks == kWrittenFailures;
    } else {
        failedChecks = 0;
        lines.write = lastCheck != 1;
    }
    lastCheck = failed ? 0 : 1;
    return lines;
}

bool StateLog::request(const QString& url)
{
    if (quiet() || (urlWritten && url == lastUrl))
        return false;
    urlWritten = true;
    lastUrl = url;
    return true;
}

bool StateLog::heldBack()
{
    if (quiet() || heldThisPeriod)
        return false;
    heldThisPeriod = true;
    return true;
}

StateLog::Reply StateLog::reply(bool picture)
{
    if (lastReply == int(picture))
        return Reply::Skip;
    lastReply = int(picture);
    if (picture)
        failedChecks = 0;
    if (changesThisPeriod >= kChangesPerCheck)
        return Reply::Count;
    ++changesThisPeriod;
    return Reply::Write;
}

}  // namespace SnapshotSchedule
