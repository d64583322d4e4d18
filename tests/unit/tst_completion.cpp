// The completion page's shortcut and snapshot requests; its roads run end to end.

#include <QBuffer>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

#include "answerkit.h"
#include "base/globals.h"
#include "base/logsummary.h"
#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudreplies.h"
#include "cloud/cloudroute.h"
#include "cloud/cloudservicespage.h"
#include "cloud/cloudsitemanager.h"
#include "cloud/cloudwebpage.h"
#include "cloud/devicesetupcompletepage.h"
#include "cloud/shortcutplan.h"
#include "cloud/snapshotschedule.h"
#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "platform/shortcut.h"
#include "protocol/dcputils.h"
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

// A finished answer to a snapshot request.
class CannedReply : public QNetworkReply
{
public:
    CannedReply(int status, const QByteArray& body, NetworkError error)
        : body(body)
    {
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
        if (error != NoError)
            setError(error, "canned error");
        open(ReadOnly | Unbuffered);
        setFinished(true);
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return body.size() - at + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = qMin<qint64>(max, body.size() - at);
        memcpy(data, body.constData() + at, size_t(n));
        at += n;
        return n;
    }

private:
    QByteArray body;
    qint64 at = 0;
};

// The loop's lines of a run, counted by kind: "pictures 1, failures 1, ...".
QString loopLines(const QStringList& lines)
{
    const QStringList page = lines.filter("devicesetupcompletepage.cpp");
    auto count = [&](const QString& text) { return page.filter(text).size(); };
    return QString("pictures %1, failures %2, urls %3, good checks %4, failed checks %5, quiet %6")
        .arg(count("] Success"))
        .arg(count("Http Error") + count("HTTP Status Code Error"))
        .arg(count("url = "))
        .arg(count("checkGetDeviceImageStatus : success"))
        .arg(count("checkGetDeviceImageStatus : failed"))
        .arg(count("No snapshot in either dialect"));
}

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createWizardForTests(); }
    // The wizard's end leaves nothing to the process's: the cloud page, on no page list and here never shown (the
    // window's child once shown), and the protocol object too.
    void cleanupTestCase()
    {
        delete gCloudServicesPage;
        gCloudServicesPage = new CloudServicesPage;
        const QPointer<QObject> cloud = gCloudServicesPage, dcp = gDCPUtils;
        Mainpage::endWizard();
        QVERIFY(!cloud && !dcp && !gCloudServicesPage && !gDCPUtils);
    }

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

    // A taken name moves the launcher to the first free numbered one, up to " (20)"; past it none
    // is made.
    void launcherNumberedNames_data()
    {
        QTest::addColumn<int>("taken");  // the plain name and " (2)" to " (taken)"
        QTest::addColumn<QString>("made");
        QTest::newRow("taken up to (19): the last") << 19 << "Cam (20).desktop";
        QTest::newRow("taken up to (20): none") << 20 << "";
    }
    void launcherNumberedNames()
    {
        QFETCH(int, taken);
        QTemporaryDir dir;
        for (int n = 1; n <= taken; ++n)
            QVERIFY(QFile(dir.filePath(n == 1 ? QString("Cam.desktop") : QString("Cam (%1).desktop").arg(n)))
                        .open(QIODevice::WriteOnly));
        const QString made = Platform::writeDesktopLauncher(dir.filePath("Cam.desktop"), "[Desktop Entry]\n");
        QTEST(made.isEmpty() ? QString() : QFileInfo(made).fileName(), "made");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), made.isEmpty() ? taken : taken + 1);
    }

    // The empty .lnk taken for the script host goes when the host leaves it empty, whatever its
    // end; what the host filled, or what took the name meanwhile, stays.
    void scriptHostLeavesNoEmptyLink_data()
    {
        QTest::addColumn<int>("exitCode");   // -1: the host does not start, -2: it does not end in time
        QTest::addColumn<QString>("host");   // what the host does to the file: "", "fills", "link"
        QTest::addColumn<QString>("after");  // the file afterwards: "gone", "filled", "link"
        QTest::addColumn<bool>("made");
        QTest::newRow("does not start") << -1 << ""
                                        << "gone" << false;
        QTest::newRow("does not end in time") << -2 << ""
                                              << "gone" << false;
        QTest::newRow("ends with an error") << 1 << ""
                                            << "gone" << false;
        QTest::newRow("ends well, makes nothing") << 0 << ""
                                                  << "gone" << false;
        QTest::newRow("makes the shortcut") << 0 << "fills"
                                            << "filled" << true;
        QTest::newRow("fills it, then fails") << 1 << "fills"
                                              << "filled" << false;
        QTest::newRow("name taken by a link meanwhile") << -1 << "link"
                                                        << "link" << false;
    }
    void scriptHostLeavesNoEmptyLink()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, host);
        QTemporaryDir dir;
        const QString link = dir.filePath("VKC-3100.lnk");
        Platform::setProcessRunnerForTests([&](const Platform::ProcessCall&) {
            QFile file(link);
            if (host == "fills")
                file.open(QIODevice::WriteOnly) && file.write("L\0\0\0");
            else if (host == "link")
                file.remove() && QFile::link(dir.filePath("elsewhere"), link);
            Platform::ProcessResult result;
            result.started = exitCode != -1;
            result.finished = exitCode >= 0;
            result.exitCode = exitCode;
            return result;
        });
        const bool made = Platform::runShortcutScript(link, dir.filePath("shortcut.vbs"), "Wscript.Quit 0\n");
        Platform::setProcessRunnerForTests(nullptr);
        const QFileInfo file(link);
        QTEST(QString(file.isSymLink() ? "link"
                      : file.exists()  ? (file.size() > 0 ? "filled" : "empty")
                                       : "gone"),
              "after");
        QTEST(made, "made");
        QVERIFY(!QFile::exists(dir.filePath("shortcut.vbs")));
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

    // The snapshot loop writes its changes of state, not its ticks: a camera of any kind leaves no more
    // than a few lines a check period once it has settled. Each answer is decoded by the real decoder, a
    // process of its own for each: the rows take 12 periods, some 700 decodes (25 to 50 ms each on two busy
    // cores).
    void snapshotLinesOnChanges_data()
    {
        QTest::addColumn<QString>("camera");
        QTest::addColumn<QString>("lines");  // over kPeriods check periods of 20 ticks
        QTest::addColumn<int>("late");       // lines of the periods from kLateFrom on
        QTest::newRow("pictures in KORVA, an error page in T4X")
            << "korva"
            << "pictures 1, failures 1, urls 2, good checks 1, failed checks 2, quiet 0" << 0;
        QTest::newRow("never answers: quiet after both dialects")
            << "silent"
            << "pictures 0, failures 1, urls 2, good checks 0, failed checks 3, quiet 1" << 0;
        QTest::newRow("fails for four periods, then comes back")
            << "gone 2-5"
            << "pictures 2, failures 1, urls 3, good checks 2, failed checks 4, quiet 1" << 0;
        // Two changes written a period, the others counted; every check then changes too.
        QTest::newRow("picture and error page by turns")
            << "changing"
            << "pictures 12, failures 12, urls 6, good checks 6, failed checks 6, quiet 0" << 48;
        // A snapshot is a JPEG and within the decoder's limits, or none.
        QTest::newRow("a PNG, a WebP and an arithmetic-coded JPEG by turns")
            << "refused"
            << "pictures 0, failures 1, urls 2, good checks 0, failed checks 3, quiet 1" << 0;
    }
    void snapshotLinesOnChanges()
    {
        const int kPeriods = 12, kLateFrom = 8;
        QFETCH(QString, camera);
        QTcpServer silent;  // the page's own requests go here and are never answered
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        chooseCamera("2.0", "127.0.0.1", QByteArray::number(silent.serverPort()));
        DeviceSetupCompletePage* page = gDeviceSetupCompletePage;
        page->waitGetDeviceImageNumber = 0;
        page->getDeviceImageSuccess = false;
        page->outstandingImageRequests = 0;
        page->imageStateLog = SnapshotSchedule::StateLog();
        page->imagePeriodHeld = false;
        currentCGIType = SnapshotSchedule::Korva;
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly) && QImage::fromData(blankPng(4, 4)).save(&jpeg, "JPEG"));
        const QByteArray refused[] = {blankPng(4, 4), AnswerKit::webp("VP8L", 4, 4),
                                      AnswerKit::jpeg(4, 4, "", '\xca') + AnswerKit::scans(1)};
        int answers = 0, lateFrom = 0;
        {
            LogRecorder log;
            for (int n = 0; n < kPeriods * SnapshotSchedule::kCheckEvery; ++n) {
                const int period = n / SnapshotSchedule::kCheckEvery;
                if (period == kLateFrom && n % SnapshotSchedule::kCheckEvery == 0)
                    lateFrom = log.lines.size();
                const int sent = page->outstandingImageRequests;
                page->checkGetDeviceImageStatus();
                if (page->outstandingImageRequests == sent)
                    continue;
                bool picture = true;
                if (camera == "korva")
                    picture = currentCGIType == SnapshotSchedule::Korva;
                else if (camera == "changing")
                    picture = answers % 2 == 0;
                else if (camera == "silent" || (period >= 2 && period <= 5))
                    picture = false;
                ++answers;
                const bool error = camera != "korva" && camera != "changing" && camera != "refused" && !picture;
                page->getImagefinishedSlot(
                    new CannedReply(picture || camera == "korva" || camera == "refused" ? 200 : 500,
                                    camera == "refused" ? refused[answers % 3]
                                    : picture           ? jpeg.data()
                                                        : QByteArray("<html>"),
                                    error ? QNetworkReply::TimeoutError : QNetworkReply::NoError));
                // Its real request goes unanswered; the next tick comes once the picture is decoded and its wait,
                // which grows to a minute after refusals (snapshotDecodeWait), is over.
                qDeleteAll(page->getImageManager->findChildren<QNetworkReply*>());
                while (page->imageDecoder->busy())  // each answer is what wakes it
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                page->imageDecodeEnded.invalidate();
            }
            QTEST(loopLines(log.lines), "lines");
            QTEST(log.lines.mid(lateFrom).filter("devicesetupcompletepage.cpp").size(), "late");
        }
        for (QNetworkReply* reply : page->getImageManager->findChildren<QNetworkReply*>())
            reply->abort();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        page->outstandingImageRequests = 0;
    }

    // A refused snapshot holds the next back, longer with each in a row; an answer meanwhile is not decoded, the last
    // picture stays shown, a picture ends the row; a check period that the wait held back throughout keeps its dialect,
    // one that asked the camera changes it, however it ends.
    void refusedSnapshotsWaitLonger_data()
    {
        // "p" a picture, "e" the same with status 404, "r" a refused one (a PNG), "/" its wait over; after "|", in the
        // middle of the check period
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("expected");  // refused in a row, a picture shown, the dialect after a check period
        QTest::newRow("a picture during the wait") << "p / r / r / r / r p"
                                                   << "4 1 kept";
        QTest::newRow("its wait over") << "r / r / r / r /"
                                       << "4 0 switched";
        QTest::newRow("a picture after it") << "r / p"
                                            << "0 1 kept";
        QTest::newRow("asked, then held back to its end") << "r / r / r / | r"
                                                          << "3 0 switched";
        QTest::newRow("a picture in an error answer") << "e"
                                                      << "0 0 switched";
    }
    void refusedSnapshotsWaitLonger()
    {
        QFETCH(QString, answers);
        DeviceSetupCompletePage* page = gDeviceSetupCompletePage;
        QTcpServer silent;  // the check period's requests go here and are never answered
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        chooseCamera("2.0", "127.0.0.1", QByteArray::number(silent.serverPort()));
        page->ui->DSCPCGIIamge_Label->clear();
        page->imageDecodeWait = SnapshotSchedule::DecodeWait();
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly) && QImage::fromData(blankPng(4, 4)).save(&jpeg, "JPEG"));
        const auto give = [page, &jpeg](const QString& given) {
            for (const QString& answer : given.split(' ', Qt::SkipEmptyParts)) {
                if (answer == "/")
                    page->imageDecodeEnded.invalidate();
                else
                    page->getImagefinishedSlot(new CannedReply(answer == "e" ? 404 : 200,
                                                               answer == "r" ? blankPng(4, 4) : jpeg.data(),
                                                               QNetworkReply::NoError));
                while (page->imageDecoder->busy())  // each answer is what wakes it
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            }
        };
        give(answers.section('|', 0, 0));
        const QPixmap* shown = page->ui->DSCPCGIIamge_Label->pixmap();
        const QString state = QString("%1 %2").arg(page->imageDecodeWait.refusedInRow).arg(shown && !shown->isNull());
        // A check period's ticks at once, 2 s or more of the wait after four refusals ahead; then its check.
        page->waitGetDeviceImageNumber = SnapshotSchedule::kCheckEvery;
        page->imageStateLog = SnapshotSchedule::StateLog();
        int before = 0, from = 0;
        LogRecorder log;
        for (int n = 0; n <= SnapshotSchedule::kCheckEvery; ++n) {
            if (n == SnapshotSchedule::kCheckEvery / 2)
                give(answers.section('|', 1));
            before = currentCGIType;
            from = log.lines.size();
            page->checkGetDeviceImageStatus();
        }
        const QString dialect = currentCGIType == before ? " kept" : " switched";
        const QString said = log.lines.mid(from).filter("change from").isEmpty() ? " kept" : " switched";
        QTEST(state + dialect + (said == dialect ? "" : ", logged as" + said), "expected");
        for (QNetworkReply* reply : page->getImageManager->findChildren<QNetworkReply*>())
            reply->abort();
        QTRY_COMPARE(page->outstandingImageRequests, 0);
        page->imageDecodeEnded.invalidate();
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

    // Each caller of the routing after the cloud step, on each road: the popup it passes, the page
    // reached, Back's target and button, the shortcut box, the summary box, local-only mode and the
    // setup checks. "-" leaves a column unchecked.
    void routeAfterCloudStep_data()
    {
        QTest::addColumn<QString>("caller");  // signin, signup, skip, skipcancel, already
        QTest::addColumn<QString>("wifi");    // the model's Wi-Fi and access-point values; "?" unknown model
        QTest::addColumn<QString>("ap");
        QTest::addColumn<QString>("reached");  // wifi, done, stay
        QTest::addColumn<int>("backTo");
        QTest::addColumn<QString>("flags");  // "prev" Back shown, "shortcut" offered, "local", "reset", "device" box
        auto row = [](const char* name, const char* caller, const char* wifi, const char* ap, const char* reached,
                      int backTo,
                      const char* flags) { QTest::newRow(name) << caller << wifi << ap << reached << backTo << flags; };
        row("sign-in, Wi-Fi model", "signin", "1", "0", "wifi", 1, "");
        row("sign-in, access-point model", "signin", "1", "1", "done", 0, "");
        row("sign-in, unknown model", "signin", "?", "?", "done", 0, "");
        row("sign-up, Wi-Fi model", "signup", "1", "0", "wifi", 1, "");
        row("sign-up, wired model", "signup", "0", "0", "done", 0, "");
        row("skip, Wi-Fi model", "skip", "1", "0", "wifi", 1, "prev shortcut local reset device");
        row("skip, access-point model", "skip", "1", "1", "done", 0, "shortcut local device");
        row("skip cancelled", "skipcancel", "1", "0", "stay", 0, "");
        row("already registered, Wi-Fi model", "already", "1", "0", "wifi", 3, "prev shortcut local reset device");
        row("already registered, wired model", "already", "0", "", "done", 0, "shortcut local device");
    }
    void routeAfterCloudStep()
    {
        QFETCH(QString, caller);
        QFETCH(QString, wifi);
        QFETCH(QString, ap);
        QFETCH(QString, reached);
        QFETCH(int, backTo);
        QFETCH(QString, flags);
        chooseCamera("2.0", "192.168.0.20", "443");
        SupportWiFiMap.clear();
        SupportAPModeMap.clear();
        if (wifi != "?")
            SupportWiFiMap["VKC-3100"] = wifi, SupportAPModeMap["VKC-3100"] = ap;
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        CloudServicesPage* cloud = gCloudServicesPage;
        DeviceSetupCompletePage* done = gDeviceSetupCompletePage;
        DeviceWiFiChangePage* wifiPage = gDeviceWiFiChangePage;
        QWidget* leaving = caller == "already" ? static_cast<QWidget*>(gAlreadyRegisteredPage) : cloud;
        for (QWidget* page : {static_cast<QWidget*>(cloud), static_cast<QWidget*>(gAlreadyRegisteredPage),
                              static_cast<QWidget*>(done), static_cast<QWidget*>(wifiPage)})
            page->hide();
        gMainpage->showPage(nullptr, static_cast<WizardPage*>(leaving));
        gMainpage->hideBusy();
        isLocalView = false;
        dWiFiBackToPage = 0;
        bindingEmailAccount = "someone@mail.test";
        const bool shortcut = flags.contains("shortcut");
        done->setShortcutOfferVisible(!shortcut);
        done->ui->DSCPDeviceInfo_GBox->hide();
        done->ui->DSCPOlvarisInfo_GBox->hide();
        wifiPage->ui->dwifiManual_PushButton->setEnabled(true);
        wifiPage->ui->dwifiPrev_Button->setVisible(!flags.contains("prev"));
        gDeviceSetupPage->checkInternetTimer->start(1000);
        // The camera confirmed its register bit for the sign-in and sign-up flows (and earlier for
        // the already-registered camera); a skip comes before any confirmation.
        IPCamera& camera = IPCameraList[0];
        camera.bRegisted = caller.startsWith("skip") ? "0" : "1";
        camera.dcpStatus = IPCamera::GOT_REGISTER_INFO;
        cloud->registerInfoReceived = !caller.startsWith("skip");
        cloud->waitSetDeviceRegisterBitTureNumber = 5;
        signInStep = caller == "signin" ? 3 : 0;
        signUpStep = caller == "signup" ? 5 : 0;

        auto popup = [](const char* name) { return gMainpage->findChild<MessageBoxPage*>(name); };
        if (caller == "signin" || caller == "signup") {
            cloud->checkSetDeviceRegisterBitTure();
            QVERIFY(!cloud->SetDeviceRegisterBitTureTimer->isActive());
            QCOMPARE(popup("SignUpVerificationMsgBox") != nullptr, caller == "signup");
            if (caller == "signup") {
                QVERIFY(done->isHidden() && wifiPage->isHidden());  // nothing before the popup's OK
                popup("SignUpVerificationMsgBox")->ui->msgBoxRightBtn_Button->click();
            }
            QCOMPARE(signInStep + signUpStep, 0);
        } else if (caller.startsWith("skip")) {
            cloud->ui->cloudServiceSkip_PushButton->click();
            QVERIFY(popup("noClouldServiceWarning"));
            (caller == "skip" ? popup("noClouldServiceWarning")->ui->msgBoxRightBtn_Button
                              : popup("noClouldServiceWarning")->ui->msgBoxLeftBtn_Button)
                ->click();
        } else {
            gAlreadyRegisteredPage->ui->alreadyRegNext_PushButton->click();
        }
        QVERIFY(gMainpage->findChildren<MessageBoxPage*>().isEmpty());
        QVERIFY(frameWidget("lockScreenLabel")->isHidden());

        QCOMPARE(!leaving->isHidden(), reached == "stay");
        QCOMPARE(!wifiPage->isHidden(), reached == "wifi");
        QCOMPARE(!done->isHidden(), reached == "done");
        QCOMPARE(dWiFiBackToPage, backTo);
        QCOMPARE(isLocalView, flags.contains("local"));
        if (reached == "wifi") {
            QVERIFY(wifiPage->checkdWiFiAPListSiteSurveyTimer->isActive());
            QVERIFY(!wifiPage->ui->dwifiManual_PushButton->isEnabled());
            QVERIFY(gMainpage->isBusy());
            QCOMPARE(wifiPage->ui->dwifiPrev_Button->isVisibleTo(wifiPage), flags.contains("prev"));
            QCOMPARE(!gDeviceSetupPage->checkInternetTimer->isActive(), flags.contains("reset"));
        }
        if (reached == "done") {
            QVERIFY(done->getImageTimer->isActive());
            QVERIFY(frameWidget("mainProgress_Label")->isHidden());
        }
        if (reached != "stay" && (reached == "done" || caller.startsWith("skip") || caller == "already"))
            QCOMPARE(done->ui->DSCPShortcutCheck_CheckBox->isVisibleTo(done), shortcut);
        if (reached != "stay") {
            QCOMPARE(done->ui->DSCPDeviceInfo_GBox->isVisibleTo(done), flags.contains("device"));
            QCOMPARE(done->ui->DSCPOlvarisInfo_GBox->isVisibleTo(done), !flags.contains("device"));
        }
        gDeviceSetupPage->checkInternetTimer->stop();
        done->getImageTimer->stop();
        wifiPage->checkdWiFiAPListSiteSurveyTimer->stop();
        gMainpage->hideBusy();
        isLocalView = true;
    }

    // The already-registered page's other ways out: Back to the setup page in cloud mode, the
    // reset popup's Close (stay) and Start Over (guide, password fields emptied, checks stopped).
    void alreadyRegisteredWaysOut_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("reached");  // setup, stay, guide
        QTest::addColumn<bool>("passwordKept");
        QTest::newRow("Back") << "back"
                              << "setup" << true;
        QTest::newRow("Reset, Close") << "close"
                                      << "stay" << true;
        QTest::newRow("Reset, Start Over") << "startover"
                                           << "guide" << false;
    }
    void alreadyRegisteredWaysOut()
    {
        QFETCH(QString, press);
        QFETCH(QString, reached);
        QFETCH(bool, passwordKept);
        chooseCamera("2.0", "192.168.0.20", "443");
        AlreadyRegisteredPage* page = gAlreadyRegisteredPage;
        for (QWidget* other : {static_cast<QWidget*>(gDeviceSetupPage), static_cast<QWidget*>(gCameraConnectionPage)})
            other->hide();
        gMainpage->enterPage(nullptr, page);
        isLocalView = true;
        gDeviceSetupPage->ui->dsetupCameraPasscode_LineEdit->setText("secret1");
        gDeviceSetupPage->checkOlvarisInfoTimer->start(1000);
        if (press == "back") {
            page->ui->alreadyRegBack_PushButton->click();
        } else {
            page->ui->alreadyRegReset_PushButton->click();
            MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>("resetYourCameraWarning");
            QVERIFY(popup);
            (press == "close" ? popup->ui->msgBoxLeftBtn_Button : popup->ui->msgBoxRightBtn_Button)->click();
        }
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>("resetYourCameraWarning"));
        QVERIFY(frameWidget("lockScreenLabel")->isHidden());
        QCOMPARE(!page->isHidden(), reached == "stay");
        QCOMPARE(!gDeviceSetupPage->isHidden(), reached == "setup");
        QCOMPARE(!gCameraConnectionPage->isHidden(), reached == "guide");
        QCOMPARE(gDeviceSetupPage->ui->dsetupCameraPasscode_LineEdit->text().isEmpty(), !passwordKept);
        QCOMPARE(!gDeviceSetupPage->checkOlvarisInfoTimer->isActive(), reached != "stay");
        if (reached == "setup")
            QVERIFY(!isLocalView);
        gDeviceSetupPage->checkOlvarisInfoTimer->stop();
        gCameraConnectionPage->hide();
        gDeviceSetupPage->hide();
        isLocalView = true;
    }

    // A sign-in redirect that arrives after the cloud page was left is refused; one that arrives
    // while the page still waits (the skip popup cancelled) is taken.
    void redirectAfterLeavingTheCloudPage_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<bool>("taken");
        QTest::newRow("Back") << "back" << false;
        QTest::newRow("skip confirmed") << "skip" << false;
        QTest::newRow("skip cancelled") << "cancel" << true;
    }
    void redirectAfterLeavingTheCloudPage()
    {
        QFETCH(QString, leave);
        QFETCH(bool, taken);
        chooseCamera("2.0", "192.168.0.20", "443");
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        const QByteArray state = "tolmwizard_signin0c0ffee1";
        gDCPUtils->expectRedirect(DCPUtils::RedirectFlow::SignIn, state);
        if (leave == "back") {
            gCloudServicesPage->ui->cloudServicePrev_PushButton->click();
        } else {
            gCloudServicesPage->pressSkipButton();
            MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>("noClouldServiceWarning");
            QVERIFY(popup);
            (leave == "skip" ? popup->ui->msgBoxRightBtn_Button : popup->ui->msgBoxLeftBtn_Button)->click();
        }
        QSignalSpy in(gDCPUtils, &DCPUtils::gotOpenAPISignIn);
        // The redirect as the cloud view's manager hands it over.
        QCOMPARE(gDCPUtils->takeRedirect("state=" + state + "&access_token=LATE1&target_site=B", "view"), taken);
        QCOMPARE(in.count(), taken ? 1 : 0);
        gDCPUtils->expectNoRedirect();
        for (QWidget* page : {static_cast<QWidget*>(gDeviceSetupPage), static_cast<QWidget*>(gDeviceSetupCompletePage),
                              static_cast<QWidget*>(gDeviceWiFiChangePage)})
            page->hide();
        gDeviceSetupCompletePage->getImageTimer->stop();
        gDeviceWiFiChangePage->checkdWiFiAPListSiteSurveyTimer->stop();
        gMainpage->hideBusy();
        isLocalView = true;
    }

    // Finish: the shortcut only when its box is offered and ticked, the cloud site only in cloud mode.
    void finishByRoad_data()
    {
        QTest::addColumn<bool>("local");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("shortcuts");
        QTest::addColumn<bool>("site");
        QTest::newRow("cloud road") << false << false << false << 0 << true;
        QTest::newRow("cloud road, hidden box ticked") << false << false << true << 0 << true;
        QTest::newRow("local-only, ticked") << true << true << true << 1 << false;
        QTest::newRow("local-only, not ticked") << true << true << false << 0 << false;
    }
    void finishByRoad()
    {
        QFETCH(bool, local);
        QFETCH(bool, offered);
        QFETCH(bool, ticked);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        QVERIFY(QDir(home.path()).mkpath("Desktop"));
        chooseCamera("2.0", "192.168.0.20", "443");
        isLocalView = local;
        gDeviceSetupCompletePage->setShortcutOfferVisible(offered);
        gDeviceSetupCompletePage->ui->DSCPShortcutCheck_CheckBox->setChecked(ticked);
        UrlRecorder urls;
        gDeviceSetupCompletePage->ui->DSCPFinish_Button->click();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
        if (savedConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        QTEST(int(QDir(home.filePath("Desktop")).entryList(QDir::Files).size()), "shortcuts");
        QTEST(!urls.urls.isEmpty(), "site");
        for (const QUrl& url : urls.urls)
            QCOMPARE(url.scheme(), QString("https"));
        isLocalView = true;
    }

    // The cloud page's two tabs: the view each shows and the tab drawn as chosen, kept over Back; a tab
    // whose flow failed tries that flow again, from its first request, once; the other tab does not. A failed
    // flow's page counts as not reached. A camera that did not confirm its register bit is said, naming its
    // flow's tab, which asks the camera again, not the service, until the flow starts again.
    void cloudTabs_data()
    {
        QTest::addColumn<QString>("clicks");  // "restart-in", "restart-up": the setup page starts that flow
        QTest::addColumn<bool>("signUp");     // the New Account view shown and its tab chosen
        QTest::addColumn<QString>("flows");   // the flow that failed first ":" the flow the last click started (in,
                                              // up); "bit-": its camera's register bit; "bit": the camera asked again
        QTest::newRow("New Account") << "up" << true << ":";
        QTest::newRow("Existing Account") << "up in" << false << ":";
        QTest::newRow("New Account again") << "in up" << true << ":";
        QTest::newRow("Existing Account, Back") << "in back" << false << ":";
        QTest::newRow("New Account, Back") << "up back" << true << ":";
        QTest::newRow("New Account failed, chosen again") << "up" << true << "up:up";
        QTest::newRow("Existing Account failed, chosen again") << "up in" << false << "in:in";
        QTest::newRow("Existing Account failed, New Account") << "up" << true << "in:";
        QTest::newRow("Existing Account's camera silent, chosen again") << "in" << false << "bit-in:bit";
        QTest::newRow("New Account's camera silent, chosen again") << "up" << true << "bit-up:bit";
        QTest::newRow("Existing Account's camera silent, New Account") << "up" << true << "bit-in:";
        QTest::newRow("Existing Account's camera silent, flow started again")
            << "restart-in in" << false << "bit-in:in";
        QTest::newRow("New Account's camera silent, flow started again") << "restart-up up" << true << "bit-up:";
        QTest::newRow("New Account failed, chosen twice") << "up up" << true << "up:";
        QTest::newRow("Existing Account failed, chosen twice") << "in in" << false << "in:";
        // The page's own load failed, as its manager tells, not its view.
        QTest::newRow("Existing Account's page not loaded, New Account") << "up" << true << "in:";
        QTest::newRow("New Account's page not loaded, Existing Account") << "in" << false << "up:";
    }
    void cloudTabs()
    {
        QFETCH(QString, clicks);
        QFETCH(bool, signUp);
        QFETCH(QString, flows);
        const QString failed = flows.section(':', 0, 0), again = flows.section(':', 1);
        delete gCloudServicesPage;  // each row's flows from the start
        gCloudServicesPage = new CloudServicesPage;
        dcptest::resetGlobals();  // the camera asked from 127.0.0.1
        chooseCamera("2.0", "192.168.0.20", "443");
        Ui_CloudServicesPage* form = gCloudServicesPage->ui;
        const QString site = OpenAPISite;
        OpenAPISite = "https://127.0.0.1:9/";  // not the cloud service: a flow started again is refused
        const auto failure = [] { return gMainpage->findChild<MessageBoxPage*>("cloudServiceFailedWarning"); };
        dcptest::LoopbackReceiver camera;
        gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, camera.port());
        auto broadcast = qScopeGuard([] { gDCPUtils->setDatagramTarget(QHostAddress::Broadcast, 5978); });
        if (!failed.isEmpty() && !failed.startsWith("bit")) {  // while the setup page waits for the flows
            signInPageReached = signUpPageReached = true;
            QWebView* view = failed == "in" ? form->cloudServiceSignIn_WebView : form->cloudServiceSignUp_WebView;
            if (QByteArray(QTest::currentDataTag()).contains("not loaded")) {
                signInStep = 0, signUpStep = 2;
                auto* reply = new CloudSite::LocalReply(QNetworkAccessManager::GetOperation, QNetworkRequest(), view);
                reply->setProperty(CloudSite::Manager::kNavigationProperty, true);
                reply->refuse();
                emit(failed == "in" ? gCloudServicesPage->signInNetworkManager
                                    : gCloudServicesPage->signUpNetworkManager)
                    ->finished(reply);
            } else {
                emit static_cast<CloudWebPage*>(view->page())->pageFailed(QUrl(), false);
            }
            QVERIFY(!failure()->ui->msgBoxContent_Label->text().contains("New Account"));  // no tab to choose
            QVERIFY(signInPageReached == (failed == "up") && signUpPageReached == (failed == "in"));
            QVERIFY(MessageBoxPage::closeByName(gMainpage, "cloudServiceFailedWarning"));
        }
        if (QByteArray(QTest::currentDataTag()).contains("twice")) {
            // A flow started again lives on until its request fails: sent to a proxy that refuses it, no name
            // looked up.
            OpenAPISite = "https://api.olvaris.invalid";
            for (QNetworkAccessManager* manager :
                 {gCloudServicesPage->signInNetworkManager, gCloudServicesPage->signUpNetworkManager})
                manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", 9));
        }
        gMainpage->show();  // the page on screen
        gMainpage->showPage(nullptr, gCloudServicesPage);
        signInStep = signUpStep = 2;
        if (failed.startsWith("bit")) {  // the account known, the camera's bit unconfirmed at the wait's end
            const bool in = failed == "bit-in";
            (in ? signInStep : signUpStep) = in ? 3 : 5;
            gCloudServicesPage->waitSetDeviceRegisterBitTureNumber = CloudApi::kRegisterTickLimit;
            gMainpage->showBusy();
            gCloudServicesPage->checkSetDeviceRegisterBitTure();
            QVERIFY(camera.nextText().contains(";G=0") && !gMainpage->isBusy());
            auto* popup = gMainpage->findChild<MessageBoxPage*>("cameraNotRegisteredWarning");
            QVERIFY(popup &&
                    popup->ui->msgBoxContent_Label->text().contains(in ? "\"Existing Account\"" : "\"New Account\""));
            popup->ui->msgBoxRightBtn_Button->click();
        }
        QStringList started;  // the flow each click started again
        for (const QString& click : clicks.split(' ')) {
            if (click.startsWith("restart")) {  // the setup page starts the flow again
                click == "restart-in" ? gCloudServicesPage->getSignInPage(OpenAPISite)
                                      : gCloudServicesPage->getSignUpTimeStamp(OpenAPISite);
                continue;
            }
            const int in = signInStep, up = signUpStep;
            signInStep = signUpStep = -1;  // a flow started again is at 0
            (click == "up"   ? form->cloudServiceSignUp_PushButton
             : click == "in" ? form->cloudServiceSignIn_PushButton
                             : form->cloudServicePrev_PushButton)
                ->click();
            started << (signInStep == 0 ? "in" : signUpStep == 0 ? "up" : "");
            signInStep = signInStep < 0 ? in : signInStep;
            signUpStep = signUpStep < 0 ? up : signUpStep;
        }
        QCOMPARE(gCloudServicesPage->SetDeviceRegisterBitTureTimer->isActive() && gMainpage->isBusy(), again == "bit");
        if (again == "bit") {  // the camera asked on the wait's first tick, the service not
            gCloudServicesPage->checkSetDeviceRegisterBitTure();
            QVERIFY(camera.nextText().contains(";G=1"));
            gCloudServicesPage->SetDeviceRegisterBitTureTimer->stop();
            gMainpage->hideBusy();
        }
        QCOMPARE(form->cloudServiceSignUp_WebView->isVisibleTo(gCloudServicesPage), signUp);
        QCOMPARE(form->cloudServiceSignIn_WebView->isVisibleTo(gCloudServicesPage), !signUp);
        // The chosen tab is drawn blue, the other white.
        QCOMPARE(form->cloudServiceSignUp_PushButton->styleSheet().contains("select_l_blue"), signUp);
        QCOMPARE(form->cloudServiceSignIn_PushButton->styleSheet().contains("select_l_blue"), !signUp);
        QCOMPARE(gCloudServicesPage->isHidden(), clicks.endsWith("back"));
        QCOMPARE(started.last(), again == "bit" ? QString() : again);
        // Refused again: the failure popup, over the page, naming its tabs.
        if ((!failed.isEmpty() && clicks.split(' ').contains(failed)) || clicks.startsWith("restart")) {
            QTRY_VERIFY(failure() && failure()->ui->msgBoxContent_Label->text().contains("New Account"));
            MessageBoxPage::closeByName(gMainpage, "cloudServiceFailedWarning");
        }
        OpenAPISite = site;
        gCloudServicesPage->hide();
        gDeviceSetupPage->hide();
        gMainpage->hide();
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

    // What a page repeats at will is logged in full a few times, then counted; an address change
    // logs the address of the view that changed alone.
    void pageRepeatsCounted_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("script");  // of the sign-in view's page; empty: certificate errors
        QTest::newRow("long addresses")
            << "--- url changed"
            << "for (var i = 0; i < 30; ++i) location.hash = i + new Array(1 << 16).join('a');";
        QTest::newRow("address changes") << "--- url changed"
                                         << "for (var i = 0; i < 300; ++i) location.hash = 'h' + i;";
        QTest::newRow("certificate errors of another host's pictures") << "Cloud service certificate not trusted"
                                                                       << "";
        QTest::newRow("links a script clicks") << "Link not opened, not the person's"
                                               << "for (var i = 0; i < 300; ++i) document.getElementById('a').click();";
    }
    void pageRepeatsCounted()
    {
        QFETCH(QString, line);
        QFETCH(QString, script);
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        QWebFrame* frame = gCloudServicesPage->ui->cloudServiceSignIn_WebView->page()->mainFrame();
        frame->setHtml("<a id=a href='https://example.org/x'>x</a>", QUrl("https://api.olvaris.invalid/login"));
        QNetworkAccessManager pictures;
        QNetworkReply* picture = pictures.get(QNetworkRequest(QUrl("data:image/png;base64,")));
        UrlRecorder browser;
        LogRecorder log;
        frame->evaluateJavaScript(script);
        for (int i = 0; script.isEmpty() && i < 300; ++i)
            emit gCloudServicesPage->signInNetworkManager->sslErrors(picture,
                                                                     {QSslError(QSslError::SelfSignedCertificate)});
        LogSummary::flush();
        const QStringList full = log.matching(line).filter(QRegularExpression("^(?!.*Counted, not logged)"));
        QVERIFY2(full.size() <= 16 && log.count({"Counted, not logged one by one", line}) == 1, qPrintable(log.all()));
        QVERIFY2(log.all().size() < 16 * 1024, "what the page sets is logged bounded");
        if (line.contains("url"))
            QVERIFY2(full.filter("api.olvaris.invalid/login").size() == full.size(), qPrintable(log.all()));
        delete picture;
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
