#include "cloud/partyboundrules.h"

#include "base/replylimits.h"

namespace CloudSite {

qint64 partLeft(qint64 total, qint64 own, qint64 spentByOthers)
{
    return qMax(qint64(0), (total - spentByOthers) / ReplyLimits::kViewPartyPart - own);
}

PictureWire::Limits partyPictureLimits(const PictureWire::Limits& kind, qint64 pixelsLeft)
{
    PictureWire::Limits limits = kind;
    limits.pixels = quint32(qMin(pixelsLeft, qint64(kind.pixels)));
    return limits;
}

}  // namespace CloudSite
