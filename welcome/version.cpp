#include "welcome/version.h"

#include <QStringList>

namespace {

// The numeric fields without leading zeros, or an empty list when text is no version.
QStringList versionFields(const QString& text)
{
    QString body = text.trimmed();
    if (body.startsWith('v') || body.startsWith('V'))
        body.remove(0, 1);
    if (body.isEmpty())
        return {};
    QStringList fields = body.split('.');
    for (QString& field : fields) {
        if (field.isEmpty())
            return {};
        for (const QChar c : field)
            if (c < '0' || c > '9')
                return {};
        while (field.size() > 1 && field.startsWith('0'))
            field.remove(0, 1);
    }
    return fields;
}

// Compares two digit strings without leading zeros by their numeric value.
int compareNumbers(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return QString::compare(a, b);
}

}  // namespace

bool isNewerVersion(const QString& running, const QString& candidate)
{
    const QStringList newer = versionFields(candidate);
    if (newer.isEmpty())
        return false;
    const QStringList current = versionFields(running);
    const int count = qMax(newer.size(), current.size());
    for (int i = 0; i < count; ++i) {
        const QString a = i < current.size() ? current[i] : QStringLiteral("0");
        const QString b = i < newer.size() ? newer[i] : QStringLiteral("0");
        const int order = compareNumbers(a, b);
        if (order != 0)
            return order < 0;
    }
    return false;
}
