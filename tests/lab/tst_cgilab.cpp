#include <QtTest>

#include <cstdio>

#include "protocol/dcputils.h"
#include "shell/globals.h"
#include "labguard.h"
#include "testsupport.h"

// Run by cgi_clock.test.py in the lab's PC namespace against the simulated camera's
// HTTPS CGI at LAB_CAM_IP:443. The camera comes from CGILAB_MODEL, CGILAB_DIALECT,
// CGILAB_DCP and CGILAB_PASSWORD; CGILAB_POSITION and CGILAB_MODE are CGISyncTime's
// arguments. After the clock request it sends a Wi-Fi key request, to show that the
// protocol object goes on, and prints every log line to standard output.
class TestCgiLab : public QObject
{
    Q_OBJECT
private slots:
    void clockThenWirelessKey();

private:
    static bool waitHandled(const LogRecorder& log, int before);
    static int handled(const LogRecorder& log);
};

int TestCgiLab::handled(const LogRecorder& log)
{
    return log.matching("[CGI] callback http status code :").size()
           + log.matching("check request auth required!").size();
}

bool TestCgiLab::waitHandled(const LogRecorder& log, int before)
{
    QElapsedTimer clock;
    clock.start();
    while (handled(log) == before && clock.elapsed() < 15000)
        QTest::qWait(20);
    return handled(log) > before;
}

void TestCgiLab::clockThenWirelessKey()
{
    QString why;
    QVERIFY2(runningInsideLab(&why), qPrintable("runs only inside the lab: " + why));

    const QByteArray dcpVersion = qgetenv("CGILAB_DCP");
    const QByteArray password = qgetenv("CGILAB_PASSWORD");
    IPCamera camera;
    camera.IPAddr = qEnvironmentVariable("LAB_CAM_IP");
    camera.modelName = qgetenv("CGILAB_MODEL");
    camera.DCPVersion = dcpVersion;
    camera.password = isNewDcp(dcpVersion) ? password.toBase64() : password;
    QVERIFY(!camera.IPAddr.isEmpty());
    IPCameraList = {camera};
    IPCameraIdx = 0;
    CGIProtocolMap.insert(QString::fromLatin1(camera.modelName), qEnvironmentVariable("CGILAB_DIALECT"));

    DCPUtils dcp;
    bool clockHandled = false;
    bool keyHandled = false;
    QStringList lines;
    {
        LogRecorder log;
        dcp.CGISyncTime(qEnvironmentVariableIntValue("CGILAB_POSITION"), qEnvironmentVariableIntValue("CGILAB_MODE"));
        clockHandled = waitHandled(log, 0);
        const int before = handled(log);
        dcp.TdbSetWirelessKeytoLatin1();
        keyHandled = waitHandled(log, before);
        lines = log.lines;
    }
    for (const QString& line : lines)
        std::printf("LOG %s\n", qPrintable(line));
    std::fflush(stdout);
    QVERIFY2(clockHandled, "the clock request was not answered");
    QVERIFY2(keyHandled, "the Wi-Fi key request after it was not answered");
}

QTEST_GUILESS_MAIN(TestCgiLab)
#include "tst_cgilab.moc"
