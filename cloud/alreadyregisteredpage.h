#ifndef ALREADYREGISTEREDPAGE_H
#define ALREADYREGISTEREDPAGE_H

#include "shell/wizardpage.h"
#include "ui_alreadyregisteredpage.h"

// Takes the place of the cloud step for a camera already bound to an account: Next goes on
// in local-only mode, Back returns to the setup page, Reset explains how to start over.
class AlreadyRegisteredPage : public WizardPage
{
    Q_OBJECT
public:
    explicit AlreadyRegisteredPage(QWidget* parent = nullptr);
    ~AlreadyRegisteredPage() override;

    Ui_AlreadyRegisteredPage* ui;

    // Shown under the step 3 banner with the already-registered text.
    void enter() override;
    void retranslate() override;

private slots:
    void pressBackButton();
    void pressNextButton();
    void pressResetButton();
    void setPasswordLineEditStatus();
    void pressMsgCloseButton();
    void pressMsgStartOverButton();
    void setupCompleteInfo();
};

#endif  // ALREADYREGISTEREDPAGE_H
