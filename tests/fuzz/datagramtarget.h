#ifndef DATAGRAMTARGET_H
#define DATAGRAMTARGET_H

#include <cstddef>
#include <cstdint>

// One fuzz input through the DCP receive path. Byte 0 picks the way in:
//   0: the rest is a raw datagram;
//   1: the rest is a reply text without its length prefix (framed and encoded here);
//   2: the rest is a reply text with its own prefix (encoded and framed here);
//   3: the rest goes straight to the codec and to every reply handler.
// Byte 1 picks the state the three known cameras wait in. Requests the core sends in
// answer go to 127.0.0.1 only.
int feedDcpFuzzInput(const uint8_t* data, size_t size);

#endif // DATAGRAMTARGET_H
