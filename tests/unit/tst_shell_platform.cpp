#include <QtTest>

#include "shell/config.h"
#include "shell/globals.h"
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
    QTest::newRow("not configured") << "" << false;
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
    QTest::newRow("matching file missing") << "fr" << "";
}

void TestShellPlatform::launcherManual()
{
    QFETCH(QString, language);
    QFETCH(QString, opened);

    ShellConfig config;
    config.language = language;
    config.manuals = {{"en", makeFile("manual_en.pdf", false)},
                      {"de", makeFile("manual_de.pdf", false)},
                      {"fr", dir.filePath("missing_fr.pdf")}};
    Launcher launcher(config);
    UrlRecorder recorder;
    QTest::mouseClick(launcher.ui->launcherManual_Button, Qt::LeftButton);
    QCOMPARE(recorder.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(dir.filePath(opened))});
}

QTEST_MAIN(TestShellPlatform)
#include "tst_shell_platform.moc"
