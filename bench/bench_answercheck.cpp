// The answer check's own cost: the time to judge each of the costliest answers of at most a view's
// 2 MB that could be made for it, judged as a view's manager judges one (each time the bytes held
// have doubled, then whole), and the worst of them. A picture is told by its signature and goes to the
// picture decoder (bench_decoder measures that); text is read by the readers the engine hands it to. Each
// figure is printed beside its target; no run fails on one. The target: a view's window stays responsive,
// well under a second for any answer.

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

std::vector<std::pair<const char*, QByteArray>> answers()
{
    const QByteArray bare = png(1, 1), end = chunk("IEND", "");
    return {
        {"PNG of empty chunks", bare.chopped(end.size()) + chunk("tEXt", "").repeated(kMost / 12) + end},
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
                    verdict == CloudSite::Answer::Pass     ? "passed"
                    : verdict == CloudSite::Answer::Decode ? "to the decoder"
                                                           : "refused");
        if (ms > worst) {
            worst = ms;
            worstName = name;
        }
    }
    std::printf("answer check, worst 2 MB answer %51.1f ms (target: at most %.0f ms): %s%s\n", worst, kTargetMs,
                worstName, overTarget(worst, kTargetMs));
    return 0;
}
