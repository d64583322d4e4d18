#include "cloud/viewpictures.h"

#include <QSet>
#include <QUrl>

#include <algorithm>
#include <utility>
#include <vector>

#include "base/replylimits.h"
#include "cloud/answerrules.h"
#include "platform/picturethread.h"

namespace {

// Redirects noted at once, at most: the engine asks for a redirect's location as soon as it passes.
constexpr int kRedirectsNoted = 64;

// What a decode costs its host: the decoder's CPU time (its decode's included), at least the whole CPU limit
// when it ran out of it; the wait for a decoder that did not answer, whose CPU time is unknown.
qint64 decodeCostMs(const Platform::PictureDecoder::Result& result, const PictureWire::Limits& limits)
{
    if (result.cpuMs < 0)
        return result.elapsedMs;
    if (result.status == PictureWire::Status::OutOfTime)
        return qMax(result.cpuMs, qint64(limits.cpuSeconds) * 1000);
    return result.cpuMs;
}

}  // namespace

namespace CloudSite {

ViewPictures::ViewPictures(QObject* parent, const QString& program, int deadlineMs)
    : QObject(parent)
    , decoder(new Platform::PictureDecoder(this, program, deadlineMs))
    , writer(new Platform::PictureThread(this))
{}

void ViewPictures::start()
{
    decoder->start();
}

QString ViewPictures::sourceOf(const QUrl& url)
{
    const QString host = url.host();
    for (int i = 0; i < redirects.size(); ++i) {
        if (redirects.at(i).first == host)
            return redirects.takeAt(i).second;
    }
    return host;
}

void ViewPictures::redirected(const QString& source, const QUrl& location)
{
    if (redirects.size() >= kRedirectsNoted)
        redirects.removeFirst();
    redirects.append({location.host(), source});
}

ViewPictures::Grant ViewPictures::admit(QObject* owner, const QString& source, qint64 bytes, const Told& told)
{
    if (spent.value(source) >= ReplyLimits::kViewHostCpuMs)
        return Grant::HostSpent;
    if (pastTotal())
        return Grant::ViewSpent;
    ++asked[source];
    shares.append({owner, ++lastId, source, bytes, false, told, QByteArray(), Written()});
    return grant(lastId) ? Grant::Now : Grant::Later;
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
    nextSoon();
}

std::tuple<qint64, quint64, int> ViewPictures::turnOf(const QString& source) const
{
    return std::make_tuple(spent.value(source), lastTurns.value(source), asked.value(source));
}

bool ViewPictures::grant(quint64 asking)
{
    qint64 bytes = 0;
    int answers = 0;
    QHash<QString, QPair<qint64, int>> ofHost;  // bytes and answers
    for (const Share& share : qAsConst(shares)) {
        if (!share.granted)
            continue;
        bytes += share.bytes;
        ++answers;
        ofHost[share.source].first += share.bytes;
        ++ofHost[share.source].second;
    }
    if (!shareFits(bytes, answers, 0))
        return false;  // no room for any
    // The shares waiting in turn: by their hosts' turns, then in the order asked.
    std::vector<std::pair<std::tuple<qint64, quint64, int>, int>> inTurn;
    for (int i = 0; i < shares.size(); ++i) {
        if (!shares.at(i).granted)
            inTurn.emplace_back(turnOf(shares.at(i).source), i);
    }
    std::sort(inTurn.begin(), inTurn.end());
    bool granted = false;
    QSet<QString> waiting;  // hosts with a share waiting for their part
    for (const auto& turn : inTurn) {
        Share& share = shares[turn.second];
        if (waiting.contains(share.source))
            continue;
        QPair<qint64, int>& own = ofHost[share.source];
        if (!shareFits(own.first, own.second, share.bytes, ReplyLimits::kViewHostPart)) {
            waiting.insert(share.source);  // its host's later shares wait behind it; the others' pass
            continue;
        }
        if (!shareFits(bytes, answers, share.bytes))
            break;  // in turn: no share passes one that waits
        share.granted = true;
        bytes += share.bytes;
        ++answers;
        own.first += share.bytes;
        ++own.second;
        if (share.id == asking)
            granted = true;
        else
            QMetaObject::invokeMethod(
                share.owner, [told = share.told] { told(Grant::Now); }, Qt::QueuedConnection);
    }
    return granted;
}

void ViewPictures::next()
{
    if (working)
        return;
    // The picture of the host whose turn it is, of a host's the first asked.
    int chosen = -1;
    for (int i = 0; i < shares.size(); ++i) {
        const Share& share = shares.at(i);
        if (share.granted && share.done && (chosen < 0 || turnOf(share.source) < turnOf(shares.at(chosen).source)))
            chosen = i;
    }
    if (chosen < 0)
        return;
    Share& share = shares[chosen];
    working = true;
    atWork = share.id;
    lastTurns[share.source] = ++turns;
    const quint64 id = share.id;
    const QString source = share.source;
    const QByteArray picture = share.picture;
    share.picture.clear();  // the decoder's now
    decoder->decode(
        picture, ReplyLimits::kViewPicture, this,
        [this, id, source](const Platform::PictureDecoder::Result& result) { decoded(id, source, result); });
}

void ViewPictures::nextSoon()
{
    QMetaObject::invokeMethod(
        this, [this] { next(); }, Qt::QueuedConnection);
}

void ViewPictures::decoded(quint64 id, const QString& source, const Platform::PictureDecoder::Result& result)
{
    spend(source, decodeCostMs(result, ReplyLimits::kViewPicture));
    const bool wanted = std::any_of(shares.begin(), shares.end(), [id](const Share& s) { return s.id == id; });
    if (!wanted || !result.decoded()) {
        finish(id, QByteArray(), result.status);
        return;
    }
    const QVector<QImage> frames = result.frames;
    const QVector<int> delays = result.delays;
    const int loops = result.loops;
    // The pixels the engine holds of it: a still picture's; of an animation, all its frames while they fit in its
    // frame cache, else those and the frame shown.
    const qint64 frame = frames.isEmpty() ? 0 : qint64(frames.first().width()) * frames.first().height();
    const qint64 pixels = qMin(frame * frames.size(), ReplyLimits::kViewAnimationCachedPixels + frame);
    using Timed = QPair<QByteArray, qint64>;  // the picture and the CPU time writing it took
    writer->run<Timed>(
        [frames, delays, loops] {
            const qint64 start = Platform::PictureThread::cpuMs();
            const QByteArray picture = writtenPicture(frames, delays, loops);
            return Timed(picture, Platform::PictureThread::cpuMs() - start);
        },
        this,
        [this, id, source, pixels](const Timed& written) {
            spend(source, written.second);
            finish(id, written.first, PictureWire::Status::Decoded, pixels);
        });
}

void ViewPictures::finish(quint64 id, const QByteArray& picture, PictureWire::Status status, qint64 pixels)
{
    working = false;
    Written done;
    const auto share = std::find_if(shares.begin(), shares.end(), [id](const Share& s) { return s.id == id; });
    if (share != shares.end()) {
        done = share->done;
        shares.erase(share);
    }
    if (done && status == PictureWire::Status::Decoded) {  // handed to the engine
        viewPixels += pixels;
        if (pastTotal())
            refuseWaiting(QString(), Grant::ViewSpent);
    }
    grant(0);
    nextSoon();
    if (done)
        done(picture, status);
}

void ViewPictures::spend(const QString& source, qint64 ms)
{
    qint64& total = spent[source];
    total += ms;
    viewMs += ms;
    if (total >= ReplyLimits::kViewHostCpuMs)
        refuseWaiting(source, Grant::HostSpent);
    if (pastTotal())
        refuseWaiting(QString(), Grant::ViewSpent);
}

bool ViewPictures::pastTotal() const
{
    return viewMs >= ReplyLimits::kViewCpuMs || viewPixels >= ReplyLimits::kViewPixels;
}

void ViewPictures::refuseWaiting(const QString& source, Grant why)
{
    for (auto share = shares.begin(); share != shares.end();) {
        if ((!source.isEmpty() && share->source != source) || share->id == atWork) {
            ++share;
            continue;
        }
        QMetaObject::invokeMethod(
            share->owner, [told = share->told, why] { told(why); }, Qt::QueuedConnection);
        share = shares.erase(share);
    }
}

}  // namespace CloudSite
