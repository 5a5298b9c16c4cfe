// The simulation's "Message texts" display in the program's windows on the manual clocks: the
// sheet opening when a message comes on, its pages, the 53 ms redraw of running values, the
// "Details" switch and the in-place parameter popup over an element.
#include "editor/DiagramWindow.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "document/SimScan.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/InPlaceParamDlg.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "messagetext/WidgetPlacement.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PeriodicTimer.h"
#include "platform/ui/WinThread.h"

#include <algorithm>
#include <string>

namespace {

class MsgTxtDisplayTest : public DiagramWindow {
protected:
    void SetUp() override
    {
        m_previousFactory = AfxSetPeriodicTimerFactory([this] {
            auto pTimer = std::make_unique<CManualPeriodicTimer>();
            m_pTimer = pTimer.get();
            return pTimer;
        });
        DiagramWindow::SetUp();
        m_bDetails = g_bShowMsgTextDetails;
    }
    void TearDown() override
    {
        DiagramWindow::TearDown();
        AfxSetPeriodicTimerFactory(m_previousFactory);
        g_bShowMsgTextDetails = m_bDetails;
    }

    void Wire(CBlockObj* pFrom, CBlockObj* pTo, int nToPin)
    {
        CRect rcFrom;
        CRect rcTo;
        ASSERT_TRUE(GetBlockPinRect(&rcFrom, pFrom, BLOCK_FIRST_OUTPUT));
        ASSERT_TRUE(GetBlockPinRect(&rcTo, pTo, nToPin));
        View()->WireTool().ConnectPins(rcFrom.CenterPoint(), pFrom, BLOCK_FIRST_OUTPUT, rcTo.CenterPoint(), pTo, nToPin);
    }
    // A message text enabled by its own input, with the element of parameter nParamId of
    // pValueBlock at line 1, column 1.
    CBlockMSGTEXT* Message(int nPriority, int y, CBlockObj* pValueBlock = nullptr, int nParamId = 16)
    {
        CBlockObj* pEnable = Block(BT_IN, 20, y);
        auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT, 200, y));
        pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = nPriority;
        Wire(pEnable, pText, 0);
        m_enables.push_back(pEnable);
        if (pValueBlock)
            AddElement(*pText, 0, *pValueBlock, nParamId, 1, 6);
        return pText;
    }
    // An element as the editor stored it, with a rectangle of the editor's cells.
    CWidget* AddElement(CBlockMSGTEXT& text, int nLine, CBlockObj& block, int nParamId, int nColumn, int nWidth)
    {
        auto* pWidget = new CWidget(0, 0, 7, 9, RGB(128, 128, 128));
        pWidget->m_nLine = nLine + 1;
        pWidget->m_nColumn = nColumn;
        pWidget->m_nWidth = nWidth;
        pWidget->m_nKind = 0;
        pWidget->m_nParamId = nParamId;
        pWidget->m_nBlockNumber = block.m_nNumber;
        pWidget->m_pBlock = &block;
        text.m_arrWidgets1[nLine].Add(pWidget);
        return pWidget;
    }
    void Simulate()
    {
        View()->OnSimulation();
        ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
        ASSERT_NE(m_pTimer, nullptr);
    }
    // The simulation started and the first message switched on: the sheet is open.
    void ShowFirstMessage()
    {
        ASSERT_NO_FATAL_FAILURE(Simulate());
        Toggle(m_enables[0]);
        ASSERT_NE(Sheet(), nullptr);
    }
    // One tick of the simulation: the clock, then the scan of the repaint.
    void Tick(int nTicks = 1)
    {
        for (int i = 0; i < nTicks; ++i) {
            m_pTimer->Fire();
            Pump();
        }
    }
    // The input pressed or released by a click during the simulation, then one scan.
    void Toggle(CBlockObj* pInput)
    {
        ToggleSimulatedInput(Doc(), *pInput);
        Tick();
    }
    CAllDisplayMsgTxts* Sheet() const
    {
        return static_cast<CAllDisplayMsgTxts*>(View()->MsgTextDisplay().GetDisplay());
    }
    CMsgTxtDisplay* ShownPage() const { return Sheet()->GetDisplayPage(Sheet()->GetActiveIndex()); }
    // Everything the page's grid writes when it is drawn, text after text.
    std::u16string PaintedText(CMsgTxtDisplay& page)
    {
        RecordingSurface surface(SIZE{400, 200});
        CDC dc(surface);
        page.m_grid.DrawGrid(&dc);
        std::u16string text;
        for (const auto& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                text += record.text + u"|";
        }
        return text;
    }
    // The element's centre in the grid's client area.
    static LPARAM At(const CWidget& widget)
    {
        const CPoint pt = widget.m_rect.CenterPoint();
        return MAKELPARAM(WORD(pt.x), WORD(pt.y));
    }
    CWidget& ShownElement(int nLine = 0, int nIndex = 0)
    {
        return *static_cast<CWidget*>(ShownPage()->m_grid.m_arrWidgets[nLine].GetAt(nIndex));
    }
    void DoubleClick(CWidget& widget)
    {
        CLcdCanvas& grid = ShownPage()->m_grid;
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(widget));
        grid.SendMessage(WM_LBUTTONUP, 0, At(widget));
        grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(widget));
    }
    // The due messages dispatched until the page's redraw timer has been; FALSE when it never
    // fell due.
    bool TakePageTimer(CMsgTxtDisplay& page)
    {
        MSG msg;
        while (CMessageQueue::Get().Take(msg)) {
            DispatchMessage(&msg);
            if (msg.message == WM_TIMER && msg.hwnd == &page && msg.wParam == MSGTXT_REDRAW_TIMER)
                return true;
        }
        return false;
    }
    CInPlaceParamDlg* Popup() { return ShownPage()->m_grid.m_pParamPopup; }
    CEdit& PopupEdit(int nID) { return *static_cast<CEdit*>(Popup()->GetDlgItem(nID)); }
    // A key as the program's loop routes it: the windows' translation first.
    void RouteKey(CWnd& target, UINT nKey)
    {
        MSG msg{&target, WM_KEYDOWN, nKey, 1, 0, {0, 0}};
        AfxGetThread()->RouteMessage(msg);
    }

    CManualPeriodicTimer* m_pTimer = nullptr;
    PeriodicTimerFactory m_previousFactory;
    std::vector<CBlockObj*> m_enables;
    BOOL m_bDetails = TRUE;
};

TEST_F(MsgTxtDisplayTest, TheSheetOpensOnAMessageAndShowsTheHighestActivePage)
{
    CBlockMSGTEXT* p3 = Message(3, 20);
    CBlockMSGTEXT* p7 = Message(7, 120);
    ASSERT_NO_FATAL_FAILURE(Simulate());
    Tick();
    EXPECT_EQ(Sheet(), nullptr);
    Toggle(m_enables[0]);
    ASSERT_NE(Sheet(), nullptr);
    ASSERT_EQ(Sheet()->GetPageCount(), 2);
    EXPECT_EQ(Sheet()->GetDisplayPage(0)->m_psp.pszTitle, CString(_T("3")));
    EXPECT_EQ(ShownPage()->m_nBlockNumber, p3->m_nNumber);
    Toggle(m_enables[1]);
    EXPECT_EQ(ShownPage()->m_nBlockNumber, p7->m_nNumber);
    Toggle(m_enables[1]);
    EXPECT_EQ(ShownPage()->m_nBlockNumber, p3->m_nNumber);
    // The last active message going off closes the sheet; leaving the simulation with an open
    // sheet closes it too.
    Toggle(m_enables[0]);
    EXPECT_EQ(Sheet(), nullptr);
    Toggle(m_enables[0]);
    ASSERT_NE(Sheet(), nullptr);
    View()->OnSimulation();
    EXPECT_EQ(Sheet(), nullptr);
}

TEST_F(MsgTxtDisplayTest, ACountingCounterShowsEachNewValueAtTheNextRedraw)
{
    CBlockObj* pPulse = Block(BT_IN, 20, 250);
    CBlockObj* pCounter = Block(BT_COUNTER, 120, 250);
    Wire(pPulse, pCounter, 1);
    Message(2, 20, pCounter, 16);
    g_bShowMsgTextDetails = FALSE;
    ASSERT_NO_FATAL_FAILURE(ShowFirstMessage());
    CMsgTxtDisplay& page = *ShownPage();
    for (int nCount = 1; nCount <= 3; ++nCount) {
        Toggle(pPulse);
        Toggle(pPulse);
        ASSERT_EQ(int(pCounter->m_dRunTime), nCount);
        // The page's 53 ms timer is what asks the grid to be drawn again.
        Pump();
        CRect rcUpdate;
        EXPECT_FALSE(page.m_grid.GetUpdateRect(rcUpdate));
        m_clock.Advance(MSGTXT_REDRAW_MS);
        EXPECT_TRUE(TakePageTimer(page));
        EXPECT_TRUE(page.m_grid.GetUpdateRect(rcUpdate));
        Pump();
        const std::u16string text = PaintedText(page);
        EXPECT_NE(text.find(std::u16string(1, char16_t('0' + nCount)) + u"|"), std::u16string::npos) << nCount;
    }
}

TEST_F(MsgTxtDisplayTest, ThePageIsACopyOfSet1ThatKeepsIndexesAndFitsTheDisplaysCells)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 120, 250);
    CBlockMSGTEXT* pText = Message(1, 20);
    pText->m_strCells1[1][12] = _T("Y");
    pText->m_strCells1[1][13] = _T("X");
    pText->m_strCells2[2][1] = _T("Z");
    pText->m_arrWidgets1[1].Add(nullptr);
    CWidget* pElement = AddElement(*pText, 1, *pCounter, 16, 3, 6);
    // A graph has no block; the display must not lose it from the block.
    auto* pGraph = new CWidget(0, 0, 7, 9, RGB(0, 0, 0));
    pGraph->m_nLine = 3;
    pGraph->m_nColumn = 1;
    pGraph->m_nWidth = 4;
    pGraph->m_nKind = WIDGET_KIND_GRAPH;
    pText->m_arrWidgets1[2].Add(pGraph);
    ASSERT_NO_FATAL_FAILURE(ShowFirstMessage());
    CMsgTxtDisplay& page = *ShownPage();
    CLcdCanvas& grid = page.m_grid;
    EXPECT_EQ(grid.GetColumnCount(), MSGTEXT_OLD_COLUMNS);
    EXPECT_EQ(grid.GetItemText(1, 12), CString(_T("Y")));
    EXPECT_EQ(grid.GetItemText(2, 1), CString());
    ASSERT_EQ(grid.m_arrWidgets[1].GetSize(), 2);
    EXPECT_EQ(grid.m_arrWidgets[1].GetAt(0), nullptr);
    const auto* pShown = static_cast<const CWidget*>(grid.m_arrWidgets[1].GetAt(1));
    ASSERT_NE(pShown, nullptr);
    EXPECT_EQ(pShown->m_rect, SpanRect(grid, SpanOfWidget(*pElement)));
    EXPECT_NE(pShown->m_rect, pElement->m_rect);
    // Applying the sheet writes nothing back: the block keeps its graph and its own rectangle.
    Sheet()->Apply();
    ASSERT_EQ(pText->m_arrWidgets1[2].GetSize(), 1);
    EXPECT_EQ(pText->m_arrWidgets1[2].GetAt(0), pGraph);
    EXPECT_EQ(pText->m_arrWidgets1[1].GetAt(1), pElement);
    EXPECT_EQ(pElement->m_rect, CRect(0, 0, 7, 9));
}

TEST_F(MsgTxtDisplayTest, AnElementRunningPastTheShownColumnsLiesWhereTheEditorPutsIt)
{
    // Four Chinese characters on line 2 of a 24-column text, then a value in columns 9-14.
    CBlockObj* pCounter = Block(BT_COUNTER, 120, 250);
    pCounter->m_dRunTime = 123456;
    CBlockMSGTEXT* pText = Message(1, 20);
    for (int c = 1; c <= 7; c += 2)
        pText->m_strCells1[2][c] = CString(WCHAR(0x4E2D));
    AddElement(*pText, 1, *pCounter, 16, 9, 6);
    g_bShowMsgTextDetails = FALSE;
    ASSERT_NO_FATAL_FAILURE(ShowFirstMessage());
    CLcdCanvas& grid = ShownPage()->m_grid;
    CWidget& shown = ShownElement(1);
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(2, 9, &cell));
    EXPECT_EQ(shown.m_rect, CRect(cell.left, cell.top, cell.left + 6 * grid.GetColumnWidth(9), cell.bottom + 1));
    // The value's characters go left to right from its first cell, not back over the text.
    RecordingSurface surface(SIZE{400, 200});
    CDC dc(surface);
    grid.DrawGrid(&dc);
    std::vector<LONG> xs;
    for (const auto& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text)
            xs.push_back(record.points[0].x);
    }
    ASSERT_GE(xs.size(), 6u);
    EXPECT_GE(xs[xs.size() - 6], cell.left);
    EXPECT_TRUE(std::is_sorted(xs.end() - 6, xs.end()));
    DoubleClick(shown);
    EXPECT_NE(Popup(), nullptr);
}

TEST_F(MsgTxtDisplayTest, DetailsClosesAPopupFirstAndEnterMovesTheFocus)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 120, 250);
    Message(1, 20, pCounter, 16);
    ASSERT_NO_FATAL_FAILURE(ShowFirstMessage());
    CMsgTxtDisplay& page = *ShownPage();
    const BOOL bBefore = g_bShowMsgTextDetails;
    DoubleClick(ShownElement());
    ASSERT_NE(Popup(), nullptr);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MTD_DETAILS, BN_CLICKED), 0);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(g_bShowMsgTextDetails, bBefore);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MTD_DETAILS, BN_CLICKED), 0);
    EXPECT_EQ(g_bShowMsgTextDetails, !bBefore);
    // Enter on the page is Tab: the sheet stays open.
    CWnd* pDetails = page.GetDlgItem(IDC_MTD_DETAILS);
    pDetails->SetFocus();
    RouteKey(*pDetails, VK_RETURN);
    EXPECT_NE(Sheet(), nullptr);
    EXPECT_NE(GetFocus(), pDetails);
}

TEST_F(MsgTxtDisplayTest, ThePopupAppliesOnEnterAndOnAPressOutsideAndDropsOnEsc)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 120, 250);
    auto* pTimer = static_cast<CBlockTime*>(Block(BT_MPLR, 120, 350));
    CBlockMSGTEXT* pText = Message(1, 20, pCounter, 16);
    AddElement(*pText, 1, *pTimer, 6, 1, 6);
    ASSERT_NO_FATAL_FAILURE(ShowFirstMessage());

    DoubleClick(ShownElement());
    ASSERT_NE(Popup(), nullptr);
    PopupEdit(IDC_IPP_VALUE).SetWindowText(_T("77"));
    RouteKey(PopupEdit(IDC_IPP_VALUE), VK_ESCAPE);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_NE(int(pCounter->m_dRunTime), 77);

    DoubleClick(ShownElement());
    ASSERT_NE(Popup(), nullptr);
    PopupEdit(IDC_IPP_VALUE).SetWindowText(_T("77"));
    RouteKey(PopupEdit(IDC_IPP_VALUE), VK_RETURN);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(int(pCounter->m_dRunTime), 77);

    // The timer's popup: seconds of 75 are refused in minutes, the popup closes, nothing changes.
    DoubleClick(ShownElement(1));
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(Popup()->GetControls(), InPlaceControls::TimePair);
    PopupEdit(IDC_IPP_VALUE2).SetWindowText(_T("75"));
    static_cast<CComboBox*>(Popup()->GetDlgItem(IDC_IPP_LIST))->SetCurSel(1);
    const int nBefore = pTimer->m_nParam[TIMER_ON_LOW_PARAM];
    RouteKey(PopupEdit(IDC_IPP_VALUE2), VK_RETURN);
    EXPECT_EQ(Popup(), nullptr);
    ASSERT_FALSE(m_boxes.Boxes().empty());
    EXPECT_EQ(m_boxes.Boxes().back().text, CString(_T("Please enter an integer between 0 and 59")));
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_LOW_PARAM], nBefore);

    // A press on another element applies the open popup's value and closes it.
    DoubleClick(ShownElement(1));
    ASSERT_NE(Popup(), nullptr);
    PopupEdit(IDC_IPP_VALUE).SetWindowText(_T("1"));
    PopupEdit(IDC_IPP_VALUE2).SetWindowText(_T("30"));
    static_cast<CComboBox*>(Popup()->GetDlgItem(IDC_IPP_LIST))->SetCurSel(1);
    CWidget& counterElement = ShownElement();
    Doc().SetModifiedFlag(FALSE);
    const int nHighBefore = pTimer->m_nParam[TIMER_ON_HIGH_PARAM];
    ShownPage()->m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(counterElement));
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_TRUE(Doc().IsModified()) << "the written time is saved with the diagram";
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_HIGH_PARAM], 1);
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_LOW_PARAM], 30);
    EXPECT_EQ(pTimer->m_nParam[TIMER_ON_BASE_PARAM], 1);
    // A second double click with a popup open opens no second one.
    DoubleClick(counterElement);
    CInPlaceParamDlg* pFirst = Popup();
    ASSERT_NE(pFirst, nullptr);
    ShownPage()->m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(counterElement));
    EXPECT_EQ(Popup(), pFirst);
    // Each write is an undo step of its own, which Undo takes back after the simulation.
    const int nTimer = pTimer->m_nNumber;
    View()->OnSimulation();
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Doc().FindBlockByNumber(nTimer)->m_nParam[TIMER_ON_HIGH_PARAM], nHighBefore);
}

}  // namespace
