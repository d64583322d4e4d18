// The cloud web views' page: what its frames may load and start, what ends the flow, and that
// no frame can open a WebSocket.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPainter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

#include "base/logsummary.h"
#include "cloud/cloudservicespage.h"
#include "cloud/cloudsitemanager.h"
#include "cloud/cloudsiterules.h"
#include "cloud/cloudwebpage.h"
#include "cloud/webviewstyle.h"
#include "protocol/dcputils.h"
#include "testsupport.h"

namespace {

const QByteArray kSignIn = "tolmwizard_signin5f0c9a2e";
const QUrl kCloudPage("https://api.olvaris.invalid/login?state=tolmwizard_signin5f0c9a2e");

// The page with its acceptNavigationRequest reachable.
class Page : public CloudWebPage
{
public:
    using CloudWebPage::acceptNavigationRequest;
    using CloudWebPage::CloudWebPage;
};

// The page as the cloud step builds it: made with its view as parent, set on the view, the view
// set up, the page given its manager before the view's first load.
struct ViewPage
{
    QWebView view;
    Page* page = new Page(&view);
    explicit ViewPage(DCPUtils* redirectTarget = nullptr)
    {
        view.setPage(page);
        setUpCloudWebView(&view);
        page->setNetworkAccessManager(new CloudSite::Manager(redirectTarget, page));
    }
};

// A cloud page as the view shows it, with a blank frame of its own; the manager sends nothing.
void showCloudPage(QWebPage* page, const QString& body = {})
{
    QSignalSpy loaded(page, &QWebPage::loadFinished);
    page->mainFrame()->setHtml("<html><body><iframe src='about:blank'></iframe>" + body + "</body></html>", kCloudPage);
    QVERIFY(!loaded.isEmpty() || loaded.wait(beyondDeadline(ReplyLimits::kCloudPage.deadlineMs)));
}

}  // namespace

class TestCloudWebPage : public QObject
{
    Q_OBJECT
private slots:
    // A frame from another host is not loaded and the flow goes on; the page itself leaving the
    // cloud service ends it.
    void frameRule_data()
    {
        QTest::addColumn<bool>("main");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("flowEnds");
        QTest::newRow("CloudWebPage: frame from another https host")
            << false << "https://widgets.example.org/tp/frame" << false << false;
        QTest::newRow("CloudWebPage: frame from the cloud")
            << false << "https://api.olvaris.invalid/w" << true << false;
        QTest::newRow("CloudWebPage: page to another https host")
            << true << "https://widgets.example.org/tp/away" << false << true;
        QTest::newRow("CloudWebPage: page on the cloud") << true << "https://api.olvaris.invalid/next" << true << false;
    }

    void frameRule()
    {
        QFETCH(bool, main);
        QFETCH(QString, url);
        Page page;
        page.setNetworkAccessManager(new CloudSite::Manager(static_cast<DCPUtils*>(nullptr), &page));
        showCloudPage(&page);
        QCOMPARE(page.mainFrame()->childFrames().size(), 1);
        QWebFrame* frame = main ? page.mainFrame() : page.mainFrame()->childFrames().first();
        QSignalSpy refused(&page, &CloudWebPage::pageRefused);
        QTEST(page.acceptNavigationRequest(frame, QNetworkRequest(QUrl(url)), QWebPage::NavigationTypeOther), "loaded");
        QTEST(refused.count() == 1, "flowEnds");
    }

    // After the cloud service's 3xx to the redirect address the main frame may go to that address
    // alone: another host at the same path and query is refused, and the flow ends.
    void expectedRedirectOnly_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("loaded");
        const QString query = "/?access_token=T&state=" + QString::fromLatin1(kSignIn);
        QTest::newRow("the redirect address") << "http://127.0.0.1:5979" + query << true;
        QTest::newRow("another https host") << "https://widgets.example.org" + query << false;
        QTest::newRow("another host at the listener's port") << "http://widgets.example.org:5979" + query << false;
    }

    void expectedRedirectOnly()
    {
        QFETCH(QString, url);
        QFETCH(bool, loaded);
        Page page;
        auto* manager = new CloudSite::Manager(static_cast<DCPUtils*>(nullptr), &page);
        page.setNetworkAccessManager(manager);
        showCloudPage(&page);
        manager->expectRedirect(page.mainFrame(), QUrl("http://127.0.0.1:5979/?access_token=T&state=" + kSignIn));
        QSignalSpy refused(&page, &CloudWebPage::pageRefused);
        QCOMPARE(page.acceptNavigationRequest(page.mainFrame(), QNetworkRequest(QUrl(url)),
                                              QWebPage::NavigationTypeFormSubmitted),
                 loaded);
        QCOMPARE(refused.count(), loaded ? 0 : 1);
    }

    // The redirect address, asked for by the page's own scripts: answered for the main frame's
    // navigation, not for a picture of the page or of its frame. Taken, the view shows no word, on its own
    // ground, while the wizard registers the camera and whatever comes of it.
    void redirectFromTheView_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("taken");
        const QString address = "'http://127.0.0.1:5979/?access_token=T&state=" + QString::fromLatin1(kSignIn) + "'";
        QTest::newRow("the page goes there") << "location.href = " + address << true;
        QTest::newRow("a picture of the page") << "new Image().src = " + address << false;
        QTest::newRow("a picture of its frame")
            << "frames[0].eval(\"new Image().src = \" + JSON.stringify(" + address + "))" << false;
        QTest::newRow("a request of the page")
            << "var x = new XMLHttpRequest(); x.open('GET', " + address + "); x.send();" << false;
    }

    void redirectFromTheView()
    {
        QFETCH(QString, script);
        QFETCH(bool, taken);
        DCPUtils dcp;
        dcp.expectRedirect(DCPUtils::RedirectFlow::SignIn, kSignIn);
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        Page page;
        page.setNetworkAccessManager(new CloudSite::Manager(&dcp, &page));
        showCloudPage(&page);
        QSignalSpy loaded(&page, &QWebPage::loadFinished);
        page.mainFrame()->evaluateJavaScript(script);
        if (taken)
            QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
        else
            QTest::qWait(300);
        QCOMPARE(in.count(), taken ? 1 : 0);
        if (!taken)
            return;
        QTRY_VERIFY(!loaded.isEmpty());
        QCOMPARE(page.mainFrame()->toPlainText(), QString());
        page.setViewportSize({300, 200});
        QImage shown(page.viewportSize(), QImage::Format_RGB32), ground(shown);
        shown.fill(Qt::magenta), ground.fill(page.palette().color(QPalette::Base));
        QPainter painter(&shown);
        page.mainFrame()->render(&painter);
        QVERIFY(painter.end() && shown == ground);
    }

    // The navigation's mark goes to the engine's own request alone, on the program's load and on the
    // next page's form: never to what the page asks for there, with the document's Accept, before,
    // as or after it is left.
    void navigationMark_data()
    {
        QTest::addColumn<QString>("script");  // the page's; ask(async) asks for the navigation's address
        QTest::newRow("no script") << "";
        QTest::newRow("a synchronous request in beforeunload") << "onbeforeunload = function () { ask(false); };";
        QTest::newRow("a request in beforeunload") << "onbeforeunload = function () { ask(true); };";
        QTest::newRow("its frame sent there, a picture in beforeunload")
            << "frames[0].location = go; onbeforeunload = function () { new Image().src = go; };";
        QTest::newRow("a synchronous request in unload") << "onunload = function () { ask(false); };";
    }

    void navigationMark()
    {
        QFETCH(QString, script);
        QTcpServer closed;  // nothing answers there: nothing leaves this machine, not even a name lookup
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        closed.close();
        ViewPage v;
        QNetworkAccessManager* manager = v.page->networkAccessManager();
        manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", closed.serverPort()));
        QStringList marked;  // "<the script's X header><frame: a frame's>path"
        connect(manager, &QNetworkAccessManager::finished, [&](QNetworkReply* reply) {
            const QNetworkRequest request = reply->request();
            if (reply->property(CloudSite::Manager::kNavigationProperty).toBool())
                marked << request.rawHeader("X") +
                              (request.originatingObject() == v.page->mainFrame() ? "" : "frame:") +
                              reply->url().path();
        });
        for (const QString go : {"/first", "/second"}) {
            showCloudPage(v.page, "<form method='post' action='" + go + "'></form><script>var go = '" + go +
                                      "'; var ask = function (async) { var x = new XMLHttpRequest();"
                                      " x.open('GET', go, async); x.setRequestHeader('Accept', 'text/html,*/*');"
                                      " x.setRequestHeader('X', 'script:'); try { x.send(); } catch (e) {} };" +
                                      script + "</script>");
            QSignalSpy failed(v.page, &CloudWebPage::pageFailed);
            if (go == "/first")
                v.view.load(kCloudPage.resolved(QUrl(go)));
            else
                v.page->mainFrame()->evaluateJavaScript("document.forms[0].submit()");
            QVERIFY(failed.wait(5000));
            QTest::qWait(100);  // what the page asks for later
        }
        QCOMPARE(marked, QStringList({"/first", "/second"}));
    }

    // A page that does not load shows blank, never the engine's error page with its address,
    // and ends the flow.
    void failedPage()
    {
        DCPUtils dcp;  // no flow waits: the redirect address answers 404
        Page page;
        page.setNetworkAccessManager(new CloudSite::Manager(&dcp, &page));
        showCloudPage(&page);
        QSignalSpy failed(&page, &CloudWebPage::pageFailed);
        page.mainFrame()->evaluateJavaScript("location.href = 'http://127.0.0.1:5979/?state=secretstate'");
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
        QVERIFY2(!page.mainFrame()->toHtml().contains("secretstate"), qPrintable(page.mainFrame()->toHtml()));
        QVERIFY(!page.mainFrame()->toHtml().contains("Failed to load"));
    }

    // The flow learns whether the page failed for its certificate: that failure has its own popup.
    // A frame of the page that fails ends nothing.
    void failureKind_data()
    {
        QTest::addColumn<int>("domain");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("untrusted");
        QTest::addColumn<bool>("child");
        QTest::newRow("certificate not trusted")
            << int(QWebPage::QtNetwork) << int(QNetworkReply::SslHandshakeFailedError) << true << false;
        QTest::newRow("connection refused")
            << int(QWebPage::QtNetwork) << int(QNetworkReply::ConnectionRefusedError) << false << false;
        QTest::newRow("HTTP status of the same number")
            << int(QWebPage::Http) << int(QNetworkReply::SslHandshakeFailedError) << false << false;
        QTest::newRow("a frame's certificate not trusted")
            << int(QWebPage::QtNetwork) << int(QNetworkReply::SslHandshakeFailedError) << true << true;
    }

    void failureKind()
    {
        QFETCH(int, domain);
        QFETCH(int, error);
        QFETCH(bool, child);
        Page page;
        showCloudPage(&page);
        QSignalSpy failed(&page, &CloudWebPage::pageFailed);
        QWebPage::ErrorPageExtensionOption option;
        option.domain = QWebPage::ErrorDomain(domain);
        option.error = error;
        option.frame = child ? page.mainFrame()->childFrames().first() : page.mainFrame();
        option.url = kCloudPage;
        QWebPage::ErrorPageExtensionReturn output;
        QVERIFY(page.extension(QWebPage::ErrorPageExtension, &option, &output));
        QCOMPARE(failed.count(), child ? 0 : 1);
        if (!child)
            QTEST(failed.first().at(1).toBool(), "untrusted");
    }

    // A page's dialogs are never shown: each is answered as cancelled, the first logged and the
    // rest counted. A script that loops on them ends; a busy script is interrupted unasked.
    void dialogs_data()
    {
        QTest::addColumn<QString>("script");  // empty: the engine finds a script busy
        QTest::addColumn<QString>("answer");
        QTest::newRow("alert") << "String(alert('x'))"
                               << "undefined";
        QTest::newRow("confirm") << "String(confirm('x'))"
                                 << "false";
        QTest::newRow("prompt") << "String(prompt('x', 'y'))"
                                << "null";
        QTest::newRow("confirm after a change of fragment") << "location.hash = 'h'; String(confirm('x'))"
                                                            << "false";
        QTest::newRow("a few alerts each time the events turn") << "var n = 0; while (n < 7) alert(n++); String(n)"
                                                                << "7";
        QTest::newRow("a loop of alerts")
            << "var n = 0; try { while (n < 1000) alert(n++); } catch (e) {} String(n < 1000)"
            << "true";
        QTest::newRow("a loop on its frame's alerts after the page's")
            << "var n = 0; try { while (n < 1000) alert(n++); } catch (e) {}"
               " try { while (n < 2000) frames[0].alert(n++); } catch (e) {} String(n < 2000)"
            << "true";
        QTest::newRow("a busy script") << ""
                                       << "interrupted";
    }

    void dialogs()
    {
        QFETCH(QString, script);
        QFETCH(QString, answer);
        ViewPage product;
        showCloudPage(product.page);
        int shown = 0;
        QTimer closer;  // a dialog shown all the same is counted and closed
        connect(&closer, &QTimer::timeout, [&shown] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->done(QMessageBox::Yes);
            }
        });
        closer.start(0);
        LogRecorder log;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(script.isEmpty() ? QString(product.page->shouldInterruptJavaScript() ? "interrupted" : "")
                                      : product.page->mainFrame()->evaluateJavaScript(script).toString(),
                     answer);
            QCoreApplication::processEvents();
        }
        QCOMPARE(shown, 0);
        LogSummary::flush();
        const QString line = script.isEmpty() ? "Busy page script interrupted" : "Page dialog not shown";
        const QStringList counted = log.matching("Counted, not logged one by one");
        QVERIFY2(log.matching(line).size() - counted.size() <= 1 && counted.filter(line).size() == 1,
                 qPrintable(log.all()));
    }

    // What a page asks for on the person's click opens no window, leaves nothing waiting and gets
    // nothing; each is counted in the log.
    void nativeWindows_data()
    {
        QTest::addColumn<QString>("script");  // on the person's click; the page's inputs are i[0] to i[2]
        QTest::addColumn<QString>("line");
        const QString file = "Page file chooser not opened", window = "Page window not opened";
        QTest::newRow("a file input") << "i[0].click();" << file;
        QTest::newRow("a file input for many") << "i[1].click();" << file;
        QTest::newRow("a colour input") << "i[2].click();" << window;
        QTest::newRow("a new window") << "open(go); showModalDialog(go);" << window;
        QTest::newRow("print") << "print();"
                               << "Page print request not answered";
        QTest::newRow("full screen") << "document.body.webkitRequestFullscreen();"
                                     << "Page full screen request refused";
        QTest::newRow("a position") << "navigator.geolocation.getCurrentPosition(Date);"
                                    << "Page permission request refused";
    }

    void nativeWindows()
    {
        QFETCH(QString, script);
        QFETCH(QString, line);
        CloudServicesPage step;
        QWebView* view = step.ui->cloudServiceSignIn_WebView;
        step.show();
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(&step));
        showCloudPage(view->page(), "<input type='file'><input type='file' multiple><input type='color'><script>"
                                    "var i = document.getElementsByTagName('input'), go = '/w';"
                                    " document.addEventListener('click', function () { " +
                                        script + " });</script>");
        QStringList shown;
        QTimer closer;  // a window shown all the same is noted and closed
        connect(&closer, &QTimer::timeout, [&shown, &step] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != &step && window->isVisible() && !window->testAttribute(Qt::WA_DontShowOnScreen)) {
                    shown << window->metaObject()->className();
                    window->close();
                }
        });
        closer.start(0);
        LogRecorder log;
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::qWait(200);
        LogSummary::flush();
        QCOMPARE(shown, QStringList());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(log.contains(line), qPrintable(log.all()));
    }

    // A link goes to the browser only when the person's click or Enter on the view led to it,
    // one for each: a page's script clicking its links opens nothing, however often, and its
    // clicks are counted in the log.
    void links_data()
    {
        QTest::addColumn<QString>("script");  // the page's, run once it shows
        QTest::addColumn<QString>("person");  // on the view: a click on the link or on text, Enter, A
        QTest::addColumn<int>("opened");
        const QString clicks = "for (var i = 0; i < 50; ++i) document.getElementById('link')";
        QTest::newRow("a script clicks a link 50 times") << clicks + ".click();"
                                                         << "" << 0;
        QTest::newRow("a script sends it click events")
            << clicks + ".dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true, view: window}));"
            << "" << 0;
        QTest::newRow("the person clicks the link") << ""
                                                    << "link" << 1;
        QTest::newRow("the person clicks a link of a long address")
            << "document.getElementById('link').href += new Array(1 << 20).join('a');"
            << "link" << 1;
        QTest::newRow("the page clicks 50 more on the person's click")
            << "document.addEventListener('click', function () { " + clicks + ".click(); });"
            << "link" << 1;
        QTest::newRow("the page clicks 50 more on the person's Enter")
            << "document.getElementById('link').focus(); document.addEventListener('keydown', function () { " + clicks +
                   ".click(); });"
            << "enter" << 1;
        QTest::newRow("the page clicks 50 as the person presses the button")
            << "document.addEventListener('mousedown', function () { " + clicks + ".click(); });"
            << "text" << 0;
        QTest::newRow("the page clicks 50 as the person types")
            << "document.addEventListener('keydown', function () { " + clicks + ".click(); });"
            << "a" << 0;
        QTest::newRow("the page clicks after the person's click")
            << "document.addEventListener('mouseup', function () { setTimeout(function () { " + clicks +
                   ".click(); }, 0); });"
            << "text" << 0;
    }

    void links()
    {
        QFETCH(QString, script);
        QFETCH(QString, person);
        CloudServicesPage step;  // its views, wired to the browser as in the product
        QWebView* view = step.ui->cloudServiceSignIn_WebView;
        step.show();
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(&step));
        showCloudPage(view->page(),
                      "<a id='link' href='https://www.example.org/help' style='position: absolute; left: 0;"
                      " top: 0; width: 300px; height: 100px; display: block'>help</a>"
                      "<p style='position: absolute; left: 0; top: 200px'>text</p>");
        UrlRecorder browser;
        LogRecorder log;
        view->page()->mainFrame()->evaluateJavaScript(script);
        if (person == "enter" || person == "a")
            QTest::keyClick(view, person == "a" ? Qt::Key_A : Qt::Key_Return);
        else if (!person.isEmpty())
            QTest::mouseClick(view, Qt::LeftButton, {}, person == "link" ? QPoint(100, 50) : QPoint(20, 210));
        // A timer of the page set by then runs before this one.
        view->page()->mainFrame()->evaluateJavaScript("setTimeout(function () { window.settled = true; }, 0);");
        QTRY_VERIFY(view->page()->mainFrame()->evaluateJavaScript("window.settled === true").toBool());
        QTEST(int(browser.urls.size()), "opened");
        LogSummary::flush();
        QVERIFY2(log.all().size() < 64 * 1024, "a link's address is logged bounded");
        const QString line = "Link not opened, not the person's";
        QVERIFY2(log.matching(line).size() - log.count({"Counted, not logged one by one", line}) <= 1,
                 qPrintable(log.all()));
    }

    // A page cannot keep the view: asked before it is left, the answer is always to leave, whether
    // the program loads the view or the page goes on by itself. Its own confirm() stays cancelled.
    void leaving_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("program");  // the program loads the view; else the page goes on
        const QString stay = "function (e) { e.returnValue = 'stay'; return 'stay'; }";
        QTest::newRow("a handler in the body's attribute")
            << "document.body.setAttribute('onbeforeunload', \"return 'stay'\");" << true;
        QTest::newRow("a handler in the window's property") << "window.onbeforeunload = " + stay + ";" << true;
        QTest::newRow("a listener") << "addEventListener('beforeunload', " + stay + ");" << true;
        QTest::newRow("a listener of its frame") << "frames[0].addEventListener('beforeunload', " + stay + ");" << true;
        QTest::newRow("a handler looping on confirm()")
            << "window.onbeforeunload = function () { while (confirm('stay?')); return 'stay'; };" << true;
        QTest::newRow("a handler that adds a frame")
            << "window.onbeforeunload = function () { var f = document.createElement('iframe'); f.src = 'about:blank';"
               " document.body.appendChild(f); return 'stay'; };"
            << true;
        QTest::newRow("a handler, the page goes on itself") << "window.onbeforeunload = " + stay + ";" << false;
    }

    void leaving()
    {
        QFETCH(QString, script);
        QFETCH(bool, program);
        DCPUtils dcp;
        dcp.expectRedirect(DCPUtils::RedirectFlow::SignIn, kSignIn);
        ViewPage product(&dcp);
        showCloudPage(product.page);
        product.page->mainFrame()->evaluateJavaScript(script);
        const QUrl next("http://127.0.0.1:5979/?access_token=T&state=" + kSignIn);
        QSignalSpy loaded(product.page, &QWebPage::loadFinished);
        if (program)
            product.view.load(next);
        else
            product.page->mainFrame()->evaluateJavaScript("location.href = '" + next.toString() + "'");
        // The page is asked no more while the next one loads: its confirm() is cancelled again.
        QCOMPARE(product.page->mainFrame()
                     ->evaluateJavaScript("var r = false; try { r = confirm('x'); } catch (e) {} String(r)")
                     .toString(),
                 QString("false"));
        QVERIFY(loaded.wait(beyondDeadline(ReplyLimits::kCloudPage.deadlineMs)));
        QCOMPARE(product.view.url(), next);
    }

    // The leave answer lasts while the engine asks, within the event that accepted the navigation:
    // once a navigation whose load never started is past, the page's confirm() is cancelled again.
    void leaveAnswerEndsWithItsTurn()
    {
        ViewPage product;
        showCloudPage(product.page);
        QVERIFY(product.page->acceptNavigationRequest(product.page->mainFrame(),
                                                      QNetworkRequest(kCloudPage.resolved(QUrl("/next"))),
                                                      QWebPage::NavigationTypeOther));
        QTest::qWait(1);
        QCOMPARE(product.page->mainFrame()->evaluateJavaScript("String(confirm('x'))").toString(), QString("false"));
    }

    // WebSocket and workers (which have WebSocket) are gone in the page, its frames and a frame
    // a script makes, on the view's second page as on its first.
    void noWebSockets_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("page") << "typeof WebSocket + typeof Worker + typeof SharedWorker";
        QTest::newRow("its frame") << "typeof frames[0].WebSocket + typeof frames[0].Worker + 'undefined'";
        QTest::newRow("a frame made later")
            << "var f = document.createElement('iframe'); document.body.appendChild(f);"
               " typeof f.contentWindow.WebSocket + typeof f.contentWindow.Worker + 'undefined'";
        QTest::newRow("the window's prototype")
            << "var p = Object.getPrototypeOf(window); typeof p.WebSocket + typeof p.Worker + typeof p.SharedWorker";
        QTest::newRow("put back") << "delete window.WebSocket; window.WebSocket = 1;"
                                     " typeof WebSocket + 'undefined' + 'undefined'";
    }

    void noWebSockets()
    {
        QFETCH(QString, script);
        ViewPage product;
        for (const char* body : {"", "<p>the next page</p>"}) {
            showCloudPage(product.page, body);
            QCOMPARE(product.page->mainFrame()->evaluateJavaScript(script).toString(),
                     QString("undefinedundefinedundefined"));
        }
    }

    // A frame that runs no script of its own (sandboxed, or made in one) keeps WebSocket and
    // Worker for the page's script: neither its WebSocket nor its worker's reaches a host.
    void noEngineSockets_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("worker");
        const QString made = "(function (d) { var f = d.createElement('iframe'); f.setAttribute('sandbox', "
                             "'allow-same-origin'); d.body.appendChild(f); return f.contentWindow; })";
        for (bool worker : {false, true}) {
            const QByteArray via = worker ? ", a worker" : "";
            QTest::newRow("a sandboxed frame" + via) << "frames[1]" << worker;
            QTest::newRow("one the page makes" + via) << made + "(document)" << worker;
            QTest::newRow("one made in a sandboxed frame" + via) << made + "(frames[1].document)" << worker;
        }
    }

    void noEngineSockets()
    {
        QFETCH(QString, frame);
        QFETCH(bool, worker);
        QTcpServer recorder;
        QVERIFY(recorder.listen(QHostAddress::LocalHost, 0));
        const QString at = "s://127.0.0.1:" + QString::number(recorder.serverPort()) + "/'";
        ViewPage product;
        showCloudPage(product.page, "<iframe sandbox='allow-same-origin'></iframe>");
        // The page sees the WebSocket closed (the frame runs no handler): through a channel from the worker.
        product.page->mainFrame()->evaluateJavaScript(
            "var w = " + frame +
            ", c = new MessageChannel(), s = {}; c.port1.onmessage = function () { s.readyState = 3; };" +
            (worker
                 ? " new w.Worker(URL.createObjectURL(new Blob([\"onmessage = function (m) { new WebSocket('ws" + at +
                       ").onclose = function () { m.ports[0].postMessage(0); }; };\"]))).postMessage(0, [c.port2]);"
                 : " s = new w.WebSocket('ws" + at + ");"));
        const auto closed = [&product] { return product.page->mainFrame()->evaluateJavaScript("s.readyState == 3"); };
        QTRY_VERIFY(closed().toBool() || recorder.hasPendingConnections());
        QVERIFY(!recorder.hasPendingConnections());
        auto* own = new QTcpSocket(product.page);  // the program's own, with a parent too
        own->connectToHost(QHostAddress::LocalHost, recorder.serverPort());
        QVERIFY(recorder.waitForNewConnection(5000));
    }
};

QTEST_MAIN(TestCloudWebPage)
#include "tst_cloudwebpage.moc"
