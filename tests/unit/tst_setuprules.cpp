// The setup page's decisions as plain functions.

#include <QtTest>

#include "setup/manualnetwork.h"
#include "setup/passwordstep.h"
#include "setup/setupcgi.h"
#include "setup/setupchecks.h"

using namespace SetupChecks;

class SetupRules : public QObject
{
    Q_OBJECT
private slots:
    // Only a cloud address passes, as the site or as a redirect; a relative 301 is resolved against
    // the request. Any other http(s) address fails the check.
    void openApiAnswers()
    {
        const QUrl asked = openApiUrl("https://portal.olvaris.invalid/cam/");
        auto answer = [&](int status, const char* location, const QByteArray& body) {
            return openApiAnswer(asked, false, status, QUrl(location), body);
        };
        QCOMPARE(answer(200, "", "https://api.olvaris.invalid/\n").site, QString("https://api.olvaris.invalid/"));
        QCOMPARE(answer(200, "", "").kind, OpenApiAnswer::Refused);
        QCOMPARE(answer(200, "", "javascript:alert(1)").kind, OpenApiAnswer::Refused);
        QCOMPARE(answer(200, "", "ftp://api.olvaris.invalid/").kind, OpenApiAnswer::Refused);
        QCOMPARE(answer(200, "", "http://api.olvaris.invalid/").kind, OpenApiAnswer::Forbidden);
        QCOMPARE(answer(200, "", "https://api.olvaris.invalid.evil/").kind, OpenApiAnswer::Forbidden);
        QCOMPARE(answer(301, "../v2/openapi/?url", "").url.toString(),
                 QString("https://portal.olvaris.invalid/cam/v2/openapi/?url"));
        QCOMPARE(answer(301, "http://portal.olvaris.invalid/openapi/?url", "").kind, OpenApiAnswer::Forbidden);
        QCOMPARE(answer(301, "https://evil.example/", "").kind, OpenApiAnswer::Forbidden);
        QCOMPARE(answer(302, "https://b.invalid/x", "").kind, OpenApiAnswer::Refused);
        QCOMPARE(openApiAnswer(asked, true, 0, QUrl(), "").kind, OpenApiAnswer::NetworkError);
    }

    // Registered first; local-only by the catalogue's Wi-Fi and access-point flags. An access-point
    // model gets its own popups, the second after a retry.
    void routesAndPopups()
    {
        QCOMPARE(routeAfterNetworkCheck("1", false, "1", "0"), Route::AlreadyRegistered);
        QCOMPARE(routeAfterNetworkCheck("0", false, "1", "0"), Route::InternetCheck);
        QCOMPARE(routeAfterNetworkCheck("0", true, "1", "0"), Route::WiFiPage);
        QCOMPARE(routeAfterNetworkCheck("0", true, "1", "1"), Route::CompletePage);
        QCOMPARE(routeAfterNetworkCheck("", true, "1", ""), Route::CompletePage);
        QCOMPARE(failurePopup("0", 1), FailurePopup::ConfigNetwork);
        QCOMPARE(failurePopup("1", 0), FailurePopup::InternetFailed);
        QCOMPARE(failurePopup("1", 1), FailurePopup::InternetResetFailed);
    }

    // The limit first (the tick before it still waits or sends), then the awaited state, then a
    // request on the schedule unless an answer is in.
    void ticks()
    {
        QCOMPARE(tick(kPassword, 28, false, false), Tick::Send);
        QCOMPARE(tick(kPassword, 28, false, true), Tick::Wait);
        QCOMPARE(tick(kPassword, 29, false, false), Tick::Wait);
        QCOMPARE(tick(kPassword, 29, true, true), Tick::Passed);
        QCOMPARE(tick(kPassword, 30, true, true), Tick::Timeout);
        QCOMPARE(tick(kInternet, 59, false, false), Tick::Wait);
        QCOMPARE(tick(kInternet, 60, false, false), Tick::Timeout);
        QCOMPARE(tick(kConfigNetwork, 55, false, false), Tick::Send);
        QCOMPARE(tick(kRestart, 30, false, false), Tick::Timeout);
    }

    // The rule follows the form on screen: letters and digits for a new password, any printable
    // character for the current one; versions compare as numbers; the stored password ends at a zero.
    void passwordStep()
    {
        using namespace PasswordStep;
        QCOMPARE(checkAtNext("abc-123", "abc-123", true), NextCheck::Format);
        QCOMPARE(checkAtNext("abc123", "abc124", true), NextCheck::Mismatch);
        QCOMPARE(checkAtNext("a-b!c#1", "", false), NextCheck::Pass);
        QCOMPARE(request("2.0", true, QByteArray()), Request::SetNew);
        QCOMPARE(request("10.0", true, QByteArray()), Request::SetOld);
        QCOMPARE(request("1.0", false, "secret"), Request::CompareLocal);
        QCOMPARE(request(QByteArray(), false, QByteArray()), Request::CompareLocal);
        QVERIFY(matchesStored("secret", QByteArray("secret\0xx", 9)));
    }

    // User text never injects a DCP item; the secondary DNS may stay empty.
    void manualNetwork()
    {
        using namespace ManualNetwork;
        auto refused = [](const char* error) { return error && *error; };
        QVERIFY(refused(staticFieldError(StaticField::Address, "256.1.1.1")));
        QVERIFY(refused(staticFieldError(StaticField::Address, "1.2.3.4;0=1")));
        QVERIFY(refused(staticFieldError(StaticField::PrimaryDns, "")));
        QVERIFY(!refused(staticFieldError(StaticField::SecondaryDns, "")));
        // ";" and "=" only break an account sent as typed (before DCP 2.0); Base64 values carry them.
        QVERIFY(refused(pppoeFieldError(true, "me;0=1", "1.0")));
        QVERIFY(!refused(pppoeFieldError(true, "me;0=1", "2.0")));
        QVERIFY(!refused(pppoeFieldError(false, "a=b;c", "1.0")));
        QVERIFY(refused(pppoeFieldError(false, "", "2.0")));
        StaticSettings s{"10.254.0.50", "255.255.255.0", "10.254.0.1", "8.8.8.8", ""};
        QCOMPARE(staticParams(s), QByteArray(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=8.8.8.8;6=0"));
        s.gateway = "10.254.0.1;0=1";
        QCOMPARE(staticParams(s), QByteArray());
        QCOMPARE(pppoeParams("hans", "pw", "2.0"), QByteArray(";0=0;6=1;7=aGFucw==;8=cHc="));
        QCOMPARE(pppoeParams("a;0=1", "pw", "1.0"), QByteArray());
        QCOMPARE(pppoeParams("a=", "p=;", "2.0"), QByteArray(";0=0;6=1;7=YT0=;8=cD07"));
    }

    // Both dialects; daylight-saving values come from indexes and dates, not from the texts of the
    // (German) locale; 12 PM and 11 PM are the hours' edges.
    void cgiTexts()
    {
        using namespace SetupCgi;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const PostRequest name = nameRequest(false, "a é&b._~");
        QCOMPARE(name.pathAndQuery + QString::fromLatin1(name.body),
                 QString("/system.cgi?ConfigReboot=NO&CameraName=a%20%C3%A9%26b._~"));
        DstSettings s{5, QDate(2000, 3, 1), QDate(2000, 11, 1), 1, 0, 0, 0, QTime(2, 0), QTime(2, 0)};
        QCOMPARE(dstRequest(true, true, false, s), QString("/config/datetime.cgi?dstenable=yes&dstauto=no&offset=2"
                                                           "&starttime=3.2.0/02:00:00&stoptime=11.1.0/02:00:00"));
        QCOMPARE(dstRequest(false, true, true, s),
                 QString("/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=5&DSTStartMonth=2&DSTEndMonth=10"
                         "&DSTStartWeek=1&DSTEndWeek=0&DSTStartDay=0&DSTEndDay=0&DSTStartTime=2&DSTEndTime=2"));
        s = DstSettings{0, QDate(2000, 1, 1), QDate(2000, 12, 1), 0, 4, 0, 6, QTime(0, 0), QTime(12, 0)};
        QCOMPARE(dstRequest(true, true, false, s), QString("/config/datetime.cgi?dstenable=yes&dstauto=no&offset=7"
                                                           "&starttime=1.1.0/00:00:00&stoptime=12.5.6/12:00:00"));
        s.endHour = QTime(23, 0);
        QCOMPARE(dstRequest(false, true, false, s),
                 QString("/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=0&DSTStartMonth=0&DSTEndMonth=11"
                         "&DSTStartWeek=0&DSTEndWeek=4&DSTStartDay=0&DSTEndDay=6&DSTStartTime=0&DSTEndTime=23"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(SetupRules)
#include "tst_setuprules.moc"
