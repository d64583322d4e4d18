#ifndef CONNECTIONPANEL_H
#define CONNECTIONPANEL_H

#include "shell/wizardpage.h"

class QLabel;

// A step panel whose LED caption links to the LED checklist. The checklist's "Reset" leads
// to the reset hint, whose "Start Over" asks the host page to start over.
class ConnectionPanel : public WizardPage
{
    Q_OBJECT
public:
    explicit ConnectionPanel(QWidget* parent);

signals:
    // "Start Over" in the reset hint: the host page starts the guide again.
    void startOverRequested();

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

#endif  // CONNECTIONPANEL_H
