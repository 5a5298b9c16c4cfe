// The windows a simulation opens beside the diagram, as Qt shows them: a block's modeless sheet
// asked for again, and the analog value popup at its block whatever the zoom and wherever the
// main window goes.
#include "SimulationQtWindow.h"

#include "blocks/BlockTypes.h"
#include "editor/AnalogSliderDlg.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/ui/SliderCtrl.h"

#include <QCloseEvent>
#include <QKeyEvent>

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

// Alt on the value popup closes it when it is let go. Alt+F4 is the window manager's: it closes
// the window that has the keyboard when F4 comes, which must still be the popup, not the main
// window (the program would end). The popup is Qt's active window, as the window manager makes it
// when it appears; the window manager's close is the close event Qt gives its active window.
TEST_F(SimulationWindowsQtTest, AltClosesTheValuePopupWhenLetGoAndAltF4ClosesThePopupAlone)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 320, 120);
    Simulate();
    QWidget* pMain = QtWidgetOf(*Frame());
    // To the keyboard's widget; the main window's once the window manager closed the popup.
    const auto alt = [pMain](QEvent::Type type) {
        // X reports the modifiers held before the key: none on the press, Alt on the release.
        QKeyEvent key(type, Qt::Key_Alt, type == QEvent::KeyPress ? Qt::NoModifier : Qt::AltModifier);
        QWidget* pFocus = QApplication::focusWidget();
        QApplication::sendEvent(pFocus ? pFocus : pMain, &key);
    };
    for (const bool bWindowManagersClose : {false, true}) {
        SCOPED_TRACE(bWindowManagersClose ? "Alt+F4" : "Alt alone");
        pMain->activateWindow();
        ProcessEventsUntil([pMain] { return QApplication::activeWindow() == pMain; });
        Click(*View(), ClientCentre(*View(), *pInput));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);
        QWidget* pPopupWidget = QtWidgetOf(*pPopup);
        pPopupWidget->activateWindow();
        ProcessEventsUntil([pPopupWidget] { return QApplication::activeWindow() == pPopupWidget; });
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup);
        pPopup->GetSlider()->SetFocus();

        alt(QEvent::KeyPress);
        ProcessEventsUntil([] { return false; }, 300);
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup) << "the popup waits for Alt's release";
        ASSERT_EQ(QApplication::activeWindow(), pPopupWidget) << "the popup keeps the keyboard";
        if (bWindowManagersClose) {
            QCloseEvent close;
            QApplication::sendEvent(QApplication::activeWindow(), &close);
        }
        alt(QEvent::KeyRelease);
        EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
        EXPECT_TRUE(IsWindow(Frame()));
        EXPECT_EQ(m_app->GetOpenDocumentCount(), 1);
        EXPECT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
