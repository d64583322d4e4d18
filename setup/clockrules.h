#ifndef CLOCKRULES_H
#define CLOCKRULES_H

#include <QLocale>
#include <QString>

// How the setup page's daylight-saving month and hour fields show their values in the interface
// language. Only what is shown follows the language: the values sent are the fields' dates and times.
namespace ClockRules {

// The locale of the language of that code (locale code or short code, as the language table names
// them): its months and hours; English shows them as the form does (United States).
QLocale clockLocale(const QString& languageCode);

// The hour fields' format in that locale: the form's "hh AP" in English; elsewhere the locale's own
// short time with two-digit hours and the minutes at 00 ("HH:00", "HH.00", "AP hh:00").
QString hourFormat(const QLocale& locale);

}  // namespace ClockRules

#endif  // CLOCKRULES_H
