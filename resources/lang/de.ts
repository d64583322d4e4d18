<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>APModeDeviceToRouter</name>
    <message>
        <source>APModeDeviceToRouter</source>
        <translation>APModeDeviceToRouter</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevice</name>
    <message>
        <source>APModeHostToDevice</source>
        <translation>APModeHostToDevice</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevicePasswordVerify</name>
    <message>
        <source>APModeHostToDevicePasswordVerify</source>
        <translation>APModeHostToDevicePasswordVerify</translation>
    </message>
</context>
<context>
    <name>APModeHostToRouter</name>
    <message>
        <source>APModeHostToRouter</source>
        <translation>APModeHostToRouter</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;ENDBENUTZER-LIZENZVERTRAG&lt;/b&gt;&lt;br&gt;&lt;b&gt;Bitte lesen Sie diesen Vertrag sorgfältig durch, bevor Sie den olvaris Einrichtungsassistenten verwenden.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Dieser Vertrag wird zwischen Ihnen und Tervane geschlossen. Indem Sie das Kästchen unten ankreuzen und auf „Ich stimme zu“ klicken, nehmen Sie seine Bedingungen an.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Lizenz.&lt;/b&gt; Tervane gewährt Ihnen eine persönliche, nicht ausschließliche und nicht übertragbare Lizenz, diesen Assistenten zu installieren und zu verwenden, um Kameras einzurichten, die Ihnen gehören oder die Sie verwalten dürfen.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Einschränkungen.&lt;/b&gt; Sie dürfen den Assistenten weder verkaufen, vermieten, verleihen oder weitergeben noch ihn verändern, dekompilieren oder zurückentwickeln, soweit das Gesetz dies nicht ausdrücklich erlaubt.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online-Dienste.&lt;/b&gt; Der Assistent verbindet sich mit Diensten von Tervane im Internet, um nach einer neueren Version zu suchen, Geräteinformationen herunterzuladen und Ihre Kamera bei olvaris zu registrieren. Für diese Nutzung gelten die Nutzungsbedingungen und die Datenschutzerklärung von olvaris.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Aktualisierungen.&lt;/b&gt; Ist ein neuerer Assistent verfügbar, entscheiden Sie, ob Sie ihn herunterladen und installieren.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Keine Gewährleistung.&lt;/b&gt; Der Assistent wird, soweit gesetzlich zulässig, „wie besehen“ und ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Haftung.&lt;/b&gt; Tervane haftet, soweit gesetzlich zulässig, nicht für indirekte Schäden oder Folgeschäden aus der Verwendung des Assistenten.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Beendigung.&lt;/b&gt; Diese Lizenz endet, wenn Sie gegen ihre Bedingungen verstoßen; Sie müssen dann alle Kopien des Assistenten löschen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Ich habe die AGB von Tervane gelesen, verstanden und akzeptiere sie.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>I Agree</source>
        <translation>Ich stimme zu</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Geschäftsbedingungen</translation>
    </message>
    <message>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;ENDBENUTZER-LIZENZVERTRAG&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Bitte lesen Sie diesen Vertrag sorgfältig durch, bevor Sie den olvaris Einrichtungsassistenten verwenden.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Dieser Vertrag wird zwischen Ihnen und Tervane geschlossen. Indem Sie das Kästchen unten ankreuzen und auf „Ich stimme zu“ klicken, nehmen Sie seine Bedingungen an.&lt;br&gt;&lt;br&gt;1. Lizenz. Tervane gewährt Ihnen eine persönliche, nicht ausschließliche und nicht übertragbare Lizenz, diesen Assistenten zu installieren und zu verwenden, um Kameras einzurichten, die Ihnen gehören oder die Sie verwalten dürfen.&lt;br&gt;&lt;br&gt;2. Einschränkungen. Sie dürfen den Assistenten weder verkaufen, vermieten, verleihen oder weitergeben noch ihn verändern, dekompilieren oder zurückentwickeln, soweit das Gesetz dies nicht ausdrücklich erlaubt.&lt;br&gt;&lt;br&gt;3. Online-Dienste. Der Assistent verbindet sich mit Diensten von Tervane im Internet, um nach einer neueren Version zu suchen, Geräteinformationen herunterzuladen und Ihre Kamera bei olvaris zu registrieren. Für diese Nutzung gelten die Nutzungsbedingungen und die Datenschutzerklärung von olvaris.&lt;br&gt;&lt;br&gt;4. Aktualisierungen. Ist ein neuerer Assistent verfügbar, entscheiden Sie, ob Sie ihn herunterladen und installieren.&lt;br&gt;&lt;br&gt;5. Keine Gewährleistung. Der Assistent wird, soweit gesetzlich zulässig, „wie besehen“ und ohne jede Gewährleistung bereitgestellt.&lt;br&gt;&lt;br&gt;6. Haftung. Tervane haftet, soweit gesetzlich zulässig, nicht für indirekte Schäden oder Folgeschäden aus der Verwendung des Assistenten.&lt;br&gt;&lt;br&gt;7. Beendigung. Diese Lizenz endet, wenn Sie gegen ihre Bedingungen verstoßen; Sie müssen dann alle Kopien des Assistenten löschen.</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <source>Choose your connection type</source>
        <translation>Verbindungsart wählen</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE (Power over Ethernet)</translation>
    </message>
    <message>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC (Powerline)</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Direktverbindung</translation>
    </message>
</context>
<context>
    <name>AlreadyRegisteredPage</name>
    <message>
        <source>AlreadyRegisteredPage</source>
        <translation>AlreadyRegisteredPage</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <source>Hardware Connection</source>
        <translation>Kamera anschließen</translation>
    </message>
    <message>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Wählen Sie Ihr Kameramodell, um die Installationsanleitung zu sehen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Skip instruction</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Please select your camera connection type :</source>
        <translation>Wählen Sie die Verbindungsart Ihrer Kamera:</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Direktverbindung</translation>
    </message>
    <message>
        <source>Choose your connection type</source>
        <translation>Verbindungsart wählen</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE (Power over Ethernet)</translation>
    </message>
    <message>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC (Powerline)</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt;leuchtet grün, sobald sie&lt;br&gt;bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt;die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt;aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt;leuchtet grün, sobald sie&lt;br&gt;bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt;die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Schließen Sie das Netzteil an die Strombuchse auf der Rückseite des Geräts an und stecken Sie es dann in eine Steckdose. Überspringen Sie diesen Schritt, wenn Ihre Kamera per PoE (Power over Ethernet) angeschlossen ist.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt;aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Schließen Sie das Netzteil an die Strombuchse auf der Rückseite des Geräts an und stecken Sie es dann in eine Steckdose. Überspringen Sie diesen Schritt, wenn Ihre Kamera per PoE (Power over Ethernet) angeschlossen ist.</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt;leuchtet grün, sobald sie&lt;br&gt;bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt;die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wenn Ihre Kamera per PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;angeschlossen ist,&lt;br&gt;überspringen Sie bitte&lt;br&gt;diesen Schritt.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt;aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>POE</source>
        <translation>PoE</translation>
    </message>
    <message>
        <source>PLC</source>
        <translation>PLC</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Direktverbindung</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Die LED der Cloud-Kamera&lt;br&gt;leuchtet grün, sobald sie&lt;br&gt;bereit ist. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Warum bleibt&lt;br&gt;die LED rot?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wenn Ihre Kamera per PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;angeschlossen ist,&lt;br&gt;überspringen Sie bitte&lt;br&gt;diesen Schritt.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;LAN-Kabel anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Nehmen Sie das Gerät&lt;br&gt;aus der Verpackung&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Strom anschließen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSetupCompletePage</name>
    <message>
        <source>DeviceSetupCompletePage</source>
        <translation>DeviceSetupCompletePage</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Geben Sie Ihrer Kamera einen&lt;br&gt;Namen und ein Passwort</translation>
    </message>
    <message>
        <source>Camera Name :</source>
        <translation>Kameraname:</translation>
    </message>
    <message>
        <source>Camera Password :</source>
        <translation>Kamerapasswort:</translation>
    </message>
    <message>
        <source>Retype Password :</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Model Name :</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <source>Start :</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End :</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day of Week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Offset :</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Passwort vergessen&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Enable daylight saving</source>
        <translation>Sommerzeit aktivieren</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Das Passwort besteht aus 6-30 Buchstaben und&lt;br&gt;Ziffern ohne Leerzeichen)</translation>
    </message>
    <message>
        <source>Current Password :</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort aus 6-30 Buchstaben und Ziffern ohne Leerzeichen besteht.</translation>
    </message>
    <message>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Bitte prüfen Sie, ob Ihr Passwort 6-30 Zeichen lang ist und keine Leerzeichen enthält.</translation>
    </message>
    <message>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Bitte prüfen Sie den Gerätenamen: Er muss kürzer als 32 Zeichen sein und darf&lt;br&gt;nur Buchstaben und Ziffern enthalten</translation>
    </message>
</context>
<context>
    <name>DeviceWiFiChangePage</name>
    <message>
        <source>DeviceWiFiChangePage</source>
        <translation>DeviceWiFiChangePage</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <source>Select Your Camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Confirm Password :</source>
        <translation>Bestätigung:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Kamera nicht gefunden?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Keine Geräte gefunden. Suchen Sie mit „Suchen“ erneut&lt;br&gt; oder prüfen Sie über „Zurück“ die Verbindung.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Model Name :</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Geben Sie Ihrer Kamera einen&lt;br&gt;Namen und ein Passwort</translation>
    </message>
    <message>
        <source>Set up and secure your camera</source>
        <translation>Kamera einrichten und schützen</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbinden wir die Kamera mit Ihrem Netzwerk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could Not Find Your Camera</source>
        <translation>Kamera nicht gefunden</translation>
    </message>
    <message>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Klicken Sie auf „Suchen“, um erneut zu suchen, oder auf „Zurück“, um&lt;br&gt;Ihre Verbindungseinstellungen zu prüfen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>What is a MAC ID?</source>
        <translation>Was ist eine MAC-ID?</translation>
    </message>
    <message>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>Eine MAC-ID ist eine eindeutige Netzwerkkennung eines Geräts.&lt;br&gt;Sie ist auf dem Etikett Ihres Geräts aufgedruckt.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>olvaris Launcher</source>
        <translation>olvaris Startprogramm</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Set up your camera</source>
        <translation>Kamera einrichten</translation>
    </message>
    <message>
        <source>Install the viewer software</source>
        <translation>Anzeigesoftware installieren</translation>
    </message>
    <message>
        <source>Read the manual</source>
        <translation>Handbuch lesen</translation>
    </message>
    <message>
        <source>Install a PDF reader</source>
        <translation>PDF-Reader installieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <source>Why does the LED stay red?</source>
        <translation>Warum bleibt die LED rot?</translation>
    </message>
    <message>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Bitte prüfen Sie Folgendes:&lt;br&gt;1. Stellen Sie sicher, dass alle Kabel fest angeschlossen sind.&lt;br&gt;2. Schalten Sie Ihr Vistrel aus und danach wieder ein.&lt;br&gt;3. Bleibt die LED weiterhin rot, setzen Sie Ihr Vistrel zurück.&lt;br&gt;4. Prüfen Sie, ob Ihr Modem oder Router einwandfrei funktioniert.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reset Your Camera</source>
        <translation>Kamera zurücksetzen</translation>
    </message>
    <message>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Halten Sie die Reset-Taste der Kamera mit einer aufgebogenen Büroklammer mindestens 10 Sekunden lang gedrückt, während die Kamera am Strom angeschlossen ist. Klicken Sie nach dem Zurücksetzen auf „Neu beginnen“, um den Einrichtungsassistenten erneut zu starten.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Neu beginnen</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Geschäftsbedingungen</translation>
    </message>
    <message>
        <source>Zero config</source>
        <translation>Zero-Konfiguration</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <source>No Internet Connection</source>
        <translation>Keine Internetverbindung</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Ihr Computer muss mit dem Internet verbunden sein, um&lt;br&gt; nach einer neuen Version des Einrichtungsassistenten zu&lt;br&gt; suchen und Ihre Kamera für die Fernansicht bei olvaris&lt;br&gt; zu registrieren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Local Only</source>
        <translation>Nur lokal</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt;, um es erneut zu&lt;br&gt;versuchen, oder auf &lt;b&gt;Nur lokal&lt;/b&gt;, um Ihre Kamera&lt;br&gt;nur für die lokale Ansicht einzurichten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Local Viewing Only</source>
        <translation>Nur lokale Ansicht</translation>
    </message>
    <message>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Bitte beachten Sie: Wenn Sie diese&lt;br&gt; Kamera nur lokal einrichten, können&lt;br&gt; Sie den olvaris-Dienst nicht zur&lt;br&gt; Fernansicht der Kamera nutzen.&lt;br&gt;&lt;br&gt;Wenn Sie diese Funktionen nutzen&lt;br&gt;möchten, verbinden Sie sich vor dem&lt;br&gt;Start mit dem Internet.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris Einrichtungsassistent</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Choose your language :</source>
        <translation>Wählen Sie Ihre Sprache:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugiesisch (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Choose your model</source>
        <translation>Wählen Sie Ihr Modell</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Möglicherweise ist ein Browserfenster geöffnet oder ein anderer&lt;br&gt;Einrichtungsassistent läuft. Bitte schließen Sie Ihren Browser und&lt;br&gt;alle laufenden Einrichtungsassistenten, bevor Sie dieses Programm öffnen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New Version Available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Eine neue Version des Einrichtungsassistenten ist verfügbar. Bitte aktualisieren Sie auf die neueste Version.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Download Successful</source>
        <translation>Download erfolgreich</translation>
    </message>
    <message>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>Der neueste Einrichtungsassistent wurde erfolgreich heruntergeladen. Klicken Sie auf OK, um diesen Assistenten zu schließen und den neuen zu starten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download Path Error</source>
        <translation>Fehler beim Speicherort</translation>
    </message>
    <message>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Wählen Sie einen anderen Ordner zum Speichern oder klicken&lt;br&gt;Sie auf &lt;b&gt;Beenden&lt;/b&gt; und laden Sie die neueste Version unter&lt;br&gt;%1 manuell herunter.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Download-Fehler</translation>
    </message>
    <message>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt; für einen neuen Download oder laden&lt;br&gt;Sie die neueste Version unter %1 manuell herunter.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
</context>
</TS>
