#include "platform/ui/PropertySheet.h"

#include "platform/ui/Button.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

// The dialog's own OK and Cancel handlers would end the sheet without asking its pages, so the
// sheet's map chains straight to the window's.
BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

namespace {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

struct SheetButton {
    UINT nID;
    LPCTSTR lpszText;
};

// Right to left along the bottom strip.
constexpr SheetButton kButtons[] = {
    {IDHELP, _T("Help")},
    {ID_APPLY_NOW, _T("&Apply")},
    {IDCANCEL, _T("Cancel")},
    {IDOK, _T("OK")},
};

}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption)
{
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage)
        return;
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (m_pTab) {
        m_pTab->InsertItem(m_pTab->GetItemCount(), pPage->GetTabTitle());
        if (m_nActive < 0)
            ShowPage(0);
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    CPropertyPage* pPage = m_pages[std::size_t(nPage)];
    if (IsWindow(pPage))
        pPage->DestroyWindow();
    pPage->m_pSheet = nullptr;
    pPage->m_bFirstSetActive = TRUE;
    m_pages.erase(m_pages.begin() + nPage);
    if (m_pTab)
        m_pTab->DeleteItem(nPage);
    if (m_nActive == nPage) {
        m_nActive = -1;
        if (m_pTab && GetPageCount() > 0)
            ShowPage(std::min(nPage, GetPageCount() - 1));
    } else if (m_nActive > nPage) {
        --m_nActive;
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[std::size_t(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    const auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(m_hWnd ? m_nActive : int(m_psh.nStartPage));
}

int CPropertySheet::GetActiveIndex() const { return m_hWnd ? m_nActive : int(m_psh.nStartPage); }

CTabCtrl* CPropertySheet::GetTabControl() const { return m_pTab; }

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT)
{
    m_strCaption = lpszText;
    if (m_hWnd)
        SetWindowText(m_strCaption);
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!GetPage(nPage))
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = UINT(nPage);
        return TRUE;
    }
    if (nPage == m_nActive)
        return TRUE;
    if (CPropertyPage* pActive = GetPage(m_nActive); pActive && !pActive->OnKillActive())
        return FALSE;
    ShowPage(nPage);
    return TRUE;
}

void CPropertySheet::StepPage(int nStep)
{
    const int nCount = GetPageCount();
    CPropertyPage* pOld = GetPage(m_nActive);
    if (nCount < 2 || !pOld)
        return;
    const bool bFocusOnPage = pOld->IsChild(GetFocus());
    if (!SetActivePage((m_nActive + nStep + nCount) % nCount))
        return;
    CPropertyPage* pNew = GetPage(m_nActive);
    if (bFocusOnPage && pNew != pOld) {
        if (CWnd* pFirst = pNew->GetNextDlgTabItem(nullptr))
            GotoDlgCtrl(pFirst);
    }
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        const bool bShift = GetKeyState(VK_SHIFT) < 0;
        int nStep = 0;
        if (pMsg->wParam == WPARAM(VK_TAB))
            nStep = bShift ? -1 : 1;
        else if (pMsg->wParam == WPARAM(VK_NEXT))
            nStep = 1;
        else if (pMsg->wParam == WPARAM(VK_PRIOR))
            nStep = -1;
        if (nStep != 0) {
            StepPage(nStep);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

CRect CPropertySheet::PageRect() const
{
    CRect rect;
    m_pTab->GetWindowRect(rect);
    ScreenToClient(rect);
    m_pTab->AdjustRect(FALSE, rect);
    return rect;
}

void CPropertySheet::ShowPage(int nPage)
{
    CPropertyPage* pOld = GetPage(m_nActive);
    CPropertyPage* pPage = GetPage(nPage);
    if (!pPage)
        return;
    if (!IsWindow(pPage)) {
        pPage->m_bFirstSetActive = TRUE;
        if (!pPage->CreateDialogWindow(this, FALSE))
            return;
        pPage->MoveWindow(PageRect());
        // Pages lie above the tab control, which covers their area too; so in tab order a
        // page's controls come first, then the tabs, then the buttons.
        pPage->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (pOld && pOld != pPage && IsWindow(pOld))
        pOld->ShowWindow(SW_HIDE);
    m_nActive = nPage;
    m_pTab->SetCurSel(nPage);
    pPage->OnSetActive();
    pPage->ShowWindow(SW_SHOWNA);
    UpdateApplyButton();
}

// ---- creation ----

void CPropertySheet::CreateChildren(const CSize& pageSize, BOOL bModal)
{
    CRect rectTab(kMargin, kMargin, kMargin + pageSize.cx, kMargin + pageSize.cy);
    auto* pTab = new CTabCtrl;
    pTab->SetAutoDelete(TRUE);
    CRect rectTabWindow = rectTab;
    pTab->AdjustRect(TRUE, rectTabWindow);
    rectTabWindow.OffsetRect(kMargin - rectTabWindow.left, kMargin - rectTabWindow.top);
    pTab->Create(WS_VISIBLE | WS_TABSTOP, rectTabWindow, this, AFX_IDC_TAB_CONTROL);
    m_pTab = pTab;

    const int nTop = rectTabWindow.bottom + kMargin;
    int nRight = rectTabWindow.right;
    for (const SheetButton& button : kButtons) {
        const bool bShown = bModal && (button.nID != IDHELP || (m_psh.dwFlags & PSH_HASHELP)) &&
                            (button.nID != ID_APPLY_NOW || !(m_psh.dwFlags & PSH_NOAPPLYNOW));
        auto* pButton = new CButton;
        pButton->SetAutoDelete(TRUE);
        const DWORD dwType = button.nID == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        const CRect rect(nRight - kButtonWidth, nTop, nRight, nTop + kButtonHeight);
        pButton->Create(button.lpszText, dwType | WS_TABSTOP | (bShown ? WS_VISIBLE : 0), rect,
                        this, button.nID);
        if (bShown)
            nRight -= kButtonWidth + kButtonGap;
    }
    GetDlgItem(ID_APPLY_NOW)->EnableWindow(FALSE);
    for (CPropertyPage* pPage : m_pages)
        m_pTab->InsertItem(m_pTab->GetItemCount(), pPage->GetTabTitle());
    const int nHeight = bModal ? nTop + kButtonHeight + kMargin : rectTabWindow.bottom + kMargin;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    SetWindowPos(nullptr, 0, 0, rectTabWindow.right + kMargin, nHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::CreateDialogWindow(CWnd* pParentWnd, BOOL bModal)
{
    // The page area fits the largest page.
    CSize pageSize(0, 0);
    for (CPropertyPage* pPage : m_pages) {
        if (const DialogTemplate* pTemplate = AfxFindDialogTemplate(pPage->m_psp.nIDTemplate)) {
            CRect rect(0, 0, pTemplate->size.cx, pTemplate->size.cy);
            AfxMapDialogRect(rect, pTemplate->nPointSize);
            pageSize.cx = std::max(pageSize.cx, rect.Width());
            pageSize.cy = std::max(pageSize.cy, rect.Height());
        }
    }
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    CRect rect(0, 0, pageSize.cx + 2 * kMargin, pageSize.cy + 2 * kMargin);
    if (!CreateEx(WS_EX_CONTROLPARENT, WC_DIALOG, m_strCaption, dwStyle, rect, pParentWnd, 0))
        return FALSE;
    m_nActive = -1;
    CreateChildren(pageSize, bModal);
    // Centred over the owner once the buttons have given the sheet its size; a sheet that has a
    // place of its own moves there afterwards.
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const CRect rectPlace = AfxPlaceOverOwner(rectWindow.Size(), pParentWnd);
    SetWindowPos(nullptr, rectPlace.left, rectPlace.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InitDialogWindow();
    return IsWindow(this);
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD, DWORD)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_psh.dwFlags |= PSH_MODELESS;
    if (!CreateDialogWindow(m_pParentWnd ? m_pParentWnd : AfxGetMainWnd(), FALSE))
        return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::OnInitDialog()
{
    const int nStart = GetPage(int(m_psh.nStartPage)) ? int(m_psh.nStartPage) : 0;
    ShowPage(nStart);
    // The focus goes to the first control of the shown page.
    CPropertyPage* pPage = GetPage(m_nActive);
    if (CWnd* pFirst = pPage ? pPage->GetNextDlgTabItem(nullptr) : nullptr)
        GotoDlgCtrl(pFirst);
    return FALSE;
}

// ---- the buttons ----

void CPropertySheet::UpdateApplyButton()
{
    const bool bModified = std::any_of(m_pages.begin(), m_pages.end(), [](CPropertyPage* pPage) {
        return IsWindow(pPage) && pPage->IsModified();
    });
    if (CWnd* pApply = GetDlgItem(ID_APPLY_NOW))
        pApply->EnableWindow(bModified);
}

BOOL CPropertySheet::Apply()
{
    if (CPropertyPage* pActive = GetPage(m_nActive); pActive && !pActive->OnKillActive())
        return FALSE;
    for (CPropertyPage* pPage : std::vector<CPropertyPage*>(m_pages)) {
        if (!IsWindow(pPage))
            continue;
        if (!pPage->OnApply()) {
            ShowPage(GetPageIndex(pPage));
            return FALSE;
        }
        pPage->m_bModified = FALSE;
    }
    UpdateApplyButton();
    return TRUE;
}

void CPropertySheet::PressOK()
{
    if (Apply())
        EndDialog(IDOK);
}

void CPropertySheet::PressCancel()
{
    for (CPropertyPage* pPage : m_pages) {
        if (IsWindow(pPage) && !pPage->OnQueryCancel())
            return;
    }
    for (CPropertyPage* pPage : m_pages) {
        if (IsWindow(pPage))
            pPage->OnReset();
    }
    EndDialog(IDCANCEL);
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr->idFrom != AFX_IDC_TAB_CONTROL)
        return FALSE;
    if (pHdr->code == TCN_SELCHANGING) {
        CPropertyPage* pActive = GetPage(m_nActive);
        *pResult = pActive && !pActive->OnKillActive();
        return TRUE;
    }
    if (pHdr->code == TCN_SELCHANGE) {
        ShowPage(m_pTab->GetCurSel());
        return TRUE;
    }
    return FALSE;
}

LRESULT CPropertySheet::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Only what the program's map left comes here.
        switch (LOWORD(DWORD(wParam))) {
        case IDOK:
            PressOK();
            return 0;
        case IDCANCEL:
            PressCancel();
            return 0;
        case ID_APPLY_NOW:
            Apply();
            return 0;
        default:
            return 0;
        }
    case PSM_QUERYSIBLINGS:
        for (CPropertyPage* pPage : std::vector<CPropertyPage*>(m_pages)) {
            if (!IsWindow(pPage))
                continue;
            if (const LRESULT lResult = pPage->SendMessage(PSM_QUERYSIBLINGS, wParam, lParam))
                return lResult;
        }
        return 0;
    case PSM_GETTABCONTROL:
        return reinterpret_cast<LRESULT>(static_cast<CWnd*>(m_pTab));
    case PSM_CHANGED:
    case PSM_UNCHANGED:
        UpdateApplyButton();
        return 0;
    case PSM_SETCURSEL:
        return SetActivePage(int(wParam));
    case PSM_APPLY:
        return Apply();
    case WM_NCDESTROY:
        m_pTab = nullptr;
        m_nActive = -1;
        return CDialog::DefWindowProc(message, wParam, lParam);
    default:
        return CDialog::DefWindowProc(message, wParam, lParam);
    }
}
