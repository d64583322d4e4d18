// Discovery figures: the replies of 100 cameras (scan answer, then password-state answer) fed to
// the DCP core, until the discovery page shows a row for each. The core's share is the time in
// handleDatagram; the page's share is the delivery of the queued signals that follow (its
// password-state queries and table rows). The scan timer is not involved. Requests go to an
// unread socket on 127.0.0.1.

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>

#include "protocol/dcpcodec.h"
#include "protocol/dcputils.h"
#include "shell/globals.h"
#include "shell/mainpage.h"
#include "setup/discoverypage.h"

namespace {

const char kPcMac[] = "02:00:00:00:00:01";
constexpr int kCameras = 100;
constexpr int kRuns = 5;

QByteArray mac6(const QString& text)
{
    QByteArray bytes;
    macFromText(text, &bytes);
    return bytes;
}

QString cameraMac(int i)
{
    return QString("00:11:22:AA:%1:%2").arg(i / 256, 2, 16, QChar('0')).arg(i % 256, 2, 16, QChar('0')).toUpper();
}

QByteArray datagram(const QByteArray& content, const QString& source)
{
    const QByteArray plain = QByteArray::number(content.size()) + ',' + content;
    return dcpFrame(mac6(kPcMac), mac6(source), dcpEncode(plain));
}

struct Figures
{
    double coreMs = 0;
    double pageMs = 0;
};

// Delivers queued signals until the table holds `rows` rows; the time it took.
qint64 deliverUntil(int rows)
{
    QElapsedTimer timer;
    timer.start();
    QTableWidget* table = gDiscoveryPage->ui->discoveryCameraTb_TableWidget;
    do
        QCoreApplication::sendPostedEvents();
    while (table->rowCount() < rows && timer.elapsed() < 60000);
    return timer.nsecsElapsed();
}

Figures run(const QList<QByteArray>& scans, const QList<QByteArray>& states, const QStringList& macs)
{
    IPCameraList.clear();
    gDiscoveryPage->ui->discoveryCameraTb_TableWidget->setRowCount(0);
    QCoreApplication::sendPostedEvents();

    qint64 core = 0;
    qint64 page = 0;
    QElapsedTimer timer;
    for (int i = 0; i < kCameras; ++i) {
        timer.start();
        gDCPUtils->handleDatagram(datagram(scans.at(i), macs.at(i)));
        core += timer.nsecsElapsed();
    }
    page += deliverUntil(0);
    for (int i = 0; i < kCameras; ++i) {
        timer.start();
        gDCPUtils->handleDatagram(datagram(states.at(i), macs.at(i)));
        core += timer.nsecsElapsed();
    }
    page += deliverUntil(kCameras);
    return {core / 1e6, page / 1e6};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void quietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quietLog);

    gDCPUtils = new DCPUtils;
    gMainpage = new Mainpage;
    QUdpSocket sink;
    sink.bind(QHostAddress(QHostAddress::LocalHost), 0);
    gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, sink.localPort());
    gHostIps[0] = "127.0.0.1";
    gHostMacs[0] = kPcMac;
    hostMacAddrList = QStringList{kPcMac};
    supportType = "ALL";
    gDCPUtils->dcpClass01_Scan(kPcMac, gHostIps[0], supportType, "FF:FF:FF:FF:FF:FF");

    QList<QByteArray> scans;
    QList<QByteArray> states;
    QStringList macs;
    for (int i = 0; i < kCameras; ++i) {
        const QString mac = cameraMac(i);
        const QByteArray head = ";M=" + mac.toLatin1() + ";D=VKC-3100";
        macs << mac;
        scans << "1" + head + ";N=" + QByteArray("camera-" + QByteArray::number(i)).toBase64()
                     + ";I=10.0.0." + QByteArray::number(i + 1) + ";P=2.0;G=" + (i % 4 == 0 ? "1" : "0");
        states << "7" + head + ";R=" + (i % 2 ? "1" : "0");
    }

    QList<double> core;
    QList<double> page;
    int rows = 0;
    for (int r = 0; r < kRuns; ++r) {
        const Figures f = run(scans, states, macs);
        core << f.coreMs;
        page << f.pageMs;
        rows = gDiscoveryPage->ui->discoveryCameraTb_TableWidget->rowCount();
    }

    std::printf("Discovery of %d cameras, from their replies to a row for each (median of %d runs)\n", kCameras,
                kRuns);
    std::printf("%-44s %10s %14s\n", "share", "time [ms]", "per camera [us]");
    std::printf("%-44s %10.2f %14.1f\n", "DCP core (handleDatagram, 200 replies)", median(core),
                median(core) * 1000 / kCameras);
    std::printf("%-44s %10.2f %14.1f\n", "discovery page (queries and rows)", median(page),
                median(page) * 1000 / kCameras);
    std::printf("rows listed in the last run: %d of %d\n", rows, kCameras);
    return rows == kCameras ? 0 : 1;
}
