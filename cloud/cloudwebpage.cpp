#include "cloud/cloudwebpage.h"

#include <QNetworkRequest>
#include <QWebFrame>

#include "base/log.h"
#include "cloud/cloudsiterules.h"

CloudWebPage::CloudWebPage(QObject* parent)
    : QWebPage(parent)
{}

bool CloudWebPage::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type)
{
    if (!frame || type == NavigationTypeLinkClicked)
        return QWebPage::acceptNavigationRequest(frame, request, type);
    const QUrl url = request.url();
    const bool main = frame == mainFrame();
    if (CloudSite::viewLoad(url, main ? CloudSite::Frame::Main : CloudSite::Frame::Sub) != CloudSite::Load::Refuse)
        return true;
    WLOG << (main ? "Page" : "Frame") << "not loaded, not the cloud service over https :" << url.scheme() << url.host()
         << url.port();
    if (main)
        emit pageRefused(url);
    return false;
}
