// libFuzzer target of a file opened and then used (support/OpenSimulateEncode.h): simulated,
// drawn, converted from ladder and encoded for a download. Every sanitizer report is a finding.
// Seeds: tests/data/open-simulate-corpus and the golden project files tests/data/golden/*.dfb,
// *.dld.
#include "support/OpenSimulateEncode.h"

#include "blocks/BlockFactory.h"
#include "blocks/MessageTextClasses.h"
#include "document/BlockNameMap.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    CVetlaDoc::InitBlockCaptions();
    InitBlockNames();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    open_simulate_encode::Run(pData, nSize);
    return 0;
}
