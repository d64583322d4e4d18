// The compiled-in pictures: every name the product uses resolves, sizes match the widgets
// that show them unscaled, and the names meant to be absent stay absent.
#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QRegularExpression>

namespace {

const QStringList kAbsentOnPurpose = {"btn_enable.png", "xx.png"};

QDir sourceRoot()
{
    return QDir(QString::fromLocal8Bit(qgetenv("TESTDATA")) + "/../..");
}

// Every ":/images/<file>" named in the product's sources, forms and style sheets, mapped to
// the first file that names it.
QMap<QString, QString> referencedPictures()
{
    const QStringList folders = {"shell", "protocol", "platform", "welcome", "setup", "guide",
                                 "wifi",  "apmode",   "cloud",    "forms",   "resources"};
    const QRegularExpression reference(":/images/([A-Za-z0-9_.-]+\\.(?:png|ico|jpg|gif))");
    QMap<QString, QString> found;
    const QDir root = sourceRoot();
    for (const QString& folder : folders) {
        QDirIterator it(root.filePath(folder), {"*.cpp", "*.h", "*.ui", "*.qss"}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            auto match = reference.globalMatch(text);
            while (match.hasNext()) {
                const QString name = match.next().captured(1);
                if (!found.contains(name))
                    found.insert(name, folder + "/" + QFileInfo(file.fileName()).fileName());
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
    void referencedPictureLoads_data();
    void referencedPictureLoads();
    void runtimeBuiltNameLoads_data();
    void runtimeBuiltNameLoads();
    void pictureMatchesItsWidget_data();
    void pictureMatchesItsWidget();
    void absentNameStaysAbsent_data();
    void absentNameStaysAbsent();
    void shortcutIconInstalledBesideProgram();
};

void tst_Resources::referencedPictureLoads_data()
{
    QTest::addColumn<QString>("name");
    const QMap<QString, QString> found = referencedPictures();
    QVERIFY2(sourceRoot().exists("shell"), qPrintable("no sources under " + sourceRoot().absolutePath()));
    QVERIFY2(!found.isEmpty(), "no picture reference found in the sources");
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (!kAbsentOnPurpose.contains(it.key()))
            QTest::newRow(qPrintable(it.key() + " (" + it.value() + ")")) << it.key();
    }
}

void tst_Resources::referencedPictureLoads()
{
    QFETCH(QString, name);
    QVERIFY2(!QPixmap(":/images/" + name).isNull(), qPrintable(name + " is not among the compiled-in pictures"));
}

void tst_Resources::runtimeBuiltNameLoads_data()
{
    QTest::addColumn<QString>("path");
    // Spinner frames, numbered with two digits.
    for (int n = 1; n <= 12; ++n) {
        const QString path = QString(":/images/Loading_icon_%1.png").arg(n, 2, 10, QChar('0'));
        QTest::newRow(qPrintable(path)) << path;
    }
    // Step badges and the built-in WPS guide are named without suffix; the loader finds the PNG.
    for (int n = 1; n <= 4; ++n) {
        const QString path = QString(":/images/icon_step_%1").arg(n);
        QTest::newRow(qPrintable(path)) << path;
    }
    for (const char* name : {"wa10", "wb10", "wc10", "wd10"})
        QTest::newRow(name) << QString(":/images/") + name;
    // Local-only connection guide and overview pictures.
    for (const char* name : {"ia10", "ia10_ib10", "ia20", "ia41", "ia41_ib20", "ic10", "ic11", "ic20", "ic41", "id10",
                             "id20", "id40", "ct_ethernet", "ct_poe", "ct_plc", "ct_apmode"})
        QTest::newRow(name) << QString(":/images/%1.png").arg(name);
    QTest::newRow("embedded shortcut icon") << ":/images/shortcut.ico";
    QTest::newRow("window icon") << ":/images/icon.ico";
}

void tst_Resources::runtimeBuiltNameLoads()
{
    QFETCH(QString, path);
    QVERIFY2(!QPixmap(path).isNull(), qPrintable(path + " does not load"));
}

// Pictures shown as background images are neither stretched nor clipped only at the exact size
// of their widget; steps of the spinner share one size so the overlay does not jump.
void tst_Resources::pictureMatchesItsWidget_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const QSize button(111, 24), smallTab(99, 49), largeTab(169, 62), banner(800, 60);
    for (const char* name : {"btn_blue.png", "btn_hover.png", "btn_blue_disable.png", "btn_white.png",
                             "btn_white_hover.png"})
        QTest::newRow(name) << name << button;
    QTest::newRow("btn_white_l.png") << "btn_white_l.png" << QSize(141, 24);
    QTest::newRow("btn_start_hover.png") << "btn_start_hover.png" << QSize(151, 30);
    QTest::newRow("btn_close_blue.png") << "btn_close_blue.png" << QSize(13, 13);
    QTest::newRow("btn_close_hover.png") << "btn_close_hover.png" << QSize(13, 13);
    for (const char* name : {"select_s_blue.png", "select_s_hover.png", "select_s_white.png",
                             "select_s_white_hover.png", "select_wifi_blue.png", "select_wifi_hover.png",
                             "select_wifi_white.png", "select_wifi_white_hover.png", "select_wps_blue.png",
                             "select_wps_hover.png", "select_wps_white.png", "select_wps_white_hover.png"})
        QTest::newRow(name) << name << smallTab;
    for (const char* name : {"select_l_blue.png", "select_l_hover.png", "select_l_white.png",
                             "select_l_white_hover.png"})
        QTest::newRow(name) << name << largeTab;
    QTest::newRow("select_l_blue_triangle.png") << "select_l_blue_triangle.png" << QSize(21, 11);
    for (const char* name : {"step_01.png", "step_02.png", "step_03.png", "step_04.png"})
        QTest::newRow(name) << name << banner;
    QTest::newRow("apmode_host_to_device.png") << "apmode_host_to_device.png" << QSize(686, 137);
    QTest::newRow("apmode_device_to_router.png") << "apmode_device_to_router.png" << QSize(297, 180);
    QTest::newRow("apmode_host_to_router.png") << "apmode_host_to_router.png" << QSize(481, 185);
    QTest::newRow("internet_default.png") << "internet_default.png" << QSize(664, 254);
    QTest::newRow("internet_hw_default.png") << "internet_hw_default.png" << QSize(664, 254);
    QTest::newRow("olvaris_images.png") << "olvaris_images.png" << QSize(342, 215);
    QTest::newRow("select_wifi.png") << "select_wifi.png" << QSize(284, 234);
    QTest::newRow("ap_mode_step02.png") << "ap_mode_step02.png" << QSize(48, 7);
    QTest::newRow("icon_reserach.png") << "icon_reserach.png" << QSize(15, 14);
    for (int n = 1; n <= 12; ++n) {
        const QString name = QString("Loading_icon_%1.png").arg(n, 2, 10, QChar('0'));
        QTest::newRow(qPrintable(name)) << name << QSize(64, 64);
    }
}

void tst_Resources::pictureMatchesItsWidget()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(QImage(":/images/" + name).size(), size);
}

void tst_Resources::absentNameStaysAbsent_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& name : kAbsentOnPurpose)
        QTest::newRow(qPrintable(name)) << ":/images/" + name;
    // Only four step badges exist: a fifth step picture gets an empty badge.
    QTest::newRow("icon_step_5") << ":/images/icon_step_5";
    QTest::newRow("icon_step_0") << ":/images/icon_step_0";
}

void tst_Resources::absentNameStaysAbsent()
{
    QFETCH(QString, path);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QPixmap(path).isNull());
}

void tst_Resources::shortcutIconInstalledBesideProgram()
{
    const QString path = QString::fromLocal8Bit(qgetenv("BUILD_DIR")) + "/images/shortcut.ico";
    QVERIFY2(QFile::exists(path), qPrintable(path + " is missing"));
    QVERIFY(!QImage(path).isNull());
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
