#ifndef APSEARCHRESULT_H
#define APSEARCHRESULT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>

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
    // True once every page 0..All_APListNum-1 of the paged survey in progress has been taken in.
    bool allPagesReceived() const;

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

private:
    void clearRows();
    void appendRow(const QByteArray& column1, const QByteArray& column2, const QByteArray& ssid,
                   const QByteArray& column4, const QByteArray& secMethod, const QByteArray& authMode,
                   const QByteArray& mode);

    // Page numbers taken in since the paged survey in progress began.
    QSet<int> receivedPages;
};

#endif  // APSEARCHRESULT_H
