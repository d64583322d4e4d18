// Replays the committed fuzz corpus through the same entry as the fuzz target, so every
// build checks that no input found so far crashes or corrupts the camera list.

#include <QDir>
#include <QLoggingCategory>
#include <QtTest>

#include "../fuzz/datagramtarget.h"
#include "shell/globals.h"

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
    static const QSet<int> states{0, 2, 3, 4, 7, 8, 9, 11, 12, 13, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    feedDcpFuzzInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    QVERIFY(IPCameraList.size() <= 4);
    for (const IPCamera& camera : IPCameraList) {
        QVERIFY(states.contains(camera.dcpStatus));
        QVERIFY(camera.APConfig.numAP <= camera.APConfig.AP_SSID.size());
    }
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
