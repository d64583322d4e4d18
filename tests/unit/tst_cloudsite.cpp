// Cloud addresses: which the wizard uses for the cloud service, what a cloud web view may load,
// that its cloud network managers send nothing anywhere else and that a web view's manager
// takes the redirect itself.

#include <QAuthenticator>
#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <numeric>

#include "answerkit.h"
#include "base/logsummary.h"
#include "base/pngwriter.h"
#include "cloud/answerreaders.h"
#include "cloud/answerrules.h"
#include "cloud/cloudreplies.h"
#include "cloud/cloudsitemanager.h"
#include "cloud/cloudsiterules.h"
#include "cloud/partyboundrules.h"
#include "cloud/partyrules.h"
#include "protocol/dcputils.h"
#include "testsupport.h"

using namespace AnswerKit;
using CloudSite::Frame;
using CloudSite::Load;
Q_DECLARE_METATYPE(CloudSite::Frame)
Q_DECLARE_METATYPE(CloudSite::Load)
Q_DECLARE_METATYPE(CloudSite::Start)
Q_DECLARE_METATYPE(CloudSite::Answer)

namespace {

const QByteArray kSignIn = "tolmwizard_signin5f0c9a2e";
const QByteArray kSignUp = "tolmwizard_signup77d1b3c4";

// An icon of 256 entries that is also a Mac resource fork holding font: its first 16 bytes are the
// fork's header (its data at 256, its map past the icon), the map begins with a copy of them.
QByteArray iconFork(const QByteArray& font)
{
    QByteArray b = ico(QVector<QByteArray>(256, dib(1, 2)).toList());
    b[12] = b[13] = '\0';  // the first entry's bit count: the map's length within the answer
    b += QByteArray(int(qFromBigEndian<quint32>(b.constData() + 4)) - b.size(), '\0');
    b += b.left(16) + QByteArray(8, '\0') + be(28, 2) + be(0, 2) + be(0, 2) + "sfnt" + be(0, 2) + be(10, 2);
    b += be(128, 2) + be(0xffff, 2) + be(b.size() + 12 - 256, 4) + be(0, 4);
    return b + be(font.size(), 4) + font;
}

// A file the machine has (a font from scripts/setup's packages).
QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qWarning("%s: not readable, scripts/setup installs it", qPrintable(path));
    return file.readAll();
}

// A font file's tables, of a collection its first font's: tag and bytes.
QList<QPair<QByteArray, QByteArray>> fontTables(const QByteArray& file)
{
    const auto at = [&file](qint64 pos) { return qFromBigEndian<quint32>(file.constData() + pos); };
    const qint64 font = file.startsWith("ttcf") ? at(12) : 0;
    QList<QPair<QByteArray, QByteArray>> tables;
    for (int i = 0; i < int(at(font + 4) >> 16); ++i) {
        const qint64 entry = font + 12 + 16 * i;
        tables.append({file.mid(int(entry), 4), file.mid(int(at(entry + 8)), int(at(entry + 12)))});
    }
    return tables;
}

QByteArray padded(const QByteArray& b)
{
    return b + QByteArray(-b.size() & 3, '\0');
}

// A bare font of these tables, signed "true" or "OTTO".
QByteArray sfnt(const QByteArray& signature, const QList<QPair<QByteArray, QByteArray>>& tables)
{
    QByteArray b = signature + be(tables.size() << 16, 4) + QByteArray(4, '\0'), data;
    for (const auto& table : tables) {
        b += table.first + be(0, 4) + be(12 + 16 * tables.size() + data.size(), 4) + be(table.second.size(), 4);
        data += padded(table.second);
    }
    return b + data;
}

// A WOFF of these tables, each deflated where that is shorter.
QByteArray woff(const QList<QPair<QByteArray, QByteArray>>& tables)
{
    QByteArray directory, data;
    const int start = 44 + 20 * tables.size();
    for (const auto& table : tables) {
        QByteArray deflated = qCompress(table.second).mid(4);
        deflated = deflated.size() < table.second.size() ? deflated : table.second;
        directory +=
            table.first + be(start + data.size(), 4) + be(deflated.size(), 4) + be(table.second.size(), 4) + be(0, 4);
        data += padded(deflated);
    }
    const int font = sfnt("true", tables).size();
    return "wOFF" + be(0x10000, 4) + be(start + data.size(), 4) + be(tables.size() << 16, 4) + be(font, 4) +
           QByteArray(24, '\0') + directory + data;
}

// A WOFF2 of these tables untransformed (loca right after glyf), in a Brotli stream of stored blocks.
QByteArray woff2(QList<QPair<QByteArray, QByteArray>> tables)
{
    const auto tag = [&tables](const char* t) {
        return std::find_if(tables.begin(), tables.end(), [t](const auto& table) { return table.first == t; });
    };
    const auto loca = *tag("loca");
    tables.erase(tag("loca"));
    tables.insert(tag("glyf") + 1, loca);
    QByteArray directory, data, stream;
    for (const auto& table : tables) {
        const bool outlines = table.first == "glyf" || table.first == "loca";  // their null transform is 3
        directory += char(outlines ? 0xff : 0x3f) + table.first;
        for (int shift = 28; shift >= 0; shift -= 7)  // UIntBase128
            if (table.second.size() >> shift || shift == 0)
                directory += char((table.second.size() >> shift & 0x7f) | (shift ? 0x80 : 0));
        data += table.second;
    }
    for (int at = 0; at < data.size(); at += 65536) {  // a 16-bit window, blocks of 64 KiB at the most
        const int n = qMin(65536, data.size() - at);
        stream += at ? le((n - 1) << 3 | 1 << 19, 3) : le((n - 1) << 4 | 1 << 20, 3);
        stream += data.mid(at, n);
    }
    stream += '\3';  // the last block, empty
    const int font = sfnt("true", tables).size();
    const QByteArray body = padded(directory + stream);
    return "wOF2" + be(0x10000, 4) + be(48 + body.size(), 4) + be(tables.size() << 16, 4) + be(font, 4) +
           be(stream.size(), 4) + QByteArray(24, '\0') + body;
}

// A manager that sends everything, as the cloud managers send what they let through.
class OpenManager : public CloudSite::Manager
{
public:
    using CloudSite::Manager::Manager;

protected:
    Load decide(Operation, const QNetworkRequest&) override { return Load::Send; }
};

// Another host's redirect as its transfer gives it, at once: a stand-in for Qt's reply of that address, read as
// the rows of heldPictures read Qt's own (their absolute addresses alike).
class RedirectAnswer : public CloudSite::LocalReply
{
public:
    RedirectAnswer(const QUrl& url, const QByteArray& location)
        : LocalReply(QNetworkAccessManager::GetOperation, QNetworkRequest(url), nullptr)
    {
        setRawHeader("Location", location);
        answer(302, "Found", "<html></html>");
    }
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

    // A view counts other hosts' pictures by party: the registrable domain by the public suffix list's ICANN section,
    // else the name or address itself, whatever case, trailing dot or form of an international name or address it is
    // written in, an IPv4 address whichever IPv6 form carries it.
    void parties_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("party");
        const auto row = [](const char* name, const char* url, const char* party) {
            QTest::newRow(name) << QString::fromUtf8(url) << QString::fromUtf8(party);
        };
        row("a name under a registrable domain", "https://h1.example.net/a.png", "example.net");
        row("the registrable domain itself", "https://example.net/", "example.net");
        row("under a suffix of two labels", "https://cdn.shop.example.co.uk/", "example.co.uk");
        row("a suffix of two labels itself", "https://co.uk/", "co.uk");
        // A suffix of the list's private section: the company's registrable domain, under which it gives names away.
        row("under a suffix a company gives names under", "https://a.b.github.io/", "github.io");
        row("another name under it", "https://c.github.io/", "github.io");
        row("the company's suffix itself", "https://github.io/", "github.io");
        row("under a dynamic DNS suffix", "https://a.duckdns.org/", "duckdns.org");
        row("under a suffix of two labels of a company's", "https://a.s3.amazonaws.com/", "amazonaws.com");
        row("under a company's wildcard suffix", "https://a.b.compute.amazonaws.com/", "amazonaws.com");
        row("under a suffix of the ICANN section's wildcard", "https://a.b.kawasaki.jp/", "a.b.kawasaki.jp");
        row("an exception to that wildcard", "https://a.city.kawasaki.jp/", "city.kawasaki.jp");
        row("under a domain the list does not name", "https://portal.olvaris-cloud.invalid/", "olvaris-cloud.invalid");
        row("upper case", "https://CDN.Example.NET/", "example.net");
        row("a trailing dot", "https://h1.example.net./", "example.net");
        row("a trailing dot on the registrable domain", "https://example.net./", "example.net");
        row("one label", "https://intranet/", "intranet");
        row("no name", "https:///a.png", "");
        row("an IPv4 address", "https://93.184.216.34/", "93.184.216.34");
        row("an IPv4 address as one number", "https://1572395042/", "93.184.216.34");
        row("another IPv4 address of the same network", "https://93.184.216.35/", "93.184.216.35");
        row("an IPv6 address", "https://[2001:DB8::1]/", "2001:db8::1");
        row("an IPv6 address written out", "https://[2001:db8:0:0:0:0:0:1]/", "2001:db8::1");
        // An IPv6 address that reaches an IPv4 host is that host's party; others, and :: and ::1, are their own.
        row("IPv4-mapped", "https://[::ffff:8.8.8.8]/", "8.8.8.8");
        row("IPv4-mapped in hexadecimal", "https://[::FFFF:808:808]/", "8.8.8.8");
        row("IPv4-compatible", "https://[::8.8.8.8]/", "8.8.8.8");
        row("IPv4-compatible, the lowest", "https://[::2]/", "0.0.0.2");
        row("the loopback address", "https://[::1]/", "::1");
        row("the unspecified address", "https://[::]/", "::");
        row("mapped as SIIT translates", "https://[::ffff:0:808:808]/", "::ffff:0:808:808");
        row("NAT64's well-known prefix", "https://[64:ff9b::8.8.8.8]/", "8.8.8.8");
        row("NAT64's prefix for local use", "https://[64:ff9b:1::808:808]/", "64:ff9b:1::/48");
        row("NAT64's prefix for local use, another", "https://[64:ff9b:1:ffff::1]/", "64:ff9b:1::/48");
        row("next to NAT64's prefixes", "https://[64:ff9b:2::808:808]/", "64:ff9b:2::808:808");
        row("6to4", "https://[2002:808:808::1]/", "8.8.8.8");
        row("6to4, another host of the site", "https://[2002:808:808:ffff::abcd]/", "8.8.8.8");
        row("next to 6to4", "https://[2003:808:808::1]/", "2003:808:808::1");
        row("Teredo", "https://[2001:0:4136:e378:8000:63bf:f7f7:f7f7]/", "8.8.8.8");
        row("Teredo, another server and port", "https://[2001:0:5ef5:79fd:0:1:f7f7:f7f7]/", "8.8.8.8");
        row("next to Teredo", "https://[2001:1::f7f7:f7f7]/", "2001:1::f7f7:f7f7");
        row("an international name",
            "https://b\xc3\xbc"
            "cher.example.de/",
            "example.de");
        row("the same in ACE form", "https://xn--bcher-kva.example.de/", "example.de");
        row("under an international suffix", "https://a.shop.\xe5\x85\xac\xe5\x8f\xb8.cn/", "shop.xn--55qx5d.cn");
        row("an international top-level domain",
            "https://a.\xd0\xbf\xd1\x80\xd0\xb8\xd0\xbc\xd0\xb5\xd1\x80.\xd1\x80\xd1\x84/", "xn--e1afmkfd.xn--p1ai");
    }

    void parties()
    {
        QFETCH(QString, url);
        QTEST(CloudSite::partyOf(QUrl(url).host(QUrl::FullyEncoded)), "party");
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

    // A web view's manager answers the redirect address itself, under the redirect's state
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
        QTest::newRow("no state, no flow waiting") << QByteArray("access_token=SECRET8&target_site=B") << false << "";
        QTest::newRow("empty state, no flow waiting") << QByteArray("state=&access_token=SECRET9") << false << "";
    }

    void managerTakesRedirect()
    {
        QFETCH(QByteArray, query);
        QFETCH(bool, waiting);
        QFETCH(QString, signal);
        QTcpServer squatter;
        // The port, once another run on this machine lets it go.
        QTRY_VERIFY_WITH_TIMEOUT(squatter.isListening() || squatter.listen(QHostAddress::LocalHost, 5979), 30000);
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
        // Taken, the view is answered a page without a word: the wizard has not registered the camera yet.
        QCOMPARE(answers.first().left(4), signal.isEmpty() ? "404 " : "200 ");
        QVERIFY2(QString(answers.first()).remove(QRegularExpression("<[^>]*>")).mid(4).trimmed().isEmpty(),
                 qPrintable(answers.first()));
        QCOMPARE(answers.last(), "404 ");
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
        QTest::addColumn<char>("expectedFor");  // m: the main frame, f: the same after four others, -: nothing
        QTest::addColumn<char>("from");         // m: the main frame, s: a frame, 0: none
        QTest::addColumn<bool>("post");
        QTest::addColumn<QString>("asked");  // the query asked for; the expected one is "access_token=T&state=<in>"
        QTest::addColumn<bool>("answered");
        const QString same = "access_token=T&state=" + QString::fromLatin1(kSignIn);
        QTest::newRow("main-frame navigation the cloud led to") << 'm' << 'm' << false << same << true;
        QTest::newRow("the newest of five expected") << 'f' << 'm' << false << same << true;
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
        for (int i = 0; expectedFor == 'f' && i < 4; ++i)
            manager.expectRedirect(&mainFrame, QUrl("http://127.0.0.1:5979/?state=other" + QString::number(i)));
        // The engine writes the empty path as "/".
        if (expectedFor != '-')
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
            QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
            QVERIFY(reply->error() != QNetworkReply::NoError);
        }
        QTest::qWait(200);
        QCOMPARE(heads.size(), 2);
        for (const QByteArray& head : heads)
            QVERIFY2(!head.toLower().contains("authorization:"), head.constData());
    }

    // Of another host's answers only what the check sizes passes: a picture of the engine's formats
    // declaring 2048x2048 pixels at most, all frames together, in every shape its format allows; a
    // web font declaring 8 MiB at most; text no picture reader takes; and style sheets.
    void answerVerdict_data()
    {
        QTest::addColumn<QByteArray>("accept");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<CloudSite::Answer>("verdict");
        using A = CloudSite::Answer;
        auto row = [](const QByteArray& name, const QByteArray& head, bool complete, A verdict,
                      const char* accept = "*/*") {
            QTest::newRow(name.constData()) << QByteArray(accept) << head << complete << verdict;
        };
        // Every picture of the decoder's formats goes to it whole, whatever its header declares or holds, and
        // is refused or decoded there within the limits (answerVerdict): at the limit, a column over it and cut
        // before its size.
        auto sizes = [&row](const QByteArray& name, const std::function<QByteArray(quint32, quint32)>& make, int keep) {
            row(name + ", at the limit", make(2048, 2048), true, A::Decode);
            row(name + ", over", make(2049, 2048), true, A::Decode);
            if (keep)
                row(name + ", cut", make(2048, 2048).left(keep), true, A::Decode);
        };
        const auto frames = [](int n, quint32 w, quint32 h) { return QVector<QRect>(n, QRect(0, 0, w, h)); };
        sizes(
            "PNG", [](quint32 w, quint32 h) { return png(w, h); }, 20);
        // Animations at 8 s a frame.
        sizes(
            "APNG of 4 frames", [](quint32 w, quint32 h) { return png(w, h / 4, 4, 4, 8000); }, 0);
        sizes(
            "APNG declaring 1 frame, holding 4", [](quint32 w, quint32 h) { return png(w, h / 4, 1, 4, 8000); }, 0);
        sizes(
            "APNG declaring 4 frames, holding 1", [](quint32 w, quint32 h) { return png(w, h / 4, 4, 1, 8000); }, 0);
        row("PNG 23000x23000", png(23000, 23000), true, A::Decode);
        row("PNG whose pixels pass 2^63", png(0xf5000000, 0x86000000), true, A::Decode);
        row("PNG whose IHDR is not first", png(16, 16).insert(8, chunk("tEXt", "a")), true, A::Decode);
        row("PNG before its data, more to come", png(16, 16).left(40), false, A::NeedMore);
        row("PNG within, more to come", png(16, 16), false, A::NeedMore);
        // Compressed text and colour profiles inflating to 4 MB, all of its chunks together.
        const int most = 4 * 1024 * 1024;
        const QByteArray method(1, '\0');
        row("PNG, zTXt inflating to the limit", png(16, 16).insert(33, inflating("zTXt", method, most)), true,
            A::Decode);
        row("PNG, iCCP and zTXt after its data inflating over",
            png(16, 16)
                .insert(49, inflating("zTXt", method, most / 2 + 1))
                .insert(33, inflating("iCCP", method, most / 2)),
            true, A::Decode);
        row("PNG, a compressed iTXt inflating over",
            png(16, 16).insert(33, inflating("iTXt", QByteArray("\1\0en\0made\0", 10), most + 1)), true, A::Decode);
        row("APNG before its end, more to come", png(16, 16, 2, 2).left(100), false, A::NeedMore);
        sizes(
            "GIF", [&](quint32 w, quint32 h) { return gif(w, h, frames(1, w, h)); }, 12);
        sizes(
            "GIF without a colour table", [&](quint32 w, quint32 h) { return gif(w, h, frames(1, w, h), false); }, 20);
        sizes(
            "GIF, a frame at an offset",
            [](quint32 w, quint32 h) {
                return gif(16, 16, {{int(w) - 16, int(h) - 16, 16, 16}});
            },
            30);
        sizes(
            "GIF of 4 frames",
            [&](quint32 w, quint32 h) { return gif(w, h / 4, frames(4, w, h / 4), true, false, 800); }, 0);
        row("GIF of 300 frames of 2048x2048", gif(2048, 2048, frames(300, 2048, 2048)), true, A::Decode);
        row("GIF frame larger than its screen", gif(16, 16, frames(1, 2049, 2048)), true, A::Decode);
        row("GIF, a control extension shorter than 4 bytes",
            gif(16, 16, frames(1, 16, 16)).insert(19, QByteArray("\x21\xf9\x01\x01\0", 5)), true, A::Decode);
        row("GIF, a loop extension's block shorter than 3 bytes",
            gif(16, 16, frames(1, 16, 16)).insert(19, QByteArray("\x21\xff\x0bNETSCAPE2.0\x01\x01\0", 17)), true,
            A::Decode);
        row("GIF, an ANIMEXTS loop extension's block shorter than 3 bytes",
            gif(16, 16, frames(1, 16, 16)).insert(19, QByteArray("\x21\xff\x0bANIMEXTS1.0\x01\x01\0", 17)), true,
            A::Decode);
        row("GIF, a loop extension",
            gif(16, 16, frames(1, 16, 16)).insert(19, QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19)), true,
            A::Decode);
        for (const char* loops : {"\0", "\2"})
            row("GIF of 2 frames, looping " + QByteArray(*loops ? "twice" : "for ever"),
                gif(16, 16, frames(2, 16, 16))
                    .insert(19, "\x21\xff\x0bNETSCAPE2.0\x03\x01" + QByteArray(loops, 1) + QByteArray(2, '\0')),
                true, A::Decode);
        sizes(
            "GIF of 4 frames of their own colour tables",
            [&](quint32 w, quint32 h) { return gif(w, h / 4, frames(4, w, h / 4), false, true, 800); }, 0);
        row("GIF of 2 frames, more to come", gif(16, 16, frames(2, 16, 16)).chopped(1), false, A::NeedMore);
        row("GIF of 2 frames, its end cut", gif(16, 16, frames(2, 16, 16)).chopped(1), true, A::Decode);
        // Animations about as costly a second as the engine lets them be (playedDelays), and a little more.
        const auto played = [&](int n, quint32 w, quint32 h, int ms, A verdict) {
            const QByteArray name = QString::asprintf(" of %d frames of %ux%u at %d ms", n, w, h, ms).toLatin1();
            if (ms % 10 == 0)  // in hundredths
                row("GIF" + name, gif(w, h, frames(n, w, h), true, false, ms / 10), true, verdict);
            row("APNG" + name, png(w, h, n, n, ms), true, verdict);
        };
        played(2, 1024, 1024, 1010, A::Decode);
        played(2, 1024, 1024, 1000, A::Decode);
        played(2, 320, 320, 10, A::Decode);
        played(2, 320, 320, 11, A::Decode);
        played(2, 320, 320, 20, A::Decode);
        played(5, 512, 512, 100, A::Decode);
        played(5, 513, 512, 100, A::Decode);
        played(1024, 1, 1, 80, A::Decode);
        played(1024, 1, 1, 70, A::Decode);
        // Decoded: frames of a pixel, each shown for 100 ms as the engine shows a delay under 11 ms, or its own.
        row("WebP of 3 frames of 1x1 at 10 ms", webpFrames(3, 10), true, A::Decode);
        row("WebP of 3 frames of 1x1 at 11 ms", webpFrames(3, 11), true, A::Decode);
        // The most frames the decoder gives, and one more.
        const int mostFrames = int(ReplyLimits::kViewPicture.frames);
        for (int n : {mostFrames, mostFrames + 1}) {
            const QByteArray name = QByteArray::number(n) + " frames of 1x1";
            const A verdict = A::Decode;
            row("GIF of " + name, gif(1, 1, frames(n, 1, 1)), true, verdict);
            row("APNG of " + name, png(1, 1, n, n), true, verdict);
            row("WebP of " + name, webp("VP8X", 1, 1, n), true, verdict);
        }
        sizes(
            "JPEG, APP1, SOF0", [](quint32 w, quint32 h) { return jpeg(w, h); }, 25);
        sizes(
            "JPEG, DQT DHT COM DRI fill, SOF1", [](quint32 w, quint32 h) { return jpeg(w, h, "qhcrf", '\xc1'); }, 125);
        sizes(
            "JPEG, fill APP1 COM DQT, SOF2", [](quint32 w, quint32 h) { return jpeg(w, h, "facq", '\xc2'); }, 100);
        sizes(
            "JPEG, TEM RST3 APP1, SOF10", [](quint32 w, quint32 h) { return jpeg(w, h, "ta", '\xca'); }, 0);
        row("JPEG over, past a long segment", jpeg(23000, 23000, "a", '\xc0', 100000), true, A::Decode);
        // A progressive JPEG's scans: each a pass over the picture.
        const int passes = 64;
        row("JPEG of the most scans", jpeg(2048, 2048, "", '\xc2') + scans(passes), true, A::Decode);
        row("JPEG of a scan more, more to come", jpeg(2048, 2048, "", '\xc2') + scans(passes + 1), false, A::NeedMore);
        row("JPEG of a scan more, each after fill bytes and a DHT",
            jpeg(16, 16, "", '\xc2') + scans(passes + 1).replace("\xff\xda", jpeg(1, 1, "fh").mid(2, 35) + "\xff\xda"),
            true, A::Decode);
        row("JPEG baseline of many segments, then bytes after its end",
            jpeg(2048, 2048, QByteArray("aqhc").repeated(500).constData()) + scans(1) + "more", true, A::Decode);
        QByteArray stuffed = jpeg(23000, 23000, "").insert(2, QByteArray("\xff\0", 2));  // the decoder skips ff00
        row("JPEG over after a stuffed ff00, a frame within where its length would lead",
            stuffed + QByteArray(65476 - stuffed.size(), '\0') + jpeg(16, 16, "").mid(2), true, A::Decode);
        row("JPEG frame past the held bytes", jpeg(16, 16, "a", '\xc0', 300000).left(256 * 1024), true, A::Decode);
        sizes(
            "WebP lossy", [](quint32 w, quint32 h) { return webp("VP8 ", w, h); }, 28);
        // A lossless image or alpha compressed losslessly: its cost lies in entropy codes no header declares.
        const auto riff = [](const char* type, const QByteArray& data) {
            return type + le(data.size(), 4) + data + QByteArray(data.size() & 1, '\0');
        };
        const QByteArray lossy = webp("VP8 ", 16, 16).mid(12), lossless = webp("VP8L", 16, 16).mid(12);
        row("WebP lossless", webp("VP8L", 16, 16), true, A::Decode);
        row("WebP extended, lossless", webp("VP8X", 16, 16, 0, lossless), true, A::Decode);
        row("WebP extended, lossy, lossless alpha",
            webp("VP8X", 16, 16, 0, riff("ALPH", QByteArray(1, '\x01') + "a") + lossy), true, A::Decode);
        for (const char* alpha : {"raw", "filtered"})  // its header byte, then a byte a pixel
            row(QByteArray("WebP extended, lossy, ") + alpha + " alpha",
                webp("VP8X", 16, 16, 0, riff("ALPH", (*alpha == 'r' ? '\0' : '\x04') + QByteArray(256, '\0')) + lossy),
                true, A::Decode);
        sizes(
            "WebP extended", [](quint32 w, quint32 h) { return webp("VP8X", w, h); }, 26);
        sizes(
            "WebP animated, 4 frames", [](quint32 w, quint32 h) { return webp("VP8X", w, h / 4, 4); }, 0);
        sizes(
            "WebP animated with alpha, 4 frames",
            [](quint32 w, quint32 h) { return webp("VP8X", w, h / 4, 4).replace(20, 1, "\x12"); }, 0);
        row("WebP animated, more to come", webp("VP8X", 16, 16, 2).left(40), false, A::NeedMore);
        sizes(
            "BMP", [](quint32 w, quint32 h) { return bmp(w, h); }, 20);
        sizes(
            "BMP, core header", [](quint32 w, quint32 h) { return bmp(w, h, 0, 12); }, 19);
        sizes(
            "BMP, version 5 header", [](quint32 w, quint32 h) { return bmp(w, h, 0, 124); }, 0);
        sizes(
            "BMP, 16-byte header", [](quint32 w, quint32 h) { return bmp(w, h, 0, 16); }, 0);
        sizes(
            "BMP, top-down", [](quint32 w, quint32 h) { return bmp(w, -qint32(h)); }, 0);
        sizes(
            "BMP, reserved set", [](quint32 w, quint32 h) { return bmp(w, h, 0x01020304); }, 0);
        row("BMP, reserved set, 16000x16000", bmp(16000, 16000, 7), true, A::Decode);
        sizes(
            "ICO holding a BMP", [](quint32 w, quint32 h) { return ico({dib(w, 2 * h)}); }, 30);
        sizes(
            "ICO holding a PNG", [](quint32 w, quint32 h) { return ico({png(w, h)}); }, 40);
        sizes(
            "ICO of 3 entries at odd offsets",
            [](quint32 w, quint32 h) {
                return ico({dib(w, h), png(w, h / 4), dib(w, h / 2)}, 1);
            },
            100);
        sizes(
            "CUR holding a BMP", [](quint32 w, quint32 h) { return ico({dib(w, 2 * h)}, 0, '\2'); }, 0);
        row("ICO of 16x16 holding a large PNG", ico({png(23000, 23000)}), true, A::Decode);
        // Entries sharing their pictures, inflating text, of many chunks.
        const auto textPng = [&method](int inflated) {
            return png(1, 1).insert(33, inflating("zTXt", method, inflated));
        };
        const QByteArray chunks = png(1, 1).insert(33, chunk("tEXt", "").repeated(140000));
        const auto copies = [](int n, const QByteArray& picture) { return QVector<QByteArray>(n, picture).toList(); };
        row("ICO of 2 entries sharing a BMP", shared(2, dib(16, 32)), true, A::Decode);
        row("ICO of 16000 entries sharing a PNG of inflated text", shared(16000, textPng(most)), true, A::Decode);
        row("ICO of 16000 entries sharing a PNG of 140000 chunks", shared(16000, chunks), true, A::Decode);
        row("ICO of the most entries, their texts inflating to the limit",
            ico(copies(mostFrames, textPng(most / mostFrames))), true, A::Decode);
        row("ICO of the most entries, their texts inflating over",
            ico(copies(1, textPng(most / mostFrames + 1)) + copies(mostFrames - 1, textPng(most / mostFrames))), true,
            A::Decode);
        row("ICO of an entry more", ico(copies(mostFrames + 1, png(1, 1))), true, A::Decode);
        row("ICO, a PNG running into the next entry", ico({png(16, 16).chopped(12), png(16, 16)}), true, A::Decode);
        row("SVG text", "<svg xmlns='http://www.w3.org/2000/svg' width='23000' height='23000'/>", true, A::Picture);
        row("SVG text after spaces", "\n  <svg xmlns='http://www.w3.org/2000/svg'/>", true, A::Picture);
        row("SVG holding a data: PNG",
            "<?xml version='1.0'?><svg><image href='data:image/png;base64,iVBORw0KGgo='/></svg>", true, A::Picture);
        row("SVG text after 600 spaces", QByteArray(600, ' ') + "<svg width='23000' height='23000'/>", true,
            A::Picture);
        row("SVG text after two byte-order marks", "\xef\xbb\xbf\xef\xbb\xbf<svg/>", true, A::Picture);
        // Qt's XBM reader decodes a picture to tell whether it takes it, after comment lines up to 4 KB;
        // the XPM reader looks at its first bytes.
        const QByteArray xbm = "#define a_width 23000\n#define a_height 23000\nstatic char a_bits[] = {0x00};\n";
        const auto leadIn = [](int n, const QByteArray& text) {  // comment lines of n bytes, then text
            return QByteArray("/* a line of its lead-in, made to be read past */\n").repeated(n / 50) +
                   QByteArray(n % 50, '\n') + text;
        };
        row("XBM text", xbm, true, A::Picture);
        row("XBM after 744 bytes of comment lines", leadIn(744, xbm), true, A::Picture);
        row("XBM, its header at 4095 bytes", leadIn(4095, xbm), true, A::Picture);
        row("XBM, its header at 4096 bytes", leadIn(4096, xbm), true, A::Pass);
        row("XPM text", "/* XPM */\nstatic char *a[] = {\n\"23000 23000 1 1\",", true, A::Picture);
        row("XPM after a space", " /* XPM */\nstatic char *a[] = {\n\"23000 23000 1 1\",", true, A::Pass);
        // Text the font engine opens: BDF, at its start or after comment lines; PostScript.
        row("BDF of 23000 glyphs of 2040x257", bdf(23000, 0, 2040, 257), true, A::Font);
        row("BDF after comment lines, its start past 512 bytes", bdf(2, 12, 8, 16), true, A::Font);
        QDirIterator type1("/usr/share/groff", {"freeeuro.pfa"}, QDir::Files, QDirIterator::Subdirectories);
        row("PostScript Type 1", readFile(type1.hasNext() ? type1.next() : "groff's freeeuro.pfa"), true, A::Font);
        row("JSON the font readers look past", "{\"a\": [1, 2]}", true, A::Pass);
        // Text a font driver rejects as of its format: not taken.
        const QByteArray comments = QByteArray("# a line of comment, as a shell script or a settings file has\n");
        row("text of # lines, 100 KB", comments.repeated(2000).left(100000), true, A::Pass);
        row("text of # lines, 2 MB", comments.repeated(40000).left(ReplyLimits::kCloudPageBytes), true, A::Pass);
        // Every kind of font, made of the machine's own fonts, as much as a view holds: its cost lies in its
        // glyphs, which no check bounds.
        const QByteArray sans = readFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        const QByteArray cjk = readFile("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc");
        const auto fonts = {std::make_pair("TrueType", sans),
                            {"OpenType with CFF", sfnt("OTTO", fontTables(cjk))},
                            {"WOFF", woff(fontTables(sans))},
                            {"WOFF2", woff2(fontTables(sans))},
                            {"a collection", cjk}};
        for (const auto& font : fonts) {
            QVERIFY2(CloudSite::fontReaderTakes(font.second), font.first);  // a font to the engine's reader
            row(QByteArray("font, ") + font.first, font.second.left(ReplyLimits::kCloudPageBytes), true, A::Font);
        }
        row("an icon that is also a resource fork holding a font", iconFork(sans), true, A::Decode);
        row("JSON true", "true", true, A::Pass);
        row("a script as long as a raw camera picture", "var a = 1;" + QByteArray(307200 - 10, ' '), true, A::Pass);
        row("gzip", QByteArray("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10) + QByteArray(20, '\0'), true, A::Unknown);
        row("TIFF", QByteArray("II*\0\x08\0\0\0", 8) + QByteArray(20, '\0'), true, A::Unknown);
        row("a script", "(function () { var a = '\xc3\xa9'; })();", true, A::Pass);
        row("a script beginning with a line feed", "\nvar a = 1;\n", true, A::Pass);
        row("a script, more to come", "(function () { var a = '\xc3\xa9'; })();", false, A::NeedMore);
        row("a script, a control character at 511 bytes", QByteArray(510, ' ') + "'\x01';", true, A::Unknown);
        row("a script, a control character at 512 bytes", QByteArray(511, ' ') + "'\x01';", true, A::Pass);
        row("a script beginning BM", "BMbody = 1;", true, A::Decode);
        row("a style sheet beginning BM", "BMbody { color: red }", false, A::Pass, "text/css,*/*;q=0.1");
        row("a picture asked as a style sheet", png(23000, 23000), false, A::Pass, "text/css,*/*;q=0.1");
        row("a short answer, more to come", "\x89PN", false, A::NeedMore);
        row("empty", "", true, A::Pass);
        // Every format Qt's handlers here write, over the limit, as far as a view holds it; those of the
        // decoder at the limit too.
        for (const int width : {2049, 2048}) {
            QImage picture(width, 2048, QImage::Format_RGB32);
            picture.fill(Qt::white);
            for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
                QBuffer written;
                written.open(QIODevice::WriteOnly);
                if (width == 2048 && !QByteArrayList{"png", "jpeg", "bmp", "webp"}.contains(format))
                    continue;
                if (!QImageWriter(&written, format).write(picture) ||
                    QImage::fromData(written.data(), format).size() != picture.size())
                    qInfo("%s: its writer here writes no %dx2048 picture, not checked", format.constData(), width);
                else
                    row("written by Qt: " + format + ", " + QByteArray::number(width),
                        written.data().left(ReplyLimits::kCloudPageBytes), true, A::Unknown);
            }
        }
        // The attacks of the pictures' last round: an APNG declaring 2^31-1 frames; one whose third fcTL, of
        // 27 bytes, shows for 65,535 s; a lossless WebP naming 65,536 code groups, cut as a view holds it; an
        // arithmetic-coded progressive JPEG of 55 scans, and one of a DAC segment.
        const QVector<QImage> two(2, QImage(1672, 836, QImage::Format_RGBA8888));
        QByteArray animation = PngWriter::png(two, {20, 20}, 0);
        QByteArray declared = animation;
        declared.replace(declared.indexOf("acTL") - 4, 20, chunk("acTL", be(0x7fffffff, 4) + be(0, 4)));
        row("APNG declaring 2^31-1 frames", declared, true, A::Decode);
        row("APNG of a 27-byte fcTL of 65,535 s",
            animation.insert(animation.size() - 12, chunk("fcTL", be(2, 4) + QByteArray(16, '\0') + be(65535, 2) +
                                                                      be(1, 2) + QByteArray(3, '\0'))),
            true, A::Decode);
        row("WebP lossless of 65,536 code groups", groupsWebp(2048, ReplyLimits::kCloudPageBytes), true, A::Decode);
        row("JPEG, arithmetic progressive of 55 scans", jpeg(2048, 2048, "", '\xca') + scans(55), true, A::Decode);
        row("JPEG, a DAC segment", jpeg(16, 16).insert(2, QByteArray("\xff\xcc\0\x04\0\x10", 6)) + scans(1), true,
            A::Decode);
    }

    void answerVerdict()
    {
        QFETCH(QByteArray, accept);
        QFETCH(QByteArray, head);
        QFETCH(bool, complete);
        QNetworkRequest request;
        request.setRawHeader("Accept", accept);
        const CloudSite::Answer verdict = CloudSite::answerVerdict(CloudSite::asked(request), head, complete);
        if (!QByteArray(QTest::currentDataTag()).startsWith("written by Qt"))
            QTEST(verdict, "verdict");
        else  // refused, whichever reader takes it, or decoded
            QVERIFY(verdict != CloudSite::Answer::Pass && verdict != CloudSite::Answer::NeedMore);
        if (verdict != CloudSite::Answer::Decode)
            return;
        // Refused, or decoded within the views' limits: then the engine gets the picture the wizard writes of
        // it, of the same pixels.
        const auto result = decoded(head, ReplyLimits::kViewPicture);
        if (!result.decoded())
            return;
        const QImage& first = result.frames.first();
        QVERIFY(qint64(first.width()) * first.height() * result.frames.size() <= ReplyLimits::kViewPicture.pixels);
        const QByteArray png = CloudSite::writtenPicture(result.frames, result.delays, result.loops);
        const auto written = pngFrames(png);
        QCOMPARE(written.size(), result.frames.size());
        for (int i = 0; i < written.size(); ++i)
            QVERIFY(written[i].first.convertToFormat(QImage::Format_RGBA8888) == result.frames[i]);
        // An animation's delays: none shorter than the engine shows the picture's own (under 11 ms: 100 ms), a
        // loop at them costing the engine no more a second than the views allow (its frames drawn, four times
        // past the engine's frame cache, walked, repainted), the picture's own wherever they hold that.
        const qint64 n = result.frames.size(), pixels = qint64(first.width()) * first.height() * n;
        const auto held = [&](const QVector<int>& ms) {
            const qint64 cost =
                pixels * (pixels > ReplyLimits::kViewAnimationCachedPixels ? 4 : 1) + n * (256 * n + 32768);
            return n < 2 || 1000 * cost <=
                                ReplyLimits::kViewAnimationPixelsPerSecond * std::accumulate(ms.begin(), ms.end(), 0LL);
        };
        QVector<int> own, played;
        for (int i = 0; i < n; ++i) {
            own << (result.delays[i] < 11 ? 100 : result.delays[i]);
            played << written[i].second;
            QVERIFY(n < 2 || played[i] >= own[i]);
        }
        QVERIFY(held(played));
        // Played as often as the picture tells: a GIF's loops after its first play, for ever (an APNG's 0) at 0.
        const int loop = head.indexOf("NETSCAPE2.0");
        if (n > 1 && loop > 0) {
            const quint32 count = quint8(head.at(loop + 13)) | quint8(head.at(loop + 14)) << 8;
            QCOMPARE(qFromBigEndian<quint32>(png.constData() + png.indexOf("acTL") + 8), count ? count + 1 : 0);
        }
        if (n > 1 && held(own))
            QCOMPARE(played, own);
    }

    // A picture's share of what a view holds for its decoder fits within its bytes and answers (one host's
    // within half of them), or alone.
    void viewShares_data()
    {
        QTest::addColumn<qint64>("heldBytes");
        QTest::addColumn<int>("heldAnswers");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<int>("part");
        QTest::addColumn<bool>("fits");
        const qint64 most = ReplyLimits::kViewHeldBytes;
        const int answers = ReplyLimits::kViewHeldAnswers;
        QTest::newRow("to the last byte") << most - 100 << 1 << qint64(100) << 1 << true;
        QTest::newRow("a byte over") << most - 100 << 1 << qint64(101) << 1 << false;
        QTest::newRow("the last answer") << qint64(answers - 1) << answers - 1 << qint64(1) << 1 << true;
        QTest::newRow("an answer over") << qint64(answers) << answers << qint64(1) << 1 << false;
        QTest::newRow("alone, over the bytes") << qint64(0) << 0 << most + 1 << 1 << true;
        const int host = ReplyLimits::kViewPartyPart;
        QTest::newRow("a host's, to its last byte") << most / 2 - 100 << 1 << qint64(100) << host << true;
        QTest::newRow("a host's, a byte over") << most / 2 - 100 << 1 << qint64(101) << host << false;
        QTest::newRow("a host's last answer") << qint64(0) << answers / 2 - 1 << qint64(1) << host << true;
        QTest::newRow("a host's answer over") << qint64(0) << answers / 2 << qint64(1) << host << false;
    }

    void viewShares()
    {
        QFETCH(qint64, heldBytes);
        QFETCH(int, heldAnswers);
        QFETCH(qint64, bytes);
        QFETCH(int, part);
        QTEST(CloudSite::shareFits(heldBytes, heldAnswers, bytes, part), "fits");
    }

    // A party's part of what a view's pictures may cost, half of what the other parties left: a picture of a party that
    // has spent nothing or little fits however many spent their parts, a picture past its part does not, each of its
    // pictures decoded within its pixels and CPU time left; whatever each spends within its part, the total is never
    // passed.
    void partyParts_data()
    {
        // kViewPixels: pixels, else CPU milliseconds; cost within the limits of its next decode
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QList<qint64>>("others");  // what the other parties spent, in turn
        QTest::addColumn<qint64>("own");
        QTest::addColumn<qint64>("cost");
        QTest::addColumn<bool>("fits");
        const qint64 pixels = ReplyLimits::kViewPixels, ms = ReplyLimits::kViewCpuMs, side = 2048 * 2048;
        const auto row = [](const char* name, qint64 total, const QList<qint64>& others, qint64 own, qint64 cost,
                            bool fits) { QTest::newRow(name) << total << others << own << cost << fits; };
        // Each of n parties spending its whole part: half the total, a quarter, ...
        const auto halves = [](qint64 total, int n) {
            QList<qint64> parts;
            for (qint64 left = total; parts.size() < n; left -= left / 2)
                parts << left / 2;
            return parts;
        };
        row("the first party: half the total", pixels, {}, pixels / 2 - side, side, true);
        row("the first party: a pixel past half the total", pixels, {}, pixels / 2, 1, false);
        row("the first party's picture: no more than the kind's limit", pixels, {}, 0, side + 1, false);
        row("a second party: half of what the first left", pixels, {pixels / 2}, side / 2, side / 2, true);
        row("a second party: a pixel past half of what the first left", pixels, {pixels / 2}, side / 2, side / 2 + 1,
            false);
        row("a 320 x 200 picture of a party that has spent nothing after seven spent their parts", pixels,
            halves(pixels, 7), 0, 320 * 200, true);
        row("after eight", pixels, halves(pixels, 8), 0, 320 * 200, false);
        row("the others past the total: nothing", pixels, {pixels, side}, 0, 1, false);
        row("the CPU time: the first party's 2 s", ms, {}, 1999, 1, true);
        row("the CPU time: past them", ms, {}, 2000, 1, false);
        row("the CPU time: a decode within what its party has left", ms, {}, 1500, 500, true);
        row("the CPU time: a millisecond past what its party has left", ms, {}, 1500, 501, false);
        row("the CPU time: a decode no longer than the kind's limit", ms, {}, 0, 1001, false);
        // Decodes ended at what their parties had left: the first party's two, the second's, the third's.
        row("the CPU time: a picture of 60 ms of a party that has spent nothing after three costly parties", ms,
            halves(ms, 3), 0, 60, true);
        row("the CPU time: its own spending counts", ms, halves(ms, 3), 200, 60, false);
    }

    void partyParts()
    {
        QFETCH(qint64, total);
        QFETCH(QList<qint64>, others);
        QFETCH(qint64, own);
        QFETCH(qint64, cost);
        const qint64 spentByOthers = std::accumulate(others.begin(), others.end(), qint64(0));
        const qint64 left = CloudSite::partLeft(total, own, spentByOthers);
        const bool pixels = total == ReplyLimits::kViewPixels;
        const PictureWire::Limits limits = CloudSite::partyPictureLimits(
            ReplyLimits::kViewPicture, pixels ? left : total, pixels ? ReplyLimits::kViewCpuMs : left);
        const qint64 room = pixels ? limits.pixels : limits.cpuMs;
        QTEST(cost <= room, "fits");
        // Each party spending all its part, in any order, never passes the total.
        QList<qint64> spent = others;
        spent << own;
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < spent.size(); ++i)
                spent[i] += CloudSite::partLeft(total, spent[i],
                                                std::accumulate(spent.begin(), spent.end(), qint64(0)) - spent[i]);
        }
        QVERIFY(spentByOthers + own > total || std::accumulate(spent.begin(), spent.end(), qint64(0)) <= total);
    }

    // A view's pictures: shares granted in turn, a host's within its part and behind its own that wait, those
    // waiting granted as one is given back; the hosts take turns at a grant and at the decoder, the one that has
    // spent the least first, however many wait. Past what one host's pictures may cost (its part of what the others
    // left of the CPU time a stand-in decoder used, each decode within what it has left of it and, out of it, counted
    // as its limit, the wait for one that does not answer, the writing of what it gave; of the pixels handed on, each
    // picture decoded within what it has left of them), that host's others, those its redirects led to too, are
    // refused; past what all hosts' may cost the view, or the pixels it may hand on, every host's; a new one unread,
    // reaching the engine as a failed load. Dozens of ordinary pictures of a host are all decoded.
    void viewPictures_data()
    {
        QTest::addColumn<QString>("decoder");  // what a stand-in does at each request; "": no picture is whole
        // in turn: name (its host's letter, a number; a capital letter a name of the one party example.net)
        // [<redirected from, asked as the engine follows it; !redirected from, the redirect passed unfollowed][:KiB]
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("given");  // back, once all were asked
        // granted in turn ("," where given back) / decoded in turn ("-": past its pixels) / refused ("!": as past
        // what the view's pictures may cost)
        QTest::addColumn<QString>("seen");
        QTest::addColumn<bool>("viewSpent");  // refused as past what the view's pictures may cost, else the host's
        const auto row = [](const char* name, const QString& decoder, const QString& asked, const QString& given,
                            const QString& seen, bool viewSpent = false) {
            QTest::newRow(name) << decoder << asked << given << seen << viewSpent;
        };
        const auto names = [](const char* name, int from, int to) {
            QStringList all;
            for (int i = from; i <= to; ++i)
                all << QString(name).arg(i);
            return all.join(' ');
        };
        const auto hosts = [](int from, int to) {  // a picture of each
            QStringList all;
            for (int i = from; i < to; ++i)
                all << QChar('a' + i) + QString("1");
            return all.join(' ');
        };
        row("in turn: a smaller share waits behind one that does not fit", "",
            "a1:2048 b1:2048 c1:2048 d1:1024 e1:2048 f1:512", "a1", "a1 b1 c1 d1 , e1 f1 /  / ");
        row("a host's share waits behind its own past its part", "", "a1:2048 a2:1024 a3:2048 a4:512 b1", "a1",
            "a1 a2 b1 , a3 a4 /  / ");
        row("the CPU time used counted", "(ulimit -t 3; while :; do :; done); cat none", "a1 a2 a3", "",
            "a1 a2 a3 / a1 / a2 a3");
        row("not the time waited", "sleep 2; cat none", "a1 a2", "", "a1 a2 / a1 a2 / ");
        // Out of time each costs its limit, the CPU time its party has left at most: a1 and b1 the kind's 1 s, a2 the
        // 0.5 s left of a's part, b2 the 0.25 s left of b's part of what a left. A wait costs what it lasted: which of
        // a2 and b2 spent less goes first, and the other is past its part of what that one left.
        for (const char* decoder : {"cat late", "exec cat >/dev/null"})
            row(qPrintable(QString("the hosts take turns, both past their parts: ") + decoder), decoder,
                "a1 a2 a3 a4 a5 a6 b1 b2", "",
                QString("a1 a2 a3 a4 b1 b2 a5 / a1 b1 ") +
                    (*decoder == 'c' ? "a2 b2 / a3 a4 a5 a6" : "(a2 / a3 a4 a5 a6 b2|b2 / a2 a3 a4 a5 a6)"));
        row("the writing counted: a host whose picture was costly to write waits behind another's cheap ones",
            "if [ -e seen ]; then cat none; else : >seen; cat noise; fi", "a1 a2 " + names("b%1", 1, 8), "",
            "a1 a2 " + names("b%1", 1, 8) + " / a1 " + names("b%1", 1, 8) + " a2 / ");
        // a past its part of what x and b left.
        row("redirected pictures count to the host that redirected, once", "cat late", "a1 x1<a y1<a z1<a x2 b1", "",
            "a1 x1 y1 z1 x2 b1 / a1 x2 b1 / x1 y1 z1");
        row("64 redirects followed, each counted to the host that redirected", "cat late",
            "x1<a " + names("y%1<a", 1, 63), "", "x1 y1 y2 y3 y4 / x1 y1 / " + names("y%1", 2, 63));
        row("a redirect not followed charges no one: its location asked later counted to its own host", "cat late",
            "a1 a2 x1!a", "", "a1 a2 x1 / a1 x1 a2 / ");
        row("names of one party hold its part: another party's share granted beside them", "", "A1 B1 C1 D1 E1 F1 z1",
            "", "A1 B1 C1 D1 z1 /  / ");
        row("the time answers that still come keep another party waiting for room charged to their parties, those "
            "past the bound refused and the other granted, not charged for its own that waits",
            "", "a1:4096 c1:3072 b1:1024 b2", "", "a1 c1 b1 b2 /  / (a1 c1|c1 a1)");
        row("a party's part of the pixels handed on: its next picture refused, another party's decoded",
            "[ $pixels -lt 2097152 ] && cat over || cat blank", "a1 a2 a3 a4 a5 a6 b1", "",
            "a1 a2 a3 a4 b1 a5 a6 / a1 b1 a2 a3 a4- a5- a6- / ");
        // Each decode out of time: a1 and b1 of the kind's whole limit, each in the first's part; a2 ended at the 0.5 s
        // left of a's part of what b left, b2 at the 0.25 s left of b's part of what a left: both at their parts.
        row("a party's part of the CPU time half of what the other parties left", "cat late", "a1 a2 a3 b1 b2 b3", "",
            "a1 a2 a3 b1 b2 b3 / a1 b1 a2 b2 / a3 b3");
        // Of 4 frames of 1024 x 1024, each held as 2,359,296 pixels: a third does not fit in the party's part.
        row("a party's picture decoded within what it has left of its part of the pixels",
            "[ $pixels -lt 4194304 ] && cat over || cat long", "a1 a2 a3", "", "a1 a2 a3 / a1 a2 a3- / ");
        // Of 2 frames of 1024 x 1024 each: the parties that have spent nothing first, each in half of what the others
        // left, the last of them in a part of just its picture; a's part shrunk to the picture it had.
        row("a party's part of the pixels half of what the other parties left",
            "[ $pixels -lt 2097152 ] && cat over || cat blank", "a1 a2 b1 c1 d1 e1 f1 g1", "",
            "a1 a2 b1 c1 d1 e1 f1 g1 / a1 b1 c1 d1 e1 f1 g1 / a2");
        // Two dozen: some 0.15 s of the party's 2 s on a quiet machine, 1.2 s beside a whole run of the tests.
        row("dozens of ordinary pictures of a host", "tolmdecoder", names("a%1", 1, 24), "",
            names("a%1", 1, 24) + " / " + names("a%1", 1, 24) + " / ");
        // Decodes out of time, each ended at what its party has left: 1 s, 1 s, 1 s, 0.5 s, 0.25 s, ...
        row("decodes out of time never spend the view's total: a party that has spent nothing finds room", "cat late",
            hosts(0, 8), "", hosts(0, 8) + " / " + hosts(0, 8) + " / ");
        const int withinCpu = int(ReplyLimits::kViewCpuMs / 1000);  // waits of 1.1 s for decoders that never answer
        row("the view's total: its last decode within it, the next refused", "exec cat >/dev/null",
            hosts(0, withinCpu + 2), "",
            hosts(0, withinCpu + 2) + " / " + hosts(0, withinCpu) + " / " +
                hosts(withinCpu, withinCpu + 2).replace("1", "1!"),
            true);
        // Animations of 1024 x 1024 pixels: of 2 frames, all held; of 4, past the engine's frame cache, as much and a
        // frame, the decoder's limit of their pixels counting all 4.
        // The parties decoded in their turns, which the time each kept the others waiting for room may reorder: as
        // many handed on as fit, the rest refused.
        row("the pixels handed on within the parties' parts, never the total: cat blank",
            "[ $pixels -lt 2097152 ] && cat over || cat blank", hosts(0, 10), "",
            hosts(0, 10) + " / ([a-j]1 ){7}([a-j]1- ){3}/ ");
        row("the pixels handed on within the parties' parts, never the total: cat long",
            "[ $pixels -lt 4194304 ] && cat over || cat long", hosts(0, 6), "",
            hosts(0, 6) + " / ([a-f]1 ){4}([a-f]1- ){2}/ ");
        // z1's share is held from its grant to its picture while a5 and b5 wait for room, charged to z as it lasts:
        // its turn at the decoder beside b is the time that took, so only that it is decoded is asked of it. The three
        // decodes spend most of the three parties' parts; as much as z's held time left a and b of theirs may buy
        // each a decode more.
        row("a host that has spent little granted before those waiting, however many", "cat late",
            "a1 a2 a3 a4 a5 b1 b2 b3 b4 b5 z1", "",
            "a1 a2 a3 a4 b1 b2 b3 b4 z1 [^/]*/ a1 (b1 z1|z1 b1) [^z/]*/ [^z/]+");
        row("at the decoder, the host that has spent the least first",
            "if [ -e seen ]; then cat none; else : >seen; cat late; fi", "a1 a2 b1 b2", "",
            "a1 a2 b1 b2 / a1 b1 b2 a2 / ");
        row("at the decoder, of hosts that have spent alike, the one that asked the fewest first", "cat late",
            "a1 c1 c2 c3 z1", "", "a1 c1 c2 c3 z1 / a1 z1 c1 / c2 c3");
    }

    void viewPictures()
    {
        QFETCH(QString, decoder);
        QFETCH(QString, asked);
        QFETCH(QString, given);
        QFETCH(QString, seen);
        QFETCH(bool, viewSpent);
        QTemporaryDir dir;
        // A stand-in reads each request (of a picture of 4 bytes), then does its part in its folder, by its answers:
        // out of time, not decoded, a frame of 2048 x 2048 pixels of noise, 2 or 4 blank frames of 1024 x 1024.
        QByteArray noise(decoder.contains("noise") ? 2048 * 2048 * 4 : 0, '\0');
        for (quint32 i = 0, x = 1; i < quint32(noise.size()); ++i, x ^= x << 13, x ^= x >> 17, x ^= x << 5)
            noise[i] = char(x);
        const QByteArray blank =
            le(100, 4) +
            QByteArray(decoder.contains("cat blank") || decoder.contains("cat long") ? 1024 * 1024 * 4 : 0, '\0');
        using PictureWire::answerHeader, PictureWire::Status;
        const QMap<QString, QByteArray> files{
            // The request's words in turn, its limit of pixels the third.
            {"decoder", QString("#!/bin/sh\ncd %1\nwhile set -- $(head -c %2 | od -An -tu4 -w%2) && [ $# = %3 ]; do\n"
                                "pixels=$3\n%4\ndone\n")
                            .arg(dir.path())
                            .arg(PictureWire::kRequestHeader + 4)
                            .arg((PictureWire::kRequestHeader + 4) / 4)
                            .arg(decoder)
                            .toUtf8()},
            {"late", answerHeader(Status::OutOfTime, 24, 0, 0, 0, 0)},
            {"none", answerHeader(Status::NotDecoded, 0, 0, 0, 0, 0)},
            {"over", answerHeader(Status::TooLarge, 0, 0, 0, 0, 0)},
            {"noise", answerHeader(Status::Decoded, 0, 2048, 2048, 1, 0) + le(0, 4) + noise},
            {"blank", answerHeader(Status::Decoded, 0, 1024, 1024, 2, 0) + blank.repeated(2)},
            {"long", answerHeader(Status::Decoded, 0, 1024, 1024, 4, 0) + blank.repeated(4)}};
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile made(dir.filePath(file.key()));
            QVERIFY(made.open(QIODevice::WriteOnly) && made.write(file.value()) == file.value().size());
        }
        QVERIFY(QFile::setPermissions(dir.filePath("decoder"), QFile::ExeOwner | QFile::ReadOwner));
        QObject view;
        // A stand-in that never answers is waited for 1.1 s: two waits pass a host's bound, three stay within the
        // view's total.
        CloudSite::ViewPictures pictures(&view, decoder == "tolmdecoder" ? QString() : dir.filePath("decoder"),
                                         decoder.startsWith("exec") ? 1100 : Platform::PictureDecoder::kDeadlineMs);
        QImage ordinary(320, 200, QImage::Format_RGB32);
        ordinary.fill(Qt::darkCyan);
        QBuffer png;
        QVERIFY(png.open(QIODevice::WriteOnly) && ordinary.save(&png, "PNG"));
        const QByteArray picture = decoder == "tolmdecoder" ? png.data() : "pict";
        std::map<QString, QObject> owners;
        QStringList granted, decoded, refused;
        const auto url = [](const QString& name) {
            const QString host = name.at(0).isUpper() ? name.left(1).toLower() + ".example.net" : name.left(1);
            return QUrl("https://" + host + "/" + name);
        };
        const auto grantedTo = [&](const QString& name) {
            granted << name;
            if (!decoder.isEmpty())
                pictures.decode(&owners[name], picture,
                                [&decoded, name](const QByteArray&, PictureWire::Status status) {
                                    decoded << name + (status == PictureWire::Status::TooLarge ? "-" : "");
                                });
        };
        QObject redirect;  // the reply of the redirects, each in an event of its own
        QHash<QString, QString> sources;
        for (const QString& item : asked.split(' ')) {
            const QString name = item.section(QRegularExpression("[<!:]"), 0, 0);
            const QString from = item.section(QRegularExpression("[<!]"), 1).section(':', 0, 0);
            if (!from.isEmpty())
                pictures.passing(&redirect, from, url(name));
            if (item.contains('!'))
                pictures.passed(&redirect);
            sources[name] = pictures.sourceOf(url(name));
            pictures.passed(&redirect);
            QCoreApplication::processEvents();
        }
        for (const QString& item : asked.split(' ')) {
            const QString name = item.section(QRegularExpression("[<!:]"), 0, 0);
            using Grant = CloudSite::ViewPictures::Grant;
            const auto told = [&grantedTo, &refused, name](Grant grant) {
                grant == Grant::Now ? grantedTo(name) : void(refused << name + (grant == Grant::ViewSpent ? "!" : ""));
            };
            const auto grant =
                pictures.admit(&owners[name], sources.value(name), qMax(1, item.section(':', 1).toInt()) * 1024, told);
            if (grant != Grant::Later)
                told(grant);
        }
        if (!given.isEmpty())
            QCoreApplication::processEvents(), granted << ",";
        for (const QString& name : given.split(' ', Qt::SkipEmptyParts))
            pictures.release(&owners[name]);
        const auto all = [&] { return granted.join(' ') + " / " + decoded.join(' ') + " / " + refused.join(' '); };
        const QRegularExpression expected(QRegularExpression::anchoredPattern(seen));
        QTRY_VERIFY2_WITH_TIMEOUT(expected.match(all()).hasMatch(), qPrintable(all()),
                                  beyondDeadline(Platform::PictureDecoder::kDeadlineMs));
        if (refused.isEmpty())
            return;
        // Through the view's replies: a picture counted to a refused unread, as its first bytes come, and logged;
        // a redirect passed, what it leads to counted to its party as the engine follows it, to its own host after.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, [&server] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [socket] {
                socket->write(
                    socket->readAll().startsWith("GET /r")
                        ? "HTTP/1.1 302 Found\r\nLocation: https://x.example.net/p\r\nContent-Length: 0\r\n\r\n"
                        : "HTTP/1.1 200 OK\r\n\r\n\x89PNG\r\n\x1a\n");
            });
        });
        const QUrl at(QString("http://127.0.0.1:%1/").arg(server.serverPort()));
        LogRecorder log;
        QNetworkAccessManager manager;
        const QUrl followed("https://x.example.net/p");
        bool ledWhileFollowed = false;
        for (const char* path : {"p", "r"}) {
            const QNetworkRequest request(at.resolved(QUrl(path)));
            if (*path == 'p')  // as a's redirect there is followed
                pictures.passing(&redirect, "a", request.url());
            auto* reply = new CloudSite::HeldReply(manager.get(request), CloudSite::asked(request),
                                                   ReplyLimits::kCloudPage, &pictures, &view);
            pictures.passed(&redirect);
            connect(reply, &QNetworkReply::finished,
                    [&pictures, &ledWhileFollowed, followed] { ledWhileFollowed = pictures.ledTo(followed); });
            QTRY_VERIFY(reply->isFinished());
            QCOMPARE(reply->error(), *path == 'p' ? QNetworkReply::ContentAccessDenied : QNetworkReply::NoError);
        }
        LogSummary::flush();  // in full, or counted
        QVERIFY2(log.contains(viewSpent
                                  ? "Picture not loaded, the view's pictures past what a view decodes of all hosts"
                                  : "Picture not loaded, its party's pictures past what a view takes of one party"),
                 qPrintable(log.all()));
        QVERIFY(ledWhileFollowed);
        QCOMPARE(pictures.sourceOf(followed), QString("example.net"));  // not followed then: no more
    }

    // The request a redirect led to, held and counted to the party that made it whatever host it lands on (the
    // service's own too): the one the engine makes for its whole location, however it is escaped, as it follows the
    // redirect; no other address of that host, nor the location once the redirect passed unfollowed.
    void redirectsLedTo_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("following");  // asked as the redirect passes, else after it passed
        QTest::addColumn<bool>("led");
        const auto row = [](const char* name, const char* location, const char* asked, bool following, bool led) {
            QTest::newRow(name) << location << asked << following << led;
        };
        const char* at = "https://api.olvaris.invalid/a.png";
        row("followed", at, at, true, true);
        row("as it passes, another host's address", at, "https://www.olvaris.invalid/b.png", true, false);
        row("passed unfollowed, then asked", at, at, false, false);
        row("followed, escaped otherwise", "https://api.olvaris.invalid/a b%21.png?x=%7e",
            "https://api.olvaris.invalid/a%20b!.png?x=~", true, true);
        row("followed, written otherwise", "https://API.olvaris.invalid:443/x/../a.png#top", at, true, true);
        row("as it passes, another address of the host", at, "https://api.olvaris.invalid/b.png", true, false);
        row("as it passes, another query of the address", at, "https://api.olvaris.invalid/a.png?n=1", true, false);
        row("as it passes, the same address on another host", at, "https://www.olvaris.invalid/a.png", true, false);
        row("passed unfollowed, another address of the host", at, "https://api.olvaris.invalid/b.png", false, false);
    }

    void redirectsLedTo()
    {
        QFETCH(QString, location);
        QFETCH(QString, asked);
        QFETCH(bool, following);
        QFETCH(bool, led);
        QObject view;
        CloudSite::ViewPictures pictures(&view, "/bin/false");
        QObject redirect;
        pictures.passing(&redirect, "example.org", QUrl(location));
        if (!following)
            pictures.passed(&redirect);
        QCOMPARE(pictures.ledTo(QUrl(asked)), led);
        QCOMPARE(pictures.sourceOf(QUrl(asked)) == "example.org", led);
        QVERIFY(!pictures.ledTo(QUrl(asked)));  // counted once
    }

    // The service's own host reached through another host's redirect: the request made as the redirect is followed
    // is held and judged as another host's (its picture counted to the party that redirected and decoded by the view's
    // decoder); the service's own requests are not.
    void serviceHostRedirectedTo()
    {
        QTcpServer server;  // the one host and proxy of all: nothing leaves this machine, not even a name lookup
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, [&server] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [socket] {
                socket->readAll();
                socket->write(
                    "HTTP/1.1 302 Found\r\nLocation: https://api.olvaris.invalid/a.png\r\nContent-Length: 0\r\n\r\n");
            });
        });
        OpenManager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", server.serverPort()));
        QNetworkRequest request(QUrl("http://widgets.example.org/r"));
        request.setRawHeader("Accept", "*/*");
        std::unique_ptr<QNetworkReply> reply(manager.get(request));
        std::unique_ptr<QNetworkReply> followed;
        connect(reply.get(), &QNetworkReply::metaDataChanged,
                [&] { followed.reset(manager.get(QNetworkRequest(QUrl("https://api.olvaris.invalid/a.png")))); });
        QTRY_VERIFY(followed);
        QVERIFY(dynamic_cast<CloudSite::HeldReply*>(followed.get()));
        std::unique_ptr<QNetworkReply> own(manager.get(QNetworkRequest(QUrl("https://api.olvaris.invalid/a.png"))));
        QVERIFY(!dynamic_cast<CloudSite::HeldReply*>(own.get()));
    }

    // A web view's manager gives the engine nothing of what it refuses from another host; what
    // passes arrives as it was sent, a picture as the wizard writes it (of the same pixels and delays), a
    // redirect without its body, and only over https to where a page's resources may load from. The size
    // limit holds with or without a length: what arrives before it ends the reply is a part of the body,
    // within it. Pictures asked at once past the bytes a view holds for its decoder (each of no length holds as
    // much as an answer may be) wait for their shares and are decoded as the others are done.
    void heldPictures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reached");  // of the body: "all", "written", "none" or "a part"
        const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\n";
        auto length = [](const QByteArray& body) {
            return "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        };
        QImage picture(64, 48, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgba(4 * x, 5 * y, 0, 255 - 3 * x));
        QBuffer small;
        QVERIFY(small.open(QIODevice::WriteOnly) && picture.save(&small, "PNG"));
        const QByteArray animation = gif(1, 1, QVector<QRect>(3, QRect(0, 0, 1, 1)), true, false, 50);
        const QByteArray huge = png(23000, 23000) + QByteArray(64 * 1024, 'p');
        const QByteArray page(3 * 1024 * 1024, 'h');
        const int denied = QNetworkReply::ContentAccessDenied, none = QNetworkReply::NoError;
        QTest::newRow("a picture within the limit")
            << ok + length(small.data()) + "\r\n" + small.data() << none << "written";
        QTest::newRow("an animation of 3 frames") << ok + "\r\n" + animation << none << "written";
        QTest::newRow("a picture its host calls a page")
            << QByteArray(ok).replace("image/png", "text/html") + "\r\n" + small.data() << none << "written";
        const int past = int(ReplyLimits::kViewHeldBytes / ReplyLimits::kCloudPageBytes) + 1;
        QTest::newRow(qPrintable(QString("%1 pictures of no length at once").arg(past)))
            << ok + "\r\n" + small.data() << none << "written";
        QTest::newRow("a picture over the limit") << ok + length(huge) + "\r\n" + huge << denied << "none";
        QTest::newRow("a picture over the limit, no length") << ok + "\r\n" + huge << denied << "none";
        QTest::newRow("a picture over the limit in an error answer")
            << "HTTP/1.1 404 Not Found\r\nConnection: close\r\n\r\n" + huge << denied << "none";
        QTest::newRow("a picture's header cut") << ok + "\r\n" + small.data().left(20) << denied << "none";
        QTest::newRow("an arithmetic-coded JPEG")
            << ok + "\r\n" + jpeg(16, 16, "", '\xc9') + scans(1) << denied << "none";
        QTest::newRow("not a picture") << ok + "\r\n" + QByteArray(100000, 'h') << none << "all";
        QTest::newRow("text of the size limit, no length")
            << ok + "\r\n" + QByteArray(ReplyLimits::kCloudPageBytes, 'h') << none << "all";
        QTest::newRow("text a byte over the size limit, no length")
            << ok + "\r\n" + QByteArray(ReplyLimits::kCloudPageBytes + 1, 'h')
            << int(QNetworkReply::OperationCanceledError) << "a part";
        QTest::newRow("over the size limit")
            << ok + length(page) + "\r\n" + page << int(QNetworkReply::OperationCanceledError) << "a part";
        QTest::newRow("over the size limit, no length")
            << ok + "\r\n" + page << int(QNetworkReply::OperationCanceledError) << "a part";
        QTest::newRow("SVG text") << ok + "\r\n<svg width='23000' height='23000'/>" << denied << "none";
        QTest::newRow("a style sheet as the engine asks for one") << ok + "\r\nBMbody { color: red }" << none << "all";
        const auto redirect = [](const QByteArray& location) {
            return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 13\r\n\r\n<html></html>";
        };
        QTest::newRow("a redirect") << redirect("https://cdn.example.net/b.png") << none << "none";
        for (const char* location :
             {"data:font/ttf;base64,AAEAAA==", "blob:https://cdn.example.net/1", "file:///etc/hostname",
              "javascript:alert(1)", "about:blank", "ftp://cdn.example.net/b.png", "http://cdn.example.net/b.png",
              "https://127.0.0.1/b.png", "https://cdn.example.net:8443/b.png", "//cdn.example.net/b.png", "/b.png"})
            QTest::newRow(QByteArray("a redirect to ") + location) << redirect(location) << denied << "none";
    }

    void heldPictures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, reached);
        LogRecorder log;
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [socket, answer] {
                socket->readAll();
                socket->write(answer.left(answer.size() / 2));  // the rest later: the first half reaches the view alone
                QTimer::singleShot(100, socket, [socket, answer] {
                    socket->write(answer.mid(answer.size() / 2));
                    socket->disconnectFromHost();
                });
            });
        });
        OpenManager manager(static_cast<DCPUtils*>(nullptr), nullptr);
        QNetworkRequest request(QUrl(QString("http://127.0.0.1:%1/a.png").arg(server.serverPort())));
        const bool styleSheet = QByteArray(QTest::currentDataTag()).startsWith("a style sheet");
        request.setRawHeader("Accept", styleSheet ? "text/css,*/*;q=0.1" : "*/*");
        // The others asked at once, ahead of it, end as it does.
        std::vector<std::unique_ptr<QNetworkReply>> others(
            qMax(1, QByteArray(QTest::currentDataTag()).split(' ').first().toInt()) - 1);
        for (auto& other : others)
            other.reset(manager.get(request));
        std::unique_ptr<QNetworkReply> reply(manager.get(request));
        QByteArray got;
        connect(reply.get(), &QNetworkReply::readyRead, [&] { got += reply->readAll(); });
        QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
        for (auto& other : others) {
            QTRY_VERIFY_WITH_TIMEOUT(other->isFinished(), beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
            QCOMPARE(other->error(), reply->error());
            QCOMPARE(other->readAll(), got);
        }
        got += reply->readAll();
        QTEST(int(reply->error()), "error");
        // The engine would follow a refused reply's redirect target.
        QVERIFY(reply->error() != QNetworkReply::ContentAccessDenied ||
                (!reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid() &&
                 !reply->hasRawHeader("Location")));
        const QByteArray body = answer.mid(answer.indexOf("\r\n\r\n") + 4);
        if (reached == "a part") {
            QVERIFY(got.size() <= ReplyLimits::kCloudPageBytes && got.size() < body.size() && body.startsWith(got));
        } else if (reached == "written") {
            QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(), QString("image/png"));
            QCOMPARE(reply->header(QNetworkRequest::ContentLengthHeader).toInt(), got.size());
            QBuffer sent(const_cast<QByteArray*>(&body));
            sent.open(QIODevice::ReadOnly);
            QImageReader reader(&sent);
            const auto frames = pngFrames(got);
            QCOMPARE(frames.size(), qMax(1, reader.imageCount()));
            for (const auto& frame : frames) {
                QCOMPARE(frame.first.convertToFormat(QImage::Format_RGBA8888),
                         reader.read().convertToFormat(QImage::Format_RGBA8888));
                QCOMPARE(frame.second, reader.imageCount() > 1 ? reader.nextImageDelay() : 0);
            }
        } else {
            QCOMPARE(got, reached == "all" ? body : QByteArray());
        }
        if (answer.contains("cdn.example.net/b.png\r") && reply->error() == QNetworkReply::NoError) {
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 302);
            QCOMPARE(reply->header(QNetworkRequest::LocationHeader).toUrl(), QUrl("https://cdn.example.net/b.png"));
        }
        // Nothing is read of a transfer its limits ended.
        QVERIFY2(!log.contains("device not open"), qPrintable(log.all()));
    }

    // A picture's share of what its view holds for the decoder, asked on its first bytes: its length, else the page
    // limit. While it waits, the shares asked after it wait too and the rest of it stays in Qt's bounded reading;
    // a whole answer waiting ends by its deadline, a failed one at once; deleted or aborted, it gives its share
    // back, its transfer ended too.
    void heldShares_data()
    {
        QTest::addColumn<QByteArray>("length");  // announced, "" none
        QTest::addColumn<qint64>("free");        // of the view's budget
        QTest::addColumn<bool>("closed");        // the connection, after the picture's first bytes
        QTest::addColumn<bool>("waits");
        QTest::addColumn<int>("error");  // by its deadline; -1 still open, the transfer's limits end it
        const qint64 page = ReplyLimits::kCloudPageBytes;
        const int open = -1, cut = QNetworkReply::OperationCanceledError;
        QTest::newRow("no length, less than the page limit free") << QByteArray() << page - 1 << false << true << open;
        QTest::newRow("no length, the page limit free") << QByteArray() << page << false << false << open;
        QTest::newRow("its length free") << QByteArray("1000") << qint64(1000) << false << false << open;
        QTest::newRow("a byte less than its length free") << QByteArray("1000") << qint64(999) << false << true << open;
        QTest::newRow("whole, waiting") << QByteArray() << page - 1 << true << true << cut;
        QTest::newRow("cut short, waiting")
            << QByteArray("1000") << qint64(999) << true << true << int(QNetworkReply::RemoteHostClosedError);
    }
    void heldShares()
    {
        QFETCH(QByteArray, length);
        QFETCH(qint64, free);
        QFETCH(bool, closed);
        QFETCH(bool, waits);
        QFETCH(int, error);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QPointer<QTcpSocket> socket;
        connect(&server, &QTcpServer::newConnection, [&] {
            socket = server.nextPendingConnection();
            socket->write("HTTP/1.1 200 OK\r\n" + (length.isEmpty() ? "" : "Content-Length: " + length + "\r\n") +
                          "\r\n" + png(16, 16));
            if (closed)
                socket->disconnectFromHost();
        });
        CloudSite::ViewPictures pictures(nullptr);
        QObject before, after;
        using Grant = CloudSite::ViewPictures::Grant;
        const auto now = Grant::Now;  // the shares of three hosts
        QVERIFY(pictures.admit(&before, "before.test", ReplyLimits::kViewHeldBytes - free, [](Grant) {}) == now);
        ReplyLimits::BoundedManager manager(ReplyLimits::kCloudPage, nullptr);
        QNetworkReply* inner =
            manager.get(QNetworkRequest(QUrl(QString("http://127.0.0.1:%1/").arg(server.serverPort()))));
        QSignalSpy came(inner, &QNetworkReply::readyRead);
        const ReplyLimits::Limits soon{"test", ReplyLimits::kCloudPageBytes, ReplyLimits::kTransferMs, 300};
        std::unique_ptr<CloudSite::HeldReply> reply(
            new CloudSite::HeldReply(inner, CloudSite::Asked::Any, soon, &pictures, nullptr));
        QTRY_VERIFY(!came.isEmpty());  // its first bytes read, its share asked
        if (!closed) {
            QCOMPARE(pictures.admit(&after, "after.test", 0, [](Grant) {}) == now, !waits);
            pictures.release(&after);
        }
        if (waits && !closed) {
            socket->write(QByteArray(500, 'p'));  // within its length
            QTRY_COMPARE(inner->bytesAvailable(), qint64(500));
            QCOMPARE(inner->readBufferSize(), ReplyLimits::kHeldReadBufferBytes);
        }
        if (error < 0)
            QTest::qWait(2 * soon.deadlineMs);
        QTRY_COMPARE(reply->isFinished(), error >= 0);
        QCOMPARE(int(reply->error()), qMax(0, error));
        if (waits) {
            reply.reset();
        } else {
            reply->abort();
            QVERIFY(inner->isFinished());
        }
        QVERIFY(pictures.admit(&after, "after.test", free, [](Grant) {}) == now);
    }

    // An animation as the wizard writes it: each delay as an APNG reader takes it, in thousandths of a second, in
    // hundredths past 65,535 of them, at most 65,535 hundredths; its first frame also a reader's without APNG.
    void writtenDelays_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("read");
        QTest::newRow("the most thousandths") << 65535 << 65535;
        QTest::newRow("hundredths") << 65540 << 65540;
        QTest::newRow("the most hundredths") << 655350 << 655350;
        QTest::newRow("longer") << 700000 << 655350;
    }
    void writtenDelays()
    {
        QFETCH(int, delay);
        QVector<QImage> frames(2, QImage(2, 1, QImage::Format_RGBA8888));
        frames[0].fill(Qt::red), frames[1].fill(Qt::blue);
        const QByteArray written = PngWriter::png(frames, {delay, delay}, 0);
        QCOMPARE(pngFrames(written).value(1).second, pngFrames(written).value(0).second);
        QTEST(pngFrames(written).value(0).second, "read");
        QCOMPARE(QImage::fromData(written, "PNG").convertToFormat(QImage::Format_RGBA8888), frames[0]);
    }

    // A redirect's Location as the engine follows it: resolved against the answer's address.
    void relativeRedirects_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<bool>("followed");
        const QString https = "https://cdn.example.net/p/a.png", http = "http://cdn.example.net/p/a.png";
        QTest::newRow("a path") << https << QByteArray("/x.png") << true;
        QTest::newRow("a name beside it") << https << QByteArray("x.png?a=1") << true;
        QTest::newRow("a path, from http") << http << QByteArray("/x.png") << false;
        QTest::newRow("a host of its own") << https << QByteArray("//127.0.0.1/x.png") << false;
        QTest::newRow("absolute, from http") << http << QByteArray("https://cdn.example.net/b.png") << true;
        QTest::newRow("absolute, to http") << https << QByteArray("http://cdn.example.net/b.png") << false;
    }
    void relativeRedirects()
    {
        QFETCH(QString, from);
        QFETCH(QByteArray, location);
        CloudSite::HeldReply reply(new RedirectAnswer(QUrl(from), location), CloudSite::Asked::Any,
                                   ReplyLimits::kCloudPage, nullptr, nullptr);
        QTRY_VERIFY(reply.isFinished());
        QTEST(reply.error() == QNetworkReply::NoError, "followed");
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
        const QUrl away("https://away.example.net" + QString(".a").repeated(30000) + "/");  // a host of any length
        CloudSite::logRefusal("Page not loaded, not the cloud service over https", away);
        QVERIFY2(log.count({"Page not loaded", "away.example.net"}) == 1, qPrintable(log.all()));
        QVERIFY(log.matching("away.example.net").first().size() < 1024);
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
