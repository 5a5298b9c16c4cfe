#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNameMap.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"

#include <gtest/gtest.h>

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

} // namespace

namespace {

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

} // namespace
