// The licence page and the no-Internet page.
#include <QtTest>

#include "shell/globals.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcometestkit.h"

static void tickLicenceBox(AgreementPage* page)
{
    QTest::mouseClick(page->ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
}

class TestLicencePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }
    void init();
    void cleanup();
    void nextOnlyWhenTicked();
    void backLeavesLocalOnlyMode();
    void noInternetRoads_data();
    void noInternetRoads();
    void exitEndsTheLoop();
};

void TestLicencePages::init()
{
    QVERIFY(resetWelcomePage());
    gAgreementPage->ui->agreementCheck_CheckBox->setChecked(false);
    gAgreementPage->acceptAgreementCheckBox();
    gMainpage->showPage(nullptr, gAgreementPage);
}

void TestLicencePages::cleanup()
{
    QVERIFY(resetWelcomePage());
}

void TestLicencePages::nextOnlyWhenTicked()
{
    AgreementPage page;
    QVERIFY(!page.ui->agreementNext_PushButton->isEnabled());
    tickLicenceBox(&page);
    QVERIFY(page.ui->agreementNext_PushButton->isEnabled());
    tickLicenceBox(&page);
    QVERIFY(!page.ui->agreementNext_PushButton->isEnabled());
}

void TestLicencePages::backLeavesLocalOnlyMode()
{
    isLocalView = true;
    gWelcomePage->bindingDCP();
    QVERIFY(dcpPortHeld());
    tickLicenceBox(gAgreementPage);
    gAgreementPage->enter();
    QTest::mouseClick(gAgreementPage->ui->agreementPrev_PushButton, Qt::LeftButton);

    QVERIFY(!isLocalView);
    QVERIFY(!dcpPortHeld());
    QVERIFY(!gAgreementPage->ui->agreementCheck_CheckBox->isChecked());
    QVERIFY(gAgreementPage->isHidden());
    QVERIFY(!gWelcomePage->isHidden());
}

void TestLicencePages::noInternetRoads_data()
{
    QTest::addColumn<QString>("popupButton");  // in the local-only popup; empty: Retry
    QTest::addColumn<bool>("localOnly");
    QTest::addColumn<bool>("checking");

    QTest::newRow("Retry") << "" << false << true;
    QTest::newRow("Local Only, Next") << "msgBoxRightBtn_Button" << true << true;
    QTest::newRow("Local Only, Cancel") << "msgBoxLeftBtn_Button" << false << false;
}

void TestLicencePages::noInternetRoads()
{
    QFETCH(QString, popupButton);
    QFETCH(bool, localOnly);
    QFETCH(bool, checking);

    gMainpage->showPage(nullptr, gOppsPage);
    gWelcomePage->waitWizardInternetNumber = 1;
    if (popupButton.isEmpty()) {
        QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
    } else {
        QTest::mouseClick(gOppsPage->ui->oppsLocalView_PushButton, Qt::LeftButton);
        auto* popup = gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning");
        QVERIFY(popup);
        QTest::mouseClick(popup->findChild<QPushButton*>(popupButton), Qt::LeftButton);
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning"));
        QVERIFY(!gMainpage->lockScreenLabel->isVisibleTo(gMainpage));
    }
    QCOMPARE(isLocalView, localOnly);
    QCOMPARE(gWelcomePage->checkWizardInternetTimer->isActive(), checking);
    QCOMPARE(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage), checking);
    QCOMPARE(gWelcomePage->waitWizardInternetNumber, 1);  // the check goes on from where it stood
}

void TestLicencePages::exitEndsTheLoop()
{
    QTimer::singleShot(0, [] { QTest::mouseClick(gOppsPage->ui->oppsExit_PushButton, Qt::LeftButton); });
    QTimer limit;
    connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestLicencePages)
#include "tst_licencepages.moc"
