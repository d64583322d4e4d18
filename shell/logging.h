#ifndef LOGGING_H
#define LOGGING_H

#include <QString>
#include <QtGlobal>

// The line the log file gets for one message: "[Debug] %1" and the other levels.
QString formatLogLine(QtMsgType type, const QString& message);

// Appends every message to log.txt beside the executable.
void installLogFileHandler();

#endif // LOGGING_H
