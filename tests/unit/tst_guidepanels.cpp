// The connection panels: the connection-type list handler, the local-only texts and the
// LED and reset hint popups.
#include <QtTest>

#include <QLineEdit>
#include <QTextEdit>

#include "guidefixture.h"
#include "messageboxpage.h"
#include "testsupport.h"

#include "setup/devicesetuppage.h"

using namespace GuideFixture;

namespace {
QLabel* ledCaption(const QString& panel)
{
    const char* names[][2] = {{"ConnectionTypeOnlyOne", "ConnectionTypeToolTips04"},
                              {"ConnectionTypeMoreThanOne", "ConnectionTypeMoreToolTips04"},
                              {"ConnectionTypeAPMode", "ConnectionTypeAPModeToolTips04"},
                              {"ConnectionTypeLocalView", "ConnectionTypeLocalToolTips04"}};
    for (const auto& pair : names)
        if (panel == pair[0])
            return panelNamed(panel)->findChild<QLabel*>(pair[1]);
    return nullptr;
}

QList<MessageBoxPage*> popups(const char* name)
{
    return gMainpage->findChildren<MessageBoxPage*>(name);
}

void addPanelRows()
{
    QTest::addColumn<QString>("panel");
    for (const char* panel : {"ConnectionTypeOnlyOne", "ConnectionTypeMoreThanOne", "ConnectionTypeAPMode",
                              "ConnectionTypeLocalView"})
        QTest::newRow(panel) << panel;
}
} // namespace

class TestGuidePanels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectionTypeSets_data();
    void connectionTypeSets();
    void directEntryOutOfStep();
    void handlerOnlyForRoute2();
    void backToPromptGivesOverview();
    void localTexts_data();
    void localTexts();
    void ledChecklist_data();
    void ledChecklist();
    void resetReplacesChecklist_data();
    void resetReplacesChecklist();
    void startOver_data();
    void startOver();
    void closingWithoutPopupHidesDimming_data();
    void closingWithoutPopupHidesDimming();
    void popupTextsInOwnContext();

private:
    QTemporaryDir clips;
};

void TestGuidePanels::initTestCase()
{
    createWizardForTests();
    QVERIFY(clips.isValid());
    QVERIFY(writeClips(clips));
}

void TestGuidePanels::init()
{
    fillCatalogue();
    enterModelMode();
}

void TestGuidePanels::cleanup()
{
    for (const char* name : {"whyLedRedWarning", "resetYourCameraWarning"})
        qDeleteAll(popups(name));
    gMainpage->lockScreenLabel->hide();
    isLocalView = false;
}

void TestGuidePanels::connectionTypeSets_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("captions");  // shown 01, 02, 03, 03_2, 04
    QTest::addColumn<QRect>("powerPlace");
    QTest::addColumn<QRect>("ledPlace");
    QTest::addColumn<QString>("cellsText");  // name:column:span
    QTest::addColumn<bool>("next");

    // TC-2100: Ethernet ia10,ia10_ib10,ic10 | WPS wa10,wb10,wc10 | POE ia10,ic11.
    QTest::newRow("ethernet") << "Ethernet" << "11011" << QRect(358, 210, 170, 74) << QRect(533, 224, 170, 74)
                              << "0:0:1 1:1:1 2:2:1" << true;
    QTest::newRow("poe") << "POE(Power Over Ethernet)" << "11101" << QRect(358, 210, 170, 74)
                         << QRect(533, 224, 170, 74) << "0:0:1 1:1:1" << true;
    QTest::newRow("direct, three pictures span two") << "Direct Connection" << "10011" << QRect(186, 209, 170, 74)
                                                     << QRect(366, 224, 170, 74) << "0:0:2 1:1:2 2:2:2" << true;
    QTest::newRow("prompt") << "Choose your connection type" << "00000" << QRect() << QRect()
                            << "1:1:1 2:2:1 3:3:1" << false;
}

void TestGuidePanels::connectionTypeSets()
{
    QFETCH(QString, item);
    QFETCH(QString, captions);
    QFETCH(QRect, powerPlace);
    QFETCH(QRect, ledPlace);
    QFETCH(QString, cellsText);
    QFETCH(bool, next);

    selectEntry("TC-2100");
    QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
    types->setCurrentIndex(types->findText(item == "Ethernet" ? "Direct Connection" : "Ethernet"));
    supportType = "before";
    types->setCurrentIndex(types->findText(item));

    Ui_ConnectionTypeMoreThanOne* form = gConnectionTypeMoreThanOne->ui;
    QCOMPARE(visibility({form->ConnectionTypeMoreToolTips01, form->ConnectionTypeMoreToolTips02,
                         form->ConnectionTypeMoreToolTips03, form->ConnectionTypeMoreToolTips03_2,
                         form->ConnectionTypeMoreToolTips04}),
             captions);
    if (!powerPlace.isNull()) {
        QCOMPARE(form->ConnectionTypeMoreToolTips03_2->geometry(), powerPlace);
        QCOMPARE(form->ConnectionTypeMoreToolTips04->geometry(), ledPlace);
        QCOMPARE(form->ConnectionTypeMoreToolTips01->geometry(), QRect(8, 224, 170, 45));
    }
    QStringList actual;
    for (const Cell& cell : cells(form->gridLayout))
        actual << QString("%1:%2:%3").arg(cell.name).arg(cell.column).arg(cell.columnSpan);
    QCOMPARE(actual.join(' '), cellsText);
    QCOMPARE(page()->cconnectionNext_PushButton->isEnabled(), next);
    QCOMPARE(page()->cconnectionSkip_PushButton->isHidden(), next);
    QCOMPARE(supportType, QString("TC-2100"));
    QCOMPARE(hostedPanelName(), QString("ConnectionTypeMoreThanOne"));
}

void TestGuidePanels::directEntryOutOfStep()
{
    selectEntry("TC-2100");
    // The catalogue changed under the list: item 2 now stands for an Ethernet entry.
    ConnectionTypeMap["TC-2100_NA"] = QStringList{"Ethernet:a", "Ethernet:b", "WPS:wa10"};
    QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
    types->setCurrentIndex(types->findText("Direct Connection"));
    QCOMPARE(gConnectionTypeMoreThanOne->ui->gridLayout->count(), 0);
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
}

void TestGuidePanels::handlerOnlyForRoute2()
{
    selectEntry("TC-1100");
    QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
    QSignalBlocker quiet(types);
    types->clear();
    types->addItems({"Choose your connection type", "Ethernet"});
    quiet.unblock();
    const int cellsBefore = gConnectionTypeMoreThanOne->ui->gridLayout->count();

    LogRecorder log;
    types->setCurrentIndex(1);
    QCOMPARE(log.matching("04 mockValue :").size(), 1);
    QVERIFY(log.matching("num ...").isEmpty());
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
    QVERIFY(page()->cconnectionSkip_PushButton->isHidden());
    QCOMPARE(supportType, QString("TC-1100"));
    QCOMPARE(gConnectionTypeMoreThanOne->ui->gridLayout->count(), cellsBefore);
}

void TestGuidePanels::backToPromptGivesOverview()
{
    selectEntry("TC-2100");
    QComboBox* types = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox;
    types->setCurrentIndex(1);
    QVERIFY(page()->cconnectionNext_PushButton->isEnabled());
    types->setCurrentIndex(0);

    QStringList names;
    for (const Cell& cell : cells(gConnectionTypeMoreThanOne->ui->gridLayout))
        names << cell.name;
    QCOMPARE(names.join(' '), QString("1 2 3"));
    QVERIFY(!page()->cconnectionNext_PushButton->isEnabled());
    QVERIFY(!page()->cconnectionSkip_PushButton->isHidden());
    QVERIFY(gConnectionTypeMoreThanOne->ui->ConnectionTypeMoreToolTips04->isHidden());
}

void TestGuidePanels::localTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("powerText");  // the box gets the power paragraph
    QTest::addColumn<QString>("plug");    // expected plug step, empty: unchanged

    QTest::newRow("ethernet") << 1 << true << "Plug in the Ethernet";
    QTest::newRow("poe") << 2 << true << "Plug in the Ethernet";
    QTest::newRow("plc") << 3 << true << "Plug in the Ethernet";
    QTest::newRow("direct") << 4 << false << "Plug in the Power";
    QTest::newRow("prompt") << 0 << false << "";
    QTest::newRow("empty list") << -1 << false << "";
}

void TestGuidePanels::localTexts()
{
    QFETCH(int, index);
    QFETCH(bool, powerText);
    QFETCH(QString, plug);

    enterLocalMode();
    Ui_ConnectionTypeLocalView* local = gConnectionTypeLocalView->ui;
    local->ConnectionTypeLocalToolTips02->setText("marker");
    local->ConnectionTypeLocalToolTips03->setPlainText("marker");
    {
        QSignalBlocker quiet(page()->cconnection_ComboBox);
        if (index < 0)
            page()->cconnection_ComboBox->clear();
        else
            page()->cconnection_ComboBox->setCurrentIndex(index);
    }
    gConnectionTypeLocalView->translateUI();

    const QString box = local->ConnectionTypeLocalToolTips03->toPlainText();
    QCOMPARE(box.startsWith("Connect the power adapter to the power connector"), powerText);
    if (!powerText)
        QCOMPARE(box, QString("marker"));
    const QString label = local->ConnectionTypeLocalToolTips02->text();
    if (plug.isEmpty())
        QCOMPARE(label, QString("marker"));
    else
        QCOMPARE(label, "<p style=\"line-height:14px\"><font face=\"Verdana\" color=\"#333333\">" + plug
                            + "<br><br></font></p>");
}

void TestGuidePanels::ledChecklist_data()
{
    addPanelRows();
}

void TestGuidePanels::ledChecklist()
{
    QFETCH(QString, panel);

    QLabel* caption = ledCaption(panel);
    QVERIFY(caption);
    QVERIFY(caption->text().contains("href=\"blank\""));
    emit caption->linkActivated("blank");

    QCOMPARE(popups("whyLedRedWarning").size(), 1);
    MessageBoxPage* popup = popups("whyLedRedWarning").first();
    QCOMPARE(popup->geometry(), QRect(91, 150, 618, 350));
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
    QCOMPARE(popup->ui->msgBoxTitile_Label->text(), QString("Why does the LED stay red?"));
    QVERIFY(popup->ui->msgBoxContent_Label->text().contains("1. Make sure your cables are securely connected."));
    QVERIFY(popup->ui->msgBoxImageLabel->isHidden());
    QCOMPARE(popup->ui->msgBoxLeftBtn_Button->text(), QString("Reset"));
    QCOMPARE(popup->ui->msgBoxLeftBtn_Button->geometry(), QRect(360, 300, 111, 24));
    QCOMPARE(popup->ui->msgBoxRightBtn_Button->text(), QString("Close"));
    QCOMPARE(popup->ui->msgBoxRightBtn_Button->geometry(), QRect(480, 300, 111, 24));

    // Both the close button and Close close it.
    popup->ui->msgBoxClose_Button->click();
    QVERIFY(popups("whyLedRedWarning").isEmpty());
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
    emit caption->linkActivated("blank");
    popups("whyLedRedWarning").first()->ui->msgBoxRightBtn_Button->click();
    QVERIFY(popups("whyLedRedWarning").isEmpty());
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
}

void TestGuidePanels::resetReplacesChecklist_data()
{
    addPanelRows();
}

void TestGuidePanels::resetReplacesChecklist()
{
    QFETCH(QString, panel);

    emit ledCaption(panel)->linkActivated("blank");
    popups("whyLedRedWarning").first()->ui->msgBoxLeftBtn_Button->click();

    QVERIFY(popups("whyLedRedWarning").isEmpty());
    QCOMPARE(popups("resetYourCameraWarning").size(), 1);
    MessageBoxPage* hint = popups("resetYourCameraWarning").first();
    QCOMPARE(hint->geometry(), QRect(91, 100, 618, 450));
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
    QCOMPARE(hint->ui->msgBoxTitile_Label->text(), QString("Reset Your Camera"));
    QVERIFY(!hint->ui->msgBoxImageLabel->isHidden());
    QCOMPARE(hint->ui->msgBoxImageLabel->geometry(), QRect(420, 200, 168, 167));
    QCOMPARE(hint->ui->msgBoxLeftBtn_Button->text(), QString("Close"));
    QCOMPARE(hint->ui->msgBoxRightBtn_Button->text(), QString("Start Over"));
    QCOMPARE(hint->ui->msgBoxRightBtn_Button->geometry(), QRect(480, 400, 111, 24));

    hint->ui->msgBoxLeftBtn_Button->click();
    QVERIFY(popups("resetYourCameraWarning").isEmpty());
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
}

void TestGuidePanels::startOver_data()
{
    addPanelRows();
}

void TestGuidePanels::startOver()
{
    QFETCH(QString, panel);

    selectEntry("TC-1100");
    QLineEdit* passwords[] = {gDeviceSetupPage->findChild<QLineEdit*>("dsetupCameraPasscode_LineEdit"),
                              gDeviceSetupPage->findChild<QLineEdit*>("dsetupRetypePasscode_LineEdit")};
    for (QLineEdit* field : passwords)
        if (field)
            field->setText("secret1");

    QVERIFY(QMetaObject::invokeMethod(panelNamed(panel), "popupResetHint"));
    popups("resetYourCameraWarning").first()->ui->msgBoxRightBtn_Button->click();

    QVERIFY(popups("resetYourCameraWarning").isEmpty());
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
    QCOMPARE(page()->cconnection_ComboBox->currentIndex(), 0);
    QCOMPARE(hostedPanelName(), QString("Default"));
    QVERIFY(!gCameraConnectionPage->isHidden());
    for (QLineEdit* field : passwords)
        if (field)
            QVERIFY(field->text().isEmpty());
}

void TestGuidePanels::closingWithoutPopupHidesDimming_data()
{
    addPanelRows();
}

void TestGuidePanels::closingWithoutPopupHidesDimming()
{
    QFETCH(QString, panel);

    for (const char* slot : {"pressMsgCancelButton", "pressMsgCloseButton"}) {
        gMainpage->lockScreenLabel->show();
        QVERIFY(QMetaObject::invokeMethod(panelNamed(panel), slot));
        QVERIFY(gMainpage->lockScreenLabel->isHidden());
    }
}

void TestGuidePanels::popupTextsInOwnContext()
{
    OneTextTranslator translator("ConnectionTypeAPMode", "Why does the LED stay red?", "Warum bleibt die LED rot?");
    QCoreApplication::installTranslator(&translator);
    QStringList titles;
    for (const char* panel : {"ConnectionTypeAPMode", "ConnectionTypeOnlyOne", "ConnectionTypeMoreThanOne",
                              "ConnectionTypeLocalView"}) {
        emit ledCaption(panel)->linkActivated("blank");
        titles << popups("whyLedRedWarning").first()->ui->msgBoxTitile_Label->text();
        qDeleteAll(popups("whyLedRedWarning"));
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(titles, (QStringList{"Warum bleibt die LED rot?", "Why does the LED stay red?",
                                  "Why does the LED stay red?", "Why does the LED stay red?"}));
}

QTEST_MAIN(TestGuidePanels)
#include "tst_guidepanels.moc"
