#ifndef PLATFORM_ENVIRONMENT_H
#define PLATFORM_ENVIRONMENT_H

#include <QByteArray>
#include <QProcessEnvironment>

namespace Platform {

// Sets a variable for this process alone: the programs it starts get the value the variable had
// before (or none), as the person set it.
void setOwnVariable(const char* name, const QByteArray& value);

// The environment the program was started with, for the programs it starts: this process's, with
// every own variable that still holds its own value taken back.
QProcessEnvironment userEnvironment();

}  // namespace Platform

#endif  // PLATFORM_ENVIRONMENT_H
