// The compiled-in pictures: every name the product uses resolves, sizes match the widgets
// that show them unscaled, and the names meant to be absent stay absent.
#include <QtTest>

#include <QDirIterator>
#include <QImage>
#include <QPixmap>

namespace {

const QStringList kAbsentOnPurpose = {"btn_enable.png", "xx.png"};

// Every ":/images/<file>" named in the product's sources, forms and style sheets, mapped to
// the first file that names it.
QMap<QString, QString> referencedPictures()
{
    const QRegularExpression reference(":/images/([A-Za-z0-9_.-]+\\.(?:png|ico|jpg|gif))");
    const QDir root(qEnvironmentVariable("TESTDATA") + "/../..");
    QMap<QString, QString> found;
    for (const char* folder : {"shell", "protocol", "platform", "welcome", "setup", "guide", "wifi", "apmode", "cloud",
                               "forms", "resources"}) {
        QDirIterator it(root.filePath(folder), {"*.cpp", "*.h", "*.ui", "*.qss"}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            auto match = reference.globalMatch(QString::fromUtf8(file.readAll()));
            while (match.hasNext()) {
                const QString name = match.next().captured(1);
                if (!found.contains(name))
                    found.insert(name, QString(folder) + "/" + it.fileName());
            }
        }
    }
    return found;
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void pictureLoads_data();
    void pictureLoads();
    void shortcutIconInstalledBesideProgram();
};

void tst_Resources::pictureLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("present");
    const QMap<QString, QString> found = referencedPictures();
    QVERIFY2(found.size() > 20, "too few picture references found in the sources");
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        QTest::newRow(qPrintable(it.key() + " (" + it.value() + ")")) << it.key() << !kAbsentOnPurpose.contains(it.key());
    for (const QString& name : kAbsentOnPurpose)
        if (!found.contains(name))
            QTest::newRow(qPrintable(name)) << name << false;
    // Names put together at run time: spinner frames with two digits, step badges without suffix
    // (only four badges exist: a fifth step gets an empty one).
    for (int n = 1; n <= 12; ++n)
        QTest::newRow(qPrintable(QString("frame %1").arg(n))) << QString("Loading_icon_%1.png").arg(n, 2, 10, QChar('0'))
                                                             << true;
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QString("badge %1").arg(n))) << QString("icon_step_%1").arg(n) << (n <= 4);
}

void tst_Resources::pictureLoads()
{
    QFETCH(QString, name);
    QFETCH(bool, present);
    QVERIFY2(QPixmap(":/images/" + name).isNull() != present, qPrintable(name));
}

void tst_Resources::shortcutIconInstalledBesideProgram()
{
    const QString path = qEnvironmentVariable("BUILD_DIR") + "/images/shortcut.ico";
    QVERIFY2(!QImage(path).isNull(), qPrintable(path + " is missing"));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
