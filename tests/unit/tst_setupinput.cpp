// The setup page's input rules: camera name and camera password.

#include <QtTest>

#include "protocol/ipcamera.h"
#include "setup/setupinput.h"

class TestSetupInput : public QObject
{
    Q_OBJECT
private slots:
    void cameraName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letters, digits, hyphen, 32") << "Front-Door2" + QString(21, 'a') << true;
        QTest::newRow("33 characters") << QString(33, 'a') << false;
        QTest::newRow("space") << "front door" << false;
        QTest::newRow("underscore") << "front_door" << false;
        QTest::newRow("accented letter") << QString::fromUtf8("café") << false;
        QTest::newRow("valid text then a newline") << "door\n" << false;
    }
    void cameraName() { QFETCH(QString, name); QTEST(SetupInput::isValidCameraName(name), "valid"); }

    void password_data()
    {
        QTest::addColumn<QByteArray>("bPassword");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        // A new password on a camera without one: letters and digits only, 6 to 30.
        QTest::newRow("alnum, 6") << QByteArray("1") << QByteArray() << "abc123" << true;
        QTest::newRow("alnum, 30") << QByteArray("1") << QByteArray() << QString(30, '7') << true;
        QTest::newRow("alnum, 5") << QByteArray("1") << QByteArray() << "abc12" << false;
        QTest::newRow("alnum, 31") << QByteArray("1") << QByteArray() << QString(31, 'x') << false;
        QTest::newRow("alnum, hyphen") << QByteArray("1") << QByteArray() << "abc-123" << false;
        // Any other camera: printable characters without spaces.
        QTest::newRow("printable, 6") << QByteArray("0") << QByteArray() << "!!!!!!" << true;
        QTest::newRow("printable, 31") << QByteArray("0") << QByteArray() << QString(31, '~') << false;
        QTest::newRow("printable, tab") << QByteArray("0") << QByteArray() << "pass\tword" << false;
        QTest::newRow("printable, non-ASCII") << QByteArray("0") << QByteArray() << QString::fromUtf8("pässwort") << false;
        QTest::newRow("none yet but one stored") << QByteArray("1") << QByteArray("c2VjcmV0") << "p@ss-word" << true;
    }
    void password()
    {
        QFETCH(QByteArray, bPassword);
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        IPCamera camera;
        camera.DCPVersion = "2.0";
        camera.bPassword = bPassword;
        camera.password = stored;
        QTEST(SetupInput::isValidPassword(typed, SetupInput::passwordRule(camera)), "valid");
    }
};

QTEST_GUILESS_MAIN(TestSetupInput)
#include "tst_setupinput.moc"
