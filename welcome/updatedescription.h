#ifndef UPDATEDESCRIPTION_H
#define UPDATEDESCRIPTION_H

#include <QByteArray>
#include <QString>
#include <QUrl>

// What an update description says about the wizard itself.
struct UpdateOffer
{
    bool found = false;
    QUrl installerUrl;  // "URL_EXE" of the last entry that offers a newer wizard
};

// Reads an update description ("OS" -> "Window" -> "Edition" -> "ALL", an array of
// entries). An entry offers an update when its "Model" is exactly "TolmSetupWizard", its
// "Version" is newer than runningVersion and its "URL_EXE" is an https address. A body that
// is not such a document offers nothing.
UpdateOffer readUpdateDescription(const QByteArray& body, const QString& runningVersion);

// Used when the address names no usable file.
extern const char* const kFallbackInstallerName;

// The installer's file name: the last segment of the address's fully decoded path. An
// empty name, or one that could leave the chosen folder, becomes kFallbackInstallerName.
QString installerFileName(const QUrl& url);

#endif  // UPDATEDESCRIPTION_H
