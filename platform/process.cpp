#include "platform/process.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <algorithm>

#include "base/log.h"
#include "platform/environment.h"
#include "platform/signalquit.h"

namespace Platform {

namespace {

ProcessRunner& testRunner()
{
    static ProcessRunner runner;
    return runner;
}

// A wait for the end is cut in slices, so that a signal ending the program ends it too; the
// process waited for is then asked to end.
constexpr int kWaitSliceMs = 100;
constexpr int kEndingWaitMs = 3000;

bool waitForEnd(QProcess& process, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    while (!SignalQuit::caught()) {
        const qint64 left = deadline.remainingTime();
        if (process.waitForFinished(left < 0 ? kWaitSliceMs : int(std::min<qint64>(left, kWaitSliceMs))))
            return true;
        if (process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
    }
    WLOG << "the program ends, so does" << process.program();
    process.terminate();
    return process.waitForFinished(kEndingWaitMs);
}

ProcessResult runQProcess(const ProcessCall& call)
{
    ProcessResult result;
    QProcess process;
    process.setProgram(call.program);
    process.setArguments(call.arguments);
    process.setProcessEnvironment(userEnvironment());
    if (call.detached) {
        result.started = process.startDetached();
        return result;
    }
    process.start();
    result.started = process.waitForStarted(call.startWaitMs);
    if (!result.started) {
        WLOG << "process did not start :" << call.program << process.errorString();
        return result;
    }
    if (!call.standardInput.isEmpty()) {
        process.write(call.standardInput);
        process.closeWriteChannel();
    }
    result.finished = waitForEnd(process, call.finishWaitMs);
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    result.exitCode = result.finished ? process.exitCode() : -1;
    process.close();
    return result;
}

}  // namespace

ProcessResult runProcess(const ProcessCall& call)
{
    if (testRunner())
        return testRunner()(call);
    return runQProcess(call);
}

void setProcessRunnerForTests(ProcessRunner runner)
{
    testRunner() = std::move(runner);
}

}  // namespace Platform
