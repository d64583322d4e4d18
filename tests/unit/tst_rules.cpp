// The widget-free rule modules, each limit from both sides: the setup page's checks, the camera
// table, the guide's choices, the access-point rules, the snapshot schedule, the route code and the
// launcher names.

#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "apmode/apmoderules.h"
#include "cloud/shortcutplan.h"
#include "cloud/snapshotschedule.h"
#include "guide/connectionrules.h"
#include "setup/cameratable.h"
#include "setup/clockrules.h"
#include "setup/manualnetwork.h"
#include "setup/passwordstep.h"
#include "setup/setupcgi.h"
#include "setup/setupchecks.h"
#include "testsupport.h"
#include "welcome/catalogue.h"

namespace {

IPCamera camera(const char* mac, const char* version, int status, const char* bPassword = "", const char* reg = "0")
{
    IPCamera c;
    c.MAC = mac;
    c.DCPVersion = version;
    c.dcpStatus = status;
    c.bPassword = bPassword;
    c.bRegisted = reg;
    return c;
}

}  // namespace

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    // Names of 12 characters stay whole, 13 become 11 and "..."; a zero byte ends the name.
    void cameraTable()
    {
        using namespace CameraTable;
        QCOMPARE(shownName(QByteArray("abcdefghijkl").toBase64()), QString("abcdefghijkl"));
        QCOMPARE(shownName(QByteArray("abcdefghijklm").toBase64()), QString("abcdefghijk..."));
        QCOMPARE(decodedName(QByteArray("cam\0junk", 8).toBase64()), QString("cam"));
        QCOMPARE(modelText(QByteArray("VKC-1\0x", 7)), QString("VKC-1"));
        QCOMPARE(insertRow(true, 5, 2), 5);
        QCOMPARE(insertRow(false, 5, 2), 2);
        QCOMPARE(listing(IPCamera::GOT_PWD_STATUS), Listing::NewProtocol);
        QCOMPARE(listing(IPCamera::GOT_INFO), Listing::OldProtocol);
        QCOMPARE(listing(IPCamera::WAIT_PWD_STATUS), Listing::NotYet);

        // Rows by MAC in any case; a camera without a register bit is unregistered.
        const QList<IPCamera> cams{camera("aa:00:00:00:00:01", "2.0", 0, "", "1"),
                                   camera("AA:00:00:00:00:02", "2.0", IPCamera::GOT_PWD_STATUS),
                                   camera("AA:00:00:00:00:03", "2.0", 0, "1", ""),
                                   camera("AA:00:00:00:00:04", "1.0", IPCamera::GOT_INFO),
                                   camera("AA:00:00:00:00:05", "1.0", 0),
                                   camera("AA:00:00:00:00:06", "2.0", 0)};
        auto keys = [](const QStringList& macs) {
            QSet<QString> out;
            for (const QString& mac : macs)
                out << camera(qPrintable(mac), "2.0", 0).macKey();
            return out;
        };
        const QSet<QString> rows = keys({"AA:00:00:00:00:01", "aa:00:00:00:00:02", "AA:00:00:00:00:03"});
        QCOMPARE(unregisteredRows(rows, cams), 2);
        QVERIFY(isListed(rows, cams[1]) && !isListed(rows, cams[3]));
        QCOMPARE(cameraWithMac(cams, "AA:00:00:00:00:01"), 0);
        QCOMPARE(cameraWithMac(cams, "AA:00:00:00:00:07"), -1);
        // A MAC written with dashes is the same MAC; the page notes the cameras it asked in canonical form.
        QVERIFY(isListed(rows, camera("aa-00-00-00-00-02", "2.0", 0)));
        QCOMPARE(cameraWithMac(cams, "AA-00-00-00-00-01"), 0);
        QCOMPARE(unregisteredRows(keys({"aa-00-00-00-00-02", "AA-00-00-00-00-03"}), cams), 2);
        QCOMPARE(camerasToQuery({camera("aa-00-00-00-00-06", "2.0", 0)}, {"AA:00:00:00:00:06"}), QList<int>());
        // Copies of records compared before; one whose MAC is written anew is known by its new address only.
        QList<IPCamera> moved = cams;
        moved[1].MAC = "aa-00-00-00-00-09";
        QCOMPARE(cameraWithMac(moved, "AA:00:00:00:00:09"), 1);
        QCOMPARE(cameraWithMac(moved, "AA:00:00:00:00:02"), -1);
        QCOMPARE(cameraWithMac(moved, "aa:00:00:00:00:03"), 2);
        // New cameras with a known state or a password need no query, old ones until GOT_INFO;
        // a camera asked since the last scan tick is not asked again.
        QCOMPARE(passwordQuery(cams[4]), PasswordQuery::GetInfo);
        QCOMPARE(passwordQuery(cams[5]), PasswordQuery::CheckPassword);
        QCOMPARE(camerasToQuery(cams, {"AA:00:00:00:00:01"}), (QList<int>{4, 5}));
        QCOMPARE(camerasToQuery(cams, {"AA:00:00:00:00:06"}), (QList<int>{0, 4}));
    }

    void connectionRules()
    {
        using namespace ConnectionRules;
        const ConnectionRules::EntryType* ap = entryType("APMode:a.png,,b.png");
        QVERIFY(isType(ap, "APMode") && !isType(entryType("Wired:x"), "APMode"));
        QCOMPARE(pictureNames("APMode:a.png,,b.png", ap->headerLength), (QStringList{"a.png", "", "b.png"}));
        QCOMPARE(pictureNames("POE:p.png", entryType("POE:p.png")->headerLength), QStringList{"p.png"});
        const SetWords words{"Ethernet", "POE", "PLC", "Direct Connection"};
        QCOMPARE(chooseSet("Ethernet", words), StepSet::Ethernet);
        QCOMPARE(chooseSet("POE(Power Over Ethernet)", words), StepSet::PoE);
        QCOMPARE(chooseSet("PLC(Power Line Communication)", words), StepSet::PLC);
        QCOMPARE(chooseSet("Direct Connection", words), StepSet::Direct);
        QCOMPARE(chooseSet("", words), StepSet::Overview);
        QCOMPARE(hardwareVersions("A1").choice, false);
        QCOMPARE(hardwareVersions("NA").items, QStringList{"NA"});
        QCOMPARE(hardwareVersions("A1,B1").items, (QStringList{kHWVersionPrompt, "A1", "B1"}));
        QCOMPARE(versionCount("A1,B1"), 2);
    }

    // Where "Next" leads: local-only by the text, else by the route code and the type chosen.
    void nextRoad_data()
    {
        QTest::addColumn<bool>("local");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("road");
        using R = ConnectionRules::Road;
        QTest::newRow("local, direct") << true << false << ""
                                       << "" << int(R::AccessPoint);
        QTest::newRow("local, wired") << true << true << "5"
                                      << "" << int(R::Discovery);
        QTest::newRow("unknown model") << false << false << "5"
                                       << "" << int(R::Stay);
        QTest::newRow("route 5") << false << true << "5"
                                 << "" << int(R::AccessPoint);
        QTest::newRow("route 2, direct") << false << true << "2"
                                         << "Direct Connection" << int(R::AccessPoint);
        QTest::newRow("route 2, ethernet") << false << true << "2"
                                           << "Ethernet" << int(R::Discovery);
        QTest::newRow("route 1, direct type") << false << true << "1"
                                              << "Direct Connection" << int(R::Discovery);
    }
    void nextRoad()
    {
        QFETCH(bool, local);
        QFETCH(bool, known);
        QFETCH(QString, route);
        QFETCH(QString, type);
        const QString text = local && !known ? "Direct Connection" : "VKC-1";
        QTEST(int(ConnectionRules::nextRoad(local, text, known, route, type, "Direct Connection")), "road");
    }

    void accessPointRules()
    {
        using namespace APModeRules;
        // Plain string order after "2.0.17-b82".
        QVERIFY(!agentSwitchesAccessPointOff("2.0.17-b82") && agentSwitchesAccessPointOff("2.0.17-b83"));
        QVERIFY(!agentSwitchesAccessPointOff("2.0.17") && agentSwitchesAccessPointOff("2.0.18"));
        QCOMPARE(rediscoveryPopupFor(1), RediscoveryPopup::TryAgain);
        QCOMPARE(rediscoveryPopupFor(2), RediscoveryPopup::Reset);
        QVERIFY(ssidRefusal("") && !ssidRefusal("H"));
        QVERIFY(keyRefusal("", false) && !keyRefusal("", true) && !keyRefusal("k", false));
        QVERIFY(passwordFitsRule("abc123", true) && !passwordFitsRule("abc12", true));
        QVERIFY(passwordFitsRule(QString(30, 'a'), true) && !passwordFitsRule(QString(31, 'a'), true));
        QVERIFY(passwordFitsRule("!#$%&~", false) && !passwordFitsRule("abc12!", true));
        QVERIFY(!passwordFitsRule("abc def", false) && !passwordFitsRule(QString::fromUtf8("abcdéf"), false));
        IPCamera fresh;
        fresh.bPassword = "1";
        QVERIFY(usesAlphanumericRule(fresh) && needsNoPassword(fresh));
        fresh.password = "c2VjcmV0";
        QVERIFY(!usesAlphanumericRule(fresh));
        QVERIFY(localPasswordMatches("secret", QByteArray("secret\0x", 8)) && !localPasswordMatches("secre", "secret"));
    }

    // Tick 0 and every 20th check the last reply (and switch dialect after a failure); the others
    // send while fewer than three requests are out and no decode holds them back: none runs, and its
    // wait has passed since it ended.
    void snapshotSchedule_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<int>("dialect");
        QTest::addColumn<int>("outstanding");
        QTest::addColumn<QString>("decode");    // decoding, ms since the last ended, its wait[, all the period held]
        QTest::addColumn<QString>("expected");  // check, switched, send, dialect after
        using S = SnapshotSchedule::Dialect;
        QTest::newRow("tick 0, picture") << 0 << true << int(S::Korva) << 0 << "0 0 0"
                                         << "1 0 0 1";
        QTest::newRow("tick 0, none") << 0 << false << int(S::Korva) << 0 << "0 0 0"
                                      << "1 1 0 2";
        QTest::newRow("tick 20, none, T4X") << 20 << false << int(S::T4x) << 0 << "1 0 0"
                                            << "1 1 0 1";
        QTest::newRow("tick 19, two out") << 19 << false << int(S::T4x) << 2 << "0 500 500"
                                          << "0 0 1 2";
        QTest::newRow("tick 20, none, the period held back by a refusal's wait")
            << 20 << false << int(S::T4x) << 0 << "0 100 16000 1"
            << "1 0 0 2";
        QTest::newRow("tick 21, three out") << 21 << false << int(S::Korva) << 3 << "0 0 0"
                                            << "0 0 0 1";
        QTest::newRow("tick 19, decoding") << 19 << true << int(S::Korva) << 0 << "1 0 0"
                                           << "0 0 0 1";
        QTest::newRow("tick 19, the last decode not waited out") << 19 << true << int(S::Korva) << 0 << "0 499 500"
                                                                 << "0 0 0 1";
    }
    void snapshotSchedule()
    {
        QFETCH(int, number);
        QFETCH(bool, succeeded);
        QFETCH(int, dialect);
        QFETCH(int, outstanding);
        QFETCH(QString, decode);
        const QStringList d = decode.split(' ');
        const bool held = SnapshotSchedule::decodeHolds(d[0] == "1", d[1].toInt(), d[2].toInt());
        const SnapshotSchedule::Tick t =
            SnapshotSchedule::tick(number, succeeded, dialect, outstanding, held, d.value(3) == "1");
        QTEST(QString("%1 %2 %3 %4").arg(t.check).arg(t.switched).arg(t.send).arg(t.dialect), "expected");
    }

    // The wait after a decode: 14 times as long as a picture took; after a refusal 250 ms or eight times its
    // decode, doubled for each refusal before it in a row, up to a minute.
    void snapshotDecodeWait_data()
    {
        QTest::addColumn<QString>("decode");  // refusals before it, decoded, ms it took
        QTest::addColumn<int>("refused");     // in a row after it
        QTest::addColumn<int>("waitMs");
        QTest::newRow("picture after refusals") << "5 1 40" << 0 << 560;
        QTest::newRow("picture of the most scans") << "0 1 1100" << 0 << 15400;
        QTest::newRow("cheap refusal") << "0 0 31" << 1 << 250;
        QTest::newRow("refusal just past the least") << "0 0 32" << 1 << 256;
        QTest::newRow("out of time") << "0 0 2000" << 1 << 16000;
        QTest::newRow("out of time, second") << "1 0 2000" << 2 << 32000;
        QTest::newRow("out of time, third: a minute") << "2 0 2000" << 3 << 60000;
    }
    void snapshotDecodeWait()
    {
        QFETCH(QString, decode);
        const QStringList d = decode.split(' ');
        const SnapshotSchedule::DecodeWait wait =
            SnapshotSchedule::afterDecode(d[0].toInt(), d[1] == "1", d[2].toInt());
        QTEST(wait.refusedInRow, "refused");
        QTEST(int(wait.waitMs), "waitMs");
    }

    void snapshotReply()
    {
        QCOMPARE(SnapshotSchedule::path("1"), QString("/image/jpeg.cgi"));
        QCOMPARE(SnapshotSchedule::path("2"), QString("/image.jpg"));
    }

    void routeCode()
    {
        QCOMPARE(::routeCode("1", "1"), QString("5"));
        QCOMPARE(::routeCode("0", "1"), QString("1"));
        QCOMPARE(::routeCode("1", "2"), QString("2"));
    }

    // Launcher names: what may not reach a file name or a script line, Windows device names with
    // or without an extension, blanks and dots at the ends; an address with a line break (the
    // address check itself has its own table). name: the file's name without its suffix, "-" for none.
    void launcherNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("name");
        const QString ip = "192.168.0.20", desktop = "/home/u/Desktop";
        QTest::newRow("plain") << "VKC-1" << ip << desktop << "VKC-1";
        QTest::newRow("dots inside") << "VKC.1" << ip << desktop << "VKC.1";
        QTest::newRow("parent folder") << "..VKC" << ip << desktop << "-";
        QTest::newRow("backslash") << "a\\b" << ip << desktop << "-";
        QTest::newRow("drive") << "C:x" << ip << desktop << "-";
        QTest::newRow("line break") << "VKC\r\nX" << ip << desktop << "-";
        QTest::newRow("DEL") << "VKC\x7f" << ip << desktop << "-";
        QTest::newRow("U+0085") << QString("VKC") + QChar(0x85) << ip << desktop << "-";
        QTest::newRow("U+2028") << QString("VKC") + QChar(0x2028) << ip << desktop << "-";
        QTest::newRow("U+202E") << QString(QChar(0x202e)) + "kcod.exe" << ip << desktop << "-";
        QTest::newRow("zero width U+200B") << QString("VKC") + QChar(0x200b) << ip << desktop << "-";
        QTest::newRow("empty") << "" << ip << desktop << "-";
        QTest::newRow("one dot") << "." << ip << desktop << "-";
        QTest::newRow("blank") << " " << ip << desktop << "-";
        QTest::newRow("blanks and a dot") << "  ." << ip << desktop << "-";
        QTest::newRow("ideographic space") << QString(QChar(0x3000)) << ip << desktop << "-";
        QTest::newRow("blanks and dots at the ends") << " VKC-1. " << ip << desktop << "VKC-1";
        QTest::newRow("leading dot") << ".VKC" << ip << desktop << "VKC";
        QTest::newRow("CON") << "CON" << ip << desktop << "-";
        QTest::newRow("con.txt") << "con.txt" << ip << desktop << "-";
        QTest::newRow("Nul, two extensions") << "Nul.tar.gz" << ip << desktop << "-";
        QTest::newRow("AUX, blank before the extension") << "AUX .x" << ip << desktop << "-";
        QTest::newRow("PRN, dot at the end") << "PRN." << ip << desktop << "-";
        QTest::newRow("COM1") << "COM1" << ip << desktop << "-";
        QTest::newRow("LPT9") << "lpt9" << ip << desktop << "-";
        QTest::newRow("COM0, listed by Windows") << "COM0" << ip << desktop << "-";
        QTest::newRow("COM superscript one") << QString("COM") + QChar(0xb9) << ip << desktop << "-";
        QTest::newRow("CONOUT$") << "conout$" << ip << desktop << "-";
        QTest::newRow("COM10: no device") << "COM10" << ip << desktop << "COM10";
        QTest::newRow("CON inside a name") << "CONSOLE-1" << ip << desktop << "CONSOLE-1";
        QTest::newRow("device after a dot") << "VKC.CON" << ip << desktop << "VKC.CON";
        QTest::newRow("quote in model") << "VKC\"" << ip << desktop << "-";
        QTest::newRow("quote in folder") << "VKC-1" << ip << "/home/u\"/Desktop"
                                         << "-";
        QTest::newRow("DEL in folder") << "VKC-1" << ip << "/home/u\x7f/Desktop"
                                       << "-";
        QTest::newRow("no folder") << "VKC-1" << ip << ""
                                   << "-";
        QTest::newRow("trailing newline") << "VKC-1" << ip + "\n" << desktop << "-";
    }
    void launcherNames()
    {
        QFETCH(QString, model);
        QFETCH(QString, ip);
        QFETCH(QString, desktop);
        QFETCH(QString, name);
        const ShortcutPlan::Launcher launcher = ShortcutPlan::desktopLauncher(model.toUtf8(), ip, desktop, "/opt/w");
        const ShortcutPlan::Script script = ShortcutPlan::windowsScript(model.toUtf8(), ip, desktop, "/opt/w");
        const bool refused = name == "-";
        QCOMPARE(!launcher.refusal.isEmpty(), refused);
        QCOMPARE(!script.refusal.isEmpty(), refused);
        QCOMPARE(script.text.isEmpty() || launcher.text.isEmpty(), refused);
        if (refused)
            return;
        QCOMPARE(launcher.path, desktop + "/" + name + ".desktop");
        QCOMPARE(script.linkPath, desktop + "/" + name + ".lnk");
        QVERIFY(launcher.text.contains("\nName=" + name + "\n"));
    }

    // Only a cloud address passes, as the site or as a redirect; a relative 301 is resolved against
    // the request. Any other http(s) address fails the check.
    void openApiAnswers()
    {
        using namespace SetupChecks;
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
        using namespace SetupChecks;
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
        using namespace SetupChecks;
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
        // The password goes out in Latin-1: its last character passes, the next is refused, before
        // it would turn into "?"; the account goes out otherwise.
        QVERIFY(!refused(pppoeFieldError(false, QString::fromUtf8("mot-de-passe-é\u00ff"), "2.0")));
        QVERIFY(refused(pppoeFieldError(false, QString::fromUtf8("\u0100pw"), "2.0")));
        QVERIFY(refused(pppoeFieldError(false, QString::fromUtf8("пароль"), "1.0")));
        QVERIFY(!refused(pppoeFieldError(true, QString::fromUtf8("пароль"), "2.0")));
        StaticSettings s{"10.254.0.50", "255.255.255.0", "10.254.0.1", "8.8.8.8", ""};
        QCOMPARE(staticParams(s), QByteArray(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=8.8.8.8;6=0"));
        s.gateway = "10.254.0.1;0=1";
        QCOMPARE(staticParams(s), QByteArray());
        QCOMPARE(pppoeParams("hans", "pw", "2.0"), QByteArray(";0=0;6=1;7=aGFucw==;8=cHc="));
        QCOMPARE(pppoeParams("a;0=1", "pw", "1.0"), QByteArray());
        QCOMPARE(pppoeParams("a=", "p=;", "2.0"), QByteArray(";0=0;6=1;7=YT0=;8=cD07"));
        QCOMPARE(pppoeParams("a", QString::fromUtf8("é\u00ff"), "2.0"), QByteArray(";0=0;6=1;7=YQ==;8=6f8="));
        QCOMPARE(pppoeParams("a", QString::fromUtf8("пароль"), "2.0"), QByteArray());
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
        const auto dstRequest = [](bool korva, bool enable, bool autoChecked, const DstSettings& settings) {
            return dstPath(korva) + dstContent(korva, enable, autoChecked, settings);
        };
        DstSettings s{5, QDate(2000, 3, 1), QDate(2000, 11, 1), 1, 0, 0, 0, QTime(2, 0), QTime(2, 0), {}};
        QCOMPARE(dstRequest(true, true, false, s), QString("/config/datetime.cgi?dstenable=yes&dstauto=no&offset=2"
                                                           "&starttime=3.2.0/02:00:00&stoptime=11.1.0/02:00:00"));
        QCOMPARE(dstRequest(false, true, true, s),
                 QString("/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=5&DSTStartMonth=2&DSTEndMonth=10"
                         "&DSTStartWeek=1&DSTEndWeek=0&DSTStartDay=0&DSTEndDay=0&DSTStartTime=2&DSTEndTime=2"));
        s = DstSettings{0, QDate(2000, 1, 1), QDate(2000, 12, 1), 0, 4, 0, 6, QTime(0, 0), QTime(12, 0), {}};
        QCOMPARE(dstRequest(true, true, false, s), QString("/config/datetime.cgi?dstenable=yes&dstauto=no&offset=7"
                                                           "&starttime=1.1.0/00:00:00&stoptime=12.5.6/12:00:00"));
        s.endHour = QTime(23, 0);
        QCOMPARE(dstRequest(false, true, false, s),
                 QString("/datetime.cgi?ConfigReboot=NO&DSTEnable=1&DSTOffset=0&DSTStartMonth=0&DSTEndMonth=11"
                         "&DSTStartWeek=0&DSTEndWeek=4&DSTStartDay=0&DSTEndDay=6&DSTStartTime=0&DSTEndTime=23"));
        QLocale::setDefault(QLocale::c());
        // The hour fields: the form's in English (and an unknown code), elsewhere the language's hours.
        const QList<QPair<QString, QString>> hours = {{"en_GB", "hh AP"}, {"xx", "hh AP"},    {"de", "HH:00"},
                                                      {"fi", "HH.00"},    {"ko", "AP hh:00"}, {"zh_CN", "APhh:00"}};
        for (const auto& hour : hours)
            QCOMPARE(ClockRules::hourFormat(ClockRules::clockLocale(hour.first)), hour.second);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
