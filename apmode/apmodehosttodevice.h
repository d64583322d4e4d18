#ifndef APMODEHOSTTODEVICE_H
#define APMODEHOSTTODEVICE_H

#include "shell/wizardpage.h"
#include "ui_apmodehosttodevice.h"

class QTimer;

// "Connect to Your Camera's Wi-Fi": the user joins the camera's own Wi-Fi, Next searches for
// exactly one camera at the access-point address and hands it to the password check, or
// straight to the Wi-Fi step when it has no password yet.
class APModeHostToDevice : public WizardPage
{
    Q_OBJECT
public:
    explicit APModeHostToDevice(QWidget* parent = nullptr);
    ~APModeHostToDevice() override;

    void enter() override;
    void retranslate() override;

    Ui_APModeHostToDevice* ui;
    QTimer* checkAPModeDiscoveryTimer;
    int waitAPModeDiscoveryNumber;
    bool gotAPModeCamera;

public slots:
    void pressBackButton();
    void pressNextButton();
    void checkAPModeDiscovery();
    void popupAPModeDiscoveryFailed();
    void pressMsgCloseButton();
    void pressMsgOKButton();
    void popupNotAPModeFailed();
    void pressMsgNotAPModeCloseButton();
    void pressMsgNotAPModeResetButton();
    void popupCameraSSIDNotFound();
    void pressMsgCameraSSIDNotFoundCloseButton();
    void popupResetHint();
    void pressMsgResetStartOverButton();
    void pressMsgResetCloseButton();
    void popupCameraModelNotMatch();
    void pressMsgModelNotMatchCloseButton();
    void popupAPModeRemoveEthernetCable();
    void pressMsgAPModeRemoveCableOKButton();
    void pressMsgAPModeRemoveCableCloseButton();

private:
    void stopSearch(int countAfter);
    void handOver();
    void stopDiscoveryPageScan();
    QString stepCaption() const;
};

#endif  // APMODEHOSTTODEVICE_H
