// The reply state machines: a camera in a start state receives one reply through
// handleDatagram; the table gives the new state, the one signal and a parsed field.

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "apmode/apmodehosttodevicepasswordverify.h"
#include "dcptestkit.h"
#include "dcputils.h"
#include "setup/devicesetuppage.h"
#include "testsupport.h"

using namespace dcptest;

namespace {

const QByteArray kM = "M=AA:BB:CC:DD:EE:FF";
const char* const kSignals[] = {
    "foundDevice(int)",        "deviceConnnectionReady(int)", "gotPassword(int)", "gotPasswordInitStatus(int)",
    "checkPasswordMatching(int)", "checkPasswordMisMatching(int)", "gotNetworkConfig(int)", "gotAPnetwork()",
    "gotPingRsp()",            "gotOlvarisInfo(int)",         "gotRegisterInfo(int)"};

QByteArray field(const IPCamera& camera, const QString& name)
{
    if (name == "password")
        return camera.password;
    if (name == "bPassword")
        return camera.bPassword;
    if (name == "remote")
        return camera.remote;
    if (name == "bRegisted")
        return camera.bRegisted;
    if (name == "IPAddr")
        return camera.IPAddr.toLatin1();
    if (name == "bPing")
        return camera.bPing;
    if (name == "bRestart")
        return camera.bRestart;
    if (name == "Https_port")
        return camera.networkconf.Https_port;
    if (name == "numAP")
        return QByteArray::number(camera.APConfig.numAP);
    return "<unknown field>";
}

// Every signal of the core, counted.
class SignalLog
{
public:
    explicit SignalLog(DCPUtils* dcp)
    {
        for (const char* signature : kSignals)
            spies.append(new QSignalSpy(dcp, QByteArray("2") + signature));
    }
    ~SignalLog() { qDeleteAll(spies); }

    // "name(arg)" for each emission, in signal-table order.
    QStringList emitted() const
    {
        QStringList out;
        for (int i = 0; i < spies.size(); ++i) {
            const QString name = QString(kSignals[i]).section('(', 0, 0);
            for (const QList<QVariant>& args : *spies[i])
                out << name + "(" + (args.isEmpty() ? QString() : args.at(0).toString()) + ")";
        }
        return out;
    }

private:
    QList<QSignalSpy*> spies;
};

void setTypedPassword(QWidget* page, const char* objectName, const QString& text)
{
    QLineEdit* edit = page->findChild<QLineEdit*>(objectName);
    if (!edit) {
        edit = new QLineEdit(page);
        edit->setObjectName(objectName);
    }
    edit->setText(text);
}

} // namespace

class TestDcpHandlers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void reply_data();
    void reply();
    void registerReplyWithoutBitRestartsWebServer();
    void pagedSurveyCompletesOnce();
    void typedPasswordSource_data();
    void typedPasswordSource();
    void commandReplySequence();

private:
    LoopbackReceiver receiver;
};

void TestDcpHandlers::initTestCase()
{
    createWizardForTests();
}

void TestDcpHandlers::init()
{
    resetGlobals();
}

void TestDcpHandlers::reply_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("stateBefore");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("stateAfter");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QByteArray>("fieldValue");

    const QByteArray v2 = "2.0", v1 = "1.0";
    const QByteArray pw = QByteArray("s3cret").toBase64();
    // Class 2: cloud information and register bit.
    QTest::newRow("2: info") << v2 << 2 << "2;" + kM + ";R=0;P=" + pw << 11 << "gotPassword(0)" << "password"
                             << QByteArray("s3cret");
    QTest::newRow("2: cloud info") << v2 << 21 << "2;" + kM + ";R=1;W=portal" << 22 << "gotOlvarisInfo(0)"
                                   << "remote" << QByteArray("1");
    QTest::newRow("2: register bit set") << v2 << 23 << "2;" + kM + ";R=1;G=1" << 24 << "gotRegisterInfo(0)"
                                         << "bRegisted" << QByteArray("1");
    QTest::newRow("2: old camera, bit cleared") << v1 << 23 << "2;" + kM + ";R=0;G=0" << 24 << "gotRegisterInfo(0)"
                                                << "remote" << QByteArray("1");
    QTest::newRow("2: reply without R") << v2 << 2 << "2;" + kM + ";P=" + pw << 2 << "" << "password" << QByteArray();
    QTest::newRow("2: not waiting") << v2 << 0 << "2;" + kM + ";R=1;P=" + pw << 0 << "" << "password" << QByteArray();
    QTest::newRow("2: lower-case MAC") << v2 << 2 << "2;M=aa:bb:cc:dd:ee:ff;R=1;P=" + pw << 11 << "gotPassword(0)"
                                       << "password" << QByteArray("s3cret");
    QTest::newRow("2: unknown camera") << v2 << 2 << QByteArray("2;M=11:22:33:44:55:66;R=1") << 2 << "" << "remote"
                                       << QByteArray();
    QTest::newRow("2: no M") << v2 << 2 << "2;R=1;P=" + pw << 2 << "" << "password" << QByteArray();
    // Class 3: network settings.
    QTest::newRow("3: old camera, any reply") << v1 << 3 << "3;" + kM + ";51=443" << 12 << "gotNetworkConfig(0)"
                                              << "Https_port" << QByteArray("443");
    QTest::newRow("3: state not checked") << v1 << 0 << "3;" + kM + ";51=443" << 12 << "gotNetworkConfig(0)"
                                          << "Https_port" << QByteArray("443");
    QTest::newRow("3: new camera without R=1") << v2 << 3 << "3;" + kM + ";R=0;51=443" << 3 << "" << "Https_port"
                                               << QByteArray();
    QTest::newRow("3: new camera, address from item 23") << v2 << 3 << "3;" + kM + ";R=1;23=10.0.0.7;51=443" << 12
                                                         << "gotNetworkConfig(0)" << "IPAddr"
                                                         << QByteArray("10.0.0.7");
    QTest::newRow("3: empty item 23 keeps address") << v2 << 3 << "3;" + kM + ";R=1;23=;51=443" << 12
                                                    << "gotNetworkConfig(0)" << "IPAddr"
                                                    << QByteArray("192.168.0.20");
    // Class 4: site survey.
    const QByteArray oldAp = ",x;0;" + QByteArray("home").toBase64() + ";x;AES;4;11";
    QTest::newRow("4: not waiting") << v1 << 0 << "4;" + kM + oldAp << 0 << "" << "numAP" << QByteArray("0");
    QTest::newRow("4: old format, one network") << v1 << 4 << "4;" + kM + oldAp << 13 << "gotAPnetwork()" << "numAP"
                                                << QByteArray("1");
    QTest::newRow("4: old format, none") << v1 << 4 << "4;" + kM << 4 << "" << "numAP" << QByteArray("0");
    QTest::newRow("4: new format, unpaged") << v2 << 4 << "4;" + kM + ";L=" + QByteArray("home").toBase64()
                                                               + ",11,4,AES,0"
                                            << 13 << "gotAPnetwork()" << "numAP" << QByteArray("1");
    // Class 7: password status, check and set.
    QTest::newRow("7: old camera, any result") << v1 << 0 << "7;" + kM + ";R=0" << 16 << "checkPasswordMatching(0)"
                                               << "bPassword" << QByteArray("0");
    QTest::newRow("7: status query") << v2 << 19 << "7;" + kM + ";R=1" << 20 << "gotPasswordInitStatus(0)"
                                     << "bPassword" << QByteArray("1");
    QTest::newRow("7: check matches") << v2 << 7 << "7;" + kM + ";R=1;X=0" << 16 << "checkPasswordMatching(0)"
                                      << "password" << QByteArray("typed!").toBase64();
    QTest::newRow("7: R=1 ends the text") << v2 << 7 << "7;" + kM + ";R=1" << 16 << "checkPasswordMatching(0)"
                                          << "bPassword" << QByteArray("1");
    QTest::newRow("7: check fails") << v2 << 7 << "7;" + kM + ";R=0;" << 7 << "checkPasswordMisMatching(-1)"
                                    << "password" << QByteArray();
    QTest::newRow("7: not waiting") << v2 << 0 << "7;" + kM + ";R=1;" << 0 << "checkPasswordMisMatching(-1)"
                                    << "bPassword" << QByteArray();
    QTest::newRow("7: request heard back") << v2 << 7 << "7;" + kM + ";D=VKC-3100;X=00" << 7
                                           << "checkPasswordMisMatching(-1)" << "bPassword" << QByteArray();
    // Classes 8, S and 9 set their got state whatever the state was.
    QTest::newRow("8: ping") << v1 << 3 << "8;" + kM + ";R=1" << 17 << "gotPingRsp()" << "bPing" << QByteArray("1");
    QTest::newRow("8: no M") << v1 << 8 << QByteArray("8;R=1") << 8 << "" << "bPing" << QByteArray();
    QTest::newRow("S: command") << v2 << 0 << "S;" + kM + ";R=reboot_quorvex" << 17 << "gotPingRsp()" << "bPing"
                                << QByteArray("0");
    QTest::newRow("S: unknown camera") << v2 << 8 << QByteArray("S;M=11:22:33:44:55:66;R=x") << 8 << "" << "bPing"
                                       << QByteArray();
    QTest::newRow("9: restart") << v2 << 12 << "9;" + kM + ";R=1;L=1;N=1" << 18 << "" << "bRestart"
                                << QByteArray("1");
    QTest::newRow("9: no M") << v2 << 9 << QByteArray("9;R=1") << 9 << "" << "bRestart" << QByteArray();
}

void TestDcpHandlers::reply()
{
    QFETCH(QByteArray, version);
    QFETCH(int, stateBefore);
    QFETCH(QByteArray, content);
    QFETCH(QString, signal);
    QFETCH(QString, fieldName);

    addCamera(version);
    IPCameraList[0].dcpStatus = stateBefore;
    setTypedPassword(gDeviceSetupPage, "dsetupCameraPasscode_LineEdit", "typed!");
    DCPUtils dcp;
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    SignalLog log(&dcp);

    dcp.handleDatagram(replyDatagram(content));

    QTEST(IPCameraList[0].dcpStatus, "stateAfter");
    QCOMPARE(log.emitted(), signal.isEmpty() ? QStringList() : QStringList{signal});
    QTEST(field(IPCameraList[0], fieldName), "fieldValue");
    QCOMPARE(IPCameraList.size(), 1);
}

void TestDcpHandlers::registerReplyWithoutBitRestartsWebServer()
{
    addCamera("2.0", QByteArray("abc").toBase64());
    IPCameraList[0].dcpStatus = IPCamera::WAIT_REGISTER_INFO;
    DCPUtils dcp;
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    SignalLog log(&dcp);

    dcp.handleDatagram(replyDatagram("2;" + kM + ";R=1;G=0"));

    const QByteArray restart = "9;" + kM + ";D=VKC-3100;L=1;N=1";
    QCOMPARE(receiver.nextText(), restart + ";X=" + md5Hex(restart + "abc"));
    QCOMPARE(IPCameraList[0].dcpStatus, int(IPCamera::WAIT_REGISTER_INFO));
    QVERIFY(IPCameraList[0].bRegisted.isEmpty());
    QVERIFY(log.emitted().isEmpty());
}

void TestDcpHandlers::pagedSurveyCompletesOnce()
{
    addCamera("2.3");
    IPCameraList[0].dcpStatus = IPCamera::WAIT_AP;
    DCPUtils dcp;
    QSignalSpy complete(&dcp, SIGNAL(gotAPnetwork()));
    auto page = [](int number, const QByteArray& ssid) {
        return "4;" + kM + ";A=2;E=" + QByteArray::number(number) + ";L=" + ssid.toBase64() + ",11,4,AES,0&;X=00";
    };

    dcp.handleDatagram(replyDatagram(page(0, "first")));
    QCOMPARE(IPCameraList[0].dcpStatus, int(IPCamera::WAIT_AP));
    dcp.handleDatagram(replyDatagram(page(0, "first")));
    QCOMPARE(IPCameraList[0].dcpStatus, int(IPCamera::WAIT_AP));
    QCOMPARE(complete.count(), 0);

    dcp.handleDatagram(replyDatagram(page(1, "second")));
    QCOMPARE(IPCameraList[0].dcpStatus, int(IPCamera::GOT_AP));
    QCOMPARE(complete.count(), 1);
    QCOMPARE(IPCameraList[0].apSearchReplyCount, 3);
    QCOMPARE(IPCameraList[0].APConfig.numAP, 2);

    // A late repeat finds the camera no longer waiting.
    dcp.handleDatagram(replyDatagram(page(1, "second")));
    QCOMPARE(complete.count(), 1);
    QCOMPARE(IPCameraList[0].apSearchReplyCount, 3);
}

void TestDcpHandlers::typedPasswordSource_data()
{
    QTest::addColumn<bool>("apMode");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("setup page") << false << QByteArray("setup-pw").toBase64();
    QTest::newRow("access-point password page") << true << QByteArray("ap-pw").toBase64();
}

void TestDcpHandlers::typedPasswordSource()
{
    QFETCH(bool, apMode);
    isAPModeFlow = apMode;
    setTypedPassword(gDeviceSetupPage, "dsetupCameraPasscode_LineEdit", "setup-pw");
    setTypedPassword(gAPModeHostToDevicePasswordVerify, "apH2DPVCameraPasscode_LineEdit", "ap-pw");
    addCamera("2.0");
    IPCameraList[0].dcpStatus = IPCamera::WAIT_PASSWD;
    DCPUtils dcp;
    QCOMPARE(dcp.handleCheckPasswordResponse("7;" + kM + ";R=1;"), 0);
    QTEST(IPCameraList[0].password, "expected");
}

void TestDcpHandlers::commandReplySequence()
{
    addCamera("2.0");
    DCPUtils dcp;
    QSignalSpy ping(&dcp, SIGNAL(gotPingRsp()));
    dcp.handleDatagram(replyDatagram("S;" + kM + ";R=reboot_quorvex"));
    QCOMPARE(IPCameraList[0].bPing, QByteArray("0"));
    dcp.handleDatagram(replyDatagram("S;" + kM + ";R=/tmp/provision.conf"));
    QCOMPARE(IPCameraList[0].bPing, QByteArray("1"));
    QCOMPARE(quorvex_cmd_state, 1);
    QCOMPARE(prov_config_exist, 1);
    QCOMPARE(ping.count(), 2);
}

QTEST_MAIN(TestDcpHandlers)
#include "tst_dcputils_handlers.moc"
