#include <QtTest>

#include "ipcamera.h"
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

const TextField kTextFields[] = {
    {"MAC", nullptr, &IPCamera::MAC},
    {"MACHost", nullptr, &IPCamera::MACHost},
    {"modelName", &IPCamera::modelName, nullptr},
    {"Name", &IPCamera::Name, nullptr},
    {"PWD_MD5", &IPCamera::PWD_MD5, nullptr},
    {"IPAddr", nullptr, &IPCamera::IPAddr},
    {"bRegisted", &IPCamera::bRegisted, nullptr},
    {"networkSetupType", &IPCamera::networkSetupType, nullptr},
    {"networkType", &IPCamera::networkType, nullptr},
    {"AgentVersion", &IPCamera::AgentVersion, nullptr},
    {"DCPVersion", &IPCamera::DCPVersion, nullptr},
    {"FirmwareVersion", &IPCamera::FirmwareVersion, nullptr},
    {"HardwareVersion", &IPCamera::HardwareVersion, nullptr},
    {"password", &IPCamera::password, nullptr},
    {"olvarisInfoE", &IPCamera::olvarisInfoE, nullptr},
    {"remote", &IPCamera::remote, nullptr},
    {"supportUPnP", &IPCamera::supportUPnP, nullptr},
    {"url", &IPCamera::url, nullptr},
    {"olvarisNo", &IPCamera::olvarisNo, nullptr},
    {"UPnPDNS", &IPCamera::UPnPDNS, nullptr},
    {"portal", &IPCamera::portal, nullptr},
    {"dfp", &IPCamera::dfp, nullptr},
    {"bPing", &IPCamera::bPing, nullptr},
    {"bRestart", &IPCamera::bRestart, nullptr},
    {"bPassword", &IPCamera::bPassword, nullptr},
    {"src_IPAddr", nullptr, &IPCamera::src_IPAddr},
};

const QStringList kDiscoveryFields
    = {"modelName", "Name", "IPAddr", "bRegisted", "networkSetupType", "networkType", "AgentVersion", "DCPVersion"};

void setField(IPCamera& cam, const QString& name, const QString& value)
{
    for (const TextField& f : kTextFields) {
        if (name != QLatin1String(f.name))
            continue;
        if (f.bytes)
            cam.*f.bytes = value.toUtf8();
        else
            cam.*f.text = value;
        return;
    }
    QFAIL(qPrintable("unknown field " + name));
}

// Every field of a record as text, the member records by their content.
QMap<QString, QString> snapshot(const IPCamera& cam)
{
    QMap<QString, QString> s;
    for (const TextField& f : kTextFields)
        s[f.name] = f.bytes ? QString::fromUtf8(cam.*f.bytes) : cam.*f.text;
    s["dcpStatus"] = QString::number(cam.dcpStatus);
    s["apSearchReplyCount"] = QString::number(cam.apSearchReplyCount);
    s["networkconf"] = QString::fromUtf8(cam.networkconf.MACAddr + '|' + cam.networkconf.Wireless_ESSID + '|'
        + cam.networkconf.Https_port + '|' + cam.networkconf.PWD_MD5);
    QStringList rows;
    for (int i = 0; i < cam.APConfig.AP_SSID.size(); ++i)
        rows << QString::fromUtf8(cam.APConfig.AP_SSID.at(i) + '|' + cam.APConfig.AP_Mode.at(i));
    s["APConfig"] = QString("%1 %2 %3 %4")
                        .arg(cam.APConfig.numAP)
                        .arg(cam.APConfig.All_APListNum)
                        .arg(QString::fromUtf8(cam.APConfig.Now_APListNum), rows.join(','));
    return s;
}

// A record with every field set to a value of its own.
void fill(IPCamera& cam, const QString& tag)
{
    for (const TextField& f : kTextFields)
        setField(cam, f.name, QString(f.name) + tag);
    cam.dcpStatus = IPCamera::GOT_NETWORK_SETUP;
    cam.apSearchReplyCount = 3;
    cam.networkconf.setNetworkConfig(("3;M=" + tag + ";11=ssid" + tag + ";51=443").toUtf8());
    cam.networkconf.PWD_MD5 = tag.toUtf8();
    cam.APConfig.setAPConfig("4;A=1;E=0;L=" + ("net" + tag).toUtf8().toBase64() + ",11g,0,NONE,6;X=1", "2.3");
}

QByteArray classChar(int parser)
{
    static const char chars[] = {'1', '2', '7', '8', '9', 'S'};
    return QByteArray(1, chars[parser]);
}

void runParser(IPCamera& cam, int parser, const QByteArray& reply)
{
    switch (parser) {
    case CloudInfo: cam.setPassword(reply); break;
    case PasswordStatus: cam.getPasswordResult(reply); break;
    case Ping: cam.getPingResult(reply); break;
    case Restart: cam.getRestartResult(reply); break;
    case Command: cam.getCmdResult(reply); break;
    default: QFAIL("discovery is a constructor");
    }
}

const char* const kUnlistedText[] = {
    "<DCP_Class_01> IPCamera::IPCamera parsing no such parameter :",
    "IPCamera::getPassword, no such parameter:",
    "IPCamera::getPasswordResult, no such parameter:",
    "IPCamera::getPingResult, no such parameter:",
    "IPCamera::getRestartResult, no such parameter:",
    "IPCamera::getPingResult, no such parameter:",
};

} // namespace

class TestIPCamera : public QObject
{
    Q_OBJECT
private slots:
    void freshRecords_data();
    void freshRecords();
    void copies_data();
    void copies();
    void refreshFrom_data();
    void refreshFrom();
    void parsers_data();
    void parsers();
    void commandSequence_data();
    void commandSequence();
    void versionTest_data();
    void versionTest();
};

void TestIPCamera::freshRecords_data()
{
    QTest::addColumn<bool>("parsing");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("constructorLines");

    QTest::newRow("default constructor") << false << QByteArray() << QString() << 1;
    QTest::newRow("empty discovery reply") << true << QByteArray() << kHost << 0;
    QTest::newRow("bare class item") << true << QByteArray("1") << kHost << 0;
}

void TestIPCamera::freshRecords()
{
    QFETCH(bool, parsing);
    QFETCH(QByteArray, reply);
    QFETCH(QString, host);
    QFETCH(int, constructorLines);

    LogRecorder log;
    const IPCamera cam = parsing ? IPCamera(reply, host) : IPCamera();

    QCOMPARE(log.count({"IPCamera Constructor Initializing ..."}), constructorLines);
    for (const TextField& f : kTextFields) {
        const QString value = f.bytes ? QString::fromUtf8(cam.*f.bytes) : cam.*f.text;
        QCOMPARE(value, QLatin1String(f.name) == QLatin1String("MACHost") ? host : QString());
    }
    QCOMPARE(cam.dcpStatus, 0);
    QCOMPARE(cam.apSearchReplyCount, 0);
    QCOMPARE(cam.APConfig.numAP, 0);
    QVERIFY(cam.APConfig.AP_SSID.isEmpty());
    QVERIFY(cam.networkconf.MACAddr.isEmpty());
}

void TestIPCamera::copies_data()
{
    QTest::addColumn<bool>("assign");

    QTest::newRow("copy constructor") << false;
    QTest::newRow("assignment") << true;
}

void TestIPCamera::copies()
{
    QFETCH(bool, assign);

    QObject owner;
    IPCamera source;
    fill(source, "A");
    source.setParent(&owner);
    source.setObjectName("sourceCamera");

    QObject targetOwner;
    IPCamera target;
    fill(target, "B");
    target.setParent(&targetOwner);
    target.setObjectName("targetCamera");

    LogRecorder log;
    if (assign) {
        target = source;
        QCOMPARE(target.parent(), &targetOwner);
        QCOMPARE(target.objectName(), QString("targetCamera"));
        QCOMPARE(snapshot(target), snapshot(source));
        QCOMPARE(target.APConfig.numAP, 1);
        target.setParent(nullptr);
    } else {
        const IPCamera copy(source);
        QCOMPARE(copy.parent(), static_cast<QObject*>(nullptr));
        QVERIFY(copy.objectName().isEmpty());
        QCOMPARE(snapshot(copy), snapshot(source));
    }
    QVERIFY2(!log.contains("Constructor Initializing"), qPrintable(log.all()));
    source.setParent(nullptr);
}

void TestIPCamera::refreshFrom_data()
{
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("every discovery field differs") << QByteArray();
    QTest::newRow("repeated reply without N and G")
        << QByteArray("1;M=MAC;D=VKC-2;I=10.0.0.9;P=2.1;F=9.9;H=B2;X=other");
    QTest::newRow("repeated reply with only M") << QByteArray("1;M=MAC");
}

void TestIPCamera::refreshFrom()
{
    QFETCH(QByteArray, reply);

    IPCamera entry;
    fill(entry, "old");
    IPCamera fresh;
    if (reply.isEmpty())
        fill(fresh, "new");
    else
        fresh = IPCamera(reply, "02:00:00:00:00:99");

    QMap<QString, QString> expected = snapshot(entry);
    const QMap<QString, QString> incoming = snapshot(fresh);
    for (const QString& name : kDiscoveryFields)
        expected[name] = incoming.value(name);

    entry.refreshFrom(fresh);
    QCOMPARE(snapshot(entry), expected);
}

void TestIPCamera::parsers_data()
{
    QTest::addColumn<int>("parser");
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("logLine");
    QTest::addColumn<QByteArray>("secret");

    const QStringList none;
    const char* const names[] = {"discovery", "cloud", "password", "ping", "restart", "command"};

    // The item rule, the same for every parser. Password-status replies are read only with ";R=".
    for (int p = Discovery; p <= Command; ++p) {
        const QByteArray c = classChar(p);
        const QByteArray tail = p == PasswordStatus ? ";R=1" : "";
        const QStringList tailChange = p == PasswordStatus ? QStringList{"bPassword=1"} : none;
        const QByteArray version = "2.0";
        const QString unlisted = kUnlistedText[p];
        const QStringList preset = p == Discovery ? none : QStringList{"PWD_MD5=old"};
        auto row = [&](const char* what) -> QTestData& { return QTest::addRow("%s: %s", names[p], what) << p; };

        row("class item and empty items") << version << none << c + ";;M=AA:BB:CC:DD:EE:FF;;" + tail
                                          << QStringList{"MAC=AA:BB:CC:DD:EE:FF"} + tailChange << none << QByteArray();
        row("word key read by its first letter")
            << version << none << c + ";MAC=AA:BB:CC:DD:EE:01" + tail
            << QStringList{"MAC=AA:BB:CC:DD:EE:01"} + tailChange << none << QByteArray();
        row("lower-case key") << version << none << c + ";d=VKC-9" + tail << tailChange
                              << QStringList{unlisted, p == Discovery ? "\"VKC-9\"" : "\"d\""} << QByteArray();
        row("item starting with =") << version << none << c + ";=VKC-9" + tail << tailChange
                                    << QStringList{unlisted, p == Discovery ? "\"VKC-9\"" : "\"\""} << QByteArray();
        row("text after a second = dropped") << version << none << c + ";D=VKC=3100" + tail
                                             << QStringList{"modelName=VKC"} + tailChange << none << QByteArray();
        row("later item wins, empty value stored")
            << version << preset << c + ";D=;D=VKC-1;X=ab;X=" + tail
            << QStringList{"modelName=VKC-1", "PWD_MD5="} + tailChange << none << QByteArray();
    }

    QTest::newRow("discovery: every key")
        << int(Discovery) << QByteArray() << none
        << QByteArray("1;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;N=TXlDYW0;I=192.168.0.20;G=1;C=0;W=1;V=1.0.3;P=2.0;"
                      "F=1.1.0;H=A1;X=abc")
        << QStringList{"MAC=AA:BB:CC:DD:EE:FF", "modelName=VKC-3100", "Name=TXlDYW0", "IPAddr=192.168.0.20",
               "bRegisted=1", "networkSetupType=0", "networkType=1", "AgentVersion=1.0.3", "DCPVersion=2.0",
               "FirmwareVersion=1.1.0", "HardwareVersion=A1", "PWD_MD5=abc"}
        << none << QByteArray();
    QTest::newRow("discovery: padded name loses its padding")
        << int(Discovery) << QByteArray() << none << QByteArray("1;N=TXlDYW1lcmE=") << QStringList{"Name=TXlDYW1lcmE"}
        << none << QByteArray();
    QTest::newRow("discovery: agent VERSION takes the third part")
        << int(Discovery) << QByteArray() << none << QByteArray("1;V=AGENT_VERSION=1.2.3;D=VKC")
        << QStringList{"AgentVersion=1.2.3", "modelName=VKC"} << none << QByteArray();
    QTest::newRow("discovery: agent VERSION third part ends at the next =")
        << int(Discovery) << QByteArray() << none << QByteArray("1;V=VERSION=1.2=9") << QStringList{"AgentVersion=1.2"}
        << none << QByteArray();
    QTest::newRow("discovery: agent VERSION without a third part stays inside the item")
        << int(Discovery) << QByteArray() << none << QByteArray("1;V=VERSION;D=VKC")
        << QStringList{"AgentVersion=VERSION", "modelName=VKC"} << none << QByteArray();
    QTest::newRow("discovery: address up to a zero byte")
        << int(Discovery) << QByteArray() << none << QByteArray("1;I=10.0.0.5\0junk", 17)
        << QStringList{"IPAddr=10.0.0.5"} << none << QByteArray();

    const QByteArray cloud = "2;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;";
    const QByteArray everyCloudKey
        = "E=e1;G=1;C=1;N=TXk;O=dns1;P=cGFzc3dvcmQ;R=0;U=1234.cloud.example;W=portal1;X=md5;Y=sess";
    QTest::newRow("cloud: every key") << int(CloudInfo) << QByteArray("2.0") << none << cloud + everyCloudKey
                                      << QStringList{"MAC=AA:BB:CC:DD:EE:FF", "modelName=VKC-3100", "olvarisInfoE=e1",
                                             "bRegisted=1", "supportUPnP=1", "Name=TXk", "UPnPDNS=dns1",
                                             "password=password", "remote=0", "olvarisNo=1234", "url=cloud.example",
                                             "portal=portal1", "PWD_MD5=md5", "dfp=sess"}
                                      << QStringList{"[IPcamera][setPassword()] set register bit: ", "\"1\""}
                                      << QByteArray("cGFzc3dvcmQ");
    QTest::newRow("cloud: U without a dot empties both")
        << int(CloudInfo) << QByteArray("2.0") << QStringList{"olvarisNo=old", "url=old"} << cloud + "U=1234"
        << QStringList{"MAC=AA:BB:CC:DD:EE:FF", "modelName=VKC-3100", "olvarisNo=", "url="} << none << QByteArray();
    QTest::newRow("cloud: U splits at the first of two dots")
        << int(CloudInfo) << QByteArray("2.0") << none << QByteArray("2;U=42.a.b")
        << QStringList{"olvarisNo=42", "url=a.b"} << none << QByteArray();
    QTest::newRow("cloud: P unpadded, two bytes")
        << int(CloudInfo) << QByteArray("2.0") << none << QByteArray("2;P=YWI") << QStringList{"password=ab"} << none
        << QByteArray("YWI");
    QTest::newRow("cloud: old camera is remote whatever R says")
        << int(CloudInfo) << QByteArray("1.1") << none << QByteArray("2;R=0") << QStringList{"remote=1"} << none
        << QByteArray();
    QTest::newRow("cloud: no version is old")
        << int(CloudInfo) << QByteArray("") << none << QByteArray("2;G=0") << QStringList{"remote=1", "bRegisted=0"}
        << QStringList{"set register bit: ", "\"0\""} << QByteArray();
    QTest::newRow("cloud: new camera takes R") << int(CloudInfo) << QByteArray("2.0") << none << QByteArray("2;R=0")
                                               << QStringList{"remote=0"} << none << QByteArray();
    QTest::newRow("cloud: new camera without R keeps remote")
        << int(CloudInfo) << QByteArray("2.3") << QStringList{"remote=x"} << QByteArray("2;G=1")
        << QStringList{"bRegisted=1"} << none << QByteArray();

    QTest::newRow("password: R first without ; is not read")
        << int(PasswordStatus) << QByteArray("2.0") << none << QByteArray("R=1;M=AA:BB:CC:DD:EE:FF") << none
        << QStringList{"IPCamera::getPasswordResult content: "} << QByteArray();
    QTest::newRow("password: the last R wins")
        << int(PasswordStatus) << QByteArray("2.0") << none << QByteArray("7;M=AA:BB:CC:DD:EE:FF;R=0;D=VKC;R=1;X=d")
        << QStringList{"MAC=AA:BB:CC:DD:EE:FF", "modelName=VKC", "bPassword=1", "PWD_MD5=d"}
        << QStringList{"IPCamera::getPasswordResult bPassword:", "\"1\""} << QByteArray();
    QTest::newRow("password: R at the very end")
        << int(PasswordStatus) << QByteArray("2.0") << none << QByteArray("7;M=AA;R=0")
        << QStringList{"MAC=AA", "bPassword=0"} << QStringList{"subParameter = ", "(\"R\", \"0\")"} << QByteArray();
    QTest::newRow("password: an echoed password stays out of the log")
        << int(PasswordStatus) << QByteArray("2.0") << none << QByteArray("7;M=AA;P=c2VjcmV0;R=1")
        << QStringList{"MAC=AA", "bPassword=1"}
        << QStringList{"IPCamera::getPasswordResult, no such parameter:", "\"P\""} << QByteArray("c2VjcmV0");

    QTest::newRow("ping: R after C wins") << int(Ping) << QByteArray("1.0") << none << QByteArray("8;M=AA;C=1;R=0")
                                          << QStringList{"MAC=AA", "bPing=0"} << none << QByteArray();
    QTest::newRow("ping: C after R wins") << int(Ping) << QByteArray("1.0") << none << QByteArray("8;M=AA;R=0;C=1")
                                          << QStringList{"MAC=AA", "bPing=1"} << none << QByteArray();

    QTest::newRow("restart: L and N are ignored silently")
        << int(Restart) << QByteArray("2.0") << QStringList{"Name=TXk"} << QByteArray("9;M=AA;L=1;N=1;R=1;X=d")
        << QStringList{"MAC=AA", "bRestart=1", "PWD_MD5=d"} << none << QByteArray();
}

void TestIPCamera::parsers()
{
    QFETCH(int, parser);
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QStringList, preset);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, logLine);
    QFETCH(QByteArray, secret);

    quorvex_cmd_state = 0;
    prov_config_exist = 0;
    IPCamera cam(QByteArray(), parser == Discovery ? kHost : QString());
    if (parser != Discovery) {
        cam.DCPVersion = dcpVersion;
        for (const QString& p : preset)
            setField(cam, p.section('=', 0, 0), p.section('=', 1));
    }
    QMap<QString, QString> expected = snapshot(cam);
    for (const QString& c : changes)
        expected[c.section('=', 0, 0)] = c.section('=', 1);

    LogRecorder log;
    if (parser == Discovery)
        cam = IPCamera(reply, kHost);
    else
        runParser(cam, parser, reply);

    QCOMPARE(snapshot(cam), expected);
    if (logLine.isEmpty())
        QVERIFY2(!log.contains("no such parameter"), qPrintable(log.all()));
    else
        QVERIFY2(log.count(logLine) == 1, qPrintable(log.all()));
    if (!secret.isEmpty())
        QVERIFY2(!log.contains(QString::fromLatin1(secret)), qPrintable(log.all()));
}

void TestIPCamera::commandSequence_data()
{
    QTest::addColumn<int>("startState");
    QTest::addColumn<int>("startExist");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QStringList>("pings");
    QTest::addColumn<int>("endState");
    QTest::addColumn<int>("endExist");

    const QString ack = "reboot_quorvex";
    const QString file = "/tmp/provision.conf";
    QTest::newRow("acknowledgement then provision file")
        << 0 << 0 << QStringList{ack, file} << QStringList{"0", "1"} << 1 << 1;
    QTest::newRow("provision file alone starts over") << 0 << 0 << QStringList{file} << QStringList{"0"} << 0 << 0;
    QTest::newRow("other output changes nothing")
        << 1 << 0 << QStringList{"No such file or directory"} << QStringList{"x"} << 1 << 0;
    QTest::newRow("other output between")
        << 0 << 0 << QStringList{ack, "busy", file} << QStringList{"0", "0", "1"} << 1 << 1;
    QTest::newRow("early provision answer, then the normal order")
        << 0 << 0 << QStringList{file, ack, file} << QStringList{"0", "0", "1"} << 1 << 1;
    QTest::newRow("acknowledgement twice") << 0 << 0 << QStringList{ack, ack} << QStringList{"0", "0"} << 1 << 0;
    QTest::newRow("compared exactly") << 0 << 0 << QStringList{"REBOOT_QUORVEX", file + " "} << QStringList{"x", "x"}
                                      << 0 << 0;
}

void TestIPCamera::commandSequence()
{
    QFETCH(int, startState);
    QFETCH(int, startExist);
    QFETCH(QStringList, outputs);
    QFETCH(QStringList, pings);
    QFETCH(int, endState);
    QFETCH(int, endExist);

    quorvex_cmd_state = startState;
    prov_config_exist = startExist;
    IPCamera cam(QByteArray(), kHost);
    cam.bPing = "x";
    LogRecorder log;
    for (int i = 0; i < outputs.size(); ++i) {
        cam.getCmdResult("S;M=AA:BB:CC:DD:EE:FF;R=" + outputs.at(i).toUtf8() + ";X=0123");
        QCOMPARE(QString::fromUtf8(cam.bPing), pings.at(i));
    }
    QCOMPARE(quorvex_cmd_state, endState);
    QCOMPARE(prov_config_exist, endExist);
    QVERIFY(!log.contains("no such parameter"));
    quorvex_cmd_state = 0;
    prov_config_exist = 0;
}

void TestIPCamera::versionTest_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("isNew");

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("1.9") << QByteArray("1.9") << false;
    QTest::newRow("10.0 compares byte-wise") << QByteArray("10.0") << false;
    QTest::newRow("2 is below 2.0") << QByteArray("2") << false;
    QTest::newRow("2.0") << QByteArray("2.0") << true;
    QTest::newRow("2.3") << QByteArray("2.3") << true;
    QTest::newRow("3") << QByteArray("3") << true;
}

void TestIPCamera::versionTest()
{
    QFETCH(QByteArray, version);
    QFETCH(bool, isNew);
    QCOMPARE(isNewDcp(version), isNew);
}

QTEST_GUILESS_MAIN(TestIPCamera)
#include "tst_ipcamera.moc"
