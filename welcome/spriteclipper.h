#ifndef SPRITECLIPPER_H
#define SPRITECLIPPER_H

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

// The folder of the sprites and their clips: made once per run under the temporary folder
// with a fresh name and owner-only access, removed at exit. Null when it cannot be made.
// A lock file inside marks it as in use by this run until the run ends.
QString spriteFolder();

// Removes the sprite folders that earlier runs of this user left in parent (the temporary
// folder) and that no run uses any more: our own name pattern, a real folder (links are never
// followed), owned by this user, with a lock file whose run is gone (or, from versions without
// the lock, unchanged for a day). Returns how many were removed.
int removeStaleSpriteFolders(const QString& parent);

// Writes body as folder/name by writing a new file and renaming it into place, so a link
// planted under that name is replaced, never written through.
bool writeSpriteFile(const QString& folder, const QString& name, const QByteArray& body);

// One of the two downloaded sprites: a grid of square cells whose rows the catalogue
// names ("INT_ia" -> "ia10,ia11,..."); column n of a row is the n-th picture name.
struct SpriteKind
{
    QString spriteFile;          // in the temporary folder, e.g. "assemble_image_square.png"
    QString clipFolder;          // in the temporary folder, e.g. "assemble_image_clip"
    int cell = 0;                // cell edge in pixels
    QMap<QString, int> rowTops;  // row key -> top edge in pixels
    // Log labels of the cut.
    QString handleLabel;  // "Handle <clipAssembleImagesSquare>"
    QString countLabel;

    static const SpriteKind& assembleImages();
    static const SpriteKind& deviceIcons();
};

// A picture name that can become a file name in the clip folder: no path separator and
// no parent-folder step. The empty name is allowed (it gives ".png").
bool isSafePictureName(const QString& name);

// Saves cell n of every known row as folder/name.png, each name once: a name under two keys keeps the
// later key's cell in ascending key order, a name twice in a row the later column's. Only the cells the
// sprite has are cut (a column past its right edge, or a row past its bottom, has none), so a row of any
// length costs no more than the sprite's cells. Unknown keys and unsafe names are skipped. Returns the
// number of cells saved.
int clipCells(const QImage& sprite, const QMap<QString, QString>& names, const SpriteKind& kind, const QString& folder);

// The whole cut in folder (see spriteFolder): re-creates the clip folder without following a
// link in its place, cuts the decoded sprite (null: nothing) into it and returns the clip folder
// path ending in "/" when it holds at least one picture, else a null string (the picture folder
// global then keeps its value). It touches no global: the welcome page runs it off the window's thread.
QString cutSprite(const SpriteKind& kind, const QMap<QString, QString>& names, const QString& folder,
                  const QImage& sprite);

#endif  // SPRITECLIPPER_H
