// The widget-free rule modules, each limit from both sides: the camera table, the guide's
// choices, the access-point rules, the snapshot schedule, the route code and the launcher names.

#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "apmode/apmoderules.h"
#include "cloud/shortcutplan.h"
#include "cloud/snapshotschedule.h"
#include "guide/connectionrules.h"
#include "setup/cameratable.h"
#include "welcome/catalogue.h"
#include "testsupport.h"

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

} // namespace

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
            camera("AA:00:00:00:00:02", "2.0", IPCamera::GOT_PWD_STATUS), camera("AA:00:00:00:00:03", "2.0", 0, "1", ""),
            camera("AA:00:00:00:00:04", "1.0", IPCamera::GOT_INFO), camera("AA:00:00:00:00:05", "1.0", 0),
            camera("AA:00:00:00:00:06", "2.0", 0)};
        const QList<QString> rows{"AA:00:00:00:00:01", "aa:00:00:00:00:02", "AA:00:00:00:00:03"};
        QCOMPARE(unregisteredRows(rows, cams), 2);
        QVERIFY(isListed(rows, "AA:00:00:00:00:02") && !isListed(rows, "AA:00:00:00:00:04"));
        QCOMPARE(cameraWithMac(cams, "AA:00:00:00:00:01"), 0);
        QCOMPARE(cameraWithMac(cams, "AA:00:00:00:00:07"), -1);
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
        QTest::newRow("local, direct") << true << false << "" << "" << int(R::AccessPoint);
        QTest::newRow("local, wired") << true << true << "5" << "" << int(R::Discovery);
        QTest::newRow("unknown model") << false << false << "5" << "" << int(R::Stay);
        QTest::newRow("route 5") << false << true << "5" << "" << int(R::AccessPoint);
        QTest::newRow("route 2, direct") << false << true << "2" << "Direct Connection" << int(R::AccessPoint);
        QTest::newRow("route 2, ethernet") << false << true << "2" << "Ethernet" << int(R::Discovery);
        QTest::newRow("route 1, direct type") << false << true << "1" << "Direct Connection" << int(R::Discovery);
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
    // send while fewer than three requests are out.
    void snapshotSchedule_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<int>("dialect");
        QTest::addColumn<int>("outstanding");
        QTest::addColumn<QString>("expected"); // check, switched, send, dialect after
        using S = SnapshotSchedule::Dialect;
        QTest::newRow("tick 0, picture") << 0 << true << int(S::Korva) << 0 << "1 0 0 1";
        QTest::newRow("tick 0, none") << 0 << false << int(S::Korva) << 0 << "1 1 0 2";
        QTest::newRow("tick 20, none, T4X") << 20 << false << int(S::T4x) << 0 << "1 1 0 1";
        QTest::newRow("tick 19, two out") << 19 << false << int(S::T4x) << 2 << "0 0 1 2";
        QTest::newRow("tick 21, three out") << 21 << false << int(S::Korva) << 3 << "0 0 0 1";
    }
    void snapshotSchedule()
    {
        QFETCH(int, number);
        QFETCH(bool, succeeded);
        QFETCH(int, dialect);
        QFETCH(int, outstanding);
        const SnapshotSchedule::Tick t = SnapshotSchedule::tick(number, succeeded, dialect, outstanding);
        QTEST(QString("%1 %2 %3 %4").arg(t.check).arg(t.switched).arg(t.send).arg(t.dialect), "expected");
    }

    void snapshotReply()
    {
        const QByteArray png = blankPng(2, 2);
        QVERIFY(!SnapshotSchedule::snapshot(200, png).isNull());
        QVERIFY(SnapshotSchedule::snapshot(404, png).isNull() && SnapshotSchedule::snapshot(200, "<html>").isNull());
        // The pixel size is read before decoding: a few KB of 16000 x 16000 pixels is no snapshot.
        QVERIFY(SnapshotSchedule::snapshot(200, blankPng(16000, 16000)).isNull());
        QCOMPARE(SnapshotSchedule::path("1"), QString("/image/jpeg.cgi"));
        QCOMPARE(SnapshotSchedule::path("2"), QString("/image.jpg"));
    }

    void routeCode()
    {
        QCOMPARE(::routeCode("1", "1"), QString("5"));
        QCOMPARE(::routeCode("0", "1"), QString("1"));
        QCOMPARE(::routeCode("1", "2"), QString("2"));
    }

    // Launcher names: what may not reach a file name or a script line; an address with a line
    // break (the address check itself has its own table).
    void launcherNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("refused");
        const QString ip = "192.168.0.20", desktop = "/home/u/Desktop";
        QTest::newRow("plain") << "VKC-1" << ip << desktop << false;
        QTest::newRow("dots inside") << "VKC.1" << ip << desktop << false;
        QTest::newRow("parent folder") << "..VKC" << ip << desktop << true;
        QTest::newRow("backslash") << "a\\b" << ip << desktop << true;
        QTest::newRow("drive") << "C:x" << ip << desktop << true;
        QTest::newRow("line break") << "VKC\r\nX" << ip << desktop << true;
        QTest::newRow("DEL") << "VKC\x7f" << ip << desktop << true;
        QTest::newRow("U+0085") << QString("VKC") + QChar(0x85) << ip << desktop << true;
        QTest::newRow("U+2028") << QString("VKC") + QChar(0x2028) << ip << desktop << true;
        QTest::newRow("U+202E") << QString(QChar(0x202e)) + "kcod.exe" << ip << desktop << true;
        QTest::newRow("zero width U+200B") << QString("VKC") + QChar(0x200b) << ip << desktop << true;
        QTest::newRow("empty") << "" << ip << desktop << true;
        QTest::newRow("one dot") << "." << ip << desktop << true;
        QTest::newRow("quote in model") << "VKC\"" << ip << desktop << true;
        QTest::newRow("quote in folder") << "VKC-1" << ip << "/home/u\"/Desktop" << true;
        QTest::newRow("no folder") << "VKC-1" << ip << "" << true;
        QTest::newRow("trailing newline") << "VKC-1" << ip + "\n" << desktop << true;
    }
    void launcherNames()
    {
        QFETCH(QString, model);
        QFETCH(QString, ip);
        QFETCH(QString, desktop);
        const ShortcutPlan::Launcher launcher = ShortcutPlan::desktopLauncher(model.toUtf8(), ip, desktop, "/opt/w");
        const ShortcutPlan::Script script = ShortcutPlan::windowsScript(model.toUtf8(), ip, desktop, "/opt/w");
        QTEST(!launcher.refusal.isEmpty(), "refused");
        QTEST(!script.refusal.isEmpty(), "refused");
        QCOMPARE(script.text.isEmpty() || launcher.text.isEmpty(), !launcher.refusal.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
