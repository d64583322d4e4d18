#include <QtTest>

#include "shell/log.h"
#include "shell/logging.h"

class TestShellLog : public QObject
{
    Q_OBJECT
private slots:
    void fileOpenedPerMessage();
    void maskSecret();
};

// A log file removed or blocked while running: messages meanwhile are dropped, nothing hangs,
// and the next one makes a new file.
void TestShellLog::fileOpenedPerMessage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    const QtMessageHandler previous = installLogFileHandler(path);
    WLOG << "first";
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    WLOG << "lost";
    QVERIFY(QDir(path).removeRecursively());
    WLOG << "second";
    qInstallMessageHandler(previous);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].endsWith("] second"));
}

void TestShellLog::maskSecret()
{
    QCOMPARE(::maskSecret(""), QString());
    QCOMPARE(::maskSecret("Pa55word!"), QString("********"));
}

QTEST_GUILESS_MAIN(TestShellLog)
#include "tst_shell_log.moc"
