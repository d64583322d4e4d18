#ifndef SPRITECLIPPER_H
#define SPRITECLIPPER_H

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

// One of the two downloaded sprites: a grid of square cells whose rows the catalogue
// names ("INT_ia" -> "ia10,ia11,..."); column n of a row is the n-th picture name.
struct SpriteKind
{
    QString spriteFile;     // in the temporary folder, e.g. "assemble_image_square.png"
    QString clipFolder;     // in the temporary folder, e.g. "assemble_image_clip"
    int cell = 0;           // cell edge in pixels
    QMap<QString, int> rowTops;  // row key -> top edge in pixels
    // Log labels of the cut.
    QString handleLabel;    // "Handle <clipAssembleImagesSquare>"
    QString openFailedText;
    QString countLabel;

    static const SpriteKind& assembleImages();
    static const SpriteKind& deviceIcons();
};

// A picture name that can become a file name in the clip folder: no path separator and
// no parent-folder step. The empty name is allowed (it gives ".png").
bool isSafePictureName(const QString& name);

// True when the body decodes as a picture.
bool isPictureBody(const QByteArray& body);

// Saves cell n of every known row as folder/name.png, in ascending key order, so a
// name under two keys keeps the later key's cell. Unknown keys and unsafe names are
// skipped. Returns the number of cells saved.
int clipCells(const QImage& sprite, const QMap<QString, QString>& names, const SpriteKind& kind,
              const QString& folder);

// The whole cut in tempPath: re-creates the clip folder, cuts the sprite file into it and
// returns the clip folder path ending in "/" when it holds at least one picture, else a
// null string (the picture folder global then keeps its value).
QString cutSprite(const SpriteKind& kind, const QMap<QString, QString>& names, const QString& tempPath);

#endif // SPRITECLIPPER_H
