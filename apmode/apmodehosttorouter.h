#ifndef APMODEHOSTTOROUTER_H
#define APMODEHOSTTOROUTER_H

#include <QUrl>

#include "shell/wizardpage.h"
#include "ui_apmodehosttorouter.h"

class QTimer;

// Consecutive Retries after a failed rediscovery; chooses the failure popup.
extern int tryDiscoveryNum;

// "Connect Your Computer to Wi-Fi": the computer goes back to the home network, Next checks
// the Internet and finds the camera again there, then the discovery page takes over.
class APModeHostToRouter : public WizardPage
{
    Q_OBJECT
public:
    explicit APModeHostToRouter(QWidget* parent = nullptr);
    ~APModeHostToRouter() override;

    void enter() override;
    void retranslate() override;
    // The home network the computer has to join.
    void setNetworkName(const QString& name);

    Ui_APModeHostToRouter* ui;
    QTimer* recheckWizardInternetTimer;
    QUrl wizardInternetUrl;
    int waitWizardInternetNumber;
    QTimer* checkAPClientModeDiscoveryTimer;
    int waitAPClientModeDiscoveryNumber;
    bool gotAPClientModeCamera;

public slots:
    void pressBackButton();
    void pressNextButton();
    void recheckInternetRequest();
    void checkAPClientModeDiscovery();
    void popupAPClientModeInternetFailed();
    void pressMsgInternetFailedOKButton();
    void pressMsgInternetFailedCloseButton();
    void popupAPClientModeDiscoveryFailed();
    void pressMsgDiscoveryFailedOKButton();
    void pressMsgDiscoveryFailedCloseButton();
    void popupAPClientModeDiscoveryResetFailed();
    void pressMsgDiscoveryResetFailedOKButton();
    void pressMsgDiscoveryResetFailedCloseButton();
    void popupResetHint();
    void pressMsgResetStartOverButton();
    void pressMsgResetCloseButton();

private:
    void retryDiscovery(const char* popupName);
    void emptyDiscoveryTable();
    void cameraFound(int index);
    void placeNetworkName();
    QString networkName;
};

#endif  // APMODEHOSTTOROUTER_H
