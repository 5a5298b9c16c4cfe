// libFuzzer target of Undo's reload of a snapshot (support/SnapshotReload.h): a refused
// snapshot leaves the document as it was, a reloaded one saves to a file that opens again.
// Seeds: tests/data/snapshot-corpus.
#include "support/SnapshotReload.h"

#include "blocks/MessageTextClasses.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    switch (snapshot_reload::Run(pData, nSize)) {
    case snapshot_reload::Outcome::RefusalChangedDocument:
        std::fprintf(stderr, "a refused snapshot changed the document\n");
        std::abort();
    case snapshot_reload::Outcome::SaveDoesNotReopen:
        std::fprintf(stderr, "the reloaded document does not open again\n");
        std::abort();
    default:
        return 0;
    }
}
