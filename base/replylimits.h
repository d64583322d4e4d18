#ifndef REPLYLIMITS_H
#define REPLYLIMITS_H

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QtGlobal>

class QImage;
class QNetworkReply;

// Limits on what the program takes from an HTTP(S) peer: a size for each kind of answer,
// enforced while it arrives, and a transfer limit for every request.
namespace ReplyLimits {

constexpr qint64 kSnapshotBytes = 4 * 1024 * 1024;
constexpr int kSnapshotPixels = 4096 * 4096;
constexpr qint64 kCloudBytes = 256 * 1024;
constexpr qint64 kOpenApiBytes = 16 * 1024;
constexpr qint64 kCatalogueBytes = 2 * 1024 * 1024;
constexpr qint64 kUpdateDescriptionBytes = 64 * 1024;
constexpr qint64 kSpriteBytes = 16 * 1024 * 1024;
constexpr int kSpritePixels = 4096 * 4096;
constexpr qint64 kProbeBytes = 1024 * 1024;
constexpr qint64 kCgiBytes = 64 * 1024;
// What of a CGI answer goes into the log.
constexpr int kCgiLogBytes = 512;
constexpr qint64 kInstallerBytes = 512LL * 1024 * 1024;

constexpr int kTransferMs = 15000;
constexpr int kInstallerTransferMs = 120000;

// request with a transfer limit: the network manager gives up after timeoutMs without progress.
QNetworkRequest limited(QNetworkRequest request, int timeoutMs = kTransferMs);

// Aborts reply as soon as its announced length or the bytes received pass maxBytes; it then
// finishes with QNetworkReply::OperationCanceledError and tooLarge(reply) is true.
void bound(QNetworkReply* reply, qint64 maxBytes);
bool tooLarge(const QNetworkReply* reply);

// The picture in body, decoded only when the size its header gives holds at most maxPixels;
// null otherwise, also when the header tells no size.
QImage picture(const QByteArray& body, qint64 maxPixels);

// A manager for one kind of answer: every request it sends gets the transfer limit unless it
// carries its own, and every reply the size limit.
class BoundedManager : public QNetworkAccessManager
{
public:
    BoundedManager(qint64 maxBytes, QObject* parent, int timeoutMs = kTransferMs);

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoingData) override;

private:
    qint64 maxBytes;
    int timeoutMs;
};

}  // namespace ReplyLimits

#endif  // REPLYLIMITS_H
