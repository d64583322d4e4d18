// Cloud addresses: which the wizard uses for the cloud service, what a cloud web view may load,
// that its cloud network managers send nothing anywhere else and that a web view's manager
// takes the redirect itself.

#include <QAuthenticator>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "cloud/cloudsitemanager.h"
#include "cloud/cloudsiterules.h"
#include "protocol/dcputils.h"
#include "protocol/logsummary.h"
#include "testsupport.h"

using CloudSite::Frame;
using CloudSite::Load;
Q_DECLARE_METATYPE(CloudSite::Frame)
Q_DECLARE_METATYPE(CloudSite::Load)
Q_DECLARE_METATYPE(CloudSite::Start)
Q_DECLARE_METATYPE(CloudSite::Picture)

namespace {

const QByteArray kSignIn = "tolmwizard_signin5f0c9a2e";
const QByteArray kSignUp = "tolmwizard_signup77d1b3c4";

QByteArray le(quint32 v, int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += char(v >> (8 * i));
    return b;
}

QByteArray be(quint32 v, int n)
{
    QByteArray b = le(v, n);
    std::reverse(b.begin(), b.end());
    return b;
}

QByteArray png(quint32 w, quint32 h)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + be(13, 4) + "IHDR" + be(w, 4) + be(h, 4) +
           QByteArray("\x08\x06\0\0\0\0\0\0\0", 9);
}

// The screen, then an extension, then the first frame.
QByteArray gif(quint32 w, quint32 h, quint32 frameW, quint32 frameH)
{
    return "GIF89a" + le(w, 2) + le(h, 2) + QByteArray("\x80\0\0", 3) + QByteArray(6, '\0') +
           QByteArray("\x21\xf9\x04\0\0\0\0\0", 8) + "\x2c" + le(0, 4) + le(frameW, 2) + le(frameH, 2) + '\0';
}

// A segment of pad bytes before the frame.
QByteArray jpeg(quint32 w, quint32 h, int pad = 14)
{
    QByteArray b("\xff\xd8", 2);
    for (int left = pad; left > 0; left -= 60000)
        b += "\xff\xe1" + be(qMin(left, 60000) + 2, 2) + QByteArray(qMin(left, 60000), 'x');
    return b + "\xff\xc0" + be(17, 2) + '\x08' + be(h, 2) + be(w, 2) + QByteArray(12, '\1');
}

QByteArray webp(const char* chunk, quint32 w, quint32 h)
{
    QByteArray body;
    if (qstrcmp(chunk, "VP8 ") == 0)
        body = QByteArray("\0\0\0\x9d\x01\x2a", 6) + le(w, 2) + le(h, 2);
    else if (qstrcmp(chunk, "VP8L") == 0)
        body = "\x2f" + le((w - 1) | (h - 1) << 14, 4) + QByteArray(5, '\0');
    else
        body = le(0, 4) + le(w - 1, 3) + le(h - 1, 3);
    return "RIFF" + le(4 + 8 + body.size(), 4) + "WEBP" + chunk + le(body.size(), 4) + body;
}

QByteArray bmp(qint32 w, qint32 h)
{
    return "BM" + le(0, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(quint32(w), 4) + le(quint32(h), 4) + le(1, 2) +
           le(32, 2) + QByteArray(24, '\0');
}

// An icon of one entry that says 16x16 and holds picture.
QByteArray ico(const QByteArray& picture)
{
    return QByteArray("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0", 14) + le(picture.size(), 4) + le(22, 4) + picture;
}

QByteArray dib(qint32 w, qint32 h)
{
    return bmp(w, h).mid(14);
}

// A manager that sends everything, as the cloud managers send what they let through.
class OpenManager : public CloudSite::Manager
{
public:
    using CloudSite::Manager::Manager;

protected:
    Load decide(Operation, const QNetworkRequest&) override { return Load::Send; }
};

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
        const Frame main = Frame::Main, sub = Frame::Sub, res = Frame::Resource;
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
        row("resource: cloud", "https://api.olvaris.invalid/logo.png", res, send);
        row("resource: another https host", "https://www.example.com/logo.png", res, send);
        row("resource: explicit 443", "https://cdn.example.net:443/a.css", res, send);
        row("resource: public address", "https://93.184.216.34/a.js", res, send);
        row("resource: data", "data:image/png;base64,iVBORw0KGgo=", res, send);
        row("resource: another port", "https://www.example.com:8443/logo.png", res, refuse);
        row("resource: plain http", "http://www.example.com/logo.png", res, refuse);
        row("resource: file", "file:///etc/passwd", res, refuse);
        row("resource: redirect address", "http://127.0.0.1:5979/?state=s", res, refuse);
        row("resource: user info", "https://user@www.example.com/logo.png", res, refuse);
        row("resource: ftp", "ftp://www.example.com/logo.png", res, refuse);
        row("resource: localhost", "https://localhost/a.js", res, refuse);
        row("resource: localhost, trailing dot", "https://localhost./a.js", res, refuse);
        row("resource: under localhost", "https://x.localhost/a.js", res, refuse);
        row("resource: loopback", "https://127.0.0.1/a.js", res, refuse);
        row("resource: loopback, short form", "https://127.1/a.js", res, refuse);
        row("resource: loopback, one number", "https://2130706433/a.js", res, refuse);
        row("resource: IPv6 loopback", "https://[::1]/a.js", res, refuse);
        row("resource: mapped loopback", "https://[::ffff:127.0.0.1]/a.js", res, refuse);
        row("resource: unspecified", "https://0.0.0.0/a.js", res, refuse);
        row("resource: private 10", "https://10.254.0.41/a.js", res, refuse);
        row("resource: private 172", "https://172.20.0.1/a.js", res, refuse);
        row("resource: private 192", "https://192.168.1.1/a.js", res, refuse);
        row("resource: shared 100.64", "https://100.64.0.1/a.js", res, refuse);
        row("resource: link-local", "https://169.254.1.1/a.js", res, refuse);
        row("resource: IPv6 unique local", "https://[fd00::1]/a.js", res, refuse);
        row("resource: IPv6 link-local", "https://[fe80::1]/a.js", res, refuse);
        row("resource: mDNS name", "https://camera.local/a.js", res, refuse);
        row("resource: one label", "https://router/a.js", res, refuse);
        row("resource: IPv4-compatible loopback", "https://[::127.0.0.1]/a.js", res, refuse);
        row("resource: IPv4-compatible private", "https://[::10.1.2.3]/a.js", res, refuse);
        row("resource: mapped private", "https://[::ffff:192.168.1.1]/a.js", res, refuse);
        row("resource: NAT64 loopback", "https://[64:ff9b::7f00:1]/a.js", res, refuse);
        row("resource: NAT64 private", "https://[64:ff9b::192.168.0.10]/a.js", res, refuse);
        row("resource: 6to4 loopback", "https://[2002:7f00:1::1]/a.js", res, refuse);
        row("resource: 6to4 private", "https://[2002:ac14:1::1]/a.js", res, refuse);
        row("resource: this network", "https://0.1.2.3/a.js", res, refuse);
        row("resource: NAT64 public", "https://[64:ff9b::5db8:d822]/a.js", res, send);
        row("resource: 6to4 public", "https://[2002:5db8:d822::1]/a.js", res, send);
        row("frame: cloud", "https://api.olvaris.invalid/widget", sub, send);
        row("frame: blank", "about:blank", sub, send);
        row("frame: another https host", "https://www.example.com/widget", sub, refuse);
        row("frame: data", "data:text/html,<script>top.location='x'</script>", sub, refuse);
        row("frame: redirect address", "http://127.0.0.1:5979/?state=s", sub, refuse);
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
        QObject mainFrame;
        const QUrl url(QString::fromLatin1("http://127.0.0.1:5979/?" + query), QUrl::StrictMode);
        QNetworkRequest request(url);
        request.setOriginatingObject(&mainFrame);
        QStringList answers;
        for (int i = 0; i < 2; ++i) {  // the second time: once only
            manager.expectRedirect(&mainFrame, url);
            std::unique_ptr<QNetworkReply> reply(manager.get(request));
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

    // The page's navigations: the redirect address only for the main frame, led there by a script
    // or redirect of the cloud service's page it shows.
    void navigationLoads_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<CloudSite::Start>("start");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Load>("load");
        const QString listener = "http://127.0.0.1:5979/?access_token=T&state=s";
        const QString cloudPage = "https://api.olvaris.invalid/login?state=s";
        const CloudSite::Start script = CloudSite::Start::Script;
        QTest::newRow("main: from the cloud page") << listener << Frame::Main << script << cloudPage << Load::Answer;
        QTest::newRow("main: from a blank page") << listener << Frame::Main << script << "about:blank" << Load::Refuse;
        QTest::newRow("main: from the done page") << listener << Frame::Main << script << listener << Load::Refuse;
        QTest::newRow("main: from another host's page")
            << listener << Frame::Main << script << "https://www.example.com/" << Load::Refuse;
        QTest::newRow("main: a form of the cloud page")
            << listener << Frame::Main << CloudSite::Start::Form << cloudPage << Load::Refuse;
        QTest::newRow("main: back or reload")
            << listener << Frame::Main << CloudSite::Start::History << cloudPage << Load::Refuse;
        QTest::newRow("frame: from the cloud page") << listener << Frame::Sub << script << cloudPage << Load::Refuse;
        QTest::newRow("main: the cloud page first")
            << cloudPage << Frame::Main << script << "about:blank" << Load::Send;
        QTest::newRow("frame: another host")
            << "https://www.example.com/w" << Frame::Sub << script << cloudPage << Load::Refuse;
    }

    void navigationLoads()
    {
        QFETCH(QString, url);
        QFETCH(Frame, frame);
        QFETCH(CloudSite::Start, start);
        QFETCH(QString, shown);
        QTEST(CloudSite::navigationLoad(QUrl(url), frame, start, QUrl(shown)), "load");
    }

    // The manager expects the redirect address after a 3xx of the main frame's request to the
    // cloud service only.
    void redirectsToListener_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("expected");
        const QString listener = "http://127.0.0.1:5979/?access_token=T&state=s";
        QTest::newRow("cloud 302") << "https://api.olvaris.invalid/login" << 302 << listener << true;
        QTest::newRow("cloud 303") << "https://api.olvaris.invalid/login" << 303 << listener << true;
        QTest::newRow("cloud 308") << "https://api.olvaris.invalid/login" << 308 << listener << true;
        QTest::newRow("cloud 200 with a location") << "https://api.olvaris.invalid/login" << 200 << listener << false;
        QTest::newRow("cloud 400 with a location") << "https://api.olvaris.invalid/login" << 400 << listener << false;
        QTest::newRow("another host's 302") << "https://www.example.com/logo.png" << 302 << listener << false;
        QTest::newRow("cloud over http") << "http://api.olvaris.invalid/login" << 302 << listener << false;
        QTest::newRow("cloud 302 elsewhere")
            << "https://api.olvaris.invalid/login" << 302 << "http://localhost:5979/?state=s" << false;
    }

    void redirectsToListener()
    {
        QFETCH(QString, requested);
        QFETCH(int, status);
        QFETCH(QString, location);
        QTEST(CloudSite::redirectsToListener(QUrl(requested), status, QUrl(location)), "expected");
    }

    // The manager answers the redirect address only as expected: for the main frame's GET of
    // that address, once. A picture, script, XHR or style sheet of the page, a frame, a form and
    // another address are refused, and the waiting flow's state stays untaken.
    void managerAnswersByKind_data()
    {
        QTest::addColumn<char>("expectedFor");  // m: the main frame, -: nothing expected
        QTest::addColumn<char>("from");         // m: the main frame, s: a frame, 0: none
        QTest::addColumn<bool>("post");
        QTest::addColumn<QString>("asked");  // the query asked for; the expected one is "access_token=T&state=<in>"
        QTest::addColumn<bool>("answered");
        const QString same = "access_token=T&state=" + QString::fromLatin1(kSignIn);
        QTest::newRow("main-frame navigation the cloud led to") << 'm' << 'm' << false << same << true;
        QTest::newRow("resource of the page (picture, script, XHR, style)") << '-' << 'm' << false << same << false;
        QTest::newRow("a frame's request") << 'm' << 's' << false << same << false;
        QTest::newRow("no frame") << 'm' << '0' << false << same << false;
        QTest::newRow("a form sent there") << 'm' << 'm' << true << same << false;
        QTest::newRow("another token") << 'm' << 'm' << false
                                       << "access_token=Tthird&state=" + QString::fromLatin1(kSignIn) << false;
    }

    void managerAnswersByKind()
    {
        QFETCH(char, expectedFor);
        QFETCH(char, from);
        QFETCH(bool, post);
        QFETCH(QString, asked);
        QFETCH(bool, answered);
        DCPUtils dcp;
        dcp.expectRedirect(DCPUtils::RedirectFlow::SignIn, kSignIn);
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        CloudSite::Manager manager(&dcp, nullptr);
        QObject mainFrame, subFrame;
        // The engine writes the empty path as "/".
        if (expectedFor == 'm')
            manager.expectRedirect(&mainFrame, QUrl("http://127.0.0.1:5979?access_token=T&state=" + kSignIn));
        QNetworkRequest request(QUrl("http://127.0.0.1:5979/?" + asked));
        request.setOriginatingObject(from == 'm' ? &mainFrame : from == 's' ? &subFrame : nullptr);
        std::unique_ptr<QNetworkReply> reply(post ? manager.post(request, QByteArray("x=1")) : manager.get(request));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(reply->error() == QNetworkReply::NoError, answered);
        QCOMPARE(in.count(), answered ? 1 : 0);
        if (!answered)
            return;
        // Once: a second request for the same address is refused.
        std::unique_ptr<QNetworkReply> again(manager.get(request));
        QTRY_VERIFY(again->isFinished());
        QCOMPARE(again->error(), QNetworkReply::ContentAccessDenied);
    }

    // Only the navigation's own request carries its mark: the main frame's document request for
    // the noted address, once; a server redirect is noted again. A picture (or a resource
    // redirected there) and a frame at the same address get none.
    void navigationMark_data()
    {
        QTest::addColumn<QStringList>("steps");  // note:<path>, or <frame> <accept> <path>
        QTest::addColumn<QString>("marked");     // of the requests, in order: 1 marked, 0 not
        QTest::newRow("the navigation's own request") << QStringList{"note:/login", "main doc /login"} << "1";
        QTest::newRow("its server redirect")
            << QStringList{"note:/authorize", "main doc /authorize", "note:/login", "main doc /login"} << "11";
        QTest::newRow("a picture at the same address") << QStringList{"note:/login", "main any /login"} << "0";
        QTest::newRow("a picture redirected there first")
            << QStringList{"note:/login", "main any /login", "main doc /login"} << "01";
        QTest::newRow("a frame at the same address") << QStringList{"note:/login", "sub doc /login"} << "0";
        QTest::newRow("the address asked again")
            << QStringList{"note:/login", "main doc /login", "main doc /login"} << "10";
        QTest::newRow("another address") << QStringList{"note:/login", "main doc /signup"} << "0";
        QTest::newRow("the address asked once the loop turned")
            << QStringList{"note:/login", "turn", "main doc /login"} << "0";
    }

    void navigationMark()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, marked);
        QTcpServer proxy;  // silent: nothing leaves this machine, not even a name lookup
        QVERIFY(proxy.listen(QHostAddress::LocalHost, 0));
        CloudSite::Manager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", proxy.serverPort()));
        QObject mainFrame, subFrame;
        const QString site = "https://api.olvaris.invalid";
        QString got;
        for (const QString& step : steps) {
            if (step.startsWith("note:")) {
                manager.noteNavigation(&mainFrame, QUrl(site + step.mid(5)));
                continue;
            }
            if (step == "turn") {
                QTest::qWait(1);
                continue;
            }
            const QStringList parts = step.split(' ');
            QNetworkRequest request(QUrl(site + parts.at(2)));
            request.setOriginatingObject(parts.at(0) == "main" ? &mainFrame : &subFrame);
            request.setRawHeader("Accept", parts.at(1) == "doc" ? "text/html,application/xhtml+xml;q=0.9" : "*/*");
            std::unique_ptr<QNetworkReply> reply(manager.get(request));
            got += reply->property(CloudSite::Manager::kNavigationProperty).toBool() ? "1" : "0";
            reply->abort();
        }
        QCOMPARE(got, marked);
    }

    // An HTTP authentication challenge, of a host or a proxy, is never answered: one request, no
    // credentials, not even those a slot of the manager's signal gives.
    void noAuthentication_data()
    {
        QTest::addColumn<bool>("proxy");
        QTest::addColumn<QByteArray>("scheme");
        for (const char* scheme :
             {"NTLM", "Negotiate", "Basic realm=\"r\"", "Digest realm=\"r\", nonce=\"n1\", qop=\"auth\""}) {
            const QByteArray name = QByteArray(scheme).split(' ').first();
            QTest::newRow("host, " + name) << false << QByteArray(scheme);
            QTest::newRow("proxy, " + name) << true << QByteArray(scheme);
        }
    }

    void noAuthentication()
    {
        QFETCH(bool, proxy);
        QFETCH(QByteArray, scheme);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QList<QByteArray> heads;
        connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [&, socket] {
                heads << socket->readAll();
                socket->write(proxy ? "HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: "
                                    : "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: ");
                socket->write(scheme + "\r\nContent-Length: 0\r\n\r\n");
            });
        });
        OpenManager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        // As a dialog of the engine would.
        auto give = [](QAuthenticator* authenticator) {
            authenticator->setUser("mallory");
            authenticator->setPassword("secret");
        };
        connect(&manager, &QNetworkAccessManager::authenticationRequired,
                [&give](QNetworkReply*, QAuthenticator* a) { give(a); });
        connect(&manager, &QNetworkAccessManager::proxyAuthenticationRequired,
                [&give](const QNetworkProxy&, QAuthenticator* a) { give(a); });
        QUrl url(QString("http://127.0.0.1:%1/a.png").arg(server.serverPort()));
        if (proxy) {
            manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", server.serverPort()));
            url = QUrl("http://www.example.com/a.png");  // the proxy is asked, no name looked up
        }
        for (int i = 0; i < 2; ++i) {  // nothing cached from the first either
            std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
            QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
            QVERIFY(reply->error() != QNetworkReply::NoError);
        }
        QTest::qWait(200);
        QCOMPARE(heads.size(), 2);
        for (const QByteArray& head : heads)
            QVERIFY2(!head.toLower().contains("authorization:"), head.constData());
    }

    // A picture from another host may declare 2048x2048 pixels at most; one whose header is
    // cut is refused too; what is no picture passes.
    void pictureVerdict_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<CloudSite::Picture>("verdict");
        const auto pass = CloudSite::Picture::Pass, refuse = CloudSite::Picture::Refuse;
        const auto more = CloudSite::Picture::NeedMore;
        QTest::newRow("PNG at the limit") << png(2048, 2048) << false << pass;
        QTest::newRow("PNG over") << png(2049, 2048) << false << refuse;
        QTest::newRow("PNG 23000x23000") << png(23000, 23000) << true << refuse;
        QTest::newRow("PNG whose pixels pass 2^63") << png(0xf5000000, 0x86000000) << false << refuse;
        QTest::newRow("PNG without IHDR") << png(16, 16).replace("IHDR", "IDAT") << false << refuse;
        QTest::newRow("PNG header cut, the answer ended") << png(16, 16).left(20) << true << refuse;
        QTest::newRow("PNG header cut, more to come") << png(16, 16).left(20) << false << more;
        QTest::newRow("GIF at the limit") << gif(2048, 2048, 2048, 2048) << false << pass;
        QTest::newRow("GIF over") << gif(4096, 2048, 16, 16) << false << refuse;
        QTest::newRow("GIF first frame over its screen") << gif(16, 16, 2049, 2048) << false << refuse;
        QTest::newRow("GIF cut before its frame") << gif(16, 16, 16, 16).left(30) << true << refuse;
        QTest::newRow("JPEG at the limit") << jpeg(2048, 2048) << false << pass;
        QTest::newRow("JPEG over") << jpeg(2048, 2049) << false << refuse;
        QTest::newRow("JPEG over, past a long segment") << jpeg(23000, 23000, 100000) << false << refuse;
        QTest::newRow("JPEG cut before its frame") << jpeg(16, 16, 100).left(60) << true << refuse;
        QTest::newRow("JPEG frame past the held bytes")
            << jpeg(16, 16, 300000).left(ReplyLimits::kViewPictureHeadBytes) << false << refuse;
        QTest::newRow("WebP lossy at the limit") << webp("VP8 ", 2048, 2048) << false << pass;
        QTest::newRow("WebP lossy over") << webp("VP8 ", 2049, 2048) << false << refuse;
        QTest::newRow("WebP lossless over") << webp("VP8L", 16383, 16383) << false << refuse;
        QTest::newRow("WebP extended over") << webp("VP8X", 23000, 23000) << false << refuse;
        QTest::newRow("WebP extended at the limit") << webp("VP8X", 2048, 2048) << false << pass;
        QTest::newRow("BMP at the limit") << bmp(2048, 2048) << false << pass;
        QTest::newRow("BMP over") << bmp(2048, 2049) << false << refuse;
        QTest::newRow("BMP over, top-down") << bmp(23000, -23000) << false << refuse;
        QTest::newRow("BMP at the limit, top-down") << bmp(2048, -2048) << false << pass;
        QTest::newRow("ICO holding a BMP at the limit") << ico(dib(2048, 4096)) << false << pass;
        QTest::newRow("ICO holding a BMP over") << ico(dib(4096, 8192)) << false << refuse;
        QTest::newRow("ICO of 16x16 holding a large PNG") << ico(png(23000, 23000)) << false << refuse;
        QTest::newRow("ICO cut before its picture") << ico(png(16, 16)).left(30) << true << refuse;
        QTest::newRow("not a picture") << QByteArray("<!DOCTYPE html><html>") << false << pass;
        QTest::newRow("a style sheet beginning BM") << QByteArray("BMbody { color: red }") << false << pass;
        QTest::newRow("a short answer, ended") << QByteArray("ok") << true << pass;
        QTest::newRow("a short answer, more to come") << QByteArray("\x89PN") << false << more;
        QTest::newRow("empty") << QByteArray() << true << pass;
    }

    void pictureVerdict()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, complete);
        QTEST(CloudSite::pictureVerdict(head, complete), "verdict");
    }

    // A web view's manager gives the engine nothing of a picture over the limit from another
    // host; the rest, a redirect too, arrives as it was sent. The size limit holds with or
    // without a length.
    void heldPictures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("delivered");  // the body as sent
        const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\n";
        auto length = [](const QByteArray& body) {
            return "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        };
        const QByteArray small = png(64, 64) + QByteArray(4000, 'p');
        const QByteArray huge = png(23000, 23000) + QByteArray(64 * 1024, 'p');
        const QByteArray page(3 * 1024 * 1024, 'h');
        const int denied = QNetworkReply::ContentAccessDenied, none = QNetworkReply::NoError;
        QTest::newRow("a picture within the limit") << ok + length(small) + "\r\n" + small << none << true;
        QTest::newRow("a picture over the limit") << ok + length(huge) + "\r\n" + huge << denied << false;
        QTest::newRow("a picture over the limit, no length") << ok + "\r\n" + huge << denied << false;
        QTest::newRow("a picture over the limit in an error answer")
            << "HTTP/1.1 404 Not Found\r\nConnection: close\r\n\r\n" + huge << denied << false;
        QTest::newRow("a picture's header cut") << ok + "\r\n" + small.left(20) << denied << false;
        QTest::newRow("not a picture") << ok + "\r\n" + QByteArray(100000, 'h') << none << true;
        QTest::newRow("over the size limit")
            << ok + length(page) + "\r\n" + page << int(QNetworkReply::OperationCanceledError) << false;
        QTest::newRow("over the size limit, no length")
            << ok + "\r\n" + page << int(QNetworkReply::OperationCanceledError) << false;
        QTest::newRow("a redirect") << QByteArray("HTTP/1.1 302 Found\r\nLocation: https://cdn.example.net/b.png\r\n"
                                                  "Content-Length: 0\r\n\r\n")
                                    << none << true;
    }

    void heldPictures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, delivered);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [socket, answer] {
                socket->readAll();
                socket->write(answer);
                socket->disconnectFromHost();
            });
        });
        OpenManager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        std::unique_ptr<QNetworkReply> reply(
            manager.get(QNetworkRequest(QUrl(QString("http://127.0.0.1:%1/a.png").arg(server.serverPort())))));
        QByteArray got;
        connect(reply.get(), &QNetworkReply::readyRead, [&] { got += reply->readAll(); });
        QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
        got += reply->readAll();
        QTEST(int(reply->error()), "error");
        const QByteArray body = answer.mid(answer.indexOf("\r\n\r\n") + 4);
        if (delivered)
            QCOMPARE(got, body);
        else
            QVERIFY(got.size() < 1024 * 1024 && !got.startsWith("\x89PNG"));
        if (answer.contains("302")) {
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 302);
            QCOMPARE(reply->header(QNetworkRequest::LocationHeader).toUrl(), QUrl("https://cdn.example.net/b.png"));
        }
    }

    // No page address goes to another host: the Referer holds the flow's state.
    void referer_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("kept");
        QTest::newRow("the cloud's page") << "https://api.olvaris.invalid/login" << true;
        QTest::newRow("the cloud's picture") << "https://static.api.olvaris.invalid/a.png" << true;
        QTest::newRow("another host's picture") << "https://cdn.example.net/a.png" << false;
        QTest::newRow("cloud name over http") << "http://api.olvaris.invalid/a.png" << false;
    }

    void referer()
    {
        QFETCH(QString, url);
        QFETCH(bool, kept);
        QNetworkRequest request{QUrl(url)};
        const QByteArray page = "https://api.olvaris.invalid/me/user/add_dialog?access_token=A1&state=s";
        request.setRawHeader("Referer", page);
        request.setRawHeader("Accept", "image/png");
        const QNetworkRequest sent = CloudSite::outgoing(request);
        QCOMPARE(sent.hasRawHeader("Referer"), kept);
        QCOMPARE(sent.rawHeader("Referer"), kept ? page : QByteArray());
        QCOMPARE(sent.rawHeader("Accept"), QByteArray("image/png"));
    }

    // A page asking for many refused addresses: a few lines in full, the rest counted, each kind on
    // its own: the first of another kind after them is logged in full, with its host.
    void refusalsCounted()
    {
        CloudSite::Manager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        LogSummary::flush();
        LogRecorder log;
        constexpr int kAsked = 200;
        QList<QNetworkReply*> replies;
        for (int i = 0; i < kAsked; ++i)
            replies << manager.get(QNetworkRequest(QUrl(QString("http://www.example.com/%1.png").arg(i))));
        CloudSite::logRefusal("Page not loaded, not the cloud service over https", QUrl("https://away.example.net/"));
        QVERIFY2(log.count({"Page not loaded", "away.example.net"}) == 1, qPrintable(log.all()));
        QTRY_VERIFY(std::all_of(replies.begin(), replies.end(), [](QNetworkReply* r) { return r->isFinished(); }));
        qDeleteAll(replies);
        LogSummary::flush();
        const int inFull = log.matching("Not sent, not the cloud service over https :").size();
        QVERIFY2(inFull <= 8, qPrintable(log.all()));
        int counted = 0;
        static const QRegularExpression count("Not sent, not the cloud service over https x(\\d+)");
        for (const QString& line : log.matching("Counted, not logged one by one:"))
            counted += count.match(line).captured(1).toInt();
        QVERIFY2(inFull + counted == kAsked, qPrintable(log.all()));
    }
};

QTEST_GUILESS_MAIN(TestCloudSite)
#include "tst_cloudsite.moc"
