// The welcome page's sprite waits and self-update against a loopback HTTP server.
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

#include "base/globals.h"
#include "shell/mainpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/installerrules.h"
#include "welcome/spriteclipper.h"
#include "welcome/updatedescription.h"
#include "welcometestkit.h"

using Answer = HttpTestServer::Answer;
using Answers = QMap<QString, Answer>;

namespace {

QString popupShown()
{
    const QList<MessageBoxPage*> popups = gMainpage->findChildren<MessageBoxPage*>();
    return popups.isEmpty() ? QString() : popups.last()->objectName();
}

// A person at the folder dialog: it gets the next of these folders, or is cancelled when none is left;
// dimmedAtDialog: whether the window was dimmed behind the last dialog answered.
QStringList folderAnswers;
bool dimmedAtDialog = false;

void answerFolderDialog()
{
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dimmedAtDialog = !frameWidget("lockScreenLabel")->isHidden();
        if (folderAnswers.isEmpty())
            return dialog->reject();
        // Typed into its name field: a file selected in its list is left out while that field has the focus.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(folderAnswers.takeFirst());
        static_cast<QDialog*>(dialog)->accept();
    }
}

}  // namespace

class TestWelcomeUpdate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { Mainpage::endWizard(); }
    void init();
    void cleanup();

    void errorPageIsNoSprite();
    void spriteBeforeCatalogueIsCutAgain();
    void lateUpdateCheckReply();
    void redirectedInstallerTargetFetched_data();
    void redirectedInstallerTargetFetched();
    void oversizedAnswersFail_data();
    void oversizedAnswersFail();
    void closeCrossLeavesTheRoad_data();
    void closeCrossLeavesTheRoad();
    void unwritableFolderSaid_data();
    void unwritableFolderSaid();
    void installerNames_data();
    void installerNames();

private:
    void serve(const Answers& answers);
    HttpTestServer* server = nullptr;
    QTemporaryDir temp;
    QString folder;
    QTimer dialogs;
};

void TestWelcomeUpdate::initTestCase()
{
    QVERIFY(temp.isValid());
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    createWizardForTests();
    connect(&dialogs, &QTimer::timeout, &answerFolderDialog);
    dialogs.start(20);
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
    gWelcomePage->checkDeviceIconTimer->start(100);
    QTRY_VERIFY_WITH_TIMEOUT(!gWelcomePage->checkDeviceIconTimer->isActive(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
    QVERIFY(gWelcomePage->checkWizardUpdateUriTimer->isActive());
    QVERIFY(gWelcomePage->checkWizardUpdateTimer->isActive());
    QVERIFY(frameWidget("loadingMaskLabel")->isVisibleTo(gMainpage));
    QCOMPARE(server->requests, QStringList({"/d.png", "/d.png"}));
    QVERIFY(!gDeviceIconReady);
    QCOMPARE(deviceIconsPath, QString("/start/device_icon/"));
}

void TestWelcomeUpdate::spriteBeforeCatalogueIsCutAgain()
{
    serve({{"/a.png", HttpTestServer::ok(blankPng(4 * 164, 9 * 164))},
           {"/tolmwizard.json", HttpTestServer::ok(R"({"AssembleImages":
           {"INT_id":"late1,late2"},"TolmWizardLatestVersion":"v2.00.10"})")}});
    AssembleImagesMap.clear();
    gWelcomePage->getAssembleImagesSquare();
    QTRY_VERIFY_WITH_TIMEOUT(gAssembleImageReady, kWelcomeAnswersMs);
    QCOMPARE(assembleImagesPath, QString("/start/assemble_image/"));

    checkType = 1;
    gWelcomePage->sendCheckRequest(server->url("/tolmwizard.json"));
    QTRY_VERIFY_WITH_TIMEOUT(gJsonFileReady, kWelcomeAnswersMs);
    QTRY_COMPARE(assembleImagesPath, spriteFolder() + "/assemble_image_clip/");
    QVERIFY(QFile::exists(assembleImagesPath + "late2.png"));

    // Cut off the window's thread, which sets the folder once it hears the cut is done, and only when the cut
    // saved a picture: the icons' cut, after one without names, tells when that one is done.
    assembleImagesPath = "/start/assemble_image/";
    gWelcomePage->assembleSprite = QImage::fromData(blankPng(164, 9 * 164));
    gWelcomePage->clipAssembleImagesSquare();
    QCOMPARE(assembleImagesPath, QString("/start/assemble_image/"));
    QTRY_COMPARE(assembleImagesPath, spriteFolder() + "/assemble_image_clip/");
    QCOMPARE(QDir(assembleImagesPath).entryList(QDir::Files), QStringList{"late1.png"});
    assembleImagesPath = "/start/assemble_image/";
    AssembleImagesMap.clear();
    gWelcomePage->clipAssembleImagesSquare();
    gWelcomePage->deviceIconSprite = QImage::fromData(blankPng(50, 6 * 50));
    gWelcomePage->clipDeviceIconSquare();
    QTRY_COMPARE(deviceIconsPath, spriteFolder() + "/device_icon_clip/");
    QCOMPARE(assembleImagesPath, QString("/start/assemble_image/"));
}

// An update-check reply arriving after the check ended opens nothing and binds nothing.
void TestWelcomeUpdate::lateUpdateCheckReply()
{
    serve({{"/wizard/", HttpTestServer::ok(R"({"OS":{"Window":{"Edition":{"ALL":[{"Model":"TolmSetupWizard",
        "Version":"v2.00.9","URL_EXE":"https://dl.test/setup.exe"}]}}}})")}});
    TolmWizardUpdateUrl = server->url("/wizard/");
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    gWelcomePage->checkWizardUpdateUriConnection();
    gWelcomePage->checkWizardUpdateUriTimer->stop();
    QTRY_COMPARE_WITH_TIMEOUT(server->requests.size(), 1, kWelcomeAnswersMs);
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
    QVERIFY(!gWelcomePage->wizardUpdateFound);
    QVERIFY(!gAgreementPage->isVisibleTo(gMainpage));
    QVERIFY(!dcpPortHeld());
    QVERIFY(frameWidget("loadingMaskLabel")->isVisibleTo(gMainpage));
}

// A redirect answer is not written: its target is fetched, and read back and started by the name it was written
// under, though the folder or the address change while it runs (as another folder chosen after a failed write while
// an earlier request still runs).
void TestWelcomeUpdate::redirectedInstallerTargetFetched_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("as asked") << QString();
    QTest::newRow("the folder changed while it runs") << "folder";
    QTest::newRow("the address changed while it runs") << "address";
}

void TestWelcomeUpdate::redirectedInstallerTargetFetched()
{
    QFETCH(QString, change);
    const QByteArray installer("#!/bin/sh\nexit 0\n");
    serve({{"/files/setup.exe", HttpTestServer::redirect(302, "/mirror/v2.exe")},
           {"/mirror/v2.exe", HttpTestServer::ok(installer)}});
    QTemporaryDir into(folder + "/row-XXXXXX");
    QVERIFY(into.isValid());
    TolmWizardUpdateUrl = server->url("/files/setup.exe");
    TolmWizardUpdateSavePath = into.path();
    gMainpage->showBusy();
    gWelcomePage->checkWizardUpdateTimer->start(60000);
    gWelcomePage->checkTolmWizardUpdateRequest();
    const QString other = into.path() + "/other";
    QVERIFY(QDir().mkpath(other));
    if (change == "folder")
        TolmWizardUpdateSavePath = other;
    else if (!change.isEmpty())
        TolmWizardUpdateUrl = server->url("/files/other/setup2.exe");
    // The installer's deadline (390 s) is past the suite's own; the local answer comes at once, and its end says.
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
    QCOMPARE(popupShown(), QString("UpdateWizardStatusMsgBox"));

    QCOMPARE(QDir(into.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setup.exe"});
    QFile file(into.path() + "/setup.exe");
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == installer);
    QCOMPARE(TolmWizardFile, file.fileName());
    QVERIFY(gWizardUpdateDownloaded);
    QVERIFY(!frameWidget("loadingMaskLabel")->isVisibleTo(gMainpage));
    if (change.isEmpty())
        return;
    // OK starts nothing but that file: with it gone, a program under the name the update would use now stays unrun.
    QVERIFY(file.remove());
    QFile now(TolmWizardUpdateSavePath + "/" + installerFileName(TolmWizardUpdateUrl));
    QVERIFY(now.open(QIODevice::WriteOnly) && now.write(installer) == installer.size());
    now.close();
    gMainpage->findChild<MessageBoxPage*>(popupShown())->ui->msgBoxRightBtn_Button->click();
    QCOMPARE(popupShown(), QString("UpdateWizardDownloadErrorMsgBox"));
    QVERIFY(gMainpage->isVisible());
}

// An answer over its kind's size, or a sprite of too many pixels, takes the failure road.
void TestWelcomeUpdate::oversizedAnswersFail_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    const QByteArray padding(3 * 1024 * 1024, ' ');
    QTest::newRow("catalogue of 3 MB") << "/tolmwizard.json"
                                       << QByteArray(R"({"TolmWizardLatestVersion":"v2.00.10"})") + padding;
    QTest::newRow("update description of 3 MB") << "/wizard/"
                                                << QByteArray(R"({"OS":{"Window":{"Edition":{"ALL":
        [{"Model":"TolmSetupWizard","Version":"v2.00.11","URL_EXE":"https://dl.test/setup.exe"}]}}}})") +
                                                       padding;
    QTest::newRow("sprite of 16000 x 16000") << "/a.png" << blankPng(16000, 16000);
}

void TestWelcomeUpdate::oversizedAnswersFail()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    serve({{path, HttpTestServer::ok(body)}});
    TolmWizardUpdateUrl = server->url(path);
    gWelcomePage->checkWizardUpdateUriTimer->start(60000);
    checkType = 1;
    if (path == "/a.png")
        gWelcomePage->getAssembleImagesSquare();
    else if (path == "/wizard/")
        gWelcomePage->checkWizardUpdateUriConnection();
    else
        gWelcomePage->sendCheckRequest(server->url(path));
    QTRY_COMPARE_WITH_TIMEOUT(server->requests.size(), 1, kWelcomeAnswersMs);
    QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
    QVERIFY(!gJsonFileReady && !gWelcomePage->wizardUpdateFound && !gAssembleImageReady);
}

// Every close cross of the update road goes on with this wizard, and in test mode the next update
// check asks the test base again, not the installer.
void TestWelcomeUpdate::closeCrossLeavesTheRoad_data()
{
    QTest::addColumn<QString>("popup");
    QTest::newRow("new version") << "UpdateWizardMsgBox";
    QTest::newRow("new version, Update, its folder dialog cancelled") << "UpdateWizardMsgBox";
    QTest::newRow("download successful") << "UpdateWizardStatusMsgBox";
    QTest::newRow("path error") << "UpdateWizardPathErrorMsgBox";
    QTest::newRow("download error") << "UpdateWizardDownloadErrorMsgBox";
    QTest::newRow("folder error") << "UpdateWizardFolderErrorMsgBox";
}

void TestWelcomeUpdate::closeCrossLeavesTheRoad()
{
    QFETCH(QString, popup);
    gIsQATest = true;
    TolmWizardUpdateUrl = QUrl("https://dl.test/files/setup.exe");
    const QMap<QString, void (WelcomePage::*)()> open{
        {"UpdateWizardMsgBox", &WelcomePage::popupUpdateWizardMsgBox},
        {"UpdateWizardStatusMsgBox", &WelcomePage::popupUpdateWizardStatusMsgBox},
        {"UpdateWizardPathErrorMsgBox", &WelcomePage::popupUpdateWizardPathErrorMsgBox},
        {"UpdateWizardDownloadErrorMsgBox", &WelcomePage::popupUpdateWizardDownloadErrorMsgBox},
        {"UpdateWizardFolderErrorMsgBox", &WelcomePage::popupUpdateWizardFolderErrorMsgBox}};
    (gWelcomePage->*open[popup])();
    dimmedAtDialog = false;  // while the folder dialog is open, as a person cancels it
    folderAnswers.clear();
    const bool update = QByteArray(QTest::currentDataTag()).contains("Update");
    Ui_MessageBoxPage* form = gMainpage->findChild<MessageBoxPage*>(popup)->ui;
    (update ? form->msgBoxRightBtn_Button : form->msgBoxClose_Button)->click();
    QCOMPARE(dimmedAtDialog, update);
    QVERIFY(frameWidget("lockScreenLabel")->isHidden());
    QCOMPARE(popupShown(), QString());
    QVERIFY(gAgreementPage->isVisibleTo(gMainpage));
    QCOMPARE(TolmWizardUpdateUrl, QUrl(gQATestBaseUrl + "vt_devices.json"));
}

// A folder no file can be made in (the kernel's /proc, an administrator's too), chosen or found so by the download,
// is said at once; the popup's OK opens the dialog again, whose other folder takes the download.
void TestWelcomeUpdate::unwritableFolderSaid_data()
{
    QTest::addColumn<bool>("download");
    QTest::newRow("chosen") << false;
    QTest::newRow("found by the download") << true;
}

void TestWelcomeUpdate::unwritableFolderSaid()
{
    QFETCH(bool, download);
    serve({{"/files/setup.exe", HttpTestServer::ok("#!/bin/sh\nexit 0\n")}});
    TolmWizardUpdateUrl = server->url("/files/setup.exe");
    TolmWizardUpdateSavePath = "/proc";
    folderAnswers = download ? QStringList{folder} : QStringList{"/proc", folder};
    if (download) {
        gMainpage->showBusy();
        gWelcomePage->checkWizardUpdateTimer->start(60000);
        gWelcomePage->checkTolmWizardUpdateRequest();
        QTRY_COMPARE_WITH_TIMEOUT(popupShown(), QString("UpdateWizardFolderErrorMsgBox"), kWelcomeAnswersMs);
    } else {
        gWelcomePage->pressUpdateButton();
    }
    QCOMPARE(popupShown(), QString("UpdateWizardFolderErrorMsgBox"));
    QVERIFY(!gWelcomePage->checkWizardUpdateTimer->isActive() && !gMainpage->isBusy());
    gMainpage->findChild<MessageBoxPage*>(popupShown())->ui->msgBoxRightBtn_Button->click();
    QCOMPARE(popupShown(), QString());
    QCOMPARE(TolmWizardUpdateSavePath, folder);
    QVERIFY(gWelcomePage->checkWizardUpdateTimer->isActive() && folderAnswers.isEmpty());
    QVERIFY(frameWidget("lockScreenLabel")->isHidden());
}

// The installer's name from its address is a plain file name that replaces no file the wizard did not write: one
// starting with a dot, holding a character not drawn as itself or of the wizard's own is saved under the service's
// usual name; a file of that name already in the folder is replaced only when it is an installer's, else left alone
// and another folder asked for.
void TestWelcomeUpdate::installerNames_data()
{
    QTest::addColumn<QString>("address");  // the address's last path segment
    QTest::addColumn<QString>("program");  // the program's file name; empty: this suite's, and Update pressed
    QTest::addColumn<bool>("old");         // a file of the saved name already in the folder
    QTest::addColumn<QString>("saved");    // empty: nothing may be saved
    QTest::addColumn<bool>("replaced");
    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    const auto row = [](const char* name, const QString& address, bool old, const QString& saved, bool replaced,
                        const QString& program = QString()) {
        QTest::newRow(name) << address << program << old << saved << replaced;
    };
    row("an installer replaces an earlier one", "setup.exe", true, "setup.exe", true);
    row("in any case", "SETUP.EXE", true, "SETUP.EXE", true);
    row("another file of the name left alone", "Report%202026.pdf", true, "Report 2026.pdf", false);
    row("a name of no file yet saved", "Report%202026.pdf", false, "Report 2026.pdf", false);
    row("\".exe\" not at the end", "setup.exe.pdf", true, "setup.exe.pdf", false);
    row("\".ex\" at the end", "setup.ex", true, "setup.ex", false);
    row("a leading dot", ".profile", false, fallback, true);
    row("\".exe\" alone", ".exe", true, fallback, true);
    row("a dot inside", "a.profile", false, "a.profile", false);
    row("the program", "tolmwizard", false, fallback, true);
    row("the program for Windows", "TolmWizard.EXE", false, fallback, true);
    row("the program as named", QFileInfo(QCoreApplication::applicationFilePath()).fileName(), false, fallback, true);
    row("the configuration", "Config.xml", false, fallback, true);
    row("the translations' folder", "lang", false, fallback, true);
    row("a library", "version.DLL", false, fallback, true);
    row("another name beginning as the program's", "tolmwizard.bin", false, "tolmwizard.bin", false);
    // A control character decoded from the address: the file system would cut the name at a NUL.
    row("a NUL before \".exe\", a log's name before it", "log.txt%00.exe", false, fallback, true);
    row("a NUL before \".exe\", a script's name before it", "evil.sh%00.exe", false, fallback, true);
    row("a NUL at the end", "setup.exe%00", false, fallback, true);
    row("a line feed", "set%0Aup.exe", false, fallback, true);
    row("U+001F", "setup%1F.exe", false, fallback, true);
    row("U+007F", "setup%7F.exe", false, fallback, true);
    row("a space, U+0020", "set%20up.exe", false, "set up.exe", true);
    row("a tilde, U+007E", "setup~1.exe", false, "setup~1.exe", true);
    // Nor one that draws the name as other than it is: C1 controls, the characters that turn the text's direction
    // ("setup\u202Eexe.txt" reads as ending in ".exe"), other format characters, separators and selectors drawn as
    // nothing; also past U+FFFF. What the address names twice encoded is shown as it stands.
    row("U+0080", "setup%C2%80.exe", false, fallback, true);
    row("U+0085 and U+202E", "setup%C2%85%E2%80%AEexe.txt", false, fallback, true);
    row("U+009F", "setup%C2%9F.exe", false, fallback, true);
    row("U+00A0", "setup%C2%A0.exe", false, QString::fromUtf8("setup\u00a0.exe"), true);
    row("U+200E", "%E2%80%8Esetup.exe", false, fallback, true);
    row("U+200F", "setup%E2%80%8F.exe", false, fallback, true);
    row("U+202A", "setup%E2%80%AA.exe", false, fallback, true);
    row("U+2066", "setup%E2%81%A6.exe", false, fallback, true);
    row("U+2069", "setup%E2%81%A9.exe", false, fallback, true);
    row("U+061C", "setup%D8%9C.exe", false, fallback, true);
    row("U+FEFF", "%EF%BB%BFsetup.exe", false, fallback, true);
    row("U+200B in the extension", "setup.e%E2%80%8Bxe", false, fallback, true);
    row("U+2028", "setup%E2%80%A8.exe", false, fallback, true);
    row("U+2029", "setup%E2%80%A9.exe", false, fallback, true);
    row("U+FE0F", "setup.ex%EF%B8%8Fe", false, fallback, true);
    row("U+E0001", "setup%F3%A0%80%81.exe", false, fallback, true);
    row("U+E0100", "setup%F3%A0%84%80.exe", false, fallback, true);
    row("U+2010", "set%E2%80%90up.exe", false, QString::fromUtf8("set\u2010up.exe"), true);
    row("U+202E encoded twice", "setup%25E2%2580%25AEexe.txt", false, "setup%E2%80%AEexe.txt", false);
    row("U+202E in an overlong form", "setup%F0%82%80%AEexe.txt", false,
        QString::fromUtf8("setup\ufffd\ufffd\ufffd\ufffdexe.txt"), false);
    row("a renamed program, another name", "setup.exe", false, "setup.exe", true, "TolmSetupWizard.exe");
    row("a renamed program, its own name", "tolmsetupwizard.exe", false, QString(), false, "TolmSetupWizard.exe");
}

void TestWelcomeUpdate::installerNames()
{
    QFETCH(QString, address);
    QFETCH(QString, program);
    QFETCH(bool, old);
    QFETCH(QString, saved);
    QFETCH(bool, replaced);
    const QUrl url("http://127.0.0.1:1/files/" + address);  // never asked: the download's first tick is a second away
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(InstallerRules::savedName(installerFileName(url), program.isEmpty() ? own : program), saved);
    QCOMPARE(!saved.isEmpty() && InstallerRules::replacesOldFile(saved), replaced);
    if (!program.isEmpty())
        return;

    QTemporaryDir into(folder + "/row-XXXXXX");
    QVERIFY(into.isValid());
    const QString target = into.path() + "/" + saved;
    if (old) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    }
    TolmWizardUpdateUrl = url;
    folderAnswers = QStringList{into.path()};
    gWelcomePage->pressUpdateButton();
    const bool leftAlone = old && !replaced;
    QCOMPARE(popupShown(), QString(leftAlone ? "UpdateWizardPathErrorMsgBox" : ""));
    QCOMPARE(gWelcomePage->checkWizardUpdateTimer->isActive(), !leftAlone);
    gWelcomePage->checkWizardUpdateTimer->stop();
    QCOMPARE(QFile::exists(target), leftAlone);
    QCOMPARE(QDir(into.path()).entryList(QDir::Files | QDir::Hidden), leftAlone ? QStringList{saved} : QStringList());
    QCOMPARE(TolmWizardFile, target);
}

QTEST_MAIN(TestWelcomeUpdate)
#include "tst_welcomeupdate.moc"
