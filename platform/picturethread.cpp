#include "platform/picturethread.h"

#include <time.h>

namespace Platform {

PictureThread::PictureThread(QObject* parent)
    : QObject(parent)
{
    pool.setMaxThreadCount(1);
}

PictureThread::~PictureThread()
{
    // The piece under way ends while this object can still take its result, which its end then drops.
    pool.clear();
    pool.waitForDone();
}

qint64 PictureThread::cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace Platform
