<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>APModeDeviceToRouter</name>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect Your Camera to Wi-Fi</source>
        <translation>Σύνδεση της κάμερας σε Wi-Fi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>Επιλέξτε το οικιακό σας δίκτυο Wi-Fi:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Μη αυτόματη εισαγωγή</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Σάρωση</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Εντοπισμός δικτύων Wi-Fi</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Εισαγωγή κωδικού Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Όνομα Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Κωδικός Wi-Fi:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Εισαγάγετε τα στοιχεία του δικτύου Wi-Fi</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Απενεργοποίηση άμεσης σύνδεσης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Πατήστε το κουμπί Direct στην κάμερα και βεβαιωθείτε ότι το κουμπί Cloud δεν αναβοσβήνει πλέον. Στη συνέχεια, κάντε κλικ στο OK για να συνεχίσετε.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Δεν ήταν δυνατή η ασύρματη σύνδεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων ασύρματου δικτύου.&lt;br&gt;Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Εισαγάγετε το όνομα δικτύου (SSID)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Εισαγάγετε τον κωδικό του ασύρματου δικτύου</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevice</name>
    <message>
        <location filename="../../apmode/apmodehosttodevice.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Σύνδεση στο Wi-Fi της κάμερας</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Συνδέστε τον υπολογιστή σας στο δίκτυο Wi-Fi της κάμερας. Το όνομα δικτύου Wi-Fi (SSID)&lt;br&gt; και ο κωδικός πρόσβασης αναγράφονται στην ετικέτα της κάμερας.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Δεν βρίσκετε το SSID της κάμερας;&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Η κάμερα δεν βρέθηκε</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Δεν είναι δυνατός ο εντοπισμός της κάμερας. Δοκιμάστε ξανά.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Δεν ήταν δυνατή η σύνδεση με την κάμερα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Αν δεν μπορείτε να συνδεθείτε με την κάμερα, δοκιμάστε να την επαναφέρετε και να ξεκινήσετε ξανά τον οδηγό από την αρχή.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>Το SSID της κάμερας δεν βρέθηκε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Αν δεν βρίσκετε το SSID της κάμερας, δοκιμάστε να την επαναφέρετε&lt;br&gt; και να ξεκινήσετε ξανά τον οδηγό από την αρχή.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Δεν είναι δυνατός ο εντοπισμός της κάμερας. Επιστρέψτε στην προηγούμενη σελίδα και επιλέξτε ξανά το μοντέλο της κάμερας.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Αποσυνδέστε το καλώδιο Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Αποσυνδέστε το καλώδιο Ethernet από την κάμερα και&lt;br&gt; κάντε κλικ στο OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevicePasswordVerify</name>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.ui" line="+6"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Σύνδεση στο Wi-Fi της κάμερας</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Η κάμερα έχει ήδη κωδικό πρόσβασης. Εισαγάγετε τον υπάρχοντα κωδικό ή επαναφέρετε την κάμερα.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Κωδικός κάμερας:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Ελέγξτε τον κωδικό πρόσβασης: πρέπει να έχει 6-30 χαρακτήρες χωρίς κενά.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Ελέγξτε ότι ο κωδικός πρόσβασης αποτελείται από 6-30 γράμματα και ψηφία χωρίς κενά.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Ελέγξτε ότι ο κωδικός πρόσβασης έχει 6-30 χαρακτήρες χωρίς κενά.</translation>
    </message>
</context>
<context>
    <name>APModeHostToRouter</name>
    <message>
        <location filename="../../apmode/apmodehosttorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Σύνδεση του υπολογιστή σε Wi-Fi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Συνδέστε τον υπολογιστή σας στο δίκτυο Wi-Fi:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Στη συνέχεια, κάντε κλικ στο «Επόμενο».</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Χωρίς σύνδεση στο Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Ο υπολογιστής σας πρέπει να είναι συνδεδεμένος στο Internet.&lt;br&gt;Κάντε κλικ στο &lt;b&gt;Επανάληψη&lt;/b&gt; για να δοκιμάσετε ξανά.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Δεν ήταν δυνατή η σύνδεση με την κάμερα</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Βεβαιωθείτε ότι ο υπολογιστής σας είναι συνδεδεμένος στο ίδιο δίκτυο Wi-Fi με την κάμερα και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Βεβαιωθείτε ότι ο υπολογιστής σας είναι συνδεδεμένος στο ίδιο δίκτυο Wi-Fi με την κάμερα.&lt;br&gt;Αν εξακολουθείτε να μην μπορείτε να συνδεθείτε, δοκιμάστε να επαναφέρετε την κάμερα και να ξεκινήσετε ξανά τον οδηγό.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>Οδηγός ρύθμισης olvaris</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;ΣΥΜΒΑΣΗ ΑΔΕΙΑΣ ΧΡΗΣΗΣ ΤΕΛΙΚΟΥ ΧΡΗΣΤΗ&lt;/b&gt;&lt;br&gt; &lt;b&gt;Διαβάστε προσεκτικά αυτή τη σύμβαση πριν χρησιμοποιήσετε τον Οδηγό ρύθμισης olvaris.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Η παρούσα σύμβαση συνάπτεται μεταξύ εσάς και της Tervane. Επιλέγοντας το πλαίσιο παρακάτω και κάνοντας κλικ στο «Αποδέχομαι», αποδέχεστε τους όρους της.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Άδεια χρήσης.&lt;/b&gt; Η Tervane σάς παραχωρεί προσωπική, μη αποκλειστική και μη μεταβιβάσιμη άδεια εγκατάστασης και χρήσης αυτού του οδηγού για τη ρύθμιση καμερών που σας ανήκουν ή που έχετε δικαίωμα να διαχειρίζεστε.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Περιορισμοί.&lt;/b&gt; Δεν επιτρέπεται να πωλείτε, να εκμισθώνετε, να δανείζετε ή να διανέμετε τον οδηγό, ούτε να τον τροποποιείτε, να τον απομεταγλωττίζετε ή να εφαρμόζετε σε αυτόν αντίστροφη μηχανική, εκτός αν ο νόμος το επιτρέπει ρητά.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Διαδικτυακές υπηρεσίες.&lt;/b&gt; Ο οδηγός επικοινωνεί με υπηρεσίες της Tervane στο Internet για να αναζητήσει νεότερη έκδοση, να κατεβάσει πληροφορίες συσκευών και να καταχωρήσει την κάμερά σας στο olvaris. Για τη χρήση αυτή ισχύουν οι όροι παροχής υπηρεσιών και η πολιτική απορρήτου του olvaris.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Ενημερώσεις.&lt;/b&gt; Όταν υπάρχει νεότερη έκδοση του οδηγού, εσείς αποφασίζετε αν θα την κατεβάσετε και θα την εγκαταστήσετε.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Αποποίηση εγγυήσεων.&lt;/b&gt; Στον βαθμό που επιτρέπει ο νόμος, ο οδηγός παρέχεται «ως έχει», χωρίς κανενός είδους εγγύηση.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Ευθύνη.&lt;/b&gt; Στον βαθμό που επιτρέπει ο νόμος, η Tervane δεν ευθύνεται για έμμεσες ή αποθετικές ζημίες που προκύπτουν από τη χρήση του οδηγού.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Λήξη.&lt;/b&gt; Η παρούσα άδεια λήγει αν παραβιάσετε τους όρους της· στην περίπτωση αυτή πρέπει να διαγράψετε κάθε αντίγραφο του οδηγού.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Διάβασα, κατανοώ και αποδέχομαι τους Όρους και Προϋποθέσεις της Tervane.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>Αποδέχομαι</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Όροι και Προϋποθέσεις</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;ΣΥΜΒΑΣΗ ΑΔΕΙΑΣ ΧΡΗΣΗΣ ΤΕΛΙΚΟΥ ΧΡΗΣΤΗ&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Διαβάστε προσεκτικά αυτή τη σύμβαση πριν χρησιμοποιήσετε τον Οδηγό ρύθμισης olvaris.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Η παρούσα σύμβαση συνάπτεται μεταξύ εσάς και της Tervane. Επιλέγοντας το πλαίσιο παρακάτω και κάνοντας κλικ στο «Αποδέχομαι», αποδέχεστε τους όρους της.&lt;br&gt;&lt;br&gt;1. Άδεια χρήσης. Η Tervane σάς παραχωρεί προσωπική, μη αποκλειστική και μη μεταβιβάσιμη άδεια εγκατάστασης και χρήσης αυτού του οδηγού για τη ρύθμιση καμερών που σας ανήκουν ή που έχετε δικαίωμα να διαχειρίζεστε.&lt;br&gt;&lt;br&gt;2. Περιορισμοί. Δεν επιτρέπεται να πωλείτε, να εκμισθώνετε, να δανείζετε ή να διανέμετε τον οδηγό, ούτε να τον τροποποιείτε, να τον απομεταγλωττίζετε ή να εφαρμόζετε σε αυτόν αντίστροφη μηχανική, εκτός αν ο νόμος το επιτρέπει ρητά.&lt;br&gt;&lt;br&gt;3. Διαδικτυακές υπηρεσίες. Ο οδηγός επικοινωνεί με υπηρεσίες της Tervane στο Internet για να αναζητήσει νεότερη έκδοση, να κατεβάσει πληροφορίες συσκευών και να καταχωρήσει την κάμερά σας στο olvaris. Για τη χρήση αυτή ισχύουν οι όροι παροχής υπηρεσιών και η πολιτική απορρήτου του olvaris.&lt;br&gt;&lt;br&gt;4. Ενημερώσεις. Όταν υπάρχει νεότερη έκδοση του οδηγού, εσείς αποφασίζετε αν θα την κατεβάσετε και θα την εγκαταστήσετε.&lt;br&gt;&lt;br&gt;5. Αποποίηση εγγυήσεων. Στον βαθμό που επιτρέπει ο νόμος, ο οδηγός παρέχεται «ως έχει», χωρίς κανενός είδους εγγύηση.&lt;br&gt;&lt;br&gt;6. Ευθύνη. Στον βαθμό που επιτρέπει ο νόμος, η Tervane δεν ευθύνεται για έμμεσες ή αποθετικές ζημίες που προκύπτουν από τη χρήση του οδηγού.&lt;br&gt;&lt;br&gt;7. Λήξη. Η παρούσα άδεια λήγει αν παραβιάσετε τους όρους της· στην περίπτωση αυτή πρέπει να διαγράψετε κάθε αντίγραφο του οδηγού.</translation>
    </message>
</context>
<context>
    <name>AlreadyRegisteredPage</name>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera Already Registered</source>
        <translation>Η κάμερα είναι ήδη καταχωρημένη</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Η κάμερα είναι ήδη καταχωρημένη σε λογαριασμό olvaris. Για να την καταχωρήσετε σε άλλο λογαριασμό, πρέπει να επαναφέρετε την κάμερα. Διαφορετικά, κάντε κλικ στο «Επόμενο».&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Εγγραφείτε στο olvaris για πρόσβαση&lt;br&gt; στην κάμερα από παντού</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Η κάμερα είναι ήδη καταχωρημένη σε λογαριασμό olvaris. Για να την καταχωρήσετε σε άλλο λογαριασμό, πρέπει να επαναφέρετε την κάμερα. Διαφορετικά, κάντε κλικ στο «Επόμενο».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Ρυθμίστε και προστατέψτε την κάμερα</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Συνδέστε την κάμερα ασύρματα στο δίκτυο</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Σύνδεση υλικού</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Επιλέξτε το μοντέλο της κάμερας για να δείτε τις οδηγίες εγκατάστασης:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Παράλειψη</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Επιλέξτε τον τύπο σύνδεσης της κάμερας:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Άμεση σύνδεση</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Επιλέξτε τύπο σύνδεσης</translation>
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
        <translation>PoE (τροφοδοσία Ethernet)</translation>
    </message>
    <message>
        <location line="-247"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC (μέσω ηλεκτροδικτύου)</translation>
    </message>
</context>
<context>
    <name>CloudServicesPage</name>
    <message>
        <location filename="../../cloud/cloudservicespage.ui" line="+12"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign up for olvaris to remotely&lt;br&gt;access your camera</source>
        <translation>Εγγραφείτε στο olvaris για απομακρυσμένη&lt;br&gt; πρόσβαση στην κάμερα</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Νέος λογαριασμός</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Υπάρχων λογαριασμός</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Όχι, ευχαριστώ</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Συνδέστε την κάμερα ασύρματα στο δίκτυο</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Εγγραφείτε στο olvaris για πρόσβαση&lt;br&gt; στην κάμερα από παντού</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Ρυθμίστε και προστατέψτε την κάμερα</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Σφάλμα</translation>
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
        <translation>Απαιτείται επαλήθευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Στάλθηκε μήνυμα επαλήθευσης στη διεύθυνση e-mail σας. Κάντε κλικ στον σύνδεσμο του μηνύματος εντός 7 ημερών για να επαληθεύσετε τον λογαριασμό σας.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Η υπηρεσία cloud δεν είναι αξιόπιστη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Σφάλμα υπηρεσίας cloud</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>Η υπηρεσία olvaris δεν μπόρεσε να αποδείξει την ταυτότητά της, γι’ αυτό δεν στάλθηκαν δεδομένα.&lt;br&gt;Ελέγξτε την ημερομηνία και την ώρα του υπολογιστή και δοκιμάστε ξανά ή συνεχίστε χωρίς υπηρεσίες cloud.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>Η υπηρεσία olvaris δεν ολοκλήρωσε το αίτημα.&lt;br&gt;Ελέγξτε τη σύνδεση στο Internet και δοκιμάστε ξανά ή συνεχίστε χωρίς υπηρεσίες cloud.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>Η υπηρεσία olvaris δεν ολοκλήρωσε το αίτημα.&lt;br&gt;Ελέγξτε τη σύνδεση στο Internet και, στη συνέχεια, κάντε κλικ στο «%1» ή στο «%2» για να δοκιμάσετε ξανά ή συνεχίστε χωρίς υπηρεσίες cloud.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>Η κάμερα προστέθηκε στον λογαριασμό σας olvaris, αλλά δεν επιβεβαίωσε την καταχώρησή της.&lt;br&gt;Ελέγξτε τη σύνδεση δικτύου και, στη συνέχεια, κάντε κλικ στο «%1» για να δοκιμάσετε ξανά ή συνεχίστε χωρίς υπηρεσίες cloud.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Η κάμερα δεν καταχωρήθηκε</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Οι υπηρεσίες cloud δεν θα είναι διαθέσιμες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Σημειώστε ότι αν παραλείψετε αυτό&lt;br&gt; το βήμα, δεν θα μπορείτε να βλέπετε&lt;br&gt; την κάμερα από απόσταση μέσω της&lt;br&gt; υπηρεσίας olvaris.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Η κάμερα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>έχει πλέον καταχωρηθεί στο </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>olvaris και είναι έτοιμη για χρήση. Μπορείτε να βλέπετε </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>την κάμερα από παντού, οποτεδήποτε, μέσω του ιστότοπου &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt; </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>ή μέσω των &lt;a href=&apos;%1/apps&apos;&gt;%2εφαρμογών για κινητά&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;. Για να συνδεθείτε, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>χρησιμοποιήστε το παραπάνω e-mail και τον κωδικό </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>πρόσβασης που δημιουργήσατε.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ConfigNetworkMessageBox</name>
    <message>
        <location filename="../../setup/confignetworkmessagebox.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Configure Your Internet Connection</source>
        <translation>Ρύθμιση σύνδεσης στο Internet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Επιλέξτε τον τύπο σύνδεσης στο Internet που θα χρησιμοποιεί η κάμερα.&lt;br&gt;Αν δεν είστε βέβαιοι ποιον τύπο να επιλέξετε, δοκιμάστε πρώτα το DHCP.&lt;br&gt;Αν η κάμερα είναι συνδεδεμένη απευθείας σε μόντεμ DSL, επιλέξτε PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>Μόνο τοπικά</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Λήψη δυναμικής διεύθυνσης IP από την πύλη ή τον δρομολογητή&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Τύπος σύνδεσης:&lt;/span&gt;&lt;/p&gt;</translation>
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
        <translation>Στατική IP</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Πύλη:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Μάσκα υποδικτύου:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>Διεύθυνση IP:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>Κύριος DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>Δευτερεύων DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Όνομα χρήστη:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Αν δεν γνωρίζετε το όνομα χρήστη και τον κωδικό πρόσβασης,&lt;br&gt;επικοινωνήστε με τον πάροχο υπηρεσιών Internet.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Εισαγάγετε έγκυρη στατική διεύθυνση IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Εισαγάγετε το όνομα χρήστη PPPoE</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Η λυχνία LED της κάμερας Cloud θα ανάψει πράσινη όταν είναι έτοιμη. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Γιατί η λυχνία μένει κόκκινη;&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε την τροφοδοσία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Βγάλτε τη συσκευή από&lt;br&gt; τη συσκευασία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Η λυχνία LED της κάμερας Cloud θα ανάψει πράσινη όταν είναι έτοιμη. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Γιατί η λυχνία μένει κόκκινη;&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Συνδέστε τον μετασχηματιστή ρεύματος στην υποδοχή τροφοδοσίας στο πίσω μέρος της συσκευής. Έπειτα συνδέστε τον μετασχηματιστή στην πρίζα. Παραλείψτε αυτό το βήμα αν η κάμερα συνδέεται μέσω PoE (τροφοδοσία μέσω Ethernet).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε το καλώδιο Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Βγάλτε τη συσκευή από&lt;br&gt; τη συσκευασία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Συνδέστε τον μετασχηματιστή ρεύματος στην υποδοχή τροφοδοσίας στο πίσω μέρος της συσκευής. Έπειτα συνδέστε τον μετασχηματιστή στην πρίζα. Παραλείψτε αυτό το βήμα αν η κάμερα συνδέεται μέσω PoE (τροφοδοσία μέσω Ethernet).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε την τροφοδοσία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Η λυχνία LED της κάμερας Cloud θα ανάψει πράσινη όταν είναι έτοιμη. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Γιατί η λυχνία μένει κόκκινη;&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Αν η κάμερα συνδέεται&lt;br&gt; μέσω PoE (τροφοδοσία&lt;br&gt; μέσω Ethernet),&lt;br&gt;παραλείψτε αυτό&lt;br&gt; το βήμα.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε το καλώδιο Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Βγάλτε τη συσκευή από&lt;br&gt; τη συσκευασία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε την τροφοδοσία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Άμεση σύνδεση</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Η λυχνία LED της κάμερας Cloud θα ανάψει πράσινη όταν είναι έτοιμη. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Γιατί η λυχνία μένει κόκκινη;&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Αν η κάμερα συνδέεται&lt;br&gt; μέσω PoE (τροφοδοσία&lt;br&gt; μέσω Ethernet),&lt;br&gt;παραλείψτε αυτό&lt;br&gt; το βήμα.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε το καλώδιο Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Βγάλτε τη συσκευή από&lt;br&gt; τη συσκευασία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Συνδέστε την τροφοδοσία&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSetupCompletePage</name>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.ui" line="+7"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup Complete</source>
        <translation>Η ρύθμιση ολοκληρώθηκε</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Μοντέλο:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>όνομα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>pw</source>
        <translation>κωδικός</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+256"/>
        <source>Show</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Για να ενεργοποιήσετε τις λειτουργίες olvaris &lt;br/&gt;αυτής της κάμερας, βεβαιωθείτε ότι η σύνδεση&lt;br/&gt; στο Internet λειτουργεί και εκτελέστε ξανά&lt;br/&gt; τον Οδηγό ρύθμισης.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>Λογαριασμός olvaris:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>λογαριασμός</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Η κάμερα &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; έχει πλέον καταχωρηθεί στο &lt;br/&gt;olvaris και είναι έτοιμη για χρήση. Μπορείτε πλέον να βλέπετε&lt;br/&gt; την κάμερα από παντού, οποτεδήποτε, μέσω του ιστότοπου &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt; ή μέσω μιας από τις &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;εφαρμογές για κινητά&lt;/span&gt;&lt;/a&gt;. Για να συνδεθείτε,&lt;br/&gt;χρησιμοποιήστε την παραπάνω διεύθυνση e-mail και τον κωδικό&lt;br/&gt; πρόσβασης που δημιουργήσατε.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Δημιουργία συντόμευσης στην επιφάνεια εργασίας</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Απόκρυψη</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Ορίστε όνομα και κωδικό&lt;br&gt; για την κάμερα</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Όνομα κάμερας:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Κωδικός κάμερας:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Επανάληψη κωδικού:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Μοντέλο:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Έναρξη:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Λήξη:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>Κυρ</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Δευ</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>Τρί</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>Τετ</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>Πέμ</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>Παρ</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Σάβ</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Μετατόπιση:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Ξεχάσατε τον κωδικό;&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Ζώνη ώρας:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Θερινή ώρα</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Χειροκίνητα</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Αυτόματα</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Ο κωδικός έχει 6-30 γράμματα και ψηφία&lt;br&gt; χωρίς κενά)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Εγγραφείτε στο olvaris για πρόσβαση&lt;br&gt; στην κάμερα από παντού</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Ρυθμίστε και προστατέψτε την κάμερα</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Τρέχων κωδικός:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>Οι κωδικοί δεν ταιριάζουν. Πληκτρολογήστε ξανά τον κωδικό.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Συνδέστε την κάμερα ασύρματα στο δίκτυο</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Ελέγξτε τον κωδικό πρόσβασης: πρέπει να έχει 6-30 γράμματα και ψηφία&lt;br&gt; χωρίς κενά.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Ελέγξτε τον κωδικό πρόσβασης: πρέπει να έχει 6-30 χαρακτήρες χωρίς κενά.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Σφάλμα</translation>
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
        <translation>Δεν ήταν δυνατή η σύνδεση στο Internet</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Δεν ήταν δυνατή η σύνδεση στο Internet. Κάντε κλικ στο «Κλείσιμο», ελέγξτε τις ρυθμίσεις και δοκιμάστε ξανά.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Δεν ήταν δυνατή η σύνδεση στο Internet. Κάντε κλικ στο «Επανάληψη» για να δοκιμάσετε ξανά.&lt;br&gt;Αν εξακολουθείτε να μην μπορείτε να συνδεθείτε, δοκιμάστε να επαναφέρετε την κάμερα και να εκτελέσετε ξανά τον οδηγό ρύθμισης.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Τοπική προβολή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Ρύθμιση σύνδεσης στο Internet</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Ελέγξτε ότι ο κωδικός πρόσβασης αποτελείται από 6-30 γράμματα και ψηφία χωρίς κενά.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Ελέγξτε ότι ο κωδικός πρόσβασης έχει 6-30 χαρακτήρες χωρίς κενά.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Ελέγξτε το όνομα της συσκευής: πρέπει να έχει λιγότερους από 32 χαρακτήρες και&lt;br&gt; να περιέχει μόνο γράμματα και ψηφία</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Εισαγάγετε τη διεύθυνση IP του κύριου διακομιστή DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Εισαγάγετε έγκυρη στατική διεύθυνση IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Εισαγάγετε το όνομα χρήστη PPPoE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Εισαγάγετε τον κωδικό PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Αφαιρέστε τους χαρακτήρες «;» και «=» από το όνομα χρήστη PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Χρησιμοποιήστε μόνο δυτικοευρωπαϊκούς χαρακτήρες</translation>
    </message>
</context>
<context>
    <name>DeviceWiFiChangePage</name>
    <message>
        <location filename="../../wifi/devicewifichangepage.ui" line="+31"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connect with Wireless?</source>
        <translation>Ασύρματη σύνδεση;</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Μη αυτόματη εισαγωγή</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Επιλέξτε &lt; το οικιακό σας Wi-Fi &gt;</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>Η λυχνία WPS θα σβήσει μόλις η κάμερα συνδεθεί στον δρομολογητή και η λυχνία κατάστασης θα ανάψει πράσινη.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>Μέσα σε ένα λεπτό, πατήστε το κουμπί WPS στον δρομολογητή.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Κρατήστε πατημένο το κουμπί WPS της κάμερας για 6 δευτερόλεπτα. Η λυχνία WPS θα αρχίσει να αναβοσβήνει μπλε.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Αποσυνδέστε το καλώδιο Ethernet από το Vistrel.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Όχι, ευχαριστώ</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Πίσω</translation>
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
        <translation>Ρυθμίστε και προστατέψτε την κάμερα</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Εισαγωγή κωδικού Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Όνομα Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Κωδικός Wi-Fi:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Εισαγάγετε τα στοιχεία του δικτύου Wi-Fi</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Εισαγάγετε τον κωδικό του ασύρματου δικτύου</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Εισαγάγετε το όνομα δικτύου (SSID)</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Δεν ήταν δυνατή η ασύρματη σύνδεση</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων ασύρματου δικτύου. Βεβαιωθείτε ότι το καλώδιο Ethernet είναι συνδεδεμένο και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Αποσυνδέστε το καλώδιο Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Αποσυνδέστε το καλώδιο Ethernet από την κάμερα και&lt;br&gt; κάντε κλικ στο OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Η κάμερα δεν μπόρεσε να συνδεθεί στο δίκτυο&lt;br&gt; Wi-Fi. Συνδέστε ξανά το καλώδιο Ethernet&lt;br&gt; στην κάμερα και κάντε κλικ στο OK για να&lt;br&gt; ρυθμίσετε ξανά το ασύρματο δίκτυο.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Τι είναι το WPS;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Το Wi-Fi Protected Setup (WPS) σάς επιτρέπει&lt;br&gt; να δημιουργήσετε μια ασφαλή ασύρματη σύνδεση&lt;br&gt; γρήγορα, εύκολα και αυτόματα.&lt;br&gt;Οι περισσότεροι σύγχρονοι δρομολογητές έχουν&lt;br&gt; κουμπί WPS. Σε ορισμένους πρέπει να συνδεθείτε&lt;br&gt; στο περιβάλλον web και να κάνετε κλικ σε ένα&lt;br&gt; κουμπί στην οθόνη για να ενεργοποιήσετε το WPS.&lt;br&gt;Για λεπτομέρειες, ανατρέξτε στο εγχειρίδιο&lt;br&gt; χρήσης του δρομολογητή.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>Δεν ήταν δυνατή η σύνδεση WPS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>Ο οδηγός δεν μπόρεσε να επικοινωνήσει με την κάμερα. Ακολουθήστε τις οδηγίες και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Δεν ήταν δυνατή η σύνδεση στο Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Βεβαιωθείτε ότι το καλώδιο Ethernet είναι συνδεδεμένο και δοκιμάστε ξανά.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Επιλέξτε την κάμερα</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Επιβεβαίωση κωδικού:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Σάρωση</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Δεν βρίσκετε την κάμερα;&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Δεν βρέθηκαν συσκευές.&lt;br&gt; Κάντε κλικ στο «Σάρωση» για νέα αναζήτηση ή στο «Πίσω» για να ελέγξετε τις ρυθμίσεις σύνδεσης.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Όνομα κάμερας</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>Διεύθυνση IP</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Μοντέλο:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Συνδέστε την κάμερα στο δίκτυό σας</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Η κάμερα δεν βρέθηκε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Κάντε κλικ στο «Σάρωση» για νέα αναζήτηση ή στο «Πίσω» για να ελέγξετε τις ρυθμίσεις σύνδεσης.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Τι είναι η διεύθυνση MAC;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>Η διεύθυνση MAC είναι ένας μοναδικός κωδικός αναγνώρισης μιας συσκευής στο δίκτυο.&lt;br&gt;Αναγράφεται στην ετικέτα της συσκευής.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>Εκκίνηση olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Καλώς ορίσατε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Ρύθμιση κάμερας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Εγκατάσταση λογισμικού προβολής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Εγχειρίδιο χρήσης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>Εγκατάσταση αναγνώστη PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Θέλετε σίγουρα να κλείσετε το πρόγραμμα;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <location filename="../../guide/connectionpanel.cpp" line="+29"/>
        <source>Why does the LED stay red?</source>
        <translation>Γιατί η λυχνία LED μένει κόκκινη;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Ελέγξτε τα εξής:&lt;br&gt;1. Βεβαιωθείτε ότι τα καλώδια είναι καλά συνδεδεμένα.&lt;br&gt;2. Απενεργοποιήστε το Vistrel και ενεργοποιήστε το ξανά.&lt;br&gt;3. Αν η λυχνία LED παραμένει κόκκινη, δοκιμάστε να επαναφέρετε το Vistrel.&lt;br&gt;4. Βεβαιωθείτε ότι το μόντεμ ή ο δρομολογητής λειτουργεί κανονικά.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Επαναφορά της κάμερας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Με την κάμερα συνδεδεμένη στο ρεύμα, πατήστε με έναν ισιωμένο συνδετήρα το κουμπί Reset της κάμερας και κρατήστε το πατημένο για τουλάχιστον 10 δευτερόλεπτα. Μετά την επαναφορά της κάμερας, κάντε κλικ στο «Από την αρχή» για να ξεκινήσετε ξανά τον οδηγό ρύθμισης.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Από την αρχή</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>Οδηγός ρύθμισης olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Αυτόματη ρύθμιση</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Θέλετε σίγουρα να κλείσετε το πρόγραμμα;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <location filename="../../welcome/oppspage.ui" line="+25"/>
        <source>No Internet Connection</source>
        <translation>Χωρίς σύνδεση στο Internet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Ο υπολογιστής σας πρέπει να είναι συνδεδεμένος στο Internet για να ελέγξει για νέα έκδοση του οδηγού ρύθμισης και να καταχωρήσει την κάμερα στο olvaris για απομακρυσμένη προβολή.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Μόνο τοπικά</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Κάντε κλικ στο &lt;b&gt;Επανάληψη&lt;/b&gt; για να δοκιμάσετε ξανά ή στο &lt;b&gt;Μόνο&amp;nbsp;τοπικά&lt;/b&gt; για να ρυθμίσετε την κάμερα μόνο για τοπική προβολή.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Μόνο τοπική προβολή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Σημειώστε ότι αν ρυθμίσετε την κάμερα&lt;br&gt; μόνο για τοπική προβολή, δεν θα μπορείτε&lt;br&gt; να χρησιμοποιείτε την υπηρεσία olvaris&lt;br&gt; για απομακρυσμένη προβολή.&lt;br&gt;&lt;br&gt;Για να ενεργοποιήσετε αυτές τις λειτουργίες,&lt;br&gt;συνδεθείτε στο Internet πριν&lt;br&gt; εκτελέσετε τον οδηγό.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Θέλετε σίγουρα να κλείσετε το πρόγραμμα;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../../welcome/welcomepage.ui" line="+12"/>
        <location filename="../../welcome/welcomepage.cpp" line="+564"/>
        <source>olvaris Setup Wizard</source>
        <translation>Οδηγός ρύθμισης olvaris</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Καλώς ορίσατε</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Επιλέξτε γλώσσα:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Πορτογαλικά (Πορτογαλία)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Πορτογαλικά (Βραζιλία)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Ιαπωνικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Κινεζικά (παραδοσιακά)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Κινεζικά (απλοποιημένα)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Κορεατικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Τσεχικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Δανικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Κροατικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Ουγγρικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Ολλανδικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Νορβηγικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Πολωνικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Ρουμανικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Σλοβενικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Σουηδικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Φινλανδικά</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Επιλέξτε μοντέλο</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Ίσως είναι ανοιχτό ένα παράθυρο προγράμματος περιήγησης ή εκτελείται άλλος Οδηγός ρύθμισης. Κλείστε το πρόγραμμα περιήγησης και κάθε Οδηγό ρύθμισης που εκτελείται πριν ανοίξετε αυτό το πρόγραμμα.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Υπάρχει νέα έκδοση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Υπάρχει νέα έκδοση του οδηγού ρύθμισης. Ενημερώστε τον στην πιο πρόσφατη έκδοση.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Η λήψη ολοκληρώθηκε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>Η πιο πρόσφατη έκδοση του Οδηγού ρύθμισης λήφθηκε με επιτυχία. Κάντε κλικ στο OK για να κλείσετε αυτόν τον οδηγό και να ξεκινήσετε τον νέο.</translation>
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
        <translation>Σφάλμα διαδρομής λήψης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Επιλέξτε άλλον φάκελο αποθήκευσης ή κάντε κλικ στο &lt;b&gt;Έξοδος&lt;/b&gt; για να κλείσετε τον οδηγό και μεταβείτε στο %1 για να κατεβάσετε μη αυτόματα την πιο πρόσφατη έκδοση του Οδηγού ρύθμισης.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Αδύνατη η αποθήκευση σε αυτόν τον φάκελο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>Ο οδηγός ρύθμισης δεν μπορεί να γράψει στον φάκελο που επιλέξατε, οπότε η νέα έκδοση δεν μπορεί να αποθηκευτεί εκεί.&lt;br&gt;Κάντε κλικ στο &lt;b&gt;%1&lt;/b&gt; και επιλέξτε άλλον φάκελο.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Σφάλμα λήψης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Κάντε κλικ στο &lt;b&gt;Επανάληψη&lt;/b&gt; για να κατεβάσετε ξανά την ενημέρωση ή μεταβείτε στο %1 για να κατεβάσετε μη αυτόματα την πιο πρόσφατη έκδοση του Οδηγού ρύθμισης.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
</context>
<context>
    <name>WirelessMessageBox</name>
    <message>
        <location filename="../../wifi/wirelessmessagebox.ui" line="+19"/>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Title</source>
        <translation>Τίτλος</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+179"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Όνομα Wi-Fi (SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Κωδικός Wi-Fi:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Κρυπτογράφηση:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Τύπος ασφάλειας:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Κανένας</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Ανοιχτό σύστημα (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Κοινόχρηστο κλειδί (WEP)</translation>
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
        <translation>WPA ή WPA2</translation>
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
        <translation>TKIP ή AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων ασύρματου δικτύου. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Ο κωδικός ασύρματου δικτύου πρέπει να έχει 5 ή 13 χαρακτήρες ASCII ή&lt;br&gt;10 ή 26 δεκαεξαδικά ψηφία.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Ο κωδικός ασύρματου δικτύου πρέπει να έχει 8-63 χαρακτήρες ASCII ή&lt;br&gt;64 δεκαεξαδικά ψηφία.</translation>
    </message>
</context>
</TS>
