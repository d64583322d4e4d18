#include "guide/stepgrid.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "base/globals.h"
#include "base/log.h"
#include "guide/connectionrules.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "welcome/catalogue.h"

namespace StepGrid {

namespace {
constexpr int kPictureSize = 164;
constexpr int kBadgeSize = 21;

// The first label of that name in the five connection panels; nothing else of the window.
QLabel* findPanelLabel(const QString& name)
{
    const QWidget* panels[] = {gConnectionTypeDefault, gConnectionTypeOnlyOne, gConnectionTypeMoreThanOne,
                               gConnectionTypeAPMode, gConnectionTypeLocalView};
    for (const QWidget* panel : panels) {
        if (!panel)
            continue;
        if (QLabel* label = panel->findChild<QLabel*>(name))
            return label;
    }
    return nullptr;
}
}  // namespace

void clear(QGridLayout* grid)
{
    const int n = grid->count();
    WLOG << "num ..." << n;
    for (int i = 1; i <= n; ++i) {
        const QString name = QString::number(i);
        QLabel* label = findPanelLabel(name);
        WLOG << "item del..." << name;
        delete label;
    }
    while (QLayoutItem* item = grid->takeAt(0)) {
        WLOG << "del ...";
        delete item->widget();
        delete item;
    }
}

void setPicture(QLabel* label, const QString& file, int size)
{
    // Names come without suffix; the reader tries the known image suffixes itself.
    const QPixmap picture(file);
    label->setPixmap(picture.isNull() ? QPixmap()
                                      : picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void addSteps(QGridLayout* grid, const QString& names, int columnSpan, const char* countLog, const char* badgeLog)
{
    WLOG << "images remove header ..." << loggedValue(names);
    const QStringList pictures = names.split(',', Qt::KeepEmptyParts);
    WLOG << countLog << pictures.size();
    const int shown = std::min(int(pictures.size()), kShownPictures);
    for (int i = 0; i < shown; ++i) {
        QLabel* picture = new QLabel;
        picture->setObjectName(QString::number(i));
        setPicture(picture, assembleImagesPath + pictures.at(i), kPictureSize);
        grid->addWidget(picture, 0, i, 1, columnSpan);

        const QString badgePath = ":/images/icon_step_" + QString::number(i + 1);
        WLOG << badgeLog << badgePath;
        QLabel* badge = new QLabel(picture);
        setPicture(badge, badgePath, kBadgeSize);
        badge->setGeometry(3, 0, kBadgeSize, kBadgeSize);
        badge->show();
    }
    if (pictures.size() > kShownPictures)
        WLOG << "Step pictures:" << pictures.size() << "in the entry, the first" << kShownPictures << "shown,"
             << pictures.size() - kShownPictures << "left out";
}

const StepRow* addEntrySteps(QGridLayout* grid, const QString& entry, const StepRow* rows, int rowCount)
{
    WLOG << "images ..." << loggedValue(entry);
    const ConnectionRules::EntryType* type = ConnectionRules::entryType(entry);
    for (const StepRow* row = rows; row != rows + rowCount; ++row) {
        if (ConnectionRules::isType(type, row->word)) {
            addSteps(grid, entry.mid(type->headerLength), row->columnSpan, row->countLog, row->badgeLog);
            return row;
        }
    }
    return nullptr;
}

void addOverview(QGridLayout* grid, int column, const QString& resource)
{
    QLabel* picture = new QLabel;
    picture->setObjectName(QString::number(column));
    setPicture(picture, resource, kPictureSize);
    grid->addWidget(picture, 0, column);
}

}  // namespace StepGrid
