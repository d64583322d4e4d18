#include "cloud/webviewstyle.h"

#include <QAction>
#include <QEvent>
#include <QStyleOption>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>

#include "base/logsummary.h"

namespace {

// A window the engine makes on the view (its colour dialog, say) is never put on the screen,
// nor made a native one, and closes once shown: the program does not wait on it.
class NoViewWindows : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) {
                static_cast<QWidget*>(child)->setAttribute(Qt::WA_DontShowOnScreen);
                child->installEventFilter(this);
            }
        } else if (event->type() == QEvent::Show && watched != parent()) {
            // The screen is reached after this event. A dialog may have cleared the attribute, and
            // clears it again as it hides, which would leave a modal one registered as shown.
            auto* window = static_cast<QWidget*>(watched);
            window->setAttribute(Qt::WA_DontShowOnScreen);
            window->setWindowModality(Qt::NonModal);
            QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
            LogSummary::logFirst("Page window not opened");
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

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
    view->installEventFilter(new NoViewWindows(view));
}
