#include "platform/ui/ToolBar.h"

#include "platform/gdi/DC.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/ToolBarGlyphs.h"
#include "platform/ui/WndMessageMap.h"

#include <map>
#include <utility>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(TB_HIDEBUTTON, OnHideButton)
    ON_MESSAGE(TB_ISBUTTONENABLED, OnIsButtonEnabled)
    ON_MESSAGE(TB_GETRECT, OnGetRect)
    ON_MESSAGE(TB_SETEXTENDEDSTYLE, OnSetExtendedStyle)
END_MESSAGE_MAP()

namespace {

std::map<UINT, ToolBarResource>& ToolBarResources()
{
    static std::map<UINT, ToolBarResource> s_resources;
    return s_resources;
}

constexpr int kPadding = 7;        // around the image inside a button
constexpr int kSeparatorWidth = 8;
constexpr int kDropArrowWidth = 12;
constexpr int kBorder = 2;

// The update-UI of one button: what the handlers decide becomes the button's state.
class CToolCmdUI : public CCmdUI {
public:
    CToolBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        const UINT nState = m_pBar->GetButtonState(int(m_nIndex));
        m_pBar->SetButtonState(int(m_nIndex),
                               bOn ? (nState | TBSTATE_ENABLED) : (nState & ~TBSTATE_ENABLED));
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        const UINT nState = m_pBar->GetButtonState(int(m_nIndex));
        m_pBar->SetButtonState(int(m_nIndex),
                               nCheck ? (nState | TBSTATE_CHECKED) : (nState & ~TBSTATE_CHECKED));
    }
    void SetText(LPCTSTR) override {}
};

}  // namespace

void AfxRegisterToolBarResource(UINT nID, ToolBarResource resource)
{
    ToolBarResources()[nID] = std::move(resource);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, CRect, UINT nID)
{
    return CreateBar(nullptr, dwStyle, pParentWnd, nID);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(nullptr, dwStyle, pParentWnd, nID);
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    const auto it = ToolBarResources().find(nIDResource);
    if (it == ToolBarResources().end())
        return FALSE;
    m_sizeImage = CSize(it->second.cxButton, it->second.cyButton);
    m_pImages = it->second.images;
    return SetButtons(it->second.buttons.data(), int(it->second.buttons.size()));
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    m_buttons.clear();
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        Button button;
        button.nID = lpIDArray[i];
        if (button.nID == ID_SEPARATOR)
            button.nStyle = TBSTYLE_SEP;
        else
            button.iImage = iImage++;
        m_buttons.push_back(button);
    }
    UpdateLabels();
    Invalidate();
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
    return TRUE;
}

bool CToolBar::HasPicture(const Button& button) const
{
    return (m_pImages && button.iImage >= 0) || HasStockToolGlyph(button.nID);
}

CString CToolBar::CommandCaption(UINT nID, bool bLoadedMenusOnly) const
{
    CString strText;
    if (m_pDockSite) {
        for (const CMenu* pMenu : {m_pDockSite->GetMenu(), m_pDockSite->GetDefaultMenu()}) {
            if (pMenu && pMenu->GetMenuString(nID, strText, MF_BYCOMMAND) > 0)
                break;
        }
    }
    // Before the first document opens, the commands of the document menu still have a name.
    if (strText.IsEmpty() && !bLoadedMenusOnly)
        strText = AfxFindMenuResourceString(nID);
    // "&Zoom In\tCtrl+I" and "Setup..." show as "Zoom In" and "Setup".
    const int nTab = strText.Find(_T('\t'));
    if (nTab >= 0)
        strText = strText.Left(nTab);
    strText.Remove(_T('&'));
    strText.TrimRight(_T(". "));
    return strText;
}

void CToolBar::UpdateLabels()
{
    bool bChanged = false;
    CDC dc;
    dc.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr);
    for (Button& button : m_buttons) {
        if ((button.nStyle & TBSTYLE_SEP) || HasPicture(button))
            continue;
        // A caption once found stays until the menus give another: a command missing from the
        // menu shown now (the document menu is gone) keeps its button as it was.
        const CString strLabel = CommandCaption(button.nID, !button.strLabel.IsEmpty());
        if (strLabel.IsEmpty() || strLabel == button.strLabel)
            continue;
        button.strLabel = strLabel;
        button.cxLabel = dc.GetTextExtent(strLabel).cx;
        bChanged = true;
    }
    if (bChanged)
        Invalidate();
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_buttons[std::size_t(i)].nID == nIDFind && nIDFind != ID_SEPARATOR)
            return i;
    }
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[std::size_t(nIndex)].nID : ID_SEPARATOR;
}

int CToolBar::ButtonWidth(int nIndex) const
{
    const Button& button = m_buttons[std::size_t(nIndex)];
    if (button.nState & TBSTATE_HIDDEN)
        return 0;
    if (button.nStyle & TBSTYLE_SEP)
        return kSeparatorWidth;
    const bool bArrow = (button.nStyle & TBSTYLE_DROPDOWN) && (m_dwExStyle & TBSTYLE_EX_DRAWDDARROWS);
    const int cxFace = button.strLabel.IsEmpty() ? m_sizeImage.cx : button.cxLabel;
    return cxFace + kPadding + (bArrow ? kDropArrowWidth : 0);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    *lpRect = CRect();
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    int x = kBorder;
    for (int i = 0; i < nIndex; ++i)
        x += ButtonWidth(i);
    *lpRect = CRect(x, kBorder, x + ButtonWidth(nIndex), kBorder + m_sizeImage.cy + kPadding);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[std::size_t(nIndex)].nStyle : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_buttons[std::size_t(nIndex)].nStyle = nStyle;
    Invalidate();
}

UINT CToolBar::GetButtonState(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[std::size_t(nIndex)].nState : 0;
}

void CToolBar::SetButtonState(int nIndex, UINT nState)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_buttons[std::size_t(nIndex)].nState == nState)
        return;
    m_buttons[std::size_t(nIndex)].nState = nState;
    Invalidate();
}

DWORD CToolBar::SetExtendedStyle(DWORD dwExStyle)
{
    const DWORD dwOld = std::exchange(m_dwExStyle, dwExStyle);
    Invalidate();
    return dwOld;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    const int nThickness = m_sizeImage.cy + kPadding + 2 * kBorder;
    if (bHorz)
        size.cy = nThickness;
    else
        size.cx = m_sizeImage.cx + kPadding + 2 * kBorder;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateLabels();
    CToolCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = UINT(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        const Button& button = m_buttons[state.m_nIndex];
        if (button.nStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = button.nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

int CToolBar::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CRect rect;
        GetItemRect(i, rect);
        if (!(m_buttons[std::size_t(i)].nStyle & TBSTYLE_SEP) && rect.PtInRect(point))
            return i;
    }
    return -1;
}

CString CToolBar::ToolTipTextAt(CPoint ptClient) const
{
    const int nIndex = HitTest(ptClient);
    if (nIndex < 0)
        return CString();
    const UINT nID = m_buttons[std::size_t(nIndex)].nID;
    NMTTDISPINFO info{{const_cast<CToolBar*>(this), nID, UINT(TTN_NEEDTEXT)}, CString()};
    if (CWnd* pOwner = GetOwner();
        pOwner && pOwner->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info)))
        return info.strText;
    return CommandCaption(nID, false);
}

bool CToolBar::InDropArrow(int nIndex, CPoint point) const
{
    const Button& button = m_buttons[std::size_t(nIndex)];
    if (!(button.nStyle & TBSTYLE_DROPDOWN) || !(m_dwExStyle & TBSTYLE_EX_DRAWDDARROWS))
        return false;
    CRect rect;
    GetItemRect(nIndex, rect);
    return point.x >= rect.right - kDropArrowWidth;
}

void CToolBar::OnLButtonDown(UINT, CPoint point)
{
    const int nIndex = HitTest(point);
    if (nIndex < 0 || !(m_buttons[std::size_t(nIndex)].nState & TBSTATE_ENABLED))
        return;
    if (InDropArrow(nIndex, point)) {
        NMTOOLBAR nm = {};
        nm.hdr = {this, UINT_PTR(GetDlgCtrlID()), UINT(TBN_DROPDOWN)};
        nm.iItem = int(m_buttons[std::size_t(nIndex)].nID);
        GetItemRect(nIndex, &nm.rcButton);
        if (CWnd* pOwner = GetOwner())
            pOwner->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&nm));
        return;
    }
    m_nPressed = nIndex;
    SetCapture();
    Invalidate();
}

void CToolBar::OnLButtonUp(UINT, CPoint point)
{
    const int nPressed = std::exchange(m_nPressed, -1);
    if (GetCapture() == this)
        ReleaseCapture();
    if (nPressed < 0)
        return;
    Invalidate();
    // A press dragged off its button does nothing, as on any push button.
    if (HitTest(point) != nPressed || !(m_buttons[std::size_t(nPressed)].nState & TBSTATE_ENABLED))
        return;
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(m_buttons[std::size_t(nPressed)].nID), 0), 0);
}

LRESULT CToolBar::OnHideButton(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = CommandToIndex(UINT(wParam));
    if (nIndex < 0)
        return FALSE;
    const UINT nState = GetButtonState(nIndex);
    SetButtonState(nIndex, lParam ? (nState | TBSTATE_HIDDEN) : (nState & ~TBSTATE_HIDDEN));
    return TRUE;
}

LRESULT CToolBar::OnIsButtonEnabled(WPARAM wParam, LPARAM)
{
    const int nIndex = CommandToIndex(UINT(wParam));
    return nIndex >= 0 && (GetButtonState(nIndex) & TBSTATE_ENABLED) != 0;
}

LRESULT CToolBar::OnGetRect(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = CommandToIndex(UINT(wParam));
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    if (nIndex < 0 || !pRect)
        return FALSE;
    GetItemRect(nIndex, pRect);
    return TRUE;
}

LRESULT CToolBar::OnSetExtendedStyle(WPARAM, LPARAM lParam)
{
    return LRESULT(SetExtendedStyle(DWORD(lParam)));
}

void CToolBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillSolidRect(rectClient, RGB(240, 240, 240));
    for (int i = 0; i < GetCount(); ++i) {
        const Button& button = m_buttons[std::size_t(i)];
        CRect rect;
        GetItemRect(i, rect);
        if (rect.IsRectEmpty())
            continue;
        if (button.nStyle & TBSTYLE_SEP) {
            dc.FillSolidRect(rect.left + rect.Width() / 2, rect.top + 2, 1, rect.Height() - 4,
                             RGB(160, 160, 160));
            continue;
        }
        if (i == m_nPressed || (button.nState & TBSTATE_CHECKED))
            dc.Draw3dRect(rect, RGB(128, 128, 128), RGB(255, 255, 255));
        const bool bEnabled = (button.nState & TBSTATE_ENABLED) != 0;
        const int x0 = rect.left + kPadding / 2;
        const int y0 = rect.top + kPadding / 2;
        if (m_pImages && button.iImage >= 0) {
            // Green (0x00FF00) and magenta are the strips' transparent colours.
            for (int y = 0; y < m_sizeImage.cy; ++y) {
                for (int x = 0; x < m_sizeImage.cx; ++x) {
                    COLORREF cr = m_pImages->GetPixel(button.iImage * m_sizeImage.cx + x, y);
                    if (cr == CLR_INVALID || cr == RGB(0, 255, 0) || cr == RGB(255, 0, 255) ||
                        cr == RGB(192, 192, 192))
                        continue;
                    if (!bEnabled)
                        cr = RGB(160, 160, 160);
                    dc.SetPixel(x0 + x, y0 + y, cr);
                }
            }
        } else if (HasStockToolGlyph(button.nID)) {
            DrawStockToolGlyph(dc, button.nID, CPoint(x0, y0), bEnabled);
        } else if (!button.strLabel.IsEmpty()) {
            const CSize sizeText = dc.GetTextExtent(button.strLabel);
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(bEnabled ? RGB(0, 0, 0) : RGB(160, 160, 160));
            dc.TextOut(x0, rect.top + (rect.Height() - sizeText.cy) / 2, button.strLabel);
        } else {
            // Nothing to show for the command: the button shows as an outlined face.
            dc.Draw3dRect(CRect(x0, y0, x0 + m_sizeImage.cx, y0 + m_sizeImage.cy),
                          RGB(160, 160, 160), RGB(160, 160, 160));
        }
        if ((button.nStyle & TBSTYLE_DROPDOWN) && (m_dwExStyle & TBSTYLE_EX_DRAWDDARROWS)) {
            const int xa = rect.right - kDropArrowWidth + 3;
            const int ya = rect.top + rect.Height() / 2 - 1;
            for (int k = 0; k < 3; ++k)
                dc.FillSolidRect(xa + k, ya + k, 5 - 2 * k, 1, RGB(0, 0, 0));
        }
    }
}
