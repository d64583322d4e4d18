#ifndef STEPGRID_H
#define STEPGRID_H

#include <QString>

class QGridLayout;
class QLabel;

// The picture grids of the connection panels: numbered step pictures with badges,
// overview pictures, and their clearing.
namespace StepGrid {

// Deletes every picture of the grid. Pictures named "1".."n" (n = items in the grid)
// are first looked up in the connection panels, then the rest of the grid goes.
void clear(QGridLayout* grid);

// Step pictures of one entry past the eighth are left out: the 701 px panel gives at least half of a 164 px picture
// (82 px, 6 px apart) to eight side by side (8 x 82 + 7 x 6 = 698 px), and each picture is two widgets and a
// look-up in the file system.
constexpr int kShownPictures = 8;

// Builds the step pictures of the first kShownPictures of one entry's picture names (the text after its header)
// in row 0, column i, each with the badge of step i + 1; one log line says how many were left out.
void addSteps(QGridLayout* grid, const QString& names, int columnSpan, const char* countLog, const char* badgeLog);

// How the entries of one type word are laid out.
struct StepRow
{
    const char* word;
    int columnSpan;
    const char* countLog;
    const char* badgeLog;
};

// Logs the entry and, when its type is the word of one of rows (tried in order), builds
// its step pictures; returns that row, or nullptr.
const StepRow* addEntrySteps(QGridLayout* grid, const QString& entry, const StepRow* rows, int rowCount);

// An overview picture (a resource) at row 0 of the given column.
void addOverview(QGridLayout* grid, int column, const QString& resource);

// A picture scaled to size x size, ignoring the aspect ratio; empty when it cannot be read.
void setPicture(QLabel* label, const QString& file, int size);

}  // namespace StepGrid

#endif  // STEPGRID_H
