// The update description and the installer's file name.
#include <QtTest>

#include "welcome/updatedescription.h"

namespace {

const QString kRunning = "v2.00.10";

QJsonObject entry(const QString& model, const QJsonValue& version, const QJsonValue& url)
{
    QJsonObject object{{"Model", model}, {"Version", version}};
    if (!url.isUndefined())
        object.insert("URL_EXE", url);
    return object;
}

QByteArray description(const QJsonArray& entries)
{
    const QJsonObject all{{"ALL", entries}};
    const QJsonObject document{{"OS", QJsonObject{{"Window", QJsonObject{{"Edition", all}}}}}};
    return QJsonDocument(document).toJson();
}

QByteArray wizard(const QJsonValue& version, const QJsonValue& url = "https://dl.test/setup.exe")
{
    return description({entry("TolmSetupWizard", version, url)});
}

} // namespace

class TestUpdateDescription : public QObject
{
    Q_OBJECT
private slots:
    void offers_data();
    void offers();
    void fileNames_data();
    void fileNames();
};

void TestUpdateDescription::offers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("installer");

    QTest::newRow("newer without v") << wizard("2.00.11") << true << "https://dl.test/setup.exe";
    QTest::newRow("9 is older than 10") << wizard("v2.00.9") << false << "";
    QTest::newRow("installer over plain http refused") << wizard("v2.00.11", "http://dl.test/setup.exe") << false << "";
    QTest::newRow("https entry kept over a later http one")
        << description({entry("TolmSetupWizard", "v2.00.11", "https://dl.test/a.exe"),
                        entry("TolmSetupWizard", "v2.00.12", "http://dl.test/b.exe")})
        << true << "https://dl.test/a.exe";
    QTest::newRow("later entry without update keeps the earlier")
        << description({entry("TolmSetupWizard", "v2.00.11", "https://dl.test/a.exe"),
                        entry("TolmSetupWizard", "v2.00.01", "https://dl.test/b.exe")})
        << true << "https://dl.test/a.exe";
    QTest::newRow("ALL not an array")
        << QByteArray("{\"OS\":{\"Window\":{\"Edition\":{\"ALL\":{\"Model\":\"TolmSetupWizard\"}}}}}") << false << "";
}

void TestUpdateDescription::offers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, found);
    QFETCH(QString, installer);
    const UpdateOffer offer = readUpdateDescription(body, kRunning);
    QCOMPARE(offer.found, found);
    QCOMPARE(offer.installerUrl.toString(), installer);
}

void TestUpdateDescription::fileNames_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");

    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    QTest::newRow("query and fragment ignored") << "https://dl.test/setup.exe?x=a/b.exe#part" << "setup.exe";
    QTest::newRow("escaped slash takes the last part") << "https://dl.test/files/..%2F..%2Fevil.exe" << "evil.exe";
    QTest::newRow("escaped backslash") << "https://dl.test/files/sub%5Cevil.exe" << fallback;
    QTest::newRow("drive letter") << "https://dl.test/files/C:evil.exe" << fallback;
}

void TestUpdateDescription::fileNames()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(installerFileName(QUrl(url, QUrl::TolerantMode)), name);
}

QTEST_MAIN(TestUpdateDescription)
#include "tst_updatedescription.moc"
