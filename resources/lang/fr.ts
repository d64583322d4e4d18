<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Connecter la caméra au Wi-Fi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>Sélectionnez votre réseau Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Détecter les réseaux Wi-Fi</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nom du Wi-Fi (SSID)&#xa0;:</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Mot de passe Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Informations sur votre réseau Wi-Fi</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>Désactiver la connexion directe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>Appuyez sur le bouton Direct de votre caméra et vérifiez que le bouton Cloud ne clignote plus, puis cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>Connexion Wi-Fi impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>Impossible d&apos;enregistrer vos paramètres Wi-Fi.&lt;br&gt;Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Veuillez saisir le nom du réseau (SSID)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>Veuillez saisir le mot de passe Wi-Fi</translation>
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
        <translation>Connexion au Wi-Fi de la caméra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Veuillez connecter votre ordinateur au réseau Wi-Fi de votre caméra. Le nom du réseau&lt;br&gt; (SSID) et le mot de passe figurent sur l&apos;étiquette apposée sur votre caméra.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Vous ne trouvez pas le SSID de votre caméra&#xa0;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>Caméra introuvable</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>Caméra introuvable. Veuillez réessayer.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>Connexion à la caméra impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>Si vous ne parvenez pas à vous connecter à votre caméra, réinitialisez-la, puis relancez l&apos;assistant.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>SSID de la caméra introuvable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>Si vous ne trouvez pas le SSID de votre caméra, réinitialisez-la,&lt;br&gt;puis relancez l&apos;assistant.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Caméra introuvable. Revenez à la page précédente et sélectionnez&lt;br&gt; de nouveau le modèle de votre caméra.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Débranchez le câble Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Débranchez le câble Ethernet de votre caméra, puis&lt;br&gt; cliquez sur OK.&lt;br&gt;&lt;br&gt;</translation>
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
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>Connexion au Wi-Fi de la caméra</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;La caméra a déjà un mot de passe. Veuillez saisir le mot de passe existant ou réinitialiser votre caméra.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Vérifiez votre mot de passe&#xa0;: il doit comporter 6-30 caractères, sans espaces.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères alphanumériques, sans espaces.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères, sans espaces.</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>Connecter l&apos;ordinateur au Wi-Fi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>Connectez votre ordinateur au réseau Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>Cliquez ensuite sur Suivant.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>Votre ordinateur doit être connecté à Internet.&lt;br&gt;Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour essayer à nouveau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>Connexion à la caméra impossible</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>Vérifiez que votre ordinateur est connecté au même réseau Wi-Fi que&lt;br&gt; votre caméra, puis réessayez.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>Vérifiez que votre ordinateur est connecté au même réseau Wi-Fi que votre caméra.&lt;br&gt;Si la connexion échoue toujours, réinitialisez votre caméra, puis relancez l&apos;assistant.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;CONTRAT DE LICENCE UTILISATEUR FINAL&lt;/b&gt;&lt;br&gt; &lt;b&gt;Veuillez lire attentivement ce contrat avant d&apos;utiliser l&apos;assistant de configuration olvaris.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Le présent contrat est conclu entre vous et Tervane. En cochant la case ci-dessous et en cliquant sur «&#xa0;J&apos;accepte&#xa0;», vous en acceptez les conditions.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane vous accorde une licence personnelle, non exclusive et non transférable pour installer et utiliser cet assistant afin de configurer des caméras qui vous appartiennent ou que vous êtes autorisé à gérer.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; Vous ne pouvez ni vendre, louer, prêter ou distribuer l&apos;assistant, ni le modifier, le décompiler ou le désassembler, sauf dans la mesure où la loi l&apos;autorise expressément.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Services en ligne.&lt;/b&gt; L&apos;assistant contacte des services de Tervane sur Internet pour rechercher une version plus récente, télécharger des informations sur les appareils et enregistrer votre caméra auprès d&apos;olvaris. Les conditions d&apos;utilisation et la politique de confidentialité d&apos;olvaris s&apos;appliquent à cet usage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Mises à jour.&lt;/b&gt; Lorsqu&apos;un assistant plus récent est disponible, vous choisissez de le télécharger et de l&apos;installer ou non.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Absence de garantie.&lt;/b&gt; L&apos;assistant est fourni «&#xa0;en l&apos;état&#xa0;», sans garantie d&apos;aucune sorte, dans la mesure permise par la loi.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Responsabilité.&lt;/b&gt; Tervane ne saurait être tenu responsable des dommages indirects ou consécutifs résultant de l&apos;utilisation de l&apos;assistant, dans la mesure permise par la loi.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Résiliation.&lt;/b&gt; Cette licence prend fin si vous en enfreignez les conditions&#xa0;; vous devez alors supprimer toutes les copies de l&apos;assistant.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>J&apos;ai lu et compris les conditions générales de Tervane et je les accepte.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>J&apos;accepte</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>Conditions générales</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;CONTRAT DE LICENCE UTILISATEUR FINAL&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Veuillez lire attentivement ce contrat avant d&apos;utiliser l&apos;assistant de configuration olvaris.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Le présent contrat est conclu entre vous et Tervane. En cochant la case ci-dessous et en cliquant sur «&#xa0;J&apos;accepte&#xa0;», vous en acceptez les conditions.&lt;br&gt;&lt;br&gt;1. Licence. Tervane vous accorde une licence personnelle, non exclusive et non transférable pour installer et utiliser cet assistant afin de configurer des caméras qui vous appartiennent ou que vous êtes autorisé à gérer.&lt;br&gt;&lt;br&gt;2. Restrictions. Vous ne pouvez ni vendre, louer, prêter ou distribuer l&apos;assistant, ni le modifier, le décompiler ou le désassembler, sauf dans la mesure où la loi l&apos;autorise expressément.&lt;br&gt;&lt;br&gt;3. Services en ligne. L&apos;assistant contacte des services de Tervane sur Internet pour rechercher une version plus récente, télécharger des informations sur les appareils et enregistrer votre caméra auprès d&apos;olvaris. Les conditions d&apos;utilisation et la politique de confidentialité d&apos;olvaris s&apos;appliquent à cet usage.&lt;br&gt;&lt;br&gt;4. Mises à jour. Lorsqu&apos;un assistant plus récent est disponible, vous choisissez de le télécharger et de l&apos;installer ou non.&lt;br&gt;&lt;br&gt;5. Absence de garantie. L&apos;assistant est fourni «&#xa0;en l&apos;état&#xa0;», sans garantie d&apos;aucune sorte, dans la mesure permise par la loi.&lt;br&gt;&lt;br&gt;6. Responsabilité. Tervane ne saurait être tenu responsable des dommages indirects ou consécutifs résultant de l&apos;utilisation de l&apos;assistant, dans la mesure permise par la loi.&lt;br&gt;&lt;br&gt;7. Résiliation. Cette licence prend fin si vous en enfreignez les conditions&#xa0;; vous devez alors supprimer toutes les copies de l&apos;assistant.</translation>
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
        <translation>Caméra déjà enregistrée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Cette caméra est déjà enregistrée sur un compte olvaris. Pour l&apos;enregistrer sur un&lt;br&gt; autre compte, vous devez réinitialiser la caméra. Sinon, cliquez sur Suivant pour continuer.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Inscrivez-vous sur olvaris pour accéder à&lt;br&gt; votre caméra de partout</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>Cette caméra est déjà enregistrée sur un compte olvaris. Pour l&apos;enregistrer sur un&lt;br&gt; autre compte, vous devez réinitialiser la caméra. Sinon, cliquez sur Suivant pour continuer.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>Configurez et protégez votre caméra</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Connectez votre caméra à votre réseau sans fil</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>Branchement</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Choisissez votre modèle de caméra pour afficher la notice d&apos;installation&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>Ignorer la notice</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>Choisissez le type de connexion de votre caméra&#xa0;:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>Connexion directe</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>Choisissez la connexion</translation>
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
        <translation>PoE (alimentation Ethernet)</translation>
    </message>
    <message>
        <location line="-247"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>PLC(Power Line Communication)</source>
        <translation>CPL (courant porteur en ligne)</translation>
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
        <translation>Inscrivez-vous sur olvaris pour accéder&lt;br&gt; à votre caméra à distance</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>Compte existant</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>Non, merci</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Connectez votre caméra à votre réseau sans fil</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Inscrivez-vous sur olvaris pour accéder à&lt;br&gt; votre caméra de partout</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>Configurez et protégez votre caméra</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Vérification requise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>Un e-mail de vérification a été envoyé à votre adresse e-mail. Cliquez sur le lien qu&apos;il contient dans les 7 jours pour valider votre compte.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>Service cloud non fiable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>Échec du service cloud</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>Le service olvaris n&apos;a pas pu prouver son identité&#xa0;; aucune donnée ne lui a été envoyée.&lt;br&gt;Vérifiez la date et l&apos;heure de l&apos;ordinateur et réessayez, ou continuez sans les services cloud.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>Le service olvaris n&apos;a pas traité la demande.&lt;br&gt;Vérifiez la connexion Internet et réessayez, ou continuez sans les services cloud.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>Le service olvaris n&apos;a pas traité la demande.&lt;br&gt;Vérifiez la connexion Internet, puis cliquez sur « %1 » ou « %2 » pour réessayer, ou continuez sans les services cloud.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>La caméra figure sur votre compte olvaris, mais elle n&apos;a pas confirmé son enregistrement.&lt;br&gt;Vérifiez la connexion réseau, puis cliquez sur « %1 » pour réessayer, ou continuez sans les services cloud.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>Caméra non enregistrée</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>Services cloud indisponibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>Veuillez noter qu&apos;en ignorant cette&lt;br&gt; étape, vous ne pourrez pas utiliser le&lt;br&gt; service olvaris pour voir votre&lt;br&gt; caméra à distance.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>Votre caméra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>est désormais enregistrée auprès </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>d&apos;olvaris et prête à l&apos;emploi. Vous pouvez maintenant voir </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>votre caméra partout et à tout moment sur le site &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt; </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>ou avec l&apos;une des &lt;a href=&apos;%1/apps&apos;&gt;%2applications mobiles&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&#xa0;; il </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>suffit d&apos;utiliser l&apos;adresse e-mail ci-dessus et le mot de passe </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>que vous avez créé pour vous connecter.&lt;br&gt;</translation>
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
        <translation>Configurer la connexion Internet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Sélectionnez le type de connexion Internet utilisé par votre caméra. En cas de doute, essayez d&apos;abord DHCP. Si votre caméra est directement reliée à un modem DSL, sélectionnez PPPoE.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>Mode local</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Obtenir une adresse IP dynamique auprès de la passerelle ou du routeur&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Type de connexion&#xa0;:&lt;/span&gt;&lt;/p&gt;</translation>
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
        <translation>IP statique</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>Passerelle&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>Masque réseau&#xa0;:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>DNS principal&#xa0;:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>DNS secondaire&#xa0;:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Si vous ne connaissez pas votre identifiant et votre mot de passe,&lt;br&gt;contactez votre fournisseur d&apos;accès à Internet.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>Veuillez saisir une adresse IP statique valide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Veuillez saisir l&apos;identifiant PPPoE</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt; devient verte quand elle&lt;br&gt; est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt; reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt; son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt; devient verte quand elle&lt;br&gt; est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt; reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Branchez l&apos;adaptateur secteur sur la prise d&apos;alimentation à l&apos;arrière de l&apos;appareil. Branchez ensuite l&apos;adaptateur sur une prise électrique. Ignorez cette étape si votre caméra est alimentée en PoE (Power over Ethernet).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt; son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Branchez l&apos;adaptateur secteur sur la prise d&apos;alimentation à l&apos;arrière de l&apos;appareil. Branchez ensuite l&apos;adaptateur sur une prise électrique. Ignorez cette étape si votre caméra est alimentée en PoE (Power over Ethernet).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt; devient verte quand elle&lt;br&gt; est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt; reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Si la caméra est reliée&lt;br&gt; en PoE (Power over&lt;br&gt; Ethernet), veuillez&lt;br&gt; ignorer cette&lt;br&gt; étape.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt; son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>CPL</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Direct Connection</source>
        <translation>Connexion directe</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt; devient verte quand elle&lt;br&gt; est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt; reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Si la caméra est reliée&lt;br&gt; en PoE (Power over&lt;br&gt; Ethernet), veuillez&lt;br&gt; ignorer cette&lt;br&gt; étape.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt; son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Configuration terminée</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
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
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Pour activer les fonctions olvaris de &lt;br/&gt;cette caméra, vérifiez que vous disposez&lt;br/&gt; d&apos;une connexion Internet active, puis relancez&lt;br/&gt; l&apos;assistant de configuration.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>Compte olvaris&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>account</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Votre caméra &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; est désormais enregistrée auprès &lt;br/&gt;d&apos;olvaris et prête à l&apos;emploi. Vous pouvez maintenant voir&lt;br/&gt; votre caméra partout et à tout moment sur le site &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt; ou avec l&apos;une des &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;applications mobiles&lt;/span&gt;&lt;/a&gt;&#xa0;; il&lt;br/&gt; suffit d&apos;utiliser l&apos;adresse e-mail ci-dessus et le mot de passe&lt;br/&gt; que vous avez créé pour vous connecter.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>Créer un raccourci vers la caméra sur le bureau</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Donnez un nom et un mot de&lt;br&gt; passe à votre caméra</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>Nom de la caméra&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>Dim.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>Lun.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>Mar.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>Mer.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>Jeu.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>Ven.</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>Sam.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>Jour sem.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>Écart&#xa0;:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Mot de passe oublié&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>Fuseau horaire&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>Activer l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Le mot de passe comporte 6-30 caractères&lt;br&gt; alphanumériques, sans espaces)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>Inscrivez-vous sur olvaris pour accéder à&lt;br&gt; votre caméra de partout</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>Configurez et protégez votre caméra</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>Mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>Les mots de passe ne correspondent pas. Veuillez saisir à nouveau le mot de passe.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>Connectez votre caméra à votre réseau sans fil</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>Vérifiez votre mot de passe&#xa0;: il doit comporter 6-30 caractères&lt;br&gt; alphanumériques sans espaces.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>Vérifiez votre mot de passe&#xa0;: il doit comporter 6-30 caractères, sans espaces.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Connexion Internet impossible</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>Impossible de se connecter à Internet. Cliquez sur Fermer, vérifiez vos paramètres, puis réessayez.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>Impossible de se connecter à Internet. Cliquez sur Réessayer pour essayer à nouveau.&lt;br&gt;Si la connexion échoue toujours, réinitialisez votre caméra, puis relancez l&apos;assistant de configuration.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>Vue locale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>Configurer la connexion Internet</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères alphanumériques, sans espaces.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères, sans espaces.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Vérifiez le nom de l&apos;appareil&#xa0;: il doit faire moins de 32 caractères et&lt;br&gt; ne contenir que des lettres et des chiffres</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>Veuillez saisir l&apos;adresse IP de votre serveur DNS principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>Veuillez saisir une adresse IP statique valide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>Veuillez saisir l&apos;identifiant PPPoE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>Veuillez saisir le mot de passe PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>Veuillez supprimer «&#xa0;;&#xa0;» et «&#xa0;=&#xa0;» de l&apos;identifiant PPPoE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>Utilisez uniquement des caractères d&apos;Europe occidentale</translation>
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
        <translation>Se connecter en Wi-Fi&#xa0;?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>Sélectionnez &lt; votre réseau Wi-Fi &gt;</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>La LED WPS s&apos;éteint une fois la caméra connectée à votre routeur, puis la LED d&apos;état devient verte.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>Dans un délai d&apos;une minute, appuyez sur le bouton WPS de votre routeur.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>Maintenez le bouton WPS de votre caméra enfoncé pendant 6 secondes. La LED WPS se met à clignoter en bleu.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Débranchez le câble Ethernet de votre Vistrel.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>Non, merci</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>Retour</translation>
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
        <translation>Configurez et protégez votre caméra</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nom du Wi-Fi (SSID)&#xa0;:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Mot de passe Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Informations sur votre réseau Wi-Fi</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>Veuillez saisir le mot de passe Wi-Fi</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>Veuillez saisir le nom du réseau (SSID)</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>Connexion Wi-Fi impossible</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>Impossible d&apos;enregistrer vos paramètres Wi-Fi. Vérifiez que votre câble Ethernet est bien branché, puis réessayez.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>Débranchez le câble Ethernet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>Débranchez le câble Ethernet de votre caméra, puis&lt;br&gt; cliquez sur OK.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>Votre caméra n&apos;a pas pu se connecter à votre&lt;br&gt; réseau Wi-Fi. Rebranchez le câble Ethernet sur&lt;br&gt; votre caméra, puis cliquez sur OK pour configurer&lt;br&gt; à nouveau les paramètres Wi-Fi.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>Qu&apos;est-ce que le WPS&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>Le WPS (Wi-Fi Protected Setup) vous permet d&apos;établir une connexion sans fil sécurisée rapidement, facilement et automatiquement.&lt;br&gt;La plupart des routeurs récents ont un bouton WPS.&lt;br&gt;Sur certains routeurs, vous devrez peut-être vous connecter à l&apos;interface web, puis cliquer sur un bouton à l&apos;écran pour activer la fonction WPS.&lt;br&gt;Pour plus de détails, consultez le manuel de votre routeur.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>Connexion WPS impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>L&apos;assistant n&apos;a pas pu communiquer avec votre caméra. Veuillez suivre les instructions et réessayer.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>Connexion Internet impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>Vérifiez que votre câble Ethernet est bien branché, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>Choisissez la caméra</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Caméra introuvable&#xa0;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Aucun appareil trouvé. Cliquez sur Rechercher pour&lt;br&gt; réessayer, ou sur Retour pour vérifier la connexion.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>Nom de la caméra</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>Caméra introuvable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Cliquez sur Rechercher pour relancer la recherche, ou sur Retour&lt;br&gt; pour vérifier vos paramètres de connexion.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>Qu&apos;est-ce que l&apos;identifiant MAC&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>L&apos;identifiant MAC est un code réseau unique propre à chaque appareil.&lt;br&gt;Il est imprimé sur l&apos;étiquette de votre appareil.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>Lanceur olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>Configurer votre caméra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>Installer le logiciel de visualisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>Lire le manuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>Installer un lecteur PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <location filename="../../guide/connectionpanel.cpp" line="+29"/>
        <source>Why does the LED stay red?</source>
        <translation>Pourquoi la LED reste-t-elle rouge&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Veuillez vérifier les points suivants&#xa0;:&lt;br&gt;1. Assurez-vous que les câbles sont bien branchés.&lt;br&gt;2. Éteignez votre Vistrel, puis rallumez-le.&lt;br&gt;3. Si la LED reste rouge, essayez de réinitialiser votre Vistrel.&lt;br&gt;4. Vérifiez que votre modem ou routeur fonctionne correctement.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>Réinitialiser votre caméra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>Caméra branchée, maintenez le bouton Reset de votre caméra enfoncé pendant au moins 10 secondes à l&apos;aide d&apos;un trombone déplié. Une fois la caméra réinitialisée, cliquez sur « Recommencer » pour relancer l&apos;assistant de configuration.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>Configuration zéro</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <location filename="../../welcome/oppspage.ui" line="+25"/>
        <source>No Internet Connection</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Votre ordinateur doit être connecté à Internet pour&lt;br&gt; rechercher une nouvelle version de l&apos;assistant de&lt;br&gt; configuration et enregistrer votre caméra auprès&lt;br&gt; d&apos;olvaris pour la visualisation à distance.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>Mode local</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour essayer à nouveau, ou&lt;br&gt; sur &lt;b&gt;Mode&amp;nbsp;local&lt;/b&gt; pour configurer votre caméra&lt;br&gt; pour la visualisation locale uniquement.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>Visualisation locale uniquement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Veuillez noter qu&apos;en configurant cette&lt;br&gt; caméra pour un usage local uniquement,&lt;br&gt; vous ne pourrez pas la voir à distance&lt;br&gt; avec le service olvaris.&lt;br&gt;&lt;br&gt;Pour profiter de ces fonctions,&lt;br&gt;connectez-vous à Internet avant de&lt;br&gt; lancer cet assistant.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../../welcome/welcomepage.ui" line="+12"/>
        <location filename="../../welcome/welcomepage.cpp" line="+564"/>
        <source>olvaris Setup Wizard</source>
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>Choisissez votre langue&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>Portugais (Portugal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>Choisissez votre modèle</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Une fenêtre de navigateur est peut-être ouverte ou un autre assistant de configuration est peut-être en cours d&apos;exécution. Fermez votre navigateur et tout assistant de configuration avant d&apos;ouvrir ce programme.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>Nouvelle version disponible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Une nouvelle version de l&apos;assistant de configuration est disponible. Veuillez installer la dernière version.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>Téléchargement réussi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>La dernière version de l&apos;assistant de configuration a bien été téléchargée. Cliquez sur OK pour fermer cet assistant et lancer le nouveau.</translation>
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
        <translation>Erreur de dossier de destination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Choisissez un autre dossier d&apos;enregistrement ou cliquez sur&lt;br&gt; &lt;b&gt;Quitter&lt;/b&gt; et téléchargez manuellement la dernière version&lt;br&gt; sur %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>Impossible d&apos;enregistrer dans ce dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>L&apos;assistant de configuration ne peut pas écrire dans le dossier choisi, la nouvelle version ne peut donc pas y être enregistrée.&lt;br&gt;Cliquez sur &lt;b&gt;%1&lt;/b&gt; et choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour relancer le téléchargement, ou allez sur %1 pour télécharger manuellement la dernière version.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Nom du Wi-Fi (SSID)&#xa0;:</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Mot de passe Wi-Fi&#xa0;:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>Chiffrement&#xa0;:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>Sécurité&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>Ouvert (WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>Partagé (WEP)</translation>
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
        <translation>WPA ou WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP 64 bits</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP 128 bits</translation>
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
        <translation>TKIP ou AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>Impossible d&apos;enregistrer vos paramètres Wi-Fi. Veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>Le mot de passe Wi-Fi doit comporter 5 ou 13 caractères ASCII, ou&lt;br&gt;10 ou 26 caractères hexadécimaux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>Le mot de passe Wi-Fi doit comporter 8 à 63 caractères ASCII, ou&lt;br&gt;64 caractères hexadécimaux.</translation>
    </message>
</context>
</TS>
