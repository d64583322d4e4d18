#ifndef DATAGRAMTARGET_H
#define DATAGRAMTARGET_H

#include <cstddef>
#include <cstdint>

// One fuzz input through the DCP receive path. Byte 0 picks the way in (modulo 4, but 4 itself):
//   0: the rest is a raw datagram;
//   1: the rest is a reply text without its length prefix (framed and encoded here);
//   2: the rest is a reply text with its own prefix (encoded and framed here);
//   3: the rest goes straight to the codec and to every reply handler;
//   4: the rest is a sequence of steps against one camera list, empty at first: scan
//      replies, repeats of the previous datagram, survey pages, raw replies and datagrams,
//      and requests that set a camera waiting (see runSequence).
// In ways 0 to 3, byte 1 picks the state the three known cameras wait in. Requests the core
// sends in answer go to 127.0.0.1 only.
int feedDcpFuzzInput(const uint8_t* data, size_t size);

#include <QString>

// Empty while the camera list is sound (unique MACs, bounded access-point lists whose
// columns agree, known states); otherwise what is wrong.
QString dcpStateFault();

#endif  // DATAGRAMTARGET_H
