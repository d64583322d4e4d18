#include "decoder/sandbox.h"

#include <csignal>
#include <cstdio>
#include <initializer_list>

#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kAnswerPipeBytes = 1024 * 1024;

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
    // Threads: Qt converts a large picture in its thread pool (one thread, see loadReaders). The C library
    // makes one with clone once clone3 is missing; Qt gives it an event dispatcher, which wakes it through
    // an event counter of its own (eventfd).
    failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
    failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
                               SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD | CLONE_VM, CLONE_THREAD | CLONE_VM));
    for (int call : {SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(sched_yield), SCMP_SYS(eventfd2)})
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0);
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

}  // namespace

namespace Sandbox {

bool confineDecoder()
{
    // Ended with the program that started it.
    const pid_t parent = getppid();
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        return false;
    closefrom(STDERR_FILENO + 1);
    // A larger pipe for the answers: fewer turns of the program's event loop for a picture's pixels.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kAnswerPipeBytes);
    confinedSpace = addressSpace();
    scmp_filter_ctx filter = baseFilter();
    int failed = filter ? 0 : 1;
    if (filter) {
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(read), 1, SCMP_A0(SCMP_CMP_EQ, STDIN_FILENO));
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(write), 1, SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
        // A process for each decode; its limits and filter; the wait for its end.
        failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
                                   SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD | CLONE_VM, 0));
        for (int call : {SCMP_SYS(wait4), SCMP_SYS(prctl), SCMP_SYS(seccomp), SCMP_SYS(prlimit64), SCMP_SYS(getppid)})
            failed |= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0);
    }
    return load(filter, failed == 0);
}

bool confineDecode(qint64 parent, quint64 taken, quint64 memoryBytes, quint32 cpuSeconds)
{
    // No core file and no debugger of the same user; ended with the decoder.
    if (prctl(PR_SET_DUMPABLE, 0) != 0 || prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        return false;
    const rlim_t space = rlim_t(confinedSpace + taken + memoryBytes);
    if (!limit(RLIMIT_CORE, 0, 0) || !limit(RLIMIT_AS, space, space) || !limit(RLIMIT_CPU, cpuSeconds, cpuSeconds + 1))
        return false;
    return load(baseFilter(), true);
}

}  // namespace Sandbox
