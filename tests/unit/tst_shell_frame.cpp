#include <QtTest>
#include <QLabel>

#include "shell/config.h"
#include "shell/exitpopup.h"
#include "shell/globals.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
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
    void closeByName_data();
    void closeByName();
    void pageAddedOnce();
    void overlayStaysOnTop_data();
    void overlayStaysOnTop();
    void exitPopupOpenedOnce();
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

void TestShellFrame::closeByName_data()
{
    QTest::addColumn<bool>("inPage");
    QTest::addColumn<QString>("closeName");
    QTest::addColumn<bool>("found");

    QTest::newRow("main window child") << false << "resetHintMsgBox" << true;
    QTest::newRow("descendant in a page") << true << "resetHintMsgBox" << true;
    QTest::newRow("other name") << false << "ledHintMsgBox" << false;
}

void TestShellFrame::closeByName()
{
    QFETCH(bool, inPage);
    QFETCH(QString, closeName);
    QFETCH(bool, found);

    QPointer<MessageBoxPage> popup;
    {
        Launcher launcher{ShellConfig()};
        gLauncher = &launcher;
        // A popup dims both windows; closing by name lifts both dimmings, found or not.
        popup = new MessageBoxPage(inPage ? static_cast<QWidget*>(gWelcomePage) : gMainpage);
        popup->setObjectName("resetHintMsgBox");
        QVERIFY(!gMainpage->lockScreenLabel->isHidden() && !launcher.lockScreenLabel->isHidden());
        QCOMPARE(MessageBoxPage::closeByName(gMainpage, closeName), found);
        QVERIFY(gMainpage->lockScreenLabel->isHidden() && launcher.lockScreenLabel->isHidden());
        QCOMPARE(popup.isNull(), found);
    }
    QVERIFY(!gLauncher);  // later popups must not reach a Launcher that is gone
    delete popup;
}

void TestShellFrame::pageAddedOnce()
{
    // Adding a page that is already in the frame moves it and never duplicates it.
    QVBoxLayout* layout = gMainpage->ui->mainlLayout;
    for (int i = 0; i < 2; ++i) {
        gMainpage->showPage(gWelcomePage, gAgreementPage);
        layout->addWidget(gAgreementPage, 0, Qt::Alignment());
        gMainpage->showPage(gAgreementPage, gWelcomePage);
    }
    int welcome = 0;
    int agreement = 0;
    for (int i = 0; i < layout->count(); ++i) {
        welcome += layout->itemAt(i)->widget() == gWelcomePage;
        agreement += layout->itemAt(i)->widget() == gAgreementPage;
    }
    QCOMPARE(welcome, 1);
    QCOMPARE(agreement, 1);
    QVERIFY(gAgreementPage->isHidden());
    QCOMPARE(gWelcomePage->geometry(), QRect(0, 0, 800, 500));
}

void TestShellFrame::overlayStaysOnTop_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QPoint>("point");

    QTest::newRow("busy overlay") << true << QPoint(400, 350);
    QTest::newRow("dimming label") << false << QPoint(10, 110);
}

void TestShellFrame::overlayStaysOnTop()
{
    QFETCH(bool, busy);
    QFETCH(QPoint, point);

    QLabel* cover = busy ? gMainpage->loadingMaskLabel : gMainpage->lockScreenLabel;
    cover->show();
    if (busy)
        gMainpage->loadingImageLabel->show();
    // A page added and shown after the cover stays under it.
    gMainpage->showPage(gWelcomePage, gOppsPage);
    QWidget* top = gMainpage->childAt(point);
    gMainpage->showPage(gOppsPage, gWelcomePage);
    QVERIFY(top == cover || (busy && top == gMainpage->loadingImageLabel));
}

void TestShellFrame::exitPopupOpenedOnce()
{
    // Closing the window is refused and asks instead, with one popup however often it is tried.
    QVERIFY(!gMainpage->close());
    QVERIFY(!gMainpage->close());
    gMainpage->popupExit();
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>(kExitPopupName).size(), 1);
    QVERIFY(gMainpage->isVisible());
}

QTEST_MAIN(TestShellFrame)
#include "tst_shell_frame.moc"
