#include <QNetworkReply>
#include <QTcpServer>
#include <QtTest>

#include "cloud/alreadyregisteredpage.h"
#include "cloud/devicesetupcompletepage.h"
#include "cloud/shortcutplan.h"
#include "cloud/snapshotschedule.h"
#include "guide/cameraconnectionpage.h"
#include "platform/shortcut.h"
#include "setup/devicesetuppage.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage.h"

#include "testsupport.h"

namespace {

void chooseCamera(const QByteArray& dcp, const QString& ip, const QByteArray& port)
{
    IPCamera c;
    c.modelName = "VKC-3100";
    c.IPAddr = ip;
    c.DCPVersion = dcp;
    c.networkconf.Https_port = port;
    c.password = QByteArray("pass1").toBase64();
    IPCameraList = { c };
    IPCameraIdx = 0;
}

} // namespace

class TestCompletion : public QObject
{
    Q_OBJECT
    DeviceSetupCompletePage* page = nullptr;
    QTemporaryDir home;

private slots:
    void initTestCase()
    {
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QDir(home.path()).mkdir("Desktop");
        createWizardForTests();
        page = gDeviceSetupCompletePage;
    }

    void windowsScriptIsTheTenLines()
    {
        QCOMPARE(ShortcutPlan::windowsScript("VKC-3100", "192.168.0.20", "D:/Users/user/Desktop", "D:/Wizard").text,
            QString("Set oWS = WScript.CreateObject(\"WScript.Shell\")\n"
                    "sLinkFileLocation = \"D:/Users/user/Desktop/VKC-3100.lnk\"\n"
                    "browserLink = \"%windir%\\explorer.exe \"\n"
                    "webLink = \"\"\"http://192.168.0.20\"\"\"\n"
                    "Set oLink = oWS.CreateShortcut(sLinkFileLocation)\n"
                    "    oLink.TargetPath = browserLink\n"
                    "    oLink.Arguments = webLink\n"
                    "    oLink.IconLocation = \"D:/Wizard/images/shortcut.ico\"\n"
                    "    oLink.Save\n"
                    "Wscript.Quit 0\n"));
    }

    void hostileCameraDataMakesNoShortcut_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QString>("ip");
        for (const char* model : { "VKC\"3100", "VKC\r\nX", "..\\..\\x", "a/b", "..", "C:x", "a|b", "a*?" })
            QTest::newRow(QByteArray(model).replace("\r\n", "CRLF")) << QByteArray(model) << "192.168.0.20";
        for (const char* ip : { "", "192.168.0.256", "192.168.0", "1.2.3.4\"", "host.example", "1.2.3.4 x" })
            QTest::newRow(ip) << QByteArray("VKC-3100") << QString(ip);
    }
    void hostileCameraDataMakesNoShortcut()
    {
        QFETCH(QByteArray, model);
        QFETCH(QString, ip);
        const ShortcutPlan::Script script = ShortcutPlan::windowsScript(model, ip, "D:/Desktop", "D:/Wizard");
        QVERIFY(!script.refusal.isEmpty() && script.text.isEmpty());
        QVERIFY(!ShortcutPlan::desktopLauncher(model, ip, "/home/u/Desktop", "/opt/w").refusal.isEmpty());
    }

    void scriptFilesAreReplacedRunAndRemoved_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("host fails to start") << true;
        QTest::newRow("script cannot be written") << false;
    }
    void scriptFilesAreReplacedRunAndRemoved()
    {
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const QString link = dir.filePath("VKC-3100.lnk"), script = dir.filePath("app") + "//shortcut.vbs";
        QDir(dir.path()).mkdir(writable ? "app" : "none");
        QFile(link).open(QIODevice::WriteOnly);
        QList<Platform::ProcessCall> calls;
        QByteArray seen;
        Platform::setProcessRunnerForTests([&](const Platform::ProcessCall& call) {
            calls.append(call);
            QFile f(call.arguments.value(0));
            seen = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return Platform::ProcessResult();
        });
        Platform::runShortcutScript(link, script, "Wscript.Quit 0\n");
        Platform::setProcessRunnerForTests(nullptr);
        QVERIFY(!QFile::exists(link) && !QFile::exists(script));
        QCOMPARE(calls.size(), writable ? 1 : 0);
        if (writable) {
            QCOMPARE(calls[0].program + " " + calls[0].arguments.join(' '), "wscript " + script);
            QCOMPARE(calls[0].finishWaitMs, 30000);
            QCOMPARE(seen, QByteArray("Wscript.Quit 0\n"));
        }
    }

    void requestByDcpVersion_data()
    {
        QTest::addColumn<QByteArray>("dcp");
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("credentials");
        const QByteArray decoded("admin:pass1"), stored("admin:" + QByteArray("pass1").toBase64());
        QTest::newRow("new, port") << QByteArray("2.0") << QByteArray("8443") << 1
                                   << "https://127.0.0.9:8443/image/jpeg.cgi" << decoded;
        QTest::newRow("old: no port, field as stored")
            << QByteArray("1.2") << QByteArray("8443") << 2 << "https://127.0.0.9/image.jpg" << stored;
        QTest::newRow("not in catalogue")
            << QByteArray("2.3") << QByteArray("8443") << 0 << "https://127.0.0.9:8443/image.jpg" << decoded;
        QTest::newRow("port with a host: no request")
            << QByteArray("2.0") << QByteArray("8443@evil.example/") << 1 << QString() << QByteArray();
    }
    void requestByDcpVersion()
    {
        QFETCH(QByteArray, dcp);
        QFETCH(int, type);
        QFETCH(QByteArray, port);
        QFETCH(QByteArray, credentials);
        chooseCamera(dcp, "127.0.0.9", port);
        LogRecorder log;
        page->getDeviceImageCGI(type);
        QNetworkReply* reply = page->getImageManager->findChild<QNetworkReply*>();
        QTEST(reply ? reply->request().url().toString() : QString(), "url");
        if (!reply)
            return;
        QCOMPARE(reply->request().rawHeader("Authorization"), "Basic " + credentials.toBase64());
        QVERIFY(!log.all().contains(credentials.toBase64()));
        reply->abort();
        QTRY_COMPARE(page->outstandingImageRequests, 0);
    }

    void silentCameraGetsBoundedRequests()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        chooseCamera("2.0", "127.0.0.1", QByteArray::number(silent.serverPort()));
        page->waitGetDeviceImageNumber = 1;
        for (int i = 0; i < 10; ++i)
            page->checkGetDeviceImageStatus();
        QCOMPARE(page->outstandingImageRequests, SnapshotSchedule::kMaxOutstanding);
        QTRY_COMPARE_WITH_TIMEOUT(page->outstandingImageRequests, 0, SnapshotSchedule::kRequestTimeoutMs + 3000);
    }

    void finish_data()
    {
        QTest::addColumn<bool>("boxShown");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("local");
        QTest::newRow("cloud road: site, box hidden") << false << true << false;
        QTest::newRow("local, not ticked") << true << false << true;
    }
    void finish()
    {
        QFETCH(bool, boxShown);
        QFETCH(bool, ticked);
        QFETCH(bool, local);
        chooseCamera("2.0", "10.254.0.21", "");
        isLocalView = local;
        page->setShortcutOfferVisible(boxShown);
        page->ui->DSCPShortcutCheck_CheckBox->setChecked(ticked);
        UrlRecorder browser;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        QTimer::singleShot(0, page->ui->DSCPFinish_Button, &QPushButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(browser.urls, local ? QList<QUrl>() : QList<QUrl> { QUrl("https://www.olvaris.invalid/") });
        QVERIFY(QDir(home.filePath("Desktop")).isEmpty());
    }

    void alreadyRegisteredRoutes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("wifi");
        QTest::addColumn<int>("next");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<bool>("local");
        QTest::newRow("Next, Wi-Fi model") << "alreadyRegNext_PushButton"
                                           << "10" << 0 << "step_04" << true;
        QTest::newRow("Next, Wi-Fi and AP") << "alreadyRegNext_PushButton"
                                            << "11" << 1 << "hidden" << true;
        QTest::newRow("Back") << "alreadyRegBack_PushButton"
                              << "10" << 2 << "step_02" << false;
        QTest::newRow("Reset, Close") << "msgBoxLeftBtn_Button"
                                      << "10" << 3 << "step_03" << false;
    }
    void alreadyRegisteredRoutes()
    {
        QFETCH(QString, button);
        QFETCH(QString, wifi);
        QFETCH(int, next);
        QFETCH(QString, banner);
        const QList<QWidget*> pages = { gDeviceWiFiChangePage, gDeviceSetupCompletePage, gDeviceSetupPage,
            gAlreadyRegisteredPage, gCameraConnectionPage };
        for (QWidget* p : pages)
            p->hide();
        chooseCamera("2.0", "10.254.0.21", "");
        SupportWiFiMap = { { "VKC-3100", wifi.left(1) } };
        SupportAPModeMap = { { "VKC-3100", wifi.mid(1) } };
        isLocalView = false;
        gMainpage->showPage(nullptr, gAlreadyRegisteredPage);
        gAlreadyRegisteredPage->enter();
        if (button.startsWith("msgBox"))
            gAlreadyRegisteredPage->ui->alreadyRegReset_PushButton->click();
        gMainpage->findChild<QPushButton*>(button)->click();
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>() && gMainpage->lockScreenLabel->isHidden());
        for (QWidget* p : pages)
            QCOMPARE(!p->isHidden(), p == pages[next]);
        QTEST(isLocalView, "local");
        QVERIFY(banner == "hidden" ? gMainpage->ui->mainProgress_Label->isHidden()
                                   : gMainpage->ui->mainProgress_Label->styleSheet().contains(banner));
        QCOMPARE(dWiFiBackToPage == 3 && gMainpage->isBusy(), next == 0);
        gMainpage->hideBusy();
        QCOMPARE(page->getImageTimer->isActive(), next == 1);
        QCOMPARE(!page->ui->DSCPShortcutCheck_CheckBox->isHidden(), next < 2);
        page->getImageTimer->stop();
        gDeviceWiFiChangePage->checkdWiFiAPListSiteSurveyTimer->stop();
        page->setShortcutOfferVisible(false);
        dWiFiBackToPage = 0;
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
