// decoderholder <decoder> [nobody] [no-user-namespaces]: starts the decoder program through the wizard's own
// Platform::PictureDecoder, ahead of a first picture, and holds it until killed. "nobody": run as nobody (65534)
// when started as root; "no-user-namespaces": the kernel refuses this process any user namespace, as a container's
// filter or a system's settings may.

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <sched.h>

#include <grp.h>
#include <seccomp.h>
#include <unistd.h>

#include "platform/picturedecoder.h"

namespace {

bool refuseUserNamespaces()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter)
        return false;
    int failed = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
    for (int call : {SCMP_SYS(clone), SCMP_SYS(unshare)})
        failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), call, 1,
                                   SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_NEWUSER, CLONE_NEWUSER));
    const bool loaded = failed == 0 && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return loaded;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList options;
    for (int i = 2; i < argc; ++i)
        options << QString::fromLocal8Bit(argv[i]);
    if (argc < 2 || (options.contains("no-user-namespaces") && !refuseUserNamespaces()))
        return 2;
    if (options.contains("nobody") && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
        return 3;
    QCoreApplication app(argc, argv);
    Platform::PictureDecoder decoder(nullptr, QString::fromLocal8Bit(argv[1]));
    decoder.start();
    return app.exec();
}
