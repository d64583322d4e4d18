#ifndef APMODEDEVICETOROUTER_H
#define APMODEDEVICETOROUTER_H

#include "shell/wizardpage.h"
#include "ui_apmodedevicetorouter.h"

class QTimer;
class QListWidgetItem;

// "Connect Your Camera to Wi-Fi": the camera on its own access point lists the networks it
// sees, is given the chosen (or a hand-entered) home network, switches its access point off
// over CGI, and the computer is sent back to the home network.
class APModeDeviceToRouter : public WizardPage
{
    Q_OBJECT
public:
    explicit APModeDeviceToRouter(QWidget* parent = nullptr);
    ~APModeDeviceToRouter() override;

    // Starts clean: counters and flags zeroed, list emptied, survey started.
    void enter() override;
    void retranslate() override;

    Ui_APModeDeviceToRouter* ui;
    QTimer* checkAPListSiteSurveyTimer;
    int waitAPListSiteSurveyNumber;
    bool gotAPModeSiteSurvey;
    QTimer* checkAPClientAutoConnectTimer;
    int waitAPClientAutoConnectNumber;
    bool gotAPClientAutoConnect;
    QTimer* checkAPClientManualConnectTimer;
    int waitAPClientManualConnectNumber;
    bool gotAPClientManualConnect;

public slots:
    void pressBackButton();
    void pressNextButton();
    void pressRescanButton();
    void pressManualButton();
    void clickSiteSurveyList(QListWidgetItem* item);
    void checkAPListSiteSurvey();
    void popupAPModeInputWirelessPasswordAutoWarning();
    void pressAutoCancelButton();
    void pressAutoConnectButton();
    void checkAPClientAutoConnection();
    void popupAPModeInputWirelessPasswordManualWarning();
    void pressManualConnectButton();
    void pressManualCancelButton();
    void checkdAPClientManualConnection();
    void sendEnableAPClientModeCGI();
    void popupTurnOffAPSwitchWarning();
    void pressMsgTurnOffAPSwitchOKButton();
    void popupAPModeToAPClientModeFailed();
    void pressMsgOKButton();
    void pressMsgCloseButton();

private:
    // The access-point row chosen in the list, or -1 when there is none (or no camera).
    int chosenRow() const;
    void setNextEnabled(bool enabled);
    void startConnection(QTimer* timer);
    void connectionConfirmed(bool autoRoad, const QString& networkName);
    void showHostToRouter();
};

#endif  // APMODEDEVICETOROUTER_H
