#ifndef APMODEHOSTTODEVICEPASSWORDVERIFY_H
#define APMODEHOSTTODEVICEPASSWORDVERIFY_H

#include "shell/wizardpage.h"
#include "ui_apmodehosttodevicepasswordverify.h"

class QTimer;

// "The camera already has a password": the typed password is checked for its form, then
// asked of the camera by a DCP proof (or compared with what an older camera disclosed);
// a confirmed password hands the camera over to the Wi-Fi step.
class APModeHostToDevicePasswordVerify : public WizardPage
{
    Q_OBJECT
public:
    explicit APModeHostToDevicePasswordVerify(QWidget* parent = nullptr);
    ~APModeHostToDevicePasswordVerify() override;

    void enter() override;
    void retranslate() override;

    Ui_APModeHostToDevicePasswordVerify* ui;
    QTimer* checkAPModePasswordTimer;
    bool passwordMatched;
    int waitPasswordNumber;

public slots:
    void pressBackButton();
    void pressResetButton();
    void pressNextButton();
    void setEnableKeyFocus(bool enable);
    void resetCheckingParameters();
    void passwordLineEditFinished();
    void sendPasswordCfg();
    void checkAPModePasswordResult();
    void checkAPModePasswordSuccess(int idx);
    void checkAPModePasswordFailed(int idx);
    void popupAPModePasswordErrorMsgBox();
    void pressMsgAPModePasswordErrorOKButton();
    void popupResetHint();
    void pressMsgResetStartOverButton();
    void pressMsgResetCloseButton();

private:
    bool passwordFits() const;
    void handOver();
    QString stepCaption() const;
};

#endif  // APMODEHOSTTODEVICEPASSWORDVERIFY_H
