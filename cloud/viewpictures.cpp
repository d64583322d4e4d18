#include "cloud/viewpictures.h"

#include <QSet>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

#include "base/replylimits.h"
#include "cloud/answerrules.h"
#include "cloud/partyboundrules.h"
#include "cloud/partyrules.h"
#include "cloud/redirectrules.h"
#include "platform/picturethread.h"

namespace {

// What a decode within limits costs its host: the decoder's CPU time (its decode's included), at least the whole
// CPU limit when it ran out of it; the wait for a decoder that did not answer, whose CPU time is unknown.
qint64 decodeCostMs(const Platform::PictureDecoder::Result& result, const PictureWire::Limits& limits)
{
    if (result.cpuMs < 0)
        return result.elapsedMs;
    if (result.status == PictureWire::Status::OutOfTime)
        return qMax(result.cpuMs, qint64(limits.cpuMs));
    return result.cpuMs;
}

}  // namespace

namespace CloudSite {

ViewPictures::ViewPictures(QObject* parent, const QString& program, int deadlineMs)
    : QObject(parent)
    , decoder(new Platform::PictureDecoder(this, program, deadlineMs))
    , writer(new Platform::PictureThread(this))
    , keeping(new QTimer(this))
{
    keeping->setSingleShot(true);
    connect(keeping, &QTimer::timeout, this, [this] {
        settle();
        arm();
    });
    clock.start();
}

void ViewPictures::start()
{
    decoder->start();
}

QString ViewPictures::sourceOf(const QUrl& url)
{
    const int noted = noteFor(url);
    return noted < 0 ? partyOf(url.host(QUrl::FullyEncoded)) : redirects.takeAt(noted).source;
}

bool ViewPictures::ledTo(const QUrl& url) const
{
    return noteFor(url) >= 0;
}

int ViewPictures::noteFor(const QUrl& url) const
{
    const QString address = redirectAddress(url);
    for (int i = 0; i < redirects.size(); ++i)
        if (redirects.at(i).address == address)
            return i;
    return -1;
}

void ViewPictures::passing(QObject* owner, const QString& source, const QUrl& location)
{
    redirects.append({owner, redirectAddress(location), source});
}

void ViewPictures::passed(QObject* owner)
{
    redirects.erase(
        std::remove_if(redirects.begin(), redirects.end(), [owner](const Redirect& r) { return r.owner == owner; }),
        redirects.end());
}

ViewPictures::Grant ViewPictures::admit(QObject* owner, const QString& source, qint64 bytes, const Told& told)
{
    settle();
    // Past the view's total every party is past its part: the total tells why.
    if (pastTotal())
        return Grant::ViewSpent;
    if (partySpent(source))
        return Grant::PartySpent;
    ++asked[source];
    shares.append({owner, ++lastId, source, bytes, false, told, QByteArray(), Written()});
    const bool granted = grant(lastId);
    arm();
    return granted ? Grant::Now : Grant::Later;
}

void ViewPictures::decode(QObject* owner, const QByteArray& picture, const Written& done)
{
    settle();
    const auto share = std::find_if(shares.begin(), shares.end(), [owner](const Share& s) { return s.owner == owner; });
    if (share != shares.end()) {
        share->picture = picture;
        share->done = done;
        next();
    }
    arm();
}

void ViewPictures::release(QObject* owner)
{
    settle();
    const auto share = std::find_if(shares.begin(), shares.end(), [owner](const Share& s) { return s.owner == owner; });
    if (share != shares.end()) {
        shares.erase(share);
        grant(0);
        nextSoon();
    }
    arm();
}

std::tuple<qint64, quint64, int> ViewPictures::turnOf(const QString& source) const
{
    return std::make_tuple(spent.value(source), lastTurns.value(source), asked.value(source));
}

bool ViewPictures::grant(quint64 asking)
{
    qint64 bytes = 0;
    int answers = 0;
    QHash<QString, QPair<qint64, int>> ofParty;  // bytes and answers
    for (const Share& share : qAsConst(shares)) {
        if (!share.granted)
            continue;
        bytes += share.bytes;
        ++answers;
        ofParty[share.source].first += share.bytes;
        ++ofParty[share.source].second;
    }
    if (!shareFits(bytes, answers, 0))
        return false;  // no room for any
    // The shares waiting in turn: by their parties' turns, then in the order asked.
    std::vector<std::pair<std::tuple<qint64, quint64, int>, int>> inTurn;
    for (int i = 0; i < shares.size(); ++i) {
        if (!shares.at(i).granted)
            inTurn.emplace_back(turnOf(shares.at(i).source), i);
    }
    std::sort(inTurn.begin(), inTurn.end());
    bool granted = false;
    QSet<QString> waiting;  // parties with a share waiting for their part
    for (const auto& turn : inTurn) {
        Share& share = shares[turn.second];
        if (waiting.contains(share.source))
            continue;
        QPair<qint64, int>& own = ofParty[share.source];
        if (!shareFits(own.first, own.second, share.bytes, ReplyLimits::kViewPartyPart)) {
            waiting.insert(share.source);  // its party's later shares wait behind it; the others' pass
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
    // The picture of the party whose turn it is, of a party's the first asked.
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
    // Within what its party has left of its part of the pixels and the CPU time: a picture past the pixels is refused
    // by the decoder, a decode past the time ended.
    const qint64 pixelsLeft =
        partLeft(ReplyLimits::kViewPixels, pixelsOf.value(source), viewPixels - pixelsOf.value(source));
    const PictureWire::Limits limits = partyPictureLimits(ReplyLimits::kViewPicture, pixelsLeft, cpuLeft(source));
    decoder->decode(picture, limits, this, [this, id, source, limits](const Platform::PictureDecoder::Result& result) {
        decoded(id, source, limits, result);
    });
}

void ViewPictures::nextSoon()
{
    QMetaObject::invokeMethod(
        this, [this] { next(); }, Qt::QueuedConnection);
}

void ViewPictures::decoded(quint64 id, const QString& source, const PictureWire::Limits& limits,
                           const Platform::PictureDecoder::Result& result)
{
    spend(source, decodeCostMs(result, limits));
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
    settle();
    working = false;
    Written done;
    QString source;
    const auto share = std::find_if(shares.begin(), shares.end(), [id](const Share& s) { return s.id == id; });
    if (share != shares.end()) {
        done = share->done;
        source = share->source;
        shares.erase(share);
    }
    if (done && status == PictureWire::Status::Decoded) {  // handed to the engine
        viewPixels += pixels;
        pixelsOf[source] += pixels;
        refuseWaiting(Grant::PartySpent);
    }
    grant(0);
    nextSoon();
    arm();
    if (done)
        done(picture, status);
}

void ViewPictures::spend(const QString& source, qint64 ms)
{
    viewMs += ms;
    cpuOf[source] += ms;
    if (pastTotal())
        refuseWaiting(Grant::ViewSpent);
    charge(source, ms);
}

void ViewPictures::charge(const QString& source, qint64 ms)
{
    spent[source] += ms;
    refuseWaiting(Grant::PartySpent);
}

bool ViewPictures::partySpent(const QString& source) const
{
    const qint64 pixels = pixelsOf.value(source);
    return cpuLeft(source) <= 0 || partLeft(ReplyLimits::kViewPixels, pixels, viewPixels - pixels) <= 0;
}

qint64 ViewPictures::cpuLeft(const QString& source) const
{
    // Its part of the CPU time the others' pictures left; the time it kept others waiting counts to it alone.
    return partLeft(ReplyLimits::kViewCpuMs, spent.value(source), viewMs - cpuOf.value(source));
}

bool ViewPictures::pastTotal() const
{
    // The pixels are bounded by the parties' parts, each picture decoded within its party's.
    return viewMs >= ReplyLimits::kViewCpuMs;
}

void ViewPictures::refuseWaiting(Grant why)
{
    for (auto share = shares.begin(); share != shares.end();) {
        if (share->id == atWork || (why == Grant::PartySpent && !partySpent(share->source))) {
            ++share;
            continue;
        }
        QMetaObject::invokeMethod(
            share->owner, [told = share->told, why] { told(why); }, Qt::QueuedConnection);
        share = shares.erase(share);
    }
}

QSet<QString> ViewPictures::keepingWaiting() const
{
    QHash<QString, QPair<qint64, int>> ofParty;  // granted: bytes and answers
    for (const Share& share : shares) {
        if (share.granted) {
            ofParty[share.source].first += share.bytes;
            ++ofParty[share.source].second;
        }
    }
    QSet<QString> waiting;  // parties with a share that waits for the view's room, not their own part's
    for (const Share& share : shares) {
        const QPair<qint64, int> own = ofParty.value(share.source);
        if (!share.granted && shareFits(own.first, own.second, share.bytes, ReplyLimits::kViewPartyPart))
            waiting.insert(share.source);
    }
    QSet<QString> keeping;
    for (const Share& share : shares) {
        const bool others = waiting.size() > 1 || (waiting.size() == 1 && !waiting.contains(share.source));
        if (share.granted && !share.done && others)  // its answer still comes
            keeping.insert(share.source);
    }
    return keeping;
}

void ViewPictures::settle()
{
    const qint64 now = clock.elapsed();
    const qint64 held = now - settledAt;
    settledAt = now;
    if (held <= 0)
        return;
    const QSet<QString> keepers = keepingWaiting();
    if (keepers.isEmpty())
        return;
    for (const QString& keeper : keepers)
        charge(keeper, held);
    grant(0);  // in place of the shares of a party past its bound
}

void ViewPictures::arm()
{
    qint64 soonest = -1;
    for (const QString& keeper : keepingWaiting()) {
        const qint64 left = qMax(qint64(1), cpuLeft(keeper));
        soonest = soonest < 0 ? left : qMin(soonest, left);
    }
    if (soonest < 0)
        keeping->stop();
    else
        keeping->start(int(soonest));
}

}  // namespace CloudSite
