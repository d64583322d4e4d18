#ifndef LOGSUMMARY_H
#define LOGSUMMARY_H

#include <QString>

// Events that anyone on the network can repeat at will (dropped or unasked replies, unknown
// items, ignored survey pages, listener connections) are not logged one by one: each is counted
// under its kind, a fixed text of the program and never one from outside, and one line gives the
// counts a second later, or up to eight seconds later while they keep coming.
namespace LogSummary {

// Counts one event of this kind.
void note(const QString& kind);
// Writes the pending counts now (the summary does the same) and starts the intervals over.
void flush();

}  // namespace LogSummary

#endif  // LOGSUMMARY_H
