// libFuzzer target of the LCD grid's paste (support/LcdPasteRun.h): any clipboard text leaves
// every double-width character whole. A broken pair, and every sanitizer report, is a finding.
// Seeds: tests/data/lcd-paste-corpus.
#include "support/LcdPasteRun.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (!lcd_paste_run::Run(pData, nSize)) {
        std::fprintf(stderr, "a double-width character lost a half\n");
        std::abort();
    }
    return 0;
}
