// Replays the committed fuzz corpora through the fuzz targets' entries: no input found so far may crash,
// corrupt the camera list, make the reader of the decoder's answers take one out of its limits, keep a camera's
// CGI answer or log more of it than its first bytes, or make the catalogue's reader break its promises.

#include <QDir>
#include <QLoggingCategory>
#include <QtTest>

#include "../fuzz/answertarget.h"
#include "../fuzz/cataloguetarget.h"
#include "../fuzz/cgitarget.h"
#include "../fuzz/datagramtarget.h"

class TestFuzzCorpus : public QObject
{
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("least");  // inputs it holds at least
        QTest::newRow("the DCP receive path") << "corpus" << 20;
        QTest::newRow("the decoder's answers") << "answers" << 15;
        QTest::newRow("the camera's CGI answers") << "cgianswers" << 10;
        QTest::newRow("the catalogue") << "catalogues" << 10;
    }

    void replay()
    {
        QFETCH(QString, folder);
        QFETCH(int, least);
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        const QDir corpus(QString::fromLocal8Bit(qgetenv("TESTDATA")) + QStringLiteral("/../fuzz/") + folder);
        const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= least, qPrintable("corpus missing at " + corpus.absolutePath()));
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray input = file.readAll();
            const auto data = reinterpret_cast<const uint8_t*>(input.constData());
            QString fault;
            if (folder == "answers") {
                fault = answerFault(data, size_t(input.size()));
            } else if (folder == "cgianswers") {
                fault = cgiAnswerFault(data, size_t(input.size()));
            } else if (folder == "catalogues") {
                fault = catalogueFault(data, size_t(input.size()));
            } else {
                feedDcpFuzzInput(data, size_t(input.size()));
                fault = dcpStateFault();
            }
            QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
