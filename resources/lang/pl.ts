<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Połącz kamerę z siecią Wi-Fi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>Wybierz domową sieć Wi-Fi:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Wprowadź ręcznie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Wykryj sieci Wi-Fi</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wprowadź hasło Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nazwa sieci Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Hasło Wi-Fi:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Wprowadź dane sieci Wi-Fi</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Wyłącz połączenie bezpośrednie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Naciśnij przycisk Direct na kamerze i upewnij się, że przycisk Cloud&lt;br&gt; już nie miga, a następnie kliknij OK, aby kontynuować.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Nie można połączyć z siecią bezprzewodową</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Nie można zapisać ustawień sieci bezprzewodowej.&lt;br&gt;Spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Wprowadź nazwę sieci (SSID)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Wprowadź hasło sieci bezprzewodowej</translation>
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
        <translation>Połącz się z siecią Wi-Fi kamery</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Połącz komputer z siecią Wi-Fi kamery. Nazwę sieci Wi-Fi (SSID) i hasło&lt;br&gt; znajdziesz na etykiecie naklejonej na kamerze.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Nie możesz znaleźć identyfikatora SSID kamery?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Nie znaleziono kamery</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Nie można znaleźć kamery. Spróbuj ponownie.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Nie można połączyć z kamerą</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Jeśli nie możesz połączyć się z kamerą, spróbuj ją zresetować,&lt;br&gt;a następnie uruchom kreator od nowa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>Nie znaleziono identyfikatora SSID kamery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Jeśli nie możesz znaleźć identyfikatora SSID kamery, spróbuj ją zresetować, a następnie uruchom kreator od nowa.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Nie można znaleźć kamery. Wróć do poprzedniej strony i ponownie wybierz model kamery.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Odłącz kabel Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Odłącz kabel Ethernet od kamery, a następnie&lt;br&gt; kliknij OK.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Połącz się z siecią Wi-Fi kamery</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Kamera ma już hasło. Wprowadź istniejące hasło lub zresetuj kamerę.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Hasło kamery:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Sprawdź hasło i upewnij się, że ma od 6 do 30 znaków bez spacji.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Sprawdź, czy hasło ma od 6 do 30 znaków alfanumerycznych bez spacji.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Sprawdź, czy hasło ma od 6 do 30 znaków bez spacji.</translation>
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
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Połącz komputer z siecią Wi-Fi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Połącz komputer z siecią Wi-Fi:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Następnie kliknij Dalej.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Brak połączenia z Internetem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Komputer musi być połączony z Internetem.&lt;br&gt;Kliknij &lt;b&gt;Ponów&lt;/b&gt;, aby spróbować ponownie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Nie można połączyć z kamerą</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Upewnij się, że komputer jest połączony z tą samą siecią Wi-Fi co&lt;br&gt; kamera, i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Upewnij się, że komputer jest połączony z tą samą siecią Wi-Fi co kamera.&lt;br&gt;Jeśli nadal nie możesz się połączyć, spróbuj zresetować kamerę i uruchomić kreator od nowa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>Kreator konfiguracji olvaris</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;UMOWA LICENCYJNA UŻYTKOWNIKA KOŃCOWEGO&lt;/b&gt;&lt;br&gt; &lt;b&gt;Przed rozpoczęciem korzystania z Kreatora konfiguracji olvaris należy uważnie przeczytać niniejszą umowę.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Niniejsza umowa zostaje zawarta między Tobą a firmą Tervane. Zaznaczając pole poniżej i klikając przycisk Akceptuję, akceptujesz jej warunki.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licencja.&lt;/b&gt; Firma Tervane udziela Ci osobistej, niewyłącznej i niezbywalnej licencji na instalowanie i używanie tego kreatora w celu konfigurowania kamer, które są Twoją własnością lub którymi masz prawo zarządzać.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Ograniczenia.&lt;/b&gt; Nie wolno sprzedawać, wynajmować, wypożyczać ani rozpowszechniać kreatora, ani go modyfikować, dekompilować lub poddawać inżynierii wstecznej, chyba że prawo wyraźnie na to zezwala.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Usługi online.&lt;/b&gt; Kreator łączy się z usługami firmy Tervane w Internecie, aby sprawdzić dostępność nowszej wersji, pobrać informacje o urządzeniach i zarejestrować kamerę w serwisie olvaris. Do takiego korzystania mają zastosowanie warunki świadczenia usług i polityka prywatności olvaris.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Aktualizacje.&lt;/b&gt; Gdy dostępna jest nowsza wersja kreatora, to Ty decydujesz, czy ją pobrać i zainstalować.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Brak gwarancji.&lt;/b&gt; W zakresie dozwolonym przez prawo kreator jest dostarczany w stanie „takim, jaki jest”, bez jakiejkolwiek gwarancji.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Odpowiedzialność.&lt;/b&gt; W zakresie dozwolonym przez prawo firma Tervane nie ponosi odpowiedzialności za szkody pośrednie ani wtórne wynikające z używania kreatora.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Rozwiązanie.&lt;/b&gt; Niniejsza licencja wygasa w przypadku naruszenia jej warunków; należy wówczas usunąć wszystkie kopie kreatora.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Przeczytałem(-am), rozumiem i akceptuję Warunki korzystania firmy Tervane.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>Akceptuję</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Warunki korzystania</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;UMOWA LICENCYJNA UŻYTKOWNIKA KOŃCOWEGO&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Przed rozpoczęciem korzystania z Kreatora konfiguracji olvaris należy uważnie przeczytać niniejszą umowę.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Niniejsza umowa zostaje zawarta między Tobą a firmą Tervane. Zaznaczając pole poniżej i klikając przycisk Akceptuję, akceptujesz jej warunki.&lt;br&gt;&lt;br&gt;1. Licencja. Firma Tervane udziela Ci osobistej, niewyłącznej i niezbywalnej licencji na instalowanie i używanie tego kreatora w celu konfigurowania kamer, które są Twoją własnością lub którymi masz prawo zarządzać.&lt;br&gt;&lt;br&gt;2. Ograniczenia. Nie wolno sprzedawać, wynajmować, wypożyczać ani rozpowszechniać kreatora, ani go modyfikować, dekompilować lub poddawać inżynierii wstecznej, chyba że prawo wyraźnie na to zezwala.&lt;br&gt;&lt;br&gt;3. Usługi online. Kreator łączy się z usługami firmy Tervane w Internecie, aby sprawdzić dostępność nowszej wersji, pobrać informacje o urządzeniach i zarejestrować kamerę w serwisie olvaris. Do takiego korzystania mają zastosowanie warunki świadczenia usług i polityka prywatności olvaris.&lt;br&gt;&lt;br&gt;4. Aktualizacje. Gdy dostępna jest nowsza wersja kreatora, to Ty decydujesz, czy ją pobrać i zainstalować.&lt;br&gt;&lt;br&gt;5. Brak gwarancji. W zakresie dozwolonym przez prawo kreator jest dostarczany w stanie „takim, jaki jest”, bez jakiejkolwiek gwarancji.&lt;br&gt;&lt;br&gt;6. Odpowiedzialność. W zakresie dozwolonym przez prawo firma Tervane nie ponosi odpowiedzialności za szkody pośrednie ani wtórne wynikające z używania kreatora.&lt;br&gt;&lt;br&gt;7. Rozwiązanie. Niniejsza licencja wygasa w przypadku naruszenia jej warunków; należy wówczas usunąć wszystkie kopie kreatora.</translation>
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
        <translation>Kamera jest już zarejestrowana</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Ta kamera jest już zarejestrowana na koncie olvaris. Aby zarejestrować ją na&lt;br&gt; innym koncie, musisz zresetować kamerę. W przeciwnym razie kliknij Dalej, aby kontynuować.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Zarejestruj się w olvaris, aby mieć dostęp&lt;br&gt; do kamery z dowolnego miejsca</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Ta kamera jest już zarejestrowana na koncie olvaris. Aby zarejestrować ją na&lt;br&gt; innym koncie, musisz zresetować kamerę. W przeciwnym razie kliknij Dalej, aby kontynuować.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Skonfiguruj i zabezpiecz kamerę</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Połącz kamerę z siecią bezprzewodowo</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Podłączanie sprzętu</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Wybierz model kamery, aby wyświetlić instrukcje instalacji:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Pomiń instrukcje</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Wybierz typ połączenia kamery:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Połączenie bezpośrednie</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Wybierz typ połączenia</translation>
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
        <translation>PoE (zasilanie przez Ethernet)</translation>
    </message>
    <message>
        <location line="-247"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC (przez sieć elektryczną)</translation>
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
        <translation>Zarejestruj się w olvaris, aby mieć&lt;br&gt; zdalny dostęp do kamery</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Nowe konto</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Istniejące konto</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Połącz kamerę z siecią bezprzewodowo</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Zarejestruj się w olvaris, aby mieć dostęp&lt;br&gt; do kamery z dowolnego miejsca</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Skonfiguruj i zabezpiecz kamerę</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Błąd</translation>
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
        <translation>Wymagana weryfikacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Na Twój adres e-mail wysłano wiadomość weryfikacyjną. Aby zweryfikować konto, kliknij link w tej wiadomości w ciągu 7 dni.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Usługa w chmurze jest niezaufana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Błąd usługi w chmurze</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>Usługa olvaris nie mogła potwierdzić swojej tożsamości, dlatego nic do niej nie wysłano.&lt;br&gt;Sprawdź datę i godzinę na komputerze i spróbuj ponownie albo kontynuuj bez usług w chmurze.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>Usługa olvaris nie zrealizowała żądania.&lt;br&gt;Sprawdź połączenie z Internetem i spróbuj ponownie albo kontynuuj bez usług w chmurze.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>Usługa olvaris nie zrealizowała żądania.&lt;br&gt;Sprawdź połączenie z Internetem, a następnie kliknij „%1” lub „%2”, aby spróbować ponownie, albo kontynuuj bez usług w chmurze.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>Kamera została dodana do konta olvaris, ale nie potwierdziła rejestracji.&lt;br&gt;Sprawdź połączenie sieciowe, a następnie kliknij „%1”, aby spróbować ponownie, albo kontynuuj bez usług w chmurze.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Kamera niezarejestrowana</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Usługi w chmurze nie będą dostępne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Pamiętaj, że jeśli pominiesz ten&lt;br&gt; krok, nie będzie można korzystać&lt;br&gt; z usługi olvaris do zdalnego&lt;br&gt; podglądu kamery.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Twoja kamera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>jest teraz zarejestrowana w serwisie </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>olvaris i gotowa do użycia. Możesz teraz oglądać obraz </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>z kamery w dowolnym miejscu i czasie w witrynie &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt; </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>lub w jednej z &lt;a href=&apos;%1/apps&apos;&gt;%2aplikacji mobilnych&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; wystarczy </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>zalogować się, podając powyższy adres e-mail i hasło, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>które zostało przez Ciebie utworzone.&lt;br&gt;</translation>
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
        <translation>Skonfiguruj połączenie z Internetem</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Wybierz typ połączenia z Internetem, z którego będzie korzystać kamera. Jeśli&lt;br&gt; nie wiesz, który typ wybrać, najpierw wypróbuj DHCP. Jeśli kamera jest&lt;br&gt; podłączona bezpośrednio do modemu DSL, wybierz PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>Tylko lokalnie</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Żądaj dynamicznego adresu IP od bramy lub routera&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Typ połączenia:&lt;/span&gt;&lt;/p&gt;</translation>
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
        <translation>Statyczny IP</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>Podstawowy DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>Pomocniczy DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Jeśli nie znasz nazwy konta i hasła,&lt;br&gt;skontaktuj się ze swoim dostawcą usług internetowych.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Wprowadź prawidłowy statyczny adres IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Wprowadź nazwę konta PPPoE</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Dioda LED kamery Cloud zaświeci się na zielono, gdy kamera będzie gotowa. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Dlaczego dioda LED świeci na czerwono?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz zasilanie&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wyjmij urządzenie&lt;br&gt; z pudełka&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Dioda LED kamery Cloud zaświeci się na zielono, gdy kamera będzie gotowa. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Dlaczego dioda LED świeci na czerwono?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Podłącz zasilacz do gniazda zasilania z tyłu urządzenia. Następnie podłącz zasilacz do gniazdka elektrycznego. Pomiń ten krok, jeśli kamera jest podłączona przez PoE (zasilanie przez Ethernet).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz kabel Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wyjmij urządzenie&lt;br&gt; z pudełka&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Podłącz zasilacz do gniazda zasilania z tyłu urządzenia. Następnie podłącz zasilacz do gniazdka elektrycznego. Pomiń ten krok, jeśli kamera jest podłączona przez PoE (zasilanie przez Ethernet).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz zasilanie&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Dioda LED kamery Cloud zaświeci się na zielono, gdy kamera będzie gotowa. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Dlaczego dioda LED świeci na czerwono?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Jeśli kamera jest&lt;br&gt; podłączona przez PoE&lt;br&gt;(zasilanie przez&lt;br&gt; Ethernet), pomiń&lt;br&gt; ten krok.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz kabel Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wyjmij urządzenie&lt;br&gt; z pudełka&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz zasilanie&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Połączenie bezpośrednie</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Dioda LED kamery Cloud zaświeci się na zielono, gdy kamera będzie gotowa. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Dlaczego dioda LED świeci na czerwono?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Jeśli kamera jest&lt;br&gt; podłączona przez PoE&lt;br&gt;(zasilanie przez&lt;br&gt; Ethernet), pomiń&lt;br&gt; ten krok.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz kabel Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Wyjmij urządzenie&lt;br&gt; z pudełka&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Podłącz zasilanie&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Konfiguracja zakończona</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Nazwa modelu:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Hasło:</translation>
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
        <translation>Pokaż</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Aby włączyć funkcje olvaris &lt;br/&gt;tej kamery, upewnij się, że masz działające&lt;br/&gt; połączenie z Internetem, a następnie ponownie&lt;br/&gt; uruchom Kreator konfiguracji.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>Konto olvaris:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>account</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Twoja kamera &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; jest teraz zarejestrowana w serwisie &lt;br/&gt;olvaris i gotowa do użycia. Możesz teraz oglądać obraz&lt;br/&gt; z kamery w dowolnym miejscu i czasie w witrynie &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt; lub w jednej z &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;aplikacji mobilnych&lt;/span&gt;&lt;/a&gt;; wystarczy&lt;br/&gt; zalogować się przy użyciu powyższego adresu e-mail i hasła,&lt;br/&gt;które zostało przez Ciebie utworzone.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Utwórz skrót do kamery na pulpicie</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Nadaj kamerze nazwę&lt;br&gt; i hasło</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Nazwa kamery:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Hasło kamery:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Powtórz hasło:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Nazwa modelu:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Początek:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Koniec:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>Niedz.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Pon.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>Wt.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>Śr.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>Czw.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>Pt.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Sob.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Przesunięcie:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Nie pamiętasz hasła?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Strefa czasowa:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Włącz czas letni</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Ręcznie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Hasło ma od 6 do 30 znaków alfanumerycznych&lt;br&gt; bez spacji)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Zarejestruj się w olvaris, aby mieć dostęp&lt;br&gt; do kamery z dowolnego miejsca</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Skonfiguruj i zabezpiecz kamerę</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Bieżące hasło:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>Hasła nie są zgodne. Wpisz hasło ponownie.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Połącz kamerę z siecią bezprzewodowo</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Sprawdź hasło i upewnij się, że ma od 6 do 30 znaków alfanumerycznych&lt;br&gt; bez spacji.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Sprawdź hasło i upewnij się, że ma od 6 do 30 znaków bez spacji.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Błąd</translation>
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
        <translation>Nie można połączyć z Internetem</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Nie można połączyć z Internetem. Kliknij Zamknij, sprawdź ustawienia i spróbuj ponownie.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Nie można połączyć z Internetem. Kliknij Ponów, aby spróbować ponownie.&lt;br&gt;Jeśli nadal nie możesz się połączyć, spróbuj zresetować kamerę i ponownie uruchomić kreator konfiguracji.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Podgląd lokalny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Skonfiguruj połączenie z Internetem</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Sprawdź, czy hasło ma od 6 do 30 znaków alfanumerycznych bez spacji.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Sprawdź, czy hasło ma od 6 do 30 znaków bez spacji.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Sprawdź nazwę urządzenia: musi mieć mniej niż 32 znaki i może&lt;br&gt; zawierać tylko litery i cyfry</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Wprowadź adres IP podstawowego serwera DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Wprowadź prawidłowy statyczny adres IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Wprowadź nazwę konta PPPoE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Wprowadź hasło PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Usuń znaki „;” i „=” z nazwy konta PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Używaj tylko znaków zachodnioeuropejskich</translation>
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
        <translation>Połączyć bezprzewodowo?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Wprowadź ręcznie</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Wybierz &lt; Twoją domową sieć Wi-Fi &gt;</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>Po połączeniu z routerem dioda LED WPS zgaśnie, a dioda LED stanu zaświeci się na zielono.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>W ciągu minuty naciśnij przycisk WPS na routerze.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Naciśnij i przytrzymaj przez 6 sekund przycisk WPS na kamerze. Dioda LED WPS zacznie migać na niebiesko.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Odłącz kabel Ethernet od urządzenia Vistrel.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Wstecz</translation>
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
        <translation>Skonfiguruj i zabezpiecz kamerę</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wprowadź hasło Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nazwa sieci Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Hasło Wi-Fi:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Wprowadź dane sieci Wi-Fi</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Wprowadź hasło sieci bezprzewodowej</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Wprowadź nazwę sieci (SSID)</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Nie można połączyć bezprzewodowo</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Nie można zapisać ustawień sieci bezprzewodowej. Spróbuj ponownie i upewnij się, że kabel Ethernet jest podłączony.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Odłącz kabel Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Odłącz kabel Ethernet od kamery, a następnie&lt;br&gt; kliknij OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Kamera nie może połączyć się z siecią&lt;br&gt; Wi-Fi. Ponownie podłącz kabel Ethernet&lt;br&gt; do kamery, a następnie kliknij OK, aby&lt;br&gt; ponownie skonfigurować sieć bezprzewodową.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Co to jest WPS?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Funkcja Wi-Fi Protected Setup (WPS)&lt;br&gt;umożliwia szybkie, łatwe i automatyczne&lt;br&gt; nawiązanie bezpiecznego połączenia&lt;br&gt; bezprzewodowego. Większość nowoczesnych&lt;br&gt; routerów ma przycisk WPS. W niektórych&lt;br&gt; routerach trzeba zalogować się do interfejsu&lt;br&gt; WWW i kliknąć przycisk na ekranie, aby&lt;br&gt; włączyć funkcję WPS. Więcej informacji&lt;br&gt; zawiera instrukcja obsługi routera.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>Nie można połączyć przez WPS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>Kreator nie może nawiązać komunikacji z kamerą. Postępuj zgodnie&lt;br&gt; z instrukcjami i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Nie można połączyć z Internetem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Upewnij się, że kabel Ethernet jest podłączony, i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Wybierz kamerę</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Potwierdź hasło:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Nie możesz znaleźć kamery?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Nie znaleziono urządzeń.&lt;br&gt; Kliknij Skanuj, aby wyszukać ponownie, lub Wstecz, aby sprawdzić ustawienia połączenia.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Nazwa kamery</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Nazwa modelu:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Połączmy kamerę z Twoją siecią</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Nie znaleziono kamery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Kliknij Skanuj, aby wyszukać ponownie, lub Wstecz, aby sprawdzić ustawienia połączenia.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Co to jest adres MAC?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>Adres MAC to unikatowy sieciowy kod identyfikacyjny urządzenia.&lt;br&gt;Adres MAC jest wydrukowany na etykiecie naklejonej na urządzeniu.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>Program startowy olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Skonfiguruj kamerę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Zainstaluj oprogramowanie do podglądu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Przeczytaj instrukcję</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>Zainstaluj czytnik PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Czy na pewno chcesz zakończyć pracę programu?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <location filename="../../guide/connectionpanel.cpp" line="+29"/>
        <source>Why does the LED stay red?</source>
        <translation>Dlaczego dioda LED świeci na czerwono?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Sprawdź następujące kwestie:&lt;br&gt;1. Upewnij się, że kable są dobrze podłączone.&lt;br&gt;2. Spróbuj wyłączyć urządzenie Vistrel, a następnie włączyć je ponownie.&lt;br&gt;3. Jeśli dioda LED nadal świeci na czerwono, spróbuj zresetować urządzenie Vistrel.&lt;br&gt;4. Sprawdź, czy modem lub router działa prawidłowo.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Zresetuj kamerę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Gdy kamera jest podłączona do zasilania, naciśnij rozprostowanym spinaczem przycisk Reset na kamerze i przytrzymaj go przez co najmniej 10 sekund. Po zresetowaniu kamery kliknij „Zacznij od nowa”, aby ponownie uruchomić kreator konfiguracji.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Zacznij od nowa</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>Kreator konfiguracji olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Konfiguracja zerowa</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Czy na pewno chcesz zakończyć pracę programu?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <location filename="../../welcome/oppspage.ui" line="+25"/>
        <source>No Internet Connection</source>
        <translation>Brak połączenia z Internetem</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Komputer musi być połączony z Internetem, aby sprawdzić dostępność nowej wersji kreatora konfiguracji i zarejestrować kamerę w olvaris na potrzeby zdalnego podglądu.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Tylko lokalnie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Kliknij &lt;b&gt;Ponów&lt;/b&gt;, aby spróbować ponownie, lub &lt;b&gt;Tylko&amp;nbsp;lokalnie&lt;/b&gt;, aby skonfigurować kamerę tylko do podglądu lokalnego.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Tylko podgląd lokalny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Pamiętaj, że po skonfigurowaniu tej&lt;br&gt; kamery tylko do podglądu lokalnego&lt;br&gt; nie będzie można korzystać z usługi&lt;br&gt; olvaris do zdalnego podglądu kamery.&lt;br&gt;&lt;br&gt;Aby włączyć te funkcje, przed&lt;br&gt; uruchomieniem tego kreatora upewnij&lt;br&gt; się, że masz połączenie z Internetem.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Czy na pewno chcesz zakończyć pracę programu?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../../welcome/welcomepage.ui" line="+12"/>
        <location filename="../../welcome/welcomepage.cpp" line="+564"/>
        <source>olvaris Setup Wizard</source>
        <translation>Kreator konfiguracji olvaris</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Wybierz język:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Portugalski (Portugalia)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Portugalski (Brazylia)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Chorwacki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Słoweński</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Wybierz model</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Być może jest otwarte okno przeglądarki internetowej lub działa inny kreator konfiguracji. Przed otwarciem tego programu zamknij przeglądarkę internetową i wszystkie uruchomione kreatory konfiguracji.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Dostępna jest nowa wersja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Dostępna jest nowa wersja kreatora konfiguracji. Zaktualizuj go do najnowszej wersji.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>Najnowszy kreator konfiguracji został pomyślnie pobrany. Kliknij OK, aby zamknąć ten kreator i uruchomić nowy.</translation>
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
        <translation>Błąd ścieżki pobierania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Wybierz inny folder do zapisania pliku lub kliknij &lt;b&gt;Wyjdź&lt;/b&gt;, aby zamknąć kreator konfiguracji, i przejdź do %1, aby ręcznie pobrać najnowszą wersję kreatora konfiguracji.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Nie można zapisać w tym folderze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>Kreator konfiguracji nie może zapisywać w wybranym folderze, więc nie można w nim zapisać nowej wersji.&lt;br&gt;Kliknij &lt;b&gt;%1&lt;/b&gt; i wybierz inny folder.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Błąd pobierania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Kliknij &lt;b&gt;Ponów&lt;/b&gt;, aby ponownie pobrać aktualizację, lub przejdź do %1, aby ręcznie pobrać najnowszą wersję kreatora konfiguracji.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Ponów</translation>
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
        <translation>Tytuł</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+179"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nazwa sieci Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Hasło Wi-Fi:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Typ szyfrowania:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Typ zabezpieczeń:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Otwarte (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Współdzielone (WEP)</translation>
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
        <translation>WPA lub WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP, 64-bitowe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP, 128-bitowe</translation>
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
        <translation>TKIP lub AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Nie można zapisać ustawień sieci bezprzewodowej. Spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Hasło sieci bezprzewodowej może mieć tylko 5 lub 13 znaków ASCII albo&lt;br&gt;10 lub 26 znaków szesnastkowych.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Hasło sieci bezprzewodowej może mieć tylko od 8 do 63 znaków ASCII albo&lt;br&gt;64 znaki szesnastkowe.</translation>
    </message>
</context>
</TS>
