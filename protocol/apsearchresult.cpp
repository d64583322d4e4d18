#include "apsearchresult.h"

APSearchResult::APSearchResult() = default;

APSearchResult::APSearchResult(const APSearchResult& other)
    : QObject()
{
    *this = other;
}

APSearchResult& APSearchResult::operator=(const APSearchResult&)
{
    return *this;
}

int APSearchResult::setAPConfig(QByteArray, QByteArray)
{
    return -1;
}

QByteArray APSearchResult::ssidAt(int row) const
{
    return AP_SSID.value(row);
}
