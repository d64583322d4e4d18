// The Wi-Fi entry: the settings sent to the camera, the manual entry's key and SSID rules,
// and the entry box itself.

#include <QtTest>

#include "protocol/apsearchresult.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "testsupport.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wirelessrules.h"

namespace {

void appendAp(APSearchResult* list, const QByteArray& ssid, const QByteArray& mode, const QByteArray& auth,
              const QByteArray& sec)
{
    list->AP_Column1.append("Unknown");
    list->AP_Column2.append("-40");
    list->AP_SSID.append(ssid);
    list->AP_Column4.append("Unknown");
    list->AP_SecMethod.append(sec);
    list->AP_AuthMode.append(auth);
    list->AP_Mode.append(mode);
    list->numAP = list->AP_SSID.size();
}

} // namespace

class TestWifiEntry : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }

    void settingsContent_data();
    void settingsContent();
    void keyRule_data();
    void keyRule();
    void ssidRule_data();
    void ssidRule();
    void closeButtonReleasesBox();
};

void TestWifiEntry::settingsContent_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    APSearchResult list;
    appendAp(&list, "Home", "0", "4", "3");
    appendAp(&list, "Cafe", "0", "0", "0");
    appendAp(&list, "XXXXXXX", "Unknown", "Unknown", "Unknown");
    appendAp(&list, QByteArray("Ab\0cd", 5), "1", "4", "3");
    appendAp(&list, "K\xc3\xbc" "che", "0", "5", "5");
    using WifiSettings::content;
    using WifiSettings::surveyed;
    using WifiSettings::typed;

    QTest::newRow("wpa2 from the list") << content(surveyed(list, 0, "secret12"))
                                        << QByteArray(";9=1;10=0;11=SG9tZQ==;14=4;15=3;18=c2VjcmV0MTI=");
    QTest::newRow("open network sends no key") << content(surveyed(list, 1, "typed anyway"))
                                               << QByteArray(";9=1;10=0;11=Q2FmZQ==;14=0;15=0;18=");
    QTest::newRow("placeholder row") << content(surveyed(list, 2, "k"))
                                     << QByteArray(";9=1;10=Unknown;11=WFhYWFhYWA==;14=Unknown;15=Unknown;18=aw==");
    QTest::newRow("ssid bytes with a zero go whole") << content(surveyed(list, 3, "k"))
                                                      << QByteArray(";9=1;10=1;11=QWIAY2Q=;14=4;15=3;18=aw==");
    QTest::newRow("utf-8 ssid from the list") << content(surveyed(list, 4, "k"))
                                              << QByteArray(";9=1;10=0;11=S8O8Y2hl;14=5;15=5;18=aw==");
    QTest::newRow("row outside the list") << content(surveyed(list, 5, "k"))
                                          << QByteArray(";9=1;10=;11=;14=;15=;18=");
    QTest::newRow("manual wep hex") << content(typed("Hidden Net", 1, 1, "0123456789"))
                                    << QByteArray(";9=1;10=0;11=SGlkZGVuIE5ldA==;14=1;15=1;18=MDEyMzQ1Njc4OQ==");
    QTest::newRow("manual non-latin-1 ssid survives") << content(typed(QString::fromUtf8("門 1"), 4, 3, "abcdefgh"))
                                                      << QByteArray(";9=1;10=0;11=6ZaAIDE=;14=4;15=3;18=YWJjZGVmZ2g=");
    QTest::newRow("manual none, empty key") << content(typed("Open", 0, 0, ""))
                                            << QByteArray(";9=1;10=0;11=T3Blbg==;14=0;15=0;18=");
}

void TestWifiEntry::settingsContent()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QCOMPARE(content, expected);
}

void TestWifiEntry::keyRule_data()
{
    QTest::addColumn<QString>("security");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("valid");

    QTest::newRow("wep 5 printable") << "Open(WEP)" << "a!b~c" << true;
    QTest::newRow("wep 10 hex") << "Open(WEP)" << "0123456789" << true;
    QTest::newRow("wep 10 with a non-hex letter") << "Open(WEP)" << "012345678g" << false;
    QTest::newRow("wep 6") << "Open(WEP)" << "abcdef" << false;
    QTest::newRow("wep space") << "Open(WEP)" << "ab cd" << false;
    QTest::newRow("wpa 8") << "WPA2-PSK" << "abcdefgh" << true;
    QTest::newRow("wpa 7") << "WPA2-PSK" << "abcdefg" << false;
    QTest::newRow("wpa 65") << "WPA2-PSK" << QString(65, 'a') << false;
    QTest::newRow("wpa 64 hex") << "WPA or WPA2" << QString(64, 'F') << true;
    QTest::newRow("wpa 64 with one non-hex") << "WPA2-PSK" << QString(63, 'a') + "g" << false;
    QTest::newRow("wpa empty") << "WPA2-PSK" << "" << false;
    QTest::newRow("wpa space") << "WPA2-PSK" << "abcd efgh" << false;
    QTest::newRow("wpa accented") << "WPA2-PSK" << QString::fromUtf8("abcdéfgh") << false;
    QTest::newRow("none empty") << "None" << "" << true;
}

void TestWifiEntry::keyRule()
{
    QFETCH(QString, security);
    QFETCH(QString, key);
    QFETCH(bool, valid);
    const WirelessRules::Verdict verdict = WirelessRules::validateWifiKey(security, key);
    QCOMPARE(verdict.valid, valid);
    QCOMPARE(verdict.message == nullptr, valid);
}

void TestWifiEntry::ssidRule_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<bool>("valid");

    QTest::newRow("32 with spaces") << " My Home Network 2.4G  ~ !\"#$%& " << true;
    QTest::newRow("33") << QString(33, 'a') << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("accented") << QString::fromUtf8("Café") << false;
    QTest::newRow("tab") << "a\tb" << false;
}

void TestWifiEntry::ssidRule()
{
    QFETCH(QString, ssid);
    QFETCH(bool, valid);
    QCOMPARE(WirelessRules::validateSsid(ssid).valid, valid);
}

void TestWifiEntry::closeButtonReleasesBox()
{
    QPointer<WirelessMessageBox> box = WirelessMessageBox::open(
        gMainpage, "closingBox", WirelessMessageBox::Kind::Auto, "Title", {50, 50, 440, 30});
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
    box->ui->WirelessMsgBoxClose_Button->click();
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
    QVERIFY(!WirelessMessageBox::find(gMainpage, "closingBox"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());
    QVERIFY(!WirelessMessageBox::closeByName(gMainpage, "closingBox"));
}

QTEST_MAIN(TestWifiEntry)
#include "tst_wifientry.moc"
