#ifndef MESSAGEBOXPAGE_H
#define MESSAGEBOXPAGE_H

#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include "ui_messageboxpage.h"

class PopupBuilder;

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

    // The one way pages build a popup: see PopupBuilder.
    static PopupBuilder build(QWidget* parent, const QString& name, int width, int height);

    // Finds the popup by name among root's descendants and deletes it, and with it its part of the
    // dimming; returns whether one was found.
    static bool closeByName(QWidget* root, const QString& name);

    // A caption keeps room from each end of its button, twice its face's rounded end, in every fitting below.
    // Buttons of one row, left to right: a caption longer than its button widens the button
    // to the left, moving the buttons left of it; the row keeps its right edge and its gaps.
    static void fitButtonRow(const QList<QPushButton*>& row);
    // A caption longer than its button widens the button to the right.
    static void fitButtonRight(QPushButton* button);
    // Buttons of one column: all as wide as the longest caption needs, each keeping its middle.
    static void fitButtonColumn(const QList<QPushButton*>& column);
    static QString whiteButtonStyle();
    static QString blueButtonStyle();
    // "<p style=line-height:24px><font face=Verdana color=#666666>" text "</font></p>"
    static QString richText(const QString& text);
    // A text whose lines were broken for a wider room, to wrap in a room of its own (beside a picture): each
    // single line break becomes a space, or nothing beside a space or a Chinese or Japanese character (their
    // lines break anywhere); a blank line (two breaks or more) stays.
    static QString flowingText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
};

enum class ButtonStyle
{
    White,
    Blue,
};

// Describes a popup step by step and opens it:
//
//   MessageBoxPage::build(gMainpage, "dcpBindingFailedWarning", 618, 300)
//       .title(tr("Error"), {80, 50, 440, 30})
//       .content(MessageBoxPage::richText(tr("...")), {80, 100, 480, 100})
//       .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this, &WelcomePage::pressMsgOKButton)
//       .closeButton(this, &WelcomePage::pressMsgOKButton)
//       .open();
//
// Widgets that are not described stay hidden. Buttons are 111 x 24 at the given position.
class PopupBuilder
{
public:
    PopupBuilder(QWidget* parent, const QString& name, int width, int height);

    PopupBuilder& title(const QString& text, const QRect& geometry,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // content and secondContent take rich text as it is shown (see MessageBoxPage::richText).
    PopupBuilder& content(const QString& text, const QRect& geometry);
    // A text beside a picture, its translation's lines broken for a wider room: it flows (MessageBoxPage::flowingText)
    // and wraps in the geometry's width, narrowed where a paragraph would end on a line of one letter (Chinese and
    // Japanese wrap between any two).
    PopupBuilder& flowingContent(const QString& text, const QRect& geometry);
    PopupBuilder& secondContent(const QString& text, const QRect& geometry);
    // Links in the content open in the browser.
    PopupBuilder& openLinks();
    // The picture is scaled to the geometry's size, ignoring its aspect ratio.
    PopupBuilder& picture(const QString& resource, const QRect& geometry);

    template <class Receiver, class Slot>
    PopupBuilder& leftButton(const QString& text, ButtonStyle style, const QPoint& at, Receiver* receiver, Slot slot)
    {
        return button(m_popup->ui->msgBoxLeftBtn_Button, text, style, at, receiver, slot);
    }
    template <class Receiver, class Slot>
    PopupBuilder& rightButton(const QString& text, ButtonStyle style, const QPoint& at, Receiver* receiver, Slot slot)
    {
        return button(m_popup->ui->msgBoxRightBtn_Button, text, style, at, receiver, slot);
    }
    // A third button, a QPushButton child of the popup with the given object name.
    template <class Receiver, class Slot>
    PopupBuilder& extraButton(const QString& objectName, const QString& text, ButtonStyle style, const QPoint& at,
                              Receiver* receiver, Slot slot)
    {
        QPushButton* extra = new QPushButton(m_popup);
        extra->setObjectName(objectName);
        extra->setCursor(Qt::PointingHandCursor);
        return button(extra, text, style, at, receiver, slot);
    }
    template <class Receiver, class Slot> PopupBuilder& closeButton(Receiver* receiver, Slot slot)
    {
        QObject::connect(m_popup->ui->msgBoxClose_Button, &QPushButton::clicked, receiver, slot);
        m_popup->ui->msgBoxClose_Button->show();
        return *this;
    }

    MessageBoxPage* popup() const { return m_popup; }
    // Shows the popup above everything else and returns it.
    MessageBoxPage* open();

private:
    template <class Receiver, class Slot>
    PopupBuilder& button(QPushButton* b, const QString& text, ButtonStyle style, const QPoint& at, Receiver* receiver,
                         Slot slot)
    {
        QObject::connect(b, &QPushButton::clicked, receiver, slot);
        placeButton(b, text, style, at);
        return *this;
    }
    static void placeButton(QPushButton* button, const QString& text, ButtonStyle style, const QPoint& at);

    MessageBoxPage* m_popup;
};

#endif  // MESSAGEBOXPAGE_H
