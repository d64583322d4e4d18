#include "platform/decoderprocess.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/picturewire.h"

namespace Platform {

namespace {

using Hold = DecoderProcess::Hold;

// The ways tried in turn, each with the namespaces its clone makes.
struct Way
{
    Hold hold;
    unsigned long namespaces;
};
constexpr Way kWays[] = {
    {Hold::Namespaces, CLONE_NEWUSER | CLONE_NEWPID},
    {Hold::PidNamespace, CLONE_NEWPID},
    {Hold::Keeper, 0},
};
// As root, the ids its user namespace maps to themselves: root, as which the decoder starts (it reads its
// program's folder as root does), and nobody, as which it runs once its readers are loaded (decoder/sandbox.cpp).
constexpr char kRootsIds[] = "0 0 1\n65534 65534 1\n";
// Where this program's own user namespace has no nobody (one that maps root alone, as `unshare -r` makes it),
// root alone: the decoder then stays root there, with no capability.
constexpr char kRootAlone[] = "0 0 1\n";
// The most of its output read at one turn of the event loop: its pipe's size.
constexpr qint64 kReadTurnBytes = 1024 * 1024;
// A process killed ends at once; its end is waited for no longer than this.
constexpr int kEndWaitMs = 1000;
// Where the child's descriptors wait while they are put in their places.
constexpr int kAside = 10;

// What the process clone makes uses, all made before: it runs nothing but system calls until it runs the program.
struct Child
{
    const char* program;
    char* const* arguments;
    const char* keeper;
    char* const* keeperArguments;
    int input = -1;  // its standard input, output and error
    int output = -1;
    int errors = -1;
    int go = -1;    // read once its ids are mapped
    int told = -1;  // where it writes why it did not run the program; closed as it runs it
    Hold hold = Hold::Namespaces;
};

// The decoder's keeper, made by vfork in its child before the program runs there: in its group, every signal
// blocked, the one its parent's end sends pending until the keeper program takes it.
[[noreturn]] void runKeeper(const Child& child, int nothing, pid_t decoder)
{
    static char* const none[] = {nullptr};
    sigset_t all;
    sigfillset(&all);
    if (sigprocmask(SIG_SETMASK, &all, nullptr) == 0 && prctl(PR_SET_PDEATHSIG, SIGTERM) == 0 && getppid() == decoder &&
        dup2(nothing, STDIN_FILENO) >= 0 && dup2(nothing, STDOUT_FILENO) >= 0 && dup2(nothing, STDERR_FILENO) >= 0 &&
        close_range(STDERR_FILENO + 1, ~0U, 0) == 0)
        execve(child.keeper, child.keeperArguments, none);
    // No keeper: nothing of the decoder runs without one.
    kill(0, SIGKILL);
    _exit(127);
}

[[noreturn]] void runChild(const Child& child)
{
    static char* const none[] = {nullptr};
    char go = 0;
    if (read(child.go, &go, 1) != 1)  // this program has given it up
        _exit(127);
    const int input = fcntl(child.input, F_DUPFD_CLOEXEC, kAside);
    const int output = fcntl(child.output, F_DUPFD_CLOEXEC, kAside);
    const int errors = fcntl(child.errors, F_DUPFD_CLOEXEC, kAside);
    const int told = fcntl(child.told, F_DUPFD_CLOEXEC, kAside);
    const rlimit tasks{DecoderProcess::kMostTasks, DecoderProcess::kMostTasks};
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    // Its processes ended with this program's thread, held to its own session and group, counted apart.
    bool ready = input >= 0 && output >= 0 && errors >= 0 && told >= 0 && setsid() >= 0 &&
                 prctl(PR_SET_PDEATHSIG, SIGKILL) == 0 &&
                 (child.hold != Hold::Namespaces || setrlimit(RLIMIT_NPROC, &tasks) == 0) &&
                 sigaction(SIGPIPE, &standard, nullptr) == 0;
    if (ready && child.hold == Hold::Keeper) {
        const pid_t decoder = getpid();
        const pid_t keeper = vfork();
        if (keeper == 0)
            runKeeper(child, errors, decoder);
        ready = keeper > 0;
    }
    int report = told;
    if (ready && dup2(input, STDIN_FILENO) >= 0 && dup2(output, STDOUT_FILENO) >= 0 &&
        dup2(errors, STDERR_FILENO) >= 0 && (report = dup3(told, STDERR_FILENO + 1, O_CLOEXEC)) >= 0 &&
        close_range(STDERR_FILENO + 2, ~0U, 0) == 0)
        execve(child.program, child.arguments, none);
    const int failure = errno;
    [[maybe_unused]] const ssize_t written = write(report >= 0 ? report : told, &failure, sizeof failure);
    _exit(127);
}

// Whether the ids were written to the map file at path (a map the kernel refused stays unwritten).
bool mapped(const QByteArray& path, const char* ids)
{
    const int fd = open(path.constData(), O_WRONLY | O_CLOEXEC);
    const qint64 size = qint64(std::strlen(ids));
    const bool written = fd >= 0 && write(fd, ids, size_t(size)) == size;
    const int failure = errno;
    if (fd >= 0)
        close(fd);
    errno = failure;
    return written;
}

// As root, its ids mapped, root alone where nobody cannot be (*rootAlone then set): 0, or why the kernel refused.
int mapIds(qint64 pid, bool* rootAlone)
{
    for (const char* map : {"uid_map", "gid_map"}) {
        const QByteArray path = "/proc/" + QByteArray::number(pid) + "/" + map;
        if (mapped(path, kRootsIds))
            continue;
        if (!mapped(path, kRootAlone))
            return errno;
        *rootAlone = true;
    }
    return 0;
}

// Makes the child the way asks (as root, its ids mapped, *rootAlone set when root alone): its id, its pidfd in
// *fd; or -1, why in *failure.
long made(const Way& way, Child child, int* fd, int* failure, bool* rootAlone)
{
    child.hold = way.hold;
    const long cloned = syscall(SYS_clone, way.namespaces | CLONE_PIDFD | SIGCHLD, nullptr, fd, nullptr, nullptr);
    if (cloned == 0)
        runChild(child);
    *failure = cloned < 0 ? errno : way.hold == Hold::Namespaces && geteuid() == 0 ? mapIds(cloned, rootAlone) : 0;
    if (cloned > 0 && *failure != 0) {
        ::kill(pid_t(cloned), SIGKILL);
        waitpid(pid_t(cloned), nullptr, 0);
        close(*fd);
    }
    return *failure == 0 ? cloned : -1;
}

// Tells the child to go, then waits until it runs the program: false, why in *failure, when it did not.
bool ran(int go, int told, int* failure)
{
    [[maybe_unused]] const ssize_t sent = write(go, "g", 1);
    ssize_t n = 0;
    while ((n = read(told, failure, sizeof *failure)) < 0 && errno == EINTR) {
    }
    return n == 0;  // closed as it ran the program
}

// A write to a pipe whose reader has gone fails instead of ending this program (as Qt's processes have it).
void ignoreBrokenPipes()
{
    static const bool ignored = [] {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        return sigaction(SIGPIPE, &ignore, nullptr) == 0;
    }();
    Q_UNUSED(ignored)
}

void closeFd(int* fd)
{
    if (*fd >= 0)
        close(*fd);
    *fd = -1;
}

}  // namespace

DecoderProcess::DecoderProcess(QObject* parent)
    : QObject(parent)
{}

DecoderProcess::~DecoderProcess()
{
    blockSignals(true);
    kill();
    waitForFinished(kEndWaitMs);
    closeAll();
}

bool DecoderProcess::start(const QString& program, const QString& keeper)
{
    ignoreBrokenPipes();
    QByteArray path = QFile::encodeName(program), keeperPath = QFile::encodeName(keeper);
    QByteArray keeperArgument(PictureWire::kKeeperArgument);
    char* arguments[] = {path.data(), nullptr};
    char* keeperArguments[] = {keeperPath.data(), keeperArgument.data(), nullptr};
    int in[2] = {-1, -1}, out[2] = {-1, -1}, go[2] = {-1, -1}, told[2] = {-1, -1};
    int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const bool piped = nothing >= 0 && pipe2(in, O_CLOEXEC) == 0 && pipe2(out, O_CLOEXEC) == 0 &&
                       pipe2(go, O_CLOEXEC) == 0 && pipe2(told, O_CLOEXEC) == 0;
    int failure = piped ? 0 : errno;
    Child child{path.constData(), arguments, keeperPath.constData(), keeperArguments};
    child.input = in[0];
    child.output = out[1];
    child.errors = nothing;
    child.go = go[0];
    child.told = told[1];
    QStringList refused;  // why the kernel refused each way before the one taken
    for (const Way& way : kWays) {
        if (!piped)
            break;
        pid = made(way, child, &pidFd, &failure, &rootAlone);
        if (pid > 0) {
            held = way.hold;
            break;
        }
        refused << QString::fromLocal8Bit(std::strerror(failure));
    }
    for (int* end : {&in[0], &out[1], &go[0], &told[1], &nothing})
        closeFd(end);
    const bool started = pid > 0;
    if (started && !ran(go[1], told[0], &failure)) {
        waitpid(pid_t(pid), nullptr, 0);
        closeFd(&pidFd);
        pid = 0;
    }
    for (int* end : {&go[1], &told[0]})
        closeFd(end);
    if (pid <= 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(failure));
        error = !piped    ? why
                : started ? QString("%1 cannot be run: %2").arg(program, why)
                          : "the kernel refused every way to start it: " + refused.join(", ");
        closeFd(&in[1]);
        closeFd(&out[0]);
        return false;
    }
    if (held != Hold::Namespaces)
        note = QString("Picture decoder runs without a user namespace of its own (%1): its processes are bounded by "
                       "its user's own limit alone%2. Allowing user namespaces (sysctl user.max_user_namespaces) "
                       "bounds them.")
                   .arg(refused.join(", "),
                        held == Hold::Keeper ? ", and a keeper, not a PID namespace, ends them with it" : QString());
    else if (rootAlone)
        note = "Picture decoder runs as this program's user, root in a user namespace of its own that maps root alone: "
               "the user namespace this program runs in has no nobody (65534) to become. It holds no capability; "
               "the system's root has no limit of processes.";
    input = in[1];
    output = out[0];
    fcntl(input, F_SETFL, fcntl(input, F_GETFL) | O_NONBLOCK);
    fcntl(output, F_SETFL, fcntl(output, F_GETFL) | O_NONBLOCK);
    exitNotifier = new QSocketNotifier(pidFd, QSocketNotifier::Read, this);
    connect(exitNotifier, &QSocketNotifier::activated, this, &DecoderProcess::ended);
    outputNotifier = new QSocketNotifier(output, QSocketNotifier::Read, this);
    connect(outputNotifier, &QSocketNotifier::activated, this, [this] {
        if (readOutput())
            emit readyRead();
    });
    inputNotifier = new QSocketNotifier(input, QSocketNotifier::Write, this);
    inputNotifier->setEnabled(false);
    connect(inputNotifier, &QSocketNotifier::activated, this, &DecoderProcess::writeInput);
    return true;
}

void DecoderProcess::write(const QByteArray& bytes)
{
    if (input < 0)
        return;
    toWrite += bytes;
    writeInput();
}

void DecoderProcess::writeInput()
{
    while (written < toWrite.size()) {
        const ssize_t n = ::write(input, toWrite.constData() + written, size_t(toWrite.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            written = toWrite.size();  // it has closed its input: what it has not read is lost
        if (n < 0)
            break;
        written += n;
    }
    if (written == toWrite.size()) {
        toWrite.clear();
        written = 0;
    }
    inputNotifier->setEnabled(!toWrite.isEmpty());
}

QString DecoderProcess::whyNotRun() const
{
    return pidFd < 0 && WIFEXITED(status) ? QString::fromLatin1(PictureWire::unconfined(WEXITSTATUS(status)))
                                          : QString();
}

QByteArray DecoderProcess::readAll()
{
    QByteArray bytes;
    bytes.swap(outputBytes);
    return bytes;
}

bool DecoderProcess::readOutput()
{
    const int before = outputBytes.size();
    char chunk[64 * 1024];
    while (output >= 0 && outputBytes.size() - before < kReadTurnBytes) {
        const ssize_t n = ::read(output, chunk, sizeof chunk);
        if (n > 0)
            outputBytes.append(chunk, int(n));
        else if (n == 0)
            outputNotifier->setEnabled(false);  // its output closed: nothing more comes
        if (n <= 0 && (n == 0 || errno != EINTR))
            break;
    }
    return outputBytes.size() > before;
}

void DecoderProcess::kill()
{
    if (pidFd < 0)
        return;
    // Its group while it leads it (not yet waited for), and it.
    ::kill(pid_t(-pid), SIGKILL);
    ::kill(pid_t(pid), SIGKILL);
}

bool DecoderProcess::waitForFinished(int ms)
{
    if (pidFd < 0)
        return true;
    pollfd ended{pidFd, POLLIN, 0};
    int n = 0;
    while ((n = poll(&ended, 1, ms)) < 0 && errno == EINTR) {
    }
    if (n <= 0)
        return false;
    this->ended();
    return true;
}

void DecoderProcess::ended()
{
    if (pidFd < 0)
        return;
    // Any process left of its group, which it leads until waited for.
    ::kill(pid_t(-pid), SIGKILL);
    waitpid(pid_t(pid), &status, 0);
    closeAll();
    emit finished();
}

void DecoderProcess::closeAll()
{
    for (QSocketNotifier* notifier : {exitNotifier, inputNotifier, outputNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    exitNotifier = inputNotifier = outputNotifier = nullptr;
    for (int* fd : {&pidFd, &input, &output})
        closeFd(fd);
    toWrite.clear();
    written = 0;
}

}  // namespace Platform
