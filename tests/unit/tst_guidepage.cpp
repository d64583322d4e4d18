// The hardware connection guide: the model, hardware-version and connection-type choices, the
// roads of Next, Skip and Back, and the LED and reset hint popups.
#include <QtTest>

#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>

#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"

#include "apmode/apmodehosttodevice.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "welcome/agreementpage.h"

namespace {

// Route 1: VKC-1100 (one version), VKC-1200 (two), VKC-1300 (odd entries), VKC-1900 (no version
// listed); route 2: VKC-2100 (NA), VKC-2200 (two); route 5: VKC-5100 (NA), VKC-5200 (two).
void fillCatalogue()
{
    ModelRouteMap = {{"Choose your model", "0"}, {"VKC-1100", "1"}, {"VKC-1200", "1"}, {"VKC-1300", "1"},
                     {"VKC-1900", "1"},          {"VKC-2100", "2"}, {"VKC-2200", "2"}, {"VKC-5100", "5"},
                     {"VKC-5200", "5"}};
    SupportHWVersionMap = {{"VKC-1100", "A1"},    {"VKC-1200", "A1,B1"}, {"VKC-1300", "A1,B1,C1"},
                           {"VKC-2100", "NA"},    {"VKC-2200", "A1,B1"}, {"VKC-5100", "NA"},
                           {"VKC-5200", "A1,B1"}};
    ConnectionTypeMap = {
        {"VKC-1100_A1", {"POE:ia10,ic11"}},
        {"VKC-1200_A1", {"Ethernet:ia10,ic10"}},
        {"VKC-1200_B1", {"PLC:ia41,ia41_ib20,ic41"}},
        {"VKC-1300_A1", {"Ethernet"}},
        {"VKC-1300_B1", {"PLC:a,,b"}},
        {"VKC-1300_C1", {"POE:IA10,ia10", "WPS:a,b"}},
        {"VKC-2100_NA", {"Ethernet:ia10,ia10_ib10,ic10", "WPS:wa10,wb10,wc10", "POE:ia10,ic11"}},
        {"VKC-2200_B1", {"POE:ia10,ic11", "APMode:wa10,wb10,wc10"}},
        {"VKC-5100_NA", {"APMode:wa10,wb10,wc10", "WPS:wa20"}},
        {"VKC-5200_A1", {"WPS:wa10"}},
        {"VKC-5200_B1", {"APMode:wa10,wb10"}},
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
    QComboBox* versions = page()->cconnectionHWVersion_ComboBox;
    versions->setCurrentIndex(versions->findText(version));
    emit versions->activated(versions->currentIndex());
}

QStringList items(QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

// The class of the one panel shown in the page's host ("DefaultHW": the hardware-version picture).
QString hostedPanel()
{
    QStringList shown;
    for (int i = 0; i < page()->cconnectionTypeLayout->count(); ++i) {
        QWidget* panel = page()->cconnectionTypeLayout->itemAt(i)->widget();
        if (panel && !panel->isHidden())
            shown << (panel != gConnectionTypeDefault ? panel->metaObject()->className()
                      : gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->isHidden() ? "Default"
                                                                                          : "DefaultHW");
    }
    return shown.join('+');
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
        result << QString("%1:%2,%3,%4%5").arg(label ? label->objectName() : "?").arg(row).arg(column).arg(span).arg(
            picture ? "" : "!");
    }
    return result.join(' ');
}

bool pageShown(QWidget* widget)
{
    return !widget->isHidden() && gMainpage->ui->mainlLayout->indexOf(widget) >= 0;
}

int popups(const char* name)
{
    return gMainpage->findChildren<MessageBoxPage*>(name).size();
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

    void modelChoice_data();
    void modelChoice();
    void connectionTypeSets_data();
    void connectionTypeSets();
    void versionPick_data();
    void versionPick();
    void roads_data();
    void roads();
    void backLeavesEverything();
    void noLeakAcrossFiftySwitches();
    void ledAndResetPopups_data();
    void ledAndResetPopups();

private:
    QTemporaryDir clips;
};

void TestGuidePage::initTestCase()
{
    createWizardForTests();
    // A clip folder like the one cut from the sprite; "IA10" is deliberately absent.
    QImage image(164, 164, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (const char* name : {"ia10", "ia10_ib10", "ic10", "ic11", "ia41", "ia41_ib20", "ic41", "wa10", "wb10", "wc10",
                             "a", "b"})
        QVERIFY(image.save(clips.filePath(QString(name) + ".png")));
    assembleImagesPath = clips.path() + "/";
}

void TestGuidePage::init()
{
    fillCatalogue();
    isLocalView = false;
    gAgreementPage->pressNextButton();
    page()->cconnection_ComboBox->addItem("VKC-9999");  // listed but not in the catalogue
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

void TestGuidePage::modelChoice_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("versions");  // the list's items; shown when there is a choice
    QTest::addColumn<QString>("support");
    QTest::addColumn<int>("badges");  // on the local pictures; -1: not checked

    const QStringList two{"H/W Version", "A1", "B1"};
    QTest::newRow("prompt") << false << "VKC-1200" << "Choose your model" << "Default" << false << true
                            << QStringList() << "ALL" << -1;
    QTest::newRow("route 1") << false << "VKC-1200" << "VKC-1100" << "ConnectionTypeOnlyOne" << true << false
                             << QStringList{"A1"} << "VKC-1100" << -1;
    // The type list is refilled inside the page's slot, its handler running nested.
    QTest::newRow("route 2") << false << "VKC-5200" << "VKC-2100" << "ConnectionTypeMoreThanOne" << false << true
                             << QStringList{"NA"} << "VKC-2100" << -1;
    QTest::newRow("route 5") << false << "VKC-1100" << "VKC-5100" << "ConnectionTypeAPMode" << true << false
                             << QStringList{"NA"} << "VKC-5100" << -1;
    QTest::newRow("route 1, two versions") << false << "VKC-1100" << "VKC-1200" << "DefaultHW" << true << true << two
                                           << "VKC-1200" << -1;
    QTest::newRow("route 2, two versions") << false << "VKC-1100" << "VKC-2200" << "DefaultHW" << false << true << two
                                           << "VKC-2200" << -1;
    QTest::newRow("route 5, two versions") << false << "VKC-1100" << "VKC-5200" << "DefaultHW" << true << false << two
                                           << "VKC-5200" << -1;
    QTest::newRow("model without versions") << false << "VKC-1200" << "VKC-1900" << "ConnectionTypeOnlyOne" << true
                                            << false << QStringList{""} << "VKC-1900" << -1;
    QTest::newRow("unknown model changes nothing") << false << "VKC-1100" << "VKC-9999" << "ConnectionTypeOnlyOne"
                                                   << true << false << QStringList{"A1"} << "before" << -1;
    QTest::newRow("local ethernet after direct") << true << "Direct Connection" << "Ethernet"
                                                 << "ConnectionTypeLocalView" << true << false << QStringList() << "ALL"
                                                 << 4;
    QTest::newRow("local direct after ethernet") << true << "Ethernet" << "Direct Connection"
                                                 << "ConnectionTypeLocalView" << true << false << QStringList() << "ALL"
                                                 << 3;
    QTest::newRow("local prompt") << true << "PLC(Power Line Communication)" << "Choose your connection type"
                                  << "ConnectionTypeLocalView" << false << true << QStringList() << "ALL" << 0;
}

void TestGuidePage::modelChoice()
{
    QFETCH(bool, local);
    QFETCH(QString, before);
    QFETCH(QString, entry);
    QFETCH(QString, panel);
    QFETCH(bool, next);
    QFETCH(bool, skip);
    QFETCH(QStringList, versions);
    QFETCH(QString, support);
    QFETCH(int, badges);

    if (local) {
        isLocalView = true;
        gAgreementPage->pressNextButton();
    }
    select(page()->cconnection_ComboBox, before);
    supportType = "before";
    select(page()->cconnection_ComboBox, entry);

    QCOMPARE(hostedPanel(), panel);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QVERIFY(page()->cconnectionNext_PushButton->styleSheet().contains(next ? "btn_blue.png" : "btn_blue_disable.png"));
    QCOMPARE(!page()->cconnectionSkip_PushButton->isHidden(), skip);
    if (!local) {
        QCOMPARE(items(page()->cconnectionHWVersion_ComboBox), versions);
        QCOMPARE(page()->cconnectionHWVersion_ComboBox->isHidden(), versions.size() < 2);
        QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentIndex(), versions.isEmpty() ? -1 : 0);
    }
    QCOMPARE(supportType, support);
    if (badges >= 0)
        QCOMPARE(gConnectionTypeLocalView->findChildren<QLabel*>(QRegularExpression("^icon_step0[1-4]$")).size(),
                 badges);
}

void TestGuidePage::connectionTypeSets_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("captions");  // shown 01, 02, 03, 03_2, 04
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("next");

    // VKC-2100: Ethernet ia10,ia10_ib10,ic10 | WPS wa10,wb10,wc10 | POE ia10,ic11.
    QTest::newRow("ethernet") << "Ethernet" << "11011" << "0:0,0,1 1:0,1,1 2:0,2,1" << true;
    QTest::newRow("poe") << "POE(Power Over Ethernet)" << "11101" << "0:0,0,1 1:0,1,1" << true;
    QTest::newRow("direct, three pictures span two") << "Direct Connection" << "10011" << "0:0,0,2 1:0,1,2 2:0,2,2"
                                                     << true;
    QTest::newRow("back to the prompt") << "Choose your connection type" << "00000" << "1:0,1,1 2:0,2,1 3:0,3,1"
                                        << false;
}

void TestGuidePage::connectionTypeSets()
{
    QFETCH(QString, item);
    QFETCH(QString, captions);
    QFETCH(QString, cells);
    QFETCH(bool, next);

    select(page()->cconnection_ComboBox, "VKC-2100");
    QCOMPARE(items(types()), (QStringList{"Choose your connection type", "Ethernet", "Direct Connection",
                                          "POE(Power Over Ethernet)"}));
    select(types(), item == "Ethernet" ? "Direct Connection" : "Ethernet");
    supportType = "before";
    select(types(), item);

    Ui_ConnectionTypeMoreThanOne* form = gConnectionTypeMoreThanOne->ui;
    QString shown;
    for (QWidget* caption : {form->ConnectionTypeMoreToolTips01, form->ConnectionTypeMoreToolTips02,
                             form->ConnectionTypeMoreToolTips03, form->ConnectionTypeMoreToolTips03_2,
                             form->ConnectionTypeMoreToolTips04})
        shown += caption->isHidden() ? "0" : "1";
    QCOMPARE(shown, captions);
    QCOMPARE(cellsText(form->gridLayout), cells);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(page()->cconnectionSkip_PushButton->isHidden(), next);
    QCOMPARE(supportType, QString("VKC-2100"));
}

void TestGuidePage::versionPick_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("cells");

    QTest::newRow("route 1, picked twice") << "VKC-1200" << QStringList{"B1", "B1"} << "ConnectionTypeOnlyOne" << true
                                           << false << "0:0,0,1 1:0,1,1 2:0,2,1";
    QTest::newRow("route 2") << "VKC-2200" << QStringList{"B1"} << "ConnectionTypeMoreThanOne" << false << true
                             << "1:0,1,1 2:0,2,1";
    QTest::newRow("route 5") << "VKC-5200" << QStringList{"B1"} << "ConnectionTypeAPMode" << true << false
                             << "0:0,0,2 1:0,1,2";
    QTest::newRow("route 5 skips WPS") << "VKC-5200" << QStringList{"A1"} << "ConnectionTypeAPMode" << true << false
                                       << "";
    QTest::newRow("header alone") << "VKC-1300" << QStringList{"A1"} << "ConnectionTypeOnlyOne" << true << false
                                  << "0:0,0,1!";
    QTest::newRow("empty name keeps its step") << "VKC-1300" << QStringList{"B1"} << "ConnectionTypeOnlyOne" << true
                                               << false << "0:0,0,1 1:0,1,1! 2:0,2,1";
    // File names are matched exactly; other types are no steps of route 1.
    QTest::newRow("names are case-sensitive") << "VKC-1300" << QStringList{"C1"} << "ConnectionTypeOnlyOne" << true
                                              << false << "0:0,0,1! 1:0,1,1";
    // Back on the prompt: the hardware-version picture, Next as it was, Skip by route.
    QTest::newRow("route 2, prompt again") << "VKC-2200" << QStringList{"B1", "H/W Version"} << "DefaultHW" << false
                                           << true << "";
    QTest::newRow("route 5, prompt again") << "VKC-5200" << QStringList{"B1", "H/W Version"} << "DefaultHW" << true
                                           << false << "";
}

void TestGuidePage::versionPick()
{
    QFETCH(QString, model);
    QFETCH(QStringList, picks);
    QFETCH(QString, panel);
    QFETCH(bool, next);
    QFETCH(bool, skip);
    QFETCH(QString, cells);

    select(page()->cconnection_ComboBox, model);
    supportType = "before";
    for (const QString& version : picks)
        pickVersion(version);

    QCOMPARE(hostedPanel(), panel);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(!page()->cconnectionSkip_PushButton->isHidden(), skip);
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentText(), picks.last());
    if (panel != "DefaultHW") {
        QCOMPARE(supportType, model);
        QCOMPARE(page()->cconnectionTypeLayout->count(), 1);
        QGridLayout* grid = page()->cconnectionTypeLayout->itemAt(0)->widget()->findChild<QGridLayout*>();
        QCOMPARE(cellsText(grid), cells);
        for (int i = 0; panel != "ConnectionTypeMoreThanOne" && i < grid->count(); ++i)  // a badge on each step
            QCOMPARE(grid->itemAt(i)->widget()->findChildren<QLabel*>().size(), 1);
    }
}

void TestGuidePage::roads_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("support");
    QTest::addColumn<bool>("apFlow");
    QTest::addColumn<QString>("road");  // "ap", "discovery" or "stay"

    QTest::newRow("local direct") << true << "Direct Connection" << "" << false << "ALL" << true << "ap";
    QTest::newRow("local ethernet") << true << "Ethernet" << "" << false << "ALL" << false << "discovery";
    QTest::newRow("not in the catalogue") << false << "VKC-9999" << "" << false << "before" << true << "stay";
    QTest::newRow("route 5") << false << "VKC-5100" << "" << false << "VKC-5100" << true << "ap";
    QTest::newRow("route 2, direct") << false << "VKC-2100" << "Direct Connection" << false << "VKC-2100" << true
                                     << "ap";
    QTest::newRow("route 2, ethernet") << false << "VKC-2100" << "Ethernet" << false << "VKC-2100" << false
                                       << "discovery";
    QTest::newRow("route 1") << false << "VKC-1100" << "" << false << "VKC-1100" << false << "discovery";
    QTest::newRow("skip") << false << "VKC-1200" << "" << true << "ALL" << false << "discovery";
}

void TestGuidePage::roads()
{
    QFETCH(bool, local);
    QFETCH(QString, entry);
    QFETCH(QString, type);
    QFETCH(bool, skip);
    QFETCH(QString, support);
    QFETCH(bool, apFlow);
    QFETCH(QString, road);

    if (local) {
        isLocalView = true;
        gAgreementPage->pressNextButton();
    }
    select(page()->cconnection_ComboBox, entry);
    if (!type.isEmpty())
        select(types(), type);
    gAPModeHostToDevice->hide();
    gDiscoveryPage->hide();
    gMainpage->ui->mainProgress_Label->hide();
    supportType = "before";
    isAPModeFlow = true;
    IPCameraList.append(IPCamera());
    IPCameraIdx = 0;

    (skip ? page()->cconnectionSkip_PushButton : page()->cconnectionNext_PushButton)->click();

    QCOMPARE(supportType, support);
    QCOMPARE(isAPModeFlow, apFlow);
    QCOMPARE(isLocalView, local);
    QCOMPARE(IPCameraIdx, 0);
    QCOMPARE(IPCameraList.isEmpty(), road != "stay");
    QCOMPARE(pageShown(gCameraConnectionPage), road == "stay");
    QCOMPARE(pageShown(gAPModeHostToDevice), road == "ap");
    QCOMPARE(pageShown(gDiscoveryPage), road == "discovery");
    QCOMPARE(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive(), road == "discovery");
    QCOMPARE(gMainpage->ui->mainProgress_Label->isHidden(), road == "stay");
    if (road != "stay")
        QCOMPARE(gMainpage->ui->mainProgress_Label->styleSheet(),
                 QString("background-image: url(:/images/step_01.png)"));
    if (skip) {  // the guide starts over from the prompt
        QCOMPARE(page()->cconnection_ComboBox->currentIndex(), 0);
        QCOMPARE(page()->cconnectionHWVersion_ComboBox->count(), 0);
        QVERIFY(page()->cconnectionHWVersion_ComboBox->isHidden());
        QCOMPARE(hostedPanel(), QString("Default"));
    }
}

void TestGuidePage::backLeavesEverything()
{
    select(page()->cconnection_ComboBox, "VKC-1200");
    pickVersion("B1");
    isAPModeFlow = true;
    IPCameraList.append(IPCamera());
    gMainpage->ui->mainProgress_Label->show();
    gMainpage->ui->mainProgressContent_Label->show();

    page()->cconnectionPrev_PushButton->click();

    QVERIFY(gCameraConnectionPage->isHidden());
    QVERIFY(pageShown(gAgreementPage));
    QVERIFY(gMainpage->ui->mainProgress_Label->isHidden());
    QVERIFY(gMainpage->ui->mainProgressContent_Label->isHidden());
    QCOMPARE(supportType, QString("VKC-1200"));
    QVERIFY(isAPModeFlow);
    QCOMPARE(IPCameraList.size(), 1);
    QCOMPARE(page()->cconnectionHWVersion_ComboBox->currentText(), QString("B1"));
    QCOMPARE(hostedPanel(), QString("ConnectionTypeOnlyOne"));
}

void TestGuidePage::noLeakAcrossFiftySwitches()
{
    // A label named like a step picture elsewhere in the window is not the panels' to delete.
    QPointer<QLabel> foreign = new QLabel(gMainpage);
    foreign->setObjectName("1");
    const QStringList models{"VKC-1100", "VKC-2100", "VKC-5100", "VKC-1200", "VKC-2200", "VKC-5200",
                             "Choose your model"};
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

void TestGuidePage::ledAndResetPopups_data()
{
    QTest::addColumn<QWidget*>("panel");
    QTest::addColumn<QString>("link");

    QTest::newRow("only one") << static_cast<QWidget*>(gConnectionTypeOnlyOne) << "ConnectionTypeToolTips04";
    QTest::newRow("more than one") << static_cast<QWidget*>(gConnectionTypeMoreThanOne)
                                   << "ConnectionTypeMoreToolTips04";
    QTest::newRow("access point") << static_cast<QWidget*>(gConnectionTypeAPMode) << "ConnectionTypeAPModeToolTips04";
    QTest::newRow("local view") << static_cast<QWidget*>(gConnectionTypeLocalView) << "ConnectionTypeLocalToolTips04";
}

void TestGuidePage::ledAndResetPopups()
{
    QFETCH(QWidget*, panel);
    QFETCH(QString, link);

    select(page()->cconnection_ComboBox, "VKC-1100");
    QLineEdit* password = gDeviceSetupPage->ui->dsetupCameraPasscode_LineEdit;
    password->setText("secret1");
    QLabel* caption = panel->findChild<QLabel*>(link);
    QVERIFY(caption);
    QLabel* dimming = gMainpage->lockScreenLabel;

    // The LED checklist, which "Close" closes with the dimming.
    emit caption->linkActivated("blank");
    QCOMPARE(popups("whyLedRedWarning"), 1);
    QVERIFY(!dimming->isHidden());
    QCOMPARE(popup("whyLedRedWarning")->ui->msgBoxTitile_Label->text(), QString("Why does the LED stay red?"));
    popup("whyLedRedWarning")->ui->msgBoxRightBtn_Button->click();
    QCOMPARE(popups("whyLedRedWarning"), 0);
    QVERIFY(dimming->isHidden());

    // "Reset" swaps the checklist for the reset hint, which "Close" closes.
    emit caption->linkActivated("blank");
    QCOMPARE(popup("whyLedRedWarning")->ui->msgBoxLeftBtn_Button->text(), QString("Reset"));
    popup("whyLedRedWarning")->ui->msgBoxLeftBtn_Button->click();
    QCOMPARE(popups("whyLedRedWarning"), 0);
    QCOMPARE(popups("resetYourCameraWarning"), 1);
    QVERIFY(!dimming->isHidden());
    QCOMPARE(popup("resetYourCameraWarning")->ui->msgBoxTitile_Label->text(), QString("Reset Your Camera"));
    popup("resetYourCameraWarning")->ui->msgBoxLeftBtn_Button->click();
    QCOMPARE(popups("resetYourCameraWarning"), 0);
    QVERIFY(dimming->isHidden());

    // "Start Over" takes the guide back to the prompt and forgets typed passwords.
    QVERIFY(QMetaObject::invokeMethod(panel, "popupResetHint"));
    QCOMPARE(popup("resetYourCameraWarning")->ui->msgBoxRightBtn_Button->text(), QString("Start Over"));
    popup("resetYourCameraWarning")->ui->msgBoxRightBtn_Button->click();
    QCOMPARE(popups("resetYourCameraWarning"), 0);
    QVERIFY(dimming->isHidden());
    QCOMPARE(page()->cconnection_ComboBox->currentIndex(), 0);
    QCOMPARE(hostedPanel(), QString("Default"));
    QVERIFY(pageShown(gCameraConnectionPage));
    QVERIFY(password->text().isEmpty());

    // Closing when the popup is already gone still takes the dimming away.
    dimming->show();
    QVERIFY(QMetaObject::invokeMethod(panel, "pressMsgCancelButton"));
    QVERIFY(dimming->isHidden());
}

QTEST_MAIN(TestGuidePage)
#include "tst_guidepage.moc"
