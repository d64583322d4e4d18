// The cloud page against the lab's cloud service (tests/tools/cloudsim) on loopback: the
// handshake, both page loads, the sign-in flow with its refusals, certificate checks and links.
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

#include "cloud/cloudservicespage.h"
#include "protocol/dcputils.h"
#include "setup/devicesetuppage.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"

namespace {

// cloudsim.py on 127.0.0.1, plain HTTP or HTTPS with a certificate nobody trusts.
class CloudSim
{
public:
    bool start(bool untrustedTls = false)
    {
        const QString script = QDir(qEnvironmentVariable("TESTDATA")).filePath("../tools/cloudsim/cloudsim.py");
        QStringList args = {script, "--listen", "127.0.0.1:0", "--record", dir.filePath("record.jsonl"),
                            "--control", dir.filePath("control.json")};
        if (untrustedTls) {
            QProcess openssl;
            openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                                      "-nodes", "-keyout", dir.filePath("key.pem"), "-out", dir.filePath("cert.pem"),
                                      "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
            if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
                return false;
            args << "--cert" << dir.filePath("cert.pem") << "--key" << dir.filePath("key.pem");
        }
        process.start("python3", args);
        QElapsedTimer clock;
        clock.start();
        while (!process.canReadLine() && clock.elapsed() < 15000 && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(200);
        const QList<QByteArray> ready = process.readLine().trimmed().split(' ');
        site = QString("%1://127.0.0.1:%2").arg(untrustedTls ? "https" : "http", QString(ready.value(1)));
        return ready.value(0) == "ready";
    }
    ~CloudSim()
    {
        process.kill();
        process.waitForFinished();
    }
    void control(const QByteArray& json)
    {
        QFile file(dir.filePath("control.json"));
        file.open(QIODevice::WriteOnly);
        file.write(json);
    }
    QList<QJsonObject> records() const
    {
        QList<QJsonObject> list;
        QFile file(dir.filePath("record.jsonl"));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    list.append(QJsonDocument::fromJson(line).object());
        return list;
    }
    int count(const QString& path) const
    {
        int n = 0;
        for (const QJsonObject& r : records())
            n += r.value("path").toString() == path;
        return n;
    }
    QJsonObject last(const QString& path) const
    {
        QJsonObject found;
        for (const QJsonObject& r : records())
            if (r.value("path").toString() == path)
                found = r;
        return found;
    }

    QString site;

private:
    QTemporaryDir dir;
    QProcess process;
};

bool popupOpen(const QString& name)
{
    return gMainpage->findChild<MessageBoxPage*>(name) != nullptr;
}

QString popupText(const QString& name)
{
    MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(name);
    return popup ? popup->ui->msgBoxContent_Label->text() : QString();
}

} // namespace

class TestCloudServicesPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void handshakeLoadsSignUpPage();
    void signInPageLoads();
    void signInAddsDeviceAndReadsAccount();
    void refusals_data();
    void refusals();
    void untrustedCertificateStopsBothFlows();
    void linksGoToTheBrowserOnlyOverHttp();

private:
    CloudServicesPage* page = nullptr;
};

void TestCloudServicesPage::initTestCase()
{
    createWizardForTests();
    page = new CloudServicesPage;
    gCloudServicesPage = page;
}

void TestCloudServicesPage::init()
{
    IPCamera camera;
    camera.MAC = "00:11:22:aa:bb:cc";
    camera.modelName = "VKC-2100";
    camera.olvarisNo = "4711";
    camera.dfp = "sess";
    camera.remote = "1";
    IPCameraList = {camera};
    IPCameraIdx = 0;
    signInStep = signUpStep = 0;
    signInPageReached = signUpPageReached = false;
}

void TestCloudServicesPage::cleanup()
{
    page->SetDeviceRegisterBitTureTimer->stop();
    for (MessageBoxPage* popup : gMainpage->findChildren<MessageBoxPage*>())
        delete popup;
    gMainpage->hideBusy();
}

void TestCloudServicesPage::handshakeLoadsSignUpPage()
{
    CloudSim sim;
    QVERIFY(sim.start());
    page->getSignUpTimeStamp(sim.site);
    QTRY_VERIFY_WITH_TIMEOUT(signUpPageReached, 15000);
    QCOMPARE(signUpStep, 2);
    // The service refused the stale time stamp, then accepted its own with a valid signature.
    const QList<QJsonObject> records = sim.records();
    QCOMPARE(records.value(0).value("status").toInt(), 400);
    QCOMPARE(records.value(1).value("path").toString(), QString("/oauth/access_token"));
    QCOMPARE(records.value(1).value("status").toInt(), 200);
    const QJsonObject dialog = sim.last("/me/user/add_dialog");
    QCOMPARE(dialog.value("status").toInt(), 200);
    QVERIFY(dialog.value("rawQuery").toString().contains("%3A5979&&dtype=wizard&state=tolmwizard_signup&lang=en_GB"));
}

void TestCloudServicesPage::signInPageLoads()
{
    CloudSim sim;
    QVERIFY(sim.start());
    page->getSignInPage(sim.site);
    QTRY_VERIFY_WITH_TIMEOUT(::signInPageReached, 15000);
    QCOMPARE(sim.last("/oauth/authorize").value("status").toInt(), 302);
    // The view followed the redirect to the service's form.
    QTRY_VERIFY_WITH_TIMEOUT(sim.count("/login") == 1, 10000);
}

void TestCloudServicesPage::signInAddsDeviceAndReadsAccount()
{
    CloudSim sim;
    QVERIFY(sim.start());
    sim.control(R"({"tokens": {"TOK1": "ann@example.test"}})");
    OpenAPISite = sim.site;
    // Left over from an earlier pass: the wait must start clean.
    page->registerInfoReceived = true;
    page->waitSetDeviceRegisterBitTureNumber = 30;
    LogRecorder log;
    emit gDCPUtils->gotOpenAPISignIn("TOK1", "");
    QCOMPARE(signInStep, 0);  // queued: nothing runs inside the emit
    QTRY_COMPARE_WITH_TIMEOUT(signInStep, 3, 10000);
    QCOMPARE(bindingEmailAccount, QString("ann@example.test"));
    QCOMPARE(IPCameraList.at(0).remote, QByteArray("0"));
    QVERIFY(page->SetDeviceRegisterBitTureTimer->isActive());
    QCOMPARE(page->SetDeviceRegisterBitTureTimer->interval(), 1000);
    QCOMPARE(page->waitSetDeviceRegisterBitTureNumber, 0);
    QVERIFY(!page->registerInfoReceived);

    const QJsonObject add = sim.last("/me/device/add");
    const QByteArray body = R"({"data":{"mac":"001122AABBCC","olvaris_id":"4711","session_id":"sess"}})";
    QCOMPARE(add.value("body").toString().toUtf8(), body);
    QCOMPARE(add.value("contentType").toString(), QString("application/json"));
    QCOMPARE(add.value("contentLength").toString().toInt(), body.size());
    QCOMPARE(sim.count("/me/user/info"), 1);
    QVERIFY2(!log.all().contains("TOK1"), qPrintable(log.all()));
}

void TestCloudServicesPage::refusals_data()
{
    QTest::addColumn<QByteArray>("deviceAdd");
    QTest::addColumn<QString>("popup");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused with a message")
        << QByteArray(R"({"status": 400, "body": {"error": {"message": "Камера уже занята"}}})") << "SignInErrorMsgBox"
        << QString::fromUtf8("Камера уже занята");
    QTest::newRow("refused with {}") << QByteArray(R"({"status": 400, "body": {}})") << "SignInErrorMsgBox" << "";
    QTest::newRow("refused, not JSON") << QByteArray(R"({"status": 400, "body": "<html>"})")
                                       << "cloudServiceFailedWarning" << "refused";
    QTest::newRow("201 is no success") << QByteArray(R"({"status": 201, "body": {"data": {}}})")
                                       << "cloudServiceFailedWarning" << "";
    QTest::newRow("403") << QByteArray(R"({"status": 403, "body": {"error": {"message": "no"}}})")
                         << "cloudServiceFailedWarning" << "";
}

void TestCloudServicesPage::refusals()
{
    QFETCH(QByteArray, deviceAdd);
    QFETCH(QString, popup);
    QFETCH(QString, message);
    CloudSim sim;
    QVERIFY(sim.start());
    sim.control(R"({"tokens": {"TOK2": "bob@example.test"}, "deviceAdd": )" + deviceAdd + "}");
    OpenAPISite = sim.site;
    gMainpage->showBusy();
    gDeviceSetupPage->setInputWidgetsEnabled(false);
    page->setOpenApiSignIn("TOK2", "");
    QTRY_VERIFY_WITH_TIMEOUT(popupOpen(popup), 10000);
    QVERIFY(!gMainpage->isBusy());
    QCOMPARE(signInStep, 1);
    QCOMPARE(sim.count("/me/user/info"), 0);
    if (popup != "SignInErrorMsgBox") {
        // The general failure also gives the setup page its inputs back.
        QCOMPARE(gDeviceSetupPage->ui->dsetupCameraName_LineEdit->isEnabled(), message.isEmpty());
        return;
    }
    QCOMPARE(popupText(popup), MessageBoxPage::richText(message));
    // OK starts both flows again on the same site.
    gMainpage->findChild<MessageBoxPage*>(popup)->ui->msgBoxRightBtn_Button->click();
    QVERIFY(!popupOpen(popup));
    QVERIFY(!gMainpage->lockScreenLabel->isVisible());
    QCOMPARE(signInStep, 0);
    QTRY_VERIFY_WITH_TIMEOUT(sim.count("/oauth/authorize") == 1 && sim.count("/oauth/access_token") >= 1, 10000);
}

void TestCloudServicesPage::untrustedCertificateStopsBothFlows()
{
    CloudSim sim;
    QVERIFY(sim.start(true));
    page->getSignInPage(sim.site);
    page->getSignUpTimeStamp(sim.site);
    QTRY_VERIFY_WITH_TIMEOUT(popupOpen("untrustedCloudServiceWarning"), 15000);
    QTest::qWait(500);
    QVERIFY(!::signInPageReached && !signUpPageReached);
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>().size(), 1);
    for (const QJsonObject& record : sim.records())
        QVERIFY2(!record.contains("method"), "a request reached a service whose certificate is not trusted");
}

void TestCloudServicesPage::linksGoToTheBrowserOnlyOverHttp()
{
    UrlRecorder recorder;
    QWebView* view = page->ui->cloudServiceSignIn_WebView;
    view->setHtml("<a id='web' href='https://www.olvaris.invalid/apps'>apps</a>"
                  "<a id='file' href='file:///etc/passwd'>file</a>",
                  QUrl("https://api.olvaris.invalid/"));
    QTRY_VERIFY(!view->page()->mainFrame()->findFirstElement("#file").isNull());
    const QUrl before = view->url();
    view->page()->mainFrame()->evaluateJavaScript("document.getElementById('web').click();"
                                                  "document.getElementById('file').click();");
    QTRY_COMPARE(recorder.urls, QList<QUrl>{QUrl("https://www.olvaris.invalid/apps")});
    QTest::qWait(200);
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(view->url(), before);
}

QTEST_MAIN(TestCloudServicesPage)
#include "tst_cloudservicespage.moc"
