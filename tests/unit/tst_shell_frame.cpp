#include <QtTest>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "config.h"
#include "exitpopup.h"
#include "globals.h"
#include "launcher.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"

class TestShellFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void popupFormOrder();
    void popupConstruction_data();
    void popupConstruction();
    void popupShowsBothDimmingLabels();
    void closeByName_data();
    void closeByName();
    void pageAddedOnce_data();
    void pageAddedOnce();
    void overlayStaysOnTop_data();
    void overlayStaysOnTop();
    void busyOverlay();
    void exitPopupLayout_data();
    void exitPopupLayout();
    void exitPopupOpenedOnce_data();
    void exitPopupOpenedOnce();
    void exitPopupNo_data();
    void exitPopupNo();
    void exitPopupYesEndsLoopWithZero();
    void launcherExitPopup();
};

void TestShellFrame::initTestCase()
{
    createWizardForTests();
    gMainpage->show();
    QVERIFY(QTest::qWaitForWindowExposed(gMainpage));
}

void TestShellFrame::cleanup()
{
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    gMainpage->lockScreenLabel->hide();
    gMainpage->hideBusy();
}

void TestShellFrame::popupFormOrder()
{
    // The form's members stand in the order the pages rely on.
    Ui_MessageBoxPage* ui = nullptr;
    const quintptr order[] = {
        quintptr(&ui->msgBoxClose_Button), quintptr(&ui->msgBoxTitile_Label),
        quintptr(&ui->msgBoxBackground_Label), quintptr(&ui->msgBoxTitleImage_Label),
        quintptr(&ui->msgBoxLeftBtn_Button), quintptr(&ui->msgBoxRightBtn_Button),
        quintptr(&ui->msgBoxContent_Label), quintptr(&ui->msgBoxImageLabel),
        quintptr(&ui->msgBoxContent2_Label)};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        QVERIFY2(order[i - 1] < order[i], qPrintable(QString("member %1").arg(i)));
}

void TestShellFrame::popupConstruction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("close") << "msgBoxClose_Button" << "QPushButton" << false;
    QTest::newRow("title") << "msgBoxTitile_Label" << "QLabel" << false;
    QTest::newRow("background") << "msgBoxBackground_Label" << "QLabel" << false;
    QTest::newRow("title image") << "msgBoxTitleImage_Label" << "QLabel" << true;
    QTest::newRow("left") << "msgBoxLeftBtn_Button" << "QPushButton" << true;
    QTest::newRow("right") << "msgBoxRightBtn_Button" << "QPushButton" << true;
    QTest::newRow("content") << "msgBoxContent_Label" << "QLabel" << true;
    QTest::newRow("image") << "msgBoxImageLabel" << "QLabel" << true;
    QTest::newRow("content 2") << "msgBoxContent2_Label" << "QLabel" << true;
}

void TestShellFrame::popupConstruction()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(bool, hidden);

    MessageBoxPage* popup = new MessageBoxPage(gMainpage);
    QWidget* widget = popup->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(QString(widget->metaObject()->className()), className);
    QCOMPARE(widget->isHidden(), hidden);
    // A frameless, on-top child of the parent, not a window of its own.
    QCOMPARE(popup->parentWidget(), gMainpage);
    QVERIFY(!popup->isWindow());
    QVERIFY(popup->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!popup->windowIcon().isNull() || !QFile::exists(":/images/icon.ico"));
    // Nothing is connected: a click on any button leaves the popup in place.
    QTest::mouseClick(popup->ui->msgBoxClose_Button, Qt::LeftButton);
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>().size(), 1);
}

void TestShellFrame::popupShowsBothDimmingLabels()
{
    Launcher* launcher = new Launcher(ShellConfig());
    gLauncher = launcher;
    QVERIFY(launcher->lockScreenLabel->isHidden());
    MessageBoxPage* popup = new MessageBoxPage(gMainpage);
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
    QVERIFY(!launcher->lockScreenLabel->isHidden());
    MessageBoxPage::closeByName(gMainpage, "anything");
    delete popup;
    delete launcher;
    QVERIFY(!gLauncher);
    // With the Launcher gone a popup still opens.
    MessageBoxPage again(gMainpage);
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
}

void TestShellFrame::closeByName_data()
{
    QTest::addColumn<QString>("parentName");   // "" the main window, else a page's object name
    QTest::addColumn<QString>("popupName");
    QTest::addColumn<QString>("closeName");
    QTest::addColumn<bool>("found");

    QTest::newRow("main window child") << "" << "resetHintMsgBox" << "resetHintMsgBox" << true;
    QTest::newRow("descendant in a page") << "OppsPage" << "exitWarning" << "exitWarning" << true;
    QTest::newRow("other name") << "" << "resetHintMsgBox" << "ledHintMsgBox" << false;
    QTest::newRow("empty name") << "" << "resetHintMsgBox" << "" << false;
}

void TestShellFrame::closeByName()
{
    QFETCH(QString, parentName);
    QFETCH(QString, popupName);
    QFETCH(QString, closeName);
    QFETCH(bool, found);

    QWidget* parent = gMainpage;
    if (!parentName.isEmpty()) {
        gMainpage->showPage(gWelcomePage, gOppsPage);
        parent = gOppsPage;
    }
    QPointer<MessageBoxPage> popup = new MessageBoxPage(parent);
    popup->setObjectName(popupName);
    popup->show();
    QVERIFY(gMainpage->lockScreenLabel->isVisible());

    QCOMPARE(MessageBoxPage::closeByName(gMainpage, closeName), found);
    QVERIFY(gMainpage->lockScreenLabel->isHidden());  // hidden whether found or not
    QCOMPARE(popup.isNull(), found);
    delete popup;
    gMainpage->showPage(gOppsPage, gWelcomePage);
}

void TestShellFrame::pageAddedOnce_data()
{
    QTest::addColumn<int>("times");
    QTest::newRow("once") << 1;
    QTest::newRow("twice") << 2;
    QTest::newRow("back and forth") << 3;
}

void TestShellFrame::pageAddedOnce()
{
    QFETCH(int, times);

    QVBoxLayout* layout = gMainpage->ui->mainlLayout;
    for (int i = 0; i < times; ++i) {
        gMainpage->showPage(gWelcomePage, gAgreementPage);
        layout->addWidget(gAgreementPage, 0, Qt::Alignment());
        gMainpage->showPage(gAgreementPage, gWelcomePage);
        layout->addWidget(gWelcomePage, 0, Qt::Alignment());
    }
    int welcome = 0;
    int agreement = 0;
    for (int i = 0; i < layout->count(); ++i) {
        welcome += layout->itemAt(i)->widget() == gWelcomePage;
        agreement += layout->itemAt(i)->widget() == gAgreementPage;
    }
    QCOMPARE(welcome, 1);
    QCOMPARE(agreement, 1);
    QVERIFY(gWelcomePage->isVisible());
    QVERIFY(gAgreementPage->isHidden());
    QCOMPARE(gWelcomePage->geometry(), QRect(0, 0, 800, 500));
}

void TestShellFrame::overlayStaysOnTop_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QPoint>("point");

    QTest::newRow("busy, page centre") << true << QPoint(400, 350);
    QTest::newRow("busy, page corner") << true << QPoint(10, 110);
    QTest::newRow("dimmed, page corner") << false << QPoint(10, 110);
    QTest::newRow("dimmed, footer") << false << QPoint(780, 640);
}

void TestShellFrame::overlayStaysOnTop()
{
    QFETCH(bool, busy);
    QFETCH(QPoint, point);

    QLabel* cover = busy ? gMainpage->loadingMaskLabel : gMainpage->lockScreenLabel;
    cover->show();
    if (busy)
        gMainpage->loadingImageLabel->show();
    // Pages shown after the cover stay under it.
    for (auto [leaving, next] : {std::pair<QWidget*, QWidget*>(gWelcomePage, gOppsPage), {gOppsPage, gWelcomePage}}) {
        gMainpage->showPage(leaving, next);
        QWidget* top = gMainpage->childAt(point);
        QVERIFY2(top == cover || (busy && top == gMainpage->loadingImageLabel),
                 top ? qPrintable(top->objectName()) : "nothing");
    }
}

void TestShellFrame::busyOverlay()
{
    gMainpage->showBusy();
    QVERIFY(gMainpage->loadingMaskLabel->isVisible());
    QVERIFY(gMainpage->loadingImageLabel->isVisible());
    QVERIFY(gMainpage->loadingTimer->isActive());
    QCOMPARE(gMainpage->loadingTimer->interval(), 100);
    QCOMPARE(gMainpage->loadingTimer->parent(), gMainpage);
    gMainpage->hideBusy();
    QVERIFY(gMainpage->loadingMaskLabel->isHidden());
    QVERIFY(gMainpage->loadingImageLabel->isHidden());
    QVERIFY(!gMainpage->loadingTimer->isActive());
}

void TestShellFrame::exitPopupLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");   // "white", "blue" or ""

    QTest::newRow("background") << "msgBoxBackground_Label" << QRect(0, 0, 618, 250) << "" << "";
    QTest::newRow("title") << "msgBoxTitile_Label" << QRect(60, 30, 510, 30) << "Exit" << "";
    QTest::newRow("content") << "msgBoxContent_Label" << QRect(60, 60, 500, 100)
                             << "<p style=line-height:24px><font color=#666666>Do you really want to exit?</font></p>"
                             << "";
    QTest::newRow("blue No on the left") << "msgBoxRightBtn_Button" << QRect(360, 180, 111, 24) << "No" << "blue";
    QTest::newRow("white Yes on the right") << "msgBoxLeftBtn_Button" << QRect(480, 180, 111, 24) << "Yes"
                                            << "white";
}

void TestShellFrame::exitPopupLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, style);

    gMainpage->popupExit();
    MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
    QVERIFY(popup);
    QCOMPARE(popup->parentWidget(), gMainpage);
    QCOMPARE(popup->geometry(), QRect(91, 200, 618, 250));
    QCOMPARE(popup->minimumHeight(), 250);
    QCOMPARE(popup->maximumHeight(), 250);
    QVERIFY(popup->isVisible());
    QVERIFY(popup->ui->msgBoxImageLabel->isHidden());

    QWidget* widget = popup->findChild<QWidget*>(name);
    QVERIFY(widget && widget->isVisible());
    QCOMPARE(widget->geometry(), geometry);
    if (auto label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    if (auto button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
        QCOMPARE(button->styleSheet(),
                 style == "blue" ? MessageBoxPage::blueButtonStyle() : MessageBoxPage::whiteButtonStyle());
    }
}

void TestShellFrame::exitPopupOpenedOnce_data()
{
    QTest::addColumn<bool>("byClose");
    QTest::newRow("exit link slot") << false;
    QTest::newRow("window close") << true;
}

void TestShellFrame::exitPopupOpenedOnce()
{
    QFETCH(bool, byClose);
    for (int i = 0; i < 3; ++i) {
        if (byClose)
            QVERIFY(!gMainpage->close());  // the close is refused, the popup asks instead
        else
            gMainpage->popupExit();
    }
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>(kExitPopupName).size(), 1);
    QVERIFY(gMainpage->isVisible());
    QVERIFY(gMainpage->lockScreenLabel->isVisible());
}

void TestShellFrame::exitPopupNo_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("No") << "msgBoxRightBtn_Button";
    QTest::newRow("close cross") << "msgBoxClose_Button";
}

void TestShellFrame::exitPopupNo()
{
    QFETCH(QString, button);
    gMainpage->popupExit();
    MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
    QVERIFY(popup);
    QTest::mouseClick(popup->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(!gMainpage->findChild<MessageBoxPage*>(kExitPopupName));
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
    QVERIFY(gMainpage->isVisible());
    // It can be opened again.
    gMainpage->popupExit();
    QVERIFY(gMainpage->findChild<MessageBoxPage*>(kExitPopupName));
}

void TestShellFrame::exitPopupYesEndsLoopWithZero()
{
    gMainpage->popupExit();
    MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
    QVERIFY(popup);
    QEventLoop loop;
    QTimer::singleShot(0, popup, [popup] { QTest::mouseClick(popup->ui->msgBoxLeftBtn_Button, Qt::LeftButton); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 0);
}

void TestShellFrame::launcherExitPopup()
{
    Launcher launcher{ShellConfig()};
    gLauncher = &launcher;
    launcher.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    QVERIFY(!launcher.close());
    launcher.popupExit();
    QCOMPARE(launcher.findChildren<MessageBoxPage*>(kExitPopupName).size(), 1);
    QVERIFY(!gMainpage->findChild<MessageBoxPage*>(kExitPopupName));
    QVERIFY(launcher.lockScreenLabel->isVisible());
    QTest::mouseClick(launcher.findChild<MessageBoxPage*>(kExitPopupName)->ui->msgBoxRightBtn_Button,
                      Qt::LeftButton);
    QVERIFY(!launcher.findChild<MessageBoxPage*>(kExitPopupName));
    QVERIFY(launcher.lockScreenLabel->isHidden());
}

QTEST_MAIN(TestShellFrame)
#include "tst_shell_frame.moc"
