#include "base/logging.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSet>

#include "base/log.h"
#include "base/logfile.h"
#include "base/logsummary.h"

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
// Where the lines went before the log file: with the log off, the standard error. The lines the file
// cannot take go there, after one line that says why.
QtMessageHandler gUnlogged = nullptr;
bool gFailureSaid = false;
QMutex gLogMutex;
thread_local bool gInsideHandler = false;
// Kept to the end of the process, as the log file: a library may warn while static objects are destroyed.
QString& lastWarning()
{
    static auto* last = new QString;
    return *last;
}

// Warnings and critical messages come from Qt and the libraries (the image decoders warn per
// picture, and a page decides how many pictures): the first of each kind are logged in full, the
// rest counted. The program's own lines are debug lines and always logged.
constexpr int kWarningsInFull = 3;
constexpr int kWarningChars = 512;
// A warning may quote what it read: its kind is its beginning, and kinds beyond these count as one.
constexpr int kWarningKindChars = 40;
constexpr int kWarningKinds = 32;

// The warning's kind: its first characters, each word holding a digit (a size, a count, an
// address) as "#". Kept to the end of the process, as the log file.
QString warningKind(QtMsgType type, const QString& message)
{
    static const QRegularExpression* numberWord = new QRegularExpression("\\w*\\d\\w*");
    static QSet<QString>* kinds = new QSet<QString>;
    QMutexLocker lock(&gLogMutex);
    const QString kind = formatLogLine(type, message.left(kWarningKindChars)).replace(*numberWord, "#");
    if (!kinds->contains(kind)) {
        if (kinds->size() >= kWarningKinds)
            return formatLogLine(type, "warnings of further kinds");
        kinds->insert(kind);
    }
    return kind;
}

bool repeatable(QtMsgType type)
{
    return type == QtWarningMsg || type == QtCriticalMsg;
}

void logFileHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // A message raised while writing one (QFile's own warnings) is dropped, not re-entered.
    if (gInsideHandler)
        return;
    gInsideHandler = true;
    const bool inFull = !repeatable(type) || LogSummary::firstInFull(warningKind(type, message), kWarningsInFull);
    bool unlogged = false;
    QString failure;
    {
        QMutexLocker lock(&gLogMutex);
        if (type != QtDebugMsg && type != QtInfoMsg)
            lastWarning() = message.left(kWarningChars);
        if (gLogFile && inFull)
            unlogged = !gLogFile->append(formatLogLine(type, repeatable(type) ? message.left(kWarningChars) : message));
        if (unlogged && !gFailureSaid) {
            gFailureSaid = true;
            failure = QStringLiteral("tolmwizard: cannot write the log %1 (%2): its lines go to the standard error; "
                                     "make its folder writable to keep them in the file")
                          .arg(gLogFile->path(), gLogFile->lastError());
        }
    }
    if (!failure.isEmpty())
        gUnlogged(QtWarningMsg, QMessageLogContext(), failure);
    if (unlogged)
        gUnlogged(type, context, message);
    gInsideHandler = false;
}

}  // namespace

QtMessageHandler installLogFileHandler(const QString& path)
{
    QMutexLocker lock(&gLogMutex);
    delete gLogFile;
    gLogFile = new LogFile(path);
    gFailureSaid = false;
    const QtMessageHandler previous = qInstallMessageHandler(logFileHandler);
    if (previous != logFileHandler)
        gUnlogged = previous;
    return previous;
}

QtMessageHandler installLogFileHandler()
{
    return installLogFileHandler(QCoreApplication::applicationDirPath() + "/log.txt");
}

QString lastLoggedWarning()
{
    QMutexLocker lock(&gLogMutex);
    return lastWarning();
}
