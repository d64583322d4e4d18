#include <QtTest>

#include <sys/stat.h>

#include <memory>
#include <vector>

#include "base/config.h"
#include "base/log.h"
#include "base/logfile.h"
#include "base/logging.h"
#include "base/logsummary.h"
#include "testsupport.h"

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
        QTest::newRow("nested 16 deep") << QString("<a>").repeated(16) + QString("</a>").repeated(16)
                                        << "parsed, launcher";
        QTest::newRow("nested 17 deep") << QString("<a>").repeated(17) + QString("</a>").repeated(17) << "qa";
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

    // A log file removed or blocked while running: nothing hangs; a message it cannot take goes to the
    // standard error as with the log off, after one line there that says why; and the next one makes a
    // new file.
    void fileOpenedPerMessage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.txt");
        LogRecorder standardError;  // the handler before the log's: with the log off, the standard error
        const QtMessageHandler previous = installLogFileHandler(path);
        WLOG << "first";
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        WLOG << "unlogged";
        WLOG << "unlogged again";
        QVERIFY(QDir(path).removeRecursively());
        WLOG << "second";
        qInstallMessageHandler(previous);
        QCOMPARE(standardError.count({"cannot write the log " + path + " (", "): its lines go to the standard error"}),
                 1);
        QCOMPARE(standardError.matching("] unlogged").size(), 2);
        QCOMPARE(standardError.lines.size(), 3);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].endsWith("] second"));
    }

    // Qt's and the libraries' warnings, which a page repeats at will (one per picture, with its sizes
    // and addresses, or quoting what it read), are logged in full for their first few and counted
    // after, each line cut; the program's own lines stay in full, and so does a warning of another
    // kind until warnings that differ from their first words on have taken every kind.
    void warningsCounted_data()
    {
        QTest::addColumn<QString>("varying");  // what changes from one warning to the next
        QTest::addColumn<int>("threads");
        QTest::addColumn<bool>("otherInFull");
        QTest::newRow("numbers") << "numbers" << 1 << true;
        QTest::newRow("numbers, from four threads") << "numbers" << 4 << true;
        QTest::newRow("the long text it quotes") << "quoted" << 1 << true;
        QTest::newRow("its first words") << "first words" << 1 << false;  // takes every kind: last
    }
    void warningsCounted()
    {
        QFETCH(QString, varying);
        QFETCH(int, threads);
        QFETCH(bool, otherInFull);
        QTemporaryDir dir;
        const QtMessageHandler previous = installLogFileHandler(dir.filePath("log.txt"));
        WLOG << "own line before";
        constexpr int kFlood = 20000;
        const auto flood = [&varying](int from, int to) {
            for (int i = from; i < to; ++i) {
                const QString word = QString::number(i, 26).replace(QRegularExpression("\\d"), "z");
                if (varying == "numbers")
                    qWarning("Corrupt JPEG data: %d extraneous bytes before marker 0x%x at %p", i, i % 256,
                             reinterpret_cast<void*>(quintptr(i) * 4096 + 0x7f0000000000));
                else if (varying == "quoted")
                    qWarning("QImage: XPM color specification is missing: %s", qPrintable(word.repeated(600)));
                else
                    qWarning("%s: cannot decode the picture", qPrintable(word));
            }
        };
        std::vector<std::unique_ptr<QThread>> others;
        for (int t = 1; t < threads; ++t)
            others.emplace_back(QThread::create(flood, kFlood * t / threads, kFlood * (t + 1) / threads))->start();
        flood(0, kFlood / threads);
        for (const auto& thread : others)
            QVERIFY(thread->wait(60000));
        qWarning("libpng warning (%s): iCCP: known incorrect sRGB profile", qPrintable(varying));
        WLOG << "own line after";
        LogSummary::flush();
        qInstallMessageHandler(previous);
        QFile file(dir.filePath("log.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.size() < 64 * 1024);
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        int counted = 0;
        const QRegularExpression count(" x(\\d+)");  // a kind's own numbers are masked
        for (const QString& line : lines.filter("Counted, not logged one by one"))
            for (auto it = count.globalMatch(line); it.hasNext();)
                counted += it.next().captured(1).toInt();
        QCOMPARE(lines.filter(QRegularExpression("^\\[Warning\\]")).size() + counted, kFlood + 1);
        if (otherInFull)
            QCOMPARE(lines.filter(QRegularExpression("^\\[Warning\\] libpng")).size(), 1);
        QCOMPARE(lines.filter(QRegularExpression("own line (before|after)$")).size(), 2);
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 600 || line.contains("Counted"), qPrintable(line.left(200)));
    }

    // The log never grows past its cap, however long it is written to: the run's first lines
    // go to log.first.txt, which later rotations leave alone, and the latest ones before the
    // current file to log.old.txt; lines are dropped only when a name cannot be taken.
    void logCap_data()
    {
        QTest::addColumn<int>("cap");
        // Files there before: an earlier run's "log", "log short", "first old"; "old dir", "first dir".
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("lines");  // lines of 20 bytes each, "L01-...", "L02-..."
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("old");
        QTest::newRow("below the cap") << 100 << "" << 5 << "1,2,3,4,5"
                                       << "-"
                                       << "-";
        QTest::newRow("at the cap, moved to first") << 100 << "" << 7 << "6,7"
                                                    << "1,2,3,4,5"
                                                    << "-";
        QTest::newRow("second rotation, to old") << 100 << "" << 12 << "11,12"
                                                 << "1,2,3,4,5"
                                                 << "6,7,8,9,10";
        QTest::newRow("many rotations keep the first lines") << 100 << "" << 42 << "41,42"
                                                             << "1,2,3,4,5"
                                                             << "36,37,38,39,40";
        QTest::newRow("cap between lines") << 90 << "" << 10 << "9,10"
                                           << "1,2,3,4"
                                           << "5,6,7,8";
        QTest::newRow("earlier run's log over the cap: to old") << 100 << "log" << 2 << "1,2"
                                                                << "-"
                                                                << "?,?,?,?,?,?,?,?,?,?";
        QTest::newRow("earlier run's log over the cap: this run's lines first") << 100 << "log" << 7 << "6,7"
                                                                                << "1,2,3,4,5"
                                                                                << "-";
        QTest::newRow("earlier run's log below the cap: kept with this run's") << 100 << "log short" << 5 << "5"
                                                                               << "?,1,2,3,4"
                                                                               << "-";
        QTest::newRow("earlier run's files: left until the first rotation") << 100 << "first old" << 5 << "1,2,3,4,5"
                                                                            << "?,?,?,?,?,?,?,?"
                                                                            << "?,?,?,?,?,?,?,?";
        QTest::newRow("earlier run's files: both replaced") << 100 << "first old" << 7 << "6,7"
                                                            << "1,2,3,4,5"
                                                            << "-";
        QTest::newRow("old name taken by a folder: begun anew") << 100 << "old dir" << 12 << "11,12"
                                                                << "1,2,3,4,5"
                                                                << "dir";
        QTest::newRow("first name taken by a folder: begun anew, then old") << 100 << "first dir" << 12 << "11,12"
                                                                            << "dir"
                                                                            << "6,7,8,9,10";
    }
    void logCap()
    {
        QFETCH(int, cap);
        QFETCH(QString, before);
        QFETCH(int, lines);
        QTemporaryDir dir;
        LogFile log(dir.filePath("log.txt"), cap);
        QCOMPARE(log.firstPath(), dir.filePath("log.first.txt"));
        QCOMPARE(log.oldPath(), dir.filePath("log.old.txt"));
        const auto earlier = [](const QString& path, int count) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) &&
                   file.write(QByteArray("earlier run\n").repeated(count)) == 12 * count;
        };
        if (before.endsWith(" dir"))
            QVERIFY(QDir(dir.path()).mkdir(before == "old dir" ? "log.old.txt" : "log.first.txt"));
        else if (before == "first old")
            QVERIFY(earlier(log.firstPath(), 8) && earlier(log.oldPath(), 8));
        else if (!before.isEmpty())
            QVERIFY(earlier(log.path(), before == "log short" ? 1 : 10));
        const QString paths[] = {log.path(), log.firstPath(), log.oldPath()};
        for (int n = 1; n <= lines; ++n) {
            QVERIFY(log.append(QString("L%1-").arg(n, 2, 10, QChar('0')).leftJustified(19, 'x')));
            qint64 total = 0;
            for (const QString& path : paths)
                total += QFileInfo(path).isFile() ? QFileInfo(path).size() : 0;
            QVERIFY2(QFileInfo(log.path()).size() <= cap && total <= 3 * cap, qPrintable(QString::number(n)));
        }
        const auto numbers = [](const QString& path) { return QFileInfo(path).isDir() ? "dir" : lineNumbers(path); };
        QTEST(numbers(log.path()), "log");
        QTEST(numbers(log.firstPath()), "first");
        QTEST(numbers(log.oldPath()), "old");
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
