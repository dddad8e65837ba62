// libFuzzer target: reading a WinSpeed set (the records and the two lists beside them).
#include <cstdio>
#include <cstdlib>

#include "winspeed_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString problem =
        CheckWinSpeedInput(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
