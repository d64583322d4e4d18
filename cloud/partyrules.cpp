#include "cloud/partyrules.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include <QHostAddress>

#include <libpsl.h>

#include "base/log.h"

namespace {

// The list as Debian ships it (the newer of the one libpsl was built with and the one the publicsuffix package
// installs), read once and kept for the program's life.
const psl_ctx_t* suffixList()
{
    static const psl_ctx_t* const list = [] {
        const psl_ctx_t* read = psl_latest(nullptr);
        if (!read)
            WLOG << "No public suffix list: each host name counts as a party of its own";
        return read;
    }();
    return list;
}

// The registrable domain of an ACE name by the list's ICANN section alone: a name under a suffix of its private
// section (github.io, s3.amazonaws.com) counts with the domain that company registered, whose names it gives away
// for nothing. Labels are tried from the left, as libpsl does, so that a longer rule wins over a shorter one; null
// when the name is a suffix itself.
const char* icannRegistrable(const psl_ctx_t* list, const char* name)
{
    const char* registrable = nullptr;
    while (!psl_is_public_suffix2(list, name, PSL_TYPE_ICANN)) {
        const char* dot = std::strchr(name, '.');
        if (!dot)
            return nullptr;
        registrable = name;
        name = dot + 1;
    }
    return registrable;
}

quint32 fourBytes(const Q_IPV6ADDR& a, int from)
{
    return quint32(a[from]) << 24 | quint32(a[from + 1]) << 16 | quint32(a[from + 2]) << 8 | a[from + 3];
}

bool startsWith(const Q_IPV6ADDR& a, std::initializer_list<quint8> prefix)
{
    return std::equal(prefix.begin(), prefix.end(), a.c);
}

QString ipv4Party(quint32 ipv4)
{
    return QHostAddress(ipv4).toString();
}

// The party of an IPv6 address that reaches an IPv4 host: that host's address. Mapped (::ffff:0:0/96), compatible
// (::/96 but :: and ::1), NAT64's well-known prefix (64:ff9b::/96), 6to4 (2002::/16: the IPv4 address in bits 16 to
// 47, whichever of the site's 2^80 addresses) and Teredo (2001::/32: the client's public address inverted in the last
// 32 bits, whatever server, flags and port). NAT64's prefix for local use (64:ff9b:1::/48) carries its IPv4 address
// where the network's own prefix length puts it, which the address does not tell: all of it is one party. Empty for
// any other address.
QString ipv4PartyOf(const Q_IPV6ADDR& a)
{
    if (startsWith(a, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff}))
        return ipv4Party(fourBytes(a, 12));
    if (startsWith(a, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) && fourBytes(a, 12) > 1)
        return ipv4Party(fourBytes(a, 12));
    if (startsWith(a, {0x00, 0x64, 0xff, 0x9b, 0, 0, 0, 0, 0, 0, 0, 0}))
        return ipv4Party(fourBytes(a, 12));
    if (startsWith(a, {0x20, 0x02}))
        return ipv4Party(fourBytes(a, 2));
    if (startsWith(a, {0x20, 0x01, 0x00, 0x00}))
        return ipv4Party(~fourBytes(a, 12));
    if (startsWith(a, {0x00, 0x64, 0xff, 0x9b, 0x00, 0x01}))
        return QStringLiteral("64:ff9b:1::/48");
    return QString();
}

}  // namespace

namespace CloudSite {

QString partyOf(const QString& host)
{
    QString name = host;
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    QHostAddress address;
    if (address.setAddress(name)) {
        // An IPv4 address comes as its mapped IPv6 form.
        const QString ipv4 = ipv4PartyOf(address.toIPv6Address());
        return ipv4.isEmpty() ? address.toString() : ipv4;
    }
    // The list holds international names in ACE form too.
    const QByteArray ace = name.toLatin1();
    const char* registrable = suffixList() ? icannRegistrable(suffixList(), ace.constData()) : nullptr;
    return registrable ? QString::fromLatin1(registrable) : name;
}

}  // namespace CloudSite
