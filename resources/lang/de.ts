<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>APModeDeviceToRouter</name>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect Your Camera to Wi-Fi</source>
        <translation>Kamera mit dem WLAN verbinden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>Wählen Sie Ihr WLAN aus:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Manuell eingeben</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>WLAN-Netzwerke suchen</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>WLAN-Passwort eingeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>WLAN-Name (SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>WLAN-Passwort:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>WLAN-Daten eingeben</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Direktverbindung ausschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Drücken Sie die Direct-Taste an Ihrer Kamera und vergewissern Sie sich, dass die Cloud-Taste nicht mehr blinkt. Klicken Sie dann auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Keine WLAN-Verbindung möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Ihre WLAN-Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Bitte geben Sie den Netzwerknamen (SSID) ein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Bitte geben Sie das WLAN-Passwort ein</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevice</name>
    <message>
        <location filename="../../apmode/apmodehosttodevice.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Mit dem WLAN der Kamera verbinden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Bitte verbinden Sie Ihren Computer mit dem WLAN Ihrer Kamera. Den WLAN-Namen (SSID)&lt;br&gt; und das Passwort finden Sie auf dem Etikett an Ihrer Kamera.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;SSID der Kamera nicht gefunden?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Kamera nicht gefunden</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Ihre Kamera wurde nicht gefunden. Bitte versuchen Sie es erneut.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Keine Verbindung zur Kamera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Wenn keine Verbindung zur Kamera möglich ist, setzen Sie die Kamera zurück und starten Sie den Assistenten erneut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>SSID der Kamera nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Wenn Sie die SSID Ihrer Kamera nicht finden, setzen Sie die Kamera zurück und starten Sie den Assistenten erneut.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+36"/>
        <location line="+21"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot find your camera. Please go back to the previous page and select&lt;br&gt;your camera model again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Ihre Kamera wurde nicht gefunden. Bitte kehren Sie zur vorherigen Seite zurück und wählen Sie Ihr Kameramodell erneut aus.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>LAN-Kabel entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Ziehen Sie das LAN-Kabel von Ihrer Kamera ab und&lt;br&gt; klicken Sie dann auf OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevicePasswordVerify</name>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Mit dem WLAN der Kamera verbinden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Die Kamera hat bereits ein Passwort. Bitte geben Sie das vorhandene Passwort ein oder setzen Sie die Kamera zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Kamerapasswort:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Bitte prüfen Sie Ihr Passwort: Es muss 6-30 Zeichen lang sein und darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort aus 6-30 Buchstaben und Ziffern ohne Leerzeichen besteht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort 6-30 Zeichen lang ist und keine Leerzeichen enthält.</translation>
    </message>
</context>
<context>
    <name>APModeHostToRouter</name>
    <message>
        <location filename="../../apmode/apmodehosttorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Computer mit dem WLAN verbinden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Bitte verbinden Sie Ihren Computer mit diesem WLAN:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Keine Internetverbindung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Ihr Computer muss mit dem Internet verbunden sein.&lt;br&gt;Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt;, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Keine Verbindung zur Kamera</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Vergewissern Sie sich, dass Ihr Computer mit demselben WLAN verbunden ist wie Ihre Kamera, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Vergewissern Sie sich, dass Ihr Computer mit demselben WLAN verbunden ist wie Ihre Kamera.&lt;br&gt;Ist weiterhin keine Verbindung möglich, setzen Sie die Kamera zurück und starten Sie den Assistenten erneut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;ENDBENUTZER-LIZENZVERTRAG&lt;/b&gt;&lt;br&gt; &lt;b&gt;Bitte lesen Sie diesen Vertrag sorgfältig durch, bevor Sie den olvaris Einrichtungsassistenten verwenden.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Dieser Vertrag wird zwischen Ihnen und Tervane geschlossen. Indem Sie das Kästchen unten ankreuzen und auf „Ich stimme zu“ klicken, nehmen Sie seine Bedingungen an.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Lizenz.&lt;/b&gt; Tervane gewährt Ihnen eine persönliche, nicht ausschließliche und nicht übertragbare Lizenz, diesen Assistenten zu installieren und zu verwenden, um Kameras einzurichten, die Ihnen gehören oder die Sie verwalten dürfen.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Einschränkungen.&lt;/b&gt; Sie dürfen den Assistenten weder verkaufen, vermieten, verleihen oder weitergeben noch ihn verändern, dekompilieren oder zurückentwickeln, soweit das Gesetz dies nicht ausdrücklich erlaubt.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online-Dienste.&lt;/b&gt; Der Assistent verbindet sich mit Diensten von Tervane im Internet, um nach einer neueren Version zu suchen, Geräteinformationen herunterzuladen und Ihre Kamera bei olvaris zu registrieren. Für diese Nutzung gelten die Nutzungsbedingungen und die Datenschutzerklärung von olvaris.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Aktualisierungen.&lt;/b&gt; Ist ein neuerer Assistent verfügbar, entscheiden Sie, ob Sie ihn herunterladen und installieren.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Keine Gewährleistung.&lt;/b&gt; Der Assistent wird, soweit gesetzlich zulässig, „wie besehen“ und ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Haftung.&lt;/b&gt; Tervane haftet, soweit gesetzlich zulässig, nicht für indirekte Schäden oder Folgeschäden aus der Verwendung des Assistenten.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Beendigung.&lt;/b&gt; Diese Lizenz endet, wenn Sie gegen ihre Bedingungen verstoßen; Sie müssen dann alle Kopien des Assistenten löschen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Ich habe die AGB von Tervane gelesen, verstanden und akzeptiere sie.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>Ich stimme zu</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Geschäftsbedingungen</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;ENDBENUTZER-LIZENZVERTRAG&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Bitte lesen Sie diesen Vertrag sorgfältig durch, bevor Sie den olvaris Einrichtungsassistenten verwenden.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Dieser Vertrag wird zwischen Ihnen und Tervane geschlossen. Indem Sie das Kästchen unten ankreuzen und auf „Ich stimme zu“ klicken, nehmen Sie seine Bedingungen an.&lt;br&gt;&lt;br&gt;1. Lizenz. Tervane gewährt Ihnen eine persönliche, nicht ausschließliche und nicht übertragbare Lizenz, diesen Assistenten zu installieren und zu verwenden, um Kameras einzurichten, die Ihnen gehören oder die Sie verwalten dürfen.&lt;br&gt;&lt;br&gt;2. Einschränkungen. Sie dürfen den Assistenten weder verkaufen, vermieten, verleihen oder weitergeben noch ihn verändern, dekompilieren oder zurückentwickeln, soweit das Gesetz dies nicht ausdrücklich erlaubt.&lt;br&gt;&lt;br&gt;3. Online-Dienste. Der Assistent verbindet sich mit Diensten von Tervane im Internet, um nach einer neueren Version zu suchen, Geräteinformationen herunterzuladen und Ihre Kamera bei olvaris zu registrieren. Für diese Nutzung gelten die Nutzungsbedingungen und die Datenschutzerklärung von olvaris.&lt;br&gt;&lt;br&gt;4. Aktualisierungen. Ist ein neuerer Assistent verfügbar, entscheiden Sie, ob Sie ihn herunterladen und installieren.&lt;br&gt;&lt;br&gt;5. Keine Gewährleistung. Der Assistent wird, soweit gesetzlich zulässig, „wie besehen“ und ohne jede Gewährleistung bereitgestellt.&lt;br&gt;&lt;br&gt;6. Haftung. Tervane haftet, soweit gesetzlich zulässig, nicht für indirekte Schäden oder Folgeschäden aus der Verwendung des Assistenten.&lt;br&gt;&lt;br&gt;7. Beendigung. Diese Lizenz endet, wenn Sie gegen ihre Bedingungen verstoßen; Sie müssen dann alle Kopien des Assistenten löschen.</translation>
    </message>
</context>
<context>
    <name>AlreadyRegisteredPage</name>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera Already Registered</source>
        <translation>Kamera bereits registriert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Diese Kamera ist bereits bei einem olvaris-Konto registriert. Um sie bei einem anderen Konto zu registrieren, müssen Sie die Kamera zurücksetzen. Klicken Sie andernfalls auf „Weiter“.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Bei olvaris registrieren und von überall auf&lt;br&gt; Ihre Kamera zugreifen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Diese Kamera ist bereits bei einem olvaris-Konto registriert. Um sie bei einem anderen Konto zu registrieren, müssen Sie die Kamera zurücksetzen. Klicken Sie andernfalls auf „Weiter“.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Kamera einrichten und schützen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Kamera drahtlos mit Ihrem Netzwerk verbinden</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Kamera anschließen</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Wählen Sie Ihr Kameramodell, um die Installationsanleitung zu sehen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Wählen Sie die Verbindungsart Ihrer Kamera:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Direktverbindung</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Verbindungsart wählen</translation>
    </message>
    <message>
        <location line="-200"/>
        <location line="+249"/>
        <location filename="../../guide/connectionrules.cpp" line="-4"/>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <location line="-248"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE (Power over Ethernet)</translation>
    </message>
    <message>
        <location line="-247"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC (Powerline)</translation>
    </message>
</context>
<context>
    <name>CloudServicesPage</name>
    <message>
        <location filename="../../cloud/cloudservicespage.ui" line="+12"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign up for olvaris to remotely&lt;br&gt;access your camera</source>
        <translation>Registrieren Sie sich bei olvaris, um von&lt;br&gt; unterwegs auf Ihre Kamera zuzugreifen</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Vorhandenes Konto</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Kamera drahtlos mit Ihrem Netzwerk verbinden</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Bei olvaris registrieren und von überall auf&lt;br&gt; Ihre Kamera zugreifen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Kamera einrichten und schützen</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+19"/>
        <location line="+18"/>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Verification Required</source>
        <translation>Bestätigung erforderlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Eine Bestätigungs-E-Mail wurde an Ihre E-Mail-Adresse gesendet. Bitte klicken Sie innerhalb von 7 Tagen auf den Link in der E-Mail, um Ihr Konto zu bestätigen.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Cloud-Dienst nicht vertrauenswürdig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Fehler beim Cloud-Dienst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>Der olvaris-Dienst konnte seine Identität nicht nachweisen, daher wurde nichts an ihn gesendet.&lt;br&gt;Prüfen Sie Datum und Uhrzeit des Computers und versuchen Sie es erneut, oder fahren Sie ohne Cloud-Dienste fort.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>Der olvaris-Dienst hat die Anfrage nicht abgeschlossen.&lt;br&gt;Prüfen Sie die Internetverbindung und versuchen Sie es erneut, oder fahren Sie ohne Cloud-Dienste fort.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>Der olvaris-Dienst hat die Anfrage nicht abgeschlossen.&lt;br&gt;Prüfen Sie die Internetverbindung und klicken Sie dann auf „%1“ oder „%2“, um es erneut zu versuchen, oder fahren Sie ohne Cloud-Dienste fort.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>Die Kamera ist Ihrem olvaris-Konto hinzugefügt, hat ihre Registrierung aber nicht bestätigt.&lt;br&gt;Prüfen Sie die Netzwerkverbindung und klicken Sie dann auf „%1“, um es erneut zu versuchen, oder fahren Sie ohne Cloud-Dienste fort.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Kamera nicht registriert</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Cloud-Dienste sind nicht verfügbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Bitte beachten Sie: Wenn Sie diesen&lt;br&gt; Schritt überspringen, können Sie den&lt;br&gt; olvaris-Dienst nicht zur Fernansicht&lt;br&gt; der Kamera nutzen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Ihre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>Kamera ist jetzt bei olvaris registriert </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>und einsatzbereit. Sie können Ihre Kamera jetzt </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>jederzeit und überall über die &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;-</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>Website oder eine der &lt;a href=&apos;%1/apps&apos;&gt;%2mobilen Apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt; ansehen. Melden Sie </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>sich einfach mit der obigen E-Mail-Adresse und dem </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>von Ihnen erstellten Passwort an.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ConfigNetworkMessageBox</name>
    <message>
        <location filename="../../setup/confignetworkmessagebox.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Configure Your Internet Connection</source>
        <translation>Internetverbindung konfigurieren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Bitte wählen Sie die Art der Internetverbindung, die Ihre Kamera verwendet. Wenn Sie unsicher sind, wählen Sie zuerst DHCP. Ist Ihre Kamera direkt mit einem DSL-Modem verbunden, wählen Sie PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>Nur lokal</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Dynamische IP-Adresse vom Gateway oder Router beziehen&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Verbindungsart:&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Static IP</source>
        <translation>Statische IP</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>Primärer DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>Sekundärer DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Wenn Sie Ihren Benutzernamen oder Ihr Passwort nicht kennen,&lt;br&gt;wenden Sie sich bitte an Ihren Internetanbieter.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Bitte geben Sie eine gültige statische IP-Adresse ein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Bitte geben Sie den PPPoE-Benutzernamen ein</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt; leuchtet grün, sobald sie&lt;br&gt; bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt; die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt; aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt; leuchtet grün, sobald sie&lt;br&gt; bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt; die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Schließen Sie das Netzteil an die Strombuchse auf der Rückseite des Geräts an. Stecken Sie das Netzteil dann in eine Steckdose. Überspringen Sie diesen Schritt, wenn Ihre Kamera per PoE (Power over Ethernet) angeschlossen ist.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt; aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Schließen Sie das Netzteil an die Strombuchse auf der Rückseite des Geräts an. Stecken Sie das Netzteil dann in eine Steckdose. Überspringen Sie diesen Schritt, wenn Ihre Kamera per PoE (Power over Ethernet) angeschlossen ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt; leuchtet grün, sobald sie&lt;br&gt; bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt; die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wenn Ihre Kamera per PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;angeschlossen ist,&lt;br&gt;überspringen Sie bitte&lt;br&gt; diesen Schritt.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt; aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypemorethanone.cpp" line="+126"/>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>POE</source>
        <translation>PoE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PLC</source>
        <translation>PLC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Direct Connection</source>
        <translation>Direktverbindung</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt; leuchtet grün, sobald sie&lt;br&gt; bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt; die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wenn Ihre Kamera per PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;angeschlossen ist,&lt;br&gt;überspringen Sie bitte&lt;br&gt; diesen Schritt.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt; aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSetupCompletePage</name>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup Complete</source>
        <translation>Einrichtung abgeschlossen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>pw</source>
        <translation>pw</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+256"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Wenn Sie die olvaris-Funktionen dieser &lt;br/&gt;Kamera nutzen möchten, stellen Sie eine&lt;br/&gt; funktionierende Internetverbindung her und&lt;br/&gt; starten Sie den Einrichtungsassistenten erneut.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>olvaris-Konto:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>account</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Ihre &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; Kamera ist jetzt bei olvaris &lt;br/&gt;registriert und einsatzbereit. Sie können Ihre Kamera&lt;br/&gt; jetzt jederzeit und überall über die &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;-&lt;br/&gt;Website oder eine der &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobilen Apps&lt;/span&gt;&lt;/a&gt; ansehen. Melden Sie&lt;br/&gt; sich einfach mit der obigen E-Mail-Adresse und dem&lt;br/&gt; von Ihnen erstellten Passwort an.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Verknüpfung zur Kamera auf dem Desktop erstellen</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Geben Sie Ihrer Kamera einen&lt;br&gt; Namen und ein Passwort</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Kameraname:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Kamerapasswort:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>So</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>Di</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>Mi</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>Do</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>Fr</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Sa</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Passwort vergessen&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Sommerzeit aktivieren</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Das Passwort besteht aus 6-30 Buchstaben und&lt;br&gt; Ziffern ohne Leerzeichen)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Bei olvaris registrieren und von überall auf&lt;br&gt; Ihre Kamera zugreifen</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Kamera einrichten und schützen</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte geben Sie das Passwort erneut ein.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Kamera drahtlos mit Ihrem Netzwerk verbinden</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Bitte prüfen Sie Ihr Passwort: Es muss aus 6-30 Buchstaben und Ziffern&lt;br&gt; ohne Leerzeichen bestehen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Bitte prüfen Sie Ihr Passwort: Es muss 6-30 Zeichen lang sein und darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+14"/>
        <source>Could not connect to Internet</source>
        <translation>Keine Internetverbindung möglich</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Es konnte keine Verbindung zum Internet hergestellt werden. Klicken Sie auf „Schließen“, prüfen Sie Ihre Einstellungen und versuchen Sie es erneut.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Es konnte keine Verbindung zum Internet hergestellt werden. Klicken Sie auf „Wiederholen“.&lt;br&gt;Ist weiterhin keine Verbindung möglich, setzen Sie die Kamera zurück und starten Sie den Einrichtungsassistenten erneut.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Lokale Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Internetverbindung konfigurieren</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort aus 6-30 Buchstaben und Ziffern ohne Leerzeichen besteht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort 6-30 Zeichen lang ist und keine Leerzeichen enthält.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Bitte prüfen Sie den Gerätenamen: Er muss kürzer als 32 Zeichen sein und darf&lt;br&gt; nur Buchstaben und Ziffern enthalten</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Bitte geben Sie die IP-Adresse Ihres primären DNS-Servers ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Bitte geben Sie eine gültige statische IP-Adresse ein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Bitte geben Sie den PPPoE-Benutzernamen ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Bitte geben Sie das PPPoE-Passwort ein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Bitte entfernen Sie „;“ und „=“ aus dem PPPoE-Benutzernamen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Bitte nur westeuropäische Zeichen verwenden</translation>
    </message>
</context>
<context>
    <name>DeviceWiFiChangePage</name>
    <message>
        <location filename="../../wifi/devicewifichangepage.ui" line="+31"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connect with Wireless?</source>
        <translation>Drahtlos verbinden?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Manuell eingeben</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Wählen Sie &lt; Ihr WLAN &gt; aus</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>Die WPS-LED erlischt, sobald die Kamera mit Ihrem Router verbunden ist. Danach leuchtet die Status-LED grün.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>Drücken Sie innerhalb einer Minute die WPS-Taste an Ihrem Router.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Halten Sie die WPS-Taste an Ihrer Kamera 6 Sekunden lang gedrückt. Die WPS-LED beginnt blau zu blinken.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Ziehen Sie das LAN-Kabel von Ihrem Vistrel ab.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_p.h" line="+80"/>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="+210"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage.cpp" line="+200"/>
        <source>Set up and secure your camera</source>
        <translation>Kamera einrichten und schützen</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>WLAN-Passwort eingeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>WLAN-Name (SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>WLAN-Passwort:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>WLAN-Daten eingeben</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Bitte geben Sie das WLAN-Passwort ein</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Bitte geben Sie den Netzwerknamen (SSID) ein</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Keine WLAN-Verbindung möglich</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Ihre WLAN-Einstellungen konnten nicht gespeichert werden. Bitte prüfen Sie, ob das LAN-Kabel angeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>LAN-Kabel entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Ziehen Sie das LAN-Kabel von Ihrer Kamera ab und&lt;br&gt; klicken Sie dann auf OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Ihre Kamera konnte keine Verbindung zu Ihrem&lt;br&gt; WLAN herstellen. Bitte schließen Sie das LAN-Kabel&lt;br&gt; wieder an die Kamera an und klicken Sie auf OK,&lt;br&gt;um die WLAN-Einstellungen erneut vorzunehmen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Was ist WPS?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Mit Wi-Fi Protected Setup (WPS) können Sie schnell, einfach und automatisch eine sichere WLAN-Verbindung herstellen.&lt;br&gt;Die meisten modernen Router haben eine WPS-Taste.&lt;br&gt;Bei manchen Routern müssen Sie sich an der Weboberfläche anmelden und dort auf eine Schaltfläche klicken, um WPS zu aktivieren. Weitere Informationen finden Sie im Handbuch Ihres Routers.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>WPS-Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>Der Assistent konnte nicht mit Ihrer Kamera kommunizieren. Bitte befolgen Sie die Anweisungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Keine Internetverbindung möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Bitte prüfen Sie, ob das LAN-Kabel angeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Bestätigung:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Kamera nicht gefunden?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Keine Geräte gefunden. Suchen Sie mit „Suchen“ erneut&lt;br&gt; oder prüfen Sie über „Zurück“ die Verbindung.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Kamera nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Klicken Sie auf „Suchen“, um erneut zu suchen, oder auf „Zurück“, um&lt;br&gt; Ihre Verbindungseinstellungen zu prüfen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Was ist eine MAC-ID?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>Eine MAC-ID ist eine eindeutige Netzwerkkennung eines Geräts.&lt;br&gt;Sie ist auf dem Etikett Ihres Geräts aufgedruckt.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>olvaris Startprogramm</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Kamera einrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Anzeigesoftware installieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Handbuch lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>PDF-Reader installieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <location filename="../../guide/connectionpanel.cpp" line="+29"/>
        <source>Why does the LED stay red?</source>
        <translation>Warum bleibt die LED rot?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Bitte prüfen Sie Folgendes:&lt;br&gt;1. Stellen Sie sicher, dass alle Kabel fest angeschlossen sind.&lt;br&gt;2. Schalten Sie Ihr Vistrel aus und danach wieder ein.&lt;br&gt;3. Bleibt die LED weiterhin rot, setzen Sie Ihr Vistrel zurück.&lt;br&gt;4. Prüfen Sie, ob Ihr Modem oder Router einwandfrei funktioniert.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Kamera zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Halten Sie die Reset-Taste Ihrer Kamera bei eingesteckter Kamera mit einer aufgebogenen Büroklammer mindestens 10 Sekunden lang gedrückt. Klicken Sie nach dem Zurücksetzen auf „Neu beginnen“, um den Einrichtungsassistenten erneut zu starten.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Neu beginnen</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Zero-Konfiguration</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <location filename="../../welcome/oppspage.ui" line="+25"/>
        <source>No Internet Connection</source>
        <translation>Keine Internetverbindung</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Ihr Computer muss mit dem Internet verbunden sein, um&lt;br&gt; nach einer neuen Version des Einrichtungsassistenten zu&lt;br&gt; suchen und Ihre Kamera für die Fernansicht bei olvaris&lt;br&gt; zu registrieren.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Nur lokal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt;, um es erneut zu&lt;br&gt; versuchen, oder auf &lt;b&gt;Nur&amp;nbsp;lokal&lt;/b&gt;, um Ihre Kamera&lt;br&gt; nur für die lokale Ansicht einzurichten.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Nur lokale Ansicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Bitte beachten Sie: Wenn Sie diese&lt;br&gt; Kamera nur lokal einrichten, können&lt;br&gt; Sie den olvaris-Dienst nicht zur&lt;br&gt; Fernansicht der Kamera nutzen.&lt;br&gt;&lt;br&gt;Wenn Sie diese Funktionen nutzen&lt;br&gt; möchten, verbinden Sie sich vor dem&lt;br&gt; Start mit dem Internet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../../welcome/welcomepage.ui" line="+12"/>
        <location filename="../../welcome/welcomepage.cpp" line="+564"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Wählen Sie Ihre Sprache:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Portugiesisch (Portugal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Wählen Sie Ihr Modell</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Möglicherweise ist ein Browserfenster geöffnet oder ein anderer Einrichtungsassistent läuft. Bitte schließen Sie Ihren Browser und alle laufenden Einrichtungsassistenten, bevor Sie dieses Programm öffnen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Eine neue Version des Einrichtungsassistenten ist verfügbar. Bitte aktualisieren Sie auf die neueste Version.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Download erfolgreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>Der neueste Einrichtungsassistent wurde erfolgreich heruntergeladen. Klicken Sie auf OK, um diesen Assistenten zu schließen und den neuen zu starten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Download Path Error</source>
        <translation>Fehler beim Speicherort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Wählen Sie einen anderen Ordner zum Speichern oder klicken&lt;br&gt; Sie auf &lt;b&gt;Beenden&lt;/b&gt; und laden Sie die neueste Version unter&lt;br&gt; %1 manuell herunter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Speichern in diesem Ordner nicht möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>Der Einrichtungsassistent kann nicht in den gewählten Ordner schreiben, daher kann die neue Version dort nicht gespeichert werden.&lt;br&gt;Klicken Sie auf &lt;b&gt;%1&lt;/b&gt; und wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Download-Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt; für einen neuen Download oder laden Sie die neueste Version unter %1 manuell herunter.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>WirelessMessageBox</name>
    <message>
        <location filename="../../wifi/wirelessmessagebox.ui" line="+19"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+179"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>WLAN-Name (SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>WLAN-Passwort:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Verschlüsselung:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Sicherheitstyp:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Offen (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Shared Key (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA or WPA2</source>
        <translation>WPA oder WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP, 64 Bit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP, 128 Bit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TKIP</source>
        <translation>TKIP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TKIP or AES</source>
        <translation>TKIP oder AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Ihre WLAN-Einstellungen konnten nicht gespeichert werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Das WLAN-Passwort muss aus 5 oder 13 ASCII-Zeichen oder&lt;br&gt;10 oder 26 Hexadezimalzeichen bestehen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Das WLAN-Passwort muss aus 8-63 ASCII-Zeichen oder&lt;br&gt;64 Hexadezimalzeichen bestehen.</translation>
    </message>
</context>
</TS>
