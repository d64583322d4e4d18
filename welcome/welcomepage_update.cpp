#include "welcome/welcomepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "platform/installer.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/agreementpage.h"
#include "welcome/installerrules.h"
#include "welcome/updatedescription.h"

namespace {

constexpr int kUpdateCheckTickLimit = 30;
constexpr int kDownloadTickLimit = 399;
constexpr int kDownloadRequestEvery = 200;
constexpr int kInstallerRedirectLimit = 10;
const char* const kUpdatePopup = "UpdateWizardMsgBox";
const char* const kStatusPopup = "UpdateWizardStatusMsgBox";
const char* const kPathErrorPopup = "UpdateWizardPathErrorMsgBox";
const char* const kFolderErrorPopup = "UpdateWizardFolderErrorMsgBox";
const char* const kDownloadErrorPopup = "UpdateWizardDownloadErrorMsgBox";
// Reply properties of the installer download: its file could not be opened or written.
const char* const kInstallerUnwritable = "installerUnwritable";
const char* const kInstallerWriteFailed = "installerWriteFailed";

// Writes what has arrived of a 200 answer to file; anything else is dropped as it comes.
void storeInstallerPart(QNetworkReply* reply, QSaveFile* file)
{
    const QByteArray part = reply->readAll();
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200 || part.isEmpty())
        return;
    if (!file->isOpen()) {
        reply->setProperty(kInstallerUnwritable, true);
        reply->abort();
    } else if (file->write(part) != part.size()) {
        reply->setProperty(kInstallerWriteFailed, true);
        reply->abort();
    }
}

// The cloud service's support page, as a link in the update's error popups.
QString supportLink()
{
    const QString site = QString::fromLatin1(Endpoints::kCloudSiteHost);
    return QString("<a href=https://%1/support><font style='font-size:14px' color=#007b93>%1/support</font></a>")
        .arg(site);
}

}  // namespace

// ---- Self-update: the update check, the offer, the folder, the download and the start ----

void WelcomePage::getUpdateUrl()
{
    if (gIsQATest) {
        TolmWizardUpdateUrl = QUrl(gQATestBaseUrl + "vt_devices.json");
    } else if (!TolmWizardWindowsUpdateURI.isEmpty()) {
        TolmWizardUpdateUrl = TolmWizardWindowsUpdateURI;
        WLOG << "Url Get from Tolmwizard.json";
    } else {
        TolmWizardUpdateUrl = QUrl(QString::fromLatin1(Endpoints::kUpdateCheckUrl));
    }
    WLOG << "Wizard Update Url: " << TolmWizardUpdateUrl.toString().left(ReplyLimits::kAnswerLogBytes);
}

void WelcomePage::checkWizardUpdateUriConnection()
{
    const int n = waitWizardUpdateUriNumber;
    if (n == kUpdateCheckTickLimit) {
        checkWizardUpdateUriTimer->stop();
        tolmwizardUpdateUriManager->clearAccessCache();
        WLOG << "waitWizardUpdateUriNumber timeout " << n << "stop !!";
        resetCheckingParameter();
        gMainpage->hideBusy();
    } else if (wizardUpdateFound) {
        checkWizardUpdateUriTimer->stop();
        resetCheckingParameter();
        gMainpage->hideBusy();
        popupUpdateWizardMsgBox();
    } else if (n % 2 == 0) {
        WLOG << "current TolmWizardUpdateUrl url : ---------------------------------->:"
             << TolmWizardUpdateUrl.toString().left(ReplyLimits::kAnswerLogBytes);
        tolmwizardUpdateUriManager->get(QNetworkRequest(TolmWizardUpdateUrl));
    }
    WLOG << " waitWizardUpdateUriNumber :" << n;
    ++waitWizardUpdateUriNumber;
}

void WelcomePage::getWizardUpdateUriFinishedSlot(QNetworkReply* data)
{
    WLOG << "check request finished!!";
    const QString code = replyStatus(data, "tolmwizardUpdateUriManager http");

    if (!checkWizardUpdateUriTimer->isActive()) {
        // The check has ended; a late answer must not move the user on.
        WLOG << "update check over, reply ignored :" << data->url();
    } else if (data->error() != QNetworkReply::NoError) {
        WLOG << "update check failed :" << data->errorString() << ReplyLimits::stopNote(data);
        wizardUpdateFound = false;
    } else if (code == "301" || code == "302") {
        followRedirect(data, TolmWizardUpdateUrl);
        WLOG << " ---------------------------------->redirected: " << TolmWizardUpdateUrl;
        wizardUpdateFound = false;
    } else if (code != "200") {
        wizardUpdateFound = false;
    } else {
        const UpdateOffer offer = readUpdateDescription(data->readAll(), TolmWizardQtVersion);
        if (offer.found) {
            TolmWizardUpdateUrl = offer.installerUrl;
            wizardUpdateFound = true;
        } else {
            wizardUpdateFound = false;
            checkWizardUpdateUriTimer->stop();
            tolmwizardUpdateUriManager->clearAccessCache();
            resetCheckingParameter();
            continueWithoutUpdate();
        }
    }
    data->deleteLater();
}

void WelcomePage::continueWithoutUpdate()
{
    // The version gate released the DCP socket; the camera pages need it bound.
    bindingDCP();
    switchToPage(gAgreementPage);
}

void WelcomePage::openUpdatePopup(const UpdatePopup& texts)
{
    PopupBuilder popup = MessageBoxPage::build(gMainpage, texts.name, 618, 300);
    popup.title(texts.title, {80, 50, 440, 30})
        .content(MessageBoxPage::richText(texts.sentence), {80, 80, 480, 80})
        .openLinks()
        .closeButton(this, texts.close)
        .rightButton(texts.rightText, ButtonStyle::Blue, {480, 200}, this, texts.right);
    if (texts.left)
        popup.leftButton(texts.leftText, ButtonStyle::White, {360, 200}, this, texts.left);
    popup.open();
}

void WelcomePage::popupUpdateWizardMsgBox()
{
    openUpdatePopup({kUpdatePopup, tr("New Version Available"),
                     tr("A new version of the setup wizard is available, please update to the latest version."),
                     tr("Update"), &WelcomePage::pressUpdateButton, &WelcomePage::pressMsgCancelButton, QString(),
                     nullptr});
}

void WelcomePage::popupUpdateWizardStatusMsgBox()
{
    openUpdatePopup({kStatusPopup, tr("Download Successful"),
                     tr("The latest Setup Wizard has been downloaded successfully. Please click OK to close this "
                        "wizard and launch the new one."),
                     tr("OK"), &WelcomePage::pressMsgUpdateWizardStatusOKButton,
                     &WelcomePage::pressMsgUpdateWizardStatusCancelButton, QString(), nullptr});
}

void WelcomePage::popupUpdateWizardPathErrorMsgBox()
{
    openUpdatePopup({kPathErrorPopup, tr("Download Path Error"),
                     tr("Please select another folder to save to, or click <b>Exit</b> to the close Setup "
                        "Wizard<br>and go to %1 to manually download the latest version of the<br>Setup Wizard.")
                         .arg(supportLink()),
                     tr("OK"), &WelcomePage::pressMsgUpdateWizardPathErrorOKButton,
                     &WelcomePage::pressMsgUpdateWizardPathErrorCancelButton, tr("Exit"),
                     &WelcomePage::pressMsgUpdateWizardPathErrorExitButton});
}

void WelcomePage::popupUpdateWizardFolderErrorMsgBox()
{
    openUpdatePopup({kFolderErrorPopup, tr("Cannot Save to This Folder"),
                     tr("The setup wizard cannot write to the folder you chose, so the new version cannot be saved "
                        "there.<br>Please click <b>%1</b> and choose another folder.")
                         .arg(tr("OK")),
                     tr("OK"), &WelcomePage::pressMsgUpdateWizardFolderErrorOKButton,
                     &WelcomePage::pressMsgUpdateWizardFolderErrorCancelButton, QString(), nullptr});
}

void WelcomePage::popupUpdateWizardDownloadErrorMsgBox()
{
    openUpdatePopup({kDownloadErrorPopup, tr("Download Error"),
                     tr("Please click <b>Retry</b> to download the update again, or go to %1<br>to manually "
                        "download the latest version of the Setup Wizard.<br>")
                         .arg(supportLink()),
                     tr("Retry"), &WelcomePage::pressMsgUpdateWizardDownloadErrorRetryButton,
                     &WelcomePage::pressMsgUpdateWizardDownloadErrorCancelButton, tr("Exit"),
                     &WelcomePage::pressMsgUpdateWizardDownloadErrorExitButton});
}

void WelcomePage::pressMsgCancelButton()
{
    leaveUpdateRoad(kUpdatePopup);
}

void WelcomePage::pressMsgUpdateWizardPathErrorCancelButton()
{
    leaveUpdateRoad(kPathErrorPopup);
}

void WelcomePage::pressMsgUpdateWizardFolderErrorCancelButton()
{
    leaveUpdateRoad(kFolderErrorPopup);
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorCancelButton()
{
    leaveUpdateRoad(kDownloadErrorPopup);
}

void WelcomePage::leaveUpdateRoad(const char* popupName)
{
    MessageBoxPage::closeByName(gMainpage, popupName);
    getUpdateUrl();
    // Declining the update goes on with this wizard, as when no newer one exists.
    continueWithoutUpdate();
}

void WelcomePage::pressMsgUpdateWizardStatusCancelButton()
{
    // The installer stays where it was written; the next update check asks the service again.
    leaveUpdateRoad(kStatusPopup);
}

void WelcomePage::pressMsgUpdateWizardPathErrorExitButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorExitButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::pressUpdateButton()
{
    delete gMainpage->findChild<MessageBoxPage*>(kUpdatePopup);
    waitWizardUpdateNumber = 0;
    chooseInstallerFolder(QDir::currentPath());
}

void WelcomePage::pressMsgUpdateWizardPathErrorOKButton()
{
    chooseAnotherFolder(kPathErrorPopup);
}

void WelcomePage::pressMsgUpdateWizardFolderErrorOKButton()
{
    chooseAnotherFolder(kFolderErrorPopup);
}

void WelcomePage::chooseAnotherFolder(const char* popupName)
{
    delete gMainpage->findChild<MessageBoxPage*>(popupName);
    checkWizardUpdateTimer->stop();
    waitWizardUpdateNumber = 0;
    chooseInstallerFolder(TolmWizardUpdateSavePath);
}

QString WelcomePage::installerTarget() const
{
    const QString name = InstallerRules::savedName(installerFileName(TolmWizardUpdateUrl),
                                                   QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    return name.isEmpty() ? QString() : TolmWizardUpdateSavePath + "/" + name;
}

void WelcomePage::chooseInstallerFolder(const QString& startFolder)
{
    // A file written before but not readable back must not stop the next wait at once.
    gWizardUpdateDownloaded = false;
    // The popup that asked is gone; the window stays dimmed behind the folder dialog.
    gMainpage->showDimming();
    TolmWizardUpdateSavePath = QFileDialog::getExistingDirectory(
        this, QString(), startFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    // The dialog is gone: a popup that follows dims the window for as long as it is open.
    gMainpage->hideDimming();
    WLOG << "TolmWizardUpdateSavePath :" << TolmWizardUpdateSavePath;
    if (TolmWizardUpdateSavePath.isEmpty()) {
        WLOG << "not download ...";
        getUpdateUrl();
        continueWithoutUpdate();
        return;
    }
    // A folder the wizard may not write to says so, and the person chooses another.
    if (!Platform::folderTakesFiles(TolmWizardUpdateSavePath)) {
        popupUpdateWizardFolderErrorMsgBox();
        return;
    }
    TolmWizardFile = installerTarget();
    WLOG << "TolmWizardFile :" << TolmWizardFile;
    if (TolmWizardFile.isEmpty()) {
        // Only names of the wizard's own files: nothing may be saved; the popup leads to the support site.
        WLOG << "installer not saved, its address names a file of the wizard's own :"
             << TolmWizardUpdateUrl.toString().left(ReplyLimits::kAnswerLogBytes);
        failDownload();
        return;
    }
    QFile old(TolmWizardFile);
    if (old.exists()) {
        // Only an earlier installer is replaced: another file of that name is the person's.
        if (!InstallerRules::replacesOldFile(QFileInfo(TolmWizardFile).fileName())) {
            WLOG << "file exist and is no installer, left alone ...";
            popupUpdateWizardPathErrorMsgBox();
            WLOG << "change directory to :" << TolmWizardUpdateSavePath;
            return;
        }
        WLOG << "file exist and remove ...";
        if (!old.remove()) {
            WLOG << "remove failed ...";
            gMainpage->hideBusy();
            popupUpdateWizardPathErrorMsgBox();
            WLOG << "change directory to :" << TolmWizardUpdateSavePath;
            return;
        }
        WLOG << "remove success ...";
    }
    WLOG << "download ...";
    gMainpage->showBusy();
    checkWizardUpdateTimer->start(kTickMs);
}

void WelcomePage::getWizardUpdate()
{
    WLOG << "start download new version of wizard ...";
    QNetworkRequest request(TolmWizardUpdateUrl);
    // Redirects are followed here, never to a less safe scheme; a loop ends as an error.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kInstallerRedirectLimit);
    WLOG << "tolmwizardUpdateManager HTTP TolmWizardUpdateUrl =" << TolmWizardUpdateUrl;
    QNetworkReply* reply = tolmwizardUpdateManager->get(request);
    // The installer goes to disk as it arrives, into a new file that takes the target's name
    // only once it is whole; the file goes with the reply.
    auto* file = new QSaveFile(installerTarget(), reply);
    if (!file->open(QIODevice::WriteOnly))
        WLOG << "installer cannot be written :" << file->errorString();
    connect(reply, &QNetworkReply::readyRead, file, [reply, file] { storeInstallerPart(reply, file); });
}

void WelcomePage::checkTolmWizardUpdateRequest()
{
    const int n = waitWizardUpdateNumber;
    if (isLocalView) {
        WLOG << "local view, pass update/download tolm wizard checking !!! ";
        checkWizardUpdateTimer->stop();
        gWizardUpdateDownloaded = false;
    } else if (n == kDownloadTickLimit) {
        checkWizardUpdateTimer->stop();
        tolmwizardUpdateManager->clearAccessCache();
        WLOG << "checkWizardUpdateTimer timeout " << n << "stop !!";
        resetCheckingParameter();
        gMainpage->hideBusy();
        popupUpdateWizardDownloadErrorMsgBox();
    } else if (gWizardUpdateDownloaded) {
        checkWizardUpdateTimer->stop();
        tolmwizardUpdateManager->clearAccessCache();
        WLOG << "checkWizardUpdateTimer stop at " << n;
    } else if (n % kDownloadRequestEvery == 0) {
        WLOG << "download Tlom Wizard url :" << TolmWizardUpdateUrl;
        getWizardUpdate();
    }
    WLOG << "waitWizardUpdateNumber :" << n;
    ++waitWizardUpdateNumber;
}

void WelcomePage::downloadWizardUpdateFinished(QNetworkReply* data)
{
    const QString code = replyStatus(data, "tolmwizardUpdateManager HTTP");
    data->deleteLater();
    if (!checkWizardUpdateTimer->isActive() || gWizardUpdateDownloaded) {
        WLOG << "download over, reply ignored :" << data->url();
        return;
    }
    QSaveFile* file = data->findChild<QSaveFile*>();
    const bool whole = data->error() == QNetworkReply::NoError && code == "200";
    if (whole && file && file->isOpen())
        storeInstallerPart(data, file);
    WLOG << "start write new version of wizard file ...";
    // The file as it is written and read back, by the one name it was opened under.
    TolmWizardFile = file ? file->fileName() : installerTarget();
    WLOG << "TolmWizardFile path ..." << TolmWizardFile;
    if (!file || data->property(kInstallerUnwritable).toBool() || (whole && !file->isOpen())) {
        WLOG << "installer cannot be written :" << TolmWizardFile;
        gMainpage->hideBusy();
        checkWizardUpdateTimer->stop();
        popupUpdateWizardFolderErrorMsgBox();
        return;
    }
    // Only a whole 200 answer is an installer: error pages, redirects, cut bodies and answers
    // over the size limit (the network layer reports those as errors) never take its name.
    const bool writeFailed = data->property(kInstallerWriteFailed).toBool();
    if (!writeFailed && (data->error() != QNetworkReply::NoError || code != "200")) {
        WLOG << "installer not downloaded :" << data->errorString() << ReplyLimits::stopNote(data);
        failDownload();
        return;
    }
    if (writeFailed || !file->commit()) {
        // Nothing half written stays behind: the file only appears once all of it is on disk.
        WLOG << "installer not written in full :" << file->errorString();
        checkWizardUpdateTimer->stop();
        gMainpage->hideBusy();
        popupUpdateWizardPathErrorMsgBox();
        return;
    }
    gWizardUpdateDownloaded = true;
    QFile check(TolmWizardFile);
    if (!check.open(QIODevice::ReadOnly)) {
        WLOG << "installer cannot be read back :" << check.errorString();
        gMainpage->hideBusy();
        pressMsgUpdateWizardPathErrorOKButton();
        return;
    }
    WLOG << TolmWizardFile;
    gMainpage->hideBusy();
    popupUpdateWizardStatusMsgBox();
}

void WelcomePage::failDownload()
{
    gMainpage->hideBusy();
    checkWizardUpdateTimer->stop();
    popupUpdateWizardDownloadErrorMsgBox();
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorRetryButton()
{
    MessageBoxPage::closeByName(gMainpage, kDownloadErrorPopup);
    WLOG << "download ...";
    gMainpage->showBusy();
    // After an installer that would not start, the file is fetched afresh.
    gWizardUpdateDownloaded = false;
    waitWizardUpdateNumber = 0;
    checkWizardUpdateTimer->start(kTickMs);
}

void WelcomePage::pressMsgUpdateWizardStatusOKButton()
{
    gMainpage->hide();
    WLOG << "01 OK close msgBox";
    // The file read back, by the name it was written under: the folder or the address may have changed since.
    WLOG << "open TolmWizardFile path ..." << TolmWizardFile;
    const bool started = Platform::startDownloadedInstaller(TolmWizardFile);
    WLOG << "02 autorun_success" << started;
    if (!started) {
        // Nothing runs the update: stay, and let the user retry or leave.
        MessageBoxPage::closeByName(gMainpage, kStatusPopup);
        gMainpage->show();
        popupUpdateWizardDownloadErrorMsgBox();
        return;
    }
    WLOG << "03 autorun_success close:" << true;
    WLOG << "04 QCoreApplication::exit()";
    QCoreApplication::exit(0);
}
