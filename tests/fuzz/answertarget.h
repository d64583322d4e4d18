#ifndef ANSWERTARGET_H
#define ANSWERTARGET_H

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the reader of the picture decoder's answer (PictureWire::AnswerReader): bytes 0 to 3 the
// limit of pixels (little-endian, modulo the most a request may ask, plus one), 4 and 5 that of frames (the same),
// byte 6 a count n, the next n bytes the lengths of the pieces the answer comes in, in turn (0 for 1), the rest
// the answer. Read once in those pieces and once whole, it must give the same: a whole answer within the limits,
// a broken one holding nothing, or one waiting for more that took every byte. Empty while that holds;
// otherwise what is wrong.
QString answerFault(const uint8_t* data, size_t size);

#endif  // ANSWERTARGET_H
