#ifndef DECODERPROCESS_H
#define DECODERPROCESS_H

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace Platform {

// The picture decoder's process, run so that none of the processes it makes outlives this program, which the
// kernel sees to. The decoder is the first process of a PID namespace of its own, in a user namespace of its own:
// once it ends, the kernel ends every process of its namespace; it ends with the thread that started it (its
// parent-death signal, set before it runs), however this program ends; and the processes and threads of its user
// there are counted alone, at most kMostTasks. As root the namespace maps root and nobody (65534) to themselves, so
// that the decoder can become nobody; where this program's own user namespace has no nobody (one that maps root
// alone), root alone, and the decoder stays root there, with no capability. Where the kernel refuses a user namespace,
// root's decoder still gets a PID namespace (its processes not counted apart); where it refuses both, the decoder's
// keeper, a process beside it in its group (the decoder run with PictureWire::kKeeperArgument, its child, every signal
// blocked), ends the group once the decoder ends: the decoder's filter keeps every process it makes in the group and
// from signalling the keeper. In every case the decoder leads a session and process group of its own, which kill() ends
// with it, gets no environment, its input and output are pipes to this program and its errors go nowhere.
class DecoderProcess : public QObject
{
    Q_OBJECT
public:
    // How its processes are held: the first way the kernel allows, in this order.
    enum class Hold
    {
        Namespaces,
        PidNamespace,
        Keeper,
    };
    // The processes and threads of the decoder's user in its namespaces: the decoder, a decode and the one
    // thread of the decode, and one to spare.
    static constexpr int kMostTasks = 4;

    explicit DecoderProcess(QObject* parent = nullptr);
    // Kills it, as kill() does.
    ~DecoderProcess() override;

    // Starts program, keeper being the decoder program (which a stand-in may stand for); false when it could
    // not start, errorString() telling why.
    bool start(const QString& program, const QString& keeper);
    qint64 processId() const { return pid; }
    QString errorString() const { return error; }
    // Once started, how it is held where that is less than namespaces of its own with nobody in them, for the log;
    // else "".
    QString holdNote() const { return note; }
    // Once it has ended, what the kernel refused it when it ended for want of its confinement, before it read a
    // request (PictureWire::Unconfined); else "".
    QString whyNotRun() const;
    // Written as it takes it.
    void write(const QByteArray& bytes);
    // What it wrote so far, since the last call.
    QByteArray readAll();
    // Kills it and every process of its group (of its namespace, too).
    void kill();
    // Waits at most ms for its end; true once it has ended.
    bool waitForFinished(int ms);

signals:
    void readyRead();
    // It ended, whatever ended it; what it wrote and was not yet read is dropped.
    void finished();

private:
    // Reads what it wrote, a turn's worth at most; true when there was something.
    bool readOutput();
    void writeInput();
    // Once it has ended: the rest of its group killed, it waited for, everything closed.
    void ended();
    void closeAll();

    qint64 pid = 0;
    int pidFd = -1;
    int input = -1;   // its standard input's writing end
    int output = -1;  // its standard output's reading end
    Hold held = Hold::Namespaces;
    bool rootAlone = false;  // its user namespace maps root alone
    int status = 0;          // as waitpid gave it, once it has ended
    QString error;
    QString note;
    QByteArray toWrite;
    qint64 written = 0;  // of toWrite
    QByteArray outputBytes;
    QSocketNotifier* exitNotifier = nullptr;
    QSocketNotifier* inputNotifier = nullptr;
    QSocketNotifier* outputNotifier = nullptr;
};

}  // namespace Platform

#endif  // DECODERPROCESS_H
