#include "shell/popupfocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Whether widget is popup or lies within it; compares addresses only, as popup may be gone.
bool within(const QWidget* widget, const QWidget* popup)
{
    for (; widget; widget = widget->parentWidget())
        if (widget == popup)
            return true;
    return false;
}

}  // namespace

PopupFocus::PopupFocus(QWidget* window)
    : window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &PopupFocus::keep);
    qApp->installEventFilter(this);
}

void PopupFocus::follow(QWidget* popup)
{
    if (popup == top)
        return;
    // Covered, the topmost keeps where its focus was; one that closed has lost it already.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == window && (!top || within(focus, top)))
        left.insert(top, focus);
    const QPointer<QWidget> back = left.take(popup);
    for (auto it = left.begin(); it != left.end();)  // the places in popups deleted since
        it = it.value().isNull() ? left.erase(it) : std::next(it);
    top = popup;
    if (back && back->isVisible() && back->isEnabled())  // Qt gives no focus to a disabled field
        back->setFocus(Qt::OtherFocusReason);
    else if (top)
        top->setFocus(Qt::OtherFocusReason);
}

void PopupFocus::keep(QWidget* old, QWidget* now)
{
    if (!top || !now || now->window() != window || within(now, top) || top->isHidden())
        return;
    (old && old->isVisible() && within(old, top) ? old : top)->setFocus(Qt::OtherFocusReason);
}

bool PopupFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (!top || event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key->key() == Qt::Key_Tab)
        tab(!(key->modifiers() & Qt::ShiftModifier));
    else if (key->key() == Qt::Key_Backtab)
        tab(false);
    else
        return false;
    return true;
}

void PopupFocus::tab(bool forward)
{
    // The window's focus chain holds all its widgets, in a ring: the next of the popup's that takes Tab.
    QWidget* from = QApplication::focusWidget();
    if (!within(from, top))
        from = top;
    for (QWidget* next = from;;) {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        if (next == from)
            return;
        if (within(next, top) && next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}
