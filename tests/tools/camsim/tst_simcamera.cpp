// The camera simulator where the wizard's lab runs do not reach: its strictness towards requests a
// faulty wizard would send, old protocol versions, and its camera list checks.
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QtTest>

#include "protocol/dcpcodec.h"
#include "simcamera.h"

namespace {

const QByteArray kHead = ";M=00:11:22:AA:BB:CC;D=VKC-1420";

QByteArray md5(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
}

QByteArray signedText(const QByteArray& text, const QByteArray& password)
{
    return text + ";X=" + md5(text + password);
}

}  // namespace

class TestSimCamera : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("config");  // beyond the camera's mac, model, name and address
        QTest::addColumn<QByteArray>("frameDest");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QList<QByteArray>>("replies");  // "*" at the end: the reply starts so
        auto row = [](const char* name, const QByteArray& config, const QByteArray& request,
                      const QList<QByteArray>& replies, const char* frameDest = "00:11:22:AA:BB:CC") {
            QTest::newRow(name) << config << QByteArray(frameDest) << request << replies;
        };
        const QByteArray all = "1;M=FF:FF:FF:FF:FF:FF;D=", pw = ",\"password\":\"abc123\"";
        const char* broadcast = "ff:ff:ff:ff:ff:ff";

        row("scan, empty model filter", "", all, {"1" + kHead + "*"}, broadcast);
        row("scan, model filter is exact", "", all + "vkc-1420", {}, broadcast);
        row("scan, directed, lower-case frame", "", "1" + kHead, {"1" + kHead + "*"}, "00:11:22:aa:bb:cc");
        row("scan, directed to another camera", "", "1;M=00:11:22:AA:BB:CD;D=VKC-1420", {}, "00:11:22:aa:bb:cd");
        row("upper-case digest", pw, "7" + kHead + ";X=" + md5("7" + kHead + "abc123").toUpper(),
            {"7" + kHead + ";R=0;X=*"});
        row("no signature", "", "7" + kHead, {"7" + kHead + ";R=0;X=*"});
        row("old camera signs nothing", ",\"dcpVersion\":\"1.0\"" + pw, "7" + kHead, {"7" + kHead + ";R=1"});
        for (const char* cls : {"3", "4", "2;G=1", "S;C=bHM=", "9;L=1;N=1"}) {
            const QByteArray text = cls[0] + kHead + QByteArray(cls + 1);
            QTest::addRow("%c with a wrong signature", cls[0])
                << pw << QByteArray() << signedText(text, "wrong") << QList<QByteArray>();
            QTest::addRow("%c signed", cls[0])
                << pw << QByteArray() << signedText(text, "abc123") << QList<QByteArray>{cls[0] + kHead + "*"};
            QTest::addRow("%c muted", cls[0]) << ",\"mute\":[\"" + QByteArray(cls, 1) + "\"]" << QByteArray()
                                              << signedText(text, "") << QList<QByteArray>();
        }
        row("old camera tells its password", ",\"dcpVersion\":\"1.1\",\"password\":\"old\",\"remote\":\"0\"",
            "2" + kHead, {"2" + kHead + ";N=RG9vcg==;P=b2xk;G=0;R=0"});
        row("no Internet, no provision file", ",\"internet\":false",
            signedText("S" + kHead + ";C=" + QByteArray("ls /tmp/provision.conf").toBase64(), ""),
            {signedText("S" + kHead + ";R=ls: /tmp/provision.conf: No such file or directory", "")});
        row("misspelt restart", ",\"internet\":true",
            signedText("S" + kHead + ";C=" + QByteArray("kilall quorvex").toBase64(), ""),
            {signedText("S" + kHead + ";R=sh: kilall: not found", "")});
        const QByteArray ap = "{\"mode\":\"Infra\",\"auth\":\"WPA2PSK\",\"security\":\"AES\",\"column1\":\"c1\","
                              "\"column2\":\"7\",\"column4\":\"c4\",\"ssid\":\"AP";
        row("survey, 1.0 one comma list", ",\"dcpVersion\":\"1.0\",\"accessPoints\":[" + ap + "0\"}," + ap + "1\"}]",
            "4" + kHead, {"4" + kHead + ",c1;7;QVAw;c4;AES;WPA2PSK;Infra,c1;7;QVAx;c4;AES;WPA2PSK;Infra"});
        row("survey, 2.0 one list", ",\"apPageSize\":1,\"accessPoints\":[" + ap + "0\"}," + ap + "1\"}]",
            signedText("4" + kHead, ""),
            {signedText("4" + kHead + ";L=QVAw,Infra,WPA2PSK,AES,7&QVAx,Infra,WPA2PSK,AES,7&", "")});
        row("survey, 2.3 none found", ",\"dcpVersion\":\"2.3\"", signedText("4" + kHead, ""),
            {signedText("4" + kHead + ";A=1;E=0;L=", "")});
    }

    void answers()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, frameDest);
        QFETCH(QByteArray, request);
        QFETCH(QList<QByteArray>, replies);
        SimCamera camera;
        QString error;
        const QByteArray json = "{\"mac\":\"00:11:22:AA:BB:CC\",\"model\":\"VKC-1420\",\"name\":\"Door\","
                                "\"ip\":\"10.254.0.20\"" +
                                config + "}";
        QVERIFY2(SimCamera::fromJson(QJsonDocument::fromJson(json).object(), &camera, &error), qPrintable(error));

        const DcpRequest parsed =
            DcpRequest::parse(request.left(request.indexOf(';')), request,
                              QString::fromLatin1(frameDest.isEmpty() ? "00:11:22:AA:BB:CC" : frameDest));
        SimCamera::Signature verdict;
        const QList<QByteArray> sent =
            camera.isAddressedBy(parsed) ? camera.answer(parsed, &verdict) : QList<QByteArray>();
        QCOMPARE(sent.size(), replies.size());
        for (int i = 0; i < sent.size(); ++i) {
            QByteArray cls, content;
            QVERIFY(dcpParseMessage(sent[i], &cls, &content));
            const QByteArray& want = replies[i];
            QVERIFY2(want.endsWith('*') ? content.startsWith(want.chopped(1)) : content == want, content.constData());
        }
    }

    void badConfiguration()
    {
        for (const auto& [json, error] :
             {std::pair{"{\"mac\":\"00:11:22:AA:BB\",\"model\":\"VKC\"}", "\"mac\" must be"},
              {"{\"mac\":\"00:11:22:AA:BB:CC\"}", "needs a \"model\""},
              {"{\"mac\":\"00:11:22:AA:BB:CC\",\"model\":\"VKC\",\"apPageSize\":0}", "apPageSize"}}) {
            SimCamera camera;
            QString why;
            QVERIFY(!SimCamera::fromJson(QJsonDocument::fromJson(json).object(), &camera, &why));
            QVERIFY2(why.contains(error), qPrintable(why));
        }
    }
};

QTEST_GUILESS_MAIN(TestSimCamera)
#include "tst_simcamera.moc"
