#ifndef PICTUREDECODER_H
#define PICTUREDECODER_H

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>
#include <memory>

#include "base/picturewire.h"

class QTimer;

namespace Platform {

class DecoderProcess;

// Pictures from outside decoded by the decoder program (tolmdecoder, in the program's folder), one at a
// time, each within the limits it is asked with: this process reads none of their bytes as a picture. A
// decoder that crashes, ends, answers out of the protocol or has not answered by kDeadlineMs costs the
// picture it had (refused, logged) and is ended with every process it made (platform/decoderprocess.h); the
// next picture gets a new one. A decoder ends with the thread that started it, the one this object lives on.
class PictureDecoder : public QObject
{
    Q_OBJECT
public:
    struct Result
    {
        PictureWire::Status status = PictureWire::Status::NotStarted;
        QVector<QImage> frames;  // RGBA8888, all of one size
        QVector<int> delays;     // in milliseconds, as the picture gives them
        int loops = 0;           // Qt's loop count: -1 for ever
        qint64 elapsedMs = 0;    // from its turn to its answer
        qint64 cpuMs = -1;       // the decoder's CPU time in that while, its decode's included; -1 when not known
        bool decoded() const { return status == PictureWire::Status::Decoded; }
    };
    using Done = std::function<void(const Result&)>;

    // The wall-clock deadline of one decode: well past its CPU time on a loaded machine.
    static constexpr int kDeadlineMs = 20000;

    // The decoder is program (by default tolmdecoder in the program's folder), its deadline deadlineMs.
    explicit PictureDecoder(QObject* parent = nullptr, const QString& program = QString(),
                            int deadlineMs = kDeadlineMs);
    ~PictureDecoder() override;

    // Decodes picture within limits once those asked before are done; done runs then, unless context
    // has gone (its picture is then not decoded).
    void decode(const QByteArray& picture, const PictureWire::Limits& limits, QObject* context, Done done);
    // A picture waits or is being decoded.
    bool busy() const { return !queue.isEmpty(); }
    // Starts the decoder ahead of the first picture, so that its start (its readers loaded) overlaps
    // with what comes before.
    void start();

private:
    struct Asked
    {
        QByteArray request;
        PictureWire::Limits limits;
        QPointer<QObject> context;
        bool hasContext = false;
        Done done;
    };
    void next();
    void read();
    void finish(Result result);
    void fail(PictureWire::Status status);
    // Logs why no decoder runs (its first few times in full).
    void notRun(const QString& why);
    void endProcess();

    QString decoderProgram;  // tolmdecoder in the program's folder, whatever stands for it
    QString program;
    int deadlineMs;
    DecoderProcess* process = nullptr;
    QTimer* deadline;
    QList<Asked> queue;  // its first is being decoded while reader is set
    std::unique_ptr<PictureWire::AnswerReader> reader;
    QElapsedTimer clock;
    qint64 cpuAtTurn = -1;  // the decoder's CPU time when the picture's turn came
};

}  // namespace Platform

#endif  // PICTUREDECODER_H
