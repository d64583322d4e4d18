#ifndef ANSWERREADERS_H
#define ANSWERREADERS_H

#include <QByteArray>

// Whether a reader the web engine hands an answer to would take it, asked the way the engine asks
// it, on the whole answer.
namespace CloudSite {

// Qt's image handlers, with whatever plugins the machine has: the engine's decoder for every
// picture format it does not decode itself. Asked as the engine asks them: which takes it, then
// its size. A handler that takes blank bytes of the answer's length alike is not counted.
bool imageReaderTakes(const QByteArray& answer);
// FreeType's font drivers, the engine's font reader, within a small memory budget: a font one of them
// opens, or one that asks for more memory than the budget to try.
bool fontReaderTakes(const QByteArray& answer);

}  // namespace CloudSite

#endif  // ANSWERREADERS_H
