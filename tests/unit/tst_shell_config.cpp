#include <QtTest>

#include <sys/stat.h>

#include "base/config.h"
#include "base/log.h"
#include "base/logfile.h"
#include "base/logging.h"

namespace {
const QString kNoFile = "<no file>";

QString summary(const ShellConfig& config)
{
    QStringList parts;
    const std::pair<bool, const char*> flags[] = {{config.parsed, "parsed"},
                                                  {config.showLauncher, "launcher"},
                                                  {config.qaTest, "qa"},
                                                  {config.logEnabled, "log"}};
    for (const auto& flag : flags)
        if (flag.first)
            parts << flag.second;
    if (!config.language.isEmpty())
        parts << "language " + config.language;
    for (const auto& manual : config.manuals)
        parts << "manual " + manual.first + "=" + manual.second;
    return parts.join(", ");
}

// The numbers of a log file's lines ("L07-..." -> "7"), "-" for no file, "?" for a line of another kind.
QString lineNumbers(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "-";
    QStringList numbers;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            numbers << (line.startsWith('L') ? QString::number(line.mid(1, 2).toInt()) : "?");
    }
    return numbers.join(',');
}
}  // namespace

class TestShellConfig : public QObject
{
    Q_OBJECT
private slots:
    void readConfig_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("config");

        // No usable file: main window, test addresses, no log, system language.
        QTest::newRow("missing file") << kNoFile << "qa";
        QTest::newRow("no nodes") << "<config/>"
                                  << "parsed, launcher";
        // Values are trimmed and the root's name does not matter.
        QTest::newRow("all set")
            << "<settings><EnableLauncher>\n 0 </EnableLauncher><EnableForQATest>1</EnableForQATest>"
               "<EnableLog>Logenable</EnableLog><Launcher><Language> de </Language></Launcher></settings>"
            << "parsed, qa, log, language de";
        // Hostile or oversized documents count as no file, quickly and without growing.
        QTest::newRow("nested far too deep")
            << QString("<a>").repeated(30000) + QString("</a>").repeated(30000) << "qa";
        QTest::newRow("entity expansion")
            << "<!DOCTYPE c [<!ENTITY x \"xxxxxxxxxxxxxxxx\"><!ENTITY y \"&x;&x;&x;&x;&x;&x;&x;&x;\">]>"
               "<c><EnableLog>" +
                   QString("&y;").repeated(5000) + "</EnableLog></c>"
            << "qa";
        QTest::newRow("blank path unset, manuals in order")
            << "<config><ViewerInstaller> </ViewerInstaller><Manual lang=\"en\">manual/en.pdf</Manual><Manual "
               "lang=\"de\">"
               "manual/de.pdf</Manual><Manual>any.pdf</Manual><Manual lang=\"fr\"></Manual></config>"
            << "parsed, launcher, manual en=/opt/wizard/manual/en.pdf, manual de=/opt/wizard/manual/de.pdf, "
               "manual =/opt/wizard/any.pdf";
    }

    void readConfig()
    {
        QFETCH(QString, xml);
        QFETCH(QString, config);
        const QByteArray bytes = xml.toUtf8();
        QCOMPARE(summary(readShellConfig(xml == kNoFile ? nullptr : &bytes, "/opt/wizard")), config);
    }

    // Hostile things standing as config.xml count as no file: a folder, a pipe that never ends, an
    // endless device, an oversized file.
    void unusualFiles()
    {
        for (const QString& kind : QStringList{"folder", "fifo", "zero", "large"}) {
            QTemporaryDir dir;
            const QString path = dir.filePath("config.xml");
            QFile file(path);
            if (kind == "folder")
                QVERIFY(QDir(dir.path()).mkdir("config.xml"));
            else if (kind == "fifo")
                QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (kind == "zero")
                QVERIFY(QFile::link("/dev/zero", path));
            else  // a valid document, too large
                QVERIFY(file.open(QIODevice::WriteOnly) &&
                        file.write("<config><EnableLauncher>0</EnableLauncher></config>" + QByteArray(1 << 20, ' ')));
            file.close();
            QVERIFY2(!readShellConfigFile(dir.path()).parsed, qPrintable(kind));
        }
    }

    // A log file removed or blocked while running: messages meanwhile are dropped, nothing hangs,
    // and the next one makes a new file.
    void fileOpenedPerMessage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.txt");
        const QtMessageHandler previous = installLogFileHandler(path);
        WLOG << "first";
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        WLOG << "lost";
        QVERIFY(QDir(path).removeRecursively());
        WLOG << "second";
        qInstallMessageHandler(previous);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].endsWith("] second"));
    }

    // The log never grows past its cap, however long it is written to: the lines before go to
    // log.old.txt (one generation), or are dropped when that name cannot be taken.
    void logCap_data()
    {
        QTest::addColumn<int>("cap");
        QTest::addColumn<QString>("before");  // "log" or "old": that file is there (a folder: "old dir")
        QTest::addColumn<int>("lines");       // lines of 20 bytes each, "L01-...", "L02-..."
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("old");
        QTest::newRow("below the cap") << 100 << "" << 5 << "1,2,3,4,5"
                                       << "-";
        QTest::newRow("at the cap, moved") << 100 << "" << 12 << "11,12"
                                           << "6,7,8,9,10";
        QTest::newRow("cap between lines") << 90 << "" << 10 << "9,10"
                                           << "5,6,7,8";
        QTest::newRow("earlier run's log over the cap") << 100 << "log" << 2 << "1,2"
                                                        << "?,?,?,?,?,?,?,?,?,?";
        QTest::newRow("earlier old file replaced") << 100 << "old" << 7 << "6,7"
                                                   << "1,2,3,4,5";
        QTest::newRow("old name taken by a folder: begun anew") << 100 << "old dir" << 12 << "11,12"
                                                                << "-";
    }
    void logCap()
    {
        QFETCH(int, cap);
        QFETCH(QString, before);
        QFETCH(int, lines);
        QTemporaryDir dir;
        LogFile log(dir.filePath("log.txt"), cap);
        QCOMPARE(log.oldPath(), dir.filePath("log.old.txt"));
        if (before == "old dir")
            QVERIFY(QDir(dir.path()).mkdir("log.old.txt"));
        else if (!before.isEmpty()) {
            QFile file(before == "log" ? log.path() : log.oldPath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("earlier run\n").repeated(10)) == 120);
        }
        for (int n = 1; n <= lines; ++n) {
            QVERIFY(log.append(QString("L%1-").arg(n, 2, 10, QChar('0')).leftJustified(19, 'x')));
            QVERIFY2(QFileInfo(log.path()).size() <= cap, qPrintable(QString::number(n)));
        }
        QTEST(lineNumbers(log.path()), "log");
        if (before != "old dir")
            QTEST(lineNumbers(log.oldPath()), "old");
    }

    // A line longer than the cap is cut to it, on a character's edge.
    void logLineCut()
    {
        QTemporaryDir dir;
        LogFile log(dir.filePath("log.txt"), 10);
        QVERIFY(log.append(QString("abcdefgh") + QChar(0xe9) + "xyz"));
        QFile file(log.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("abcdefgh\n"));
    }
};

QTEST_GUILESS_MAIN(TestShellConfig)
#include "tst_shell_config.moc"
