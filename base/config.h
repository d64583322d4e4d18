#ifndef CONFIG_H
#define CONFIG_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// What config.xml beside the executable says.
struct ShellConfig
{
    bool parsed = false;  // the file was there and well formed
    bool showLauncher = false;
    bool qaTest = true;
    bool logEnabled = false;
    QString language;         // empty: the system locale
    QString viewerInstaller;  // absolute paths, empty when not configured
    QString pdfReaderInstaller;
    QList<QPair<QString, QString>> manuals;  // (short language code, absolute path)
};

// Reads the configuration from the file's bytes; null means there is no file. Bytes that are
// not a small, plain XML document (oversized, too deep, with a DTD or entities of their own,
// malformed) count as no file. Relative paths are taken from baseDir.
ShellConfig readShellConfig(const QByteArray* xmlOrNull, const QString& baseDir);

// Reads config.xml in dir (the executable's folder); anything but a readable regular file
// counts as no file.
ShellConfig readShellConfigFile(const QString& dir);

// Sets the four download addresses and gIsQATest: the release addresses, or the
// test base gQATestBaseUrl.
void applyDownloadAddresses(bool qaTest);

#endif  // CONFIG_H
