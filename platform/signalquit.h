#ifndef PLATFORM_SIGNALQUIT_H
#define PLATFORM_SIGNALQUIT_H

#include <QObject>

class QSocketNotifier;

namespace Platform {

// SIGTERM, SIGINT and SIGHUP end the program as its own exit does: the event loop returns, so the
// temporary folders go and the listener closes. The handler only writes a byte to a socket pair;
// the notifier reads it in the event loop and quits. A signal ignored when the program started
// (nohup) stays ignored. Off Unix nothing is caught.
class SignalQuit : public QObject
{
    Q_OBJECT
public:
    // Catches the signals from now on, before the application exists: one that comes meanwhile
    // waits in the socket. Once per process; the handlers stay for its life.
    static void catchSignals();
    // True once one came: a long wait stops.
    static bool caught();

    // Quits the application when one comes (or came); made once the application exists.
    explicit SignalQuit(QObject* parent = nullptr);

private:
    void quitOnSignal();

    QSocketNotifier* notifier = nullptr;
};

}  // namespace Platform

#endif  // PLATFORM_SIGNALQUIT_H
