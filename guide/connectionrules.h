#ifndef CONNECTIONRULES_H
#define CONNECTIONRULES_H

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

// The hardware-version list of a model, from its catalogue value ("A1,B1", "NA", "").
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
