// The device catalogue, the version comparison and the update description, without widgets.
#include <QtTest>

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
    // Not JSON fills nothing; a camera that is no object is filed in every per-model map or in none.
    void documents()
    {
        for (const auto& [text, status, models] :
             {std::tuple{"this is not json", CatalogueParse::Invalid, 0},
              std::tuple{"{\"Cameras\":[7,\"x\",null]}", CatalogueParse::Parsed, 1}}) {
            const CatalogueParse parse = parseCatalogue(text);
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
