#include "controls/IconButton.h"

#include "controls/BarColors.h"
#include "controls/IconImages.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CIconButton, CButton)

BEGIN_MESSAGE_MAP(CIconButton, CButton)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

constexpr int kImageOrigin = 3;
// The focus rectangle of the standard look lies this far inside the button's edge.
constexpr int kFocusInset = 3;
constexpr UINT kCaptionFormat = DT_CENTER | DT_WORDBREAK;

void DrawFocusRectangle(CDC& dc, const CRect& rect)
{
    CPen pen(PS_DOT, 1, kColorBtnText);
    CPen* pOldPen = dc.SelectObject(&pen);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(rect);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

} // namespace

CIconButton::CIconButton() { SetDefaultColors(FALSE); }

BOOL CIconButton::PreCreateWindow(CREATESTRUCT& cs)
{
    const DWORD dwType = DWORD(cs.style) & BS_TYPEMASK;
    m_bIsDefault = dwType == BS_DEFPUSHBUTTON;
    m_bIsCheckBox = dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX;
    cs.style = LONG((DWORD(cs.style) & ~BS_TYPEMASK) | BS_OWNERDRAW);
    return CButton::PreCreateWindow(cs);
}

void CIconButton::CopyStateFrom(CWnd& other)
{
    if (auto* pButton = dynamic_cast<CButton*>(&other); pButton && m_bIsCheckBox)
        m_nCheck = pButton->CButton::GetCheck();
}

void CIconButton::Repaint(BOOL bRepaint)
{
    if (bRepaint && m_hWnd)
        Invalidate();
}

DWORD CIconButton::SetIcon(int nIconIn, int nIconOut)
{
    m_nIconIn = IsKnownIconImage(nIconIn) ? nIconIn : 0;
    m_nIconOut = IsKnownIconImage(nIconOut) ? nIconOut : 0;
    Repaint(TRUE);
    return BTNST_OK;
}

int CIconButton::GetShownIcon() const
{
    const BOOL bIn = m_bIsCheckBox ? m_nCheck != 0 : (m_bIsPressed || m_bMouseOnButton);
    return bIn || !m_nIconOut ? m_nIconIn : m_nIconOut;
}

DWORD CIconButton::SetFlat(BOOL bFlat, BOOL bRepaint)
{
    m_bIsFlat = bFlat;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CIconButton::SetAlign(BYTE byAlign, BOOL bRepaint)
{
    if (byAlign > ST_ALIGN_OVERLAP)
        return 4;
    m_byAlign = byAlign;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CIconButton::SetCheck(int nCheck, BOOL bRepaint)
{
    if (m_bIsCheckBox) {
        m_nCheck = nCheck != 0;
        Repaint(bRepaint);
    }
    return BTNST_OK;
}

DWORD CIconButton::SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    m_crColors[byColorIndex] = crColor;
    Repaint(bRepaint);
    return BTNST_OK;
}

COLORREF CIconButton::GetColor(BYTE byColorIndex) const
{
    return byColorIndex < BTNST_MAX_COLORS ? m_crColors[byColorIndex] : 0;
}

DWORD CIconButton::SetDefaultColors(BOOL bRepaint)
{
    for (int i = 0; i < BTNST_MAX_COLORS; ++i)
        m_crColors[i] = i % 2 == 0 ? kColorBtnFace : kColorBtnText;
    Repaint(bRepaint);
    return BTNST_OK;
}

DWORD CIconButton::OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (shOffset < -255 || shOffset > 255)
        return BTNST_BADPARAM;
    const COLORREF cr = m_crColors[byColorIndex];
    const int nParts[3] = {GetRValue(cr), GetGValue(cr), GetBValue(cr)};
    // The whole offset is cut to what the part nearest its limit allows, so the three parts
    // move alike and keep their differences.
    int nOffset = shOffset;
    for (int nPart : nParts)
        nOffset = shOffset > 0 ? std::min(nOffset, 255 - nPart) : std::max(nOffset, -nPart);
    m_crColors[byColorIndex] = RGB(BYTE(nParts[0] + nOffset), BYTE(nParts[1] + nOffset), BYTE(nParts[2] + nOffset));
    Repaint(bRepaint);
    return BTNST_OK;
}

void CIconButton::SetTooltipText(LPCTSTR lpszText, BOOL bActivate)
{
    m_strTooltip = bActivate && lpszText ? lpszText : _T("");
}

CString CIconButton::ToolTipTextAt(CPoint) const { return m_strTooltip; }

LRESULT CIconButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_GETCHECK:
        return GetCheck();
    case BM_SETCHECK:
        SetCheck(int(wParam));
        return 0;
    case BM_SETSTYLE:
        // The button stays owner-drawn; only whether it is the default button changes.
        m_bIsDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        Repaint(lParam != 0);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_MOUSELEAVE:
        // The hover look goes with the pointer; a press keeps its look until its release.
        if (m_bMouseOnButton) {
            m_bMouseOnButton = FALSE;
            Repaint(TRUE);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        // A double click is a second single click.
        return SendMessage(WM_LBUTTONDOWN, wParam, lParam);
    case BM_CLICK:
        if (!IsWindowEnabled())
            return 0;
        // A click takes the keyboard, and with it the focused look, from the control that had it:
        // the owner-drawn button gets no focus from its press as a standard one does.
        SetFocus();
        if (m_bIsCheckBox) {
            m_nCheck = !m_nCheck;
            Repaint(TRUE);
        }
        return CButton::DefWindowProc(message, wParam, lParam);
    default:
        return CButton::DefWindowProc(message, wParam, lParam);
    }
}

void CIconButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bIsFlat)
        return;
    CRect rect;
    GetClientRect(rect);
    const BOOL bOver = rect.PtInRect(point);
    // With the button held elsewhere, passing over another button does not light it.
    if ((nFlags & MK_LBUTTON) && !m_bMouseOnButton && !m_bIsPressed)
        return;
    if (bOver != m_bMouseOnButton) {
        m_bMouseOnButton = bOver;
        Repaint(TRUE);
    }
}

void CIconButton::OnLButtonDown(UINT, CPoint)
{
    if (!IsWindowEnabled())
        return;
    m_bIsPressed = TRUE;
    SetCapture();
    Repaint(TRUE);
}

void CIconButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bWasPressed = m_bIsPressed;
    m_bIsPressed = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    Repaint(TRUE);
    if (bWasPressed)
        CButton::DefWindowProc(WM_LBUTTONUP, nFlags, MakePointLParam(point));
}

void CIconButton::Unhover()
{
    if (m_bIsFlat && (m_bMouseOnButton || m_bIsPressed)) {
        m_bMouseOnButton = FALSE;
        m_bIsPressed = FALSE;
        Repaint(TRUE);
    }
}

void CIconButton::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    Repaint(TRUE);
}

void CIconButton::OnKillFocus(CWnd* pNewWnd)
{
    // Disabling a focused window takes the focus from it before WM_ENABLE arrives.
    m_bFocusTakenByDisable = !pNewWnd && !IsWindowEnabled();
    Unhover();
    Repaint(TRUE);
}

// A disabled button cannot keep the keyboard: the focus goes on to the next control of the tab
// order, or to the parent when there is none.
void CIconButton::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    if (!bEnable) {
        CWnd* pParent = GetParent();
        if ((GetFocus() == this || m_bFocusTakenByDisable) && pParent) {
            auto* pDialog = dynamic_cast<CDialog*>(pParent);
            CWnd* pNext = pDialog ? pDialog->GetNextDlgTabItem(this) : nullptr;
            (pNext && pNext != this ? pNext : pParent)->SetFocus();
        }
        m_bFocusTakenByDisable = FALSE;
        Unhover();
    }
    Repaint(TRUE);
}

void CIconButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    SetDefaultColors(TRUE);
}

// Cancelling ends a press wholly: the button gives the mouse back, or every later click of the
// program would still come to it.
void CIconButton::OnCancelMode()
{
    Unhover();
    if (GetCapture() == this)
        ReleaseCapture();
}

int CIconButton::StateColorIndex() const
{
    if (m_bMouseOnButton || m_bIsPressed)
        return BTNST_COLOR_BK_IN;
    return GetFocus() == this ? BTNST_COLOR_BK_FOCUS : BTNST_COLOR_BK_OUT;
}

void CIconButton::OnDrawBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, m_crColors[StateColorIndex()]);
}

void CIconButton::OnDrawBorder(CDC* pDC, const CRect& rect)
{
    const BOOL bPressed = m_bIsPressed || (m_bIsCheckBox && m_nCheck);
    if (m_bIsFlat) {
        if (!m_bDrawBorder)
            return;
        if (bPressed)
            pDC->Draw3dRect(rect, kColorBtnShadow, kColorBtnHighlight);
        else if (m_bMouseOnButton)
            pDC->Draw3dRect(rect, kColorBtnHighlight, kColorBtnShadow);
        return;
    }
    if (bPressed) {
        pDC->Draw3dRect(rect, kColorBtnShadow, kColorBtnShadow);
        return;
    }
    pDC->Draw3dRect(rect, kColorBtnHighlight, RGB(64, 64, 64));
    CRect rcInner = rect;
    rcInner.DeflateRect(1, 1);
    pDC->Draw3dRect(rcInner, RGB(227, 227, 227), kColorBtnShadow);
}

void CIconButton::DrawTheIcon(CDC* pDC, BOOL bHasTitle, const CRect& rcItem, CRect& rcCaption, BOOL bPressed,
                              BOOL bDisabled)
{
    const int nIcon = GetShownIcon();
    if (!nIcon)
        return;
    CPoint pt(rcItem.left + (rcItem.Width() - ICON_IMAGE_SIZE) / 2, rcItem.top + (rcItem.Height() - ICON_IMAGE_SIZE) / 2);
    // A button too narrow for the image beside its caption puts the image above it.
    const BYTE byAlign = bHasTitle && m_byAlign != ST_ALIGN_OVERLAP &&
                                 rcItem.Width() < 2 * ICON_IMAGE_SIZE + kImageOrigin
                             ? BYTE(ST_ALIGN_VERT)
                             : m_byAlign;
    if (bHasTitle) {
        switch (byAlign) {
        case ST_ALIGN_HORIZ:
            pt.x = rcItem.left + kImageOrigin;
            rcCaption.left = pt.x + ICON_IMAGE_SIZE;
            break;
        case ST_ALIGN_HORIZ_RIGHT:
            pt.x = rcItem.right - kImageOrigin - ICON_IMAGE_SIZE;
            rcCaption.right = pt.x;
            break;
        case ST_ALIGN_VERT:
            pt.y = rcItem.top + kImageOrigin;
            rcCaption.top = pt.y + ICON_IMAGE_SIZE;
            break;
        default:
            break;
        }
    }
    if (bPressed && !m_bIsCheckBox)
        pt.Offset(m_ptPressedOffset.x, m_ptPressedOffset.y);
    DrawIconImage(pDC, nIcon, pt, bDisabled);
}

void CIconButton::DrawTheText(CDC* pDC, const CString& strTitle, const CRect& rcCaption, BOOL bPressed, BOOL bDisabled)
{
    CRect rc = rcCaption;
    if (bPressed && !m_bIsCheckBox)
        rc.OffsetRect(m_ptPressedOffset.x, m_ptPressedOffset.y);
    pDC->SetBkMode(TRANSPARENT);
    // The caption wraps at words and its lines stand centred in the caption's room.
    CRect rcText = rc;
    pDC->DrawText(strTitle, rcText, kCaptionFormat | DT_CALCRECT);
    rcText.OffsetRect(rc.left - rcText.left + (rc.Width() - rcText.Width()) / 2,
                      rc.top - rcText.top + (rc.Height() - rcText.Height()) / 2);
    if (bDisabled) {
        CRect rcEmboss = rcText;
        rcEmboss.OffsetRect(1, 1);
        pDC->SetTextColor(kColorBtnHighlight);
        pDC->DrawText(strTitle, rcEmboss, kCaptionFormat);
        pDC->SetTextColor(kColorBtnShadow);
    } else {
        pDC->SetTextColor(m_crColors[StateColorIndex() + 1]);
    }
    pDC->DrawText(strTitle, rcText, kCaptionFormat);
}

void CIconButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rcItem;
    GetClientRect(rcItem);
    const BOOL bPressed = m_bIsPressed || (m_bIsCheckBox && m_nCheck);
    const BOOL bDisabled = !IsWindowEnabled();
    const BOOL bFocused = GetFocus() == this;
    OnDrawBackground(&dc, rcItem);
    const CRect rcEdge = rcItem;
    if (!m_bIsFlat && (bFocused || m_bIsDefault)) {
        // The standard look marks the button that Enter or Space would press.
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(rcItem, &black);
        rcItem.DeflateRect(1, 1);
    }
    OnDrawBorder(&dc, rcItem);
    CString strTitle;
    GetWindowText(strTitle);
    CRect rcCaption = rcItem;
    DrawTheIcon(&dc, !strTitle.IsEmpty(), rcItem, rcCaption, bPressed, bDisabled);
    if (!strTitle.IsEmpty())
        DrawTheText(&dc, strTitle, rcCaption, bPressed, bDisabled);
    if (!m_bIsFlat && bFocused) {
        CRect rcFocus = rcEdge;
        rcFocus.DeflateRect(kFocusInset, kFocusInset);
        DrawFocusRectangle(dc, rcFocus);
    }
}
