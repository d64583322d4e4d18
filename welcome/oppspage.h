#ifndef OPPSPAGE_H
#define OPPSPAGE_H

#include "shell/wizardpage.h"
#include "ui_oppspage.h"

// The no-Internet page: Retry runs the welcome page's Internet check again, Local Only
// (after a confirmation popup) goes on without Internet, Exit ends the program.
class OppsPage : public WizardPage
{
    Q_OBJECT
public:
    explicit OppsPage(QWidget* parent = nullptr);
    ~OppsPage() override;

    Ui_OppsPage* ui;

    void retranslate() override;
    void fitTexts();

public slots:
    void openExit();
    void popupLocalView();
    void openRetry();
    void pressMsgOKButton();
    void pressMsgCancelButton();
    void popupExit();
    void pressMsgExitNoButton();
    void pressMsgExitYesButton();
};

#endif  // OPPSPAGE_H
