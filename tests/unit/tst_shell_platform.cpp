#include <QtTest>

#include "config.h"
#include "endpoints.h"
#include "globals.h"
#include "launcher.h"
#include "mainpage.h"
#include "platform/desktop.h"
#include "platform/installer.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "testsupport.h"

class TestShellPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void regAddArguments_data();
    void regAddArguments();
    void regAddSkippedOffWindows();
    void installer_data();
    void installer();
    void realRunner_data();
    void realRunner();
    void openOlvaris();
    void launcherInstallers_data();
    void launcherInstallers();
    void launcherManual_data();
    void launcherManual();

private:
    QString makeFile(const QString& name, bool executable);
    QTemporaryDir dir;
};

void TestShellPlatform::initTestCase()
{
    QVERIFY(dir.isValid());
    createWizardForTests();
}

QString TestShellPlatform::makeFile(const QString& name, bool executable)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

void TestShellPlatform::regAddArguments_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << "C:\\wizard\\tolmwizard.exe";
    QTest::newRow("spaces") << "C:\\Program Files (x86)\\olvaris\\Setup Wizard\\tolmwizard.exe";
}

void TestShellPlatform::regAddArguments()
{
    QFETCH(QString, program);
    const QStringList expected = {
        "ADD",
        "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted",
        "/v", program, "/t", "REG_DWORD", "/d", "1", "/f"};
    // The path stays one argument whatever it holds: no quoting, no splitting.
    QCOMPARE(Platform::compatibilityPersistedArguments(program), expected);
}

void TestShellPlatform::regAddSkippedOffWindows()
{
    ProcessRecorder recorder;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("REG ADD skipped \\(not Windows\\)"));
    Platform::registerCompatibilityPersisted();
    QVERIFY(recorder.calls.isEmpty());
}

void TestShellPlatform::installer_data()
{
    QTest::addColumn<QString>("name");      // file made in the temporary folder; "" none
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("path");      // path handed over; "@" the made file
    QTest::addColumn<bool>("started");

    QTest::newRow("executable file") << "bin/setup" << true << "@" << true;
    QTest::newRow("path with spaces") << "my setups/viewer setup" << true << "@" << true;
    QTest::newRow("not executable") << "bin/readme" << false << "@" << false;
    QTest::newRow("missing file") << "" << false << "/nonexistent/setup" << false;
    QTest::newRow("folder") << "" << false << "/tmp" << false;
    QTest::newRow("not configured") << "" << false << "" << false;
}

void TestShellPlatform::installer()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    QFETCH(QString, path);
    QFETCH(bool, started);

    if (!name.isEmpty())
        path = makeFile(name, executable);
    ProcessRecorder recorder;
    QCOMPARE(Platform::runInstallerBlocking(path), started);
    QCOMPARE(recorder.calls.size(), started ? 1 : 0);
    if (started) {
        QCOMPARE(recorder.calls[0].program, QFileInfo(path).absoluteFilePath());
        QVERIFY(recorder.calls[0].arguments.isEmpty());
        QCOMPARE(recorder.calls[0].finishWaitMs, -1);  // waits until the installer ends
        QVERIFY(!recorder.calls[0].detached);
    }
}

void TestShellPlatform::realRunner_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("exit code") << "/bin/sh" << QStringList{"-c", "exit 3"} << QByteArray() << true << 3
                               << QByteArray();
    QTest::newRow("standard input") << "/bin/cat" << QStringList() << QByteArray("path\\setup.exe\n") << true
                                    << 0 << QByteArray("path\\setup.exe\n");
    QTest::newRow("argument with spaces") << "/bin/echo" << QStringList{"a b", "c"} << QByteArray() << true << 0
                                          << QByteArray("a b c\n");
    QTest::newRow("no such program") << "/nonexistent/program" << QStringList() << QByteArray() << false << -1
                                     << QByteArray();
}

void TestShellPlatform::realRunner()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(bool, started);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);

    Platform::ProcessCall call;
    call.program = program;
    call.arguments = arguments;
    call.standardInput = input;
    call.startWaitMs = 5000;
    call.finishWaitMs = 5000;
    const Platform::ProcessResult result = Platform::runProcess(call);
    QCOMPARE(result.started, started);
    QCOMPARE(result.finished, started);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.standardOutput, output);
}

void TestShellPlatform::openOlvaris()
{
    UrlRecorder recorder;
    gMainpage->openOlvaris();
    QCOMPARE(recorder.urls.size(), 1);
    const QUrl url = recorder.urls[0];
    QCOMPARE(url.scheme(), QString("http"));
    QCOMPARE(url.host(), QString(Endpoints::kCloudSiteHost));
}

void TestShellPlatform::launcherInstallers_data()
{
    QTest::addColumn<bool>("viewerButton");
    QTest::addColumn<bool>("configured");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<int>("calls");

    QTest::newRow("viewer") << true << true << true << 1;
    QTest::newRow("pdf reader") << false << true << true << 1;
    QTest::newRow("viewer not executable") << true << true << false << 0;
    QTest::newRow("viewer not configured") << true << false << true << 0;
    QTest::newRow("pdf reader missing") << false << false << false << 0;
}

void TestShellPlatform::launcherInstallers()
{
    QFETCH(bool, viewerButton);
    QFETCH(bool, configured);
    QFETCH(bool, executable);
    QFETCH(int, calls);

    const QString viewer = makeFile("installer/viewer_setup", executable);
    const QString reader = makeFile("installer/pdfreader_setup", executable);
    ShellConfig config;
    if (configured) {
        config.viewerInstaller = viewer;
        config.pdfReaderInstaller = reader;
    }
    Launcher launcher(config);
    ProcessRecorder recorder;
    QTest::mouseClick(viewerButton ? launcher.ui->launcherInstallViewer_Button
                                   : launcher.ui->launcherInstallPdfReader_Button,
                      Qt::LeftButton);
    QCOMPARE(recorder.calls.size(), calls);
    if (calls)
        QCOMPARE(recorder.calls[0].program, viewerButton ? viewer : reader);
}

void TestShellPlatform::launcherManual_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("manuals");  // "lang=file"; a file name starting with "-" is not made
    QTest::addColumn<QString>("opened");       // file name, "" for none

    const QStringList three{"en=manual_en.pdf", "de=manual_de.pdf", "fr=-manual_fr.pdf"};
    QTest::newRow("matching language") << "de" << three << "manual_de.pdf";
    QTest::newRow("other language: first") << "ja" << three << "manual_en.pdf";
    QTest::newRow("locale code matched by short code") << "de_DE" << three << "manual_de.pdf";
    QTest::newRow("matching file missing") << "fr" << three << "";
    QTest::newRow("none configured") << "de" << QStringList() << "";
}

void TestShellPlatform::launcherManual()
{
    QFETCH(QString, language);
    QFETCH(QStringList, manuals);
    QFETCH(QString, opened);

    ShellConfig config;
    config.language = language;
    for (const QString& manual : manuals) {
        QString file = manual.section('=', 1);
        if (file.startsWith('-'))
            file = dir.filePath(file.mid(1));
        else
            file = makeFile(file, false);
        config.manuals.append(qMakePair(manual.section('=', 0, 0), file));
    }
    Launcher launcher(config);
    UrlRecorder recorder;
    QTest::mouseClick(launcher.ui->launcherManual_Button, Qt::LeftButton);
    if (opened.isEmpty())
        QVERIFY(recorder.urls.isEmpty());
    else
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dir.filePath(opened))});
}

QTEST_MAIN(TestShellPlatform)
#include "tst_shell_platform.moc"
