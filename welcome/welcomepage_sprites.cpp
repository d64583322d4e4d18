#include "welcome/welcomepage.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "platform/picturethread.h"
#include "setup/setupchecks.h"
#include "welcome/catalogue.h"
#include "welcome/spriteclipper.h"

namespace {

constexpr int kSpriteTickLimit = 20;
constexpr int kSpriteRequestEvery = 10;

}  // namespace

// ---- Sprites: two one-second waits, their replies and the cuts ----

void WelcomePage::getAssembleImagesSquare()
{
    WLOG << "start download assemble images square...";
    tolmwizardDownloadManager->get(QNetworkRequest(assembleImageSquareUrl));
}

void WelcomePage::getDeviceIconsSquare()
{
    WLOG << "start download device icons square...";
    tolmwizardDownloadDeviceIconManager->get(QNetworkRequest(deviceIconSquareUrl));
}

void WelcomePage::checkAssembleImageRequest()
{
    spriteTick({checkAssembleImageTimer, waitAssembleImageNumber, gAssembleImageReady, tolmwizardDownloadManager,
                assembleImageSquareUrl, "checkAssembleImageTimer", "check Assemble Image url :",
                &WelcomePage::getAssembleImagesSquare, "local view, pass assemble image checking !!! "});
}

void WelcomePage::checkDeviceIconRequest()
{
    spriteTick({checkDeviceIconTimer, waitDeviceIconNumber, gDeviceIconReady, tolmwizardDownloadDeviceIconManager,
                deviceIconSquareUrl, "checkDeviceIconTimer",
                "check Device Icon url :", &WelcomePage::getDeviceIconsSquare, nullptr});
}

void WelcomePage::spriteTick(const SpriteWait& wait)
{
    const int n = wait.counter;
    const QString name = QString::fromLatin1(wait.timerName);
    if (isLocalView) {
        wait.timer->stop();
        wait.ready = false;
        if (wait.localViewText)
            WLOG << wait.localViewText;
    } else {
        switch (SetupChecks::tick({kSpriteTickLimit, kSpriteRequestEvery}, n, wait.ready, false)) {
        case SetupChecks::Tick::Timeout:
            // Gives up this wait only: the catalogue, the update check and a download run on.
            wait.timer->stop();
            wait.manager->clearAccessCache();
            WLOG << qPrintable(name + " timeout ") << n << "stop !!";
            wait.counter = 0;
            wait.ready = false;
            return;
        case SetupChecks::Tick::Passed:
            wait.timer->stop();
            wait.manager->clearAccessCache();
            WLOG << qPrintable(name + " stop at ") << n;
            break;
        case SetupChecks::Tick::Send:
            WLOG << wait.resendText << wait.url;
            (this->*wait.request)();
            break;
        case SetupChecks::Tick::Wait:
            break;
        }
    }
    WLOG << qPrintable(name + " :") << n;
    ++wait.counter;
}

void WelcomePage::downloadAssembleImageFinished(QNetworkReply* data)
{
    handleSpriteReply(data, {SpriteKind::assembleImages(), gAssembleImageReady, assembleImageSquareUrl, assembleSprite,
                             "tolmwizardDownloadManager", "assemble_image_square", " Assemble Images Square",
                             &WelcomePage::clipAssembleImagesSquare});
}

void WelcomePage::downloadDeviceIconFinished(QNetworkReply* data)
{
    handleSpriteReply(data, {SpriteKind::deviceIcons(), gDeviceIconReady, deviceIconSquareUrl, deviceIconSprite,
                             "tolmwizardDownloadDeviceIconManager", "device_icons_square", " Device Icons",
                             &WelcomePage::clipDeviceIconSquare});
}

void WelcomePage::handleSpriteReply(QNetworkReply* data, const SpriteReply& sprite)
{
    const QString logName = QString::fromLatin1(sprite.logName);
    const QString code = replyStatus(data, QString::fromLatin1(sprite.managerName) + " HTTP");

    if (data->error() != QNetworkReply::NoError) {
        WLOG << "sprite not downloaded :" << data->errorString() << ReplyLimits::stopNote(data);
    } else if (code == "200") {
        // Decoded first: an error page served with 200 is no sprite, and the wait asks again.
        const QByteArray body = data->readAll();
        const QUrl url = data->url();
        spriteDecoder->decode(body, ReplyLimits::kSpritePicture, this,
                              [this, sprite, body, url](const Platform::PictureDecoder::Result& result) {
                                  if (!result.decoded())
                                      WLOG << qPrintable(QString::fromLatin1(sprite.logName) +
                                                         " is not a picture, not written :")
                                           << url << PictureWire::refusal(result.status);
                                  else
                                      spriteDecoded(sprite, body, result.frames.first());
                              });
    } else if (code == "301" || code == "302") {
        followRedirect(data, sprite.url);
        WLOG << qPrintable(logName + " redirected :") << sprite.url;
        sprite.ready = false;
    } else {
        WLOG << qPrintable(logName + " HTTP Error :") << code;
    }
    data->deleteLater();
}

void WelcomePage::spriteDecoded(const SpriteReply& sprite, const QByteArray& body, const QImage& picture)
{
    WLOG << qPrintable(QString("start write %1 file ...").arg(sprite.fileLabel));
    const QString folder = spriteFolder();
    if (folder.isNull() || !writeSpriteFile(folder, sprite.kind.spriteFile, body)) {
        WLOG << "sprite file not written :" << folder + "/" + sprite.kind.spriteFile;
        return;
    }
    WLOG << qPrintable(QString("write %1 file done!").arg(sprite.fileLabel));
    sprite.ready = true;
    sprite.picture = picture;
    (this->*sprite.clip)();
    // Cut by the catalogue's names: no other cut follows.
    if (gJsonFileReady)
        sprite.picture = QImage();
}

void WelcomePage::clipAssembleImagesSquare()
{
    cutOffThread(SpriteKind::assembleImages(), AssembleImagesMap, assembleSprite, assembleImagesPath);
}

void WelcomePage::clipDeviceIconSquare()
{
    cutOffThread(SpriteKind::deviceIcons(), DeviceIconsMap, deviceIconSprite, deviceIconsPath);
}

void WelcomePage::cutOffThread(const SpriteKind& kind, const QMap<QString, QString>& names, const QImage& sprite,
                               QString& folderGlobal)
{
    // The names and the sprite are copies of the cut's own; the folder is made here, once in the run.
    const QString folder = spriteFolder();
    spriteCutter->run<QString>([&kind, names, folder, sprite] { return cutSprite(kind, names, folder, sprite); }, this,
                               [&folderGlobal](const QString& clips) {
                                   if (!clips.isNull())
                                       folderGlobal = clips;
                               });
}
