#include "cloud/cloudrouterules.h"

namespace CloudRoute {

Road roadFor(const QString& wifiSupport, const QString& apModeSupport)
{
    return wifiSupport == QLatin1String("1") && apModeSupport == QLatin1String("0") ? Road::WiFi : Road::Completion;
}

Plan planFor(Caller caller, const QString& wifiSupport, const QString& apModeSupport)
{
    const Road road = roadFor(wifiSupport, apModeSupport);
    const bool skip = caller == Caller::Skip;
    return {road, skip, skip && road == Road::WiFi};
}

}  // namespace CloudRoute
