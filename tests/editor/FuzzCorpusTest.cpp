// The inputs the editor's fuzzers kept, replayed through the same runs (tests/support): the
// diagram's paste from the clipboard and the upload's decoding, cutting and drawing. Each
// leaves a document that saves to a file that opens again.
#include "support/CorpusReplay.h"
#include "support/PasteRoundTrip.h"
#include "support/UploadDraw.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Corpus(const char* pszName) { return std::string(QARVO_FUZZ_CORPUS_DIR) + "/" + pszName; }

TEST(EditorFuzzCorpus, PastedDiagramsSaveToFilesThatOpen)
{
    int nPasted = 0;
    for (const auto& input : corpus_replay::ReadCorpus(Corpus("paste-corpus"))) {
        const auto outcome = paste_round_trip::Run(input.bytes.data(), input.bytes.size());
        EXPECT_NE(outcome, paste_round_trip::Outcome::SaveDoesNotReopen) << input.name;
        nPasted += outcome == paste_round_trip::Outcome::Pasted;
    }
    EXPECT_GT(nPasted, 0);
}

TEST(EditorFuzzCorpus, UploadedImagesDrawAndReopen)
{
    int nDrawn = 0;
    for (const auto& input : corpus_replay::ReadCorpus(Corpus("upload-corpus"))) {
        const auto outcome = upload_draw::Run(input.bytes.data(), input.bytes.size());
        EXPECT_NE(outcome, upload_draw::Outcome::DoesNotReopen) << input.name;
        nDrawn += outcome == upload_draw::Outcome::Drawn;
    }
    EXPECT_GT(nDrawn, 0);
}

} // namespace
