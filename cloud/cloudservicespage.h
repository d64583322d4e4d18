#ifndef CLOUDSERVICESPAGE_H
#define CLOUDSERVICESPAGE_H

#include <QList>
#include <QPointer>
#include <QSslError>
#include <QString>
#include <QUrl>

#include "cloud/cloudapi.h"
#include "shell/wizardpage.h"
#include "ui_cloudservicespage.h"

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTimer;

// The cloud state: the API site of every address, the user's token, the account's e-mail,
// the steps of both flows and whether their web pages have answered (the setup pages wait
// for both flags and reset them).
extern QString OpenAPISite;
extern QString OpenAPIAccessToken;
extern QString bindingEmailAccount;
extern int signInStep;
extern int signUpStep;
extern bool signInPageReached;
extern bool signUpPageReached;

// Step 3, "Register with olvaris": the service's sign-up and sign-in pages in two web views,
// the camera added to the account, its register bit set over DCP, or "No, thanks".
class CloudServicesPage : public WizardPage
{
    Q_OBJECT
public:
    explicit CloudServicesPage(QWidget* parent = nullptr);
    ~CloudServicesPage() override;

    Ui_CloudServicesPage* ui;
    QNetworkAccessManager* signUpNetworkManager;
    QNetworkAccessManager* signInNetworkManager;
    QTimer* SetDeviceRegisterBitTureTimer;
    bool registerInfoReceived = false;
    int waitSetDeviceRegisterBitTureNumber = 0;

    // Shown by the setup pages once both web pages have answered.
    void enter() override;
    void retranslate() override;

signals:
    void gotOpenAPISignUpTimeStamp(const QString& timestamp);
    void gotOpenAPISignUpAppToken(const QString& apptoken);

public slots:
    void getElements();
    void getSignUpTimeStamp(const QString& site);
    void getSignInPage(const QString& site);
    void getUrlChanged(const QUrl& url);
    void onSignInFinished(QNetworkReply* reply);
    void onSignUpFinished(QNetworkReply* reply);
    void sslErrors(QNetworkReply* reply, const QList<QSslError>& errors);
    void pressBackButton();
    void pressSkipButton();
    void pressSignUpButton();
    void pressSignInButton();
    void setPasswordLineEditStatus();
    void popupNoCloudService();
    void pressMsgOKButton();
    void pressMsgCancelButton();
    void getSignUpAppToken(const QString& timestamp);
    void getSignUpPage(const QString& apptoken);
    void setOpenApiSignUp(const QString& access_token);
    void checkOpenApiSignUpTokenBindingAccount();
    void popupSignUpErrorMsgBox(const QString& errorMsg);
    void pressMsgSignUpPopupOKButton();
    void popupSignUpVerificationMsgBox();
    void pressMsgSignUpVerificationOKButton();
    void setOpenApiSignIn(const QString& access_token, const QString& target_site);
    void checkOpenApiSignInTokenBindingAccount();
    void popupSignInErrorMsgBox(const QString& errorMsg);
    void pressMsgSignInPopupOKButton();
    void linkIsClicked(const QUrl& url);
    void handleGotRegisterInfo(int idx);
    void checkSetDeviceRegisterBitTure();
    void setupCompleteInfo();
    QString wordWrap(const QString& str, int wrapLength);
    void popupCloudFailure(bool untrusted);
    void pressMsgCloudFailureOKButton();
    // The camera did not confirm its register bit: signUp names the New Account tab, else Existing Account.
    void popupCameraNotRegistered(bool signUp);
    void pressMsgCameraNotRegisteredOKButton();

private:
    // The warnings' one shape: a title, a text and OK, which like the popup's close button calls dismiss.
    void openWarning(const QString& name, const QString& title, const QString& text,
                     void (CloudServicesPage::*dismiss)());
    // Lines a page can repeat at will (its address, its links clicked, its loads, its requests'
    // certificates): the first ones in full, then counted.
    static constexpr int kRepeatedInFull = 16;

    struct Judged
    {
        CloudApi::Action action;
        QByteArray body;  // read only from the flow's own REST replies
    };
    Judged judge(QNetworkReply* reply, QNetworkReply* flowRequest, const QUrl& pageUrl, int step, bool signIn);
    QNetworkReply* sendRest(QNetworkAccessManager* manager, const QString& address, const QByteArray& body = {});
    void loadPage(QWebView* view, QNetworkAccessManager* manager, const QString& address);
    QNetworkReply* postDeviceAdd(QNetworkAccessManager* manager, const QString& accessToken, const char* logText);
    // The general failure of a flow; an untrusted certificate also gets its popup.
    void failFlow(const char* tag, bool signIn, QNetworkReply* reply, const QByteArray& body, bool untrusted);
    void endFlow(bool signIn, bool untrusted);
    // A view's page would have left the cloud service over https, or did not load (untrusted: its
    // certificate was not trusted): the flow ends.
    void refusePage(bool signIn, const char* why, bool untrusted);
    void serviceError(const char* tag, QNetworkReply* reply, const QByteArray& body, bool signIn);
    void accountKnown(const char* tag, const QByteArray& body);
    void clearCaches();
    void startRegisterWait();
    // The tab of a flow chosen again: the register-bit wait again, when the camera did not confirm it,
    // else the flow from its first request, when it failed.
    void retryFlow(CloudApi::Flow flow);
    void setTabs(bool signUpSelected);

    QPointer<QNetworkReply> signInRequest;  // the REST request the sign-in flow sent last
    QPointer<QNetworkReply> signUpRequest;
    QString signInState;  // the OAuth state each flow sent last
    QString signUpState;
    QUrl signInPageUrl;  // the page each flow loaded into its view
    QUrl signUpPageUrl;
    CloudApi::Flow lastRedirect = CloudApi::Flow::None;
    // A flow that ended in failure, until it starts again: choosing its tab starts it.
    bool signInFailed = false;
    bool signUpFailed = false;
    // The flow whose camera did not confirm its register bit, until the flow starts again: the service has the
    // camera on the account, so choosing the flow's tab only waits for the camera again.
    CloudApi::Flow unregistered = CloudApi::Flow::None;
};

#endif  // CLOUDSERVICESPAGE_H
