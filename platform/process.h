#ifndef PLATFORM_PROCESS_H
#define PLATFORM_PROCESS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace Platform {

// One external command, run on the GUI thread with blocking waits.
struct ProcessCall
{
    QString program;
    QStringList arguments;
    QByteArray standardInput;  // written once the process has started
    int startWaitMs = 30000;
    int finishWaitMs = 30000;  // -1: until it ends
    bool detached = false;     // start it and do not wait
};

struct ProcessResult
{
    bool started = false;
    bool finished = false;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

using ProcessRunner = std::function<ProcessResult(const ProcessCall&)>;

// Runs the command, or hands it to the runner that a test has put in place. Off Windows a command
// waited for leads a process group of its own: a signal ending the program ends the group too.
ProcessResult runProcess(const ProcessCall& call);

// Tests record commands instead of running them; an empty runner restores the real one.
void setProcessRunnerForTests(ProcessRunner runner);

}  // namespace Platform

#endif  // PLATFORM_PROCESS_H
