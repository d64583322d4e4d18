#include "testsupport.h"

#include <algorithm>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QtTest>

#include "base/globals.h"

UrlRecorder::UrlRecorder()
{
    Platform::setProcessRunnerForTests([this](const Platform::ProcessCall& call) {
        if (call.program == "xdg-open" && call.detached && call.arguments.size() == 1)
            urls.append(QUrl::fromEncoded(call.arguments[0].toLatin1()));
        Platform::ProcessResult result;
        result.started = true;
        return result;
    });
}

UrlRecorder::~UrlRecorder()
{
    Platform::setProcessRunnerForTests(nullptr);
}

ProcessRecorder::ProcessRecorder()
{
    reply.started = true;
    reply.finished = true;
    reply.exitCode = 0;
    Platform::setProcessRunnerForTests([this](const Platform::ProcessCall& call) {
        calls.append(call);
        return reply;
    });
}

ProcessRecorder::~ProcessRecorder()
{
    Platform::setProcessRunnerForTests(nullptr);
}

namespace {
LogRecorder* gLogRecorder = nullptr;

void recordLogMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (gLogRecorder)
        gLogRecorder->lines.append(message);
}
}  // namespace

QByteArray blankPng(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") ? png : QByteArray();
}

LogRecorder::LogRecorder()
{
    gLogRecorder = this;
    previous = qInstallMessageHandler(recordLogMessage);
}

LogRecorder::~LogRecorder()
{
    qInstallMessageHandler(previous);
    gLogRecorder = nullptr;
}

QStringList LogRecorder::matching(const QString& text) const
{
    return lines.filter(text);
}

int LogRecorder::count(const QStringList& texts) const
{
    int n = 0;
    for (const QString& line : lines)
        n += std::all_of(texts.begin(), texts.end(), [&](const QString& t) { return line.contains(t); }) ? 1 : 0;
    return n;
}

QString LogRecorder::unmasked() const
{
    static const QRegularExpression secret("(?:access_token=|[?&]code=|state=tolmwizard_sign(?:in|up))([^&\\s\"]*)");
    for (auto it = secret.globalMatch(all()); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).count('*') != match.capturedLength(1))
            return match.captured();
    }
    return QString();
}

CamCgiServer::CamCgiServer(const QString& password)
    : password(password)
{}

CamCgiServer::~CamCgiServer()
{
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(1000);
    }
}

bool CamCgiServer::start()
{
    const QString script = QDir(qEnvironmentVariable("TESTDATA")).filePath("../tools/camcgi/camcgi.py");
    if (!QFile::exists(script)) {
        error = "camcgi.py not found beside TESTDATA: " + script;
        return false;
    }
    // It ends with this test, at its end or when the test dies first.
    process.start("setpriv", {"--pdeathsig", "TERM", "--", "python3", script, "--bind", "127.0.0.1", "--port", "0",
                              "--password", password, "--record", dir.filePath("requests.jsonl")});
    if (!process.waitForStarted(5000)) {
        error = "setpriv did not start python3: " + process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < 15000 && process.state() == QProcess::Running)
        process.waitForReadyRead(200);
    const QByteArray line = process.readLine().trimmed();
    if (!line.startsWith("PORT ")) {
        error = "camcgi did not report its port: " + QString::fromUtf8(line + process.readAllStandardError());
        return false;
    }
    port = quint16(line.mid(5).toUInt());
    return port != 0;
}

QString CamCgiServer::address() const
{
    return QStringLiteral("127.0.0.1");
}

QByteArray CamCgiServer::httpsPort() const
{
    return QByteArray::number(port);
}

QList<QJsonObject> CamCgiServer::records() const
{
    QList<QJsonObject> result;
    QFile file(dir.filePath("requests.jsonl"));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            result.append(QJsonDocument::fromJson(line).object());
    return result;
}

bool CamCgiServer::waitForRecords(int count, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (records().size() < count) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}
