#include <QtTest>

#include "config.h"
#include "globals.h"

namespace {
const QString kBase = "/opt/wizard";
const QString kNoFile = "<no file>";
}

class TestShellConfig : public QObject
{
    Q_OBJECT
private slots:
    void startNodes_data();
    void startNodes();
    void launcherFiles_data();
    void launcherFiles();
    void shippedConfig();
    void downloadAddresses_data();
    void downloadAddresses();
};

void TestShellConfig::startNodes_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<bool>("showLauncher");
    QTest::addColumn<bool>("qaTest");
    QTest::addColumn<bool>("logEnabled");
    QTest::addColumn<QString>("language");

    // No usable file: main window, test addresses, no log, system language.
    QTest::newRow("missing file") << kNoFile << false << false << true << false << "";
    QTest::newRow("empty file") << "" << false << false << true << false << "";
    QTest::newRow("broken xml") << "<config><EnableLauncher>1</config>" << false << false << true << false << "";
    QTest::newRow("not xml") << "EnableLauncher=1" << false << false << true << false << "";

    // A parsed file: missing or empty nodes take the defaults.
    QTest::newRow("empty config") << "<config/>" << true << true << false << false << "";
    QTest::newRow("empty nodes")
        << "<config><EnableLauncher/><EnableForQATest></EnableForQATest><EnableLog/></config>"
        << true << true << false << false << "";
    QTest::newRow("launcher 0") << "<config><EnableLauncher>0</EnableLauncher></config>"
                                << true << false << false << false << "";
    QTest::newRow("launcher 0 padded") << "<config><EnableLauncher>\n  0 \n</EnableLauncher></config>"
                                       << true << false << false << false << "";
    QTest::newRow("launcher 1") << "<config><EnableLauncher>1</EnableLauncher></config>"
                                << true << true << false << false << "";
    QTest::newRow("launcher other text") << "<config><EnableLauncher>no</EnableLauncher></config>"
                                         << true << true << false << false << "";
    QTest::newRow("qa 1") << "<config><EnableForQATest>1</EnableForQATest></config>"
                          << true << true << true << false << "";
    QTest::newRow("qa 0") << "<config><EnableForQATest>0</EnableForQATest></config>"
                          << true << true << false << false << "";
    QTest::newRow("qa true is not 1") << "<config><EnableForQATest>true</EnableForQATest></config>"
                                      << true << true << false << false << "";
    QTest::newRow("log enabled") << "<config><EnableLog>Logenable</EnableLog></config>"
                                 << true << true << false << true << "";
    QTest::newRow("log disabled") << "<config><EnableLog>Logdisable</EnableLog></config>"
                                  << true << true << false << false << "";
    QTest::newRow("log wrong case") << "<config><EnableLog>logenable</EnableLog></config>"
                                    << true << true << false << false << "";
    QTest::newRow("language") << "<config><Launcher><Language> de </Language></Launcher></config>"
                              << true << true << false << false << "de";
    QTest::newRow("any root name")
        << "<?xml version=\"1.0\"?><settings><EnableLauncher>0</EnableLauncher><EnableForQATest>1"
           "</EnableForQATest><EnableLog>Logenable</EnableLog></settings>"
        << true << false << true << true << "";
}

void TestShellConfig::startNodes()
{
    QFETCH(QString, xml);
    QFETCH(bool, parsed);
    QFETCH(bool, showLauncher);
    QFETCH(bool, qaTest);
    QFETCH(bool, logEnabled);
    QFETCH(QString, language);

    const QByteArray bytes = xml.toUtf8();
    const ShellConfig config = readShellConfig(xml == kNoFile ? nullptr : &bytes, kBase);
    QCOMPARE(config.parsed, parsed);
    QCOMPARE(config.showLauncher, showLauncher);
    QCOMPARE(config.qaTest, qaTest);
    QCOMPARE(config.logEnabled, logEnabled);
    QCOMPARE(config.language, language);
}

void TestShellConfig::launcherFiles_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("viewer");
    QTest::addColumn<QString>("pdfReader");
    QTest::addColumn<QStringList>("manuals");  // "lang=path"

    QTest::newRow("none") << "<config/>" << "" << "" << QStringList();
    QTest::newRow("relative paths")
        << "<config><Launcher><ViewerInstaller>installer/viewer_setup</ViewerInstaller>"
           "<PdfReaderInstaller>./installer/../pdf/reader</PdfReaderInstaller></Launcher></config>"
        << "/opt/wizard/installer/viewer_setup" << "/opt/wizard/pdf/reader" << QStringList();
    QTest::newRow("absolute path")
        << "<config><ViewerInstaller>/srv/setup files/viewer</ViewerInstaller></config>"
        << "/srv/setup files/viewer" << "" << QStringList();
    QTest::newRow("empty path stays unset")
        << "<config><ViewerInstaller>  </ViewerInstaller></config>" << "" << "" << QStringList();
    QTest::newRow("manuals in order")
        << "<config><Launcher><Manual lang=\"en\">manual/en.pdf</Manual><Manual lang=\"de\">"
           "manual/de.pdf</Manual><Manual>manual/any.pdf</Manual><Manual lang=\"fr\"></Manual>"
           "</Launcher></config>"
        << "" << ""
        << QStringList{"en=/opt/wizard/manual/en.pdf", "de=/opt/wizard/manual/de.pdf",
                       "=/opt/wizard/manual/any.pdf"};
    QTest::newRow("broken file has none")
        << "<config><Manual lang=\"en\">manual/en.pdf</Manual>" << "" << "" << QStringList();
}

void TestShellConfig::launcherFiles()
{
    QFETCH(QString, xml);
    QFETCH(QString, viewer);
    QFETCH(QString, pdfReader);
    QFETCH(QStringList, manuals);

    const QByteArray bytes = xml.toUtf8();
    const ShellConfig config = readShellConfig(&bytes, kBase);
    QCOMPARE(config.viewerInstaller, viewer);
    QCOMPARE(config.pdfReaderInstaller, pdfReader);
    QStringList got;
    for (const auto& manual : config.manuals)
        got << manual.first + "=" + manual.second;
    QCOMPARE(got, manuals);
}

void TestShellConfig::shippedConfig()
{
    // The config.xml installed beside the program opens the Launcher, release addresses, no log.
    QFile file(qEnvironmentVariable("BUILD_DIR") + "/config.xml");
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    const ShellConfig config = readShellConfig(&bytes, "/opt/wizard");
    QVERIFY(config.parsed);
    QVERIFY(config.showLauncher);
    QVERIFY(!config.qaTest);
    QVERIFY(!config.logEnabled);
    QVERIFY(!config.viewerInstaller.isEmpty());
    QVERIFY(!config.pdfReaderInstaller.isEmpty());
    QVERIFY(!config.manuals.isEmpty());
}

void TestShellConfig::downloadAddresses_data()
{
    QTest::addColumn<bool>("qaTest");
    QTest::addColumn<QString>("catalogueFile");
    QTest::addColumn<QString>("updateScheme");
    QTest::addColumn<QString>("updatePath");
    QTest::addColumn<QString>("updateQuery");

    QTest::newRow("release") << false << "tolmwizard.json" << "https" << "/wizard/" << "version";
    QTest::newRow("test") << true << "tolmwizard_develop.json" << "http" << "/qa/vt_devices.json" << "";
}

void TestShellConfig::downloadAddresses()
{
    QFETCH(bool, qaTest);
    QFETCH(QString, catalogueFile);
    QFETCH(QString, updateScheme);
    QFETCH(QString, updatePath);
    QFETCH(QString, updateQuery);

    const QString savedBase = gQATestBaseUrl;
    QVERIFY(!savedBase.isEmpty());
    gQATestBaseUrl = "http://qa.lab.test/qa/";
    gIsQATest = !qaTest;
    applyDownloadAddresses(qaTest);
    const QString base = gQATestBaseUrl;
    gQATestBaseUrl = savedBase;

    QCOMPARE(gIsQATest, qaTest);
    QCOMPARE(jsonUrl.fileName(), catalogueFile);
    QCOMPARE(assembleImageSquareUrl.fileName(), QString("assemble_image_square.png"));
    QCOMPARE(deviceIconSquareUrl.fileName(), QString("device_list_all.png"));
    // All three files come from one base: the test base, or one release base that is not it.
    const QUrl catalogueDir = jsonUrl.adjusted(QUrl::RemoveFilename);
    QCOMPARE(assembleImageSquareUrl.adjusted(QUrl::RemoveFilename), catalogueDir);
    QCOMPARE(deviceIconSquareUrl.adjusted(QUrl::RemoveFilename), catalogueDir);
    QCOMPARE(catalogueDir == QUrl(base), qaTest);

    QCOMPARE(TolmWizardUpdateUrl.scheme(), updateScheme);
    QCOMPARE(TolmWizardUpdateUrl.path(), updatePath);
    QCOMPARE(TolmWizardUpdateUrl.query(), updateQuery);
    QCOMPARE(TolmWizardUpdateUrl.hasQuery(), !updateQuery.isEmpty());
}

QTEST_GUILESS_MAIN(TestShellConfig)
#include "tst_shell_config.moc"
