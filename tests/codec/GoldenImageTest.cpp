// A diagram with one block of every type code a generation offers, encoded and compared byte for
// byte with the image kept in tests/data/golden. Before the images were kept, a sample of their
// records was checked by hand against the record layouts; those records are asserted in
// RecordsCheckedByHand, so that a new recording cannot silently change them.
// QARVO_RECORD_GOLDEN=1 writes the images anew.
#include "CodecTestSupport.h"
#include "support/CorpusReplay.h"

#include "blocks/BlockTypeTable.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string GoldenPath(const std::string& strFile)
{
    return std::string(QARVO_GOLDEN_DIR) + "/" + strFile;
}

class EveryType : public CodecDiagram, public testing::WithParamInterface<bool> {
protected:
    EveryType() : CodecDiagram(GetParam() ? kNewerHardware : kOlderHardware) {}

    void BuildCatalogue() { m_types = BuildEveryTypeCatalogue(); }

    std::string FileName() const { return GetParam() ? "image-newer-catalogue.bin" : "image-older-catalogue.bin"; }

    std::vector<int> m_types;
};

// Each function-block type alone, its inputs open, whether or not the generation's palette
// offers it (a file or a paste may bring it): a failure names the type whose record does not fit.
TEST_P(EveryType, EachTypeFitsItsRecord)
{
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType))
            continue;
        CVetlaDoc doc;
        doc.m_wHardwareCode = Doc().m_wHardwareCode;
        doc.AddBlock(CreateBlockForType(row.nType, nullptr, &doc));
        CVetlaCoreRule codec;
        codec.m_pDoc = &doc;
        ASSERT_TRUE(codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, row.nType == BT_MSGTEXT ? 1 : 0));
        EXPECT_TRUE(BuildProgramImage(codec, kStamp).bOk) << row.nType;
    }
}

TEST_P(EveryType, MatchesTheKeptImage)
{
    BuildCatalogue();
    const EncodeResult result = Encode();
    ASSERT_TRUE(result.bOk) << result.nMessageId;
    const Bytes image = WholeImage(Codec());
    const std::string strPath = GoldenPath(FileName());
    if (std::getenv("QARVO_RECORD_GOLDEN")) {
        std::ofstream(strPath, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                       std::streamsize(image.size()));
        GTEST_SKIP() << "recorded " << strPath;
    }
    const Bytes kept = corpus_replay::ReadBytes(strPath);
    ASSERT_EQ(kept.size(), image.size());
    for (std::size_t i = 0; i < image.size(); ++i)
        ASSERT_EQ(int(image[i]), int(kept[i])) << "first difference at byte " << i;
}

// Block numbers run from 9000 in code order; every digital input is I1 (00 00), the second one
// negated (00 04), every analog input AI1 (00 80); protection is off by default (flag 0x40).
TEST_P(EveryType, RecordsCheckedByHand)
{
    BuildCatalogue();
    ASSERT_TRUE(Encode().bOk);
    const auto record = [this](int nOffset, int nBytes) { return SectionBytes("J", nOffset, nBytes); };
    // AND 9000: header, four inputs, the gate's unused last word.
    EXPECT_EQ(record(0, 12), (Bytes{0x01, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
    // On-delay 9008: trigger, time word 0 in seconds:hundredths, own index.
    EXPECT_EQ(record(84, 8), (Bytes{0x21, 0x40, 0x00, 0x00, 0x00, 0x40, 0x08, 0x00}));
    if (!GetParam()) {
        // Off-delay 9009: trigger, reset, time, own index, then the second end slot's zeros.
        EXPECT_EQ(record(92, 12), (Bytes{0x22, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x40, 0x09, 0x00, 0x00, 0x00}));
        // Yearly timer 9019, older layout: on day and month, off day and month, own index.
        EXPECT_EQ(record(224, 8), (Bytes{0x2E, 0x40, 0x01, 0x01, 0x01, 0x01, 0x13, 0x00}));
        // Counter 9020: three inputs, on and off as 32 bits, own index with bit 15, six zeros.
        EXPECT_EQ(record(232, 24), (Bytes{0x2B, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0,
                                          0x14, 0x80, 0, 0, 0, 0, 0, 0}));
        // Comparator 9023: Ax, Ay, thresholds, gain 1.00 as 100, offset, setting, own index with
        // bit 15 and six zeros.
        EXPECT_EQ(record(296, 24), (Bytes{0x36, 0x40, 0x00, 0x80, 0x00, 0x80, 0, 0, 0, 0, 0x64, 0x00, 0, 0, 0, 0,
                                          0x17, 0x80, 0, 0, 0, 0, 0, 0}));
        // Message text 9030: no slot yet (0xFF), image text 0, own index.
        EXPECT_EQ(record(404, 8), (Bytes{0x34, 0x40, 0x00, 0x00, 0xFF, 0x00, 0x1E, 0x00}));
        return;
    }
    // Yearly timer 9019, newer layout: on day, month and year 2000, off day, month and year
    // 2099, options (yearly), 0, own index.
    EXPECT_EQ(record(224, 14),
              (Bytes{0x2E, 0x40, 0x01, 0x01, 0xD0, 0x07, 0x01, 0x01, 0x33, 0x08, 0x40, 0x00, 0x13, 0x00}));
    // Analog math: En, V1-V4, the three operators, the priorities (first 2, second 1: 2 | 1 << 2),
    // the setting word, and the two bytes before its end slot.
    EXPECT_EQ(record(506, 20), (Bytes{0x44, 0x40, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x00, 0x06,
                                      0x00, 0x00, 0x00, 0x00}));
    // Analog filter: Ax, samples 3 + 3, the first filter (0), two zeros.
    EXPECT_EQ(record(626, 8), (Bytes{0x47, 0x40, 0x00, 0x80, 0x06, 0x00, 0x00, 0x00}));
    // WiFi write: En, In, mode 0, channel 0 + 1, index, further setting, two zeros.
    EXPECT_EQ(record(694, 12), (Bytes{0x65, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00}));
    // Array operation: constant, the operand AM1 as its source code high byte first, count 1.
    EXPECT_EQ(record(850, 12), (Bytes{0x19, 0x40, 0x00, 0x00, 0x00, 0xA0, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

INSTANTIATE_TEST_SUITE_P(Generations, EveryType, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Newer" : "Older"; });

} // namespace
