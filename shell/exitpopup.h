#ifndef EXITPOPUP_H
#define EXITPOPUP_H

#include <QString>

#include "shell/messageboxpage.h"

constexpr const char* kExitPopupName = "exitWarning";

// Texts of the exit confirmation, already translated by the window that asks.
struct ExitPopupTexts
{
    QString title;
    QString question;
    QString no;
    QString yes;
};

// True when owner already shows the exit confirmation; logs the opening otherwise.
bool exitPopupOpen(QWidget* owner);

// The exit confirmation of every window that asks: a popup named "exitWarning" centred in
// owner, blue "No" on the left, white "Yes" on the right. "No" and the close cross go to
// receiver's pressMsgExitNoButton(), "Yes" to its pressMsgExitYesButton(). Opens nothing
// and returns null while owner already has one.
template <class Receiver> MessageBoxPage* openExitPopup(QWidget* owner, const ExitPopupTexts& texts, Receiver* receiver)
{
    if (exitPopupOpen(owner))
        return nullptr;
    return MessageBoxPage::build(owner, kExitPopupName, 618, 250)
        .title(texts.title, {60, 30, 510, 30})
        .content("<p style=line-height:24px><font color=#666666>" + texts.question + "</font></p>", {60, 60, 500, 100})
        .closeButton(receiver, &Receiver::pressMsgExitNoButton)
        .rightButton(texts.no, ButtonStyle::Blue, {360, 180}, receiver, &Receiver::pressMsgExitNoButton)
        .leftButton(texts.yes, ButtonStyle::White, {480, 180}, receiver, &Receiver::pressMsgExitYesButton)
        .open();
}

#endif  // EXITPOPUP_H
