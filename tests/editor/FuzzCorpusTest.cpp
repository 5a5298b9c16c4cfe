// The inputs the editor's fuzzers kept, replayed through the same runs (tests/support): the
// diagram's paste from the clipboard and the upload's decoding, cutting and drawing, each
// leaving a document that saves to a file that opens again; and the open corpora opened,
// painted and previewed.
#include "support/CorpusReplay.h"
#include "support/OpenPaint.h"
#include "support/PasteRoundTrip.h"
#include "support/UploadDraw.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

// Every file of the open corpora and the golden project files; a file that hung the first paint
// (open-paint-corpus) among them.
TEST(EditorFuzzCorpus, OpenedFilesPaintAndPreview)
{
    std::vector<corpus_replay::Input> inputs;
    for (const char* pszCorpus : {"open-paint-corpus", "open-corpus", "open-simulate-corpus"}) {
        for (auto& input : corpus_replay::ReadCorpus(Corpus(pszCorpus)))
            inputs.push_back(std::move(input));
    }
    for (auto& input : corpus_replay::ReadCorpus(Corpus("golden"))) {
        const std::string strExtension = std::filesystem::path(input.name).extension().string();
        if (strExtension == ".dfb" || strExtension == ".dld")
            inputs.push_back(std::move(input));
    }
    int nPainted = 0;
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        nPainted += open_paint::Run(input.bytes.data(), input.bytes.size()) == open_paint::Outcome::Painted;
    }
    EXPECT_GT(nPainted, 8);
}

} // namespace
