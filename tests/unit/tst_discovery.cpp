// The discovery page against the DCP core: camera replies are fed to handleDatagram, the
// page's requests go to a loopback receiver, and scan passes go out from fabricated
// interfaces on 127.0.0.x, so nothing leaves this machine.

#include <QtTest>

#include <ctime>

#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/dcputils.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "setup/hostinterfaces.h"
#include "shell/mainpage.h"
#include "testsupport.h"

using namespace dcptest;

namespace {

// Items M, D, P, G, N; versions compare byte-wise: "10.0" is older than "2.0".
struct Cam
{
    QString mac;
    QByteArray model, version, registered, name;
    bool newProtocol;
};

const Cam kA{"00:11:22:AA:BB:0A", "VKC-1420", "2.0", "0", "Door", true};
const Cam kB{"00:11:22:AA:BB:0B", "VKC-2000", "2.3", "0", "Küche 門", true};
const Cam kR{"00:11:22:AA:BB:0C", "VKC-3100", "2.0", "1", "Roof", true};
const Cam kOld{"00:11:22:AA:BB:0D", "VKC-2000", "10.0", "0", "Garage", false};
const Cam kDashes{"00-11-22-AA-BB-0E", "VKC-1420", "2.0", "0", "Gate", true};

QByteArray scanReply(const Cam& c, const QString& mac)
{
    return "1;M=" + mac.toLatin1() + ";D=" + c.model + ";N=" + c.name.toBase64() + ";I=10.0.0." +
           QByteArray::number(mac.right(2).toInt(nullptr, 16)) + ";G=" + c.registered + ";P=" + c.version;
}

// The answer to the password-state query: class 7 from a new camera, class 2 from an old one;
// neither has a password yet.
QByteArray stateReply(const Cam& c)
{
    const QByteArray head = ";M=" + c.mac.toLatin1() + ";D=" + c.model;
    return c.newProtocol ? "7" + head + ";R=1" : "2" + head + ";R=1;G=" + c.registered;
}

void deliver()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(), QCoreApplication::processEvents();
}

void feed(const QByteArray& content, const QString& source)
{
    gDCPUtils->handleDatagram(replyDatagram(content, kPcMac, source));
    deliver();
}

QTableWidget* table()
{
    return gDiscoveryPage->ui->discoveryCameraTb_TableWidget;
}

}  // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createWizardForTests();
        HostInterfaces::setSourceForTests(
            [this] { return QList<HostInterfaces::Interface>{loopbackInterface(addressCount)}; });
        gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    }

    void init()
    {
        resetGlobals();
        addressCount = 0;
        gDiscoveryPage->scanDevices();  // a new scan: no camera asked yet
        addressCount = 1;
        gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
        gDiscoveryPage->waitDiscoveryNumber = 0;
        table()->setRowCount(0);
        gDCPUtils->dcpClass01_Scan(kPcMac, kPcIp, "ALL", "FF:FF:FF:FF:FF:FF");  // replies are taken after a scan
        drain();
    }

    void cleanupTestCase()
    {
        HostInterfaces::setSourceForTests(nullptr);
        Mainpage::endWizard();
    }

    void scanSchedule()
    {
        for (bool cameraListed : {false, true}) {
            init();
            gDiscoveryPage->scanDevices();
            if (cameraListed) {
                listCameras({kOld});
                drain();
            }
            QCOMPARE(driveTicks(20), (QList<int>{1, 6, 11, 16}));
            QLabel* notFound = gDiscoveryPage->ui->discoveryNotFound_Label;
            QVERIFY(notFound->isHidden());
            notFound->setText(QString("a language's longer words ").repeated(8));
            // The timeout tick sends a last pass, stops the scan and shows the result, all its lines.
            QCOMPARE(driveTicks(1), QList<int>{1});
            QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
            QVERIFY(frameWidget("loadingImageLabel")->isHidden());
            QCOMPARE(notFound->isHidden(), cameraListed);
            QVERIFY(cameraListed || notFound->height() >= WizardPage::textHeight(notFound));
            gDiscoveryPage->retranslate();
        }
    }

    void moreThanTenAddresses()
    {
        addressCount = 12;
        gDiscoveryPage->checkDeviceDiscovery();
        QSet<QString> senders;
        for (QByteArray datagram = receiver.next(200); !datagram.isEmpty(); datagram = receiver.next(200))
            senders << receiver.lastSender().toString();
        QCOMPARE(senders.size(), 12);  // every address is scanned from, the first ten recorded
        for (int i = 0; i < kHostAddressSlots; ++i)
            QCOMPARE(gHostIps[i], QString("127.0.0.%1").arg(i + 1));
    }

    void tableOrder()
    {
        // Registered cameras last, the others in the order found, old and new protocols alike; a
        // camera that writes its address with dashes is asked and listed like the others.
        const QList<QPair<QList<Cam>, QList<Cam>>> cases = {{{kR, kA, kDashes, kB}, {kA, kDashes, kB, kR}},
                                                            {{kOld, kR, kB}, {kOld, kB, kR}}};
        for (const auto& [found, rows] : cases) {
            init();
            for (const Cam& c : found)
                feed(scanReply(c, c.mac), c.mac);
            QCOMPARE(table()->rowCount(), 0);  // no row before the password state is known
            // Every camera was asked for its password state by the request of its protocol.
            const QString asked = drain().join('|');
            for (const Cam& c : found)
                QVERIFY2(asked.contains((c.newProtocol ? "7;M=" : "2;M=") + c.mac), qPrintable(asked));

            for (const Cam& c : found)
                feed(stateReply(c), c.mac);
            QCOMPARE(table()->rowCount(), rows.size());
            for (int row = 0; row < rows.size(); ++row) {
                QCOMPARE(table()->item(row, 4)->text(), rows[row].mac);
                QCOMPARE(table()->item(row, 3)->text(), QString::fromUtf8(rows[row].name));
                QCOMPARE(table()->item(row, 2) != nullptr, rows[row].registered != "1");  // the "new" mark
            }
            // A record of a listed camera with its MAC in lower case adds no row (registered, it would go last).
            IPCameraList.append(IPCameraList.first());
            IPCameraList.last().MAC = IPCameraList.first().MAC.toLower();
            IPCameraList.last().bRegisted = "1";
            gDiscoveryPage->updateDeviceTableList(IPCameraList.size() - 1);
            QCOMPARE(table()->rowCount(), rows.size());
            // A row removed beside the page: the keys are read anew from the rows left, a listed camera (the one
            // with dashes) still adds none.
            table()->removeRow(rows.size() - 1);
            gDiscoveryPage->updateDeviceTableList(2);
            QCOMPARE(table()->rowCount(), rows.size() - 1);
        }
    }

    void floodQueriesOncePerTick()
    {
        // Floods of one repeated scan reply, a scan tick between them: the pending camera is asked
        // once per scan sent (the first tick sends one, the second none).
        for (int round = 0; round < 2; ++round) {
            gDiscoveryPage->checkDeviceDiscovery();
            drain();
            for (int i = 0; i < 2000; ++i)
                gDCPUtils->handleDatagram(replyDatagram(scanReply(kA, kA.mac), kPcMac, kA.mac));
            deliver();
            QCOMPARE(drain().filter("7;M=").size(), round == 0 ? 1 : 0);
        }
    }

    void zoneListFilledOnceOnUtc()
    {
        // A PC on UTC: a zone id without place, the offset "+0". Next again without the setup
        // page's Back in between fills the list afresh, by the chosen camera's dialect.
        qputenv("TZ", "UTC");
        tzset();
        listCameras({kA, kB});
        CGIProtocolMap = {{"VKC-1420", "1"}, {"VKC-2000", "0"}};
        QComboBox* zones = gDeviceSetupPage->ui->dsetupTimeZoneComboBox_comboBox;
        for (int row : {0, 0, 1}) {
            emit table()->cellClicked(row, 0);
            gDiscoveryPage->pressNextButton();
            QCOMPARE(zones->count(), row == 0 ? 94 : 84);
            QVERIFY2(zones->currentText().startsWith("(GMT+0:00) "), qPrintable(zones->currentText()));
        }
        QCOMPARE(gDeviceSetupPage->ui->dsetupCameraName_LineEdit->text(), QString::fromUtf8(kB.name));
        // The field shows the zone chosen whole beside its arrow; a short one in the form's width.
        for (const QString& zone : {zones->currentText(), QStringLiteral("(GMT-10:00) Hawaii")}) {
            zones->setCurrentText(zone);
            QStyleOptionComboBox option;
            option.initFrom(zones);
            const QRect field =
                zones->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, zones);
            QVERIFY2(field.width() >= zones->fontMetrics().horizontalAdvance(zone), qPrintable(zone));
        }
        QCOMPARE(zones->width(), 233);
        CGIProtocolMap.clear();
    }

    void selectionByMacThenBackClearsEverything()
    {
        // Found in the order R, A, B, listed as A, B, R; a lower-case MAC in a cell finds its camera.
        gDiscoveryPage->scanDevices();
        listCameras({kR, kA, kB});
        table()->item(1, 4)->setText(table()->item(1, 4)->text().toLower());
        for (const QPair<int, int>& rowAndCamera : QList<QPair<int, int>>{{2, 0}, {1, 2}}) {
            emit table()->cellClicked(rowAndCamera.first, 3);
            QCOMPARE(IPCameraIdx, rowAndCamera.second);
        }
        QVERIFY(gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
        supportType = "VKC-2000";
        gDeviceSetupPage->ui->dsetupCGIIamge_Label->show();
        gDiscoveryPage->ui->discoveryInputPassword_LineEdit->setText("typedPw9");
        gDiscoveryPage->ui->discoveryInputPasswordConfirm_LineEdit->setText("typedPw9");
        LogRecorder log;
        gDiscoveryPage->pressNextButton();
        QVERIFY2(!log.contains("typedPw9"), qPrintable(log.all()));

        gDiscoveryPage->ui->discoveryPrev_Button->click();
        QCOMPARE(table()->rowCount(), 0);
        QVERIFY(IPCameraList.isEmpty());
        QCOMPARE(supportType, QString(""));
        QVERIFY(!gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
        QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
        QVERIFY(frameWidget("loadingImageLabel")->isHidden());
        QVERIFY(gDeviceSetupPage->ui->dsetupCGIIamge_Label->isHidden());  // no snapshot of the last camera
    }

    // Next and the table after each step: "list" (two cameras answer), "pick=r" (row r clicked),
    // "refresh", "next", "back" (their buttons clicked), "slot" (Next's slot called while no camera is
    // chosen). The state: Next, rows, cameras, the chosen camera's MAC, the typed password, the scan, the
    // page on screen.
    void buttonsAfterEachStep_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const QString a = kA.mac, b = kB.mac;
        QTest::newRow("entry") << ""
                               << "N- R0 C0 - scan discovery";
        QTest::newRow("cameras listed") << "list"
                                        << "N- R2 C2 - scan discovery";
        QTest::newRow("row picked") << "list|pick=1"
                                    << "N+ R2 C2 " + b + " scan discovery";
        QTest::newRow("another row picked") << "list|pick=1|pick=0"
                                            << "N+ R2 C2 " + a + " scan discovery";
        QTest::newRow("Next without a choice") << "list|next"
                                               << "N- R2 C2 - scan discovery";
        QTest::newRow("Next's slot without a choice") << "list|slot"
                                                      << "N- R2 C2 - scan discovery";
        QTest::newRow("Next") << "list|pick=0|next"
                              << "N+ R2 C2 " + a + " setup";
        QTest::newRow("Scan again") << "list|pick=0|refresh"
                                    << "N- R0 C0 - scan discovery";
        QTest::newRow("Back") << "list|pick=0|back"
                              << "N- R0 C0 - guide";
    }
    void buttonsAfterEachStep()
    {
        QFETCH(QString, steps);
        Ui_DiscoveryPage* form = gDiscoveryPage->ui;
        gMainpage->showPage(gDeviceSetupPage, gDiscoveryPage);
        gDiscoveryPage->pressRefreshButton();
        gCameraConnectionPage->hide();
        for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
            form->discoveryInputPassword_LineEdit->setText("typed12");
            if (step == "list")
                listCameras({kA, kB});
            else if (step.startsWith("pick="))
                emit table()->cellClicked(step.mid(5).toInt(), 3);
            else if (step == "refresh")
                form->discoveryRefresh_Button->click();
            else if (step == "next")
                form->discoveryNext_Button->click();
            else if (step == "slot")
                gDiscoveryPage->pressNextButton();
            else if (step == "back")
                form->discoveryPrev_Button->click();
        }
        const QString typed = form->discoveryInputPassword_LineEdit->text();
        const QString last = steps.section('|', -1).section('=', 0, 0);  // each step finds a password typed
        QCOMPARE(typed.isEmpty(), last.isEmpty() || last == "pick" || last == "refresh" || last == "back");
        QStringList state{form->discoveryNext_Button->isEnabled() ? "N+" : "N-",
                          "R" + QString::number(table()->rowCount()), "C" + QString::number(IPCameraList.size()),
                          steps.contains("pick") && chosen() ? IPCameraList[IPCameraIdx].MAC : "-"};
        if (gDiscoveryPage->checkDeviceDiscoveryTimer->isActive())
            state << "scan";
        for (auto [name, shown] : {std::pair<const char*, QWidget*>{"discovery", gDiscoveryPage},
                                   {"setup", gDeviceSetupPage},
                                   {"guide", gCameraConnectionPage}})
            if (!shown->isHidden())
                state << name;
        QTEST(state.join(' '), "state");
        QVERIFY(form->discoveryInputPassword_LineEdit->isHidden());
        gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
        gMainpage->hideScanPicture();
        gCameraConnectionPage->hide();
        gDeviceSetupPage->hide();
        drain();
    }

private:
    // Lists the cameras: scan replies in the given order, then their password-state answers.
    void listCameras(const QList<Cam>& cameras)
    {
        for (const Cam& c : cameras)
            feed(scanReply(c, c.mac), c.mac);
        for (const Cam& c : cameras)
            feed(stateReply(c), c.mac);
    }
    // Drives the scan timer by hand: the ticks (1-based) on which a pass went out.
    QList<int> driveTicks(int ticks)
    {
        QList<int> passes;
        for (int tick = 1; tick <= ticks; ++tick) {
            gDiscoveryPage->checkDeviceDiscovery();
            if (!drain().isEmpty())
                passes << tick;
        }
        return passes;
    }
    static bool chosen() { return IPCameraIdx >= 0 && IPCameraIdx < IPCameraList.size(); }
    QStringList drain()
    {
        QStringList texts;
        for (QByteArray text = receiver.nextText(50); !text.isEmpty(); text = receiver.nextText(50))
            texts << QString::fromLatin1(text);
        return texts;
    }

    LoopbackReceiver receiver;
    int addressCount = 1;
};

QTEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"
