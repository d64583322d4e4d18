#include "base/logsummary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QPair>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include "base/log.h"

namespace LogSummary {

namespace {

// The first summary comes a second after a quiet spell; while events keep coming the
// interval doubles up to its longest, so that even every kind at once stays a few lines a minute.
constexpr int kIntervalMs = 1000;
constexpr int kLongestIntervalMs = 8000;

// The counts and logged numbers, for events of any thread, kept to the end of the process: the log
// handler counts warnings that come while static objects are destroyed. The timer is the
// application thread's.
QBasicMutex gMutex;

// Kinds in the order they first came up in the interval, with their counts.
QList<QPair<QString, int>>& counts()
{
    static auto* list = new QList<QPair<QString, int>>;
    return *list;
}

QHash<QString, int>& loggedInFull()
{
    static auto* logged = new QHash<QString, int>;
    return *logged;
}

int gInterval = kIntervalMs;
QElapsedTimer gLastSummary;
QAtomicInt gArmPosted;

void summarise()
{
    flush();
    gLastSummary.start();
}

QTimer* summaryTimer()
{
    static QPointer<QTimer> timer;
    if (!timer && QCoreApplication::instance()) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, summarise);
    }
    return timer;
}

// On the application's thread.
void armTimer()
{
    gArmPosted = 0;
    QTimer* timer = summaryTimer();
    if (!timer || timer->isActive())
        return;
    const bool stillComing = gLastSummary.isValid() && !gLastSummary.hasExpired(2 * gInterval);
    gInterval = stillComing ? std::min(2 * gInterval, kLongestIntervalMs) : kIntervalMs;
    timer->start(gInterval);
}

}  // namespace

void note(const QString& kind)
{
    {
        QMutexLocker lock(&gMutex);
        QList<QPair<QString, int>>& list = counts();
        auto it =
            std::find_if(list.begin(), list.end(), [&kind](const QPair<QString, int>& c) { return c.first == kind; });
        if (it == list.end())
            list.append({kind, 1});
        else
            ++it->second;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread())
        armTimer();
    else if (gArmPosted.testAndSetOrdered(0, 1))
        QMetaObject::invokeMethod(app, armTimer, Qt::QueuedConnection);
}

bool firstInFull(const QString& kind, int inFull)
{
    {
        QMutexLocker lock(&gMutex);
        int& n = loggedInFull()[kind];
        if (n < inFull) {
            ++n;
            return true;
        }
    }
    note(kind);
    return false;
}

void logFirst(const char* line)
{
    if (firstInFull(QString::fromLatin1(line), 1))
        WLOG << line;
}

void flush()
{
    gLastSummary.invalidate();
    QList<QPair<QString, int>> list;
    {
        QMutexLocker lock(&gMutex);
        list.swap(counts());
    }
    if (list.isEmpty())
        return;
    QStringList parts;
    for (const QPair<QString, int>& c : list)
        parts << QString("%1 x%2").arg(c.first).arg(c.second);
    WLOG << "Counted, not logged one by one:" << parts.join(" | ");
}

}  // namespace LogSummary
