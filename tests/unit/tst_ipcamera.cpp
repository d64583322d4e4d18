// Camera records: the reply parsers, the network settings, the access-point survey, copies; the
// setup input rules.

#include <QtTest>

#include "base/logsummary.h"
#include "protocol/ipcamera.h"
#include "protocol/networkconfig.h"
#include "setup/setupinput.h"
#include "testsupport.h"

namespace {

enum Parser
{
    Discovery,
    CloudInfo,
    PasswordStatus,
    Ping,
    Restart,
    Command,
    NetworkSettings
};

const QString kHost = QStringLiteral("02:aB:00:00:00:01");

struct TextField
{
    const char* name;
    QByteArray IPCamera::*bytes;
    QString IPCamera::*text;
};

#define BYTES(f)                                                                                                       \
    {                                                                                                                  \
#f, &IPCamera::f, nullptr                                                                                      \
    }
#define TEXT(f)                                                                                                        \
    {                                                                                                                  \
#f, nullptr, &IPCamera::f                                                                                      \
    }
const TextField kTextFields[] = {TEXT(MAC),
                                 TEXT(MACHost),
                                 BYTES(modelName),
                                 BYTES(Name),
                                 BYTES(PWD_MD5),
                                 TEXT(IPAddr),
                                 BYTES(bRegisted),
                                 BYTES(networkSetupType),
                                 BYTES(networkType),
                                 BYTES(AgentVersion),
                                 BYTES(DCPVersion),
                                 BYTES(FirmwareVersion),
                                 BYTES(HardwareVersion),
                                 BYTES(password),
                                 BYTES(olvarisInfoE),
                                 BYTES(remote),
                                 BYTES(supportUPnP),
                                 BYTES(url),
                                 BYTES(olvarisNo),
                                 BYTES(UPnPDNS),
                                 BYTES(portal),
                                 BYTES(dfp),
                                 BYTES(bPing),
                                 BYTES(bRestart),
                                 BYTES(bPassword),
                                 TEXT(src_IPAddr)};
#undef BYTES
#undef TEXT

// The network settings with the reply key of each field.
struct ConfigField
{
    const char* name;
    const char* key;
    QByteArray networkConfig::*member;
};
#define F(f, key)                                                                                                      \
    {                                                                                                                  \
#f, key, &networkConfig::f                                                                                     \
    }
const ConfigField kConfigFields[] = {F(MACAddr, "M"),
                                     F(modelName, "D"),
                                     F(RemoteAccess, "R"),
                                     F(DHCP_enable, "0"),
                                     F(Static_IPAddr, "1"),
                                     F(Static_Netmask, "2"),
                                     F(Static_Gateway, "3"),
                                     F(Static_DNS1, "4"),
                                     F(Static_DNS2, "5"),
                                     F(PPPoE_enable, "6"),
                                     F(PPPoE_user, "7"),
                                     F(PPPoE_password, "8"),
                                     F(Wireless_enable, "9"),
                                     F(Wireless_mode, "10"),
                                     F(Wireless_ESSID, "11"),
                                     F(Wireless_channel, "12"),
                                     F(Wireless_TXRate, "13"),
                                     F(Wireless_AuthMode, "14"),
                                     F(Wireless_SecMethod, "15"),
                                     F(Wireless_keyformat, "16"),
                                     F(Wireless_KeyLength, "17"),
                                     F(Wireless_key, "18"),
                                     F(Wireless_key_Interval, "19"),
                                     F(HTTP_admin_Password, "20"),
                                     F(Tervane15_Email, "21"),
                                     F(Tervane15_Remote, "22"),
                                     F(DHCP_IP, "23"),
                                     F(DHCP_netmask, "24"),
                                     F(DHCP_gateway, "25"),
                                     F(DHCP_DNS1, "26"),
                                     F(DHCP_DNS2, "27"),
                                     F(PPPoE_IP, "28"),
                                     F(Http_port, "50"),
                                     F(Https_port, "51"),
                                     F(END, "29"),
                                     F(PWD_MD5, "")};
#undef F

// Every field of a record as text (network settings as "nc.<field>"), the member records by content.
QMap<QString, QString> snapshot(const IPCamera& cam)
{
    QMap<QString, QString> s;
    for (const TextField& f : kTextFields)
        s[f.name] = f.bytes ? QString::fromUtf8(cam.*f.bytes) : cam.*f.text;
    for (const ConfigField& f : kConfigFields)
        s[QString("nc.") + f.name] = QString::fromUtf8(cam.networkconf.*f.member);
    s["dcpStatus"] = QString::number(cam.dcpStatus);
    s["apSearchReplyCount"] = QString::number(cam.apSearchReplyCount);
    s["agent"] = QString("%1,%2").arg(quorvex_cmd_state).arg(prov_config_exist);  // restart acknowledged, file seen
    s["APConfig"] = QString("%1 %2 ").arg(cam.APConfig.numAP).arg(cam.APConfig.All_APListNum) +
                    QString::fromUtf8(cam.APConfig.Now_APListNum + ' ' + cam.APConfig.AP_SSID.join(','));
    return s;
}

void runParser(IPCamera& cam, int parser, const QByteArray& reply)
{
    switch (parser) {
    case Discovery:
        cam = IPCamera(reply, kHost);
        break;
    case CloudInfo:
        cam.setPassword(reply);
        break;
    case PasswordStatus:
        cam.getPasswordResult(reply);
        break;
    case Ping:
        cam.getPingResult(reply);
        break;
    case Restart:
        cam.getRestartResult(reply);
        break;
    case Command:
        cam.getCmdResult(reply);
        break;
    case NetworkSettings:
        cam.networkconf.setNetworkConfig(reply);
        break;
    }
}

const QByteArray kOldHeader = "4;M=AA:BB:CC:DD:EE:FF;D=VKC-1;X=0123,";

// One paged record (name, mode, authentication, encryption, column 2) and the row it gives.
QByteArray ap(const QByteArray& ssid)
{
    return ssid.toBase64() + ",11g,2,AES,-40";
}
QString pagedRow(const QByteArray& ssid)
{
    return "Unknown|-40|" + QString::fromUtf8(ssid) + "|Unknown|AES|2|11g";
}

QByteArray page(int total, const QByteArray& pageText, const QByteArray& list)
{
    return "4;M=AA:BB:CC:DD:EE:FF;A=" + QByteArray::number(total) + ";E=" + pageText + ";L=" + list + ";X=0123";
}

// One text per access point with its seven columns.
QStringList rows(const APSearchResult& r)
{
    QStringList out;
    for (int i = 0; i < r.AP_Column1.size(); ++i)
        out << QString::fromUtf8(QByteArrayList{r.AP_Column1.value(i), r.AP_Column2.value(i), r.AP_SSID.value(i),
                                                r.AP_Column4.value(i), r.AP_SecMethod.value(i), r.AP_AuthMode.value(i),
                                                r.AP_Mode.value(i)}
                                     .join('|'));
    return out;
}

}  // namespace

class TestIPCamera : public QObject
{
    Q_OBJECT
private slots:
    void copies()
    {
        // Every field, network settings and access points included; no parent.
        QObject owner;
        IPCamera source, target;
        for (IPCamera* cam : {&source, &target}) {
            const QString tag = cam == &source ? "A" : "B";
            for (const TextField& f : kTextFields)
                f.bytes ? void(cam->*f.bytes = f.name + tag.toUtf8()) : void(cam->*f.text = f.name + tag);
            for (const ConfigField& f : kConfigFields)
                cam->networkconf.*f.member = f.name + tag.toUtf8();
            cam->dcpStatus = cam == &source ? IPCamera::GOT_NETWORK_SETUP : 0;
            cam->apSearchReplyCount = cam == &source ? 3 : 1;
            cam->APConfig.setAPConfig("4;A=1;E=0;L=" + ("net" + tag).toUtf8().toBase64() + ",11g,0,NONE,6;X=1", "2.3");
        }
        source.setParent(&owner);
        const IPCamera copy(source);
        QVERIFY(!copy.parent());
        QCOMPARE(snapshot(copy), snapshot(source));
        target = source;
        QCOMPARE(snapshot(target), snapshot(source));
    }

    void parsers_data()
    {
        QTest::addColumn<int>("parser");
        QTest::addColumn<QByteArray>("dcpVersion");
        QTest::addColumn<QByteArray>("replies");  // one after another, split at "|"
        QTest::addColumn<QString>("changes");     // field=value ..., every other field unchanged
        QTest::addColumn<bool>("unlisted");       // one "no such parameter" line expected
        auto row = [](const QString& name, int parser, const char* version, const QByteArray& reply,
                      const QString& changes, bool unlisted = false) {
            QTest::newRow(qPrintable(name)) << parser << QByteArray(version) << reply << changes << unlisted;
        };
        // The item reader all parsers share; password-status replies are read only with ";R=".
        row("class item, empty items, word key, second =", Discovery, "2.0", "1;;M=AA:BB:CC:DD:EE:FF;;DEV=VKC=3100",
            "MAC=AA:BB:CC:DD:EE:FF modelName=VKC");
        row("lower-case key", Ping, "2.0", "8;d=VKC-9", "", true);
        row("password: lower-case key", PasswordStatus, "2.0", "7;d=VKC-9;R=1", "bPassword=1", true);
        row("discovery: every key", Discovery, "",
            "1;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;N=TXlDYW0;I=192.168.0.20;G=1;C=0;W=1;V=1.0.3;P=2.0;F=1.1.0;H=A1;X=abc",
            "MAC=AA:BB:CC:DD:EE:FF modelName=VKC-3100 Name=TXlDYW0 IPAddr=192.168.0.20 bRegisted=1 networkSetupType=0 "
            "networkType=1 AgentVersion=1.0.3 DCPVersion=2.0 FirmwareVersion=1.1.0 HardwareVersion=A1 PWD_MD5=abc");
        row("discovery: VERSION takes the third part", Discovery, "", "1;V=AGENT_VERSION=1.2.3;D=VKC",
            "AgentVersion=1.2.3 modelName=VKC");
        row("discovery: repeated keys (the first M, the last of others), empty, padded, a trailing ;", Discovery, "",
            "1;N=Y2FtMQ==;D=A;M=AA:BB:CC:DD:EE:FF;I=;D=VKC-3100;M=11:22:33:44:55:66;",
            "Name=Y2FtMQ modelName=VKC-3100 MAC=AA:BB:CC:DD:EE:FF");
        row("cloud: every key, password decoded", CloudInfo, "2.0",
            "2;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;E=e1;G=1;C=1;N=TXk;O=dns1;P=cGFzc3dvcmQ;R=0;U=1234.cloud.example;W="
            "portal1;"
            "X=md5;Y=sess",
            "olvarisInfoE=e1 bRegisted=1 supportUPnP=1 Name=TXk UPnPDNS=dns1 "
            "password=password remote=0 olvarisNo=1234 url=cloud.example portal=portal1 PWD_MD5=md5 dfp=sess");
        row("cloud: U without a dot empties both", CloudInfo, "2.0", "2;U=42.a;U=1234", "olvarisNo= url=");
        row("password: R first without ; is not read", PasswordStatus, "2.0", "R=1;M=AA:BB:CC:DD:EE:FF", "");
        row("password: P item masked", PasswordStatus, "2.0", "7;M=AA;R=1;P=cGFzc3dvcmQ", "bPassword=1", true);
        row("password: the last R wins", PasswordStatus, "2.0", "7;M=AA;R=0;D=VKC;R=1;X=d", "bPassword=1 PWD_MD5=d");
        row("ping: C and R both fill bPing", Ping, "1.0", "8;M=AA;R=0;C=1", "bPing=1");
        // The agent's acknowledgement, then the provision file: ready. The file alone starts over;
        // other output changes nothing.
        row("command: acknowledgement, file", Command, "2.0", "S;R=reboot_quorvex|S;R=/tmp/provision.conf",
            "bPing=1 agent=1,1");
        row("command: file alone", Command, "2.0", "S;R=/tmp/provision.conf", "bPing=0");
        row("command: acknowledgement, other output", Command, "2.0", "S;R=reboot_quorvex|S;R=No such file",
            "bPing=0 agent=1,0");
        const int nc = NetworkSettings;
        row("settings: M then 0", nc, "", "3;M=AA:BB;0=1", "nc.MACAddr=AA:BB nc.DHCP_enable=1 nc.RemoteAccess=1");
        row("settings: R=0 followed only by X", nc, "", "3;M=AA;R=0;X=0123", "nc.MACAddr=AA nc.RemoteAccess=0");
        row("settings: R=0 followed by a numbered item", nc, "", "3;R=0;1=10.0.0.2",
            "nc.Static_IPAddr=10.0.0.2 nc.RemoteAccess=1");
        row("settings: 18 then 34, the later wins", nc, "", "18=first;34=second",
            "nc.Wireless_key=second nc.RemoteAccess=1");
        row("settings: omitted keys keep their values", nc, "", "3;M=AA;12=6;0=1|3;0=0",
            "nc.MACAddr=AA nc.Wireless_channel=6 nc.DHCP_enable=0 nc.RemoteAccess=1");
        row("settings: unknown, other letter, empty key", nc, "", "77=x;Q=1;=1", "nc.RemoteAccess=1");
        QString every = "nc.RemoteAccess=1";
        QByteArray reply = "3";
        for (const ConfigField& f : kConfigFields) {
            if (QChar(f.key[0]).isDigit()) {
                reply += QByteArray(";") + f.key + "=v" + f.key;
                every += QString(" nc.%1=v%2").arg(f.name, f.key);
            }
        }
        row("settings: every numbered key", nc, "", reply + ";X=0123", every);
        row("settings: = inside a value, a key with a leading zero, a trailing ;", nc, "", "3;11=bXk=;01=10.0.0.2;",
            "nc.Wireless_ESSID=bXk= nc.Static_IPAddr=10.0.0.2 nc.RemoteAccess=1");
    }

    void parsers()
    {
        QFETCH(int, parser);
        QFETCH(QByteArray, dcpVersion);
        QFETCH(QByteArray, replies);
        QFETCH(QString, changes);
        QFETCH(bool, unlisted);
        IPCamera cam(QByteArray(), parser == Discovery ? kHost : QString());
        if (parser != Discovery)
            cam.DCPVersion = dcpVersion;
        quorvex_cmd_state = prov_config_exist = 0;
        QMap<QString, QString> expected = snapshot(cam);
        for (const QString& c : changes.split(' ', Qt::SkipEmptyParts))
            expected[c.section('=', 0, 0)] = c.section('=', 1);
        LogSummary::flush();
        LogRecorder log;
        for (const QByteArray& reply : replies.split('|'))
            runParser(cam, parser, reply);
        LogSummary::flush();
        QCOMPARE(snapshot(cam), expected);
        QVERIFY2(log.count({"no such parameter"}) == (unlisted ? 1 : 0), qPrintable(log.all()));
        // The password never reaches the log, neither as received nor decoded.
        QVERIFY2(!log.contains("cGFzc3dvcmQ") && !log.contains("\"password\""), qPrintable(log.all()));
    }

    void cameraName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letters, digits, hyphen, 32") << "Front-Door2" + QString(21, 'a') << true;
        QTest::newRow("33 characters") << QString(33, 'a') << false;
        QTest::newRow("space") << "front door" << false;
        QTest::newRow("accented letter") << QString::fromUtf8("café") << false;
        QTest::newRow("valid text then a newline") << "door\n" << false;
    }
    void cameraName()
    {
        QFETCH(QString, name);
        QTEST(SetupInput::isValidCameraName(name), "valid");
    }

    void password_data()
    {
        QTest::addColumn<QByteArray>("state");  // bPassword, then the stored password
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        // A new password on a camera without one: letters and digits only, 6 to 30.
        QTest::newRow("alnum, 6") << QByteArray("1") << "abc123" << true;
        QTest::newRow("alnum, 5") << QByteArray("1") << "abc12" << false;
        QTest::newRow("alnum, 31") << QByteArray("1") << QString(31, 'x') << false;
        QTest::newRow("alnum, hyphen") << QByteArray("1") << "abc-123" << false;
        // Any other camera: printable characters without spaces.
        QTest::newRow("printable, 30") << QByteArray("0") << QString(30, '~') << true;
        QTest::newRow("printable, 31") << QByteArray("0") << QString(31, '~') << false;
        QTest::newRow("printable, tab") << QByteArray("0") << "pass\tword" << false;
        QTest::newRow("printable, non-ASCII") << QByteArray("0") << QString::fromUtf8("pässwort") << false;
        QTest::newRow("none yet but one stored") << QByteArray("1c2VjcmV0") << "p@ss-word" << true;
    }

    void password()
    {
        QFETCH(QByteArray, state);
        QFETCH(QString, typed);
        IPCamera camera;
        camera.DCPVersion = "2.0";
        camera.bPassword = state.left(1);
        camera.password = state.mid(1);
        QTEST(SetupInput::isValidPassword(typed, SetupInput::passwordRule(camera)), "valid");
    }

    void survey_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<QString>("outcome");  // per reply its result, "+" once every page is in
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, const char* version, const QByteArrayList& replies, const QString& outcome,
                      const QStringList& expected) {
            QTest::newRow(name) << QByteArray(version) << replies << outcome << expected;
        };
        row("old: header and two records", "1.0",
            {kOldHeader + "c1;c2;aG9tZQ==;c4;TKIP;1;11b,d1;d2;Y2FmZQ==;d4;WEP;2;11n"}, "0",
            {"c1|c2|home|c4|TKIP|1|11b", "d1|d2|cafe|d4|WEP|2|11n"});
        row("old (10.0 sorts below 2.0): six fields make a placeholder", "10.0",
            {kOldHeader + "c1;c2;aG9tZQ;c4;TKIP;1"}, "0", {"Unknown|0|XXXXXXX|Unknown|Unknown|Unknown|Unknown"});
        row("paged: two pages, a trailing & adds no row", "2.3",
            {page(2, "0", ap("a") + '&' + ap("b") + '&'), page(2, "1", ap("c") + '&')}, "0 0+",
            {pagedRow("a"), pagedRow("b"), pagedRow("c")});
        // Refused: a total beyond the page bound or negative, a page outside the total, a page again,
        // another total.
        row("paged: pages that do not belong", "2.3",
            {page(2147483647, "0", ap("x")), page(-1, "0", ap("x")), page(2, "7", ap("x")), page(2, "0", ap("a")),
             page(2, "2", ap("x")), page(2, "x", ap("x")), page(2, "0", ap("x")), page(3, "1", ap("x"))},
            "-1 -1 -1 0 -1 -1 -1 -1", {pagedRow("a")});
        row("paged: 64 pages is the bound", "2.3", {page(65, "0", ap("x")), page(64, "63", ap("a"))}, "-1 0",
            {pagedRow("a")});
        row("paged: the list before the page items, a trailing ;", "2.3", {"4;M=AA;L=" + ap("a") + ";A=1;E=0;"}, "0+",
            {pagedRow("a")});
        row("old: a trailing , adds no row", "1.0", {kOldHeader + "c1;c2;aG9tZQ==;c4;TKIP;1;11b,"}, "0",
            {"c1|c2|home|c4|TKIP|1|11b"});
        row("paged: no total starts a new list every time", "2.3",
            {"4;M=AA;E=0;L=" + ap("a") + ";X=1", "4;M=AA;E=0;L=" + ap("c") + ";X=1"}, "0 0", {pagedRow("c")});
        // A survey is cut at 256 rows, in one page or over several, in either format.
        QByteArrayList many, old;
        QStringList pagedCut, oldCut;
        for (int i = 0; i < 300; ++i) {
            const QByteArray n = "n" + QByteArray::number(i);
            many << ap(n);
            old << "c1;c2;" + n.toBase64() + ";c4;AES;2;11g";
            if (i < 256) {
                pagedCut << pagedRow(n);
                oldCut << "c1|c2|" + n + "|c4|AES|2|11g";
            }
        }
        row("paged: rows cut at the bound", "2.3",
            {page(2, "0", many.mid(0, 200).join('&')), page(2, "1", many.mid(200).join('&'))}, "0 0+", pagedCut);
        row("old: rows cut at the bound", "1.0", {kOldHeader + old.join(',')}, "0", oldCut);

        // Twelve pages: "1" occurs inside "10" and "11", yet page 1 is new, and missing until it comes.
        QByteArrayList replies;
        QStringList outcome, expected;
        for (int p : {0, 10, 11, 2, 3, 4, 5, 6, 7, 8, 9, 1}) {
            const QByteArray n = QByteArray::number(p);
            replies << page(12, n, ap("p" + n));
            outcome << (p == 1 ? "0+" : "0");
            expected << pagedRow("p" + n);
        }
        row("paged: twelve pages, page 1 last", "2.3", replies, outcome.join(' '), expected);
    }

    void survey()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArrayList, replies);
        APSearchResult result;
        QStringList outcome;
        for (const QByteArray& reply : replies) {
            const QStringList before = rows(result);
            const int returned = result.setAPConfig(reply, version);
            outcome << QString::number(returned) + (result.allPagesReceived() ? "+" : "");
            if (returned != 0)
                QCOMPARE(rows(result), before);  // a refused page changes nothing
            QCOMPARE(result.numAP, result.AP_Column1.size());
        }
        QTEST(outcome.join(' '), "outcome");
        QTEST(rows(result), "expected");
    }

    void assignmentReplaces()
    {
        // Assigned over another survey, the list goes on with the source's survey.
        APSearchResult source, r;
        QCOMPARE(source.setAPConfig(page(2, "0", ap("a") + '&' + ap("b")), "2.3"), 0);
        QCOMPARE(r.setAPConfig(page(3, "2", ap("x") + '&' + ap("y")), "2.3"), 0);
        r = source;
        QCOMPARE(r.numAP, 2);
        QCOMPARE(r.setAPConfig(page(2, "0", ap("a")), "2.3"), -1);
        QCOMPARE(r.setAPConfig(page(2, "1", ap("c")), "2.3"), 0);
        QVERIFY(r.allPagesReceived());
        QCOMPARE(rows(r), QStringList({pagedRow("a"), pagedRow("b"), pagedRow("c")}));
        QCOMPARE(r.ssidAt(2) + r.ssidAt(3) + r.ssidAt(-1), QByteArray("c"));
    }
};

QTEST_GUILESS_MAIN(TestIPCamera)
#include "tst_ipcamera.moc"
