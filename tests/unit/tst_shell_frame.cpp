#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include "base/globals.h"
#include "setup/confignetworkmessagebox.h"
#include "setup/discoverypage.h"
#include "shell/clickguard.h"
#include "shell/clickrules.h"
#include "shell/exitpopup.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "shell/wizardpage.h"
#include "testsupport.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"
#include "wifi/wirelessmessagebox.h"

namespace {

// A page of its own with a button at one place, as the pages have their Next, which takes no focus.
struct ClickPage : WizardPage
{
    ClickPage() { button.setGeometry(300, 200, 111, 24), button.setFocusPolicy(Qt::NoFocus); }
    void retranslate() override {}
    QPushButton button{this};
};

// The pixels of widget drawn otherwise with the keyboard's focus (Tab gave it) than once elsewhere has it, in a colour
// a reader tells apart from the other (contrast 2 or more): the mark of the focus a person sees.
int focusMark(QWidget* widget, QWidget* elsewhere)
{
    widget->setFocus(Qt::TabFocusReason);
    const QImage with = widget->grab().toImage();
    elsewhere->setFocus(Qt::TabFocusReason);
    const QImage without = widget->grab().toImage();
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    int pixels = 0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y)
        for (int x = 0; x < std::min(with.width(), without.width()); ++x) {
            const double one = luminance(with.pixel(x, y)), other = luminance(without.pixel(x, y));
            pixels += (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05) >= 2;
        }
    return pixels;
}

}  // namespace

class TestShellFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createWizardForTests();
        gMainpage->show();
        QVERIFY(QTest::qWaitForWindowExposed(gMainpage));
        gMainpage->activateWindow();  // so that a widget of it takes the keyboard
        QVERIFY(QTest::qWaitForWindowActive(gMainpage));
    }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void cleanup()
    {
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        frameWidget("lockScreenLabel")->hide();
    }

    // A popup dims both windows while it is open; closing it by name (a descendant in a page) lifts
    // both dimmings, closing another name leaves them.
    void closeByName()
    {
        for (const bool inPage : {true, false}) {
            QPointer<MessageBoxPage> popup;
            {
                Launcher launcher{ShellConfig()};
                gLauncher = &launcher;
                popup = new MessageBoxPage(inPage ? static_cast<QWidget*>(gWelcomePage) : gMainpage);
                popup->setObjectName("resetHintMsgBox");
                QVERIFY(!frameWidget("lockScreenLabel")->isHidden() && !launcher.lockScreenLabel->isHidden());
                QCOMPARE(MessageBoxPage::closeByName(gMainpage, inPage ? "resetHintMsgBox" : "ledHintMsgBox"), inPage);
                QCOMPARE(frameWidget("lockScreenLabel")->isHidden(), inPage);
                QCOMPARE(launcher.lockScreenLabel->isHidden(), inPage);
                QCOMPARE(popup.isNull(), inPage);
            }
            QVERIFY(!gLauncher);  // later popups must not reach a Launcher that is gone
            delete popup;
            QVERIFY(frameWidget("lockScreenLabel")->isHidden());
        }
        // A dialog of the window's own keeps it dimmed until it ends, popups over it or not.
        gMainpage->showDimming();
        QVERIFY(!frameWidget("lockScreenLabel")->isHidden());
        delete MessageBoxPage::build(gMainpage, "ledHintMsgBox", 618, 300).open();
        QVERIFY(!frameWidget("lockScreenLabel")->isHidden());
        gMainpage->hideDimming();
        QVERIFY(frameWidget("lockScreenLabel")->isHidden());
    }

    // The exit question over each kind of popup, answered "No": the popup stays, the dimming lies under it
    // again and the page behind (its Back) takes no click, its field no key, Tab included; once it closes,
    // the dimming goes and the field has the focus again. A box hidden for the wait it started is closed: no
    // dimming stays behind. A field the focus was in, hidden or disabled under the question, gives the focus to its
    // popup, from which Tab goes round the fields and buttons it can stop on.
    void exitQuestionOverPopup_data()
    {
        QTest::addColumn<QString>("popups");  // opened in turn; "hidden": the last one hidden again; then "under: "
                                              // what its focused field becomes under the question
        QTest::newRow("help popup") << "help";
        QTest::newRow("MAC help popup, with its buttons") << "mac";
        QTest::newRow("manual network box") << "manual";
        QTest::newRow("Wi-Fi box") << "wifi";
        QTest::newRow("Wi-Fi box hidden for its wait") << "wifi hidden";
        QTest::newRow("a second popup over the first") << "help help";
        QTest::newRow("manual network box, its PPPoE fields") << "pppoe";
        QTest::newRow("PPPoE fields, the one with the focus hidden under the question") << "pppoe under:hidden";
        QTest::newRow("PPPoE fields, the one with the focus disabled under the question") << "pppoe under:disabled";
    }
    void exitQuestionOverPopup()
    {
        QFETCH(QString, popups);
        const QString changed = popups.section("under:", 1);
        popups = popups.section(" under:", 0, 0);
        QWidget* dimming = frameWidget("lockScreenLabel");
        const auto under = [dimming](QWidget* popup) {
            const QObjectList& order = gMainpage->children();
            return !dimming->isHidden() && order.indexOf(popup) == order.indexOf(dimming) + 1;
        };
        QLineEdit field(gMainpage);  // a page's, with the focus as the popups open
        field.setGeometry(50, 500, 100, 24);
        field.show();
        field.setFocus();
        const auto focusIn = [](QWidget* popup, QWidget* focus) {
            return popup == focus || popup->isAncestorOf(focus);
        };
        QPointer<QWidget> popup;
        for (const QString& kind : popups.split(' ')) {
            if (kind == "help")
                popup = MessageBoxPage::build(gMainpage, "whatIsMACWarning", 618, 400).open();
            else if (kind == "mac") {
                gDiscoveryPage->popupWhatIsMAC();
                popup = gMainpage->findChild<MessageBoxPage*>("whatIsMACWarning");
            } else if (kind == "manual" || kind == "pppoe") {
                (popup = new ConfigNetworkMessageBox(gMainpage))->setGeometry(91, 25, 618, 600), popup->show();
                if (kind == "pppoe")
                    popup->findChild<QPushButton*>("CfgNetMsgBoxPPPoE_PushButton")->click();
            } else if (kind == "wifi")
                popup = WirelessMessageBox::open(gMainpage, "wifiBox", WirelessMessageBox::Kind::Manual, "Wi-Fi", {});
            else
                popup->hide();
        }
        const bool open = !popups.endsWith("hidden");
        QCOMPARE(dimming->isHidden(), !open);
        if (open) {  // Tab, the field given the focus, Shift+Tab, Tab round the popup and a letter: the focus stays in
                     // it, back where it was once the field took it, and back again after Shift+Tab and Tab
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
            QWidget* was = QApplication::focusWidget();
            field.setFocus();
            QVERIFY(focusIn(popup, was) && QApplication::focusWidget() == was);
            QSignalSpy moved(qApp, &QApplication::focusChanged);
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), was);
            QTest::keyClicks(nullptr, "\t\tx");
            for (const QList<QVariant>& change : moved)  // on the popup's fields and buttons, never on a text
                QVERIFY(focusIn(popup, change.at(1).value<QWidget*>()) &&
                        (change.at(1).value<QWidget*>()->focusPolicy() & Qt::TabFocus));
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(field.text().isEmpty() && (open ? focusIn(popup, focus) : focus == &field));
        gMainpage->popupExit();
        auto* question = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
        QVERIFY(under(question));
        if (!changed.isEmpty())
            changed == "hidden" ? focus->hide() : focus->setEnabled(false);
        question->ui->msgBoxRightBtn_Button->click();  // "No"
        QCOMPARE(dimming->isHidden(), !open);
        QVERIFY(!open || (under(popup) && gMainpage->childAt(60, 562) == dimming));  // Back, left of every popup
        if (changed.isEmpty())
            QCOMPARE(QApplication::focusWidget(), focus);  // back where it was
        if (!changed.isEmpty()) {                          // on the popup, and Tab from there to its other field
            QWidget* at = QApplication::focusWidget();
            QVERIFY(focusIn(popup, at) && at != focus);
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != at && QApplication::focusWidget() != focus);
        }
        delete popup;
        QCOMPARE(dimming->isHidden(), popups != "help help");
        QWidget* beneath = popups == "help help" ? gMainpage->findChild<QWidget*>("whatIsMACWarning") : &field;
        QVERIFY(focusIn(beneath, QApplication::focusWidget()));
        qDeleteAll(gMainpage->findChildren<QWidget*>(QRegularExpression("Warning$|Box$"), Qt::FindDirectChildrenOnly));
        QVERIFY(dimming->isHidden());
    }

    // The keyboard as the README has it: on a page Tab stops only at a text field and at the daylight-saving
    // choice, never at a list, box, text or button, and no text box of a page takes typing; the control Tab stops at,
    // a popup's button or that choice, shows a mark of the focus under the program's style sheet, some pixels drawn in
    // another colour than without it.
    void keyboardFocus()
    {
        for (QWidget* page : QApplication::allWidgets())
            if (page->inherits("WizardPage"))
                for (QWidget* control : page->findChildren<QWidget*>()) {
                    const auto text = qobject_cast<QTextEdit*>(control);
                    QVERIFY2(!text || text->isReadOnly(), qPrintable(control->objectName()));
                    if (control->window() == page->window() && (control->focusPolicy() & Qt::TabFocus))
                        QVERIFY2(qobject_cast<QLineEdit*>(control) || qobject_cast<QRadioButton*>(control),
                                 qPrintable(control->objectName()));
                }
        QFile sheet(":/style_win.qss");
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromLatin1(sheet.readAll()));
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        QRadioButton choice("Manual", gMainpage);
        QLineEdit field(gMainpage);
        for (QWidget* control : QList<QWidget*>{&choice, &field})
            control->show();
        QVERIFY2(focusMark(&choice, &field) >= 12, "the daylight-saving choice");
        gMainpage->popupExit();
        auto* question = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
        QPushButton* no = question->ui->msgBoxRightBtn_Button;
        QVERIFY2(focusMark(no, question->ui->msgBoxLeftBtn_Button) >= 12, "a popup's button");
        QVERIFY2(focusMark(question->ui->msgBoxClose_Button, no) >= 12, "a popup's close cross");
        question->setFocus();  // Tab from the question: its buttons as they read from the left ("No" first), the cross
        QWidgetList read;
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
            read << QApplication::focusWidget();
        }
        QCOMPARE(read, (QWidgetList{no, question->ui->msgBoxLeftBtn_Button, question->ui->msgBoxClose_Button}));
    }

    // A label keeps its place while its text fits, and grows around its alignment, inside its
    // parent, when the language needs more lines.
    void growToText_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("kept");  // what stays where it was: "all", "top", "centre", "bottom", "edge"
        QTest::newRow("fits") << int(Qt::AlignVCenter) << 1 << 100 << "all";
        QTest::newRow("top, grows down") << int(Qt::AlignTop) << 4 << 100 << "top";
        QTest::newRow("centred, grows both ways") << int(Qt::AlignVCenter) << 4 << 100 << "centre";
        QTest::newRow("bottom, grows up") << int(Qt::AlignBottom) << 4 << 100 << "bottom";
        QTest::newRow("centred at the parent's top") << int(Qt::AlignVCenter) << 4 << 0 << "edge";
    }
    void growToText()
    {
        QFETCH(int, alignment);
        QFETCH(int, lines);
        QFETCH(int, top);
        QFETCH(QString, kept);
        QWidget parent;
        parent.resize(400, 300);
        QLabel label(&parent);
        label.setWordWrap(true);
        label.setAlignment(Qt::AlignLeft | Qt::Alignment(alignment));
        QStringList text;
        for (int line = 0; line < lines; ++line)
            text << "a line";
        label.setText("<p style=line-height:24px>" + text.join("<br>") + "</p>");
        label.setGeometry(20, top, 300, 30);
        const QRect before = label.geometry();
        WizardPage::growToText(&label);
        const QRect after = label.geometry();
        QVERIFY(after.height() >= WizardPage::textHeight(&label));
        QCOMPARE(after.x(), before.x());
        QCOMPARE(after.width(), before.width());
        if (kept == "all")
            QCOMPARE(after, before);
        else if (kept == "top")
            QCOMPARE(after.top(), before.top());
        else if (kept == "centre")
            QVERIFY(qAbs(after.center().y() - before.center().y()) <= 1);
        else if (kept == "bottom")
            QCOMPARE(after.bottom(), before.bottom());
        else
            QCOMPARE(after.top(), 0);
        if (kept != "all")
            QVERIFY(after.height() > before.height());
        // As wide as its widest line needs it breaks none of them; a pixel narrower it breaks them.
        label.resize(1000, label.height());
        const int unbroken = WizardPage::textHeight(&label);
        label.resize(WizardPage::textWidth(&label), label.height());
        QCOMPARE(WizardPage::textHeight(&label), unbroken);
        label.resize(label.width() - 1, label.height());
        QVERIFY(WizardPage::textHeight(&label) > unbroken);
    }

    // A popup whose content needs more lines grows by as much, moves what lies below the content
    // down with its bottom and stays centred; one whose content fits keeps its size.
    void popupGrowsForContent()
    {
        for (const int lines : {1, 6}) {
            QStringList text;
            for (int line = 0; line < lines; ++line)
                text << "A line of the popup's content";
            MessageBoxPage* popup =
                MessageBoxPage::build(gMainpage, "growingMsgBox", 618, 300)
                    .content(MessageBoxPage::richText(text.join("<br>")), {80, 100, 480, 50})
                    .rightButton("OK", ButtonStyle::Blue, {480, 250}, this, &TestShellFrame::cleanup)
                    .open();
            const int grow = popup->height() - 300;
            QCOMPARE(grow > 0, lines > 1);
            QCOMPARE(popup->ui->msgBoxContent_Label->height(), 50 + grow);
            QCOMPARE(popup->ui->msgBoxRightBtn_Button->y(), 250 + grow);
            QCOMPARE(popup->ui->msgBoxBackground_Label->height(), popup->height());
            QCOMPARE(popup->y(), (gMainpage->height() - popup->height()) / 2);
            QVERIFY(popup->ui->msgBoxContent_Label->height() >= WizardPage::textHeight(popup->ui->msgBoxContent_Label));
            MessageBoxPage::closeByName(gMainpage, "growingMsgBox");
        }
    }

    // A button's face covers it to its edges whatever width its caption gave it, its picture's rounded ends
    // at its own ends only, and leaves its caption the whole button: the popups' buttons, the network box's tabs.
    void buttonFace_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QSize>("size");
        ConfigNetworkMessageBox box(gMainpage);
        const QString networkTab = box.findChild<QPushButton*>("CfgNetMsgBoxStaticIP_PushButton")->styleSheet();
        QTest::newRow("blue, the picture's size") << MessageBoxPage::blueButtonStyle() << QSize(111, 24);
        QTest::newRow("blue, grown") << MessageBoxPage::blueButtonStyle() << QSize(116, 24);
        QTest::newRow("white, grown") << MessageBoxPage::whiteButtonStyle() << QSize(160, 24);
        QTest::newRow("network box's tab, grown") << networkTab << QSize(100, 49);
    }
    void buttonFace()
    {
        QFETCH(QString, style);
        QFETCH(QSize, size);
        QWidget parent;  // magenta behind the face's rounded corners
        parent.setAutoFillBackground(true);
        parent.setPalette(QPalette(Qt::magenta));
        parent.resize(size);
        QPushButton button(&parent);  // no caption: its face alone
        button.setStyleSheet(style);
        button.resize(size);
        const QImage drawn = parent.grab().toImage(), picture(style.section("url(", 1).section(')', 0, 0));
        QImage face(picture.size(), QImage::Format_RGB32);
        face.fill(Qt::magenta);
        QPainter(&face).drawImage(0, 0, picture);
        const int w = size.width(), ends = 6;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < w; ++x) {  // its ends the picture's ends, its middle the picture's middle
                const QRgb one = drawn.pixel(x, y);
                const QRgb other = face.pixel(x < ends ? x : x < w - ends ? face.width() / 2 : x - w + face.width(), y);
                const int off =
                    qAbs(qRed(one) - qRed(other)) + qAbs(qGreen(one) - qGreen(other)) + qAbs(qBlue(one) - qBlue(other));
                QVERIFY2(off <= 3, qPrintable(QString("off by %1 at %2,%3").arg(off).arg(x).arg(y)));  // stretch rounds
            }
        QStyleOptionButton option;
        option.initFrom(&button);
        QCOMPARE(button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button), button.rect());
    }

    // The second click of a double click whose first left its page does nothing where it lands, all of it; nor
    // does the release of a press whose page was left before it. Each event: p(ress), d(ouble click) or r(elease),
    // its time in ms, @x:y its place when not 0:0, L when the page or popup under it is not the last press's.
    void clickRules_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("swallowed");  // one bit an event, the first leftmost
        QTest::newRow("double click leaving the page") << "p0 r5 p100L d100L r105" << 0b00111;
        QTest::newRow("double click on one page") << "p0 r5 p100 d100 r105" << 0b00000;
        QTest::newRow("just within the interval") << "p0 r5 p399L r404" << 0b0011;
        QTest::newRow("at the interval") << "p0 r5 p400L r405" << 0b0000;
        QTest::newRow("as far as a double click's") << "p0 r5 p100@5:-5L r105@5:-5" << 0b0011;
        QTest::newRow("a pixel further across") << "p0 r5 p100@6:0L r105@6:0" << 0b0000;
        QTest::newRow("a pixel further down") << "p0 r5 p100@0:6L r105@0:6" << 0b0000;
        QTest::newRow("time stamp gone back") << "p1000 r1005 p500L" << 0b000;
        QTest::newRow("page left before the release") << "p0 r50L" << 0b01;
    }
    void clickRules()
    {
        QFETCH(QString, events);
        ClickRules::LastPress last;
        int swallowed = 0;
        static const QRegularExpression event("([pdr])(\\d+)(?:@(-?\\d+):(-?\\d+))?(L?)");
        for (const QString& text : events.split(' ')) {
            const QRegularExpressionMatch e = event.match(text);
            const auto step = e.captured(1) == "p"   ? ClickRules::Step::Press
                              : e.captured(1) == "d" ? ClickRules::Step::DoubleClick
                                                     : ClickRules::Step::Release;
            swallowed = swallowed << 1 | ClickRules::swallow(last, step, e.captured(2).toULong(),
                                                             {e.captured(3).toInt(), e.captured(4).toInt()},
                                                             !e.captured(5).isEmpty(), {400, 5});
        }
        QTEST(swallowed, "swallowed");
    }

    // Clicks as the window gets them: the second click of a double click whose first left its page or opened a
    // popup answers nothing there, nor does a press whose page a popup covered before its release; a click a
    // moment later and Space on the focused button answer what is there.
    void clicksOnTheWindow_data()
    {
        QTest::addColumn<QString>("clicks");  // the button aimed at, a page's Next, which enters another page with a
                                              // button at its place ("page"), or a popup's OK, which opens another
                                              // ("popup"); then: double, held (pressed, a popup opened over it,
                                              // released), click, space
        QTest::addColumn<int>("firstClicks");
        QTest::addColumn<int>("secondClicks");  // of the button at the place after
        QTest::newRow("double click on Next") << "page double" << 1 << 0;
        QTest::newRow("double click on OK opening a popup") << "popup double" << 1 << 0;
        QTest::newRow("press, a popup over it, release") << "page held" << 0 << 0;
        QTest::newRow("double click, a click later, Space") << "page double click space" << 1 << 2;
    }
    void clicksOnTheWindow()
    {
        QFETCH(QString, clicks);
        const QString first = clicks.section(' ', 0, 0), then = clicks.section(' ', 1);
        ClickPage one, other;
        gMainpage->showPage(gWelcomePage, &other);  // each laid out in the page's place
        QCoreApplication::processEvents();
        gMainpage->showPage(&other, &one);
        QCoreApplication::processEvents();
        QWindow* window = gMainpage->windowHandle();
        const QPoint place = one.button.mapTo(gMainpage, one.button.rect().center());
        QList<QObject*> clicked;
        const auto counted = [&clicked](QPushButton* button) {
            connect(button, &QPushButton::clicked, [&clicked, button] { clicked << button; });
            return button;
        };
        const auto popupAtPlace = [&] {
            const QPoint at = place - QPoint((gMainpage->width() - 618) / 2 + 55, (gMainpage->height() - 300) / 2 + 12);
            return counted(MessageBoxPage::build(gMainpage, "clickMsgBox", 618, 300)
                               .rightButton("OK", ButtonStyle::Blue, at, gMainpage, [] {})
                               .open()
                               ->ui->msgBoxRightBtn_Button);
        };
        QPointer<QPushButton> replacing = counted(&other.button);
        QPushButton* aimed = first == "page" ? counted(&one.button) : popupAtPlace();
        connect(aimed, &QPushButton::clicked,
                [&] { first == "page" ? gMainpage->enterPage(&one, &other) : void(replacing = popupAtPlace()); });
        if (then == "held") {
            QTest::mousePress(window, Qt::LeftButton, {}, place);
            replacing = popupAtPlace();
            QTest::mouseRelease(window, Qt::LeftButton, {}, place);
        }
        for (const QString& step : then.split(' ')) {
            if (step == "double")
                QTest::mouseDClick(window, Qt::LeftButton, {}, place);
            else if (step == "click")  // the test's clicks are a double click interval apart
                QTest::mouseClick(window, Qt::LeftButton, {}, place);
            else if (step == "space")
                replacing->setFocus(), QTest::keyClick(window, Qt::Key_Space);
        }
        QCOMPARE(QApplication::widgetAt(gMainpage->mapToGlobal(place)), replacing.data());
        QTEST(int(clicked.count(aimed)), "firstClicks");
        QTEST(int(clicked.count(replacing)), "secondClicks");
        QVERIFY(!aimed->isDown() && !replacing->isDown());  // neither left pressed
        gMainpage->showPage(other.isVisible() ? &other : &one, gWelcomePage);
    }

    // A list opened by a press takes the entry its release lands on, as a person drags to it: an open list is no
    // page that the press has left.
    void listByPressAndRelease()
    {
        ClickPage one;
        QComboBox list(&one);
        list.addItems({"one", "two", "three"});
        list.setGeometry(50, 50, 200, 24);
        gMainpage->showPage(gWelcomePage, &one);
        QCoreApplication::processEvents();
        QTest::mousePress(gMainpage->windowHandle(), Qt::LeftButton, {}, list.mapTo(gMainpage, list.rect().center()));
        QTRY_VERIFY(list.view()->isVisible());
        QWindow* open = list.view()->window()->windowHandle();
        const QPoint entry = list.view()->viewport()->mapTo(
            list.view()->window(), list.view()->visualRect(list.model()->index(2, 0)).center());
        QTest::qWait(QApplication::doubleClickInterval() + 100);  // the list takes no release sooner
        QTest::mouseMove(open, entry);
        QTest::mouseRelease(open, Qt::LeftButton, {}, entry);
        QVERIFY(list.currentIndex() == 2 && !list.view()->isVisible());
        gMainpage->showPage(&one, gWelcomePage);
    }

    // A caption keeps 8 px or more from each end of its button, clear of the face's rounded end, whether the button
    // fits it or grows for it: where its letters are drawn, otherwise than the face alone. A row's last button keeps
    // its right end; a column's buttons grow alike, each keeping its middle.
    void captionRoom_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("grows");
        QTest::addColumn<bool>("column");  // under a button whose caption fits
        QTest::newRow("fits") << "OK" << false << false;
        QTest::newRow("English, grown") << "Install the viewer software" << true << false;
        QTest::newRow("Russian, grown") << QString::fromUtf8("Только локально") << true << false;
        QTest::newRow("Greek, grown") << QString::fromUtf8("Όχι, ευχαριστώ") << true << false;
        QTest::newRow("column, fits") << "OK" << false << true;
        QTest::newRow("column, grown") << QString::fromUtf8("Только локально") << true << true;
    }
    void captionRoom()
    {
        QFETCH(QString, caption);
        QFETCH(bool, grows);
        QFETCH(bool, column);
        QWidget parent;
        parent.resize(400, 60);
        QPushButton button(&parent), above(&parent);
        for (QPushButton* one : {&button, &above})
            one->setStyleSheet(MessageBoxPage::whiteButtonStyle());
        button.setText(caption);
        above.setText("OK");
        button.setGeometry(200, 30, 111, 24);
        above.setGeometry(200, 0, 111, 24);
        if (column)
            MessageBoxPage::fitButtonColumn({&button, &above});
        else
            MessageBoxPage::fitButtonRow({&button});
        QCOMPARE(button.width() > 111, grows);
        QCOMPARE(column ? button.geometry().center().x() : button.geometry().right(), column ? 255 : 310);
        QCOMPARE(above.geometry(), column ? QRect(button.x(), 0, button.width(), 24) : QRect(200, 0, 111, 24));
        const QImage with = button.grab().toImage();
        button.setText(QString());
        const QImage without = button.grab().toImage();
        int left = button.width(), right = -1;
        for (int x = 0; x < with.width(); ++x)
            for (int y = 0; y < with.height(); ++y)
                if (with.pixel(x, y) != without.pixel(x, y))
                    left = std::min(left, x), right = std::max(right, x);
        QVERIFY2(left >= 8 && button.width() - 1 - right >= 8,
                 qPrintable(QString("%1 and %2 px from the ends").arg(left).arg(button.width() - 1 - right)));
    }

    // A text broken into lines for a wider room flows in its own: a line break between words becomes a space, none
    // beside a space or a Chinese or Japanese character, whose lines break anywhere; a blank line stays.
    void flowingText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("flowing");
        QTest::newRow("beside a space") << "setting this<br> camera up"
                                        << "setting this camera up";
        QTest::newRow("between words") << "these features,<br>please"
                                       << "these features, please";
        QTest::newRow("written otherwise") << "this<BR/>camera<br />up"
                                           << "this camera up";
        QTest::newRow("a blank line") << "view camera.<br><br>If you"
                                      << "view camera.<br><br>If you";
        QTest::newRow("at the ends") << "<br>camera<br>"
                                     << "camera";
        QTest::newRow("Japanese") << QString::fromUtf8("設定すると、<br>olvaris サービスを<br>リモート")
                                  << QString::fromUtf8("設定すると、olvaris サービスをリモート");
        QTest::newRow("Korean, spaced") << QString::fromUtf8("전용으로<br>설정하면")
                                        << QString::fromUtf8("전용으로 설정하면");
    }
    void flowingText()
    {
        QFETCH(QString, text);
        QTEST(MessageBoxPage::flowingText(text), "flowing");
    }

    // A flowing text beside a picture keeps its room's width, but where a Chinese paragraph would end on a line of
    // one letter: it narrows until the paragraph's last line holds two letters or more.
    void flowingContent_data()
    {
        QTest::addColumn<int>("beyond");  // letters past a full line, before "。"
        QTest::addColumn<bool>("narrowed");
        QTest::newRow("one letter past a full line") << 1 << true;
        QTest::newRow("two letters past it") << 2 << false;
        QTest::newRow("one line") << -3 << false;
    }
    void flowingContent()
    {
        QFETCH(int, beyond);
        QFETCH(bool, narrowed);
        const QChar letter(0x6444);  // 摄
        const int width = 264;
        const QFont font = MessageBoxPage(gMainpage).ui->msgBoxContent_Label->font();
        const auto lines = [&](const QString& text, int at) {  // the lines of the text as the popup lays it out
            QTextDocument doc;
            doc.setDefaultFont(font);
            doc.setHtml(MessageBoxPage::richText(text));
            doc.setDocumentMargin(0);
            doc.setTextWidth(at);
            doc.documentLayout()->documentSize();  // lays the lines out now
            QStringList shown;
            for (int index = 0; index < doc.begin().layout()->lineCount(); ++index) {
                const QTextLine line = doc.begin().layout()->lineAt(index);
                shown << doc.begin().text().mid(line.textStart(), line.textLength()).trimmed();
            }
            return shown;
        };
        int perLine = 1;
        while (lines(QString(perLine + 1, letter), width).size() == 1)
            ++perLine;
        const QString paragraph = QString(perLine + beyond, letter) + QString::fromUtf8("。");
        MessageBoxPage* popup = MessageBoxPage::build(gMainpage, "flowingMsgBox", 618, 400)
                                    .flowingContent(paragraph + "<br><br>" + paragraph, {80, 100, width, 200})
                                    .open();
        const int shownWidth = popup->ui->msgBoxContent_Label->width();
        QCOMPARE(shownWidth < width, narrowed);
        for (const QString& line : lines(paragraph + "<br><br>" + paragraph, shownWidth))
            QVERIFY2(line.isEmpty() || line.count(letter) > 1, qPrintable(line));
        MessageBoxPage::closeByName(gMainpage, "flowingMsgBox");
    }

    void exitPopupOpenedOnce()
    {
        // Closing the window is refused and asks instead, with one popup however often it is tried.
        QVERIFY(!gMainpage->close());
        QVERIFY(!gMainpage->close());
        gMainpage->popupExit();
        QCOMPARE(gMainpage->findChildren<MessageBoxPage*>(kExitPopupName).size(), 1);
        QVERIFY(gMainpage->isVisible());
    }
};

QTEST_MAIN(TestShellFrame)
#include "tst_shell_frame.moc"
