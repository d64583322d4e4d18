#ifndef ENGINESOCKETGUARD_H
#define ENGINESOCKETGUARD_H

#include <QObject>

// The web engine opens a WebSocket on a socket of its own, for a page, any of its frames and
// their workers alike, past the network manager and, to a loopback address, past any proxy
// factory. This event filter of the application sees each such socket made and fails it before
// it connects: the page sees the connection fail. (Qt still looks up a host name given, as it
// does for a picture's.)
class EngineSocketGuard : public QObject
{
    Q_OBJECT
public:
    // Once for the application, which owns the guard; before a web page can run a script.
    static void install();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EngineSocketGuard(QObject* application);
    void watch(QObject* child);
};

#endif  // ENGINESOCKETGUARD_H
