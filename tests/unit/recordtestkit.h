#ifndef RECORDTESTKIT_H
#define RECORDTESTKIT_H

// Shared pieces of the camera record tests: the log lines a parser writes.

#include <QStringList>
#include <QtGlobal>

// Collects every message written while it lives, instead of printing it.
class LogCapture
{
public:
    LogCapture()
    {
        lines().clear();
        previous = qInstallMessageHandler(&LogCapture::collect);
    }
    ~LogCapture() { qInstallMessageHandler(previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    static QStringList& lines()
    {
        static QStringList captured;
        return captured;
    }

    // Lines holding every one of the given texts.
    static int count(const QStringList& texts)
    {
        int n = 0;
        for (const QString& line : lines()) {
            bool all = true;
            for (const QString& text : texts)
                all = all && line.contains(text);
            n += all ? 1 : 0;
        }
        return n;
    }
    static bool contains(const QString& text) { return count({text}) > 0; }
    static QString all() { return lines().join('\n'); }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) { lines().append(message); }

    QtMessageHandler previous = nullptr;
};

#endif // RECORDTESTKIT_H
