#include "welcome/installerrules.h"

#include "welcome/updatedescription.h"

namespace InstallerRules {

namespace {

const char* const kOwnNames[] = {"tolmwizard",  "tolmdecoder",    "config.xml", "log.txt", "log.first.txt",
                                 "log.old.txt", "lang",           "installer",  "manual",  "images",
                                 "device_icon", "assemble_image", "qt.conf"};
const char kProgramSuffix[] = ".exe";
const char kLibrarySuffix[] = ".dll";

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
    if (!addressName.startsWith('.') && !isWizardOwnName(addressName, programName))
        return addressName;
    const QString fallback = QString::fromLatin1(kFallbackInstallerName);
    return isWizardOwnName(fallback, programName) ? QString() : fallback;
}

bool replacesOldFile(const QString& name)
{
    return name.endsWith(QLatin1String(kProgramSuffix), Qt::CaseInsensitive);
}

}  // namespace InstallerRules
