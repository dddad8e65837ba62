// libFuzzer target: reading a workbook (a whole file, or a worksheet put into a package).
#include <cstdio>
#include <cstdlib>

#include "workbook_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString problem =
        CheckWorkbookInput(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
