#include "DocTestSupport.h"

#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "shell/VetlaApp.h"

namespace {

class DocFrameTest : public DocTest {
protected:
    ActiveFrame m_frame;
    CMainFrame& Main() { return m_frame.Main(); }
};

TEST_F(DocFrameTest, TheFirstDocumentShowsTheInformationWindowAndTheLastHidesIt)
{
    HardwareCodeScope hw(0x5288);
    auto pFirst = std::make_unique<CVetlaDoc>();
    EXPECT_TRUE(Main().IsInfoWindowVisible());
    EXPECT_EQ(Main().m_nOpenDocuments, 1);
    EXPECT_TRUE(Main().HasStatusButton());
    EXPECT_TRUE(Main().HasSeriesLabel());
    EXPECT_EQ(Main().GetSeriesText().ToUtf8(), "77X Series C1.XX");

    auto pSecond = std::make_unique<CVetlaDoc>();
    EXPECT_EQ(Main().m_nOpenDocuments, 2);
    EXPECT_TRUE(Main().IsInfoWindowVisible());
    pFirst.reset();
    EXPECT_TRUE(Main().IsInfoWindowVisible());
    EXPECT_TRUE(Main().HasSeriesLabel());
    pSecond.reset();
    EXPECT_EQ(Main().m_nOpenDocuments, 0);
    EXPECT_FALSE(Main().IsInfoWindowVisible());
    EXPECT_FALSE(Main().HasSeriesLabel());
    EXPECT_FALSE(Main().HasStatusButton());
}

TEST_F(DocFrameTest, ALadderDocumentIsMadeOnceWhenTheFrameAsksForIt)
{
    Main().m_nNewDocType = DOC_TYPE_LAD;
    CVetlaDoc ladder;
    CVetlaDoc next;
    EXPECT_EQ(ladder.m_nDocType, DOC_TYPE_LAD);
    EXPECT_EQ(next.m_nDocType, DOC_TYPE_FBD);
    EXPECT_EQ(Main().m_nNewDocType, DOC_TYPE_FBD);
}

TEST_F(DocFrameTest, ShowAtNewFileFollowsTheApplicationSetting)
{
    const int bOld = g_bShowAtNewFile;
    g_bShowAtNewFile = 0;
    CVetlaDoc doc;
    EXPECT_EQ(doc.m_bShowAtNewFile, 0);
    g_bShowAtNewFile = bOld;
}

TEST(DocWithoutFrame, ShowsPropertiesAtNewFileAndTakesTheGlobalHardware)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    EXPECT_EQ(doc.m_bShowAtNewFile, 1);
    EXPECT_EQ(doc.m_wHardwareCode, 0x2188);
    EXPECT_EQ(doc.m_wFirmwareWord, 0xB100);
    EXPECT_EQ(doc.m_strHardwareName.ToUtf8(), "4X Series B1.XX");
    EXPECT_EQ(doc.m_rcExtent.right, 1024);
    EXPECT_EQ(doc.m_rcExtent.bottom, 768);
    EXPECT_EQ(doc.m_arrAqRangeType.GetSize(), AQ_CHANNEL_COUNT);
    EXPECT_EQ(doc.m_arrAqFixedValue.GetSize(), AQ_CHANNEL_COUNT);
    EXPECT_EQ(doc.m_byFormatHeader[2], 'U');
    EXPECT_EQ(doc.m_byFormatHeader[3], 0xAA);
}

TEST_F(DocFrameTest, OpeningADocumentShowsItsSeries)
{
    const CString strPath = UniqueTempPath(_T("frame.dfb"));
    {
        HardwareCodeScope hw(0x6188);
        CVetlaDoc doc;
        ASSERT_TRUE(doc.OnSaveDocument(strPath));
    }
    HardwareCodeScope hw(0x1188);
    CVetlaDoc doc;
    EXPECT_EQ(Main().GetSeriesText().ToUtf8(), "3X Series B1.XX");
    ASSERT_TRUE(doc.OnOpenDocument(strPath));
    EXPECT_EQ(Main().GetSeriesText().ToUtf8(), "8X Series C1.XX");
    EXPECT_EQ(g_wHardwareCode, 0x6188);
    DeleteFile(strPath);
}

} // namespace
