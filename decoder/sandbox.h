#ifndef SANDBOX_H
#define SANDBOX_H

#include <QtGlobal>

// The decoder's confinement, set once its readers are loaded. The decoder keeps no descriptor but its
// input, output and error, and a seccomp filter lets it read only its input, write only its output and
// make a process of its own for each decode. A decode's process reads and writes nothing at all (its
// answer goes to memory it shares with the decoder) within limits of CPU time and address space, and
// ends with the decoder.
namespace Sandbox {

// False when the kernel refuses the filter: the decoder then decodes nothing.
bool confineDecoder();
// In a decode's process, made by the decoder (its parent): memoryBytes of address space beyond what the decoder had
// when it was confined (taken is what it took since: the picture and the shared answer), cpuSeconds of CPU time.
bool confineDecode(qint64 parent, quint64 taken, quint64 memoryBytes, quint32 cpuSeconds);

}  // namespace Sandbox

#endif  // SANDBOX_H
