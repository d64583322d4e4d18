// The hardware connection page: model and hardware-version choice, local-only sets,
// the roads of Next, Skip and Back.
#include <QtTest>

#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include "guidefixture.h"
#include "testsupport.h"

#include "apmode/apmodehosttodevice.h"
#include "setup/discoverypage.h"
#include "welcome/agreementpage.h"

using namespace GuideFixture;

namespace {
const char* const kNextEnabledStyle = "background-image: url(:/images/btn_blue.png);font-family:Verdana;font:12px;"
                                      "color:rgb(255,255,255);border: 0px;";
const char* const kNextDisabledStyle = "background-image: url(:/images/btn_blue_disable.png);font-family:Verdana;"
                                       "font:12px;color:rgb(255,255,255);border: 0px;";
const char* const kBanner = "background-image: url(:/images/step_01.png)";

bool artAvailable()
{
    return QFile::exists(":/images/icon_step_1.png") && QFile::exists(":/images/ct_ethernet.png");
}

// True once a discovery scan runs: the discovery page's timer or the busy animation.
bool scanRunning()
{
    for (QTimer* timer : gDiscoveryPage->findChildren<QTimer*>())
        if (timer->isActive())
            return true;
    return gMainpage->loadingTimer->isActive();
}

bool discoveryCanScan()
{
    return !gDiscoveryPage->findChildren<QTimer*>().isEmpty();
}

bool pageShown(QWidget* page)
{
    return !page->isHidden() && gMainpage->ui->mainlLayout->indexOf(page) >= 0;
}

QStringList items(QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

int badgesOnLocalPictures()
{
    return gConnectionTypeLocalView->findChildren<QLabel*>(QRegularExpression("^icon_step0[1-4]$")).size();
}
} // namespace

class TestGuidePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void modelChoice_data();
    void modelChoice();
    void unknownEntryChangesNothing();
    void stepPictures_data();
    void stepPictures();
    void connectionTypeChoice();
    void nestedListHandlerOrder();
    void versionListPerModel_data();
    void versionListPerModel();
    void versionPick_data();
    void versionPick();
    void versionPromptKeepsNext_data();
    void versionPromptKeepsNext();
    void versionListFilledByCodeRunsNoPick();
    void localModeIgnoresVersionPick();
    void localSets_data();
    void localSets();
    void localSwitchesKeepBadgeCount();
    void removeStepIcon_data();
    void removeStepIcon();
    void roads_data();
    void roads();
    void skip_data();
    void skip();
    void backLeavesEverything();
    void noLeakAcrossFiftySwitches();

private:
    QTemporaryDir clips;
};

void TestGuidePage::initTestCase()
{
    createWizardForTests();
    QVERIFY(clips.isValid());
    QVERIFY(writeClips(clips));
}

void TestGuidePage::init()
{
    fillCatalogue();
    enterModelMode();
    IPCameraList.clear();
}

void TestGuidePage::cleanup()
{
    for (QTimer* timer : gDiscoveryPage->findChildren<QTimer*>())
        timer->stop();
    gMainpage->hideBusy();
    isLocalView = false;
}

void TestGuidePage::modelChoice_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("versions");  // shown list; empty: hidden
    QTest::addColumn<QString>("support");

    QTest::newRow("prompt") << false << "Choose your model" << "Default" << false << true << QStringList() << "ALL";
    QTest::newRow("route 1, one version") << false << "TC-1100" << "ConnectionTypeOnlyOne" << true << false
                                          << QStringList() << "TC-1100";
    QTest::newRow("route 2, NA") << false << "TC-2100" << "ConnectionTypeMoreThanOne" << false << true
                                 << QStringList() << "TC-2100";
    QTest::newRow("route 5, NA") << false << "TC-5100" << "ConnectionTypeAPMode" << true << false << QStringList()
                                 << "TC-5100";
    QTest::newRow("route 1, two versions") << false << "TC-1200" << "DefaultHW" << true << true
                                           << QStringList{"H/W Version", "A1", "B1"} << "TC-1200";
    QTest::newRow("route 2, two versions") << false << "TC-2200" << "DefaultHW" << false << true
                                           << QStringList{"H/W Version", "A1", "B1"} << "TC-2200";
    QTest::newRow("route 5, two versions") << false << "TC-5200" << "DefaultHW" << true << false
                                           << QStringList{"H/W Version", "A1", "B1"} << "TC-5200";
    QTest::newRow("local, a type") << true << "PLC(Power Line Communication)" << "ConnectionTypeLocalView" << true
                                   << false << QStringList() << "ALL";
    QTest::newRow("local, prompt") << true << "Choose your connection type" << "ConnectionTypeLocalView" << false
                                   << true << QStringList() << "ALL";
}

void TestGuidePage::modelChoice()
{
    QFETCH(bool, local);
    QFETCH(QString, entry);
    QFETCH(QString, panel);
    QFETCH(bool, next);
    QFETCH(bool, skip);
    QFETCH(QStringList, versions);
    QFETCH(QString, support);

    if (local)
        enterLocalMode();
    // Start from another entry so that the choice is a change.
    if (local)
        selectEntry(entry == "Ethernet" ? "Direct Connection" : "Ethernet");
    else
        selectEntry(entry == "TC-1100" ? "TC-5100" : "TC-1100");
    supportType = "before";
    selectEntry(entry);

    QCOMPARE(hostedPanelName(), panel);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(page()->cconnectionNext_PushButton->styleSheet(), QString(next ? kNextEnabledStyle : kNextDisabledStyle));
    QCOMPARE(!page()->cconnectionSkip_PushButton->isHidden(), skip);
    QCOMPARE(!page()->cconnectionHWVersion_ComboBox->isHidden(), !versions.isEmpty());
    if (!versions.isEmpty()) {
        QCOMPARE(items(page()->cconnectionHWVersion_ComboBox), versions);
        QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentIndex(), 0);
    }
    QCOMPARE(supportType, support);
}

void TestGuidePage::unknownEntryChangesNothing()
{
    selectEntry("TC-1100");
    page()->cconnection_ComboBox->addItem("TC-9999");
    const int cellsBefore = gConnectionTypeOnlyOne->ui->gridLayout->count();
    selectEntry("TC-9999");

    QCOMPARE(hostedPanelName(), QString("ConnectionTypeOnlyOne"));
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
    QCOMPARE(supportType, QString("TC-1100"));
    QCOMPARE(gConnectionTypeOnlyOne->ui->gridLayout->count(), cellsBefore);
}

void TestGuidePage::stepPictures_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("cellsText");  // name:column:span:picture, joined by " "
    QTest::addColumn<int>("emptyBadgeFrom");  // first step whose badge is empty

    QTest::newRow("header alone") << "TC-1100" << "Ethernet" << "0:0:1:0" << 5;
    QTest::newRow("empty name between") << "TC-1100" << "PLC:a,,b" << "0:0:1:1 1:1:1:0 2:2:1:1" << 5;
    QTest::newRow("fifth badge empty") << "TC-1100" << "Ethernet:a,b,a,b,a"
                                       << "0:0:1:1 1:1:1:1 2:2:1:1 3:3:1:1 4:4:1:1" << 5;
    QTest::newRow("names are case-sensitive") << "TC-1100" << "POE:IA10,ia10" << "0:0:1:0 1:1:1:1" << 5;
    QTest::newRow("other types skipped in route 1") << "TC-1100" << "WPS:a,b" << "" << 5;
    QTest::newRow("access point spans two") << "TC-5100" << "APMode:wa10,wb10,wc10" << "0:0:2:1 1:1:2:1 2:2:2:1"
                                            << 5;
    QTest::newRow("route 5 skips WPS") << "TC-5100" << "WPS:wa10" << "" << 5;
}

void TestGuidePage::stepPictures()
{
    QFETCH(QString, model);
    QFETCH(QString, entry);
    QFETCH(QString, cellsText);
    QFETCH(int, emptyBadgeFrom);

    ConnectionTypeMap[model == "TC-1100" ? "TC-1100_A1" : "TC-5100_NA"] = QStringList{entry};
    selectEntry(model);
    QGridLayout* grid = model == "TC-1100" ? gConnectionTypeOnlyOne->ui->gridLayout
                                           : gConnectionTypeAPMode->ui->gridLayout;
    QStringList actual;
    for (const Cell& cell : cells(grid)) {
        actual << QString("%1:%2:%3:%4").arg(cell.name).arg(cell.column).arg(cell.columnSpan).arg(int(cell.picture));
        int row, column, rowSpan, span;
        grid->getItemPosition(actual.size() - 1, &row, &column, &rowSpan, &span);
        QCOMPARE(row, 0);
    }
    QCOMPARE(actual.join(' '), cellsText);

    // Every picture carries one badge at 3, 0; steps past the resources get an empty one.
    for (int i = 0; i < grid->count(); ++i) {
        const QList<QLabel*> badges = grid->itemAt(i)->widget()->findChildren<QLabel*>();
        QCOMPARE(badges.size(), 1);
        QCOMPARE(badges.first()->geometry(), QRect(3, 0, 21, 21));
        if (artAvailable())
            QCOMPARE(!badges.first()->pixmap()->isNull(), i + 1 < emptyBadgeFrom);
    }
}

void TestGuidePage::connectionTypeChoice()
{
    selectEntry("TC-2100");

    QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
    QCOMPARE(items(types), (QStringList{"Choose your connection type", "Ethernet", "Direct Connection",
                                        "POE(Power Over Ethernet)"}));
    QCOMPARE(types->currentIndex(), 0);
    QVERIFY(!types->isHidden());
    QStringList overview;
    for (const Cell& cell : cells(gConnectionTypeMoreThanOne->ui->gridLayout)) {
        overview << QString("%1:%2").arg(cell.name).arg(cell.column);
        if (artAvailable())
            QVERIFY(cell.picture);
    }
    QCOMPARE(overview.join(' '), QString("1:1 2:2 3:3"));
    QVERIFY(!page()->cconnectionNext_PushButton->isEnabled());
    QVERIFY(!page()->cconnectionSkip_PushButton->isHidden());
}

void TestGuidePage::nestedListHandlerOrder()
{
    selectEntry("TC-2200");  // fills the type list
    selectEntry("TC-1200");  // leaves "H/W Version" current
    LogRecorder log;
    selectEntry("TC-2100");

    // The list handler runs on the clear (-1) and on the prompt (0), inside the page's slot,
    // with the version list still on the previous model's text; then the page looks up its own key.
    const QStringList handlerIndexes = log.matching("02 Got ctype index changed :");
    QCOMPARE(handlerIndexes.size(), 2);
    QVERIFY(handlerIndexes.at(0).endsWith(" -1"));
    QVERIFY(handlerIndexes.at(1).endsWith(" 0"));
    QStringList keys;
    for (const QString& line : log.matching("05 supportTypeWithHWType :"))
        keys << QRegularExpression("\"(.*)\"").match(line).captured(1);
    QCOMPARE(keys, (QStringList{"TC-2100_H/W Version", "TC-2100_H/W Version", "TC-2100_NA"}));
    const int pageStart = log.lines.indexOf(log.matching("04 mockup :").first());
    QVERIFY(log.lines.indexOf(log.matching("02 Got ctype index changed :").first()) > pageStart);
    // What the nested run left stands: Skip shown, Next disabled.
    QVERIFY(!page()->cconnectionSkip_PushButton->isHidden());
    QVERIFY(!page()->cconnectionNext_PushButton->isEnabled());
}

void TestGuidePage::versionListPerModel_data()
{
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<bool>("shown");

    QTest::newRow("two, then one") << QStringList{"TC-1200", "TC-1100"} << QStringList{"A1"} << false;
    QTest::newRow("one, then two") << QStringList{"TC-1100", "TC-2200"} << QStringList{"H/W Version", "A1", "B1"}
                                   << true;
    QTest::newRow("two, then NA") << QStringList{"TC-5200", "TC-2100"} << QStringList{"NA"} << false;
    QTest::newRow("model missing from the versions") << QStringList{"TC-1200", "TC-1900"} << QStringList{""}
                                                     << false;
    QTest::newRow("back to the prompt") << QStringList{"TC-1200", "Choose your model"} << QStringList() << false;
}

void TestGuidePage::versionListPerModel()
{
    QFETCH(QStringList, models);
    QFETCH(QStringList, versions);
    QFETCH(bool, shown);

    ModelRouteMap["TC-1900"] = "1";
    enterModelMode();
    for (const QString& model : models)
        selectEntry(model);
    QCOMPARE(items(page()->cconnectionHWVersion_ComboBox), versions);
    QCOMPARE(!page()->cconnectionHWVersion_ComboBox->isHidden(), shown);
}

void TestGuidePage::versionPick_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("cellNames");

    QTest::newRow("route 1, B1") << "TC-1200" << "B1" << "ConnectionTypeOnlyOne" << true << false << "0 1 2";
    QTest::newRow("route 1, A1") << "TC-1200" << "A1" << "ConnectionTypeOnlyOne" << true << false << "0 1 2 3";
    QTest::newRow("route 2, B1") << "TC-2200" << "B1" << "ConnectionTypeMoreThanOne" << false << true << "1 2";
    QTest::newRow("route 5, B1") << "TC-5200" << "B1" << "ConnectionTypeAPMode" << true << false << "0 1";
    QTest::newRow("route 5, no entries") << "TC-5200" << "A1" << "ConnectionTypeAPMode" << true << false << "";
}

void TestGuidePage::versionPick()
{
    QFETCH(QString, model);
    QFETCH(QString, version);
    QFETCH(QString, panel);
    QFETCH(bool, next);
    QFETCH(bool, skip);
    QFETCH(QString, cellNames);

    selectEntry(model);
    supportType = "before";
    pickVersion(version);

    QCOMPARE(hostedPanelName(), panel);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(!page()->cconnectionSkip_PushButton->isHidden(), skip);
    QCOMPARE(supportType, model);
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentText(), version);
    QVERIFY(!page()->cconnectionHWVersion_ComboBox->isHidden());

    QGridLayout* grid = panel == "ConnectionTypeOnlyOne"   ? gConnectionTypeOnlyOne->ui->gridLayout
                        : panel == "ConnectionTypeAPMode" ? gConnectionTypeAPMode->ui->gridLayout
                                                          : gConnectionTypeMoreThanOne->ui->gridLayout;
    QStringList names;
    for (const Cell& cell : cells(grid))
        names << cell.name;
    QCOMPARE(names.join(' '), cellNames);

    // Picking it again rebuilds the same pictures, nothing more.
    pickVersion(version);
    QCOMPARE(grid->count(), cellNames.isEmpty() ? 0 : cellNames.split(' ').size());
    QCOMPARE(hostedPanelName(), panel);
}

void TestGuidePage::versionPromptKeepsNext_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("skip");

    QTest::newRow("route 1") << "TC-1200" << true << true;
    QTest::newRow("route 2") << "TC-2200" << false << true;
    QTest::newRow("route 5") << "TC-5200" << true << false;
}

void TestGuidePage::versionPromptKeepsNext()
{
    QFETCH(QString, model);
    QFETCH(bool, next);
    QFETCH(bool, skip);

    selectEntry(model);
    pickVersion("B1");
    supportType = "kept";
    pickVersion("H/W Version");

    QCOMPARE(hostedPanelName(), QString("DefaultHW"));
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(!page()->cconnectionSkip_PushButton->isHidden(), skip);
    QCOMPARE(supportType, QString("kept"));
    QVERIFY(gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips04->isHidden());
}

void TestGuidePage::versionListFilledByCodeRunsNoPick()
{
    LogRecorder log;
    for (const char* model : {"TC-1200", "TC-2200", "TC-1100", "TC-5200", "Choose your model"})
        selectEntry(model);
    QVERIFY(log.matching("select ......... ").isEmpty());
    pickVersion("");
    QCOMPARE(log.matching("select ......... ").size(), 1);
}

void TestGuidePage::localModeIgnoresVersionPick()
{
    selectEntry("TC-1200");
    enterLocalMode();
    selectEntry("Ethernet");
    page()->cconnectionHWVersion_ComboBox->addItems({"H/W Version", "A1", "B1"});
    const QString support = supportType;
    pickVersion("B1");
    pickVersion("H/W Version");
    QCOMPARE(hostedPanelName(), QString("ConnectionTypeLocalView"));
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
    QCOMPARE(supportType, support);
}

void TestGuidePage::localSets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("badges");
    QTest::addColumn<QString>("captions");  // shown captions 01..04 as "1"/"0"
    QTest::addColumn<int>("ledX");
    QTest::addColumn<bool>("fourthPicture");
    QTest::addColumn<bool>("next");

    QTest::newRow("ethernet") << "Ethernet" << 4 << "1111" << 536 << true << true;
    QTest::newRow("poe") << "POE(Power Over Ethernet)" << 4 << "1111" << 536 << true << true;
    QTest::newRow("plc") << "PLC(Power Line Communication)" << 4 << "1111" << 536 << true << true;
    QTest::newRow("direct") << "Direct Connection" << 3 << "1101" << 358 << false << true;
    QTest::newRow("prompt") << "Choose your connection type" << 0 << "0000" << -1 << true << false;
}

void TestGuidePage::localSets()
{
    QFETCH(QString, entry);
    QFETCH(int, badges);
    QFETCH(QString, captions);
    QFETCH(int, ledX);
    QFETCH(bool, fourthPicture);
    QFETCH(bool, next);

    enterLocalMode();
    selectEntry(entry == "Ethernet" ? "Direct Connection" : "Ethernet");
    supportType = "before";
    selectEntry(entry);

    Ui_ConnectionTypeLocalView* local = gConnectionTypeLocalView->ui;
    QCOMPARE(badgesOnLocalPictures(), badges);
    for (int n = 1; n <= badges; ++n) {
        QLabel* picture = gConnectionTypeLocalView->findChild<QLabel*>(QString("ConnectionType_IMG0%1").arg(n));
        QLabel* badge = picture->findChild<QLabel*>(QString("icon_step0%1").arg(n));
        QVERIFY(badge);
        QCOMPARE(badge->geometry(), QRect(3, 0, 21, 21));
    }
    QWidget* texts[] = {local->ConnectionTypeLocalToolTips01, local->ConnectionTypeLocalToolTips02,
                        local->ConnectionTypeLocalToolTips03, local->ConnectionTypeLocalToolTips04};
    QString shown;
    for (QWidget* text : texts)
        shown += text->isHidden() ? "0" : "1";
    QCOMPARE(shown, captions);
    if (ledX >= 0) {
        QCOMPARE(local->ConnectionTypeLocalToolTips01->geometry(), QRect(8, 186, 166, 74));
        QCOMPARE(local->ConnectionTypeLocalToolTips02->geometry(), QRect(183, 180, 166, 74));
        QCOMPARE(local->ConnectionTypeLocalToolTips04->geometry(), QRect(ledX, 192, 166, 74));
    }
    if (artAvailable()) {
        QVERIFY(!local->ConnectionType_IMG01->pixmap()->isNull());
        QCOMPARE(local->ConnectionType_IMG04->pixmap() && !local->ConnectionType_IMG04->pixmap()->isNull(),
                 fourthPicture);
    } else if (!fourthPicture) {
        QVERIFY(!local->ConnectionType_IMG04->pixmap() || local->ConnectionType_IMG04->pixmap()->isNull());
    }
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(page()->cconnectionSkip_PushButton->isHidden(), next);
    QCOMPARE(supportType, QString("ALL"));
    QCOMPARE(hostedPanelName(), QString("ConnectionTypeLocalView"));
}

void TestGuidePage::localSwitchesKeepBadgeCount()
{
    enterLocalMode();
    const QStringList order{"Ethernet", "POE(Power Over Ethernet)", "Direct Connection", "PLC(Power Line Communication)",
                            "Ethernet", "Direct Connection", "Choose your connection type", "Ethernet"};
    const QList<int> expected{4, 4, 3, 4, 4, 3, 0, 4};
    for (int i = 0; i < order.size(); ++i) {
        selectEntry(order.at(i));
        QCOMPARE(badgesOnLocalPictures(), expected.at(i));
    }
}

void TestGuidePage::removeStepIcon_data()
{
    QTest::addColumn<int>("badges");

    QTest::newRow("none") << 0;
    QTest::newRow("two of one name") << 2;
}

void TestGuidePage::removeStepIcon()
{
    QFETCH(int, badges);

    enterLocalMode();
    selectEntry("Choose your connection type");
    QLabel* second = gConnectionTypeLocalView->ui->ConnectionType_IMG02;
    for (int i = 0; i < badges; ++i)
        (new QLabel(second))->setObjectName("icon_step02");
    QPointer<QLabel> other = new QLabel(gConnectionTypeLocalView);
    other->setObjectName("icon_step02");  // not below a step picture

    LogRecorder log;
    gCameraConnectionPage->removeStepIcon();
    QCOMPARE(log.matching("del icon").size(), 1 + badges);
    QCOMPARE(log.matching("del icon02 ...").size(), badges);
    QVERIFY(!second->findChild<QLabel*>("icon_step02"));
    QVERIFY(other);
    delete other;
}

void TestGuidePage::roads_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("connectionType");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("support");
    QTest::addColumn<bool>("apFlow");
    QTest::addColumn<QString>("next");  // "ap", "discovery" or "stay"

    QTest::newRow("local direct") << true << "Direct Connection" << "" << false << "ALL" << true << "ap";
    QTest::newRow("local ethernet") << true << "Ethernet" << "" << false << "ALL" << false << "discovery";
    QTest::newRow("not in the catalogue") << false << "TC-9999" << "" << false << "before" << true << "stay";
    QTest::newRow("route 5") << false << "TC-5100" << "" << false << "TC-5100" << true << "ap";
    QTest::newRow("route 2, direct") << false << "TC-2100" << "Direct Connection" << false << "TC-2100" << true
                                     << "ap";
    QTest::newRow("route 2, ethernet") << false << "TC-2100" << "Ethernet" << false << "TC-2100" << false
                                       << "discovery";
    QTest::newRow("route 1") << false << "TC-1100" << "" << false << "TC-1100" << false << "discovery";
    QTest::newRow("skip") << false << "TC-5100" << "" << true << "ALL" << false << "discovery";
}

void TestGuidePage::roads()
{
    QFETCH(bool, local);
    QFETCH(QString, entry);
    QFETCH(QString, connectionType);
    QFETCH(bool, skip);
    QFETCH(QString, support);
    QFETCH(bool, apFlow);
    QFETCH(QString, next);

    if (local)
        enterLocalMode();
    page()->cconnection_ComboBox->addItem("TC-9999");
    selectEntry(entry);
    if (!connectionType.isEmpty()) {
        QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
        types->setCurrentIndex(types->findText(connectionType));
    }
    gAPModeHostToDevice->hide();
    gDiscoveryPage->hide();
    gMainpage->ui->mainProgress_Label->hide();
    gMainpage->ui->mainProgressContent_Label->hide();
    supportType = "before";
    isAPModeFlow = true;
    IPCameraList.append(IPCamera());
    IPCameraIdx = 0;

    (skip ? page()->cconnectionSkip_PushButton : page()->cconnectionNext_PushButton)->click();

    QCOMPARE(supportType, support);
    QCOMPARE(isAPModeFlow, apFlow);
    QCOMPARE(IPCameraIdx, 0);
    if (next == "stay") {
        QVERIFY(pageShown(gCameraConnectionPage));
        QCOMPARE(IPCameraList.size(), 1);
        QVERIFY(gMainpage->ui->mainProgress_Label->isHidden());
        return;
    }
    QVERIFY(IPCameraList.isEmpty());
    QVERIFY(gCameraConnectionPage->isHidden());
    QCOMPARE(pageShown(gAPModeHostToDevice), next == "ap");
    QCOMPARE(pageShown(gDiscoveryPage), next == "discovery");
    QVERIFY(!gMainpage->ui->mainProgress_Label->isHidden());
    QCOMPARE(gMainpage->ui->mainProgress_Label->styleSheet(), QString(kBanner));
    QVERIFY(!gMainpage->ui->mainProgressContent_Label->isHidden());
    QCOMPARE(gMainpage->ui->mainProgressContent_Label->text(), QString("Let's connect the camera to your network"));
    if (next == "ap")
        QVERIFY(!scanRunning());
    else if (discoveryCanScan())
        QVERIFY(scanRunning());
}

void TestGuidePage::skip_data()
{
    QTest::addColumn<QString>("entry");

    QTest::newRow("from the prompt") << "Choose your model";
    QTest::newRow("from a model with versions") << "TC-1200";
    QTest::newRow("from a route 2 model") << "TC-2100";
}

void TestGuidePage::skip()
{
    QFETCH(QString, entry);

    selectEntry(entry);
    page()->cconnectionSkip_PushButton->click();

    QCOMPARE(page()->cconnection_ComboBox->currentIndex(), 0);
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->count(), 0);
    QVERIFY(page()->cconnectionHWVersion_ComboBox->isHidden());
    QCOMPARE(hostedPanelName(), QString("Default"));
    QVERIFY(!page()->cconnectionNext_PushButton->isEnabled());
    QCOMPARE(supportType, QString("ALL"));
    QVERIFY(!isAPModeFlow);
    QVERIFY(pageShown(gDiscoveryPage));
}

void TestGuidePage::backLeavesEverything()
{
    selectEntry("TC-1200");
    pickVersion("B1");
    supportType = "TC-1200";
    isAPModeFlow = true;
    IPCameraList.append(IPCamera());
    gMainpage->ui->mainProgress_Label->show();
    gMainpage->ui->mainProgressContent_Label->show();

    page()->cconnectionPrev_PushButton->click();

    QVERIFY(gCameraConnectionPage->isHidden());
    QVERIFY(pageShown(gAgreementPage));
    QVERIFY(gMainpage->ui->mainProgress_Label->isHidden());
    QVERIFY(gMainpage->ui->mainProgressContent_Label->isHidden());
    QCOMPARE(supportType, QString("TC-1200"));
    QVERIFY(isAPModeFlow);
    QCOMPARE(IPCameraList.size(), 1);
    QCOMPARE(page()->cconnection_ComboBox->currentText(), QString("TC-1200"));
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentText(), QString("B1"));
    QCOMPARE(hostedPanelName(), QString("ConnectionTypeOnlyOne"));
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
}

void TestGuidePage::noLeakAcrossFiftySwitches()
{
    // A numbered label elsewhere in the window is none of the panels' pictures.
    QPointer<QLabel> foreign = new QLabel(gMainpage);
    foreign->setObjectName("1");
    const QStringList models{"TC-1100", "TC-2100", "TC-5100", "TC-1200", "TC-2200", "TC-5200", "Choose your model"};
    // Every label of the program, wherever it went.
    auto labels = [] {
        int count = 0;
        for (QWidget* widget : QApplication::allWidgets())
            count += qobject_cast<QLabel*>(widget) ? 1 : 0;
        return count;
    };

    int afterFirstRound = -1;
    for (int i = 0; i < 50; ++i) {
        selectEntry(models.at(i % models.size()));
        if (i % models.size() == 1) {
            QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
            types->setCurrentIndex(1 + i % (types->count() - 1));
        }
        if (i == models.size() - 1)
            afterFirstRound = labels();
        QCOMPARE(page()->cconnectionTypeLayout->count(), 1);
    }
    for (int i = 0; i < models.size() - 50 % models.size(); ++i)
        selectEntry(models.at((50 + i) % models.size()));
    QCOMPARE(labels(), afterFirstRound);
    QVERIFY(foreign);
    delete foreign;
}

QTEST_MAIN(TestGuidePage)
#include "tst_guidepage.moc"
