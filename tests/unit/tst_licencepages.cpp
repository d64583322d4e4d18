// The licence page and the no-Internet page: the licence gate, the guide's model list,
// Back, and the no-Internet page's three roads.
#include <QtTest>

#include <QComboBox>
#include <QUdpSocket>

#include "dcputils.h"
#include "globals.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"

using StringMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(StringMap)

namespace {

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

bool dcpPortHeld()
{
    QUdpSocket probe;
    return !probe.bind(QHostAddress::Any, 5978);
}

// Runs action inside the application's event loop and returns the code the loop ended
// with (99: it did not end).
int exitCodeOf(const std::function<void()>& action)
{
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, action);
    start.start(0);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(5000);
    return QCoreApplication::exec();
}

} // namespace

class TestLicencePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void licenceGate_data();
    void licenceGate();
    void modelOrder_data();
    void modelOrder();
    void agreeLeadsToTheGuide_data();
    void agreeLeadsToTheGuide();
    void backLeavesLocalOnlyMode();
    void exitRoads_data();
    void exitRoads();
    void localOnlyPopup_data();
    void localOnlyPopup();
    void retry();
    void exitPopupNo_data();
    void exitPopupNo();
};

void TestLicencePages::initTestCase()
{
    createWizardForTests();
}

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
    QTest::newRow("ticked again") << 3 << true << "btn_blue.png";
}

void TestLicencePages::licenceGate()
{
    QFETCH(int, clicks);
    QFETCH(bool, enabled);
    QFETCH(QString, picture);

    AgreementPage page;
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(page.ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
    QCOMPARE(page.ui->agreementNext_PushButton->isEnabled(), enabled);
    QVERIFY2(page.ui->agreementNext_PushButton->styleSheet().contains("/" + picture),
             qPrintable(page.ui->agreementNext_PushButton->styleSheet()));

    // A click on a disabled "I Agree" goes nowhere.
    gMainpage->showPage(nullptr, &page);
    gCameraConnectionPage->hide();
    QTest::mouseClick(page.ui->agreementNext_PushButton, Qt::LeftButton);
    QCOMPARE(gCameraConnectionPage->isHidden(), !enabled);
    gCameraConnectionPage->hide();
}

void TestLicencePages::modelOrder_data()
{
    QTest::addColumn<StringMap>("routes");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("current");

    QTest::newRow("prompt first, models ascending")
        << StringMap{{"Choose your model", "0"}, {"VKC-4710", "2"}, {"VKC-3100", "1"}}
        << QStringList{"Choose your model", "VKC-3100", "VKC-4710"} << 0;
    QTest::newRow("other prefix goes on top")
        << StringMap{{"Choose your model", "0"}, {"VKC-1", "1"}, {"OLV-800", "1"}}
        << QStringList{"OLV-800", "Choose your model", "VKC-1"} << 0;
    QTest::newRow("prefix is case-sensitive")
        << StringMap{{"Choose your model", "0"}, {"vkc-2", "1"}, {"VKC-1", "5"}}
        << QStringList{"vkc-2", "Choose your model", "VKC-1"} << 0;
    QTest::newRow("only models: first one current")
        << StringMap{{"VKC-2", "2"}, {"VKC-1", "1"}} << QStringList{"VKC-1", "VKC-2"} << 0;
    QTest::newRow("empty map") << StringMap() << QStringList() << -1;
}

void TestLicencePages::modelOrder()
{
    QFETCH(StringMap, routes);
    QFETCH(QStringList, list);
    QFETCH(int, current);

    QComboBox combo;
    combo.addItems({"stale", "entries"});
    fillModelChoice(&combo, routes);
    QCOMPARE(items(&combo), list);
    QCOMPARE(combo.currentIndex(), current);
}

void TestLicencePages::agreeLeadsToTheGuide_data()
{
    QTest::addColumn<bool>("localOnly");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("catalogue models") << false
                                      << QStringList{"Choose your model", "VKC-2100", "VKC-5010W"};
    QTest::newRow("local only") << true
                                << QStringList{"Choose your connection type", "Ethernet", "POE(Power Over Ethernet)",
                                               "PLC(Power Line Communication)", "Direct Connection"};
}

void TestLicencePages::agreeLeadsToTheGuide()
{
    QFETCH(bool, localOnly);
    QFETCH(QStringList, list);

    ModelRouteMap = {{"Choose your model", "0"}, {"VKC-5010W", "5"}, {"VKC-2100", "1"}};
    isLocalView = localOnly;
    gMainpage->ui->mainProgress_Label->hide();
    QTest::mouseClick(gAgreementPage->ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
    QTest::mouseClick(gAgreementPage->ui->agreementNext_PushButton, Qt::LeftButton);

    Ui_CameraConnectionPage* guide = gCameraConnectionPage->ui;
    QCOMPARE(items(guide->cconnection_ComboBox), list);
    QCOMPARE(guide->cconnection_ComboBox->currentIndex(), 0);
    QVERIFY(gAgreementPage->isHidden());
    QVERIFY(!gCameraConnectionPage->isHidden());
    QCOMPARE(guide->cconnectionHWVersion_ComboBox->isHidden(), true);
    QCOMPARE(gConnectionTypeLocalView->isHidden(), !localOnly);
    QCOMPARE(gConnectionTypeDefault->isHidden(), localOnly);
    QVERIFY(!gMainpage->ui->mainProgress_Label->isHidden());
    QVERIFY(gMainpage->ui->mainProgress_Label->styleSheet().contains("step_01.png"));
    QCOMPARE(gMainpage->ui->mainProgressContent_Label->text(), QString("Let's connect the camera to your network"));
    // The box stays ticked for a return from the guide.
    QVERIFY(gAgreementPage->ui->agreementCheck_CheckBox->isChecked());
    gCameraConnectionPage->hide();
}

void TestLicencePages::backLeavesLocalOnlyMode()
{
    isLocalView = true;
    gWelcomePage->bindingDCP();
    QVERIFY(dcpPortHeld());
    QTest::mouseClick(gAgreementPage->ui->agreementCheck_CheckBox, Qt::LeftButton, {}, QPoint(5, 9));
    gMainpage->ui->mainProgress_Label->show();
    gMainpage->ui->mainProgressContent_Label->show();
    gMainpage->ui->mainZero_Label->hide();

    QTest::mouseClick(gAgreementPage->ui->agreementPrev_PushButton, Qt::LeftButton);

    QVERIFY(!isLocalView);
    QVERIFY(!dcpPortHeld());
    QVERIFY(!gAgreementPage->ui->agreementCheck_CheckBox->isChecked());
    QVERIFY(!gAgreementPage->ui->agreementNext_PushButton->isEnabled());
    QVERIFY(gMainpage->ui->mainProgress_Label->isHidden());
    QVERIFY(gMainpage->ui->mainProgressContent_Label->isHidden());
    QVERIFY(!gMainpage->ui->mainZero_Label->isHidden());
    QVERIFY(gAgreementPage->isHidden());
    QVERIFY(!gWelcomePage->isHidden());
}

void TestLicencePages::exitRoads_data()
{
    QTest::addColumn<bool>("viaPopup");
    QTest::newRow("Exit ends at once") << false;
    QTest::newRow("exit popup Yes") << true;
}

void TestLicencePages::exitRoads()
{
    QFETCH(bool, viaPopup);
    const int code = exitCodeOf([viaPopup] {
        if (!viaPopup) {
            QTest::mouseClick(gOppsPage->ui->oppsExit_PushButton, Qt::LeftButton);
            return;
        }
        gOppsPage->popupExit();
        auto* popup = gOppsPage->findChild<MessageBoxPage*>("exitWarning");
        QTest::mouseClick(popup->ui->msgBoxLeftBtn_Button, Qt::LeftButton);
    });
    QCOMPARE(code, 0);
    QVERIFY(gMainpage->findChildren<MessageBoxPage*>().isEmpty());
}

void TestLicencePages::localOnlyPopup_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("localOnly");

    QTest::newRow("Next") << "msgBoxRightBtn_Button" << true;
    QTest::newRow("Cancel") << "msgBoxLeftBtn_Button" << false;
    QTest::newRow("close") << "msgBoxClose_Button" << false;
}

void TestLicencePages::localOnlyPopup()
{
    QFETCH(QString, button);
    QFETCH(bool, localOnly);

    gMainpage->showPage(nullptr, gOppsPage);
    QTest::mouseClick(gOppsPage->ui->oppsLocalView_PushButton, Qt::LeftButton);
    auto* popup = gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning");
    QVERIFY(popup);
    QCOMPARE(popup->geometry(), QRect(91, 125, 618, 400));
    QVERIFY(gMainpage->lockScreenLabel->isVisibleTo(gMainpage));

    QTest::mouseClick(popup->findChild<QPushButton*>(button), Qt::LeftButton);

    QVERIFY(!gMainpage->findChild<MessageBoxPage*>("useLocalViewWarning"));
    QVERIFY(!gMainpage->lockScreenLabel->isVisibleTo(gMainpage));
    QCOMPARE(isLocalView, localOnly);
    QCOMPARE(gWelcomePage->checkWizardInternetTimer->isActive(), localOnly);
    QCOMPARE(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage), localOnly);
    if (localOnly)
        QCOMPARE(gWelcomePage->checkWizardInternetTimer->interval(), 1000);
    QVERIFY(!gOppsPage->isHidden());
}

void TestLicencePages::retry()
{
    gMainpage->showPage(nullptr, gOppsPage);
    gWelcomePage->waitWizardInternetNumber = 1;
    QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
    QVERIFY(gWelcomePage->checkWizardInternetTimer->isActive());
    QCOMPARE(gWelcomePage->checkWizardInternetTimer->interval(), 1000);
    QVERIFY(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
    QVERIFY(gMainpage->loadingTimer->isActive());
    QVERIFY(!isLocalView);
    QVERIFY(!gOppsPage->isHidden());
    // No reset: the check goes on from where it stood.
    QCOMPARE(gWelcomePage->waitWizardInternetNumber, 1);
}

void TestLicencePages::exitPopupNo_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("No") << "msgBoxRightBtn_Button";
    QTest::newRow("close") << "msgBoxClose_Button";
}

void TestLicencePages::exitPopupNo()
{
    QFETCH(QString, button);
    gOppsPage->resize(800, 500);
    gOppsPage->popupExit();
    auto* popup = gOppsPage->findChild<MessageBoxPage*>("exitWarning");
    QVERIFY(popup);
    QCOMPARE(popup->geometry(), QRect(91, 125, 618, 250));
    // The blue "No" stands left of the white "Yes".
    QCOMPARE(popup->ui->msgBoxRightBtn_Button->text(), QString("No"));
    QVERIFY(popup->ui->msgBoxRightBtn_Button->x() < popup->ui->msgBoxLeftBtn_Button->x());
    QTest::mouseClick(popup->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(!gOppsPage->findChild<MessageBoxPage*>("exitWarning"));
    QVERIFY(!gMainpage->lockScreenLabel->isVisibleTo(gMainpage));
}

QTEST_MAIN(TestLicencePages)
#include "tst_licencepages.moc"
