// The Wi-Fi entry: the settings sent to the camera, the manual entry's key and SSID rules,
// and the entry box itself.

#include <QtTest>

#include "base/globals.h"
#include "protocol/apsearchresult.h"
#include "shell/mainpage.h"
#include "shell/wizardpage.h"
#include "testsupport.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wirelessrules.h"

class TestWifiEntry : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createWizardForTests(); }
    void cleanupTestCase() { Mainpage::endWizard(); }

    // Rows of the survey: WPA2, open (no key sent), an SSID holding a zero byte (sent whole), UTF-8;
    // a typed non-Latin-1 SSID; the key masked in the log.
    void settingsContent()
    {
        using namespace WifiSettings;
        APSearchResult list;
        list.AP_SSID = {"Home", "Cafe", QByteArray("Ab\0cd", 5), "Küche"};
        list.AP_Mode = {"0", "0", "1", "0"};
        list.AP_AuthMode = {"4", "0", "4", "5"};
        list.AP_SecMethod = {"3", "0", "3", "5"};
        QCOMPARE(content(surveyed(list, 0, "secret12")), QByteArray(";9=1;10=0;11=SG9tZQ==;14=4;15=3;18=c2VjcmV0MTI="));
        QCOMPARE(content(surveyed(list, 1, "typed anyway")), QByteArray(";9=1;10=0;11=Q2FmZQ==;14=0;15=0;18="));
        QCOMPARE(content(surveyed(list, 2, "k")), QByteArray(";9=1;10=1;11=QWIAY2Q=;14=4;15=3;18=aw=="));
        QCOMPARE(content(surveyed(list, 3, "k")), QByteArray(";9=1;10=0;11=S8O8Y2hl;14=5;15=5;18=aw=="));
        QCOMPARE(content(typed("門 1", 4, 3, "abcdefgh")),
                 QByteArray(";9=1;10=0;11=6ZaAIDE=;14=4;15=3;18=YWJjZGVmZ2g="));
        QCOMPARE(maskedForLog(content(typed("N", 4, 3, "abcdefgh"))),
                 QByteArray(";9=1;10=0;11=Tg==;14=4;15=3;18=********"));
    }

    // An empty security type names the SSID rule.
    void entryRules_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("wep 5 printable") << "Open(WEP)"
                                         << "a!b~c" << true;
        QTest::newRow("wep 10 hex") << "Open(WEP)"
                                    << "0123456789" << true;
        QTest::newRow("wep 10 with a non-hex letter") << "Open(WEP)"
                                                      << "012345678g" << false;
        QTest::newRow("wep 6") << "Open(WEP)"
                               << "abcdef" << false;
        QTest::newRow("wep space") << "Shared(WEP)"
                                   << "ab cd" << false;
        QTest::newRow("wpa 8") << "WPA2-PSK"
                               << "abcdefgh" << true;
        QTest::newRow("wpa 7") << "WPA2-PSK"
                               << "abcdefg" << false;
        QTest::newRow("wpa space") << "WPA2-PSK"
                                   << "abcd efgh" << false;
        QTest::newRow("wpa 63, the longest passphrase") << "WPA2-PSK" << QString(62, 'z') + "~" << true;
        QTest::newRow("wpa 65") << "WPA2-PSK" << QString(65, 'a') << false;
        QTest::newRow("wpa 64 hex") << "WPA or WPA2" << QString(64, 'F') << true;
        QTest::newRow("wpa 64 with one non-hex") << "WPA-PSK" << QString(63, 'a') + "g" << false;
        QTest::newRow("wpa accented") << "WPA2-PSK" << QString::fromUtf8("abcdéfgh") << false;
        QTest::newRow("none empty") << "None"
                                    << "" << true;
        QTest::newRow("ssid 32 with spaces") << ""
                                             << " My Home Network 2.4G  ~ !\"#$%& " << true;
        QTest::newRow("ssid 33") << "" << QString(33, 'a') << false;
        QTest::newRow("ssid empty") << ""
                                    << "" << false;
        QTest::newRow("ssid accented") << "" << QString::fromUtf8("Café") << false;
    }

    void entryRules()
    {
        QFETCH(QString, security);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const WirelessRules::Verdict verdict =
            security.isEmpty() ? WirelessRules::validateSsid(text) : WirelessRules::validateWifiKey(security, text);
        QCOMPARE(verdict.valid, valid);
        QCOMPARE(verdict.message == nullptr, valid);
        // The box's own check as the field is left: its message whole under the field.
        WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, "rulesBox", WirelessMessageBox::Kind::Manual,
                                                           "Title", {50, 50, 440, 30});
        QLineEdit* field =
            security.isEmpty() ? box->ui->WirelessManualName_LineEdit : box->ui->WirelessManualPassword_LineEdit;
        QLabel* label = security.isEmpty() ? box->ui->WirelessManualAPNameError_Label
                                           : box->ui->WirelessManualAPPasswordError_Label;
        box->ui->WirelessManualSecurity_ComboBox->setCurrentText(security);
        field->setText(text);
        emit field->editingFinished();
        QCOMPARE(label->isHidden(), valid);
        QVERIFY(valid ||
                (label->height() >= WizardPage::textHeight(label) && label->width() >= WizardPage::textWidth(label)));
        delete box;
    }

    // The box is closed from its own button's signal: released later, never at once.
    void closeButtonReleasesBox()
    {
        QPointer<WirelessMessageBox> box = WirelessMessageBox::open(
            gMainpage, "closingBox", WirelessMessageBox::Kind::Auto, "Title", {50, 50, 440, 30});
        box->ui->WirelessMsgBoxClose_Button->click();
        QVERIFY(frameWidget("lockScreenLabel")->isHidden());
        QVERIFY(!WirelessMessageBox::find(gMainpage, "closingBox"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
    }
};

QTEST_MAIN(TestWifiEntry)
#include "tst_wifientry.moc"