#include "cloud/partyrules.h"

#include <QHostAddress>
#include <QUrl>

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
            read = psl_builtin();
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
    QString name = host.toLower();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    QHostAddress address;
    if (address.setAddress(name))
        return address.toString();
    // The list's own names are in ACE form too: a name written in Unicode is the same party.
    const QByteArray ace = QUrl::toAce(name);
    if (ace.isEmpty())
        return name;
    const psl_ctx_t* list = suffixList();
    const char* registrable = list ? psl_registrable_domain(list, ace.constData()) : nullptr;
    return QString::fromLatin1(registrable ? registrable : ace.constData());
}

}  // namespace CloudSite
