#include <QtTest>

#include "base/config.h"
#include "base/globals.h"
#include "base/languages.h"
#include "cloud/enginemedia.h"
#include "platform/desktop.h"
#include "platform/installer.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "testsupport.h"

class TestShellPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }

    // Only an executable file is started, and waited for until it ends.
    void installer()
    {
        for (const bool executable : {false, true}) {
            const QString path = makeFile(executable ? "bin/setup" : "bin/readme", executable);
            ProcessRecorder recorder;
            QCOMPARE(Platform::runInstallerBlocking(path), executable);
            QCOMPARE(recorder.calls.size(), executable ? 1 : 0);
            if (executable) {
                QCOMPARE(recorder.calls[0].program, path);
                QVERIFY(recorder.calls[0].arguments.isEmpty() && !recorder.calls[0].detached);
                QCOMPARE(recorder.calls[0].finishWaitMs, -1);
            }
        }
    }

    // A locale code finds the manual by its short code.
    void launcherManual()
    {
        ShellConfig config;
        config.language = "de_DE";
        config.manuals = {{"en", makeFile("manual_en.pdf", false)}, {"de", makeFile("manual_de.pdf", false)}};
        Launcher launcher(config);
        UrlRecorder recorder;
        QTest::mouseClick(launcher.ui->launcherManual_Button, Qt::LeftButton);
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("manual_de.pdf"))});
    }

    void startLanguage_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("index");

        QTest::newRow("configured locale code") << "pt_BR"
                                                << "fr_FR" << 5;
        QTest::newRow("configured unknown: system") << "en_US"
                                                    << "it_IT" << 16;
        QTest::newRow("system locale code before language part") << ""
                                                                 << "pt_BR" << 5;
        QTest::newRow("system unknown: first row") << ""
                                                   << "zh_HK" << 0;
    }

    void startLanguage()
    {
        QFETCH(QString, configured);
        QFETCH(QString, system);
        QFETCH(int, index);
        QCOMPARE(resolveStartLanguage(configured, system), index);
    }

    // Through the command interpreter the path is one quoted line: blanks and metacharacters are
    // never read by a shell. (The direct start runs in the update's end-to-end road.)
    void downloadedInstallerQuoted()
    {
        const Platform::ProcessCall call = Platform::downloadedInstallerCall(
            "/opt/My Files/a&b^c//./setup.exe", Platform::InstallerStart::CommandInterpreter);
        QCOMPARE(call.program, QString("cmd"));
        QCOMPARE(call.arguments, QStringList());
        QCOMPARE(call.standardInput, QByteArray("\"/opt/My Files/a&b^c/setup.exe\"\n"));
        QVERIFY(!call.detached);
    }

    // The programs it starts (an installer, the desktop's opener) get the person's GStreamer
    // settings, or none, never the wizard's own.
    void startedEnvironment_data()
    {
        QTest::addColumn<QByteArray>("person");  // null: not set
        QTest::newRow("the person's own") << QByteArray("/home/person/.cache/registry.bin");
        QTest::newRow("none") << QByteArray();
    }
    void startedEnvironment()
    {
        QFETCH(QByteArray, person);
        const char* const names[] = {"GST_PLUGIN_LOADING_WHITELIST", "GST_REGISTRY_1_0"};
        for (const char* name : names)
            person.isNull() ? qunsetenv(name) : qputenv(name, person);
        keepEngineMediaOff(dir.path());
        QCOMPARE(qgetenv(names[0]), QByteArray("none"));
        const QString script = "#!/bin/sh\nprintf '%s|%s' \"${GST_PLUGIN_LOADING_WHITELIST-unset}\" "
                               "\"${GST_REGISTRY_1_0-unset}\" > \"$0.seen\"\n";
        const QString installer = makeFile("started/setup", true, script.toUtf8());
        const QString opener = makeFile("started/xdg-open", true, script.toUtf8());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.filePath("started")) + ":" + path);
        QVERIFY(Platform::runInstallerBlocking(installer));
        QVERIFY(Platform::openUrl(QUrl("https://www.example.org/")));
        qputenv("PATH", path);
        const QByteArray seen = person.isNull() ? QByteArray("unset|unset") : person + "|" + person;
        QCOMPARE(contents(installer + ".seen"), seen);
        QTRY_COMPARE_WITH_TIMEOUT(contents(opener + ".seen"), seen, 20000);
    }

private:
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString makeFile(const QString& name, bool executable, const QByteArray& text = QByteArray())
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                            (executable ? QFile::ExeOwner : QFile::Permissions()));
        return path;
    }
    QTemporaryDir dir;
};

QTEST_MAIN(TestShellPlatform)
#include "tst_shell_platform.moc"
