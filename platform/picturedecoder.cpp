#include "platform/picturedecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <unistd.h>

#include "base/log.h"
#include "base/logsummary.h"
#include "platform/decoderprocess.h"

using PictureWire::Status;

namespace {

// A page can make its pictures fail at will: the first few of each kind are logged in full.
constexpr int kFailuresInFull = 8;
// A decoder killed ends at once; its end is waited for no longer than this.
constexpr int kEndWaitMs = 1000;

// The CPU time process has used, its own and that of the children it waited for, as the kernel counts it (the
// decoder waits for a decode's process before it answers); -1 when not known.
qint64 cpuUsedMs(const Platform::DecoderProcess* process)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(process->processId()));
    if (process->processId() <= 0 || !file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = file.read(4096);
    // Past the program's name (which may hold anything) the fields from the state on: utime, stime, cutime
    // and cstime are the 12th to 15th.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 15)
        return -1;
    qint64 ticks = 0;
    for (int i = 11; i <= 14; ++i)
        ticks += fields.at(i).toLongLong();
    return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

}  // namespace

namespace Platform {

PictureDecoder::PictureDecoder(QObject* parent, const QString& program, int deadlineMs)
    : QObject(parent)
    , decoderProgram(QCoreApplication::applicationDirPath() + "/tolmdecoder")
    , program(program.isEmpty() ? decoderProgram : program)
    , deadlineMs(deadlineMs)
    , deadline(new QTimer(this))
{
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] { fail(Status::Overdue); });
}

PictureDecoder::~PictureDecoder()
{
    endProcess();
}

void PictureDecoder::decode(const QByteArray& picture, const PictureWire::Limits& limits, QObject* context, Done done)
{
    queue.append({PictureWire::request(picture, limits), limits, context, context != nullptr, std::move(done)});
    next();
}

void PictureDecoder::next()
{
    if (reader)
        return;
    while (!queue.isEmpty() && queue.first().hasContext && !queue.first().context)
        queue.removeFirst();
    if (queue.isEmpty())
        return;
    start();
    reader = std::make_unique<PictureWire::AnswerReader>(queue.first().limits);
    clock.start();
    deadline->start(deadlineMs);
    if (!process) {  // it failed at once
        fail(Status::NotStarted);
        return;
    }
    cpuAtTurn = cpuUsedMs(process);
    // Sent as the decoder takes it; the decoder reads a request only once it has answered the one before.
    process->write(queue.first().request);
    queue.first().request.clear();
}

void PictureDecoder::start()
{
    if (process)
        return;
    process = new DecoderProcess(this);
    connect(process, &DecoderProcess::readyRead, this, &PictureDecoder::read);
    connect(process, &DecoderProcess::finished, this, [this] {
        const QString why = process->whyNotRun();
        if (!why.isEmpty())
            notRun(why);
        if (reader)
            fail(why.isEmpty() ? Status::Left : Status::NotStarted);
        else
            endProcess();
    });
    if (!process->start(program, decoderProgram)) {
        notRun(process->errorString());
        endProcess();
    }
}

void PictureDecoder::notRun(const QString& why)
{
    if (LogSummary::firstInFull(QStringLiteral("Picture decoder not run: ") + why, kFailuresInFull))
        WLOG << qPrintable("Picture decoder not run: " + why + ". No picture from outside is shown.");
}

void PictureDecoder::read()
{
    const QByteArray bytes = process->readAll();
    const qint64 taken = reader ? reader->feed(bytes.constData(), bytes.size()) : 0;
    if (!reader || reader->broken() || taken < bytes.size()) {
        fail(Status::Broken);
    } else if (reader->done()) {
        // How it is held, once it has shown that it runs.
        static bool toldHold = false;
        if (!toldHold && !process->holdNote().isEmpty()) {
            toldHold = true;
            WLOG << qPrintable(process->holdNote());
        }
        Result result;
        result.status = reader->status();
        result.frames = reader->frames();
        result.delays = reader->delays();
        result.loops = reader->loops();
        const qint64 cpuMs = cpuUsedMs(process);
        result.cpuMs = cpuAtTurn >= 0 && cpuMs >= cpuAtTurn ? cpuMs - cpuAtTurn : -1;
        const quint32 detail = reader->detail();
        if ((result.status == Status::Crashed || result.status == Status::OutOfTime ||
             result.status == Status::Forbidden) &&
            LogSummary::firstInFull(QStringLiteral("Picture decode ended: ") + PictureWire::refusal(result.status),
                                    kFailuresInFull))
            WLOG << "Picture decode ended:" << PictureWire::refusal(result.status) << "( signal" << detail
                 << "), the picture refused";
        finish(result);
    }
}

void PictureDecoder::finish(Result result)
{
    deadline->stop();
    reader.reset();
    result.elapsedMs = clock.elapsed();
    const Asked asked = queue.takeFirst();
    if (!asked.hasContext || asked.context)
        asked.done(result);
    next();
}

void PictureDecoder::fail(Status status)
{
    // A decoder that did not run has said why.
    if (status != Status::NotStarted &&
        LogSummary::firstInFull(QStringLiteral("Picture decoder ended: ") + PictureWire::refusal(status),
                                kFailuresInFull))
        WLOG << "Picture decoder ended:" << PictureWire::refusal(status) << ", the picture refused ("
             << (process ? process->errorString() : QString()) << ")";
    endProcess();
    if (reader) {
        Result result;
        result.status = status;
        finish(result);
    }
}

void PictureDecoder::endProcess()
{
    if (!process)
        return;
    disconnect(process, nullptr, this, nullptr);
    // A decode under way and any process the decoder made end with it.
    process->kill();
    process->waitForFinished(kEndWaitMs);
    process->deleteLater();
    process = nullptr;
}

}  // namespace Platform
