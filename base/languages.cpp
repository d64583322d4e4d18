#include "base/languages.h"

#include <QCoreApplication>

const QVector<Language>& languageTable()
{
    static const QVector<Language> table = {
        {"en_GB", "English", "en.qm", "en", true},
        {"fr_FR", "French", "fr.qm", "fr", true},
        {"ru_RU", "Russian", "ru.qm", "ru", true},
        {"es_ES", "Spanish", "es.qm", "es", true},
        {"pt_PT", "Portuguese(Portugal)", "pt.qm", "pt", false},
        {"pt_BR", "Portuguese(Brazil)", "pt_BR.qm", "pt_BR", true},
        {"ja_JP", "Japanese", "ja.qm", "ja", true},
        {"zh_TW", "Traditional Chinese", "zh_TW.qm", "zh_TW", true},
        {"zh_CN", "Simplified Chinese", "zh_CN.qm", "zh_CN", true},
        {"ko_KR", "Korean", "ko.qm", "ko", true},
        {"cs_CZ", "Czech", "cs.qm", "cs", true},
        {"da_DK", "Danish", "da.qm", "da", false},
        {"de_DE", "German", "de.qm", "de", true},
        {"el_GR", "Greek", "el.qm", "el", false},
        {"hr_HR", "Croatian", "hr.qm", "hr", false},
        {"hu_HU", "Hungarian", "hu.qm", "hu", true},
        {"it_IT", "Italian", "it.qm", "it", true},
        {"nl_NL", "Dutch", "nl.qm", "nl", true},
        {"nb_NO", "Norwegian", "no.qm", "no", false},
        {"pl_PL", "Polish", "pl.qm", "pl", true},
        {"ro_RO", "Romanian", "ro.qm", "ro", false},
        {"sl_SI", "Slovenian", "sl.qm", "sl", false},
        {"sv_SE", "Swedish", "sv.qm", "sv", true},
        {"fi_FI", "Finnish", "fi.qm", "fi", false},
    };
    return table;
}

int languageIndex(const QString& code)
{
    const QVector<Language>& table = languageTable();
    for (int i = 0; i < table.size(); ++i)
        if (table[i].localeCode == code || table[i].shortCode == code)
            return i;
    return -1;
}

int resolveStartLanguage(const QString& configured, const QString& systemLocale)
{
    int idx = configured.isEmpty() ? -1 : languageIndex(configured);
    if (idx >= 0)
        return idx;
    const QVector<Language>& table = languageTable();
    for (int i = 0; i < table.size(); ++i)
        if (table[i].localeCode == systemLocale)
            return i;
    const QString language = systemLocale.section('_', 0, 0);
    for (int i = 0; i < table.size(); ++i)
        if (table[i].shortCode == language)
            return i;
    return 0;
}

QString languageFolder()
{
    return QCoreApplication::applicationDirPath() + "/lang/";
}
