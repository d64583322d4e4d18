// libFuzzer target for the reader of the picture decoder's answer; built and run by scripts/fuzz.

#include <cstdio>
#include <cstdlib>

#include "answertarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = answerFault(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "answer reader unsound: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
