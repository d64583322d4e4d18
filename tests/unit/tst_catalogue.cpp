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
    void routeCodes_data();
    void routeCodes();
    void connectionTypes_data();
    void connectionTypes();
    void documents_data();
    void documents();
    void cameraMaps_data();
    void cameraMaps();
    void pictureGroups_data();
    void pictureGroups();
    void updateFields_data();
    void updateFields();
    void cleanBody_data();
    void cleanBody();
    void testCatalogueFile_data();
    void testCatalogueFile();
    void versions_data();
    void versions();
};

namespace {

QJsonObject camera(const QString& model, const QString& number, const QString& ap, const QString& hw,
                   const QJsonArray& types = QJsonArray())
{
    return QJsonObject{{"Model", model},        {"ConnectionTypeNumber", number}, {"SupportWiFi", "1"},
                       {"SupportAPMode", ap},   {"CGIProtocol", "1"},             {"HardwareVersion", hw},
                       {"ConnectionType", types}};
}

QString catalogueText(const QJsonArray& cameras)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"Cameras", cameras}}).toJson(QJsonDocument::Compact));
}

} // namespace

void TestCatalogue::routeCodes_data()
{
    QTest::addColumn<QString>("apMode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("route");

    QTest::newRow("access point, one type") << "1" << "1" << "5";
    QTest::newRow("access point, two types") << "1" << "2" << "2";
    QTest::newRow("no access point, one type") << "0" << "1" << "1";
    QTest::newRow("no access point, three types") << "0" << "3" << "2";
    QTest::newRow("number missing") << "1" << "" << "2";
    QTest::newRow("01 is not 1") << "1" << "01" << "2";
    QTest::newRow("1.0 is not 1") << "0" << "1.0" << "2";
    QTest::newRow("access point 01 is not 1") << "01" << "1" << "1";
}

void TestCatalogue::routeCodes()
{
    QFETCH(QString, apMode);
    QFETCH(QString, number);
    QFETCH(QString, route);
    QCOMPARE(routeCode(apMode, number), route);

    // The parser files the same code for a camera object with these values.
    const CatalogueParse parse = parseCatalogue(catalogueText({camera("M", number, apMode, "A1")}));
    QCOMPARE(parse.catalogue.routes.value("M"), route);
}

void TestCatalogue::connectionTypes_data()
{
    QTest::addColumn<QJsonObject>("object");
    QTest::addColumn<QString>("entry");  // "-" for no entry

    QTest::newRow("ethernet") << QJsonObject{{"1", "ia10,ib10"}} << "Ethernet:ia10,ib10";
    QTest::newRow("poe") << QJsonObject{{"3", "a"}} << "POE:a";
    QTest::newRow("plc") << QJsonObject{{"4", "b"}} << "PLC:b";
    QTest::newRow("access point") << QJsonObject{{"5", "c"}} << "APMode:c";
    QTest::newRow("wps") << QJsonObject{{"6", "d"}} << "WPS:d";
    QTest::newRow("1 before 3") << QJsonObject{{"3", "x"}, {"1", "y"}} << "Ethernet:y";
    QTest::newRow("4 before 6") << QJsonObject{{"6", "x"}, {"4", "y"}} << "PLC:y";
    QTest::newRow("only 2") << QJsonObject{{"2", "x"}} << "-";
    QTest::newRow("empty object") << QJsonObject() << "-";
    QTest::newRow("number gives a bare label") << QJsonObject{{"1", 7}} << "Ethernet:";
    QTest::newRow("null is skipped") << QJsonObject{{"1", QJsonValue::Null}, {"5", "ap"}} << "APMode:ap";
    QTest::newRow("empty list keeps its label") << QJsonObject{{"3", ""}} << "POE:";
}

void TestCatalogue::connectionTypes()
{
    QFETCH(QJsonObject, object);
    QFETCH(QString, entry);
    const QString got = connectionTypeEntry(object);
    if (entry == "-")
        QVERIFY(got.isNull());
    else
        QCOMPARE(got, entry);
}

void TestCatalogue::documents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CatalogueParse::Status>("status");
    QTest::addColumn<int>("models");

    QTest::newRow("not json") << "this is not json" << CatalogueParse::Invalid << 0;
    QTest::newRow("empty text") << "" << CatalogueParse::Invalid << 0;
    QTest::newRow("cut short") << "{\"Cameras\":[{\"Model\":\"VKC-1\"" << CatalogueParse::Invalid << 0;
    QTest::newRow("trailing garbage") << "{}x" << CatalogueParse::Invalid << 0;
    QTest::newRow("empty object") << "{}" << CatalogueParse::Empty << 0;
    QTest::newRow("top-level array") << "[{\"Model\":\"VKC-1\"}]" << CatalogueParse::Empty << 0;
    QTest::newRow("empty array") << "[]" << CatalogueParse::Empty << 0;
    QTest::newRow("cameras missing") << "{\"TolmWizardLatestVersion\":\"v1\"}" << CatalogueParse::Parsed << 0;
    QTest::newRow("cameras not an array") << "{\"Cameras\":{\"Model\":\"X\"}}" << CatalogueParse::Parsed << 0;
    QTest::newRow("cameras empty") << "{\"Cameras\":[]}" << CatalogueParse::Parsed << 0;
    QTest::newRow("camera not an object") << "{\"Cameras\":[7,\"x\",null]}" << CatalogueParse::Parsed << 1;
    QTest::newRow("two models") << "{\"Cameras\":[{\"Model\":\"A\"},{\"Model\":\"B\"}]}" << CatalogueParse::Parsed
                                << 2;
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
    if (status == CatalogueParse::Parsed) {
        QCOMPARE(c.assembleImages.size(), 9);
        QCOMPARE(c.deviceIcons.size(), 6);
    } else {
        QVERIFY(c.assembleImages.isEmpty());
        QVERIFY(c.deviceIcons.isEmpty());
    }
}

void TestCatalogue::cameraMaps_data()
{
    QTest::addColumn<QJsonArray>("cameras");
    QTest::addColumn<StringMap>("hardwareVersions");
    QTest::addColumn<ListMap>("connectionTypes");
    QTest::addColumn<StringMap>("routes");

    QTest::newRow("two hardware versions")
        << QJsonArray{camera("VKC-1", "1", "0", "A1", {QJsonObject{{"1", "a"}}}),
                      camera("VKC-1", "2", "0", "B1", {QJsonObject{{"1", "b"}}, QJsonObject{{"6", "w"}}})}
        << StringMap{{"VKC-1", "A1,B1"}}
        << ListMap{{"VKC-1_A1", {"Ethernet:a"}}, {"VKC-1_B1", {"Ethernet:b", "WPS:w"}}}
        << StringMap{{"VKC-1", "2"}};
    QTest::newRow("same hardware version twice: listed twice, last list wins")
        << QJsonArray{camera("VKC-1", "1", "1", "A1", {QJsonObject{{"5", "first"}}}),
                      camera("VKC-1", "1", "1", "A1", {QJsonObject{{"5", "second"}}})}
        << StringMap{{"VKC-1", "A1,A1"}} << ListMap{{"VKC-1_A1", {"APMode:second"}}} << StringMap{{"VKC-1", "5"}};
    QTest::newRow("types without a known key are left out")
        << QJsonArray{camera("M", "3", "0", "NA", {QJsonObject{{"2", "x"}}, 5, QJsonObject{{"4", "p"}}})}
        << StringMap{{"M", "NA"}} << ListMap{{"M_NA", {"PLC:p"}}} << StringMap{{"M", "2"}};
    QTest::newRow("connection types not an array")
        << QJsonArray{QJsonObject{{"Model", "M"}, {"ConnectionType", "1"}, {"HardwareVersion", "A"}}}
        << StringMap{{"M", "A"}} << ListMap{{"M_A", {}}} << StringMap{{"M", "2"}};
    QTest::newRow("no model: filed under the empty key")
        << QJsonArray{QJsonObject{{"ConnectionTypeNumber", "1"}}} << StringMap{{"", ""}} << ListMap{{"_", {}}}
        << StringMap{{"", "1"}};
    QTest::newRow("wrong types read as empty")
        << QJsonArray{QJsonObject{{"Model", "M"}, {"ConnectionTypeNumber", 1}, {"HardwareVersion", true}}}
        << StringMap{{"M", ""}} << ListMap{{"M_", {}}} << StringMap{{"M", "2"}};
    QTest::newRow("name outside latin-1 survives")
        << QJsonArray{camera(QString::fromUtf8("VKC-\u03a9\u6444"), "1", "0", "A1")}
        << StringMap{{QString::fromUtf8("VKC-\u03a9\u6444"), "A1"}}
        << ListMap{{QString::fromUtf8("VKC-\u03a9\u6444_A1"), {}}}
        << StringMap{{QString::fromUtf8("VKC-\u03a9\u6444"), "1"}};
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

void TestCatalogue::pictureGroups_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("assemble");

    const QString assemble = "{\"AssembleImages\":{\"INT_ia\":\"ia10,ia11\",\"WPS_wa\":3},"
                             "\"DeivceIcons\":{\"Serial_5\":\"VKC-5100\",\"Serial_3\":\"x\"}}";
    QTest::newRow("assemble group") << assemble << "INT_ia" << "ia10,ia11" << true;
    QTest::newRow("missing group is empty") << assemble << "WPS_wd" << "" << true;
    QTest::newRow("number is empty") << assemble << "WPS_wa" << "" << true;
    QTest::newRow("icon series") << assemble << "Serial_5" << "VKC-5100" << false;
    QTest::newRow("icon series missing") << assemble << "Serial_9" << "" << false;
    QTest::newRow("correctly spelt object is not read") << "{\"DeviceIcons\":{\"Serial_2\":\"a\"}}" << "Serial_2"
                                                        << "" << false;
    QTest::newRow("groups not an object") << "{\"AssembleImages\":[1,2]}" << "INT_ic" << "" << true;
}

void TestCatalogue::pictureGroups()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, assemble);

    const Catalogue c = parseCatalogue(text).catalogue;
    const StringMap& map = assemble ? c.assembleImages : c.deviceIcons;
    QVERIFY(map.contains(key));
    QCOMPARE(map.value(key), value);
    QCOMPARE(c.assembleImages.keys(),
             (QStringList{"INT_ia", "INT_ia_ib", "INT_ic", "INT_id", "Local_ConnectionType", "WPS_wa", "WPS_wb",
                          "WPS_wc", "WPS_wd"}));
    QCOMPARE(c.deviceIcons.keys(),
             (QStringList{"Serial_2", "Serial_5", "Serial_6", "Serial_7", "Serial_8", "Serial_9"}));
}

void TestCatalogue::updateFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("uri");

    QTest::newRow("both") << "{\"TolmWizardLatestVersion\":\"v2.00.11\",\"TolmWizardWindowsUpdateURI\":\"https://u/x\"}"
                          << "v2.00.11" << "https://u/x";
    QTest::newRow("missing") << "{\"Cameras\":[]}" << "" << "";
    QTest::newRow("wrong types") << "{\"TolmWizardLatestVersion\":2.0,\"TolmWizardWindowsUpdateURI\":[]}" << ""
                                 << "";
}

void TestCatalogue::updateFields()
{
    QFETCH(QString, text);
    QFETCH(QString, latest);
    QFETCH(QString, uri);
    const Catalogue c = parseCatalogue(text).catalogue;
    QCOMPARE(c.latestVersion, latest);
    QCOMPARE(c.updateUri, uri);
}

void TestCatalogue::cleanBody_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("blanks and line feeds go") << QByteArray("{ \"a\" :\n \"b c\" }\n") << "{\"a\":\"bc\"}";
    QTest::newRow("picture lists lose their blanks") << QByteArray("\"ia10, ia11 ,ia12\"") << "\"ia10,ia11,ia12\"";
    QTest::newRow("carriage returns and tabs stay") << QByteArray("{\r\n\t}") << "{\r\t}";
    QTest::newRow("ends at the first zero byte") << QByteArray("{}\0garbage", 10) << "{}";
    QTest::newRow("utf-8") << QByteArray("\"VKC-\xce\xa9\"") << QString::fromUtf8("\"VKC-\u03a9\"");
    QTest::newRow("empty") << QByteArray() << "";
}

void TestCatalogue::cleanBody()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(cleanCatalogueBody(body), text);
}

// The catalogues the lab serves: every route code, both CGI dialects, Wi-Fi and access
// point support, several hardware versions.
void TestCatalogue::testCatalogueFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("release") << "tolmwizard.json";
    QTest::newRow("develop") << "tolmwizard_develop.json";
}

void TestCatalogue::testCatalogueFile()
{
    QFETCH(QString, file);
    QFile json(QString::fromLocal8Bit(qgetenv("TESTDATA")) + "/catalogue/" + file);
    QVERIFY2(json.open(QIODevice::ReadOnly), qPrintable(json.fileName()));
    const CatalogueParse parse = parseCatalogue(cleanCatalogueBody(json.readAll()));
    QCOMPARE(parse.status, CatalogueParse::Parsed);
    const Catalogue& c = parse.catalogue;
    const QStringList routes = c.routes.values();
    for (const char* code : {"1", "2", "5"})
        QVERIFY2(routes.contains(code), code);
    QVERIFY(c.cgiProtocols.values().contains("1"));
    QVERIFY(c.cgiProtocols.values().contains("2"));
    QVERIFY(c.supportWiFi.values().contains("1"));
    QVERIFY(c.supportAPMode.values().contains("1"));
    bool severalVersions = false;
    for (const QString& versions : c.hardwareVersions)
        severalVersions = severalVersions || versions.contains(',');
    QVERIFY(severalVersions);
    for (const QString& value : c.assembleImages)
        QVERIFY(!value.isEmpty());
    QVERIFY(!isNewerVersion("v2.00.10", c.latestVersion));
}

void TestCatalogue::versions_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<bool>("newer");

    QTest::newRow("9 is older than 10") << "v2.00.10" << "v2.00.9" << false;
    QTest::newRow("11 is newer than 10") << "v2.00.10" << "v2.00.11" << true;
    QTest::newRow("equal") << "v2.00.10" << "v2.00.10" << false;
    QTest::newRow("leading zeros") << "v2.00.10" << "v2.0.010" << false;
    QTest::newRow("major step") << "v2.00.10" << "v3.0.0" << true;
    QTest::newRow("minor older") << "v2.01.0" << "v2.00.99" << false;
    QTest::newRow("without v") << "v2.00.10" << "2.00.11" << true;
    QTest::newRow("capital V") << "v2.00.10" << "V2.00.11" << true;
    QTest::newRow("extra field") << "v2.00.10" << "v2.00.10.1" << true;
    QTest::newRow("missing field is 0") << "v2.00.10" << "v2.00.10.0" << false;
    QTest::newRow("shorter and older") << "v2.00.10" << "v2.00" << false;
    QTest::newRow("empty is never newer") << "v2.00.10" << "" << false;
    QTest::newRow("letters are no version") << "v2.00.10" << "v2.00.1a" << false;
    QTest::newRow("double v is no version") << "v2.00.10" << "vv3" << false;
    QTest::newRow("empty field is no version") << "v2.00.10" << "v2..11" << false;
    QTest::newRow("huge numbers") << "v2.00.10" << "v2.00.100000000000000000000" << true;
    QTest::newRow("blanks around") << "v2.00.10" << " v2.00.11 " << true;
}

void TestCatalogue::versions()
{
    QFETCH(QString, running);
    QFETCH(QString, candidate);
    QFETCH(bool, newer);
    QCOMPARE(isNewerVersion(running, candidate), newer);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
