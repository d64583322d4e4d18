// The forms of the hardware connection page and its panels, as start-up leaves them.
#include <QtTest>

#include <QTextEdit>

#include "guidefixture.h"
#include "testsupport.h"

using namespace GuideFixture;

class TestGuideForms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void freshPanels_data();
    void freshPanels();
    void defaultPanelStacking();
    void formBindings_data();
    void formBindings();
    void slotOrder_data();
    void slotOrder();
    void pageTextsInPageContext();
};

void TestGuideForms::initTestCase()
{
    createWizardForTests();
}

void TestGuideForms::freshPanels_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("widgets");
    QTest::addColumn<QString>("shown");

    QTest::newRow("only one") << "ConnectionTypeOnlyOne"
                              << QStringList{"ConnectionTypeToolTips01", "ConnectionTypeToolTips02",
                                             "ConnectionTypeToolTips03", "ConnectionTypeToolTips03_2",
                                             "ConnectionTypeToolTips04"}
                              << "11010";
    QTest::newRow("more than one") << "ConnectionTypeMoreThanOne"
                                   << QStringList{"ConnectionTypeMoreToolTips01", "ConnectionTypeMoreToolTips02",
                                                  "ConnectionTypeMoreToolTips03", "ConnectionTypeMoreToolTips03_2",
                                                  "ConnectionTypeMoreToolTips04", "CTypeMoreThanOne_ComboBox"}
                                   << "000001";
    QTest::newRow("access point") << "ConnectionTypeAPMode"
                                  << QStringList{"ConnectionTypeAPModeToolTips01", "ConnectionTypeAPModeToolTips02",
                                                 "ConnectionTypeAPModeToolTips04"}
                                  << "111";
    QTest::newRow("local view") << "ConnectionTypeLocalView"
                                << QStringList{"ConnectionTypeLocalToolTips01", "ConnectionTypeLocalToolTips02",
                                               "ConnectionTypeLocalToolTips03", "ConnectionTypeLocalToolTips04"}
                                << "1100";
    QTest::newRow("default") << "ConnectionTypeDefault"
                             << QStringList{"cTypeDefaultImage_Label", "cTypeHWDefaultImage_Label"} << "11";
}

void TestGuideForms::freshPanels()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, widgets);
    QFETCH(QString, shown);

    QWidget* host = panelNamed(panel);
    QVERIFY(host);
    QList<QWidget*> found;
    for (const QString& name : widgets) {
        QWidget* widget = host->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        found << widget;
    }
    QCOMPARE(visibility(found), shown);
    if (QGridLayout* grid = host->findChild<QGridLayout*>("gridLayout"); grid && panel != "ConnectionTypeLocalView")
        QCOMPARE(grid->count(), 0);
    if (panel == "ConnectionTypeLocalView")
        QCOMPARE(gConnectionTypeLocalView->ui->ConnectionTypeLocalToolTips03->frameStyle(), 0);
    if (panel == "ConnectionTypeMoreThanOne")
        QCOMPARE(gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox->count(), 0);
}

void TestGuideForms::defaultPanelStacking()
{
    Ui_ConnectionTypeDefault* form = gConnectionTypeDefault->ui;
    const QObjectList order = gConnectionTypeDefault->children();
    QVERIFY(order.indexOf(form->cTypeDefaultImage_Label) > order.indexOf(form->cTypeHWDefaultImage_Label));
    QVERIFY(form->cTypeDefaultImage_Label->text().isEmpty());
    QVERIFY(form->cTypeHWDefaultImage_Label->text().isEmpty());
    QVERIFY(form->cTypeDefaultImage_Label->styleSheet().contains("internet_default.png"));
    QVERIFY(form->cTypeHWDefaultImage_Label->styleSheet().contains("internet_hw_default.png"));
}

void TestGuideForms::formBindings_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");  // null: not checked

    const QString page = "CameraConnectionPage";
    QTest::newRow("panel area") << page << "verticalLayoutWidget" << "QWidget" << page << QRect(49, 145, 701, 301);
    QTest::newRow("version list") << page << "cconnectionHWVersion_ComboBox" << "QComboBox" << page
                                  << QRect(290, 116, 143, 27);
    QTest::newRow("type list") << "ConnectionTypeMoreThanOne" << "CTypeMoreThanOne_ComboBox" << "QComboBox"
                               << "ConnectionTypeMoreThanOne" << QRect(1, 10, 233, 27);
    QTest::newRow("power text is a text box") << "ConnectionTypeLocalView" << "ConnectionTypeLocalToolTips03"
                                              << "QTextEdit" << "ConnectionTypeLocalView" << QRect(354, 190, 170, 70);
    // Captions are children of the panel, not of its picture area.
    QTest::newRow("only one caption") << "ConnectionTypeOnlyOne" << "ConnectionTypeToolTips03_2" << "QLabel"
                                      << "ConnectionTypeOnlyOne" << QRect(357, 190, 170, 45);
    QTest::newRow("more than one caption") << "ConnectionTypeMoreThanOne" << "ConnectionTypeMoreToolTips04"
                                           << "QLabel" << "ConnectionTypeMoreThanOne" << QRect(533, 224, 166, 74);
    QTest::newRow("access point box caption") << "ConnectionTypeAPMode" << "ConnectionTypeAPModeToolTips01"
                                              << "QLabel" << "ConnectionTypeAPMode" << QRect(5, 188, 188, 45);
    QTest::newRow("local view caption") << "ConnectionTypeLocalView" << "ConnectionTypeLocalToolTips04" << "QLabel"
                                        << "ConnectionTypeLocalView" << QRect(536, 192, 166, 74);
    QTest::newRow("local view picture") << "ConnectionTypeLocalView" << "ConnectionType_IMG02" << "QLabel"
                                        << "gridLayoutWidget" << QRect();
}

void TestGuideForms::formBindings()
{
    QFETCH(QString, owner);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);

    QWidget* root = owner == "CameraConnectionPage" ? static_cast<QWidget*>(gCameraConnectionPage) : panelNamed(owner);
    QVERIFY(root);
    QWidget* widget = root->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(QString(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
}

void TestGuideForms::slotOrder_data()
{
    QTest::addColumn<QObject*>("object");
    QTest::addColumn<QStringList>("methods");

    const QStringList popupSlots{"popupWhyLedRed", "pressMsgCancelButton", "pressMsgResetButton",
                                 "popupResetHint", "pressMsgStartOverButton", "pressMsgCloseButton"};
    QTest::newRow("page") << static_cast<QObject*>(gCameraConnectionPage)
                          << QStringList{"pressBackButton", "pressSkipButton", "pressNextButton", "gotIndexChanged",
                                         "gotHWVersionIndexChanged", "removeStepIcon"};
    QTest::newRow("more than one") << static_cast<QObject*>(gConnectionTypeMoreThanOne)
                                   << QStringList{"gotCtypeIndexChanged"} + popupSlots;
    QTest::newRow("only one") << static_cast<QObject*>(gConnectionTypeOnlyOne) << popupSlots;
    QTest::newRow("access point") << static_cast<QObject*>(gConnectionTypeAPMode) << popupSlots;
    QTest::newRow("local view") << static_cast<QObject*>(gConnectionTypeLocalView) << popupSlots;
}

void TestGuideForms::slotOrder()
{
    QFETCH(QObject*, object);
    QFETCH(QStringList, methods);

    const QMetaObject* meta = object->metaObject();
    QStringList actual;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        actual << QString(meta->method(i).name());
    QCOMPARE(actual, methods);
}

void TestGuideForms::pageTextsInPageContext()
{
    QVBoxLayout* host = gCameraConnectionPage->findChild<QVBoxLayout*>("cconnectionTypeLayout");
    QCOMPARE(host, page()->cconnectionTypeLayout);
    QCOMPARE(host->parentWidget(), page()->verticalLayoutWidget);
    QCOMPARE(host->contentsMargins(), QMargins(0, 0, 0, 0));

    Ui_ConnectionTypeLocalView* local = gConnectionTypeLocalView->ui;
    for (auto cell : {std::make_pair(local->ConnectionType_IMG01, 0), std::make_pair(local->ConnectionType_IMG02, 1),
                      std::make_pair(local->ConnectionType_IMG03, 3), std::make_pair(local->ConnectionType_IMG04, 4)}) {
        int row, column, rowSpan, columnSpan;
        local->gridLayout->getItemPosition(local->gridLayout->indexOf(cell.first), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 4);
        QCOMPARE(column, cell.second);
    }

    OneTextTranslator translator("CameraConnectionPage", "Skip instruction", "Anleitung überspringen");
    OneTextTranslator other("ConnectionTypeOnlyOne", "Back", "Zurück");
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::installTranslator(&other);
    page()->retranslateUi(gCameraConnectionPage);
    QCOMPARE(page()->cconnectionSkip_PushButton->text(), QString("Anleitung überspringen"));
    QCOMPARE(page()->cconnectionPrev_PushButton->text(), QString("Back"));
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::removeTranslator(&other);
    page()->retranslateUi(gCameraConnectionPage);
    QCOMPARE(page()->cconnectionSkip_PushButton->text(), QString("Skip instruction"));
}

QTEST_MAIN(TestGuideForms)
#include "tst_guideforms.moc"
