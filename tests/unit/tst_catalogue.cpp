// The device catalogue parser and the version comparison, without widgets.
#include <QtTest>

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
    void cleanBody_data();
    void cleanBody();
    void versions_data();
    void versions();
    void redirects_data();
    void redirects();
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
    QTest::newRow("top-level array") << "[{\"Model\":\"VKC-1\"}]" << CatalogueParse::Empty << 0;
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
    QTest::newRow("same hardware version twice: listed twice, last list wins")
        << QJsonArray{camera("VKC-1", "1", "1", "A1", {QJsonObject{{"5", "first"}}}),
                      camera("VKC-1", "1", "1", "A1", {QJsonObject{{"5", "second"}}})}
        << StringMap{{"VKC-1", "A1,A1"}} << ListMap{{"VKC-1_A1", {"APMode:second"}}} << StringMap{{"VKC-1", "5"}};
    QTest::newRow("access point, number 01 is not 1") << QJsonArray{camera("VKC-2", "01", "1", "A1")}
        << StringMap{{"VKC-2", "A1"}} << ListMap{{"VKC-2_A1", {}}} << StringMap{{"VKC-2", "2"}};
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

void TestCatalogue::cleanBody_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("blanks and line feeds go, even in lists") << QByteArray("{ \"a\" :\n \"b, c\" }\n")
                                                             << "{\"a\":\"b,c\"}";
    QTest::newRow("ends at the first zero byte") << QByteArray("{}\0garbage", 10) << "{}";
}

void TestCatalogue::cleanBody()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(cleanCatalogueBody(body), text);
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

void TestCatalogue::redirects_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("next");  // empty: refused

    const QString from = "https://catalog.test/release/tolmwizard.json";
    QTest::newRow("relative") << from << "moved/t.json" << "https://catalog.test/release/moved/t.json";
    QTest::newRow("https to http") << from << "http://catalog.test/t.json" << "";
    QTest::newRow("scheme-relative keeps https") << from << "//other.test/t.json" << "https://other.test/t.json";
    QTest::newRow("no target") << from << "" << "";
}

void TestCatalogue::redirects()
{
    QFETCH(QString, from);
    QFETCH(QString, target);
    QFETCH(QString, next);
    QCOMPARE(redirectTarget(QUrl(from), QUrl(target)).toString(), next);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
