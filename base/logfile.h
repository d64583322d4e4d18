#ifndef LOGFILE_H
#define LOGFILE_H

#include <QString>
#include <QtGlobal>

// A log file that stays below its cap: a line that would take it past the cap first moves it
// aside and begins a new one. The first move of a file that holds lines of this run goes to the
// first file, which no later move replaces, so the run's beginning stays however long it runs;
// an earlier run's old file, older than those lines, is removed then. Every other move goes to
// the old file, replacing it. The three files hold at most three caps. The file is opened for
// each line, so that one removed or blocked while running comes back with the next line.
class LogFile
{
public:
    static constexpr qint64 kCapBytes = 10 * 1024 * 1024;

    // path "…/log.txt" keeps the run's first lines in "…/log.first.txt" and the latest ones
    // moved aside in "…/log.old.txt".
    explicit LogFile(const QString& path, qint64 capBytes = kCapBytes);

    QString path() const { return filePath; }
    QString firstPath() const { return besidePath("first"); }
    QString oldPath() const { return besidePath("old"); }

    // Appends the line and a line end; a line longer than the cap is cut to it. False when
    // nothing could be written, and lastError() says why.
    bool append(const QString& line);
    QString lastError() const { return error; }

private:
    QString besidePath(const char* tag) const;
    // Moves the file to the first or the old one; when that fails, empties it.
    void rotate();
    bool failed(const QString& reason);

    QString filePath;
    qint64 cap;
    bool wroteLine = false;  // a line of this run written
    bool firstTaken = false;
    QString error;
};

#endif  // LOGFILE_H
