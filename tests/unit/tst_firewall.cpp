#include <QtTest>

#include <QSysInfo>

#include "dcputils.h"
#include "platform/firewall.h"
#include "testsupport.h"

namespace {
const QString kPath = "D:\\Tools\\Setup.exe";
}

class TestFirewall : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void commandLines_data();
    void commandLines();
    void rulesRunNetsh_data();
    void rulesRunNetsh();
    void unsupportedVersionRunsNothing_data();
    void unsupportedVersionRunsNothing();
    void outputLoggedUpToZeroByte();
    void programPathIsTheRunningProgram();
};

void TestFirewall::cleanup()
{
    Platform::setWindowsVersionForTests(nullptr);
}

void TestFirewall::commandLines_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("add");
    QTest::addColumn<QString>("remove");

    const QString xpAdd = "netsh firewall add allowedprogram \"D:\\Tools\\Setup.exe\" \"Olvaris Wizard\" ENABLE";
    const QString xpDelete = "netsh firewall delete allowedprogram \"D:\\Tools\\Setup.exe\"";
    const QString vistaAdd = "netsh advfirewall firewall add rule name=\"Olvaris Wizard\" dir=in action=allow "
                             "program=\"D:\\Tools\\Setup.exe\" enable=yes";
    const QString vistaDelete = "netsh advfirewall firewall delete rule name=\"Olvaris Wizard\"";
    QTest::newRow("XP") << int(QSysInfo::WV_XP) << xpAdd << xpDelete;
    QTest::newRow("Vista") << int(QSysInfo::WV_VISTA) << vistaAdd << vistaDelete;
    QTest::newRow("Windows 7") << int(QSysInfo::WV_WINDOWS7) << vistaAdd << vistaDelete;
    QTest::newRow("Windows 10") << int(QSysInfo::WV_WINDOWS10) << vistaAdd << vistaDelete;
    QTest::newRow("2003") << int(QSysInfo::WV_2003) << QString() << QString();
    QTest::newRow("2000") << int(QSysInfo::WV_2000) << QString() << QString();
    QTest::newRow("not Windows") << int(QSysInfo::WV_None) << QString() << QString();
}

void TestFirewall::commandLines()
{
    QFETCH(int, version);
    QFETCH(QString, add);
    QFETCH(QString, remove);

    QCOMPARE(Platform::firewallAddCommand(version, kPath), add);
    QCOMPARE(Platform::firewallDeleteCommand(version, kPath), remove);
}

void TestFirewall::rulesRunNetsh_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QStringList>("arguments"); // "{path}" stands for the program path

    const QString rule = "Olvaris Wizard";
    QTest::newRow("XP add") << int(QSysInfo::WV_XP) << true
                            << QStringList{"firewall", "add", "allowedprogram", "{path}", rule, "ENABLE"};
    QTest::newRow("XP delete") << int(QSysInfo::WV_XP) << false
                               << QStringList{"firewall", "delete", "allowedprogram", "{path}"};
    QTest::newRow("Windows 7 add") << int(QSysInfo::WV_WINDOWS7) << true
                                   << QStringList{"advfirewall", "firewall", "add",         "rule",
                                                  "name=" + rule, "dir=in",  "action=allow", "program={path}",
                                                  "enable=yes"};
    QTest::newRow("Windows 7 delete") << int(QSysInfo::WV_WINDOWS7) << false
                                      << QStringList{"advfirewall", "firewall", "delete", "rule", "name=" + rule};
}

void TestFirewall::rulesRunNetsh()
{
    QFETCH(int, version);
    QFETCH(bool, add);
    QFETCH(QStringList, arguments);

    Platform::setWindowsVersionForTests([version] { return version; });
    ProcessRecorder processes;
    LogRecorder log;
    DCPUtils dcp;
    if (add)
        dcp.addFireWallRule();
    else
        dcp.deleteFireWallRule();

    QCOMPARE(processes.calls.size(), 1);
    const Platform::ProcessCall call = processes.calls.first();
    arguments.replaceInStrings("{path}", Platform::firewallProgramPath());
    QCOMPARE(call.program, QString("netsh"));
    QCOMPARE(call.arguments, arguments);
    QCOMPARE(call.finishWaitMs, 30000);
    QVERIFY(!call.detached);
    const QString name = add ? "addFireWallRule" : "deleteFireWallRule";
    QCOMPARE(log.matching(name + " () cmd:").size(), 1);
    QCOMPARE(log.matching("..........." + name + "() p_stdout:").size(), 1);
    QCOMPARE(log.matching("..........." + name + "() p_stderr:").size(), 1);
}

void TestFirewall::unsupportedVersionRunsNothing_data()
{
    QTest::addColumn<int>("version");

    QTest::newRow("2003") << int(QSysInfo::WV_2003);
    QTest::newRow("2000") << int(QSysInfo::WV_2000);
    QTest::newRow("this system") << -1;
}

void TestFirewall::unsupportedVersionRunsNothing()
{
    QFETCH(int, version);

    if (version >= 0)
        Platform::setWindowsVersionForTests([version] { return version; });
    ProcessRecorder processes;
    LogRecorder log;
    DCPUtils dcp;
    dcp.addFireWallRule();
    dcp.deleteFireWallRule();

    QCOMPARE(processes.calls.size(), 0);
    QCOMPARE(log.matching("addFireWallRule () path:").size(), 1);
    QCOMPARE(log.matching("Not support Window OS \"\"").size(), 1);
    QCOMPARE(log.matching("cmd:").size(), 0);
    QCOMPARE(log.matching("deleteFireWallRule").size(), 0);
}

void TestFirewall::outputLoggedUpToZeroByte()
{
    Platform::setWindowsVersionForTests([] { return int(QSysInfo::WV_WINDOWS7); });
    ProcessRecorder processes;
    processes.reply.standardOutput = QByteArray("Ok.\0hidden", 10);
    processes.reply.standardError = "The requested operation requires elevation.";
    LogRecorder log;
    DCPUtils dcp;
    dcp.addFireWallRule();

    const QStringList out = log.matching("addFireWallRule() p_stdout:");
    QCOMPARE(out.size(), 1);
    QVERIFY2(out.first().endsWith("\"Ok.\""), qPrintable(out.first()));
    QCOMPARE(log.matching("requires elevation").size(), 1);
}

void TestFirewall::programPathIsTheRunningProgram()
{
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QString path = Platform::firewallProgramPath();
    QDir::setCurrent(before);

    QCOMPARE(path, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    QVERIFY(QFileInfo(QDir::fromNativeSeparators(path)).isExecutable());
    QVERIFY(!path.startsWith(elsewhere.path()));
}

QTEST_GUILESS_MAIN(TestFirewall)
#include "tst_firewall.moc"
