// Starting a downloaded installer through the platform layer.
#include <QtTest>

#include "platform/installer.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(Platform::InstallerStart)

class TestDownloadedInstaller : public QObject
{
    Q_OBJECT
private slots:
    void calls_data();
    void calls();
    void starts_data();
    void starts();
};

void TestDownloadedInstaller::calls_data()
{
    QTest::addColumn<Platform::InstallerStart>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("detached");

    using Platform::InstallerStart;
    QTest::newRow("interpreter, plain") << InstallerStart::CommandInterpreter << "/opt/dl/setup.exe" << "cmd"
                                        << QByteArray("\"/opt/dl/setup.exe\"\n") << false;
    QTest::newRow("interpreter, blanks and metacharacters")
        << InstallerStart::CommandInterpreter << "/opt/My Files/a&b^c/setup.exe" << "cmd"
        << QByteArray("\"/opt/My Files/a&b^c/setup.exe\"\n") << false;
    QTest::newRow("interpreter, folder steps cleaned") << InstallerStart::CommandInterpreter
                                                       << "/opt/dl//./setup.exe" << "cmd"
                                                       << QByteArray("\"/opt/dl/setup.exe\"\n") << false;
    QTest::newRow("direct") << InstallerStart::Direct << "/opt/My Files/setup.run" << "/opt/My Files/setup.run"
                            << QByteArray() << true;
    QTest::newRow("direct, metacharacters stay in the name")
        << InstallerStart::Direct << "/opt/a;b/$(x).run" << "/opt/a;b/$(x).run" << QByteArray() << true;
}

void TestDownloadedInstaller::calls()
{
    QFETCH(Platform::InstallerStart, style);
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(QByteArray, input);
    QFETCH(bool, detached);

    const Platform::ProcessCall call = Platform::downloadedInstallerCall(path, style);
    QCOMPARE(call.program, program);
    QCOMPARE(call.arguments, QStringList());
    QCOMPARE(call.standardInput, input);
    QCOMPARE(call.detached, detached);
    if (!detached) {
        QCOMPARE(call.startWaitMs, 1000);
        QCOMPARE(call.finishWaitMs, 2000);
    }
}

void TestDownloadedInstaller::starts_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("processStarts");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("calls");

    QTest::newRow("started") << true << true << true << 1;
    QTest::newRow("process fails to start") << true << false << false << 1;
    QTest::newRow("file gone") << false << true << false << 0;
}

void TestDownloadedInstaller::starts()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, processStarts);
    QFETCH(bool, started);
    QFETCH(int, calls);

    QTemporaryDir dir(QDir::tempPath() + "/with blank XXXXXX");
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("setup v2.run");
    if (fileExists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    ProcessRecorder recorder;
    recorder.reply.started = processStarts;

    QCOMPARE(Platform::startDownloadedInstaller(path), started);
    QCOMPARE(recorder.calls.size(), calls);
    if (calls == 0)
        return;
#ifdef Q_OS_WIN
    QCOMPARE(recorder.calls[0].program, QString("cmd"));
#else
    QVERIFY(QFileInfo(path).isExecutable());
    QCOMPARE(recorder.calls[0].program, QDir::toNativeSeparators(path));
    QVERIFY(recorder.calls[0].detached);
#endif
}

QTEST_MAIN(TestDownloadedInstaller)
#include "tst_downloadedinstaller.moc"
