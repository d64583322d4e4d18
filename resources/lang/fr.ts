<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;CONTRAT DE LICENCE UTILISATEUR FINAL&lt;/b&gt;&lt;br&gt;&lt;b&gt;Veuillez lire attentivement ce contrat avant d&apos;utiliser l&apos;assistant de configuration olvaris.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;Le présent contrat est conclu entre vous et Tervane. En cochant la case ci-dessous et en cliquant sur «&#xa0;J&apos;accepte&#xa0;», vous en acceptez les conditions.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane vous accorde une licence personnelle, non exclusive et non transférable pour installer et utiliser cet assistant afin de configurer des caméras qui vous appartiennent ou que vous êtes autorisé à gérer.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; Vous ne pouvez ni vendre, louer, prêter ou distribuer l&apos;assistant, ni le modifier, le décompiler ou le désassembler, sauf dans la mesure où la loi l&apos;autorise expressément.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Services en ligne.&lt;/b&gt; L&apos;assistant contacte des services de Tervane sur Internet pour rechercher une version plus récente, télécharger des informations sur les appareils et enregistrer votre caméra auprès d&apos;olvaris. Les conditions d&apos;utilisation et la politique de confidentialité d&apos;olvaris s&apos;appliquent à cet usage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Mises à jour.&lt;/b&gt; Lorsqu&apos;un assistant plus récent est disponible, vous choisissez de le télécharger et de l&apos;installer ou non.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. Absence de garantie.&lt;/b&gt; L&apos;assistant est fourni «&#xa0;en l&apos;état&#xa0;», sans garantie d&apos;aucune sorte, dans la mesure permise par la loi.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Responsabilité.&lt;/b&gt; Tervane ne saurait être tenu responsable des dommages indirects ou consécutifs résultant de l&apos;utilisation de l&apos;assistant, dans la mesure permise par la loi.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Résiliation.&lt;/b&gt; Cette licence prend fin si vous en enfreignez les conditions&#xa0;; vous devez alors supprimer toutes les copies de l&apos;assistant.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>J&apos;ai lu et compris les conditions générales de Tervane et je les accepte.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>I Agree</source>
        <translation>J&apos;accepte</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Conditions générales</translation>
    </message>
    <message>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;CONTRAT DE LICENCE UTILISATEUR FINAL&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Veuillez lire attentivement ce contrat avant d&apos;utiliser l&apos;assistant de configuration olvaris.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>Le présent contrat est conclu entre vous et Tervane. En cochant la case ci-dessous et en cliquant sur «&#xa0;J&apos;accepte&#xa0;», vous en acceptez les conditions.&lt;br&gt;&lt;br&gt;1. Licence. Tervane vous accorde une licence personnelle, non exclusive et non transférable pour installer et utiliser cet assistant afin de configurer des caméras qui vous appartiennent ou que vous êtes autorisé à gérer.&lt;br&gt;&lt;br&gt;2. Restrictions. Vous ne pouvez ni vendre, louer, prêter ou distribuer l&apos;assistant, ni le modifier, le décompiler ou le désassembler, sauf dans la mesure où la loi l&apos;autorise expressément.&lt;br&gt;&lt;br&gt;3. Services en ligne. L&apos;assistant contacte des services de Tervane sur Internet pour rechercher une version plus récente, télécharger des informations sur les appareils et enregistrer votre caméra auprès d&apos;olvaris. Les conditions d&apos;utilisation et la politique de confidentialité d&apos;olvaris s&apos;appliquent à cet usage.&lt;br&gt;&lt;br&gt;4. Mises à jour. Lorsqu&apos;un assistant plus récent est disponible, vous choisissez de le télécharger et de l&apos;installer ou non.&lt;br&gt;&lt;br&gt;5. Absence de garantie. L&apos;assistant est fourni «&#xa0;en l&apos;état&#xa0;», sans garantie d&apos;aucune sorte, dans la mesure permise par la loi.&lt;br&gt;&lt;br&gt;6. Responsabilité. Tervane ne saurait être tenu responsable des dommages indirects ou consécutifs résultant de l&apos;utilisation de l&apos;assistant, dans la mesure permise par la loi.&lt;br&gt;&lt;br&gt;7. Résiliation. Cette licence prend fin si vous en enfreignez les conditions&#xa0;; vous devez alors supprimer toutes les copies de l&apos;assistant.</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <source>Choose your connection type</source>
        <translation>Choisissez la connexion</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE (alimentation Ethernet)</translation>
    </message>
    <message>
        <source>PLC(Power Line Communication)</source>
        <translation>CPL (courant porteur en ligne)</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Connexion directe</translation>
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
        <translation>Branchement</translation>
    </message>
    <message>
        <source>Please select your camera model for installation instructions :</source>
        <translation>Choisissez votre modèle de caméra pour afficher la notice d&apos;installation&#xa0;:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Skip instruction</source>
        <translation>Ignorer la notice</translation>
    </message>
    <message>
        <source>Please select your camera connection type :</source>
        <translation>Choisissez le type de connexion de votre caméra&#xa0;:</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Connexion directe</translation>
    </message>
    <message>
        <source>Choose your connection type</source>
        <translation>Choisissez la connexion</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE (alimentation Ethernet)</translation>
    </message>
    <message>
        <source>PLC(Power Line Communication)</source>
        <translation>CPL (courant porteur en ligne)</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt;devient verte quand elle&lt;br&gt;est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt;reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt;son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt;devient verte quand elle&lt;br&gt;est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt;reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Branchez l&apos;adaptateur secteur sur la prise d&apos;alimentation à l&apos;arrière de l&apos;appareil, puis sur une prise électrique. Ignorez cette étape si votre caméra est alimentée en PoE (Power over Ethernet).&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt;son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>Branchez l&apos;adaptateur secteur sur la prise d&apos;alimentation à l&apos;arrière de l&apos;appareil, puis sur une prise électrique. Ignorez cette étape si votre caméra est alimentée en PoE (Power over Ethernet).</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt;devient verte quand elle&lt;br&gt;est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt;reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Si la caméra est reliée&lt;br&gt;en PoE (Power over&lt;br&gt;Ethernet), veuillez&lt;br&gt;ignorer cette&lt;br&gt;étape.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt;son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>CPL</translation>
    </message>
    <message>
        <source>Direct Connection</source>
        <translation>Connexion directe</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;La LED de la caméra Cloud&lt;br&gt;devient verte quand elle&lt;br&gt;est prête. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Pourquoi la LED&lt;br&gt;reste-t-elle rouge&#xa0;?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Si la caméra est reliée&lt;br&gt;en PoE (Power over&lt;br&gt;Ethernet), veuillez&lt;br&gt;ignorer cette&lt;br&gt;étape.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez le câble réseau&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Sortez l&apos;appareil de&lt;br&gt;son emballage&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Branchez l&apos;alimentation&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>Donnez un nom et un mot de&lt;br&gt;passe à votre caméra</translation>
    </message>
    <message>
        <source>Camera Name :</source>
        <translation>Nom de la caméra&#xa0;:</translation>
    </message>
    <message>
        <source>Camera Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Retype Password :</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Model Name :</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Start :</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End :</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day of Week</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Offset :</source>
        <translation>Écart&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Mot de passe oublié&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>Fuseau horaire&#xa0;:</translation>
    </message>
    <message>
        <source>Enable daylight saving</source>
        <translation>Activer l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(Le mot de passe comporte 6-30 caractères&lt;br&gt;alphanumériques, sans espaces)</translation>
    </message>
    <message>
        <source>Current Password :</source>
        <translation>Mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères alphanumériques, sans espaces.</translation>
    </message>
    <message>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>Vérifiez que votre mot de passe comporte 6-30 caractères, sans espaces.</translation>
    </message>
    <message>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>Vérifiez le nom de l&apos;appareil&#xa0;: il doit faire moins de 32 caractères et&lt;br&gt;ne contenir que des lettres et des chiffres</translation>
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
        <translation>Choisissez la caméra</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Confirm Password :</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Caméra introuvable&#xa0;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;Aucun appareil trouvé. Cliquez sur Rechercher pour&lt;br&gt; réessayer, ou sur Retour pour vérifier la connexion.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nom de la caméra</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Model Name :</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>Donnez un nom et un mot de&lt;br&gt;passe à votre caméra</translation>
    </message>
    <message>
        <source>Set up and secure your camera</source>
        <translation>Configurez et protégez votre caméra</translation>
    </message>
    <message>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>Connectons la caméra à votre réseau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could Not Find Your Camera</source>
        <translation>Caméra introuvable</translation>
    </message>
    <message>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>Cliquez sur Rechercher pour relancer la recherche, ou sur Retour&lt;br&gt;pour vérifier vos paramètres de connexion.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>What is a MAC ID?</source>
        <translation>Qu&apos;est-ce que l&apos;identifiant MAC&#xa0;?</translation>
    </message>
    <message>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>L&apos;identifiant MAC est un code réseau unique propre à chaque appareil.&lt;br&gt;Il est imprimé sur l&apos;étiquette de votre appareil.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>olvaris Launcher</source>
        <translation>Lanceur olvaris</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Set up your camera</source>
        <translation>Configurer votre caméra</translation>
    </message>
    <message>
        <source>Install the viewer software</source>
        <translation>Installer le logiciel de visualisation</translation>
    </message>
    <message>
        <source>Read the manual</source>
        <translation>Lire le manuel</translation>
    </message>
    <message>
        <source>Install a PDF reader</source>
        <translation>Installer un lecteur PDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <source>Why does the LED stay red?</source>
        <translation>Pourquoi la LED reste-t-elle rouge ?</translation>
    </message>
    <message>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>Veuillez vérifier les points suivants :&lt;br&gt;1. Assurez-vous que les câbles sont bien branchés.&lt;br&gt;2. Éteignez votre Vistrel, puis rallumez-le.&lt;br&gt;3. Si la LED reste rouge, essayez de réinitialiser votre Vistrel.&lt;br&gt;4. Vérifiez que votre modem ou routeur fonctionne correctement.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reset Your Camera</source>
        <translation>Réinitialiser la caméra</translation>
    </message>
    <message>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>À l&apos;aide d&apos;un trombone déplié, maintenez le bouton Reset de la caméra enfoncé pendant au moins 10 secondes, caméra sous tension. Une fois la caméra réinitialisée, cliquez sur Recommencer pour relancer l&apos;assistant de configuration.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <source>olvaris Setup Wizard</source>
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Conditions générales</translation>
    </message>
    <message>
        <source>Zero config</source>
        <translation>Configuration zéro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <source>No Internet Connection</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Votre ordinateur doit être connecté à Internet pour&lt;br&gt; rechercher une nouvelle version de l&apos;assistant de&lt;br&gt; configuration et enregistrer votre caméra auprès&lt;br&gt; d&apos;olvaris pour la visualisation à distance.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Local Only</source>
        <translation>Local seul</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour essayer à nouveau, ou&lt;br&gt;sur &lt;b&gt;Local seul&lt;/b&gt; pour configurer votre caméra&lt;br&gt;pour la visualisation locale uniquement.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Local Viewing Only</source>
        <translation>Visualisation locale uniquement</translation>
    </message>
    <message>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>Veuillez noter qu&apos;en configurant cette&lt;br&gt; caméra pour un usage local uniquement,&lt;br&gt; vous ne pourrez pas la voir à distance&lt;br&gt; avec le service olvaris.&lt;br&gt;&lt;br&gt;Pour profiter de ces fonctions,&lt;br&gt;connectez-vous à Internet avant de&lt;br&gt;lancer cet assistant.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>olvaris Setup Wizard</source>
        <translation>Assistant de configuration olvaris</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Choose your language :</source>
        <translation>Choisissez votre langue&#xa0;:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugais (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Choose your model</source>
        <translation>Choisissez votre modèle</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>Une fenêtre de navigateur est peut-être ouverte ou un autre assistant&lt;br&gt;de configuration est peut-être en cours d&apos;exécution. Fermez votre&lt;br&gt;navigateur et tout assistant de configuration avant d&apos;ouvrir ce programme.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New Version Available</source>
        <translation>Nouvelle version disponible</translation>
    </message>
    <message>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>Une nouvelle version de l&apos;assistant de configuration est disponible. Veuillez installer la dernière version.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Download Successful</source>
        <translation>Téléchargement réussi</translation>
    </message>
    <message>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>La dernière version de l&apos;assistant de configuration a bien été téléchargée. Cliquez sur OK pour fermer cet assistant et lancer le nouveau.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download Path Error</source>
        <translation>Erreur de dossier de destination</translation>
    </message>
    <message>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>Choisissez un autre dossier d&apos;enregistrement ou cliquez sur&lt;br&gt;&lt;b&gt;Quitter&lt;/b&gt; et téléchargez manuellement la dernière version&lt;br&gt;sur %1.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour relancer le téléchargement, ou allez&lt;br&gt;sur %1 pour télécharger manuellement la dernière version.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
</TS>
