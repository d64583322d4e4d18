#include "base/logging.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

#include "base/log.h"
#include "base/logfile.h"

QString formatLogLine(QtMsgType type, const QString& message)
{
    switch (type) {
    case QtDebugMsg:
        return QString("[Debug] %1").arg(message);
    case QtInfoMsg:
        return QString("[Info] %1").arg(message);
    case QtWarningMsg:
        return QString("[Warning] %1").arg(message);
    case QtCriticalMsg:
        return QString("[Critical] %1").arg(message);
    case QtFatalMsg:
        return QString("[Fatal] %1").arg(message);
    }
    return message;
}

QString maskSecret(const QString& secret)
{
    return secret.isEmpty() ? QString() : QStringLiteral("********");
}

namespace {

// Kept to the end of the process: messages can come while static objects are destroyed.
LogFile* gLogFile = nullptr;
QMutex gLogMutex;
thread_local bool gInsideHandler = false;
QString gLastWarning;

void logFileHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    // A message raised while writing one (QFile's own warnings) is dropped, not re-entered.
    if (gInsideHandler)
        return;
    gInsideHandler = true;
    {
        QMutexLocker lock(&gLogMutex);
        if (type != QtDebugMsg && type != QtInfoMsg)
            gLastWarning = message;
        if (gLogFile)
            gLogFile->append(formatLogLine(type, message));
    }
    gInsideHandler = false;
}

}  // namespace

QtMessageHandler installLogFileHandler(const QString& path)
{
    {
        QMutexLocker lock(&gLogMutex);
        delete gLogFile;
        gLogFile = new LogFile(path);
    }
    return qInstallMessageHandler(logFileHandler);
}

QtMessageHandler installLogFileHandler()
{
    return installLogFileHandler(QCoreApplication::applicationDirPath() + "/log.txt");
}

QString lastLoggedWarning()
{
    QMutexLocker lock(&gLogMutex);
    return gLastWarning;
}
