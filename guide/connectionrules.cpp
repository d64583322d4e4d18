#include "guide/connectionrules.h"

#include <QtGlobal>

#include "base/log.h"
#include "welcome/catalogue.h"

namespace ConnectionRules {

const char* const kHWVersionPrompt = "H/W Version";

namespace {
// Item texts are translated in the page's context, where the list is filled.
const EntryType kEntryTypes[] = {
    {"Ethernet", 9, QT_TRANSLATE_NOOP("CameraConnectionPage", "Ethernet"), ":/images/ct_ethernet.png"},
    {"POE", 4, QT_TRANSLATE_NOOP("CameraConnectionPage", "POE(Power Over Ethernet)"), ":/images/ct_poe.png"},
    {"PLC", 4, QT_TRANSLATE_NOOP("CameraConnectionPage", "PLC(Power Line Communication)"), ":/images/ct_plc.png"},
    {"APMode", 7, QT_TRANSLATE_NOOP("CameraConnectionPage", "Direct Connection"), ":/images/ct_apmode.png"},
    {"WPS", 4, QT_TRANSLATE_NOOP("CameraConnectionPage", "Direct Connection"), ":/images/ct_apmode.png"},
};
}  // namespace

const EntryType* entryType(const QString& entry)
{
    for (const EntryType& type : kEntryTypes)
        if (entry.startsWith(QLatin1String(type.word)))
            return &type;
    return nullptr;
}

bool isType(const EntryType* type, const char* word)
{
    return type && qstrcmp(type->word, word) == 0;
}

QStringList pictureNames(const QString& entry, int headerLength)
{
    return entry.mid(headerLength).split(',', Qt::KeepEmptyParts);
}

QStringList modelEntries(const QMap<QString, QStringList>& connectionTypes, const QString& key)
{
    WLOG << "05 supportTypeWithHWType :" << loggedValue(key);
    const QStringList entries = connectionTypes.value(key);
    if (entries.size() <= kShownEntries)
        return entries;
    WLOG << "Entries:" << entries.size() << "of the model, the first" << kShownEntries << "used,"
         << entries.size() - kShownEntries << "left out";
    return entries.mid(0, kShownEntries);
}

StepSet chooseSet(const QString& text, const SetWords& words)
{
    if (text == words.ethernet)
        return StepSet::Ethernet;
    if (text.contains(words.poe))
        return StepSet::PoE;
    if (text.contains(words.plc))
        return StepSet::PLC;
    if (text.contains(words.direct))
        return StepSet::Direct;
    return StepSet::Overview;
}

HardwareVersions hardwareVersions(const QString& value)
{
    const QStringList parts = value.split(',', Qt::KeepEmptyParts);
    if (value == QLatin1String("NA") || parts.size() < 2)
        return {parts, false};
    if (parts.size() > kListedVersions)
        WLOG << "Hardware versions:" << parts.size() << "of the model, the first" << kListedVersions << "listed,"
             << parts.size() - kListedVersions << "left out";
    return {QStringList(QString::fromLatin1(kHWVersionPrompt)) + parts.mid(0, kListedVersions), true};
}

int versionCount(const QString& value)
{
    return value.split(',', Qt::KeepEmptyParts).size();
}

Road nextRoad(bool localView, const QString& text, bool known, const QString& route, const QString& connectionType,
              const QString& direct)
{
    if (localView)
        return text.contains(direct) ? Road::AccessPoint : Road::Discovery;
    if (!known)
        return Road::Stay;
    if (route == QLatin1String("5"))
        return Road::AccessPoint;
    if (route == QLatin1String("2") && connectionType.contains(direct))
        return Road::AccessPoint;
    return Road::Discovery;
}

}  // namespace ConnectionRules
