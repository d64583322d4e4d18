#include "simcamera.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include "protocol/dcpcodec.h"

namespace {

const QString kBroadcastMac = QStringLiteral("ff:ff:ff:ff:ff:ff");
const QByteArray kAgentRestart = "killall quorvex && rm -rf /tmp/provision.conf && echo reboot_quorvex";
const QByteArray kProvisionQuery = "ls /tmp/provision.conf";

QByteArray md5Hex(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

QByteArray item(const char* key, const QByteArray& value)
{
    return ';' + QByteArray(key) + '=' + value;
}

QByteArray optionalItem(const char* key, const QByteArray& value)
{
    return value.isEmpty() ? QByteArray() : item(key, value);
}

}  // namespace

DcpRequest DcpRequest::parse(const QByteArray& cls, const QByteArray& content, const QString& frameDest)
{
    DcpRequest request;
    request.cls = cls;
    request.text = content;
    request.frameDest = frameDest.toLower();
    const QList<QByteArray> parts = content.split(';');
    for (int i = 1; i < parts.size(); ++i) {
        const int eq = parts[i].indexOf('=');
        if (eq > 0)
            request.items.append({parts[i].left(eq), parts[i].mid(eq + 1)});
    }
    return request;
}

QByteArray DcpRequest::value(const QByteArray& key) const
{
    for (int i = items.size() - 1; i >= 0; --i)
        if (items[i].first == key)
            return items[i].second;
    return QByteArray();
}

bool DcpRequest::has(const QByteArray& key) const
{
    for (const auto& i : items)
        if (i.first == key)
            return true;
    return false;
}

bool SimCamera::fromJson(const QJsonObject& json, SimCamera* camera, QString* error)
{
    auto text = [&json](const char* key, const char* fallback = "") {
        return json.value(QLatin1String(key)).toString(QLatin1String(fallback)).toUtf8();
    };
    SimCamera c;
    c.m_mac = json.value(QLatin1String("mac")).toString();
    QByteArray mac6;
    if (!macFromText(c.m_mac, &mac6)) {
        *error = QStringLiteral("\"mac\" must be six hex pairs such as \"00:11:22:AA:BB:CC\", got \"%1\"").arg(c.m_mac);
        return false;
    }
    c.m_model = text("model");
    if (c.m_model.isEmpty()) {
        *error = QStringLiteral("camera %1 needs a \"model\"").arg(c.m_mac);
        return false;
    }
    c.m_name = text("name");
    c.m_dcpVersion = text("dcpVersion", "2.0");
    c.m_password = text("password");
    c.m_registered = text("registered", "0");
    c.m_ip = text("ip");
    c.m_agentVersion = text("agentVersion");
    c.m_firmware = text("firmware");
    c.m_hardware = text("hardware");
    c.m_networkSetupType = text("networkSetupType");
    c.m_networkType = text("networkType");
    c.m_remote = text("remote", "1");
    c.m_portal = text("portal");
    c.m_cloudId = text("cloudId");
    c.m_dfp = text("dfp");
    c.m_internet = json.value(QLatin1String("internet")).toBool(true);
    const QJsonObject network = json.value(QLatin1String("network")).toObject();
    for (auto it = network.begin(); it != network.end(); ++it) {
        bool isNumber = false;
        const int key = it.key().toInt(&isNumber);
        if (!isNumber) {
            *error = QStringLiteral("camera %1: \"network\" keys are item numbers, got \"%2\"").arg(c.m_mac, it.key());
            return false;
        }
        c.m_network[key] = it.value().toString().toUtf8();
    }
    for (const QJsonValue& v : json.value(QLatin1String("accessPoints")).toArray()) {
        const QJsonObject ap = v.toObject();
        auto field = [&ap](const char* key) { return ap.value(QLatin1String(key)).toString().toUtf8(); };
        c.m_accessPoints.append({field("ssid"), field("mode"), field("auth"), field("security"), field("column1"),
                                 field("column2"), field("column4")});
    }
    c.m_apPageSize = json.value(QLatin1String("apPageSize")).toInt(10);
    if (c.m_apPageSize < 1) {
        *error = QStringLiteral("camera %1: \"apPageSize\" must be at least 1").arg(c.m_mac);
        return false;
    }
    c.m_apTrailingAmp = json.value(QLatin1String("apTrailingAmp")).toBool(true);
    for (const QJsonValue& v : json.value(QLatin1String("mute")).toArray())
        c.m_mute.append(v.toString().toUtf8());
    if (!wirelessFromJson(json, &c, error) || !accessPointFromJson(json, &c, error))
        return false;
    *camera = c;
    return true;
}

bool SimCamera::signs() const
{
    return qstrcmp(m_dcpVersion, "2.0") >= 0;
}

bool SimCamera::isAddressedBy(const DcpRequest& request) const
{
    const bool toMe = sameMac(request.frameDest, m_mac);
    if (request.cls == "1") {
        const QByteArray filter = request.value("D");
        const bool modelFits = filter.isEmpty() || filter == "ALL" || filter == m_model;
        return modelFits && (toMe || request.frameDest == kBroadcastMac);
    }
    return sameMac(QString::fromUtf8(request.value("M")), m_mac) && (toMe || request.frameDest == kBroadcastMac);
}

SimCamera::Signature SimCamera::verify(const DcpRequest& request) const
{
    if (!signs() || request.cls == "1")
        return Signature::NotChecked;
    const int at = request.text.lastIndexOf(";X=");
    if (at < 0)
        return Signature::Bad;
    const QByteArray expected = md5Hex(request.text.left(at) + m_password);
    return request.text.mid(at + 3) == expected ? Signature::Good : Signature::Bad;
}

QByteArray SimCamera::reply(const QByteArray& cls, const QByteArray& items) const
{
    const QByteArray text = cls + ";M=" + m_mac.toUtf8() + ";D=" + m_model + items;
    const QByteArray signature = signs() ? ";X=" + md5Hex(text + m_password) : QByteArray();
    return dcpMessageText(cls, m_mac, QString::fromUtf8(m_model), items + signature);
}

QList<QByteArray> SimCamera::answer(const DcpRequest& request, Signature* signature)
{
    leaveAccessPointWhenDue();
    *signature = verify(request);
    if (m_mute.contains(request.cls) || link() == Link::Offline)
        return {};
    const QByteArray& cls = request.cls;
    if (cls == "7") {
        const bool fits = *signature != Signature::Bad;
        if (fits && request.has("P"))
            m_password = QByteArray::fromBase64(request.value("P"));
        return {reply(cls, item("R", fits ? "1" : "0"))};
    }
    if (*signature == Signature::Bad)
        return {};
    if (cls == "1")
        return {scanReply()};
    if (cls == "2")
        return {cloudReply(request)};
    if (cls == "3") {
        const QByteArray settings = networkReply(request);
        afterNetworkSettings();
        return {settings};
    }
    if (cls == "4")
        return surveyReplies();
    if (cls == "8")
        return {reply(cls, item("R", m_internet ? "1" : "0"))};
    if (cls == "S")
        return {reply(cls, item("R", shellOutput(QByteArray::fromBase64(request.value("C")))))};
    if (cls == "9") {
        const QByteArray restarted = reply(cls, item("R", "1"));
        afterRestart();
        return {restarted};
    }
    return {};
}

QByteArray SimCamera::scanReply() const
{
    QByteArray items = item("N", m_name.toBase64()) + item("I", m_ip) + optionalItem("P", m_dcpVersion) +
                       item("G", m_registered) + optionalItem("C", m_networkSetupType) +
                       optionalItem("W", m_networkType) + optionalItem("V", m_agentVersion) +
                       optionalItem("F", m_firmware) + optionalItem("H", m_hardware);
    return reply("1", items);
}

QByteArray SimCamera::cloudReply(const DcpRequest& request)
{
    if (request.has("P"))
        m_password = QByteArray::fromBase64(request.value("P"));
    if (request.has("G"))
        m_registered = request.value("G");
    QByteArray items = item("N", m_name.toBase64());
    // Only old cameras hand out their password; newer ones prove it with signatures.
    if (!signs())
        items += item("P", m_password.toBase64());
    items += item("G", m_registered) + item("R", m_remote) + optionalItem("W", m_portal) +
             optionalItem("U", m_cloudId) + optionalItem("Y", m_dfp);
    return reply("2", items);
}

QByteArray SimCamera::networkReply(const DcpRequest& request)
{
    for (const auto& i : request.items) {
        bool isNumber = false;
        const int key = i.first.toInt(&isNumber);
        if (isNumber)
            m_network[key] = i.second;
    }
    QByteArray items = item("R", "1");
    for (auto it = m_network.cbegin(); it != m_network.cend(); ++it)
        items += ';' + QByteArray::number(it.key()) + '=' + it.value();
    return reply("3", items);
}

QList<QByteArray> SimCamera::surveyReplies() const
{
    if (!signs()) {
        QByteArray records;
        for (const AccessPoint& ap : m_accessPoints)
            records += ',' + ap.column1 + ';' + ap.column2 + ';' + ap.ssid.toBase64() + ';' + ap.column4 + ';' +
                       ap.security + ';' + ap.auth + ';' + ap.mode;
        return {reply("4", records)};
    }
    const bool paged = qstrcmp(m_dcpVersion, "2.3") >= 0;
    const int pageSize = paged ? m_apPageSize : qMax(1, int(m_accessPoints.size()));
    const int pages = qMax(1, int((m_accessPoints.size() + pageSize - 1) / pageSize));
    QList<QByteArray> replies;
    for (int page = 0; page < pages; ++page) {
        QList<QByteArray> records;
        for (const AccessPoint& ap : m_accessPoints.mid(page * pageSize, pageSize))
            records.append(ap.ssid.toBase64() + ',' + ap.mode + ',' + ap.auth + ',' + ap.security + ',' + ap.column2);
        QByteArray list = records.join('&');
        if (m_apTrailingAmp && !records.isEmpty())
            list += '&';
        const QByteArray paging =
            paged ? item("A", QByteArray::number(pages)) + item("E", QByteArray::number(page)) : QByteArray();
        replies.append(reply("4", paging + item("L", list)));
    }
    return replies;
}

QByteArray SimCamera::shellOutput(const QByteArray& command) const
{
    if (command == kAgentRestart)
        return "reboot_quorvex";
    if (command == kProvisionQuery)
        return m_internet ? "/tmp/provision.conf" : "ls: /tmp/provision.conf: No such file or directory";
    return "sh: " + command.left(command.indexOf(' ')) + ": not found";
}
