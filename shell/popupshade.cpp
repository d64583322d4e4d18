#include "shell/popupshade.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

namespace {
const char kCovered[] = "popupShadeCovered";
}

PopupShade::PopupShade(QLabel* label)
    : QObject(label)
    , label(label)
    , focus(label->window())
{}

void PopupShade::cover(QWidget* popup)
{
    if (popups.contains(popup))
        return;
    popups.append(popup);
    popup->setProperty(kCovered, true);
    popup->installEventFilter(this);
    connect(popup, &QObject::destroyed, this, [this, popup] {
        popups.removeAll(popup);
        place();
    });
    place();
}

bool PopupShade::isPopup(const QWidget* widget)
{
    return widget->property(kCovered).toBool();
}

void PopupShade::hold(bool held)
{
    this->held = held;
    place();
}

bool PopupShade::eventFilter(QObject* watched, QEvent* event)
{
    // Sent on every show() and hide() of the popup itself, whether or not its window is shown.
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        place();
    return QObject::eventFilter(watched, event);
}

void PopupShade::place()
{
    // The popup highest among the label's siblings, through the sibling that holds it.
    QWidget* top = nullptr;
    QWidget* topPopup = nullptr;
    bool open = held;
    const QObjectList& siblings = label->parentWidget()->children();
    for (QWidget* popup : popups) {
        // A new popup is hidden until it is first shown; a hidden one that was shown is closed.
        if (popup->isHidden() && popup->testAttribute(Qt::WA_WState_ExplicitShowHide))
            continue;
        open = true;
        QWidget* holder = popup;
        while (holder && holder->parentWidget() != label->parentWidget())
            holder = holder->parentWidget();
        if (holder && (!top || siblings.indexOf(holder) > siblings.indexOf(top))) {
            top = holder;
            topPopup = popup;
        }
    }
    focus.follow(topPopup);
    if (!open) {
        label->hide();
        return;
    }
    label->show();
    if (top)
        label->stackUnder(top);
}
