// The hardware connection guide: entry, model, version and type choices, its buttons and hint popups.
#include <QtTest>

#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>

#include "apmode/apmodehosttodevice.h"
#include "base/globals.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectionrules.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/catalogue.h"

namespace {

void fillCatalogue()
{
    ModelRouteMap = {{"Choose your model", "0"}, {"VKC-1100", "1"}, {"VKC-1200", "1"},
                     {"VKC-1300", "1"},          {"VKC-1900", "1"}, {"VKC-2100", "2"},
                     {"VKC-2200", "2"},          {"VKC-5100", "5"}, {"VKC-5200", "5"}};
    SupportHWVersionMap = {{"VKC-1100", "A1"},    {"VKC-1200", "A1,B1"}, {"VKC-1300", "A1,B1,C1"}, {"VKC-2100", "NA"},
                           {"VKC-2200", "A1,B1"}, {"VKC-5100", "NA"},    {"VKC-5200", "A1,B1"}};
    ConnectionTypeMap = {{"VKC-1100_A1", {"POE:ia10,ic11"}},
                         {"VKC-1200_A1", {"Ethernet:ia10,ic10"}},
                         {"VKC-1200_B1", {"PLC:ia41,ia41_ib20,ic41"}},
                         {"VKC-1300_B1", {"PLC:a,,b"}},
                         {"VKC-1300_C1", {"POE:IA10,ia10", "WPS:a,b"}},
                         {"VKC-2100_NA", {"Ethernet:ia10,ia10_ib10,ic10", "WPS:wa10,wb10,wc10", "POE:ia10,ic11"}},
                         {"VKC-2200_B1", {"POE:ia10,ic11", "APMode:wa10,wb10,wc10"}},
                         {"VKC-5100_NA", {"APMode:wa10,wb10,wc10", "WPS:wa20"}},
                         {"VKC-5200_A1", {"WPS:wa10"}},
                         {"VKC-5200_B1", {"WPS:wa20", "APMode:wa10,wb10"}}};
}

Ui_CameraConnectionPage* page()
{
    return gCameraConnectionPage->ui;
}

void select(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

// Steps: "L" local-only entry, "m=" model, "o=" a route 1 model listed above the prompt, "t=" connection
// type, "v=" hardware version, "b=" button (next pages hidden, a camera listed); supportType set to
// "before" ahead of the last one. "e=KEY=ENTRY*N": the catalogue's entries under KEY, N (or one) times ENTRY.
void take(const QString& steps)
{
    const QStringList list = steps.split('|');
    QComboBox* versions = page()->cconnectionHWVersion_ComboBox;
    for (int i = 0; i < list.size(); ++i) {
        if (i == list.size() - 1)
            supportType = "before";
        const QString what = list[i].mid(2);
        if (list[i] == "L")
            isLocalView = true, gAgreementPage->pressNextButton();
        else if (list[i].startsWith("m="))
            select(page()->cconnection_ComboBox, what);
        else if (list[i].startsWith("e="))
            ConnectionTypeMap[what.section('=', 0, 0)] =
                QVector<QString>(qMax(1, what.section('*', 1).toInt()), what.section('=', 1).section('*', 0, 0))
                    .toList();
        else if (list[i].startsWith("o="))
            ModelRouteMap.insert(what, "1"), page()->cconnection_ComboBox->insertItem(0, what);
        else if (list[i].startsWith("t="))
            select(gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox, what);
        else if (list[i].startsWith("b=")) {
            for (QWidget* p : std::initializer_list<QWidget*>{gAPModeHostToDevice, gDiscoveryPage, gAgreementPage})
                p->hide();
            gMainpage->hideStep();
            isAPModeFlow = true;
            IPCameraList.append(IPCamera());
            for (QPushButton* button : gCameraConnectionPage->findChildren<QPushButton*>())
                if (button->text() == what)
                    button->click();
        } else {
            select(versions, what);
            emit versions->activated(versions->currentIndex());  // as a user's pick
        }
    }
}

QString items(QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result.join(',');
}

// The step a picture's badge shows (its picture against the numbered badges), 0 without one, -1 for another.
int badgeNumber(const QWidget* picture)
{
    const QLabel* badge = picture->findChild<QLabel*>();
    if (!badge || !badge->pixmap() || badge->pixmap()->isNull())
        return 0;
    for (int n = 1; n <= 4; ++n)
        if (badge->pixmap()->toImage() == QPixmap(QString(":/images/icon_step_%1").arg(n)).scaled(21, 21).toImage())
            return n;
    return -1;
}

// What the page shows: the hosted panel with the step captions it shows, in the order of their names
// ("/123": the steps the badges of the local panel's pictures show; "DefaultHW": the hardware-version picture),
// Next enabled, Skip shown, the version list ("+" when shown) and supportType.
QString state()
{
    QStringList shown;
    for (int i = 0; i < page()->cconnectionTypeLayout->count(); ++i) {
        QWidget* panel = page()->cconnectionTypeLayout->itemAt(i)->widget();
        QMap<QString, bool> captions;
        for (QWidget* caption : panel->findChildren<QWidget*>(QRegularExpression("ToolTips")))
            captions[caption->objectName()] = !caption->isHidden();
        QString text = panel->metaObject()->className() + QString(":");
        for (bool on : captions)
            text += on ? "1" : "0";
        QString badges;
        for (int n = 1; panel == gConnectionTypeLocalView && n <= 4; ++n)
            if (const int step =
                    badgeNumber(panel->findChild<QLabel*>(QString("ConnectionType_IMG%1").arg(n, 2, 10, QChar('0')))))
                badges += QString::number(step);
        text += badges.isEmpty() ? "" : "/" + badges;
        if (panel == gConnectionTypeDefault)
            text = gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->isHidden() ? "Default" : "DefaultHW";
        if (!panel->isHidden())
            shown << text;
    }
    QComboBox* versions = page()->cconnectionHWVersion_ComboBox;
    return QString("%1 N%2 S%3 [%4]%5 %6")
        .arg(shown.join('+'), page()->cconnectionNext_PushButton->isEnabled() ? "+" : "-",
             page()->cconnectionSkip_PushButton->isHidden() ? "-" : "+", items(versions),
             versions->isHidden() ? "" : "+", supportType);
}

// "name:row,column,span" per cell of the shown panel's step grid, "!" when its picture did not load, "#n" when
// its badge shows step n.
QString shownCells()
{
    QWidget* shown = page()->cconnectionTypeLayout->itemAt(0)->widget();
    QGridLayout* grid = shown->isHidden() ? nullptr : shown->findChild<QGridLayout*>();
    QStringList result;
    for (int i = 0; grid && i < grid->count(); ++i) {
        int row, column, rowSpan, span;
        grid->getItemPosition(i, &row, &column, &rowSpan, &span);
        QLabel* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
        const int badge = badgeNumber(label);
        result << QString::asprintf("%s:%d,%d,%d%s", qPrintable(label->objectName()), row, column, span,
                                    label->pixmap() && !label->pixmap()->isNull() ? "" : "!") +
                      (badge ? "#" + QString::number(badge) : "");
    }
    return result.join(' ');
}

bool pageShown(QWidget* widget)
{
    return !widget->isHidden() && frameWidget("mainPageHost_Widget")->layout()->indexOf(widget) >= 0;
}

// Where a button led: the page shown, supportType, and "apflow" (isAPModeFlow), "cleared" (camera
// list emptied), "scan" (discovery timer running), "step" (progress shown).
QString road()
{
    QStringList shown;
    for (auto [name, next] : {std::pair<const char*, QWidget*>{"stay", gCameraConnectionPage},
                              {"ap", gAPModeHostToDevice},
                              {"discovery", gDiscoveryPage},
                              {"back", gAgreementPage}})
        if (pageShown(next))
            shown << name;
    return QStringList{shown.join('+'),
                       supportType,
                       isAPModeFlow ? "apflow" : "",
                       IPCameraList.isEmpty() ? "cleared" : "",
                       gDiscoveryPage->checkDeviceDiscoveryTimer->isActive() ? "scan" : "",
                       frameWidget("mainProgress_Label")->isHidden() ? "" : "step"}
        .join(' ')
        .simplified();
}

}  // namespace

class TestGuidePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createWizardForTests();
        // A clip folder like the one cut from the sprite; "IA10" is deliberately absent.
        QImage image(164, 164, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        for (const char* name :
             {"ia10", "ia10_ib10", "ic10", "ic11", "ia41", "ia41_ib20", "ic41", "wa10", "wb10", "wc10", "a", "b"})
            QVERIFY(image.save(clips.filePath(QString(name) + ".png")));
        assembleImagesPath = clips.path() + "/";
        foreign = new QLabel(gMainpage);
        foreign->setObjectName("1");
    }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void init()
    {
        fillCatalogue();
        isLocalView = false;
        gAgreementPage->pressNextButton();
        page()->cconnection_ComboBox->addItem("VKC-9999");  // listed but not in the catalogue
        IPCameraList.clear();
    }

    void cleanup()
    {
        for (QTimer* timer : gDiscoveryPage->findChildren<QTimer*>())
            timer->stop();
        gMainpage->hideBusy();
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        frameWidget("lockScreenLabel")->hide();
        QVERIFY(foreign);
    }

    void entry()
    {
        take("m=VKC-2200|v=B1");
        gMainpage->hideStep();
        ModelRouteMap = {
            {"Choose your model", "0"}, {"VKC-4710", "2"}, {"VKC-3100", "1"}, {"OLV-800", "0"}, {"vkc-2", "0"}};
        gAgreementPage->pressNextButton();

        // "I Agree" again: other prefixes on top; the page prepared whatever was left on it.
        QCOMPARE(items(page()->cconnection_ComboBox), "vkc-2,OLV-800,Choose your model,VKC-3100,VKC-4710");
        QCOMPARE(state().section(' ', 0, 2), "Default N- S+");
        QVERIFY(page()->cconnectionHWVersion_ComboBox->isHidden());
        QVERIFY(pageShown(gCameraConnectionPage) && gAgreementPage->isHidden());
        QVERIFY(!frameWidget("mainProgressContent_Label")->isHidden());

        // Of a list of many models the log shows the first, as it shows the catalogue's cameras, and their number; of
        // as many versions of a model its list holds the first.
        for (const int models : {kLoggedCameras, kLoggedCameras + 1, 9000}) {
            ModelRouteMap = {{"Choose your model", "0"}};
            for (int i = 1; i < models; ++i)
                ModelRouteMap.insert(QString("VKC-%1").arg(i, 4, 10, QChar('0')), "1");
            SupportHWVersionMap["VKC-0001"] = QStringList(QVector<QString>(models, "A1").toList()).join(',');
            LogRecorder log;
            gAgreementPage->pressNextButton();
            select(page()->cconnection_ComboBox, "VKC-0001");
            QCOMPARE(page()->cconnectionHWVersion_ComboBox->count(),
                     1 + qMin(models, ConnectionRules::kListedVersions));
            QCOMPARE(log.contains(QString("versions: %1 of the model, the first 64 listed").arg(models)),
                     models > ConnectionRules::kListedVersions);
            QCOMPARE(page()->cconnection_ComboBox->count(), models);
            QCOMPARE(log.matching("\"  :  \"").size(), kLoggedCameras);
            QCOMPARE(log.contains(QString("Models: %1 in the list, the first 64").arg(models)),
                     models > kLoggedCameras);
        }
    }

    void choice_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("cells");  // "*": not looked at
        QTest::addColumn<QString>("cut");    // what the lines on what was left out say, "" without one
        auto row = [](const char* name, const char* steps, const char* state, const char* cells, const char* cut = "") {
            QTest::newRow(name) << QString(steps) << QString(state) << QString(cells) << QString(cut);
        };

        row("prompt", "m=VKC-1200|m=Choose your model", "Default N- S+ [] ALL", "");
        row("route 1", "m=VKC-1200|m=VKC-1100", "ConnectionTypeOnlyOne:11101 N+ S- [A1] VKC-1100",
            "0:0,0,1#1 1:0,1,1#2");
        row("route 5, two versions", "m=VKC-1100|m=VKC-5200", "DefaultHW N+ S- [H/W Version,A1,B1]+ VKC-5200", "");
        row("no version listed", "m=VKC-1200|m=VKC-1900", "ConnectionTypeOnlyOne:11001 N+ S- [] VKC-1900", "*");
        row("local entry", "L", "ConnectionTypeLocalView:0000 N- S+ [] ALL", "");
        row("local direct after ethernet", "L|m=Ethernet|m=Direct Connection",
            "ConnectionTypeLocalView:1101/123 N+ S- [] ALL", "");
        // VKC-2100: Ethernet ia10,ia10_ib10,ic10 | WPS wa10,wb10,wc10 | POE ia10,ic11; refilled in a nested slot.
        row("type ethernet", "m=VKC-2100|t=Direct Connection|t=Ethernet",
            "ConnectionTypeMoreThanOne:11011 N+ S- [NA] VKC-2100", "0:0,0,1#1 1:0,1,1#2 2:0,2,1#3");
        row("type direct, three pictures span two", "m=VKC-2100|t=POE(Power Over Ethernet)|t=Direct Connection",
            "ConnectionTypeMoreThanOne:10011 N+ S- [NA] VKC-2100", "0:0,0,2#1 1:0,1,2#2 2:0,2,2#3");
        row("route 2, type prompt again", "m=VKC-5200|m=VKC-2100|t=Ethernet|t=Choose your connection type",
            "ConnectionTypeMoreThanOne:00000 N- S+ [NA] VKC-2100", "1:0,1,1 2:0,2,1 3:0,3,1");
        row("version picked twice", "m=VKC-1200|v=B1|v=B1",
            "ConnectionTypeOnlyOne:11011 N+ S- [H/W Version,A1,B1]+ VKC-1200", "0:0,0,1#1 1:0,1,1#2 2:0,2,1#3");
        row("version, route 2", "m=VKC-2200|v=B1",
            "ConnectionTypeMoreThanOne:00000 N- S+ [H/W Version,A1,B1]+ VKC-2200", "1:0,1,1 2:0,2,1");
        row("version, route 5 skips WPS", "m=VKC-5200|v=B1",
            "ConnectionTypeAPMode:111 N+ S- [H/W Version,A1,B1]+ VKC-5200", "0:0,0,2#1 1:0,1,2#2");
        row("empty name keeps its step", "m=VKC-1300|v=B1",
            "ConnectionTypeOnlyOne:11011 N+ S- [H/W Version,A1,B1,C1]+ VKC-1300", "0:0,0,1#1 1:0,1,1!#2 2:0,2,1#3");
        row("other types are no steps of route 1", "m=VKC-1300|v=C1",
            "ConnectionTypeOnlyOne:11101 N+ S- [H/W Version,A1,B1,C1]+ VKC-1300", "0:0,0,1!#1 1:0,1,1#2");
        // Of an entry the first eight step pictures (the fifth on, badges empty), of a model the first eight entries.
        const char* one = "ConnectionTypeOnlyOne:11101 N+ S- [A1] VKC-1100";
        const char* two = "ConnectionTypeMoreThanOne:00000 N- S+ [NA] VKC-2100";
        const char* eight = "0:0,0,1#1 1:0,1,1#2 2:0,2,1#3 3:0,3,1#4 4:0,4,1 5:0,5,1 6:0,6,1 7:0,7,1";
        const char* overviews = "1:0,1,1 2:0,2,1 3:0,3,1 4:0,4,1 5:0,5,1 6:0,6,1 7:0,7,1 8:0,8,1";
        row("eight step pictures", "e=VKC-1100_A1=POE:a,b,a,b,a,b,a,b|m=VKC-1100", one, eight);
        row("nine step pictures", "e=VKC-1100_A1=POE:a,b,a,b,a,b,a,b,a|m=VKC-1100", one, eight, "9 in the entry");
        row("eight entries", "e=VKC-2100_NA=PLC:a*8|m=VKC-2100", two, overviews);
        row("nine entries", "e=VKC-2100_NA=PLC:a*9|m=VKC-2100", two, overviews, "9 of the model");
        row("version prompt again", "m=VKC-2200|v=B1|v=H/W Version", "DefaultHW N- S+ [H/W Version,A1,B1]+ before", "");
        // Buttons: where they lead, then the page as left behind.
        row("next, local direct", "L|m=Direct Connection|b=Next", "ap ALL apflow cleared step",
            "ConnectionTypeLocalView:1101/123 N+ S- []");
        row("next, not in the catalogue", "m=VKC-9999|b=Next", "stay before apflow", "Default N- S+ []");
        row("next, route 2, direct", "m=VKC-2100|t=Direct Connection|b=Next", "ap VKC-2100 apflow cleared step",
            "ConnectionTypeMoreThanOne:10011 N+ S- [NA]");
        row("next, route 2, ethernet", "m=VKC-2100|t=Ethernet|b=Next", "discovery VKC-2100 cleared scan step",
            "ConnectionTypeMoreThanOne:11011 N+ S- [NA]");
        row("skip starts the guide over", "m=VKC-1200|b=Skip instruction", "discovery ALL cleared scan step",
            "Default N- S+ []");
        row("skip, a model listed above the prompt", "o=OLV-800|m=VKC-1200|b=Skip instruction",
            "discovery ALL cleared scan step", "ConnectionTypeOnlyOne:11001 N+ S- []");
        row("back leaves everything", "m=VKC-1100|b=Back", "back before apflow",
            "ConnectionTypeOnlyOne:11101 N+ S- [A1]");
    }

    void choice()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        QFETCH(QString, cells);
        QFETCH(QString, cut);
        auto labels = [] {
            const QWidgetList all = QApplication::allWidgets();
            return std::count_if(all.begin(), all.end(), [](QWidget* w) { return qobject_cast<QLabel*>(w); });
        };

        LogRecorder log;
        take(steps);
        QCOMPARE(log.count({"left out"}) > 0 && log.count({"left out", cut}) == log.count({"left out"}),
                 !cut.isEmpty());
        if (steps.contains("b=")) {  // the page left as it was but for Skip
            QCOMPARE(road(), state);
            QCOMPARE(::state().section(' ', 0, -2), cells);
            return;
        }
        QCOMPARE(::state(), state);
        if (cells != "*")
            QCOMPARE(shownCells(), cells);
        take(steps);  // the same again and again leaks nothing
        const auto before = std::make_pair(labels(), page()->cconnectionTypeLayout->count());
        take(steps);
        QCOMPARE(std::make_pair(labels(), page()->cconnectionTypeLayout->count()), before);
    }

    // The LED checklist and the reset hint each close and undim; "Start Over" returns to the prompt.
    void hints()
    {
        select(page()->cconnection_ComboBox, "VKC-1100");
        QLineEdit* password = gDeviceSetupPage->ui->dsetupCameraPasscode_LineEdit;
        password->setText("secret1");
        // The checklist: left Reset, right Close; the reset hint: left Close, right Start Over.
        QLabel* link = gConnectionTypeOnlyOne->findChild<QLabel*>("ConnectionTypeToolTips04");
        for (const char* run : {"whyLedRedWarning:Right", "whyLedRedWarning:Left resetYourCameraWarning:Left",
                                "whyLedRedWarning:Left resetYourCameraWarning:Right"}) {
            emit link->linkActivated("blank");
            for (const QString& press : QString(run).split(' ')) {
                QVERIFY(!frameWidget("lockScreenLabel")->isHidden());
                MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(press.section(':', 0, 0));
                QVERIFY(popup);
                popup->findChild<QPushButton*>("msgBox" + press.section(':', 1) + "Btn_Button")->click();
                QVERIFY(!gMainpage->findChild<MessageBoxPage*>(press.section(':', 0, 0)));
            }
            QVERIFY(frameWidget("lockScreenLabel")->isHidden());
            link = gConnectionTypeLocalView->findChild<QLabel*>("ConnectionTypeLocalToolTips04");  // another panel's
        }
        QCOMPARE(state(), QString("Default N- S+ [] ALL"));
        QVERIFY(pageShown(gCameraConnectionPage));
        QVERIFY(password->text().isEmpty());
    }

private:
    QTemporaryDir clips;
    QPointer<QLabel> foreign;  // named like a step picture: not the panels' to delete
};

QTEST_MAIN(TestGuidePage)
#include "tst_guidepage.moc"
