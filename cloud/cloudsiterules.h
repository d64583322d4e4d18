#ifndef CLOUDSITERULES_H
#define CLOUDSITERULES_H

#include <QNetworkRequest>

class QUrl;

// Which addresses the wizard uses for the cloud service and what its web views may load: plain
// functions. The network managers that follow them are in cloud/cloudsitemanager.h.
namespace CloudSite {

// This machine or the local network, in any notation an address takes: a loopback, private, shared,
// link-local or unspecified IPv4 or IPv6 address (an IPv6 form of such an IPv4 one too), "localhost"
// and names under it, ".local" names, names of one label; a trailing dot does not count. host as
// QUrl::host(QUrl::FullyEncoded) gives it.
bool isLocalHost(QString host);
// https on the default port, without user information, on the cloud domain or a host under it.
bool isCloudAddress(const QUrl& url);
// The redirect address, where the service's pages send the view at the end of a flow.
bool isRedirectListener(const QUrl& url);

// What a view shows where it has no page of the service: after the redirect, while the wizard registers the camera
// and whatever comes of it, and in place of the engine's error page. No text, on the view's own ground.
extern const char kBlankPage[];

// What a cloud web view does with an address.
enum class Load
{
    Send,    // over the network
    Answer,  // the redirect address: answered inside the program, no connection
    Refuse,
};
enum class Frame
{
    Main,      // a navigation of the view's main frame, server redirects included
    Sub,       // a navigation of a frame in the page
    Resource,  // a picture, style sheet, script or font of a page, or its XHR
};
// The main frame stays on the cloud service over https or goes to the redirect address; a frame
// loads only from the cloud service (or is blank). Resources may also come from other hosts over
// https on the default port, never from this machine or the local network, nor over http, file
// or another port; data: sends nothing (the engine mostly reads it itself).
Load viewLoad(const QUrl& url, Frame frame);

// How a navigation started.
enum class Start
{
    Script,   // a script, a refresh or a server redirect
    Form,     // a form sent
    History,  // back, forward or reload
};
// A navigation's load: the redirect address is answered only for the main frame, led there by
// the page of the cloud service it shows (shown), not by a form or the history.
Load navigationLoad(const QUrl& url, Frame frame, Start start, const QUrl& shown);
// Whether the answer to the main frame's request for requested (status, location) leads to the
// redirect address: a 3xx of the cloud service.
bool redirectsToListener(const QUrl& requested, int status, const QUrl& location);
// Whether the engine may follow another host's 3xx to location (resolved against the answer's address):
// only over https to where a page's resource may load from, so that the view's manager sends the next
// request and judges its answer. The engine would read another scheme's address (data:, blob:, ...)
// itself.
bool redirectFollowed(const QUrl& location);

// request as a cloud manager sends it: never answering an HTTP authentication challenge, and to
// a host other than the cloud service's without Referer, which holds the page's address and with
// it the flow's state and the app token.
QNetworkRequest outgoing(const QNetworkRequest& request);

// Refusals a page can repeat at will: the first few of each kind (what, a fixed text) are logged
// in full, with the host, the rest counted under what in LogSummary's lines.
void logRefusal(const QString& what, const QUrl& url);

}  // namespace CloudSite

#endif  // CLOUDSITERULES_H
