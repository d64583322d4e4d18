#include "setup/cameratable.h"

#include <QHash>

#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"

namespace CameraTable {

namespace {
constexpr int kShownNameLength = 12;

}  // namespace

Listing listing(int dcpStatus)
{
    switch (dcpStatus) {
    case IPCamera::GOT_PWD_STATUS:
        return Listing::NewProtocol;
    case IPCamera::GOT_INFO:
        return Listing::OldProtocol;
    default:
        return Listing::NotYet;
    }
}

int insertRow(bool registered, int rowCount, int unregisteredRows)
{
    return registered ? rowCount : unregisteredRows;
}

int unregisteredRows(const QList<QString>& rowMacs, const QList<IPCamera>& cameras)
{
    // Linear in rows and cameras: a table of hundreds of rows is filled row by row.
    QHash<QString, int> unregistered;
    for (const IPCamera& camera : cameras)
        if (camera.bRegisted != "1")
            ++unregistered[canonicalMac(camera.MAC)];
    int count = 0;
    for (const QString& rowMac : rowMacs)
        count += unregistered.value(canonicalMac(rowMac));
    return count;
}

bool isListed(const QList<QString>& rowMacs, const QString& mac)
{
    for (const QString& rowMac : rowMacs)
        if (sameMac(rowMac, mac))
            return true;
    return false;
}

QString decodedName(const QByteArray& nameBase64)
{
    return QString::fromUtf8(untilZero(QByteArray::fromBase64(nameBase64)));
}

QString shownName(const QByteArray& nameBase64)
{
    const QString name = decodedName(nameBase64);
    return name.length() > kShownNameLength ? name.left(kShownNameLength - 1) + "..." : name;
}

PasswordQuery passwordQuery(const IPCamera& camera)
{
    if (isNewDcp(camera.DCPVersion)) {
        if (camera.dcpStatus == IPCamera::GOT_PWD_STATUS || camera.bPassword == "1")
            return PasswordQuery::None;
        return PasswordQuery::CheckPassword;
    }
    return camera.dcpStatus == IPCamera::GOT_INFO ? PasswordQuery::None : PasswordQuery::GetInfo;
}

QList<int> camerasToQuery(const QList<IPCamera>& cameras, const QSet<QString>& queried)
{
    QList<int> positions;
    for (int i = 0; i < cameras.size(); ++i)
        if (passwordQuery(cameras.at(i)) != PasswordQuery::None && !queried.contains(canonicalMac(cameras.at(i).MAC)))
            positions.append(i);
    return positions;
}

int cameraWithMac(const QList<IPCamera>& cameras, const QString& mac)
{
    for (int i = 0; i < cameras.size(); ++i)
        if (sameMac(cameras.at(i).MAC, mac))
            return i;
    return -1;
}

}  // namespace CameraTable
