#ifndef SANDBOX_H
#define SANDBOX_H

#include <QtGlobal>

#include "base/picturewire.h"

// The decoder's confinement, set once its readers are loaded. The decoder keeps no descriptor but its
// input, output and error, holds no capability (started as root, it runs as the system's unprivileged user
// and group; in a user namespace that has none, one that maps root alone, as the user it is), and a seccomp filter lets
// it read only its input, write only its output and make a process of its own for each decode, which may start one
// thread before its own filter. The decoder and every process it makes are limited to the most CPU time a decode may be
// asked for and to the address space of a request of the most and its decode beside the decoder's own; none of them can
// leave the process group the program started it in, nor change its parent-death signal but to SIGKILL. A decode's
// process reads and writes nothing at all (its answer goes to memory it shares with the decoder), makes no thread or
// process, within limits of CPU time and address space, and ends with the decoder.
namespace Sandbox {

// Unconfined::None once confined; else the confinement the kernel refused (the decoder keeps a privilege, or
// has no limits or no filter), which the decoder ends with: it then decodes nothing.
PictureWire::Unconfined confineDecoder();
// In a decode's process, made by the decoder (its parent): memoryBytes of address space beyond what the decoder had
// when it was confined (taken is what it took since: the picture and the shared answer), cpuMs milliseconds of CPU
// time (its threads together; killed then). The filter holds for every thread it has.
bool confineDecode(qint64 parent, quint64 taken, quint64 memoryBytes, quint32 cpuMs);

}  // namespace Sandbox

#endif  // SANDBOX_H
