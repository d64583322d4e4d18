// Cutting the downloaded sprites into one picture per catalogue name.
#include <QtTest>

#include <QColorSpace>
#include <QLockFile>
#include <QPainter>
#include <QSysInfo>
#include <sys/time.h>
#include <unistd.h>

#include "base/replylimits.h"
#include "testsupport.h"
#include "welcome/spriteclipper.h"

using NameMap = QMap<QString, QString>;

namespace {

// Every cell in its own colour, so a clip tells which cell it came from.
QColor cellColour(int column, int row)
{
    return QColor(10 + 20 * column, 10 + 20 * row, 200);
}

QImage drawSprite(const SpriteKind& kind, double columns, int rows = -1)
{
    rows = rows < 0 ? kind.rowTops.size() : rows;
    QImage sprite(int(columns * kind.cell), rows * kind.cell, QImage::Format_RGB32);
    QPainter painter(&sprite);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.fillRect(column * kind.cell, row * kind.cell, kind.cell, kind.cell, cellColour(column, row));
    painter.end();
    return sprite;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestSpriteClipper : public QObject
{
    Q_OBJECT
private slots:
    // Each name once, from the cell that wins (the later key in ascending order, the later column), and only
    // the cells the sprite has; names with parent steps or separators are skipped.
    void cells_data()
    {
        QTest::addColumn<QString>("names");   // key=value;key=value
        QTest::addColumn<double>("columns");  // the sprite's width in cells
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("clips");  // name: the column and row of its cell
        QTest::newRow("unsafe names") << "Serial_2=../up,..,a/b,..\\c,d\\e,a.b" << 6.0 << 6 << "a.b.png:5,0";
        QTest::newRow("past the edges") << "Serial_2=a,b,c;Serial_5=d" << 2.0 << 1 << "a.png:0,0 b.png:1,0";
        QTest::newRow("a part of a cell at the edge") << "Serial_2=a,b,c" << 1.5 << 6 << "a.png:0,0 b.png:1,0";
        QTest::newRow("twice in a row, under two keys")
            << "Serial_5=x,a,a;Serial_2=a" << 6.0 << 6 << "a.png:2,1 x.png:0,1";
        QTest::newRow("the later key's past the edge")
            << "Serial_5=x,y,a;Serial_2=a" << 2.0 << 6 << "a.png:0,0 x.png:0,1 y.png:1,1";
        QTest::newRow("empty names") << "Serial_2=;Serial_6=,b" << 3.0 << 6 << ".png:0,2 b.png:1,2";
        QStringList many;
        for (int n = 0; n < 250000; ++n)
            many << QString("p%1").arg(n);
        QTest::newRow("a row of 250,000 names") << "Serial_2=" + many.join(',') << 2.0 << 1 << "p0.png:0,0 p1.png:1,0";
        QTest::newRow("an unsafe name of 100,000 characters")
            << "Serial_2=a/" + QString(100000, 'x') + ",b" << 2.0 << 1 << "b.png:1,0";
    }

    void cells()
    {
        QFETCH(QString, names);
        QFETCH(double, columns);
        QFETCH(int, rows);
        const SpriteKind& sprite = SpriteKind::deviceIcons();
        NameMap map;
        for (const QString& row : names.split(';'))
            map.insert(row.section('=', 0, 0), row.section('=', 1));
        QTemporaryDir dir;
        QVERIFY(dir.isValid() && QDir(dir.path()).mkdir("clip"));
        const QString folder = dir.filePath("clip");
        LogRecorder log;
        const int saved = clipCells(drawSprite(sprite, columns, rows), map, sprite, folder);
        // What the log shows of the names is cut as it is of the catalogue.
        for (const QString& line : qAsConst(log.lines))
            QVERIFY2(line.size() < ReplyLimits::kAnswerLogBytes + 160, qPrintable(line.left(200)));
        QStringList clips;
        for (const QString& file : filesIn(folder)) {
            const QImage clip(folder + "/" + file);
            QCOMPARE(clip.size(), QSize(sprite.cell, sprite.cell));
            const QColor colour = clip.pixelColor(0, 0);
            clips << QString("%1:%2,%3").arg(file).arg((colour.red() - 10) / 20).arg((colour.green() - 10) / 20);
        }
        QTEST(clips.join(' '), "clips");
        QCOMPARE(saved, clips.size());
        QCOMPARE(filesIn(dir.path()), QStringList{"clip"});  // nothing beside the clip folder
    }

    // A grey sprite's clips are written and read back without libpng's warning on an RGB profile.
    void greyClipsWithoutProfile()
    {
        const SpriteKind& kind = SpriteKind::deviceIcons();
        QImage sprite = drawSprite(kind, 1).convertToFormat(QImage::Format_Grayscale8);
        sprite.setColorSpace(QColorSpace(QColorSpace::Primaries::SRgb, 2.2f));  // as gAMA and cHRM give
        QTemporaryDir dir;
        LogRecorder log;
        QCOMPARE(clipCells(sprite, {{"Serial_2", "grey"}}, kind, dir.path()), 1);
        QVERIFY(!QImage(dir.filePath("grey.png")).isNull());
        QVERIFY2(log.matching("libpng").isEmpty(), qPrintable(log.all()));
    }

    void privateFolder()
    {
        const QString folder = spriteFolder();
        QVERIFY(!folder.isEmpty());
        const QFileInfo info(folder);
        QVERIFY(info.isDir() && !info.isSymLink());
        QCOMPARE(info.ownerId(), uint(geteuid()));
        QCOMPARE(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                       QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
    }

    // Links put in place of the clip folder or the sprite file: the cut and the write replace
    // them and leave what they point at alone.
    void plantedLinksAreNotFollowed_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("clip folder") << SpriteKind::deviceIcons().clipFolder;
        QTest::newRow("sprite file") << SpriteKind::deviceIcons().spriteFile;
    }

    void plantedLinksAreNotFollowed()
    {
        QFETCH(QString, planted);
        const SpriteKind& sprite = SpriteKind::deviceIcons();
        QTemporaryDir dir;
        QTemporaryDir victim;
        QVERIFY(dir.isValid() && victim.isValid());
        QFile precious(victim.filePath("precious"));
        QVERIFY(precious.open(QIODevice::WriteOnly) && precious.write("keep") == 4);
        precious.close();
        const QString target = planted == sprite.clipFolder ? victim.path() : precious.fileName();
        QVERIFY(QFile::link(target, dir.filePath(planted)));

        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && drawSprite(sprite, 2).save(&buffer, "PNG"));
        QVERIFY(writeSpriteFile(dir.path(), sprite.spriteFile, png));
        QCOMPARE(cutSprite(sprite, NameMap{{"Serial_2", "a"}}, dir.path(), drawSprite(sprite, 2)),
                 dir.path() + "/" + sprite.clipFolder + "/");

        QCOMPARE(filesIn(victim.path()), QStringList{"precious"});
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("keep"));
        QVERIFY(!QFileInfo(dir.filePath(planted)).isSymLink());
        QCOMPARE(filesIn(dir.filePath(sprite.clipFolder)), QStringList{"a.png"});
    }

    // Picture folders that earlier runs left in the temporary folder: only our own, unused ones go.
    void leftoverFolders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("lock");  // "dead", "live", "none", "old" (none, unchanged for two days)
        QTest::addColumn<QString>("kind");  // "dir", "link" (to a folder with a dead lock), "other user"
        QTest::addColumn<bool>("removed");
        QTest::newRow("run gone") << "tolmwizard-a1B2c3"
                                  << "dead"
                                  << "dir" << true;
        QTest::newRow("run alive") << "tolmwizard-a1B2c3"
                                   << "live"
                                   << "dir" << false;
        QTest::newRow("no lock, recent") << "tolmwizard-a1B2c3"
                                         << "none"
                                         << "dir" << false;
        QTest::newRow("no lock, old") << "tolmwizard-a1B2c3"
                                      << "old"
                                      << "dir" << true;
        QTest::newRow("link to a folder") << "tolmwizard-a1B2c3"
                                          << "dead"
                                          << "link" << false;
        QTest::newRow("other name") << "tolmwizard-a1B2c3d"
                                    << "dead"
                                    << "dir" << false;
        QTest::newRow("other user") << "tolmwizard-a1B2c3"
                                    << "dead"
                                    << "other user" << false;
    }

    void leftoverFolders()
    {
        QFETCH(QString, name);
        QFETCH(QString, lock);
        QFETCH(QString, kind);
        if (kind == "other user" && geteuid() != 0)
            QSKIP("needs root to give a folder to another user");
        QTemporaryDir parent, elsewhere, victim;
        QVERIFY(parent.isValid() && elsewhere.isValid() && victim.isValid());
        QFile precious(victim.filePath("precious"));
        QVERIFY(precious.open(QIODevice::WriteOnly));
        precious.close();
        const QString folder = (kind == "link" ? elsewhere.path() : parent.path()) + "/" + name;
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::link(victim.path(), folder + "/inside"));
        QLockFile live(folder + "/owner.lock");
        if (lock == "live") {
            QVERIFY(live.tryLock(0));
        } else if (lock == "dead") {
            QFile file(folder + "/owner.lock");  // a pid no process has
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("99999999\ntolmwizard\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        } else if (lock == "old") {
            const timeval twoDaysAgo[2] = {{time(nullptr) - 2 * 86400, 0}, {time(nullptr) - 2 * 86400, 0}};
            QCOMPARE(utimes(QFile::encodeName(folder).constData(), twoDaysAgo), 0);
        }
        if (kind == "link")
            QVERIFY(QFile::link(folder, parent.path() + "/" + name));
        if (kind == "other user")
            QCOMPARE(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);

        QTEST(removeStaleSpriteFolders(parent.path()) == 1, "removed");
        QTEST(!QFileInfo::exists(folder), "removed");
        QCOMPARE(filesIn(victim.path()), QStringList{"precious"});
    }
};

QTEST_MAIN(TestSpriteClipper)
#include "tst_spriteclipper.moc"
