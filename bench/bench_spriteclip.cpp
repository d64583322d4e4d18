// The cut of the two downloaded sprites into one PNG per picture name: the time the shipped catalogue's names take,
// and that of a hostile catalogue whose row names 100,000 pictures, on sprites of the shipped catalogue's size (four
// columns of step pictures, three of icons). Medians of several runs. Each figure is printed beside its target; no
// run fails on one. The targets: the shipped cut stays well under the wait of the licence page it runs beside, and a
// row of any length costs no more than the cells the sprite has.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/overtarget.h"
#include "welcome/catalogue.h"
#include "welcome/spriteclipper.h"

namespace {

constexpr int kRuns = 7;
constexpr int kHostileRuns = 3;
constexpr int kHostileNames = 100000;
constexpr double kShippedTargetMs = 150;
constexpr double kHostileTargetMs = 300;

QImage drawnSprite(const SpriteKind& kind, int columns)
{
    QImage sprite(columns * kind.cell, kind.rowTops.size() * kind.cell, QImage::Format_RGB32);
    QPainter painter(&sprite);
    for (int row = 0; row < kind.rowTops.size(); ++row)
        for (int column = 0; column < columns; ++column)
            painter.fillRect(column * kind.cell, row * kind.cell, kind.cell, kind.cell,
                             QColor(20 + 40 * column, 10 + 25 * row, 160));
    return sprite;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Both cuts of one catalogue, in ms.
double cutMs(const QMap<QString, QString>& assemble, const QMap<QString, QString>& icons, const QImage& assembleSprite,
             const QImage& iconSprite)
{
    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();
    cutSprite(SpriteKind::assembleImages(), assemble, folder.path(), assembleSprite);
    cutSprite(SpriteKind::deviceIcons(), icons, folder.path(), iconSprite);
    return clock.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // the cut's log lines
    QFile file(QStringLiteral(SHIPPED_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("sprite cut: the shipped catalogue %s cannot be read\n", SHIPPED_CATALOGUE);
        return 1;
    }
    const CatalogueParse parse = parseCatalogue(cleanCatalogueBody(file.readAll()));
    if (parse.status != CatalogueParse::Parsed) {
        std::printf("sprite cut: the shipped catalogue is no catalogue (%s)\n", qPrintable(parse.error));
        return 1;
    }
    const Catalogue& shipped = parse.catalogue;
    const QImage assembleSprite = drawnSprite(SpriteKind::assembleImages(), 4);
    const QImage iconSprite = drawnSprite(SpriteKind::deviceIcons(), 3);

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(cutMs(shipped.assembleImages, shipped.deviceIcons, assembleSprite, iconSprite));
    std::printf("sprite cut, the shipped catalogue's pictures %25.1f ms (target: at most %.0f ms)%s\n", median(times),
                kShippedTargetMs, overTarget(median(times), kShippedTargetMs));

    QStringList names;
    for (int n = 0; n < kHostileNames; ++n)
        names << QString("p%1").arg(n);
    QMap<QString, QString> hostile = shipped.assembleImages;
    hostile.insert("INT_ia", names.join(','));
    times.clear();
    for (int run = 0; run < kHostileRuns; ++run)
        times.push_back(cutMs(hostile, shipped.deviceIcons, assembleSprite, iconSprite));
    std::printf("sprite cut, a row of %d names beside them %21.1f ms (target: at most %.0f ms)%s\n", kHostileNames,
                median(times), kHostileTargetMs, overTarget(median(times), kHostileTargetMs));
    return 0;
}
