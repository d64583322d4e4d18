#ifndef DEVICESETUPPAGE_H
#define DEVICESETUPPAGE_H

#include <QList>
#include <QSslError>
#include <QString>

#include "platform/picturedecoder.h"
#include "setup/setupcgi.h"
#include "shell/wizardpage.h"
#include "ui_devicesetuppage.h"

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// How often the user asked to retry the camera's Internet connection.
extern int tryInternetNum;

// Step 2, "Set up and secure your camera": the chosen camera's name, password, time zone and
// daylight saving, then the chain of one-second checks that sets the camera up.
class DeviceSetupPage : public WizardPage
{
    Q_OBJECT
public:
    explicit DeviceSetupPage(QWidget* parent = nullptr);
    ~DeviceSetupPage() override;

    Ui_DeviceSetupPage* ui;

    // The checks: a timer, a tick counter and an answer flag each.
    QTimer* checkPasswordTimer;
    int waitPasswordNumber = 0;
    bool passwordOK = false;
    QTimer* checkNetworkCfgTimer;
    int waitNetworkCfgNumber = 0;
    bool networkCfgOK = false;
    QTimer* checkInternetTimer;
    int waitInternetNumber = 0;
    bool internetOK = false;
    QTimer* checkOlvarisInfoTimer;
    int waitOlvarisInfoNumber = 0;
    bool olvarisInfoOK = false;
    QTimer* checkOpenAPIUriInfoTimer;
    int waitOpenAPIUriInfoNumber = 0;
    bool openAPIUriInfoOK = false;
    QTimer* checkConfigNetworkTimer;
    int waitConfigNetworkNumber = 0;
    bool configNetworkOK = false;
    QTimer* checkRestartNetworkTimer;
    int waitRestartNetworkNumber = 0;
    bool restartNetworkOK = false;
    QTimer* checkGetDeviceImageTimer;
    int waitGetdSetupDeviceImageNumber = 0;
    bool getDeviceImageOK = false;

    QNetworkAccessManager* getdSetupDeviceImageNAM;
    // Decodes the preview's pictures, one at a time (one that comes meanwhile is dropped).
    Platform::PictureDecoder* previewDecoder;
    QNetworkAccessManager* openAPIUriInfoNAM;

    // Prepares the page for the camera chosen on the discovery page.
    void enter() override;
    void retranslate() override;
    // Locks or unlocks the sixteen input widgets while a check runs.
    void setInputWidgetsEnabled(bool enabled);
    // Stops the wait for the camera's cloud information.
    void stopCloudInfoCheck();
    // Stops the snapshot preview and clears its picture.
    void resetSnapshotPreview();

public slots:
    void resetCheckingParameters();
    void resetPasswordLineEdits();
    void resetDateLightSaving();
    void setPasswordLineEditStatus();
    void pressBackButton();
    void pressNextButton();
    void hidePasswordLineEdits();
    void handleDevicePasswordInitStatus(int index);
    void checkPasswordSuccess(int index);
    void checkPasswordFailed(int index);
    void handleGotNetworkConfig(int index);
    void checkPasswordResult();
    void sendPasswordCfg();
    void checkNetworkCfg();
    void checkInternetStatus();
    void handleCheckInternetStatus();
    void checkOlvarisInfo();
    void handleGotOlvarisInfo(int index);
    void checkOpenAPIUriInfoConnection();
    void cameraNameLineChanged(const QString& text);
    void cameraNameLineEditFinished();
    void cameraPasswordLineEditFinished();
    void cameraPasswordRetypeLineEditFinished();
    void sendSetDeviceNameCGI(int cgi_choose_type);
    void setupCompleteInfo();
    void popupPasswordErrorMsgBox(const char* text);
    void pressMsgPasswordErrorOKButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
    void getOpenAPIUrifinishedSlot(QNetworkReply* reply);
    void popupConfigNetworkWarning();
    void pressConfigNetworkCancelButton();
    void pressConfigNetworkLocalViewButton();
    void pressConfigNetworkDHCPConnectButton();
    void pressConfigNetworkPPPoEConnectButton();
    void pressConfigNetworkStaticIPConnectButton();
    void checkConfigNetworkConnection();
    void checkRestartNetworkConnection();
    void acceptDSTAuto();
    void acceptDSTManaul();
    void getDeviceImageCGI(int cgi_choose_type);
    void getImagefinishedSlot(QNetworkReply* reply);
    void slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void sslErrors(QNetworkReply* reply, QList<QSslError> errors);
    void checkGetDeviceImageStatus();
    void popupAPClientModeInternetFailed();
    void pressMsgInternetFailedOKButton();
    void pressMsgInternetFailedCloseButton();
    void popupAPClientModeInternetResetFailed();
    void pressMsgInternetResetFailedOKButton();
    void pressMsgInternetResetFailedCloseButton();
    void pressMsgInternetResetFailedResetButton();
    void pressMsgInternetResetFailedLocalViewButton();
    void acceptTimeSavingSettingsCheckBox();
    QString getTimeSavingSettings();
    void sendSetDSTCGI(int cgi_choose_type, int enable);
    QString getOffsetConvert(QString offset);
    QString getMonthConvert(QString month);
    QString getWeekConvert(QString week);
    QString getDateConvert(QString date);
    QString getTimeConvert(QString time);

private:
    // The validator of one password field and its error label.
    void checkPasswordField(QLineEdit* field, QLabel* errorLabel);
    void fillTimeZoneList();
    // Overlay down, inputs enabled, checks reset.
    void restorePage();
    // True when IPCameraIdx names a camera; otherwise the checks stop and the page is restored.
    bool haveCamera();
    // A check reached its limit: every check stops and the popup for the model opens.
    void failCheck(const char* configNetworkLog);
    void sendCameraSettings();
    void routeAfterNetworkCheck();
    void leavePage();
    void handOverToCloudPage();
    void startManualConfiguration(int type);
    void closeConfigNetworkBox();
    QByteArray manualNetworkParams() const;
    SetupCgi::DstSettings dstSettings() const;
    bool isRetypeShown() const;
};

#endif  // DEVICESETUPPAGE_H
