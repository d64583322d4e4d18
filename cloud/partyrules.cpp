#include "cloud/partyrules.h"

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

}  // namespace

namespace CloudSite {

QString partyOf(const QString& host)
{
    QString name = host;
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    QHostAddress address;
    if (address.setAddress(name))
        return address.toString();
    // The list holds international names in ACE form too.
    const QByteArray ace = name.toLatin1();
    const char* registrable = suffixList() ? psl_registrable_domain(suffixList(), ace.constData()) : nullptr;
    return registrable ? QString::fromLatin1(registrable) : name;
}

}  // namespace CloudSite
