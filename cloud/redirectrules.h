#ifndef REDIRECTRULES_H
#define REDIRECTRULES_H

#include <QString>

class QUrl;

// How a cloud view tells the request a redirect of another host leads to: plain functions.
namespace CloudSite {

// The whole address url names, as a redirect's Location (resolved against its answer's address) and the engine's
// request as it follows it are compared: scheme, host, port, path and query, whatever escapes either writes, with
// the path's dot segments resolved and without fragment or user name. Two addresses that differ in any of these,
// another path or query on the same host too, are two addresses.
QString redirectAddress(const QUrl& url);

}  // namespace CloudSite

#endif  // REDIRECTRULES_H
