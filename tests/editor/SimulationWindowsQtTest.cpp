// The windows a simulation opens beside the diagram, as Qt shows them: a block's modeless sheet
// asked for again, and the analog value popup at its block whatever the zoom, wherever the main
// window goes and however the diagram scrolls, out of sight with its block and with its shaded
// main window.
#include "SimulationQtWindow.h"

#include "blocks/BlockTypes.h"
#include "editor/AnalogSliderDlg.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/qt/WindowManagerRequests.h"
#include "platform/ui/SliderCtrl.h"
#include "support/QtTestApp.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>
#include <functional>

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
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    ProcessEventsUntil([pOther] { return QApplication::activeWindow() == QtWidgetOf(*pOther); });
    ASSERT_EQ(CWnd::GetActiveWindow(), pOther);

    DoubleClick(*View(), ClientCentre(*View(), *pFirst));
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
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

// The diagram scrolls under the open popup, by the wheel over the diagram or by its scroll bars:
// the popup goes along with its block, and closes once the block is out of sight, as it closes
// when the mouse leaves the view.
TEST_F(SimulationWindowsQtTest, TheValuePopupFollowsItsBlockWhenTheDiagramScrolls)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 320, 40);
    View()->SetPageLayout(2, 2);
    Simulate();
    auto* pView = static_cast<QtPeerWidget*>(QtWidgetOf(*View()));
    const auto wheel = [pView] {
        const QPointF local = pView->rect().center();
        QWheelEvent event(local, pView->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(pView, &event);
    };
    const auto bar = [pView](int nBar, QAbstractSlider::SliderAction action) {
        return [pView, nBar, action] { pView->ScrollBarWidget(nBar)->triggerAction(action); };
    };
    const struct {
        const char* pszName;
        std::function<void()> scroll;
        bool bInSight;
    } ways[] = {
        {"a wheel step", wheel, true},
        {"the vertical bar's arrow", bar(SB_VERT, QAbstractSlider::SliderSingleStepAdd), true},
        {"the horizontal bar's page", bar(SB_HORZ, QAbstractSlider::SliderPageStepAdd), true},
        {"the vertical bar to its end", bar(SB_VERT, QAbstractSlider::SliderToMaximum), false},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.pszName);
        View()->ScrollToPosition(CPoint(0, 0));
        Click(*View(), ClientCentre(*View(), *pInput));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);
        CRect rcBefore;
        pPopup->GetWindowRect(rcBefore);
        way.scroll();
        ASSERT_NE(View()->GetScrollPosition(), CPoint(0, 0)) << "the diagram scrolled";
        if (!way.bInSight) {
            EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
            continue;
        }
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup);
        CRect rcPopup;
        pPopup->GetWindowRect(rcPopup);
        const CPoint ptScroll = View()->GetScrollPosition();
        EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcBefore.left - ptScroll.x, rcBefore.top - ptScroll.y));
        View()->CloseValuePopup();
    }
}

// The window manager restores the maximised main window, smaller, with the popup open: the popup
// of a block still in sight goes along with it; the popup of a block the smaller window leaves
// out of sight closes rather than stay over the desktop.
TEST_F(SimulationWindowsQtTest, TheValuePopupFollowsOrClosesWhenTheMainWindowIsRestored)
{
    if (!QtTestOnDesktop())
        GTEST_SKIP() << "the window manager restores the window";
    QWidget* pMain = QtWidgetOf(*Frame());
    CBlockObj* pNear = Block(BT_ANALOG_IN, 320, 120);
    CBlockObj* pFar = Block(BT_ANALOG_IN, 320, 200);
    Simulate();
    AskWindowManagerToMaximise(*pMain, true);
    ASSERT_TRUE(ProcessEventsUntil([this] { return Frame()->IsZoomed(); }));
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    // In sight in the maximised window only.
    CRect rcView;
    View()->GetClientRect(rcView);
    pFar->m_ptPos.x = pFar->m_ptPos2.x = rcView.right - 60;
    const struct {
        const char* pszName;
        CBlockObj* pBlock;
        bool bInSight;
    } cases[] = {{"near the left edge", pNear, true}, {"near the right edge", pFar, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        AskWindowManagerToMaximise(*pMain, true);
        ASSERT_TRUE(ProcessEventsUntil([this] { return Frame()->IsZoomed(); }));
        ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
        Click(*View(), ClientCentre(*View(), *c.pBlock));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);

        AskWindowManagerToMaximise(*pMain, false);
        ASSERT_TRUE(ProcessEventsUntil([this] { return !Frame()->IsZoomed(); }));
        ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
        View()->GetClientRect(rcView);
        ASSERT_LT(rcView.right, pFar->m_ptPos.x) << "the restored window is smaller";
        if (!c.bInSight) {
            EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
            continue;
        }
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup);
        CRect rcPopup;
        pPopup->GetWindowRect(rcPopup);
        EXPECT_EQ(rcPopup.top, DrawnOnScreen(*View(), *c.pBlock).top);
        View()->CloseValuePopup();
    }
}

// The window manager shades the main window, rolls it up into its title bar: the popup goes out of
// sight with it and comes back, still open, when the window is unshaded. A window manager that
// hands the keyboard back to the main window as the popup goes (xfwm4) must not close it.
TEST_F(SimulationWindowsQtTest, TheValuePopupGoesAndComesBackWithTheShadedMainWindow)
{
    if (!QtTestOnDesktop())
        GTEST_SKIP() << "a window manager shades windows";
    CBlockObj* pInput = Block(BT_ANALOG_IN, 320, 120);
    Simulate();
    QWidget* pMain = QtWidgetOf(*Frame());
    if (!WindowManagerOffers(*pMain, "_NET_WM_ACTION_SHADE"))
        GTEST_SKIP() << "this window manager shades no window";
    pMain->activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([pMain] { return QApplication::activeWindow() == pMain; }));
    Click(*View(), ClientCentre(*View(), *pInput));
    CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
    ASSERT_NE(pPopup, nullptr);
    const QPointer<QWidget> pPopupWidget = QtWidgetOf(*pPopup);
    pPopupWidget->activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([pPopupWidget] { return QApplication::activeWindow() == pPopupWidget; }));

    AskWindowManagerToShade(*pMain, true);
    EXPECT_TRUE(ProcessEventsUntil([pPopupWidget] { return !pPopupWidget || !pPopupWidget->isVisible(); }));
    // The window manager's own activation after the popup went.
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup) << "out of sight, not closed";
    AskWindowManagerToShade(*pMain, false);
    EXPECT_TRUE(ProcessEventsUntil([pPopupWidget] { return pPopupWidget && pPopupWidget->isVisible(); }));
    EXPECT_EQ(View()->Simulation().ValuePopup(), pPopup);
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
        ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
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
