// Replays the committed fuzz corpus through the fuzz target's entry: no input found so far
// may crash or corrupt the camera list.

#include <QDir>
#include <QLoggingCategory>
#include <QtTest>

#include "../fuzz/datagramtarget.h"

class TestFuzzCorpus : public QObject
{
    Q_OBJECT
private slots:
    void replay()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        const QDir corpus(QString::fromLocal8Bit(qgetenv("TESTDATA")) + QStringLiteral("/../fuzz/corpus"));
        const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 20, qPrintable("corpus missing at " + corpus.absolutePath()));
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray input = file.readAll();
            feedDcpFuzzInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
            const QString fault = dcpStateFault();
            QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
