#ifndef CLOUDWEBPAGE_H
#define CLOUDWEBPAGE_H

#include <QPointer>
#include <QWebPage>

class QUrl;

// A cloud web view's page: every navigation goes through CloudSite::navigationLoad. A frame of
// the page is not loaded from an address it refuses, and the flow goes on; the page itself is
// not either, and then pageRefused tells the flow. A page that fails to load shows blank and
// pageFailed tells the flow, and whether its certificate was not trusted; a frame that fails
// shows blank. No frame has WebSocket or workers where its scripts run (the engine opens their
// connections itself, past the network manager), and the engine's sockets fail (EngineSocketGuard)
// wherever they are made. The page's dialogs are never shown: each is answered as cancelled,
// but whether to leave the page for a navigation it accepted is answered yes, whoever started it.
// A clicked link goes to linkClicked only when the person's click or Enter on the view led to it,
// one for each: a script clicking links opens nothing. A file chooser, a new window, print, full
// screen and permission requests get nothing and open nothing. The navigation's mark (see
// CloudSite::Manager::noteNavigation) is noted as the engine starts the main frame's load.
class CloudWebPage : public QWebPage
{
    Q_OBJECT
public:
    explicit CloudWebPage(QObject* parent = nullptr);

    bool supportsExtension(Extension extension) const override;
    bool extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) override;
    // Without asking anyone.
    bool shouldInterruptJavaScript() override;
    // The view hands the page its input events.
    bool event(QEvent* event) override;

signals:
    void pageRefused(const QUrl& url);
    void pageFailed(const QUrl& url, bool untrusted);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
    void javaScriptAlert(QWebFrame* frame, const QString& message) override;
    bool javaScriptConfirm(QWebFrame* frame, const QString& message) override;
    bool javaScriptPrompt(QWebFrame* frame, const QString& message, const QString& defaultValue,
                          QString* result) override;
    QString chooseFile(QWebFrame* frame, const QString& suggestedFile) override;
    QWebPage* createWindow(WebWindowType type) override;

private:
    void setUpFrame(QWebFrame* frame);
    void dialogNotShown(QWebFrame* frame, const char* line);

    int dialogsInARow = 0;
    int linksForInput = 0;        // while the page handles the person's click or Enter
    QPointer<QWebFrame> leaving;  // from its navigation accepted to its load's start, within one event
};

#endif  // CLOUDWEBPAGE_H
