#ifndef VIEWPICTURES_H
#define VIEWPICTURES_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

#include "base/picturewire.h"
#include "platform/picturedecoder.h"

class QUrl;

namespace Platform {
class PictureThread;
}

namespace CloudSite {

// What a cloud view holds and does for the pictures of other hosts. Each answer that is a picture holds a
// share of the view's budget (shareFits), granted in the order asked, its host's shares within its part of it,
// while it is read and until the picture the wizard writes of it is handed on; the pictures are decoded by the
// view's decoder and written on a thread of the view's own, one picture at a time, the hosts taking turns,
// each host's in the order their shares were asked. What the decoding and writing of a host's pictures cost is
// counted over the view's life; past ReplyLimits::kViewHostCpuMs its pictures are refused unread.
class ViewPictures : public QObject
{
public:
    // The picture the wizard wrote (a PNG or APNG), or nothing and why.
    using Written = std::function<void(const QByteArray& picture, PictureWire::Status status)>;
    // A share granted (true) after admit, or its picture refused (false): its host went past what it may cost.
    using Told = std::function<void(bool granted)>;
    enum class Grant
    {
        Now,
        Later,    // told
        Refused,  // its host is past what it may cost
    };

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
    // owner's share of bytes, its picture counted to source: granted at once, or once the shares asked before
    // it have been granted and it fits beside them (told), or refused.
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
    // Grants the shares that fit, in turn (told for each but asking's); whether asking's was.
    bool grant(quint64 asking);
    void next();
    void decoded(quint64 id, const QString& source, const Platform::PictureDecoder::Result& result);
    void finish(quint64 id, const QByteArray& picture, PictureWire::Status status);
    // Counts ms to source; past the bound, its shares but the one at work are refused (the others granted as
    // that one's is given back).
    void spend(const QString& source, qint64 ms);

    Platform::PictureDecoder* decoder;
    Platform::PictureThread* writer;
    QList<Share> shares;  // in the order asked
    quint64 lastId = 0;
    bool working = false;                      // a picture is decoded or written
    quint64 atWork = 0;                        // its share's id
    QHash<QString, qint64> spent;              // by host: the milliseconds its pictures cost
    quint64 turns = 0;                         // decodes begun
    QHash<QString, quint64> lastTurns;         // by host: the turn of its last picture's decode
    QList<QPair<QString, QString>> redirects;  // the latest: the host redirected to, the source
};

}  // namespace CloudSite

#endif  // VIEWPICTURES_H
