#include "base/logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include "base/log.h"

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

QString gLogFilePath;
QMutex gLogMutex;
thread_local bool gInsideHandler = false;

void logFileHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    // A message raised while writing one (QFile's own warnings) is dropped, not re-entered.
    if (gInsideHandler)
        return;
    gInsideHandler = true;
    {
        QMutexLocker lock(&gLogMutex);
        QFile file(gLogFilePath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            QTextStream out(&file);
            out.setCodec("UTF-8");
            out << formatLogLine(type, message) << "\n";
        }
    }
    gInsideHandler = false;
}

}  // namespace

QtMessageHandler installLogFileHandler(const QString& path)
{
    {
        QMutexLocker lock(&gLogMutex);
        gLogFilePath = path;
    }
    return qInstallMessageHandler(logFileHandler);
}

QtMessageHandler installLogFileHandler()
{
    return installLogFileHandler(QCoreApplication::applicationDirPath() + "/log.txt");
}
