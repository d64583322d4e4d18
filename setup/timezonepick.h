#ifndef TIMEZONEPICK_H
#define TIMEZONEPICK_H

#include <QList>
#include <QString>
#include <QStringList>

// The setup page's time-zone list and the choice of the PC's own zone in it.
namespace TimeZonePick {

struct Entry
{
    QString label;   // "(GMT+1:00) Amsterdam, Berlin, ..."
    QString offset;  // its hour text, "+1"
};

// Each zone label with the first offset text g it carries as g + ":"; a label with none
// gets no entry.
QList<Entry> entries(const QStringList& zones, const QStringList& offsets);

// The place of a zone id, its second part at "/" ("Berlin" for "Europe/Berlin"); empty
// when it has none ("UTC").
QString placeOf(const QString& zoneId);

struct Choice
{
    int index;     // -1 when no entry fits
    bool byPlace;  // found by offset and place name, else by the offset alone
};

// The first entry whose label holds both the PC's offset text and its place; otherwise
// the first entry whose offset equals the PC's ("0" counts as "+0").
Choice preselect(const QList<Entry>& list, const QString& offset, const QString& zoneId);

}  // namespace TimeZonePick

#endif  // TIMEZONEPICK_H
