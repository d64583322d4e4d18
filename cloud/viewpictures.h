#ifndef VIEWPICTURES_H
#define VIEWPICTURES_H

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>

#include "base/picturewire.h"
#include "platform/picturedecoder.h"

namespace Platform {
class PictureThread;
}

namespace CloudSite {

// What a cloud view holds and does for the pictures of other hosts. Each answer that is a picture holds a
// share of the view's budget (shareFits), granted in the order asked, while it is read and until the picture
// the wizard writes of it is handed on; the pictures are decoded by the view's decoder and written on a
// thread of the view's own, one picture at a time, in the order their shares were asked.
class ViewPictures : public QObject
{
public:
    // The picture the wizard wrote (a PNG or APNG), or nothing and why.
    using Written = std::function<void(const QByteArray& picture, PictureWire::Status status)>;

    explicit ViewPictures(QObject* parent);

    // Starts the decoder ahead of the first picture.
    void start();
    // owner's share of bytes: true when granted at once; else granted runs once the shares asked before it
    // have been granted and it fits beside them.
    bool admit(QObject* owner, qint64 bytes, const std::function<void()>& granted);
    // owner's whole picture, its share granted: decoded once the pictures before it are done, then written;
    // done gets it, its share given back.
    void decode(QObject* owner, const QByteArray& picture, const Written& done);
    // owner's share given back, its picture no longer wanted: a decode or write of it under way goes unheeded.
    void release(QObject* owner);

private:
    struct Share
    {
        QObject* owner;
        quint64 id;
        qint64 bytes;
        bool granted;
        std::function<void()> whenGranted;
        QByteArray picture;
        Written done;  // set once the picture is whole
    };
    // Grants the shares that fit, in turn (granted runs for each but asking's); whether asking's was.
    bool grant(quint64 asking);
    void next();
    void decoded(quint64 id, const Platform::PictureDecoder::Result& result);
    void finish(quint64 id, const QByteArray& picture, PictureWire::Status status);

    Platform::PictureDecoder* decoder;
    Platform::PictureThread* writer;
    QList<Share> shares;  // in the order asked
    quint64 lastId = 0;
    bool working = false;  // a picture is decoded or written
};

}  // namespace CloudSite

#endif  // VIEWPICTURES_H
