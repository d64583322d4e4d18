#ifndef EXITPOPUP_H
#define EXITPOPUP_H

#include <QString>

class MessageBoxPage;
class QObject;
class QWidget;

constexpr const char* kExitPopupName = "exitWarning";

// Texts of the exit confirmation, already translated by the window that asks.
struct ExitPopupTexts
{
    QString title;
    QString question;
    QString no;
    QString yes;
};

// The exit confirmation of the main window and the Launcher: a popup named "exitWarning"
// centred in owner, blue "No" on the left, white "Yes" on the right. "No" and the close
// cross go to receiver's pressMsgExitNoButton(), "Yes" to its pressMsgExitYesButton().
// Opens nothing and returns null while owner already has one.
MessageBoxPage* openExitPopup(QWidget* owner, const ExitPopupTexts& texts, QObject* receiver);

#endif // EXITPOPUP_H
