#ifndef PARTYBOUNDRULES_H
#define PARTYBOUNDRULES_H

#include <QtGlobal>

#include "base/picturewire.h"

// What each party (cloud/partyrules.h) may spend of what a cloud view's pictures may cost in all, CPU time or pixels
// handed to the engine: plain functions. A party's part is ReplyLimits::kViewPartyPart's share of what the other
// parties left of the total, not of the whole: the first takes half of it at most, the next half of the rest, and so
// on, so that however many parties spend their parts a party that has spent nothing finds room, each one more buying
// less, and the parties together never pass the total.
namespace CloudSite {

// What a party that spent own may still spend of its part of total, of which the other parties spent spentByOthers:
// its part less own, nothing past it (nor once the others spent it all).
qint64 partLeft(qint64 total, qint64 own, qint64 spentByOthers);
// The limits of a party's next picture: kind's, its pixels within the pixels its party has left of its part and its
// CPU time within the milliseconds it has left of it.
PictureWire::Limits partyPictureLimits(const PictureWire::Limits& kind, qint64 pixelsLeft, qint64 cpuMsLeft);

}  // namespace CloudSite

#endif  // PARTYBOUNDRULES_H
