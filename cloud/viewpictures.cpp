#include "cloud/viewpictures.h"

#include <algorithm>

#include "base/replylimits.h"
#include "cloud/answerrules.h"
#include "platform/picturethread.h"

namespace CloudSite {

ViewPictures::ViewPictures(QObject* parent)
    : QObject(parent)
    , decoder(new Platform::PictureDecoder(this))
    , writer(new Platform::PictureThread(this))
{}

void ViewPictures::start()
{
    decoder->start();
}

bool ViewPictures::admit(QObject* owner, qint64 bytes, const std::function<void()>& granted)
{
    shares.append({owner, ++lastId, bytes, false, granted, QByteArray(), Written()});
    return grant(lastId);
}

void ViewPictures::decode(QObject* owner, const QByteArray& picture, const Written& done)
{
    const auto share = std::find_if(shares.begin(), shares.end(), [owner](const Share& s) { return s.owner == owner; });
    if (share == shares.end())
        return;
    share->picture = picture;
    share->done = done;
    next();
}

void ViewPictures::release(QObject* owner)
{
    const auto share = std::find_if(shares.begin(), shares.end(), [owner](const Share& s) { return s.owner == owner; });
    if (share == shares.end())
        return;
    shares.erase(share);
    grant(0);
    next();
}

bool ViewPictures::grant(quint64 asking)
{
    qint64 bytes = 0;
    int answers = 0;
    for (const Share& share : qAsConst(shares)) {
        bytes += share.granted ? share.bytes : 0;
        answers += share.granted ? 1 : 0;
    }
    bool granted = false;
    for (Share& share : shares) {
        if (share.granted)
            continue;
        if (!shareFits(bytes, answers, share.bytes))
            break;  // in turn: no share passes one that waits
        share.granted = true;
        bytes += share.bytes;
        ++answers;
        if (share.id == asking)
            granted = true;
        else
            QMetaObject::invokeMethod(share.owner, share.whenGranted, Qt::QueuedConnection);
    }
    return granted;
}

void ViewPictures::next()
{
    if (working)
        return;
    for (Share& share : shares) {
        if (!share.granted || !share.done)
            continue;
        working = true;
        const quint64 id = share.id;
        const QByteArray picture = share.picture;
        share.picture.clear();  // the decoder's now
        decoder->decode(picture, ReplyLimits::kViewPicture, this,
                        [this, id](const Platform::PictureDecoder::Result& result) { decoded(id, result); });
        return;
    }
}

void ViewPictures::decoded(quint64 id, const Platform::PictureDecoder::Result& result)
{
    const bool wanted = std::any_of(shares.begin(), shares.end(), [id](const Share& s) { return s.id == id; });
    if (!wanted || !result.decoded()) {
        finish(id, QByteArray(), result.status);
        return;
    }
    const QVector<QImage> frames = result.frames;
    const QVector<int> delays = result.delays;
    const int loops = result.loops;
    writer->run<QByteArray>(
        [frames, delays, loops] { return writtenPicture(frames, delays, loops); }, this,
        [this, id](const QByteArray& picture) { finish(id, picture, PictureWire::Status::Decoded); });
}

void ViewPictures::finish(quint64 id, const QByteArray& picture, PictureWire::Status status)
{
    working = false;
    Written done;
    const auto share = std::find_if(shares.begin(), shares.end(), [id](const Share& s) { return s.id == id; });
    if (share != shares.end()) {
        done = share->done;
        shares.erase(share);
    }
    grant(0);
    next();
    if (done)
        done(picture, status);
}

}  // namespace CloudSite
