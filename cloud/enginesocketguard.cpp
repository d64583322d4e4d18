#include "cloud/enginesocketguard.h"

#include <QAbstractSocket>
#include <QChildEvent>
#include <QCoreApplication>
#include <QNetworkProxy>

#include "base/logsummary.h"

namespace {

// The engine's WebSocket stream, whose one child is its socket.
const char kEngineStream[] = "WebCore::SocketStreamHandlePrivate";

const char kRefused[] = "Page connection refused, the views connect only through the network manager";

}  // namespace

void EngineSocketGuard::install()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application && !application->findChild<EngineSocketGuard*>(QString(), Qt::FindDirectChildrenOnly))
        application->installEventFilter(new EngineSocketGuard(application));
}

EngineSocketGuard::EngineSocketGuard(QObject* application)
    : QObject(application)
{}

bool EngineSocketGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded && qstrcmp(watched->metaObject()->className(), kEngineStream) == 0)
        watch(static_cast<QChildEvent*>(event)->child());
    return false;
}

void EngineSocketGuard::watch(QObject* child)
{
    // The child is still being made: its socket's signal is connected by the socket class's own
    // signal, and nothing of the socket is touched until it signals.
    connect(static_cast<QAbstractSocket*>(child), &QAbstractSocket::stateChanged, this, [child] {
        auto* socket = qobject_cast<QAbstractSocket*>(child);
        // Emitted once its proxy is resolved, before it looks its host up or connects.
        if (!socket || socket->state() != QAbstractSocket::HostLookupState)
            return;
        LogSummary::logFirst(kRefused);
        socket->abort();
        // A proxy that cannot tunnel fails the socket at once, with an error the engine hears.
        QNetworkProxy refusing(QNetworkProxy::NoProxy);
        refusing.setCapabilities({});
        socket->setProxy(refusing);
        socket->connectToHost(QString(), 0);
    });
}
