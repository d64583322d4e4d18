#include <QtTest>

#include "protocol/apsearchresult.h"
#include "shell/globals.h"

namespace {

// The step that stands for the pages' reset before a new search request.
const QByteArray kReset = "<reset>";
const QByteArray kOldHeader = "4;M=AA:BB:CC:DD:EE:FF;D=VKC-1;X=0123,";

// One paged record (name, mode, authentication, encryption, column 2) and the row it gives.
QByteArray ap(const QByteArray& ssid)
{
    return ssid.toBase64() + ",11g,2,AES,-40";
}

QString pagedRow(const QByteArray& ssid)
{
    return "Unknown|-40|" + QString::fromUtf8(ssid) + "|Unknown|AES|2|11g";
}

QByteArray page(int total, const QByteArray& pageText, const QByteArray& list)
{
    return "4;M=AA:BB:CC:DD:EE:FF;A=" + QByteArray::number(total) + ";E=" + pageText + ";L=" + list + ";X=0123";
}

// The rows of a record, one text per access point with its seven columns.
QStringList rows(const APSearchResult& r)
{
    QStringList out;
    for (int i = 0; i < r.AP_Column1.size(); ++i)
        out << QString::fromUtf8(QByteArrayList{r.AP_Column1.value(i), r.AP_Column2.value(i), r.AP_SSID.value(i),
                                                r.AP_Column4.value(i), r.AP_SecMethod.value(i),
                                                r.AP_AuthMode.value(i), r.AP_Mode.value(i)}
                                     .join('|'));
    return out;
}

void row(const char* name, const char* version, const QByteArrayList& replies, const char* outcome,
         const QStringList& rows, int total)
{
    QTest::newRow(name) << QByteArray(version) << replies << QString(outcome).split(' ') << rows << total;
}

// A survey of one network per page, pages arriving in `order`.
void pagedSurvey(const char* name, const QList<int>& order)
{
    QByteArrayList replies;
    QStringList outcome, expected;
    for (int p : order) {
        const QByteArray n = QByteArray::number(p);
        replies << page(order.size(), n, ap("p" + n));
        outcome << (replies.size() == order.size() ? "0+" : "0");
        expected << pagedRow("p" + n);
    }
    row(name, "2.3", replies, qPrintable(outcome.join(' ')), expected, order.size());
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
};

void TestAPSearchResult::survey_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<QStringList>("outcome"); // per reply: its result, "+" once every page is in
    QTest::addColumn<QStringList>("expectedRows");
    QTest::addColumn<int>("total");

    row("old: header and two records", "1.0",
        {kOldHeader + "c1;c2;aG9tZQ==;c4;TKIP;1;11b,d1;d2;Y2FmZQ==;d4;WEP;2;11n"}, "0",
        {"c1|c2|home|c4|TKIP|1|11b", "d1|d2|cafe|d4|WEP|2|11n"}, 0);
    row("old (10.0 sorts below 2.0): six fields make a placeholder", "10.0", {kOldHeader + "c1;c2;aG9tZQ;c4;TKIP;1"},
        "0", {"Unknown|0|XXXXXXX|Unknown|Unknown|Unknown|Unknown"}, 0);
    row("paged: trailing & adds no row", "2.3", {page(2, "0", ap("home") + '&' + ap("cafe") + '&')}, "0",
        {pagedRow("home"), pagedRow("cafe")}, 2);
    row("paged: the same page again", "2.3", {page(2, "0", ap("home")), page(2, "0", ap("other"))}, "0 -1",
        {pagedRow("home")}, 2);
    row("paged: page number equal to the total", "2.3", {page(2, "0", ap("home")), page(2, "2", ap("other"))},
        "0 -1", {pagedRow("home")}, 2);
    row("paged: another total", "2.3", {page(2, "0", ap("home")), page(3, "1", ap("other"))}, "0 -1",
        {pagedRow("home")}, 2);
    row("paged: two pages list every network", "2.3",
        {page(2, "0", ap("a") + '&' + ap("b") + '&'), page(2, "1", ap("c") + '&')}, "0 0+",
        {pagedRow("a"), pagedRow("b"), pagedRow("c")}, 2);
    row("paged: no total starts a new list every time", "2.3",
        {"4;M=AA;E=0;L=" + ap("a") + '&' + ap("b") + ";X=1", "4;M=AA;E=0;L=" + ap("c") + ";X=1"}, "0 0",
        {pagedRow("c")}, 0);
    row("paged: a new search starts afresh", "2.3",
        {page(2, "0", ap("a")), page(2, "1", ap("b")), kReset, page(2, "1", ap("c"))}, "0 0+ 0 0", {pagedRow("c")},
        2);
    row("paged: a total beyond the page bound", "2.3", {page(2147483647, "0", ap("a"))}, "-1", {}, 0);
    row("paged: negative total", "2.3", {page(-1, "0", ap("a"))}, "-1", {}, 0);
    row("paged: first page outside its total", "2.3", {page(2, "7", ap("a")), page(2, "x", ap("b"))}, "-1 -1", {},
        0);
    // A survey is cut at 256 rows, in one page or over several, in either format.
    QByteArrayList many, old;
    QStringList cut;
    for (int i = 0; i < 300; ++i) {
        const QByteArray n = QByteArray::number(i);
        many << ap("n" + n);
        old << "c1;c2;" + ("n" + n).toBase64() + ";c4;AES;2;11g";
        if (i < 256)
            cut << pagedRow("n" + n);
    }
    row("paged: rows cut at the bound", "2.3", {page(2, "0", many.mid(0, 200).join('&')),
                                                page(2, "1", many.mid(200).join('&'))}, "0 0+", cut, 2);
    row("old: rows cut at the bound", "1.0", {kOldHeader + old.join(',')}, "0",
        cut.replaceInStrings(QRegularExpression("^Unknown\\|-40\\|(.*)\\|Unknown\\|AES\\|2\\|11g$"),
                             "c1|c2|\\1|c4|AES|2|11g"), 0);
    // Two-digit page numbers: "1" occurs inside "10", yet page 1 is new, and missing until it comes.
    pagedSurvey("paged: eleven pages", {0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    pagedSurvey("paged: twelve pages, page 1 last", {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1});
}

void TestAPSearchResult::survey()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArrayList, replies);
    QFETCH(QStringList, outcome);

    APSearchResult result;
    for (int i = 0; i < replies.size(); ++i) {
        if (replies.at(i) == kReset) {
            result.numAP = 0;
            result.All_APListNum = 0;
            result.Now_APListNum.clear();
            continue;
        }
        const QStringList before = rows(result);
        const int returned = result.setAPConfig(replies.at(i), version);
        QVERIFY2(gAPListMutex.tryLock(), "the list lock is still held");
        gAPListMutex.unlock();
        QCOMPARE(QString::number(returned) + (result.allPagesReceived() ? "+" : ""), outcome.at(i));
        if (returned != 0)
            QCOMPARE(rows(result), before);
        QCOMPARE(result.numAP, result.AP_Column1.size());
    }
    QTEST(rows(result), "expectedRows");
    QTEST(result.All_APListNum, "total");
}

void TestAPSearchResult::copies_data()
{
    QTest::addColumn<bool>("assign");
    QTest::newRow("copy constructor") << false;
    QTest::newRow("assignment replaces") << true;
}

void TestAPSearchResult::copies()
{
    QFETCH(bool, assign);
    APSearchResult source, target;
    QCOMPARE(source.setAPConfig(page(2, "0", ap("a") + '&' + ap("b") + '&'), "2.3"), 0);
    QCOMPARE(target.setAPConfig(page(3, "2", ap("x") + '&' + ap("y")), "2.3"), 0);
    APSearchResult copy(source);
    if (assign)
        target = source;
    APSearchResult& result = assign ? target : copy;

    QCOMPARE(rows(result), rows(source));
    QCOMPARE(result.numAP, 2);
    QCOMPARE(result.All_APListNum, 2);
    // The copy goes on with the same survey: page 0 is known, page 1 completes it.
    QCOMPARE(result.setAPConfig(page(2, "0", ap("a")), "2.3"), -1);
    QCOMPARE(result.setAPConfig(page(2, "1", ap("c")), "2.3"), 0);
    QVERIFY(result.allPagesReceived());
    QCOMPARE(rows(result), QStringList({pagedRow("a"), pagedRow("b"), pagedRow("c")}));
    QCOMPARE(result.ssidAt(2) + result.ssidAt(3) + result.ssidAt(-1), QByteArray("c"));
}

QTEST_GUILESS_MAIN(TestAPSearchResult)
#include "tst_apsearchresult.moc"
