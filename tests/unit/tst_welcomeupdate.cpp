// The welcome page's sprite waits and self-update against a loopback HTTP server.
#include <QtTest>

#include "shell/globals.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/spriteclipper.h"
#include "welcometestkit.h"

using Answer = HttpTestServer::Answer;
using Answers = QMap<QString, Answer>;
Q_DECLARE_METATYPE(Answer)

namespace {

const int kFastTickMs = 100;

QByteArray picture()
{
    QImage image(4 * 164, 9 * 164, QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") ? png : QByteArray();
}

QString popupShown()
{
    const QList<MessageBoxPage*> popups = gMainpage->findChildren<MessageBoxPage*>();
    return popups.isEmpty() ? QString() : popups.last()->objectName();
}

} // namespace

class TestWelcomeUpdate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void errorPageIsNoSprite();
    void spriteBeforeCatalogueIsCutAgain();
    void updateCheckReplies_data();
    void updateCheckReplies();
    void redirectedInstallerAndLateAnswer();
    void failedInstallerStartKeepsTheWizard();

private:
    void serve(const Answers& answers);
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
    QVERIFY(resetWelcomePage());
    gAgreementPage->hide();
    gMainpage->showPage(nullptr, gWelcomePage);
    AssembleImagesMap = {{"INT_ia", "ia10,ia11"}};
    DeviceIconsMap = {{"Serial_2", "VKC-2100"}};
    assembleImagesPath = "/start/assemble_image/";
    deviceIconsPath = "/start/device_icon/";
    folder = temp.path() + "/save " + QTest::currentTestFunction();
    QVERIFY(QDir().mkpath(folder));
}

void TestWelcomeUpdate::cleanup()
{
    QVERIFY(resetWelcomePage());
    gMainpage->show();
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

// An error page answered with 200 is no sprite: asked again, then given up; the update check
// and download beside the wait go on.
void TestWelcomeUpdate::errorPageIsNoSprite()
{
    serve({{"/d.png", HttpTestServer::ok("<html>sorry</html>")}});
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    gWelcomePage->checkWizardUpdateTimer->start(60000);
    gWelcomePage->checkDeviceIconTimer->start(kFastTickMs);
    QTRY_VERIFY_WITH_TIMEOUT(!gWelcomePage->checkDeviceIconTimer->isActive(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), 10000);
    QVERIFY(gWelcomePage->checkWizardUpdateUriTimer->isActive());
    QVERIFY(gWelcomePage->checkWizardUpdateTimer->isActive());
    QVERIFY(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
    QCOMPARE(server->requests, QStringList({"/d.png", "/d.png"}));
    QVERIFY(!gDeviceIconReady);
    QCOMPARE(deviceIconsPath, QString("/start/device_icon/"));
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
    QCOMPARE(assembleImagesPath, spriteFolder() + "/assemble_image_clip/");
    QVERIFY(QFile::exists(assembleImagesPath + "late2.png"));
}

void TestWelcomeUpdate::updateCheckReplies_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("checking");
    QTest::addColumn<bool>("licence");

    const Answer older = HttpTestServer::ok(R"({"OS":{"Window":{"Edition":{"ALL":[{"Model":"TolmSetupWizard",
        "Version":"v2.00.9","URL_EXE":"https://dl.test/setup.exe"}]}}}})");
    QTest::newRow("older by number: licence, socket bound") << older << true << true;
    QTest::newRow("late reply after the check ended") << older << false << false;
}

void TestWelcomeUpdate::updateCheckReplies()
{
    QFETCH(Answer, answer);
    QFETCH(bool, checking);
    QFETCH(bool, licence);
    serve({{"/wizard/", answer}});
    TolmWizardUpdateUrl = server->url("/wizard/");
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    gWelcomePage->checkWizardUpdateUriConnection();
    if (!checking)
        gWelcomePage->checkWizardUpdateUriTimer->stop();
    QTRY_COMPARE(server->requests.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), 10000);

    QVERIFY(!gWelcomePage->wizardUpdateFound);
    QCOMPARE(gAgreementPage->isVisibleTo(gMainpage), licence);
    QCOMPARE(gWelcomePage->isVisibleTo(gMainpage), !licence);
    QCOMPARE(dcpPortHeld(), licence);
    QCOMPARE(gWelcomePage->checkWizardUpdateUriTimer->isActive(), checking && !licence);
    QCOMPARE(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage), !licence);
}

// A redirect answer is not written: its target is fetched. A second answer after the
// download was handled opens nothing more.
void TestWelcomeUpdate::redirectedInstallerAndLateAnswer()
{
    const QByteArray installer("#!/bin/sh\nexit 0\n");
    serve({{"/files/setup.exe", HttpTestServer::redirect(302, "/mirror/v2.exe")},
           {"/mirror/v2.exe", HttpTestServer::ok(installer)}});
    TolmWizardUpdateUrl = server->url("/files/setup.exe");
    TolmWizardUpdateSavePath = folder;
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateTimer->start(60000);
    gWelcomePage->checkTolmWizardUpdateRequest();
    QTRY_COMPARE(popupShown(), QString("UpdateWizardStatusMsgBox"));
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), 10000);

    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"setup.exe"});
    QFile file(folder + "/setup.exe");
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == installer);
    QVERIFY(gWizardUpdateDownloaded);
    QVERIFY(!gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));

    gWelcomePage->getWizardUpdate();
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), 10000);
    QCOMPARE(gMainpage->findChildren<MessageBoxPage*>().size(), 1);
}

void TestWelcomeUpdate::failedInstallerStartKeepsTheWizard()
{
    TolmWizardUpdateUrl = QUrl("https://dl.test/files/setup.run");
    TolmWizardUpdateSavePath = folder;
    QFile file(folder + "/setup.run");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    gWizardUpdateDownloaded = true;
    gWelcomePage->popupUpdateWizardStatusMsgBox();
    ProcessRecorder recorder;
    recorder.reply.started = false;
    LogRecorder log;

    gWelcomePage->pressMsgUpdateWizardStatusOKButton();
    QCOMPARE(recorder.calls.size(), 1);
    QCOMPARE(recorder.calls[0].program, QDir::toNativeSeparators(folder + "/setup.run"));
    QVERIFY(!log.contains("04 QCoreApplication::exit()"));
    QVERIFY(gMainpage->isVisible());
    QCOMPARE(popupShown(), QString("UpdateWizardDownloadErrorMsgBox"));
}

QTEST_MAIN(TestWelcomeUpdate)
#include "tst_welcomeupdate.moc"
