#include "base/logfile.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

namespace {

#ifdef Q_OS_WIN
const QByteArray kLineEnd = "\r\n";
#else
const QByteArray kLineEnd = "\n";
#endif

// The first bytes of text that fit in size, not cutting a UTF-8 character in two.
QByteArray cutUtf8(const QByteArray& text, int size)
{
    if (text.size() <= size)
        return text;
    int end = qMax(0, size);
    while (end > 0 && (static_cast<uchar>(text[end]) & 0xc0) == 0x80)
        --end;
    return text.left(end);
}

}  // namespace

LogFile::LogFile(const QString& path, qint64 capBytes)
    : filePath(path)
    , cap(qMax<qint64>(capBytes, kLineEnd.size() + 1))
{}

QString LogFile::besidePath(const char* tag) const
{
    const QFileInfo info(filePath);
    return info.path() + "/" + info.completeBaseName() + "." + tag + "." + info.suffix();
}

bool LogFile::append(const QString& line)
{
    const QByteArray bytes =
        cutUtf8(line.toUtf8(), static_cast<int>(qMin<qint64>(cap - kLineEnd.size(), INT_MAX))) + kLineEnd;
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed(file.errorString());
    if (file.size() + bytes.size() > cap) {
        file.close();
        rotate();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return failed(file.errorString());
        // A file that could be neither moved nor emptied takes no more lines.
        if (file.size() + bytes.size() > cap)
            return failed(QStringLiteral("full, and it can be neither moved aside nor emptied"));
    }
    if (file.write(bytes) != bytes.size())
        return failed(file.errorString());
    wroteLine = true;
    return true;
}

bool LogFile::failed(const QString& reason)
{
    error = reason;
    return false;
}

void LogFile::rotate()
{
    // An earlier run's lines alone go to the old file: the first one waits for this run's.
    const bool keepFirst = wroteLine && !firstTaken;
    const QString target = keepFirst ? firstPath() : oldPath();
    if (keepFirst) {
        firstTaken = true;
        // Older than the lines kept first: a reader finds first, old and current in order.
        QFile::remove(oldPath());
    }
    QFile::remove(target);
    if (QFile::rename(filePath, target))
        return;
    QFile file(filePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
}
