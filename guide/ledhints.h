#ifndef LEDHINTS_H
#define LEDHINTS_H

class QObject;

// The LED checklist and the reset hint that the step panels open. Each panel receives the
// buttons in its own slots (pressMsgCancelButton, pressMsgResetButton, pressMsgCloseButton,
// pressMsgStartOverButton).

namespace LedHints {

void openLedChecklist(QObject* panel);
void openResetHint(QObject* panel);
void closeLedChecklist();
void closeResetHint();
// Closes the reset hint, resets the setup checks and passwords, and returns the model
// choice to its prompt; the connection page stays.
void startOver();

} // namespace LedHints

#endif // LEDHINTS_H
