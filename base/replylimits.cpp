#include "base/replylimits.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QNetworkReply>

namespace {
const char kTooLargeProperty[] = "tolmReplyTooLarge";

void abortTooLarge(QNetworkReply* reply)
{
    if (reply->isFinished() || reply->property(kTooLargeProperty).toBool())
        return;
    reply->setProperty(kTooLargeProperty, true);
    reply->abort();
}
}  // namespace

namespace ReplyLimits {

QNetworkRequest limited(QNetworkRequest request, int timeoutMs)
{
    request.setTransferTimeout(timeoutMs);
    return request;
}

void bound(QNetworkReply* reply, qint64 maxBytes)
{
    if (!reply)
        return;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        bool known = false;
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced > maxBytes)
            abortTooLarge(reply);
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64) {
        if (received > maxBytes)
            abortTooLarge(reply);
    });
    // Without a length, Qt reports no progress: what waits unread counts instead.
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, maxBytes] {
        if (reply->bytesAvailable() > maxBytes)
            abortTooLarge(reply);
    });
}

bool tooLarge(const QNetworkReply* reply)
{
    return reply && reply->property(kTooLargeProperty).toBool();
}

QImage picture(const QByteArray& body, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(body);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPixels)
        return QImage();
    return reader.read();
}

BoundedManager::BoundedManager(qint64 maxBytes, QObject* parent, int timeoutMs)
    : QNetworkAccessManager(parent)
    , maxBytes(maxBytes)
    , timeoutMs(timeoutMs)
{}

QNetworkReply* BoundedManager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoingData)
{
    QNetworkReply* reply = QNetworkAccessManager::createRequest(
        op, request.transferTimeout() > 0 ? request : limited(request, timeoutMs), outgoingData);
    bound(reply, maxBytes);
    return reply;
}

}  // namespace ReplyLimits
