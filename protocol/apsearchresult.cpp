#include "protocol/apsearchresult.h"

#include <QMutexLocker>

#include "base/globals.h"
#include "base/logsummary.h"
#include "protocol/ipcamera.h"

namespace {

// A camera reports a few dozen networks; a survey beyond these bounds is cut.
constexpr int kMaxSurveyPages = 64;
constexpr int kMaxSurveyRows = 256;

// The text after the first marker (";A=") up to the next ";" or the end; empty without the marker.
QByteArray markedText(const QByteArray& reply, const char* marker)
{
    const int at = reply.indexOf(marker);
    if (at < 0)
        return QByteArray();
    const int start = at + int(qstrlen(marker));
    const int end = reply.indexOf(';', start);
    return reply.mid(start, end < 0 ? -1 : end - start);
}

// The access-point list of a paged reply: the value of its L item, wherever the item stands.
QByteArray listText(const QByteArray& reply)
{
    for (const QByteArray& item : reply.split(';'))
        if (item.startsWith("L="))
            return item.mid(2);
    return QByteArray();
}

}  // namespace

APSearchResult::APSearchResult() = default;

APSearchResult::APSearchResult(const APSearchResult& other)
    : QObject()
{
    *this = other;
}

APSearchResult& APSearchResult::operator=(const APSearchResult& other)
{
    numAP = other.AP_Column1.size();
    All_APListNum = other.All_APListNum;
    Now_APListNum = other.Now_APListNum;
    AP_Column1 = other.AP_Column1;
    AP_Column2 = other.AP_Column2;
    AP_SSID = other.AP_SSID;
    AP_Column4 = other.AP_Column4;
    AP_SecMethod = other.AP_SecMethod;
    AP_AuthMode = other.AP_AuthMode;
    AP_Mode = other.AP_Mode;
    receivedPages = other.receivedPages;
    return *this;
}

// Old cameras send one datagram: a header record, then ";"-separated records split by ",".
// Newer ones page the survey: ";A=" pages in all, ";E=" this page, "L=" records split by "&",
// each record "ssid64,mode,auth,sec,column2". Returns -1 for a page that does not belong.
int APSearchResult::setAPConfig(QByteArray reply, QByteArray dcpVersion)
{
    QMutexLocker locker(&gAPListMutex);

    if (!isNewDcp(dcpVersion)) {
        clearRows();
        const QList<QByteArray> records = reply.split(',');
        for (const QByteArray& record : records) {
            if (numAP == 0) {
                numAP = 1;
                continue;
            }
            // The empty record after a trailing "," is no access point.
            if (record.isEmpty())
                continue;
            const QList<QByteArray> fields = record.split(';');
            if (fields.size() >= 7) {
                const QByteArray ssid = QByteArray::fromBase64(fields.at(2));
                appendRow(fields.at(0), fields.at(1), ssid, fields.at(3), fields.at(4), fields.at(5), fields.at(6));
            } else {
                appendRow("Unknown", "0", "XXXXXXX", "Unknown", "Unknown", "Unknown", "Unknown");
            }
            if (AP_Column1.size() >= kMaxSurveyRows)
                break;
            ++numAP;
        }
        numAP = AP_Column1.size();
        return 0;
    }

    const int total = markedText(reply, ";A=").toInt();
    const QByteArray pageText = markedText(reply, ";E=");
    bool numbered = false;
    const int page = pageText.toInt(&numbered);
    numbered = numbered && page >= 0;
    if (total < 0 || total > kMaxSurveyPages || (total > 0 && (!numbered || page >= total))) {
        LogSummary::note(QStringLiteral("Access-point survey page out of bounds ignored"));
        return -1;
    }

    if (All_APListNum == 0) {
        clearRows();
        receivedPages.clear();
        All_APListNum = total;
    } else if (total != All_APListNum) {
        LogSummary::note(QStringLiteral("Unknow error"));
        return -1;
    } else if (receivedPages.contains(page)) {
        LogSummary::note(QStringLiteral("Receive duplicate UDP packet ?"));
        return -1;
    }
    if (numbered)
        receivedPages.insert(page);
    Now_APListNum.append(pageText);

    const QList<QByteArray> records = listText(reply).split('&');
    numAP = AP_Column1.size();
    for (const QByteArray& record : records) {
        if (numAP >= kMaxSurveyRows) {
            LogSummary::note(QStringLiteral("Access-point list cut at its row limit"));
            break;
        }
        // The empty record after a trailing "&" is no access point.
        if (record.isEmpty())
            continue;
        const QList<QByteArray> fields = record.split(',');
        if (fields.size() >= 5) {
            const QByteArray ssid = QByteArray::fromBase64(fields.at(0));
            appendRow("Unknown", fields.at(4), ssid, "Unknown", fields.at(3), fields.at(2), fields.at(1));
        } else {
            appendRow("Unknown", "0", "XXXXXXX", "Unknown", "Unknown", "Unknown", "Unknown");
        }
        ++numAP;
    }
    return 0;
}

QByteArray APSearchResult::ssidAt(int row) const
{
    return AP_SSID.value(row);
}

bool APSearchResult::allPagesReceived() const
{
    if (All_APListNum <= 0)
        return false;
    int inRange = 0;
    for (int page : receivedPages)
        if (page < All_APListNum)
            ++inRange;
    return inRange == All_APListNum;
}

void APSearchResult::clearRows()
{
    numAP = 0;
    AP_Column1.clear();
    AP_Column2.clear();
    AP_SSID.clear();
    AP_Column4.clear();
    AP_SecMethod.clear();
    AP_AuthMode.clear();
    AP_Mode.clear();
}

void APSearchResult::appendRow(const QByteArray& column1, const QByteArray& column2, const QByteArray& ssid,
                               const QByteArray& column4, const QByteArray& secMethod, const QByteArray& authMode,
                               const QByteArray& mode)
{
    AP_Column1.append(column1);
    AP_Column2.append(column2);
    AP_SSID.append(ssid);
    AP_Column4.append(column4);
    AP_SecMethod.append(secMethod);
    AP_AuthMode.append(authMode);
    AP_Mode.append(mode);
}
