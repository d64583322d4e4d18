#ifndef RESETHINT_H
#define RESETHINT_H

#include <QWidget>

#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

// The "Reset Your Camera" popup of the access-point pages and its Start Over. Texts go
// through the calling page's translation context; its buttons reach the page's
// pressMsgResetCloseButton and pressMsgResetStartOverButton.
namespace ResetHint {

inline const char* const kPopupName = "resetYourCameraWarning";

template <class Page>
void open(Page* page)
{
    MessageBoxPage::build(gMainpage, kPopupName, 618, 450)
        .title(Page::tr("Reset Your Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(Page::tr(
                     "Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
                     "seconds while the camera is plugged in. After resetting your camera, click the Start Over "
                     "button to start the Setup Wizard again.<br>")),
                 {80, 80, 500, 150})
        .picture(":/images/reset.png", {420, 200, 168, 167})
        .leftButton(Page::tr("Close"), ButtonStyle::White, {360, 400}, page, &Page::pressMsgResetCloseButton)
        .rightButton(Page::tr("Start Over"), ButtonStyle::Blue, {480, 400}, page, &Page::pressMsgResetStartOverButton)
        .closeButton(page, &Page::pressMsgResetCloseButton)
        .open();
}

void close();

// Closes the popup, resets the device setup page's checks and password fields and shows the
// camera connection page at its prompt entry under the step 1 banner with caption.
void startOver(QWidget* leaving, const QString& caption);

} // namespace ResetHint

#endif // RESETHINT_H
