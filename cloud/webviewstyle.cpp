#include "cloud/webviewstyle.h"

#include <QAction>
#include <QStyleOption>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>

WebViewStyle::WebViewStyle()
    : QProxyStyle(static_cast<QStyle*>(nullptr))
{}

void WebViewStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if ((element == CE_CheckBox || element == CE_RadioButton) && option && option->styleObject)
        option->styleObject->setProperty("_q_no_animation", true);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void setUpCloudWebView(QWebView* view)
{
    view->setStyle(new WebViewStyle);
    view->setCursor(Qt::ArrowCursor);
    view->setMouseTracking(true);
    view->settings()->setUserStyleSheetUrl(QUrl::fromLocalFile("webkit.css"));
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->pageAction(QWebPage::Reload)->setVisible(false);
    view->pageAction(QWebPage::Back)->setVisible(false);
    view->page()->mainFrame()->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
    view->page()->mainFrame()->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
    view->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    view->setZoomFactor(0.95);
}
