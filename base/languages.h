#ifndef LANGUAGES_H
#define LANGUAGES_H

#include <QString>
#include <QVector>

// One interface language: locale code, shown name, translation file, short code.
struct Language
{
    QString localeCode;
    QString displayName;
    QString fileName;
    QString shortCode;
    bool selectable;
};

// The 24 interface languages, in the order the welcome page lists them.
const QVector<Language>& languageTable();

// Row whose locale code or short code equals code, -1 when none does.
int languageIndex(const QString& code);

// Start language: the configured code if it names a row, else the system locale by locale
// code, then by its language part; else row 0.
int resolveStartLanguage(const QString& configured, const QString& systemLocale);

// Folder of the translation files, beside the executable.
QString languageFolder();

#endif  // LANGUAGES_H
