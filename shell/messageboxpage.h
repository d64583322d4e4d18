#ifndef MESSAGEBOXPAGE_H
#define MESSAGEBOXPAGE_H

#include <QWidget>

#include "ui_messageboxpage.h"

// The shared popup. The creating page names it, fills and places the widgets it needs,
// connects the buttons to its own slots and shows it; its slot closes it by name.
class MessageBoxPage : public QWidget
{
    Q_OBJECT
public:
    explicit MessageBoxPage(QWidget* parent);
    ~MessageBoxPage() override;

    Ui_MessageBoxPage* ui;

    // A popup named name, width x height (fixed height), centred in parent, with its
    // background covering it and shown; the caller fills the rest and shows it.
    static MessageBoxPage* createCentred(QWidget* parent, const QString& name, int width, int height);

    // Finds the popup by name among root's descendants, hides the dimming label and
    // deletes the popup; returns whether one was found.
    static bool closeByName(QWidget* root, const QString& name);

    static QString whiteButtonStyle();
    static QString blueButtonStyle();
    // "<p style=line-height:24px><font face=Verdana color=#666666>" text "</font></p>"
    static QString richText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
};

#endif // MESSAGEBOXPAGE_H
