#include <QCryptographicHash>
#include <QJsonDocument>
#include <QtTest>

#include "protocol/dcpcodec.h"
#include "simcamera.h"

namespace {

const char* kMac = "00:11:22:AA:BB:CC";
const char* kBroadcast = "ff:ff:ff:ff:ff:ff";

QByteArray md5(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
}

QByteArray signedText(const QByteArray& text, const QByteArray& password)
{
    return text + ";X=" + md5(text + password);
}

SimCamera camera(const QByteArray& extraJson = QByteArray())
{
    const QByteArray json = "{\"mac\":\"00:11:22:AA:BB:CC\",\"model\":\"VKC-1420\",\"name\":\"Door\","
                            "\"ip\":\"10.254.0.20\"" + extraJson + "}";
    SimCamera c;
    QString error;
    if (!SimCamera::fromJson(QJsonDocument::fromJson(json).object(), &c, &error))
        qFatal("bad test camera: %s", qPrintable(error));
    return c;
}

// The answers' contents, from the class on.
QList<QByteArray> contents(const QList<QByteArray>& messages)
{
    QList<QByteArray> out;
    for (const QByteArray& m : messages) {
        QByteArray cls, content;
        if (!dcpParseMessage(m, &cls, &content))
            qFatal("camera sent an unparsable message: %s", m.constData());
        out << content;
    }
    return out;
}

QList<QByteArray> ask(SimCamera& c, const QByteArray& text, SimCamera::Signature* verdict = nullptr,
                      const char* frameDest = kMac)
{
    const QByteArray cls = text.left(text.indexOf(';'));
    const DcpRequest request = DcpRequest::parse(cls, text, QString::fromLatin1(frameDest));
    SimCamera::Signature ignored;
    if (!c.isAddressedBy(request))
        return {};
    return contents(c.answer(request, verdict ? verdict : &ignored));
}

} // namespace

class TestSimCamera : public QObject
{
    Q_OBJECT
private slots:
    void scanAddressing_data();
    void scanAddressing();
    void scanReplyText();
    void passwordCheck_data();
    void passwordCheck();
    void passwordSetThenCheck();
    void unsignedRequestsAreDropped_data();
    void unsignedRequestsAreDropped();
    void cloudInformation_data();
    void cloudInformation();
    void networkSettings();
    void survey_data();
    void survey();
    void shellCommands_data();
    void shellCommands();
    void badConfiguration_data();
    void badConfiguration();
};

void TestSimCamera::scanAddressing_data()
{
    QTest::addColumn<QByteArray>("frameDest");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("answers");
    const QByteArray all = "1;M=FF:FF:FF:FF:FF:FF;D=";
    QTest::newRow("broadcast ALL") << QByteArray(kBroadcast) << all + "ALL" << true;
    QTest::newRow("broadcast empty filter") << QByteArray(kBroadcast) << all << true;
    QTest::newRow("broadcast own model") << QByteArray(kBroadcast) << all + "VKC-1420" << true;
    QTest::newRow("broadcast other model") << QByteArray(kBroadcast) << all + "VKC-9999" << false;
    QTest::newRow("model filter is exact") << QByteArray(kBroadcast) << all + "vkc-1420" << false;
    QTest::newRow("directed to it, lower case") << QByteArray("00:11:22:aa:bb:cc")
                                                << QByteArray("1;M=00:11:22:AA:BB:CC;D=VKC-1420") << true;
    QTest::newRow("directed to another camera") << QByteArray("00:11:22:aa:bb:cd")
                                                << QByteArray("1;M=00:11:22:AA:BB:CD;D=VKC-1420") << false;
}

void TestSimCamera::scanAddressing()
{
    QFETCH(QByteArray, frameDest);
    QFETCH(QByteArray, text);
    QFETCH(bool, answers);
    SimCamera c = camera();
    QCOMPARE(ask(c, text, nullptr, frameDest.constData()).size(), answers ? 1 : 0);
}

void TestSimCamera::scanReplyText()
{
    SimCamera c = camera(",\"dcpVersion\":\"2.0\",\"password\":\"pw1234\",\"registered\":\"1\",\"firmware\":\"1.2\"");
    const QByteArray body = "1;M=00:11:22:AA:BB:CC;D=VKC-1420;N=RG9vcg==;I=10.254.0.20;P=2.0;G=1;F=1.2";
    QCOMPARE(ask(c, "1;M=FF:FF:FF:FF:FF:FF;D=ALL", nullptr, kBroadcast), QList<QByteArray>{signedText(body, "pw1234")});

    SimCamera old = camera(",\"dcpVersion\":\"1.0\"");
    QCOMPARE(ask(old, "1;M=FF:FF:FF:FF:FF:FF;D=ALL", nullptr, kBroadcast),
             QList<QByteArray>{"1;M=00:11:22:AA:BB:CC;D=VKC-1420;N=RG9vcg==;I=10.254.0.20;P=1.0;G=0"});
}

void TestSimCamera::passwordCheck_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("r");
    QTest::addColumn<int>("verdict");
    const QByteArray text = "7;M=00:11:22:AA:BB:CC;D=VKC-1420";
    const int good = int(SimCamera::Signature::Good);
    const int bad = int(SimCamera::Signature::Bad);
    const int unchecked = int(SimCamera::Signature::NotChecked);
    QTest::newRow("no password, status query") << QByteArray() << signedText(text, "") << QByteArray("1") << good;
    QTest::newRow("right password") << QByteArray(",\"password\":\"abc123\"") << signedText(text, "abc123")
                                    << QByteArray("1") << good;
    QTest::newRow("status query to a protected camera")
        << QByteArray(",\"password\":\"abc123\"") << signedText(text, "") << QByteArray("0") << bad;
    QTest::newRow("wrong password") << QByteArray(",\"password\":\"abc123\"") << signedText(text, "abc124")
                                    << QByteArray("0") << bad;
    QTest::newRow("upper-case digest") << QByteArray(",\"password\":\"abc123\"")
                                       << text + ";X=" + md5(text + "abc123").toUpper() << QByteArray("0") << bad;
    QTest::newRow("no signature") << QByteArray() << text << QByteArray("0") << bad;
    QTest::newRow("old camera signs nothing") << QByteArray(",\"dcpVersion\":\"1.0\",\"password\":\"abc123\"") << text
                                              << QByteArray("1") << unchecked;
    QTest::newRow("10.0 is old") << QByteArray(",\"dcpVersion\":\"10.0\"") << text << QByteArray("1") << unchecked;
}

void TestSimCamera::passwordCheck()
{
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, r);
    QFETCH(int, verdict);
    SimCamera c = camera(config);
    SimCamera::Signature seen;
    const QList<QByteArray> replies = ask(c, request, &seen);
    QCOMPARE(replies.size(), 1);
    QVERIFY2(replies[0].contains(";R=" + r + (verdict == int(SimCamera::Signature::NotChecked) ? "" : ";X=")),
             replies[0].constData());
    QCOMPARE(int(seen), verdict);
}

void TestSimCamera::passwordSetThenCheck()
{
    SimCamera c = camera();
    const QByteArray text = "7;M=00:11:22:AA:BB:CC;D=VKC-1420";
    const QList<QByteArray> set = ask(c, signedText(text + ";P=" + QByteArray("newpass1").toBase64(), ""));
    QCOMPARE(set.size(), 1);
    QVERIFY(set[0].startsWith(text + ";R=1;X="));
    QCOMPARE(set[0].mid(set[0].indexOf(";X=") + 3), md5(text + ";R=1" + "newpass1"));
    QVERIFY(ask(c, signedText(text, "newpass1"))[0].contains(";R=1;"));
    QVERIFY(ask(c, signedText(text, ""))[0].contains(";R=0;"));
}

void TestSimCamera::unsignedRequestsAreDropped_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("network") << QByteArray("3;M=00:11:22:AA:BB:CC;D=VKC-1420");
    QTest::newRow("survey") << QByteArray("4;M=00:11:22:AA:BB:CC;D=VKC-1420");
    QTest::newRow("cloud") << QByteArray("2;M=00:11:22:AA:BB:CC;D=VKC-1420;G=1");
    QTest::newRow("shell") << QByteArray("S;M=00:11:22:AA:BB:CC;D=VKC-1420;C=bHM=");
    QTest::newRow("restart") << QByteArray("9;M=00:11:22:AA:BB:CC;D=VKC-1420;L=1;N=1");
}

void TestSimCamera::unsignedRequestsAreDropped()
{
    QFETCH(QByteArray, text);
    SimCamera c = camera(",\"password\":\"abc123\"");
    SimCamera::Signature verdict;
    QCOMPARE(ask(c, signedText(text, "wrong"), &verdict), QList<QByteArray>());
    QCOMPARE(int(verdict), int(SimCamera::Signature::Bad));
    QCOMPARE(ask(c, signedText(text, "abc123"), &verdict).size(), 1);
    QCOMPARE(int(verdict), int(SimCamera::Signature::Good));

    SimCamera muted = camera(",\"mute\":[\"" + text.left(1) + "\"]");
    QCOMPARE(ask(muted, signedText(text, "")), QList<QByteArray>());
}

void TestSimCamera::cloudInformation_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    const QByteArray head = "2;M=00:11:22:AA:BB:CC;D=VKC-1420";
    const QByteArray cloud = ",\"portal\":\"https://portal.invalid/\",\"cloudId\":\"77.cloud.invalid\",\"dfp\":\"z\"";
    QTest::newRow("new camera keeps its password")
        << QByteArray(",\"password\":\"pw1234\"" + cloud) << signedText(head, "pw1234")
        << signedText(head + ";N=RG9vcg==;G=0;R=1;W=https://portal.invalid/;U=77.cloud.invalid;Y=z", "pw1234");
    QTest::newRow("register bit set")
        << QByteArray(",\"password\":\"pw1234\"") << signedText(head + ";G=1", "pw1234")
        << signedText(head + ";N=RG9vcg==;G=1;R=1", "pw1234");
    QTest::newRow("old camera tells its password")
        << QByteArray(",\"dcpVersion\":\"1.1\",\"password\":\"old\",\"remote\":\"0\"") << head
        << head + ";N=RG9vcg==;P=b2xk;G=0;R=0";
    QTest::newRow("old camera password set")
        << QByteArray(",\"dcpVersion\":\"1.1\"") << head + ";P=" + QByteArray("fresh1").toBase64()
        << head + ";N=RG9vcg==;P=ZnJlc2gx;G=0;R=1";
}

void TestSimCamera::cloudInformation()
{
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    SimCamera c = camera(config);
    QCOMPARE(ask(c, request), QList<QByteArray>{reply});
}

void TestSimCamera::networkSettings()
{
    SimCamera c = camera(",\"password\":\"pw\",\"network\":{\"23\":\"10.254.0.20\",\"0\":\"1\",\"51\":\"443\"}");
    const QByteArray head = "3;M=00:11:22:AA:BB:CC;D=VKC-1420";
    QCOMPARE(ask(c, signedText(head, "pw")), QList<QByteArray>{signedText(head + ";R=1;0=1;23=10.254.0.20;51=443", "pw")});
    // A set stores its items (values may hold "=") and the answer shows them.
    QCOMPARE(ask(c, signedText(head + ";0=0;1=10.0.0.9;11=SG9tZQ==", "pw")),
             QList<QByteArray>{signedText(head + ";R=1;0=0;1=10.0.0.9;11=SG9tZQ==;23=10.254.0.20;51=443", "pw")});
}

void TestSimCamera::survey_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("accessPoints");
    QTest::addColumn<QList<QByteArray>>("expected");
    const QByteArray head = "4;M=00:11:22:AA:BB:CC;D=VKC-1420";
    auto rec = [](int i) { return QByteArray("AP") + QByteArray::number(i); };
    auto paged = [&](int i) { return rec(i).toBase64() + ",Infra,WPA2PSK,AES,7"; };
    QTest::newRow("1.0 one comma list") << QByteArray("1.0") << 2
                                        << QList<QByteArray>{head + ",c1;7;" + rec(0).toBase64() + ";c4;AES;WPA2PSK;Infra"
                                                             + ",c1;7;" + rec(1).toBase64() + ";c4;AES;WPA2PSK;Infra"};
    QTest::newRow("2.0 one list") << QByteArray("2.0") << 3
                                  << QList<QByteArray>{
                                         signedText(head + ";L=" + paged(0) + "&" + paged(1) + "&" + paged(2) + "&", "")};
    QTest::newRow("2.3 pages of two")
        << QByteArray("2.3") << 3
        << QList<QByteArray>{signedText(head + ";A=2;E=0;L=" + paged(0) + "&" + paged(1) + "&", ""),
                             signedText(head + ";A=2;E=1;L=" + paged(2) + "&", "")};
    QTest::newRow("2.3 empty survey") << QByteArray("2.3") << 0
                                      << QList<QByteArray>{signedText(head + ";A=1;E=0;L=", "")};
}

void TestSimCamera::survey()
{
    QFETCH(QByteArray, version);
    QFETCH(int, accessPoints);
    QFETCH(QList<QByteArray>, expected);
    QByteArray aps;
    for (int i = 0; i < accessPoints; ++i)
        aps += QByteArray(i ? "," : "") + "{\"ssid\":\"AP" + QByteArray::number(i)
            + "\",\"mode\":\"Infra\",\"auth\":\"WPA2PSK\",\"security\":\"AES\",\"column1\":\"c1\",\"column2\":\"7\","
              "\"column4\":\"c4\"}";
    SimCamera c = camera(",\"dcpVersion\":\"" + version + "\",\"apPageSize\":2,\"accessPoints\":[" + aps + "]");
    const QByteArray head = "4;M=00:11:22:AA:BB:CC;D=VKC-1420";
    QCOMPARE(ask(c, version == "1.0" ? head : signedText(head, "")), expected);
}

void TestSimCamera::shellCommands_data()
{
    QTest::addColumn<bool>("internet");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("output");
    const QByteArray restart = "killall quorvex && rm -rf /tmp/provision.conf && echo reboot_quorvex";
    QTest::newRow("agent restart") << true << restart << QByteArray("reboot_quorvex");
    QTest::newRow("provision file back") << true << QByteArray("ls /tmp/provision.conf")
                                         << QByteArray("/tmp/provision.conf");
    QTest::newRow("no Internet, no provision file")
        << false << QByteArray("ls /tmp/provision.conf")
        << QByteArray("ls: /tmp/provision.conf: No such file or directory");
    QTest::newRow("misspelt restart") << true << QByteArray("kilall quorvex") << QByteArray("sh: kilall: not found");
}

void TestSimCamera::shellCommands()
{
    QFETCH(bool, internet);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, output);
    SimCamera c = camera(internet ? ",\"internet\":true" : ",\"internet\":false");
    const QByteArray head = "S;M=00:11:22:AA:BB:CC;D=VKC-1420";
    QCOMPARE(ask(c, signedText(head + ";C=" + command.toBase64(), "")),
             QList<QByteArray>{signedText(head + ";R=" + output, "")});
}

void TestSimCamera::badConfiguration_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("short mac") << QByteArray("{\"mac\":\"00:11:22:AA:BB\",\"model\":\"VKC\"}") << "\"mac\" must be";
    QTest::newRow("no model") << QByteArray("{\"mac\":\"00:11:22:AA:BB:CC\"}") << "needs a \"model\"";
    QTest::newRow("network key not a number")
        << QByteArray("{\"mac\":\"00:11:22:AA:BB:CC\",\"model\":\"VKC\",\"network\":{\"ip\":\"1\"}}") << "item numbers";
    QTest::newRow("page size 0") << QByteArray("{\"mac\":\"00:11:22:AA:BB:CC\",\"model\":\"VKC\",\"apPageSize\":0}")
                                 << "apPageSize";
}

void TestSimCamera::badConfiguration()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    SimCamera c;
    QString why;
    QVERIFY(!SimCamera::fromJson(QJsonDocument::fromJson(json).object(), &c, &why));
    QVERIFY2(why.contains(error), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestSimCamera)
#include "tst_simcamera.moc"
