// libFuzzer target for the DCP receive path; built and run by scripts/fuzz.

#include <QCoreApplication>

#include "datagramtarget.h"

namespace {

void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return feedDcpFuzzInput(data, size);
}
