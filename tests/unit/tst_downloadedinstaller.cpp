// The call that starts a downloaded installer.
#include <QtTest>

#include "platform/installer.h"

Q_DECLARE_METATYPE(Platform::InstallerStart)

class TestDownloadedInstaller : public QObject
{
    Q_OBJECT
private slots:
    void calls_data();
    void calls();
};

// The path reaches the program whole: quoted for the interpreter, never read by a shell.
void TestDownloadedInstaller::calls_data()
{
    QTest::addColumn<Platform::InstallerStart>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("input");

    using Platform::InstallerStart;
    QTest::newRow("interpreter, blanks and metacharacters")
        << InstallerStart::CommandInterpreter << "/opt/My Files/a&b^c//./setup.exe" << "cmd"
        << QByteArray("\"/opt/My Files/a&b^c/setup.exe\"\n");
    QTest::newRow("direct, metacharacters stay in the name")
        << InstallerStart::Direct << "/opt/a;b/$(x).run" << "/opt/a;b/$(x).run" << QByteArray();
}

void TestDownloadedInstaller::calls()
{
    QFETCH(Platform::InstallerStart, style);
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(QByteArray, input);

    const Platform::ProcessCall call = Platform::downloadedInstallerCall(path, style);
    QCOMPARE(call.program, program);
    QCOMPARE(call.arguments, QStringList());
    QCOMPARE(call.standardInput, input);
    QCOMPARE(call.detached, style == Platform::InstallerStart::Direct);
}

QTEST_MAIN(TestDownloadedInstaller)
#include "tst_downloadedinstaller.moc"
