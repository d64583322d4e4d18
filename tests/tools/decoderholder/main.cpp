// decoderholder <decoder> [nobody] [no-user-namespaces] [no-filters] [decode=<picture>]: starts the decoder program
// through the wizard's own Platform::PictureDecoder, ahead of a first picture, and holds it until killed. "nobody":
// run as nobody (65534) when started as root; "no-user-namespaces": the kernel refuses this process any user
// namespace, as a container's filter or a system's settings may; "no-filters": it refuses seccomp filters, as a
// kernel without them does; "decode=": decodes the picture in that file as the camera's snapshot instead, prints
// "decoded <width>x<height>" or the refusal, and ends. The decoder's keeper is tolmdecoder beside this program.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <sched.h>

#include <grp.h>
#include <linux/seccomp.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <unistd.h>

#include "platform/picturedecoder.h"

namespace {

// What the kernel refuses this process and what it starts: user namespaces, filters.
bool refuse(bool userNamespaces, bool filters)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter)
        return false;
    int failed = 0;
    if (userNamespaces) {
        failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
        for (int call : {SCMP_SYS(clone), SCMP_SYS(unshare)})
            failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), call, 1,
                                       SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_NEWUSER, CLONE_NEWUSER));
    }
    if (filters) {
        failed |= seccomp_rule_add(filter, SCMP_ACT_ERRNO(EINVAL), SCMP_SYS(seccomp), 0);
        failed |=
            seccomp_rule_add(filter, SCMP_ACT_ERRNO(EINVAL), SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_SET_SECCOMP));
    }
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
    const bool userNamespaces = options.contains("no-user-namespaces"), filters = options.contains("no-filters");
    if (argc < 2 || ((userNamespaces || filters) && !refuse(userNamespaces, filters)))
        return 2;
    if (options.contains("nobody") && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
        return 3;
    QCoreApplication app(argc, argv);
    Platform::PictureDecoder decoder(nullptr, QString::fromLocal8Bit(argv[1]));
    const QStringList decode = options.filter(QRegularExpression("^decode="));
    if (decode.isEmpty()) {
        decoder.start();
        return app.exec();
    }
    QFile picture(decode.first().mid(7));
    if (!picture.open(QIODevice::ReadOnly))
        return 2;
    const PictureWire::Limits snapshot{PictureWire::Jpeg, 4096 * 4096, 1, 2000, 384};
    decoder.decode(picture.readAll(), snapshot, nullptr, [](const Platform::PictureDecoder::Result& result) {
        if (result.decoded())
            std::printf("decoded %dx%d\n", result.frames.first().width(), result.frames.first().height());
        else
            std::printf("%s\n", PictureWire::refusal(result.status));
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);  // it may come at once
    });
    return app.exec();
}
