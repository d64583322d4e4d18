#ifndef CLOUDWEBPAGE_H
#define CLOUDWEBPAGE_H

#include <QWebPage>

class QUrl;

// A cloud web view's page: every navigation goes through CloudSite::navigationLoad. A frame of
// the page is not loaded from an address it refuses, and the flow goes on; the page itself is
// not either, and then pageRefused tells the flow. A page that fails to load shows blank and
// pageFailed tells the flow. No frame has WebSocket or workers (the engine opens their
// connections itself, past the network manager). Clicked links stay delegated to linkClicked.
class CloudWebPage : public QWebPage
{
    Q_OBJECT
public:
    explicit CloudWebPage(QObject* parent = nullptr);

    bool supportsExtension(Extension extension) const override;
    bool extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) override;

signals:
    void pageRefused(const QUrl& url);
    void pageFailed(const QUrl& url);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;

private:
    void withoutSockets(QWebFrame* frame);
};

#endif  // CLOUDWEBPAGE_H
