#include <QtTest>

#include "labguard.h"

// Run by lab_selftest inside and outside lab namespaces; it passes only inside one.
class TestLabGuard : public QObject
{
    Q_OBJECT
private slots:
    void insideLab()
    {
        QString why;
        QVERIFY2(runningInsideLab(&why), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestLabGuard)
#include "tst_labguard.moc"
