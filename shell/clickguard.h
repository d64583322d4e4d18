#ifndef CLICKGUARD_H
#define CLICKGUARD_H

#include <QObject>
#include <QPointer>

#include "shell/clickrules.h"

class QWidget;

// The application's mouse, so that a click belongs to the page or popup it was aimed at (ClickRules): the second
// click of a double click whose first left its page or opened a popup does nothing on what came in its place, and
// the release of a press whose page or popup was left before it answers nowhere. The guard judges each event as
// its window receives it and swallows a second click there; the release of a press that reached a widget is
// swallowed where it reaches that widget, once the window has let go of it. Keys pass: Enter or Space on a focused
// button presses it.
class ClickGuard : public QObject
{
public:
    explicit ClickGuard(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClickRules::LastPress last;
    QPointer<QWidget> pressAim;  // of the last press; null once it is gone
    bool pressAimed = false;
    // The release its window is delivering, swallowed where it reaches a widget.
    bool releasePending = false;
};

#endif  // CLICKGUARD_H
