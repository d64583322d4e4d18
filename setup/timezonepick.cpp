#include "setup/timezonepick.h"

namespace TimeZonePick {

QList<Entry> entries(const QStringList& zones, const QStringList& offsets)
{
    QList<Entry> list;
    for (const QString& zone : zones) {
        for (const QString& offset : offsets) {
            if (zone.contains(offset + ":")) {
                list.append({zone, offset});
                break;
            }
        }
    }
    return list;
}

QString placeOf(const QString& zoneId)
{
    const QStringList parts = zoneId.split('/', Qt::KeepEmptyParts);
    return parts.size() > 1 ? parts.at(1) : QString();
}

Choice preselect(const QList<Entry>& list, const QString& offset, const QString& zoneId)
{
    const QString place = placeOf(zoneId);
    if (!place.isEmpty()) {
        for (int i = 0; i < list.size(); ++i)
            if (list.at(i).label.contains(offset) && list.at(i).label.contains(place))
                return {i, true};
    }
    const QString data = offset == QLatin1String("0") ? QStringLiteral("+0") : offset;
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).offset == data)
            return {i, false};
    return {-1, false};
}

}  // namespace TimeZonePick
