#include "setup/setupcgi.h"

#include <QLocale>
#include <QStringList>

#include "base/log.h"
#include "protocol/cameracgi.h"

namespace SetupCgi {

namespace {

const QStringList kOffsets = {" -02:00", " -01:30", " -01:00", " -00:30", " +00:30", " +01:00", " +01:30", " +02:00"};
const QStringList kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const QStringList kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The number before the first blank, 0 when it is none.
int leadingNumber(const QString& text)
{
    return text.section(' ', 0, 0).toInt();
}

}  // namespace

bool isKorvaRequest(int cgiChooseType, const QByteArray& modelName)
{
    return CameraCgi::isKorva(CameraCgi::clockDialect(cgiChooseType, modelName));
}

PostRequest nameRequest(bool korva, const QString& name)
{
    const QByteArray encoded = name.toUtf8().toPercentEncoding();
    if (korva)
        return {"/config/camera_info.cgi?", "name=" + encoded};
    return {"/system.cgi?ConfigReboot=NO&", "CameraName=" + encoded};
}

QString offsetConvert(const QString& offset, bool korva)
{
    // Tested in this order; the T4X value is the item's index, the KORVA value 7 minus it.
    static const QStringList order = {"+02:00", "+01:30", "+01:00", "+00:30", "-00:30", "-01:00", "-01:30", "-02:00"};
    for (int i = 0; i < order.size(); ++i)
        if (offset.contains(order.at(i)))
            return QString::number(korva ? i : 7 - i);
    return "0";
}

QString monthConvert(const QString& month, bool korva)
{
    const int index = kMonths.indexOf(month);
    if (index < 0)
        return "0";
    return QString::number(korva ? index + 1 : index);
}

QString weekConvert(const QString& week, bool korva)
{
    const int n = week.toInt();
    return QString::number(korva ? n : n - 1);
}

QString dateConvert(const QString& date)
{
    return QString::number(qMax(0, kDays.indexOf(date)));
}

QString timeConvert(const QString& time, bool korva)
{
    if (time.contains("12 AM"))
        return korva ? "00:00" : "0";
    if (time.contains("12 PM"))
        return korva ? "12:00" : "12";
    const int h = leadingNumber(time);
    if (time.contains("AM"))
        return korva ? QString("%1:00").arg(h, 2, 10, QChar('0')) : QString::number(h);
    if (time.contains("PM"))
        return korva ? QString("%1:00").arg(h + 12) : QString::number(h + 12);
    return korva ? QString() : "0";
}

QString offsetText(int index)
{
    return kOffsets.value(index);
}

QString monthText(const QDate& date)
{
    return date.isValid() ? kMonths.value(date.month() - 1) : QString();
}

QString weekText(int index)
{
    return index < 0 ? QString() : QString("%1").arg(index + 1, 2, 10, QChar('0'));
}

QString dayText(int index)
{
    return kDays.value(index);
}

QString hourText(const QTime& time)
{
    return time.isValid() ? QLocale(QLocale::English, QLocale::UnitedStates).toString(time, "hh AP") : QString();
}

QString manualDstQuery(bool korva, const DstSettings& s)
{
    const QString offset = offsetConvert(offsetText(s.offsetIndex), korva);
    const QString startMonth = monthConvert(monthText(s.startMonth), korva);
    const QString endMonth = monthConvert(monthText(s.endMonth), korva);
    const QString startWeek = weekConvert(weekText(s.startWeekIndex), korva);
    const QString endWeek = weekConvert(weekText(s.endWeekIndex), korva);
    const QString startDay = dateConvert(dayText(s.startDayIndex));
    const QString endDay = dateConvert(dayText(s.endDayIndex));
    const QString startTime = timeConvert(hourText(s.startHour), korva);
    const QString endTime = timeConvert(hourText(s.endHour), korva);
    const char* const labels[] = {
        "DSTOffset :",   "DSTStartMonth :", "DSTEndMonth :",  "DSTStartWeek :", "DSTEndWeek :",
        "DSTStartDay :", "DSTEndDay :",     "DSTStartTime :", "DSTEndTime :"};
    const QStringList values = {offset, startMonth, endMonth, startWeek, endWeek, startDay, endDay, startTime, endTime};
    for (int i = 0; i < values.size(); ++i)
        WLOG << labels[i] << s.shown.value(i) << " , " << values.at(i);
    if (korva)
        return "dstenable=yes&dstauto=no&offset=" + offset + "&starttime=" + startMonth + "." + startWeek + "." +
               startDay + "/" + startTime + ":00&stoptime=" + endMonth + "." + endWeek + "." + endDay + "/" + endTime +
               ":00";
    return "DSTEnable=1&DSTOffset=" + offset + "&DSTStartMonth=" + startMonth + "&DSTEndMonth=" + endMonth +
           "&DSTStartWeek=" + startWeek + "&DSTEndWeek=" + endWeek + "&DSTStartDay=" + startDay +
           "&DSTEndDay=" + endDay + "&DSTStartTime=" + startTime + "&DSTEndTime=" + endTime;
}

QString dstContent(bool korva, bool enable, bool autoChecked, const DstSettings& settings)
{
    if (!enable)
        return korva ? "dstenable=no" : "DSTEnable=0";
    if (korva && autoChecked)
        return "dstenable=yes&dstauto=yes";
    return manualDstQuery(korva, settings);
}

QString dstPath(bool korva)
{
    return korva ? "/config/datetime.cgi?" : "/datetime.cgi?ConfigReboot=NO&";
}

QString snapshotPath(const QString& dialect)
{
    return dialect == QLatin1String("1") ? "/image/jpeg.cgi" : "/image.jpg";
}

}  // namespace SetupCgi
