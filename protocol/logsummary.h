#ifndef LOGSUMMARY_H
#define LOGSUMMARY_H

#include <QByteArray>
#include <QString>

// Events that anyone on the network can repeat at will (dropped or unasked replies, unknown
// items, ignored survey pages, listener connections) are not logged one by one: each is counted
// under its kind, a fixed text of the program and never one from outside, and one line a second
// gives the counts.
namespace LogSummary {

// Counts one event of this kind; the count reaches the log within a second.
void note(const QString& kind);
// Writes the pending counts now (the once-a-second summary does the same).
void flush();
// Text from outside as a log line may carry it: at most maxBytes, then "...".
QString prefix(const QByteArray& text, int maxBytes = 256);

} // namespace LogSummary

#endif // LOGSUMMARY_H
