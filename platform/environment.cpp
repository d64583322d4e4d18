#include "platform/environment.h"

#include <QMap>

namespace Platform {

namespace {

struct OwnVariable
{
    QByteArray value;      // what this process set
    bool userSet = false;  // the value before it
    QByteArray userValue;
};

// Set before a second thread runs and read on the GUI thread.
QMap<QByteArray, OwnVariable>& ownVariables()
{
    static QMap<QByteArray, OwnVariable> variables;
    return variables;
}

bool holdsOwnValue(const char* name, const OwnVariable& own)
{
    return qEnvironmentVariableIsSet(name) && qgetenv(name) == own.value;
}

}  // namespace

void setOwnVariable(const char* name, const QByteArray& value)
{
    QMap<QByteArray, OwnVariable>& variables = ownVariables();
    const auto known = variables.constFind(name);
    // A value someone set since ours is the new one to give back.
    if (known == variables.constEnd() || !holdsOwnValue(name, *known)) {
        OwnVariable& own = variables[name];
        own.userSet = qEnvironmentVariableIsSet(name);
        own.userValue = qgetenv(name);
    }
    variables[name].value = value;
    qputenv(name, value);
}

QProcessEnvironment userEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QMap<QByteArray, OwnVariable>& variables = ownVariables();
    for (auto it = variables.constBegin(); it != variables.constEnd(); ++it) {
        if (!holdsOwnValue(it.key().constData(), *it))
            continue;
        const QString name = QString::fromLocal8Bit(it.key());
        if (it->userSet)
            environment.insert(name, QString::fromLocal8Bit(it->userValue));
        else
            environment.remove(name);
    }
    return environment;
}

}  // namespace Platform
