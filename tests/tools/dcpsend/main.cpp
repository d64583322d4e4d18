// dcpsend: sends one DCP request from the lab's PC namespace, the way the wizard frames
// it, and prints the answers addressed to the sending interface, one JSON line each:
//   {"from":"<camera mac>","to":"<pc mac>","class":"1","text":"1;M=...;D=..."}
//
//   dcpsend --from 10.254.0.1 --mac <pc mac> [--to <camera mac>] [--class 1] [--model ALL]
//           [--params ";P=..."] [--password <clear text>] [--wait 2000] [--port 5978]
//
// --password signs the request (";X=" + md5 of the text and the password); without it the
// request goes out unsigned, as scans and requests to old cameras do.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

#include "labguard.h"
#include "protocol/dcpcodec.h"

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "dcpsend: %s\n", qPrintable(message));
    return 2;
}

void printAnswer(const QByteArray& datagram, const QByteArray& ownMac6)
{
    QByteArray dest6, src6, encoded, plain, cls, content;
    if (!dcpUnframe(datagram, &dest6, &src6, &encoded) || dest6 != ownMac6 || !dcpDecode(encoded, &plain) ||
        !dcpParseMessage(plain, &cls, &content))
        return;
    const QJsonObject line{{"from", macToText(src6)},
                           {"to", macToText(dest6)},
                           {"class", QString::fromLatin1(cls)},
                           {"text", QString::fromLatin1(content)}};
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sends one DCP request inside the test lab."));
    parser.addHelpOption();
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("Interface address to send from."),
                                  QStringLiteral("ip"));
    const QCommandLineOption mac(QStringLiteral("mac"), QStringLiteral("Hardware address of that interface."),
                                 QStringLiteral("mac"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("Camera hardware address."), QStringLiteral("mac"),
                                QStringLiteral("FF:FF:FF:FF:FF:FF"));
    const QCommandLineOption cls(QStringLiteral("class"), QStringLiteral("Request class."), QStringLiteral("class"),
                                 QStringLiteral("1"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model (scan filter)."),
                                   QStringLiteral("model"), QStringLiteral("ALL"));
    const QCommandLineOption params(QStringLiteral("params"), QStringLiteral("Parameter text, e.g. \";P=...\"."),
                                    QStringLiteral("text"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Sign with this password."),
                                      QStringLiteral("text"));
    const QCommandLineOption wait(QStringLiteral("wait"), QStringLiteral("Milliseconds to listen for answers."),
                                  QStringLiteral("ms"), QStringLiteral("2000"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("UDP port."), QStringLiteral("port"),
                                  QStringLiteral("5978"));
    parser.addOptions({from, mac, to, cls, model, params, password, wait, port});
    parser.process(app);

    QString why;
    if (!runningInsideLab(&why))
        return fail(QStringLiteral("refusing to broadcast outside a test lab: ") + why);
    QByteArray ownMac6, cameraMac6;
    if (!macFromText(parser.value(mac), &ownMac6) || !macFromText(parser.value(to), &cameraMac6))
        return fail(QStringLiteral("--mac and --to need hardware addresses such as 02:00:00:00:00:01"));
    const QHostAddress source(parser.value(from));
    if (source.protocol() != QAbstractSocket::IPv4Protocol)
        return fail(QStringLiteral("--from needs the IPv4 address of the sending interface"));
    const quint16 udpPort = quint16(parser.value(port).toUInt());

    QByteArray parameters = parser.value(params).toUtf8();
    if (parser.isSet(password)) {
        const QByteArray text = parser.value(cls).toUtf8() + ";M=" + parser.value(to).toUtf8() +
                                ";D=" + parser.value(model).toUtf8() + parameters;
        parameters +=
            ";X=" + QCryptographicHash::hash(text + parser.value(password).toLatin1(), QCryptographicHash::Md5).toHex();
    }
    const QByteArray message =
        dcpMessageText(parser.value(cls).toUtf8(), parser.value(to), parser.value(model), parameters);

    QUdpSocket receiver;
    if (!receiver.bind(QHostAddress::AnyIPv4, udpPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
        return fail(QStringLiteral("cannot listen on UDP port %1: %2").arg(udpPort).arg(receiver.errorString()));
    QObject::connect(&receiver, &QUdpSocket::readyRead, [&receiver, &ownMac6] {
        while (receiver.hasPendingDatagrams()) {
            QByteArray datagram(int(receiver.pendingDatagramSize()), '\0');
            const qint64 size = receiver.readDatagram(datagram.data(), datagram.size());
            if (size >= 0)
                printAnswer(datagram.left(int(size)), ownMac6);
        }
    });

    QUdpSocket sender;
    if (!sender.bind(source, 0))
        return fail(QStringLiteral("cannot bind to %1: %2").arg(source.toString(), sender.errorString()));
    const QByteArray frame = dcpFrame(cameraMac6, ownMac6, dcpEncode(message));
    if (sender.writeDatagram(frame, QHostAddress::Broadcast, udpPort) != frame.size())
        return fail(QStringLiteral("send failed: ") + sender.errorString());

    QTimer::singleShot(parser.value(wait).toInt(), &app, &QCoreApplication::quit);
    return app.exec();
}
