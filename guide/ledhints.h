#ifndef LEDHINTS_H
#define LEDHINTS_H

#include <QString>

class QObject;

// The LED checklist and the reset hint that the step panels open. Each panel passes
// the texts translated in its own context and receives the buttons in its own slots
// (pressMsgCancelButton, pressMsgResetButton, pressMsgCloseButton, pressMsgStartOverButton).
struct HintTexts
{
    QString ledTitle;
    QString ledChecklist;
    QString reset;
    QString close;
    QString resetTitle;
    QString paperclip;
    QString startOver;
};

namespace LedHints {

void openLedChecklist(QObject* panel, const HintTexts& texts);
void openResetHint(QObject* panel, const HintTexts& texts);
void closeLedChecklist();
void closeResetHint();
// Closes the reset hint, resets the setup checks and passwords, and returns the model
// choice to its prompt; the connection page stays.
void startOver();

} // namespace LedHints

#endif // LEDHINTS_H
