<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Camera verbinden met wifi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Terug</translation>
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
        <translation>Selecteer uw wifinetwerk:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Handmatig invoeren</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Wifinetwerken zoeken</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wifiwachtwoord invoeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wifinaam (SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Wifiwachtwoord:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Gegevens van uw wifinetwerk invoeren</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Directe verbinding uitschakelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Druk op de Direct-knop van uw camera en controleer of de Cloud-knop&lt;br&gt; niet meer knippert. Klik daarna op OK om door te gaan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Kan geen wifiverbinding maken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Uw wifi-instellingen kunnen niet worden opgeslagen.&lt;br&gt;Probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Voer de netwerknaam (SSID) in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Voer het wifiwachtwoord in</translation>
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
        <translation>Verbinden met de wifi van uw camera</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Verbind uw computer met het wifinetwerk van uw camera. De naam van het wifinetwerk&lt;br&gt; (SSID) en het wachtwoord staan op het etiket op uw camera.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Kunt u de SSID van uw camera niet vinden?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Camera niet gevonden</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Uw camera is niet gevonden. Probeer het opnieuw.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Kan geen verbinding maken met camera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Als u geen verbinding met uw camera kunt maken, reset dan de camera&lt;br&gt; en start de wizard opnieuw.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>SSID van camera niet gevonden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Als u de SSID van uw camera niet kunt vinden, reset dan de camera&lt;br&gt; en start de wizard opnieuw.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Uw camera is niet gevonden. Ga terug naar de vorige pagina en selecteer uw cameramodel opnieuw.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Netwerkkabel verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Maak de netwerkkabel los van uw camera en&lt;br&gt; klik daarna op OK.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Verbinden met de wifi van uw camera</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;De camera heeft al een wachtwoord. Voer het bestaande wachtwoord in of reset uw camera.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Wachtwoord camera:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Controleer uw wachtwoord: het moet 6-30 tekens lang zijn, zonder spaties.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Controleer of uw wachtwoord uit 6-30 letters en cijfers bestaat, zonder spaties.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Controleer of uw wachtwoord 6-30 tekens lang is en geen spaties bevat.</translation>
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
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Computer verbinden met wifi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Verbind uw computer met het wifinetwerk:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Klik daarna op Volgende.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Geen internetverbinding</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Uw computer moet met internet zijn verbonden.&lt;br&gt;Klik op &lt;b&gt;Opnieuw&lt;/b&gt; om het nogmaals te proberen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Kan geen verbinding maken met camera</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Zorg dat uw computer met hetzelfde wifinetwerk is verbonden als&lt;br&gt; uw camera en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Zorg dat uw computer met hetzelfde wifinetwerk is verbonden als uw camera.&lt;br&gt;Lukt het verbinden nog steeds niet, reset dan uw camera en start de wizard opnieuw.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris installatiewizard</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;LICENTIEOVEREENKOMST VOOR EINDGEBRUIKERS&lt;/b&gt;&lt;br&gt; &lt;b&gt;Lees deze overeenkomst zorgvuldig door voordat u de olvaris installatiewizard gebruikt.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Deze overeenkomst wordt gesloten tussen u en Tervane. Door het vakje hieronder aan te vinken en op Akkoord te klikken, aanvaardt u de voorwaarden ervan.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licentie.&lt;/b&gt; Tervane verleent u een persoonlijke, niet-exclusieve, niet-overdraagbare licentie om deze wizard te installeren en te gebruiken voor het instellen van camera&apos;s die uw eigendom zijn of die u mag beheren.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Beperkingen.&lt;/b&gt; U mag de wizard niet verkopen, verhuren, uitlenen of verspreiden, en evenmin wijzigen, decompileren of reverse-engineeren, behalve voor zover de wet dit uitdrukkelijk toestaat.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Onlinediensten.&lt;/b&gt; De wizard maakt via internet verbinding met diensten van Tervane om naar een nieuwere versie te zoeken, apparaatgegevens te downloaden en uw camera bij olvaris te registreren. Op dat gebruik zijn de gebruiksvoorwaarden en het privacybeleid van olvaris van toepassing.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; Wanneer er een nieuwere wizard beschikbaar is, kiest u zelf of u deze downloadt en installeert.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Geen garantie.&lt;/b&gt; De wizard wordt, voor zover de wet dit toestaat, geleverd &quot;zoals hij is&quot;, zonder enige vorm van garantie.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Aansprakelijkheid.&lt;/b&gt; Tervane is, voor zover de wet dit toestaat, niet aansprakelijk voor indirecte schade of gevolgschade die voortvloeit uit het gebruik van de wizard.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Beëindiging.&lt;/b&gt; Deze licentie eindigt als u de voorwaarden ervan schendt; u moet dan alle kopieën van de wizard verwijderen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Ik heb de algemene voorwaarden van Tervane gelezen, begrepen en aanvaard.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>Akkoord</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Algemene voorwaarden</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;LICENTIEOVEREENKOMST VOOR EINDGEBRUIKERS&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Lees deze overeenkomst zorgvuldig door voordat u de olvaris installatiewizard gebruikt.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Deze overeenkomst wordt gesloten tussen u en Tervane. Door het vakje hieronder aan te vinken en op Akkoord te klikken, aanvaardt u de voorwaarden ervan.&lt;br&gt;&lt;br&gt;1. Licentie. Tervane verleent u een persoonlijke, niet-exclusieve, niet-overdraagbare licentie om deze wizard te installeren en te gebruiken voor het instellen van camera&apos;s die uw eigendom zijn of die u mag beheren.&lt;br&gt;&lt;br&gt;2. Beperkingen. U mag de wizard niet verkopen, verhuren, uitlenen of verspreiden, en evenmin wijzigen, decompileren of reverse-engineeren, behalve voor zover de wet dit uitdrukkelijk toestaat.&lt;br&gt;&lt;br&gt;3. Onlinediensten. De wizard maakt via internet verbinding met diensten van Tervane om naar een nieuwere versie te zoeken, apparaatgegevens te downloaden en uw camera bij olvaris te registreren. Op dat gebruik zijn de gebruiksvoorwaarden en het privacybeleid van olvaris van toepassing.&lt;br&gt;&lt;br&gt;4. Updates. Wanneer er een nieuwere wizard beschikbaar is, kiest u zelf of u deze downloadt en installeert.&lt;br&gt;&lt;br&gt;5. Geen garantie. De wizard wordt, voor zover de wet dit toestaat, geleverd &quot;zoals hij is&quot;, zonder enige vorm van garantie.&lt;br&gt;&lt;br&gt;6. Aansprakelijkheid. Tervane is, voor zover de wet dit toestaat, niet aansprakelijk voor indirecte schade of gevolgschade die voortvloeit uit het gebruik van de wizard.&lt;br&gt;&lt;br&gt;7. Beëindiging. Deze licentie eindigt als u de voorwaarden ervan schendt; u moet dan alle kopieën van de wizard verwijderen.</translation>
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
        <translation>Camera al geregistreerd</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Deze camera is al geregistreerd bij een olvaris-account. Wilt u de camera bij een ander account registreren, dan moet u de camera resetten. Klik anders op Volgende om door te gaan.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registreer bij olvaris voor overal toegang tot&lt;br&gt; uw camera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Deze camera is al geregistreerd bij een olvaris-account. Wilt u de camera bij een ander account registreren, dan moet u de camera resetten. Klik anders op Volgende om door te gaan.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Uw camera instellen en beveiligen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Verbind uw camera draadloos met uw netwerk</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Hardware aansluiten</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Selecteer uw cameramodel voor de installatie-instructies:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Selecteer het verbindingstype van uw camera:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Directe verbinding</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Kies het verbindingstype</translation>
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
        <translation>PLC (powerline-communicatie)</translation>
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
        <translation>Meld u aan bij olvaris om uw camera&lt;br&gt; op afstand te bekijken</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Nieuw account</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Bestaand account</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Verbind uw camera draadloos met uw netwerk</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registreer bij olvaris voor overal toegang tot&lt;br&gt; uw camera</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Uw camera instellen en beveiligen</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Fout</translation>
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
        <translation>Verificatie vereist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Er is een verificatie-e-mail naar uw e-mailadres gestuurd. Klik binnen 7 dagen op de koppeling in de e-mail om uw account te verifiëren.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Clouddienst niet vertrouwd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Clouddienst mislukt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>De olvaris-dienst kon zijn identiteit niet aantonen, daarom is er niets naartoe verzonden.&lt;br&gt;Controleer de datum en tijd van de computer en probeer het opnieuw, of ga verder zonder clouddiensten.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>De olvaris-dienst heeft het verzoek niet voltooid.&lt;br&gt;Controleer de internetverbinding en probeer het opnieuw, of ga verder zonder clouddiensten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>De olvaris-dienst heeft het verzoek niet voltooid.&lt;br&gt;Controleer de internetverbinding en klik dan op &quot;%1&quot; of &quot;%2&quot; om het opnieuw te proberen, of ga verder zonder clouddiensten.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>De camera staat in uw olvaris-account, maar heeft de registratie niet bevestigd.&lt;br&gt;Controleer de netwerkverbinding en klik dan op &quot;%1&quot; om het opnieuw te proberen, of ga verder zonder clouddiensten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Camera niet geregistreerd</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Clouddiensten niet beschikbaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Let op: als u deze stap overslaat,&lt;br&gt;kunt u de olvaris-dienst niet&lt;br&gt; gebruiken om de camera op afstand&lt;br&gt; te bekijken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Uw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>camera is nu geregistreerd bij </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>olvaris en klaar voor gebruik. U kunt uw camera nu </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>altijd en overal bekijken via de &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;-</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>website of een van de &lt;a href=&apos;%1/apps&apos;&gt;%2mobiele apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;. Meld u </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>eenvoudig aan met het bovenstaande e-mailadres en het </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>wachtwoord dat u hebt aangemaakt.&lt;br&gt;</translation>
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
        <translation>Internetverbinding configureren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Selecteer het type internetverbinding dat uw camera gebruikt. Weet u niet&lt;br&gt; welk type u moet kiezen, probeer dan eerst DHCP. Is uw camera&lt;br&gt; rechtstreeks aangesloten op een DSL-modem, kies dan PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Alleen lokaal</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Dynamisch IP-adres aanvragen bij de gateway of router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Verbindingstype:&lt;/span&gt;&lt;/p&gt;</translation>
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
        <translation>Vast IP-adres</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Subnetmasker:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>Primaire DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>Secundaire DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Kent u uw gebruikersnaam en wachtwoord niet,&lt;br&gt;neem dan contact op met uw internetprovider.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Voer een geldig vast IP-adres in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Voer de PPPoE-gebruikersnaam in</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;De led van de Cloud-camera wordt groen zodra deze gereed is. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Waarom blijft de led rood?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de voeding aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Haal het apparaat uit&lt;br&gt; de verpakking&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;De led van de Cloud-camera wordt groen zodra deze gereed is. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Waarom blijft de led rood?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Sluit de voedingsadapter aan op de voedingsaansluiting aan de achterkant van het apparaat. Steek de adapter vervolgens in een stopcontact. Sla deze stap over als uw camera via PoE (Power over Ethernet) is aangesloten.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de netwerkkabel aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Haal het apparaat uit&lt;br&gt; de verpakking&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Sluit de voedingsadapter aan op de voedingsaansluiting aan de achterkant van het apparaat. Steek de adapter vervolgens in een stopcontact. Sla deze stap over als uw camera via PoE (Power over Ethernet) is aangesloten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de voeding aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;De led van de Cloud-camera wordt groen zodra deze gereed is. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Waarom blijft de led rood?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Is uw camera via PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;aangesloten, sla deze&lt;br&gt; stap dan over.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de netwerkkabel aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Haal het apparaat uit&lt;br&gt; de verpakking&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de voeding aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Directe verbinding</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;De led van de Cloud-camera wordt groen zodra deze gereed is. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Waarom blijft de led rood?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Is uw camera via PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;aangesloten, sla deze&lt;br&gt; stap dan over.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de netwerkkabel aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Haal het apparaat uit&lt;br&gt; de verpakking&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sluit de voeding aan&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Modelnaam:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
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
        <translation>Tonen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Als u de olvaris-functies van deze &lt;br/&gt;camera wilt gebruiken, zorg dan voor een&lt;br/&gt; werkende internetverbinding en voer deze&lt;br/&gt; installatiewizard opnieuw uit.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>olvaris-account:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>account</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Uw &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is nu geregistreerd bij &lt;br/&gt;olvaris en klaar voor gebruik. U kunt uw camera nu&lt;br/&gt; altijd en overal bekijken via de &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;-&lt;br/&gt;website of een van de &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobiele apps&lt;/span&gt;&lt;/a&gt;. Meld u&lt;br/&gt; eenvoudig aan met het bovenstaande e-mailadres en het&lt;br/&gt; wachtwoord dat u hebt aangemaakt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Snelkoppeling naar camera op bureaublad maken</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Geef uw camera een naam en&lt;br&gt; een wachtwoord</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Cameranaam:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Wachtwoord camera:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Herhaal wachtwoord:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Modelnaam:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Begin:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Einde:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>Zo</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Ma</translation>
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
        <translation>Wo</translation>
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
        <translation>Vr</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Za</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Verschuiving:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Wachtwoord vergeten&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Tijdzone:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Zomertijd inschakelen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Het wachtwoord bestaat uit 6-30 letters en&lt;br&gt; cijfers, zonder spaties)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registreer bij olvaris voor overal toegang tot&lt;br&gt; uw camera</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Uw camera instellen en beveiligen</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Huidig wachtwoord:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>De wachtwoorden komen niet overeen. Voer het wachtwoord opnieuw in.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Verbind uw camera draadloos met uw netwerk</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Controleer uw wachtwoord: het moet uit 6-30 letters en cijfers bestaan,&lt;br&gt;zonder spaties.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Controleer uw wachtwoord: het moet 6-30 tekens lang zijn, zonder spaties.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fout</translation>
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
        <translation>Kan geen verbinding maken met internet</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Kan geen verbinding maken met internet. Klik op Sluiten, controleer uw instellingen en probeer het opnieuw.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Kan geen verbinding maken met internet. Klik op Opnieuw om het nogmaals te proberen.&lt;br&gt;Lukt het verbinden nog steeds niet, reset dan uw camera en voer de installatiewizard opnieuw uit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Lokale weergave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Internetverbinding configureren</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Controleer of uw wachtwoord uit 6-30 letters en cijfers bestaat, zonder spaties.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Controleer of uw wachtwoord 6-30 tekens lang is en geen spaties bevat.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Controleer de apparaatnaam: deze moet korter zijn dan 32 tekens en mag&lt;br&gt; alleen letters en cijfers bevatten</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Voer het IP-adres van uw primaire DNS-server in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Voer een geldig vast IP-adres in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Voer de PPPoE-gebruikersnaam in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Voer het PPPoE-wachtwoord in</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Verwijder &quot;;&quot; en &quot;=&quot; uit de PPPoE-gebruikersnaam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Gebruik alleen West-Europese tekens</translation>
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
        <translation>Draadloos verbinden?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Handmatig invoeren</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Selecteer &lt; uw wifinetwerk &gt;</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>De WPS-led gaat uit zodra de camera met uw router is verbonden. Daarna brandt de statusled groen.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>Druk binnen één minuut op de WPS-knop van uw router.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Houd de WPS-knop van uw camera 6 seconden ingedrukt. De WPS-led gaat blauw knipperen.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Maak de netwerkkabel los van uw Vistrel.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Terug</translation>
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
        <translation>Uw camera instellen en beveiligen</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wifiwachtwoord invoeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wifinaam (SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Wifiwachtwoord:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Gegevens van uw wifinetwerk invoeren</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Voer het wifiwachtwoord in</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Voer de netwerknaam (SSID) in</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Kan geen draadloze verbinding maken</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Uw wifi-instellingen kunnen niet worden opgeslagen. Controleer of de netwerkkabel is aangesloten en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Netwerkkabel verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Maak de netwerkkabel los van uw camera en&lt;br&gt; klik daarna op OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Uw camera kan geen verbinding maken met uw&lt;br&gt; wifinetwerk. Sluit de netwerkkabel weer aan op&lt;br&gt; uw camera en klik op OK om de wifi-instellingen&lt;br&gt; opnieuw in te stellen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Wat is WPS?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Met Wi-Fi Protected Setup (WPS) maakt u snel, eenvoudig en automatisch een beveiligde draadloze verbinding.&lt;br&gt;De meeste moderne routers hebben een WPS-knop.&lt;br&gt;Bij sommige routers moet u zich aanmelden bij de webinterface en daar op een knop op het scherm klikken om WPS in te schakelen. Raadpleeg de handleiding van uw router voor meer informatie.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>Kan geen WPS-verbinding maken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>De wizard kan niet communiceren met uw camera. Volg de&lt;br&gt; instructies en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Kan geen verbinding maken met internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Controleer of de netwerkkabel is aangesloten en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Selecteer uw camera</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Bevestig wachtwoord:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Camera niet gevonden?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Geen apparaten gevonden.&lt;br&gt; Klik op Zoeken om opnieuw te zoeken of op Terug om uw verbindingsinstellingen te controleren.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Cameranaam</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Modelnaam:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Verbind de camera met uw netwerk</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Camera niet gevonden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Klik op Zoeken om opnieuw te zoeken of op Terug om uw&lt;br&gt; verbindingsinstellingen te controleren.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Wat is een MAC-adres?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>Een MAC-adres is een unieke netwerkidentificatie van een apparaat.&lt;br&gt;Het MAC-adres staat op het etiket op uw apparaat.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>olvaris startprogramma</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Camera instellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Weergavesoftware installeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Handleiding lezen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>PDF-lezer installeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Wilt u het programma echt afsluiten?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Waarom blijft de led rood?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Controleer het volgende:&lt;br&gt;1. Zorg dat alle kabels goed zijn aangesloten.&lt;br&gt;2. Schakel uw Vistrel uit en daarna weer in.&lt;br&gt;3. Blijft de led rood, reset dan uw Vistrel.&lt;br&gt;4. Controleer of uw modem of router goed werkt.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Uw camera resetten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Houd de Reset-knop van de camera met een opengebogen paperclip minstens 10 seconden ingedrukt terwijl de camera is aangesloten. Klik na het resetten van de camera op &apos;Herstarten&apos; om de installatiewizard opnieuw te starten.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Herstarten</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris installatiewizard</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Zero-configuratie</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Wilt u het programma echt afsluiten?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Geen internetverbinding</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Uw computer moet met internet zijn verbonden om naar een nieuwe versie van de installatiewizard te zoeken en uw camera bij olvaris te registreren voor weergave op afstand.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Alleen lokaal</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Klik op &lt;b&gt;Opnieuw&lt;/b&gt; om het nogmaals te proberen, of op &lt;b&gt;Alleen&amp;nbsp;lokaal&lt;/b&gt; om uw camera alleen voor lokale weergave in te stellen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Alleen lokale weergave</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Let op: als u deze camera alleen&lt;br&gt; voor lokale weergave instelt, kunt u de&lt;br&gt; olvaris-dienst niet gebruiken om de&lt;br&gt; camera op afstand te bekijken.&lt;br&gt;&lt;br&gt;Wilt u deze functies gebruiken, zorg dan&lt;br&gt; dat u met internet bent verbonden&lt;br&gt; voordat u deze wizard start.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Wilt u het programma echt afsluiten?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>olvaris installatiewizard</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Kies uw taal:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Engels</translation>
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
        <translation>Frans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Portugees (Portugal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Portugees (Brazilië)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Traditioneel Chinees</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Vereenvoudigd Chinees</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Tsjechisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Roemeens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Sloveens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Kies uw model</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Mogelijk is er een browservenster geopend of wordt er een andere installatiewizard uitgevoerd. Sluit uw webbrowser en alle actieve installatiewizards voordat u dit programma opent.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Er is een nieuwe versie van de installatiewizard beschikbaar. Werk bij naar de nieuwste versie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Download voltooid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>De nieuwste installatiewizard is gedownload. Klik op OK om deze wizard te sluiten en de nieuwe te starten.</translation>
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
        <translation>Fout in downloadlocatie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Selecteer een andere map om in op te slaan, of klik op &lt;b&gt;Afsluiten&lt;/b&gt; om de installatiewizard te sluiten en ga naar %1 om de nieuwste versie van de installatiewizard handmatig te downloaden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Kan niet opslaan in deze map</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>De installatiewizard kan niet schrijven in de gekozen map, dus de nieuwe versie kan daar niet worden opgeslagen.&lt;br&gt;Klik op &lt;b&gt;%1&lt;/b&gt; en kies een andere map.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Downloadfout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Klik op &lt;b&gt;Opnieuw&lt;/b&gt; om de update opnieuw te downloaden, of ga naar %1 om de nieuwste versie van de installatiewizard handmatig te downloaden.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Opnieuw</translation>
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
        <translation>Annuleren</translation>
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
        <translation>Wifinaam (SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Wifiwachtwoord:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Versleuteling:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Beveiligingstype:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Open (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Gedeeld (WEP)</translation>
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
        <translation>WPA of WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP, 64-bits</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP, 128-bits</translation>
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
        <translation>TKIP of AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Uw wifi-instellingen kunnen niet worden opgeslagen. Probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Het wifiwachtwoord moet uit 5 of 13 ASCII-tekens of uit&lt;br&gt;10 of 26 hexadecimale tekens bestaan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Het wifiwachtwoord moet uit 8-63 ASCII-tekens of uit&lt;br&gt;64 hexadecimale tekens bestaan.</translation>
    </message>
</context>
</TS>
