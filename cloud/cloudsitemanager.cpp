#include "cloud/cloudsitemanager.h"

#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "cloud/eventorder.h"
#include "protocol/dcputils.h"

namespace {

// A reply made here, never sent: finished at once (once the caller has connected) with an
// HTTP status and a body, or with an error.
class LocalReply : public QNetworkReply
{
public:
    LocalReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(op);
        open(QIODevice::ReadOnly);
    }
    void refuse()
    {
        setError(ContentAccessDenied, QStringLiteral("Not the cloud service over https"));
        QTimer::singleShot(0, this, [this] {
            setFinished(true);
            emit errorOccurred(ContentAccessDenied);
            emit finished();
        });
    }
    void answer(int status, const QByteArray& reason, const QByteArray& body)
    {
        content = body;
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
        setAttribute(QNetworkRequest::HttpReasonPhraseAttribute, reason);
        setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html; charset=utf-8"));
        setHeader(QNetworkRequest::ContentLengthHeader, content.size());
        if (status == 404)
            setError(ContentNotFoundError, QString::fromLatin1(reason));
        QTimer::singleShot(0, this, [this] {
            emit metaDataChanged();
            if (error() != NoError)
                emit errorOccurred(error());
            if (!content.isEmpty())
                emit readyRead();
            setFinished(true);
            emit finished();
        });
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return content.size() - offset + QNetworkReply::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (offset >= content.size())
            return -1;
        const qint64 n = qMin(maxSize, qint64(content.size() - offset));
        memcpy(data, content.constData() + offset, size_t(n));
        offset += n;
        return n;
    }

private:
    QByteArray content;
    qint64 offset = 0;
};

// The redirect address as the manager compares it: the engine may add the empty path's "/".
QByteArray redirectKey(const QUrl& url)
{
    const QString path = url.path(QUrl::FullyEncoded);
    return (path.isEmpty() ? QStringLiteral("/") : path).toLatin1() + '?' + url.query(QUrl::FullyEncoded).toLatin1();
}

// An answer from another host as the engine gets it: nothing of it until its first bytes show
// what the views allow (answerVerdict), then all of it, as it comes; a redirect without its body.
// A refused one finishes with ContentAccessDenied and no byte, its request ended.
class HeldReply : public QNetworkReply
{
public:
    HeldReply(QNetworkReply* inner, CloudSite::Asked what, qint64 maxBytes, QObject* parent)
        : QNetworkReply(parent)
        , inner(inner)
        , what(what)
        , maxBytes(maxBytes)
    {
        inner->setParent(this);
        setRequest(inner->request());
        setUrl(inner->url());
        setOperation(inner->operation());
        open(QIODevice::ReadOnly);
        connect(inner, &QNetworkReply::metaDataChanged, this, [this] {
            metaData = true;
            copyMetaData();
            const int status = attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (verdict == CloudSite::Answer::NeedMore && status / 100 == 3 && hasRawHeader("Location")) {
                redirect = true;  // the engine follows it and reads no byte of it
                verdict = CloudSite::Answer::Pass;
            }
            if (verdict == CloudSite::Answer::Pass)
                emit metaDataChanged();
        });
        connect(inner, &QNetworkReply::readyRead, this, &HeldReply::take);
        connect(inner, &QNetworkReply::finished, this, &HeldReply::innerFinished);
        connect(inner, &QNetworkReply::uploadProgress, this, &QNetworkReply::uploadProgress);
        connect(inner, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
            if (verdict == CloudSite::Answer::Pass)
                emit downloadProgress(received, total);
        });
        connect(inner, &QNetworkReply::sslErrors, this, &QNetworkReply::sslErrors);
        connect(inner, &QNetworkReply::redirected, this, &QNetworkReply::redirected);
    }

    void abort() override
    {
        if (isFinished())
            return;
        aborted = true;
        inner->abort();  // its finished ends this one
    }
    qint64 bytesAvailable() const override
    {
        return (verdict == CloudSite::Answer::Pass ? held.size() - offset : 0) + QNetworkReply::bytesAvailable();
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (verdict != CloudSite::Answer::Pass || offset >= held.size())
            return isFinished() ? -1 : 0;
        const qint64 n = qMin(maxSize, qint64(held.size() - offset));
        memcpy(data, held.constData() + offset, size_t(n));
        offset += n;
        if (offset == held.size() && verdict == CloudSite::Answer::Pass) {
            held.clear();
            offset = 0;
        }
        return n;
    }

private:
    void copyMetaData()
    {
        // Qt's attributes, with room for those of later versions.
        for (int code = QNetworkRequest::HttpStatusCodeAttribute; code < 64; ++code) {
            const auto attribute = QNetworkRequest::Attribute(code);
            const QVariant value = inner->attribute(attribute);
            if (value.isValid())
                setAttribute(attribute, value);
        }
        for (const RawHeaderPair& header : inner->rawHeaderPairs())
            setRawHeader(header.first, header.second);
    }

    void take()
    {
        const QByteArray bytes = inner->readAll();
        received += bytes.size();
        if (received > maxBytes) {  // also without a length, whoever reads
            inner->abort();
            return;
        }
        if (redirect)
            return;
        held += bytes;
        if (verdict == CloudSite::Answer::NeedMore)
            judge(false);
        else if (!bytes.isEmpty())
            emit readyRead();
    }

    void judge(bool complete)
    {
        verdict = CloudSite::answerVerdict(what, held, complete);
        if (verdict != CloudSite::Answer::Pass && verdict != CloudSite::Answer::NeedMore) {
            refuse();
        } else if (verdict == CloudSite::Answer::Pass) {
            if (metaData)
                emit metaDataChanged();
            if (!held.isEmpty())
                emit readyRead();
        }
    }

    void innerFinished()
    {
        if (isFinished())
            return;
        if (inner->error() != NoError)
            setError(inner->error(), inner->errorString());
        // What a failed answer holds is judged too: the engine may decode it.
        if (verdict == CloudSite::Answer::NeedMore && !aborted)
            take();
        if (verdict == CloudSite::Answer::NeedMore && !aborted)
            judge(true);
        if (isFinished())
            return;
        if (error() != NoError)
            emit errorOccurred(error());
        setFinished(true);
        emit finished();
    }

    void refuse()
    {
        CloudSite::logRefusal(CloudSite::refusal(verdict), url());
        held.clear();
        offset = 0;
        disconnect(inner, nullptr, this, nullptr);
        inner->abort();
        setError(ContentAccessDenied, QStringLiteral("Not a picture, font or text the views allow"));
        setFinished(true);
        emit errorOccurred(ContentAccessDenied);
        emit finished();
    }

    QNetworkReply* inner;
    CloudSite::Asked what;
    qint64 maxBytes;
    qint64 received = 0;
    bool metaData = false;  // the inner reply's status and headers came
    bool aborted = false;   // by the engine
    bool redirect = false;
    QByteArray held;
    qint64 offset = 0;
    CloudSite::Answer verdict = CloudSite::Answer::NeedMore;
};

// How the engine's request for a frame's document begins its Accept header.
const char kDocumentAccept[] = "text/html,";

// The address as the navigation's mark compares it: the engine sends the fragment with some
// requests and not with others.
QByteArray navigationKeyOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment).toEncoded();
}

// Redirect addresses a manager expects at once, at most.
constexpr int kMaxExpected = 4;

}  // namespace

namespace CloudSite {

const char Manager::kNavigationProperty[] = "cloudPageNavigation";

Manager::Manager(QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
{}

Manager::Manager(DCPUtils* redirectTarget, QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
    , webView(true)
    , redirectTarget(redirectTarget)
{}

void Manager::noteNavigation(QObject* frame, const QUrl& url)
{
    navigationFrame = frame;
    navigationKey = navigationKeyOf(url);
    // After this event a page's scripts may run: a request of theirs never takes the mark.
    const quint64 noted = ++navigationsNoted;
    whenThisEventEnds(this, [this, noted] {
        if (noted == navigationsNoted) {
            navigationFrame = nullptr;
            navigationKey.clear();
        }
    });
}

void Manager::expectRedirect(QObject* frame, const QUrl& url)
{
    if (expected.size() >= kMaxExpected)
        expected.removeFirst();
    expected.append({frame, redirectKey(url)});
}

bool Manager::expects(QObject* frame, const QUrl& url) const
{
    // The key holds the path and query alone.
    if (!isRedirectListener(url))
        return false;
    const QByteArray key = redirectKey(url);
    for (const Expected& e : expected)
        if (e.frame && e.frame == frame && e.key == key)
            return true;
    return false;
}

bool Manager::takeExpected(QObject* frame, const QUrl& url)
{
    if (!expects(frame, url))
        return false;
    const QByteArray key = redirectKey(url);
    expected.erase(std::remove_if(expected.begin(), expected.end(), [&key](const Expected& e) { return e.key == key; }),
                   expected.end());
    return true;
}

QNetworkReply* Manager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    const Load load = decide(op, request);
    return load == Load::Send ? send(op, request, data) : answerLocally(op, request, load);
}

Load Manager::decide(Operation op, const QNetworkRequest& request)
{
    // The page's own navigations are checked before they get here: what comes is the page, a
    // frame, one of their resources or the redirect address.
    const QUrl url = request.url();
    if (!webView)
        return isCloudAddress(url) ? Load::Send : Load::Refuse;
    if (isRedirectListener(url))
        return op == GetOperation && takeExpected(request.originatingObject(), url) ? Load::Answer : Load::Refuse;
    return viewLoad(url, Frame::Resource);
}

QNetworkReply* Manager::send(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    QNetworkReply* reply = ReplyLimits::BoundedManager::createRequest(op, outgoing(request), data);
    if (webView && !isCloudAddress(request.url()))
        return new HeldReply(reply, asked(request), ReplyLimits::kCloudPage.maxBytes, this);
    if (webView && takeNavigation(request))
        watchNavigation(reply, request.originatingObject());
    return reply;
}

bool Manager::takeNavigation(const QNetworkRequest& request)
{
    // The noted navigation's own request is a document load of its frame (the engine asks for
    // documents with this Accept, for pictures and scripts with another one, which their
    // redirects keep), and comes once: a later request for the address is a resource's.
    QObject* frame = request.originatingObject();
    if (!frame || frame != navigationFrame || navigationKeyOf(request.url()) != navigationKey ||
        !request.rawHeader("Accept").startsWith(kDocumentAccept))
        return false;
    navigationFrame = nullptr;
    navigationKey.clear();
    return true;
}

void Manager::watchNavigation(QNetworkReply* reply, QObject* frame)
{
    reply->setProperty(kNavigationProperty, true);
    QPointer<QObject> navigated(frame);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, navigated] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QUrl location = reply->url().resolved(reply->header(QNetworkRequest::LocationHeader).toUrl());
        if (navigated && redirectsToListener(reply->url(), status, location))
            expectRedirect(navigated, location);
    });
    // The engine follows a 3xx in its slot for one of these signals, which runs after this one in
    // the same emission (connected before the engine saw the reply): its request there is the
    // navigation's.
    auto follow = [this, reply, navigated] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Qt's own reading of the header drops a relative address.
        const QUrl location = QUrl::fromEncoded(reply->rawHeader("Location"));
        if (navigated && status >= 300 && status < 400 && location.isValid())
            noteNavigation(navigated, reply->url().resolved(location));
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, follow);
    connect(reply, &QNetworkReply::readyRead, this, follow);
    connect(reply, &QNetworkReply::finished, this, follow);
}

QNetworkReply* Manager::answerLocally(Operation op, const QNetworkRequest& request, Load load)
{
    const QUrl url = request.url();
    auto* reply = new LocalReply(op, request, this);
    if (load == Load::Refuse) {
        logRefusal(isRedirectListener(url) ? "Redirect address not answered, not the page's own navigation"
                                           : "Not sent, not the cloud service over https",
                   url);
        reply->refuse();
    } else if (redirectTarget &&
               redirectTarget->takeRedirect(url.query(QUrl::FullyEncoded).toLatin1(), url.toEncoded())) {
        reply->answer(200, "OK", DCPUtils::redirectDonePage());
    } else {
        reply->answer(404, "Not Found", QByteArray());
    }
    return reply;
}

}  // namespace CloudSite
