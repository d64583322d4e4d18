#ifndef POPUPFOCUS_H
#define POPUPFOCUS_H

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// A window's keyboard while popups are open over it, as its dimming keeps the mouse: the keyboard focus
// lies within the topmost popup, Tab and Shift+Tab go round that popup's own fields and buttons, and a
// focus that would leave it for the window behind (a page's field given the focus, a focused field
// hidden) is taken back. When the topmost goes, the focus goes back to where it was in the popup beneath,
// or on the page, when the one above opened; to the popup itself if that field is hidden or disabled by then.
class PopupFocus : public QObject
{
public:
    explicit PopupFocus(QWidget* window);  // held by the window's PopupShade

    // popup (null: none) is now the topmost popup open over the window.
    void follow(QWidget* popup);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keep(QWidget* old, QWidget* now);
    void tab(bool forward);

    QWidget* window;
    QWidget* top = nullptr;
    // Where the focus was in each popup (the page's under null) when another opened over it.
    QHash<const QWidget*, QPointer<QWidget>> left;
};

#endif  // POPUPFOCUS_H
