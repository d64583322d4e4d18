#include <QtTest>

#include "networkconfig.h"
#include "testsupport.h"

namespace {

struct Field
{
    const char* name;
    const char* key;
    QByteArray networkConfig::*member;
};

// The reply key of each field, in declaration order.
const Field kFields[] = {
    {"MACAddr", "M", &networkConfig::MACAddr},
    {"modelName", "D", &networkConfig::modelName},
    {"RemoteAccess", "R", &networkConfig::RemoteAccess},
    {"DHCP_enable", "0", &networkConfig::DHCP_enable},
    {"Static_IPAddr", "1", &networkConfig::Static_IPAddr},
    {"Static_Netmask", "2", &networkConfig::Static_Netmask},
    {"Static_Gateway", "3", &networkConfig::Static_Gateway},
    {"Static_DNS1", "4", &networkConfig::Static_DNS1},
    {"Static_DNS2", "5", &networkConfig::Static_DNS2},
    {"PPPoE_enable", "6", &networkConfig::PPPoE_enable},
    {"PPPoE_user", "7", &networkConfig::PPPoE_user},
    {"PPPoE_password", "8", &networkConfig::PPPoE_password},
    {"Wireless_enable", "9", &networkConfig::Wireless_enable},
    {"Wireless_mode", "10", &networkConfig::Wireless_mode},
    {"Wireless_ESSID", "11", &networkConfig::Wireless_ESSID},
    {"Wireless_channel", "12", &networkConfig::Wireless_channel},
    {"Wireless_TXRate", "13", &networkConfig::Wireless_TXRate},
    {"Wireless_AuthMode", "14", &networkConfig::Wireless_AuthMode},
    {"Wireless_SecMethod", "15", &networkConfig::Wireless_SecMethod},
    {"Wireless_keyformat", "16", &networkConfig::Wireless_keyformat},
    {"Wireless_KeyLength", "17", &networkConfig::Wireless_KeyLength},
    {"Wireless_key", "18", &networkConfig::Wireless_key},
    {"Wireless_key_Interval", "19", &networkConfig::Wireless_key_Interval},
    {"HTTP_admin_Password", "20", &networkConfig::HTTP_admin_Password},
    {"Tervane15_Email", "21", &networkConfig::Tervane15_Email},
    {"Tervane15_Remote", "22", &networkConfig::Tervane15_Remote},
    {"DHCP_IP", "23", &networkConfig::DHCP_IP},
    {"DHCP_netmask", "24", &networkConfig::DHCP_netmask},
    {"DHCP_gateway", "25", &networkConfig::DHCP_gateway},
    {"DHCP_DNS1", "26", &networkConfig::DHCP_DNS1},
    {"DHCP_DNS2", "27", &networkConfig::DHCP_DNS2},
    {"PPPoE_IP", "28", &networkConfig::PPPoE_IP},
    {"Http_port", "50", &networkConfig::Http_port},
    {"Https_port", "51", &networkConfig::Https_port},
    {"END", "29", &networkConfig::END},
    {"PWD_MD5", "", &networkConfig::PWD_MD5},
};

QMap<QString, QByteArray> snapshot(const networkConfig& config)
{
    QMap<QString, QByteArray> s;
    for (const Field& f : kFields)
        s[f.name] = config.*f.member;
    return s;
}

} // namespace

class TestNetworkConfig : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void copies_data();
    void copies();
};

void TestNetworkConfig::parse_data()
{
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("unknownKey");

    QTest::newRow("M then 0") << QByteArray() << QByteArray("3;M=AA:BB:CC:DD:EE:FF;0=1")
                              << QStringList{"MACAddr=AA:BB:CC:DD:EE:FF", "DHCP_enable=1", "RemoteAccess=1"}
                              << QString();
    QTest::newRow("0 then M") << QByteArray() << QByteArray("3;0=1;M=AA:BB:CC:DD:EE:FF")
                              << QStringList{"MACAddr=AA:BB:CC:DD:EE:FF", "DHCP_enable=1", "RemoteAccess=1"}
                              << QString();
    QTest::newRow("empty value stored") << QByteArray("0=1") << QByteArray("0=") << QStringList{"DHCP_enable="}
                                        << QString();
    QTest::newRow("value keeps its =") << QByteArray() << QByteArray("11=bXlOZXQ=;M=A=B")
                                       << QStringList{"Wireless_ESSID=bXlOZXQ=", "MACAddr=A=B", "RemoteAccess=1"}
                                       << QString();
    QTest::newRow("R=0 followed only by X")
        << QByteArray() << QByteArray("3;M=AA;R=0;X=0123") << QStringList{"MACAddr=AA", "RemoteAccess=0"} << QString();
    QTest::newRow("R=0 followed by a numbered item")
        << QByteArray() << QByteArray("3;R=0;1=10.0.0.2") << QStringList{"Static_IPAddr=10.0.0.2", "RemoteAccess=1"}
        << QString();
    QTest::newRow("R=0 after an earlier reply") << QByteArray("R=1;12=6") << QByteArray("3;12=11;R=0")
                                                << QStringList{"Wireless_channel=11", "RemoteAccess=0"} << QString();
    QTest::newRow("only skipped items") << QByteArray() << QByteArray("3;;X=0123;noequals") << QStringList()
                                        << QString();
    QTest::newRow("key 77") << QByteArray() << QByteArray("77=x") << QStringList{"RemoteAccess=1"} << "77";
    QTest::newRow("negative key") << QByteArray() << QByteArray("-1=x") << QStringList{"RemoteAccess=1"} << "-1";
    QTest::newRow("18 then 34") << QByteArray() << QByteArray("18=first;34=second")
                                << QStringList{"Wireless_key=second", "RemoteAccess=1"} << QString();
    QTest::newRow("34 then 18") << QByteArray() << QByteArray("34=second;18=first")
                                << QStringList{"Wireless_key=first", "RemoteAccess=1"} << QString();
    QTest::newRow("omitted keys keep their values")
        << QByteArray("3;M=AA;12=6;0=1") << QByteArray("3;0=0") << QStringList{"DHCP_enable=0"} << QString();
    QTest::newRow("other letter") << QByteArray() << QByteArray("Q=1") << QStringList{"RemoteAccess=1"} << QString();
    QTest::newRow("empty key") << QByteArray() << QByteArray("=1") << QStringList{"RemoteAccess=1"} << QString();
    QTest::newRow("word keys by first letter")
        << QByteArray() << QByteArray("MAC=AA;DEV=VKC") << QStringList{"MACAddr=AA", "modelName=VKC", "RemoteAccess=1"}
        << QString();

    QByteArray every = "3;M=mac;D=model";
    QStringList everyChange{"MACAddr=mac", "modelName=model", "RemoteAccess=1"};
    for (const Field& f : kFields) {
        if (QByteArray(f.key).isEmpty() || !QChar(f.key[0]).isDigit())
            continue;
        every += QByteArray(";") + f.key + "=v" + f.key;
        everyChange << QString("%1=v%2").arg(f.name, f.key);
    }
    QTest::newRow("every numbered key") << QByteArray() << every + ";X=0123" << everyChange << QString();
}

void TestNetworkConfig::parse()
{
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, changes);
    QFETCH(QString, unknownKey);

    networkConfig config;
    if (!earlier.isEmpty())
        config.setNetworkConfig(earlier);
    QMap<QString, QByteArray> expected = snapshot(config);
    for (const QString& c : changes)
        expected[c.section('=', 0, 0)] = c.section('=', 1).toUtf8();

    LogRecorder log;
    config.setNetworkConfig(reply);

    QCOMPARE(snapshot(config), expected);
    const int unknownLines = log.count({"unknow parameter in network configuration:"});
    if (unknownKey.isEmpty()) {
        QCOMPARE(unknownLines, 0);
    } else {
        QCOMPARE(unknownLines, 1);
        QCOMPARE(log.count({"unknow parameter in network configuration:", '"' + unknownKey + '"'}), 1);
    }
    QCOMPARE(log.count({"RemoteAccess = ", '"' + QString::fromUtf8(config.RemoteAccess) + '"'}), 1);
    QCOMPARE(config.getNetworkType(), 0);
}

void TestNetworkConfig::copies_data()
{
    QTest::addColumn<bool>("assign");

    QTest::newRow("copy constructor") << false;
    QTest::newRow("assignment") << true;
}

void TestNetworkConfig::copies()
{
    QFETCH(bool, assign);

    networkConfig source;
    for (const Field& f : kFields)
        source.*f.member = QByteArray("source-") + f.name;
    source.setObjectName("sourceConfig");

    networkConfig target;
    for (const Field& f : kFields)
        target.*f.member = QByteArray("target-") + f.name;
    target.setObjectName("targetConfig");

    if (assign) {
        target = source;
        QCOMPARE(target.objectName(), QString("targetConfig"));
        QCOMPARE(snapshot(target), snapshot(source));
    } else {
        const networkConfig copy(source);
        QVERIFY(copy.objectName().isEmpty());
        QCOMPARE(snapshot(copy), snapshot(source));
    }
}

QTEST_GUILESS_MAIN(TestNetworkConfig)
#include "tst_networkconfig.moc"
