<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
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
        <translation>Forbind kameraet til Wi-Fi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>Vælg dit Wi-Fi-netværk:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Angiv manuelt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Søg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Find Wi-Fi-netværk</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Angiv Wi-Fi-adgangskode</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi-navn (SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi-adgangskode:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Angiv oplysninger om dit Wi-Fi-netværk</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Slå direkte forbindelse fra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Tryk på Direct-knappen på kameraet, og kontrollér, at Cloud-knappen&lt;br&gt; ikke længere blinker. Klik derefter på OK for at fortsætte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Kunne ikke oprette trådløs forbindelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Dine trådløse indstillinger kunne ikke gemmes.&lt;br&gt;Prøv igen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Angiv netværksnavnet (SSID)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Angiv adgangskoden til det trådløse netværk</translation>
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
        <translation>Opret forbindelse til kameraets Wi-Fi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Forbind computeren til kameraets Wi-Fi-netværk. Netværksnavnet (SSID) og adgangskoden&lt;br&gt; står på mærkaten på kameraet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Kan du ikke finde kameraets SSID?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Kameraet blev ikke fundet</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Kameraet blev ikke fundet. Prøv igen.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Kunne ikke oprette forbindelse til kameraet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Hvis du ikke kan oprette forbindelse til kameraet, kan du nulstille det&lt;br&gt; og derefter starte guiden forfra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>Kameraets SSID blev ikke fundet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Hvis du ikke kan finde kameraets SSID, kan du nulstille kameraet&lt;br&gt; og derefter starte guiden forfra.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Kameraet blev ikke fundet. Gå tilbage til forrige side, og vælg&lt;br&gt; din kameramodel igen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Fjern netværkskablet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Tag netværkskablet ud af kameraet, og klik&lt;br&gt; derefter på OK.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Opret forbindelse til kameraets Wi-Fi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Kameraet har allerede en adgangskode. Angiv den eksisterende adgangskode, eller nulstil kameraet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Kameraets adgangskode:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Kontrollér adgangskoden: Den skal være på 6-30 tegn uden mellemrum.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Kontrollér, at adgangskoden består af 6-30 bogstaver og tal uden mellemrum.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Kontrollér, at adgangskoden er på 6-30 tegn uden mellemrum.</translation>
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
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Forbind computeren til Wi-Fi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Forbind computeren til Wi-Fi-netværket:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Klik derefter på Næste.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Ingen internetforbindelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Computeren skal have forbindelse til internettet.&lt;br&gt;Klik på &lt;b&gt;Prøv&amp;nbsp;igen&lt;/b&gt; for at prøve igen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Kunne ikke oprette forbindelse til kameraet</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Sørg for, at computeren er forbundet til samme Wi-Fi-netværk som&lt;br&gt; kameraet, og prøv derefter igen.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Sørg for, at computeren er forbundet til samme Wi-Fi-netværk som kameraet.&lt;br&gt;Hvis du stadig ikke kan oprette forbindelse, kan du nulstille kameraet og derefter starte guiden igen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris installationsguide</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;LICENSAFTALE FOR SLUTBRUGERE&lt;/b&gt;&lt;br&gt; &lt;b&gt;Læs denne aftale omhyggeligt, før du bruger olvaris installationsguiden.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Denne aftale indgås mellem dig og Tervane. Ved at markere feltet nedenfor og klikke på »Jeg accepterer« accepterer du aftalens vilkår.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licens.&lt;/b&gt; Tervane giver dig en personlig, ikke-eksklusiv og ikke-overdragelig licens til at installere og bruge denne guide til at konfigurere kameraer, som du ejer eller har tilladelse til at administrere.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Begrænsninger.&lt;/b&gt; Du må ikke sælge, udleje, udlåne eller distribuere guiden og heller ikke ændre, dekompilere eller foretage reverse engineering af den, medmindre loven udtrykkeligt tillader det.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Onlinetjenester.&lt;/b&gt; Guiden kontakter Tervanes tjenester på internettet for at søge efter en nyere version, hente enhedsoplysninger og registrere dit kamera hos olvaris. For denne brug gælder olvaris&apos; servicevilkår og privatlivspolitik.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Opdateringer.&lt;/b&gt; Når en nyere guide er tilgængelig, vælger du selv, om du vil hente og installere den.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Ingen garanti.&lt;/b&gt; Guiden leveres, som den er og forefindes, uden nogen form for garanti, i det omfang loven tillader det.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Ansvar.&lt;/b&gt; Tervane er ikke ansvarlig for indirekte skader eller følgeskader, der opstår som følge af brugen af guiden, i det omfang loven tillader det.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Ophør.&lt;/b&gt; Denne licens ophører, hvis du overtræder vilkårene; du skal da slette alle kopier af guiden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Jeg har læst og forstået Tervanes vilkår og betingelser og accepterer dem.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>Jeg accepterer</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Vilkår og betingelser</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;LICENSAFTALE FOR SLUTBRUGERE&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Læs denne aftale omhyggeligt, før du bruger olvaris installationsguiden.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Denne aftale indgås mellem dig og Tervane. Ved at markere feltet nedenfor og klikke på »Jeg accepterer« accepterer du aftalens vilkår.&lt;br&gt;&lt;br&gt;1. Licens. Tervane giver dig en personlig, ikke-eksklusiv og ikke-overdragelig licens til at installere og bruge denne guide til at konfigurere kameraer, som du ejer eller har tilladelse til at administrere.&lt;br&gt;&lt;br&gt;2. Begrænsninger. Du må ikke sælge, udleje, udlåne eller distribuere guiden og heller ikke ændre, dekompilere eller foretage reverse engineering af den, medmindre loven udtrykkeligt tillader det.&lt;br&gt;&lt;br&gt;3. Onlinetjenester. Guiden kontakter Tervanes tjenester på internettet for at søge efter en nyere version, hente enhedsoplysninger og registrere dit kamera hos olvaris. For denne brug gælder olvaris&apos; servicevilkår og privatlivspolitik.&lt;br&gt;&lt;br&gt;4. Opdateringer. Når en nyere guide er tilgængelig, vælger du selv, om du vil hente og installere den.&lt;br&gt;&lt;br&gt;5. Ingen garanti. Guiden leveres, som den er og forefindes, uden nogen form for garanti, i det omfang loven tillader det.&lt;br&gt;&lt;br&gt;6. Ansvar. Tervane er ikke ansvarlig for indirekte skader eller følgeskader, der opstår som følge af brugen af guiden, i det omfang loven tillader det.&lt;br&gt;&lt;br&gt;7. Ophør. Denne licens ophører, hvis du overtræder vilkårene; du skal da slette alle kopier af guiden.</translation>
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
        <translation>Kameraet er allerede registreret</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Dette kamera er allerede registreret til en olvaris-konto. Hvis du vil registrere det til&lt;br&gt; en anden konto, skal du nulstille kameraet. Ellers skal du klikke på Næste for at fortsætte.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registrer dig hos olvaris, og få adgang til&lt;br&gt; dit kamera overalt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Dette kamera er allerede registreret til en olvaris-konto. Hvis du vil registrere det til&lt;br&gt; en anden konto, skal du nulstille kameraet. Ellers skal du klikke på Næste for at fortsætte.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Konfigurer og beskyt dit kamera</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Forbind kameraet trådløst til dit netværk</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Tilslutning af hardware</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Vælg din kameramodel for at se installationsvejledningen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Spring over</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Vælg kameraets forbindelsestype:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Direkte forbindelse</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Vælg forbindelsestype</translation>
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
        <translation>PLC (data via elnettet)</translation>
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
        <translation>Tilmeld dig olvaris for at få&lt;br&gt; fjernadgang til dit kamera</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Ny konto</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Eksisterende konto</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Nej tak</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Forbind kameraet trådløst til dit netværk</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registrer dig hos olvaris, og få adgang til&lt;br&gt; dit kamera overalt</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Konfigurer og beskyt dit kamera</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Fejl</translation>
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
        <translation>Bekræftelse påkrævet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Der er sendt en bekræftelsesmail til din e-mailadresse. Klik på linket&lt;br&gt; i mailen inden for 7 dage for at bekræfte din konto.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Cloudtjenesten er ikke tillidsværdig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Cloudtjenesten mislykkedes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>olvaris-tjenesten kunne ikke bevise sin identitet, så intet blev sendt til den.&lt;br&gt;Kontrollér computerens dato og klokkeslæt, og prøv igen, eller fortsæt uden cloudtjenester.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>olvaris-tjenesten fuldførte ikke anmodningen.&lt;br&gt;Kontrollér internetforbindelsen, og prøv igen, eller fortsæt uden cloudtjenester.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>olvaris-tjenesten fuldførte ikke anmodningen.&lt;br&gt;Kontrollér internetforbindelsen, og klik derefter på &quot;%1&quot; eller &quot;%2&quot; for at prøve igen, eller fortsæt uden cloudtjenester.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>Kameraet er føjet til din olvaris-konto, men det bekræftede ikke sin registrering.&lt;br&gt;Kontrollér netværksforbindelsen, og klik derefter på &quot;%1&quot; for at prøve igen, eller fortsæt uden cloudtjenester.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Kameraet er ikke registreret</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Cloudtjenester vil ikke være tilgængelige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Bemærk, at hvis du springer dette&lt;br&gt; trin over, kan du ikke bruge&lt;br&gt; olvaris-tjenesten til at se kameraet&lt;br&gt; eksternt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Dit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>kamera er nu registreret hos </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>olvaris og klar til brug. Du kan nu se dit kamera </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>hvor og når som helst via &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;-</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>webstedet eller en af &lt;a href=&apos;%1/apps&apos;&gt;%2mobilapps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;. Log </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>blot ind med e-mailadressen ovenfor og den </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>adgangskode, du har oprettet.&lt;br&gt;</translation>
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
        <translation>Konfigurer din internetforbindelse</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Vælg, hvilken type internetforbindelse kameraet skal bruge. Hvis du ikke&lt;br&gt; er sikker på, hvilken type du skal vælge, kan du først prøve DHCP. Hvis&lt;br&gt; kameraet er tilsluttet direkte til et DSL-modem, skal du vælge PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>Kun lokalt</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Hent en dynamisk IP-adresse fra gatewayen eller routeren&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Forbindelsestype:&lt;/span&gt;&lt;/p&gt;</translation>
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
        <translation>Statisk IP</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Undernetmaske:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>Primær DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>Sekundær DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Hvis du ikke kender dit brugernavn og din adgangskode,&lt;br&gt;skal du kontakte din internetudbyder.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Angiv en gyldig statisk IP-adresse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Angiv PPPoE-brugernavnet</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Lampen på Cloud-&lt;br&gt;kameraet lyser grønt,&lt;br&gt;når det er klar. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Hvorfor lyser&lt;br&gt; lampen rødt?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut strømmen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tag enheden ud af&lt;br&gt; æsken&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Lampen på Cloud-&lt;br&gt;kameraet lyser grønt,&lt;br&gt;når det er klar. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Hvorfor lyser&lt;br&gt; lampen rødt?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Slut strømadapteren til strømstikket bag på enheden. Sæt derefter adapteren i en stikkontakt. Spring dette trin over, hvis kameraet tilsluttes via PoE (Power over Ethernet).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut netværkskablet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tag enheden ud af&lt;br&gt; æsken&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Slut strømadapteren til strømstikket bag på enheden. Sæt derefter adapteren i en stikkontakt. Spring dette trin over, hvis kameraet tilsluttes via PoE (Power over Ethernet).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut strømmen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Lampen på Cloud-&lt;br&gt;kameraet lyser grønt,&lt;br&gt;når det er klar. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Hvorfor lyser&lt;br&gt; lampen rødt?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Hvis kameraet tilsluttes&lt;br&gt; via PoE (Power over&lt;br&gt; Ethernet), skal du&lt;br&gt; springe dette trin&lt;br&gt; over.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut netværkskablet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tag enheden ud af&lt;br&gt; æsken&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut strømmen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Direkte forbindelse</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Lampen på Cloud-&lt;br&gt;kameraet lyser grønt,&lt;br&gt;når det er klar. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Hvorfor lyser&lt;br&gt; lampen rødt?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Hvis kameraet tilsluttes&lt;br&gt; via PoE (Power over&lt;br&gt; Ethernet), skal du&lt;br&gt; springe dette trin&lt;br&gt; over.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut netværkskablet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tag enheden ud af&lt;br&gt; æsken&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Tilslut strømmen&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Konfigurationen er fuldført</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Modelnavn:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
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
        <translation>Vis</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Hvis du vil aktivere olvaris-funktionerne på &lt;br/&gt;dette kamera, skal du sørge for at have en&lt;br/&gt; fungerende internetforbindelse og derefter&lt;br/&gt; køre installationsguiden igen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>olvaris-konto:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>account</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Dit &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; kamera er nu registreret hos &lt;br/&gt;olvaris og klar til brug. Du kan nu se dit kamera&lt;br/&gt; hvor og når som helst via &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;-&lt;br/&gt;webstedet eller en af &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobilapps&lt;/span&gt;&lt;/a&gt;. Log&lt;br/&gt; blot ind med e-mailadressen ovenfor og den&lt;br/&gt; adgangskode, du har oprettet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Opret en genvej til kameraet på skrivebordet</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Skjul</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Giv dit kamera et navn og&lt;br&gt; en adgangskode</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Kameranavn:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Kameraets adgangskode:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Gentag adgangskode:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Modelnavn:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Slut:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>Søn</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Man</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>Tir</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>Ons</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>Tor</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>Fre</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Lør</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Måned</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Uge</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Ugedag</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Klokkeslæt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Forskydning:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Glemt adgangskode&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Tidszone:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Aktivér sommertid</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Adgangskoden består af 6-30 bogstaver og&lt;br&gt; tal uden mellemrum)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Registrer dig hos olvaris, og få adgang til&lt;br&gt; dit kamera overalt</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Konfigurer og beskyt dit kamera</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Nuværende adgangskode:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>Adgangskoderne stemmer ikke overens. Skriv adgangskoden igen.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Forbind kameraet trådløst til dit netværk</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Kontrollér adgangskoden: Den skal bestå af 6-30 bogstaver og tal&lt;br&gt; uden mellemrum.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Kontrollér adgangskoden: Den skal være på 6-30 tegn uden mellemrum.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fejl</translation>
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
        <translation>Kunne ikke oprette forbindelse til internettet</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Kunne ikke oprette forbindelse til internettet. Klik på Luk, kontrollér dine indstillinger, og prøv igen.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Kunne ikke oprette forbindelse til internettet. Klik på Prøv igen for at prøve igen.&lt;br&gt;Hvis du stadig ikke kan oprette forbindelse, kan du nulstille kameraet og derefter køre installationsguiden igen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Lokal visning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Konfigurer din internetforbindelse</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Kontrollér, at adgangskoden består af 6-30 bogstaver og tal uden mellemrum.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Kontrollér, at adgangskoden er på 6-30 tegn uden mellemrum.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Kontrollér enhedsnavnet: Det skal være kortere end 32 tegn og må&lt;br&gt; kun indeholde bogstaver og tal</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Angiv IP-adressen på din primære DNS-server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Angiv en gyldig statisk IP-adresse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Angiv PPPoE-brugernavnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Angiv PPPoE-adgangskoden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Fjern &quot;;&quot; og &quot;=&quot; fra PPPoE-brugernavnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Brug kun vesteuropæiske tegn</translation>
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
        <translation>Opret trådløs forbindelse?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Angiv manuelt</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Vælg &lt; dit Wi-Fi-netværk &gt;</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>WPS-lampen slukker, når kameraet har oprettet forbindelse til routeren, og derefter lyser statuslampen grønt.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>Tryk på WPS-knappen på routeren inden for et minut.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Hold WPS-knappen på kameraet inde i 6 sekunder. WPS-lampen begynder at blinke blåt.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Tag netværkskablet ud af din Vistrel.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Nej tak</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Tilbage</translation>
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
        <translation>Konfigurer og beskyt dit kamera</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Angiv Wi-Fi-adgangskode</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi-navn (SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi-adgangskode:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Angiv oplysninger om dit Wi-Fi-netværk</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Angiv adgangskoden til det trådløse netværk</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Angiv netværksnavnet (SSID)</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Kunne ikke oprette trådløs forbindelse</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Dine trådløse indstillinger kunne ikke gemmes. Kontrollér, at netværkskablet er tilsluttet, og prøv igen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Fjern netværkskablet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Tag netværkskablet ud af kameraet, og klik&lt;br&gt; derefter på OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Kameraet kunne ikke oprette forbindelse til dit&lt;br&gt; Wi-Fi-netværk. Slut netværkskablet til kameraet&lt;br&gt; igen, og klik derefter på OK for at konfigurere&lt;br&gt; de trådløse indstillinger igen.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Hvad er WPS?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Med Wi-Fi Protected Setup (WPS) kan du&lt;br&gt; oprette en sikker trådløs forbindelse&lt;br&gt; hurtigt, nemt og automatisk.&lt;br&gt;De fleste moderne routere har en WPS-knap.&lt;br&gt;På nogle routere skal du muligvis logge på&lt;br&gt; webgrænsefladen og klikke på en knap på&lt;br&gt; skærmen for at aktivere WPS. Se routerens&lt;br&gt; brugervejledning for at få flere oplysninger.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>Kunne ikke oprette WPS-forbindelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>Guiden kunne ikke kommunikere med kameraet. Følg&lt;br&gt; vejledningen, og prøv igen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Kunne ikke oprette forbindelse til internettet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Kontrollér, at netværkskablet er tilsluttet, og prøv igen.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Vælg dit kamera</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Bekræft adgangskode:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Søg</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Kan du ikke finde kameraet?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Der blev ikke fundet nogen enheder.&lt;br&gt; Klik på Søg for at søge igen, eller klik på Tilbage for at kontrollere forbindelsesindstillingerne.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Kameranavn</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Modelnavn:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Lad os forbinde kameraet til dit netværk</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Kameraet blev ikke fundet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Klik på Søg for at søge igen, eller klik på Tilbage for at kontrollere&lt;br&gt; forbindelsesindstillingerne.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Hvad er en MAC-adresse?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>En MAC-adresse er en entydig netværksidentifikation for en enhed.&lt;br&gt;MAC-adressen står på mærkaten på din enhed.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>olvaris startprogram</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Konfigurer dit kamera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Installer visningsprogrammet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Læs vejledningen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>Installer en PDF-læser</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Vil du virkelig afslutte?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>Hvorfor lyser lampen rødt?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Kontrollér følgende:&lt;br&gt;1. Sørg for, at alle kabler sidder korrekt.&lt;br&gt;2. Sluk din Vistrel, og tænd den derefter igen.&lt;br&gt;3. Hvis lampen stadig lyser rødt, kan du nulstille din Vistrel.&lt;br&gt;4. Kontrollér, at dit modem eller din router fungerer korrekt.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Nulstil dit kamera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Mens kameraet er tilsluttet strøm, skal du bruge en udfoldet papirclips til at trykke på Reset-knappen på kameraet og holde den inde i mindst 10 sekunder. Når kameraet er nulstillet, skal du klikke på &quot;Start forfra&quot; for at starte installationsguiden igen.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Start forfra</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris installationsguide</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Nulkonfiguration</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Vil du virkelig afslutte?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>Ingen internetforbindelse</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Computeren skal have forbindelse til internettet for at&lt;br&gt; søge efter en ny version af installationsguiden og registrere&lt;br&gt; dit kamera hos olvaris til fjernvisning.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Kun lokalt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Klik på &lt;b&gt;Prøv&amp;nbsp;igen&lt;/b&gt; for at prøve igen, eller klik på &lt;b&gt;Kun&amp;nbsp;lokalt&lt;/b&gt; for kun at konfigurere kameraet til lokal visning.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Kun lokal visning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Bemærk, at hvis du kun konfigurerer&lt;br&gt; kameraet til lokal visning, kan du ikke&lt;br&gt; bruge olvaris-tjenesten til at se&lt;br&gt; kameraet eksternt.&lt;br&gt;&lt;br&gt;Hvis du vil bruge disse funktioner, skal&lt;br&gt; du sørge for at have forbindelse til&lt;br&gt; internettet, før du kører denne guide.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Vil du virkelig afslutte?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>olvaris installationsguide</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Vælg sprog:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Engelsk</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>Fransk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Russisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spansk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Portugisisk (Portugal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Portugisisk (Brasilien)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japansk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Traditionelt kinesisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Forenklet kinesisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreansk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Tjekkisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Tysk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Græsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Kroatisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Ungarsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italiensk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Nederlandsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Polsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Rumænsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Slovensk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Svensk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Finsk</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Vælg din model</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Der er muligvis et browservindue åbent, eller en anden installationsguide&lt;br&gt; kører muligvis. Luk din webbrowser og alle kørende installationsguider,&lt;br&gt;før du åbner dette program.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Ny version tilgængelig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Der er en ny version af installationsguiden. Opdater til den nyeste version.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Overførslen er fuldført</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>Den nyeste installationsguide er hentet. Klik på OK for at lukke denne guide og starte den nye.</translation>
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
        <translation>Fejl i overførselsmappe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Vælg en anden mappe at gemme i, eller klik på &lt;b&gt;Afslut&lt;/b&gt; for at lukke installationsguiden, og gå til %1 for selv at hente den nyeste version af installationsguiden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Der kan ikke gemmes i denne mappe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>Installationsguiden kan ikke skrive i den valgte mappe, så den nye version kan ikke gemmes der.&lt;br&gt;Klik på &lt;b&gt;%1&lt;/b&gt;, og vælg en anden mappe.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Overførselsfejl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Klik på &lt;b&gt;Prøv&amp;nbsp;igen&lt;/b&gt; for at hente opdateringen igen, eller gå til %1 for selv at hente den nyeste version af installationsguiden.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Prøv igen</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi-navn (SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi-adgangskode:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Kryptering:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Sikkerhedstype:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Åben (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Delt (WEP)</translation>
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
        <translation>WPA eller WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP, 64 bit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP, 128 bit</translation>
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
        <translation>TKIP eller AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Dine trådløse indstillinger kunne ikke gemmes. Prøv igen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Adgangskoden til det trådløse netværk skal være på 5 eller 13 ASCII-tegn&lt;br&gt; eller 10 eller 26 hexadecimale tegn.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Adgangskoden til det trådløse netværk skal være på 8-63 ASCII-tegn&lt;br&gt; eller 64 hexadecimale tegn.</translation>
    </message>
</context>
</TS>
