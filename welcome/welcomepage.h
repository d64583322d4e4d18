#ifndef WELCOMEPAGE_H
#define WELCOMEPAGE_H

#include <QImage>
#include <QList>
#include <QSslError>
#include <QString>
#include <QUrl>

#include "platform/picturedecoder.h"
#include "shell/wizardpage.h"
#include "ui_welcomepage.h"

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
struct SpriteKind;
namespace Platform {
class PictureThread;
}
namespace ReplyLimits {
struct Limits;
}

// State of the start check chain, shared with the access-point road and the update.
extern bool gWizardUpdateDownloaded;
extern bool gDeviceIconReady;
extern bool gAssembleImageReady;
extern bool gJsonFileReady;
extern bool gInternetReachable;
// What the next reply of tolmwizardNetworkManager means: 0 probe, 1 catalogue,
// 2 probe of the access-point road.
extern int checkType;
extern QString TolmWizardFile;
extern QString TolmWizardUpdateSavePath;
extern QUrl TolmWizardWindowsUpdateURI;
extern QString TolmWizardLatestVersion;

// The first page: language choice and Start. Start runs a chain of one-second checks:
// Internet probe, device catalogue, DCP socket binding and the version gate, which leads
// to the licence page, the update check or the no-Internet page. Beside the catalogue it
// fetches and cuts the two picture sprites; a newer wizard is offered, downloaded and started.
class WelcomePage : public WizardPage
{
    Q_OBJECT
public:
    explicit WelcomePage(QWidget* parent = nullptr);
    ~WelcomePage() override;

    Ui_WelcomePage* ui;

    QNetworkAccessManager* tolmwizardNetworkManager;   // probe and catalogue
    QNetworkAccessManager* tolmwizardDownloadManager;  // assemble-image sprite
    QNetworkAccessManager* tolmwizardDownloadDeviceIconManager;
    QNetworkAccessManager* tolmwizardUpdateManager;     // installer
    QNetworkAccessManager* tolmwizardUpdateUriManager;  // update description

    QTimer* checkWizardInternetTimer;
    int waitWizardInternetNumber;
    QUrl wizardInternetUrl;
    QTimer* checkWizardJsonFileTimer;
    int waitWizardJsonFileNumber;
    QTimer* checkAssembleImageTimer;
    int waitAssembleImageNumber;
    QTimer* checkDeviceIconTimer;
    int waitDeviceIconNumber;
    QTimer* checkWizardUpdateTimer;
    int waitWizardUpdateNumber;
    QTimer* checkWizardUpdateUriTimer;
    int waitWizardUpdateUriNumber;

    bool wizardUpdateFound;

    // Decodes the sprites, one at a time; each decoded sprite is kept until the catalogue's names have cut it.
    Platform::PictureDecoder* spriteDecoder;
    // Cuts them off the window's thread, one cut after the other; the picture folder globals are set here
    // once a cut is done.
    Platform::PictureThread* spriteCutter;
    QImage assembleSprite;
    QImage deviceIconSprite;

    // Sets TolmWizardUpdateUrl back to the update-check address.
    void getUpdateUrl();
    // Starts the Internet check again from the tick count it has.
    void restartInternetCheck();
    // Sends one request of the check chain through tolmwizardNetworkManager. Its reply is read
    // only while checkType is still the one it was sent under.
    QNetworkReply* sendCheckRequest(const QUrl& url);
    // Sends one probe request; its reply comes to the page's reply handler.
    void probeInternet(const QUrl& url);
    // Forgets the connections of the probe-and-catalogue and the assemble-sprite managers.
    void clearAccessCaches();
    // The page's own texts in the current language.
    void retranslate() override;

public slots:
    void checkRequestAuthRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void downloadTolmWizardJSONFinishedSlot(QNetworkReply* reply);
    void checkRequestsslErrors(QNetworkReply* reply, QList<QSslError> errors);
    void downloadAssembleImageFinished(QNetworkReply* data);
    void downloadDeviceIconFinished(QNetworkReply* data);
    void getWizardUpdateUriFinishedSlot(QNetworkReply* data);
    void checkInternetRequest();
    void checkJsonFileRequest();
    bool parseJsonFile(QString json);
    void checkAssembleImageRequest();
    void checkDeviceIconRequest();
    void bindingDCP();
    void unbindingDCP();
    void footerPosition();
    void addLanguagesList();
    void langComboBoxIndexChanged(int idx);
    void pressstartButton();
    void resetCheckingParameter();
    void clearQComboBoxFocus();
    void translateUI();
    void popupDCPBindingFailed();
    void pressMsgDCPBindingFailedCloseButton();
    void popupUpdateWizardMsgBox();
    void pressMsgCancelButton();
    void pressUpdateButton();
    void getWizardUpdate();
    void downloadWizardUpdateFinished(QNetworkReply* data);
    void checkTolmWizardUpdateRequest();
    void popupUpdateWizardStatusMsgBox();
    void pressMsgUpdateWizardStatusCancelButton();
    void pressMsgUpdateWizardStatusOKButton();
    void popupUpdateWizardPathErrorMsgBox();
    void pressMsgUpdateWizardPathErrorCancelButton();
    void pressMsgUpdateWizardPathErrorExitButton();
    void pressMsgUpdateWizardPathErrorOKButton();
    void popupUpdateWizardFolderErrorMsgBox();
    void pressMsgUpdateWizardFolderErrorCancelButton();
    void pressMsgUpdateWizardFolderErrorOKButton();
    void popupUpdateWizardDownloadErrorMsgBox();
    void pressMsgUpdateWizardDownloadErrorCancelButton();
    void pressMsgUpdateWizardDownloadErrorExitButton();
    void pressMsgUpdateWizardDownloadErrorRetryButton();
    void getAssembleImagesSquare();
    void clipAssembleImagesSquare();
    void getDeviceIconsSquare();
    void clipDeviceIconSquare();
    void checkWizardUpdateUriConnection();

private:
    // One sprite's wait and reply: the twins differ only in these.
    struct SpriteWait
    {
        QTimer* timer;
        int& counter;
        bool& ready;
        QNetworkAccessManager* manager;
        const QUrl& url;
        const char* timerName;
        const char* resendText;
        void (WelcomePage::*request)();
        const char* localViewText;  // logged when local-only mode stops the wait, or nullptr
    };
    struct SpriteReply
    {
        const SpriteKind& kind;
        bool& ready;
        QUrl& url;
        QImage& picture;
        const char* managerName;
        const char* fileLabel;
        const char* logName;
        void (WelcomePage::*clip)();
    };
    struct UpdatePopup
    {
        const char* name;
        QString title;
        QString sentence;
        QString rightText;
        void (WelcomePage::*right)();
        void (WelcomePage::*close)();
        QString leftText;
        void (WelcomePage::*left)();  // null: no left button
    };

    static constexpr int kTickMs = 1000;
    int formListWidth = 0;  // the language list's width in the form

    void fitLanguageList();

    // Follows a 301/302 reply by setting url to its target, unless the target leaves https.
    static void followRedirect(QNetworkReply* reply, QUrl& url);
    // Logs a reply's HTTP status under logPrefix and returns it as text ("" without one).
    static QString replyStatus(QNetworkReply* reply, const QString& logPrefix);
    QNetworkAccessManager* createManager(void (WelcomePage::*finished)(QNetworkReply*),
                                         const ReplyLimits::Limits& limits);
    QTimer* createTimer(void (WelcomePage::*tick)());
    void switchToPage(WizardPage* page);
    void spriteTick(const SpriteWait& wait);
    void handleSpriteReply(QNetworkReply* data, const SpriteReply& sprite);
    // A sprite decoded: written, and cut by the catalogue's names.
    void spriteDecoded(const SpriteReply& sprite, const QByteArray& body, const QImage& picture);
    // Cuts sprite by names on spriteCutter; folderGlobal becomes the clip folder once a picture is saved there.
    void cutOffThread(const SpriteKind& kind, const QMap<QString, QString>& names, const QImage& sprite,
                      QString& folderGlobal);
    void continueWithoutUpdate();
    void leaveUpdateRoad(const char* popupName);
    void openUpdatePopup(const UpdatePopup& popup);
    QString installerTarget() const;
    void chooseInstallerFolder(const QString& startFolder);
    // The popup of that name closed, the download stopped: the folder dialog again, in the folder last chosen.
    void chooseAnotherFolder(const char* popupName);
    void failDownload();
};

#endif  // WELCOMEPAGE_H
