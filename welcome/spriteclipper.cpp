#include "welcome/spriteclipper.h"

#include <cstdio>

#include <QColorSpace>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "base/log.h"
#include "welcome/catalogue.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char kFolderPattern[] = "tolmwizard-XXXXXX";
const char kLockName[] = "owner.lock";
// A folder without a lock file is left by a version before the lock once it is this old.
constexpr qint64 kUnlockedLeftoverSecs = 24 * 3600;

QMap<QString, int> rowsOf(const QStringList& keys, int cell)
{
    QMap<QString, int> rows;
    for (int i = 0; i < keys.size(); ++i)
        rows.insert(keys[i], i * cell);
    return rows;
}

// "ms" closes the format on purpose: minutes and seconds once more, as the log has always shown.
QString timeStamp()
{
    return QDateTime::currentDateTime().toString("yyyy.MM.dd hh:mm:ss:ms");
}

// Empties path for a new cut. A link or file in its place is removed itself, never entered.
bool makeEmptyFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir())) {
        WLOG << "remove what stands in place of the folder";
        QFile::remove(path);
    } else if (info.exists()) {
        WLOG << "remove and create new folder";
        QDir(path).removeRecursively();
        WLOG << "create new folder";
    } else {
        WLOG << "only create new folder";
    }
    return QDir().mkdir(path);
}

}  // namespace

QString spriteFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + "/" + kFolderPattern);
    if (!folder.isValid()) {
        WLOG << "no folder for the pictures :" << folder.errorString();
        return QString();
    }
    // Held until exit; released before the folder goes (statics end in reverse order).
    static QLockFile lock(folder.filePath(kLockName));
    static const bool locked = [] {
        lock.setStaleLockTime(0);
        return lock.tryLock(0);
    }();
    if (!locked)
        WLOG << "the picture folder's lock file cannot be made";
    return folder.path();
}

int removeStaleSpriteFolders(const QString& parent)
{
    static const QRegularExpression name(QStringLiteral("^tolmwizard-[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList entries =
        QDir(parent).entryInfoList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& info : entries) {
        if (!name.match(info.fileName()).hasMatch() || info.isSymLink() || !info.isDir())
            continue;
#ifdef Q_OS_UNIX
        if (info.ownerId() != uint(geteuid()))
            continue;
#endif
        const QString path = info.absoluteFilePath();
        const QFileInfo lockInfo(path + "/" + kLockName);
        QLockFile lock(lockInfo.filePath());
        lock.setStaleLockTime(0);
        if (lockInfo.exists() || lockInfo.isSymLink()) {
            // Taken only when the run that made it is gone.
            if (lockInfo.isSymLink() || !lockInfo.isFile() || !lock.tryLock(0))
                continue;
        } else if (info.lastModified().secsTo(QDateTime::currentDateTime()) < kUnlockedLeftoverSecs) {
            continue;
        }
        if (QDir(path).removeRecursively())
            ++removed;
        else
            WLOG << "a picture folder of an earlier run could not be removed :" << path;
    }
    if (removed > 0)
        WLOG << "picture folders of earlier runs removed :" << removed;
    return removed;
}

bool writeSpriteFile(const QString& folder, const QString& name, const QByteArray& body)
{
    // A fresh file of our own, then renamed over the name: rename replaces a link, never enters it.
    QTemporaryFile file(folder + "/" + name + ".XXXXXX");
    if (!file.open() || file.write(body) != body.size() || !file.flush())
        return false;
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(folder + "/" + name).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

const SpriteKind& SpriteKind::assembleImages()
{
    static const SpriteKind kind{
        "assemble_image_square.png",
        "assemble_image_clip",
        164,
        rowsOf(
            {"Local_ConnectionType", "INT_ia", "INT_ia_ib", "INT_ic", "INT_id", "WPS_wa", "WPS_wb", "WPS_wc", "WPS_wd"},
            164),
        "Handle <clipAssembleImagesSquare>",
        "--------- >count checkAssembleImageClipPath :",
    };
    return kind;
}

const SpriteKind& SpriteKind::deviceIcons()
{
    static const SpriteKind kind{
        "device_list_all.png",
        "device_icon_clip",
        50,
        rowsOf({"Serial_2", "Serial_5", "Serial_6", "Serial_7", "Serial_8", "Serial_9"}, 50),
        "Handle <clipDeviceIconSquare>",
        "--------- >count checkDeviceIconClipPath :",
    };
    return kind;
}

bool isSafePictureName(const QString& name)
{
    return !name.contains('/') && !name.contains('\\') && !name.contains("..");
}

int clipCells(const QImage& sprite, const QMap<QString, QString>& names, const SpriteKind& kind, const QString& folder)
{
    // Each name's cell, a later key's or column's taking the place of an earlier one, cut once.
    struct Cell
    {
        QString key;
        QRect rect;
    };
    QHash<QString, Cell> cells;
    QStringList order;
    // The columns the sprite has: a name past its right edge has no cell.
    const int columns = sprite.isNull() ? 0 : (sprite.width() + kind.cell - 1) / kind.cell;
    for (auto row = names.constBegin(); row != names.constEnd(); ++row) {
        const QString& key = row.key();
        if (!kind.rowTops.contains(key))
            continue;
        const QStringList pictures = row.value().split(',', Qt::KeepEmptyParts);
        WLOG << key + " =" << row.value().size() << "characters:" << loggedValue(row.value());
        WLOG << key + " SList =" << qUtf8Printable(loggedEntries(pictures));
        const int top = kind.rowTops.value(key);
        const int cut = top < sprite.height() ? qMin(int(pictures.size()), columns) : 0;
        for (int n = 0; n < cut; ++n) {
            if (!isSafePictureName(pictures[n])) {
                WLOG << "picture name refused, it would leave the clip folder :" << loggedValue(pictures[n]);
                continue;
            }
            if (!cells.contains(pictures[n]))
                order << pictures[n];
            cells.insert(pictures[n], {key, QRect(n * kind.cell, top, kind.cell, kind.cell)});
        }
    }
    int saved = 0;
    for (const QString& name : qAsConst(order)) {
        const Cell cell = cells.value(name);
        WLOG << "rect_" + cell.key + " = " << cell.rect;
        QImage clip = sprite.copy(cell.rect);
        // A grey PNG cannot carry the RGB profile Qt derives from a sprite's gamma and chromaticities:
        // libpng would warn at every read of the clip.
        if (clip.format() == QImage::Format_Grayscale8 || clip.format() == QImage::Format_Grayscale16)
            clip.setColorSpace(QColorSpace());
        if (clip.save(folder + "/" + name + ".png"))
            ++saved;
    }
    return saved;
}

QString cutSprite(const SpriteKind& kind, const QMap<QString, QString>& names, const QString& folder,
                  const QImage& sprite)
{
    WLOG << "start clip file !";
    WLOG << kind.handleLabel + " Time01 :" << timeStamp();
    if (folder.isEmpty())
        return QString();
    const QString spritePath = folder + "/" + kind.spriteFile;
    WLOG << spritePath;
    const QString clipFolder = folder + "/" + kind.clipFolder;
    if (!makeEmptyFolder(clipFolder)) {
        WLOG << "clip folder cannot be made :" << clipFolder;
        return QString();
    }
    if (sprite.isNull())
        WLOG << "the sprite is not a picture, nothing to cut :" << spritePath;
    else
        clipCells(sprite, names, kind, clipFolder);
    WLOG << kind.handleLabel + " Time02 :" << timeStamp();

    const QString clipPath = clipFolder + "/";
    WLOG << kind.countLabel << clipPath;
    // Hidden files count too: the empty picture name gives ".png".
    const int files = QDir(clipPath).entryList(QDir::Files | QDir::Hidden).size();
    if (files == 0)
        return QString();
    WLOG << "--------- >count :" << files;
    return clipPath;
}
