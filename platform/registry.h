#ifndef PLATFORM_REGISTRY_H
#define PLATFORM_REGISTRY_H

#include <QString>
#include <QStringList>

namespace Platform {

// REG ADD arguments that mark the program as handled for the Program Compatibility Assistant.
QStringList compatibilityPersistedArguments(const QString& nativeProgramPath);

// Writes that value on Windows (waiting at most 3000 ms); elsewhere logs the command only.
void registerCompatibilityPersisted();

}  // namespace Platform

#endif  // PLATFORM_REGISTRY_H
