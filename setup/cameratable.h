#ifndef CAMERATABLE_H
#define CAMERATABLE_H

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

class IPCamera;

// Rules of the discovery page's camera table, free of widgets.
namespace CameraTable {

// Whether a camera may have its row yet, by its protocol state.
enum class Listing
{
    NotYet,       // its password state is still unknown
    NewProtocol,  // password state known from a class 7 answer
    OldProtocol   // password state known from a class 2 answer
};
Listing listing(int dcpStatus);

// The row a camera is inserted at: registered cameras go to the end, unregistered ones
// follow the unregistered rows already listed.
int insertRow(bool registered, int rowCount, int unregisteredRows);

// Rows are named by the macKey of the camera each shows (whatever separator and letter case its
// MAC was written in); the page keeps the keys of its rows.

// The number of rows whose camera, by its macKey, is an unregistered camera of the list.
int unregisteredRows(const QSet<QString>& rowKeys, const QList<IPCamera>& cameras);

// Whether a row already shows this camera.
bool isListed(const QSet<QString>& rowKeys, const IPCamera& camera);

// The camera name: Base64 decoded, up to the first zero byte, read as UTF-8.
QString decodedName(const QByteArray& nameBase64);
// The same, shortened for its cell: more than 12 characters become 11 and "...".
QString shownName(const QByteArray& nameBase64);

// The request that asks a camera for its password state, if it needs one.
enum class PasswordQuery
{
    None,
    CheckPassword,
    GetInfo
};
PasswordQuery passwordQuery(const IPCamera& camera);

// The cameras a password-state pass asks, by position: each one that needs a query and whose
// macKey is not in queried (the cameras asked since the last scan tick).
QList<int> camerasToQuery(const QList<IPCamera>& cameras, const QSet<QString>& queried);

// The position of the first camera with this MAC, as canonicalMac reads it; -1 when none.
int cameraWithMac(const QList<IPCamera>& cameras, const QString& mac);

}  // namespace CameraTable

#endif  // CAMERATABLE_H
