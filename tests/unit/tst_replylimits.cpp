#include <QtTest>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <functional>

#include <grp.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include "answerkit.h"
#include "base/replylimits.h"
#include "platform/picturedecoder.h"
#include "platform/picturethread.h"
#include "testsupport.h"

using ReplyLimits::Stop;

Q_DECLARE_METATYPE(ReplyLimits::Stop)
Q_DECLARE_METATYPE(ReplyLimits::Limits)
Q_DECLARE_METATYPE(PictureWire::Limits)

namespace {
constexpr qint64 kMax = 100000;
// Long enough that no pause of a busy machine passes for a silent peer.
constexpr int kTransferMs = 2000;

// Answers every request with head, a blank line and body: at once, or one byte every
// trickleMs. An empty head never answers. request holds the last request's head.
class PeerServer : public QTcpServer
{
public:
    QByteArray head;
    QByteArray body;
    int trickleMs = 0;
    QByteArray request;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            request += socket->readAll();
            if (!request.contains("\r\n\r\n") || head.isEmpty())
                return;
            socket->write(head + "\r\n");
            if (trickleMs <= 0) {
                socket->write(body);
                return;
            }
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [this, socket, timer, sent = 0]() mutable {
                if (sent < body.size())
                    socket->write(body.mid(sent++, 1));
                else
                    timer->stop();
            });
            timer->start(trickleMs);
        });
    }
};

// zeros bytes of zeros, compressed as gzip (windowBits 31) or zlib (15), the way a server
// sends Content-Encoding gzip or deflate; made piece by piece, so memory holds only the result.
QByteArray compressedZeros(qint64 zeros, int windowBits)
{
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, windowBits, 9, Z_RLE) != Z_OK)
        return QByteArray();
    const QByteArray input(1024 * 1024, '\0');
    QByteArray output;
    char buffer[64 * 1024];
    for (qint64 left = zeros; left >= 0; left -= input.size()) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
        stream.avail_in = uInt(qMin<qint64>(left, input.size()));
        const int flush = left <= input.size() ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            output.append(buffer, int(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
        if (flush == Z_FINISH)
            break;
    }
    deflateEnd(&stream);
    return output;
}

// The process's peak resident memory so far, in MiB.
qint64 peakMib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    return -1;
}

QUrl addressOf(const PeerServer& server)
{
    return QUrl(QString("http://127.0.0.1:%1/").arg(server.serverPort()));
}

// A picture of size in format, of one colour (kColour) or, of a grey format, grey.
constexpr QRgb kColour = 0xff2080e0;
QByteArray written(const QSize& size, const char* format, QImage::Format pixels = QImage::Format_RGB32)
{
    QImage picture(size, pixels);
    picture.fill(kColour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(picture);
    return buffer.data();
}

// A progressive JPEG of Qt's writer (libjpeg's script: 10 scans, 6 of grey pixels) of 2048x2048 whose last scan
// repeats scans times more, then after its end what follows.
QByteArray manyScans(int scans, QImage::Format pixels = QImage::Format_RGB32, const QByteArray& after = QByteArray())
{
    QImage picture(2048, 2048, pixels);
    picture.fill(Qt::gray);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(picture);
    const QByteArray jpeg = buffer.data().chopped(2);  // without its EOI
    const QByteArray last = jpeg.mid(jpeg.lastIndexOf("\xff\xda"));
    return jpeg + last.repeated(scans) + "\xff\xd9" + after;
}

// The /proc folders of the processes whose parent is parent.
QFileInfoList childrenOf(qint64 parent)
{
    QFileInfoList found;
    for (const QFileInfo& proc : QDir("/proc").entryInfoList(QDir::Dirs)) {
        QFile stat(proc.filePath() + "/stat");
        if (stat.open(QIODevice::ReadOnly) && stat.readAll().split(' ').value(3).toLongLong() == parent)
            found << proc;
    }
    return found;
}

// The seccomp mode, open descriptors, environment and process group of this process's decoder.
QString confinement()
{
    for (const QFileInfo& proc : childrenOf(QCoreApplication::applicationPid())) {
        QFile stat(proc.filePath() + "/stat"), status(proc.filePath() + "/status"),
            environ(proc.filePath() + "/environ");
        if (!stat.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly) || !environ.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        if (fields.value(1) != "(tolmdecoder)")
            continue;
        const QByteArray text = status.readAll();
        const int at = text.indexOf("Seccomp:");
        QStringList fds = QDir(proc.filePath() + "/fd").entryList(QDir::NoDotAndDotDot | QDir::System);
        std::sort(fds.begin(), fds.end());
        return "seccomp " + text.mid(at + 8, text.indexOf('\n', at) - at - 8).trimmed() + ", descriptors " +
               fds.join(' ') + QString(", %1 variables, ").arg(environ.readAll().count('\0')) +
               (fields.value(4) == fields.value(0) ? "a group of its own" : "the group " + fields.value(4));
    }
    return "no decoder";
}

// Whether process pid runs (neither gone nor a zombie).
bool running(const QByteArray& pid)
{
    QFile stat("/proc/" + pid.trimmed() + "/stat");
    return stat.open(QIODevice::ReadOnly) && stat.readAll().split(' ').value(2) != "Z";
}

// Whether what, in a child of this process run as root or (as root, nobody) as another user, returned true.
bool inChildAs(bool root, const std::function<bool()>& what)
{
    const pid_t child = fork();
    if (child == 0) {
        if (!root && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
            _exit(1);
        _exit(what() ? 0 : 1);
    }
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && status == 0;
}

// Whether the kernel gives a process of root's, or of another user's, namespaces of its own.
bool namespacesGiven(bool root)
{
    return inChildAs(root, [] {
        const long made =
            syscall(SYS_clone, CLONE_NEWUSER | CLONE_NEWPID | SIGCHLD, nullptr, nullptr, nullptr, nullptr);
        if (made == 0)
            _exit(0);
        return made > 0 && waitpid(pid_t(made), nullptr, 0) == made;
    });
}

const auto kOpenToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;

// The decoder holder and the decoder program (its keeper) copied into dir, opened to every user: a holder run as
// another user runs its decoder's keeper from there, whatever folder the build is in (one its owner's alone, as
// /root is, say). "" when that user cannot run them there, why in *why.
QString reachableHolder(const QTemporaryDir& dir, bool root, QString* why)
{
    for (const char* name : {"decoderholder", "tolmdecoder"}) {
        const QString copy = dir.filePath(name);
        if (!QFile::copy(QCoreApplication::applicationDirPath() + "/" + name, copy) ||
            !QFile::setPermissions(copy, kOpenToAll)) {
            *why = "cannot copy " + QString(name) + " into " + dir.path();
            return QString();
        }
    }
    const QByteArray keeper = QFile::encodeName(dir.filePath("tolmdecoder"));
    if (!QFile::setPermissions(dir.path(), kOpenToAll) ||
        !inChildAs(root, [&keeper] { return access(keeper.constData(), X_OK) == 0; })) {
        *why = "another user cannot run programs in " + dir.path() + ": a folder on its way is closed to them";
        return QString();
    }
    return dir.filePath("decoderholder");
}

// The processes that run the shell script script (neither gone nor zombies).
QList<pid_t> runningScript(const QString& script)
{
    QList<pid_t> found;
    for (const QFileInfo& proc : QDir("/proc").entryInfoList(QDir::Dirs)) {
        QFile cmdline(proc.filePath() + "/cmdline");
        const QList<QByteArray> words =
            cmdline.open(QIODevice::ReadOnly) ? cmdline.readAll().split('\0') : QList<QByteArray>();
        if (words.value(0) == "/bin/sh" && words.value(1) == script.toLocal8Bit() &&
            running(proc.fileName().toLatin1()))
            found << pid_t(proc.fileName().toInt());
    }
    return found;
}
}  // namespace

class TestReplyLimits : public QObject
{
    Q_OBJECT
private slots:
    void bounded_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("bodyBytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Stop>("stop");

        QTest::newRow("exactly the limit")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n") << kMax << true << Stop::None;
        QTest::newRow("one byte over, announced")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100001\r\n") << kMax + 1 << false << Stop::TooLarge;
        QTest::newRow("huge announced, little sent")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n") << qint64(10) << false << Stop::TooLarge;
        QTest::newRow("no length, streams past the limit") << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n")
                                                           << qint64(8 * 1024 * 1024) << false << Stop::TooLarge;
        QTest::newRow("silent peer reaches the transfer limit") << QByteArray() << qint64(0) << false << Stop::None;
    }

    void bounded()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, bodyBytes);
        QFETCH(bool, ok);
        QFETCH(Stop, stop);

        PeerServer server;
        server.head = head;
        server.body = QByteArray(int(bodyBytes), 'x');
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));

        // The manager gives the request its transfer limit and the reply its size limit.
        ReplyLimits::BoundedManager manager({"test", kMax, kTransferMs, 10000}, nullptr);
        QScopedPointer<QNetworkReply> reply(manager.get(QNetworkRequest(addressOf(server))));
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(finished.wait(beyondDeadline(10000)));

        QCOMPARE(int(reply->error()), int(ok ? QNetworkReply::NoError : QNetworkReply::OperationCanceledError));
        QCOMPARE(ReplyLimits::stopped(reply.data()), stop);
        QVERIFY(reply->bytesAvailable() <= kMax + 64 * 1024);
        if (ok)
            QCOMPARE(reply->readAll().size(), int(kMax));
    }

    // Qt inflates what it asked to be compressed before any limit sees it: every request asks
    // for the body as it is, and a compressed answer is refused at its headers.
    void compressed_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("askedFor");  // the caller's own Accept-Encoding
        QTest::addColumn<bool>("ok");

        const QByteArray plain(50000, '\0');
        const QByteArray gzip = compressedZeros(plain.size(), 31);
        const QByteArray deflate = compressedZeros(plain.size(), 15);
        QTest::newRow("no encoding") << QByteArray() << plain << QByteArray() << true;
        QTest::newRow("identity") << QByteArray("identity") << plain << QByteArray() << true;
        QTest::newRow("gzip") << QByteArray("gzip") << gzip << QByteArray() << false;
        QTest::newRow("gzip in capitals") << QByteArray("GZIP") << gzip << QByteArray() << false;
        QTest::newRow("deflate") << QByteArray("deflate") << deflate << QByteArray() << false;
        QTest::newRow("unknown encoding") << QByteArray("br") << QByteArray(500, 'b') << QByteArray() << false;
        QTest::newRow("identity, then gzip") << QByteArray("identity, gzip") << gzip << QByteArray() << false;
        QTest::newRow("the caller asked for gzip")
            << QByteArray("gzip") << gzip << QByteArray("gzip, deflate") << false;
    }

    void compressed()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, askedFor);
        QFETCH(bool, ok);

        PeerServer server;
        server.head = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
        if (!encoding.isEmpty())
            server.head += "Content-Encoding: " + encoding + "\r\n";
        server.body = body;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));

        ReplyLimits::BoundedManager manager({"test", kMax, 5000, 10000}, nullptr);
        QNetworkRequest request(addressOf(server));
        if (!askedFor.isEmpty())
            request.setRawHeader("Accept-Encoding", askedFor);
        QScopedPointer<QNetworkReply> reply(manager.get(request));
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(finished.wait(beyondDeadline(10000)));

        QVERIFY2(server.request.toLower().contains("\r\naccept-encoding: identity\r\n"), server.request.constData());
        QCOMPARE(server.request.count("ccept-Encoding"), 1);
        QCOMPARE(int(reply->error()), int(ok ? QNetworkReply::NoError : QNetworkReply::OperationCanceledError));
        QCOMPARE(ReplyLimits::stopped(reply.data()), ok ? Stop::None : Stop::Compressed);
        if (ok)
            QCOMPARE(reply->readAll(), body);
    }

    // The probe needs only the status line: an answer whose body the limits refuse still gives
    // it. Every other kind refuses a compressed answer and says so, naming the last kind given.
    void statusLine_data()
    {
        QTest::addColumn<ReplyLimits::Limits>("manager");
        QTest::addColumn<ReplyLimits::Limits>("own");  // bound once more where sent, unless its kind is null
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("note");

        const ReplyLimits::Limits catalogue{"catalogue", ReplyLimits::kCatalogueBytes, kTransferMs, 10000};
        const ReplyLimits::Limits page{"cloud page", ReplyLimits::kCloudPageBytes, kTransferMs, 10000};
        const ReplyLimits::Limits none{nullptr, 0, 0, 0};
        const QByteArray gzip("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nContent-Encoding: gzip\r\n");
        QTest::newRow("probe, compressed: status line taken")
            << catalogue << ReplyLimits::kProbe << gzip << true
            << "(Internet probe compressed, its status line taken: gzip)";
        QTest::newRow("probe, larger than its limit: status line taken")
            << catalogue << ReplyLimits::kProbe << QByteArray("HTTP/1.1 302 Found\r\nContent-Length: 2000000\r\n")
            << true << "(larger than the size limit)";
        QTest::newRow("probe, plain: no stop")
            << catalogue << ReplyLimits::kProbe << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n") << false
            << "";
        QTest::newRow("probe, no answer: nothing taken")
            << catalogue << ReplyLimits::kProbe << QByteArray() << false << "";
        QTest::newRow("catalogue, compressed: refused")
            << catalogue << none << gzip << false << "(compressed answer refused: catalogue, gzip)";
        QTest::newRow("cloud REST through the page manager, deflate: refused as cloud REST")
            << page << ReplyLimits::kCloud
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nContent-Encoding: deflate\r\n") << false
            << "(compressed answer refused: cloud REST, deflate)";
    }

    void statusLine()
    {
        QFETCH(ReplyLimits::Limits, manager);
        QFETCH(ReplyLimits::Limits, own);
        QFETCH(QByteArray, head);
        QFETCH(bool, taken);
        QFETCH(QString, note);

        PeerServer server;
        server.head = head;
        server.body = QByteArray(1000, 'z');
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));

        ReplyLimits::BoundedManager boundedManager(manager, nullptr);
        QScopedPointer<QNetworkReply> reply(boundedManager.get(QNetworkRequest(addressOf(server))));
        if (own.kind)
            ReplyLimits::bound(reply.data(), own);
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(finished.wait(beyondDeadline(10000)));

        QCOMPARE(ReplyLimits::statusLineTaken(reply.data()), taken);
        QCOMPARE(ReplyLimits::stopNote(reply.data()), note);
        if (taken) {
            QCOMPARE(int(reply->error()), int(QNetworkReply::OperationCanceledError));
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                     head.contains("302") ? 302 : 200);
            QCOMPARE(reply->bytesAvailable(), 0);
        }
    }

    // 256 MiB of zeros in 256 KB of gzip, without a length: nothing inflates them.
    void compressionBomb()
    {
        PeerServer server;
        server.head = "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nConnection: close\r\n";
        server.body = compressedZeros(256LL * 1024 * 1024, 31);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const qint64 before = peakMib();

        ReplyLimits::BoundedManager manager({"test", kMax, 5000, 10000}, nullptr);
        QScopedPointer<QNetworkReply> reply(manager.get(QNetworkRequest(addressOf(server))));
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(finished.wait(beyondDeadline(10000)));

        QCOMPARE(ReplyLimits::stopped(reply.data()), Stop::Compressed);
        QVERIFY2(peakMib() - before < 64, qPrintable(QString("peak grew by %1 MiB").arg(peakMib() - before)));
    }

    // A peer that keeps the transfer limit (1 s) from running out, a byte every 100 ms, meets the
    // deadline (1.9 s, a precise timer) long before its answer would end (6 s).
    void deadline_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("trickleMs");
        QTest::addColumn<bool>("ownBound");  // bound once more, as the probe and the REST requests are
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Stop>("stop");

        const QByteArray head("HTTP/1.1 200 OK\r\nContent-Length: 60\r\n");
        QTest::newRow("trickle past the deadline") << head << 100 << false << false << Stop::Overdue;
        QTest::newRow("trickle past the request's own deadline") << head << 100 << true << false << Stop::Overdue;
        QTest::newRow("quick enough") << head << 1 << false << true << Stop::None;
        QTest::newRow("silent: the transfer limit first") << QByteArray() << 0 << false << false << Stop::None;
    }

    void deadline()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, trickleMs);
        QFETCH(bool, ownBound);
        QFETCH(bool, ok);
        QFETCH(Stop, stop);

        PeerServer server;
        server.head = head;
        server.body = QByteArray(60, 'x');
        server.trickleMs = trickleMs;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));

        const ReplyLimits::Limits limits{"test", kMax, 1000, 1900};
        ReplyLimits::BoundedManager manager(ownBound ? ReplyLimits::Limits{"test", kMax, 1000, 60000} : limits,
                                            nullptr);
        QElapsedTimer clock;
        clock.start();
        QScopedPointer<QNetworkReply> reply(manager.get(QNetworkRequest(addressOf(server))));
        if (ownBound)
            ReplyLimits::bound(reply.data(), limits);
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(finished.wait(beyondDeadline(limits.deadlineMs)));

        QCOMPARE(int(reply->error()), int(ok ? QNetworkReply::NoError : QNetworkReply::OperationCanceledError));
        QCOMPARE(ReplyLimits::stopped(reply.data()), stop);
        if (stop == Stop::Overdue)
            QVERIFY(clock.elapsed() >= limits.deadlineMs - 50 && clock.elapsed() < limits.deadlineMs + 3000);
        if (ok)
            QCOMPARE(reply->readAll(), server.body);
    }

    // Every kind ends in time: under a minute, the installer within its download wait.
    void kinds_data()
    {
        QTest::addColumn<ReplyLimits::Limits>("limits");
        QTest::addColumn<int>("mostMs");

        const int minute = 60000;
        QTest::newRow("probe") << ReplyLimits::kProbe << minute / 4;
        QTest::newRow("catalogue") << ReplyLimits::kCatalogue << minute / 2;
        QTest::newRow("sprite") << ReplyLimits::kSprite << minute / 2;
        QTest::newRow("update check") << ReplyLimits::kUpdateDescription << minute / 2;
        QTest::newRow("installer") << ReplyLimits::kInstaller << 399000;
        QTest::newRow("camera CGI") << ReplyLimits::kCgi << minute / 2;
        QTest::newRow("snapshot") << ReplyLimits::kSnapshot << minute / 2;
        QTest::newRow("OpenAPI address") << ReplyLimits::kOpenApi << minute / 2;
        QTest::newRow("cloud REST") << ReplyLimits::kCloud << minute / 2;
        // A page that fails must fail the cloud flow before the setup page's 30-tick check gives up.
        QTest::newRow("cloud page") << ReplyLimits::kCloudPage << 25000;
    }

    void kinds()
    {
        QFETCH(ReplyLimits::Limits, limits);
        QFETCH(int, mostMs);
        QVERIFY(limits.deadlineMs > 0 && limits.deadlineMs <= mostMs);
        QVERIFY(limits.transferMs > 0 && limits.maxBytes > 0);
    }

    // The picture decoder refuses a picture of another format, an arithmetic-coded JPEG (by a marker
    // libjpeg would find, not by bytes within a segment), a JPEG of more scans than encoders write and one past
    // its limits, without decoding them; a decode past its CPU time is ended. It gives every frame of an
    // animation (GIF, WebP), of another picture the one Qt's reader gives. A decoder that crashes, never
    // answers or answers out of the protocol costs that picture, and the next gets a new one, which decodes it.
    // The decoder is confined: its seccomp filter on, no descriptor but its input, output and error.
    void pictureDecoder_data()
    {
        QTest::addColumn<QString>("decoder");  // "": the decoder; else what a stand-in does first
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<PictureWire::Limits>("limits");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("frames");
        using S = PictureWire::Status;
        const PictureWire::Limits snap = ReplyLimits::kSnapshotPicture, page = ReplyLimits::kViewPicture;
        const QByteArray jpeg = written(QSize(32, 16), "jpeg"), end = AnswerKit::scans(1);
        const auto row = [](const char* name, const QString& decoder, const QByteArray& picture,
                            const PictureWire::Limits& limits, S status, int frames = 0) {
            QTest::newRow(name) << decoder << picture << limits << int(status) << frames;
        };
        row("a JPEG", "", jpeg, snap, S::Decoded, 1);
        row("a PNG asked as a snapshot", "", written(QSize(32, 16), "png"), snap, S::FormatRefused);
        row("a PNG asked as a picture of a page", "", written(QSize(32, 16), "png"), page, S::Decoded, 1);
        row("a PNG of no pixels", "", AnswerKit::png(16, 16), page, S::NotDecoded);
        row("a BMP asked as a picture of a page", "", written(QSize(32, 16), "bmp"), page, S::Decoded, 1);
        row("a RIFF that is no WebP", "", "RIFF" + AnswerKit::le(4, 4) + "WAVE", page, S::FormatRefused);
        QByteArray large = jpeg;  // its frame's height and width
        large.replace(large.indexOf("\xff\xc0") + 5, 4, AnswerKit::be(16000, 2) + AnswerKit::be(16000, 2));
        row("a JPEG of 16000x16000 pixels", "", large, snap, S::TooLarge);
        row("a GIF of a frame more than allowed", "",
            AnswerKit::gif(1, 1, QVector<QRect>(int(page.frames) + 1, QRect(0, 0, 1, 1))), page, S::TooManyFrames);
        row("a GIF87a", "", AnswerKit::gif(1, 1, {QRect(0, 0, 1, 1)}).replace(3, 3, "87a"), page, S::Decoded, 1);
        row("a GIF of 3 frames", "", AnswerKit::gif(4, 4, QVector<QRect>(3, QRect(0, 0, 1, 1))), page, S::Decoded, 3);
        row("a GIF of the most frames, together the most pixels", "",
            AnswerKit::gif(64, 64, QVector<QRect>(int(page.frames), QRect(0, 0, 1, 1))), page, S::Decoded, 1024);
        row("a WebP of 3 frames", "", AnswerKit::webpFrames(3, 50), page, S::Decoded, 3);
        const QByteArray icon = written(QSize(16, 16), "png");
        row("an icon of 2 entries: its first", "", AnswerKit::ico({icon, icon}), page, S::Decoded, 1);
        row("a cursor", "", AnswerKit::ico({icon}, 0, '\2'), page, S::Decoded, 1);
        row("an icon of 16x16 holding a PNG of 2049x2048", "", AnswerKit::ico({written(QSize(2049, 2048), "png")}),
            page, S::TooLarge);
        row("a JPEG, SOF9", "", AnswerKit::jpeg(16, 16, "", '\xc9') + end, snap, S::Arithmetic);
        row("a JPEG, SOF15 after fill bytes", "", AnswerKit::jpeg(16, 16, "f", '\xcf') + end, snap, S::Arithmetic);
        row("a JPEG, a DAC segment after a stuffed ff00", "",
            QByteArray(jpeg).insert(2, QByteArray("\xff\0\xff\xcc\0\x04\0\x10", 8)), snap, S::Arithmetic);
        row("a JPEG, SOF10 bytes within a segment", "",
            written(QSize(32, 16), "jpeg").insert(2, QByteArray("\xff\xfe\0\x06\xff\xca\xff\xcc", 8)), snap, S::Decoded,
            1);
        row("a JPEG, SOF9 after a comment of length 0, which libjpeg reads past", "",
            AnswerKit::jpeg(16, 16, "", '\xc9').insert(2, QByteArray("\xff\xfe\0\0", 4)) + end, snap, S::Arithmetic);
        // Progressive JPEGs of libjpeg's scripts (Qt's writer; CMYK written by ImageMagick's convert with
        // -interlace Plane: 18 scans), and of a scan repeated to the most and past it.
        row("a progressive JPEG of Qt's writer", "", manyScans(0), page, S::Decoded, 1);
        row("a progressive JPEG of Qt's writer, grey", "", manyScans(0, QImage::Format_Grayscale8), page, S::Decoded,
            1);
        QFile cmyk(QString::fromLocal8Bit(qgetenv("TESTDATA")) + "/pictures/cmyk-progressive.jpg");
        QVERIFY(cmyk.open(QIODevice::ReadOnly));
        row("a progressive JPEG of libjpeg, CMYK", "", cmyk.readAll(), snap, S::Decoded, 1);
        row("a progressive JPEG of 64 scans", "", manyScans(PictureWire::kMostJpegScans - 10), page, S::Decoded, 1);
        row("a progressive JPEG of 65 scans", "", manyScans(PictureWire::kMostJpegScans - 9), page, S::TooManyScans);
        row("a progressive JPEG of 60,000 scans", "", manyScans(60000), page, S::TooManyScans);
        row("a progressive JPEG of 10 scans, then 70 past its end", "",
            manyScans(0, QImage::Format_RGB32, QByteArray("\0\x02", 2) + AnswerKit::scans(70)), page, S::Decoded, 1);
        row("a JPEG of a segment of length 1, then 65 scans", "",
            AnswerKit::jpeg(16, 16, "").insert(2, QByteArray("\xff\xe1\0\x01", 4)) + AnswerKit::scans(65), page,
            S::TooManyScans);
        row("a progressive JPEG of 4096x4096 and 2,003 scans", "", AnswerKit::manyScans(4096, 4096, 2000), snap,
            S::TooManyScans);
        row("a progressive JPEG of 8192x8192 and 64 scans, within 1 s of CPU", "",
            AnswerKit::manyScans(8192, 8192, PictureWire::kMostJpegScans - 3),
            PictureWire::Limits{PictureWire::Jpeg, 8192 * 8192, 1, 1000, 384}, S::OutOfTime);
        row("the same within 150 ms of CPU", "", AnswerKit::manyScans(8192, 8192, PictureWire::kMostJpegScans - 3),
            PictureWire::Limits{PictureWire::Jpeg, 8192 * 8192, 1, 150, 384}, S::OutOfTime);
        row("a JPEG of 2048x2048, converted on the decode's own thread", "", written(QSize(2048, 2048), "jpeg"), page,
            S::Decoded, 1);
        row("a decoder that crashes", "kill -SEGV $$", jpeg, snap, S::Left);
        // A process the decoder made ends with it, when it ends and when the program does. It notes its id as this
        // process sees it (in /proc, not the decoder's namespace).
        const QString child = "(read -r pid rest </proc/self/stat; echo $pid >$0.child; exec sleep 30) </dev/null "
                              ">/dev/null 2>&1 & until [ -s $0.child ]; do :; done; ";
        row("a decoder that crashes, leaving a child", child + "kill -SEGV $$", jpeg, snap, S::Left);
        row("a decoder whose child outlives it to the program's end", child + "exec \"$0\"", jpeg, snap, S::Decoded, 1);
        row("a decoder that never answers", "exec cat >/dev/null", jpeg, snap, S::Overdue);
        row("an answer of more pixels than asked",
            "printf 'TDA1\\0\\0\\0\\0\\0\\0\\0\\0\\0\\40\\0\\0\\0\\40\\0\\0\\1\\0\\0\\0\\0\\0\\0\\0'; sleep 9", jpeg,
            snap, S::Broken);
        row("an answer of more frames than asked",
            "printf 'TDA1\\0\\0\\0\\0\\0\\0\\0\\0\\1\\0\\0\\0\\1\\0\\0\\0\\2\\0\\0\\0\\0\\0\\0\\0'; sleep 9", jpeg,
            snap, S::Broken);
        row("an answer longer than its header tells",
            "printf 'TDA1\\5\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0more'; sleep 9", jpeg,
            snap, S::Broken);
        row("no decoder", "missing", jpeg, snap, S::NotStarted);
    }

    void pictureDecoder()
    {
        QFETCH(QString, decoder);
        QFETCH(QByteArray, picture);
        QFETCH(PictureWire::Limits, limits);
        QTemporaryDir dir;
        const QString real = QCoreApplication::applicationDirPath() + "/tolmdecoder";
        QString program = dir.filePath(decoder == "missing" ? "missing" : "decoder");
        QFile script(program);
        // A stand-in that does its part the first time it runs, and is the decoder after.
        QVERIFY(decoder.isEmpty() || decoder == "missing" ||
                (script.open(QIODevice::WriteOnly) &&
                 script.write(QString("#!/bin/sh\n[ -e %1.ran ] && exec %2\ntouch %1.ran\n%3\n")
                                  .arg(program, real, decoder)
                                  .toUtf8()) > 0 &&
                 script.setPermissions(QFile::ExeOwner | QFile::ReadOwner)));
        script.close();
        // The program's deadline; a short one for the stand-in that never answers.
        const bool silent = decoder.startsWith("exec cat");
        auto pictures = std::make_unique<Platform::PictureDecoder>(
            nullptr, decoder.isEmpty() ? real : program, silent ? 1000 : Platform::PictureDecoder::kDeadlineMs);
        QList<Platform::PictureDecoder::Result> results;
        for (const QByteArray& one : {picture, written(QSize(32, 16), "jpeg")})
            pictures->decode(one, limits, nullptr, [&results](const auto& result) { results << result; });
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 2 * Platform::PictureDecoder::kDeadlineMs);
        QTEST(int(results[0].status), "status");
        QTEST(results[0].frames.size(), "frames");
        for (const QImage& frame : results[0].frames)
            QVERIFY(qint64(frame.width()) * frame.height() * results[0].frames.size() <= limits.pixels);
        // Ended at its CPU limit, to the millisecond as the kernel counts (a tick), not at the next whole second.
        if (decoder.isEmpty() && results[0].status == PictureWire::Status::OutOfTime)
            QVERIFY2(results[0].cpuMs < qint64(limits.cpuMs) + 300, qPrintable(QString::number(results[0].cpuMs)));
        if (decoder == "missing")
            return;
        QCOMPARE(results[1].status, PictureWire::Status::Decoded);
        QCOMPARE(results[1].frames.first().size(), QSize(32, 16));
        const QRgb pixel = results[1].frames.first().pixel(16, 8);  // as written, within the JPEG's loss
        QVERIFY2(qAbs(qRed(pixel) - qRed(kColour)) + qAbs(qGreen(pixel) - qGreen(kColour)) +
                         qAbs(qBlue(pixel) - qBlue(kColour)) <
                     12,
                 qPrintable(QString::number(pixel, 16)));
        // A stand-in's shell gives the decoder it becomes its working folder (PWD).
        QCOMPARE(
            confinement(),
            QString("seccomp 2, descriptors 0 1 2, %1 variables, a group of its own").arg(decoder.isEmpty() ? 0 : 1));
        pictures.reset();
        QFile child(program + ".child");
        const QByteArray left = child.open(QIODevice::ReadOnly) ? child.readAll() : QByteArray();
        if (!left.isEmpty())
            QTRY_VERIFY(!running(left));
    }

    // A decoder's processes end with the program, killed too, and those of its user in its namespaces are at most
    // DecoderProcess::kMostTasks (a decode's thread counted): as root and as another user, and where the kernel
    // refuses user namespaces (then root's decoder gets a PID namespace alone, another user's a keeper beside it,
    // and its processes are not counted apart). A stand-in becomes nobody as root, keeping its parent-death signal,
    // as the decoder does; then it makes a chain of processes that spin, the first the child of one that left, or
    // processes that wait, as many as it may. Each notes itself in made, the stand-in done once it made them all.
    void decoderOutlived_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<bool>("userNamespaces");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("outcome");  // the processes made, those that ran when the program was killed
        const QString chain = "( link 1 & ); spin";
        const auto waiting = [](int made) {
            return QString("i=0; while [ $i -lt %1 ]; do \"$0\" wait & echo >>$0.made; i=$((i + 1)); done; "
                           "echo >$0.done; exec \"$0\" wait")
                .arg(made);
        };
        const auto row = [](const char* name, bool root, bool userNamespaces, const QString& part,
                            const char* outcome) {
            QTest::newRow(name) << root << userNamespaces << part << QString(outcome);
        };
        row("as root, a spinning chain", true, true, chain, "3 made, 3 ran");
        row("as another user, a spinning chain", false, true, chain, "3 made, 3 ran");
        row("as root without user namespaces, a spinning chain", true, false, chain, "3 made, 3 ran");
        row("as another user without user namespaces, a spinning chain", false, false, chain, "3 made, 3 ran");
        row("as root, 4 processes", true, true, waiting(3), "4 made, 4 ran");
        row("as root, a 5th refused", true, true, waiting(4), "4 made, 0 ran");
        row("as another user, 4 processes", false, true, waiting(3), "4 made, 4 ran");
        row("as another user, a 5th refused", false, true, waiting(4), "4 made, 0 ran");
        row("as root without user namespaces, 5 processes", true, false, waiting(4), "5 made, 5 ran");
    }

    void decoderOutlived()
    {
        QFETCH(bool, root);
        QFETCH(bool, userNamespaces);
        QFETCH(QString, part);
        if (root && geteuid() != 0)
            QSKIP("a decoder of root's needs root");
        if (userNamespaces && !namespacesGiven(root))
            QSKIP("the kernel gives no user namespaces here");
        QTemporaryDir dir;
        const QString script = dir.filePath("decoder");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString("#!/bin/sh\n"
                           "spin() { while :; do :; done; }\n"
                           "link() { echo >>$0.made; if [ $1 = 0 ]; then echo >$0.done; else link $(($1 - 1)) & fi; "
                           "spin; }\n"
                           "[ \"$1\" = wait ] && read line <$0.fifo && exit\n"
                           "[ \"$1\" = wait ] && exit\n"
                           "[ $(id -u) = 0 ] && exec setpriv --reuid=65534 --regid=65534 --clear-groups "
                           "--pdeathsig=keep \"$0\"\n"
                           "echo >>$0.made\n%1\n")
                       .arg(part)
                       .toUtf8());
        file.close();
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup |
                         QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), all) && QFile::setPermissions(script, all));
        QVERIFY(mkfifo(QFile::encodeName(script + ".fifo").constData(), 0666) == 0);
        QTemporaryDir programs;
        QString why;
        const QString program = reachableHolder(programs, root, &why);
        if (program.isEmpty())
            QSKIP(qPrintable(why));
        QProcess holder;
        QStringList options{script};
        if (!root)
            options << "nobody";
        if (!userNamespaces)
            options << "no-user-namespaces";
        holder.start(program, options);
        QVERIFY(holder.waitForStarted() && holder.processId() > 0);
        // Whatever the test finds, nothing it started outlives it.
        const pid_t held = pid_t(holder.processId());
        const auto end = qScopeGuard([&] {
            ::kill(held, SIGKILL);
            holder.waitForFinished();
            for (pid_t left : runningScript(script))
                ::kill(left, SIGKILL);
        });
        QFile made(script + ".made");
        const auto lines = [&made] {
            made.close();
            return made.open(QIODevice::ReadOnly) ? made.readAll().count('\n') : 0;
        };
        // Done, or ended once it made one.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(script + ".done") || (lines() > 0 && runningScript(script).isEmpty()),
                                 10000);
        if (QFile::exists(script + ".done"))
            QTRY_COMPARE(runningScript(script).size(), lines());
        const QString outcome = QString("%1 made, %2 ran").arg(lines()).arg(runningScript(script).size());
        QCOMPARE(holder.state(), QProcess::Running);
        QVERIFY(::kill(held, SIGKILL) == 0 && holder.waitForFinished());
        QTRY_COMPARE_WITH_TIMEOUT(runningScript(script), QList<pid_t>(), 2000);
        QTEST(outcome, "outcome");
    }

    // The decoder decodes wherever the wizard runs: as another user, where the kernel refuses user namespaces, and
    // in a user namespace that maps root alone (unshare -U -r, as some containers run programs), where it stays root
    // with no capability. The log tells how it is held where that is less than namespaces of its own with nobody
    // in them; of a decoder that cannot run (the kernel refuses it its filter), why, never that it runs.
    void decoderRuns_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<QStringList>("options");  // the holder's; "unshare": the holder run by unshare -U -r
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<QString>("logged");  // the line that names the decoder; "" none
        const auto row = [](const char* name, bool root, const QStringList& options, const char* logged) {
            const bool ran = !QString(logged).contains("not run");
            QTest::newRow(name) << root << options << QString(ran ? "decoded 32x16" : "no decoder could be started")
                                << QString(logged);
        };
        row("as another user", false, {"nobody"}, "");
        row("as root without user namespaces", true, {"no-user-namespaces"},
            "Picture decoder runs without a user namespace of its own");
        row("as another user without user namespaces", false, {"nobody", "no-user-namespaces"},
            "and a keeper, not a PID namespace, ends them with it");
        row("as root in a user namespace that maps root alone", true, {"unshare"},
            "Picture decoder runs as this program's user, root in a user namespace of its own that maps root alone");
        row("where the kernel refuses filters", true, {"no-filters"},
            "Picture decoder not run: the kernel refused its seccomp filter");
    }

    void decoderRuns()
    {
        QFETCH(bool, root);
        QFETCH(QStringList, options);
        QFETCH(QString, logged);
        if (geteuid() != 0)
            QSKIP("a decoder of root's needs root");
        const bool unshare = options.removeAll("unshare") > 0;
        if (unshare && !namespacesGiven(true))
            QSKIP("the kernel gives no user namespaces here");
        QTemporaryDir dir;
        QString why;
        const QString holder = reachableHolder(dir, root, &why);
        if (holder.isEmpty())
            QSKIP(qPrintable(why));
        QFile picture(dir.filePath("snapshot.jpg"));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(written(QSize(32, 16), "jpeg")) > 0 &&
                picture.setPermissions(kOpenToAll));
        picture.close();
        const QStringList arguments =
            QStringList{dir.filePath("tolmdecoder"), "decode=" + picture.fileName()} + options;
        QProcess run;
        run.start(unshare ? "unshare" : holder, unshare ? QStringList{"-U", "-r", holder} + arguments : arguments);
        QVERIFY(run.waitForFinished(beyondDeadline(Platform::PictureDecoder::kDeadlineMs)));
        QTEST(QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed(), "decoded");
        const QStringList told =
            QString::fromLocal8Bit(run.readAllStandardError()).split('\n').filter("Picture decoder");
        QVERIFY2(logged.isEmpty() ? told.isEmpty() : told.size() == 1 && told.first().contains(logged),
                 qPrintable(told.join('\n')));
    }

    // The wizard takes a decoder's answer whole, alike fed at once or a byte at a time, only within the limits it
    // asked (all frames together), and nothing past its end; of one out of the protocol nothing.
    void answerReader_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<quint32>("pixels");  // the limits asked: pixels, all frames together, and frames
        QTest::addColumn<quint32>("frames");
        QTest::addColumn<QString>("read");
        using S = PictureWire::Status;
        const auto head = &PictureWire::answerHeader;
        const auto frame = [](quint32 delay, int pixels) {
            return AnswerKit::le(delay, 4) + QByteArray(4 * pixels, '\x7f');
        };
        const auto row = [](const char* name, const QByteArray& answer, quint32 pixels, quint32 frames,
                            const char* read) { QTest::newRow(name) << answer << pixels << frames << QString(read); };
        row("a frame at the limit", head(S::Decoded, 0, 2, 2, 1, 0) + frame(40, 4), 4, 1, "2x2, delays 40, loops 0");
        row("frames together at the limit, for ever", head(S::Decoded, 0, 1, 2, 2, -1) + frame(10, 2) + frame(20, 2), 4,
            2, "1x2, delays 10 20, loops -1");
        row("frames each within the limit, together past it", head(S::Decoded, 0, 2, 2, 2, 0) + frame(0, 4).repeated(2),
            7, 2, "broken");
        row("a frame past the limit", head(S::Decoded, 0, 5, 1, 1, 0) + frame(0, 5), 4, 1, "broken");
        row("sides near 2^32", head(S::Decoded, 0, 0xffffffff, 0xffffffff, 2, 0), 4, 2, "broken");
        row("sides whose pixels pass 2^63", head(S::Decoded, 0, 0xc0000000, 0xc0000000, 2, 0), PictureWire::kMostPixels,
            PictureWire::kMostFrames, "broken");
        row("no frame", head(S::Decoded, 0, 1, 1, 0, 0), 4, 1, "broken");
        row("a frame of no pixels", head(S::Decoded, 0, 0, 1, 1, 0), 4, 1, "broken");
        row("a delay past a GIF's longest, loops below for ever", head(S::Decoded, 0, 1, 1, 1, -7) + frame(~0u, 1), 4,
            1, "1x1, delays 655350, loops -1");
        row("a refusal", head(S::TooManyScans, 0, 0, 0, 0, 0), 4, 1, "a JPEG of more scans than encoders write, 0");
        row("a decode ended by a signal", head(S::OutOfTime, 24, 0, 0, 0, 0), 4, 1,
            "its decoder ran out of CPU time, 24");
        row("a refusal with sizes", head(S::TooLarge, 0, 1, 1, 0, 0), 4, 1, "broken");
        row("a status of the program's own", head(S::Overdue, 0, 0, 0, 0, 0), 4, 1, "broken");
        row("another mark", "TDA2" + head(S::Decoded, 0, 1, 1, 1, 0).mid(4) + frame(0, 1), 4, 1, "broken");
        row("cut in its pixels", head(S::Decoded, 0, 2, 2, 1, 0) + frame(0, 3), 4, 1, "more");
        row("bytes past its end", head(S::NotDecoded, 0, 0, 0, 0, 0) + "more", 4, 1,
            "its reader failed on it, 0, 4 bytes left");
    }

    void answerReader()
    {
        QFETCH(QByteArray, answer);
        QFETCH(quint32, pixels);
        QFETCH(quint32, frames);
        const PictureWire::Limits limits{PictureWire::kAllFormats, pixels, frames, 1000, 1};
        PictureWire::AnswerReader whole(limits), bytewise(limits);
        const qint64 taken = whole.feed(answer.constData(), answer.size());
        qint64 bytes = 0;
        for (int i = 0; i < answer.size(); ++i)
            bytes += bytewise.feed(answer.constData() + i, 1);
        const auto read = [&answer](const PictureWire::AnswerReader& reader, qint64 taken) {
            QString text = reader.broken() ? "broken" : reader.done() ? "" : "more";
            if (reader.done() && reader.status() != PictureWire::Status::Decoded)
                text = QString("%1, %2").arg(PictureWire::refusal(reader.status())).arg(reader.detail());
            else if (reader.done())
                text = QString("%1x%2, delays").arg(reader.frames()[0].width()).arg(reader.frames()[0].height());
            for (int i = 0; reader.done() && i < reader.delays().size(); ++i)
                text += QString(" %1").arg(reader.delays()[i]);
            if (reader.done() && reader.status() == PictureWire::Status::Decoded)
                text += QString(", loops %1").arg(reader.loops());
            return text + (reader.done() && taken < answer.size()
                               ? QString(", %1 bytes left").arg(answer.size() - taken)
                               : QString());
        };
        QCOMPARE(read(bytewise, bytes), read(whole, taken));
        QTEST(read(whole, taken), "read");
    }

    // The decoder program answers each request in turn until its input ends (it ends with 0), or one is none
    // (it ends with 2): a header of another mark or past the most a request may ask, or a picture cut short. A
    // decode whose process ends by a signal is answered as what that signal tells, with the signal.
    void decoderProgram_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("signal");  // sent to the decode's process once it runs; 0: none
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("exit");
        using namespace PictureWire;
        const QByteArray jpeg = written(QSize(32, 16), "jpeg");
        const Limits most{kAllFormats, kMostPixels, kMostFrames, kMostCpuMs, kMostMemoryMiB};
        const auto past = [&](quint32 Limits::*field, quint32 by) {
            Limits limits = most;
            limits.*field += by;
            return request(jpeg, limits);
        };
        const auto row = [](const char* name, const QByteArray& input, int signal, const char* answers, int exit) {
            QTest::newRow(name) << input << signal << QString(answers) << exit;
        };
        row("no input", "", 0, "", 0);
        row("a header cut short", request(jpeg, most).left(kRequestHeader - 1), 0, "", 0);
        row("every limit at its most", request(jpeg, most), 0, "32x16 1", 0);
        row("two, each asked the most pixels within 16 MiB",
            request(written(QSize(1024, 1024), "jpeg"), {Jpeg, kMostPixels, 1, 1000, 16}).repeated(2), 0,
            "1024x1024 1, 1024x1024 1", 0);
        row("a picture cut short", request(jpeg, most).chopped(1), 0, "", 2);
        row("another mark", "TDQ2" + request(jpeg, most).mid(4), 0, "", 2);
        row("a format unknown", past(&Limits::formats, 64), 0, "", 2);
        row("pixels past the most", past(&Limits::pixels, 1), 0, "", 2);
        row("frames past the most", past(&Limits::frames, 1), 0, "", 2);
        row("CPU time past the most", past(&Limits::cpuMs, 1), 0, "", 2);
        row("memory past the most", past(&Limits::memoryMiB, 1), 0, "", 2);
        row("a picture past the most bytes", request(jpeg + QByteArray(int(kMostBytes) + 1 - jpeg.size(), '\0'), most),
            0, "", 2);
        const QByteArray slow =
            request(AnswerKit::manyScans(8192, 8192, kMostJpegScans - 3), {Jpeg, kMostPixels, 1, kMostCpuMs, 384});
        row("a decode killed", slow, SIGKILL, "its decoder ran out of CPU time, 9", 0);
        row("a decode asked no CPU time, killed at its first millisecond",
            request(AnswerKit::manyScans(8192, 8192, kMostJpegScans - 3), {Jpeg, kMostPixels, 1, 0, 384}), 0,
            "its decoder ran out of CPU time, 9", 0);
        row("a decode ended by its sandbox", slow, SIGSYS, "its decoder made a call its sandbox refuses, 31", 0);
        row("a decode terminated", slow, SIGTERM, "its decoder crashed, 15", 0);
    }

    void decoderProgram()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, signal);
        QProcess decoder;
        decoder.setStandardErrorFile(QProcess::nullDevice());
        decoder.start(QCoreApplication::applicationDirPath() + "/tolmdecoder", QStringList());
        QVERIFY(decoder.waitForStarted());
        decoder.write(input);
        QFileInfoList decode;
        QTRY_VERIFY_WITH_TIMEOUT(!signal || !(decode = childrenOf(decoder.processId())).isEmpty(), 10000);
        QVERIFY(!signal || kill(decode.first().fileName().toInt(), signal) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(!signal || decoder.bytesAvailable() >= PictureWire::kAnswerHeader, 10000);
        decoder.closeWriteChannel();
        QVERIFY(decoder.waitForFinished(20000));
        QTEST(decoder.exitCode(), "exit");
        const QByteArray out = decoder.readAllStandardOutput();
        QStringList answers;
        for (qint64 at = 0; at + PictureWire::kAnswerHeader <= out.size();) {
            const auto word = [&](int i) { return qFromLittleEndian<quint32>(out.constData() + at + 4 * i); };
            const auto status = PictureWire::Status(word(1));
            answers << (status == PictureWire::Status::Decoded
                            ? QString("%1x%2 %3").arg(word(3)).arg(word(4)).arg(word(5))
                            : QString("%1, %2").arg(PictureWire::refusal(status)).arg(word(2)));
            at += PictureWire::kAnswerHeader + word(5) * (4 + 4 * qint64(word(3)) * word(4));
        }
        QTEST(answers.join(", "), "answers");
    }

    // Work on the picture thread hands its results back to this thread, in turn; none to a context gone
    // meanwhile, nor once the picture thread is deleted, which waits for the piece under way and drops the rest.
    void pictureThread()
    {
        auto* thread = new Platform::PictureThread(nullptr);
        auto* gone = new QObject;
        QList<int> got;
        QSemaphore started;
        const auto done = [&got](int result) { got << result * (QThread::currentThread() == qApp->thread()); };
        const auto piece = [&started](int result) {
            return std::function<int()>([&started, result] {
                started.release();
                QThread::msleep(result == 3 ? 1000 : 100);  // the third under way while the thread is deleted
                return result;
            });
        };
        thread->run<int>(piece(1), gone, done);
        thread->run<int>(piece(2), thread, done);
        started.acquire();
        delete gone;
        QTRY_COMPARE(got, QList<int>{2});
        started.acquire();  // the second's
        thread->run<int>(piece(3), thread, done);
        thread->run<int>(piece(4), thread, done);
        started.acquire();
        delete thread;
        QCoreApplication::processEvents();
        QCOMPARE(got, QList<int>{2});
        QCOMPARE(started.available(), 0);  // the fourth never begun
    }
};

QTEST_GUILESS_MAIN(TestReplyLimits)
#include "tst_replylimits.moc"
