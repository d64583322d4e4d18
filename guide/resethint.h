#ifndef RESETHINT_H
#define RESETHINT_H

#include <QCoreApplication>
#include <QWidget>

#include "base/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

// The "Reset Your Camera" popup that the guide, setup, already-registered and access-point
// pages open. Close and the close cross go to the page's closeSlot, Start Over to its
// startOverSlot.
namespace ResetHint {

inline const char* const kPopupName = "resetYourCameraWarning";

// Sources are marked where they are written, so that the translation files hold them.
inline QString text(const char* source)
{
    return QCoreApplication::translate("LedHints", source);
}

template <class Page> void open(Page* page, void (Page::*closeSlot)(), void (Page::*startOverSlot)())
{
    MessageBoxPage::build(gMainpage, kPopupName, 618, 450)
        .title(text(QT_TRANSLATE_NOOP("LedHints", "Reset Your Camera")), {80, 50, 440, 30}, Qt::AlignLeft)
        .content(MessageBoxPage::richText(text(QT_TRANSLATE_NOOP(
                     "LedHints",
                     "Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
                     "seconds while the camera is plugged in. After resetting your camera, click the Start Over "
                     "button to start the Setup Wizard again.<br>"))),
                 {80, 80, 480, 150})
        .picture(":/images/reset.png", {420, 200, 168, 167})
        .closeButton(page, closeSlot)
        .leftButton(text(QT_TRANSLATE_NOOP("LedHints", "Close")), ButtonStyle::White, {360, 400}, page, closeSlot)
        .rightButton(text(QT_TRANSLATE_NOOP("LedHints", "Start Over")), ButtonStyle::Blue, {480, 400}, page,
                     startOverSlot)
        .open();
}

void close();

// Closes the popup, resets the device setup page's checks and password fields and shows the
// camera connection page at its prompt entry under the step 1 banner with caption.
void startOver(QWidget* leaving, const QString& caption);

}  // namespace ResetHint

#endif  // RESETHINT_H
