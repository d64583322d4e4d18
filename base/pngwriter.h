#ifndef PNGWRITER_H
#define PNGWRITER_H

#include <QByteArray>
#include <QImage>
#include <QVector>

// A PNG written here from pixels, for a reader that is to see no outside bytes: 8-bit RGBA, not interlaced,
// each row filtered by the row above it, and no chunk but IHDR, IDAT, IEND and for an animation (APNG)
// acTL, fcTL and fdAT.
namespace PngWriter {

// One frame: a PNG; more: an APNG of them, each shown for its delay (milliseconds), played plays times
// (0 for ever). frames are RGBA8888, all of one size.
QByteArray png(const QVector<QImage>& frames, const QVector<int>& delaysMs, quint32 plays);

}  // namespace PngWriter

#endif  // PNGWRITER_H
