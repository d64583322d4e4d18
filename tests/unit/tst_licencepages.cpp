// The licence page and the no-Internet page: the licence gate, the guide's model list,
// Back, and the no-Internet page's three roads.
#include <QtTest>

#include "shell/globals.h"
#include "welcometestkit.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"

namespace {

void tickLicenceBox(AgreementPage* page)
{
    QTest::mouseClick(page->ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
}

} // namespace

class TestLicencePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }
    void init();
    void cleanup();

    void licenceGate_data();
    void licenceGate();
    void backLeavesLocalOnlyMode();
    void noInternetRoads_data();
    void noInternetRoads();
    void exitEndsTheLoop();
};

void TestLicencePages::init()
{
    isLocalView = false;
    gAgreementPage->ui->agreementCheck_CheckBox->setChecked(false);
    gAgreementPage->acceptAgreementCheckBox();
    gMainpage->showPage(nullptr, gAgreementPage);
}

void TestLicencePages::cleanup()
{
    gWelcomePage->resetCheckingParameter();
    gWelcomePage->unbindingDCP();
    gMainpage->hideBusy();
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    gMainpage->lockScreenLabel->hide();
}

void TestLicencePages::licenceGate_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("picture");

    QTest::newRow("fresh page") << 0 << false << "btn_blue_disable.png";
    QTest::newRow("ticked") << 1 << true << "btn_blue.png";
    QTest::newRow("ticked and unticked") << 2 << false << "btn_blue_disable.png";
}

void TestLicencePages::licenceGate()
{
    QFETCH(int, clicks);
    QFETCH(bool, enabled);
    QFETCH(QString, picture);

    AgreementPage page;
    for (int i = 0; i < clicks; ++i)
        tickLicenceBox(&page);
    QCOMPARE(page.ui->agreementNext_PushButton->isEnabled(), enabled);
    QVERIFY(page.ui->agreementNext_PushButton->styleSheet().contains("/" + picture));
}

void TestLicencePages::backLeavesLocalOnlyMode()
{
    isLocalView = true;
    gWelcomePage->bindingDCP();
    QVERIFY(dcpPortHeld());
    tickLicenceBox(gAgreementPage);
    gMainpage->ui->mainProgress_Label->show();
    gAgreementPage->enter();
    QVERIFY(gMainpage->ui->mainZero_Label->isHidden());

    QTest::mouseClick(gAgreementPage->ui->agreementPrev_PushButton, Qt::LeftButton);

    QVERIFY(!isLocalView);
    QVERIFY(!dcpPortHeld());
    QVERIFY(!gAgreementPage->ui->agreementCheck_CheckBox->isChecked());
    QVERIFY(gMainpage->ui->mainProgress_Label->isHidden());
    QVERIFY(!gMainpage->ui->mainZero_Label->isHidden());
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
        QCOMPARE(popup->geometry(), QRect(91, 125, 618, 400));
        QTest::mouseClick(popup->findChild<QPushButton*>(popupButton), Qt::LeftButton);
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning"));
        QVERIFY(!gMainpage->lockScreenLabel->isVisibleTo(gMainpage));
    }

    QCOMPARE(isLocalView, localOnly);
    QCOMPARE(gWelcomePage->checkWizardInternetTimer->isActive(), checking);
    QCOMPARE(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage), checking);
    if (checking)
        QCOMPARE(gWelcomePage->checkWizardInternetTimer->interval(), 1000);
    // No reset: the check goes on from where it stood.
    QCOMPARE(gWelcomePage->waitWizardInternetNumber, 1);
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
