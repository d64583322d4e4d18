#include "welcome/catalogue.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>

#include "base/log.h"
#include "base/replylimits.h"

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

void addCamera(Catalogue& catalogue, const QJsonObject& camera, bool log)
{
    const QString model = stringOf(camera, "Model");
    const QString typeNumber = stringOf(camera, "ConnectionTypeNumber");
    const QString wifi = stringOf(camera, "SupportWiFi");
    const QString apMode = stringOf(camera, "SupportAPMode");
    const QString cgi = stringOf(camera, "CGIProtocol");
    const QString hardware = stringOf(camera, "HardwareVersion");
    if (log) {
        WLOG << "Model:" << loggedValue(model);
        WLOG << "01 ConnectionTypeNumber:" << loggedValue(typeNumber);
        WLOG << "02 SupportWiFiMap:" << loggedValue(wifi);
        WLOG << "03 SupportAPModeMap:" << loggedValue(apMode);
        WLOG << "04 CGIProtocol:" << loggedValue(cgi);
    }

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

QString loggedValue(const QString& value)
{
    return value.left(ReplyLimits::kAnswerLogBytes);
}

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
    WLOG << "json :" << text.size() << "characters:" << loggedValue(text);
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
    const QJsonArray cameras = root.value("Cameras").toArray();
    for (int i = 0; i < cameras.size(); ++i)
        addCamera(catalogue, cameras.at(i).toObject(), i < kLoggedCameras);
    if (cameras.size() > kLoggedCameras)
        WLOG << "Cameras:" << cameras.size() << "in the catalogue, the first" << kLoggedCameras << "logged one by one";
    WLOG << "00 ConnectionTypeMap:" << qUtf8Printable(loggedEntries(catalogue.connectionTypes));
    WLOG << "01 ConnectionTypeNumberMap:" << qUtf8Printable(loggedEntries(catalogue.connectionTypeNumbers));
    WLOG << "02 SupportWiFiMap:" << qUtf8Printable(loggedEntries(catalogue.supportWiFi));
    WLOG << "03 SupportAPModeMap:" << qUtf8Printable(loggedEntries(catalogue.supportAPMode));
    WLOG << "04 SupportHWVersionMap:" << qUtf8Printable(loggedEntries(catalogue.hardwareVersions));
    WLOG << "05 AssembleImagesMap:" << qUtf8Printable(loggedEntries(catalogue.assembleImages));
    WLOG << "06 DeviceIconsMap:" << qUtf8Printable(loggedEntries(catalogue.deviceIcons));
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
