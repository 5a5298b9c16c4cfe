// Message texts in section C (older generation) and in the message-text area (newer), and the
// double-byte conversions they use.
#include "CodecTestSupport.h"

#include "codec/MultiByteText.h"

namespace {

TEST(MultiByteText, ConvertsThroughGbkAndBig5)
{
    EXPECT_EQ(ToDoubleByte(u'\u4E2D', MultiBytePage::Gbk936), 0xD6D0);
    EXPECT_EQ(ToDoubleByte(u'\u6587', MultiBytePage::Gbk936), 0xCEC4);
    EXPECT_EQ(ToDoubleByte(u'\u4E2D', MultiBytePage::Big5_950), 0xA4A4);
    EXPECT_EQ(ToDoubleByte(u'\u6587', MultiBytePage::Big5_950), 0xA4E5);
    // A single-byte character has no double-byte form.
    EXPECT_EQ(ToDoubleByte(u'A', MultiBytePage::Gbk936), 0);
}

class OlderTexts : public CodecDiagram {
protected:
    CBlockMSGTEXT* Text() { return static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT)); }
};

TEST_F(OlderTexts, LinesWithoutElementsAreLcdCodes)
{
    Text();
    CBlockMSGTEXT* pText = Text();
    pText->m_strCells1[1][1] = _T("A");
    pText->m_strCells1[1][2] = _T("1");
    pText->m_strCells1[1][3] = _T(" ");
    pText->m_strCells1[1][4] = _T("-");
    ASSERT_TRUE(Encode().bOk);
    // The second text, line 1.
    EXPECT_EQ(SectionBytes("C", 64, 16),
              (Bytes{1, 0, 'A', '1', 0x5B, 124, 0x5B, 0x5B, 0x5B, 0x5B, 0x5B, 0x5B, 0x5B, 0x5B, 0, 0}));
    // Its record gives the slot number and the text's place in the image.
    const Bytes record = SectionBytes("J", 8, 8);
    EXPECT_EQ(record[0], 0x34);
}

TEST_F(OlderTexts, ParameterElementNamesItsBlock)
{
    CBlockObj* pTimer = Block(BT_DPR);
    CBlockMSGTEXT* pText = Text();
    // The on-delay's first entry (id 0), as the page places it.
    PlaceElement(*pText, 1, 1, 3, 0, pTimer->m_nNumber, 4)->m_nParamId = 0;
    pText->m_strCells1[1][1] = _T("T");
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("C", 0, 8), (Bytes{2, 2, 0x00, 0x00, 0x21, 0x00, 0x00, 'T'}));
}

TEST_F(OlderTexts, LineKindFollowsTheParameterId)
{
    CBlockObj* pTimer = Block(BT_DPR);
    CBlockMSGTEXT* pText = Text();
    // The timer's second entry (id 4), then the message text's own ids 34 and 3.
    PlaceElement(*pText, 1, 1, 1, 1, pTimer->m_nNumber, 7)->m_nParamId = 4;
    PlaceElement(*pText, 1, 2, 1, 0, pText->m_nNumber, 7)->m_nParamId = 34;
    PlaceElement(*pText, 1, 3, 1, 3, pText->m_nNumber, 7)->m_nParamId = 3;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("C", 0, 6), (Bytes{2, 0, 0x00, 0x00, 0x21, 0x01}));
    EXPECT_EQ(SectionBytes("C", 16, 2), (Bytes{3, 0}));
    EXPECT_EQ(SectionBytes("C", 32, 2), (Bytes{6, 0}));
}

class NewerTexts : public NewerCodecDiagram {};

TEST_F(NewerTexts, CellsAreCharactersWithAttributes)
{
    Doc().m_nCharSet1 = 0;  // simplified Chinese
    Doc().m_nCharSet2 = 1;  // traditional Chinese
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    pText->m_strCells1[1][1] = _T("A");
    pText->m_strCells1[1][2] = u"\u4E2D";
    pText->m_strCells1[2][1] = u"\u20AC";
    pText->m_strCells2[1][1] = u"\u4E2D";
    for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
        pText->m_nMsgSettings[i] = 10 + i;
    ASSERT_TRUE(Encode().bOk);
    const std::span<const BYTE> area = Codec().TextArea();
    ASSERT_EQ(area.size(), 1280u);
    // Screen 1, row 1: "A", then the double-byte character over two cells.
    EXPECT_EQ(area[0], 1);
    EXPECT_EQ(area[1], 0x61);
    EXPECT_EQ(Bytes(area.begin() + 256, area.begin() + 262), (Bytes{0x41, 0x00, 0xD0, 0xD6, 0x20, 0x00}));
    // Row 2: the euro sign's LCD symbol.
    EXPECT_EQ(area[32], 1);
    EXPECT_EQ(Bytes(area.begin() + 256 + 48, area.begin() + 258 + 48), (Bytes{0x0E, 0x00}));
    // Screen 2 in Big5.
    EXPECT_EQ(area[128], 0x51);
    EXPECT_EQ(Bytes(area.begin() + 448, area.begin() + 450), (Bytes{0xA4, 0xA4}));
    // The settings, seven per screen: column 27 of row 1, column 28 of each row, columns 29
    // and 30 of row 1; the other setting columns keep their preset.
    EXPECT_EQ(area[27], 10);
    EXPECT_EQ(area[28], 11);
    EXPECT_EQ(area[3 * 32 + 28], 14);
    EXPECT_EQ(area[29], 15);
    EXPECT_EQ(area[30], 16);
    EXPECT_EQ(area[31], 0xFF);
    EXPECT_EQ(area[128 + 27], 17);
    EXPECT_EQ(area[128 + 30], 23);
}

} // namespace
