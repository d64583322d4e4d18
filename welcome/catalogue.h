#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <QByteArray>
#include <QDebug>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

// The device catalogue: what each camera model supports, the picture names of the two
// sprites, and the latest wizard version with its update address.
struct Catalogue
{
    QMap<QString, QStringList> connectionTypes;  // model "_" hardware version -> "Ethernet:a,b", ...
    QMap<QString, QString> connectionTypeNumbers;
    QMap<QString, QString> supportWiFi;
    QMap<QString, QString> supportAPMode;
    QMap<QString, QString> cgiProtocols;
    QMap<QString, QString> hardwareVersions;  // model -> "A1,B1"
    QMap<QString, QString> routes;            // model -> "1", "2" or "5"
    QMap<QString, QString> assembleImages;    // nine picture-group keys
    QMap<QString, QString> deviceIcons;       // six series keys
    QString latestVersion;
    QString updateUri;
};

struct CatalogueParse
{
    enum Status
    {
        Invalid,  // not JSON: error holds the parser's message
        Empty,    // null, empty or not an object: nothing to take
        Parsed,
    };
    Status status = Invalid;
    QString error;
    Catalogue catalogue;
};

// The cameras whose values the log shows one by one, each value cut to its first characters
// (ReplyLimits::kAnswerLogBytes); of a catalogue of more, the log gives only how many it has. The pages that list
// what the catalogue names log as many of it.
constexpr int kLoggedCameras = 64;

// A value of the catalogue as the log shows it: its first characters.
QString loggedValue(const QString& value);
// A map or list made of the catalogue as the log shows it: how many entries it has, then the first characters of
// its text.
template <class Entries> QString loggedEntries(const Entries& entries)
{
    QString text;
    QDebug(&text).nospace() << entries;
    return QString::number(entries.size()) + " entries: " + loggedValue(text);
}

// Parses the catalogue text as UTF-8 JSON. Missing members and values of another type
// read as empty text, empty objects or empty arrays.
CatalogueParse parseCatalogue(const QString& text);

// The reply body as the parser gets it: UTF-8 up to the first zero byte, with every
// blank, tab and line end removed (picture lists are split at "," only).
QString cleanCatalogueBody(const QByteArray& body);

// Route code of one camera object: "5" access point with one connection type,
// "1" one connection type, "2" otherwise.
QString routeCode(const QString& supportAPMode, const QString& connectionTypeNumber);

// One connection-type object as a labelled entry ("Ethernet:" + pictures); a null
// string when the object has none of the known keys.
QString connectionTypeEntry(const QJsonObject& object);

// Where a 301 or 302 reply to from leads: target resolved against from, or an empty address
// when there is none or it would leave https.
QUrl redirectTarget(const QUrl& from, const QUrl& target);

#endif  // CATALOGUE_H
