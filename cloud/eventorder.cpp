#include "cloud/eventorder.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class Ahead : public QObject
{
public:
    Ahead(QObject* context, std::function<void()> what)
        : QObject(context)
        , what(std::move(what))
    {}

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        what();
        deleteLater();
        return true;
    }

private:
    std::function<void()> what;
};

}  // namespace

void whenThisEventEnds(QObject* context, std::function<void()> what)
{
    QCoreApplication::postEvent(new Ahead(context, std::move(what)), new QEvent(QEvent::User), Qt::HighEventPriority);
}
