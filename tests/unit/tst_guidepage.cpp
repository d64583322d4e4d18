// The hardware connection guide: its entry from the licence, the model, hardware-version and
// connection-type choices, the roads of Next, Skip and Back, and the LED and reset hint popups.
#include <QtTest>

#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>

#include "apmode/apmodehosttodevice.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"

using StringMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(StringMap)

namespace {

// Route 1: VKC-1100 (one version), VKC-1200 (two), VKC-1300 (odd entries), VKC-1900 (no version
// listed); route 2: VKC-2100 (NA), VKC-2200 (two); route 5: VKC-5100 (NA), VKC-5200 (two).
void fillCatalogue()
{
    ModelRouteMap = { { "Choose your model", "0" }, { "VKC-1100", "1" }, { "VKC-1200", "1" }, { "VKC-1300", "1" },
        { "VKC-1900", "1" }, { "VKC-2100", "2" }, { "VKC-2200", "2" }, { "VKC-5100", "5" }, { "VKC-5200", "5" } };
    SupportHWVersionMap = { { "VKC-1100", "A1" }, { "VKC-1200", "A1,B1" }, { "VKC-1300", "A1,B1,C1" },
        { "VKC-2100", "NA" }, { "VKC-2200", "A1,B1" }, { "VKC-5100", "NA" }, { "VKC-5200", "A1,B1" } };
    ConnectionTypeMap = {
        { "VKC-1100_A1", { "POE:ia10,ic11" } },
        { "VKC-1200_A1", { "Ethernet:ia10,ic10" } },
        { "VKC-1200_B1", { "PLC:ia41,ia41_ib20,ic41" } },
        { "VKC-1300_B1", { "PLC:a,,b" } },
        { "VKC-1300_C1", { "POE:IA10,ia10", "WPS:a,b" } },
        { "VKC-2100_NA", { "Ethernet:ia10,ia10_ib10,ic10", "WPS:wa10,wb10,wc10", "POE:ia10,ic11" } },
        { "VKC-2200_B1", { "POE:ia10,ic11", "APMode:wa10,wb10,wc10" } },
        { "VKC-5100_NA", { "APMode:wa10,wb10,wc10", "WPS:wa20" } },
        { "VKC-5200_A1", { "WPS:wa10" } },
        { "VKC-5200_B1", { "WPS:wa20", "APMode:wa10,wb10" } },
    };
}

Ui_CameraConnectionPage* page()
{
    return gCameraConnectionPage->ui;
}

QComboBox* types()
{
    return gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
}

void select(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

// A pick in the hardware-version list by the user.
void pickVersion(const QString& version)
{
    select(page()->cconnectionHWVersion_ComboBox, version);
    emit page()->cconnectionHWVersion_ComboBox->activated(page()->cconnectionHWVersion_ComboBox->currentIndex());
}

QStringList items(QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

// Which step captions a panel shows, in the order of their names.
QString captions(QWidget* panel)
{
    QMap<QString, bool> shown;
    for (QWidget* caption : panel->findChildren<QWidget*>(QRegularExpression("ToolTips")))
        shown[caption->objectName()] = !caption->isHidden();
    QString bits;
    for (bool on : shown)
        bits += on ? "1" : "0";
    return bits;
}

// What the page shows: the hosted panel with its captions ("DefaultHW": the hardware-version
// picture), Next
// ("N+" enabled and blue, "N-" disabled and grey), Skip, the version list ("+" when shown)
// and supportType.
QString state()
{
    QStringList shown;
    for (int i = 0; i < page()->cconnectionTypeLayout->count(); ++i) {
        QWidget* panel = page()->cconnectionTypeLayout->itemAt(i)->widget();
        if (panel && !panel->isHidden())
            shown << (panel != gConnectionTypeDefault
                    ? QString(panel->metaObject()->className()) + ":" + captions(panel)
                    : gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->isHidden() ? "Default"
                                                                                        : "DefaultHW");
    }
    QPushButton* next = page()->cconnectionNext_PushButton;
    const bool blue = next->styleSheet().contains("btn_blue.png");
    QComboBox* versions = page()->cconnectionHWVersion_ComboBox;
    return QString("%1 N%2 S%3 [%4]%5 %6")
        .arg(shown.join('+'), next->isEnabled() == blue ? (blue ? "+" : "-") : "?",
            page()->cconnectionSkip_PushButton->isHidden() ? "-" : "+", items(versions).join(','),
            versions->isHidden() ? "" : "+", supportType);
}

// "name:row,column,span" per cell, "!" when its picture did not load.
QString cellsText(QGridLayout* grid)
{
    QStringList result;
    for (int i = 0; i < grid->count(); ++i) {
        int row, column, rowSpan, span;
        grid->getItemPosition(i, &row, &column, &rowSpan, &span);
        QLabel* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
        const bool picture = label && label->pixmap() && !label->pixmap()->isNull();
        result << QString("%1:%2,%3,%4%5")
                      .arg(label ? label->objectName() : "?")
                      .arg(row)
                      .arg(column)
                      .arg(span)
                      .arg(picture ? "" : "!");
    }
    return result.join(' ');
}

bool pageShown(QWidget* widget)
{
    return !widget->isHidden() && gMainpage->ui->mainlLayout->indexOf(widget) >= 0;
}

MessageBoxPage* popup(const char* name)
{
    return gMainpage->findChild<MessageBoxPage*>(name);
}

} // namespace

class TestGuidePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void entry_data();
    void entry();
    void modelChoice_data();
    void modelChoice();
    void connectionTypeSets_data();
    void connectionTypeSets();
    void versionPick_data();
    void versionPick();
    void roads_data();
    void roads();
    void noLeakAcrossFiftySwitches();
    void hints_data();
    void hints();

private:
    QTemporaryDir clips;
};

void TestGuidePage::initTestCase()
{
    createWizardForTests();
    // A clip folder like the one cut from the sprite; "IA10" is deliberately absent.
    QImage image(164, 164, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (const char* name :
        { "ia10", "ia10_ib10", "ic10", "ic11", "ia41", "ia41_ib20", "ic41", "wa10", "wb10", "wc10", "a", "b" })
        QVERIFY(image.save(clips.filePath(QString(name) + ".png")));
    assembleImagesPath = clips.path() + "/";
}

void TestGuidePage::init()
{
    fillCatalogue();
    isLocalView = false;
    gAgreementPage->pressNextButton();
    page()->cconnection_ComboBox->addItem("VKC-9999"); // listed but not in the catalogue
    IPCameraList.clear();
}

void TestGuidePage::cleanup()
{
    for (QTimer* timer : gDiscoveryPage->findChildren<QTimer*>())
        timer->stop();
    gMainpage->hideBusy();
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    gMainpage->lockScreenLabel->hide();
    isLocalView = false;
}

void TestGuidePage::entry_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<StringMap>("routes");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("prompt first, models ascending")
        << false << StringMap { { "Choose your model", "0" }, { "VKC-4710", "2" }, { "VKC-3100", "1" } }
        << QStringList { "Choose your model", "VKC-3100", "VKC-4710" };
    QTest::newRow("other prefix goes on top, case-sensitive")
        << false << StringMap { { "Choose your model", "0" }, { "VKC-1", "1" }, { "OLV-800", "0" }, { "vkc-2", "0" } }
        << QStringList { "vkc-2", "OLV-800", "Choose your model", "VKC-1" };
    QTest::newRow("local-only connection types")
        << true << StringMap { { "Choose your model", "0" } }
        << QStringList { "Choose your connection type", "Ethernet", "POE(Power Over Ethernet)",
               "PLC(Power Line Communication)", "Direct Connection" };
}

// "I Agree" leads here; the page prepares itself whatever was left on it.
void TestGuidePage::entry()
{
    QFETCH(bool, local);
    QFETCH(StringMap, routes);
    QFETCH(QStringList, list);

    select(page()->cconnection_ComboBox, "VKC-2200");
    pickVersion("B1");
    gMainpage->hideStep();
    ModelRouteMap = routes;
    isLocalView = local;
    gAgreementPage->pressNextButton();

    QCOMPARE(items(page()->cconnection_ComboBox), list);
    QCOMPARE(page()->cconnection_ComboBox->currentIndex(), 0);
    QCOMPARE(state().section(' ', 0, 2), local ? "ConnectionTypeLocalView:0000 N- S+" : "Default N- S+");
    QVERIFY(page()->cconnectionHWVersion_ComboBox->isHidden());
    QVERIFY(pageShown(gCameraConnectionPage));
    QVERIFY(gAgreementPage->isHidden());
    QCOMPARE(gMainpage->ui->mainProgress_Label->styleSheet(), QString("background-image: url(:/images/step_01.png)"));
    QVERIFY(!gMainpage->ui->mainProgressContent_Label->isHidden());
}

void TestGuidePage::modelChoice_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("badges"); // on the local pictures
    auto row = [](const char* name, bool local, const char* before, const char* entry, const char* state, int badges) {
        QTest::newRow(name) << local << QString(before) << QString(entry) << QString(state) << badges;
    };

    row("prompt", false, "VKC-1200", "Choose your model", "Default N- S+ [] ALL", 0);
    row("route 1", false, "VKC-1200", "VKC-1100", "ConnectionTypeOnlyOne:11101 N+ S- [A1] VKC-1100", 0);
    // The type list is refilled inside the page's slot, its handler running nested.
    row("route 2", false, "VKC-5200", "VKC-2100", "ConnectionTypeMoreThanOne:00000 N- S+ [NA] VKC-2100", 0);
    row("route 5", false, "VKC-1100", "VKC-5100", "ConnectionTypeAPMode:111 N+ S- [NA] VKC-5100", 0);
    row("route 1, two versions", false, "VKC-1100", "VKC-1200", "DefaultHW N+ S+ [H/W Version,A1,B1]+ VKC-1200", 0);
    row("route 2, two versions", false, "VKC-1100", "VKC-2200", "DefaultHW N- S+ [H/W Version,A1,B1]+ VKC-2200", 0);
    row("route 5, two versions", false, "VKC-1100", "VKC-5200", "DefaultHW N+ S- [H/W Version,A1,B1]+ VKC-5200", 0);
    row("model without versions", false, "VKC-1200", "VKC-1900", "ConnectionTypeOnlyOne:11001 N+ S- [] VKC-1900", 0);
    row("unknown model changes nothing", false, "VKC-1100", "VKC-9999", "ConnectionTypeOnlyOne:11101 N+ S- [A1] before",
        0);
    row("local ethernet after direct", true, "Direct Connection", "Ethernet",
        "ConnectionTypeLocalView:1111 N+ S- [] ALL", 4);
    row("local direct after ethernet", true, "Ethernet", "Direct Connection",
        "ConnectionTypeLocalView:1101 N+ S- [] ALL", 3);
    row("local prompt", true, "PLC(Power Line Communication)", "Choose your connection type",
        "ConnectionTypeLocalView:0000 N- S+ [] ALL", 0);
}

void TestGuidePage::modelChoice()
{
    QFETCH(bool, local);
    QFETCH(QString, before);
    QFETCH(QString, entry);
    QFETCH(QString, state);
    QFETCH(int, badges);

    if (local) {
        isLocalView = true;
        gAgreementPage->pressNextButton();
    }
    select(page()->cconnection_ComboBox, before);
    supportType = "before";
    select(page()->cconnection_ComboBox, entry);

    QCOMPARE(::state(), state);
    QCOMPARE(gConnectionTypeLocalView->findChildren<QLabel*>(QRegularExpression("^icon_step0[1-4]$")).size(), badges);
}

void TestGuidePage::connectionTypeSets_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("cells");
    auto row = [](const char* name, const char* item, const char* state, const char* cells) {
        QTest::newRow(name) << QString(item) << QString("ConnectionTypeMoreThanOne:%1 [NA] VKC-2100").arg(state)
                            << QString(cells);
    };

    // VKC-2100: Ethernet ia10,ia10_ib10,ic10 | WPS wa10,wb10,wc10 | POE ia10,ic11.
    row("ethernet", "Ethernet", "11011 N+ S-", "0:0,0,1 1:0,1,1 2:0,2,1");
    row("poe", "POE(Power Over Ethernet)", "11101 N+ S-", "0:0,0,1 1:0,1,1");
    row("direct, three pictures span two", "Direct Connection", "10011 N+ S-", "0:0,0,2 1:0,1,2 2:0,2,2");
    row("back to the prompt", "Choose your connection type", "00000 N- S+", "1:0,1,1 2:0,2,1 3:0,3,1");
}

void TestGuidePage::connectionTypeSets()
{
    QFETCH(QString, item);
    QFETCH(QString, state);
    QFETCH(QString, cells);

    select(page()->cconnection_ComboBox, "VKC-2100");
    QCOMPARE(items(types()),
        (QStringList { "Choose your connection type", "Ethernet", "Direct Connection", "POE(Power Over Ethernet)" }));
    select(types(), item == "Ethernet" ? "Direct Connection" : "Ethernet");
    supportType = "before";
    select(types(), item);

    QCOMPARE(::state(), state);
    QCOMPARE(cellsText(gConnectionTypeMoreThanOne->ui->gridLayout), cells);
}

void TestGuidePage::versionPick_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("state"); // the version list as it stands, whatever the pick
    QTest::addColumn<QString>("cells");
    auto row = [](const char* name, const char* model, const QStringList& picks, const char* state, const char* cells) {
        QTest::newRow(name) << QString(model) << picks << QString(state).arg(model) << QString(cells);
    };

    row("route 1, picked twice", "VKC-1200", { "B1", "B1" },
        "ConnectionTypeOnlyOne:11011 N+ S- [H/W Version,A1,B1]+ %1", "0:0,0,1 1:0,1,1 2:0,2,1");
    row("route 2", "VKC-2200", { "B1" }, "ConnectionTypeMoreThanOne:00000 N- S+ [H/W Version,A1,B1]+ %1",
        "1:0,1,1 2:0,2,1");
    row("route 5 skips WPS", "VKC-5200", { "B1" }, "ConnectionTypeAPMode:111 N+ S- [H/W Version,A1,B1]+ %1",
        "0:0,0,2 1:0,1,2");
    row("empty name keeps its step", "VKC-1300", { "B1" },
        "ConnectionTypeOnlyOne:11011 N+ S- [H/W Version,A1,B1,C1]+ %1", "0:0,0,1 1:0,1,1! 2:0,2,1");
    row("other types are no steps of route 1", "VKC-1300", { "C1" },
        "ConnectionTypeOnlyOne:11101 N+ S- [H/W Version,A1,B1,C1]+ %1", "0:0,0,1! 1:0,1,1");
    // Back on the prompt: the hardware-version picture, Next as it was, Skip by route.
    row("route 2, prompt again", "VKC-2200", { "B1", "H/W Version" }, "DefaultHW N- S+ [H/W Version,A1,B1]+ %1", "");
    row("route 5, prompt again", "VKC-5200", { "B1", "H/W Version" }, "DefaultHW N+ S- [H/W Version,A1,B1]+ %1", "");
}

void TestGuidePage::versionPick()
{
    QFETCH(QString, model);
    QFETCH(QStringList, picks);
    QFETCH(QString, state);
    QFETCH(QString, cells);

    select(page()->cconnection_ComboBox, model);
    supportType = "before";
    for (const QString& version : picks)
        pickVersion(version);

    QCOMPARE(::state(), state);
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentText(), picks.last());
    if (!state.startsWith("DefaultHW")) {
        QGridLayout* grid = page()->cconnectionTypeLayout->itemAt(0)->widget()->findChild<QGridLayout*>();
        QCOMPARE(cellsText(grid), cells);
        for (int i = 0; !state.startsWith("ConnectionTypeMoreThanOne") && i < grid->count(); ++i) // one badge each
            QCOMPARE(grid->itemAt(i)->widget()->findChildren<QLabel*>().size(), 1);
    }
}

void TestGuidePage::roads_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("support");
    QTest::addColumn<QString>("road"); // "ap", "discovery", "back" or "stay"
    auto row = [](const char* name, bool local, const char* entry, const char* type, const char* button,
                   const char* support, const char* road) {
        QTest::newRow(name) << local << QString(entry) << QString(type) << QString(button) << QString(support)
                            << QString(road);
    };

    row("local direct", true, "Direct Connection", "", "Next", "ALL", "ap");
    row("local ethernet", true, "Ethernet", "", "Next", "ALL", "discovery");
    row("not in the catalogue", false, "VKC-9999", "", "Next", "before", "stay");
    row("route 5", false, "VKC-5100", "", "Next", "VKC-5100", "ap");
    row("route 2, direct", false, "VKC-2100", "Direct Connection", "Next", "VKC-2100", "ap");
    row("route 2, ethernet", false, "VKC-2100", "Ethernet", "Next", "VKC-2100", "discovery");
    row("route 1", false, "VKC-1100", "", "Next", "VKC-1100", "discovery");
    row("skip", false, "VKC-1200", "", "Skip instruction", "ALL", "discovery");
    row("back leaves everything", false, "VKC-1100", "", "Back", "before", "back");
}

void TestGuidePage::roads()
{
    QFETCH(bool, local);
    QFETCH(QString, entry);
    QFETCH(QString, type);
    QFETCH(QString, button);
    QFETCH(QString, support);
    QFETCH(QString, road);

    if (local) {
        isLocalView = true;
        gAgreementPage->pressNextButton();
    }
    select(page()->cconnection_ComboBox, entry);
    if (!type.isEmpty())
        select(types(), type);
    const QString before = state();
    for (QWidget* next : std::initializer_list<QWidget*> { gAPModeHostToDevice, gDiscoveryPage, gAgreementPage })
        next->hide();
    gMainpage->hideStep();
    supportType = "before";
    isAPModeFlow = true;
    IPCameraList.append(IPCamera());
    IPCameraIdx = 0;

    for (QPushButton* pushButton : gCameraConnectionPage->findChildren<QPushButton*>())
        if (pushButton->text() == button)
            pushButton->click();

    QCOMPARE(supportType, support);
    QCOMPARE(isAPModeFlow, road != "discovery");
    QCOMPARE(isLocalView, local);
    QCOMPARE(IPCameraIdx, 0);
    QCOMPARE(IPCameraList.isEmpty(), road == "ap" || road == "discovery");
    QCOMPARE(pageShown(gCameraConnectionPage), road == "stay");
    QCOMPARE(pageShown(gAPModeHostToDevice), road == "ap");
    QCOMPARE(pageShown(gDiscoveryPage), road == "discovery");
    QCOMPARE(pageShown(gAgreementPage), road == "back");
    QCOMPARE(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive(), road == "discovery");
    QCOMPARE(gMainpage->ui->mainProgress_Label->isHidden(), road == "back" || road == "stay");
    if (button == "Skip instruction") // the guide starts over from the prompt
        QCOMPARE(state(), QString("Default N- S+ [] ALL"));
    else
        QCOMPARE(state().section(' ', 0, -2), before.section(' ', 0, -2));
}

void TestGuidePage::noLeakAcrossFiftySwitches()
{
    // A label named like a step picture elsewhere in the window is not the panels' to delete.
    QPointer<QLabel> foreign = new QLabel(gMainpage);
    foreign->setObjectName("1");
    const QStringList models { "VKC-1100", "VKC-2100", "VKC-5100", "VKC-1200", "VKC-2200", "VKC-5200",
        "Choose your model" };
    auto labels = [] {
        int count = 0;
        for (QWidget* widget : QApplication::allWidgets())
            count += qobject_cast<QLabel*>(widget) ? 1 : 0;
        return count;
    };

    int afterFirstRound = -1;
    for (int i = 0; i < 56; ++i) {
        select(page()->cconnection_ComboBox, models.at(i % models.size()));
        if (models.at(i % models.size()) == "VKC-2100")
            types()->setCurrentIndex(1 + i % (types()->count() - 1));
        if (i == models.size() - 1)
            afterFirstRound = labels();
        QCOMPARE(page()->cconnectionTypeLayout->count(), 1);
    }
    QCOMPARE(labels(), afterFirstRound);
    QVERIFY(foreign);
    delete foreign;
}

void TestGuidePage::hints_data()
{
    QTest::addColumn<QWidget*>("panel");
    QTest::addColumn<QString>("link");

    QTest::newRow("only one") << static_cast<QWidget*>(gConnectionTypeOnlyOne) << "ConnectionTypeToolTips04";
    QTest::newRow("more than one") << static_cast<QWidget*>(gConnectionTypeMoreThanOne)
                                   << "ConnectionTypeMoreToolTips04";
    QTest::newRow("access point") << static_cast<QWidget*>(gConnectionTypeAPMode) << "ConnectionTypeAPModeToolTips04";
    QTest::newRow("local view") << static_cast<QWidget*>(gConnectionTypeLocalView) << "ConnectionTypeLocalToolTips04";
}

// LED link -> checklist; "Close" and "Reset" each close it, "Reset" opening the reset hint,
// whose "Close" closes it and whose "Start Over" takes the guide back to its prompt.
void TestGuidePage::hints()
{
    QFETCH(QWidget*, panel);
    QFETCH(QString, link);

    select(page()->cconnection_ComboBox, "VKC-1100");
    QLineEdit* password = gDeviceSetupPage->ui->dsetupCameraPasscode_LineEdit;
    password->setText("secret1");
    QLabel* caption = panel->findChild<QLabel*>(link);
    QLabel* dimming = gMainpage->lockScreenLabel;
    auto press = [](const char* name, const char* button) {
        QVERIFY(popup(name));
        popup(name)->findChild<QPushButton*>(button)->click();
        QVERIFY(!popup(name));
    };

    emit caption->linkActivated("blank");
    QVERIFY(!dimming->isHidden());
    press("whyLedRedWarning", "msgBoxRightBtn_Button");
    QVERIFY(dimming->isHidden());

    emit caption->linkActivated("blank");
    press("whyLedRedWarning", "msgBoxLeftBtn_Button");
    QVERIFY(!dimming->isHidden());
    press("resetYourCameraWarning", "msgBoxLeftBtn_Button");
    QVERIFY(dimming->isHidden());

    emit caption->linkActivated("blank");
    press("whyLedRedWarning", "msgBoxLeftBtn_Button");
    press("resetYourCameraWarning", "msgBoxRightBtn_Button");
    QVERIFY(dimming->isHidden());
    QCOMPARE(state(), QString("Default N- S+ [] ALL"));
    QVERIFY(pageShown(gCameraConnectionPage));
    QVERIFY(password->text().isEmpty());
}

QTEST_MAIN(TestGuidePage)
#include "tst_guidepage.moc"
