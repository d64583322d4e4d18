#ifndef CAMERACGI_H
#define CAMERACGI_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "protocol/ipcamera.h"

// The texts of requests to a camera's HTTPS CGI interface: dialect, address,
// credentials and the paths with their queries.
namespace CameraCgi {

// The catalogue's CGI dialect of a model: "1" is KORVA, anything else (also "") T4X.
QString catalogueDialect(const QByteArray& modelName);
bool isKorva(const QString& dialect);

// Dialect of a clock request: mode 0 the catalogue's, 1 "1", 2 "2", any other "0".
QString clockDialect(int mode, const QByteArray& modelName);

// "https://" + address, and ":" + HTTPS port for a new camera that reports one; empty
// (no request may be made) unless the address is dotted IPv4 and the port 1 to 65535.
QString baseUrlWithPort(const IPCamera& camera);

// The camera's password as its CGI expects it: stored bytes for old cameras, Base64-decoded
// for new ones.
QByteArray password(const IPCamera& camera);
// "admin:" + that password.
QByteArray credentials(const IPCamera& camera);
// The Base64 text of the credentials, as it follows "Basic ".
QByteArray basicCredentials(const IPCamera& camera);

// Path and query of the clock requests; a negative zone sends the PC's date and time.
QString korvaClockRequest(int zone, const QString& model, const QDateTime& now);
QString t4xClockRequest(int zone, const QDateTime& now);

// Path and query of a Wi-Fi settings request; params are appended unescaped.
QString wirelessRequest(const QString& params);

}  // namespace CameraCgi

#endif  // CAMERACGI_H
