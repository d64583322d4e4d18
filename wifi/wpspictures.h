#ifndef WPSPICTURES_H
#define WPSPICTURES_H

#include <QMap>
#include <QString>
#include <QStringList>

// The WPS tab's step pictures, free of widgets.
namespace WpsPictures {

// The picture files, one per step, left to right. Local-only mode: the four built-in
// pictures. Otherwise the parts of the catalogue's "WPS" entries for model + "_" + hardware
// version (the combo's text, or the model's first listed version when it is empty), each
// under imagesPath; an empty part keeps its step (a step without picture).
QStringList files(bool localView, const QString& model, const QString& hwComboText,
                  const QMap<QString, QString>& hwVersions, const QMap<QString, QStringList>& connectionTypes,
                  const QString& imagesPath);

}  // namespace WpsPictures

#endif  // WPSPICTURES_H
