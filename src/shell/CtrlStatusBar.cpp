#include "shell/CtrlStatusBar.h"

#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCtrlStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CCtrlStatusBar, CStatusBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CCtrlStatusBar::~CCtrlStatusBar()
{
    for (const PaneControl& control : m_controls) {
        if (!IsWindow(control.hWnd))
            continue;
        control.hWnd->ShowWindow(SW_HIDE);
        if (control.bAutoDestroy)
            control.hWnd->DestroyWindow();
    }
}

std::vector<PaneInfo> CCtrlStatusBar::ReadPanes() const
{
    std::vector<PaneInfo> panes(static_cast<std::size_t>(GetCount()));
    for (int i = 0; i < GetCount(); ++i)
        GetPaneInfoEx(i, panes[std::size_t(i)]);
    return panes;
}

void CCtrlStatusBar::ApplyPanes(const std::vector<PaneInfo>& panes, int nNewIndex)
{
    std::vector<UINT> ids;
    for (const PaneInfo& pane : panes)
        ids.push_back(pane.nID);
    SetIndicators(ids.data(), int(ids.size()));
    for (int i = 0; i < int(panes.size()); ++i) {
        if (i != nNewIndex)
            SetPaneInfoEx(i, panes[std::size_t(i)]);
    }
}

BOOL CCtrlStatusBar::AddIndicator(UINT nPaneID, int nIndex)
{
    if (nIndex < 0 || nIndex > GetCount() || CommandToIndex(nPaneID) >= 0)
        return FALSE;
    std::vector<PaneInfo> panes = ReadPanes();
    PaneInfo added;
    added.nID = nPaneID;
    panes.insert(panes.begin() + nIndex, added);
    ApplyPanes(panes, nIndex);
    PositionControls();
    return TRUE;
}

BOOL CCtrlStatusBar::RemoveIndicator(UINT nPaneID)
{
    const int nIndex = CommandToIndex(nPaneID);
    if (nIndex < 0 || GetCount() <= 1)
        return FALSE;
    std::vector<PaneInfo> panes = ReadPanes();
    panes.erase(panes.begin() + nIndex);
    ApplyPanes(panes, -1);
    ForgetDeadControls();
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [&](const PaneControl& control) { return control.nPaneID == nPaneID; });
    if (it != m_controls.end()) {
        const PaneControl control = *it;
        m_controls.erase(it);
        control.hWnd->ShowWindow(SW_HIDE);
        if (control.bAutoDestroy)
            control.hWnd->DestroyWindow();
    }
    PositionControls();
    return TRUE;
}

BOOL CCtrlStatusBar::AddPaneControl(HWND hWnd, UINT nPaneID, BOOL bAutoDestroy)
{
    if (CommandToIndex(nPaneID) < 0 || !IsWindow(hWnd))
        return FALSE;
    m_controls.push_back({hWnd, nPaneID, bAutoDestroy});
    PositionControls();
    return TRUE;
}

CWnd* CCtrlStatusBar::GetPaneControl(UINT nPaneID) const
{
    for (const PaneControl& control : m_controls) {
        if (control.nPaneID == nPaneID && IsWindow(control.hWnd))
            return control.hWnd;
    }
    return nullptr;
}

BOOL CCtrlStatusBar::GetPaneInfoEx(int nIndex, PaneInfo& info) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    GetPaneInfo(nIndex, info.nID, info.nStyle, info.cxWidth);
    info.strText = GetPaneText(nIndex);
    return TRUE;
}

BOOL CCtrlStatusBar::SetPaneInfoEx(int nIndex, const PaneInfo& info)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    UINT nOldID = 0;
    UINT nOldStyle = 0;
    int cxOldWidth = 0;
    GetPaneInfo(nIndex, nOldID, nOldStyle, cxOldWidth);
    SetPaneInfo(nIndex, info.nID, info.nStyle, info.cxWidth);
    // A pane of another width moves the panes beside it, and their controls with them.
    if (info.cxWidth != cxOldWidth)
        PositionControls();
    for (const PaneControl& control : m_controls) {
        if (control.nPaneID == info.nID && IsWindow(control.hWnd))
            control.hWnd->EnableWindow((info.nStyle & SBPS_DISABLED) == 0);
    }
    SetPaneText(nIndex, info.strText, TRUE);
    return TRUE;
}

void CCtrlStatusBar::ForgetDeadControls()
{
    std::erase_if(m_controls, [](const PaneControl& control) { return !IsWindow(control.hWnd); });
}

void CCtrlStatusBar::PositionControls()
{
    ForgetDeadControls();
    CRect rcClient;
    GetClientRect(rcClient);
    for (const PaneControl& control : m_controls) {
        const int nIndex = CommandToIndex(control.nPaneID);
        if (nIndex < 0)
            continue;
        CRect rect;
        GetItemRect(nIndex, rect);
        UINT nID = 0;
        UINT nStyle = 0;
        int cxWidth = 0;
        GetPaneInfo(nIndex, nID, nStyle, cxWidth);
        if (nIndex == GetCount() - 1) {
            // The last pane reaches the bar's end (short of the size grip) when it stretches,
            // else just its width.
            const int nGrip = (GetStyle() & SBARS_SIZEGRIP) ? kSmallIcon + kEdge : 0;
            rect.right = (nStyle & SBPS_STRETCH) ? rcClient.right - nGrip : rect.left + cxWidth + 3 * kEdge;
        }
        if (nStyle & SBPS_NOBORDERS)
            rect.DeflateRect(kEdge, 1);
        else
            rect.DeflateRect(kEdge, kEdge);
        control.hWnd->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                   SWP_NOZORDER | SWP_SHOWWINDOW);
        control.hWnd->Invalidate();
        control.hWnd->UpdateWindow();
    }
}

void CCtrlStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CStatusBar::OnSize(nType, cx, cy);
    PositionControls();
}

BOOL CCtrlStatusBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner != this) {
        pOwner->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CStatusBar::OnCommand(wParam, lParam);
}
