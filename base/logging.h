#ifndef LOGGING_H
#define LOGGING_H

#include <QString>
#include <QtGlobal>

// The line the log file gets for one message: "[Debug] %1" and the other levels.
QString formatLogLine(QtMsgType type, const QString& message);

// Appends every message to the file at path (a LogFile with its cap), opening it for each
// message. Returns the handler that was in place before.
QtMessageHandler installLogFileHandler(const QString& path);

// The same for log.txt beside the executable.
QtMessageHandler installLogFileHandler();

// The last message of warning level or above that the log file's handler took, "" before one.
QString lastLoggedWarning();

#endif  // LOGGING_H
