#include <QScopeGuard>
#include <QtTest>

#include <csignal>

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
    void cleanupTestCase() { Mainpage::endWizard(); }

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

    // Each button starts its own file: an installer, waited for, or the manual of the language, which a locale code
    // finds by its short code (a language without one of its own opens the first listed), in the desktop's viewer.
    void launcherButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("started");  // "run" an installer, "open" a manual, and its file
        QTest::newRow("manual, its own") << "launcherManual_Button"
                                         << "de_DE"
                                         << "open manual_de.pdf";
        QTest::newRow("manual, none of its own") << "launcherManual_Button"
                                                 << "fr_FR"
                                                 << "open manual_en.pdf";
        QTest::newRow("viewer installer") << "launcherInstallViewer_Button"
                                          << "en_GB"
                                          << "run installer/viewer_setup";
        QTest::newRow("PDF reader installer") << "launcherInstallPdfReader_Button"
                                              << "en_GB"
                                              << "run installer/pdfreader_setup";
    }
    void launcherButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, language);
        QFETCH(QString, started);
        ShellConfig config;
        config.language = language;
        config.manuals = {{"en", makeFile("manual_en.pdf", false)}, {"de", makeFile("manual_de.pdf", false)}};
        config.viewerInstaller = makeFile("installer/viewer_setup", true);
        config.pdfReaderInstaller = makeFile("installer/pdfreader_setup", true);
        Launcher launcher(config);
        ProcessRecorder recorder;
        QTest::mouseClick(launcher.findChild<QPushButton*>(button), Qt::LeftButton);
        QStringList seen;
        for (const Platform::ProcessCall& call : qAsConst(recorder.calls))
            seen << (call.program == "xdg-open" && call.detached
                         ? "open " + QUrl::fromEncoded(call.arguments.value(0).toLatin1()).toLocalFile()
                         : "run " + call.program);
        const int space = started.indexOf(' ');
        QCOMPARE(seen, QStringList(started.left(space + 1) + dir.filePath(started.mid(space + 1))));
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

    // Catching the signals leaves one that was ignored at the start as it was (nohup, a script's
    // background job): the person asked for it to be ignored.
    void ignoredSignalsStay_data()
    {
        QTest::addColumn<int>("ignored");  // at the start, 0: none
        QTest::addColumn<QByteArray>("handled");
        QTest::newRow("none") << 0 << QByteArray("SIGTERM caught SIGINT caught SIGHUP caught");
        QTest::newRow("SIGHUP, nohup") << int(SIGHUP) << QByteArray("SIGTERM caught SIGINT caught SIGHUP ignored");
        QTest::newRow("SIGINT, background job")
            << int(SIGINT) << QByteArray("SIGTERM caught SIGINT ignored SIGHUP caught");
    }
    void ignoredSignalsStay()
    {
        QFETCH(int, ignored);
        // The child starts with these, whatever this process got: ignored ones stay so through exec.
        const int wizardSignals[] = {SIGTERM, SIGINT, SIGHUP};
        struct sigaction saved[3];
        for (int i = 0; i < 3; ++i) {
            struct sigaction start = {};
            start.sa_handler = wizardSignals[i] == ignored ? SIG_IGN : SIG_DFL;
            QVERIFY(::sigaction(wizardSignals[i], &start, &saved[i]) == 0);
        }
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/signalwait", QStringList());
        const bool started = child.waitForStarted();
        for (int i = 0; i < 3; ++i)
            ::sigaction(wizardSignals[i], &saved[i], nullptr);
        QVERIFY(started && child.waitForFinished());
        QTEST(child.readAllStandardOutput().trimmed(), "handled");
    }

    // A signal ending the wizard while it waits for an installer ends the installer's process group:
    // each is asked to end, what is still there after the grace is killed. The installer's first
    // child has a child of its own and says when it is asked.
    void signalEndsInstallerGroup_data()
    {
        QTest::addColumn<QByteArray>("lines");  // of the installer, after it started its first child
        QTest::addColumn<int>("processes");     // that write their ids
        QTest::newRow("it ends, a child ignores it") << QByteArray("\"${0%/*}/deaf\" &\n") << 4;
        QTest::newRow("it ignores it") << QByteArray("trap '' TERM\n") << 3;
    }
    void signalEndsInstallerGroup()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, processes);
        const QString folder = QString("group/") + QTest::currentDataTag() + "/";
        makeFile(folder + "child", true,
                 "#!/bin/sh\ntrap 'echo asked > \"$0.asked\"; exit' TERM\nsleep 600 &\necho $! $$ >> "
                 "\"${0%/*}/pids\"\nwait\n");
        makeFile(folder + "deaf", true, "#!/bin/sh\ntrap '' TERM\necho $$ >> \"${0%/*}/pids\"\nexec sleep 600\n");
        const QString installer =
            makeFile(folder + "setup", true,
                     "#!/bin/sh\n\"${0%/*}/child\" &\n" + lines + "echo $$ >> \"${0%/*}/pids\"\nexec sleep 600\n");
        QList<int> pids;
        const auto killLeft = qScopeGuard([&] {
            for (const int pid : running(pids))
                ::kill(pid, SIGKILL);
        });
        QProcess wizard;
        wizard.start(QCoreApplication::applicationDirPath() + "/signalwait", {installer});
        QTRY_COMPARE_WITH_TIMEOUT((pids = recordedIds(dir.filePath(folder + "pids"))).size(), processes, 20000);
        wizard.terminate();
        QVERIFY(wizard.waitForFinished(beyondDeadline(3000)));
        QTRY_COMPARE_WITH_TIMEOUT(running(pids), QList<int>(), 5000);  // a SIGKILL's delivery
        QCOMPARE(contents(dir.filePath(folder + "child.asked")), QByteArray("asked\n"));
    }

private:
    // The process ids written into the file.
    static QList<int> recordedIds(const QString& path)
    {
        QList<int> ids;
        for (const QByteArray& word : contents(path).simplified().split(' '))
            if (word.toInt() > 0)
                ids << word.toInt();
        return ids;
    }
    // Those of pids whose processes run (a zombie has ended).
    static QList<int> running(const QList<int>& pids)
    {
        QList<int> alive;
        for (const int pid : pids) {
            const QByteArray stat = contents(QString("/proc/%1/stat").arg(pid));
            if (!stat.isEmpty() && stat.at(stat.lastIndexOf(')') + 2) != 'Z')
                alive << pid;
        }
        return alive;
    }
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
