// The licence page and the no-Internet page.
#include <QtTest>

#include "base/globals.h"
#include "shell/exitpopup.h"
#include "shell/mainpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcometestkit.h"

class TestLicencePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void init()
    {
        QVERIFY(resetWelcomePage());
        gAgreementPage->ui->agreementCheck_CheckBox->setChecked(false);
        gAgreementPage->acceptAgreementCheckBox();
        gMainpage->showPage(nullptr, gAgreementPage);
    }

    void cleanup() { QVERIFY(resetWelcomePage()); }

    void backLeavesLocalOnlyMode()
    {
        isLocalView = true;
        gWelcomePage->bindingDCP();
        QVERIFY(dcpPortHeld());
        QTest::mouseClick(gAgreementPage->ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
        gAgreementPage->enter();
        QTest::mouseClick(gAgreementPage->ui->agreementPrev_PushButton, Qt::LeftButton);

        QVERIFY(!isLocalView);
        QVERIFY(!dcpPortHeld());
        QVERIFY(!gAgreementPage->ui->agreementCheck_CheckBox->isChecked());
        QVERIFY(gAgreementPage->isHidden());
        QVERIFY(!gWelcomePage->isHidden());
    }

    // "I Agree" follows the box through every click and is off again after Back and a new visit.
    void nextFollowsTheBox_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("entry") << 0 << false << false;
        QTest::newRow("ticked") << 1 << false << true;
        QTest::newRow("unticked again") << 2 << false << false;
        QTest::newRow("ticked, Back, new visit") << 1 << true << false;
    }
    void nextFollowsTheBox()
    {
        QFETCH(int, clicks);
        QFETCH(bool, back);
        QCheckBox* box = gAgreementPage->ui->agreementCheck_CheckBox;
        gAgreementPage->enter();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 9));
        if (back) {
            gAgreementPage->ui->agreementPrev_PushButton->click();
            gMainpage->showPage(gWelcomePage, gAgreementPage);
            gAgreementPage->enter();
        }
        QTEST(gAgreementPage->ui->agreementNext_PushButton->isEnabled(), "enabled");
        QCOMPARE(box->isChecked(), clicks % 2 == 1 && !back);
    }

    void noInternetRoads_data()
    {
        QTest::addColumn<QString>("popupButton");  // in the local-only popup; empty: Retry
        QTest::addColumn<bool>("localOnly");
        QTest::addColumn<bool>("checking");

        QTest::newRow("Retry") << "" << false << true;
        QTest::newRow("Local Only, Next") << "msgBoxRightBtn_Button" << true << true;
        QTest::newRow("Local Only, Cancel") << "msgBoxLeftBtn_Button" << false << false;
        QTest::newRow("exit question, No") << "exit" << false << false;
    }

    void noInternetRoads()
    {
        QFETCH(QString, popupButton);
        QFETCH(bool, localOnly);
        QFETCH(bool, checking);

        gMainpage->showPage(nullptr, gOppsPage);
        gWelcomePage->waitWizardInternetNumber = 1;
        if (popupButton.isEmpty()) {
            QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
        } else if (popupButton == "exit") {  // over the page, the dimming between them: Retry takes no click
            gOppsPage->popupExit();
            const QPoint retry = gOppsPage->ui->oppsRetry_PushButton->geometry().center();
            QCOMPARE(gMainpage->childAt(gOppsPage->mapTo(gMainpage, retry)), frameWidget("lockScreenLabel"));
            auto* question = gMainpage->findChild<MessageBoxPage*>(kExitPopupName);
            QTest::mouseClick(question->findChild<QPushButton*>("msgBoxRightBtn_Button"), Qt::LeftButton);  // No
            QVERIFY(!gMainpage->findChild<MessageBoxPage*>(kExitPopupName));
        } else {
            QTest::mouseClick(gOppsPage->ui->oppsLocalView_PushButton, Qt::LeftButton);
            auto* popup = gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning");
            QVERIFY(popup);
            // Its notice wraps beside its picture, in any language.
            QVERIFY(popup->ui->msgBoxContent_Label->geometry().right() < popup->ui->msgBoxImageLabel->x());
            QTest::mouseClick(popup->findChild<QPushButton*>(popupButton), Qt::LeftButton);
            QVERIFY(!gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning"));
            QVERIFY(!frameWidget("lockScreenLabel")->isVisibleTo(gMainpage));
        }
        QCOMPARE(isLocalView, localOnly);
        QCOMPARE(gWelcomePage->checkWizardInternetTimer->isActive(), checking);
        QCOMPARE(frameWidget("loadingMaskLabel")->isVisibleTo(gMainpage), checking);
        QCOMPARE(gWelcomePage->waitWizardInternetNumber, 1);  // the check goes on from where it stood
    }
};

QTEST_MAIN(TestLicencePages)
#include "tst_licencepages.moc"
