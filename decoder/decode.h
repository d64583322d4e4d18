#ifndef DECODE_H
#define DECODE_H

#include <QByteArray>

#include "base/picturewire.h"

// The decoder's answer for picture (see base/picturewire.h), written to out, which holds
// PictureWire::mostAnswerBytes(limits): its frames as Qt's reader of its format gives them, one size all,
// within limits; or its refusal. Returns the answer's length.
qint64 decodePicture(const QByteArray& picture, const PictureWire::Limits& limits, char* out);

// Decodes a small picture of every format, so that each reader and what it needs is loaded.
void loadReaders();

#endif  // DECODE_H
