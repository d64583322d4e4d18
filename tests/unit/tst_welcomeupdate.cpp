// The welcome page's sprite waits and self-update against a loopback HTTP server.
#include <QtTest>

#include <QFileDialog>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUdpSocket>

#include "globals.h"
#include "httptestkit.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/welcomepage.h"

using Answer = HttpTestServer::Answer;
using Answers = QMap<QString, Answer>;
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Answers)

namespace {

const int kFastTickMs = 100;

QByteArray picture()
{
    QImage image(4 * 164, 9 * 164, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray description(const QString& version, const QString& installer)
{
    const QJsonObject entry{{"Model", "TolmSetupWizard"}, {"Version", version}, {"URL_EXE", installer}};
    const QJsonObject all{{"ALL", QJsonArray{entry}}};
    return QJsonDocument(QJsonObject{{"OS", QJsonObject{{"Window", QJsonObject{{"Edition", all}}}}}}).toJson();
}

bool dcpPortHeld()
{
    QUdpSocket probe;
    return !probe.bind(QHostAddress::Any, 5978);
}

bool repliesPending()
{
    WelcomePage* w = gWelcomePage;
    for (QNetworkAccessManager* manager : {w->tolmwizardNetworkManager, w->tolmwizardDownloadManager,
                                           w->tolmwizardDownloadDeviceIconManager, w->tolmwizardUpdateManager,
                                           w->tolmwizardUpdateUriManager})
        if (!manager->findChildren<QNetworkReply*>().isEmpty())
            return true;
    return false;
}

QString popupShown()
{
    const QList<MessageBoxPage*> popups = gMainpage->findChildren<MessageBoxPage*>();
    return popups.isEmpty() ? QString() : popups.last()->objectName();
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Answers the next folder dialog with folder, or cancels it when folder is empty.
void answerFolderDialog(const QString& folder)
{
    QTimer* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, folder] {
        QFileDialog* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        dialog->setDirectory(folder);
        QDialog* asked = dialog;
        if (folder.isEmpty())
            asked->reject();
        else
            asked->accept();
    });
    poll->start(20);
}

} // namespace

class TestWelcomeUpdate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void spriteWaits_data();
    void spriteWaits();
    void spriteBeforeCatalogueIsCutAgain();
    void spriteGiveUpLeavesTheUpdateAlone();
    void updateCheckReplies_data();
    void updateCheckReplies();
    void lateUpdateCheckReplyChangesNothing();
    void downloads_data();
    void downloads();
    void folderChoice_data();
    void folderChoice();
    void installerStart_data();
    void installerStart();

private:
    void serve(const Answers& answers);
    void settle();
    HttpTestServer* server = nullptr;
    QTemporaryDir temp;
    QString folder;
};

void TestWelcomeUpdate::initTestCase()
{
    QVERIFY(temp.isValid());
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QCOMPARE(QDir::tempPath(), temp.path());
    createWizardForTests();
}

void TestWelcomeUpdate::init()
{
    isLocalView = false;
    gIsQATest = false;
    gWelcomePage->resetCheckingParameter();
    gWelcomePage->unbindingDCP();
    QVERIFY2(!dcpPortHeld(), "another program holds UDP port 5978; these checks need it free");
    gMainpage->hideBusy();
    gAgreementPage->hide();
    gMainpage->showPage(nullptr, gWelcomePage);
    AssembleImagesMap = {{"INT_ia", "ia10,ia11"}};
    DeviceIconsMap = {{"Serial_2", "VKC-2100"}};
    assembleImagesPath = "/start/assemble_image/";
    deviceIconsPath = "/start/device_icon/";
    TolmWizardWindowsUpdateURI = QUrl("https://update.test/wizard/?version");
    folder = temp.path() + "/save " + QTest::currentDataTag();
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
}

void TestWelcomeUpdate::cleanup()
{
    gWelcomePage->resetCheckingParameter();
    for (QNetworkReply* reply : gWelcomePage->findChildren<QNetworkReply*>())
        reply->abort();
    QTRY_VERIFY(!repliesPending());
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    gMainpage->lockScreenLabel->hide();
    gMainpage->show();
    gWelcomePage->unbindingDCP();
    delete server;
    server = nullptr;
}

void TestWelcomeUpdate::serve(const Answers& answers)
{
    server = new HttpTestServer;
    QVERIFY(server->start());
    for (auto it = answers.constBegin(); it != answers.constEnd(); ++it)
        server->setAnswer(it.key(), it.value());
    assembleImageSquareUrl = server->url("/a.png");
    deviceIconSquareUrl = server->url("/d.png");
}

// Lets the replies in flight arrive (a silent server keeps its own).
void TestWelcomeUpdate::settle()
{
    QElapsedTimer clock;
    clock.start();
    do
        QTest::qWait(20);
    while (repliesPending() && clock.elapsed() < 300);
}

void TestWelcomeUpdate::spriteWaits_data()
{
    QTest::addColumn<bool>("icons");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<bool>("localOnly");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("ready");

    const Answer sprite = HttpTestServer::ok(picture());
    QTest::newRow("answered at once") << false << Answers{{"/a.png", sprite}} << false << QStringList{"/a.png"}
                                      << true;
    QTest::newRow("never answered") << false << Answers{{"/a.png", HttpTestServer::silence()}} << false
                                    << QStringList{"/a.png", "/a.png"} << false;
    QTest::newRow("not found twice") << true << Answers() << false << QStringList{"/d.png", "/d.png"} << false;
    QTest::newRow("moved, then the target")
        << false << Answers{{"/a.png", HttpTestServer::redirect(302, "moved.png")}, {"/moved.png", sprite}} << false
        << QStringList{"/a.png", "/moved.png"} << true;
    QTest::newRow("error page with 200") << true << Answers{{"/d.png", HttpTestServer::ok("<html>sorry</html>")}}
                                         << false << QStringList{"/d.png", "/d.png"} << false;
    QTest::newRow("local only") << false << Answers{{"/a.png", sprite}} << true << QStringList() << false;
}

void TestWelcomeUpdate::spriteWaits()
{
    QFETCH(bool, icons);
    QFETCH(Answers, answers);
    QFETCH(bool, localOnly);
    QFETCH(QStringList, requests);
    QFETCH(bool, ready);
    serve(answers);
    isLocalView = localOnly;
    QTimer* timer = icons ? gWelcomePage->checkDeviceIconTimer : gWelcomePage->checkAssembleImageTimer;
    const bool& flag = icons ? gDeviceIconReady : gAssembleImageReady;

    timer->start(kFastTickMs);
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 25 * kFastTickMs);
    settle();
    QCOMPARE(server->requests, requests);
    QCOMPARE(flag, ready);
    const QString clips = temp.path() + (icons ? "/device_icon_clip/" : "/assemble_image_clip/");
    QCOMPARE(icons ? deviceIconsPath : assembleImagesPath,
             ready ? clips : QString(icons ? "/start/device_icon/" : "/start/assemble_image/"));
    if (ready)
        QCOMPARE(QImage(clips + (icons ? "VKC-2100.png" : "ia11.png")).size(),
                 icons ? QSize(50, 50) : QSize(164, 164));
}

void TestWelcomeUpdate::spriteBeforeCatalogueIsCutAgain()
{
    serve({{"/a.png", HttpTestServer::ok(picture())}, {"/tolmwizard.json", HttpTestServer::ok(R"({"AssembleImages":
           {"INT_id":"late1,late2"},"TolmWizardLatestVersion":"v2.00.10"})")}});
    AssembleImagesMap.clear();
    gWelcomePage->getAssembleImagesSquare();
    QTRY_VERIFY(gAssembleImageReady);
    QCOMPARE(assembleImagesPath, QString("/start/assemble_image/"));

    checkType = 1;
    gWelcomePage->tolmwizardNetworkManager->get(QNetworkRequest(server->url("/tolmwizard.json")));
    QTRY_VERIFY(gJsonFileReady);
    QCOMPARE(assembleImagesPath, temp.path() + "/assemble_image_clip/");
    QVERIFY(QFile::exists(assembleImagesPath + "late2.png"));
}

void TestWelcomeUpdate::spriteGiveUpLeavesTheUpdateAlone()
{
    serve({});
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    gWelcomePage->checkWizardUpdateTimer->start(60000);
    gWelcomePage->checkAssembleImageTimer->start(60000);
    gWelcomePage->waitAssembleImageNumber = 20;
    gWelcomePage->checkAssembleImageRequest();

    QVERIFY(!gWelcomePage->checkAssembleImageTimer->isActive());
    QCOMPARE(gWelcomePage->waitAssembleImageNumber, 0);
    QVERIFY(gWelcomePage->checkWizardUpdateUriTimer->isActive());
    QVERIFY(gWelcomePage->checkWizardUpdateTimer->isActive());
    QVERIFY(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
}

void TestWelcomeUpdate::updateCheckReplies_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("licence");
    QTest::addColumn<QString>("nextAddress");  // path on the server, or a full address

    QTest::newRow("newer wizard") << HttpTestServer::ok(description("2.00.11", "https://dl.test/setup.exe"))
                                  << true << false << "https://dl.test/setup.exe";
    QTest::newRow("same version") << HttpTestServer::ok(description("v2.00.10", "https://dl.test/setup.exe"))
                                  << false << true << "/wizard/";
    QTest::newRow("older by number") << HttpTestServer::ok(description("v2.00.9", "https://dl.test/setup.exe"))
                                     << false << true << "/wizard/";
    QTest::newRow("array") << HttpTestServer::ok("[]") << false << true << "/wizard/";
    QTest::newRow("not found asks again") << HttpTestServer::status(404) << false << false << "/wizard/";
    QTest::newRow("relative redirect") << HttpTestServer::redirect(302, "moved/") << false << false
                                       << "/wizard/moved/";
}

void TestWelcomeUpdate::updateCheckReplies()
{
    QFETCH(Answer, answer);
    QFETCH(bool, found);
    QFETCH(bool, licence);
    QFETCH(QString, nextAddress);
    serve({{"/wizard/", answer}});
    TolmWizardUpdateUrl = server->url("/wizard/");
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    gWelcomePage->checkWizardUpdateUriConnection();
    QTRY_COMPARE(server->requests.size(), 1);
    settle();

    QCOMPARE(gWelcomePage->wizardUpdateFound, found);
    QCOMPARE(gAgreementPage->isVisibleTo(gMainpage), licence);
    QCOMPARE(gWelcomePage->isVisibleTo(gMainpage), !licence);
    QCOMPARE(dcpPortHeld(), licence);
    QCOMPARE(gWelcomePage->checkWizardUpdateUriTimer->isActive(), !licence);
    QCOMPARE(TolmWizardUpdateUrl,
             nextAddress.startsWith('/') ? server->url(nextAddress) : QUrl(nextAddress));

    // The next tick offers a found update.
    gWelcomePage->waitWizardUpdateUriNumber = 1;
    if (!licence)
        gWelcomePage->checkWizardUpdateUriConnection();
    QCOMPARE(popupShown(), found ? QString("UpdateWizardMsgBox") : QString());
    QCOMPARE(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage), !found && !licence);
}

void TestWelcomeUpdate::lateUpdateCheckReplyChangesNothing()
{
    serve({{"/wizard/", HttpTestServer::ok(description("v2.00.10", "https://dl.test/setup.exe"))}});
    gWelcomePage->tolmwizardUpdateUriManager->get(QNetworkRequest(server->url("/wizard/")));
    QTRY_COMPARE(server->requests.size(), 1);
    settle();
    QVERIFY(gWelcomePage->isVisibleTo(gMainpage));
    QVERIFY(!gAgreementPage->isVisibleTo(gMainpage));
    QVERIFY(!dcpPortHeld());
}

void TestWelcomeUpdate::downloads_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("popup");
    QTest::addColumn<QByteArray>("written");

    const QByteArray installer("#!/bin/sh\nexit 0\n");
    QTest::newRow("whole answer") << Answers{{"/files/setup.exe", HttpTestServer::ok(installer)}}
                                  << "UpdateWizardStatusMsgBox" << installer;
    QTest::newRow("not found") << Answers() << "UpdateWizardDownloadErrorMsgBox" << QByteArray("<none>");
    QTest::newRow("server error") << Answers{{"/files/setup.exe", HttpTestServer::status(500)}}
                                  << "UpdateWizardDownloadErrorMsgBox" << QByteArray("<none>");
    QTest::newRow("redirect followed")
        << Answers{{"/files/setup.exe", HttpTestServer::redirect(302, "/mirror/v2.exe")},
                   {"/mirror/v2.exe", HttpTestServer::ok(installer)}}
        << "UpdateWizardStatusMsgBox" << installer;
    QTest::newRow("redirect loop") << Answers{{"/files/setup.exe", HttpTestServer::redirect(302, "/files/setup.exe")}}
                                   << "UpdateWizardDownloadErrorMsgBox" << QByteArray("<none>");
}

void TestWelcomeUpdate::downloads()
{
    QFETCH(Answers, answers);
    QFETCH(QString, popup);
    QFETCH(QByteArray, written);
    serve(answers);
    TolmWizardUpdateUrl = server->url("/files/setup.exe");
    TolmWizardUpdateSavePath = folder;
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateTimer->start(60000);
    gWelcomePage->checkTolmWizardUpdateRequest();
    QTRY_COMPARE(popupShown(), popup);
    settle();

    QCOMPARE(fileContent(folder + "/setup.exe"), written);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), written == "<none>" ? 0 : 1);
    QCOMPARE(gWizardUpdateDownloaded, written != "<none>");
    QVERIFY(!gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));

    // A second answer after the first was handled opens nothing more.
    const int popups = gMainpage->findChildren<MessageBoxPage*>().size();
    gWelcomePage->getWizardUpdate();
    settle();
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>().size(), popups);
}

void TestWelcomeUpdate::folderChoice_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("old");  // "file", "folder" (cannot be removed) or ""
    QTest::addColumn<bool>("downloading");
    QTest::addColumn<QString>("popup");
    QTest::addColumn<bool>("oldStays");

    QTest::newRow("cancelled") << true << "setup.exe" << "" << false << "" << false;
    QTest::newRow("empty folder") << false << "setup.exe" << "" << true << "" << false;
    QTest::newRow("old installer removed") << false << "setup.exe" << "file" << true << "" << false;
    QTest::newRow("old installer stuck") << false << "setup.exe" << "folder" << false
                                         << "UpdateWizardPathErrorMsgBox" << true;
    QTest::newRow("other old file left to be overwritten") << false << "setup.run" << "file" << true << "" << true;
}

void TestWelcomeUpdate::folderChoice()
{
    QFETCH(bool, cancel);
    QFETCH(QString, fileName);
    QFETCH(QString, old);
    QFETCH(bool, downloading);
    QFETCH(QString, popup);
    QFETCH(bool, oldStays);
    const QString target = folder + "/" + fileName;
    if (old == "file") {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (old == "folder") {
        QVERIFY(QDir().mkpath(target + "/inside"));
    }
    TolmWizardUpdateUrl = QUrl("https://dl.test/files/" + fileName);
    gWelcomePage->popupUpdateWizardMsgBox();

    answerFolderDialog(cancel ? QString() : folder);
    gWelcomePage->pressUpdateButton();

    QCOMPARE(gWelcomePage->checkWizardUpdateTimer->isActive(), downloading);
    QCOMPARE(popupShown(), popup);
    QCOMPARE(QFileInfo::exists(target), oldStays);
    QCOMPARE(gAgreementPage->isVisibleTo(gMainpage), cancel);
    QCOMPARE(dcpPortHeld(), cancel);
    if (cancel) {
        QCOMPARE(TolmWizardUpdateUrl, TolmWizardWindowsUpdateURI);
        QVERIFY(!gMainpage->lockScreenLabel->isVisibleTo(gMainpage));
    } else {
        QCOMPARE(TolmWizardFile, target);
    }
}

void TestWelcomeUpdate::installerStart_data()
{
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("exits");

    QTest::newRow("started") << true << true;
    QTest::newRow("failed to start") << false << false;
}

void TestWelcomeUpdate::installerStart()
{
    QFETCH(bool, starts);
    QFETCH(bool, exits);
    TolmWizardUpdateUrl = QUrl("https://dl.test/files/setup.run");
    TolmWizardUpdateSavePath = folder;
    QFile file(folder + "/setup.run");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    gWizardUpdateDownloaded = true;
    gMainpage->show();
    gWelcomePage->popupUpdateWizardStatusMsgBox();
    ProcessRecorder recorder;
    recorder.reply.started = starts;
    LogRecorder log;

    gWelcomePage->pressMsgUpdateWizardStatusOKButton();
    QCOMPARE(recorder.calls.size(), 1);
    QCOMPARE(recorder.calls[0].program, QDir::toNativeSeparators(folder + "/setup.run"));
    QCOMPARE(log.matching("04 QCoreApplication::exit()").size(), exits ? 1 : 0);
    QCOMPARE(gMainpage->isVisible(), !exits);
    QCOMPARE(popupShown(), exits ? QString("UpdateWizardStatusMsgBox") : QString("UpdateWizardDownloadErrorMsgBox"));
}

QTEST_MAIN(TestWelcomeUpdate)
#include "tst_welcomeupdate.moc"
