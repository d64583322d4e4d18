#ifndef WIZARDPAGE_H
#define WIZARDPAGE_H

#include <QWidget>

class QLabel;
class QPushButton;

// A page of the wizard, or a panel shown inside one. The main window makes every page once,
// shows one at a time and retranslates them all when the language changes.
class WizardPage : public QWidget
{
    Q_OBJECT
public:
    explicit WizardPage(QWidget* parent = nullptr)
        : QWidget(parent)
    {}

    // Prepares the page (its form, the step banner) as the main window enters it.
    virtual void enter() {}
    // The page's texts in the current language: its form and what it sets in code.
    virtual void retranslate() = 0;

    // The height a label needs for its text as it lays it out at its width: to the bottom of the
    // last line's letters, with the label's frame and margins.
    static int textHeight(const QLabel* label);
    // The width a label needs for its text on lines of their own, broken only where the text breaks
    // them, with the label's frame and margins.
    static int textWidth(const QLabel* label);
    // A label whose text needs more height grows around its alignment (down from its top, both
    // ways when centred), inside its parent; a label whose text fits keeps its place.
    static void growToText(QLabel* label);
    // A push button's style sheet: its face, the picture ":/images/<face>.png" (<hover>'s under the pointer,
    // none when empty), drawn to the button's size whatever its caption made it, then its own declarations
    // (its font and colour; no border).
    static QString faceStyle(const QString& face, const QString& hover, const QString& declarations);

protected:
    // A page's blue forward button: enabled, or greyed out and disabled.
    static void setForwardButtonEnabled(QPushButton* button, bool enabled);
};

#endif  // WIZARDPAGE_H
