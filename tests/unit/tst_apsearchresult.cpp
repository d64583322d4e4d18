#include <QtTest>

#include "protocol/apsearchresult.h"

namespace {

const QByteArray kOldHeader = "4;M=AA:BB:CC:DD:EE:FF;D=VKC-1;X=0123,";

// One paged record (name, mode, authentication, encryption, column 2) and the row it gives.
QByteArray ap(const QByteArray& ssid) { return ssid.toBase64() + ",11g,2,AES,-40"; }
QString pagedRow(const QByteArray& ssid) { return "Unknown|-40|" + QString::fromUtf8(ssid) + "|Unknown|AES|2|11g"; }

QByteArray page(int total, const QByteArray& pageText, const QByteArray& list)
{
    return "4;M=AA:BB:CC:DD:EE:FF;A=" + QByteArray::number(total) + ";E=" + pageText + ";L=" + list + ";X=0123";
}

// One text per access point with its seven columns.
QStringList rows(const APSearchResult& r)
{
    QStringList out;
    for (int i = 0; i < r.AP_Column1.size(); ++i)
        out << QString::fromUtf8(QByteArrayList{r.AP_Column1.value(i), r.AP_Column2.value(i), r.AP_SSID.value(i),
                                                r.AP_Column4.value(i), r.AP_SecMethod.value(i),
                                                r.AP_AuthMode.value(i), r.AP_Mode.value(i)}.join('|'));
    return out;
}

} // namespace

class TestAPSearchResult : public QObject
{
    Q_OBJECT
private slots:
    void survey_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<QString>("outcome"); // per reply its result, "+" once every page is in
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, const char* version, const QByteArrayList& replies, const QString& outcome,
                      const QStringList& expected) {
            QTest::newRow(name) << QByteArray(version) << replies << outcome << expected;
        };
        row("old: header and two records", "1.0", {kOldHeader + "c1;c2;aG9tZQ==;c4;TKIP;1;11b,d1;d2;Y2FmZQ==;d4;WEP;2;11n"},
            "0", {"c1|c2|home|c4|TKIP|1|11b", "d1|d2|cafe|d4|WEP|2|11n"});
        row("old (10.0 sorts below 2.0): six fields make a placeholder", "10.0", {kOldHeader + "c1;c2;aG9tZQ;c4;TKIP;1"},
            "0", {"Unknown|0|XXXXXXX|Unknown|Unknown|Unknown|Unknown"});
        row("paged: two pages, a trailing & adds no row", "2.3",
            {page(2, "0", ap("a") + '&' + ap("b") + '&'), page(2, "1", ap("c") + '&')}, "0 0+",
            {pagedRow("a"), pagedRow("b"), pagedRow("c")});
        // Refused: a total beyond the page bound or negative, a page outside the total, a page again,
        // another total.
        row("paged: pages that do not belong", "2.3",
            {page(2147483647, "0", ap("x")), page(-1, "0", ap("x")), page(2, "7", ap("x")), page(2, "0", ap("a")),
             page(2, "2", ap("x")), page(2, "x", ap("x")), page(2, "0", ap("x")), page(3, "1", ap("x"))},
            "-1 -1 -1 0 -1 -1 -1 -1", {pagedRow("a")});
        row("paged: no total starts a new list every time", "2.3",
            {"4;M=AA;E=0;L=" + ap("a") + ";X=1", "4;M=AA;E=0;L=" + ap("c") + ";X=1"}, "0 0", {pagedRow("c")});
        // A survey is cut at 256 rows, in one page or over several, in either format.
        QByteArrayList many, old;
        QStringList pagedCut, oldCut;
        for (int i = 0; i < 300; ++i) {
            const QByteArray n = "n" + QByteArray::number(i);
            many << ap(n);
            old << "c1;c2;" + n.toBase64() + ";c4;AES;2;11g";
            if (i < 256) {
                pagedCut << pagedRow(n);
                oldCut << "c1|c2|" + n + "|c4|AES|2|11g";
            }
        }
        row("paged: rows cut at the bound", "2.3",
            {page(2, "0", many.mid(0, 200).join('&')), page(2, "1", many.mid(200).join('&'))}, "0 0+", pagedCut);
        row("old: rows cut at the bound", "1.0", {kOldHeader + old.join(',')}, "0", oldCut);

        // Twelve pages: "1" occurs inside "10" and "11", yet page 1 is new, and missing until it comes.
        QByteArrayList replies;
        QStringList outcome, expected;
        for (int p : {0, 10, 11, 2, 3, 4, 5, 6, 7, 8, 9, 1}) {
            const QByteArray n = QByteArray::number(p);
            replies << page(12, n, ap("p" + n));
            outcome << (p == 1 ? "0+" : "0");
            expected << pagedRow("p" + n);
        }
        row("paged: twelve pages, page 1 last", "2.3", replies, outcome.join(' '), expected);
    }

    void survey()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArrayList, replies);
        APSearchResult result;
        QStringList outcome;
        for (const QByteArray& reply : replies) {
            const QStringList before = rows(result);
            const int returned = result.setAPConfig(reply, version);
            outcome << QString::number(returned) + (result.allPagesReceived() ? "+" : "");
            if (returned != 0)
                QCOMPARE(rows(result), before); // a refused page changes nothing
            QCOMPARE(result.numAP, result.AP_Column1.size());
        }
        QTEST(outcome.join(' '), "outcome");
        QTEST(rows(result), "expected");
    }

    void assignmentReplaces()
    {
        // Assigned over another survey, the list goes on with the source's survey.
        APSearchResult source, r;
        QCOMPARE(source.setAPConfig(page(2, "0", ap("a") + '&' + ap("b")), "2.3"), 0);
        QCOMPARE(r.setAPConfig(page(3, "2", ap("x") + '&' + ap("y")), "2.3"), 0);
        r = source;
        QCOMPARE(r.numAP, 2);
        QCOMPARE(r.setAPConfig(page(2, "0", ap("a")), "2.3"), -1);
        QCOMPARE(r.setAPConfig(page(2, "1", ap("c")), "2.3"), 0);
        QVERIFY(r.allPagesReceived());
        QCOMPARE(rows(r), QStringList({pagedRow("a"), pagedRow("b"), pagedRow("c")}));
        QCOMPARE(r.ssidAt(2) + r.ssidAt(3) + r.ssidAt(-1), QByteArray("c"));
    }
};


QTEST_GUILESS_MAIN(TestAPSearchResult)
#include "tst_apsearchresult.moc"
