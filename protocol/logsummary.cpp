#include "protocol/logsummary.h"

#include <QCoreApplication>

#include <algorithm>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTimer>

#include "base/log.h"

namespace LogSummary {

namespace {

constexpr int kIntervalMs = 1000;

// Kinds in the order they first came up in the interval, with their counts.
QList<QPair<QString, int>>& counts()
{
    static QList<QPair<QString, int>> list;
    return list;
}

QTimer* summaryTimer()
{
    static QPointer<QTimer> timer;
    if (!timer && QCoreApplication::instance()) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(kIntervalMs);
        QObject::connect(timer, &QTimer::timeout, [] { flush(); });
    }
    return timer;
}

} // namespace

void note(const QString& kind)
{
    QList<QPair<QString, int>>& list = counts();
    auto it = std::find_if(list.begin(), list.end(), [&kind](const QPair<QString, int>& c) { return c.first == kind; });
    if (it == list.end())
        list.append({kind, 1});
    else
        ++it->second;
    QTimer* timer = summaryTimer();
    if (timer && !timer->isActive())
        timer->start();
}

void flush()
{
    QList<QPair<QString, int>>& list = counts();
    if (list.isEmpty())
        return;
    QStringList parts;
    for (const QPair<QString, int>& c : list)
        parts << QString("%1 x%2").arg(c.first).arg(c.second);
    list.clear();
    WLOG << "Counted, not logged one by one:" << parts.join(" | ");
}

QString prefix(const QByteArray& text, int maxBytes)
{
    if (text.size() <= maxBytes)
        return QString::fromUtf8(text);
    return QString::fromUtf8(text.left(maxBytes)) + QStringLiteral("...");
}

} // namespace LogSummary
