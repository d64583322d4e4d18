// Replays the committed fuzz corpus through the same entry as the fuzz target, so every
// build checks that no input found so far crashes or corrupts the camera list.

#include <QDir>
#include <QLoggingCategory>
#include <QtTest>

#include "../fuzz/datagramtarget.h"

class TestFuzzCorpus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void replay_data();
    void replay();
};

void TestFuzzCorpus::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

void TestFuzzCorpus::replay_data()
{
    QTest::addColumn<QByteArray>("input");
    const QDir corpus(QString::fromLocal8Bit(qgetenv("TESTDATA")) + QStringLiteral("/../fuzz/corpus"));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 20, qPrintable("corpus missing at " + corpus.absolutePath()));
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(name)) << file.readAll();
    }
}

void TestFuzzCorpus::replay()
{
    QFETCH(QByteArray, input);
    feedDcpFuzzInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    const QString fault = dcpStateFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
