#ifndef ENDPOINTS_H
#define ENDPOINTS_H

// The maker's service addresses. The hosts are placeholders under the reserved
// ".invalid" domain; a release build puts the real ones here.
namespace Endpoints {
constexpr const char* kReleaseBaseUrl = "https://catalog.tolmwizard.invalid/release/";
constexpr const char* kQATestBaseUrl = "https://catalog.tolmwizard.invalid/develop/";
constexpr const char* kUpdateCheckUrl = "https://update.tolmwizard.invalid/wizard/?version";
constexpr const char* kCloudSiteHost = "www.olvaris.invalid";
constexpr const char* kCloudServiceHost = "api.olvaris.invalid";
// Every cloud address (portal answers, OpenAPI site, pages, REST) is on this domain.
constexpr const char* kCloudDomain = "olvaris.invalid";
// The redirect address the service's pages send the view to at the end of a flow
// (http://127.0.0.1:<port>), answered inside the program; the listener on it takes nothing.
constexpr int kRedirectPort = 5979;
constexpr const char* kTimeServerHost = "time.tolmwizard.invalid";
// Internet probe: a real public web site over plain HTTP.
constexpr const char* kInternetProbeUrl = "http://www.example.com/";
// Internet probe once the computer is back on the home network after the access-point road.
constexpr const char* kHomeNetworkProbeUrl = "http://www.example.org/";
}  // namespace Endpoints

#endif  // ENDPOINTS_H
