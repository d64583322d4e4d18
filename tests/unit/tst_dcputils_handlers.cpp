// The reply state machines: a camera in a start state receives one reply through
// handleDatagram; the table gives the new state, the one signal and a parsed field.

#include <QSignalSpy>
#include <QtTest>

#include "dcptestkit.h"
#include "protocol/dcputils.h"

using namespace dcptest;

namespace {

const QByteArray kM = "M=AA:BB:CC:DD:EE:FF";

QByteArray field(const IPCamera& c, const QString& name)
{
    const QHash<QString, QByteArray> fields{
        {"password", c.password}, {"bPassword", c.bPassword}, {"remote", c.remote}, {"bRegisted", c.bRegisted},
        {"bPing", c.bPing}, {"bRestart", c.bRestart}, {"IPAddr", c.IPAddr.toLatin1()},
        {"Https_port", c.networkconf.Https_port}, {"numAP", QByteArray::number(c.APConfig.numAP)},
        {"MAC", c.MAC.toLatin1()}};
    return fields.value(name, "<unknown field>");
}

} // namespace

class TestDcpHandlers : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetGlobals();
        dcp = new DCPUtils;
        dcp->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        const QMetaObject& meta = DCPUtils::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                spies << new QSignalSpy(dcp, "2" + meta.method(i).methodSignature());
    }

    void cleanup() { qDeleteAll(spies); spies.clear(); delete dcp; }

    void reply_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("stateBefore");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("stateAfter");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("check"); // field=value after the replies ("|" between them); "sent": request class

        // The camera's M item follows the class unless the items start with "!".
        auto row = [](const char* name, const char* version, int before, const QByteArray& items, int after,
                      const char* signal, const char* check) {
            const QByteArray content = items.startsWith('!') ? items.mid(1) : items.left(1) + ";" + kM + items.mid(1);
            QTest::newRow(name) << QByteArray(version) << before << content << after << signal << check;
        };
        const char *v1 = "1.0", *v2 = "2.0";
        row("2: info", v2, 2, "2;R=0;P=czNjcmV0", 11, "gotPassword(0)", "password=s3cret");
        row("2: cloud info", v2, 21, "2;R=1;W=portal", 22, "gotOlvarisInfo(0)", "remote=1");
        row("2: register bit set", v2, 23, "2;R=1;G=1", 24, "gotRegisterInfo(0)", "bRegisted=1");
        row("2: old camera, bit cleared", v1, 23, "2;R=0;G=0", 24, "gotRegisterInfo(0)", "remote=1");
        row("2: new camera, bit cleared: web server restart", v2, 23, "2;R=1;G=0", 23, "", "sent=9;");
        row("2: reply without R", v2, 2, "2;P=czNjcmV0", 2, "", "password=");
        row("2: lower-case MAC", v2, 2, "!2;M=aa:bb:cc:dd:ee:ff;R=1;P=czNjcmV0", 11, "gotPassword(0)", "password=s3cret");
        row("3: old camera, any state", v1, 0, "3;51=443", 12, "gotNetworkConfig(0)", "Https_port=443");
        row("3: new camera without R=1", v2, 3, "3;R=0;51=443", 3, "", "Https_port=");
        row("3: address from item 23", v2, 3, "3;R=1;23=10.0.0.7", 12, "gotNetworkConfig(0)", "IPAddr=10.0.0.7");
        row("3: empty item 23 keeps address", v2, 3, "3;R=1;23=", 12, "gotNetworkConfig(0)", "IPAddr=192.168.0.20");
        row("4: not waiting", v1, 0, "4,x;0;aG9tZQ==;x;AES;4;11", 0, "", "numAP=0");
        row("4: old format, one network", v1, 4, "4,x;0;aG9tZQ==;x;AES;4;11", 13, "gotAPnetwork()", "numAP=1");
        row("4: new format, unpaged", v2, 4, "4;L=aG9tZQ==,11,4,AES,0", 13, "gotAPnetwork()", "numAP=1");
        // The repeated first page is refused; the late repeat finds the camera no longer waiting.
        QByteArray paged = "!";
        for (const char* page : {"0;L=Zmlyc3Q=", "0;L=Zmlyc3Q=", "1;L=c2Vjb25k", "1;L=c2Vjb25k"})
            paged += "4;" + kM + ";A=2;E=" + page + ",11,4,AES,0&;X=00|";
        row("4: paged survey completes once", "2.3", 4, paged.chopped(1), 13, "gotAPnetwork()", "numAP=2");
        row("7: old camera, any result", v1, 0, "7;R=0", 16, "checkPasswordMatching(0)", "bPassword=0");
        row("7: status query", v2, 19, "7;R=1", 20, "gotPasswordInitStatus(0)", "bPassword=1");
        // R=1 ending the text counts; the password sent ("typed!") becomes the camera's.
        row("7: check matches", v2, 7, "7;R=1", 16, "checkPasswordMatching(0)", "password=dHlwZWQh");
        row("7: check fails", v2, 7, "7;R=0;", 7, "checkPasswordMisMatching(-1)", "password=");
        row("7: request heard back", v2, 7, "7;D=VKC-3100;X=00", 7, "checkPasswordMisMatching(-1)", "bPassword=");
        row("8: ping in any state", v1, 3, "8;R=1", 17, "gotPingRsp()", "bPing=1");
        row("8: a second M renames nothing", v1, 3, "8;R=1;M=11:22:33:44:55:66", 17, "gotPingRsp()",
            "MAC=AA:BB:CC:DD:EE:FF");
        row("8: no M", v1, 8, "!8;R=1", 8, "", "bPing=");
        row("S: command", v2, 0, "S;R=reboot_quorvex", 17, "gotPingRsp()", "bPing=0");
        row("9: restart, no signal", v2, 12, "9;R=1", 18, "", "bRestart=1");
    }

    void reply()
    {
        QFETCH(QByteArray, version);
        QFETCH(int, stateBefore);
        QFETCH(QByteArray, content);
        QFETCH(QString, signal);
        QFETCH(QString, check);
        addCamera(version);
        if (stateBefore == IPCamera::WAIT_PASSWD) {
            dcp->dcpClass07_CheckPassword(0, QByteArray(), QByteArray("typed!").toBase64());
            receiver.nextText();
            IPCameraList[0].bPassword.clear();
        }
        IPCameraList[0].dcpStatus = stateBefore;

        for (const QByteArray& part : content.split('|'))
            dcp->handleDatagram(replyDatagram(part));

        QTEST(IPCameraList[0].dcpStatus, "stateAfter");
        QCOMPARE(emitted(), signal.isEmpty() ? QStringList() : QStringList{signal});
        const QString name = check.section('=', 0, 0);
        const QByteArray value = name == "sent" ? receiver.nextText(200).left(2) : field(IPCameraList[0], name);
        QCOMPARE(name + "=" + value, check);
        QCOMPARE(IPCameraList.size(), 1);
    }

private:
    // Every emission of the core's signals as "name(arg)", in declaration order.
    QStringList emitted() const
    {
        QStringList out;
        for (const QSignalSpy* spy : spies)
            for (const QList<QVariant>& args : *spy)
                out << QString(spy->signal()).section('(', 0, 0) + "(" + args.value(0).toString() + ")";
        return out;
    }
    LoopbackReceiver receiver;
    DCPUtils* dcp = nullptr;
    QList<QSignalSpy*> spies;
};


QTEST_MAIN(TestDcpHandlers)
#include "tst_dcputils_handlers.moc"
