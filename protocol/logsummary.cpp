#include "protocol/logsummary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTimer>

#include <algorithm>

#include "base/log.h"

namespace LogSummary {

namespace {

// The first summary comes a second after a quiet spell; while events keep coming the
// interval doubles up to its longest, so that even every kind at once stays a few lines a minute.
constexpr int kIntervalMs = 1000;
constexpr int kLongestIntervalMs = 8000;

// Kinds in the order they first came up in the interval, with their counts.
QList<QPair<QString, int>>& counts()
{
    static QList<QPair<QString, int>> list;
    return list;
}

int gInterval = kIntervalMs;
QElapsedTimer gLastSummary;

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

}  // namespace

void note(const QString& kind)
{
    QList<QPair<QString, int>>& list = counts();
    auto it = std::find_if(list.begin(), list.end(), [&kind](const QPair<QString, int>& c) { return c.first == kind; });
    if (it == list.end())
        list.append({kind, 1});
    else
        ++it->second;
    QTimer* timer = summaryTimer();
    if (!timer || timer->isActive())
        return;
    const bool stillComing = gLastSummary.isValid() && !gLastSummary.hasExpired(2 * gInterval);
    gInterval = stillComing ? std::min(2 * gInterval, kLongestIntervalMs) : kIntervalMs;
    timer->start(gInterval);
}

bool firstInFull(const QString& kind, int inFull)
{
    static QHash<QString, int> logged;
    int& n = logged[kind];
    if (n < inFull) {
        ++n;
        return true;
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
    QList<QPair<QString, int>>& list = counts();
    if (list.isEmpty())
        return;
    QStringList parts;
    for (const QPair<QString, int>& c : list)
        parts << QString("%1 x%2").arg(c.first).arg(c.second);
    list.clear();
    WLOG << "Counted, not logged one by one:" << parts.join(" | ");
}

}  // namespace LogSummary
