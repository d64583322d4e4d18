#ifndef SETUPCGI_H
#define SETUPCGI_H

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// The setup page's camera CGI requests: the camera name, daylight saving and the snapshot,
// in the KORVA and T4X dialects.
namespace SetupCgi {

// The dialect of a request: 0 the catalogue's for the model, 1 KORVA, 2 and any other T4X.
bool isKorvaRequest(int cgiChooseType, const QByteArray& modelName);

struct PostRequest
{
    QString pathAndQuery;
    QByteArray body;
};

// The name, UTF-8 and percent-encoded (A-Z a-z 0-9 - . _ ~ kept, upper-case hex).
PostRequest nameRequest(bool korva, const QString& name);

// The daylight-saving block as the user set it, by item indexes and values, never by the
// (translated) texts shown.
struct DstSettings
{
    int offsetIndex = 0;  // " -02:00" ... " +02:00"
    QDate startMonth, endMonth;
    int startWeekIndex = 0, endWeekIndex = 0;  // "01" ... "05"
    int startDayIndex = 0, endDayIndex = 0;    // "Sun" ... "Sat"
    QTime startHour, endHour;
    // What the form shows of the nine, in the order above (months, weeks, days, hours start
    // then end): the log gives them beside their values.
    QStringList shown;
};

// The daylight-saving request: its path, then its content. T4X has no automatic mode.
QString dstPath(bool korva);
QString dstContent(bool korva, bool enable, bool autoChecked, const DstSettings& settings);
// The manual query alone; it logs each of its nine values with the text the form shows.
QString manualDstQuery(bool korva, const DstSettings& settings);

// The converters of the manual query, on the untranslated item texts.
QString offsetConvert(const QString& offset, bool korva);
QString monthConvert(const QString& month, bool korva);
QString weekConvert(const QString& week, bool korva);
QString dateConvert(const QString& date);
QString timeConvert(const QString& time, bool korva);

// The untranslated texts of the block's items and edits.
QString offsetText(int index);
QString monthText(const QDate& date);
QString weekText(int index);
QString dayText(int index);
QString hourText(const QTime& time);

// The snapshot path: "1" is KORVA.
QString snapshotPath(const QString& dialect);

}  // namespace SetupCgi

#endif  // SETUPCGI_H
