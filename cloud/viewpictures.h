#ifndef VIEWPICTURES_H
#define VIEWPICTURES_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>

#include <functional>
#include <tuple>

#include "base/picturewire.h"
#include "platform/picturedecoder.h"

class QUrl;

namespace Platform {
class PictureThread;
}

namespace CloudSite {

// What a cloud view holds and does for the pictures of other hosts. Each answer that is a picture holds a
// share of the view's budget (shareFits), its host's shares within its part of it, while it is read and until
// the picture the wizard writes of it is handed on; the pictures are decoded by the view's decoder and written on
// a thread of the view's own, one picture at a time. The hosts take turns, at a grant and at the decoder: the
// host that has spent the least first, then the one whose last decode began the earliest, then the one that has
// asked the fewest pictures, each host's in the order asked; no share passes one that waits for room. What the
// decoding and writing of a host's pictures cost is counted over the view's life; past
// ReplyLimits::kViewHostCpuMs its pictures are refused unread. So are all hosts' past what their pictures together
// cost the view (ReplyLimits::kViewCpuMs) or the pixels handed to its engine (ReplyLimits::kViewPixels).
class ViewPictures : public QObject
{
public:
    // The picture the wizard wrote (a PNG or APNG), or nothing and why.
    using Written = std::function<void(const QByteArray& picture, PictureWire::Status status)>;
    enum class Grant
    {
        Now,
        Later,      // told
        HostSpent,  // its host is past what it may cost
        ViewSpent,  // the view's pictures are past what they may cost
    };
    // A share granted (Now) after admit, or its picture refused (HostSpent, ViewSpent).
    using Told = std::function<void(Grant grant)>;

    // The decoder is program (by default tolmdecoder in the program's folder), its deadline deadlineMs.
    explicit ViewPictures(QObject* parent, const QString& program = QString(),
                          int deadlineMs = Platform::PictureDecoder::kDeadlineMs);

    // Starts the decoder ahead of the first picture.
    void start();
    // The host the pictures at url count to: that of a picture whose redirect there was followed last (each
    // redirect counts once), else url's own.
    QString sourceOf(const QUrl& url);
    // A picture counted to source was redirected to location.
    void redirected(const QString& source, const QUrl& location);
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
    // What gives source's pictures their turn, the least first.
    std::tuple<qint64, quint64, int> turnOf(const QString& source) const;
    // Grants the shares that fit, in turn (told for each but asking's); whether asking's was.
    bool grant(quint64 asking);
    void next();
    // next once the shares just granted have been told, so that one whole by then takes its turn.
    void nextSoon();
    void decoded(quint64 id, const QString& source, const Platform::PictureDecoder::Result& result);
    void finish(quint64 id, const QByteArray& picture, PictureWire::Status status, qint64 pixels = 0);
    // Counts ms to source and the view; past a bound, its shares, or all, but the one at work are refused (the
    // others granted as that one's is given back).
    void spend(const QString& source, qint64 ms);
    // Whether the view's pictures are past what they may cost.
    bool pastTotal() const;
    // Refuses, as why, the shares of source (of every host: empty) but the one at work.
    void refuseWaiting(const QString& source, Grant why);

    Platform::PictureDecoder* decoder;
    Platform::PictureThread* writer;
    QList<Share> shares;  // in the order asked
    quint64 lastId = 0;
    bool working = false;                      // a picture is decoded or written
    quint64 atWork = 0;                        // its share's id
    QHash<QString, qint64> spent;              // by host: the milliseconds its pictures cost
    qint64 viewMs = 0;                         // what all hosts' pictures cost
    qint64 viewPixels = 0;                     // handed to the engine, of all frames
    quint64 turns = 0;                         // decodes begun
    QHash<QString, quint64> lastTurns;         // by host: the turn of its last picture's decode
    QHash<QString, int> asked;                 // by host: the shares it asked
    QList<QPair<QString, QString>> redirects;  // the latest: the host redirected to, the source
};

}  // namespace CloudSite

#endif  // VIEWPICTURES_H
