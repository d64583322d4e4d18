#ifndef VERSION_H
#define VERSION_H

#include <QString>

// Wizard versions such as "v2.00.10": an optional "v" and dot-separated numbers,
// compared number by number ("v2.00.9" is older than "v2.00.10"); missing fields
// count as 0 ("2.1" equals "2.1.0").

// True when candidate is a well-formed version newer than running. An empty or
// malformed candidate is never newer.
bool isNewerVersion(const QString& running, const QString& candidate);

#endif  // VERSION_H
