#include "controls/ResizableDialogLayout.h"

#include "controls/SizeIconCtrl.h"
#include "platform/ui/Wnd.h"

void cdxModeToPercent(int nMode, BYTE& byNear, BYTE& byFar)
{
    switch (nMode) {
    case cdxResize:
        byNear = 0;
        byFar = 100;
        break;
    case cdxRepos:
        byNear = 100;
        byFar = 100;
        break;
    case cdxRelative:
        byNear = 50;
        byFar = 50;
        break;
    default:
        byNear = 0;
        byFar = 0;
        break;
    }
}

CRect cdxCalcNewPosition(const cdxCDynamicPosition& pos, const cdxCDynamicLayoutInfo& info)
{
    CRect rc = pos.rcFirst;
    const int dx = info.szDelta.cx;
    const int dy = info.szDelta.cy;
    const bool bScroll = info.bUseScrollPos;
    if (bScroll)
        rc.OffsetRect(-info.ptScrollPos.x, -info.ptScrollPos.y);
    // Scrolled content only follows growth; a shrinking window scrolls instead.
    if (!bScroll || dx >= 0) {
        rc.left += pos.byLeft * dx / 100;
        rc.right += pos.byRight * dx / 100;
    }
    if (!bScroll || dy >= 0) {
        rc.top += pos.byTop * dy / 100;
        rc.bottom += pos.byBottom * dy / 100;
    }
    if (rc.left + pos.szMin.cx >= rc.right) {
        rc.right = -10;
        rc.left = -10 - pos.szMin.cx;
    }
    if (rc.top + pos.szMin.cy >= rc.bottom) {
        rc.bottom = -10;
        rc.top = -10 - pos.szMin.cy;
    }
    return rc;
}

namespace {

CRect ChildRect(CWnd* pControl)
{
    CRect rc;
    pControl->GetWindowRect(rc);
    if (CWnd* pParent = pControl->GetParent())
        pParent->ScreenToClient(rc);
    return rc;
}

} // namespace

cdxCDynamicLayoutEngine::cdxCDynamicLayoutEngine(DWORD dwFreedom, DWORD dwFlags)
    : m_dwFreedom(dwFreedom), m_dwFlags(dwFlags)
{
}

cdxCDynamicLayoutEngine::~cdxCDynamicLayoutEngine() = default;

CSize cdxCDynamicLayoutEngine::GetCurrentClientSize() const
{
    if (!m_pWnd || !IsWindow(m_pWnd))
        return CSize(0, 0);
    CRect rc;
    m_pWnd->GetClientRect(rc);
    return rc.Size();
}

bool cdxCDynamicLayoutEngine::AddSzControl(CWnd* pControl, const cdxCDynamicPosition& pos, bool bReposNow)
{
    if (!m_pWnd || !IsWindow(m_pWnd) || !pControl || !IsWindow(pControl))
        return false;
    // A control destroyed takes its record along (WM_PARENTNOTIFY); one whose object was
    // deleted with its window still alive leaves its record, dropped here, so that a new
    // control made at the freed address never inherits it.
    std::erase_if(m_controls, [](const auto& entry) { return !IsWindow(entry.first); });
    m_controls[pControl] = pos;
    if (bReposNow)
        UpdateControlPosition(pControl);
    return true;
}

bool cdxCDynamicLayoutEngine::AddSzControl(CWnd* pControl, int nModeX, int nModeY, bool bReposNow)
{
    if (!pControl || !IsWindow(pControl))
        return false;
    cdxCDynamicPosition pos;
    pos.rcFirst = ChildRect(pControl);
    cdxModeToPercent(nModeX, pos.byLeft, pos.byRight);
    cdxModeToPercent(nModeY, pos.byTop, pos.byBottom);
    return AddSzControl(pControl, pos, bReposNow);
}

void cdxCDynamicLayoutEngine::RemSzControl(CWnd* pControl) { m_controls.erase(pControl); }

const cdxCDynamicPosition* cdxCDynamicLayoutEngine::FindSzControl(CWnd* pControl) const
{
    const auto it = m_controls.find(pControl);
    return it == m_controls.end() ? nullptr : &it->second;
}

void cdxCDynamicLayoutEngine::AllControls(BYTE byLeft, BYTE byTop, BYTE byRight, BYTE byBottom, bool bOverwrite,
                                          bool bReposNow)
{
    if (!m_pWnd || !IsWindow(m_pWnd))
        return;
    bool bAdded = false;
    for (CWnd* pChild = m_pWnd->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (!bOverwrite && FindSzControl(pChild))
            continue;
        cdxCDynamicPosition pos;
        pos.rcFirst = ChildRect(pChild);
        pos.byLeft = byLeft;
        pos.byTop = byTop;
        pos.byRight = byRight;
        pos.byBottom = byBottom;
        m_controls[pChild] = pos;
        bAdded = true;
    }
    if (bAdded && bReposNow)
        Layout();
}

cdxCDynamicLayoutInfo cdxCDynamicLayoutEngine::DoCreateLayoutInfo() const
{
    cdxCDynamicLayoutInfo info;
    info.szCurrent = GetCurrentClientSize();
    info.szInitial = m_szInitial;
    info.szDelta = CSize(info.szCurrent.cx - m_szInitial.cx, info.szCurrent.cy - m_szInitial.cy);
    info.nControls = GetControlCount();
    info.bUseScrollPos = m_bUseScrollPos;
    if (m_bUseScrollPos)
        info.ptScrollPos = GetScrollPos();
    return info;
}

void cdxCDynamicLayoutEngine::UpdateControlPosition(CWnd* pControl)
{
    const cdxCDynamicPosition* pPos = FindSzControl(pControl);
    if (!pPos || !IsStarted())
        return;
    const cdxCDynamicLayoutInfo info = DoCreateLayoutInfo();
    if (info.szDelta == CSize(0, 0) && !(info.bUseScrollPos && info.ptScrollPos != CPoint(0, 0)))
        return;
    const CRect rcNew = cdxCalcNewPosition(*pPos, info);
    if (rcNew != ChildRect(pControl))
        pControl->SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void cdxCDynamicLayoutEngine::Layout()
{
    if (!IsStarted() || !IsWindow(m_pWnd))
        return;
    const cdxCDynamicLayoutInfo info = DoCreateLayoutInfo();
    for (CWnd* pChild = m_pWnd->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        const cdxCDynamicPosition* pPos = FindSzControl(pChild);
        if (!pPos)
            continue;
        const CRect rcNew = cdxCalcNewPosition(*pPos, info);
        if (rcNew != ChildRect(pChild))
            pChild->SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void cdxCDynamicLayoutEngine::RegisterTableControls()
{
    for (const cdxCDynamicControlTableEntry* pEntry = GetControlTable();
         pEntry && pEntry->dwKind != cdxCDynamicControlTableEntry::kEnd; ++pEntry) {
        BYTE by[4] = {pEntry->by[0], pEntry->by[1], pEntry->by[2], pEntry->by[3]};
        if (pEntry->dwKind == cdxCDynamicControlTableEntry::kMode) {
            cdxModeToPercent(pEntry->by[0], by[0], by[2]);
            cdxModeToPercent(pEntry->by[1], by[1], by[3]);
        }
        if (pEntry->nID == 0) {
            AllControls(by[0], by[1], by[2], by[3], false, false);
            continue;
        }
        CWnd* pControl = m_pWnd->GetDlgItem(int(pEntry->nID));
        if (!pControl)
            continue;
        cdxCDynamicPosition pos;
        pos.rcFirst = ChildRect(pControl);
        pos.byLeft = by[0];
        pos.byTop = by[1];
        pos.byRight = by[2];
        pos.byBottom = by[3];
        AddSzControl(pControl, pos);
    }
}

void cdxCDynamicLayoutEngine::DoInitWindow(CWnd* pWnd, CSize szInitial)
{
    m_pWnd = pWnd;
    m_nDisabled = 0;
    m_szInitial = szInitial;
    m_szMin = szInitial;
    const int nBefore = GetControlCount();
    RegisterTableControls();
    if (m_dwFlags & flSizeIcon) {
        auto pIcon = std::make_unique<cdxCSizeIconCtrl>();
        if (pIcon->Create(pWnd, kSizeIconID)) {
            cdxCDynamicPosition pos;
            pos.rcFirst = ChildRect(pIcon.get());
            pos.byLeft = pos.byTop = pos.byRight = pos.byBottom = 100;
            AddSzControl(pIcon.get(), pos);
            pIcon->ShowWindow(SW_SHOW);
            m_pSizeIcon = std::move(pIcon);
        }
    }
    OnInitialized();
    if (GetControlCount() > nBefore)
        Layout();
}

void cdxCDynamicLayoutEngine::DoOnGetMinMaxInfo(MINMAXINFO* lpMMI) const
{
    if (!IsStarted() || !IsWindow(m_pWnd) || !lpMMI)
        return;
    CSize szBorder(0, 0);
    if (!m_pWnd->IsIconic()) {
        CRect rcWindow, rcClient;
        m_pWnd->GetWindowRect(rcWindow);
        m_pWnd->GetClientRect(rcClient);
        szBorder = CSize(rcWindow.Width() - rcClient.Width(), rcWindow.Height() - rcClient.Height());
    }
    lpMMI->ptMinTrackSize = {m_szMin.cx + szBorder.cx, m_szMin.cy + szBorder.cy};
    const auto limit = [](bool bFree, LONG nMax, LONG nBorder, LONG nMin, LONG& nTrackMax) {
        if (!bFree)
            nTrackMax = nMin;
        else if (nMax > 0)
            nTrackMax = nMax + nBorder;
    };
    limit((m_dwFreedom & fdHoriz) != 0, m_szMax.cx, szBorder.cx, lpMMI->ptMinTrackSize.x, lpMMI->ptMaxTrackSize.x);
    limit((m_dwFreedom & fdVert) != 0, m_szMax.cy, szBorder.cy, lpMMI->ptMinTrackSize.y, lpMMI->ptMaxTrackSize.y);
}

void cdxCDynamicLayoutEngine::DoOnDestroy()
{
    if (m_pWnd && IsWindow(m_pWnd))
        OnDestroying();
    m_nDisabled = 1;
    m_pWnd = nullptr;
    m_controls.clear();
    if (m_pSizeIcon && IsWindow(m_pSizeIcon.get()))
        m_pSizeIcon->DestroyWindow();
    m_pSizeIcon.reset();
}
