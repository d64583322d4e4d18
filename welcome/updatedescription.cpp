#include "welcome/updatedescription.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/log.h"
#include "welcome/version.h"

const char* const kFallbackInstallerName = "TolmSetupWizard.exe";

UpdateOffer readUpdateDescription(const QByteArray& body, const QString& runningVersion)
{
    UpdateOffer offer;
    const int end = body.indexOf('\0');
    const QString text = QString::fromUtf8(end < 0 ? body : body.left(end));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toLatin1(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() || document.object().isEmpty())
        return offer;

    const QJsonArray entries = document.object()
                                   .value("OS")
                                   .toObject()
                                   .value("Window")
                                   .toObject()
                                   .value("Edition")
                                   .toObject()
                                   .value("ALL")
                                   .toArray();
    WLOG << "allArray :" << entries;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QString model = entry.value("Model").toString();
        WLOG << "Model:" << model;
        if (model != "TolmSetupWizard")
            continue;
        const QString version = entry.value("Version").toString();
        WLOG << "Qt Wizard Version:" << runningVersion;
        WLOG << "vt_devices.json Version:" << (version.startsWith('v') ? version : "v" + version);
        const QString installer = entry.value("URL_EXE").toString();
        if (!isNewerVersion(runningVersion, version) || installer.isEmpty())
            continue;
        WLOG << "URL_EXE:" << installer;
        const QUrl url(installer, QUrl::TolerantMode);
        if (url.scheme() != "https") {
            // The installer is run: it only comes over a verified connection.
            WLOG << "installer address refused, it is not https :" << installer;
            continue;
        }
        offer.installerUrl = url;
        offer.found = true;
    }
    return offer;
}

QString installerFileName(const QUrl& url)
{
    const QString path = url.path(QUrl::FullyDecoded);
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    if (name.isEmpty() || name == "." || name.contains("..") || name.contains('\\') || name.contains(':'))
        return QString::fromLatin1(kFallbackInstallerName);
    return name;
}
