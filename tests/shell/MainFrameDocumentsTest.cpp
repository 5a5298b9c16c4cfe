// The main frame as the documents' observer: the information window and the status bar's
// controls follow the open documents, a new document takes the kind and settings the frame
// holds, an opened document shows its series, and Undo refreshes the view of the document.
#include "document/DocTestSupport.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "shell/MainFrame.h"
#include "shell/VetlaApp.h"

namespace {

// A main frame registered as the application's main window, with a child frame and a view.
class ActiveFrame {
public:
    ActiveFrame()
    {
        AfxSetMainFrame(&m_frame);
        m_child.SetActiveView(&m_view);
        m_frame.MDIActivate(&m_child);
    }
    ~ActiveFrame()
    {
        m_frame.MDIActivate(nullptr);
        AfxSetMainFrame(nullptr);
    }
    ActiveFrame(const ActiveFrame&) = delete;
    ActiveFrame& operator=(const ActiveFrame&) = delete;

    void Show(CVetlaDoc* pDoc) { m_view.SetDocument(pDoc); }
    CMainFrame& Main() { return m_frame; }
    CVetlaView& View() { return m_view; }

private:
    CMainFrame m_frame;
    CChildFrame m_child;
    CVetlaView m_view;
};

class MainFrameDocuments : public DocTest {
protected:
    ActiveFrame m_frame;
    CMainFrame& Main() { return m_frame.Main(); }
};

TEST_F(MainFrameDocuments, TheFirstDocumentShowsTheInformationWindowAndTheLastHidesIt)
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

// A new document is a ladder once when the frame asks for it, and takes the application's
// Properties-at-new-file setting.
TEST_F(MainFrameDocuments, ANewDocumentTakesTheKindAndSettingTheProgramHolds)
{
    const int bOld = g_bShowAtNewFile;
    g_bShowAtNewFile = 0;
    Main().m_nNewDocType = DOC_TYPE_LAD;
    CVetlaDoc ladder;
    CVetlaDoc next;
    g_bShowAtNewFile = bOld;
    EXPECT_EQ(ladder.m_nDocType, DOC_TYPE_LAD);
    EXPECT_EQ(next.m_nDocType, DOC_TYPE_FBD);
    EXPECT_EQ(Main().m_nNewDocType, DOC_TYPE_FBD);
    EXPECT_EQ(ladder.m_settings.bShowAtNewFile, 0);
}

TEST_F(MainFrameDocuments, OpeningADocumentShowsItsSeries)
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

// A document that outlives the frame does not report to it.
TEST(MainFrameDocumentsGone, ADocumentOutlivingTheFrameReportsToNoOne)
{
    auto pDoc = std::make_unique<CVetlaDoc>();
    {
        ActiveFrame frame;
        pDoc = std::make_unique<CVetlaDoc>();
        EXPECT_EQ(frame.Main().m_nOpenDocuments, 1);
    }
    EXPECT_EQ(pDoc->GetObserver(), nullptr);
    pDoc.reset();
}

TEST_F(MainFrameDocuments, UndoGivesTheViewTheMessageTextSlotsAndZoomedExtentOfTheReload)
{
    CVetlaDoc doc;
    m_frame.Show(&doc);
    doc.m_undo.SaveState(&doc);
    CBlockObj* pText = m_frame.View().CreateBlockObject(BT_MSGTEXT);
    doc.AddBlock(pText);
    EXPECT_TRUE(m_frame.View().IsMsgTextSlotUsed(0));
    pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = 3;
    doc.m_rcExtent = CRect(0, 0, 2048, 1536);
    m_frame.View().SetZoom(0.5f);
    doc.m_undo.SaveState(&doc);
    ASSERT_TRUE(doc.m_undo.Undo());
    EXPECT_FALSE(m_frame.View().IsMsgTextSlotUsed(0));
    EXPECT_FALSE(m_frame.View().IsMsgTextSlotUsed(3));
    ASSERT_TRUE(doc.m_undo.Redo());
    EXPECT_TRUE(m_frame.View().IsMsgTextSlotUsed(3));
    EXPECT_EQ(m_frame.View().GetTotalSize(), CSize(1024, 768));
}

} // namespace
