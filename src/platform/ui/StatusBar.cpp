#include "platform/ui/StatusBar.h"

#include "platform/gdi/DC.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

namespace {

constexpr int kPaneGap = 2;
constexpr int kTextMargin = 4;  // inside a pane, left and right

// The update-UI of one pane.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        const UINT nStyle = m_pBar->GetPaneStyle(int(m_nIndex));
        m_pBar->SetPaneStyle(int(m_nIndex), bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        const UINT nStyle = m_pBar->GetPaneStyle(int(m_nIndex));
        m_pBar->SetPaneStyle(int(m_nIndex), nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
    }
    void SetText(LPCTSTR lpszText) override
    {
        CCmdUI::SetText(lpszText);
        m_pBar->SetPaneText(int(m_nIndex), lpszText);
    }
};

}  // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(nullptr, dwStyle, pParentWnd, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, UINT nID)
{
    return CreateBar(nullptr, dwStyle, pParentWnd, nID);
}

int CStatusBar::TextWidth(const CString& strText) const
{
    CDC dc;
    dc.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr);
    return dc.GetTextExtent(strText).cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.assign(std::size_t(std::max(0, nIDCount)), Pane());
    for (int i = 0; i < nIDCount; ++i) {
        Pane& pane = m_panes[std::size_t(i)];
        pane.nID = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        if (pane.nID != ID_SEPARATOR) {
            CString strText;
            if (strText.LoadString(pane.nID))
                pane.cxText = TextWidth(strText);
        }
    }
    if (!m_panes.empty())
        m_panes.front().nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    Invalidate();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[std::size_t(i)].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    *lpRect = CRect();
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    // Panes are laid out from the right; the stretching one takes what is left.
    int nFixed = 0;
    int nStretch = 0;
    for (const Pane& pane : m_panes) {
        if (pane.nStyle & SBPS_STRETCH)
            ++nStretch;
        else
            nFixed += pane.cxText + 2 * kTextMargin + kPaneGap;
    }
    const int nSpare = std::max(0, rectClient.Width() - nFixed - kPaneGap);
    int x = rectClient.left + kPaneGap;
    for (int i = 0; i < GetCount(); ++i) {
        const Pane& pane = m_panes[std::size_t(i)];
        const int cx = (pane.nStyle & SBPS_STRETCH) ? nSpare / std::max(1, nStretch)
                                                    : pane.cxText + 2 * kTextMargin;
        if (i == nIndex) {
            *lpRect = CRect(x, rectClient.top + 2, x + cx, rectClient.bottom - 1);
            return;
        }
        x += cx + kPaneGap;
    }
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = GetItemID(nIndex);
    nStyle = GetPaneStyle(nIndex);
    cxWidth = nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].cxText : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Pane& pane = m_panes[std::size_t(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = std::max(0, cxWidth);
    Invalidate();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_panes[std::size_t(nIndex)].nStyle == nStyle)
        return;
    m_panes[std::size_t(nIndex)].nStyle = nStyle;
    Invalidate();
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    CString& strText = m_panes[std::size_t(nIndex)].strText;
    const CString strNew(lpszNewText ? lpszNewText : _T(""));
    if (strText != strNew) {
        strText = strNew;
        if (bUpdate)
            Invalidate();
    }
    return TRUE;
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    size.cy = kHeight;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = UINT(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // The message pane and panes nobody answers keep what they show.
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, FALSE);
    }
}

LRESULT CStatusBar::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    CString strText;
    if (lParam)
        strText = reinterpret_cast<LPCTSTR>(lParam);
    else if (wParam)
        strText.LoadString(UINT(wParam));
    SetPaneText(0, strText);
    return 0;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    Invalidate();
}

void CStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillSolidRect(rectClient, RGB(240, 240, 240));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < GetCount(); ++i) {
        const Pane& pane = m_panes[std::size_t(i)];
        CRect rect;
        GetItemRect(i, rect);
        if (!(pane.nStyle & SBPS_NOBORDERS))
            dc.Draw3dRect(rect, RGB(160, 160, 160), RGB(255, 255, 255));
        if (pane.nStyle & SBPS_DISABLED)
            continue;
        CRect rectText = rect;
        rectText.DeflateRect(kTextMargin, 0);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawText(pane.strText, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
