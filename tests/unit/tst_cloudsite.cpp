// Cloud addresses: which the wizard uses for the cloud service, what a cloud web view may load,
// that its cloud network managers send nothing anywhere else and that a web view's manager
// takes the redirect itself.

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

#include <memory>

#include "cloud/cloudsiterules.h"
#include "protocol/dcputils.h"
#include "testsupport.h"

using CloudSite::Frame;
using CloudSite::Load;
Q_DECLARE_METATYPE(CloudSite::Frame)
Q_DECLARE_METATYPE(CloudSite::Load)

namespace {

const QByteArray kSignIn = "tolmwizard_signin5f0c9a2e";
const QByteArray kSignUp = "tolmwizard_signup77d1b3c4";

}  // namespace

class TestCloudSite : public QObject
{
    Q_OBJECT
private slots:
    void cloudAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("cloud");
        QTest::newRow("API host") << "https://api.olvaris.invalid/oauth/authorize?x=1" << true;
        QTest::newRow("deeper subdomain") << "https://a.portal.olvaris.invalid/cam/openapi/?url" << true;
        QTest::newRow("upper case") << "HTTPS://API.OLVARIS.INVALID/" << true;
        QTest::newRow("plain http") << "http://api.olvaris.invalid/" << false;
        QTest::newRow("other port") << "https://api.olvaris.invalid:8443/" << false;
        QTest::newRow("suffix trick") << "https://x.olvaris.invalid.evil/" << false;
        QTest::newRow("name ends alike") << "https://evilolvaris.invalid/" << false;
        QTest::newRow("empty label") << "https://.olvaris.invalid/" << false;
        QTest::newRow("user info") << "https://user@api.olvaris.invalid/" << false;
        QTest::newRow("host in user info") << "https://api.olvaris.invalid@evil.example/" << false;
        QTest::newRow("trailing dot") << "https://api.olvaris.invalid./" << false;
        QTest::newRow("look-alike letter") << QString::fromUtf8("https://api.olvar\xc3\xads.invalid/") << false;
    }

    void cloudAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, cloud);
        QCOMPARE(CloudSite::isCloudAddress(QUrl(url, QUrl::TolerantMode)), cloud);
    }

    void viewLoads_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<Load>("load");
        auto row = [](const char* name, const char* url, Frame frame, Load load) {
            QTest::newRow(name) << QString(url) << frame << load;
        };
        const Frame main = Frame::Main, sub = Frame::Sub;
        const Load send = Load::Send, answer = Load::Answer, refuse = Load::Refuse;
        row("page: cloud", "https://api.olvaris.invalid/login?state=s", main, send);
        row("page: redirect address", "http://127.0.0.1:5979?access_token=T&state=s", main, answer);
        row("page: redirect address, a path", "http://127.0.0.1:5979/done?state=s", main, answer);
        row("page: another https host", "https://www.example.com/login", main, refuse);
        row("page: cloud over http", "http://api.olvaris.invalid/login", main, refuse);
        row("page: localhost listener", "http://localhost:5979/?state=s", main, refuse);
        row("page: https on the listener's port", "https://127.0.0.1:5979/?state=s", main, refuse);
        row("page: data", "data:text/html,<p>x</p>", main, refuse);
        row("page: file", "file:///etc/passwd", main, refuse);
        row("resource: cloud", "https://api.olvaris.invalid/logo.png", sub, send);
        row("resource: another https host", "https://www.example.com/logo.png", sub, send);
        row("resource: explicit 443", "https://cdn.example.net:443/a.css", sub, send);
        row("resource: public address", "https://93.184.216.34/a.js", sub, send);
        row("resource: data", "data:image/png;base64,iVBORw0KGgo=", sub, send);
        row("resource: another port", "https://www.example.com:8443/logo.png", sub, refuse);
        row("resource: plain http", "http://www.example.com/logo.png", sub, refuse);
        row("resource: file", "file:///etc/passwd", sub, refuse);
        row("resource: redirect address", "http://127.0.0.1:5979/?state=s", sub, refuse);
        row("resource: user info", "https://user@www.example.com/logo.png", sub, refuse);
        row("resource: ftp", "ftp://www.example.com/logo.png", sub, refuse);
        row("resource: localhost", "https://localhost/a.js", sub, refuse);
        row("resource: localhost, trailing dot", "https://localhost./a.js", sub, refuse);
        row("resource: under localhost", "https://x.localhost/a.js", sub, refuse);
        row("resource: loopback", "https://127.0.0.1/a.js", sub, refuse);
        row("resource: loopback, short form", "https://127.1/a.js", sub, refuse);
        row("resource: loopback, one number", "https://2130706433/a.js", sub, refuse);
        row("resource: IPv6 loopback", "https://[::1]/a.js", sub, refuse);
        row("resource: mapped loopback", "https://[::ffff:127.0.0.1]/a.js", sub, refuse);
        row("resource: unspecified", "https://0.0.0.0/a.js", sub, refuse);
        row("resource: private 10", "https://10.254.0.41/a.js", sub, refuse);
        row("resource: private 172", "https://172.20.0.1/a.js", sub, refuse);
        row("resource: private 192", "https://192.168.1.1/a.js", sub, refuse);
        row("resource: shared 100.64", "https://100.64.0.1/a.js", sub, refuse);
        row("resource: link-local", "https://169.254.1.1/a.js", sub, refuse);
        row("resource: IPv6 unique local", "https://[fd00::1]/a.js", sub, refuse);
        row("resource: IPv6 link-local", "https://[fe80::1]/a.js", sub, refuse);
        row("resource: mDNS name", "https://camera.local/a.js", sub, refuse);
        row("resource: one label", "https://router/a.js", sub, refuse);
    }

    void viewLoads()
    {
        QFETCH(QString, url);
        QFETCH(Frame, frame);
        QFETCH(Load, load);
        QCOMPARE(CloudSite::viewLoad(QUrl(url, QUrl::TolerantMode), frame), load);
    }

    // Nothing reaches a host that is not the cloud's, be it asked for or a redirect: the reply
    // fails at once through the manager. A web view's manager refuses local addresses too.
    void managerSendsNothingElsewhere()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        const QString address = QString("127.0.0.1:%1/").arg(other.serverPort());
        qRegisterMetaType<QNetworkReply*>();
        CloudSite::Manager rest;
        CloudSite::Manager view(static_cast<DCPUtils*>(nullptr), nullptr);
        for (CloudSite::Manager* manager : {&rest, &view}) {
            QSignalSpy finished(manager, &QNetworkAccessManager::finished);
            for (const QString& url : {"http://" + address, "https://" + address, QString("http://127.0.0.1:5979/")})
                manager->get(QNetworkRequest(QUrl(url)));
            QTRY_COMPARE(finished.count(), 3);
            for (int i = 0; i < 2; ++i)
                QCOMPARE(finished.at(i).at(0).value<QNetworkReply*>()->error(), QNetworkReply::ContentAccessDenied);
        }
        QTest::qWait(100);
        QVERIFY(!other.hasPendingConnections());
    }

    // A web view's manager answers the redirect address itself, under the listener's state
    // rule: exactly one state, the waiting flow's, once. Nothing connects to the port, even
    // when another process holds it.
    void managerTakesRedirect_data()
    {
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<QString>("signal");  // "in:token|site", "up:token" or empty
        QTest::newRow("sign-in") << "access_token=SECRET1&state=" + kSignIn + "&target_site=B" << true
                                 << "in:SECRET1|B";
        QTest::newRow("sign-up") << "state=" + kSignUp + "&access_token=SECRET2" << true << "up:SECRET2";
        QTest::newRow("wrong state") << "access_token=SECRET3&state=" + kSignIn + "x" << true << "";
        QTest::newRow("prefix only") << QByteArray("access_token=SECRET4&state=tolmwizard_signin") << true << "";
        QTest::newRow("no state") << QByteArray("access_token=SECRET5") << true << "";
        QTest::newRow("two states") << "state=" + kSignIn + "&access_token=SECRET6&state=" + kSignIn << true << "";
        QTest::newRow("no flow waiting") << "access_token=SECRET7&state=" + kSignIn << false << "";
    }

    void managerTakesRedirect()
    {
        QFETCH(QByteArray, query);
        QFETCH(bool, waiting);
        QFETCH(QString, signal);
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::LocalHost, 5979));
        DCPUtils dcp;
        if (waiting) {
            dcp.expectRedirect(DCPUtils::RedirectFlow::SignIn, kSignIn);
            dcp.expectRedirect(DCPUtils::RedirectFlow::SignUp, kSignUp);
        }
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        QSignalSpy up(&dcp, &DCPUtils::gotOpenAPISignUp);
        QSignalSpy busy(&dcp, &DCPUtils::redirectReceived);
        LogRecorder log;
        CloudSite::Manager manager(&dcp, nullptr);
        const QUrl url(QString::fromLatin1("http://127.0.0.1:5979/?" + query), QUrl::StrictMode);
        QStringList answers;
        for (int i = 0; i < 2; ++i) {  // the second time: once only
            std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
            QTRY_VERIFY(reply->isFinished());
            answers << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString() + " " +
                           QString::fromLatin1(reply->readAll());
            QCOMPARE(reply->error(),
                     answers.last().startsWith("200") ? QNetworkReply::NoError : QNetworkReply::ContentNotFoundError);
        }
        QStringList got;
        for (const QList<QVariant>& args : in)
            got << "in:" + args.at(0).toString() + "|" + args.at(1).toString();
        for (const QList<QVariant>& args : up)
            got << "up:" + args.at(0).toString();
        QCOMPARE(got, signal.isEmpty() ? QStringList() : QStringList{signal});
        QCOMPARE(busy.count(), got.size());
        const QString done = "200 " + QString::fromLatin1(DCPUtils::redirectDonePage());
        QCOMPARE(answers, (QStringList{signal.isEmpty() ? "404 " : done, "404 "}));
        QTest::qWait(50);
        QVERIFY(!squatter.hasPendingConnections());
        QVERIFY2(!log.contains("SECRET"), qPrintable(log.all()));  // the token masked
    }
};

QTEST_GUILESS_MAIN(TestCloudSite)
#include "tst_cloudsite.moc"
