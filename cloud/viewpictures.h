#ifndef VIEWPICTURES_H
#define VIEWPICTURES_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>

#include <functional>
#include <tuple>

#include "base/picturewire.h"
#include "platform/picturedecoder.h"

class QTimer;

namespace Platform {
class PictureThread;
}

namespace CloudSite {

// What a cloud view holds and does for the pictures of other hosts, counted by party (the registrable domain of
// their host, partyOf). Each answer that is a picture holds a share of the view's budget (shareFits), its party's
// shares within its part of it, while it is read and until the picture the wizard writes of it is handed on; the
// pictures are decoded by the view's decoder and written on a thread of the view's own, one picture at a time. The
// parties take turns, at a grant and at the decoder: the party that has spent the least first, then the one whose
// last decode began the earliest, then the one that has asked the fewest pictures, each party's in the order asked;
// no share passes one that waits for room. What a party's pictures cost is counted over the view's life: the CPU
// time of decoding and writing them, and the time it holds shares while their answers still come and another
// party's picture waits for room. Of what all parties' pictures may cost the view in CPU time (ReplyLimits::kViewCpuMs)
// or pixels handed to the engine (ReplyLimits::kViewPixels) a party takes its part of what the other parties left
// (cloud/partyboundrules.h), each of its pictures decoded within the pixels it has left of it, so that the parties
// never pass the view's pixels; past its part its pictures are refused, those holding shares too, and so are all
// parties' past the view's CPU time.
class ViewPictures : public QObject
{
public:
    // The picture the wizard wrote (a PNG or APNG), or nothing and why.
    using Written = std::function<void(const QByteArray& picture, PictureWire::Status status)>;
    enum class Grant
    {
        Now,
        Later,       // told
        PartySpent,  // its party is past what it may cost
        ViewSpent,   // the view's pictures are past what they may cost
    };
    // A share granted (Now) after admit, or its picture refused (PartySpent, ViewSpent).
    using Told = std::function<void(Grant grant)>;

    // The decoder is program (by default tolmdecoder in the program's folder), its deadline deadlineMs.
    explicit ViewPictures(QObject* parent, const QString& program = QString(),
                          int deadlineMs = Platform::PictureDecoder::kDeadlineMs);

    // Starts the decoder ahead of the first picture.
    void start();
    // The party the pictures at url count to: that of a redirect passing now whose location is url, its whole address
    // (redirectAddress; each redirect counts once), else url's host's own.
    QString sourceOf(const QUrl& url);
    // Whether a request for url is one a redirect led to: the engine's for the whole location of a redirect passing
    // now, as it follows it.
    bool ledTo(const QUrl& url) const;
    // owner's answer, its picture counted to source, redirects to location: until passed(owner), the time the engine
    // may follow it, the request for location counts to source.
    void passing(QObject* owner, const QString& source, const QUrl& location);
    // owner's redirect past, followed or not: it counts no request more.
    void passed(QObject* owner);
    // owner's share of bytes, its picture counted to source: granted at once, or at its turn once it fits beside
    // those granted (told), or refused.
    Grant admit(QObject* owner, const QString& source, qint64 bytes, const Told& told);
    // owner's whole picture, its share granted: decoded at its turn, then written; done gets it, its share given
    // back.
    void decode(QObject* owner, const QByteArray& picture, const Written& done);
    // owner's share given back, its picture no longer wanted: a decode or write of it under way goes unheeded.
    void release(QObject* owner);

private:
    struct Share
    {
        QObject* owner;
        quint64 id;
        QString source;
        qint64 bytes;
        bool granted;
        Told told;
        QByteArray picture;
        Written done;  // set once the picture is whole
    };
    struct Redirect
    {
        QObject* owner;
        QString address;  // it leads to (redirectAddress)
        QString source;
    };
    // The note of the redirect passing now whose location is url, its whole address; -1: none.
    int noteFor(const QUrl& url) const;
    // What gives source's pictures their turn, the least first.
    std::tuple<qint64, quint64, int> turnOf(const QString& source) const;
    // Grants the shares that fit, in turn (told for each but asking's); whether asking's was.
    bool grant(quint64 asking);
    void next();
    // next once the shares just granted have been told, so that one whole by then takes its turn.
    void nextSoon();
    void decoded(quint64 id, const QString& source, const PictureWire::Limits& limits,
                 const Platform::PictureDecoder::Result& result);
    void finish(quint64 id, const QByteArray& picture, PictureWire::Status status, qint64 pixels = 0);
    // Counts ms of CPU time to source and the view; past a bound, the shares of the parties past theirs, or all, but
    // the one at work are refused (the others granted as that one's is given back).
    void spend(const QString& source, qint64 ms);
    // Counts ms to source alone; the shares of parties past their bounds but the one at work are refused.
    void charge(const QString& source, qint64 ms);
    // Whether source's pictures are past what they may cost: its part of what the other parties' pictures left of the
    // view's CPU time or pixels (cloud/partyboundrules.h).
    bool partySpent(const QString& source) const;
    // What source may still spend of its part of the view's CPU time, in milliseconds.
    qint64 cpuLeft(const QString& source) const;
    // Whether the view's pictures are past what they may cost.
    bool pastTotal() const;
    // Refuses, as why, the shares but the one at work: of every party past its bound (PartySpent; a party's part
    // shrinks as the others spend), or all (ViewSpent).
    void refuseWaiting(Grant why);
    // The parties with a share granted whose answer still comes while another party's share waits for room.
    QSet<QString> keepingWaiting() const;
    // Charges the time since the last settle to the parties that kept others waiting all that while: called before
    // every change of the shares.
    void settle();
    // Settles again when the next party that keeps others waiting would reach its bound.
    void arm();

    Platform::PictureDecoder* decoder;
    Platform::PictureThread* writer;
    QTimer* keeping;  // settles while parties keep others waiting
    QElapsedTimer clock;
    qint64 settledAt = 0;
    QList<Share> shares;  // in the order asked
    quint64 lastId = 0;
    bool working = false;               // a picture is decoded or written
    quint64 atWork = 0;                 // its share's id
    QHash<QString, qint64> spent;       // by party: the milliseconds its pictures cost, the time held included
    QHash<QString, qint64> cpuOf;       // by party: the CPU time of its pictures alone
    QHash<QString, qint64> pixelsOf;    // by party: handed to the engine, of all frames
    qint64 viewMs = 0;                  // the CPU time all parties' pictures cost
    qint64 viewPixels = 0;              // handed to the engine, of all frames
    quint64 turns = 0;                  // decodes begun
    QHash<QString, quint64> lastTurns;  // by party: the turn of its last picture's decode
    QHash<QString, int> asked;          // by party: the shares it asked
    QList<Redirect> redirects;          // passing now, the latest last
};

}  // namespace CloudSite

#endif  // VIEWPICTURES_H
