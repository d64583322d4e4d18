#ifndef CLOUDWEBPAGE_H
#define CLOUDWEBPAGE_H

#include <QWebPage>

class QUrl;

// A cloud web view's page: every navigation goes through CloudSite::viewLoad. A frame of the
// page is not loaded from an address it refuses; the page itself is not either, and then
// pageRefused tells the flow. Clicked links stay delegated to linkClicked.
class CloudWebPage : public QWebPage
{
    Q_OBJECT
public:
    explicit CloudWebPage(QObject* parent = nullptr);

signals:
    void pageRefused(const QUrl& url);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
};

#endif  // CLOUDWEBPAGE_H
