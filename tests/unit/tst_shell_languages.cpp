#include <QtTest>
#include <QTranslator>

#include "config.h"
#include "globals.h"
#include "languages.h"
#include "launcher.h"

class TestShellLanguages : public QObject
{
    Q_OBJECT
private slots:
    void languageIndex_data();
    void languageIndex();
    void startLanguage_data();
    void startLanguage();
    void chooseableRows();
    void translationFiles_data();
    void translationFiles();
    void launcherSetsLanguage_data();
    void launcherSetsLanguage();
};

void TestShellLanguages::languageIndex_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");

    QTest::newRow("locale code") << "en_GB" << 0;
    QTest::newRow("short code") << "en" << 0;
    QTest::newRow("short code with region") << "pt_BR" << 5;
    QTest::newRow("portugal short") << "pt" << 4;
    QTest::newRow("norwegian locale") << "nb_NO" << 18;
    QTest::newRow("norwegian short") << "no" << 18;
    QTest::newRow("last row") << "fi_FI" << 23;
    QTest::newRow("chinese short is the locale") << "zh_CN" << 8;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("unknown") << "xx_XX" << -1;
    QTest::newRow("american english is no row") << "en_US" << -1;
}

void TestShellLanguages::languageIndex()
{
    QFETCH(QString, code);
    QFETCH(int, index);
    QCOMPARE(::languageIndex(code), index);
}

void TestShellLanguages::startLanguage_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("index");

    QTest::newRow("configured short code wins") << "de" << "fr_FR" << 12;
    QTest::newRow("configured locale code wins") << "ja_JP" << "fr_FR" << 6;
    QTest::newRow("configured unknown: system") << "klingon" << "it_IT" << 16;
    QTest::newRow("system locale code") << "" << "sv_SE" << 22;
    QTest::newRow("system pt_BR") << "" << "pt_BR" << 5;
    QTest::newRow("system by language part") << "" << "en_US" << 0;
    QTest::newRow("system fr_CA") << "" << "fr_CA" << 1;
    QTest::newRow("system pt_AO: portugal row") << "" << "pt_AO" << 4;
    QTest::newRow("system norwegian") << "" << "nb_NO" << 18;
    QTest::newRow("system zh_HK: first row") << "" << "zh_HK" << 0;
    QTest::newRow("system C: first row") << "" << "C" << 0;
    QTest::newRow("nothing") << "" << "" << 0;
}

void TestShellLanguages::startLanguage()
{
    QFETCH(QString, configured);
    QFETCH(QString, system);
    QFETCH(int, index);
    QCOMPARE(resolveStartLanguage(configured, system), index);
}

void TestShellLanguages::chooseableRows()
{
    const QVector<Language>& table = languageTable();
    QCOMPARE(table.size(), 24);
    QList<int> locked;
    for (int i = 0; i < table.size(); ++i)
        if (!table[i].selectable)
            locked << i;
    QCOMPARE(locked, QList<int>({4, 11, 13, 14, 18, 20, 21, 23}));
}

void TestShellLanguages::translationFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const Language& language : languageTable())
        QTest::newRow(qPrintable(language.localeCode)) << language.fileName;
}

void TestShellLanguages::translationFiles()
{
    // Every row's translation is built into lang/ beside the program.
    QFETCH(QString, file);
    const QString path = qEnvironmentVariable("BUILD_DIR") + "/lang/" + file;
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path));
}

void TestShellLanguages::launcherSetsLanguage_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("current");

    QTest::newRow("short code") << "de" << "de_DE";
    QTest::newRow("locale code") << "pt_BR" << "pt_BR";
    QTest::newRow("hidden row") << "fi" << "fi_FI";
}

void TestShellLanguages::launcherSetsLanguage()
{
    QFETCH(QString, configured);
    QFETCH(QString, current);

    ShellConfig config;
    config.language = configured;
    Launcher* launcher = new Launcher(config);
    gLauncher = launcher;
    QCOMPARE(gCurrentLanguage, current);
    QVERIFY(gTranslator);
    QVERIFY(!launcher->isVisible());
    delete launcher;
    QVERIFY(!gLauncher);
}

QTEST_MAIN(TestShellLanguages)
#include "tst_shell_languages.moc"
