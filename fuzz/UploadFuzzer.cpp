// libFuzzer target of the upload's end (support/UploadDraw.h): an image decoded into a view's
// document, the crossing wires cut and the diagram drawn. A decoded document that does not open
// again, and every sanitizer report, is a finding. Seeds: tests/data/upload-corpus (small
// programs, and images whose cut once took seconds).
#include "support/UploadDraw.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (upload_draw::Run(pData, nSize) == upload_draw::Outcome::DoesNotReopen) {
        std::fprintf(stderr, "the uploaded document does not open again\n");
        std::abort();
    }
    return 0;
}
