// The picture decoder's confinement tried from within: a process confined as the decoder is (and, in a process
// it makes, as a decode is, on its own thread or the one thread of Qt's pool) tries one call. Run as root, the
// process first holds what a program run as root may lend it beyond its user: groups, an inheritable and an
// ambient capability; confined, it must hold none of it.

#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "base/picturewire.h"
#include "decoder/sandbox.h"

namespace {

// A decode's CPU time here: one that spins is killed at it.
constexpr quint32 kDecodeCpuMs = 500;

enum Who
{
    Decoder,
    Decode,
    DecodeThread,
    Orphan,  // the decoder once the program that started it has ended
};

// Whether what, in a child of this process, returned true.
bool inChild(const std::function<bool()>& what)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(what() ? 0 : 1);
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && status == 0;
}

bool cloned(unsigned long flags)
{
    const long child = syscall(SYS_clone, flags | SIGCHLD, nullptr, nullptr, nullptr, nullptr);
    if (child == 0)
        _exit(0);
    return child > 0;
}

// Whether this process could map, beyond its space, the most a request and its decode take and byMiB more.
bool mapped(int byMiB)
{
    const PictureWire::Limits most{PictureWire::kAllFormats, PictureWire::kMostPixels, PictureWire::kMostFrames,
                                   PictureWire::kMostCpuMs, PictureWire::kMostMemoryMiB};
    const qint64 bytes = PictureWire::kMostBytes + PictureWire::mostAnswerBytes(most) +
                         (qint64(PictureWire::kMostMemoryMiB + byMiB) << 20);
    return mmap(nullptr, size_t(bytes), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0) != MAP_FAILED;
}

// The calls, each true when it did what it asked.
const QHash<QString, std::function<bool()>> kCalls = {
    {"nothing", [] { return true; }},
    {"open", [] { return open("/dev/null", O_RDONLY) >= 0; }},
    {"socket", [] { return socket(AF_INET, SOCK_DGRAM, 0) >= 0; }},
    {"exec", [] { return execl("/bin/true", "true", nullptr) == 0; }},
    {"ptrace", [] { return ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0; }},
    {"kill", [] { return kill(getpid(), 0) == 0; }},
    {"its limits", [] { return prlimit(0, RLIMIT_CPU, nullptr, nullptr) == 0; }},
    {"another's limits",  // a plain child's of its decoder's, of the same user
     [] {
         return inChild([] {
             rlimit cpu{};
             return prlimit(getppid(), RLIMIT_CPU, nullptr, &cpu) == 0;
         });
     }},
    {"undumpable", [] { return prctl(PR_SET_DUMPABLE, 0) == 0; }},
    {"its parent-death signal SIGKILL", [] { return prctl(PR_SET_PDEATHSIG, SIGKILL) == 0; }},
    {"no parent-death signal", [] { return prctl(PR_SET_PDEATHSIG, 0) == 0; }},
    {"the parent-death signal SIGTERM", [] { return prctl(PR_SET_PDEATHSIG, SIGTERM) == 0; }},
    {"the parent-death signal SIGUSR1", [] { return prctl(PR_SET_PDEATHSIG, SIGUSR1) == 0; }},
    {"the parent-death signal 1", [] { return prctl(PR_SET_PDEATHSIG, 1) == 0; }},
    {"the parent-death signal SIGRTMAX", [] { return prctl(PR_SET_PDEATHSIG, SIGRTMAX) == 0; }},
    {"the address space of a request of the most but 8 MiB", [] { return mapped(-8); }},
    {"8 MiB past the address space of a request of the most", [] { return mapped(8); }},
    {"dumpable", [] { return prctl(PR_SET_DUMPABLE, 1) == 0; }},
    {"subreaper", [] { return prctl(PR_SET_CHILD_SUBREAPER, 1) == 0; }},
    {"fork and wait", [] { return inChild([] { return true; }); }},
    {"thread",
     [] {
         pthread_t thread;
         return pthread_create(
                    &thread, nullptr, [](void*) -> void* { return nullptr; }, nullptr) == 0 &&
                pthread_join(thread, nullptr) == 0;
     }},
    {"CLONE_PARENT", [] { return cloned(CLONE_PARENT); }},
    {"CLONE_NEWUSER", [] { return cloned(CLONE_NEWUSER); }},
    {"CLONE_NEWUSER | CLONE_NEWNET", [] { return cloned(CLONE_NEWUSER | CLONE_NEWNET); }},
    {"setsid", [] { return setsid() >= 0; }},
    {"setpgid", [] { return setpgid(0, 0) == 0; }},
    {"a filter's listener",
     [] {
         sock_filter allow = BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW);
         sock_fprog program{1, &allow};
         return syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &program) >= 0;
     }},
    {"notification sizes",
     [] {
         seccomp_notif_sizes sizes{};
         return syscall(SYS_seccomp, SECCOMP_GET_NOTIF_SIZES, 0, &sizes) == 0;
     }},
    {"a plain child's CPU time past a decode's most",
     [] {
         return inChild([] {
             rlimit cpu{};
             return getrlimit(RLIMIT_CPU, &cpu) == 0 && cpu.rlim_cur > PictureWire::kMostCpuMs / 1000 + 1;
         });
     }},
    // The first timer a process makes is its timer 0: a decode's, of its CPU time.
    {"its CPU timer disarmed",
     [] {
         const itimerspec none{};
         return syscall(SYS_timer_settime, 0, 0, &none, nullptr) == 0;
     }},
    {"its CPU timer deleted", [] { return syscall(SYS_timer_delete, 0) == 0; }},
    {"spinning past a decode's CPU time, every signal blocked",
     [] {
         sigset_t all;
         sigfillset(&all);
         sigprocmask(SIG_BLOCK, &all, nullptr);
         timespec cpu{};
         while (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu) == 0 && cpu.tv_sec * 1000 + cpu.tv_nsec / 1000000 < 900) {
         }
         return true;
     }},
    {"a timer of another clock",
     [] {
         sigevent event{};
         event.sigev_notify = SIGEV_NONE;
         timer_t timer;
         return timer_create(CLOCK_MONOTONIC, &event, &timer) == 0;
     }},
    {"two tasks on Qt's pool",
     [] {
         QSemaphore done;
         for (int task = 0; task < 2; ++task)
             QThreadPool::globalInstance()->start([&done] { done.release(); });
         done.acquire(2);
         return true;
     }},
    {"its input and output",
     [] {
         char c = 0;
         return read(STDIN_FILENO, &c, 1) == 1 && write(STDOUT_FILENO, &c, 1) == 1;
     }},
};

void lendRootsPrivileges()
{
    const gid_t groups[] = {0, 4};
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, caps) != 0)
        _exit(4);
    caps[0].inheritable |= 1u << CAP_NET_RAW;
    if (setgroups(2, groups) != 0 || syscall(SYS_capset, &header, caps) != 0 ||
        prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_RAISE, CAP_NET_RAW, 0, 0) != 0)
        _exit(4);
}

// Of a process's status, what it holds of a privileged program's: its capabilities, and as root its
// bounding set, user, group and groups.
QStringList held(const QByteArray& status, bool root)
{
    QStringList kept;
    for (const QByteArray& line : status.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const QByteArray& key = fields.first();
        if ((key.startsWith("Cap") && (root || key != "CapBnd:") && fields.value(1).toULongLong(nullptr, 16)) ||
            ((key == "Uid:" || key == "Gid:") && fields.contains("0")) ||
            (root && key == "Groups:" && fields.size() > 1))
            kept << key;
    }
    return kept;
}

QString ended(int status)
{
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return code == 0               ? "allowed"
           : code == 1             ? "refused"
           : code == 128 + SIGSYS  ? "ended"
           : code == 128 + SIGKILL ? "killed"
                                   : QString::number(code);
}

// How who's try of call ended: "allowed", "refused" (the call failed), "ended" (by its filter); an orphan
// "gone with its program". The decoder's status once confined in *status.
QString probe(Who who, const std::function<bool()>& call, QByteArray* status)
{
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        return "no pipes";
    const pid_t made = fork();
    if (made == 0) {
        const pid_t orphan = who == Orphan ? fork() : 0;
        if (orphan > 0) {  // the program, ending once its decoder is confined
            char c = 0;
            _exit(read(out[0], &c, 1) == 1 && write(out[1], &orphan, sizeof orphan) == sizeof orphan ? 0 : 1);
        }
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        if (geteuid() == 0)
            lendRootsPrivileges();
        char go = 0;
        if (Sandbox::confineDecoder() != PictureWire::Unconfined::None || write(STDOUT_FILENO, "c", 1) != 1 ||
            read(STDIN_FILENO, &go, 1) != 1)
            _exit(3);
        if (who != Decode && who != DecodeThread)
            _exit(call() ? 0 : 1);
        const pid_t decoder = getpid();
        const pid_t decode = fork();
        if (decode == 0) {
            if (!Sandbox::confineDecode(decoder, 0, 64 << 20, kDecodeCpuMs))
                _exit(3);
            if (who == Decode)
                _exit(call() ? 0 : 1);
            bool got = false;
            QSemaphore done;
            QThreadPool::globalInstance()->start([&] {
                got = call();
                done.release();
            });
            done.acquire();
            _exit(got ? 0 : 1);
        }
        int decoded = 0;
        waitpid(decode, &decoded, 0);
        _exit(WIFEXITED(decoded) ? WEXITSTATUS(decoded) : 128 + WTERMSIG(decoded));
    }
    close(in[0]);
    close(out[1]);
    int end = 0;
    pid_t orphan = 0;
    if (who == Orphan) {
        waitpid(made, &end, 0);
        const bool told = read(out[0], &orphan, sizeof orphan) == sizeof orphan;
        close(in[1]);  // the go it waits for, should it live
        close(out[0]);
        return told && waitpid(orphan, &end, 0) == orphan && WIFSIGNALED(end) && WTERMSIG(end) == SIGKILL
                   ? "gone with its program"
                   : ended(end);
    }
    char c = 0;
    if (read(out[0], &c, 1) == 1) {
        QFile proc(QString("/proc/%1/status").arg(made));
        *status = proc.open(QIODevice::ReadOnly) ? proc.readAll() : QByteArray();
    }
    const bool went = write(in[1], "gg", 2) == 2;
    close(in[1]);
    const bool waited = waitpid(made, &end, 0) == made;
    close(out[0]);
    return waited && went ? ended(end) : "lost";
}

}  // namespace

class TestSandbox : public QObject
{
    Q_OBJECT
private slots:
    // The decoder's orphan comes back to this process, which sees how it ended.
    void initTestCase() { QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }

    void probe_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("outcome");
        const auto row = [](Who who, const char* call, const char* outcome) {
            static const char* const names[] = {"the decoder", "a decode", "a decode's pool thread", "the orphan"};
            QTest::addRow("%s: %s", names[who], call) << int(who) << QString(call) << QString(outcome);
        };
        // A decode's calls refused as ever; asking for a thread or a process ends it, on either of its threads.
        for (const char* call : {"open", "socket", "exec", "ptrace", "kill", "its limits", "undumpable",
                                 "its CPU timer disarmed", "its CPU timer deleted"})
            row(Decode, call, "refused");
        row(Decode, "fork and wait", "ended");
        row(Decode, "spinning past a decode's CPU time, every signal blocked", "killed");
        row(Decode, "thread", "ended");
        row(Decode, "two tasks on Qt's pool", "allowed");
        row(DecodeThread, "nothing", "allowed");
        row(DecodeThread, "open", "refused");
        row(DecodeThread, "fork and wait", "ended");
        row(DecodeThread, "thread", "ended");
        // The decoder: what its work needs, and nothing beyond; of the parent-death signals SIGKILL alone, which
        // it can neither catch nor ignore.
        for (const char* call :
             {"its input and output", "fork and wait", "thread", "its limits", "undumpable",
              "its parent-death signal SIGKILL", "the address space of a request of the most but 8 MiB"})
            row(Decoder, call, "allowed");
        for (const char* call :
             {"open", "another's limits", "dumpable", "subreaper", "CLONE_PARENT", "CLONE_NEWUSER",
              "CLONE_NEWUSER | CLONE_NEWNET", "setsid", "setpgid", "a filter's listener", "notification sizes",
              "a plain child's CPU time past a decode's most", "no parent-death signal",
              "the parent-death signal SIGTERM", "the parent-death signal SIGUSR1", "the parent-death signal 1",
              "the parent-death signal SIGRTMAX", "8 MiB past the address space of a request of the most",
              "a timer of another clock"})
            row(Decoder, call, "refused");
        row(Orphan, "nothing", "gone with its program");
    }

    void probe()
    {
        QFETCH(int, who);
        QFETCH(QString, call);
        QByteArray status;
        QTEST(::probe(Who(who), kCalls.value(call), &status), "outcome");
        if (who != Orphan) {
            QVERIFY(status.contains("Seccomp:\t2"));
            QCOMPARE(held(status, geteuid() == 0), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestSandbox)
#include "tst_sandbox.moc"
