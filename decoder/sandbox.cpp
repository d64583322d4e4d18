#include "decoder/sandbox.h"

#include <QSemaphore>
#include <QThreadPool>

#include <csignal>
#include <cstdio>
#include <initializer_list>

#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include "base/picturewire.h"

namespace {

constexpr int kAnswerPipeBytes = 1024 * 1024;
// Started as root, the decoder runs as the system's unprivileged user and group ("nobody", "nogroup").
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
// The flags of the C library's clone for a fork and for a thread: the only processes and threads made.
constexpr scmp_datum_t kForkFlags = CLONE_CHILD_SETTID | CLONE_CHILD_CLEARTID | SIGCHLD;
constexpr scmp_datum_t kThreadFlags = CLONE_VM | CLONE_FS | CLONE_FILES | CLONE_SIGHAND | CLONE_THREAD | CLONE_SYSVSEM |
                                      CLONE_SETTLS | CLONE_PARENT_SETTID | CLONE_CHILD_CLEARTID;
// The flags a decode's filter is never loaded with: all but libseccomp's for a filter of every thread (with
// TSYNC_ESRCH where the kernel has it); no listener's descriptor, say.
constexpr scmp_datum_t kForeignFilterFlags = ~scmp_datum_t(SECCOMP_FILTER_FLAG_TSYNC | SECCOMP_FILTER_FLAG_TSYNC_ESRCH);

// The answer's length, before it in the memory a decode shares with the decoder (decoder/main.cpp).
constexpr quint64 kAnswerLengthBytes = 8;

// The decoder's address space when it was confined.
quint64 confinedSpace = 0;

quint64 addressSpace()
{
    unsigned long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return quint64(pages) * quint64(sysconf(_SC_PAGESIZE));
}

// A filter refusing every call (EPERM) but those both kinds of process make: memory, never executable;
// futexes; signal masks and returns; clocks; their end.
scmp_filter_ctx baseFilter()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (!filter)
        return nullptr;
    int failed = 0;
    for (int call : {SCMP_SYS(brk), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(madvise), SCMP_SYS(futex),
                     SCMP_SYS(rt_sigreturn), SCMP_SYS(rt_sigprocmask), SCMP_SYS(clock_gettime), SCMP_SYS(getpid),
                     SCMP_SYS(gettid), SCMP_SYS(exit), SCMP_SYS(exit_group)})
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0);
    for (int call : {SCMP_SYS(mmap), SCMP_SYS(mprotect)})
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    if (failed) {
        seccomp_release(filter);
        return nullptr;
    }
    return filter;
}

bool load(scmp_filter_ctx filter, bool added)
{
    const bool loaded = filter && added && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return loaded;
}

bool limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit value{soft, hard};
    return setrlimit(resource, &value) == 0;
}

// Kills this process once its threads together have run ms milliseconds of CPU time (a millisecond at least), with
// SIGKILL, which it can neither block nor catch: a timer of its own CPU clock, made by the kernel's calls themselves
// (the C library's timer_create names the clock in a form of its own, which the decoder's filter does not allow).
bool killedAfter(quint32 ms)
{
    sigevent event{};
    event.sigev_notify = SIGEV_SIGNAL;
    event.sigev_signo = SIGKILL;
    const quint32 at = qMax(ms, 1u);
    const itimerspec value{{0, 0}, {time_t(at / 1000), long(at % 1000) * 1000000L}};
    int timer = -1;
    return syscall(SYS_timer_create, CLOCK_PROCESS_CPUTIME_ID, &event, &timer) == 0 &&
           syscall(SYS_timer_settime, timer, 0, &value, nullptr) == 0;
}

// Whether this user namespace refuses its root a change of its groups for good, as one that maps root alone
// (`unshare -r`) does: its setgroups file reads "deny".
bool groupsFixed()
{
    char text[8] = {};
    FILE* file = std::fopen("/proc/self/setgroups", "r");
    const bool read = file && std::fgets(text, sizeof text, file);
    if (file)
        std::fclose(file);
    return read && QByteArray(text).trimmed() == "deny";
}

// Every capability and, as root, the user and its groups; false when one stays. Only a process holding
// CAP_SETPCAP can empty its bounding set; without it there is nothing the set could grant, the filter
// refusing every program and no_new_privs set. In a user namespace that has no nobody (one that maps root alone)
// root stays the user it is, as do its groups where the namespace refuses their change: it holds no capability
// all the same.
bool dropPrivileges()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct held[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, held) != 0)
        return false;
    if (held[0].effective & (1u << CAP_SETPCAP)) {
        for (int cap = 0; prctl(PR_CAPBSET_READ, cap) >= 0; ++cap) {
            if (prctl(PR_CAPBSET_DROP, cap) != 0)
                return false;
        }
    }
    uid_t real = 0, effective = 0, saved = 0;
    if (getresuid(&real, &effective, &saved) != 0)
        return false;
    // EINVAL: an id this user namespace does not map.
    if ((real == 0 || effective == 0 || saved == 0) &&
        ((setgroups(0, nullptr) != 0 && !(errno == EPERM && groupsFixed())) ||
         (setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 && errno != EINVAL) ||
         (setresuid(kNobody, kNobody, kNobody) != 0 && errno != EINVAL)))
        return false;
    const __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3] = {};
    return syscall(SYS_capset, &header, none) == 0;
}

}  // namespace

namespace Sandbox {

PictureWire::Unconfined confineDecoder()
{
    using PictureWire::Unconfined;
    const pid_t parent = getppid();
    closefrom(STDERR_FILENO + 1);
    // A larger pipe for the answers: fewer turns of the program's event loop for a picture's pixels.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kAnswerPipeBytes);
    confinedSpace = addressSpace();
    // Ended with the program that started it, asked once its user has changed (the change clears it).
    if (!dropPrivileges() || prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        return Unconfined::Privileges;
    // Neither it nor a process it makes that the decode's filter does not confine (a plain child) runs longer
    // than a decode may: killed then, with no core file (a decode lowers its limits below these).
    const rlim_t most = PictureWire::kMostCpuMs / 1000 + 1;
    if (!limit(RLIMIT_CPU, most, most))
        return Unconfined::Limits;
    // Nor does any take more address space than its own and a request of the most and its decode: the most a
    // decode's limits may reach.
    const PictureWire::Limits mostAsked{PictureWire::kAllFormats, PictureWire::kMostPixels, PictureWire::kMostFrames,
                                        PictureWire::kMostCpuMs, PictureWire::kMostMemoryMiB};
    const rlim_t space =
        rlim_t(confinedSpace + PictureWire::kMostBytes + kAnswerLengthBytes +
               quint64(PictureWire::mostAnswerBytes(mostAsked)) + (quint64(PictureWire::kMostMemoryMiB) << 20));
    if (!limit(RLIMIT_AS, space, space))
        return Unconfined::Limits;
    scmp_filter_ctx filter = baseFilter();
    int failed = filter ? 0 : 1;
    if (filter) {
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(read), 1, SCMP_A0(SCMP_CMP_EQ, STDIN_FILENO));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(write), 1, SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
        // A process for each decode and the one thread it starts, as the C library makes them (with clone
        // once clone3 is missing); the thread's start (its robust futexes, restartable sequences and Qt's
        // event dispatcher, woken through an event counter); the wait for the decode's end.
        failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
        for (scmp_datum_t flags : {kForkFlags, kThreadFlags})
            failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1, SCMP_A0(SCMP_CMP_EQ, flags));
        for (int call :
             {SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(eventfd2), SCMP_SYS(wait4), SCMP_SYS(getppid)})
            failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0);
        // The decode's confinement as confineDecode sets it: its parent checked, its own limits (process 0), the
        // timer of its own CPU clock, its options and its filter.
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), 1, SCMP_A0(SCMP_CMP_EQ, 0));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(timer_create), 1,
                                   SCMP_A0(SCMP_CMP_EQ, CLOCK_PROCESS_CPUTIME_ID));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(timer_settime), 0);
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), 2, SCMP_A0(SCMP_CMP_EQ, PR_SET_DUMPABLE),
                                   SCMP_A1(SCMP_CMP_EQ, 0));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), 2, SCMP_A0(SCMP_CMP_EQ, PR_SET_PDEATHSIG),
                                   SCMP_A1(SCMP_CMP_EQ, SIGKILL));
        failed |=
            seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_SET_NO_NEW_PRIVS));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(seccomp), 2,
                                   SCMP_A0(SCMP_CMP_EQ, SECCOMP_SET_MODE_FILTER),
                                   SCMP_A1(SCMP_CMP_MASKED_EQ, kForeignFilterFlags, 0));
    }
    return load(filter, failed == 0) ? Unconfined::None : Unconfined::Filter;
}

bool confineDecode(qint64 parent, quint64 taken, quint64 memoryBytes, quint32 cpuMs)
{
    // No core file and no debugger of the same user; ended with the decoder.
    if (prctl(PR_SET_DUMPABLE, 0) != 0 || prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        return false;
    const rlim_t space = rlim_t(confinedSpace + taken + memoryBytes);
    // Its CPU time: killed at its millisecond by its timer, which its filter keeps it from changing; the kernel's
    // limit, of whole seconds, holds it to the next whole second as well (SIGXCPU, then SIGKILL a second later).
    const rlim_t seconds = (cpuMs + 999) / 1000;
    if (!limit(RLIMIT_CORE, 0, 0) || !limit(RLIMIT_AS, space, space) || !limit(RLIMIT_CPU, seconds, seconds + 1) ||
        !killedAfter(cpuMs))
        return false;
    // The one thread of Qt's pool, started while the decoder's filter allows it: Qt converts a large picture
    // on it and makes no other, which this filter refuses (the decode ended, not left waiting for a thread
    // that never runs).
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(1);
    QSemaphore started;
    pool->start([&started] { started.release(); });
    started.acquire();
    scmp_filter_ctx filter = baseFilter();
    int failed = filter ? 0 : 1;
    if (filter) {
        for (int call : {SCMP_SYS(clone), SCMP_SYS(clone3)})
            failed |= seccomp_rule_add(filter, SCMP_ACT_KILL_PROCESS, call, 0);
        failed |= seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1);
    }
    return load(filter, failed == 0);
}

}  // namespace Sandbox
