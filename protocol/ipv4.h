#ifndef IPV4_H
#define IPV4_H

#include <QString>

// An IPv4 address as text: exactly four decimal numbers from 0 to 255 joined by dots, without
// leading zeros, signs, spaces or anything else. "012" is refused, as a resolver could read it
// as octal. Every address that comes from outside is checked with this before it is used.
bool isDottedIPv4(const QString& text);

#endif  // IPV4_H
