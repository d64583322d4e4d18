// signalwait: catches the wizard's signals as its start-up does and prints how SIGTERM, SIGINT and
// SIGHUP are then handled, one line ("SIGTERM caught SIGINT caught SIGHUP ignored"); given an
// installer, it then waits for it as the Launcher does, until it ends or a signal comes.
//
//   signalwait [installer]

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <utility>

#include "platform/installer.h"
#include "platform/signalquit.h"

int main(int argc, char** argv)
{
    Platform::SignalQuit::catchSignals();
    const std::pair<const char*, int> handledSignals[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};
    for (const auto& [name, number] : handledSignals) {
        struct sigaction action = {};
        ::sigaction(number, nullptr, &action);
        const char* handled = action.sa_handler == SIG_IGN   ? "ignored"
                              : action.sa_handler == SIG_DFL ? "default"
                                                             : "caught";
        std::printf("%s%s %s", number == SIGTERM ? "" : " ", name, handled);
    }
    std::printf("\n");
    std::fflush(stdout);
    if (argc < 2)
        return 0;
    QCoreApplication app(argc, argv);
    return Platform::runInstallerBlocking(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
