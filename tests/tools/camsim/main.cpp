// camsim: simulated cameras for the test lab. Runs in the lab's camera namespace only.
//
//   camsim --config cameras.json [--record requests.jsonl] [--max-datagrams 0] [--port 5978]
//
// The configuration file is {"cameras": [ {...}, ... ]}; simcamera.h lists the keys of one
// camera, camserver.h the lines of the record file. SIGUSR1 presses the WPS button of every
// camera with a Wi-Fi side, SIGUSR2 pulls their cables, SIGHUP plugs them back (wireless.h).
// It runs until it is ended (SIGTERM) or has its datagrams.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

#include "camserver.h"
#include "labguard.h"
#include "wireless.h"

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "camsim: %s\n", qPrintable(message));
    return 2;
}

bool loadCameras(const QString& path, QList<SimCamera>* cameras, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject() || !doc.object().value(QLatin1String("cameras")).isArray()) {
        *error = QStringLiteral("%1 must be a JSON object with a \"cameras\" array (%2)")
                     .arg(path, parseError.errorString());
        return false;
    }
    for (const QJsonValue& v : doc.object().value(QLatin1String("cameras")).toArray()) {
        SimCamera camera;
        if (!SimCamera::fromJson(v.toObject(), &camera, error))
            return false;
        cameras->append(camera);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated DCP cameras for the test lab."));
    parser.addHelpOption();
    const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Camera list (JSON)."),
                                    QStringLiteral("file"));
    const QCommandLineOption recordFile(QStringLiteral("record"), QStringLiteral("Append one JSON line per request."),
                                        QStringLiteral("file"));
    const QCommandLineOption maxDatagrams(QStringLiteral("max-datagrams"),
                                          QStringLiteral("Exit after this many datagrams (0: no limit)."),
                                          QStringLiteral("count"), QStringLiteral("0"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("UDP port."), QStringLiteral("port"),
                                  QStringLiteral("5978"));
    parser.addOptions({config, recordFile, maxDatagrams, port});
    parser.process(app);

    QString why;
    if (!runningInsideLab(&why))
        return fail(QStringLiteral("refusing to broadcast outside a test lab: ") + why);
    if (!parser.isSet(config))
        return fail(QStringLiteral("--config is required"));
    QList<SimCamera> cameras;
    QString error;
    if (!loadCameras(parser.value(config), &cameras, &error))
        return fail(error);

    bool ok = false;
    const quint16 udpPort = quint16(parser.value(port).toUInt(&ok));
    if (!ok || udpPort == 0)
        return fail(QStringLiteral("--port needs a port number"));
    CamServer server(cameras, udpPort);
    server.setDatagramLimit(parser.value(maxDatagrams).toInt());
    if (!server.start(parser.value(recordFile), &error))
        return fail(error);
    watchButtons(&server);

    std::printf("camsim: %d camera(s) on UDP port %u\n", int(cameras.size()), unsigned(udpPort));
    std::fflush(stdout);
    return app.exec();
}
