// Every compiled-in picture the product names resolves; the names meant to be absent stay absent.
#include <QtTest>

#include <QDirIterator>
#include <QPixmap>

#include "shell/mainpage.h"

class tst_Resources : public QObject
{
    Q_OBJECT
private slots:
    void pictureLoads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("present");
        const QStringList absent = {"btn_enable.png", "xx.png", "icon_step_5"};
        // Every ":/images/<file>" named in the product's sources, forms and style sheets.
        const QRegularExpression reference(":/images/([A-Za-z0-9_.-]+\\.(?:png|ico|jpg|gif))");
        QSet<QString> names(absent.begin(), absent.end());
        const QDir root(qEnvironmentVariable("TESTDATA") + "/../..");
        for (const char* folder : {"shell", "protocol", "platform", "welcome", "setup", "guide", "wifi", "apmode",
                                   "cloud", "forms", "resources"}) {
            QDirIterator it(root.filePath(folder), {"*.cpp", "*.h", "*.ui", "*.qss"}, QDir::Files);
            while (it.hasNext()) {
                QFile file(it.next());
                file.open(QIODevice::ReadOnly);
                for (auto match = reference.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
                    names.insert(match.next().captured(1));
            }
        }
        QVERIFY2(names.size() > 20, "too few picture references found in the sources");
        // Names put together at run time: spinner frames with two digits, four step badges.
        for (int n = 1; n <= 12; ++n)
            names.insert(QString("Loading_icon_%1.png").arg(n, 2, 10, QChar('0')));
        for (int tick = 0; tick < 24; ++tick)  // and those the busy animation shows, two turns of it
            names.insert(Mainpage::loadingPicture(tick).section('/', -1));
        for (int n = 1; n <= 4; ++n)
            names.insert(QString("icon_step_%1").arg(n));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << !absent.contains(name);
    }

    void pictureLoads()
    {
        QFETCH(QString, name);
        QFETCH(bool, present);
        QVERIFY2(QPixmap(":/images/" + name).isNull() != present, qPrintable(name));
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
