#ifndef WPSPICTURES_H
#define WPSPICTURES_H

#include <QMap>
#include <QString>
#include <QStringList>

// The WPS tab's step pictures, free of widgets.
namespace WpsPictures {

// Steps past the eighth are left out, as the guide's panels leave them: the tab's 701 px grid gives at least half of
// a 164 px picture to eight side by side, and each picture is two widgets and a look-up in the file system.
constexpr int kShownPictures = 8;

// The picture files, one per step, left to right. Local-only mode: the four built-in
// pictures. Otherwise the parts of the catalogue's "WPS" entries for model + "_" + hardware
// version (the combo's text, or the model's first listed version when it is empty), each
// under imagesPath, the first kShownPictures of them; an empty part keeps its step (a step without picture).
QStringList files(bool localView, const QString& model, const QString& hwComboText,
                  const QMap<QString, QString>& hwVersions, const QMap<QString, QStringList>& connectionTypes,
                  const QString& imagesPath);

}  // namespace WpsPictures

#endif  // WPSPICTURES_H
