// The elements of a newer-generation message text: their marks in the attribute rows, the label
// areas of the I/O state names at 640 and 832, and the records of the drawn elements at 1024
// and 1152 of the text's 1280-byte block.
#include "CodecTestSupport.h"


#include <string>

namespace {

class NewerElements : public NewerCodecDiagram {
protected:
    CBlockMSGTEXT* Text()
    {
        if (!m_pText)
            m_pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
        return m_pText;
    }

    // An element of nKind on screen 1 or 2 at a line and column, showing block nNumber.
    CWidget* Place(int nScreen, int nLine, int nColumn, int nKind, int nNumber, int nWidth = 8)
    {
        return PlaceElement(*Text(), nScreen, nLine, nColumn, nKind, nNumber, nWidth);
    }

    static void Name(CWidget* pWidget, const std::u16string& strOff, const std::u16string& strOn)
    {
        for (std::size_t i = 0; i < strOff.size(); ++i)
            pWidget->m_strNames[1][i + 1] = CString(strOff.substr(i, 1).c_str());
        for (std::size_t i = 0; i < strOn.size(); ++i)
            pWidget->m_strNames[2][i + 1] = CString(strOn.substr(i, 1).c_str());
    }

    Bytes Area(int nFrom, int nCount)
    {
        const std::span<const BYTE> area = Codec().TextArea();
        return Bytes(area.begin() + nFrom, area.begin() + nFrom + nCount);
    }

private:
    CBlockMSGTEXT* m_pText = nullptr;
};

TEST_F(NewerElements, ValuesAndParametersMarkTheirCells)
{
    CBlockObj* pTimer = Block(BT_DPR);
    Point(BT_ANALOG_IN, 4001);
    Point(BT_ANALOG_FLAG, 4290);
    Place(1, 1, 3, 1, pTimer->m_nNumber, 7);
    Place(1, 2, 1, 0, 4001, 4);
    Place(1, 3, 5, 0, 4290, 7);
    Place(2, 4, 2, 2, Text()->m_nNumber);
    ASSERT_TRUE(Encode().bOk);
    // A block parameter: kind 2, the record code, the block offset and the parameter index in
    // the high nibble of the last byte.
    EXPECT_EQ(Area(2, 4), (Bytes{2, 0x21, 0x00, 0x10}));
    // An analog input's or flag's value: kind 7, its number + 0x7060 at bytes 2-3.
    const Bytes analogIn = Area(32, 4);
    EXPECT_EQ(analogIn[0], 7);
    EXPECT_EQ(Bytes(analogIn.begin() + 2, analogIn.end()), (Bytes{0x01, 0x80}));
    const Bytes analogFlag = Area(64 + 4, 4);
    EXPECT_EQ(analogFlag[0], 7);
    EXPECT_EQ(Bytes(analogFlag.begin() + 2, analogFlag.end()), (Bytes{0x22, 0x81}));
    // The message text's own parameter 2 (entries 0-3 are kinds 3-6), on screen 2.
    EXPECT_EQ(Area(128 + 96 + 1, 1), Bytes{5});
    // The cells an element covers past its marks keep the single-byte attribute.
    EXPECT_EQ(Area(6, 3), (Bytes{1, 1, 1}));
}

TEST_F(NewerElements, StateNamesKeepTheirLabels)
{
    Point(BT_OUT, 603);
    Point(BT_FLAG, 1318);
    CBlockObj* pTimer = Block(BT_DPR);
    Block(BT_DPR);
    Name(Place(1, 4, 9, WIDGET_KIND_IOSTATUSNAME, 603), u"OFF", u"ON");
    Name(Place(1, 1, 1, WIDGET_KIND_IOSTATUSNAME, pTimer->m_nNumber + 1), u"IDLE", u"RUN");
    Name(Place(2, 2, 3, WIDGET_KIND_IOSTATUSNAME, 1318), u"A", u"B");
    ASSERT_TRUE(Encode().bOk);
    // Kind 8 and the point's class and index as a reference word (Q: class 5; B: class 7).
    EXPECT_EQ(Area(0, 4), (Bytes{8, 0, 0x01, 0x70}));
    EXPECT_EQ(Area(96 + 8, 4), (Bytes{8, 1, 0x03, 0x50}));
    EXPECT_EQ(Area(128 + 32 + 2, 4), (Bytes{8, 0, 0x02, 0x60}));
    // 27 characters per name in the order of the marks: the header row, then the names for
    // FALSE and TRUE behind their header column.
    const std::string strFirst = "WWWWWWWWWWIDLE    WRUN     ";
    const std::string strSecond = "WWWWWWWWWWOFF     WON      ";
    EXPECT_EQ(Area(640, 27), Bytes(strFirst.begin(), strFirst.end()));
    EXPECT_EQ(Area(640 + 27, 27), Bytes(strSecond.begin(), strSecond.end()));
    EXPECT_EQ(Area(640 + 54, 1), Bytes{0xFF});
    const std::string strScreen2 = "WWWWWWWWWWA       WB       ";
    EXPECT_EQ(Area(832, 27), Bytes(strScreen2.begin(), strScreen2.end()));
}

TEST_F(NewerElements, DrawnElementsHaveRecords)
{
    Block(BT_DPR);
    CBlockObj* pAnalog = Block(818);
    CWidget* pBar = Place(1, 1, 10, WIDGET_KIND_BARGRAPH, pAnalog->m_nNumber, 4);
    pBar->m_nValueIndex = 1;
    pBar->m_nMinValue = -10;
    pBar->m_nMaxValue = 100;
    pBar->m_nOption = 4;
    CWidget* pTime = Place(1, 2, 12, WIDGET_KIND_SCALETIME, 9000, 11);
    pTime->m_nOption = 2;
    CWidget* pGraph = Place(2, 1, 1, WIDGET_KIND_GRAPH, -1, 12);
    pGraph->m_nOption = 3;
    ASSERT_TRUE(Encode().bOk);
    // Lead byte 0xDD for the graphics, 0xA9 for the time field; then the kind (1 bar, 2 time
    // field, 6 graph) and the record's number.
    EXPECT_EQ(Area(9, 2), (Bytes{0xDD, 0x10}));
    EXPECT_EQ(Area(32 + 11, 2), (Bytes{0xA9, 0x21}));
    EXPECT_EQ(Area(128, 2), (Bytes{0xDD, 0x60}));
    // Block 9001 with value 1 in the high nibble, minimum, maximum, option.
    EXPECT_EQ(Area(1024, 8), (Bytes{0x01, 0x10, 0xF6, 0xFF, 0x64, 0x00, 0x04, 0x00}));
    EXPECT_EQ(Area(1032, 8), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00}));
    EXPECT_EQ(Area(1040, 1), Bytes{0xFF});
    // A graph names no block.
    EXPECT_EQ(Area(1152, 8), (Bytes{0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00}));
}

TEST_F(NewerElements, ElementsPastTheTextCellsStayText)
{
    CBlockObj* pTimer = Block(BT_DPR);
    Place(1, 1, 22, 0, pTimer->m_nNumber, 3);
    ASSERT_TRUE(Encode().bOk);
    // Its four marks would reach the setting columns 24-27.
    EXPECT_EQ(Area(21, 3), (Bytes{1, 1, 1}));
    EXPECT_EQ(Area(24, 3), (Bytes{0xFF, 0xFF, 0xFF}));
}

TEST_F(NewerElements, MoreNamesOrRecordsThanAScreenHoldsAreRefused)
{
    Point(BT_OUT, 600);
    for (int i = 0; i < 8; ++i)
        Place(1, 1 + i / 3, 1 + 8 * (i % 3), WIDGET_KIND_IOSTATUSNAME, 600);
    const EncodeResult result = Encode();
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.nMessageId, IDS_ENCODE_NO_RESOURCES);
    // Seven fit: the eighth one is refused.
    CObArray& line = Text()->m_arrWidgets1[2];
    delete line[line.GetSize() - 1];
    line.RemoveAt(line.GetSize() - 1);
    EXPECT_TRUE(Encode().bOk);
    // Sixteen drawn elements fit a screen's 128 bytes of records, a seventeenth does not.
    for (int i = 0; i < 16; ++i)
        Place(2, 1 + i / 12, 1 + 2 * (i % 12), WIDGET_KIND_BARGRAPH, 600, 2);
    EXPECT_TRUE(Encode().bOk);
    Place(2, 3, 1, WIDGET_KIND_BARGRAPH, 600, 2);
    EXPECT_EQ(Encode().nMessageId, IDS_ENCODE_NO_RESOURCES);
}

} // namespace
