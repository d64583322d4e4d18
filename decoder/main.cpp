// The picture decoder: started by the wizard from its own folder, it reads requests from its standard
// input and writes each answer to its standard output (base/picturewire.h), one picture at a time, each
// decoded by Qt's readers in a process of its own (decoder/sandbox.h). It ends at the end of its input, at a
// request it cannot read, and with the wizard. Run with PictureWire::kKeeperArgument, it is a decoder's keeper
// instead.

#include <csignal>
#include <cstring>

#include <errno.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/picturewire.h"
#include "decoder/decode.h"
#include "decoder/sandbox.h"

using PictureWire::Status;

namespace {

// Exit statuses: a decode's process the kernel refused its sandbox; the input is no request. The decoder's own,
// when the kernel refuses it its sandbox, are PictureWire::Unconfined's.
constexpr int kNotConfined = 3;
constexpr int kNoRequest = 2;

bool readFully(char* data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const ssize_t n = read(STDIN_FILENO, data + done, size_t(size - done));
        if (n == 0 || (n < 0 && errno != EINTR))
            return false;
        done += n > 0 ? n : 0;
    }
    return true;
}

bool writeFully(const char* data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const ssize_t n = write(STDOUT_FILENO, data + done, size_t(size - done));
        if (n < 0 && errno != EINTR)
            return false;
        done += n > 0 ? n : 0;
    }
    return true;
}

bool answerRefusal(Status status, quint32 detail)
{
    const QByteArray header = PictureWire::answerHeader(status, detail, 0, 0, 0, 0);
    return writeFully(header.constData(), header.size());
}

// How a decode's process ended, when it ended without an answer.
bool answerEnd(int status)
{
    if (!WIFSIGNALED(status))
        return answerRefusal(Status::Crashed, 0);
    const int signal = WTERMSIG(status);
    if (signal == SIGXCPU || signal == SIGKILL)  // its CPU timer, or the kernel's soft, then hard limit
        return answerRefusal(Status::OutOfTime, quint32(signal));
    return answerRefusal(signal == SIGSYS ? Status::Forbidden : Status::Crashed, quint32(signal));
}

// Decodes picture in a process of its own, which writes its answer to memory shared with this one: the
// first 8 bytes its length, then the answer.
bool answer(const QByteArray& picture, const PictureWire::Limits& limits)
{
    const qint64 capacity = PictureWire::mostAnswerBytes(limits);
    const size_t shared = size_t(8 + capacity);
    void* memory = mmap(nullptr, shared, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return answerRefusal(Status::NotDecoded, 0);
    char* out = static_cast<char*>(memory);
    std::memset(out, 0, 8);
    const pid_t decoder = getpid();
    const pid_t child = fork();
    if (child == 0) {
        if (!Sandbox::confineDecode(decoder, quint64(picture.size()) + shared, quint64(limits.memoryMiB) << 20,
                                    limits.cpuMs))
            _exit(kNotConfined);
        const qint64 length = decodePicture(picture, limits, out + 8);
        std::memcpy(out, &length, 8);
        _exit(0);
    }
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    qint64 length = 0;
    std::memcpy(&length, out, 8);
    bool written;
    if (child < 0)
        written = answerRefusal(Status::NotDecoded, 0);
    else if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && length >= PictureWire::kAnswerHeader &&
             length <= capacity)
        written = writeFully(out + 8, length);
    else
        written = answerEnd(status);
    munmap(memory, shared);
    return written;
}

// The keeper of a decoder's process group, where the kernel gives the decoder no PID namespace: the decoder's
// child, started by the wizard's code before the decoder runs, every signal blocked and one to come once the
// decoder ends (platform/decoderprocess.h). Then it ends the group: every process the decoder made, which the
// decoder's filter keeps in it, and itself.
int keepGroup()
{
    sigset_t all;
    sigfillset(&all);
    while (sigwaitinfo(&all, nullptr) < 0 && errno == EINTR) {
    }
    kill(0, SIGKILL);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], PictureWire::kKeeperArgument) == 0)
        return keepGroup();
    // The event dispatcher of a thread of Qt's (decoder/decode.cpp): Qt's own, whose event counter the
    // filter allows, not GLib's, which needs more.
    qputenv("QT_NO_GLIB", "1");
    loadReaders();
    if (const PictureWire::Unconfined refused = Sandbox::confineDecoder(); refused != PictureWire::Unconfined::None)
        return int(refused);
    for (;;) {
        char header[PictureWire::kRequestHeader];
        if (!readFully(header, sizeof header))
            return 0;
        PictureWire::Limits limits;
        quint32 bytes = 0;
        if (!PictureWire::readRequestHeader(header, &limits, &bytes))
            return kNoRequest;
        QByteArray picture(int(bytes), Qt::Uninitialized);
        if (!readFully(picture.data(), bytes) || !answer(picture, limits))
            return kNoRequest;
    }
}
