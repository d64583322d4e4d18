#ifndef PARTYRULES_H
#define PARTYRULES_H

#include <QString>

// Who answers for a host name, as a cloud view counts what other hosts' pictures cost it: plain functions.
namespace CloudSite {

// The party host belongs to: its registrable domain by the ICANN section of the public suffix list Debian ships
// (libpsl), so that h1.example.net and h2.example.net are one party, a.example.co.uk and b.example.co.uk another, and
// a.github.io and b.github.io the one party github.io: names under a suffix of the list's private section are given
// away for nothing by the domain that holds it. A name that is a suffix itself or of one label is its own party, and
// so is an address written as numbers (IPv4 or IPv6, in its usual form), but an IPv6 address that reaches an IPv4 host
// (mapped, compatible, NAT64, 6to4, Teredo) is that host's party. host as QUrl::host(QUrl::FullyEncoded) gives it
// (lower case, international names in ACE form); trailing dots do not count. Without a readable list every name is
// its own party.
QString partyOf(const QString& host);

}  // namespace CloudSite

#endif  // PARTYRULES_H
