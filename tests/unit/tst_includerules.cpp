// Every product folder includes only what CONTRIBUTING's folder table allows it.
#include <QtTest>

#include <QDirIterator>
#include <QRegularExpression>

namespace {

const QStringList kPageFolders = {"welcome", "setup", "guide", "wifi", "apmode", "cloud"};

// What the pages may take from the shell: the page frame, the page base class and the popups.
const QStringList kShellFrameApi = {"shell/mainpage.h", "shell/wizardpage.h", "shell/messageboxpage.h",
                                    "shell/exitpopup.h"};

QDir sourceRoot()
{
    return QDir(qEnvironmentVariable("TESTDATA") + "/../..");
}

}  // namespace

class tst_IncludeRules : public QObject
{
    Q_OBJECT
private slots:
    void folderIncludesAllowedHeaders_data()
    {
        QTest::addColumn<QString>("folder");
        // Folders whose headers the folder may include, and single headers besides them.
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("headers");

        QTest::newRow("base") << "base" << QStringList{"base"} << QStringList{};
        // DCPUtils keeps the firewall rule, which runs through platform/.
        QTest::newRow("protocol") << "protocol" << QStringList{"protocol", "base", "platform"} << QStringList{};
        QTest::newRow("platform") << "platform" << QStringList{"platform", "base"} << QStringList{};
        QTest::newRow("decoder") << "decoder" << QStringList{"decoder", "base"} << QStringList{};
        for (const QString& page : kPageFolders)
            QTest::newRow(qPrintable(page))
                << page << (QStringList{"base", "protocol", "platform"} + kPageFolders) << kShellFrameApi;
    }

    void folderIncludesAllowedHeaders()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, folders);
        QFETCH(QStringList, headers);

        const QRegularExpression include("^\\s*#\\s*include\\s+\"([^\"]+)\"", QRegularExpression::MultilineOption);
        const QDir dir(sourceRoot().filePath(folder));
        QVERIFY2(dir.exists(), qPrintable(dir.path()));
        QStringList broken;
        int files = 0;
        QDirIterator it(dir.path(), {"*.cpp", "*.h"}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files;
            for (auto match = include.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                const QString header = match.next().captured(1);
                const int slash = header.indexOf('/');
                bool allowed;
                if (slash < 0)  // a generated form: only the folder's own
                    allowed = header.startsWith("ui_") && header.endsWith(".h") &&
                              dir.exists(header.mid(3).chopped(2) + ".ui");
                else
                    allowed = folders.contains(header.left(slash)) || headers.contains(header);
                if (!allowed)
                    broken << QFileInfo(file).fileName() + ": " + header;
            }
        }
        QVERIFY2(files > 0, qPrintable(folder));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(", ")));
    }
};

QTEST_GUILESS_MAIN(tst_IncludeRules)
#include "tst_includerules.moc"
