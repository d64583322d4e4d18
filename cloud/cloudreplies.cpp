#include "cloud/cloudreplies.h"

#include <QTimer>

#include "base/replylimits.h"
#include "cloud/answerrules.h"
#include "cloud/cloudsiterules.h"

namespace CloudSite {

LocalReply::LocalReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent)
    : QNetworkReply(parent)
{
    setRequest(request);
    setUrl(request.url());
    setOperation(op);
    open(QIODevice::ReadOnly);
}

void LocalReply::refuse()
{
    setError(ContentAccessDenied, QStringLiteral("Not the cloud service over https"));
    QTimer::singleShot(0, this, [this] {
        setFinished(true);
        emit errorOccurred(ContentAccessDenied);
        emit finished();
    });
}

void LocalReply::answer(int status, const QByteArray& reason, const QByteArray& body)
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

qint64 LocalReply::bytesAvailable() const
{
    return content.size() - offset + QNetworkReply::bytesAvailable();
}

qint64 LocalReply::readData(char* data, qint64 maxSize)
{
    if (offset >= content.size())
        return -1;
    const qint64 n = qMin(maxSize, qint64(content.size() - offset));
    memcpy(data, content.constData() + offset, size_t(n));
    offset += n;
    return n;
}

HeldReply::HeldReply(QNetworkReply* inner, Asked what, const ReplyLimits::Limits& limits, ViewPictures* pictures,
                     QObject* parent)
    : QNetworkReply(parent)
    , inner(inner)
    , what(what)
    , maxBytes(limits.maxBytes)
    , pictures(pictures)
    , source(pictures ? pictures->sourceOf(inner->url()) : QString())
{
    inner->setParent(this);
    // Qt stops reading the connection while this much waits unread: what a held back picture holds.
    inner->setReadBufferSize(ReplyLimits::kHeldReadBufferBytes);
    setRequest(inner->request());
    setUrl(inner->url());
    setOperation(inner->operation());
    open(QIODevice::ReadOnly);
    connect(inner, &QNetworkReply::metaDataChanged, this, [this] {
        metaData = true;
        copyMetaData();
        const int status = attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (verdict == Answer::NeedMore && status / 100 == 3 && hasRawHeader("Location")) {
            // Qt's own reading of the header drops a relative address.
            const QUrl location = url().resolved(QUrl::fromEncoded(rawHeader("Location")));
            if (!redirectFollowed(location)) {
                // Refused once the inner reply's signal has returned: it goes on after it.
                disconnect(this->inner, nullptr, this, nullptr);
                QTimer::singleShot(0, this, [this] {
                    refuse(QStringLiteral("Redirect not followed, not over https to where the views load from"));
                });
                return;
            }
            pass(location);
            return;
        }
        if (verdict == Answer::Pass)
            emit metaDataChanged();
    });
    connect(inner, &QNetworkReply::readyRead, this, &HeldReply::take);
    connect(inner, &QNetworkReply::finished, this, &HeldReply::innerFinished);
    connect(inner, &QNetworkReply::uploadProgress, this, &QNetworkReply::uploadProgress);
    connect(inner, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (verdict == Answer::Pass)
            emit downloadProgress(received, total);
    });
    connect(inner, &QNetworkReply::sslErrors, this, &QNetworkReply::sslErrors);
    connect(inner, &QNetworkReply::redirected, this, &QNetworkReply::redirected);
    // The inner reply's limits end it while it runs; this one ends a picture's wait for its share, decode and
    // write.
    QTimer::singleShot(limits.deadlineMs, this, &HeldReply::overdue);
}

HeldReply::~HeldReply()
{
    if (pictures) {
        pictures->passed(this);
        pictures->release(this);
    }
}

void HeldReply::pass(const QUrl& location)
{
    redirect = true;  // the engine reads no byte of it
    verdict = Answer::Pass;
    // The engine follows a redirect as its reply tells it (its status, then its end), within these signals or never:
    // while they run, and only then, its request for the location counts to this one's party.
    if (pictures)
        pictures->passing(this, source, location);
    disconnect(inner, nullptr, this, nullptr);
    // Its body unread, once the inner reply's signal has returned.
    QMetaObject::invokeMethod(inner, &QNetworkReply::abort, Qt::QueuedConnection);
    const QPointer<HeldReply> alive(this);  // else its end dropped the note
    emit metaDataChanged();
    if (alive && !isFinished()) {
        setFinished(true);
        emit finished();
    }
    if (alive && pictures)
        pictures->passed(this);
}

void HeldReply::abort()
{
    if (isFinished())
        return;
    aborted = true;
    if (!inner->isFinished()) {
        inner->abort();  // its finished ends this one
        return;
    }
    setError(OperationCanceledError, QStringLiteral("Operation canceled"));
    end();
}

qint64 HeldReply::bytesAvailable() const
{
    return (verdict == Answer::Pass ? held.size() - offset : 0) + QNetworkReply::bytesAvailable();
}

qint64 HeldReply::readData(char* data, qint64 maxSize)
{
    if (verdict != Answer::Pass || offset >= held.size())
        return isFinished() ? -1 : 0;
    const qint64 n = qMin(maxSize, qint64(held.size() - offset));
    memcpy(data, held.constData() + offset, size_t(n));
    offset += n;
    if (offset == held.size() && verdict == Answer::Pass) {
        held.clear();
        offset = 0;
    }
    return n;
}

void HeldReply::copyMetaData()
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

void HeldReply::take()
{
    if (share == Share::Waiting)
        return;  // read on once its share is granted
    if (!inner->isOpen())
        return;  // aborted by its limits, or by this one: what it had is gone
    const QByteArray bytes = inner->readAll();
    received += bytes.size();
    if (received > maxBytes) {  // also without a length, whoever reads
        inner->abort();
        return;
    }
    if (redirect)
        return;
    held += bytes;
    if (verdict == Answer::NeedMore && held.size() >= judgedAt) {
        judgedAt = 2 * held.size();
        judge(false);
    } else if (verdict == Answer::Pass && !bytes.isEmpty()) {
        emit readyRead();
    }
    // A picture (by its first bytes) holds a share of what the view holds for its decoder before more is read.
    if (verdict == Answer::NeedMore && share == Share::None && PictureWire::formatOf(held))
        askShare();
}

void HeldReply::askShare()
{
    bool known = false;
    const qint64 announced = inner->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    const qint64 bytes = known ? qBound(qint64(held.size()), announced, maxBytes) : maxBytes;
    share = Share::Waiting;
    using Grant = ViewPictures::Grant;
    const Grant grant =
        pictures ? pictures->admit(this, source, bytes, [this](Grant granted) { told(granted); }) : Grant::Now;
    if (grant == Grant::Now)
        share = Share::Granted;
    else if (grant != Grant::Later)
        told(grant);
}

void HeldReply::told(ViewPictures::Grant grant)
{
    if (isFinished())  // ended while its grant was on its way
        return;
    if (grant == ViewPictures::Grant::PartySpent) {
        refuse(QStringLiteral("Picture not loaded, its party's pictures past what a view takes of one party"));
        return;
    }
    if (grant != ViewPictures::Grant::Now) {
        refuse(QStringLiteral("Picture not loaded, the view's pictures past what a view decodes of all hosts"));
        return;
    }
    share = Share::Granted;
    if (inner->isFinished())
        innerFinished();
    else
        take();
}

void HeldReply::judge(bool complete)
{
    verdict = answerVerdict(what, held, complete);
    if (verdict == Answer::Decode && pictures) {
        pictures->decode(this, held,
                         [this](const QByteArray& picture, PictureWire::Status status) { written(picture, status); });
        held.clear();
    } else if (verdict != Answer::Pass && verdict != Answer::NeedMore) {
        refuse(QString::fromLatin1(refusal(verdict)));
    } else if (verdict == Answer::Pass) {
        if (metaData)
            emit metaDataChanged();
        if (!held.isEmpty())
            emit readyRead();
    }
}

void HeldReply::written(const QByteArray& picture, PictureWire::Status status)
{
    if (status != PictureWire::Status::Decoded) {
        refuse(QStringLiteral("Picture not loaded, ") + QString::fromLatin1(PictureWire::refusal(status)));
        return;
    }
    held = picture;
    setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("image/png"));
    setHeader(QNetworkRequest::ContentLengthHeader, held.size());
    verdict = Answer::Pass;
    if (metaData)
        emit metaDataChanged();
    emit readyRead();
    end();
}

void HeldReply::innerFinished()
{
    if (isFinished())
        return;
    if (inner->error() != NoError)
        setError(inner->error(), inner->errorString());
    // What a failed answer holds is judged too: the engine may decode it.
    if (verdict == Answer::NeedMore && !aborted && share != Share::Waiting)
        take();
    if (share == Share::Waiting && error() == NoError)
        return;  // a picture held back is judged once its share is granted
    if (verdict == Answer::NeedMore && !aborted && share != Share::Waiting)
        judge(true);
    if (!isFinished() && verdict != Answer::Decode)  // a picture ends once written
        end();
}

void HeldReply::overdue()
{
    if (isFinished() || !inner->isFinished())
        return;  // the inner reply's limits end it
    logRefusal(QStringLiteral("Picture not loaded, not decoded and written by its deadline"), url());
    setError(OperationCanceledError, QStringLiteral("Not finished by its deadline"));
    end();
}

void HeldReply::end()
{
    if (pictures)
        pictures->release(this);
    if (error() != NoError)
        emit errorOccurred(error());
    setFinished(true);
    emit finished();
}

void HeldReply::refuse(const QString& why)
{
    logRefusal(why, url());
    if (pictures)
        pictures->release(this);
    // The engine follows a redirect target even of a failed reply.
    setAttribute(QNetworkRequest::RedirectionTargetAttribute, QVariant());
    setRawHeader("Location", QByteArray());
    held.clear();
    offset = 0;
    disconnect(inner, nullptr, this, nullptr);
    inner->abort();
    setError(ContentAccessDenied, QStringLiteral("Not a picture, font or text the views allow"));
    setFinished(true);
    emit errorOccurred(ContentAccessDenied);
    emit finished();
}

}  // namespace CloudSite
