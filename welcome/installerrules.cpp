#include "welcome/installerrules.h"

#include <algorithm>

#include "welcome/updatedescription.h"

namespace InstallerRules {

namespace {

const char* const kOwnNames[] = {"tolmwizard",  "tolmdecoder",    "config.xml", "log.txt", "log.first.txt",
                                 "log.old.txt", "lang",           "installer",  "manual",  "images",
                                 "device_icon", "assemble_image", "qt.conf"};
const char kProgramSuffix[] = ".exe";
const char kLibrarySuffix[] = ".dll";

// U+0000 to U+001F or U+007F: the file system cuts a name at a NUL, and a name the person cannot read is no
// installer's.
bool hasControlCharacter(const QString& name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
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
    if (!addressName.startsWith('.') && !hasControlCharacter(addressName) && !isWizardOwnName(addressName, programName))
        return addressName;
    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    return isWizardOwnName(fallback, programName) ? QString() : fallback;
}

bool replacesOldFile(const QString& name)
{
    return name.endsWith(QLatin1String(kProgramSuffix), Qt::CaseInsensitive);
}

}  // namespace InstallerRules
