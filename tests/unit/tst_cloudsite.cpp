// Cloud addresses: which the wizard uses for the cloud service, and that its cloud network
// managers send nothing anywhere else.

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

#include "cloud/cloudsiterules.h"

class TestCloudSite : public QObject
{
    Q_OBJECT
private slots:
    void cloudAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("cloud");
        QTest::newRow("API host") << "https://api.olvaris.invalid/oauth/authorize?x=1" << true;
        QTest::newRow("deeper subdomain") << "https://a.portal.olvaris.invalid/cam/openapi/?url" << true;
        QTest::newRow("upper case") << "HTTPS://API.OLVARIS.INVALID/" << true;
        QTest::newRow("plain http") << "http://api.olvaris.invalid/" << false;
        QTest::newRow("other port") << "https://api.olvaris.invalid:8443/" << false;
        QTest::newRow("suffix trick") << "https://x.olvaris.invalid.evil/" << false;
        QTest::newRow("name ends alike") << "https://evilolvaris.invalid/" << false;
        QTest::newRow("empty label") << "https://.olvaris.invalid/" << false;
        QTest::newRow("user info") << "https://user@api.olvaris.invalid/" << false;
        QTest::newRow("host in user info") << "https://api.olvaris.invalid@evil.example/" << false;
        QTest::newRow("trailing dot") << "https://api.olvaris.invalid./" << false;
        QTest::newRow("look-alike letter") << QString::fromUtf8("https://api.olvar\xc3\xads.invalid/") << false;
    }

    void cloudAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, cloud);
        QCOMPARE(CloudSite::isCloudAddress(QUrl(url, QUrl::TolerantMode)), cloud);
    }

    // Nothing reaches a host that is not the cloud's, be it asked for or a redirect: the reply
    // fails at once through the manager. Only a web view's manager may call the redirect listener.
    void managerSendsNothingElsewhere()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        const QString address = QString("127.0.0.1:%1/").arg(other.serverPort());
        qRegisterMetaType<QNetworkReply*>();
        CloudSite::Manager manager(false);
        QSignalSpy finished(&manager, &QNetworkAccessManager::finished);
        for (const QString& url : {"http://" + address, "https://" + address})
            manager.get(QNetworkRequest(QUrl(url)));
        QTRY_COMPARE(finished.count(), 2);
        for (const QList<QVariant>& args : finished)
            QCOMPARE(args.at(0).value<QNetworkReply*>()->error(), QNetworkReply::ContentAccessDenied);
        QTest::qWait(100);
        QVERIFY(!other.hasPendingConnections());
    }
};

QTEST_GUILESS_MAIN(TestCloudSite)
#include "tst_cloudsite.moc"
