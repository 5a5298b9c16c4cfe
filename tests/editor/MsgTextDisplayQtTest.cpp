// The simulation's "Message texts" display with its in-place popup open, driven through Qt's
// events as the user types, clicks and closes windows. The popup's refusal box runs a message
// loop, and the simulation scans on under it: the message may go off (the display closes) or
// one of higher priority come (the page switches) before the box is answered; the box here
// answers after one scan has run under it.
#include "SimulationQtWindow.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/InPlaceParamDlg.h"
#include "messagetext/MessageTextLists.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "platform/core/MessageBox.h"
#include "platform/qt/WindowManagerRequests.h"
#include "platform/ui/ComboBox.h"
#include "support/DiagramPoints.h"
#include "support/QtTestInput.h"

#include <QCloseEvent>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace {

class MsgTextDisplayQtTest : public SimulationQtWindow {
protected:
    void SetUp() override
    {
        SimulationQtWindow::SetUp();
        // Every box is counted; the one under test lets a scan run before it is answered.
        m_previousBox = SetMessageBoxHandler([this](const CString& strText, const CString&, UINT) {
            m_boxes.push_back(strText);
            if (m_underTheBox)
                std::exchange(m_underTheBox, nullptr)();
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previousBox);
        SimulationQtWindow::TearDown();
    }

    // A message text of the priority, enabled by an input of its own, with the on-delay of
    // pTimer on line 1.
    CBlockObj* Message(int nPriority, int y, CBlockObj* pTimer) const
    {
        CBlockObj* pEnable = Block(BT_IN, 20, y);
        auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT, 200, y));
        pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = nPriority;
        View()->WireTool().ConnectPins(PinCentre(pEnable, BLOCK_FIRST_OUTPUT), pEnable, BLOCK_FIRST_OUTPUT,
                                       PinCentre(pText, 0), pText, 0);
        auto* pElement = new CWidget(0, 0, 7, 9, RGB(128, 128, 128));
        pElement->m_nLine = 1;
        pElement->m_nColumn = 1;
        pElement->m_nWidth = 6;
        BindWidgetToValue(pElement, pTimer->m_nNumber, pTimer, 4);
        pText->m_arrWidgets1[0].Add(pElement);
        return pEnable;
    }
    CAllDisplayMsgTxts* Display() const
    {
        return static_cast<CAllDisplayMsgTxts*>(View()->MsgTextDisplay().GetDisplay());
    }
    CLcdCanvas& ShownGrid() const { return Display()->GetDisplayPage(Display()->GetActiveIndex())->m_grid; }
    // A simulation showing one message with a timer's value; returns the message's enable input.
    CBlockObj* ShowTimerMessage()
    {
        CBlockObj* pEnable = Message(1, 20, static_cast<CBlockTime*>(Block(BT_DPR, 120, 300)));
        Simulate();
        Switch(pEnable);
        return pEnable;
    }
    // The element's popup opened by a double click, with "75" as seconds of base "m".
    void OpenPopupWithRefusedValue()
    {
        CLcdCanvas& grid = ShownGrid();
        const CPoint pt = static_cast<CWidget*>(grid.m_arrWidgets[0].GetAt(0))->m_rect.CenterPoint();
        DoubleClick(grid, pt);
        ASSERT_NE(grid.m_pParamPopup, nullptr);
        grid.m_pParamPopup->GetDlgItem(IDC_IPP_VALUE2)->SetWindowText(_T("75"));
        static_cast<CComboBox*>(grid.m_pParamPopup->GetDlgItem(IDC_IPP_LIST))->SetCurSel(1);
    }
    // A cell two lines under the element, where no element lies.
    static CPoint BesideTheElement(const CLcdCanvas& grid)
    {
        const CRect& rect = static_cast<const CWidget*>(grid.m_arrWidgets[0].GetAt(0))->m_rect;
        return rect.CenterPoint() + CPoint(0, 2 * rect.Height());
    }

    MessageBoxHandler m_previousBox;
    std::vector<CString> m_boxes;
    std::function<void()> m_underTheBox;
};

// Enter on the refused value, or a press beside the popup's element, shows the refusal; while
// it is up the message goes off or a higher one comes. The program lives on, the value is not
// written, and a display that closed under the box is gone once the box is.
TEST_F(MsgTextDisplayQtTest, TheDisplayClosingOrTurningUnderTheRefusalBoxIsLeftAlone)
{
    const struct {
        bool bEnter;        // else a press on an empty cell beside the element
        bool bHigherComes;  // else the shown message goes off
    } cases[] = {{true, false}, {true, true}, {false, false}, {false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "enter " << c.bEnter << ", higher " << c.bHigherComes);
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        auto* pTimer = static_cast<CBlockTime*>(Block(BT_DPR, 120, 300));
        CBlockObj* pLow = Message(1, 20, pTimer);
        CBlockObj* pHigh = Message(5, 120, pTimer);
        const int nSecondsBefore = pTimer->m_nParam[TIMER_ON_LOW_PARAM];
        Simulate();
        Switch(pLow);
        ASSERT_NE(Display(), nullptr);
        CAllDisplayMsgTxts* pDisplay = Display();
        const int nLowPage = pDisplay->GetActiveIndex();
        ASSERT_NO_FATAL_FAILURE(OpenPopupWithRefusedValue());
        CLcdCanvas& grid = ShownGrid();
        m_underTheBox = [&] { Switch(c.bHigherComes ? pHigh : pLow); };
        m_boxes.clear();
        if (c.bEnter)
            QtTypeText(QtWidgetOf(*grid.m_pParamPopup->GetDlgItem(IDC_IPP_VALUE2)), "\r");
        else
            Mouse(grid, QEvent::MouseButtonPress, BesideTheElement(grid));
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0], CString(_T("Please enter an integer between 0 and 59")));
        EXPECT_FALSE(m_underTheBox) << "the scan ran under the box";
        EXPECT_EQ(pTimer->m_nParam[TIMER_ON_LOW_PARAM], nSecondsBefore);
        if (c.bHigherComes) {
            ASSERT_EQ(Display(), pDisplay);
            EXPECT_NE(pDisplay->GetActiveIndex(), nLowPage);
            EXPECT_EQ(grid.m_pParamPopup, nullptr);
        } else {
            EXPECT_EQ(Display(), nullptr);
            m_app->PumpPending();
            QApplication::processEvents();
            EXPECT_EQ(std::ranges::count(CWnd::GetTopLevelWindows(), static_cast<CWnd*>(pDisplay)), 0)
                << "the display went once its box had";
        }
        Simulate();
        EXPECT_EQ(Display(), nullptr);
    }
}

// The window manager's close on the display ends it, and its open popup with it; the next
// message that comes on opens it anew.
TEST_F(MsgTextDisplayQtTest, TheWindowManagersCloseTakesThePopupAlong)
{
    CBlockObj* pEnable = ShowTimerMessage();
    ASSERT_NE(Display(), nullptr);
    ASSERT_NO_FATAL_FAILURE(OpenPopupWithRefusedValue());
    const QPointer<QWidget> pPopup = QtWidgetOf(*ShownGrid().m_pParamPopup);
    ASSERT_TRUE(pPopup && pPopup->isVisible());
    QCloseEvent close;
    QApplication::sendEvent(QtWidgetOf(*Display()), &close);
    QApplication::processEvents();
    EXPECT_EQ(Display(), nullptr);
    EXPECT_TRUE(!pPopup || !pPopup->isVisible()) << "no popup left alone on the screen";
    EXPECT_TRUE(m_boxes.empty()) << "closing drops the popup's value";
    Switch(pEnable);
    Switch(pEnable);
    EXPECT_NE(Display(), nullptr);
}

// Esc on the in-place popup hands the activation back to the display that owns it, through Qt
// as well, so that the window manager does not pick another window (the main window, where the
// next Esc would end the simulation). The popup is Qt's active window first, as the window
// manager makes it when it appears.
TEST_F(MsgTextDisplayQtTest, EscOnThePopupGivesTheActivationBackToTheDisplay)
{
    ShowTimerMessage();
    ASSERT_NE(Display(), nullptr);
    QWidget* pDisplay = QtWidgetOf(*Display());
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    pDisplay->activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([pDisplay] { return QApplication::activeWindow() == pDisplay; }));
    ASSERT_NO_FATAL_FAILURE(OpenPopupWithRefusedValue());
    CInPlaceParamDlg* pPopup = ShownGrid().m_pParamPopup;
    QWidget* pPopupWidget = QtWidgetOf(*pPopup);
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    ASSERT_EQ(ShownGrid().m_pParamPopup, pPopup);
    pPopupWidget->activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([pPopupWidget] { return QApplication::activeWindow() == pPopupWidget; }));
    // The keyboard in the popup, as it opens: a late activation of the window manager's may
    // have taken it.
    CWnd* pEdit = pPopup->GetDlgItem(IDC_IPP_VALUE2);
    pEdit->SetFocus();

    QtType(QtWidgetOf(*pEdit), Qt::Key_Escape, QString(QChar(0x1b)));
    ASSERT_EQ(ShownGrid().m_pParamPopup, nullptr);
    ASSERT_NO_FATAL_FAILURE(SettleWindowManager());
    ProcessEventsUntil([pDisplay] { return QApplication::activeWindow() == pDisplay; });
    EXPECT_EQ(QApplication::activeWindow(), pDisplay);
    EXPECT_EQ(CWnd::GetActiveWindow(), Display());
    EXPECT_TRUE(m_boxes.empty()) << "Esc drops the popup's value";
}

// The window manager shades the display: its in-place popup, a window of its own, goes out of
// sight with it rather than float alone, and comes back when the display is unshaded.
TEST_F(MsgTextDisplayQtTest, ThePopupGoesAndComesBackWithItsShadedDisplay)
{
    if (!QtTestOnDesktop())
        GTEST_SKIP() << "a window manager shades windows";
    ShowTimerMessage();
    ASSERT_NE(Display(), nullptr);
    ASSERT_NO_FATAL_FAILURE(OpenPopupWithRefusedValue());
    QWidget* pPopup = QtWidgetOf(*ShownGrid().m_pParamPopup);
    ASSERT_TRUE(ProcessEventsUntil([pPopup] { return pPopup->windowHandle()->isExposed(); }));
    if (!WindowManagerOffers(*QtWidgetOf(*Display()), "_NET_WM_ACTION_SHADE"))
        GTEST_SKIP() << "this window manager shades no dialog";

    AskWindowManagerToShade(*QtWidgetOf(*Display()), true);
    EXPECT_TRUE(ProcessEventsUntil([pPopup] { return !pPopup->isVisible(); }));
    ASSERT_NE(ShownGrid().m_pParamPopup, nullptr) << "out of sight, not closed";
    AskWindowManagerToShade(*QtWidgetOf(*Display()), false);
    EXPECT_TRUE(ProcessEventsUntil([pPopup] { return pPopup->isVisible(); }));
    EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
