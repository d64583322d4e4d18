// The answer check's own cost: the time to judge each of the costliest answers of at most a view's
// 2 MB that could be made for it, judged as a view's manager judges one (each time the bytes held
// have doubled, then whole), and the worst of them. Each is made to be judged whole: an icon whose
// pictures lie past the first 256 KB is refused on them, so its costliest stay within. Each figure is printed beside
// its target; no run fails on one. The target: a view's window stays responsive, well under a second for any answer.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "answerkit.h"
#include "base/replylimits.h"
#include "bench/overtarget.h"
#include "cloud/answerrules.h"

using namespace AnswerKit;

namespace {

constexpr double kTargetMs = 250;
constexpr int kMost = int(ReplyLimits::kCloudPageBytes);
const int kFrames = int(ReplyLimits::kViewPictureFrames);
constexpr int kIcon = ReplyLimits::kViewPictureHeadBytes - 1024;

// A PNG of 1x1 holding chunks after its data until it has size bytes.
QByteArray pngOf(int size, const QByteArray& each)
{
    const QByteArray bare = png(1, 1), end = chunk("IEND", "");
    return bare.chopped(end.size()) + each.repeated((size - bare.size()) / each.size()) + end;
}

std::vector<std::pair<const char*, QByteArray>> answers()
{
    const int share = kIcon / kFrames - 16;
    const QByteArray method(1, '\0');  // zTXt's compression method
    const QByteArray fullText = inflating("zTXt", method, int(ReplyLimits::kViewPictureInflatedBytes / kFrames));
    return {
        {"PNG of empty chunks", pngOf(kMost, chunk("tEXt", ""))},
        {"PNG of text inflating past the limit",
         pngOf(kMost, inflating("zTXt", method, int(ReplyLimits::kViewPictureInflatedBytes) / 64).repeated(64))},
        {"icon of the most PNGs, each of empty chunks",
         ico(QVector<QByteArray>(kFrames, pngOf(share, chunk("tEXt", ""))).toList())},
        {"icon of the most PNGs, their text inflating past the limit",
         ico(QVector<QByteArray>(kFrames, pngOf(share, fullText)).toList())},
        {"icon of 16000 entries sharing a PNG", shared(16000, pngOf(kIcon - 16000 * 16, chunk("tEXt", "")))},
        {"GIF of the most frames in blocks of a byte",
         gif(1, 1, QVector<QRect>(kFrames, QRect(0, 0, 1, 1)))
             .replace(QByteArray("\x02\x02\x44\x01\0", 5),
                      "\x02" + QByteArray("\x01\x44").repeated(kMost / kFrames / 2 - 16) + QByteArray(1, '\0'))},
        {"JPEG of the most scans, one of 2 MB", jpeg(2048, 2048, "", '\xc2') + scans(1).left(10) +
                                                    QByteArray(kMost - 4000, '\x12') +
                                                    scans(ReplyLimits::kViewPictureScans - 1)},
        {"WebP of the most frames", webp("VP8X", 1, 1, kFrames)},
        {"WebP extended, empty chunks before its image",
         webp("VP8X", 1, 1, 0, QByteArray("JUNK\0\0\0\0", 8).repeated(kMost / 8))},
        {"a script", "var a = 1;" + QByteArray(kMost - 10, ' ')},
        {"a script as long as a raw camera picture", "var a = 1;" + QByteArray(1920000 - 10, ' ')},
        {"white space before markup", QByteArray(kMost - 6, ' ') + "<svg/>"},
        {"a text font", bdf(kMost / 80, 0, 8, 16).left(kMost)},
    };
}

// Milliseconds to judge answer as a view's manager does, the best of three runs, and the verdict.
std::pair<double, CloudSite::Answer> judged(const QByteArray& answer)
{
    double best = 1e18;
    CloudSite::Answer verdict = CloudSite::Answer::NeedMore;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        verdict = CloudSite::Answer::NeedMore;
        for (int held = 1; held < answer.size() && verdict == CloudSite::Answer::NeedMore; held *= 2)
            verdict = CloudSite::answerVerdict(CloudSite::Asked::Any, answer.left(held), false);
        if (verdict == CloudSite::Answer::NeedMore)
            verdict = CloudSite::answerVerdict(CloudSite::Asked::Any, answer, true);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return {best, verdict};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double worst = 0;
    const char* worstName = "";
    for (const auto& [name, made] : answers()) {
        const QByteArray answer = made.left(kMost);
        const auto [ms, verdict] = judged(answer);
        std::printf("answer check, %-60s %8.1f ms (%d bytes, %s)\n", name, ms, int(answer.size()),
                    verdict == CloudSite::Answer::Pass ? "passed" : "refused");
        if (ms > worst) {
            worst = ms;
            worstName = name;
        }
    }
    std::printf("answer check, worst 2 MB answer %51.1f ms (target: at most %.0f ms): %s%s\n", worst, kTargetMs,
                worstName, overTarget(worst, kTargetMs));
    return 0;
}
