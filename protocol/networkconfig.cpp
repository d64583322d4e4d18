#include "networkconfig.h"

networkConfig::networkConfig() = default;

networkConfig::networkConfig(const networkConfig& other)
    : QObject()
{
    *this = other;
}

networkConfig& networkConfig::operator=(const networkConfig&)
{
    return *this;
}

void networkConfig::setNetworkConfig(QByteArray) {}

int networkConfig::getNetworkType()
{
    return 0;
}
