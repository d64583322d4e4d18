#include <QtTest>

#include <QSysInfo>

#include "platform/firewall.h"
#include "protocol/dcputils.h"
#include "testsupport.h"

class TestFirewall : public QObject
{
    Q_OBJECT
private slots:
    // The rule must name the running program, not a file in the current folder.
    void initTestCase() { QVERIFY(QDir::setCurrent(QDir::tempPath())); }

    void cleanup() { Platform::setWindowsVersionForTests(nullptr); }
    void rulesRunNetsh_data()
    {
        QTest::addColumn<int>("version"); // -1: this system's own
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("arguments"); // split at "|"; {path} is the program's path; empty: nothing runs
        const int xp = QSysInfo::WV_XP, win7 = QSysInfo::WV_WINDOWS7;
        QTest::newRow("XP add") << xp << true << "firewall|add|allowedprogram|{path}|Olvaris Wizard|ENABLE";
        QTest::newRow("XP delete") << xp << false << "firewall|delete|allowedprogram|{path}";
        QTest::newRow("Windows 7 add") << win7 << true
                                       << "advfirewall|firewall|add|rule|name=Olvaris Wizard|dir=in|action=allow"
                                          "|program={path}|enable=yes";
        QTest::newRow("Windows 7 delete") << win7 << false << "advfirewall|firewall|delete|rule|name=Olvaris Wizard";
        QTest::newRow("2003 add") << int(QSysInfo::WV_2003) << true << "";
        QTest::newRow("this system add") << -1 << true << "";
    }

    void rulesRunNetsh()
    {
        QFETCH(int, version);
        QFETCH(bool, add);
        QFETCH(QString, arguments);
        if (version >= 0)
            Platform::setWindowsVersionForTests([version] { return version; });
        ProcessRecorder processes;
        LogRecorder log;
        DCPUtils dcp;
        add ? dcp.addFireWallRule() : dcp.deleteFireWallRule();

        // Unsupported versions run nothing; only the add says so.
        QCOMPARE(log.matching("Not support Window OS \"\"").size(), arguments.isEmpty() && add ? 1 : 0);
        QCOMPARE(processes.calls.size(), arguments.isEmpty() ? 0 : 1);
        if (arguments.isEmpty())
            return;
        const Platform::ProcessCall call = processes.calls.first();
        QCOMPARE(call.program, QString("netsh"));
        QCOMPARE(call.arguments, arguments.replace("{path}", Platform::firewallProgramPath()).split('|'));
        QCOMPARE(Platform::firewallProgramPath(), QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
        QCOMPARE(call.finishWaitMs, 30000);
        QVERIFY(!call.detached);
    }

    void pathWithSpaceStaysOneArgument()
    {
        ProcessRecorder processes;
        Platform::runFirewallCommand(Platform::firewallAddCommand(QSysInfo::WV_VISTA, "D:\\My Tools\\Setup.exe"));
        QCOMPARE(processes.calls.value(0).arguments.value(7), QString("program=D:\\My Tools\\Setup.exe"));
    }
};


QTEST_GUILESS_MAIN(TestFirewall)
#include "tst_firewall.moc"
