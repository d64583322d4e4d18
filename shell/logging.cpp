#include "logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include "log.h"

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

void logFileHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    QMutexLocker lock(&gLogMutex);
    QFile file(gLogFilePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << formatLogLine(type, message) << "\n";
}

} // namespace

void installLogFileHandler()
{
    gLogFilePath = QCoreApplication::applicationDirPath() + "/log.txt";
    qInstallMessageHandler(logFileHandler);
}
