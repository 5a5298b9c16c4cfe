#include "controls/SizingControlBarCF.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/Font.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSizingControlBarCF, CSizingControlBarG)

BEGIN_MESSAGE_MAP(CSizingControlBarCF, CSizingControlBarG)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

// The caption's title: 8.5 points at the screen's 96 pixels per inch.
constexpr int kCaptionFontHeight = 11;
constexpr int kTitleInset = 3;
constexpr int kGradientBands = 64;

// The title cut to fit nRoom units along its baseline, with "..." where it was cut.
CString FitWithEllipsis(CDC* pDC, const CString& strTitle, int nRoom)
{
    if (pDC->GetTextExtent(strTitle).cx <= nRoom)
        return strTitle;
    for (int nLength = strTitle.GetLength() - 1; nLength > 0; --nLength) {
        const CString strCut = strTitle.Left(nLength) + _T("...");
        if (pDC->GetTextExtent(strCut).cx <= nRoom)
            return strCut;
    }
    return CString();
}

COLORREF Blend(COLORREF crFrom, COLORREF crTo, int nStep, int nSteps)
{
    const auto mix = [&](int from, int to) { return from + (to - from) * nStep / nSteps; };
    return RGB(mix(GetRValue(crFrom), GetRValue(crTo)), mix(GetGValue(crFrom), GetGValue(crTo)),
               mix(GetBValue(crFrom), GetBValue(crTo)));
}

// The caption's colour fading toward its gradient colour from the caption's start, where the
// title begins: the left end of a level caption, the bottom of an upright one.
void FillGradient(CDC* pDC, const CRect& rc, bool bUpright, COLORREF crFrom, COLORREF crTo)
{
    const int nLength = bUpright ? rc.Height() : rc.Width();
    for (int i = 0; i < kGradientBands; ++i) {
        const int nStart = nLength * i / kGradientBands;
        const int nEnd = nLength * (i + 1) / kGradientBands;
        if (nEnd <= nStart)
            continue;
        const CRect rcBand = bUpright ? CRect(rc.left, rc.bottom - nEnd, rc.right, rc.bottom - nStart)
                                      : CRect(rc.left + nStart, rc.top, rc.left + nEnd, rc.bottom);
        pDC->FillSolidRect(rcBand, Blend(crFrom, crTo, i, kGradientBands - 1));
    }
}

}  // namespace

CSizingControlBarCF::CSizingControlBarCF() : m_sFontFace(HasFontFamily(_T("Tahoma")) ? _T("Tahoma") : _T("Arial")) {}

void CSizingControlBarCF::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CSizingControlBarG::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CWnd* pFocus = GetFocus();
    const BOOL bActive = pFocus && (pFocus == this || IsChild(pFocus));
    if (bActive != m_bActive) {
        m_bActive = bActive;
        Invalidate();
    }
}

LRESULT CSizingControlBarCF::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    Invalidate();
    return lResult;
}

// Docked at the top or bottom, the title runs up the caption between the bar's borders, the
// edge toward the frame's middle and the close button: a new bar starts thick enough to show
// it whole when it asks so. The user may make it thinner; the title then ends in "...".
void CSizingControlBarCF::FitThicknessToTitle()
{
    CString strTitle;
    GetWindowText(strTitle);
    CDC dc;
    dc.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr);
    CFont font;
    font.CreateFont(-kCaptionFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, m_sFontFace);
    CFont* pOldFont = dc.SelectObject(&font);
    const int nTitle = dc.GetTextExtent(strTitle).cx;
    dc.SelectObject(pOldFont);

    const DWORD dwOldStyle = m_dwSCBStyle;
    m_dwSCBStyle |= SCBS_SHOWEDGES | SCBS_EDGETOP;
    constexpr int kProbe = 1000;
    CRect rcInside(0, 0, kProbe, kProbe);
    NcCalcClient(rcInside, AFX_IDW_DOCKBAR_BOTTOM);
    m_dwSCBStyle = dwOldStyle;
    const int nRoom = rcInside.bottom - kTitleInset - (m_ptCloseOrigin.y + kCloseButtonSize + kTitleInset);
    m_szHorz.cy = std::max(m_szHorz.cy, nTitle + kProbe - nRoom);
}

void CSizingControlBarCF::NcPaintGripper(CDC* pDC, const CRect&)
{
    if (!HasGripper())
        return;
    const CRect rcCaption = GetGripperRect();
    const BOOL bVertical = IsHorzDocked();
    if (m_bActive)
        FillGradient(pDC, rcCaption, bVertical, kColorActiveCaption, kColorGradientActiveCaption);
    else
        FillGradient(pDC, rcCaption, bVertical, kColorInactiveCaption, kColorGradientInactiveCaption);

    CString strTitle;
    GetWindowText(strTitle);
    CFont font;
    font.CreateFont(-kCaptionFontHeight, 0, bVertical ? 900 : 0, bVertical ? 900 : 0, FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, m_sFontFace);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(m_bActive ? kColorCaptionText : kColorInactiveCaptionText);
    const CRect rcClose = GetCloseButtonRect();
    if (bVertical) {
        // Rotated text starts at its baseline's left end: the caption's bottom, running up, and
        // must end short of the close button at the top.
        const int nRoom = rcCaption.bottom - kTitleInset - (rcClose.bottom + kTitleInset);
        pDC->TextOut(rcCaption.left + 1, rcCaption.bottom - kTitleInset,
                     FitWithEllipsis(pDC, strTitle, nRoom));
    } else {
        CRect rcText(rcCaption.left + kTitleInset, rcCaption.top, rcClose.left - 1,
                     rcCaption.bottom);
        pDC->DrawText(strTitle, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX |
                                             DT_END_ELLIPSIS);
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
    DrawCloseButton(pDC);
}
