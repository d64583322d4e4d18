#include <QtTest>

#include "base/languages.h"
#include "base/config.h"
#include "base/globals.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "platform/installer.h"
#include "testsupport.h"

class TestShellPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void installer_data();
    void installer();
    void launcherManual_data();
    void launcherManual();
    void startLanguage_data();
    void startLanguage();
    void downloadedInstallerQuoted();

private:
    QString makeFile(const QString& name, bool executable);
    QTemporaryDir dir;
};

void TestShellPlatform::initTestCase()
{
    createWizardForTests();
}

QString TestShellPlatform::makeFile(const QString& name, bool executable)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions()));
    return path;
}

void TestShellPlatform::installer_data()
{
    QTest::addColumn<QString>("path");   // "+name" / "-name": an executable / plain file made for the test
    QTest::addColumn<bool>("started");

    QTest::newRow("executable file") << "+bin/setup" << true;
    QTest::newRow("not executable") << "-bin/readme" << false;
}

void TestShellPlatform::installer()
{
    QFETCH(QString, path);
    QFETCH(bool, started);

    if (path.startsWith('+') || path.startsWith('-'))
        path = makeFile(path.mid(1), path.startsWith('+'));
    ProcessRecorder recorder;
    QCOMPARE(Platform::runInstallerBlocking(path), started);
    QCOMPARE(recorder.calls.size(), started ? 1 : 0);
    if (started) {
        QCOMPARE(recorder.calls[0].program, path);
        QVERIFY(recorder.calls[0].arguments.isEmpty() && !recorder.calls[0].detached);
        QCOMPARE(recorder.calls[0].finishWaitMs, -1);  // waits until the installer ends
    }
}

void TestShellPlatform::launcherManual_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("opened");   // "" for none

    QTest::newRow("locale code matched by short code") << "de_DE" << "manual_de.pdf";
}

void TestShellPlatform::launcherManual()
{
    QFETCH(QString, language);
    QFETCH(QString, opened);

    ShellConfig config;
    config.language = language;
    config.manuals = {{"en", makeFile("manual_en.pdf", false)},
                      {"de", makeFile("manual_de.pdf", false)}};
    Launcher launcher(config);
    UrlRecorder recorder;
    QTest::mouseClick(launcher.ui->launcherManual_Button, Qt::LeftButton);
    QCOMPARE(recorder.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(dir.filePath(opened))});
}

void TestShellPlatform::startLanguage_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("index");

    QTest::newRow("configured locale code") << "pt_BR" << "fr_FR" << 5;
    QTest::newRow("configured unknown: system") << "en_US" << "it_IT" << 16;
    QTest::newRow("system locale code before language part") << "" << "pt_BR" << 5;
    QTest::newRow("system unknown: first row") << "" << "zh_HK" << 0;
}

void TestShellPlatform::startLanguage()
{
    QFETCH(QString, configured);
    QFETCH(QString, system);
    QFETCH(int, index);
    QCOMPARE(resolveStartLanguage(configured, system), index);
}

// Through the command interpreter the path is one quoted line: blanks and metacharacters are
// never read by a shell. (The direct start runs in the update's end-to-end road.)
void TestShellPlatform::downloadedInstallerQuoted()
{
    const Platform::ProcessCall call = Platform::downloadedInstallerCall(
        "/opt/My Files/a&b^c//./setup.exe", Platform::InstallerStart::CommandInterpreter);
    QCOMPARE(call.program, QString("cmd"));
    QCOMPARE(call.arguments, QStringList());
    QCOMPARE(call.standardInput, QByteArray("\"/opt/My Files/a&b^c/setup.exe\"\n"));
    QVERIFY(!call.detached);
}

QTEST_MAIN(TestShellPlatform)
#include "tst_shell_platform.moc"
