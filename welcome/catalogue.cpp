#include "welcome/catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "base/log.h"

namespace {

const char* const kAssembleImageKeys[] = {
    "Local_ConnectionType", "INT_ia", "INT_ia_ib", "INT_ic", "INT_id", "WPS_wa", "WPS_wb", "WPS_wc", "WPS_wd"};
const char* const kDeviceIconKeys[] = {"Serial_2", "Serial_5", "Serial_6", "Serial_7", "Serial_8", "Serial_9"};

struct ConnectionLabel
{
    const char* key;
    const char* label;
};
// In order of precedence; key "2" has no meaning.
const ConnectionLabel kConnectionLabels[] = {
    {"1", "Ethernet:"}, {"3", "POE:"}, {"4", "PLC:"}, {"5", "APMode:"}, {"6", "WPS:"},
};

QString stringOf(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

template <size_t N> QMap<QString, QString> pictureGroups(const QJsonObject& object, const char* const (&keys)[N])
{
    QMap<QString, QString> groups;
    for (const char* key : keys)
        groups.insert(QString::fromLatin1(key), stringOf(object, key));
    return groups;
}

void addCamera(Catalogue& catalogue, const QJsonObject& camera)
{
    const QString model = stringOf(camera, "Model");
    const QString typeNumber = stringOf(camera, "ConnectionTypeNumber");
    const QString wifi = stringOf(camera, "SupportWiFi");
    const QString apMode = stringOf(camera, "SupportAPMode");
    const QString cgi = stringOf(camera, "CGIProtocol");
    const QString hardware = stringOf(camera, "HardwareVersion");
    WLOG << "Model:" << model;
    WLOG << "01 ConnectionTypeNumber:" << typeNumber;
    WLOG << "02 SupportWiFiMap:" << wifi;
    WLOG << "03 SupportAPModeMap:" << apMode;
    WLOG << "04 CGIProtocol:" << cgi;

    QStringList entries;
    for (const QJsonValue& type : camera.value("ConnectionType").toArray()) {
        const QString entry = connectionTypeEntry(type.toObject());
        if (!entry.isNull())
            entries.append(entry);
    }

    catalogue.routes.insert(model, routeCode(apMode, typeNumber));
    if (catalogue.hardwareVersions.contains(model))
        catalogue.hardwareVersions[model] += "," + hardware;
    else
        catalogue.hardwareVersions.insert(model, hardware);
    catalogue.connectionTypes.insert(model + "_" + hardware, entries);
    catalogue.connectionTypeNumbers.insert(model, typeNumber);
    catalogue.supportWiFi.insert(model, wifi);
    catalogue.supportAPMode.insert(model, apMode);
    catalogue.cgiProtocols.insert(model, cgi);
}

}  // namespace

QString routeCode(const QString& supportAPMode, const QString& connectionTypeNumber)
{
    if (connectionTypeNumber == "1")
        return supportAPMode == "1" ? QStringLiteral("5") : QStringLiteral("1");
    return QStringLiteral("2");
}

QString connectionTypeEntry(const QJsonObject& object)
{
    for (const ConnectionLabel& type : kConnectionLabels) {
        const QJsonValue value = object.value(QLatin1String(type.key));
        if (!value.isUndefined() && !value.isNull())
            return QString::fromLatin1(type.label) + value.toString();
    }
    return QString();
}

QString cleanCatalogueBody(const QByteArray& body)
{
    const int end = body.indexOf('\0');
    QString text = QString::fromUtf8(end < 0 ? body : body.left(end));
    // Line ends of either kind and tabs too: a list written across lines in a CRLF file reads as on one.
    for (const char removed : {' ', '\t', '\r', '\n'})
        text.remove(QLatin1Char(removed));
    return text;
}

CatalogueParse parseCatalogue(const QString& text)
{
    CatalogueParse result;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        result.error = error.errorString();
        return result;
    }
    if (!document.isObject() || document.object().isEmpty()) {
        result.status = CatalogueParse::Empty;
        return result;
    }

    const QJsonObject root = document.object();
    Catalogue& catalogue = result.catalogue;
    catalogue.assembleImages = pictureGroups(root.value("AssembleImages").toObject(), kAssembleImageKeys);
    catalogue.deviceIcons = pictureGroups(root.value("DeivceIcons").toObject(), kDeviceIconKeys);
    catalogue.latestVersion = stringOf(root, "TolmWizardLatestVersion");
    catalogue.updateUri = stringOf(root, "TolmWizardWindowsUpdateURI");
    for (const QJsonValue& camera : root.value("Cameras").toArray())
        addCamera(catalogue, camera.toObject());
    result.status = CatalogueParse::Parsed;
    return result;
}

QUrl redirectTarget(const QUrl& from, const QUrl& target)
{
    const QUrl next = from.resolved(target);
    if (target.isEmpty() || !next.isValid())
        return QUrl();
    if (from.scheme() == "https" && next.scheme() != "https")
        return QUrl();
    return next;
}
