#include "controls/XListCtrl.h"

#include "controls/BarColors.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <utility>

const UINT WM_XLISTCTRL_CHECKBOX_CLICKED =
    ::RegisterWindowMessage(_T("WM_XLISTCTRL_CHECKBOX_CLICKED"));
const UINT WM_XLISTCTRL_COMBO_SELECTION = ::RegisterWindowMessage(_T("WM_XLISTCTRL_COMBO_SELECTION"));

IMPLEMENT_DYNAMIC(CXListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CXListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_VK_RETURN, OnComboReturn)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_VK_ESCAPE, OnComboEscape)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_KEYDOWN, OnComboKeyDown)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_LBUTTONUP, OnComboLButtonUp)
END_MESSAGE_MAP()

CXListCtrl::~CXListCtrl()
{
    // The header member and the records must outlive the window's WM_DESTROY.
    if (GetSafeHwnd())
        DestroyWindow();
}

// ---- records ----

const CXListCtrl::CellRow* CXListCtrl::CellsOf(int nItem) const
{
    if (!GetRow(nItem))
        return nullptr;
    const auto it = m_records.find(LPARAM(CListCtrl::GetItemData(nItem)));
    return it == m_records.end() ? nullptr : it->second.get();
}

CXListCtrl::CellRow* CXListCtrl::CellsOf(int nItem)
{
    return const_cast<CellRow*>(std::as_const(*this).CellsOf(nItem));
}

const CXListCtrl::XCell* CXListCtrl::GetCell(int nItem, int nSubItem) const
{
    const CellRow* pCells = CellsOf(nItem);
    if (!pCells || nSubItem < 0 || nSubItem >= GetColumnCount() ||
        std::size_t(nSubItem) >= pCells->size())
        return nullptr;
    return &(*pCells)[std::size_t(nSubItem)];
}

CXListCtrl::XCell* CXListCtrl::CellOf(int nItem, int nSubItem)
{
    return const_cast<XCell*>(GetCell(nItem, nSubItem));
}

int CXListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    if (nItem < 0)
        return -1;
    XCell cell;
    cell.crText = kColorWindowText;
    cell.crBackground = kColorWindow;
    auto pCells = std::make_unique<CellRow>(std::size_t(GetColumnCount()), cell);
    const int nIndex = CListCtrl::InsertItem(nItem, lpszItem);
    if (nIndex < 0)
        return -1;
    const auto key = reinterpret_cast<LPARAM>(pCells.get());
    CListCtrl::SetItemData(nIndex, DWORD_PTR(key));
    m_records.emplace(key, std::move(pCells));
    return nIndex;
}

BOOL CXListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText, COLORREF crText,
                             COLORREF crBackground)
{
    if (!CListCtrl::SetItemText(nItem, nSubItem, lpszText))
        return FALSE;
    if (XCell* pCell = CellOf(nItem, nSubItem)) {
        pCell->crText = crText;
        pCell->crBackground = crBackground;
        Update(nItem);
    }
    return TRUE;
}

BOOL CXListCtrl::SetCheckbox(int nItem, int nSubItem, int nCheckedState)
{
    XCell* pCell = CellOf(nItem, nSubItem);
    if (!pCell || nCheckedState < -1 || nCheckedState > 1)
        return FALSE;
    pCell->nCheckedState = nCheckedState;
    Update(nItem);
    StateChanged();
    UpdateHeaderCheckbox(nSubItem);
    return TRUE;
}

BOOL CXListCtrl::SetProgress(int nItem, int nSubItem, BOOL bShowProgressText, LPCTSTR lpszProgressText)
{
    XCell* pCell = CellOf(nItem, nSubItem);
    if (!pCell)
        return FALSE;
    pCell->bProgress = TRUE;
    pCell->nProgressPercent = 0;
    pCell->bShowProgressMessage = bShowProgressText;
    pCell->strProgressText = lpszProgressText ? CString(lpszProgressText) : CString();
    Update(nItem);
    return TRUE;
}

BOOL CXListCtrl::UpdateProgress(int nItem, int nSubItem, int nPercent)
{
    XCell* pCell = CellOf(nItem, nSubItem);
    if (!pCell || !pCell->bProgress)
        return FALSE;
    pCell->nProgressPercent = std::clamp(nPercent, 0, 100);
    Update(nItem);
    return TRUE;
}

void CXListCtrl::DeleteProgress(int nItem, int nSubItem)
{
    if (XCell* pCell = CellOf(nItem, nSubItem); pCell && pCell->bProgress) {
        pCell->bProgress = FALSE;
        Update(nItem);
    }
}

int CXListCtrl::GetCheckbox(int nItem, int nSubItem) const
{
    const XCell* pCell = GetCell(nItem, nSubItem);
    return pCell ? pCell->nCheckedState : -1;
}

BOOL CXListCtrl::SetEnabled(int nItem, BOOL bEnable)
{
    CellRow* pCells = CellsOf(nItem);
    if (!pCells)
        return FALSE;
    for (XCell& cell : *pCells)
        cell.bEnabled = bEnable;
    Update(nItem);
    return TRUE;
}

BOOL CXListCtrl::GetEnabled(int nItem) const
{
    const XCell* pCell = GetCell(nItem, 0);
    return pCell ? pCell->bEnabled : FALSE;
}

BOOL CXListCtrl::SetItemToolTipText(int nItem, int nSubItem, LPCTSTR lpszToolTipText)
{
    XCell* pCell = CellOf(nItem, nSubItem);
    if (!pCell)
        return FALSE;
    pCell->strToolTip = lpszToolTipText ? CString(lpszToolTipText) : CString();
    return TRUE;
}

CString CXListCtrl::GetItemToolTipText(int nItem, int nSubItem) const
{
    const XCell* pCell = GetCell(nItem, nSubItem);
    return pCell ? pCell->strToolTip : CString();
}

BOOL CXListCtrl::SetItemData(int nItem, DWORD dwData)
{
    XCell* pCell = CellOf(nItem, 0);
    if (!pCell)
        return FALSE;
    pCell->dwItemData = dwData;
    return TRUE;
}

DWORD CXListCtrl::GetItemData(int nItem) const
{
    const XCell* pCell = GetCell(nItem, 0);
    return pCell ? pCell->dwItemData : 0;
}

int CXListCtrl::CellToolHitTest(CPoint point, CString& strTip) const
{
    LVHITTESTINFO hit = {point, 0, -1, -1};
    SubItemHitTest(&hit);
    const XCell* pCell = GetCell(hit.iItem, hit.iSubItem);
    if (!pCell || pCell->strToolTip.IsEmpty())
        return -1;
    strTip = pCell->strToolTip.Left(kMaxToolTip);
    return hit.iSubItem + hit.iItem * 1000 + 1;
}

CString CXListCtrl::ToolTipTextAt(CPoint ptClient) const
{
    CString strTip;
    CellToolHitTest(ptClient, strTip);
    return strTip;
}

// ---- combo cells ----

BOOL CXListCtrl::SetComboBox(int nItem, int nSubItem, BOOL bEnableCombo, const std::vector<CString>& strings,
                             int nComboListHeight, int nInitialComboSel)
{
    XCell* pCell = CellOf(nItem, nSubItem);
    if (!pCell)
        return FALSE;
    if (!bEnableCombo && m_pListBox && nItem == m_nComboItem && nSubItem == m_nComboSubItem)
        CloseComboList(TRUE);
    pCell->bCombo = bEnableCombo;
    pCell->comboStrings = bEnableCombo ? strings : std::vector<CString>();
    pCell->nComboListHeight = std::max(1, nComboListHeight);
    pCell->nInitialComboSel = nInitialComboSel;
    Update(nItem);
    return TRUE;
}

BOOL CXListCtrl::GetComboButtonRect(int nItem, int nSubItem, CRect& rect) const
{
    const XCell* pCell = GetCell(nItem, nSubItem);
    if (!pCell || !pCell->bCombo)
        return FALSE;
    const CRect rectCell = CellRect(nItem, nSubItem);
    rect.SetRect(std::max(rectCell.left, rectCell.right - rectCell.Height()), rectCell.top, rectCell.right,
                 rectCell.bottom);
    return TRUE;
}

void CXListCtrl::OpenComboList(int nItem, int nSubItem)
{
    const XCell* pCell = GetCell(nItem, nSubItem);
    m_nComboItem = nItem;
    m_nComboSubItem = nSubItem;
    m_strInitialString = GetItemText(nItem, nSubItem);
    const auto it = std::find(pCell->comboStrings.begin(), pCell->comboStrings.end(), m_strInitialString);
    const int nSel = it != pCell->comboStrings.end() ? int(it - pCell->comboStrings.begin()) : pCell->nInitialComboSel;
    const CRect rectCell = CellRect(nItem, nSubItem);
    CRect rectList(rectCell.left, rectCell.bottom, rectCell.right,
                   rectCell.bottom + pCell->nComboListHeight * rectCell.Height() - 2);
    ClientToScreen(&rectList);
    m_bComboIsClicked = TRUE;
    m_comboAction = ComboAction::None;
    m_pListBox = std::make_unique<CXComboList>(this);
    if (!m_pListBox->Open(rectList, pCell->comboStrings, rectCell.Height(), nSel)) {
        m_pListBox.reset();
        m_bComboIsClicked = FALSE;
    } else {
        // The drop-down list shows its strings as the list shows its cells.
        m_pListBox->SetFont(GetFont());
    }
    Update(nItem);
}

void CXListCtrl::CloseComboList(BOOL bRestore)
{
    if (!m_pListBox)
        return;
    KillTimer(kComboTimer);
    m_comboAction = ComboAction::None;
    // Taken out first: the focus leaving it as it goes reports an Escape that must find it gone.
    std::unique_ptr<CXComboList> pList = std::move(m_pListBox);
    if (CWnd::GetFocus() == pList.get())
        SetFocus();
    pList->DestroyWindow();
    m_bComboIsClicked = FALSE;
    if (bRestore)
        CListCtrl::SetItemText(m_nComboItem, m_nComboSubItem, m_strInitialString);
    Update(m_nComboItem);
}

void CXListCtrl::SendToParent(UINT nMessage, int nItem, int nSubItem)
{
    if (CWnd* pTarget = GetParent() ? GetParent() : GetOwner())
        pTarget->SendMessage(nMessage, WPARAM(nItem), LPARAM(nSubItem));
}

LRESULT CXListCtrl::ScheduleComboAction(ComboAction action)
{
    // The drop-down list reports from inside its own handlers: it is closed only after them.
    if (m_pListBox) {
        m_comboAction = action;
        SetTimer(kComboTimer, kComboDelay, nullptr);
    }
    return 0;
}

LRESULT CXListCtrl::OnComboReturn(WPARAM, LPARAM) { return ScheduleComboAction(ComboAction::Take); }

LRESULT CXListCtrl::OnComboLButtonUp(WPARAM, LPARAM) { return ScheduleComboAction(ComboAction::Take); }

LRESULT CXListCtrl::OnComboEscape(WPARAM, LPARAM) { return ScheduleComboAction(ComboAction::Restore); }

LRESULT CXListCtrl::OnComboKeyDown(WPARAM, LPARAM) { return ScheduleComboAction(ComboAction::Show); }

void CXListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kComboTimer) {
        CListCtrl::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kComboTimer);
    if (!m_pListBox)
        return;
    const CString strSelected = m_pListBox->GetSelectedText();
    switch (std::exchange(m_comboAction, ComboAction::None)) {
    case ComboAction::Take: {
        const int nItem = m_nComboItem;
        const int nSubItem = m_nComboSubItem;
        if (!strSelected.IsEmpty())
            CListCtrl::SetItemText(nItem, nSubItem, strSelected);
        CloseComboList(FALSE);
        SendToParent(WM_XLISTCTRL_COMBO_SELECTION, nItem, nSubItem);
        break;
    }
    case ComboAction::Restore:
        CloseComboList(TRUE);
        break;
    case ComboAction::Show:
        if (!strSelected.IsEmpty())
            CListCtrl::SetItemText(m_nComboItem, m_nComboSubItem, strSelected);
        break;
    case ComboAction::None:
        break;
    }
}

// ---- selection ----

BOOL CXListCtrl::SetCurSel(int nItem)
{
    if (!GetRow(nItem))
        return FALSE;
    return SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int CXListCtrl::GetCurSel() const { return GetNextItem(-1, LVNI_SELECTED); }

// ---- the header's check boxes ----

void CXListCtrl::SubclassHeader()
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader && pHeader != &m_HeaderCtrl && !m_HeaderCtrl.GetSafeHwnd())
        m_HeaderCtrl.SubclassWindow(pHeader);
}

void CXListCtrl::UpdateHeaderCheckbox(int nSubItem)
{
    CXHeaderCtrl* pHeader = GetXHeaderCtrl();
    const int nImage = pHeader ? pHeader->GetItemImage(nSubItem) : -1;
    if (nImage != CXHeaderCtrl::kUnchecked && nImage != CXHeaderCtrl::kChecked)
        return;
    bool bAllChecked = true;
    for (int nItem = 0; nItem < GetItemCount() && bAllChecked; ++nItem)
        bAllChecked = GetCheckbox(nItem, nSubItem) == 1;
    pHeader->SetItemImage(nSubItem, bAllChecked ? CXHeaderCtrl::kChecked : CXHeaderCtrl::kUnchecked);
}

void CXListCtrl::OnHeaderCheckboxClicked(int nSubItem)
{
    CXHeaderCtrl* pHeader = GetXHeaderCtrl();
    const int nImage = pHeader ? pHeader->GetItemImage(nSubItem) : -1;
    if (nImage != CXHeaderCtrl::kUnchecked && nImage != CXHeaderCtrl::kChecked)
        return;
    const bool bCheck = nImage == CXHeaderCtrl::kUnchecked;
    pHeader->SetItemImage(nSubItem, bCheck ? CXHeaderCtrl::kChecked : CXHeaderCtrl::kUnchecked);
    for (int nItem = 0; nItem < GetItemCount(); ++nItem) {
        if (XCell* pCell = CellOf(nItem, nSubItem); pCell && pCell->nCheckedState >= 0)
            pCell->nCheckedState = bCheck ? 1 : 0;
    }
    Invalidate();
    StateChanged();
}

// ---- messages ----

BOOL CXListCtrl::OnReflectNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    switch (pNMHDR->code) {
    case UINT(NM_CUSTOMDRAW):
        *pResult = OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR));
        return TRUE;
    case LVN_DELETEITEM:
        // The rows below move up: an open drop-down list would no longer know its cell.
        CloseComboList(FALSE);
        m_records.erase(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
        return FALSE;
    case LVN_DELETEALLITEMS:
        CloseComboList(FALSE);
        m_records.clear();
        return FALSE;
    case LVN_COLUMNCLICK:
        OnHeaderCheckboxClicked(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
        return FALSE;
    default:
        return FALSE;
    }
}

void CXListCtrl::CopyStateFrom(CWnd& other)
{
    CListCtrl::CopyStateFrom(other);
    // The rows came with their item data: their records come along.
    if (auto* pList = dynamic_cast<CXListCtrl*>(&other))
        m_records = std::move(pList->m_records);
}

int CXListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SubclassHeader();
    return 0;
}

void CXListCtrl::OnDestroy()
{
    if (m_pListBox) {
        KillTimer(kComboTimer);
        std::exchange(m_pListBox, nullptr)->DestroyWindow();
    }
    m_records.clear();
    CListCtrl::OnDestroy();
}

void CXListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hit = {point, 0, -1, -1};
    SubItemHitTest(&hit);
    bool bOpenCombo = false;
    if (hit.iItem >= 0) {
        const XCell* pFirst = GetCell(hit.iItem, 0);
        if (!pFirst || !pFirst->bEnabled)
            return;
        XCell* pCell = CellOf(hit.iItem, hit.iSubItem);
        if (pCell && pCell->nCheckedState >= 0) {
            pCell->nCheckedState = pCell->nCheckedState ? 0 : 1;
            Update(hit.iItem);
            StateChanged();
            SendToParent(WM_XLISTCTRL_CHECKBOX_CLICKED, hit.iItem, hit.iSubItem);
            // The parent may have closed the list.
            if (!IsWindow(this))
                return;
            UpdateHeaderCheckbox(hit.iSubItem);
        }
        CRect rectButton;
        bOpenCombo = GetComboButtonRect(hit.iItem, hit.iSubItem, rectButton) && rectButton.PtInRect(point);
    }
    // Any press closes an open drop-down list; one on the drop button of its own cell only that.
    if (m_pListBox && hit.iItem == m_nComboItem && hit.iSubItem == m_nComboSubItem)
        bOpenCombo = false;
    CloseComboList(TRUE);
    CListCtrl::OnLButtonDown(nFlags, point);
    // Opened after the selection, which moves the focus to the list.
    if (bOpenCombo && IsWindow(this))
        OpenComboList(hit.iItem, hit.iSubItem);
}
