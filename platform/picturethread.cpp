#include "platform/picturethread.h"

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

}  // namespace Platform
