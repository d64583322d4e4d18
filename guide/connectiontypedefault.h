#ifndef CONNECTIONTYPEDEFAULT_H
#define CONNECTIONTYPEDEFAULT_H

#include "shell/wizardpage.h"
#include "ui_connectiontypedefault.h"

// The overview panel: the picture for no model chosen, or for no hardware version chosen.
class ConnectionTypeDefault : public WizardPage
{
    Q_OBJECT
public:
    explicit ConnectionTypeDefault(QWidget* parent = nullptr);
    ~ConnectionTypeDefault() override;

    void retranslate() override;
    // The picture for an unchosen hardware version, or the one for an unchosen model.
    void showVersionPicture(bool versionPicture);

    Ui_ConnectionTypeDefault* ui;
};

#endif  // CONNECTIONTYPEDEFAULT_H
