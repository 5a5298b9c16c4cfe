// The windows a simulation opens beside the diagram, as Qt shows them: a block's modeless sheet
// asked for again, and the analog value popup at its block whatever the zoom and wherever the
// main window goes.
#include "SimulationQtWindow.h"

#include "blocks/BlockTypes.h"
#include "editor/AnalogSliderDlg.h"
#include "pages/sheet/AllPropertySheet.h"

#include <cmath>
#include <cstdlib>

namespace {

using SimulationWindowsQtTest = SimulationQtWindow;

// The block's rectangle as the view draws it, in screen coordinates.
CRect DrawnOnScreen(const CVetlaView& view, const CBlockObj& block)
{
    const double dZoom = view.GetZoom();
    const auto zoomed = [dZoom](int n) { return int(std::lround(n * dZoom)); };
    CRect rect(zoomed(block.m_ptPos.x), zoomed(block.m_ptPos.y), zoomed(block.m_ptPos.x + block.m_nWidth),
               zoomed(block.m_ptPos.y + block.m_nHeight));
    rect.OffsetRect(-view.GetScrollPosition());
    view.ClientToScreen(rect);
    return rect;
}

CPoint ClientCentre(const CVetlaView& view, const CBlockObj& block)
{
    CRect rect = DrawnOnScreen(view, block);
    view.ScreenToClient(rect);
    return rect.CenterPoint();
}

// A double click on a block whose sheet is open, behind another block's sheet, brings that sheet
// back to the front, active, rather than doing nothing.
TEST_F(SimulationWindowsQtTest, ADoubleClickOnABlockWithAnOpenSheetBringsTheSheetToTheFront)
{
    CBlockObj* pFirst = Block(BT_DPR, 200, 150);
    CBlockObj* pSecond = Block(BT_DDR, 300, 150);
    Simulate();
    DoubleClick(*View(), ClientCentre(*View(), *pFirst));
    CAllPropertySheet* pSheet = View()->OpenSheets().Find(pFirst->m_nNumber);
    ASSERT_NE(pSheet, nullptr);
    DoubleClick(*View(), ClientCentre(*View(), *pSecond));
    CAllPropertySheet* pOther = View()->OpenSheets().Find(pSecond->m_nNumber);
    ASSERT_NE(pOther, nullptr);
    // A window manager grants the new sheet the activation in its own time.
    ProcessEventsUntil([pOther] { return QApplication::activeWindow() == QtWidgetOf(*pOther); });
    ASSERT_EQ(CWnd::GetActiveWindow(), pOther);

    DoubleClick(*View(), ClientCentre(*View(), *pFirst));
    ProcessEventsUntil([pSheet] { return QApplication::activeWindow() == QtWidgetOf(*pSheet); });
    EXPECT_EQ(View()->OpenSheets().GetCount(), 2);
    EXPECT_EQ(CWnd::GetActiveWindow(), pSheet);
    EXPECT_EQ(QApplication::activeWindow(), QtWidgetOf(*pSheet));
    EXPECT_EQ(CWnd::GetTopLevelWindows().front(), pSheet) << "the sheet lies over the other";
}

// At every zoom the popup opens beside its block as drawn, its top level with the block's and
// its right edge no further from the block's left edge than the popup is wide; when the main
// window moves, the popup moves with it.
TEST_F(SimulationWindowsQtTest, TheValuePopupStandsAtItsBlockAsDrawn)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 320, 120);
    Simulate();
    for (const float fZoom : {1.0f, 2.5f}) {
        SCOPED_TRACE(fZoom);
        View()->ZoomTo(fZoom);
        // Scrolled so that the block is drawn 250 pixels from the view's left edge.
        View()->ScrollToPosition(CPoint(int(std::lround(320 * fZoom)) - 250, int(std::lround(120 * fZoom)) - 100));
        Click(*View(), ClientCentre(*View(), *pInput));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);
        const CRect rcBlock = DrawnOnScreen(*View(), *pInput);
        CRect rcPopup;
        pPopup->GetWindowRect(rcPopup);
        EXPECT_EQ(rcPopup.top, rcBlock.top);
        EXPECT_LE(std::abs(rcPopup.right - rcBlock.left), rcPopup.Width()) << "beside the block, not away from it";

        CRect rcFrame;
        Frame()->GetWindowRect(rcFrame);
        Frame()->SetWindowPos(nullptr, rcFrame.left + 40, rcFrame.top + 30, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup);
        CRect rcMoved;
        pPopup->GetWindowRect(rcMoved);
        EXPECT_EQ(rcMoved.TopLeft(), rcPopup.TopLeft() + CPoint(40, 30));
        View()->CloseValuePopup();
    }
}

}  // namespace
