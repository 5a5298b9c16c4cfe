// A window activated while the simulation's value popup is open closes the popup from its
// activation handler, inside Qt's own activation change: the popup's widget must outlive that
// change. Activation goes through Qt (a window manager's, where the tests run on a desktop), as
// a click on the window gives it.
#include "SimulationQtWindow.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/PaletteHost.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/core/MessageBox.h"
#include "support/DiagramPoints.h"

namespace {

class PopupActivationQtTest : public SimulationQtWindow {
protected:
    // A block chosen from the palette and placed with a click.
    CBlockObj* Place(int nType, CPoint pt) const
    {
        Frame()->SendMessage(WM_PALETTE_SELECT, 1, nType);
        Click(*View(), pt);
        return static_cast<CBlockObj*>(Doc().m_blockList.GetTail());
    }
    // A wire drawn from one pin to another with the mouse held.
    void Wire(CPoint ptFrom, CPoint ptTo) const
    {
        Mouse(*View(), QEvent::MouseButtonPress, ptFrom);
        for (int i = 1; i <= 4; ++i)
            Mouse(*View(), QEvent::MouseMove, ptFrom + CPoint((ptTo.x - ptFrom.x) * i / 4, (ptTo.y - ptFrom.y) * i / 4));
        Mouse(*View(), QEvent::MouseButtonRelease, ptTo);
    }
    // Qt makes the widget's window the active one, as it does when the window manager reports
    // a click's activation; what the activation freed is freed next, as the event loop would.
    static void Activate(const CWnd& wnd)
    {
        QApplication::setActiveWindow(QtWidgetOf(wnd)->window());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    CMessageBoxRecorder m_boxes;
};

// Each window of a running simulation that closes the value popup when it is activated: the
// main frame, a block's modeless sheet and the message-text display. The popup is Qt's active
// window first, as the window manager makes it when it appears.
TEST_F(PopupActivationQtTest, ActivatingAWindowWithTheValuePopupOpenClosesThePopupAndGoesOn)
{
    CBlockObj* pIn = Place(BT_IN, CPoint(100, 80));
    auto* pText = static_cast<CBlockMSGTEXT*>(Place(BT_MSGTEXT, CPoint(300, 80)));
    CBlockObj* pAnalog = Place(BT_ANALOG_IN, CPoint(100, 250));
    CBlockObj* pAnd = Place(BT_AND, CPoint(300, 250));
    Wire(PinCentre(pIn, BLOCK_FIRST_OUTPUT), PinCentre(pText, 0));

    Simulate();
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    ASSERT_EQ(Doc().m_lineList.GetCount(), 1);
    Click(*View(), BlockCentre(pIn));
    Scan();  // the message comes on and the display opens
    CWnd* pDisplay = static_cast<CAllDisplayMsgTxts*>(View()->MsgTextDisplay().GetDisplay());
    ASSERT_NE(pDisplay, nullptr);
    Mouse(*View(), QEvent::MouseButtonPress, BlockCentre(pAnd), Qt::RightButton);
    Frame()->SendMessage(WM_COMMAND, ID_EDIT_BLOCK_PROPERTIES);
    CWnd* pSheet = View()->OpenSheets().Find(pAnd->m_nNumber);
    ASSERT_NE(pSheet, nullptr);

    const struct {
        const char* pszWindow;
        CWnd* pWnd;
    } kWindows[] = {
        {"the main frame", Frame()},
        {"a modeless block sheet", pSheet},
        {"the message-text display", pDisplay},
    };
    for (const auto& window : kWindows) {
        SCOPED_TRACE(window.pszWindow);
        ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
        Activate(*Frame());
        Click(*View(), BlockCentre(pAnalog));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);
        ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup);
        Activate(*pPopup);

        ASSERT_TRUE(IsWindow(window.pWnd));
        Activate(*window.pWnd);
        EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
        EXPECT_EQ(CWnd::GetActiveWindow(), window.pWnd);
    }
}

}  // namespace
