#include <QtTest>
#include <QTranslator>

#include "shell/config.h"
#include "shell/globals.h"
#include "shell/languages.h"
#include "shell/launcher.h"

class TestShellLanguages : public QObject
{
    Q_OBJECT
private slots:
    void startLanguage_data();
    void startLanguage();
    void translationFiles();
    void launcherSetsLanguage();
};

void TestShellLanguages::startLanguage_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("index");

    QTest::newRow("configured locale code") << "pt_BR" << "fr_FR" << 5;
    QTest::newRow("configured unknown: system") << "en_US" << "it_IT" << 16;
    QTest::newRow("system locale code before language part") << "" << "pt_BR" << 5;
    QTest::newRow("system unknown: first row") << "" << "zh_HK" << 0;
}

void TestShellLanguages::startLanguage()
{
    QFETCH(QString, configured);
    QFETCH(QString, system);
    QFETCH(int, index);
    QCOMPARE(resolveStartLanguage(configured, system), index);
}

void TestShellLanguages::translationFiles()
{
    // Every row's translation is built into lang/ beside the program.
    QCOMPARE(languageTable().size(), 24);
    for (const Language& language : languageTable()) {
        const QString path = qEnvironmentVariable("BUILD_DIR") + "/lang/" + language.fileName;
        QTranslator translator;
        QVERIFY2(translator.load(path), qPrintable(path));
    }
}

// A configured language that the list does not offer is still used.
void TestShellLanguages::launcherSetsLanguage()
{
    ShellConfig config;
    config.language = "fi";
    Launcher* launcher = new Launcher(config);
    gLauncher = launcher;
    QCOMPARE(gCurrentLanguage, QString("fi_FI"));
    QVERIFY(gTranslator);
    delete launcher;
    QVERIFY(!gLauncher);
}

QTEST_MAIN(TestShellLanguages)
#include "tst_shell_languages.moc"
