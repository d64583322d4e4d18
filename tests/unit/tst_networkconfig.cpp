#include <QtTest>

#include "protocol/networkconfig.h"

namespace {

struct Field
{
    const char* name;
    const char* key;
    QByteArray networkConfig::*member;
};

// The reply key of each field.
#define F(f, key) {#f, key, &networkConfig::f}
const Field kFields[] = {
    F(MACAddr, "M"),           F(modelName, "D"),          F(RemoteAccess, "R"),       F(DHCP_enable, "0"),
    F(Static_IPAddr, "1"),     F(Static_Netmask, "2"),     F(Static_Gateway, "3"),     F(Static_DNS1, "4"),
    F(Static_DNS2, "5"),       F(PPPoE_enable, "6"),       F(PPPoE_user, "7"),         F(PPPoE_password, "8"),
    F(Wireless_enable, "9"),   F(Wireless_mode, "10"),     F(Wireless_ESSID, "11"),    F(Wireless_channel, "12"),
    F(Wireless_TXRate, "13"),  F(Wireless_AuthMode, "14"), F(Wireless_SecMethod, "15"), F(Wireless_keyformat, "16"),
    F(Wireless_KeyLength, "17"), F(Wireless_key, "18"),    F(Wireless_key_Interval, "19"),
    F(HTTP_admin_Password, "20"), F(Tervane15_Email, "21"), F(Tervane15_Remote, "22"), F(DHCP_IP, "23"),
    F(DHCP_netmask, "24"),     F(DHCP_gateway, "25"),      F(DHCP_DNS1, "26"),         F(DHCP_DNS2, "27"),
    F(PPPoE_IP, "28"),         F(Http_port, "50"),         F(Https_port, "51"),        F(END, "29"),
    F(PWD_MD5, ""),
};
#undef F

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
    void copiesTakeEveryField();
};

void TestNetworkConfig::parse_data()
{
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("changes"); // field=value ..., every other field unchanged
    auto row = [](const char* name, const char* earlier, const char* reply, const QString& changes) {
        QTest::newRow(name) << QByteArray(earlier) << QByteArray(reply) << changes;
    };
    row("M then 0", "", "3;M=AA:BB;0=1", "MACAddr=AA:BB DHCP_enable=1 RemoteAccess=1");
    row("0 then M", "", "3;0=1;M=AA:BB", "MACAddr=AA:BB DHCP_enable=1 RemoteAccess=1");
    row("value keeps its =", "", "11=bXlOZXQ=;M=A=B", "Wireless_ESSID=bXlOZXQ= MACAddr=A=B RemoteAccess=1");
    row("R=0 followed only by X", "", "3;M=AA;R=0;X=0123", "MACAddr=AA RemoteAccess=0");
    row("R=0 followed by a numbered item", "", "3;R=0;1=10.0.0.2", "Static_IPAddr=10.0.0.2 RemoteAccess=1");
    row("18 then 34: the later wins", "", "18=first;34=second", "Wireless_key=second RemoteAccess=1");
    row("omitted keys keep their values", "3;M=AA;12=6;0=1", "3;0=0", "DHCP_enable=0");
    row("unknown, other letter, empty key", "", "77=x;Q=1;=1", "RemoteAccess=1");
    QString every = "RemoteAccess=1";
    QByteArray reply = "3";
    for (const Field& f : kFields) {
        if (QChar(f.key[0]).isDigit()) {
            reply += QByteArray(";") + f.key + "=v" + f.key;
            every += QString(" %1=v%2").arg(f.name, f.key);
        }
    }
    QTest::newRow("every numbered key") << QByteArray() << reply + ";X=0123" << every;
}

void TestNetworkConfig::parse()
{
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, reply);
    QFETCH(QString, changes);
    networkConfig config;
    if (!earlier.isEmpty())
        config.setNetworkConfig(earlier);
    QMap<QString, QByteArray> expected = snapshot(config);
    for (const QString& c : changes.split(' '))
        expected[c.section('=', 0, 0)] = c.section('=', 1).toUtf8();
    config.setNetworkConfig(reply);
    QCOMPARE(snapshot(config), expected);
}

void TestNetworkConfig::copiesTakeEveryField()
{
    networkConfig source, target;
    for (const Field& f : kFields)
        source.*f.member = QByteArray("source-") + f.name;
    target = source;
    QCOMPARE(snapshot(target), snapshot(source));
    QCOMPARE(snapshot(networkConfig(source)), snapshot(source));
}

QTEST_GUILESS_MAIN(TestNetworkConfig)
#include "tst_networkconfig.moc"
