// libFuzzer target for the catalogue's reader; built and run by scripts/fuzz.

#include <cstdio>
#include <cstdlib>

#include "cataloguetarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = catalogueFault(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "catalogue reader unsound: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
