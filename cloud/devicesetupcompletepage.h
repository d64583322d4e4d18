#ifndef DEVICESETUPCOMPLETEPAGE_H
#define DEVICESETUPCOMPLETEPAGE_H

#include <QElapsedTimer>
#include <QList>
#include <QSslError>

#include "base/picturewire.h"
#include "cloud/snapshotschedule.h"
#include "platform/picturedecoder.h"
#include "shell/wizardpage.h"
#include "ui_devicesetupcompletepage.h"

class IPCamera;
class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// The snapshot's CGI dialect: 1 KORVA, 2 T4X (0 after a catalogue value that is no number).
extern int currentCGIType;
// State of the password Show/Hide toggle.
extern bool isPasswordMasked;

// The last page: the camera's summary, a live snapshot from its CGI, the desktop shortcut
// box and Finish, which ends the program.
class DeviceSetupCompletePage : public WizardPage
{
    Q_OBJECT
public:
    explicit DeviceSetupCompletePage(QWidget* parent = nullptr);
    ~DeviceSetupCompletePage() override;

    Ui_DeviceSetupCompletePage* ui;
    QTimer* getImageTimer;
    QNetworkAccessManager* getImageManager;
    int waitGetDeviceImageNumber = 0;
    bool getDeviceImageSuccess = false;
    // Snapshot requests sent and not yet finished.
    int outstandingImageRequests = 0;
    // Which of the snapshot loop's lines reach the log.
    SnapshotSchedule::StateLog imageStateLog;
    // Decodes the snapshots, one at a time (a picture that comes meanwhile is dropped, as one that comes
    // before the wait after the last decode is over); the next request waits as long as the last decode took,
    // and longer after a refused snapshot (SnapshotSchedule::afterDecode).
    Platform::PictureDecoder* imageDecoder;
    SnapshotSchedule::DecodeWait imageDecodeWait;
    QElapsedTimer imageDecodeEnded;
    bool imageDecodeHolds() const;
    // The decode's wait has held back every tick since the last check.
    bool imagePeriodHeld = false;

    // Shown: no step banner, and the snapshot tick runs.
    void enter() override;
    void retranslate() override;

    // The icon file of the camera's model in the program's folder, the device box's picture.
    static QString deviceIconPath(const IPCamera& camera);
    // The summary of a camera without cloud account: the icon at iconPath and its model in the device box.
    void showDeviceSummary(const IPCamera& camera, const QString& iconPath);
    // The summary after a sign-in or sign-up: the account and the page's rich text.
    void showAccountSummary(const QString& account, const QString& content);
    // The "Create a shortcut" box; the roads that leave the camera local show it.
    void setShortcutOfferVisible(bool visible);

private:
    // The reply's outcome, once a picture is decoded: written to the log as imageStateLog lets it.
    void snapshotAnswered(const QVariant& status, const QString& error, qint64 bytes, const QImage& picture,
                          PictureWire::Status decoded);

public slots:
    void startGetImageTimer();
    void pressDeviceInfoPasswordButton();
    void pressFinishButton();
    void getDeviceImageCGI(int cgi_choose_type);
    void getImagefinishedSlot(QNetworkReply* reply);
    void slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void createShortcut();
    void checkGetDeviceImageStatus();
    void sslErrors(QNetworkReply* reply, QList<QSslError> errors);
};

#endif  // DEVICESETUPCOMPLETEPAGE_H
