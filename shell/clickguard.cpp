#include "shell/clickguard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

#include "shell/popupshade.h"
#include "shell/wizardpage.h"

namespace {

// What a click on widget is aimed at: its popup or box (PopupShade), else its page or panel, else its window; none
// for an open list or a menu, which closes by itself, or for nothing at all.
QWidget* aimOf(QWidget* widget)
{
    for (QWidget* up = widget; up; up = up->parentWidget()) {
        if (PopupShade::isPopup(up) || qobject_cast<WizardPage*>(up))
            return up;
        if (up->isWindow())
            return up->windowType() == Qt::Popup ? nullptr : up;
    }
    return nullptr;
}

}  // namespace

ClickGuard::ClickGuard(QObject* parent)
    : QObject(parent)
{}

bool ClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (watched->isWidgetType()) {
        if (type != QEvent::MouseButtonRelease || !releasePending)
            return false;
        releasePending = false;
        // Its button shows itself up again, unclicked.
        if (auto* button = qobject_cast<QAbstractButton*>(watched))
            button->setDown(false);
        return true;
    }
    if (!watched->isWindowType())
        return false;
    releasePending = false;
    QWidget* aim = aimOf(QApplication::widgetAt(mouse->globalPos()));
    const bool left = pressAimed && aim && aim != pressAim.data();
    const ClickRules::Step step = type == QEvent::MouseButtonPress      ? ClickRules::Step::Press
                                  : type == QEvent::MouseButtonDblClick ? ClickRules::Step::DoubleClick
                                                                        : ClickRules::Step::Release;
    const QStyleHints* hints = QGuiApplication::styleHints();
    const bool swallowed = ClickRules::swallow(last, step, mouse->timestamp(), mouse->globalPos(), left,
                                               {hints->mouseDoubleClickInterval(), hints->mouseDoubleClickDistance()});
    if (step == ClickRules::Step::Press) {
        pressAim = aim;
        pressAimed = aim != nullptr;
    }
    if (swallowed && step == ClickRules::Step::Release && !last.tail) {
        // Its press reached a widget, which the window lets go of as it delivers the release.
        releasePending = true;
        return false;
    }
    return swallowed;
}
