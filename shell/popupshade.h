#ifndef POPUPSHADE_H
#define POPUPSHADE_H

#include <QList>
#include <QObject>

#include "shell/popupfocus.h"

class QLabel;
class QWidget;

// A window's dimming label behind its popups. It shows while a popup over the window is open,
// just under the topmost one, so that neither the page nor a popup beneath takes a click, and
// goes back under the one below when that one closes; the keyboard follows (PopupFocus). A popup
// is open from the moment it is covered until it is hidden or deleted, and again once shown.
class PopupShade : public QObject
{
public:
    explicit PopupShade(QLabel* label);

    void cover(QWidget* popup);
    // Whether a shade has covered widget, a popup or box, open or not.
    static bool isPopup(const QWidget* widget);
    // Dims the window with no popup open (a dialog of its own over it), until released.
    void hold(bool held);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QLabel* label;
    PopupFocus focus;
    QList<QWidget*> popups;  // each removed as it is destroyed
    bool held = false;
};

#endif  // POPUPSHADE_H
