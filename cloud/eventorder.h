#ifndef EVENTORDER_H
#define EVENTORDER_H

#include <functional>

class QObject;

// Runs what once the event being handled now is done, ahead of every event already waiting (a
// network reply's signal, a timer of a page): nothing else runs in between. Not once context is
// gone.
void whenThisEventEnds(QObject* context, std::function<void()> what);

#endif  // EVENTORDER_H
