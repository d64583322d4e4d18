#ifndef ANSWERKIT_H
#define ANSWERKIT_H

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QVector>

#include "platform/picturedecoder.h"

// Answers another host may send a cloud view, made to measure: pictures of the engine's own formats
// and text fonts.
namespace AnswerKit {

// v in n bytes, little- or big-endian.
QByteArray le(quint32 v, int n);
QByteArray be(quint32 v, int n);
// A PNG chunk of type and data, with its CRC.
QByteArray chunk(const char* type, const QByteArray& data);

// A PNG chunk of type holding a keyword, fields, then a zlib stream that inflates to n bytes (zTXt, iCCP,
// a compressed iTXt).
QByteArray inflating(const char* type, const QByteArray& fields, int n);

// IHDR, for an animation acTL declaring frames, then the frames it holds (one at least), each shown
// delay ms, IEND.
QByteArray png(quint32 w, quint32 h, quint32 declared = 0, int held = 1, int delay = 0);

// The screen, with or without its colour table, then each frame after an extension showing it delay
// hundredths of a second (with a colour table of its own), the end.
QByteArray gif(quint32 w, quint32 h, const QVector<QRect>& frames, bool table = true, bool own = false, int delay = 0);

// Segments before the frame SOFn: a APP1 of pad bytes, q DQT, h DHT, c COM, r DRI, f fill bytes, t
// markers without a length.
QByteArray jpeg(quint32 w, quint32 h, const char* before = "a", char sof = '\xc0', int pad = 14);

// n scans, their data holding a stuffed 0xff00 and a restart marker, then the end.
QByteArray scans(int n);

// A progressive JPEG of w x h grey pixels of one shade: a DC scan, an AC scan, its refinement scan, then that
// refinement scan repeats times more, each of a few bytes (as hostilefiles.py's many_scan_jpeg).
QByteArray manyScans(int w, int h, int repeats);

// VP8X: animated with frames ANMF chunks; then the chunks after.
QByteArray webp(const char* chunk, quint32 w, quint32 h, int frames = 0, const QByteArray& after = QByteArray());

// An animated WebP of frames lossless frames of 1 x 1, each shown delay ms.
QByteArray webpFrames(int frames, int delay);

// A core (12-byte) or an information header of info bytes.
QByteArray bmp(qint32 w, qint32 h, quint32 reserved = 0, int info = 40);

// Its information header alone, as an icon holds it.
QByteArray dib(qint32 w, qint32 h);

// An icon whose entries say 16x16 and hold pictures, each after gap bytes.
QByteArray ico(const QList<QByteArray>& pictures, int gap = 0, char type = '\1');

// An icon of entries entries, all of them the one picture.
QByteArray shared(int entries, const QByteArray& picture);

// A BDF font of glyphs glyphs of w x h pixels, after comments comment lines.
QByteArray bdf(int glyphs, int comments, int w, int h);

// A lossless WebP of side x side pixels whose entropy image names a code group of its own for each square of
// 8 pixels, up to 65,536 groups (the decoder's tables: about 5 KiB each), each of four 2-symbol codes; its
// first n bytes.
QByteArray groupsWebp(int side, int n);

// What the picture decoder makes of picture within limits, waited for.
Platform::PictureDecoder::Result decoded(const QByteArray& picture, const PictureWire::Limits& limits);

// The frames of a PNG or APNG as Qt's PNG reader reads each (an APNG's frames are whole canvases, as the
// program writes them), with the delays of their fcTL chunks in milliseconds; none when its fcTL and fdAT chunks
// are not numbered in order from 0, as an APNG reader refuses them.
QList<QPair<QImage, int>> pngFrames(const QByteArray& png);

}  // namespace AnswerKit

#endif  // ANSWERKIT_H
