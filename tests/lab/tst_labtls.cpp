#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// Run by lab_selftest in the PC namespace: Qt's own certificate checks against lab servers.
// LAB_TLS_TRUSTED names a server with a lab certificate, LAB_TLS_UNTRUSTED one without.
class TestLabTls : public QObject
{
    Q_OBJECT
private slots:
    void fetch_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<bool>("trusted");
        QTest::newRow("lab certificate") << QByteArray("LAB_TLS_TRUSTED") << true;
        QTest::newRow("foreign certificate") << QByteArray("LAB_TLS_UNTRUSTED") << false;
    }

    void fetch()
    {
        QFETCH(QByteArray, variable);
        QFETCH(bool, trusted);
        const QByteArray url = qgetenv(variable.constData());
        if (url.isEmpty())
            QSKIP("set by lab_selftest only");
        QNetworkAccessManager manager;
        std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(QString::fromUtf8(url)))));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        QVERIFY(finished.wait(10000));
        QCOMPARE(reply->error(), trusted ? QNetworkReply::NoError : QNetworkReply::SslHandshakeFailedError);
        QCOMPARE(reply->readAll(), QByteArray(trusted ? "lab-ok" : ""));
    }
};

QTEST_GUILESS_MAIN(TestLabTls)
#include "tst_labtls.moc"
