#ifndef APSEARCHRESULT_H
#define APSEARCHRESULT_H

#include <QByteArray>
#include <QList>
#include <QObject>

// The access points a camera sees, from one or several class 4 replies.
class APSearchResult : public QObject
{
    Q_OBJECT
public:
    APSearchResult();
    APSearchResult(const APSearchResult& other);
    APSearchResult& operator=(const APSearchResult& other);

    int setAPConfig(QByteArray reply, QByteArray dcpVersion);
    QByteArray ssidAt(int row) const;

    int numAP = 0;
    int All_APListNum = 0;
    QByteArray Now_APListNum;
    QList<QByteArray> AP_Column1;
    QList<QByteArray> AP_Column2;
    QList<QByteArray> AP_SSID;
    QList<QByteArray> AP_Column4;
    QList<QByteArray> AP_SecMethod;
    QList<QByteArray> AP_AuthMode;
    QList<QByteArray> AP_Mode;
};

#endif // APSEARCHRESULT_H
