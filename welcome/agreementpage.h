#ifndef AGREEMENTPAGE_H
#define AGREEMENTPAGE_H

#include <QString>

#include "shell/wizardpage.h"
#include "ui_agreementpage.h"

// The licence page between the welcome checks and the connection guide. "I Agree"
// stays disabled until the box is ticked; it leads to the connection guide.
class AgreementPage : public WizardPage
{
    Q_OBJECT
public:
    explicit AgreementPage(QWidget* parent = nullptr);
    ~AgreementPage() override;

    // Shown after the welcome checks: the footer's link goes until Back.
    void enter() override;
    void retranslate() override;

    Ui_AgreementPage* ui;

    // The licence in the current language, as the constructor sets it.
    QString licenceText() const;

public slots:
    void acceptAgreementCheckBox();
    void pressBackButton();
    void pressNextButton();
};

#endif  // AGREEMENTPAGE_H
