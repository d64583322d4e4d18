// The welcome page: language choice, the catalogue and probe replies, the version gate,
// the late probe answer and certificate handling, against a loopback HTTP server.
#include <QtTest>

#include <QComboBox>
#include <QStandardItemModel>
#include <QTranslator>

#include "shell/globals.h"
#include "welcometestkit.h"
#include "shell/languages.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"

using Answer = HttpTestServer::Answer;
Q_DECLARE_METATYPE(Answer)

namespace {

const char* const kProbePath = "/probe";
const char* const kCataloguePath = "/release/tolmwizard.json";

// Records the translation contexts asked for while it is installed.
class ContextRecorder : public QTranslator
{
public:
    QString translate(const char* context, const char*, const char* = nullptr, int = -1) const override
    {
        contexts.insert(QString::fromLatin1(context));
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QSet<QString> contexts;
};

} // namespace

class TestWelcomePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void languageSwitch_data();
    void languageSwitch();
    void translateReachesEveryForm();
    void checkReplies_data();
    void checkReplies();
    void versionGate_data();
    void versionGate();
    void lateProbeAnswerLetsRetrySucceed();
    void certificates_data();
    void certificates();

private:
    void startServer(const QMap<QString, Answer>& answers);
    HttpTestServer* server = nullptr;
    QScopedPointer<HttpTestServer> tlsServer;
};

void TestWelcomePage::initTestCase()
{
    createWizardForTests();
    // Translation files beside this program: some present, French missing.
    const QString built = QString::fromLocal8Bit(qgetenv("BUILD_DIR")) + "/lang/";
    QDir().mkpath(languageFolder());
    for (const char* file : {"en.qm", "de.qm", "no.qm"}) {
        QFile::remove(languageFolder() + file);
        QVERIFY2(QFile::copy(built + file, languageFolder() + file), file);
    }
    QFile::remove(languageFolder() + "fr.qm");
}

void TestWelcomePage::init()
{
    isLocalView = false;
    gIsQATest = false;
    gWelcomePage->resetCheckingParameter();
    gWelcomePage->unbindingDCP();
    gMainpage->hideBusy();
    gOppsPage->hide();
    gAgreementPage->hide();
    gMainpage->showPage(nullptr, gWelcomePage);
    ModelRouteMap.clear();
}

void TestWelcomePage::cleanup()
{
    gWelcomePage->resetCheckingParameter();
    abortWelcomeReplies();
    QTRY_VERIFY(!welcomeRepliesPending());
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    gMainpage->lockScreenLabel->hide();
    gWelcomePage->unbindingDCP();
    delete server;
    server = nullptr;
}

void TestWelcomePage::startServer(const QMap<QString, Answer>& answers)
{
    server = new HttpTestServer;
    QVERIFY(server->start());
    for (auto it = answers.constBegin(); it != answers.constEnd(); ++it)
        server->setAnswer(it.key(), it.value());
    gWelcomePage->wizardInternetUrl = server->url(kProbePath);
    jsonUrl = server->url(kCataloguePath);
}

void TestWelcomePage::languageSwitch_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("fallback");

    QTest::newRow("german") << 12 << "de" << 12 << false;
    QTest::newRow("french missing: english, french still shown") << 1 << "en" << 1 << true;
    QTest::newRow("norwegian uses no.qm") << 18 << "no" << 18 << false;
    QTest::newRow("below the table") << -1 << "en" << -1 << false;
    QTest::newRow("past the table") << 24 << "en" << -1 << false;
}

void TestWelcomePage::languageSwitch()
{
    QFETCH(int, index);
    QFETCH(QString, language);
    QFETCH(int, shown);
    QFETCH(bool, fallback);

    LogRecorder log;
    gWelcomePage->langComboBoxIndexChanged(index);
    QCOMPARE(gCurrentLanguage, language);
    QComboBox* combo = gWelcomePage->ui->welcomeLanguageComboBox_ComboBox;
    QCOMPARE(combo->count(), 24);
    QCOMPARE(combo->currentIndex(), shown);
    QCOMPARE(log.contains("03-02 Tran Stop Re-Load en.qm"), fallback);
    // Rebuilding the list inside the switch starts no second switch.
    QCOMPARE(log.matching("langComboBoxIndexChanged idx=").size(), 1);
}

void TestWelcomePage::translateReachesEveryForm()
{
    ContextRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    gWelcomePage->translateUI();
    QCoreApplication::removeTranslator(&recorder);

    // The ConnectionTypeDefault form has no texts, so it asks for no context.
    for (const char* context :
         {"WelcomePage", "Mainpage", "AgreementPage", "OppsPage", "CameraConnectionPage", "DiscoveryPage",
          "DeviceSetupPage", "AlreadyRegisteredPage", "DeviceWiFiChangePage", "DeviceSetupCompletePage",
          "ConnectionTypeOnlyOne", "ConnectionTypeMoreThanOne", "ConnectionTypeAPMode", "ConnectionTypeLocalView",
          "APModeHostToDevice", "APModeHostToDevicePasswordVerify", "APModeDeviceToRouter", "APModeHostToRouter"})
        QVERIFY2(recorder.contexts.contains(context), context);
    QVERIFY(!recorder.contexts.contains("CloudServicesPage"));
}

// One reply on the probe and catalogue manager, by what the check is waiting for.
void TestWelcomePage::checkReplies_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<bool>("jsonReady");
    QTest::addColumn<QString>("jsonPath");  // catalogue address afterwards

    const Answer page = HttpTestServer::ok("<html/>");
    QTest::newRow("probe answered") << 0 << page << false << true << false << kCataloguePath;
    QTest::newRow("access-point probe sets both") << 2 << page << false << true << true << kCataloguePath;
    QTest::newRow("network error clears both") << 2 << HttpTestServer::status(404) << true << false << false
                                               << kCataloguePath;
    QTest::newRow("catalogue not json: no-Internet page")
        << 1 << HttpTestServer::ok("{\"Cameras\":[") << false << false << false << kCataloguePath;
    QTest::newRow("catalogue redirect resolved against the request")
        << 1 << HttpTestServer::redirect(301, "moved/tolmwizard.json") << false << false << false
        << "/release/moved/tolmwizard.json";
}

void TestWelcomePage::checkReplies()
{
    QFETCH(int, type);
    QFETCH(Answer, answer);
    QFETCH(bool, before);
    QFETCH(bool, reachable);
    QFETCH(bool, jsonReady);
    QFETCH(QString, jsonPath);

    startServer({{kCataloguePath, answer}});
    gWelcomePage->bindingDCP();
    gInternetReachable = before;
    gJsonFileReady = before;
    checkType = type;
    gWelcomePage->tolmwizardNetworkManager->get(QNetworkRequest(jsonUrl));
    QTRY_COMPARE(server->requestsFor(kCataloguePath), 1);
    QTRY_VERIFY(!welcomeRepliesPending());

    QCOMPARE(gInternetReachable, reachable);
    QCOMPARE(gJsonFileReady, jsonReady);
    QCOMPARE(jsonUrl, server->url(jsonPath));
    const bool failed = QByteArray(QTest::currentDataTag()).contains("not json");
    QCOMPARE(gOppsPage->isHidden(), !failed);
    if (failed) {
        QCOMPARE(ModelRouteMap.keys(), QStringList{"Choose your model"});
        QCOMPARE(checkType, 0);
        QVERIFY(dcpPortHeld());
    }
}

void TestWelcomePage::versionGate_data()
{
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("update");

    QTest::newRow("same version") << "v2.00.10" << false;
    QTest::newRow("11 is newer") << "v2.00.11" << true;
}

void TestWelcomePage::versionGate()
{
    QFETCH(QString, latest);
    QFETCH(bool, update);

    gWelcomePage->bindingDCP();
    TolmWizardLatestVersion = latest;
    gJsonFileReady = true;
    gWelcomePage->checkWizardJsonFileTimer->start(1000);
    gWelcomePage->checkJsonFileRequest();

    QVERIFY(!gWelcomePage->checkWizardJsonFileTimer->isActive());
    QCOMPARE(gWelcomePage->checkWizardUpdateUriTimer->isActive(), update);
    QCOMPARE(gAgreementPage->isHidden(), update);
    QCOMPARE(dcpPortHeld(), !update);
}

// The probe sent by the timeout tick is answered after the no-Internet page has shown;
// Retry's first tick then goes straight on to the catalogue.
void TestWelcomePage::lateProbeAnswerLetsRetrySucceed()
{
    startServer({{kProbePath, HttpTestServer::status(404)}});
    gMainpage->showBusy();
    for (int tick = 0; tick < 5; ++tick) {
        gWelcomePage->checkInternetRequest();
        QTRY_VERIFY(!welcomeRepliesPending());
    }
    QCOMPARE(server->requestsFor(kProbePath), 3);  // ticks 0, 2 and 4

    server->setAnswer(kProbePath, HttpTestServer::ok("<html/>"));
    gWelcomePage->checkInternetRequest();  // the limit
    QVERIFY(!gOppsPage->isHidden());
    QTRY_VERIFY(gInternetReachable);
    QCOMPARE(server->requestsFor(kProbePath), 4);

    QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
    QVERIFY(gWelcomePage->checkWizardInternetTimer->isActive());
    gWelcomePage->checkInternetRequest();  // Retry's first tick
    QVERIFY(!gWelcomePage->checkWizardInternetTimer->isActive());
    QVERIFY(gWelcomePage->checkWizardJsonFileTimer->isActive());
    QCOMPARE(checkType, 1);
    QVERIFY(dcpPortHeld());
    QCOMPARE(server->requestsFor(kProbePath), 4);
}

// An untrusted certificate fails the request on every manager, sprites included.
void TestWelcomePage::certificates_data()
{
    QTest::addColumn<int>("manager");

    QTest::newRow("assemble sprite") << 1;
    QTest::newRow("device-icon sprite") << 2;
    QTest::newRow("installer") << 3;
    QTest::newRow("update description") << 4;
}

void TestWelcomePage::certificates()
{
    QFETCH(int, manager);

    if (!tlsServer) {
        tlsServer.reset(new HttpTestServer);
        tlsServer->start(true);
        tlsServer->setAnswer("/file", HttpTestServer::ok("{}"));
    }
    if (!tlsServer->isListening())
        QSKIP("no TLS test server: openssl could not make a certificate");
    const int before = tlsServer->requestsFor("/file");

    QNetworkAccessManager* nam = welcomeManagers()[manager];
    QNetworkReply::NetworkError error = QNetworkReply::UnknownServerError;
    bool finished = false;
    QObject watch;  // ends the connection with the locals
    connect(nam, &QNetworkAccessManager::finished, &watch, [&](QNetworkReply* reply) {
        error = reply->error();
        finished = true;
    });
    nam->get(QNetworkRequest(tlsServer->url("/file")));
    QTRY_VERIFY_WITH_TIMEOUT(finished, 10000);

    QVERIFY(error != QNetworkReply::NoError);
    QCOMPARE(tlsServer->requestsFor("/file") - before, 0);
}

QTEST_MAIN(TestWelcomePage)
#include "tst_welcomepage.moc"
