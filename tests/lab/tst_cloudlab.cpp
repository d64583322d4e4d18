// The cloud step over the lab: run by cloud_roads.test.py in the PC namespace, with the
// lab's cloud service (cloudsim, HTTPS, lab CA) under the fixed API host name and camsim
// playing the camera. The page is driven as a person would: tab clicks, clicks into the
// service's form, typed e-mail and password, popup buttons. One road per invocation.
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "labguard.h"
#include "protocol/dcputils.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"

namespace {

MessageBoxPage* popup(const QString& name)
{
    return gMainpage->findChild<MessageBoxPage*>(name);
}

void screenshot(const QString& name)
{
    QTest::qWait(300);
    const QString folder = qEnvironmentVariable("BUILD_DIR") + "/screenshots";
    QDir().mkpath(folder);
    gMainpage->grab().save(folder + "/" + name);
}

} // namespace

class TestCloudLab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void signInWithExistingAccount();
    void signUpNewAccount();
    void deviceAddRefused();
    void noThanks();
    void untrustedService();

private:
    void loadPages();
    void clickElement(QWebView* view, const QString& selector);
    void typeInto(QWebView* view, const QString& selector, const QString& text);
    void signIn(const QString& email, const QString& password);
    CloudServicesPage* page = nullptr;
};

void TestCloudLab::initTestCase()
{
    QString why;
    QVERIFY2(runningInsideLab(&why), qPrintable("refusing to broadcast outside the lab: " + why));
    createWizardForTests();
    const QString pcMac = qEnvironmentVariable("LAB_PC_MAC").toUpper();
    hostMacAddrList = QStringList{pcMac};
    gHostIps[0] = qEnvironmentVariable("LAB_PC_IP");
    gHostMacs[0] = pcMac;
    supportType = "ALL";
    QVERIFY(gDCPUtils->openUDPSocketRecv(5978));
    QVERIFY(gDCPUtils->openTCPSocketRecv(5979));

    // The camera, found as discovery finds it.
    gDCPUtils->dcpClass01_Scan(pcMac, gHostIps[0], supportType, "FF:FF:FF:FF:FF:FF");
    QTRY_VERIFY_WITH_TIMEOUT(!IPCameraList.isEmpty(), 5000);
    IPCameraIdx = 0;
    IPCameraList[0].password = qEnvironmentVariable("CLOUDLAB_CAMERA_PASSWORD").toLatin1().toBase64();
    // Its cloud information, as the setup page reads it before the cloud step.
    // The discovery page asks for the password state first; let that answer arrive.
    QTRY_COMPARE_WITH_TIMEOUT(IPCameraList[0].dcpStatus, int(IPCamera::GOT_PWD_STATUS), 5000);
    QSignalSpy info(gDCPUtils, &DCPUtils::gotOlvarisInfo);
    gDCPUtils->dcpClass02_GetOlvarisInfo(0, 1);
    QTRY_VERIFY_WITH_TIMEOUT(info.count() == 1, 5000);
    SupportWiFiMap[QString::fromLatin1(IPCameraList[0].modelName)] = "0";
    SupportAPModeMap[QString::fromLatin1(IPCameraList[0].modelName)] = "0";

    page = new CloudServicesPage;
    gCloudServicesPage = page;
    gMainpage->show();
    QApplication::setActiveWindow(gMainpage);
    QVERIFY(QTest::qWaitForWindowActive(gMainpage));
}

void TestCloudLab::loadPages()
{
    // What the setup page does once the camera told it the API site.
    page->getSignInPage(OpenAPISite);
    page->getSignUpTimeStamp(OpenAPISite);
    QTRY_VERIFY_WITH_TIMEOUT(signInPageReached && signUpPageReached, 20000);
    gMainpage->showPage(gWelcomePage, page);
    page->enter();
    page->getElements();
    // The forms have arrived once their submit buttons exist.
    for (QWebView* view : {page->ui->cloudServiceSignIn_WebView, page->ui->cloudServiceSignUp_WebView})
        QTRY_VERIFY_WITH_TIMEOUT(!view->page()->mainFrame()->findFirstElement("#submit").isNull(), 20000);
}

void TestCloudLab::clickElement(QWebView* view, const QString& selector)
{
    const QWebElement element = view->page()->mainFrame()->findFirstElement(selector);
    QVERIFY2(!element.isNull(), qPrintable(selector));
    const QPoint at = element.geometry().center() * view->zoomFactor();
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(100);
}

void TestCloudLab::typeInto(QWebView* view, const QString& selector, const QString& text)
{
    clickElement(view, selector);
    QTest::keyClicks(view, text, Qt::NoModifier, 20);
}

// "Existing Account", then e-mail and password typed into the service's form.
void TestCloudLab::signIn(const QString& email, const QString& password)
{
    QTest::mouseClick(page->ui->cloudServiceSignIn_PushButton, Qt::LeftButton);
    QVERIFY(page->ui->cloudServiceSignIn_WebView->isVisible() && !page->ui->cloudServiceSignUp_WebView->isVisible());
    QWebView* view = page->ui->cloudServiceSignIn_WebView;
    typeInto(view, "#email", email);
    typeInto(view, "#password", password);
    screenshot("cloud_existing_account_tab.png");
    clickElement(view, "#submit");
}

void TestCloudLab::signInWithExistingAccount()
{
    // Left over from an earlier cloud step: the wait must start clean, or it would time out
    // at once and take the register bit back.
    page->registerInfoReceived = true;
    page->waitSetDeviceRegisterBitTureNumber = 30;
    loadPages();
    screenshot("cloud_new_account_tab.png");
    signIn("ann@example.test", "secret1");
    QTRY_VERIFY_WITH_TIMEOUT(gDeviceSetupCompletePage->isVisible(), 30000);
    QCOMPARE(bindingEmailAccount, QString("ann@example.test"));
    QVERIFY(!gMainpage->isBusy());
    screenshot("cloud_sign_in_complete.png");
}

void TestCloudLab::signUpNewAccount()
{
    loadPages();
    QWebView* view = page->ui->cloudServiceSignUp_WebView;
    QVERIFY(view->isVisible());
    typeInto(view, "#email", "new@example.test");
    typeInto(view, "#password", "fresh-pw9");
    clickElement(view, "#submit");
    QTRY_VERIFY_WITH_TIMEOUT(popup("SignUpVerificationMsgBox"), 30000);
    screenshot("cloud_verification_popup.png");
    QTest::mouseClick(popup("SignUpVerificationMsgBox")->ui->msgBoxRightBtn_Button, Qt::LeftButton);
    QTRY_VERIFY(gDeviceSetupCompletePage->isVisible());
    QCOMPARE(bindingEmailAccount, QString("new@example.test"));
}

void TestCloudLab::deviceAddRefused()
{
    loadPages();
    signIn("ann@example.test", "secret1");
    QTRY_VERIFY_WITH_TIMEOUT(popup("SignInErrorMsgBox"), 30000);
    QVERIFY(!gMainpage->isBusy());
    QVERIFY(popup("SignInErrorMsgBox")->ui->msgBoxContent_Label->text().contains(
        qEnvironmentVariable("CLOUDLAB_REFUSAL")));
    screenshot("cloud_sign_in_error_popup.png");
    signInPageReached = signUpPageReached = false;
    QTest::mouseClick(popup("SignInErrorMsgBox")->ui->msgBoxRightBtn_Button, Qt::LeftButton);
    QVERIFY(!popup("SignInErrorMsgBox"));
    // Both flows start again: the page answers and the handshake runs once more.
    QTRY_VERIFY_WITH_TIMEOUT(signInPageReached && signUpPageReached, 20000);
    QVERIFY(page->isVisible());
}

void TestCloudLab::noThanks()
{
    loadPages();
    QTest::mouseClick(page->ui->cloudServiceSkip_PushButton, Qt::LeftButton);
    screenshot("cloud_no_thanks_popup.png");
    QTest::mouseClick(popup("noClouldServiceWarning")->ui->msgBoxLeftBtn_Button, Qt::LeftButton);
    QVERIFY(!popup("noClouldServiceWarning") && page->isVisible() && !isLocalView);
    QTest::mouseClick(page->ui->cloudServiceSkip_PushButton, Qt::LeftButton);
    QTest::mouseClick(popup("noClouldServiceWarning")->ui->msgBoxRightBtn_Button, Qt::LeftButton);
    QVERIFY(isLocalView && gDeviceSetupCompletePage->isVisible());
    screenshot("cloud_skipped_complete.png");
}

void TestCloudLab::untrustedService()
{
    page->getSignInPage(OpenAPISite);
    page->getSignUpTimeStamp(OpenAPISite);
    QTRY_VERIFY_WITH_TIMEOUT(popup("untrustedCloudServiceWarning"), 20000);
    QVERIFY(!signInPageReached && !signUpPageReached);
    screenshot("cloud_untrusted_popup.png");
    QTest::mouseClick(popup("untrustedCloudServiceWarning")->ui->msgBoxRightBtn_Button, Qt::LeftButton);
    QVERIFY(!popup("untrustedCloudServiceWarning"));
}

QTEST_MAIN(TestCloudLab)
#include "tst_cloudlab.moc"
