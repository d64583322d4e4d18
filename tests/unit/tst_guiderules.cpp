// Decisions of the hardware connection guide without widgets.
#include <QtTest>

#include "guide/connectionrules.h"

using namespace ConnectionRules;

Q_DECLARE_METATYPE(ConnectionRules::StepSet)

class TestGuideRules : public QObject
{
    Q_OBJECT
private slots:
    void entryHeaders_data();
    void entryHeaders();
    void chooseSet_data();
    void chooseSet();
};

void TestGuideRules::entryHeaders_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("ethernet") << "Ethernet:ia10,ib10" << "Ethernet" << QStringList{"ia10", "ib10"};
    QTest::newRow("poe") << "POE:ia10,ic11" << "POE" << QStringList{"ia10", "ic11"};
    QTest::newRow("plc keeps empty names") << "PLC:a,,b" << "PLC" << QStringList{"a", "", "b"};
    QTest::newRow("apmode name starting with WPS") << "APMode:WPS_wa,wb" << "APMode" << QStringList{"WPS_wa", "wb"};
    QTest::newRow("wps") << "WPS:w1,w2,w3" << "WPS" << QStringList{"w1", "w2", "w3"};
    QTest::newRow("header alone, no colon") << "Ethernet" << "Ethernet" << QStringList{""};
    QTest::newRow("lower case is no type") << "ethernet:a" << "" << QStringList();
    QTest::newRow("unknown type") << "Serial:a" << "" << QStringList();
    QTest::newRow("empty") << "" << "" << QStringList();
}

void TestGuideRules::entryHeaders()
{
    QFETCH(QString, entry);
    QFETCH(QString, word);
    QFETCH(QStringList, names);

    const EntryType* type = entryType(entry);
    if (word.isEmpty()) {
        QVERIFY(!type);
        return;
    }
    QVERIFY(type);
    QCOMPARE(QString(type->word), word);
    QVERIFY(isType(type, word.toLatin1().constData()));
    QCOMPARE(pictureNames(entry, type->headerLength), names);
}

void TestGuideRules::chooseSet_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("listWords");  // the panel's short words, else the page's full item texts
    QTest::addColumn<StepSet>("set");

    QTest::newRow("panel ethernet") << "Ethernet" << true << StepSet::Ethernet;
    QTest::newRow("panel poe item") << "POE(Power Over Ethernet)" << true << StepSet::PoE;
    QTest::newRow("panel plc item") << "PLC(Power Line Communication)" << true << StepSet::PLC;
    QTest::newRow("panel direct") << "Direct Connection" << true << StepSet::Direct;
    QTest::newRow("containing Ethernet is not Ethernet") << "Ethernet cable" << true << StepSet::Overview;
    QTest::newRow("panel prompt") << "Choose your connection type" << true << StepSet::Overview;
    QTest::newRow("panel empty while cleared") << "" << true << StepSet::Overview;
    QTest::newRow("case matters") << "poe" << true << StepSet::Overview;
    QTest::newRow("page ethernet") << "Ethernet" << false << StepSet::Ethernet;
    QTest::newRow("page poe") << "POE(Power Over Ethernet)" << false << StepSet::PoE;
    QTest::newRow("page bare POE is no set") << "POE" << false << StepSet::Overview;
    QTest::newRow("page direct") << "Direct Connection" << false << StepSet::Direct;
    QTest::newRow("page prompt") << "Choose your connection type" << false << StepSet::Overview;
}

void TestGuideRules::chooseSet()
{
    QFETCH(QString, text);
    QFETCH(bool, listWords);
    QFETCH(StepSet, set);

    const SetWords words = listWords ? SetWords{"Ethernet", "POE", "PLC", "Direct Connection"}
                                     : SetWords{"Ethernet", "POE(Power Over Ethernet)",
                                                "PLC(Power Line Communication)", "Direct Connection"};
    QCOMPARE(ConnectionRules::chooseSet(text, words), set);
}

QTEST_APPLESS_MAIN(TestGuideRules)
#include "tst_guiderules.moc"
