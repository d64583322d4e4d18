// The picture decoder's own cost: the time from starting it to its first answer, and what one picture costs
// the program: the wait for its answer (wall-clock), the decoder's CPU time (its decode's process included)
// and, for a page's picture, the PNG the program writes of it. Medians of several runs on the decoder the
// program keeps. Each figure is printed beside its target; no run fails on one. The targets: the decoder
// starts while a page loads, a page's ordinary pictures each take well under a frame of the page's load,
// the largest picture a page may show stays under half a second (its costliest JPEG, of the most scans, too),
// and a JPEG of more scans is refused within a frame. Last, how long a page's ordinary picture of one host waits
// in a view behind 600 pictures of 40 other hosts, each a JPEG of the most scans: for the decoder's start and the
// picture under way, then its own, at most.

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

#include "answerkit.h"
#include "base/replylimits.h"
#include "bench/overtarget.h"
#include "cloud/answerrules.h"
#include "cloud/viewpictures.h"
#include "platform/picturedecoder.h"

namespace {

constexpr int kRuns = 7;
constexpr double kStartTargetMs = 150;

struct Picture
{
    const char* name;
    QByteArray bytes;
    PictureWire::Limits limits;
    double targetMs;  // the wait and the written PNG together
    bool written;     // a page's: the program writes a PNG of it
};

// A picture of size with gradients and lines, in format at quality (-1: the writer's own).
QByteArray drawn(const QSize& size, const char* format, int quality = -1)
{
    QImage picture(size, QImage::Format_ARGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(20, 90, 200));
    gradient.setColorAt(1, QColor(240, 200, 40, 180));
    painter.fillRect(picture.rect(), gradient);
    for (int x = 0; x < size.width(); x += 7)
        painter.drawLine(x, 0, size.width() - x, size.height());
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(picture);
    return buffer.data();
}

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Decodes picture on decoder, waited for; the wait in ms.
double decodeMs(Platform::PictureDecoder& decoder, const QByteArray& picture, const PictureWire::Limits& limits,
                Platform::PictureDecoder::Result* result)
{
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    decoder.decode(picture, limits, nullptr, [&](const Platform::PictureDecoder::Result& r) {
        *result = r;
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return clock.nsecsElapsed() / 1e6;
}

// The wait in ms of ordinary, of a host of its own, asked in a view after 600 of costly on 40 other hosts, until the
// picture the wizard writes of it is handed on.
double waitBehindMs(const QByteArray& ordinary, const QByteArray& costly)
{
    using Grant = CloudSite::ViewPictures::Grant;
    CloudSite::ViewPictures pictures(nullptr);
    pictures.start();
    std::vector<std::unique_ptr<QObject>> owners;
    QElapsedTimer clock;
    double waited = -1;
    const auto ask = [&](const QString& host, const QByteArray& picture, bool timed) {
        owners.push_back(std::make_unique<QObject>());
        QObject* owner = owners.back().get();
        const auto decode = [&pictures, &clock, &waited, owner, picture, timed] {
            pictures.decode(owner, picture, [&clock, &waited, timed](const QByteArray&, PictureWire::Status status) {
                if (timed)
                    waited = status == PictureWire::Status::Decoded ? clock.nsecsElapsed() / 1e6 : 1e9;
            });
        };
        const Grant grant = pictures.admit(owner, host, picture.size(), [decode, &waited, timed](Grant told) {
            if (told == Grant::Now)
                decode();
            else if (timed)
                waited = 1e9;  // refused
        });
        if (grant == Grant::Now)
            decode();
        else if (grant != Grant::Later && timed)
            waited = 1e9;
    };
    for (int i = 0; i < 600; ++i)
        ask(QString("p%1.example.net").arg(i % 40), costly, false);
    clock.start();
    ask("cdn.example.org", ordinary, true);
    while (waited < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return waited;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray tiny = drawn(QSize(1, 1), "png");
    Platform::PictureDecoder::Result result;
    std::vector<double> starts, startCpu;
    for (int run = 0; run < kRuns; ++run) {
        const double cpu = childCpuMs();
        auto* decoder = new Platform::PictureDecoder;
        starts.push_back(decodeMs(*decoder, tiny, ReplyLimits::kViewPicture, &result));
        delete decoder;
        startCpu.push_back(childCpuMs() - cpu);
    }
    if (!result.decoded()) {
        std::printf("picture decoder: no decoder answered (%s)\n", PictureWire::refusal(result.status));
        return 1;
    }
    std::printf("picture decoder, start to its first answer %36.1f ms, CPU %6.1f ms (target: at most %.0f ms)%s\n",
                median(starts), median(startCpu), kStartTargetMs, overTarget(median(starts), kStartTargetMs));

    const std::vector<Picture> pictures = {
        {"a page's 320x200 PNG", drawn(QSize(320, 200), "png"), ReplyLimits::kViewPicture, 25, true},
        {"a page's 640x480 JPEG", drawn(QSize(640, 480), "jpeg", 85), ReplyLimits::kViewPicture, 40, true},
        {"a page's 2048x2048 JPEG, its largest", drawn(QSize(2048, 2048), "jpeg", 85), ReplyLimits::kViewPicture, 500,
         true},
        {"a snapshot, 1920x1080 JPEG", drawn(QSize(1920, 1080), "jpeg", 85), ReplyLimits::kSnapshotPicture, 250, false},
        {"a page's 2048x2048 JPEG of the most scans", AnswerKit::manyScans(2048, 2048, PictureWire::kMostJpegScans - 3),
         ReplyLimits::kViewPicture, 500, true},
        {"a page's JPEG of 2,003 scans, refused", AnswerKit::manyScans(2048, 2048, 2000), ReplyLimits::kViewPicture, 25,
         true},
        {"a snapshot's JPEG of 2,003 scans, refused", AnswerKit::manyScans(4096, 4096, 2000),
         ReplyLimits::kSnapshotPicture, 25, false},
    };
    for (const Picture& picture : pictures) {
        auto* decoder = new Platform::PictureDecoder;
        decodeMs(*decoder, tiny, picture.limits, &result);  // started
        std::vector<double> waits, writes;
        const double cpu = childCpuMs();
        for (int run = 0; run < kRuns; ++run) {
            waits.push_back(decodeMs(*decoder, picture.bytes, picture.limits, &result));
            QElapsedTimer clock;
            clock.start();
            if (result.decoded() && picture.written)
                CloudSite::writtenPicture(result.frames, result.delays, result.loops);
            writes.push_back(clock.nsecsElapsed() / 1e6);
        }
        delete decoder;
        const double decodeCpu = (childCpuMs() - cpu - median(startCpu)) / kRuns;
        const QByteArray written = picture.written ? QByteArray::number(median(writes), 'f', 1) : QByteArray("-");
        const double total = median(waits) + (picture.written ? median(writes) : 0);
        std::printf(
            "picture decoder, %-40s %8.1f ms (wait %6.1f + PNG %6s), CPU %6.1f ms (target: at most %.0f ms)%s%s\n",
            picture.name, total, median(waits), written.constData(), decodeCpu, picture.targetMs,
            result.decoded() ? "" : " not decoded", overTarget(total, picture.targetMs));
    }

    std::vector<double> behind;
    for (int run = 0; run < 3; ++run)
        behind.push_back(waitBehindMs(pictures.front().bytes, pictures.at(4).bytes));
    constexpr double kBehindTargetMs = 1000;
    std::printf("a view, a page's 320x200 PNG behind 600 JPEGs of the most scans of 40 hosts %8.1f ms "
                "(target: at most %.0f ms)%s%s\n",
                median(behind), kBehindTargetMs, median(behind) >= 1e9 ? " refused" : "",
                overTarget(median(behind), kBehindTargetMs));
    return 0;
}
