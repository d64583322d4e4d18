#ifndef CONNECTIONPANEL_H
#define CONNECTIONPANEL_H

#include "shell/wizardpage.h"

class QLabel;

// A step panel whose LED caption links to the LED checklist. The checklist's "Reset" leads
// to the reset hint, whose "Start Over" resets device setup and the guide's model choice.
class ConnectionPanel : public WizardPage
{
    Q_OBJECT
public:
    explicit ConnectionPanel(QWidget* parent);

protected:
    void watchLedLink(QLabel* ledCaption);

private slots:
    void popupWhyLedRed();
    void pressMsgCancelButton();
    void pressMsgResetButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
};

#endif // CONNECTIONPANEL_H
