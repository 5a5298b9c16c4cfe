#include "messagetext/MsgTxtDisplay.h"

#include "blocks/Widget.h"
#include "document/SimMessageTexts.h"
#include "document/VetlaDoc.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/LcdGridSetup.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "messagetext/WidgetPlacement.h"
#include "pages/sheet/SimMessageDisplay.h"
#include "platform/ui/Button.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CMsgTxtDisplay, CPropertyPage)

BEGIN_MESSAGE_MAP(CMsgTxtDisplay, CPropertyPage)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The display shows the LCD's characters in red on its green.
constexpr COLORREF kDisplayText = RGB(255, 0, 0);
constexpr int kDisplayColumns = MSGTEXT_OLD_COLUMNS - 1;

}  // namespace

CMsgTxtDisplay::CMsgTxtDisplay(ISimMessageDisplayHost* pHost, CAllDisplayMsgTxts* pSheet)
    : CPropertyPage(IDD_MSGTXT_DISPLAY), m_pHost(pHost), m_pSheet(pSheet)
{
    RegisterMsgTxtDisplayTemplates();
}

CMsgTxtDisplay::~CMsgTxtDisplay() = default;

void CMsgTxtDisplay::TakeBlock(const CBlockMSGTEXT& block)
{
    m_nBlockNumber = block.m_nNumber;
    for (int r = 0; r < MSGTEXT_ROWS; ++r) {
        for (int c = 0; c < MSGTEXT_OLD_COLUMNS; ++c)
            m_strCells[r][c] = block.m_strCells1[r][c];
    }
    m_strTitle = MessageTextPageTitle(MessageTextPriority(block));
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strTitle;
}

CVetlaDoc* CMsgTxtDisplay::GetGridDocument() const
{
    return m_pHost ? m_pHost->GetDisplayDocument() : nullptr;
}

const CSimContext* CMsgTxtDisplay::GetGridSimContext() const
{
    return m_pHost ? m_pHost->GetDisplaySimContext() : nullptr;
}

void CMsgTxtDisplay::OnParamWritten(CBlockObj& block)
{
    if (m_pHost)
        m_pHost->RefreshBlockValues(block);
}

void CMsgTxtDisplay::OnCanvasModalLoop(BOOL bRunning)
{
    if (m_pSheet)
        m_pSheet->OnPageModalLoop(bRunning);
}

void CMsgTxtDisplay::SetUpDisplayGrid()
{
    CRect rect(16, 36, 0, 0);
    MapDialogRect(rect);
    m_grid.Create(CRect(rect.TopLeft(), LcdGridExtent(MSGTEXT_LINES, kDisplayColumns)), this, IDC_MTD_GRID);
    SetUpLcdGrid(m_grid, MSGTEXT_LINES, kDisplayColumns);
    for (int r = 0; r <= MSGTEXT_LINES; ++r) {
        for (int c = 0; c <= kDisplayColumns; ++c)
            m_grid.SetItemFgColour(r, c, kDisplayText);
    }
    m_grid.SetEditable(FALSE);
    m_grid.m_bAllowDragAndDrop = FALSE;
    FillLcdGrid(m_grid, &m_strCells[0][0], MSGTEXT_OLD_COLUMNS);
}

void CMsgTxtDisplay::CopyElements(const CBlockMSGTEXT& block)
{
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        const CObArray& src = block.m_arrWidgets1[nLine];
        for (INT_PTR i = 0; i < src.GetSize(); ++i) {
            const auto* pSource = static_cast<const CWidget*>(src.GetAt(i));
            CWidget* pShown = nullptr;
            CWidget* pKept = nullptr;
            if (pSource) {
                pShown = new CWidget;
                pSource->CopyTo(pShown);
                pShown->m_bSelected = FALSE;
                // The stored rectangle is the editor's cells; the display's cells differ.
                RefitWidgetRect(m_grid, *pShown);
                pKept = new CWidget;
                pShown->CopyTo(pKept);
            }
            m_grid.m_arrWidgets[nLine].SetAtGrow(i, pShown);
            m_grid.m_arrWidgetsSet1[nLine].SetAtGrow(i, pKept);
        }
    }
}

BOOL CMsgTxtDisplay::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    SetUpDisplayGrid();
    // The frame stands behind the button and the LCD it surrounds.
    if (CWnd* pGroup = GetDlgItem(IDC_MTD_GROUP))
        pGroup->SetWindowPos(&wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CVetlaDoc* pDoc = GetGridDocument();
    const CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(m_nBlockNumber) : nullptr;
    CVetlaDoc::InitParameterNames();
    if (const auto* pText = dynamic_cast<const CBlockMSGTEXT*>(pBlock)) {
        CopyElements(*pText);
        // Without its block the page shows the characters alone and is never redrawn.
        SetTimer(MSGTXT_REDRAW_TIMER, MSGTXT_REDRAW_MS, nullptr);
    }
    m_grid.m_bDisplayMode = TRUE;
    return TRUE;
}

void CMsgTxtDisplay::OnDetails()
{
    if (m_grid.m_pParamPopup) {
        m_grid.CloseObjectPopup(FALSE);
    } else {
        g_bShowMsgTextDetails = !g_bShowMsgTextDetails;
    }
    m_grid.Invalidate();
}

BOOL CMsgTxtDisplay::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_MTD_DETAILS && HIWORD(DWORD(wParam)) == BN_CLICKED) {
        OnDetails();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CMsgTxtDisplay::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        NextDlgCtrl();
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(pMsg);
}

void CMsgTxtDisplay::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == MSGTXT_REDRAW_TIMER)
        m_grid.Invalidate();
    CPropertyPage::OnTimer(nIDEvent);
}

void CMsgTxtDisplay::OnDestroy()
{
    KillTimer(MSGTXT_REDRAW_TIMER);
    m_grid.CloseObjectPopup(FALSE);
    CPropertyPage::OnDestroy();
}
