#ifndef REPLYLIMITS_H
#define REPLYLIMITS_H

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QString>
#include <QtGlobal>

#include "base/picturewire.h"

class QNetworkReply;

// Limits on what the program takes from an HTTP(S) peer. Each kind of request has a size for
// its answer, enforced while it arrives; a transfer limit, the longest wait without progress;
// and a deadline for the whole exchange, whatever pace the peer keeps. Answers are asked for
// uncompressed and a compressed one is ended at its headers: nothing is inflated, so the size
// counts what memory holds. It is refused, except by a kind that needs only the status line.
namespace ReplyLimits {

constexpr qint64 kSnapshotBytes = 4 * 1024 * 1024;
constexpr qint64 kCloudBytes = 256 * 1024;
constexpr qint64 kCloudPageBytes = 2 * 1024 * 1024;
// An animation a cloud view shows costs the engine each time it shows a frame: its canvas drawn; decoded
// again as well when all its frames together pass the engine's cache (5 MiB of 4-byte pixels), which it
// then keeps no longer; and a walk of all its frames. What that costs a second, at the frame delays the
// engine keeps, counted in pixels, is bounded.
constexpr qint64 kViewAnimationCachedPixels = 5 * 1024 * 1024 / 4;
constexpr qint64 kViewAnimationPixelsPerSecond = 4 * 1024 * 1024;
constexpr qint64 kOpenApiBytes = 16 * 1024;
constexpr qint64 kCatalogueBytes = 2 * 1024 * 1024;
constexpr qint64 kUpdateDescriptionBytes = 64 * 1024;
constexpr qint64 kSpriteBytes = 16 * 1024 * 1024;
constexpr qint64 kProbeBytes = 1024 * 1024;
constexpr qint64 kCgiBytes = 64 * 1024;
// What of an answer's text goes into the log: the first 512 bytes of a camera's CGI answer, the first 512
// characters of the catalogue and of each value the log shows of it.
constexpr int kAnswerLogBytes = 512;
constexpr qint64 kInstallerBytes = 512LL * 1024 * 1024;

constexpr int kTransferMs = 15000;
constexpr int kInstallerTransferMs = 120000;

struct Limits
{
    const char* kind;  // for the log
    qint64 maxBytes;   // of the answer's body
    int transferMs;    // without progress
    int deadlineMs;    // from the request to the answer's last byte
    // The status line is the whole answer: it holds when the limits end the reply after it.
    bool statusOnly = false;
};

// The kinds. An honest answer comes well within its deadline; the installer's ends its request
// before the download wait (399 s) gives up.
constexpr Limits kProbe{"Internet probe", kProbeBytes, kTransferMs, 10000, true};
constexpr Limits kCatalogue{"catalogue", kCatalogueBytes, kTransferMs, 15000};
constexpr Limits kSprite{"sprite", kSpriteBytes, kTransferMs, 25000};
constexpr Limits kUpdateDescription{"update check", kUpdateDescriptionBytes, kTransferMs, 15000};
constexpr Limits kInstaller{"installer", kInstallerBytes, kInstallerTransferMs, 390000};
constexpr Limits kCgi{"camera CGI", kCgiBytes, kTransferMs, 20000};
constexpr Limits kSnapshot{"snapshot", kSnapshotBytes, kTransferMs, 10000};
constexpr Limits kOpenApi{"OpenAPI address", kOpenApiBytes, kTransferMs, 20000};
constexpr Limits kCloud{"cloud REST", kCloudBytes, kTransferMs, 20000};          // REST answers, bounded where sent
constexpr Limits kCloudPage{"cloud page", kCloudPageBytes, kTransferMs, 20000};  // the web views' pages and resources

// What the picture decoder takes of each kind of picture (platform/picturedecoder.h): its formats, the
// pixels and frames of all its frames together, the CPU time and address space of one decode. A
// picture of another host on a cloud page, in the formats the engine decodes itself; the camera's
// snapshot, a JPEG; a sprite of the catalogue, a PNG. An honest picture at the limits decodes in a tenth
// of the CPU time (cloud/answercosts.md).
constexpr PictureWire::Limits kViewPicture{PictureWire::kAllFormats, 2048 * 2048, 1024, 1000, 192};
constexpr PictureWire::Limits kSnapshotPicture{PictureWire::Jpeg, 4096 * 4096, 1, 2000, 384};
constexpr PictureWire::Limits kSpritePicture{PictureWire::Png, 4096 * 4096, 1, 2000, 384};
// What a cloud view holds for its decoder: each answer of another host that is a picture, from its first bytes
// until the picture the wizard writes of it is handed on, takes its share (its announced length, else
// kCloudPageBytes) before more of it is read; the shares held together stay within these bytes and answers,
// and an answer whose share does not fit waits unread, a read buffer's worth of it in Qt's hands.
constexpr qint64 kViewHeldBytes = 8 * 1024 * 1024;
constexpr int kViewHeldAnswers = 8;
// One party's pictures (those of the names of one registrable domain, cloud/partyrules.h) hold at most this part
// of it, and of what all parties' pictures may cost a view (kViewCpuMs, kViewPixels) spend at most this part of what
// the other parties left (cloud/partyboundrules.h): the first half of the total, the next half of the rest, and so
// on, so that a party that has spent nothing finds room however many spent their parts.
constexpr int kViewPartyPart = 2;
// What decoding and writing all parties' pictures together may cost a view over its life, in milliseconds: the CPU
// time of the decoder (a decode that ran out of its CPU time counted as its whole limit, its party's CPU time left at
// most; one that did not answer as the wait for it) and of the picture thread; and the pixels of the pictures it hands
// to its engine as the engine holds them (four of the largest a page may show), at 4 bytes a pixel, twice. Past either
// the view's further pictures are refused unread, so that a page whose pictures come from many parties costs no more
// than this and the picture under way. A party's count holds as well the time it holds shares while their answers still
// come and another party's picture waits for room; past its part that party's pictures, those held too, are refused.
// Its part of the CPU time is 2 s at most, two decodes at kViewPicture's whole limit; each of its decodes is ended at
// what it has left of it, so a party passes its part only by the decoder's few milliseconds around its last decode or
// the writing of its last picture: after four parties that spent theirs a fifth finds some 0.12 s, twenty pictures of
// 320 x 200 (3 ms to decode and 3 ms to write; a 640 x 480 JPEG 25 ms in all: cloud/answercosts.md). Its part of the
// pixels holds each of its pictures decoded, so the parties' pixels never pass the total: after seven parties spent
// theirs an eighth has 65,536 pixels, a picture of 320 x 200.
constexpr qint64 kViewCpuMs = 4000;
constexpr qint64 kViewPixels = 4LL * 2048 * 2048;
constexpr qint64 kHeldReadBufferBytes = 64 * 1024;

// What ended a reply early; the reply then finishes with QNetworkReply::OperationCanceledError.
enum class Stop
{
    None,
    TooLarge,    // its announced length or the bytes received passed maxBytes
    Compressed,  // a Content-Encoding other than identity
    Overdue,     // not finished by the deadline
};

// Ends reply when it passes limits' size, comes compressed or is not finished by the deadline
// (counted from this call). The transfer limit is the manager's: see BoundedManager. A reply
// bound again keeps every limit, and is of the last kind given.
void bound(QNetworkReply* reply, const Limits& limits);
Stop stopped(const QNetworkReply* reply);
// Whether reply, of a kind that needs only the status line, had it before the limits ended it:
// its status then holds although the reply failed.
bool statusLineTaken(const QNetworkReply* reply);
// For the log: "" or why the limits ended reply, in parentheses.
QString stopNote(const QNetworkReply* reply);

// A manager for one kind of request: every request it sends asks for an uncompressed answer
// and gets the transfer limit unless it carries its own; every reply is bounded by limits.
class BoundedManager : public QNetworkAccessManager
{
public:
    BoundedManager(const Limits& limits, QObject* parent);

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoingData) override;

private:
    Limits limits;
};

}  // namespace ReplyLimits

#endif  // REPLYLIMITS_H
