#include "platform/process.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>

#include "base/log.h"
#include "platform/environment.h"
#include "platform/signalquit.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace Platform {

namespace {

ProcessRunner& testRunner()
{
    static ProcessRunner runner;
    return runner;
}

// A wait for the end is cut in slices, so that a signal ending the program ends it too; the
// process waited for and what it started are then asked to end, and killed after a grace.
constexpr int kWaitSliceMs = 100;
constexpr int kEndingWaitMs = 3000;
constexpr int kGroupPollMs = 50;

#ifdef Q_OS_UNIX
// A process waited for starts a process group of its own: what it starts in turn ends with it.
class GroupLeader : public QProcess
{
protected:
    void setupChildProcess() override { ::setpgid(0, 0); }
};

// The group is asked to end (SIGTERM) and waited for, the process and the others of its group that
// live on after it; what is left at the grace's end is killed. A member counts until its parent
// reaps it.
bool endGroup(QProcess& process)
{
    const pid_t group = pid_t(process.processId());
    if (group <= 0)
        return false;
    const QDeadlineTimer grace(kEndingWaitMs);
    ::kill(-group, SIGTERM);
    const bool finished = process.waitForFinished(kEndingWaitMs);
    while (::kill(-group, 0) == 0) {
        if (grace.hasExpired()) {
            WLOG << "killed what is left of its process group" << group;
            ::kill(-group, SIGKILL);
            break;
        }
        QThread::msleep(kGroupPollMs);
    }
    return finished || process.waitForFinished(kEndingWaitMs);
}
#else
using GroupLeader = QProcess;

bool endGroup(QProcess& process)
{
    process.terminate();
    return process.waitForFinished(kEndingWaitMs);
}
#endif

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
    WLOG << "the program ends, so do" << process.program() << "and what it started";
    return endGroup(process);
}

ProcessResult runQProcess(const ProcessCall& call)
{
    ProcessResult result;
    GroupLeader process;
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
