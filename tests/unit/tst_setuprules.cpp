// The setup page's decisions as plain functions: OpenAPI answers, the password step, the manual network settings and the CGI texts.

#include <QtTest>

#include "setup/manualnetwork.h"
#include "setup/passwordstep.h"
#include "setup/setupcgi.h"
#include "setup/setupchecks.h"

using namespace SetupChecks;

Q_DECLARE_METATYPE(PasswordStep::NextCheck)
Q_DECLARE_METATYPE(PasswordStep::Request)

class SetupRules : public QObject
{
    Q_OBJECT
private slots:
    void openApiAnswers_data()
    {
        QTest::addColumn<bool>("networkError");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("result");
        const int redirect = OpenApiAnswer::Redirect, site = OpenApiAnswer::Site, refused = OpenApiAnswer::Refused;
        QTest::newRow("site") << false << 200 << "" << QByteArray("https://api.olvaris.invalid/\n") << site
                              << "https://api.olvaris.invalid/";
        QTest::newRow("empty body") << false << 200 << "" << QByteArray() << refused << "";
        QTest::newRow("other scheme") << false << 200 << "" << QByteArray("javascript:alert(1)") << refused << "";
        QTest::newRow("relative 301") << false << 301 << "../v2/openapi/?url" << QByteArray() << redirect
                                      << "https://portal.invalid/cam/v2/openapi/?url";
        QTest::newRow("302 not followed") << false << 302 << "https://b.invalid/x" << QByteArray() << refused << "";
        QTest::newRow("no answer") << true << 0 << "" << QByteArray() << int(OpenApiAnswer::NetworkError) << "";
    }

    void openApiAnswers()
    {
        QFETCH(bool, networkError);
        QFETCH(int, status);
        QFETCH(QString, location);
        QFETCH(QByteArray, body);
        QFETCH(int, kind);
        QFETCH(QString, result);
        const QUrl requested = openApiUrl("https://portal.invalid/cam/");
        const OpenApiAnswer answer = openApiAnswer(requested, networkError, status, QUrl(location), body);
        QCOMPARE(int(answer.kind), kind);
        QCOMPARE(kind == OpenApiAnswer::Redirect ? answer.url.toString() : answer.site, result);
    }

    void nextCheck_data()
    {
        using PasswordStep::NextCheck;
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("retype");
        QTest::addColumn<bool>("retypeShown");
        QTest::addColumn<NextCheck>("result");
        QTest::newRow("new, letters and digits") << "abc123" << "abc123" << true << NextCheck::Pass;
        QTest::newRow("new, hyphen") << "abc-123" << "abc-123" << true << NextCheck::Format;
        QTest::newRow("new, retyped differently") << "abc123" << "abc124" << true << NextCheck::Mismatch;
        QTest::newRow("current, punctuation") << "a-b!c#1" << "" << false << NextCheck::Pass;
        QTest::newRow("current, 31 characters") << QString(31, 'x') << "" << false << NextCheck::Format;
    }

    void nextCheck()
    {
        QFETCH(QString, password);
        QFETCH(QString, retype);
        QFETCH(bool, retypeShown);
        QFETCH(PasswordStep::NextCheck, result);
        QCOMPARE(PasswordStep::checkAtNext(password, retype, retypeShown), result);
    }

    void passwordRequest_data()
    {
        using PasswordStep::Request;
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("retypeShown");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Request>("request");
        QTest::newRow("2.0 new password") << QByteArray("2.0") << true << QByteArray() << Request::SetNew;
        QTest::newRow("1.0 without password") << QByteArray("1.0") << true << QByteArray() << Request::SetOld;
        QTest::newRow("1.0 with password") << QByteArray("1.0") << false << QByteArray("secret") << Request::CompareLocal;
        QTest::newRow("10.0 counts as old") << QByteArray("10.0") << true << QByteArray() << Request::SetOld;
        QTest::newRow("no version counts as old") << QByteArray() << false << QByteArray() << Request::CompareLocal;
    }

    void passwordRequest()
    {
        QFETCH(QByteArray, version);
        QFETCH(bool, retypeShown);
        QFETCH(QByteArray, stored);
        QFETCH(PasswordStep::Request, request);
        QCOMPARE(PasswordStep::request(version, retypeShown, stored), request);
        QVERIFY(PasswordStep::matchesStored("secret", QByteArray("secret\0xx", 9)));
    }

    void manualChecks_data()
    {
        QTest::addColumn<int>("field"); // -1 PPPoE account, -2 PPPoE password, else a StaticField
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const int address = int(ManualNetwork::StaticField::Address), dns1 = int(ManualNetwork::StaticField::PrimaryDns),
                  dns2 = int(ManualNetwork::StaticField::SecondaryDns);
        const QString invalid = "Please enter a valid static IP address";
        QTest::newRow("all zero") << address << "0.0.0.0" << "";
        QTest::newRow("256") << address << "256.1.1.1" << invalid;
        QTest::newRow("five parts") << address << "1.2.3.4.5" << invalid;
        QTest::newRow("blank before") << address << " 1.2.3.4" << invalid;
        QTest::newRow("item injected") << address << "1.2.3.4;0=1" << invalid;
        QTest::newRow("primary DNS empty") << dns1 << "" << "Please enter the IP address of your Primary DNS server";
        QTest::newRow("secondary DNS empty") << dns2 << "" << "";
        QTest::newRow("account empty") << -1 << "" << "Please enter the PPPoE account";
        QTest::newRow("account with ;") << -1 << "me;0=1" << "Please remove \";\" and \"=\" from the PPPoE account";
        QTest::newRow("password with =") << -2 << "a=b" << "Please remove \";\" and \"=\" from the PPPoE password";
    }

    void manualChecks()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, error);
        const char* result = field < 0 ? ManualNetwork::pppoeFieldError(field == -1, text)
                                       : ManualNetwork::staticFieldError(ManualNetwork::StaticField(field), text);
        QCOMPARE(QString::fromLatin1(result), error);
    }

    void manualParams_data()
    {
        QTest::addColumn<QByteArray>("params");
        QTest::addColumn<QByteArray>("expected");
        const ManualNetwork::StaticSettings full{"10.254.0.50", "255.255.255.0", "10.254.0.1", "8.8.8.8", "8.8.4.4"};
        ManualNetwork::StaticSettings noDns2 = full;
        noDns2.secondaryDns.clear();
        ManualNetwork::StaticSettings injected = full;
        injected.gateway = "10.254.0.1;0=1";
        QTest::newRow("DHCP") << ManualNetwork::dhcpParams() << QByteArray(";0=1;6=0");
        QTest::newRow("static") << ManualNetwork::staticParams(full)
                                << QByteArray(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=8.8.8.8;5=8.8.4.4;6=0");
        QTest::newRow("static without DNS2") << ManualNetwork::staticParams(noDns2)
                                             << QByteArray(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=8.8.8.8;6=0");
        QTest::newRow("static, injected item") << ManualNetwork::staticParams(injected) << QByteArray();
        QTest::newRow("PPPoE 1.0") << ManualNetwork::pppoeParams("hans", "pw", "1.0") << QByteArray(";0=0;6=1;7=hans;8=cHc=");
        QTest::newRow("PPPoE 2.0") << ManualNetwork::pppoeParams("hans", "pw", "2.0") << QByteArray(";0=0;6=1;7=aGFucw==;8=cHc=");
        QTest::newRow("PPPoE, injected item") << ManualNetwork::pppoeParams("a;0=1", "pw", "1.0") << QByteArray();
        QTest::newRow("restart") << ManualNetwork::restartParams() << QByteArray(";L=1;N=1");
    }

    void manualParams()
    {
        QFETCH(QByteArray, params);
        QFETCH(QByteArray, expected);
        QCOMPARE(params, expected);
    }

    void nameRequest_data()
    {
        QTest::addColumn<bool>("korva");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("KORVA") << true << "Hall-1" << "/config/camera_info.cgi?" << QByteArray("name=Hall-1");
        QTest::newRow("T4X") << false << "Hall-1" << "/system.cgi?ConfigReboot=NO&" << QByteArray("CameraName=Hall-1");
        QTest::newRow("encoded") << false << "a é&b._~" << "/system.cgi?ConfigReboot=NO&"
                                 << QByteArray("CameraName=a%20%C3%A9%26b._~");
    }

    void nameRequest()
    {
        QFETCH(bool, korva);
        QFETCH(QString, name);
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        const SetupCgi::PostRequest request = SetupCgi::nameRequest(korva, name);
        QCOMPARE(request.pathAndQuery, path);
        QCOMPARE(request.body, body);
    }

    void dstRequests_data()
    {
        QTest::addColumn<bool>("korva");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("autoChecked");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("request");
        QTest::newRow("T4X off") << false << false << false << 0 << "/datetime.cgi?ConfigReboot=NO&DSTEnable=0";
        QTest::newRow("KORVA auto") << true << true << true << 0 << "/config/datetime.cgi?dstenable=yes&dstauto=yes";
        QTest::newRow("KORVA manual")
            << true << true << false << 0
            << "/config/datetime.cgi?dstenable=yes&dstauto=no&offset=2&starttime=3.2.0/02:00:00&stoptime=11.1.0/02:00:00";
        QTest::newRow("T4X ignores auto")
            << false << true << true << 0
            << "/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=5&DSTStartMonth=2&DSTEndMonth=10&DSTStartWeek=1"
               "&DSTEndWeek=0&DSTStartDay=0&DSTEndDay=0&DSTStartTime=2&DSTEndTime=2";
        QTest::newRow("KORVA reset values, 12 PM")
            << true << true << false << 1
            << "/config/datetime.cgi?dstenable=yes&dstauto=no&offset=7&starttime=1.1.0/00:00:00&stoptime=12.5.6/12:00:00";
        QTest::newRow("T4X reset values, 11 PM")
            << false << true << false << 2
            << "/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=0&DSTStartMonth=0&DSTEndMonth=11&DSTStartWeek=0"
               "&DSTEndWeek=4&DSTStartDay=0&DSTEndDay=6&DSTStartTime=0&DSTEndTime=23";
    }

    // The values come from indexes and dates; month and hour texts are English whatever the locale.
    void dstRequests()
    {
        QFETCH(bool, korva);
        QFETCH(bool, enable);
        QFETCH(bool, autoChecked);
        QFETCH(int, variant);
        QFETCH(QString, request);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SetupCgi::DstSettings s;
        if (variant == 0) {
            s.offsetIndex = 5; // " +01:00"
            s.startMonth = QDate(2000, 3, 1);
            s.endMonth = QDate(2000, 11, 1);
            s.startWeekIndex = 1;
            s.endWeekIndex = 0;
            s.startHour = s.endHour = QTime(2, 0);
        } else {
            s.startMonth = QDate(2000, 1, 1);
            s.endMonth = QDate(2000, 12, 1);
            s.endWeekIndex = 4;
            s.endDayIndex = 6;
            s.startHour = QTime(0, 0);
            s.endHour = variant == 1 ? QTime(12, 0) : QTime(23, 0);
        }
        QCOMPARE(SetupCgi::dstRequest(korva, enable, autoChecked, s), request);
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(SetupRules)
#include "tst_setuprules.moc"
