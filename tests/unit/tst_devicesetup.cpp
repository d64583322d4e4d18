// The setup page's frame: its start state, the camera-name and password checks as the user
// leaves each field, and the resets other pages call.

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "dcptestkit.h"
#include "setup/devicesetuppage.h"
#include "setup/setupinput.h"
#include "testsupport.h"

using namespace dcptest;

namespace {

Ui_DeviceSetupPage* form()
{
    return gDeviceSetupPage->ui;
}

void leave(QLineEdit* field, const QString& text)
{
    field->setText(text);
    emit field->editingFinished();
}

QList<QTimer*> resetChecks()
{
    DeviceSetupPage* p = gDeviceSetupPage;
    return {p->checkPasswordTimer,      p->checkNetworkCfgTimer,    p->checkInternetTimer,
            p->checkOlvarisInfoTimer,   p->checkConfigNetworkTimer, p->checkRestartNetworkTimer,
            p->checkOpenAPIUriInfoTimer};
}

} // namespace

class TestDeviceSetup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startState();
    void cameraName_data();
    void cameraName();
    void nameLineChangedKeepsVisibility();
    void password_data();
    void password();
    void passwordWithoutChosenCamera();
    void resetCheckingParameters();
    void resetAndHidePasswordRows();
    void retranslationRefillsLists();
};

void TestDeviceSetup::initTestCase()
{
    createWizardForTests();
}

void TestDeviceSetup::init()
{
    resetGlobals();
    for (QLineEdit* field : {form()->dsetupCameraName_LineEdit, form()->dsetupCameraPasscode_LineEdit,
                             form()->dsetupRetypePasscode_LineEdit})
        field->clear();
}

void TestDeviceSetup::startState()
{
    Ui_DeviceSetupPage* f = form();
    const QList<QWidget*> hidden = {
        f->dsetupDSTHourOffset_ComboBox, f->dsetupDSTHourOffsetLabel_Label, f->dsetupDSTStartLabel_Label,
        f->dsetupStartMonth_QDateEdit,   f->dsetupStartDate_ComboBox,       f->dsetupStartWeek_ComboBox,
        f->dsetupStartHour_QTimeEdit,    f->dsetupDSTMonthLabel_Label,      f->dsetupDSTWeekLabel_Label,
        f->dsetupDSTDateLabel_Label,     f->dsetupDSTTimeLabel_Label,       f->dsetupDSTEndLabel_Label,
        f->dsetupEndMonth_QDateEdit,     f->dsetupEndDate_ComboBox,         f->dsetupEndWeek_ComboBox,
        f->dsetupEndHour_QTimeEdit,      f->dsetupCameraModel_Label,        f->dsetupCameraModelVaule_Label,
        f->dsetupError_Label,            f->dsetupPasswordRetypeError_Label, f->dsetupPasswordErrorHint_Label,
        f->dsetupDSTSwitch_GroupBox};
    for (QWidget* widget : hidden)
        QVERIFY2(widget->isHidden(), qPrintable(widget->objectName()));
    QVERIFY(!f->dsetupPasswordError_Label->isHidden());
    QCOMPARE(f->dsetupCameraPasscode_LineEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(f->dsetupRetypePasscode_LineEdit->echoMode(), QLineEdit::Password);
    QVERIFY(f->dsetupDSTAuto_RadioButton->isChecked());
    QCOMPARE(f->dsetupDSTAuto_RadioButton->text(), QString("Auto"));
    QCOMPARE(f->dsetupTimeZoneComboBox_comboBox->count(), 0);
    QList<QTimer*> timers = resetChecks();
    timers << gDeviceSetupPage->checkGetDeviceImageTimer;
    for (QTimer* timer : timers)
        QVERIFY(!timer->isActive());
    QCOMPARE(tryInternetNum, 0);
}

void TestDeviceSetup::cameraName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("letters and digits") << "FrontDoor2" << true;
    QTest::newRow("hyphen") << "front-door" << true;
    QTest::newRow("32 characters") << QString(32, 'a') << true;
    QTest::newRow("33 characters") << QString(33, 'a') << false;
    QTest::newRow("space") << "front door" << false;
    QTest::newRow("underscore") << "front_door" << false;
    QTest::newRow("accented letter") << QString::fromUtf8("café") << false;
    QTest::newRow("valid text then a newline") << "door\n" << false;
}

void TestDeviceSetup::cameraName()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(SetupInput::isValidCameraName(name), valid);

    QLabel* error = form()->dsetupError_Label;
    leave(form()->dsetupCameraName_LineEdit, name);
    QCOMPARE(error->isHidden(), valid);
    if (valid)
        QCOMPARE(error->text(), QString("Valid"));
    else
        QVERIFY(error->text().startsWith("<p style=line-height:11px><font face=Verdana color=#FF0000>Please check "
                                         "your device name"));
}

void TestDeviceSetup::nameLineChangedKeepsVisibility()
{
    QLabel* error = form()->dsetupError_Label;
    error->hide();
    gDeviceSetupPage->cameraNameLineChanged("bad name");
    QCOMPARE(error->text(), QString("Invalid"));
    QVERIFY(error->isHidden());
    error->show();
    gDeviceSetupPage->cameraNameLineChanged("good-name");
    QCOMPARE(error->text(), QString("Valid"));
    QVERIFY(!error->isHidden());
}

void TestDeviceSetup::password_data()
{
    QTest::addColumn<QByteArray>("bPassword");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("message");

    const QString alnum = "alphanumeric characters with no spaces.";
    const QString printable = "6-30 characters with no spaces.";
    // New password on a camera without one: letters and digits only.
    QTest::newRow("alnum, 6") << QByteArray("1") << QByteArray() << "abc123" << true << alnum;
    QTest::newRow("alnum, 30") << QByteArray("1") << QByteArray() << QString(30, '7') << true << alnum;
    QTest::newRow("alnum, 5") << QByteArray("1") << QByteArray() << "abc12" << false << alnum;
    QTest::newRow("alnum, 31") << QByteArray("1") << QByteArray() << QString(31, 'x') << false << alnum;
    QTest::newRow("alnum, hyphen") << QByteArray("1") << QByteArray() << "abc-123" << false << alnum;
    QTest::newRow("alnum, space") << QByteArray("1") << QByteArray() << "abc 123" << false << alnum;
    // Any other camera: printable characters without spaces.
    QTest::newRow("printable, punctuation") << QByteArray("0") << QByteArray() << "p@ss-w0rd!" << true << printable;
    QTest::newRow("printable, 6") << QByteArray("0") << QByteArray() << "!!!!!!" << true << printable;
    QTest::newRow("printable, 30") << QByteArray("0") << QByteArray() << QString(30, '~') << true << printable;
    QTest::newRow("printable, 31") << QByteArray("0") << QByteArray() << QString(31, '~') << false << printable;
    QTest::newRow("printable, tab") << QByteArray("0") << QByteArray() << "pass\tword" << false << printable;
    QTest::newRow("printable, space") << QByteArray("0") << QByteArray() << "pass word" << false << printable;
    QTest::newRow("printable, non-ASCII") << QByteArray("0") << QByteArray() << QString::fromUtf8("pässwort") << false
                                          << printable;
    QTest::newRow("no password yet but one stored") << QByteArray("1") << QByteArray("c2VjcmV0") << "p@ss-word"
                                                    << true << printable;
    QTest::newRow("state unknown") << QByteArray() << QByteArray() << "p@ss-word" << true << printable;
}

void TestDeviceSetup::password()
{
    QFETCH(QByteArray, bPassword);
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, message);
    IPCameraIdx = addCamera("2.0", stored);
    IPCameraList[IPCameraIdx].bPassword = bPassword;

    // The retype field follows the same rule as the password field.
    const QList<QPair<QLineEdit*, QLabel*>> fields = {
        {form()->dsetupCameraPasscode_LineEdit, form()->dsetupPasswordError_Label},
        {form()->dsetupRetypePasscode_LineEdit, form()->dsetupPasswordRetypeError_Label}};
    for (const auto& field : fields) {
        leave(field.first, typed);
        QCOMPARE(field.second->isHidden(), valid);
        if (valid)
            QCOMPARE(field.second->text(), QString("Valid"));
        else
            QVERIFY2(field.second->text().contains(message), qPrintable(field.second->text()));
    }
}

void TestDeviceSetup::passwordWithoutChosenCamera()
{
    IPCameraIdx = 4; // the list was emptied since
    leave(form()->dsetupCameraPasscode_LineEdit, "p@ss-word");
    QCOMPARE(form()->dsetupPasswordError_Label->text(), QString("Valid"));
}

void TestDeviceSetup::resetCheckingParameters()
{
    DeviceSetupPage* p = gDeviceSetupPage;
    for (QTimer* timer : resetChecks())
        timer->start(1000);
    p->checkGetDeviceImageTimer->start(1000);
    p->passwordOK = p->networkCfgOK = p->internetOK = p->olvarisInfoOK = true;
    p->configNetworkOK = p->restartNetworkOK = p->openAPIUriInfoOK = p->getDeviceImageOK = true;
    p->waitPasswordNumber = p->waitNetworkCfgNumber = p->waitInternetNumber = p->waitOlvarisInfoNumber = 7;
    p->waitConfigNetworkNumber = p->waitRestartNetworkNumber = p->waitOpenAPIUriInfoNumber = 7;
    p->waitGetdSetupDeviceImageNumber = 7;
    quorvex_cmd_state = prov_config_exist = 1;

    p->resetCheckingParameters();
    for (QTimer* timer : resetChecks())
        QVERIFY(!timer->isActive());
    QVERIFY(!(p->passwordOK || p->networkCfgOK || p->internetOK || p->olvarisInfoOK || p->configNetworkOK
              || p->restartNetworkOK || p->openAPIUriInfoOK));
    QCOMPARE(p->waitPasswordNumber + p->waitNetworkCfgNumber + p->waitInternetNumber + p->waitOlvarisInfoNumber
                 + p->waitConfigNetworkNumber + p->waitRestartNetworkNumber + p->waitOpenAPIUriInfoNumber,
             0);
    QCOMPARE(quorvex_cmd_state + prov_config_exist, 0);
    // The snapshot check is not one of them.
    QVERIFY(p->checkGetDeviceImageTimer->isActive());
    QVERIFY(p->getDeviceImageOK);
    QCOMPARE(p->waitGetdSetupDeviceImageNumber, 7);
    p->checkGetDeviceImageTimer->stop();
}

void TestDeviceSetup::resetAndHidePasswordRows()
{
    Ui_DeviceSetupPage* f = form();
    f->dsetupCameraPasscode_LineEdit->setText("secret1");
    f->dsetupRetypePasscode_LineEdit->setText("secret1");
    f->dsetupCameraPasscode_LineEdit->show();
    gDeviceSetupPage->resetPasswordLineEdits();
    QVERIFY(f->dsetupCameraPasscode_LineEdit->text().isEmpty());
    QVERIFY(f->dsetupRetypePasscode_LineEdit->text().isEmpty());
    QVERIFY(!f->dsetupCameraPasscode_LineEdit->isHidden());

    gDeviceSetupPage->hidePasswordLineEdits();
    for (QWidget* widget : QList<QWidget*>{f->dsetupCameraPasscode_Label, f->dsetupRetypePasscode_Label,
                                           f->dsetupCameraPasscode_LineEdit, f->dsetupRetypePasscode_LineEdit,
                                           f->dsetupPasswordError_Label, f->dsetupPasswordRetypeError_Label,
                                           f->dsetupForgotPassword_Label, f->dsetupError_Label})
        QVERIFY2(widget->isHidden(), qPrintable(widget->objectName()));
}

void TestDeviceSetup::retranslationRefillsLists()
{
    Ui_DeviceSetupPage* f = form();
    f->dsetupCameraModelVaule_Label->setText("VKC-1420");
    f->dsetupCameraPasscode_Label->setText("Current Password :");
    f->retranslateUi(gDeviceSetupPage);

    QVERIFY(f->dsetupCameraModelVaule_Label->text().isEmpty());
    QCOMPARE(f->dsetupCameraPasscode_Label->text(), QString("Camera Password :"));
    const QStringList offsets = {" -02:00", " -01:30", " -01:00", " -00:30", " +00:30", " +01:00", " +01:30", " +02:00"};
    const QStringList weeks = {"01", "02", "03", "04", "05"};
    const QStringList days = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const QList<QPair<QComboBox*, QStringList>> lists = {
        {f->dsetupDSTHourOffset_ComboBox, offsets}, {f->dsetupStartWeek_ComboBox, weeks},
        {f->dsetupEndWeek_ComboBox, weeks},         {f->dsetupStartDate_ComboBox, days},
        {f->dsetupEndDate_ComboBox, days}};
    for (const auto& list : lists) {
        QStringList items;
        for (int i = 0; i < list.first->count(); ++i)
            items << list.first->itemText(i);
        QCOMPARE(items, list.second);
    }
    QCOMPARE(f->dsetupStartMonth_QDateEdit->displayFormat(), QString("MMM"));
    QCOMPARE(f->dsetupEndHour_QTimeEdit->displayFormat(), QString("hh AP"));
    QCOMPARE(f->dsetupStartMonth_QDateEdit->locale(), QLocale(QLocale::English, QLocale::UnitedStates));
}

QTEST_MAIN(TestDeviceSetup)
#include "tst_devicesetup.moc"
