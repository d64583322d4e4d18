// The device catalogue, the version comparison and the update description, without widgets.
#include <QtTest>

#include "base/replylimits.h"
#include "testsupport.h"
#include "welcome/catalogue.h"
#include "welcome/updatedescription.h"
#include "welcome/version.h"

using StringMap = QMap<QString, QString>;
using ListMap = QMap<QString, QStringList>;

namespace {

QJsonObject camera(const QString& model, const QString& number, const QString& hw, const QJsonArray& types)
{
    return QJsonObject{
        {"Model", model},     {"ConnectionTypeNumber", number}, {"SupportWiFi", "1"},     {"SupportAPMode", "0"},
        {"CGIProtocol", "1"}, {"HardwareVersion", hw},          {"ConnectionType", types}};
}

// Wizard entries of an update description from version, address pairs.
QByteArray description(const QStringList& pairs)
{
    QJsonArray entries;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        entries.append(QJsonObject{{"Model", "TolmSetupWizard"}, {"Version", pairs[i]}, {"URL_EXE", pairs[i + 1]}});
    const QJsonObject edition{{"Edition", QJsonObject{{"ALL", entries}}}};
    return QJsonDocument(QJsonObject{{"OS", QJsonObject{{"Window", edition}}}}).toJson();
}

}  // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    // Not JSON fills nothing; a camera that is no object is filed in every per-model map or in none. The log
    // holds the text's size and its first characters, the first cameras' values, each cut, and each map cut.
    // logged: each "x" the end of one line, each "!x" in none.
    void documents()
    {
        const auto cameras = [](int count, const QString& model) {
            QJsonArray list;
            for (int i = 0; i < count; ++i)
                list.append(QJsonObject{{"Model", model + QString::number(i)}});
            return QJsonDocument(QJsonObject{{"Cameras", list}}).toJson(QJsonDocument::Compact);
        };
        const int cut = ReplyLimits::kAnswerLogBytes;
        const QString ones = QString(",1").repeated((cut - 4) / 2), m(cut, 'm');
        const QString pictures = "{\"AssembleImages\":{\"INT_ia\":\"" + QString(cut + 88, 'a') + "\"}}";
        for (const auto& [text, status, models, logged] :
             {std::tuple{QString("this is not json"), CatalogueParse::Invalid, 0, QStringList{"!Model:"}},
              {"{\"Cameras\":[7,\"x\",null]}",
               CatalogueParse::Parsed,
               1,
               {"01 ConnectionTypeNumberMap: 1 entries: QMap((\"\", \"\"))"}},
              {"[10" + ones + "]", CatalogueParse::Empty, 0, {"json : 512 characters: \"[10" + ones + "]\""}},
              {"[1" + ones + ",1]", CatalogueParse::Empty, 0, {"json : 513 characters: \"[1" + ones + ",1\""}},
              {cameras(1, m.chopped(1)), CatalogueParse::Parsed, 1, {"Model: \"" + m.chopped(1) + "0\""}},
              {cameras(1, m), CatalogueParse::Parsed, 1, {"Model: \"" + m + "\""}},
              {cameras(kLoggedCameras, "M"),
               CatalogueParse::Parsed,
               kLoggedCameras,
               {"Model: \"M63\"", "!in the catalogue"}},
              {cameras(kLoggedCameras + 1, "M"),
               CatalogueParse::Parsed,
               kLoggedCameras + 1,
               {"Model: \"M63\"", "!Model: \"M64\"", "Cameras: 65 in the catalogue, the first 64 logged one by one"}},
              {pictures,
               CatalogueParse::Parsed,
               0,
               {"05 AssembleImagesMap: 9 entries: QMap((\"INT_ia\", \"" + QString(cut - 17, 'a')}}}) {
            LogRecorder log;
            const CatalogueParse parse = parseCatalogue(text);
            for (const QString& line : logged)
                QVERIFY2(line.startsWith('!') ? !log.contains(line.mid(1))
                                              : std::count_if(log.lines.begin(), log.lines.end(),
                                                              [&](const QString& l) { return l.endsWith(line); }) == 1,
                         qPrintable(line.left(80) + "\n" + log.all().left(4000)));
            QCOMPARE(parse.status, status);
            QCOMPARE(parse.error.isEmpty(), status != CatalogueParse::Invalid);
            const Catalogue& c = parse.catalogue;
            QCOMPARE(c.routes.size(), models);
            for (const StringMap* map :
                 {&c.connectionTypeNumbers, &c.supportWiFi, &c.supportAPMode, &c.cgiProtocols, &c.hardwareVersions})
                QCOMPARE(map->keys(), c.routes.keys());
            QCOMPARE(c.assembleImages.size(), status == CatalogueParse::Parsed ? 9 : 0);
            QCOMPARE(c.deviceIcons.size(), status == CatalogueParse::Parsed ? 6 : 0);
        }
    }

    // Null, empty and wrongly typed values read as empty text; a null connection type is no type;
    // a document that is null, empty or no object fills nothing. The body is cleaned as the page does.
    void nullAndEmptyValues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("maps");  // route|Wi-Fi|access point|versions|types of each model
        auto row = [](const char* name, const QByteArray& json, CatalogueParse::Status status, const char* maps) {
            QTest::newRow(name) << json << int(status) << QString(maps);
        };
        row("null document", "null", CatalogueParse::Invalid, "");  // no object or array: not JSON to Qt
        row("empty object", "{}", CatalogueParse::Empty, "");
        row("array", "[{\"Cameras\":[]}]", CatalogueParse::Empty, "");
        row("cameras null", "{\"Cameras\":null}", CatalogueParse::Parsed, "");
        row("values null",
            "{\"Cameras\":[{\"Model\":\"VKC-1\",\"ConnectionTypeNumber\":null,\"SupportWiFi\":null,"
            "\"SupportAPMode\":null,\"HardwareVersion\":null,\"ConnectionType\":null}]}",
            CatalogueParse::Parsed, "VKC-1:2|||| VKC-1_:");
        row("numbers are no text",
            "{\"Cameras\":[{\"Model\":\"VKC-1\",\"ConnectionTypeNumber\":1,\"SupportWiFi\":1,\"SupportAPMode\":1,"
            "\"HardwareVersion\":\"A\"}]}",
            CatalogueParse::Parsed, "VKC-1:2||||A VKC-1_A:");
        row("route 5 needs both texts",
            "{\"Cameras\":[{\"Model\":\"VKC-1\",\"ConnectionTypeNumber\":\"1\",\"SupportAPMode\":\"1\"}]}",
            CatalogueParse::Parsed, "VKC-1:5||1|| VKC-1_:");
        row("empty texts",
            "{\"Cameras\":[{\"Model\":\"\",\"ConnectionTypeNumber\":\"\",\"SupportAPMode\":\"1\","
            "\"ConnectionType\":[{\"1\":\"\"},{\"1\":null,\"3\":\"p\"},{\"1\":null},{}]}]}",
            CatalogueParse::Parsed, ":2||1|| _:Ethernet:,POE:p");
        row("model null", "{\"Cameras\":[{\"Model\":null,\"HardwareVersion\":\"A\"}]}", CatalogueParse::Parsed,
            ":2||||A _A:");
        // What JSON (as Qt reads it) and the cleaning allow: a byte-order mark, CRLF, tabs and blanks, escapes,
        // members in any order, extra and repeated ones (the later counts), a zero byte ending the body.
        auto cams = [](const QByteArray& members) { return "{\"Cameras\":[{" + members + "}]}"; };
        const QByteArray a1 = "\"Model\":\"VKC-1\",\"ConnectionTypeNumber\":\"1\",\"SupportAPMode\":\"1\","
                              "\"HardwareVersion\":\"A\",\"ConnectionType\":[{\"1\":\"a,b\"}]";
        const char* route5 = "VKC-1:5||1||A VKC-1_A:Ethernet:a,b";
        row("mark, CRLF, tabs, blanks, a list across lines",
            "\xef\xbb\xbf{\r\n\t\"Cameras\" : [ {\r\n\t" + QByteArray(a1).replace(",", ",\r\n\t") + "\r\n} ]\r\n}",
            CatalogueParse::Parsed, route5);
        row("escapes, blanks inside texts", cams(a1 + ",\"Model\":\"VKC\\u002d 1\""), CatalogueParse::Parsed, route5);
        row("members reversed, extra ones",
            "{\"Extra\":[1],\"Cameras\":[{\"x\":{},\"ConnectionType\":[{\"1\":\"a,b\"}],"
            "\"HardwareVersion\":\"A\",\"SupportAPMode\":\"1\",\"ConnectionTypeNumber\":\"1\",\"Model\":\"VKC-1\"}]}",
            CatalogueParse::Parsed, route5);
        row("a member twice", cams("\"Model\":\"X\"," + a1), CatalogueParse::Parsed, route5);
        row("a zero byte ends the body", cams(a1) + QByteArray("\0{", 2), CatalogueParse::Parsed, route5);
        row("names in other case are other names", cams("\"model\":\"VKC-1\",\"HARDWAREVERSION\":\"A\""),
            CatalogueParse::Parsed, ":2|||| _:");
        row("booleans and numbers are no text",
            cams("\"Model\":\"VKC-1\",\"ConnectionTypeNumber\":1.0,\"SupportAPMode\":true,"
                 "\"ConnectionType\":[{\"1\":true}]"),
            CatalogueParse::Parsed, "VKC-1:2|||| VKC-1_:Ethernet:");
        row("type keys by rank, not order", cams("\"Model\":\"V\",\"ConnectionType\":[{\"6\":\"w\",\"3\":\"p\"}]"),
            CatalogueParse::Parsed, "V:2|||| V_:POE:p");
    }
    void nullAndEmptyValues()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, status);
        const CatalogueParse parse = parseCatalogue(cleanCatalogueBody(json));
        QCOMPARE(int(parse.status), status);
        const Catalogue& c = parse.catalogue;
        QStringList maps;
        for (const QString& model : c.routes.keys())
            maps << model + ":" +
                        QStringList{c.routes[model], c.supportWiFi.value(model, "?"), c.supportAPMode.value(model, "?"),
                                    c.cgiProtocols.value(model, "?"), c.hardwareVersions.value(model, "?")}
                            .join('|');
        for (auto it = c.connectionTypes.cbegin(); it != c.connectionTypes.cend(); ++it)
            maps << it.key() + ":" + it.value().join(',');
        QTEST(maps.join(' '), "maps");
        QCOMPARE(c.assembleImages.size(), status == CatalogueParse::Parsed ? 9 : 0);
        for (const QString& value : c.assembleImages)
            QVERIFY(value.isEmpty());
    }

    // Two hardware versions of one model; a type entry that is no object is skipped.
    void cameraMaps()
    {
        const QJsonArray cameras{
            camera("VKC-1", "1", "A1", {QJsonObject{{"1", "a"}}}),
            camera("VKC-1", "2", "B1", {QJsonObject{{"1", "b"}}, QJsonObject{{"2", "x"}}, 5, QJsonObject{{"6", "w"}}})};
        const CatalogueParse parse = parseCatalogue(
            QString::fromUtf8(QJsonDocument(QJsonObject{{"Cameras", cameras}}).toJson(QJsonDocument::Compact)));
        QCOMPARE(parse.status, CatalogueParse::Parsed);
        QCOMPARE(parse.catalogue.hardwareVersions, (StringMap{{"VKC-1", "A1,B1"}}));
        QCOMPARE(parse.catalogue.connectionTypes,
                 (ListMap{{"VKC-1_A1", {"Ethernet:a"}}, {"VKC-1_B1", {"Ethernet:b", "WPS:w"}}}));
        QCOMPARE(parse.catalogue.routes, (StringMap{{"VKC-1", "2"}}));
    }

    // Against v2.00.10: numbers compare as numbers, letters are no version.
    void versions()
    {
        for (const auto& [candidate, newer] : {std::pair{"v2.00.9", false},
                                               {"v2.00.11", true},
                                               {"v2.00.10.1", true},
                                               {"v2.00.1a", false},
                                               {"v2.00.100000000000000000000", true}})
            QVERIFY2(isNewerVersion("v2.00.10", candidate) == newer, candidate);
    }

    // Relative targets resolve against the request; none leads from https to http.
    void redirects()
    {
        const QUrl from("https://catalog.test/release/tolmwizard.json");
        for (const auto& [target, next] : {std::pair{"moved/t.json", "https://catalog.test/release/moved/t.json"},
                                           {"http://catalog.test/t.json", ""},
                                           {"", ""},
                                           {"//other.test/t.json", "https://other.test/t.json"}})
            QCOMPARE(redirectTarget(from, QUrl(target)).toString(), QString(next));
    }

    // An installer only over https; a later entry never replaces an offer with a worse one.
    void offers()
    {
        const QString a = "https://dl.test/a.exe";
        for (const auto& [entries, installer] :
             {std::pair{QStringList{"2.00.11", a}, a},
              {QStringList{"v2.00.11", "http://dl.test/a.exe"}, QString()},
              {QStringList{"v2.00.11", a, "v2.00.12", "http://dl.test/b.exe"}, a},
              {QStringList{"v2.00.11", a, "v2.00.01", "https://dl.test/b.exe"}, a}}) {
            const UpdateOffer offer = readUpdateDescription(description(entries), "v2.00.10");
            QCOMPARE(offer.found, !installer.isEmpty());
            QCOMPARE(offer.installerUrl.toString(), installer);
        }
    }

    void fileNames()
    {
        const QString fallback = QString::fromLatin1(kFallbackInstallerName);
        for (const auto& [url, name] : {std::pair{"https://dl.test/setup.exe?x=a/b.exe#part", QString("setup.exe")},
                                        {"https://dl.test/files/..%2F..%2Fevil.exe", QString("evil.exe")},
                                        {"https://dl.test/files/sub%5Cevil.exe", fallback}})
            QCOMPARE(installerFileName(QUrl(url, QUrl::TolerantMode)), name);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
