#include "cloud/devicesetupcompletepage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QTimer>
#include <QUrl>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "base/replylimits.h"
#include "cloud/shortcutplan.h"
#include "platform/desktop.h"
#include "platform/shortcut.h"
#include "protocol/cameracgi.h"
#include "protocol/ipcamera.h"
#include "shell/mainpage.h"

int currentCGIType = SnapshotSchedule::Korva;
bool isPasswordMasked = false;

namespace {

#ifdef Q_OS_WIN
constexpr bool kScriptHostShortcut = true;  // a .lnk made by the script host
#else
constexpr bool kScriptHostShortcut = false;  // a desktop launcher file
#endif

// The summary boxes' place on this page, which differs from the form's.
const QRect kSummaryBox(430, 90, 391, 351);

}  // namespace

DeviceSetupCompletePage::DeviceSetupCompletePage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_DeviceSetupCompletePage)
{
    WLOG << "DeviceSetupCompletePage Constructor Initializing ...";
    ui->setupUi(this);
    // The model, the account and the password come from the camera, the cloud and the user: never markup.
    ui->DSCPDeviceInfoModelName_Label->setTextFormat(Qt::PlainText);
    ui->DSCPOlvarisAccount_Label->setTextFormat(Qt::PlainText);
    ui->DSCPDeviceInfoPassword_Label->setTextFormat(Qt::PlainText);
    for (QWidget* hidden :
         {static_cast<QWidget*>(ui->DSCPDeviceInfo_GBox), static_cast<QWidget*>(ui->DSCPOlvarisInfo_GBox),
          static_cast<QWidget*>(ui->DSCPDeviceInfoPasswordTitle_Label),
          static_cast<QWidget*>(ui->DSCPDeviceInfoPassword_Button),
          static_cast<QWidget*>(ui->DSCPDeviceInfoPassword_Label),
          static_cast<QWidget*>(ui->DSCPDeviceInfoImage_Label)})
        hidden->hide();
    ui->DSCPOlvarisContent_Label->setOpenExternalLinks(true);
    ui->DSCPShortcutCheck_CheckBox->hide();

    connect(ui->DSCPDeviceInfoPassword_Button, &QPushButton::clicked, this,
            &DeviceSetupCompletePage::pressDeviceInfoPasswordButton);
    connect(ui->DSCPFinish_Button, &QPushButton::clicked, this, &DeviceSetupCompletePage::pressFinishButton);

    getImageManager = new ReplyLimits::BoundedManager(ReplyLimits::kSnapshot, this);
    connect(getImageManager, &QNetworkAccessManager::finished, this, &DeviceSetupCompletePage::getImagefinishedSlot);
    connect(getImageManager, &QNetworkAccessManager::authenticationRequired, this,
            &DeviceSetupCompletePage::slotAuthenticationRequired);
    connect(getImageManager, &QNetworkAccessManager::sslErrors, this, &DeviceSetupCompletePage::sslErrors);

    imageDecoder = new Platform::PictureDecoder(this);
    getImageTimer = new QTimer(this);
    connect(getImageTimer, &QTimer::timeout, this, &DeviceSetupCompletePage::checkGetDeviceImageStatus);
}

DeviceSetupCompletePage::~DeviceSetupCompletePage()
{
    delete ui;
}

void DeviceSetupCompletePage::enter()
{
    WLOG << "Setup complete, snapshot every" << SnapshotSchedule::kTickMs << "ms";
    gMainpage->hideStep();
    startGetImageTimer();
}

void DeviceSetupCompletePage::retranslate()
{
    ui->retranslateUi(this);
    for (QLabel* title : {ui->DSCPOlvarisAccountTitle_Label, ui->DSCPDeviceInfoModelNameTitle_Label})
        growToText(title);
}

QString DeviceSetupCompletePage::deviceIconPath(const IPCamera& camera)
{
    return QCoreApplication::applicationDirPath() + "/device_icon/" + modelText(camera.modelName).toLower() + ".png";
}

void DeviceSetupCompletePage::showDeviceSummary(const IPCamera& camera, const QString& iconPath)
{
    ui->DSCPDeviceInfo_GBox->setGeometry(kSummaryBox);
    ui->DSCPDeviceInfo_GBox->show();
    ui->DSCPOlvarisInfo_GBox->hide();
    const QString model = modelText(camera.modelName);
    const QPixmap icon(iconPath);
    ui->DSCPDeviceInfoImage_Label->setPixmap(
        icon.isNull() ? icon : icon.scaled(90, 90, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    ui->DSCPDeviceInfoModelName_Label->setText(model);
    ui->DSCPDeviceInfoModelName_Label->adjustSize();
}

void DeviceSetupCompletePage::showAccountSummary(const QString& account, const QString& content)
{
    ui->DSCPOlvarisInfo_GBox->setGeometry(kSummaryBox);
    ui->DSCPOlvarisInfo_GBox->show();
    ui->DSCPDeviceInfo_GBox->hide();
    ui->DSCPOlvarisAccount_Label->setText(account);
    ui->DSCPOlvarisAccount_Label->setWordWrap(true);
    ui->DSCPOlvarisContent_Label->setText(content);
}

void DeviceSetupCompletePage::setShortcutOfferVisible(bool visible)
{
    ui->DSCPShortcutCheck_CheckBox->setVisible(visible);
}

void DeviceSetupCompletePage::startGetImageTimer()
{
    getImageTimer->start(SnapshotSchedule::kTickMs);
}

bool DeviceSetupCompletePage::imageDecodeHolds() const
{
    return SnapshotSchedule::decodeHolds(
        imageDecoder->busy(), imageDecodeEnded.isValid() ? imageDecodeEnded.elapsed() : imageDecodeWait.waitMs,
        imageDecodeWait.waitMs);
}

void DeviceSetupCompletePage::checkGetDeviceImageStatus()
{
    const bool held = imageDecodeHolds();
    const SnapshotSchedule::Tick tick =
        SnapshotSchedule::tick(waitGetDeviceImageNumber, getDeviceImageSuccess, currentCGIType,
                               outstandingImageRequests, held, imagePeriodHeld);
    imagePeriodHeld = tick.check || (imagePeriodHeld && held);
    bool written = false;
    if (tick.check) {
        const SnapshotSchedule::StateLog::CheckLines lines = imageStateLog.check(tick.failed);
        written = lines.write;
        if (written && !tick.failed) {
            WLOG << "checkGetDeviceImageStatus : success";
            WLOG << "==========>> currentCGIType :" << currentCGIType;
        } else if (written && tick.switched) {
            WLOG << "checkGetDeviceImageStatus : failed";
            WLOG << (currentCGIType == SnapshotSchedule::Korva ? " #######  change from korva to t4x  #######"
                                                               : " #######  change from t4x to kovra  #######");
        } else if (written) {
            WLOG << "checkGetDeviceImageStatus : failed";
            WLOG << "the dialect kept: not asked since the last check, the wait after a refused snapshot not over";
        }
        if (lines.quietFromNow)
            WLOG << "No snapshot in either dialect: the dialect keeps changing every" << SnapshotSchedule::kCheckEvery
                 << "ticks, logged again once a picture comes";
        currentCGIType = tick.dialect;
    } else if (tick.send) {
        getDeviceImageCGI(currentCGIType);
    } else if (imageStateLog.heldBack()) {
        written = true;
        WLOG << "snapshot request held back," << outstandingImageRequests << "still unanswered"
             << (imageDecodeHolds()
                     ? QString(", a picture's decode not yet waited out (%1 ms after it, %2 refused in a row)")
                           .arg(imageDecodeWait.waitMs)
                           .arg(imageDecodeWait.refusedInRow)
                     : QString());
    }
    if (written)
        WLOG << " waitGetDeviceImageNumber :" << waitGetDeviceImageNumber;
    ++waitGetDeviceImageNumber;
}

void DeviceSetupCompletePage::getDeviceImageCGI(int cgi_choose_type)
{
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        if (imageStateLog.request(QString()))
            WLOG << "No camera chosen (IPCameraIdx :" << IPCameraIdx << "), no snapshot request";
        return;
    }
    QString dialect = "0";
    if (cgi_choose_type >= 0 && cgi_choose_type <= 2) {
        dialect = CameraCgi::clockDialect(cgi_choose_type, camera->modelName);
        currentCGIType = dialect.toInt();
    }
    const QString base = CameraCgi::baseUrlWithPort(*camera);
    if (base.isEmpty()) {
        if (imageStateLog.request(QString()))
            WLOG << "The camera's address" << camera->IPAddr << "or HTTPS port" << camera->networkconf.Https_port
                 << "is no valid address; no snapshot request";
        return;
    }
    const QString url = base + SnapshotSchedule::path(dialect);
    const QByteArray basic = CameraCgi::basicCredentials(*camera);
    if (imageStateLog.request(url)) {
        WLOG << "url = " << url;
        WLOG << "Auth Basic " << maskSecret(QString::fromLatin1(basic));
    }

    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setRawHeader("Authorization", "Basic " + basic);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    request.setTransferTimeout(SnapshotSchedule::kRequestTimeoutMs);
    getImageManager->get(request);
    ++outstandingImageRequests;
}

void DeviceSetupCompletePage::getImagefinishedSlot(QNetworkReply* reply)
{
    outstandingImageRequests = qMax(0, outstandingImageRequests - 1);
    reply->deleteLater();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError) {
        snapshotAnswered(status, reply->errorString() + " " + ReplyLimits::stopNote(reply), 0, QImage(),
                         PictureWire::Status::Decoded);
        return;
    }
    const QByteArray body = reply->readAll();
    if (status.toInt() != 200 || body.isEmpty()) {
        snapshotAnswered(status, QString(), body.size(), QImage(), PictureWire::Status::Decoded);
        return;
    }
    if (imageDecodeHolds())
        return;  // one decode at a time, none before the last one's wait is over
    imageDecoder->decode(body, ReplyLimits::kSnapshotPicture, this,
                         [this, status, bytes = body.size()](const Platform::PictureDecoder::Result& result) {
                             imageDecodeWait = SnapshotSchedule::afterDecode(imageDecodeWait.refusedInRow,
                                                                             result.decoded(), result.elapsedMs);
                             imageDecodeEnded.start();
                             snapshotAnswered(status, QString(), bytes,
                                              result.decoded() ? result.frames.first() : QImage(), result.status);
                         });
}

void DeviceSetupCompletePage::snapshotAnswered(const QVariant& status, const QString& error, qint64 bytes,
                                               const QImage& picture, PictureWire::Status decoded)
{
    if (!picture.isNull()) {
        ui->DSCPCGIIamge_Label->setPixmap(QPixmap::fromImage(
            picture.scaled(ui->DSCPCGIIamge_Label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        ui->DSCPCGIIamge_Label->show();
    }
    getDeviceImageSuccess = !picture.isNull();

    switch (imageStateLog.reply(getDeviceImageSuccess)) {
    case SnapshotSchedule::StateLog::Reply::Skip:
        return;
    case SnapshotSchedule::StateLog::Reply::Count:
        LogSummary::note(QStringLiteral("Snapshot answer changed between picture and failure"));
        return;
    case SnapshotSchedule::StateLog::Reply::Write:
        break;
    }
    WLOG << "getImagefinishedSlot finished";
    WLOG << "HTTP Status Code :" << status.toString();
    if (!error.isNull()) {
        WLOG << "Http Error" << error;
        return;
    }
    WLOG << "HTTP return bytes.size :" << bytes;
    if (getDeviceImageSuccess)
        WLOG << "Success";
    else if (decoded != PictureWire::Status::Decoded)
        WLOG << "HTTP Status Code Error (the snapshot refused:" << PictureWire::refusal(decoded) << ")";
    else
        WLOG << "HTTP Status Code Error";
}

void DeviceSetupCompletePage::slotAuthenticationRequired(QNetworkReply*, QAuthenticator* authenticator)
{
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    authenticator->setUser("admin");
    authenticator->setPassword(QString::fromLatin1(QByteArray::fromBase64(camera->password).constData()));
}

void DeviceSetupCompletePage::sslErrors(QNetworkReply* reply, QList<QSslError>)
{
    reply->ignoreSslErrors();
}

void DeviceSetupCompletePage::pressDeviceInfoPasswordButton()
{
    WLOG << "Press ...";
    const IPCamera* camera = chosenCamera();
    const QByteArray password = camera ? QByteArray::fromBase64(camera->password) : QByteArray();
    if (!isPasswordMasked) {
        ui->DSCPDeviceInfoPassword_Label->setText(QString(password.size(), '*'));
        ui->DSCPDeviceInfoPassword_Button->setText(tr("Show"));
    } else {
        ui->DSCPDeviceInfoPassword_Label->setText(QString::fromLatin1(password.constData()));
        ui->DSCPDeviceInfoPassword_Button->setText(tr("Hide"));
    }
    ui->DSCPDeviceInfoPassword_Label->adjustSize();
    isPasswordMasked = !isPasswordMasked;
}

void DeviceSetupCompletePage::pressFinishButton()
{
    QCheckBox* box = ui->DSCPShortcutCheck_CheckBox;
    WLOG << "Finish, shortcut :" << (!box->isHidden() && box->isChecked()) << ", isLocalView :" << isLocalView;
    if (!box->isHidden() && box->isChecked())
        createShortcut();
    if (!isLocalView)
        Platform::openUrl(QUrl(QString("https://%1/").arg(Endpoints::kCloudSiteHost)));
    QCoreApplication::exit(0);
}

void DeviceSetupCompletePage::createShortcut()
{
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "No camera chosen (IPCameraIdx :" << IPCameraIdx << "), no shortcut";
        return;
    }
    const QString desktop = Platform::desktopFolder();
    const QString appDir = QCoreApplication::applicationDirPath();
    const ShortcutPlan::Script script = ShortcutPlan::windowsScript(camera->modelName, camera->IPAddr, desktop, appDir);
    const ShortcutPlan::Launcher launcher =
        ShortcutPlan::desktopLauncher(camera->modelName, camera->IPAddr, desktop, appDir);
    const QString refusal = kScriptHostShortcut ? script.refusal : launcher.refusal;
    if (!refusal.isEmpty()) {
        WLOG << "No shortcut:" << refusal << "( model :" << camera->modelName << ", address :" << camera->IPAddr << ")";
        return;
    }
    WLOG << "pathLink :" << (kScriptHostShortcut ? script.linkPath : launcher.path);
    if (kScriptHostShortcut)
        Platform::runShortcutScript(script.linkPath, script.scriptPath, script.text);
    else
        Platform::writeDesktopLauncher(launcher.path, launcher.text);
}
