#include "setup/passwordstep.h"

#include <QRegularExpression>

#include "protocol/ipcamera.h"

namespace PasswordStep {

NextCheck checkAtNext(const QString& password, const QString& retype, bool retypeShown)
{
    const QRegularExpression rule(QRegularExpression::anchoredPattern(retypeShown ? QStringLiteral("[A-Za-z0-9]{6,30}")
                                                                                  : QStringLiteral("[!-~]{6,30}")));
    if (!rule.match(password).hasMatch())
        return NextCheck::Format;
    if (retypeShown && retype != password)
        return NextCheck::Mismatch;
    return NextCheck::Pass;
}

Request request(const QByteArray& dcpVersion, bool retypeShown, const QByteArray& storedPassword)
{
    if (isNewDcp(dcpVersion))
        return retypeShown ? Request::SetNew : Request::CheckNew;
    return storedPassword.isEmpty() && retypeShown ? Request::SetOld : Request::CompareLocal;
}

bool matchesStored(const QString& typed, const QByteArray& storedPassword)
{
    return typed == QString::fromUtf8(storedPassword.constData());
}

}  // namespace PasswordStep
