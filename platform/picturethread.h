#ifndef PICTURETHREAD_H
#define PICTURETHREAD_H

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <functional>

namespace Platform {

// Work on a decoded picture that would hold the program's own thread up (writing its PNG):
// done on a thread of this object's own, one piece after the other, each result handed back to this
// object's thread, queued, and to done there unless context has gone by then. Deleted meanwhile, it drops
// the pieces not yet begun and waits for the one under way, whose result goes nowhere.
class PictureThread : public QObject
{
public:
    explicit PictureThread(QObject* parent);
    ~PictureThread() override;

    // The CPU time the calling thread has used, in milliseconds.
    static qint64 cpuMs();

    template <class Result>
    void run(std::function<Result()> work, QObject* context, std::function<void(const Result&)> done)
    {
        QPointer<QObject> to(context);
        pool.start([this, work, to, done] {
            const Result result = work();
            QMetaObject::invokeMethod(
                this,
                [result, to, done] {
                    if (to)
                        done(result);
                },
                Qt::QueuedConnection);
        });
    }

private:
    QThreadPool pool;  // of one thread
};

}  // namespace Platform

#endif  // PICTURETHREAD_H
