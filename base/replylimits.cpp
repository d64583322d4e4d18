#include "base/replylimits.h"

#include <QNetworkReply>
#include <QTimer>

namespace {
const char kStopProperty[] = "tolmReplyStop";
const char kKindProperty[] = "tolmReplyKind";
const char kStatusOnlyProperty[] = "tolmReplyStatusOnly";

void stop(QNetworkReply* reply, ReplyLimits::Stop why)
{
    if (reply->isFinished() || ReplyLimits::stopped(reply) != ReplyLimits::Stop::None)
        return;
    reply->setProperty(kStopProperty, int(why));
    reply->abort();
}

bool compressed(const QNetworkReply* reply)
{
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    return !encoding.isEmpty() && encoding != "identity";
}
}  // namespace

namespace ReplyLimits {

void bound(QNetworkReply* reply, const Limits& limits)
{
    if (!reply)
        return;
    reply->setProperty(kKindProperty, QString::fromLatin1(limits.kind));
    reply->setProperty(kStatusOnlyProperty, limits.statusOnly);
    const qint64 maxBytes = limits.maxBytes;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        if (compressed(reply)) {
            stop(reply, Stop::Compressed);
            return;
        }
        bool known = false;
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced > maxBytes)
            stop(reply, Stop::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64) {
        if (received > maxBytes)
            stop(reply, Stop::TooLarge);
    });
    // Without a length, Qt reports no progress: what waits unread counts instead.
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, maxBytes] {
        if (reply->bytesAvailable() > maxBytes)
            stop(reply, Stop::TooLarge);
    });
    QTimer::singleShot(limits.deadlineMs, reply, [reply] { stop(reply, Stop::Overdue); });
}

Stop stopped(const QNetworkReply* reply)
{
    return reply ? Stop(reply->property(kStopProperty).toInt()) : Stop::None;
}

bool statusLineTaken(const QNetworkReply* reply)
{
    return stopped(reply) != Stop::None && reply->property(kStatusOnlyProperty).toBool() &&
           reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

QString stopNote(const QNetworkReply* reply)
{
    switch (stopped(reply)) {
    case Stop::TooLarge:
        return QStringLiteral("(larger than the size limit)");
    case Stop::Compressed:
        return QString::fromLatin1(statusLineTaken(reply) ? "(%1 compressed, its status line taken: %2)"
                                                          : "(compressed answer refused: %1, %2)")
            .arg(reply->property(kKindProperty).toString(),
                 QString::fromLatin1(reply->rawHeader("Content-Encoding").left(32)));
    case Stop::Overdue:
        return QStringLiteral("(not finished by its deadline)");
    case Stop::None:
        break;
    }
    return QString();
}

BoundedManager::BoundedManager(const Limits& limits, QObject* parent)
    : QNetworkAccessManager(parent)
    , limits(limits)
{}

QNetworkReply* BoundedManager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoingData)
{
    QNetworkRequest bounded(request);
    if (bounded.transferTimeout() <= 0)
        bounded.setTransferTimeout(limits.transferMs);
    // Qt would ask for gzip and deflate and inflate them in its own thread, before any check here.
    bounded.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = QNetworkAccessManager::createRequest(op, bounded, outgoingData);
    bound(reply, limits);
    return reply;
}

}  // namespace ReplyLimits
