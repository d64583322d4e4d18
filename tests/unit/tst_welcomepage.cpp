// The welcome page against a loopback HTTP server.
#include <QtTest>

#include <QComboBox>
#include <QTranslator>

#include "base/globals.h"
#include "base/languages.h"
#include "base/replylimits.h"
#include "shell/mainpage.h"
#include "testsupport.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcometestkit.h"

using Answer = HttpTestServer::Answer;
Q_DECLARE_METATYPE(Answer)

const char* const kProbePath = "/probe";
const char* const kCataloguePath = "/release/tolmwizard.json";

// Records the translation contexts asked for while it is installed.
class ContextRecorder : public QTranslator
{
public:
    QString translate(const char* context, const char*, const char*, int) const override
    {
        contexts.insert(QString::fromLatin1(context));
        return QString();
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> contexts;
};

class TestWelcomePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createWizardForTests();
        const QString built = qEnvironmentVariable("BUILD_DIR") + "/lang/";
        QDir().mkpath(languageFolder());
        QFile::remove(languageFolder() + "de.qm");
        QVERIFY(QFile::copy(built + "de.qm", languageFolder() + "de.qm"));
        QFile::remove(languageFolder() + "ru.qm");
        QVERIFY(QFile::copy(built + "ru.qm", languageFolder() + "ru.qm"));
        QFile::remove(languageFolder() + "fr.qm");
    }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void init()
    {
        QVERIFY(resetWelcomePage());
        gOppsPage->hide();
        gAgreementPage->hide();
        gMainpage->showPage(nullptr, gWelcomePage);
        ModelRouteMap.clear();
    }

    void cleanup()
    {
        QVERIFY(resetWelcomePage());
        server.reset();
    }

    // After each switch the language list is the form's 233 pixels, or wider where a name of the language
    // needs it: every name fits its field beside the arrow.
    void languageSwitch()
    {
        LogRecorder log;
        QFile sheet(":/style_win.qss");  // the list's frame and arrow as the program draws them
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromLatin1(sheet.readAll()));
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        QComboBox* list = gWelcomePage->ui->welcomeLanguageComboBox_ComboBox;
        const auto fits = [list](bool wider) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.frame = list->hasFrame();
            const int field =
                list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
            for (int row = 0; row < list->count(); ++row)
                if (list->fontMetrics().horizontalAdvance(list->itemText(row)) > field)
                    return false;
            return wider ? list->width() > 233 : list->width() == 233;
        };
        gWelcomePage->langComboBoxIndexChanged(12);
        QCOMPARE(gCurrentLanguage, QString("de"));
        QVERIFY(fits(false));
        gWelcomePage->langComboBoxIndexChanged(2);  // "Португальский (Португалия)" needs more room
        QCOMPARE(gCurrentLanguage, QString("ru"));
        QVERIFY(fits(true));
        gWelcomePage->langComboBoxIndexChanged(1);  // French file missing: English
        QCOMPARE(gCurrentLanguage, QString("en"));
        QCOMPARE(gWelcomePage->ui->welcomeLanguageComboBox_ComboBox->currentIndex(), 1);
        QVERIFY(fits(false));
        gWelcomePage->langComboBoxIndexChanged(24);  // past the table
        QCOMPARE(gCurrentLanguage, QString("en"));
        // Rebuilding the list inside a switch starts no second switch.
        QCOMPARE(log.matching("langComboBoxIndexChanged idx=").size(), 4);
    }

    // A language switch retranslates every page that has texts.
    void translateReachesEveryPage()
    {
        ContextRecorder recorder;
        QCoreApplication::installTranslator(&recorder);
        gWelcomePage->translateUI();
        QCoreApplication::removeTranslator(&recorder);
        for (const char* context :
             {"WelcomePage", "Mainpage", "AgreementPage", "OppsPage", "CameraConnectionPage", "DiscoveryPage",
              "DeviceSetupPage", "AlreadyRegisteredPage", "DeviceWiFiChangePage", "DeviceSetupCompletePage",
              "ConnectionTypeOnlyOne", "ConnectionTypeMoreThanOne", "ConnectionTypeAPMode", "ConnectionTypeLocalView",
              "APModeHostToDevice", "APModeHostToDevicePasswordVerify", "APModeDeviceToRouter", "APModeHostToRouter"})
            QVERIFY2(recorder.contexts.contains(context), context);
    }

    void checkReplies_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("jsonPath");  // catalogue address afterwards
        // A catalogue read: the labels of its lines, on to the update check, that show its texts cut.
        QTest::addColumn<QStringList>("cut");

        QTest::newRow("probe answered") << 0 << HttpTestServer::ok("<html/>") << true << kCataloguePath
                                        << QStringList();
        QTest::newRow("error clears reachable")
            << 2 << HttpTestServer::status(404) << false << kCataloguePath << QStringList();
        QTest::newRow("catalogue not json: no-Internet page")
            << 1 << HttpTestServer::ok("{\"Cameras\":[") << false << kCataloguePath << QStringList();
        QTest::newRow("redirect resolved against the request")
            << 1 << HttpTestServer::redirect(301, "moved/tolmwizard.json") << false << "/release/moved/tolmwizard.json"
            << QStringList();
        // Port 1 of this machine refuses the update check at once.
        const QByteArray longer(ReplyLimits::kAnswerLogBytes + 1, '1');
        QTest::newRow("catalogue of a long version and update address: cut in each line")
            << 1
            << HttpTestServer::ok("{\"TolmWizardLatestVersion\":\"v9." + longer +
                                  "\",\"TolmWizardWindowsUpdateURI\":\"https://127.0.0.1:1/wizard/" + longer + "\"}")
            << false << kCataloguePath
            << QStringList{"TolmWizardUpdateUrl:", "TolmWizardJsonVersion :", "Wizard Update Url: ",
                           "current TolmWizardUpdateUrl url : ---------------------------------->:"};
    }

    void checkReplies()
    {
        QFETCH(int, type);
        QFETCH(Answer, answer);
        QFETCH(bool, reachable);
        QFETCH(QString, jsonPath);
        QFETCH(QStringList, cut);
        startServer(kCataloguePath, answer);
        gWelcomePage->bindingDCP();
        gInternetReachable = gJsonFileReady = type == 2;
        checkType = type;
        LogRecorder log;
        gWelcomePage->sendCheckRequest(jsonUrl);
        QTRY_COMPARE_WITH_TIMEOUT(server->requestsFor(kCataloguePath), 1, kWelcomeAnswersMs);
        QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);

        QCOMPARE(gInternetReachable, reachable);
        QCOMPARE(gJsonFileReady, !cut.isEmpty());
        if (!cut.isEmpty()) {
            gWelcomePage->checkJsonFileRequest();  // a newer version: the update check
            gWelcomePage->getUpdateUrl();
            gWelcomePage->checkWizardUpdateUriConnection();
            QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
            for (const QString& label : cut) {
                const QStringList lines = log.matching(label);
                QVERIFY2(!lines.isEmpty(), qPrintable(label));
                for (const QString& line : lines)  // the text quoted, its first characters
                    QVERIFY2(line.size() - line.indexOf(label) - label.size() <= ReplyLimits::kAnswerLogBytes + 3,
                             qPrintable(line.left(300)));
            }
            return;
        }
        QCOMPARE(jsonUrl, server->url(jsonPath));
        const bool failed = QByteArray(QTest::currentDataTag()).contains("not json");
        QCOMPARE(gOppsPage->isHidden(), !failed);
        if (failed) {
            QCOMPARE(ModelRouteMap.keys(), QStringList{"Choose your model"});
            QCOMPARE(checkType, 0);
            QVERIFY(dcpPortHeld());
        }
    }

    // A compressed answer ends at its headers: either road's probe takes its status line, a
    // 404 reaches nothing; the catalogue is refused and says so.
    void compressedAnswers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("logged");
        const QString taken = "probe answered \"(Internet probe compressed, its status line taken: gzip)\"";
        QTest::newRow("probe: reachable") << 0 << 200 << true << taken;
        QTest::newRow("access-point road's probe: reachable") << 2 << 200 << true << taken;
        QTest::newRow("probe, 404: not reachable") << 0 << 404 << false << "status code = \"404\"";
        QTest::newRow("catalogue: refused") << 1 << 200 << false << "(compressed answer refused: catalogue, gzip)";
    }

    void compressedAnswers()
    {
        QFETCH(int, type);
        QFETCH(int, status);
        QFETCH(bool, reachable);
        QFETCH(QString, logged);
        startServer(type == 1 ? kCataloguePath : kProbePath, HttpTestServer::gzip(status));
        LogRecorder log;
        checkType = type;
        if (type == 1)
            gWelcomePage->sendCheckRequest(jsonUrl);
        else
            gWelcomePage->probeInternet(gWelcomePage->wizardInternetUrl);
        QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);

        QCOMPARE(gInternetReachable, reachable);
        QCOMPARE(gJsonFileReady, reachable && type == 2);
        QVERIFY2(log.contains(logged), qPrintable(log.all()));
        QCOMPARE(log.contains("compressed answer refused"), type == 1);
    }

    // A probe answered after the chain moved on to the catalogue is neither parsed as the
    // catalogue nor followed as its redirect.
    void lateProbeAnswerIsNoCatalogue_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("web page") << HttpTestServer::ok("<html>online</html>");
        QTest::newRow("redirect") << HttpTestServer::redirect(302, "https://probe.test/elsewhere");
    }

    void lateProbeAnswerIsNoCatalogue()
    {
        QFETCH(Answer, answer);
        startServer(kProbePath, answer);
        gWelcomePage->checkInternetRequest();  // tick 0 sends the probe
        checkType = 1;                         // a sooner answer has led on to the catalogue
        QTRY_COMPARE_WITH_TIMEOUT(server->requestsFor(kProbePath), 1, kWelcomeAnswersMs);
        QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
        QVERIFY(gOppsPage->isHidden());
        QVERIFY(ModelRouteMap.isEmpty());
        QCOMPARE(checkType, 1);
        QCOMPARE(jsonUrl, server->url(kCataloguePath));
    }

    // The probe sent by the timeout tick is answered after the no-Internet page has shown;
    // Retry's first tick then goes straight on to the catalogue.
    void lateProbeAnswerLetsRetrySucceed()
    {
        startServer(kProbePath, HttpTestServer::status(404));
        gMainpage->showBusy();
        for (int tick = 0; tick < 5; ++tick) {
            gWelcomePage->checkInternetRequest();
            QTRY_VERIFY_WITH_TIMEOUT(!welcomeRepliesPending(), kWelcomeAnswersMs);
        }
        QCOMPARE(server->requestsFor(kProbePath), 3);  // ticks 0, 2 and 4
        server->setAnswer(kProbePath, HttpTestServer::ok("<html/>"));
        gWelcomePage->checkInternetRequest();  // the limit
        QVERIFY(!gOppsPage->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(gInternetReachable, kWelcomeAnswersMs);

        QTest::mouseClick(gOppsPage->ui->oppsRetry_PushButton, Qt::LeftButton);
        gWelcomePage->checkInternetRequest();  // Retry's first tick
        QVERIFY(!gWelcomePage->checkWizardInternetTimer->isActive());
        QVERIFY(gWelcomePage->checkWizardJsonFileTimer->isActive());
        QVERIFY(dcpPortHeld());
        QCOMPARE(server->requestsFor(kProbePath), 4);
    }

    // The catalogue and update-check waits: the tick before the limit asks (catalogue) or waits, the
    // limit tick gives up: the no-Internet page, or the update check ends and the busy picture goes.
    void waitLimits()
    {
        startServer(kCataloguePath, HttpTestServer::status(404));
        gWelcomePage->bindingDCP();
        gWelcomePage->waitWizardJsonFileNumber = 8;
        gWelcomePage->checkJsonFileRequest();
        gWelcomePage->checkJsonFileRequest();
        QTRY_COMPARE_WITH_TIMEOUT(server->requestsFor(kCataloguePath), 1, kWelcomeAnswersMs);
        QVERIFY(gOppsPage->isHidden());
        gWelcomePage->checkJsonFileRequest();
        QVERIFY(!gOppsPage->isHidden());

        TolmWizardUpdateUrl = server->url("/wizard/");
        gMainpage->showBusy();
        gWelcomePage->checkWizardUpdateUriTimer->start(60000);
        gWelcomePage->waitWizardUpdateUriNumber = 29;
        gWelcomePage->checkWizardUpdateUriConnection();
        QVERIFY(gWelcomePage->checkWizardUpdateUriTimer->isActive());
        gWelcomePage->checkWizardUpdateUriConnection();
        QVERIFY(!gWelcomePage->checkWizardUpdateUriTimer->isActive() && !gMainpage->isBusy());
    }

private:
    void startServer(const QString& path, const Answer& answer)
    {
        server.reset(new HttpTestServer);
        QVERIFY(server->start());
        server->setAnswer(path, answer);
        gWelcomePage->wizardInternetUrl = server->url(kProbePath);
        jsonUrl = server->url(kCataloguePath);
    }
    QScopedPointer<HttpTestServer> server;
};

QTEST_MAIN(TestWelcomePage)
#include "tst_welcomepage.moc"
