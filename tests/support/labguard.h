#ifndef LABGUARD_H
#define LABGUARD_H

#include <QString>

// True only inside a test lab's network namespace: the process's network namespace is
// not the one of PID 1, and its interfaces are exactly "lo" and one or more veths. Programs that
// send real broadcasts call this first and refuse to send when it is false; `why` then
// says what was found instead.
bool runningInsideLab(QString* why = nullptr);

#endif  // LABGUARD_H
