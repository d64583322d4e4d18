#include "platform/process.h"

#include <QProcess>

#include "base/log.h"

namespace Platform {

namespace {

ProcessRunner& testRunner()
{
    static ProcessRunner runner;
    return runner;
}

ProcessResult runQProcess(const ProcessCall& call)
{
    ProcessResult result;
    if (call.detached) {
        result.started = QProcess::startDetached(call.program, call.arguments);
        return result;
    }
    QProcess process;
    process.start(call.program, call.arguments);
    result.started = process.waitForStarted(call.startWaitMs);
    if (!result.started) {
        WLOG << "process did not start :" << call.program << process.errorString();
        return result;
    }
    if (!call.standardInput.isEmpty()) {
        process.write(call.standardInput);
        process.closeWriteChannel();
    }
    result.finished = process.waitForFinished(call.finishWaitMs);
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
