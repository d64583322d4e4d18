#include "wifi/wpspictures.h"

namespace WpsPictures {

QStringList files(bool localView, const QString& model, const QString& hwComboText,
                  const QMap<QString, QString>& hwVersions, const QMap<QString, QStringList>& connectionTypes,
                  const QString& imagesPath)
{
    if (localView)
        return {":/images/wa10", ":/images/wb10", ":/images/wc10", ":/images/wd10"};
    const QString hardware =
        hwComboText.isEmpty() ? hwVersions.value(model).split(',', Qt::KeepEmptyParts).first() : hwComboText;
    QStringList pictures;
    for (const QString& entry : connectionTypes.value(model + "_" + hardware)) {
        if (!entry.startsWith("WPS"))
            continue;
        for (const QString& name : entry.mid(4).split(',', Qt::KeepEmptyParts)) {
            if (pictures.size() >= kShownPictures)
                return pictures;
            pictures.append(name.isEmpty() ? QString() : imagesPath + name);
        }
    }
    return pictures;
}

}  // namespace WpsPictures
