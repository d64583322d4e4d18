#include <QtTest>

#include "protocol/ipcamera.h"
#include "testsupport.h"

namespace {

enum Parser { Discovery, CloudInfo, PasswordStatus, Ping, Restart, Command };

const QString kHost = QStringLiteral("02:aB:00:00:00:01");

struct TextField
{
    const char* name;
    QByteArray IPCamera::*bytes;
    QString IPCamera::*text;
};

#define BYTES(f) {#f, &IPCamera::f, nullptr}
#define TEXT(f) {#f, nullptr, &IPCamera::f}
const TextField kTextFields[] = {
    TEXT(MAC),          TEXT(MACHost),       BYTES(modelName),       BYTES(Name),          BYTES(PWD_MD5),
    TEXT(IPAddr),       BYTES(bRegisted),    BYTES(networkSetupType), BYTES(networkType),  BYTES(AgentVersion),
    BYTES(DCPVersion),  BYTES(FirmwareVersion), BYTES(HardwareVersion), BYTES(password),   BYTES(olvarisInfoE),
    BYTES(remote),      BYTES(supportUPnP),  BYTES(url),             BYTES(olvarisNo),     BYTES(UPnPDNS),
    BYTES(portal),      BYTES(dfp),          BYTES(bPing),           BYTES(bRestart),      BYTES(bPassword),
    TEXT(src_IPAddr),
};
#undef BYTES
#undef TEXT

// Every field of a record as text, the member records by their content.
QMap<QString, QString> snapshot(const IPCamera& cam)
{
    QMap<QString, QString> s;
    for (const TextField& f : kTextFields)
        s[f.name] = f.bytes ? QString::fromUtf8(cam.*f.bytes) : cam.*f.text;
    s["dcpStatus"] = QString::number(cam.dcpStatus);
    s["apSearchReplyCount"] = QString::number(cam.apSearchReplyCount);
    const networkConfig& n = cam.networkconf;
    s["networkconf"] = QString::fromUtf8(n.MACAddr + '|' + n.Wireless_ESSID + '|' + n.Https_port + '|' + n.PWD_MD5);
    s["APConfig"] = QString("%1 %2 ").arg(cam.APConfig.numAP).arg(cam.APConfig.All_APListNum)
                    + QString::fromUtf8(cam.APConfig.Now_APListNum + ' ' + cam.APConfig.AP_SSID.join(','));
    return s;
}

// A record with every field set to a value of its own.
void fill(IPCamera& cam, const QString& tag)
{
    for (const TextField& f : kTextFields) {
        if (f.bytes)
            cam.*f.bytes = f.name + tag.toUtf8();
        else
            cam.*f.text = f.name + tag;
    }
    cam.dcpStatus = IPCamera::GOT_NETWORK_SETUP;
    cam.apSearchReplyCount = 3;
    cam.networkconf.setNetworkConfig(("3;M=" + tag + ";11=ssid" + tag + ";51=443").toUtf8());
    cam.networkconf.PWD_MD5 = tag.toUtf8();
    cam.APConfig.setAPConfig("4;A=1;E=0;L=" + ("net" + tag).toUtf8().toBase64() + ",11g,0,NONE,6;X=1", "2.3");
}

void runParser(IPCamera& cam, int parser, const QByteArray& reply)
{
    switch (parser) {
    case Discovery: cam = IPCamera(reply, kHost); break;
    case CloudInfo: cam.setPassword(reply); break;
    case PasswordStatus: cam.getPasswordResult(reply); break;
    case Ping: cam.getPingResult(reply); break;
    case Restart: cam.getRestartResult(reply); break;
    case Command: cam.getCmdResult(reply); break;
    }
}

} // namespace

class TestIPCamera : public QObject
{
    Q_OBJECT
private slots:
    void copies();
    void parsers_data();
    void parsers();
    void commandSequence_data();
    void commandSequence();
};

void TestIPCamera::copies()
{
    QObject owner;
    IPCamera source, target;
    fill(source, "A");
    fill(target, "B");
    source.setParent(&owner);
    source.setObjectName("sourceCamera");
    const IPCamera copy(source);
    QVERIFY(!copy.parent() && copy.objectName().isEmpty());
    QCOMPARE(snapshot(copy), snapshot(source));
    target = source;
    QCOMPARE(snapshot(target), snapshot(source));
}

void TestIPCamera::parsers_data()
{
    QTest::addColumn<int>("parser");
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("changes"); // field=value ..., every other field unchanged
    QTest::addColumn<bool>("unlisted");   // one "no such parameter" line expected

    auto row = [](const QString& name, int parser, const char* version, const QByteArray& reply, const char* changes,
                  bool unlisted = false) {
        QTest::newRow(qPrintable(name)) << parser << QByteArray(version) << reply << QString(changes) << unlisted;
    };
    // The item rule, the same for every parser. Password-status replies are read only with ";R=".
    const char* const names[] = {"discovery", "cloud", "password", "ping", "restart", "command"};
    for (int p = Discovery; p <= Command; ++p) {
        const QByteArray c(1, "12789S"[p]), tail = p == PasswordStatus ? ";R=1" : "";
        const QString name = names[p];
        row(name + ": class item, empty items, word key, second =", p, "2.0",
            c + ";;M=AA:BB:CC:DD:EE:FF;;DEV=VKC=3100" + tail,
            p == Discovery ? "MAC=AA:BB:CC:DD:EE:FF modelName=VKC"
                           : (p == PasswordStatus ? "modelName=VKC bPassword=1" : "modelName=VKC"));
        row(name + ": lower-case key", p, "2.0", c + ";d=VKC-9" + tail, p == PasswordStatus ? "bPassword=1" : "", true);
    }
    row("discovery: every key", Discovery, "",
        "1;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;N=TXlDYW0;I=192.168.0.20;G=1;C=0;W=1;V=1.0.3;P=2.0;F=1.1.0;H=A1;X=abc",
        "MAC=AA:BB:CC:DD:EE:FF modelName=VKC-3100 Name=TXlDYW0 IPAddr=192.168.0.20 bRegisted=1 networkSetupType=0 "
        "networkType=1 AgentVersion=1.0.3 DCPVersion=2.0 FirmwareVersion=1.1.0 HardwareVersion=A1 PWD_MD5=abc");
    row("discovery: VERSION takes the third part", Discovery, "", "1;V=AGENT_VERSION=1.2.3;D=VKC",
        "AgentVersion=1.2.3 modelName=VKC");
    row("discovery: VERSION without a third part stays inside the item", Discovery, "", "1;V=VERSION;D=VKC",
        "AgentVersion=VERSION modelName=VKC");
    row("cloud: every key, password decoded", CloudInfo, "2.0",
        "2;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;E=e1;G=1;C=1;N=TXk;O=dns1;P=cGFzc3dvcmQ;R=0;U=1234.cloud.example;W=portal1;"
        "X=md5;Y=sess",
        "modelName=VKC-3100 olvarisInfoE=e1 bRegisted=1 supportUPnP=1 Name=TXk UPnPDNS=dns1 "
        "password=password remote=0 olvarisNo=1234 url=cloud.example portal=portal1 PWD_MD5=md5 dfp=sess");
    row("cloud: U splits at the first dot", CloudInfo, "2.0", "2;U=42.a.b", "olvarisNo=42 url=a.b");
    row("cloud: U without a dot empties both", CloudInfo, "2.0", "2;U=42.a;U=1234", "olvarisNo= url=");
    row("cloud: old camera is remote whatever R says", CloudInfo, "1.1", "2;R=0", "remote=1");
    row("password: R first without ; is not read", PasswordStatus, "2.0", "R=1;M=AA:BB:CC:DD:EE:FF", "");
    row("password: the last R wins", PasswordStatus, "2.0", "7;M=AA;R=0;D=VKC;R=1;X=d",
        "modelName=VKC bPassword=1 PWD_MD5=d");
    row("ping: C and R both fill bPing", Ping, "1.0", "8;M=AA;R=0;C=1", "bPing=1");
}

void TestIPCamera::parsers()
{
    QFETCH(int, parser);
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, reply);
    QFETCH(QString, changes);
    QFETCH(bool, unlisted);

    IPCamera cam(QByteArray(), parser == Discovery ? kHost : QString());
    if (parser != Discovery)
        cam.DCPVersion = dcpVersion;
    QMap<QString, QString> expected = snapshot(cam);
    for (const QString& c : changes.split(' ', Qt::SkipEmptyParts))
        expected[c.section('=', 0, 0)] = c.section('=', 1);

    LogRecorder log;
    runParser(cam, parser, reply);

    QCOMPARE(snapshot(cam), expected);
    QCOMPARE(cam.dcpStatus, 0);
    if (parser == Discovery)
        QCOMPARE(cam.MACHost, kHost);
    QVERIFY2(log.count({"no such parameter"}) == (unlisted ? 1 : 0), qPrintable(log.all()));
    // The password never reaches the log, neither as received nor decoded.
    QVERIFY2(!log.contains("cGFzc3dvcmQ") && !log.contains("\"password\""), qPrintable(log.all()));
}

void TestIPCamera::commandSequence_data()
{
    QTest::addColumn<int>("startState");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QString>("pings"); // bPing after each output
    QTest::addColumn<int>("endState");
    QTest::addColumn<int>("endExist");
    QTest::newRow("acknowledgement then provision file") << 0 << QStringList{"reboot_quorvex", "/tmp/provision.conf"}
                                                         << "01" << 1 << 1;
    QTest::newRow("provision file alone starts over") << 0 << QStringList{"/tmp/provision.conf"} << "0" << 0 << 0;
    QTest::newRow("other output changes nothing") << 1 << QStringList{"No such file"} << "x" << 1 << 0;
}

void TestIPCamera::commandSequence()
{
    QFETCH(int, startState);
    QFETCH(QStringList, outputs);
    quorvex_cmd_state = startState;
    prov_config_exist = 0;
    IPCamera cam;
    cam.bPing = "x";
    QString pings;
    for (const QString& output : outputs) {
        cam.getCmdResult("S;M=AA:BB:CC:DD:EE:FF;R=" + output.toUtf8() + ";X=0123");
        pings += QString::fromUtf8(cam.bPing);
    }
    QTEST(pings, "pings");
    QTEST(quorvex_cmd_state, "endState");
    QTEST(prov_config_exist, "endExist");
}

QTEST_GUILESS_MAIN(TestIPCamera)
#include "tst_ipcamera.moc"
