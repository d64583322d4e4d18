#ifndef WEBVIEWSTYLE_H
#define WEBVIEWSTYLE_H

#include <QProxyStyle>

class QWebView;

// The cloud web views' style: the application's, with check boxes and radio buttons of
// the web pages switching without animation.
class WebViewStyle : public QProxyStyle
{
public:
    WebViewStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// A cloud web view as the page uses it: this style, an arrow cursor, "webkit.css" as its user
// style sheet, no context menu, no Back or Reload, no scroll bars, every link delegated
// to linkClicked, zoom 0.95, no window of its own on the screen.
void setUpCloudWebView(QWebView* view);

#endif  // WEBVIEWSTYLE_H
