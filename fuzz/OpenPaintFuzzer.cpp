// libFuzzer target of a file opened and shown (support/OpenPaint.h): the view's paint at the
// file's zoom, the first page of the print preview, and a run of a few hundred scans with the
// value popup of every analog input and contact. A hang, a run out of memory and every
// sanitizer report are findings. Seeds: tests/data/open-paint-corpus, open-corpus,
// open-simulate-corpus and the golden project files tests/data/golden/*.dfb, *.dld.
#include "support/OpenPaint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    open_paint::Run(pData, nSize);
    return 0;
}
