// The main frame's status bar: panes inserted and removed at run time, windows hosted over panes
// and kept there, and the picture button and series text that come and go with the documents.
#include "shell/CtrlStatusBar.h"
#include "shell/StatusBarControls.h"
#include "shell/StatusBitmapButton.h"
#include "shell/StatusLabel.h"

#include "document/HardwareSeries.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Static.h"

#include "controls/BarFixture.h"

#include <vector>

namespace {

constexpr UINT ID_INDICATOR_ZOOM_PANE = 0xE6FF;
const std::vector<UINT> kStartPanes = {ID_SEPARATOR, ID_INDICATOR_ZOOM_PANE, ID_INDICATOR_CAPS,
                                       ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
using Controls = CStatusBarControls;

class StatusBarTest : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        ASSERT_TRUE(m_bar.Create(m_pFrame));
        m_bar.SetIndicators(kStartPanes.data(), int(kStartPanes.size()));
        m_pFrame->RecalcLayout();
    }

    std::vector<UINT> PaneIDs() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < m_bar.GetCount(); ++i)
            ids.push_back(m_bar.GetItemID(i));
        return ids;
    }
    // Where a hosted window should lie: over its pane, inside the pane's edge.
    CRect ExpectedPlace(UINT nPaneID) const
    {
        CRect rect;
        m_bar.GetItemRect(m_bar.CommandToIndex(nPaneID), rect);
        rect.DeflateRect(CCtrlStatusBar::kEdge, CCtrlStatusBar::kEdge);
        return rect;
    }
    CRect PlaceOf(CWnd* pWnd) const
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        m_bar.ScreenToClient(rect);
        return rect;
    }

    CMessageBoxRecorder m_boxes;
    CCtrlStatusBar m_bar;
};

// A frame that records the commands the status bar's controls send.
class CCommandFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(DWORD(wParam)));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
};

}  // namespace

TEST_F(StatusBarTest, IndicatorsAreInsertedWithinRangeAndOnlyOnce)
{
    PaneInfo info;
    EXPECT_FALSE(m_bar.GetPaneInfoEx(5, info));
    EXPECT_FALSE(m_bar.SetPaneInfoEx(-1, info));
    ASSERT_TRUE(m_bar.GetPaneInfoEx(2, info));
    EXPECT_EQ(info.nID, ID_INDICATOR_CAPS);
    EXPECT_FALSE(m_bar.AddIndicator(500, -1));
    EXPECT_FALSE(m_bar.AddIndicator(500, 6));
    EXPECT_FALSE(m_bar.AddIndicator(ID_INDICATOR_NUM, 2));
    EXPECT_EQ(PaneIDs(), kStartPanes);

    m_bar.SetPaneText(1, _T("Zoom:200%"));
    ASSERT_TRUE(m_bar.AddIndicator(500, 5));  // at the count: appended
    ASSERT_TRUE(m_bar.AddIndicator(501, 1));
    EXPECT_EQ(PaneIDs(), (std::vector<UINT>{ID_SEPARATOR, 501, ID_INDICATOR_ZOOM_PANE,
                                            ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                            ID_INDICATOR_SCRL, 500}));
    // The panes that were there keep what they had.
    EXPECT_EQ(m_bar.GetPaneText(2), CString(_T("Zoom:200%")));
    EXPECT_TRUE(m_bar.GetPaneStyle(0) & SBPS_STRETCH);
}

TEST_F(StatusBarTest, RemovingNeedsAPaneOfThatIdAndLeavesTheLastOne)
{
    EXPECT_FALSE(m_bar.RemoveIndicator(500));
    for (UINT nID : {ID_INDICATOR_ZOOM_PANE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL})
        EXPECT_TRUE(m_bar.RemoveIndicator(nID));
    EXPECT_FALSE(m_bar.RemoveIndicator(ID_SEPARATOR));
    EXPECT_EQ(PaneIDs(), std::vector<UINT>{ID_SEPARATOR});
}

TEST_F(StatusBarTest, HostedWindowsStayOverTheirPanesAndFollowTheirState)
{
    CStatic label;
    ASSERT_TRUE(label.Create(_T("x"), WS_CHILD, CRect(), &m_bar, 7));
    EXPECT_FALSE(m_bar.AddPaneControl(&label, 500, FALSE));
    ASSERT_TRUE(m_bar.AddPaneControl(&label, ID_INDICATOR_NUM, FALSE));
    EXPECT_TRUE(label.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(PlaceOf(&label), ExpectedPlace(ID_INDICATOR_NUM));

    // A pane inserted before it and a wider frame move it along.
    m_bar.AddIndicator(500, 1);
    EXPECT_EQ(PlaceOf(&label), ExpectedPlace(ID_INDICATOR_NUM));
    m_pFrame->MoveWindow(0, 0, 1000, 500);
    EXPECT_EQ(PlaceOf(&label), ExpectedPlace(ID_INDICATOR_NUM));
    // So does a pane after it that grows (the zoom pane takes its text's width when idle).
    const int nLast = m_bar.GetCount() - 1;
    PaneInfo wider;
    m_bar.GetPaneInfoEx(nLast, wider);
    wider.cxWidth += 100;
    m_bar.SetPaneInfoEx(nLast, wider);
    EXPECT_EQ(PlaceOf(&label), ExpectedPlace(ID_INDICATOR_NUM));

    PaneInfo info;
    const int nIndex = m_bar.CommandToIndex(ID_INDICATOR_NUM);
    m_bar.GetPaneInfoEx(nIndex, info);
    info.nStyle |= SBPS_DISABLED;
    m_bar.SetPaneInfoEx(nIndex, info);
    EXPECT_FALSE(label.IsWindowEnabled());
    info.nStyle &= ~SBPS_DISABLED;
    m_bar.SetPaneInfoEx(nIndex, info);
    EXPECT_TRUE(label.IsWindowEnabled());

    // Removing the pane hides a window the bar was not to destroy.
    ASSERT_TRUE(m_bar.RemoveIndicator(ID_INDICATOR_NUM));
    EXPECT_TRUE(IsWindow(&label));
    EXPECT_FALSE(label.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(m_bar.GetPaneControl(ID_INDICATOR_NUM), nullptr);
}

TEST_F(StatusBarTest, AControlInTheLastPaneReachesAsFarAsThePaneGoes)
{
    CStatic label;
    ASSERT_TRUE(label.Create(_T("x"), WS_CHILD, CRect(), &m_bar, 7));
    m_bar.AddPaneControl(&label, ID_INDICATOR_SCRL, FALSE);
    PaneInfo info;
    m_bar.GetPaneInfoEx(4, info);
    info.cxWidth = 40;
    m_bar.SetPaneInfoEx(4, info);
    m_bar.PositionControls();
    CRect rcItem;
    m_bar.GetItemRect(4, rcItem);
    EXPECT_EQ(PlaceOf(&label), CRect(rcItem.left + 2, rcItem.top + 2, rcItem.left + 40 + 6 - 2,
                                     rcItem.bottom - 2));
    info.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    m_bar.SetPaneInfoEx(4, info);
    m_bar.PositionControls();
    CRect rcClient;
    m_bar.GetClientRect(rcClient);
    m_bar.GetItemRect(4, rcItem);
    EXPECT_EQ(PlaceOf(&label), CRect(rcItem.left + 2, rcItem.top + 1, rcClient.right - 2,
                                     rcItem.bottom - 1));
    // A bar with a size grip leaves it the room of a small icon.
    m_bar.ModifyStyle(0, SBARS_SIZEGRIP);
    m_bar.PositionControls();
    EXPECT_EQ(PlaceOf(&label).right, rcClient.right - 16 - 2 - 2);
}

TEST_F(StatusBarTest, TheButtonAndSeriesComeAndGoWithTheirOwnPanes)
{
    Controls controls(m_bar);
    controls.Add(Controls::kButton, 1, 0x5188);
    controls.Add(Controls::kSeries, 2, 0x5188);
    const std::vector<UINT> withControls = {ID_SEPARATOR, Controls::ID_PANE_MODEL_BUTTON,
                                            Controls::ID_PANE_MODEL_TEXT, ID_INDICATOR_ZOOM_PANE,
                                            ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    EXPECT_EQ(PaneIDs(), withControls);
    ASSERT_NE(controls.GetButton(), nullptr);
    ASSERT_NE(controls.GetSeriesLabel(), nullptr);
    EXPECT_EQ(m_bar.GetPaneControl(Controls::ID_PANE_MODEL_BUTTON), controls.GetButton());
    EXPECT_EQ(PlaceOf(controls.GetSeriesLabel()), ExpectedPlace(Controls::ID_PANE_MODEL_TEXT));
    UINT nID = 0, nStyle = 0;
    int cxWidth = 0;
    m_bar.GetPaneInfo(1, nID, nStyle, cxWidth);
    EXPECT_EQ(cxWidth, Controls::kButtonPaneWidth);
    m_bar.GetPaneInfo(2, nID, nStyle, cxWidth);
    EXPECT_EQ(cxWidth, Controls::kSeriesPaneWidth);
    CString strSeries;
    GetHardwareSeries(0x5188, &strSeries, nullptr);
    CString strShown;
    controls.GetSeriesLabel()->GetWindowText(strShown);
    EXPECT_EQ(strShown, strSeries);

    // A second Add of either kind changes nothing.
    controls.Add(Controls::kButton, 3, 0x5188);
    controls.Add(Controls::kSeries, 0, 0x5188);
    EXPECT_EQ(PaneIDs(), withControls);

    controls.Remove(Controls::kRemoveSeries);
    controls.Remove(Controls::kRemoveButton);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    EXPECT_EQ(controls.GetButton(), nullptr);
    EXPECT_EQ(controls.GetSeriesLabel(), nullptr);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(StatusBarTest, RemovingInEitherOrderNeverTakesTheZoomPane)
{
    Controls controls(m_bar);
    controls.Add(Controls::kButton, 1, 0x5188);
    controls.Add(Controls::kSeries, 2, 0x5188);
    controls.Remove(Controls::kRemoveButton);
    controls.Remove(Controls::kRemoveSeries);
    EXPECT_EQ(PaneIDs(), kStartPanes);

    // Asked again for a control that is gone: the zoom pane at that index stays, and the user
    // is told.
    controls.Remove(Controls::kRemoveButton);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text,
              CString(_T("Pane 1 was not found in the status bar \nor must be at least one of them.")));
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONSTOP, MB_ICONSTOP);
}

TEST_F(StatusBarTest, ControlsOutsideTheirRangeOrKindAreNotMade)
{
    Controls controls(m_bar);
    controls.Add(Controls::kButton, 21, 0x5188);
    controls.Add(Controls::kSeries, -1, 0x5188);
    controls.Add(5, 1, 0x5188);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // Index 9 is in range for the frame but not for the bar's five panes.
    controls.Add(Controls::kSeries, 9, 0x5188);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text,
              CString(_T("Pane index out of range\nor pane with same ID already exists in the ")
                      _T("status bar")));
    // An unknown model shows no series.
    controls.Remove(Controls::kRemoveSeries);
    m_boxes.Clear();
    controls.Add(Controls::kSeries, 1, 0x0188);
    CString strShown(_T("?"));
    controls.GetSeriesLabel()->GetWindowText(strShown);
    EXPECT_TRUE(strShown.IsEmpty());
}

TEST_F(StatusBarTest, ControlsGoneWithTheBarAreNotTouchedAgain)
{
    Controls controls(m_bar);
    controls.Add(Controls::kButton, 1, 0x5188);
    controls.Add(Controls::kSeries, 2, 0x5188);
    controls.GetButton()->DestroyWindow();  // from outside: the object deletes itself
    m_pFrame->MoveWindow(0, 0, 700, 400);
    EXPECT_EQ(m_bar.GetPaneControl(Controls::ID_PANE_MODEL_BUTTON), nullptr);
    controls.Remove(Controls::kRemoveButton);
    controls.Remove(Controls::kRemoveSeries);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(StatusBarTest, ClicksOnTheControlsReachTheFrame)
{
    auto* pFrame = new CCommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, _T("Main"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
    CCtrlStatusBar bar;
    ASSERT_TRUE(bar.Create(pFrame));
    bar.SetIndicators(kStartPanes.data(), int(kStartPanes.size()));
    pFrame->RecalcLayout();
    Controls controls(bar);
    controls.Add(Controls::kButton, 1, 0x5188);
    controls.Add(Controls::kSeries, 2, 0x5188);
    for (CWnd* pControl : {static_cast<CWnd*>(controls.GetButton()),
                           static_cast<CWnd*>(controls.GetSeriesLabel())}) {
        const CPoint pt(2, 2);
        pControl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
        pControl->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(pt));
    }
    EXPECT_EQ(pFrame->m_commands, (std::vector<UINT>{Controls::ID_STATUS_MODEL_BUTTON,
                                                     Controls::ID_STATUS_MODEL_TEXT}));
    // Both paint.
    controls.GetButton()->UpdateWindow();
    controls.GetSeriesLabel()->UpdateWindow();
    pFrame->DestroyWindow();
}

TEST(StatusLabelTest, TheStyleChoosesTheTextFormat)
{
    const UINT kAlways = DT_END_ELLIPSIS | DT_VCENTER;
    struct Case {
        DWORD dwStyle;
        const TCHAR* pszText;
        UINT nFormat;
    };
    const Case cases[] = {
        {SS_LEFT, _T("75X"), DT_WORDBREAK},
        {SS_CENTER, _T("75X"), DT_CENTER | DT_WORDBREAK},
        {SS_RIGHT, _T("a\tb"), DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS},
        {SS_LEFTNOWORDWRAP, _T("75X"), DT_LEFT},
        {SS_CENTER | SS_CENTERIMAGE, _T("75X"), DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {SS_CENTERIMAGE, _T("two\r\nlines\t"), DT_CENTER},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStatusLabel::TextFormat(c.dwStyle, c.pszText), c.nFormat | kAlways)
            << std::hex << c.dwStyle;
}
