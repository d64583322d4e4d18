#ifndef LOGFILE_H
#define LOGFILE_H

#include <QString>
#include <QtGlobal>

// A log file that stays below its cap: a line that would take it past the cap first moves it
// to the old file beside it (replacing an earlier one) and begins a new one. The file is opened
// for each line, so that one removed or blocked while running comes back with the next line.
class LogFile
{
public:
    static constexpr qint64 kCapBytes = 10 * 1024 * 1024;

    // path "…/log.txt" keeps its old lines in "…/log.old.txt".
    explicit LogFile(const QString& path, qint64 capBytes = kCapBytes);

    QString path() const { return filePath; }
    QString oldPath() const;

    // Appends the line and a line end; a line longer than the cap is cut to it. False when
    // nothing could be written.
    bool append(const QString& line);

private:
    // Moves the file to the old one; when that fails, empties it.
    void rotate();

    QString filePath;
    qint64 cap;
};

#endif  // LOGFILE_H
