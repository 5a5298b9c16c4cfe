// The program image's sections, starting contents and buffer sizes, and the codec's buffers by
// transfer mode.
#include "CodecTestSupport.h"

#include <algorithm>

namespace {

// Where each section lies is the kept images' business; here, that the sections tile buffer 0
// without overlap and that the records have buffer 1.
TEST(ImageLayout, SectionsTileBuffer0)
{
    EXPECT_EQ(FindImageSection("J")->nBuffer, 1);
    EXPECT_EQ(FindImageSection("X"), nullptr);
    int nEnd = 0;
    for (const ImageSection& s : ImageSections()) {
        if (s.nBuffer != 0)
            continue;
        EXPECT_EQ(s.nOffset, nEnd) << s.pszName;
        nEnd = s.nOffset + s.nSize;
    }
    EXPECT_EQ(nEnd, IMAGE_BUFFER0_BYTES);
}

TEST(ImageLayout, Buffer1IsTheProgramRoundedUpTo128)
{
    EXPECT_EQ(ImageBuffer1Bytes(0), 128);
    EXPECT_EQ(ImageBuffer1Bytes(1), 128);
    EXPECT_EQ(ImageBuffer1Bytes(128), 128);
    EXPECT_EQ(ImageBuffer1Bytes(129), 256);
    EXPECT_EQ(ImageBuffer1Bytes(24576), 24576);
    EXPECT_EQ(ImageBuffer1Bytes(30000), 24576);
}

TEST(ImageLayout, DownloadPresetClearsLcCAndPw)
{
    Bytes buffer(IMAGE_BUFFER0_BYTES, 0x12);
    PresetImageBuffer0(buffer);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.begin() + 1024, [](BYTE b) { return b == 0; }));
    for (int i = 3584; i < 5632; ++i)
        ASSERT_EQ(buffer[std::size_t(i)], (i - 3584) % 16 == 0 ? 0xFF : 0x00) << i;
    EXPECT_TRUE(std::all_of(buffer.begin() + 8256, buffer.begin() + 8512, [](BYTE b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(buffer.begin() + 1024, buffer.begin() + 3584, [](BYTE b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(buffer.begin() + 5632, buffer.begin() + 8256, [](BYTE b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(buffer.begin() + 8512, buffer.end(), [](BYTE b) { return b == 0xFF; }));
}

TEST(ImageLayout, TextAreaPresetMarksRowsAndSpaces)
{
    Bytes area(2 * IMAGE_TEXT_BLOCK_BYTES, 0);
    PresetTextArea(area);
    for (int nText = 0; nText < 2; ++nText) {
        const int nBase = nText * IMAGE_TEXT_BLOCK_BYTES;
        for (int nRow = 0; nRow < 8; ++nRow)
            EXPECT_EQ(area[std::size_t(nBase + nRow * 32 + 28)], 0);
        EXPECT_EQ(area[std::size_t(nBase + 27)], 0xFF);
        EXPECT_EQ(area[std::size_t(nBase + 256)], 0x20);
        EXPECT_EQ(area[std::size_t(nBase + 257)], 0x00);
        EXPECT_EQ(area[std::size_t(nBase + 638)], 0x20);
        EXPECT_EQ(area[std::size_t(nBase + 640)], 0xFF);
    }
}

class CodecBuffers : public CodecDiagram {};

TEST_F(CodecBuffers, ClearModeGivesOneBufferOf8576Bytes)
{
    ASSERT_TRUE(Codec().AllocImageBuffers(CODEC_MODE_CLEAR, 3));
    EXPECT_EQ(Codec().Wire(0).size(), 8576u);
    EXPECT_TRUE(std::ranges::all_of(Codec().Wire(0), [](BYTE b) { return b == 0xFF; }));
    EXPECT_TRUE(Codec().Image(0).empty());
    EXPECT_TRUE(Codec().Image(1).empty());
    EXPECT_TRUE(Codec().TextArea().empty());
}

TEST_F(CodecBuffers, DownloadSizesBuffer1FromTheProgram)
{
    Codec().m_pDoc = &Doc();
    ASSERT_TRUE(Codec().AllocImageBuffers(CODEC_MODE_DOWNLOAD, 0));
    EXPECT_EQ(Codec().m_nImageSize1, 128);
    EXPECT_EQ(Codec().Image(1).size(), 128u);
    EXPECT_EQ(Codec().Wire(1).size(), 128u);
    EXPECT_TRUE(Codec().TextArea().empty());
    EXPECT_EQ(Codec().Image(0)[0], 0);
    EXPECT_EQ(Codec().Wire(0)[3584], 0xFF);
    EXPECT_EQ(Codec().Wire(0)[3585], 0);
}

TEST_F(CodecBuffers, DownloadWithoutADocumentFails)
{
    EXPECT_FALSE(Codec().AllocImageBuffers(CODEC_MODE_DOWNLOAD, 0));
    EXPECT_FALSE(Codec().AllocImageBuffers(0, 0));
}

TEST_F(CodecBuffers, UploadFillsEveryBufferWith0xFF)
{
    Codec().m_nImageSize1 = 256;
    ASSERT_TRUE(Codec().AllocImageBuffers(CODEC_MODE_UPLOAD, 2));
    EXPECT_EQ(Codec().Image(1).size(), 256u);
    EXPECT_TRUE(std::ranges::all_of(Codec().Image(0), [](BYTE b) { return b == 0xFF; }));
    EXPECT_EQ(Codec().TextArea().size(), 2u * IMAGE_TEXT_BLOCK_BYTES);
    EXPECT_EQ(Codec().WireTextArea().size(), 2u * IMAGE_TEXT_BLOCK_BYTES);
}

TEST_F(CodecDiagram, EmptyProgramGivesTheHeaderAndAnEmptyBuffer1)
{
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Codec().Image(1).size(), 128u);
    EXPECT_TRUE(std::ranges::all_of(Codec().Image(1), [](BYTE b) { return b == 0xFF; }));
    // (10240 + 128) / 2 = 5184 = 0x1440.
    EXPECT_EQ(SectionBytes("PS"), (Bytes{0x40, 0x14}));
    EXPECT_EQ(SectionBytes("LC", 0, 2), (Bytes{0x40, 0x14}));
    EXPECT_EQ(SectionBytes("E", 0, 2), (Bytes{0xFF, 0xFF}));
}

} // namespace
