#ifndef LOGSUMMARY_H
#define LOGSUMMARY_H

#include <QString>

// Events that anyone on the network can repeat at will (dropped or unasked replies, unknown
// items, ignored survey pages, listener connections, the libraries' warnings) are not logged one
// by one: each is counted under its kind, a fixed text of the program (for a warning, its text with
// its numbers masked, see logging.cpp), and one line gives the counts a second later, or up to
// eight seconds later while they keep coming. Events may come from any thread.
namespace LogSummary {

// Counts one event of this kind.
void note(const QString& kind);
// For a line that a page or a peer can repeat at will: true for the first events of this kind in
// the run, up to inFull, which the caller logs in full; a later one is counted as note does.
bool firstInFull(const QString& kind, int inFull);
// firstInFull for a fixed line that is its own kind: logged the first time in the run, counted after.
void logFirst(const char* line);
// Writes the pending counts now (the summary does the same) and starts the intervals over.
void flush();

}  // namespace LogSummary

#endif  // LOGSUMMARY_H
