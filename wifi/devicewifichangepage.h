#ifndef DEVICEWIFICHANGEPAGE_H
#define DEVICEWIFICHANGEPAGE_H

#include <QList>
#include <QSslError>
#include <QString>
#include <QUrl>

#include "shell/wizardpage.h"
#include "ui_devicewifichangepage.h"

class IPCamera;
class QAuthenticator;
class QListWidgetItem;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class WirelessMessageBox;

// The page's own state, shared with the pages that bring it on screen.
extern int gWiFiConnectChoice;       // the road taken: 1 Wi-Fi list or manual entry, 2 WPS, 0 "No, thanks"
extern int WiFiRetryConuter;         // retries granted after a failed network check; never reset
extern int dWiFiBackToPage;          // where Back returns: 1 the cloud step, 2 the setup page, 3 already registered
extern int waitWiFiLoadingFinished;  // tick at which the cloud pages were asked to load; 0 = not yet
extern bool openAPIUrlRedirected;
extern QUrl openAPIRedirectUrl;
extern QString openAPISiteFound;

// Step 4, "Connect with Wireless?": moves a wired camera to the home Wi-Fi by its site survey,
// a network typed by hand or WPS, finds it again, and goes on to the completion page, or,
// back towards the cloud step, checks the camera's cloud information and reopens the cloud page.
class DeviceWiFiChangePage : public WizardPage
{
    Q_OBJECT
public:
    explicit DeviceWiFiChangePage(QWidget* parent = nullptr);
    ~DeviceWiFiChangePage() override;

    Ui_DeviceWiFiChangePage* ui;

    QTimer* checkdWiFiAPListSiteSurveyTimer;
    int waitdWiFiAPListSiteSurveyNumber = 0;
    bool gotAPListSiteSurvey = false;
    QTimer* checkdAutoConnectTimer;
    int waitdWiFiAutoConnectNumber = 0;
    bool gotAutoConnect = false;
    QTimer* checkdWiFiManualConnectTimer;
    int waitdWiFiManualConnectNumber = 0;
    bool gotManualConnect = false;
    bool gotRestartNetwork = false;
    int waitRestartNetworkNumber = 0;
    QTimer* checkRestartNetworkTimer;
    bool gotWiFiNetwork = false;
    int waitdWiFiNetworkNumber = 0;
    QTimer* checkdWiFiNetworkTimer;
    bool gotDeviceConnection = false;
    int waitDeviceConnectionNumber = 0;
    QTimer* checkDeviceConnectionTimer;
    bool gotOlvarisInfoWiFi = false;
    int waitOlvarisInfoWiFiNumber = 0;
    QTimer* checkOlvarisInfoWiFiTimer;
    bool gotOpenAPIUriInfo = false;
    int waitOpenAPIUriInfoNumber = 0;
    QTimer* checkOpenAPIUriInfoTimer;
    QNetworkAccessManager* openAPIUriNetworkManager;

    // Called by the page that shows this one, after dWiFiBackToPage is set: starts the
    // site survey and sets Back; the caller sets the step banner and the busy overlay.
    void enter() override;
    void retranslate() override;
    // The cloud page could not load its pages: a cloud check that runs ends as at its limit.
    void endCloudCheck();

public slots:
    void pressWiFiButton();
    void pressWPSButton();
    void pressNextButton();
    void pressBackButton();
    void pressSkipButton();
    void checkdWiFiAPListSiteSurvey();
    void pressRescanButton();
    void pressManualButton();
    void clickdWiFiSiteSurveyList(QListWidgetItem* item);
    void popupWhatIsWPS();
    void pressMsgCloseButton();
    void resetChcekingParameters();
    void resetBackParameters();
    void popupWiFiConfigFailed();
    void pressMsgWiFiConfigFailedCloseButton();
    void pressMsgWiFiConfigFailedOKButton();
    void popupWPSConfigFailed();
    void pressMsgWPSConfigFailedCloseButton();
    void pressMsgWPSConfigFailedOKButton();
    void popupInternetCheckFailed();
    void pressMsgInternetCheckFailedCloseButton();
    void pressMsgpInternetCheckFailedOKButton();
    void popupRemoveEthernetCable();
    void pressMsgRemoveCableOKButton();
    void pressMsgRemoveCableCloseButton();
    void popupPlugInEthernetCable();
    void pressMsgPlugInEthernetCableOKButton();
    void pressMsgPlugInEthernetCableCloseButton();
    void checkdWiFiAutoConnection();
    void popupWirelessAutoPasswordWarning();
    void pressWirelessAutoCancelButton();
    void pressWirelessAutoConnectButton();
    void checkdWiFiManualConnection();
    void popupWirelessManualPasswordWarning();
    void pressWirelessManualCancelButton();
    void pressWirelessManualConnectButton();
    void checkRestartNetworkConnection();
    void checkdWiFiNetworkConnection();
    void checkDeviceConnection();
    void updateConnnectionReadyEmit(int idx);
    void checkOlvarisInfo();
    void handleGotOlvarisInfo(int idx);
    void checkOpenAPIUriInfoConnection();
    void getOpenAPIUrifinishedSlot(QNetworkReply* reply);
    void slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void sslErrors(QNetworkReply* reply, QList<QSslError> errors);

protected:
    // While the page is the current one, scan replies report the camera found again.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setNextEnabled(bool enabled);
    void setTabStyles(bool wifiTab);
    // Starts a settings wait from a clean camera state, so that an earlier state 12 is not success.
    void startSettingsWait(QTimer* timer);
    // The entry box of the last road: the auto box while its counter runs, else the manual one.
    QString lastEntryBoxName() const;
    void startDeviceSearch();
    void sendScanPass();
    void handOverToCompletionPage();
    // The cloud check stops: the page's checks reset, the overlay down.
    void failOpenApiCheck();
    void leaveSettingsRoad();
};

#endif  // DEVICEWIFICHANGEPAGE_H
