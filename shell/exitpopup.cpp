#include "shell/exitpopup.h"

#include "base/log.h"

bool exitPopupOpen(QWidget* owner)
{
    if (owner->findChild<MessageBoxPage*>(kExitPopupName))
        return true;
    WLOG << "open msgbox ...";
    return false;
}
