#include "setup/clockrules.h"

#include <QRegularExpression>

#include "base/languages.h"

namespace ClockRules {

QLocale clockLocale(const QString& languageCode)
{
    const int row = languageIndex(languageCode);
    const QLocale locale(row < 0 ? QStringLiteral("en_US") : languageTable().at(row).localeCode);
    return locale.language() == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QString hourFormat(const QLocale& locale)
{
    if (locale.language() == QLocale::English)
        return QStringLiteral("hh AP");
    static const QRegularExpression minutes(QStringLiteral("m+"));
    static const QRegularExpression oneDigitHour(QStringLiteral("(?<![hH])([hH])(?![hH])"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.replace(minutes, QStringLiteral("00"));
    format.replace(oneDigitHour, QStringLiteral("\\1\\1"));
    return format;
}

}  // namespace ClockRules
