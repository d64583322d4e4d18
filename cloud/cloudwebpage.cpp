#include "cloud/cloudwebpage.h"

#include <QKeyEvent>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWebFrame>
#include <QWebFullScreenRequest>

#include "base/log.h"
#include "base/logsummary.h"
#include "cloud/cloudsitemanager.h"
#include "cloud/cloudsiterules.h"
#include "cloud/enginesocketguard.h"
#include "cloud/eventorder.h"

namespace {

// Run in every frame before its own scripts: these open connections the manager never sees. A
// frame that runs no script of its own does not run this either; the guard fails their sockets.
const char kNoSockets[] =
    "['WebSocket', 'Worker', 'SharedWorker'].forEach(function (name) {"
    " try { Object.defineProperty(window, name, {value: undefined, writable: false, configurable: false}); }"
    " catch (e) {} });";

// A frame's dialogs from now on throw: a script that loops on them ends.
const char kDialogsThrow[] = "['alert', 'confirm', 'prompt'].forEach(function (name) {"
                             " window[name] = function () { throw new Error('dialogs are not shown'); }; });";
// Dialogs one after another without the event loop turning in between: a script loops on them,
// and the engine never interrupts a busy script itself.
constexpr int kDialogsInARow = 20;

const char kDialogNotShown[] = "Page dialog not shown, answered as cancelled";
const char kLeftAnyway[] = "Page asked to be kept, left";
const char kLinkNotOpened[] = "Link not opened, not the person's click or Enter";
const char kNoFile[] = "Page file chooser not opened, answered with no file";
const char kNoWindow[] = "Page window not opened";
const char kNoPrint[] = "Page print request not answered";
const char kNoFullScreen[] = "Page full screen request refused";
const char kNoPermission[] = "Page permission request refused";

bool isPersonsActivation(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

CloudSite::Start startOf(QWebPage::NavigationType type)
{
    switch (type) {
    case QWebPage::NavigationTypeFormSubmitted:
    case QWebPage::NavigationTypeFormResubmitted:
        return CloudSite::Start::Form;
    case QWebPage::NavigationTypeBackOrForward:
    case QWebPage::NavigationTypeReload:
        return CloudSite::Start::History;
    default:
        return CloudSite::Start::Script;
    }
}

}  // namespace

CloudWebPage::CloudWebPage(QObject* parent)
    : QWebPage(parent)
{
    EngineSocketGuard::install();
    // QWebPage made its main frame already when given a view as parent, before frameCreated
    // could be connected; else asking for it makes it now.
    setUpFrame(mainFrame());
    connect(this, &QWebPage::frameCreated, this, &CloudWebPage::setUpFrame);
    // Nothing a page asks for opens a window of its own or waits for the person.
    connect(this, &QWebPage::printRequested, this, [] { LogSummary::logFirst(kNoPrint); });
    connect(this, &QWebPage::fullScreenRequested, this, [](QWebFullScreenRequest request) {
        request.reject();
        LogSummary::logFirst(kNoFullScreen);
    });
    connect(this, &QWebPage::featurePermissionRequested, this, [this](QWebFrame* frame, Feature feature) {
        setFeaturePermission(frame, feature, PermissionDeniedByUser);
        LogSummary::logFirst(kNoPermission);
    });
}

void CloudWebPage::setUpFrame(QWebFrame* frame)
{
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, frame,
            [frame] { frame->evaluateJavaScript(QString::fromLatin1(kNoSockets)); });
    // Its load starts once the engine has asked whether to leave (a frame a script adds
    // meanwhile starts its own), and the engine asks for the page right after, with no script
    // running in between: only that request may take the navigation's mark.
    connect(frame, &QWebFrame::provisionalLoad, this, [this, frame] {
        if (frame == leaving)
            leaving = nullptr;
        auto* manager = qobject_cast<CloudSite::Manager*>(networkAccessManager());
        if (frame == mainFrame() && manager)
            manager->noteNavigation(frame, frame->requestedUrl());
    });
}

bool CloudWebPage::event(QEvent* event)
{
    // The engine decides a link the person activates while it handles the event; a script's
    // click at that moment takes the one link of it.
    const QScopedValueRollback<int> links(linksForInput, isPersonsActivation(event) ? 1 : 0);
    return QWebPage::event(event);
}

bool CloudWebPage::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type)
{
    if (type == NavigationTypeLinkClicked) {
        if (linksForInput > 0) {
            --linksForInput;
            return QWebPage::acceptNavigationRequest(frame, request, type);
        }
        LogSummary::logFirst(kLinkNotOpened);
        return false;
    }
    if (!frame)
        return QWebPage::acceptNavigationRequest(frame, request, type);
    const QUrl url = request.url();
    const bool main = frame == mainFrame();
    auto* manager = qobject_cast<CloudSite::Manager*>(networkAccessManager());
    const CloudSite::Load load = CloudSite::navigationLoad(url, main ? CloudSite::Frame::Main : CloudSite::Frame::Sub,
                                                           startOf(type), mainFrame()->url());
    if (load == CloudSite::Load::Answer && manager)
        manager->expectRedirect(frame, url);
    // The redirect address only as the manager expects it: led there by the page or by the
    // cloud service's own 3xx.
    if (load == CloudSite::Load::Send || (main && manager && manager->expects(frame, url))) {
        // The engine now asks the frame and its own frames whether to leave, as their confirm(),
        // unless it only moves within the page.
        const bool withinPage =
            url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == frame->url().adjusted(QUrl::RemoveFragment);
        if (!withinPage && !leaving) {
            leaving = frame;
            // Asked within this event; a navigation whose load never starts (a server redirect's)
            // leaves no leave answer behind.
            whenThisEventEnds(this, [this] { leaving = nullptr; });
        }
        return true;
    }
    CloudSite::logRefusal(
        main ? "Page not loaded, not the cloud service over https" : "Frame not loaded, not the cloud service", url);
    if (main)
        emit pageRefused(url);
    return false;
}

bool CloudWebPage::supportsExtension(Extension extension) const
{
    // Not the file chooser for many: the engine then asks chooseFile.
    return extension == ErrorPageExtension;
}

bool CloudWebPage::extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output)
{
    if (extension != ErrorPageExtension || !option || !output)
        return false;
    // Never the engine's own error page: it shows the address, and with it the flow's state.
    const auto* failure = static_cast<const ErrorPageExtensionOption*>(option);
    auto* page = static_cast<ErrorPageExtensionReturn*>(output);
    page->baseUrl = QUrl(QStringLiteral("about:blank"));
    page->contentType = QStringLiteral("text/html");
    page->encoding = QStringLiteral("utf-8");
    page->content = CloudSite::kBlankPage;
    if (failure->frame == mainFrame()) {
        WLOG << "Page not loaded, error" << int(failure->domain) << failure->error;
        emit pageFailed(failure->url,
                        failure->domain == QtNetwork && failure->error == QNetworkReply::SslHandshakeFailedError);
    }
    return true;
}

void CloudWebPage::dialogNotShown(QWebFrame* frame, const char* line)
{
    LogSummary::logFirst(line);
    if (dialogsInARow++ == 0)
        QTimer::singleShot(0, this, [this] { dialogsInARow = 0; });
    // Past the run, whichever frame asks: a loop may go on in another one.
    if (dialogsInARow >= kDialogsInARow && frame)
        frame->evaluateJavaScript(QString::fromLatin1(kDialogsThrow));
}

void CloudWebPage::javaScriptAlert(QWebFrame* frame, const QString&)
{
    dialogNotShown(frame, kDialogNotShown);
}

bool CloudWebPage::javaScriptConfirm(QWebFrame* frame, const QString&)
{
    // A frame's own confirm() while it is being left gets the leave answer too: it has no hold
    // on the page any more.
    dialogNotShown(frame, leaving ? kLeftAnyway : kDialogNotShown);
    return !leaving.isNull();
}

bool CloudWebPage::javaScriptPrompt(QWebFrame* frame, const QString&, const QString&, QString*)
{
    dialogNotShown(frame, kDialogNotShown);
    return false;
}

bool CloudWebPage::shouldInterruptJavaScript()
{
    LogSummary::logFirst("Busy page script interrupted");
    return true;
}

QString CloudWebPage::chooseFile(QWebFrame*, const QString&)
{
    LogSummary::logFirst(kNoFile);
    return QString();
}

QWebPage* CloudWebPage::createWindow(WebWindowType)
{
    LogSummary::logFirst(kNoWindow);
    return nullptr;
}
