#ifndef SNAPSHOTSCHEDULE_H
#define SNAPSHOTSCHEDULE_H

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
    bool failed = false;    // the check found no picture
    bool switched = false;  // ... and changed the dialect
    bool send = false;      // asks the camera for a picture in dialect
    int dialect = Korva;    // the dialect after this tick
};

// Tick number (from 0) given whether the last finished reply was a picture, the current
// dialect, the requests still waiting for an answer, whether a decode holds the next request
// back (decodeHolds) and whether it held back every tick since the last check (periodHeld): a
// dialect that was not asked in that time is kept, so that the requests after a refused
// snapshot's wait take the dialects in turn however long the wait.
Tick tick(int number, bool lastSucceeded, int dialect, int outstanding, bool decodeHeld, bool periodHeld);

// A snapshot is decoded by the picture decoder, one at a time: no request goes out and no answer is decoded while
// one is decoded (decoding), nor until the wait after the last decode (waitMs, see afterDecode) has passed since it
// ended (sinceMs).
bool decodeHolds(bool decoding, qint64 sinceMs, qint64 waitMs);

// After a snapshot the decoder refused (out of time, too large, crashed, no JPEG: any refusal), the next waits
// kLeastRefusedWaitMs, or kRefusedCostFactor times what the refused decode took when that is longer, doubled for
// each refusal before it in a row, up to kMostRefusedWaitMs. A camera whose every snapshot costs a decode's whole
// limit so gets two decodes in its first 40 s and one a minute after. A decoded picture ends the row, and the next
// waits kDecodedCostFactor times as long as it took: the decodes of a camera whose pictures decode just within the
// limit (a JPEG of the most scans at the most pixels) hold a fifteenth of the time, three in its first 40 s where
// each takes its whole 2 s; a camera's ordinary picture of tens of milliseconds is asked for again within a second.
constexpr qint64 kLeastRefusedWaitMs = 250;
constexpr qint64 kRefusedCostFactor = 8;
constexpr qint64 kDecodedCostFactor = 14;
constexpr qint64 kMostRefusedWaitMs = 60000;

struct DecodeWait
{
    int refusedInRow = 0;  // refused snapshots since the last picture
    qint64 waitMs = 0;     // from the last decode's end
};
DecodeWait afterDecode(int refusedInRow, bool decoded, qint64 tookMs);

// "/image/jpeg.cgi" for the dialect text "1" (KORVA), "/image.jpg" for any other.
QString path(const QString& dialectText);

// What the loop writes to the log: the changes of its state (first picture, dialect switch,
// failure, recovery), not its ticks. Once the failing checks have gone round both dialects the
// loop goes quiet until a picture comes; answers that keep turning between picture and failure
// get kChangesPerCheck changes written a check period, the others are counted.
class StateLog
{
public:
    // Failing checks written in a row: the first, before any request, and one per dialect.
    static constexpr int kWrittenFailures = 3;
    static constexpr int kChangesPerCheck = 2;

    struct CheckLines
    {
        bool write = false;
        bool quietFromNow = false;  // the last failing check written before the loop goes quiet
    };
    // A check tick; failed: it found no picture.
    CheckLines check(bool failed);
    // A request to url (empty when none could be made): whether its lines are written.
    bool request(const QString& url);
    // A tick that held its request back: whether that is written.
    bool heldBack();

    enum class Reply
    {
        Skip,   // no change
        Write,  // a change, written
        Count,  // a change, counted only
    };
    Reply reply(bool picture);

private:
    bool quiet() const { return failedChecks >= kWrittenFailures; }

    int lastCheck = -1;    // -1 none yet, 0 failed, 1 found a picture
    int failedChecks = 0;  // failing checks since the last picture
    int lastReply = -1;    // -1 none yet, 0 failure, 1 picture
    int changesThisPeriod = 0;
    bool heldThisPeriod = false;
    bool urlWritten = false;
    QString lastUrl;
};

}  // namespace SnapshotSchedule

#endif  // SNAPSHOTSCHEDULE_H
