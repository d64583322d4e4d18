#ifndef CLOUDWEBPAGE_H
#define CLOUDWEBPAGE_H

#include <QWebPage>

class QUrl;

// A cloud web view's page: every navigation goes through CloudSite::navigationLoad. A frame of
// the page is not loaded from an address it refuses, and the flow goes on; the page itself is
// not either, and then pageRefused tells the flow. A page that fails to load shows blank and
// pageFailed tells the flow, and whether its certificate was not trusted; a frame that fails
// shows blank. No frame has WebSocket or workers (the engine opens their connections itself,
// past the network manager). The page's dialogs are never shown: each is answered as cancelled.
// Clicked links stay delegated to linkClicked.
class CloudWebPage : public QWebPage
{
    Q_OBJECT
public:
    explicit CloudWebPage(QObject* parent = nullptr);

    bool supportsExtension(Extension extension) const override;
    bool extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) override;
    // Without asking anyone.
    bool shouldInterruptJavaScript() override;

signals:
    void pageRefused(const QUrl& url);
    void pageFailed(const QUrl& url, bool untrusted);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
    void javaScriptAlert(QWebFrame* frame, const QString& message) override;
    bool javaScriptConfirm(QWebFrame* frame, const QString& message) override;
    bool javaScriptPrompt(QWebFrame* frame, const QString& message, const QString& defaultValue,
                          QString* result) override;

private:
    void withoutSockets(QWebFrame* frame);
    void dialogNotShown(QWebFrame* frame);

    int dialogsInARow = 0;
};

#endif  // CLOUDWEBPAGE_H
