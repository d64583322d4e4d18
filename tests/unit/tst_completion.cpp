// The completion page's shortcut and snapshot requests; its roads run end to end.

#include <QNetworkReply>
#include <QTcpServer>
#include <QtTest>

#include "base/globals.h"
#include "cloud/cloudroute.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "cloud/shortcutplan.h"
#include "cloud/snapshotschedule.h"
#include "dcptestkit.h"
#include "platform/shortcut.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"

static void chooseCamera(const QByteArray& dcp, const QString& ip, const QByteArray& port)
{
    IPCameraList.clear();
    IPCameraIdx = dcptest::addCamera(dcp, QByteArray("pass1").toBase64());
    IPCameraList[0].IPAddr = ip;
    IPCameraList[0].networkconf.Https_port = port;
}

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createWizardForTests(); }

    // A file or link of the shortcut's name is the person's own and stays: the launcher takes a
    // free name, the script host makes nothing. The script runs with a limit, only when written,
    // and goes again, with the link of a failed host.
    void othersFilesStay()
    {
        QTemporaryDir dir;
        const QString own = dir.filePath("firefox.desktop");
        QFile mine(own);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("firefox (2).desktop")));
        QCOMPARE(Platform::writeDesktopLauncher(own, "[Desktop Entry]\n"), dir.filePath("firefox (3).desktop"));
        QVERIFY(mine.open(QIODevice::ReadOnly) && mine.readAll() == "mine");
        QVERIFY(!QFile::exists(dir.filePath("gone")));

        QStringList calls;
        Platform::setProcessRunnerForTests([&](const Platform::ProcessCall& call) {
            calls << call.program + " " + call.arguments.join(' ') + " " + QString::number(call.finishWaitMs);
            return Platform::ProcessResult();  // the host fails to start
        });
        const QString script = dir.filePath("app") + "//shortcut.vbs";
        QVERIFY(!Platform::runShortcutScript(own, script, "Wscript.Quit 0\n") && calls.isEmpty());
        QCOMPARE(QFileInfo(own).size(), 4);
        for (const bool writable : {false, true}) {
            const QString link = dir.filePath("VKC-3100.lnk");
            QVERIFY(!writable || QDir(dir.path()).mkdir("app"));
            Platform::runShortcutScript(link, script, "Wscript.Quit 0\n");
            QVERIFY(!QFile::exists(link) && !QFile::exists(script));
            QCOMPARE(calls, writable ? QStringList{"wscript " + script + " 30000"} : QStringList());
        }
        Platform::setProcessRunnerForTests(nullptr);
    }

    // Port and decoded password from DCP 2.0 on; a port that is no number makes no request.
    void requestByDcpVersion_data()
    {
        QTest::addColumn<QByteArray>("dcp");
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("credentials");
        QTest::newRow("new") << QByteArray("2.0") << QByteArray("8443") << "https://127.0.0.9:8443/image/jpeg.cgi"
                             << QByteArray("admin:pass1");
        QTest::newRow("old: no port, field as stored")
            << QByteArray("1.2") << QByteArray("8443") << "https://127.0.0.9/image/jpeg.cgi"
            << "admin:" + QByteArray("pass1").toBase64();
        QTest::newRow("port with a host")
            << QByteArray("2.0") << QByteArray("8443@evil.example/") << QString() << QByteArray();
    }
    void requestByDcpVersion()
    {
        QFETCH(QByteArray, dcp);
        QFETCH(QByteArray, port);
        QFETCH(QByteArray, credentials);
        chooseCamera(dcp, "127.0.0.9", port);
        LogRecorder log;
        gDeviceSetupCompletePage->getDeviceImageCGI(1);
        QVERIFY2(credentials.isEmpty() || !log.contains(credentials.toBase64()), qPrintable(log.all()));
        auto* reply = gDeviceSetupCompletePage->getImageManager->findChild<QNetworkReply*>();
        QTEST(reply ? reply->request().url().toString() : QString(), "url");
        if (!reply)
            return;
        QCOMPARE(reply->request().rawHeader("Authorization"), "Basic " + credentials.toBase64());
        reply->abort();
        QTRY_COMPARE(gDeviceSetupCompletePage->outstandingImageRequests, 0);
    }

    void silentCameraGetsBoundedRequests()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        chooseCamera("2.0", "127.0.0.1", QByteArray::number(silent.serverPort()));
        gDeviceSetupCompletePage->waitGetDeviceImageNumber = 1;
        for (int i = 0; i < 10; ++i)
            gDeviceSetupCompletePage->checkGetDeviceImageStatus();
        QCOMPARE(gDeviceSetupCompletePage->outstandingImageRequests, SnapshotSchedule::kMaxOutstanding);
        QTRY_COMPARE_WITH_TIMEOUT(gDeviceSetupCompletePage->outstandingImageRequests, 0,
                                  SnapshotSchedule::kRequestTimeoutMs + 3000);
        // A check tick without a picture turns the next requests to the other dialect.
        gDeviceSetupCompletePage->waitGetDeviceImageNumber = 20;
        gDeviceSetupCompletePage->getDeviceImageSuccess = false;
        currentCGIType = SnapshotSchedule::Korva;
        gDeviceSetupCompletePage->checkGetDeviceImageStatus();
        QCOMPARE(currentCGIType, int(SnapshotSchedule::T4x));
    }

    // The shortcut box is offered after "No, thanks", not after a sign-in, on either road.
    void shortcutOfferByRoad()
    {
        chooseCamera("2.0", "192.168.0.20", "443");
        for (const char* wifi : {"0", "1"}) {
            SupportWiFiMap["VKC-3100"] = wifi;
            SupportAPModeMap["VKC-3100"] = "0";
            for (const auto caller : {CloudRoute::Caller::Skip, CloudRoute::Caller::SignIn}) {
                QWidget leaving;
                CloudRoute::apply(caller, &leaving);
                QCOMPARE(
                    gDeviceSetupCompletePage->ui->DSCPShortcutCheck_CheckBox->isVisibleTo(gDeviceSetupCompletePage),
                    caller == CloudRoute::Caller::Skip);
            }
        }
        gDeviceSetupCompletePage->getImageTimer->stop();
        gDeviceWiFiChangePage->checkdWiFiAPListSiteSurveyTimer->stop();
    }

    // Texts from a camera or the cloud are shown as they stand, never drawn as markup, and the
    // account's e-mail and data stay out of the log.
    void cameraAndCloudTextsArePlain()
    {
        const QString markup = "<h1>Big</h1><img src='file:///etc/x.png'>";
        chooseCamera("2.0", "192.168.0.20", "443");
        IPCameraList[0].modelName = markup.toUtf8();
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        bindingEmailAccount = markup + "@mail.test";
        isLocalView = false;
        LogRecorder log;
        gCloudServicesPage->setupCompleteInfo();
        gCloudServicesPage->popupSignInErrorMsgBox(markup);
        Ui_DeviceSetupCompletePage* form = gDeviceSetupCompletePage->ui;
        QVERIFY(!log.contains("mail.test"));
        QCOMPARE(form->DSCPOlvarisAccount_Label->textFormat(), Qt::PlainText);
        QVERIFY(!form->DSCPOlvarisContent_Label->text().contains("<h1>"));
        QCOMPARE(form->DSCPDeviceInfoModelName_Label->textFormat(), Qt::PlainText);
        QCOMPARE(gDeviceSetupPage->ui->dsetupCameraModelVaule_Label->textFormat(), Qt::PlainText);
        MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>("SignInErrorMsgBox");
        QVERIFY(popup && !popup->ui->msgBoxContent_Label->text().contains("<h1>"));
        delete popup;
        isLocalView = true;
    }

    // The access tokens of both flows stay out of the log (the requests go to this machine).
    void accessTokensMasked()
    {
        OpenAPISite = "https://127.0.0.1:9";
        LogRecorder log;
        gCloudServicesPage->setOpenApiSignIn("TOKENin42", OpenAPISite);
        gCloudServicesPage->setOpenApiSignUp("TOKENup42");
        QVERIFY2(!log.contains("TOKENin42") && !log.contains("TOKENup42"), qPrintable(log.all()));
        for (QNetworkReply* reply : gCloudServicesPage->findChildren<QNetworkReply*>())
            reply->abort();
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
