#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNameMap.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "controls/GridCtrl.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/ui/DrawItem.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/SysColors.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/QtTestApp.h"
#include "support/RunningApp.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(MainFrame, RegisteredFrameIsTheMainWindowUntilItGoes)
{
    EXPECT_EQ(AfxGetMainFrame(), nullptr);
    {
        CMainFrame frame;
        AfxSetMainFrame(&frame);
        EXPECT_EQ(AfxGetMainFrame(), &frame);
    }
    EXPECT_EQ(AfxGetMainFrame(), nullptr);
}

TEST(MainFrame, ActiveViewIsThatOfTheActiveChildFrame)
{
    CMainFrame frame;
    EXPECT_EQ(frame.GetActiveView(), nullptr);
    CChildFrame child;
    CVetlaView view;
    child.SetActiveView(&view);
    frame.MDIActivate(&child);
    EXPECT_EQ(frame.GetActiveView(), &view);
}

TEST(MainFrame, StatusBarControlsByKindAndPane)
{
    const WORD wOld = g_wHardwareCode;
    g_wHardwareCode = 0x2188;
    CMainFrame frame;
    frame.m_nPaneControlKind = STATUS_CONTROL_SERIES;
    frame.m_nPaneIndex = 21;
    frame.AddStatusBarControl();
    EXPECT_FALSE(frame.HasSeriesLabel());
    frame.m_nPaneIndex = 2;
    frame.AddStatusBarControl();
    EXPECT_TRUE(frame.HasSeriesLabel());
    EXPECT_EQ(frame.GetSeriesText().ToUtf8(), "4X Series B1.XX");
    frame.m_nPaneControlKind = 5;
    frame.AddStatusBarControl();
    EXPECT_FALSE(frame.HasStatusButton());
    frame.RemoveStatusBarControl(STATUS_REMOVE_SERIES);
    EXPECT_FALSE(frame.HasSeriesLabel());
    EXPECT_TRUE(frame.GetSeriesText().IsEmpty());
    g_wHardwareCode = wOld;
}


// Data-log items and block lists name a function block by the map the main frame fills.
TEST(MainFrame, FillsTheBlockNameMap)
{
    g_mapBlockNames.RemoveAll();
    CMainFrame frame;
    CString strName;
    EXPECT_TRUE(g_mapBlockNames.Lookup(BT_DPR, strName));
    EXPECT_FALSE(strName.IsEmpty());
    EXPECT_EQ(g_mapBlockNames.GetCount(), BLOCK_NAME_COUNT);
}


// The running application, without a document until a test makes one.
class MainFrameApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bShowAtNewFile = 0;
        ASSERT_TRUE(m_app.Start());
    }
    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = 1;
        g_wHardwareCode = m_wOldHardware;
    }
    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static bool Enabled(UINT nID)
    {
        CCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(Frame(), TRUE);
        return state.m_bEnabled;
    }

    const WORD m_wOldHardware = g_wHardwareCode;
    RunningApp m_app{"main-frame", RunningApp::BackendOfTheRun()};
};

// The character-set settings belong to the newer controllers and stay put while simulating.
TEST_F(MainFrameApp, MessageTextSettingsOnlyForANewerControllerWhileEditing)
{
    EXPECT_FALSE(Enabled(ID_FILE_MSGTEXT_SETTINGS));
    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    CVetlaView* pView = Frame()->GetActiveView();
    ASSERT_NE(pView, nullptr);
    g_wHardwareCode = 0x2188;
    EXPECT_FALSE(Enabled(ID_FILE_MSGTEXT_SETTINGS));
    g_wHardwareCode = 0x5188;
    EXPECT_TRUE(Enabled(ID_FILE_MSGTEXT_SETTINGS));
    pView->OnSimulation();
    EXPECT_FALSE(Enabled(ID_FILE_MSGTEXT_SETTINGS));
    pView->OnSimulation();
}

// Undo of a change of controller brings back the old controller everywhere it shows.
TEST_F(MainFrameApp, UndoAndRedoOfAHardwareChangeFollowTheDocument)
{
    CMainFrame* pFrame = Frame();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_NE(pFrame->GetActiveView(), nullptr);
    CVetlaDoc& doc = *pFrame->GetActiveView()->GetDocument();
    const auto choose = [&](WORD wCode) {
        doc.m_wHardwareCode = wCode;
        GetHardwareSeries(wCode, &doc.m_strHardwareName, &doc.m_wFirmwareWord);
        g_wHardwareCode = wCode;
        pFrame->SetSeriesText(doc.m_strHardwareName);
        doc.m_undo.SaveState(&doc);
    };
    choose(0x5288);
    choose(0x2188);
    ASSERT_EQ(pFrame->GetSeriesText().ToUtf8(), "4X Series B1.XX");
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(doc.m_wHardwareCode, 0x5288);
    EXPECT_EQ(g_wHardwareCode, 0x5288);
    EXPECT_EQ(pFrame->GetSeriesText().ToUtf8(), "77X Series C1.XX");
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_REDO);
    EXPECT_EQ(g_wHardwareCode, 0x2188);
    EXPECT_EQ(pFrame->GetSeriesText().ToUtf8(), "4X Series B1.XX");
}

// The Edit menu reaches an LCD grid that has the focus, states included.
TEST_F(MainFrameApp, EditMenuGoesToTheFocusedLcdGrid)
{
    CGridCtrl grid(5, 25, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 120), Frame(), 4321));
    grid.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &grid);
    grid.ResetSelectedRange();
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    EXPECT_TRUE(Enabled(ID_EDIT_SELECT_ALL));
    Frame()->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(grid.IsCellSelected(4, 24));
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    grid.DestroyWindow();
}

} // namespace

// Records what is drawn on it, while the pictures copied onto it are painted for real.
class PaintedPicturesSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    BitmapSurfaceMaker GetBitmapSurfaceMaker() const override { return &QPainterSurface::ForPixels; }
};

// The diagram menu's Cut, Copy, Paste and Delete as the frame draws them: each with a picture of
// its own, centred at the left, and its caption after it in the colours of its state; greyed and
// never highlighted while disabled or while the diagram simulates. The context's colours are left
// as they were.
TEST_F(MainFrameApp, DrawsTheEditItemsOfTheDiagramMenu)
{
    QtTestApp();
    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    CVetlaView* pView = Frame()->GetActiveView();
    ASSERT_NE(pView, nullptr);
    const CRect rectItem(10, 20, 200, 44);
    const CRect rectPicture(14, 24, 30, 39);
    struct Drawn {
        std::vector<RecordingSurface::Record> records;
        std::string picture;  // the pixels where the picture belongs
        bool bPictured = false;  // anything there but the menu's colour
    };
    const auto draw = [&rectItem, &rectPicture](UINT nID, UINT nState) {
        PixelBuffer pixels(220, 60);
        PaintedPicturesSurface surface(pixels, DeviceCaps{});
        CDC dc;
        dc.AttachSurface(&surface);
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkColor(RGB(4, 5, 6));
        DRAWITEMSTRUCT item;
        item.itemID = nID;
        item.itemState = nState;
        item.hDC = &dc;
        item.rcItem = rectItem;
        Frame()->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
        EXPECT_EQ(dc.GetBkColor(), RGB(4, 5, 6));
        dc.AttachSurface(nullptr);
        Drawn drawn{surface.Records(), {}};
        for (int y = rectPicture.top; y < rectPicture.bottom; ++y) {
            for (int x = rectPicture.left; x < rectPicture.right; ++x) {
                drawn.picture += std::to_string(pixels.GetPixel(x, y)) + ' ';
                drawn.bPictured |= pixels.GetPixel(x, y) != GetSysColor(COLOR_MENU);
            }
        }
        return drawn;
    };
    // The item filled, then its caption at its place in the colours given.
    const auto expectLook = [&rectItem](const Drawn& drawn, const char* pszText, COLORREF crFill, COLORREF crText,
                                        COLORREF crTextBk) {
        ASSERT_FALSE(drawn.records.empty());
        EXPECT_EQ(drawn.records.front().kind, RecordingSurface::Kind::FillRect);
        EXPECT_EQ(CRect(drawn.records.front().rect), rectItem);
        EXPECT_EQ(drawn.records.front().colour, crFill);
        const RecordingSurface::Record& text = drawn.records.back();
        ASSERT_EQ(text.kind, RecordingSurface::Kind::Text);
        EXPECT_EQ(CString(text.text).ToUtf8(), pszText);
        EXPECT_EQ(text.points.front().x, 34);
        EXPECT_EQ(text.points.front().y, 26);
        EXPECT_EQ(text.state.crText, crText);
        EXPECT_EQ(text.state.crBk, crTextBk);
    };
    const std::pair<UINT, const char*> items[] = {
        {ID_EDIT_CUT, "Cut             Ctrl+X"},
        {ID_EDIT_COPY, "Copy          Ctrl+C"},
        {ID_EDIT_PASTE, "Paste          Ctrl+V"},
        {ID_EDIT_CLEAR, "Delete         Delete"},
    };
    std::set<std::string> pictures;
    for (const auto& [nID, pszText] : items) {
        SCOPED_TRACE(pszText);
        const Drawn plain = draw(nID, 0);
        expectLook(plain, pszText, GetSysColor(COLOR_MENU), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
        EXPECT_TRUE(plain.bPictured);
        pictures.insert(plain.picture);
        expectLook(draw(nID, ODS_SELECTED), pszText, GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT),
                   GetSysColor(COLOR_HIGHLIGHT));
    }
    EXPECT_EQ(pictures.size(), std::size(items));
    expectLook(draw(ID_EDIT_PASTE, ODS_SELECTED | ODS_GRAYED), "Paste          Ctrl+V", GetSysColor(COLOR_MENU),
               GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_WINDOW));
    // Other items are not the frame's.
    EXPECT_TRUE(draw(ID_EDIT_SELECT_ALL, ODS_SELECTED).records.empty());

    pView->OnSimulation();
    ASSERT_TRUE(pView->GetDocument()->m_bSimulating);
    expectLook(draw(ID_EDIT_COPY, ODS_SELECTED), "Copy          Ctrl+C", GetSysColor(COLOR_MENU),
               GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_WINDOW));
    pView->OnSimulation();
}
