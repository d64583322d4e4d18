// libFuzzer target for the DCP receive path; built and run by scripts/fuzz.

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "datagramtarget.h"

namespace {

void silent(QtMsgType, const QMessageLogContext&, const QString&)
{}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    feedDcpFuzzInput(data, size);
    const QString fault = dcpStateFault();
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "camera list unsound: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
