#ifndef CONNECTIONRULES_H
#define CONNECTIONRULES_H

#include <QMap>
#include <QString>
#include <QStringList>

// Decisions of the hardware connection guide, free of widgets.
namespace ConnectionRules {

// The prompt of the hardware-version list; never translated.
extern const char* const kHWVersionPrompt;

// A connection entry of the catalogue: type word, colon, picture names joined by ",".
struct EntryType
{
    const char* word;      // prefix tested, case-sensitive
    int headerLength;      // characters cut before the picture names
    const char* itemText;  // its item in the connection-type list (source text)
    const char* overview;  // its overview picture
};

// The type of an entry by its prefix (Ethernet, POE, PLC, APMode, WPS), or nullptr.
const EntryType* entryType(const QString& entry);
bool isType(const EntryType* type, const char* word);

// Picture names after the header, split at "," keeping empty parts.
QStringList pictureNames(const QString& entry, int headerLength);

// Entries of a model past the eighth are left out: each is an item of the connection-type list and an overview
// picture in one row, where the 701 px panel gives at least half of a 164 px picture (82 px, 6 px apart) to eight
// (8 x 82 + 7 x 6 = 698 px); and each one's steps would stack on the same pictures.
constexpr int kShownEntries = 8;

// The entries every panel of a model is built from: the first kShownEntries of the catalogue's list under key
// (model "_" hardware version). Logs the key, and one line saying how many entries were left out.
QStringList modelEntries(const QMap<QString, QStringList>& connectionTypes, const QString& key);

// The picture set shown for a connection type.
enum class StepSet
{
    Ethernet,
    PoE,
    PLC,
    Direct,
    Overview
};

// Translated words the set is chosen by: equal to ethernet, else containing poe, plc, direct.
struct SetWords
{
    QString ethernet;
    QString poe;
    QString plc;
    QString direct;
};
StepSet chooseSet(const QString& text, const SetWords& words);

// Versions of a model past the 64th are left out of its list: each is a camera row of the catalogue, of which the log
// shows as many one by one (kLoggedCameras), and a list of the 140,000 rows 2 MB can hold takes a second or more
// to open.
constexpr int kListedVersions = 64;

// The hardware-version list of a model, from its catalogue value ("A1,B1", "NA", ""), its first kListedVersions
// versions; one log line says how many were left out.
struct HardwareVersions
{
    QStringList items;  // in list order, the prompt first when there is a choice
    bool choice;        // the list is shown and a version must be picked
};
HardwareVersions hardwareVersions(const QString& value);
// Number of versions that decides between a route's own panel and the default panel.
int versionCount(const QString& value);

// Where "Next" leads.
enum class Road
{
    Stay,
    Discovery,
    AccessPoint
};
// text: the page's list entry; known/route: its route code when it is a catalogue model;
// connectionType: the connection-type list entry (route "2"); direct: translated "Direct Connection".
Road nextRoad(bool localView, const QString& text, bool known, const QString& route, const QString& connectionType,
              const QString& direct);

}  // namespace ConnectionRules

#endif  // CONNECTIONRULES_H
