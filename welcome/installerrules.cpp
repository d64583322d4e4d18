#include "welcome/installerrules.h"

#include <algorithm>
#include <iterator>

#include <QVector>

#include "welcome/updatedescription.h"

namespace InstallerRules {

namespace {

const char* const kOwnNames[] = {"tolmwizard",  "tolmdecoder",    "config.xml", "log.txt", "log.first.txt",
                                 "log.old.txt", "lang",           "installer",  "manual",  "images",
                                 "device_icon", "assemble_image", "qt.conf"};
const char kProgramSuffix[] = ".exe";
const char kLibrarySuffix[] = ".dll";

// Characters Unicode draws as nothing that are not format characters: the combining grapheme joiner, the Hangul
// fillers, the Khmer inherent vowels, Mongolian's and the other variation selectors.
const char32_t kUndrawn[][2] = {{0x034f, 0x034f}, {0x115f, 0x1160}, {0x17b4, 0x17b5}, {0x180b, 0x180f},
                                {0x3164, 0x3164}, {0xfe00, 0xfe0f}, {0xffa0, 0xffa0}, {0xe0100, 0xe01ef}};

// Whether a character of a name is not drawn as itself: a control (U+0000 to U+001F, U+007F, U+0080 to U+009F: the
// file system cuts a name at a NUL, and a name the person cannot read is no installer's), a format character (the
// marks, embeddings, overrides and isolates that turn the text's direction, so that "setup\u202Eexe.txt" reads as if
// it ended in ".exe", U+061C, the zero-width ones, U+FEFF, the tags), a line or paragraph separator, or another
// character drawn as nothing. Read by code point: the tags and some selectors lie past U+FFFF.
bool drawnOtherwise(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return std::any_of(std::begin(kUndrawn), std::end(kUndrawn),
                           [c](const char32_t(&range)[2]) { return c >= range[0] && c <= range[1]; });
    }
}

bool hasCharacterDrawnOtherwise(const QString& name)
{
    const QVector<uint> codePoints = name.toUcs4();
    return std::any_of(codePoints.begin(), codePoints.end(), [](uint c) { return drawnOtherwise(c); });
}

}  // namespace

bool isWizardOwnName(const QString& name, const QString& programName)
{
    QString bare = name;
    if (bare.endsWith(QLatin1String(kProgramSuffix), Qt::CaseInsensitive))
        bare.chop(int(sizeof(kProgramSuffix)) - 1);
    if (name.compare(programName, Qt::CaseInsensitive) == 0 ||
        name.endsWith(QLatin1String(kLibrarySuffix), Qt::CaseInsensitive))
        return true;
    for (const char* own : kOwnNames)
        if (bare.compare(QLatin1String(own), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString savedName(const QString& addressName, const QString& programName)
{
    if (!addressName.startsWith('.') && !hasCharacterDrawnOtherwise(addressName) &&
        !isWizardOwnName(addressName, programName))
        return addressName;
    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    return isWizardOwnName(fallback, programName) ? QString() : fallback;
}

bool replacesOldFile(const QString& name)
{
    return name.endsWith(QLatin1String(kProgramSuffix), Qt::CaseInsensitive);
}

}  // namespace InstallerRules
