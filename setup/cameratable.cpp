#include "setup/cameratable.h"

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

int unregisteredRows(const QSet<QString>& rowKeys, const QList<IPCamera>& cameras)
{
    // Linear in cameras, without allocation: a table of hundreds of rows is filled row by row.
    int count = 0;
    for (const IPCamera& camera : cameras)
        if (camera.bRegisted != "1" && rowKeys.contains(camera.macKey()))
            ++count;
    return count;
}

bool isListed(const QSet<QString>& rowKeys, const IPCamera& camera)
{
    return rowKeys.contains(camera.macKey());
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
        if (passwordQuery(cameras.at(i)) != PasswordQuery::None && !queried.contains(cameras.at(i).macKey()))
            positions.append(i);
    return positions;
}

int cameraWithMac(const QList<IPCamera>& cameras, const QString& mac)
{
    const QString key = canonicalMac(mac);
    for (int i = 0; i < cameras.size(); ++i)
        if (cameras.at(i).macKey() == key)
            return i;
    return -1;
}

}  // namespace CameraTable
