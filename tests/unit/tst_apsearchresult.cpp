#include <QtTest>

#include <atomic>
#include <thread>

#include "apsearchresult.h"
#include "globals.h"
#include "testsupport.h"

namespace {

// The step that stands for the pages' reset before a new search request.
const QByteArray kReset = "<reset>";

// One paged record: name, mode, authentication, encryption, column 2.
QByteArray ap(const QByteArray& ssid, const QByteArray& mode = "11g", const QByteArray& auth = "2",
    const QByteArray& sec = "AES", const QByteArray& column2 = "-40")
{
    return ssid.toBase64() + ',' + mode + ',' + auth + ',' + sec + ',' + column2;
}

QByteArray page(int total, const QByteArray& pageText, const QByteArray& list)
{
    return "4;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;A=" + QByteArray::number(total) + ";E=" + pageText + ";L=" + list
        + ";X=0123456789abcdef";
}

// Old cameras: a header record, then records of seven ";"-separated fields.
QByteArray oldReply(const QList<QByteArray>& records)
{
    QByteArray reply = "4;M=AA:BB:CC:DD:EE:FF;D=VKC-1;X=0123";
    for (const QByteArray& r : records)
        reply += ',' + r;
    return reply;
}

QByteArray oldAp(const QByteArray& ssid, const QByteArray& mode = "11b")
{
    return "c1;c2;" + ssid.toBase64() + ";c4;TKIP;1;" + mode;
}

// The rows of a record, one text per access point with its seven columns.
QStringList rows(const APSearchResult& r)
{
    QStringList out;
    for (int i = 0; i < r.AP_Column1.size(); ++i) {
        const QList<QByteArray> row{r.AP_Column1.value(i), r.AP_Column2.value(i), r.AP_SSID.value(i),
            r.AP_Column4.value(i), r.AP_SecMethod.value(i), r.AP_AuthMode.value(i), r.AP_Mode.value(i)};
        out << QString::fromUtf8(QByteArrayList(row).join('|'));
    }
    return out;
}

QString pagedRow(const char* ssid, const char* mode = "11g")
{
    return QString("Unknown|-40|%1|Unknown|AES|2|%2").arg(ssid, mode);
}

const QString kPlaceholder = "Unknown|0|XXXXXXX|Unknown|Unknown|Unknown|Unknown";

bool mutexFree()
{
    if (!gAPListMutex.tryLock())
        return false;
    gAPListMutex.unlock();
    return true;
}

void feed(APSearchResult& result, const QByteArray& version, const QByteArray& reply, int* returned)
{
    if (reply == kReset) {
        result.numAP = 0;
        result.All_APListNum = 0;
        result.Now_APListNum.clear();
        *returned = 0;
        return;
    }
    *returned = result.setAPConfig(reply, version);
}

} // namespace

class TestAPSearchResult : public QObject
{
    Q_OBJECT
private slots:
    void survey_data();
    void survey();
    void copies_data();
    void copies();
    void holdsTheListLock();
    void ssidAt();
};

void TestAPSearchResult::survey_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<QList<bool>>("complete");
    QTest::addColumn<QStringList>("expectedRows");
    QTest::addColumn<int>("total");
    QTest::addColumn<QByteArray>("pages");
    QTest::addColumn<QString>("logLine");

    const QByteArray v1 = "1.0";
    const QByteArray v2 = "2.3";

    QTest::newRow("old: header and two records")
        << v1 << QByteArrayList{oldReply({oldAp("home"), oldAp("cafe", "11n")})} << QList<int>{0} << QList<bool>{false}
        << QStringList{"c1|c2|home|c4|TKIP|1|11b", "c1|c2|cafe|c4|TKIP|1|11n"} << 0 << QByteArray() << QString();
    QTest::newRow("old: six fields make a placeholder")
        << v1 << QByteArrayList{oldReply({"c1;c2;aG9tZQ;c4;TKIP;1"})} << QList<int>{0} << QList<bool>{false}
        << QStringList{kPlaceholder} << 0 << QByteArray() << QString();
    QTest::newRow("old: header only") << v1 << QByteArrayList{oldReply({})} << QList<int>{0} << QList<bool>{false}
                                      << QStringList() << 0 << QByteArray() << QString();
    QTest::newRow("old: each reply replaces the rows")
        << v1 << QByteArrayList{oldReply({oldAp("a"), oldAp("b")}), oldReply({oldAp("c")})} << QList<int>{0, 0}
        << QList<bool>{false, false} << QStringList{"c1|c2|c|c4|TKIP|1|11b"} << 0 << QByteArray() << QString();
    QTest::newRow("old: 10.0 compares below 2.0")
        << QByteArray("10.0") << QByteArrayList{oldReply({oldAp("home")})} << QList<int>{0} << QList<bool>{false}
        << QStringList{"c1|c2|home|c4|TKIP|1|11b"} << 0 << QByteArray() << QString();

    QTest::newRow("paged: first page ending in &")
        << v2 << QByteArrayList{page(2, "0", ap("home") + '&' + ap("cafe", "11n") + '&')} << QList<int>{0}
        << QList<bool>{false} << QStringList{pagedRow("home"), pagedRow("cafe", "11n")} << 2 << QByteArray("0")
        << "DCPParameter = ";
    QTest::newRow("paged: the same page again")
        << v2 << QByteArrayList{page(2, "0", ap("home") + '&'), page(2, "0", ap("other") + '&')} << QList<int>{0, -1}
        << QList<bool>{false, false} << QStringList{pagedRow("home")} << 2 << QByteArray("0")
        << "Receive duplicate UDP packet ?";
    QTest::newRow("paged: page number equal to the total")
        << v2 << QByteArrayList{page(2, "0", ap("home")), page(2, "2", ap("other"))} << QList<int>{0, -1}
        << QList<bool>{false, false} << QStringList{pagedRow("home")} << 2 << QByteArray("0")
        << "Receive duplicate UDP packet ?";
    QTest::newRow("paged: page number that is no number")
        << v2 << QByteArrayList{page(2, "0", ap("home")), page(2, "one", ap("other"))} << QList<int>{0, -1}
        << QList<bool>{false, false} << QStringList{pagedRow("home")} << 2 << QByteArray("0")
        << "Receive duplicate UDP packet ?";
    QTest::newRow("paged: another total")
        << v2 << QByteArrayList{page(2, "0", ap("home")), page(3, "1", ap("other"))} << QList<int>{0, -1}
        << QList<bool>{false, false} << QStringList{pagedRow("home")} << 2 << QByteArray("0") << "Unknow error";
    QTest::newRow("paged: two pages list every network")
        << v2 << QByteArrayList{page(2, "0", ap("a") + '&' + ap("b") + '&'), page(2, "1", ap("c") + '&')}
        << QList<int>{0, 0} << QList<bool>{false, true} << QStringList{pagedRow("a"), pagedRow("b"), pagedRow("c")} << 2
        << QByteArray("01") << QString();
    QTest::newRow("paged: pages out of order")
        << v2 << QByteArrayList{page(2, "1", ap("c")), page(2, "0", ap("a"))} << QList<int>{0, 0}
        << QList<bool>{false, true} << QStringList{pagedRow("c"), pagedRow("a")} << 2 << QByteArray("10") << QString();
    QTest::newRow("paged: no total starts a new list every time")
        << v2 << QByteArrayList{"4;M=AA;E=0;L=" + ap("a") + '&' + ap("b") + ";X=1", "4;M=AA;E=0;L=" + ap("c") + ";X=1"}
        << QList<int>{0, 0} << QList<bool>{false, false} << QStringList{pagedRow("c")} << 0 << QByteArray("00")
        << QString();
    QTest::newRow("paged: short record is a placeholder")
        << v2 << QByteArrayList{page(1, "0", ap("a") + "&YWJj,11g")} << QList<int>{0} << QList<bool>{true}
        << QStringList{pagedRow("a"), kPlaceholder} << 1 << QByteArray("0") << QString();
    QTest::newRow("paged: empty record in the middle")
        << v2 << QByteArrayList{page(1, "0", ap("a") + "&&" + ap("b"))} << QList<int>{0} << QList<bool>{true}
        << QStringList{pagedRow("a"), pagedRow("b")} << 1 << QByteArray("0") << QString();
    QTest::newRow("paged: no list") << v2 << QByteArrayList{"4;M=AA;A=1;E=0;X=1"} << QList<int>{0} << QList<bool>{true}
                                    << QStringList() << 1 << QByteArray("0") << QString();
    QTest::newRow("paged: list to the end without X")
        << v2 << QByteArrayList{"4;M=AA;A=1;E=0;L=" + ap("a") + '&' + ap("b")} << QList<int>{0} << QList<bool>{true}
        << QStringList{pagedRow("a"), pagedRow("b")} << 1 << QByteArray("0") << QString();
    QTest::newRow("paged: a new search starts afresh")
        << v2 << QByteArrayList{page(2, "0", ap("a")), page(2, "1", ap("b")), kReset, page(2, "1", ap("c"))}
        << QList<int>{0, 0, 0, 0} << QList<bool>{false, true, false, false} << QStringList{pagedRow("c")} << 2
        << QByteArray("1") << QString();

    // Page numbers of two digits: "1" occurs inside "10", but page 1 is new.
    QByteArrayList eleven{page(11, "0", ap("p0")), page(11, "10", ap("p10"))};
    QList<int> elevenResults{0, 0};
    QList<bool> elevenComplete{false, false};
    QStringList elevenRows{pagedRow("p0"), pagedRow("p10")};
    for (int p = 1; p <= 9; ++p) {
        const QByteArray n = QByteArray::number(p);
        eleven << page(11, n, ap("p" + n));
        elevenResults << 0;
        elevenComplete << (p == 9);
        elevenRows << pagedRow(("p" + n).constData());
    }
    QTest::newRow("paged: eleven pages") << v2 << eleven << elevenResults << elevenComplete << elevenRows << 11
                                         << QByteArray("010123456789") << QString();

    // Twelve pages, page 1 last: its digit shows in "10" and "11", yet the survey lacks it until it comes.
    QByteArrayList twelve;
    QList<int> twelveResults;
    QList<bool> twelveComplete;
    QStringList twelveRows;
    for (int p : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}) {
        const QByteArray n = QByteArray::number(p);
        twelve << page(12, n, ap("p" + n));
        twelveResults << 0;
        twelveComplete << (p == 1);
        twelveRows << pagedRow(("p" + n).constData());
    }
    QTest::newRow("paged: twelve pages, one late") << v2 << twelve << twelveResults << twelveComplete << twelveRows
                                                   << 12 << QByteArray("02345678910111") << QString();
}

void TestAPSearchResult::survey()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArrayList, replies);
    QFETCH(QList<int>, results);
    QFETCH(QList<bool>, complete);
    QFETCH(QStringList, expectedRows);
    QFETCH(int, total);
    QFETCH(QByteArray, pages);
    QFETCH(QString, logLine);

    APSearchResult result;
    LogRecorder log;
    for (int i = 0; i < replies.size(); ++i) {
        const APSearchResult before(result);
        int returned = 0;
        feed(result, version, replies.at(i), &returned);
        QVERIFY2(mutexFree(), "the list lock is still held");
        QCOMPARE(returned, results.at(i));
        QCOMPARE(result.allPagesReceived(), complete.at(i));
        if (returned != 0) {
            QCOMPARE(rows(result), rows(before));
            QCOMPARE(result.All_APListNum, before.All_APListNum);
            QCOMPARE(result.Now_APListNum, before.Now_APListNum);
        }
        if (replies.at(i) != kReset)
            QCOMPARE(result.numAP, result.AP_Column1.size());
    }
    QCOMPARE(rows(result), expectedRows);
    QCOMPARE(result.numAP, expectedRows.size());
    QCOMPARE(result.All_APListNum, total);
    QCOMPARE(result.Now_APListNum, pages);
    if (!logLine.isEmpty())
        QVERIFY2(log.contains(logLine), qPrintable(log.all()));
}

void TestAPSearchResult::copies_data()
{
    QTest::addColumn<bool>("assign");

    QTest::newRow("copy constructor") << false;
    QTest::newRow("assignment") << true;
}

void TestAPSearchResult::copies()
{
    QFETCH(bool, assign);

    APSearchResult source;
    QCOMPARE(source.setAPConfig(page(2, "0", ap("a") + '&' + ap("b") + '&'), "2.3"), 0);
    APSearchResult target;
    QCOMPARE(target.setAPConfig(page(3, "2", ap("x") + '&' + ap("y")), "2.3"), 0);
    target.setObjectName("targetList");

    APSearchResult copy(source);
    if (assign) {
        target = source;
        QCOMPARE(target.objectName(), QString("targetList"));
    } else {
        QVERIFY(copy.objectName().isEmpty());
    }
    APSearchResult& result = assign ? target : copy;

    QCOMPARE(rows(result), rows(source));
    QCOMPARE(result.numAP, 2);
    QCOMPARE(result.All_APListNum, 2);
    QCOMPARE(result.Now_APListNum, QByteArray("0"));
    // The copy goes on with the same survey: page 0 is known, page 1 completes it.
    QCOMPARE(result.setAPConfig(page(2, "0", ap("a")), "2.3"), -1);
    QCOMPARE(result.setAPConfig(page(2, "1", ap("c")), "2.3"), 0);
    QVERIFY(result.allPagesReceived());
    QCOMPARE(rows(result), QStringList({pagedRow("a"), pagedRow("b"), pagedRow("c")}));
}

void TestAPSearchResult::holdsTheListLock()
{
    APSearchResult result;
    std::atomic<bool> done{false};
    gAPListMutex.lock();
    std::thread worker([&] {
        result.setAPConfig(page(1, "0", ap("a")), "2.3");
        done = true;
    });
    QTest::qWait(100);
    const bool finishedWhileLocked = done;
    gAPListMutex.unlock();
    worker.join();
    QVERIFY(!finishedWhileLocked);
    QVERIFY(done);
    QCOMPARE(result.numAP, 1);
}

void TestAPSearchResult::ssidAt()
{
    APSearchResult result;
    QCOMPARE(result.setAPConfig(page(1, "0", ap("home") + '&' + ap("Caf\xc3\xa9 5G") + '&'), "2.3"), 0);
    QCOMPARE(result.numAP, 2);
    QCOMPARE(result.ssidAt(0), QByteArray("home"));
    QCOMPARE(result.ssidAt(1), QByteArray("Caf\xc3\xa9 5G"));
    QCOMPARE(result.ssidAt(2), QByteArray());
    QCOMPARE(result.ssidAt(-1), QByteArray());
}

QTEST_GUILESS_MAIN(TestAPSearchResult)
#include "tst_apsearchresult.moc"
