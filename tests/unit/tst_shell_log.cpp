#include <QtTest>

#include "shell/log.h"
#include "shell/logging.h"

class TestShellLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void levels_data();
    void levels();
    void messageLine();
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

void TestShellLog::levels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("debug, placeholder in text") << int(QtDebugMsg) << "50% %1 done" << "[Debug] 50% %1 done";
    QTest::newRow("info") << int(QtInfoMsg) << "info" << "[Info] info";
    QTest::newRow("warning") << int(QtWarningMsg) << "careful" << "[Warning] careful";
    QTest::newRow("critical, utf-8") << int(QtCriticalMsg) << QString::fromUtf8("Übersicht – 日本語")
                                     << QString::fromUtf8("[Critical] Übersicht – 日本語");
}

void TestShellLog::levels()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, line);

    qt_message_output(QtMsgType(type), QMessageLogContext(), text);
    QCOMPARE(logLines(), QStringList({line, ""}));
}

void TestShellLog::messageLine()
{
    const int line = __LINE__ + 1;
    WLOG << "langComboBoxIndexChanged idx=" << 3 << QString("de.qm");
    QCOMPARE(logLines().value(0),
             QString("[Debug] [ tst_shell_log.cpp ][ messageLine ][Line : %1 ] langComboBoxIndexChanged idx= 3 \"de.qm\"")
                 .arg(line));
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
