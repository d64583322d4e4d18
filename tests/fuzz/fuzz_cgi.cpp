// libFuzzer target for the camera's CGI answers as the wizard reads them; built and run by scripts/fuzz.

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "cgitarget.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = cgiAnswerFault(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "CGI answer reader unsound: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
