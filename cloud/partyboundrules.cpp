#include "cloud/partyboundrules.h"

#include "base/replylimits.h"

namespace CloudSite {

qint64 partLeft(qint64 total, qint64 own, qint64 spentByOthers)
{
    return qMax(qint64(0), (total - spentByOthers) / ReplyLimits::kViewPartyPart - own);
}

PictureWire::Limits partyPictureLimits(const PictureWire::Limits& kind, qint64 pixelsLeft, qint64 cpuMsLeft)
{
    PictureWire::Limits limits = kind;
    limits.pixels = quint32(qMin(pixelsLeft, qint64(kind.pixels)));
    limits.cpuMs = quint32(qMin(cpuMsLeft, qint64(kind.cpuMs)));
    return limits;
}

}  // namespace CloudSite
