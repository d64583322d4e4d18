// The welcome page: form, language choice, start check chain against a loopback HTTP
// server, catalogue globals and certificate handling.
#include <QtTest>

#include <QComboBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardItemModel>
#include <QTranslator>
#include <QUdpSocket>

#include "dcputils.h"
#include "globals.h"
#include "guide/cameraconnectionpage.h"
#include "httptestkit.h"
#include "languages.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"

using Answer = HttpTestServer::Answer;

namespace {

const char* const kProbePath = "/probe";
const char* const kCataloguePath = "/release/tolmwizard.json";

QByteArray testCatalogue()
{
    QFile file(QString::fromLocal8Bit(qgetenv("TESTDATA")) + "/catalogue/tolmwizard.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the DCP port is held: a socket of our own cannot bind it then.
bool dcpPortHeld()
{
    QUdpSocket probe;
    return !probe.bind(QHostAddress::Any, 5978);
}

QList<QNetworkAccessManager*> managers()
{
    WelcomePage* w = gWelcomePage;
    return {w->tolmwizardNetworkManager, w->tolmwizardDownloadManager, w->tolmwizardDownloadDeviceIconManager,
            w->tolmwizardUpdateManager, w->tolmwizardUpdateUriManager};
}

bool repliesPending()
{
    for (QNetworkAccessManager* manager : managers())
        if (!manager->findChildren<QNetworkReply*>().isEmpty())
            return true;
    return false;
}

// Records the translation contexts asked for while it is installed.
class ContextRecorder : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(sourceText)
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
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

    void formSetup();
    void construction();
    void languageList_data();
    void languageList();
    void languageSwitch_data();
    void languageSwitch();
    void onlyTheUserSwitchesLanguage();
    void translatedTexts_data();
    void translatedTexts();
    void translateReachesEveryForm();
    void parseIntoGlobals_data();
    void parseIntoGlobals();
    void versionGate_data();
    void versionGate();
    void startRoads_data();
    void startRoads();
    void lateProbeAnswerLetsRetrySucceed();
    void localOnlyRoad();
    void bindFailure();
    void replyFlags_data();
    void replyFlags();
    void certificates_data();
    void certificates();
    void authenticationChallenge();

private:
    void startServer(const QMap<QString, Answer>& answers);
    HttpTestServer* server = nullptr;
};

void TestWelcomePage::initTestCase()
{
    createWizardForTests();
    if (!gTranslator)
        gTranslator = new QTranslator(qApp);

    // Translation files beside this program: some present, French missing.
    const QString built = QString::fromLocal8Bit(qgetenv("BUILD_DIR")) + "/lang/";
    QDir().mkpath(languageFolder());
    for (const char* file : {"en.qm", "de.qm", "no.qm", "pt.qm"}) {
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
    for (QWidget* page : std::initializer_list<QWidget*>{gOppsPage, gAgreementPage, gCameraConnectionPage})
        page->hide();
    gMainpage->showPage(nullptr, gWelcomePage);
    gMainpage->ui->mainZero_Label->show();
    ModelRouteMap.clear();
}

void TestWelcomePage::cleanup()
{
    gWelcomePage->resetCheckingParameter();
    for (QNetworkAccessManager* manager : managers())
        for (QNetworkReply* reply : manager->findChildren<QNetworkReply*>())
            reply->abort();
    QTRY_VERIFY(!repliesPending());
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

void TestWelcomePage::formSetup()
{
    QWidget named;
    named.setObjectName("Other");
    Ui_WelcomePage form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QString("Other"));
    QCOMPARE(form.welcomeLanguageComboBox_ComboBox->count(), 1);
    QCOMPARE(form.welcomeLanguageComboBox_ComboBox->itemText(0), QString("English"));
    QVERIFY(form.welcomeOlvarisImages_Label->text().isEmpty());

    QWidget unnamed;
    Ui_WelcomePage().setupUi(&unnamed);
    QCOMPARE(unnamed.objectName(), QString("WelcomePage"));
}

void TestWelcomePage::construction()
{
    gInternetReachable = true;
    checkType = 2;
    WelcomePage page;
    QCOMPARE(page.ui->welcomeStart_Button->text(), QString("Start"));
    for (QTimer* timer : page.findChildren<QTimer*>())
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
    QCOMPARE(page.findChildren<QNetworkAccessManager*>().size(), 5);
    QVERIFY(page.findChildren<QNetworkReply*>().isEmpty());
    QCOMPARE(checkType, 0);
    QVERIFY(!gInternetReachable);
    QVERIFY(!gCloudServicesPage);
}

void TestWelcomePage::languageList_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("selectable");
    const QVector<Language>& table = languageTable();
    for (int row = 0; row < table.size(); ++row)
        QTest::newRow(qPrintable(table[row].localeCode)) << row << table[row].selectable;
}

void TestWelcomePage::languageList()
{
    QFETCH(int, row);
    QFETCH(bool, selectable);

    gWelcomePage->addLanguagesList();
    QComboBox* combo = gWelcomePage->ui->welcomeLanguageComboBox_ComboBox;
    QCOMPARE(combo->count(), 24);
    QCOMPARE(combo->itemData(row).toString(), languageTable()[row].localeCode);
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    QVERIFY(model);
    const Qt::ItemFlags flags = model->item(row)->flags();
    if (selectable)
        QVERIFY(flags & Qt::ItemIsEnabled && flags & Qt::ItemIsSelectable);
    else
        QCOMPARE(flags, Qt::NoItemFlags);
}

void TestWelcomePage::languageSwitch_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("fallback");

    QTest::newRow("english") << 0 << "en" << 0 << false;
    QTest::newRow("german") << 12 << "de" << 12 << false;
    QTest::newRow("french missing: english, french still shown") << 1 << "en" << 1 << true;
    QTest::newRow("norwegian uses no.qm") << 18 << "no" << 18 << false;
    QTest::newRow("portugal row loads when asked by code") << 4 << "pt" << 4 << false;
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
    QCOMPARE(log.matching("03-02 Tran Stop Re-Load en.qm").size(), fallback ? 1 : 0);
    QCOMPARE(log.matching("langComboBoxIndexChanged idx=").size(), 1);
}

void TestWelcomePage::onlyTheUserSwitchesLanguage()
{
    gWelcomePage->langComboBoxIndexChanged(0);
    QComboBox* combo = gWelcomePage->ui->welcomeLanguageComboBox_ComboBox;
    LogRecorder log;
    combo->setCurrentIndex(12);
    QCOMPARE(gCurrentLanguage, QString("en"));
    QVERIFY(log.matching("langComboBoxIndexChanged").isEmpty());

    emit combo->activated(12);
    QCOMPARE(gCurrentLanguage, QString("de"));
    QCOMPARE(combo->currentIndex(), 12);
    // Rebuilding the list inside the switch starts no second switch.
    QCOMPARE(log.matching("langComboBoxIndexChanged idx=").size(), 1);
    gWelcomePage->langComboBoxIndexChanged(0);
}

void TestWelcomePage::translatedTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts");  // welcome title, Start, row 12, window title, licence title, I Agree,
                                            // no-Internet title, Retry
    QTest::newRow("german") << 12
                            << QStringList{"Willkommen", "Starten", "Deutsch", "olvaris Einrichtungsassistent",
                                           "ENDBENUTZER-LIZENZVERTRAG", "Ich stimme zu", "Keine Internetverbindung",
                                           "Wiederholen"};
    QTest::newRow("back to english") << 0
                                     << QStringList{"Welcome", "Start", "German", "olvaris Setup Wizard",
                                                    "END USER LICENCE AGREEMENT", "I Agree", "No Internet Connection",
                                                    "Retry"};
}

void TestWelcomePage::translatedTexts()
{
    QFETCH(int, index);
    QFETCH(QStringList, texts);

    gWelcomePage->langComboBoxIndexChanged(index);
    const Ui_WelcomePage* welcome = gWelcomePage->ui;
    QCOMPARE(welcome->welcomeTitle_Label->text(), texts[0]);
    QCOMPARE(welcome->welcomeStart_Button->text(), texts[1]);
    QCOMPARE(welcome->welcomeLanguageComboBox_ComboBox->itemText(12), texts[2]);
    QCOMPARE(gMainpage->windowTitle(), texts[3]);
    QVERIFY(gAgreementPage->ui->agreementContent_TextEdit->toPlainText().contains(texts[4]));
    QCOMPARE(gAgreementPage->ui->agreementNext_PushButton->text(), texts[5]);
    QCOMPARE(gOppsPage->ui->oppsTitle_Label->text(), texts[6]);
    QCOMPARE(gOppsPage->ui->oppsRetry_PushButton->text(), texts[7]);
}

void TestWelcomePage::translateReachesEveryForm()
{
    ContextRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    gWelcomePage->translateUI();
    QCoreApplication::removeTranslator(&recorder);

    for (const char* context :
         {"WelcomePage", "Mainpage", "AgreementPage", "OppsPage", "CameraConnectionPage", "DiscoveryPage",
          "DeviceSetupPage", "AlreadyRegisteredPage", "DeviceWiFiChangePage", "DeviceSetupCompletePage",
          "ConnectionTypeDefault", "ConnectionTypeOnlyOne", "ConnectionTypeMoreThanOne", "ConnectionTypeAPMode",
          "ConnectionTypeLocalView", "APModeHostToDevice", "APModeHostToDevicePasswordVerify",
          "APModeDeviceToRouter", "APModeHostToRouter"})
        QVERIFY2(recorder.contexts.contains(context), context);
    QVERIFY(!recorder.contexts.contains("CloudServicesPage"));
}

void TestWelcomePage::parseIntoGlobals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("qaTest");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("models");     // ModelRouteMap keys besides the prompt
    QTest::addColumn<bool>("mapsReplaced");
    QTest::addColumn<QString>("updateUrl");      // "-": unchanged
    QTest::addColumn<QString>("latest");         // "-": unchanged

    const QString full = "{\"TolmWizardLatestVersion\":\"v2.00.11\",\"TolmWizardWindowsUpdateURI\":"
                         "\"https://u.test/w/?version\",\"Cameras\":[{\"Model\":\"VKC-1\"}]}";
    QTest::newRow("release") << full << false << true << QStringList{"VKC-1"} << true << "https://u.test/w/?version"
                             << "v2.00.11";
    QTest::newRow("test mode keeps the update address") << full << true << true << QStringList{"VKC-1"} << true
                                                        << "-" << "v2.00.11";
    QTest::newRow("release without address empties it")
        << "{\"Cameras\":[{\"Model\":\"VKC-2\"}]}" << false << true << QStringList{"VKC-2"} << true << "" << "";
    QTest::newRow("not json") << "{\"Cameras\":" << false << false << QStringList() << false << "-" << "-";
    QTest::newRow("empty object") << "{}" << false << true << QStringList() << false << "-" << "-";
    QTest::newRow("top-level array") << "[1]" << false << true << QStringList() << false << "-" << "-";
}

void TestWelcomePage::parseIntoGlobals()
{
    QFETCH(QString, text);
    QFETCH(bool, qaTest);
    QFETCH(bool, result);
    QFETCH(QStringList, models);
    QFETCH(bool, mapsReplaced);
    QFETCH(QString, updateUrl);
    QFETCH(QString, latest);

    // What an earlier parse left.
    const QUrl oldUrl("https://old.test/?version");
    TolmWizardUpdateUrl = oldUrl;
    TolmWizardWindowsUpdateURI = oldUrl;
    TolmWizardLatestVersion = "old";
    ModelRouteMap = {{"OLD", "1"}};
    SupportWiFiMap = {{"OLD", "1"}};
    AssembleImagesMap = {{"INT_ia", "old"}};
    gIsQATest = qaTest;
    gWelcomePage->checkWizardInternetTimer->start(1000);
    gWelcomePage->checkWizardJsonFileTimer->start(1000);

    QCOMPARE(gWelcomePage->parseJsonFile(text), result);

    QStringList routeKeys = models;
    routeKeys.prepend("Choose your model");
    routeKeys.sort();
    QCOMPARE(ModelRouteMap.keys(), routeKeys);
    QCOMPARE(ModelRouteMap.value("Choose your model"), QString("0"));
    QCOMPARE(SupportWiFiMap.contains("OLD"), !mapsReplaced);
    QCOMPARE(AssembleImagesMap.value("INT_ia") == "old", !mapsReplaced);
    QCOMPARE(TolmWizardUpdateUrl.toString(), updateUrl == "-" ? oldUrl.toString() : updateUrl);
    QCOMPARE(TolmWizardWindowsUpdateURI, TolmWizardUpdateUrl);
    QCOMPARE(TolmWizardLatestVersion, latest == "-" ? QString("old") : latest);
    // A failed parse ends the probe and catalogue waits.
    QCOMPARE(gWelcomePage->checkWizardInternetTimer->isActive(), result);
    QCOMPARE(gWelcomePage->checkWizardJsonFileTimer->isActive(), result);
}

void TestWelcomePage::versionGate_data()
{
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("update");

    QTest::newRow("same version") << "v2.00.10" << false;
    QTest::newRow("9 is older than 10") << "v2.00.9" << false;
    QTest::newRow("11 is newer") << "v2.00.11" << true;
    QTest::newRow("next major") << "v3" << true;
    QTest::newRow("none") << "" << false;
    QTest::newRow("not a version") << "latest" << false;
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

namespace {

struct Road
{
    const char* name;
    QMap<QString, Answer> answers;
    const char* page;  // "agreement", "opps"
    bool bound;
    const char* log;
    int seconds;
};

const QList<Road>& roads()
{
    static const QList<Road> list = {
        {"happy road",
         {{kProbePath, HttpTestServer::ok("<html/>")}, {kCataloguePath, HttpTestServer::ok(testCatalogue())}},
         "agreement", true, "checkType=1", 8},
        {"probe redirect counts as an answer",
         {{kProbePath, HttpTestServer::redirect(302, "http://elsewhere.test/")},
          {kCataloguePath, HttpTestServer::ok(testCatalogue())}},
         "agreement", true, "checkType=1", 8},
        {"catalogue redirect resolved against the request",
         {{kProbePath, HttpTestServer::ok("<html/>")},
          {kCataloguePath, HttpTestServer::redirect(301, "moved/tolmwizard.json")},
          {"/release/moved/tolmwizard.json", HttpTestServer::ok(testCatalogue())}},
         "agreement", true, "tolmwizard.json redirected", 10},
        {"catalogue not json",
         {{kProbePath, HttpTestServer::ok("<html/>")}, {kCataloguePath, HttpTestServer::ok("{\"Cameras\":[")}},
         "opps", true, "checkType=0", 8},
        {"probe unanswered",
         {{kProbePath, HttpTestServer::status(404)}},
         "opps", false, "checkWizardInternetTimer timeout", 10},
        {"catalogue missing",
         {{kProbePath, HttpTestServer::ok("<html/>")}},
         "opps", false, "checkWizardJsonFileTimer timeout", 16},
    };
    return list;
}

} // namespace

void TestWelcomePage::startRoads_data()
{
    QTest::addColumn<int>("road");
    for (int i = 0; i < roads().size(); ++i)
        QTest::newRow(roads()[i].name) << i;
}

void TestWelcomePage::startRoads()
{
    QFETCH(int, road);
    const Road& r = roads()[road];
    startServer(r.answers);
    LogRecorder log;

    QTest::mouseClick(gWelcomePage->ui->welcomeStart_Button, Qt::LeftButton);
    QVERIFY(gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
    QWidget* page = QByteArray(r.page) == "agreement" ? static_cast<QWidget*>(gAgreementPage) : gOppsPage;
    // The chain runs on one-second ticks; a loaded machine stretches them.
    QTRY_VERIFY_WITH_TIMEOUT(!page->isHidden(), (r.seconds + 20) * 1000);

    QVERIFY(gWelcomePage->isHidden());
    QVERIFY(!gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
    QVERIFY2(!log.matching(r.log).isEmpty(), r.log);
    QCOMPARE(dcpPortHeld(), r.bound);
    QVERIFY(!gCloudServicesPage);
    QVERIFY(server->requestsFor(kProbePath) >= 1);
    if (page == gAgreementPage) {
        QVERIFY(gOppsPage->isHidden());
        QVERIFY(gMainpage->ui->mainZero_Label->isHidden());
        QVERIFY(ModelRouteMap.contains("VKC-2100"));
        QCOMPARE(ModelRouteMap.value("VKC-5010W"), QString("5"));
        QVERIFY(!hostMacAddrList.isEmpty());
        QVERIFY(jsonUrl.path().endsWith("tolmwizard.json"));
        QCOMPARE(server->requestsFor(jsonUrl.path()), 1);
    }
    if (QByteArray(r.name) == "catalogue not json")
        QCOMPARE(ModelRouteMap.keys(), QStringList{"Choose your model"});
    if (QByteArray(r.name).startsWith("catalogue redirect"))
        QCOMPARE(jsonUrl, server->url("/release/moved/tolmwizard.json"));
}

// The probe sent by the timeout tick is answered after the no-Internet page has shown;
// Retry then goes straight on.
void TestWelcomePage::lateProbeAnswerLetsRetrySucceed()
{
    startServer({{kProbePath, HttpTestServer::status(404)}, {kCataloguePath, HttpTestServer::ok(testCatalogue())}});
    gMainpage->showBusy();
    for (int tick = 0; tick < 5; ++tick) {
        gWelcomePage->checkInternetRequest();
        QTRY_VERIFY(!repliesPending());
    }
    QCOMPARE(server->requestsFor(kProbePath), 3);  // ticks 0, 2 and 4

    server->setAnswer(kProbePath, HttpTestServer::ok("<html/>"));
    gWelcomePage->checkInternetRequest();  // the limit
    QVERIFY(!gOppsPage->isHidden());
    QCOMPARE(gWelcomePage->waitWizardInternetNumber, 1);
    QTRY_VERIFY(gInternetReachable);
    QCOMPARE(server->requestsFor(kProbePath), 4);

    QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!gAgreementPage->isHidden(), 6000);
    QCOMPARE(server->requestsFor(kProbePath), 4);
    QVERIFY(gOppsPage->isHidden());
}

void TestWelcomePage::localOnlyRoad()
{
    startServer({});
    gMainpage->showPage(gWelcomePage, gOppsPage);
    gOppsPage->popupLocalView();
    gOppsPage->pressMsgOKButton();
    QVERIFY(isLocalView);
    QTRY_VERIFY_WITH_TIMEOUT(!gAgreementPage->isHidden(), 4000);
    QVERIFY(gOppsPage->isHidden());
    QVERIFY(server->requests.isEmpty());
    QVERIFY(!gCloudServicesPage);
    QVERIFY(dcpPortHeld());
    QVERIFY(!gJsonFileReady);
}

void TestWelcomePage::bindFailure()
{
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress::Any, 5978));
    isLocalView = true;
    gWelcomePage->pressstartButton();
    MessageBoxPage* popup = nullptr;
    QTRY_VERIFY((popup = gMainpage->findChild<MessageBoxPage*>("dcpBindingFailed")));
    QCOMPARE(popup->geometry(), QRect(91, 125, 618, 400));
    QVERIFY(!popup->ui->msgBoxRightBtn_Button->isHidden());
    QVERIFY(!gMainpage->loadingMaskLabel->isVisibleTo(gMainpage));
    for (QTimer* timer : gWelcomePage->findChildren<QTimer*>())
        QVERIFY(!timer->isActive());
    QVERIFY(!gWelcomePage->isHidden());

    QTimer close;
    close.setSingleShot(true);
    connect(&close, &QTimer::timeout, [popup] { QTest::mouseClick(popup->ui->msgBoxRightBtn_Button, Qt::LeftButton); });
    close.start(0);
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestWelcomePage::replyFlags_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<bool>("jsonReady");

    QTest::newRow("access-point probe answered") << 2 << 200 << false << true << true;
    QTest::newRow("access-point probe redirected") << 2 << 302 << false << true << true;
    QTest::newRow("probe answered") << 0 << 200 << false << true << false;
    QTest::newRow("network error clears both") << 2 << 404 << true << false << false;
    QTest::newRow("server error clears both") << 0 << 500 << true << false << false;
    QTest::newRow("other status changes nothing") << 0 << 204 << true << true << true;
    QTest::newRow("unknown check type changes nothing") << 7 << 200 << false << false << false;
}

void TestWelcomePage::replyFlags()
{
    QFETCH(int, type);
    QFETCH(int, status);
    QFETCH(bool, before);
    QFETCH(bool, reachable);
    QFETCH(bool, jsonReady);

    Answer answer = HttpTestServer::status(status);
    if (status == 302)
        answer = HttpTestServer::redirect(302, "/elsewhere");
    if (status == 204)
        answer.body.clear();
    startServer({{kProbePath, answer}});
    gInternetReachable = before;
    gJsonFileReady = before;
    checkType = type;
    gWelcomePage->tolmwizardNetworkManager->get(QNetworkRequest(server->url(kProbePath)));
    QTRY_COMPARE(server->requestsFor(kProbePath), 1);
    QTRY_VERIFY(!repliesPending());
    QCOMPARE(gInternetReachable, reachable);
    QCOMPARE(gJsonFileReady, jsonReady);
}

void TestWelcomePage::certificates_data()
{
    QTest::addColumn<int>("manager");
    QTest::addColumn<bool>("goesOn");

    QTest::newRow("catalogue") << 0 << false;
    QTest::newRow("assemble sprite") << 1 << true;
    QTest::newRow("device-icon sprite") << 2 << true;
    QTest::newRow("installer") << 3 << false;
    QTest::newRow("update description") << 4 << false;
    QTest::newRow("catalogue again") << 0 << false;
}

void TestWelcomePage::certificates()
{
    QFETCH(int, manager);
    QFETCH(bool, goesOn);

    server = new HttpTestServer;
    if (!server->start(true))
        QSKIP(qPrintable("no TLS test server: " + server->error));
    server->setAnswer("/file", HttpTestServer::ok("{}"));

    QNetworkAccessManager* nam = managers()[manager];
    QNetworkReply::NetworkError error = QNetworkReply::UnknownServerError;
    bool finished = false;
    QMetaObject::Connection watch =
        connect(nam, &QNetworkAccessManager::finished, this, [&](QNetworkReply* reply) {
            error = reply->error();
            finished = true;
        });
    checkType = 1;
    gJsonFileReady = true;
    nam->get(QNetworkRequest(server->url("/file")));
    QTRY_VERIFY_WITH_TIMEOUT(finished, 10000);
    disconnect(watch);

    QCOMPARE(error == QNetworkReply::NoError, goesOn);
    QCOMPARE(server->requestsFor("/file"), goesOn ? 1 : 0);
    if (manager == 0)
        QVERIFY(!gJsonFileReady);
}

void TestWelcomePage::authenticationChallenge()
{
    Answer challenge = HttpTestServer::status(401);
    challenge.extraHeaders = "WWW-Authenticate: Basic realm=\"test\"\r\n";
    startServer({{kProbePath, challenge}});
    LogRecorder log;
    // The first challenge ends the probe manager's own handling of further ones; the
    // other managers' challenges are handled every time.
    const QList<QNetworkAccessManager*> order = {gWelcomePage->tolmwizardNetworkManager,
                                                 gWelcomePage->tolmwizardUpdateUriManager,
                                                 gWelcomePage->tolmwizardNetworkManager,
                                                 gWelcomePage->tolmwizardUpdateUriManager};
    for (int i = 0; i < order.size(); ++i) {
        order[i]->get(QNetworkRequest(server->url(kProbePath)));
        QTRY_COMPARE(server->requestsFor(kProbePath), i + 1);
        QTRY_VERIFY(!repliesPending());
    }
    QTest::qWait(200);
    // No credentials were given: nothing was asked again, and the user saw nothing.
    QCOMPARE(server->requestsFor(kProbePath), order.size());
    QCOMPARE(log.matching("check request auth required!").size(), 3);
    QVERIFY(gMainpage->findChildren<MessageBoxPage*>().isEmpty());
}

QTEST_MAIN(TestWelcomePage)
#include "tst_welcomepage.moc"
