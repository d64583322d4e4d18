#include <QtTest>

#include "shell/log.h"
#include "shell/logging.h"

class TestShellLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fileOpenedPerMessage();
    void maskSecret_data();
    void maskSecret();

private:
    QStringList logLines() const;

    QTemporaryDir dir;
    QString path;
    QtMessageHandler previous = nullptr;
};

void TestShellLog::init()
{
    path = dir.filePath("log.txt");
    QFile::remove(path);
    previous = installLogFileHandler(path);
}

void TestShellLog::cleanup()
{
    qInstallMessageHandler(previous);
}

QStringList TestShellLog::logLines() const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n');
}

void TestShellLog::fileOpenedPerMessage()
{
    WLOG << "first";
    QVERIFY(QFile::remove(path));
    // While the file cannot be opened, messages are dropped: nothing hangs or recurses.
    QVERIFY(QDir().mkpath(path));
    WLOG << "lost";
    QVERIFY(QDir(path).removeRecursively());
    WLOG << "second";
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].endsWith("] second"));
}

void TestShellLog::maskSecret_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("masked");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("one char") << "Q" << "********";
    QTest::newRow("password") << "Pa55word!" << "********";
}

void TestShellLog::maskSecret()
{
    QFETCH(QString, secret);
    QFETCH(QString, masked);
    QCOMPARE(::maskSecret(secret), masked);
}

QTEST_GUILESS_MAIN(TestShellLog)
#include "tst_shell_log.moc"
