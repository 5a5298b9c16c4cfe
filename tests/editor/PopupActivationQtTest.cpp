// A window activated while the simulation's value popup is open closes the popup from its
// activation handler, inside Qt's own activation change: the popup's widget must outlive that
// change. Activation goes through Qt (a window manager's, where the tests run on a desktop), as
// a click on the window gives it.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/PaletteHost.h"
#include "editor/VetlaView.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/core/MessageBox.h"
#include "platform/qt/QtPeerWidget.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/DiagramPoints.h"
#include "support/RunningApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>


namespace {

class PopupActivationQtTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bShowAtNewFile = g_bShowAtNewFile;
        g_bShowAtNewFile = 0;
        ASSERT_TRUE(m_app.Start());
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        ASSERT_NE(View(), nullptr);
    }

    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = m_bShowAtNewFile;
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    CVetlaView* View() const { return Frame() ? Frame()->GetActiveView() : nullptr; }
    CVetlaDoc& Doc() const { return *View()->GetDocument(); }

    // A block chosen from the palette and placed with a click.
    CBlockObj* Place(int nType, CPoint pt) const
    {
        Frame()->SendMessage(WM_PALETTE_SELECT, 1, nType);
        Click(pt);
        return static_cast<CBlockObj*>(Doc().m_blockList.GetTail());
    }

    // A mouse event at a client point of the view, as Qt delivers it to the view's widget.
    void Mouse(QEvent::Type type, CPoint pt, Qt::MouseButton button, Qt::MouseButtons held) const
    {
        QWidget* pWidget = QtWidgetOf(*View());
        CPoint ptScreen = pt;
        View()->ClientToScreen(&ptScreen);
        CRect rcWindow;
        View()->GetWindowRect(rcWindow);
        const QPointF local(ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
        QMouseEvent event(type, local, pWidget->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    }
    void Click(CPoint pt) const
    {
        Mouse(QEvent::MouseButtonPress, pt, Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, pt, Qt::LeftButton, Qt::NoButton);
    }
    // A wire drawn from one pin to another with the mouse held.
    void Wire(CPoint ptFrom, CPoint ptTo) const
    {
        Mouse(QEvent::MouseButtonPress, ptFrom, Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= 4; ++i)
            Mouse(QEvent::MouseMove, ptFrom + CPoint((ptTo.x - ptFrom.x) * i / 4, (ptTo.y - ptFrom.y) * i / 4),
                  Qt::NoButton, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, ptTo, Qt::LeftButton, Qt::NoButton);
    }
    static CPoint Middle(const CBlockObj* pBlock)
    {
        return pBlock->m_ptPos + CPoint(pBlock->m_nWidth / 2, pBlock->m_nHeight / 2);
    }

    // Qt makes the widget's window the active one, as it does when the window manager reports
    // a click's activation; what the activation freed is freed next, as the event loop would.
    static void Activate(QWidget* pWidget)
    {
        QApplication::setActiveWindow(pWidget->window());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The window manager's own traffic (mapping, focus) arrives before the next step.
    static void Settle()
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    RunningApp m_app{"qarvo-popup-activation", RunningApp::Backend::Qt};
    CMessageBoxRecorder m_boxes;
    int m_bShowAtNewFile = 1;
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

    Frame()->SendMessage(WM_COMMAND, ID_TOOLS_SIMULATION);
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    ASSERT_EQ(Doc().m_lineList.GetCount(), 1);
    Click(Middle(pIn));
    QtWidgetOf(*View())->repaint();  // a scan: the message comes on and the display opens
    QtWidgetOf(*View())->grab();
    CWnd* pDisplay = static_cast<CAllDisplayMsgTxts*>(View()->MsgTextDisplay().GetDisplay());
    ASSERT_NE(pDisplay, nullptr);
    Mouse(QEvent::MouseButtonPress, Middle(pAnd), Qt::RightButton, Qt::RightButton);
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
        Settle();
        Activate(QtWidgetOf(*Frame()));
        Click(Middle(pAnalog));
        CAnalogSliderDlg* pPopup = View()->Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr) << window.pszWindow;
        Settle();
        Activate(QtWidgetOf(*pPopup));
        ASSERT_EQ(View()->Simulation().ValuePopup(), pPopup) << window.pszWindow;

        ASSERT_TRUE(IsWindow(window.pWnd)) << window.pszWindow;
        Activate(QtWidgetOf(*window.pWnd));
        EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr) << window.pszWindow;
        EXPECT_EQ(CWnd::GetActiveWindow(), window.pWnd) << window.pszWindow;
    }
}

}  // namespace
