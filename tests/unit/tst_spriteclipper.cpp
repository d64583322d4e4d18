// Cutting the downloaded sprites into one picture per catalogue name.
#include <QtTest>

#include "welcome/spriteclipper.h"

using NameMap = QMap<QString, QString>;
using CellMap = QMap<QString, QPoint>;  // file name (without ".png") -> column, row
Q_DECLARE_METATYPE(NameMap)
Q_DECLARE_METATYPE(CellMap)

namespace {

// Every cell in its own colour, so a clip tells which cell it came from.
QColor cellColour(int column, int row)
{
    return QColor(10 + 20 * column, 10 + 20 * row, 200);
}

QImage drawSprite(const SpriteKind& kind, int columns)
{
    QImage sprite(columns * kind.cell, kind.rowTops.size() * kind.cell, QImage::Format_RGB32);
    for (int row = 0; row < kind.rowTops.size(); ++row)
        for (int column = 0; column < columns; ++column)
            for (int y = 0; y < kind.cell; ++y)
                for (int x = 0; x < kind.cell; ++x)
                    sprite.setPixelColor(column * kind.cell + x, row * kind.cell + y, cellColour(column, row));
    return sprite;
}

const SpriteKind& kindNamed(const QString& name)
{
    return name == "icons" ? SpriteKind::deviceIcons() : SpriteKind::assembleImages();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestSpriteClipper : public QObject
{
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void pictureNames_data();
    void pictureNames();
    void cuts_data();
    void cuts();
    void recutRemovesStaleFiles();
};

void TestSpriteClipper::cells_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<NameMap>("names");
    QTest::addColumn<CellMap>("expected");
    QTest::addColumn<int>("saved");

    QTest::newRow("two names in row 3") << "assemble" << NameMap{{"INT_ic", "a,b"}}
                                        << CellMap{{"a", {0, 3}}, {"b", {1, 3}}} << 2;
    QTest::newRow("icons in row 1") << "icons" << NameMap{{"Serial_5", "VKC-5010W,VKC-5020W,x"}}
                                    << CellMap{{"VKC-5010W", {0, 1}}, {"VKC-5020W", {1, 1}}, {"x", {2, 1}}} << 3;
    QTest::newRow("unknown key ignored") << "icons" << NameMap{{"Serial_3", "q"}, {"Serial_9", "r"}}
                                         << CellMap{{"r", {0, 5}}} << 1;
    QTest::newRow("empty value gives .png") << "assemble" << NameMap{{"WPS_wb", ""}} << CellMap{{"", {0, 6}}} << 1;
    QTest::newRow("two commas give an empty name") << "assemble" << NameMap{{"INT_ia", "p,,q"}}
                                                   << CellMap{{"p", {0, 1}}, {"", {1, 1}}, {"q", {2, 1}}} << 3;
    QTest::newRow("later key wins") << "assemble" << NameMap{{"INT_ia", "p"}, {"WPS_wd", "x,p"}}
                                    << CellMap{{"p", {1, 8}}, {"x", {0, 8}}} << 3;
    QTest::newRow("blanks are kept") << "assemble" << NameMap{{"INT_id", " s"}} << CellMap{{" s", {0, 4}}} << 1;
}

void TestSpriteClipper::cells()
{
    QFETCH(QString, kind);
    QFETCH(NameMap, names);
    QFETCH(CellMap, expected);
    QFETCH(int, saved);
    const SpriteKind& sprite = kindNamed(kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QCOMPARE(clipCells(drawSprite(sprite, 4), names, sprite, dir.path()), saved);
    QStringList files;
    for (const QString& name : expected.keys())
        files.append(name + ".png");
    files.sort();
    QCOMPARE(filesIn(dir.path()), files);
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        const QImage clip(dir.filePath(it.key() + ".png"));
        QCOMPARE(clip.size(), QSize(sprite.cell, sprite.cell));
        const QColor colour = cellColour(it.value().x(), it.value().y());
        QCOMPARE(clip.pixelColor(0, 0), colour);
        QCOMPARE(clip.pixelColor(sprite.cell - 1, sprite.cell - 1), colour);
    }
}

void TestSpriteClipper::pictureNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");

    QTest::newRow("plain") << "ia10" << true;
    QTest::newRow("model name") << "VKC-5010W" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("single dot inside") << "a.b" << true;
    QTest::newRow("parent step") << "../evil" << false;
    QTest::newRow("bare parent") << ".." << false;
    QTest::newRow("slash") << "sub/x" << false;
    QTest::newRow("absolute") << "/tmp/x" << false;
    QTest::newRow("backslash") << "..\\x" << false;
    QTest::newRow("backslash only") << "a\\b" << false;
}

void TestSpriteClipper::pictureNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(isSafePictureName(name), safe);

    // An unsafe name is skipped; nothing lands beside the clip folder.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("clip"));
    const QString folder = dir.filePath("clip");
    const int saved = clipCells(drawSprite(SpriteKind::deviceIcons(), 2), NameMap{{"Serial_2", name + ",ok"}},
                                SpriteKind::deviceIcons(), folder);
    QCOMPARE(saved, safe ? 2 : 1);
    QCOMPARE(filesIn(dir.path()), QStringList());
    QVERIFY(filesIn(folder).contains("ok.png"));
}

void TestSpriteClipper::cuts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("spriteBody");  // empty: no sprite file
    QTest::addColumn<NameMap>("names");
    QTest::addColumn<bool>("folderSet");
    QTest::addColumn<int>("files");

    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawSprite(SpriteKind::assembleImages(), 2).save(&buffer, "PNG");
    }
    QTest::newRow("pictures cut") << "assemble" << png << NameMap{{"INT_ia", "a,b"}} << true << 2;
    QTest::newRow("catalogue not parsed yet") << "assemble" << png << NameMap() << false << 0;
    QTest::newRow("catalogue without names") << "assemble" << png
                                             << NameMap{{"INT_ia", ""}, {"WPS_wa", ""}} << true << 1;
    QTest::newRow("only unsafe names") << "assemble" << png << NameMap{{"INT_ia", "../a"}} << false << 0;
    QTest::newRow("error page served as a sprite") << "icons" << QByteArray("<html>not found</html>")
                                                   << NameMap{{"Serial_2", "a"}} << false << 0;
    QTest::newRow("no sprite file") << "icons" << QByteArray() << NameMap{{"Serial_2", "a"}} << false << 0;
}

void TestSpriteClipper::cuts()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, spriteBody);
    QFETCH(NameMap, names);
    QFETCH(bool, folderSet);
    QFETCH(int, files);
    const SpriteKind& sprite = kindNamed(kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!spriteBody.isEmpty()) {
        QFile file(dir.filePath(sprite.spriteFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(spriteBody);
    }

    const QString folder = cutSprite(sprite, names, dir.path());
    QCOMPARE(folder, folderSet ? dir.path() + "/" + sprite.clipFolder + "/" : QString());
    QVERIFY(QDir(dir.filePath(sprite.clipFolder)).exists());
    QCOMPARE(filesIn(dir.filePath(sprite.clipFolder)).size(), files);
}

void TestSpriteClipper::recutRemovesStaleFiles()
{
    const SpriteKind& sprite = SpriteKind::deviceIcons();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(drawSprite(sprite, 2).save(dir.filePath(sprite.spriteFile)));
    QVERIFY(!cutSprite(sprite, NameMap{{"Serial_2", "old,older"}}, dir.path()).isEmpty());
    QVERIFY(QDir(dir.filePath(sprite.clipFolder)).mkdir("leftover"));

    QVERIFY(!cutSprite(sprite, NameMap{{"Serial_6", "new"}}, dir.path()).isEmpty());
    QCOMPARE(QDir(dir.filePath(sprite.clipFolder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"new.png"});
    QCOMPARE(QImage(dir.filePath(sprite.clipFolder + "/new.png")).pixelColor(10, 10), cellColour(0, 2));
}

QTEST_MAIN(TestSpriteClipper)
#include "tst_spriteclipper.moc"
