// dcpflood: floods the lab's PC with camera replies from the camera namespace, as fast as it
// can for a while, and prints how many datagrams went out.
//
//   dcpflood --to <pc ip> --pc-mac <mac> --cam-mac <mac> (--text <reply> | --survey) [--seconds 5]
//
// --text: that reply text (a camera's scan reply, say), the same datagram over and over.
// --survey: paged access-point replies of about 45 KB each announcing 2147483647 pages,
// every one a new page number.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUdpSocket>

#include <cstdio>

#include "labguard.h"
#include "protocol/dcpcodec.h"

namespace {

QByteArray framed(const QByteArray& pc, const QByteArray& cam, const QByteArray& content)
{
    return dcpFrame(pc, cam, dcpEncode(QByteArray::number(content.size()) + ',' + content));
}

QByteArray surveyPage(const QByteArray& mac, int page)
{
    QByteArray list;
    const QByteArray record = QByteArray("flood-network").toBase64() + ",11,4,AES,0&";
    while (list.size() + record.size() < 45000)
        list += record;
    return "4;M=" + mac + ";A=2147483647;E=" + QByteArray::number(page) + ";L=" + list + ";X=00";
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"to", "PC address", "ip"},
                       {"pc-mac", "PC MAC", "mac"},
                       {"cam-mac", "camera MAC", "mac"},
                       {"text", "reply text", "text"},
                       {"survey", "oversized survey pages"},
                       {"seconds", "duration", "s", "5"},
                       {"port", "DCP port", "port", "5978"}});
    parser.process(app);
    QString why;
    if (!runningInsideLab(&why)) {
        std::fprintf(stderr, "dcpflood: not inside a test lab (%s)\n", qPrintable(why));
        return 2;
    }
    QByteArray pc, cam;
    if (!macFromText(parser.value("pc-mac"), &pc) || !macFromText(parser.value("cam-mac"), &cam)) {
        std::fprintf(stderr, "dcpflood: --pc-mac and --cam-mac take six-byte hardware addresses\n");
        return 2;
    }
    const QByteArray mac = parser.value("cam-mac").toLatin1();
    const bool survey = parser.isSet("survey");
    const QByteArray repeated = framed(pc, cam, parser.value("text").toLatin1());
    const QHostAddress to(parser.value("to"));
    const quint16 port = quint16(parser.value("port").toUInt());
    QUdpSocket socket;
    QElapsedTimer clock;
    clock.start();
    long sent = 0;
    for (int page = 0; clock.elapsed() < parser.value("seconds").toInt() * 1000; ++page) {
        const QByteArray datagram = survey ? framed(pc, cam, surveyPage(mac, page)) : repeated;
        if (socket.writeDatagram(datagram, to, port) > 0)
            ++sent;
        else
            socket.waitForBytesWritten(1);
    }
    std::printf("%ld\n", sent);
    return 0;
}
