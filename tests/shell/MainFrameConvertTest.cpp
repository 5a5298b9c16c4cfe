// "Convert to FBD" through the running application: a ladder document converted into a new FBD
// document of its own that the diagram consistency check accepts, with the ladder's settings and
// without its Properties sheet; a ladder the program's limits refuse opens nothing.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramConsistency.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/RunningApp.h"
#include "TransferLinkSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MainFrameConvertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.Start());
        Command(ID_FILE_NEW_LAD);
        ASSERT_NE(ActiveDoc(), nullptr);
        ASSERT_TRUE(ActiveDoc()->IsLadder());
        m_pLadder = ActiveDoc();
    }
    void TearDown() override
    {
        g_bShowAtNewFile = 1;
        m_app.Close();
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    LRESULT Command(UINT nID) const { return Frame()->SendMessage(WM_COMMAND, nID); }
    CVetlaDoc* ActiveDoc() const
    {
        CVetlaView* pView = Frame()->GetActiveView();
        return pView ? pView->GetDocument() : nullptr;
    }
    BOOL ConvertEnabled() const
    {
        CCmdUI state;
        state.m_nID = ID_FILE_LAD_TO_FBD;
        state.m_bEnabled = FALSE;
        state.DoUpdate(Frame(), TRUE);
        return state.m_bEnabled;
    }

    RunningApp m_app{"qarvo-convert", RunningApp::BackendOfTheRun()};
    CVetlaDoc* m_pLadder = nullptr;
};

TEST_F(MainFrameConvertTest, ALadderOpensAsANewFbdDocumentTheCheckAccepts)
{
    LadderOfRungs(m_pLadder, 12, 3);
    m_pLadder->m_settings.strProject[PROJECT_NAME] = _T("Pump station");
    m_pLadder->m_settings.bShowAtNewFile = 0;
    g_bShowAtNewFile = 1;
    const INT_PTR nLadderBlocks = m_pLadder->m_blockList.GetCount();
    const INT_PTR nLadderWires = m_pLadder->m_lineList.GetCount();
    EXPECT_TRUE(ConvertEnabled());

    // The application's setting asks for the Properties sheet at File New: not here.
    CDialog::SetDialogHook([](CDialog&) { ADD_FAILURE() << "a dialog opened"; });
    Command(ID_FILE_LAD_TO_FBD);
    CDialog::SetDialogHook(nullptr);
    CVetlaDoc* pFbd = ActiveDoc();
    ASSERT_NE(pFbd, nullptr);
    ASSERT_NE(pFbd, m_pLadder);
    EXPECT_FALSE(pFbd->IsLadder());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 2);
    // The ladder is as it was.
    EXPECT_EQ(m_pLadder->m_blockList.GetCount(), nLadderBlocks);
    EXPECT_EQ(m_pLadder->m_lineList.GetCount(), nLadderWires);
    // The new document has the ladder's settings, "Show at new file" among them, and the
    // application takes the ladder's choice too.
    EXPECT_EQ(pFbd->m_settings.strProject[PROJECT_NAME], CString(_T("Pump station")));
    EXPECT_EQ(pFbd->m_settings.bShowAtNewFile, 0);
    EXPECT_EQ(g_bShowAtNewFile, 0);
    EXPECT_TRUE(pFbd->IsModified());
    ASSERT_NE(pFbd->FindBlockByNumber(NUM_OUTPUT + 5), nullptr);
    EXPECT_EQ(pFbd->FindBlockByNumber(NUM_OUTPUT + 5)->m_nType, BT_OUT);
    EXPECT_EQ(DiagramProblems(*pFbd, Frame()->GetActiveView()), std::vector<std::string>{});
    // The converted diagram is the document's first state: after an edit, Undo comes back to
    // it, not to the empty document File New made.
    const INT_PTR nConverted = pFbd->m_blockList.GetCount();
    static_cast<CBlockObj*>(pFbd->m_blockList.GetHead())->m_strComment = _T("edited");
    pFbd->m_undo.SaveState(pFbd);
    EXPECT_TRUE(pFbd->m_undo.Undo());
    EXPECT_EQ(pFbd->m_blockList.GetCount(), nConverted);
    EXPECT_FALSE(pFbd->m_undo.CanUndo());
    // An FBD document has nothing to convert.
    EXPECT_FALSE(ConvertEnabled());
}

TEST_F(MainFrameConvertTest, ALadderBeyondTheLimitsIsRefusedAndOpensNothing)
{
    LadderOfRungs(m_pLadder, 400, 8);
    CMessageBoxRecorder boxes;
    Command(ID_FILE_LAD_TO_FBD);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 1);
    EXPECT_EQ(ActiveDoc(), m_pLadder);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, CString(_T("your program has taken 1024 blocks,can't  add new block")));
}

}  // namespace
