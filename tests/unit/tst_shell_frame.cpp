#include <QLabel>
#include <QtTest>

#include "base/globals.h"
#include "shell/exitpopup.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"

class TestShellFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createWizardForTests();
        gMainpage->show();
        QVERIFY(QTest::qWaitForWindowExposed(gMainpage));
    }

    void cleanup()
    {
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        frameWidget("lockScreenLabel")->hide();
    }

    // A popup dims both windows; closing by name lifts both dimmings, found (a descendant in a page)
    // or not (another name).
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
                QVERIFY(frameWidget("lockScreenLabel")->isHidden() && launcher.lockScreenLabel->isHidden());
                QCOMPARE(popup.isNull(), inPage);
            }
            QVERIFY(!gLauncher);  // later popups must not reach a Launcher that is gone
            delete popup;
        }
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
