#include "platform/signalquit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include "base/log.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace Platform {

namespace {

volatile std::sig_atomic_t gCaught = 0;  // the last signal caught, 0 before one
// The socket pair, open for the process's life: a signal may come while it ends.
int gSockets[2] = {-1, -1};

#ifdef Q_OS_UNIX
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int signal)
{
    const int savedErrno = errno;
    gCaught = signal;
    const char byte = 1;
    // Non-blocking: a full socket drops the byte, one is there to be read.
    [[maybe_unused]] const ssize_t written = ::write(gSockets[1], &byte, 1);
    errno = savedErrno;
}

bool keepFromChildren(int fd, bool nonBlocking)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           (!nonBlocking || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0);
}
#endif

}  // namespace

void SignalQuit::catchSignals()
{
#ifdef Q_OS_UNIX
    if (gSockets[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSockets) != 0 || !keepFromChildren(gSockets[0], true) ||
        !keepFromChildren(gSockets[1], true)) {
        WLOG << "no socket pair for signals, SIGTERM, SIGINT and SIGHUP end the program at once :" << errno;
        return;
    }
    for (const int signal : kSignals) {
        struct sigaction action = {};
        if (::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN)
            continue;
        action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

bool SignalQuit::caught()
{
    return gCaught != 0;
}

SignalQuit::SignalQuit(QObject* parent)
    : QObject(parent)
{
    if (gSockets[0] < 0)
        return;
    notifier = new QSocketNotifier(gSockets[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalQuit::quitOnSignal);
}

void SignalQuit::quitOnSignal()
{
#ifdef Q_OS_UNIX
    char bytes[64];
    while (::read(gSockets[0], bytes, sizeof bytes) > 0)
        continue;
#endif
    WLOG << "ended by signal" << int(gCaught);
    QCoreApplication::quit();
}

}  // namespace Platform
