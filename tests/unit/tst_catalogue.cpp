// The device catalogue, the version comparison and the update description, without widgets.
#include <QtTest>

#include "welcome/updatedescription.h"
#include "welcome/catalogue.h"
#include "welcome/version.h"

using StringMap = QMap<QString, QString>;
using ListMap = QMap<QString, QStringList>;
Q_DECLARE_METATYPE(StringMap)
Q_DECLARE_METATYPE(ListMap)
Q_DECLARE_METATYPE(CatalogueParse::Status)

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void documents_data();
    void documents();
    void cameraMaps_data();
    void cameraMaps();
    void versions_data();
    void versions();
    void redirects_data();
    void redirects();
    void offers_data();
    void offers();
    void fileNames_data();
    void fileNames();
};

namespace {

QJsonObject camera(const QString& model, const QString& number, const QString& ap, const QString& hw,
                   const QJsonArray& types = QJsonArray())
{
    return QJsonObject{{"Model", model},      {"ConnectionTypeNumber", number}, {"SupportWiFi", "1"},
                       {"SupportAPMode", ap}, {"CGIProtocol", "1"},             {"HardwareVersion", hw},
                       {"ConnectionType", types}};
}

QString catalogueText(const QJsonArray& cameras)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"Cameras", cameras}}).toJson(QJsonDocument::Compact));
}

} // namespace

void TestCatalogue::documents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CatalogueParse::Status>("status");
    QTest::addColumn<int>("models");

    QTest::newRow("not json") << "this is not json" << CatalogueParse::Invalid << 0;
    QTest::newRow("camera not an object") << "{\"Cameras\":[7,\"x\",null]}" << CatalogueParse::Parsed << 1;
}

void TestCatalogue::documents()
{
    QFETCH(QString, text);
    QFETCH(CatalogueParse::Status, status);
    QFETCH(int, models);

    const CatalogueParse parse = parseCatalogue(text);
    QCOMPARE(parse.status, status);
    QCOMPARE(parse.error.isEmpty(), status != CatalogueParse::Invalid);
    const Catalogue& c = parse.catalogue;
    QCOMPARE(c.routes.size(), models);
    // Every model is filed in each per-model map, or in none.
    for (const StringMap* map : {&c.connectionTypeNumbers, &c.supportWiFi, &c.supportAPMode, &c.cgiProtocols,
                                 &c.hardwareVersions})
        QCOMPARE(map->keys(), c.routes.keys());
    QCOMPARE(c.assembleImages.size(), status == CatalogueParse::Parsed ? 9 : 0);
    QCOMPARE(c.deviceIcons.size(), status == CatalogueParse::Parsed ? 6 : 0);
}

void TestCatalogue::cameraMaps_data()
{
    QTest::addColumn<QJsonArray>("cameras");
    QTest::addColumn<StringMap>("hardwareVersions");
    QTest::addColumn<ListMap>("connectionTypes");
    QTest::addColumn<StringMap>("routes");

    QTest::newRow("two hardware versions")
        << QJsonArray{camera("VKC-1", "1", "0", "A1", {QJsonObject{{"1", "a"}}}),
                      camera("VKC-1", "2", "0", "B1", {QJsonObject{{"1", "b"}}, QJsonObject{{"2", "x"}}, 5,
                                                           QJsonObject{{"6", "w"}}})}
        << StringMap{{"VKC-1", "A1,B1"}}
        << ListMap{{"VKC-1_A1", {"Ethernet:a"}}, {"VKC-1_B1", {"Ethernet:b", "WPS:w"}}}
        << StringMap{{"VKC-1", "2"}};
}

void TestCatalogue::cameraMaps()
{
    QFETCH(QJsonArray, cameras);
    QFETCH(StringMap, hardwareVersions);
    QFETCH(ListMap, connectionTypes);
    QFETCH(StringMap, routes);

    const CatalogueParse parse = parseCatalogue(catalogueText(cameras));
    QCOMPARE(parse.status, CatalogueParse::Parsed);
    QCOMPARE(parse.catalogue.hardwareVersions, hardwareVersions);
    QCOMPARE(parse.catalogue.connectionTypes, connectionTypes);
    QCOMPARE(parse.catalogue.routes, routes);
}

void TestCatalogue::versions_data()
{
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<bool>("newer");  // than v2.00.10

    QTest::newRow("9 is older than 10") << "v2.00.9" << false;
    QTest::newRow("11 is newer than 10") << "v2.00.11" << true;
    QTest::newRow("extra field") << "v2.00.10.1" << true;
    QTest::newRow("letters are no version") << "v2.00.1a" << false;
    QTest::newRow("huge numbers") << "v2.00.100000000000000000000" << true;
}

void TestCatalogue::versions()
{
    QFETCH(QString, candidate);
    QFETCH(bool, newer);
    QCOMPARE(isNewerVersion("v2.00.10", candidate), newer);
}

// Relative targets resolve against the request; none leads from https to http.
void TestCatalogue::redirects_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("next");  // empty: refused

    QTest::newRow("relative") << "moved/t.json" << "https://catalog.test/release/moved/t.json";
    QTest::newRow("https to http") << "http://catalog.test/t.json" << "";
    QTest::newRow("scheme-relative keeps https") << "//other.test/t.json" << "https://other.test/t.json";
    QTest::newRow("no target") << "" << "";
}

void TestCatalogue::redirects()
{
    QFETCH(QString, target);
    QFETCH(QString, next);
    const QUrl from("https://catalog.test/release/tolmwizard.json");
    QCOMPARE(redirectTarget(from, QUrl(target)).toString(), next);
}

// Wizard entries of an update description from version, address pairs.
static QByteArray description(const QStringList& pairs)
{
    QJsonArray entries;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        entries.append(QJsonObject{{"Model", "TolmSetupWizard"}, {"Version", pairs[i]}, {"URL_EXE", pairs[i + 1]}});
    const QJsonObject edition{{"Edition", QJsonObject{{"ALL", entries}}}};
    return QJsonDocument(QJsonObject{{"OS", QJsonObject{{"Window", edition}}}}).toJson();
}

void TestCatalogue::offers_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("installer");  // empty: no update offered

    const QString a = "https://dl.test/a.exe";
    QTest::newRow("newer without v") << QStringList{"2.00.11", a} << a;
    QTest::newRow("installer over plain http refused") << QStringList{"v2.00.11", "http://dl.test/a.exe"} << "";
    QTest::newRow("https entry kept over a later http one")
        << QStringList{"v2.00.11", a, "v2.00.12", "http://dl.test/b.exe"} << a;
    QTest::newRow("later entry without update keeps the earlier")
        << QStringList{"v2.00.11", a, "v2.00.01", "https://dl.test/b.exe"} << a;
}

void TestCatalogue::offers()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, installer);
    const UpdateOffer offer = readUpdateDescription(description(entries), "v2.00.10");
    QCOMPARE(offer.found, !installer.isEmpty());
    QCOMPARE(offer.installerUrl.toString(), installer);
}

void TestCatalogue::fileNames_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");

    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    QTest::newRow("query and fragment ignored") << "https://dl.test/setup.exe?x=a/b.exe#part" << "setup.exe";
    QTest::newRow("escaped slash takes the last part") << "https://dl.test/files/..%2F..%2Fevil.exe" << "evil.exe";
    QTest::newRow("escaped backslash") << "https://dl.test/files/sub%5Cevil.exe" << fallback;
}

void TestCatalogue::fileNames()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(installerFileName(QUrl(url, QUrl::TolerantMode)), name);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
