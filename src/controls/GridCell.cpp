#include "controls/GridCell.h"

#include "controls/BarColors.h"
#include "controls/GridCtrl.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/ImageList.h"

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)
IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)
IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

namespace {

constexpr UINT kDefaultFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr COLORREF kFocusFrame = RGB(255, 0, 0);

// The font a grid starts with: 8 pixels high, the platform's sans-serif face.
LOGFONT StartFont()
{
    LOGFONT lf{};
    lf.lfHeight = -8;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    return lf;
}

// The sort column's header triangle at the right of the cell, pointing up for an ascending
// sort, drawn in the 3D edge colours; the text keeps the room left of it.
void DrawSortArrow(CDC& dc, CRect& rect, BOOL bAscending)
{
    const int nSize = std::max(2, int(dc.GetTextExtent(CString(_T("M"))).cy) - 4);
    const int nLeft = rect.right - nSize - 2;
    const int nTop = rect.top + (rect.Height() - nSize) / 2;
    const int nBottom = nTop + nSize;
    const int nMid = nLeft + nSize / 2;
    CPen shadow(PS_SOLID, 1, kColorBtnShadow);
    CPen light(PS_SOLID, 1, kColorBtnHighlight);
    CPen* pOld = dc.SelectObject(&shadow);
    if (bAscending) {
        dc.MoveTo(nLeft, nBottom);
        dc.LineTo(nMid, nTop);
        dc.SelectObject(&light);
        dc.LineTo(nLeft + nSize, nBottom);
        dc.LineTo(nLeft, nBottom);
    } else {
        dc.MoveTo(nLeft + nSize, nTop);
        dc.LineTo(nLeft, nTop);
        dc.LineTo(nMid, nBottom);
        dc.SelectObject(&light);
        dc.LineTo(nLeft + nSize, nTop);
    }
    dc.SelectObject(pOld);
    rect.right = nLeft - 1;
}

}  // namespace

// ---- CGridCellBase ----

const CGridDefaultCell* CGridCellBase::GetDefaultCell() const
{
    const CGridCtrl* pGrid = GetGrid();
    if (!pGrid)
        return nullptr;
    return pGrid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

void CGridCellBase::Assign(const CGridCellBase& other)
{
    SetGrid(other.GetGrid());
    SetText(other.GetText());
    SetImage(other.GetImage());
    SetData(other.GetData());
    SetState(other.GetState());
    SetFormat(other.GetFormat());
    SetTextClr(other.GetTextClr());
    SetBackClr(other.GetBackClr());
    SetFont(other.IsDefaultFont() ? nullptr : other.GetFont());
    SetMargin(other.GetMargin());
}

BOOL CGridCellBase::OnSetCursor()
{
    ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
    return TRUE;
}

int CGridCellBase::ImageRoom() const
{
    const CGridCtrl* pGrid = GetGrid();
    const CImageList* pImages = pGrid ? pGrid->GetImageList() : nullptr;
    if (!pImages || GetImage() < 0 || GetImage() >= pImages->GetImageCount())
        return 0;
    return int(pImages->GetImageSize().cx) + 1 + int(GetMargin());
}

void CGridCellBase::GetTextRect(CRect& rect) const { rect.left += ImageRoom(); }

CSize CGridCellBase::GetCellExtent(CDC* pDC) const
{
    return GetTextExtent(GetText(), pDC) + CSize(ImageRoom(), 0);
}

CSize CGridCellBase::GetTextExtent(const CString& strText, CDC* pDC) const
{
    const CGridDefaultCell* pDefault = GetDefaultCell();
    const CSize sizeDefault = pDefault ? CSize(pDefault->GetWidth(), pDefault->GetHeight()) : CSize(30, 10);
    const LOGFONT* pLogFont = GetFont();
    if (strText.IsEmpty() || !pDC || !pLogFont)
        return sizeDefault;
    CFont font;
    if (!font.CreateFontIndirect(pLogFont))
        return sizeDefault;
    CFont* pOldFont = pDC->SelectObject(&font);
    CSize size = pDC->GetTextExtent(strText);
    pDC->SelectObject(pOldFont);
    const int nMargin = int(GetMargin());
    size.cx += 2 * nMargin;
    size.cy += 2 * nMargin;
    return size;
}

BOOL CGridCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    CGridCtrl* pGrid = GetGrid();
    const CGridDefaultCell* pDefault = GetDefaultCell();
    if (!pGrid || !pDC || rect.IsRectEmpty() || !pDefault)
        return FALSE;
    const int nSaved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);

    COLORREF crText = GetTextClr();
    COLORREF crBack = GetBackClr();
    if (crBack != pDefault->GetBackClr())
        bEraseBkgnd = TRUE;
    // A pair's background and focus frame cover both of its cells.
    const int nPairExtra = IsWideFirst() ? std::max(0, pGrid->GetColumnWidth(nCol + 1)) : 0;

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            crBack = kColorHighlight;
            crText = kColorHighlightText;
            bEraseBkgnd = TRUE;
        }
        rect.right++;
        rect.bottom++;
        if (bEraseBkgnd)
            pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + nPairExtra, rect.bottom), crBack);
        if (pGrid->GetGridLines() != GVL_NONE) {
            rect.right--;
            rect.bottom--;
        }
        if (pGrid->GetFrameFocusCell()) {
            CBrush brush(kFocusFrame);
            CRect frame(rect.left, rect.top, rect.right + nPairExtra, rect.bottom);
            pDC->FrameRect(&frame, &brush);
        }
        pDC->SetTextColor(crText);
        if (pGrid->GetGridLines() == GVL_NONE) {
            rect.right--;
            rect.bottom--;
        }
    } else if (IsSelected()) {
        pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1 + nPairExtra, rect.bottom + 1),
                           kColorHighlight);
        pDC->SetTextColor(kColorHighlightText);
    } else {
        if (bEraseBkgnd)
            pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1 + nPairExtra, rect.bottom + 1),
                               crBack);
        pDC->SetTextColor(crText);
    }

    if (IsFixed() && pGrid->GetGridLines() != GVL_NONE) {
        // The headings of the focus cell's row and column look pressed in, pointing at it.
        const CCellID focus = pGrid->GetFocusCell();
        const bool bPointsAtFocus = pGrid->GetTrackFocusCell() && pGrid->IsValid(focus) &&
                                    ((IsFixedCol() && focus.row == nRow) || (IsFixedRow() && focus.col == nCol));
        if (bPointsAtFocus)
            pDC->Draw3dRect(rect, kColorBtnShadow, kColorBtnHighlight);
        else
            pDC->Draw3dRect(rect, kColorBtnHighlight, kColorBtnShadow);
        rect.DeflateRect(1, 1);
    }

    CFont cellFont;
    cellFont.CreateFontIndirect(GetFont());
    CFont fittedFont;
    CFont* pOldFont = pDC->SelectObject(&cellFont);
    const int nMargin = int(GetMargin());
    const CString strText = GetText();
    if (IsWideFirst())
        rect.right = 2 * rect.right - rect.left;
    rect.DeflateRect(nMargin, nMargin);
    rect.right++;
    rect.bottom++;
    if (IsWideFirst() || strText.GetLength() == 1) {
        const LOGFONT lf = IsWideFirst() ? pGrid->WideCellFont(*pDC, strText, rect.Width(), *GetFont())
                                         : pGrid->NarrowCellFont(*pDC, strText, rect.Width(), *GetFont());
        fittedFont.CreateFontIndirect(&lf);
        pDC->SelectObject(&fittedFont);
    }
    if (const CImageList* pImages = pGrid->GetImageList(); pImages && GetImage() >= 0) {
        const CSize sizeImage = pImages->GetImageSize();
        if (sizeImage.cx <= rect.Width() && sizeImage.cy <= rect.Height())
            pImages->Draw(pDC, GetImage(), rect.TopLeft(), ILD_NORMAL);
    }
    if (nRow == 0 && nCol == pGrid->GetSortColumn())
        DrawSortArrow(*pDC, rect, pGrid->GetSortAscending());
    GetTextRect(rect);
    if (!strText.IsEmpty())
        pDC->DrawText(strText, &rect, GetFormat() | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    pDC->RestoreDC(nSaved);
    return TRUE;
}

// ---- CGridCell ----

CGridCell::CGridCell() = default;
CGridCell::~CGridCell() = default;

void CGridCell::SetFont(const LOGFONT* pLogFont)
{
    if (pLogFont)
        m_pLogFont = std::make_unique<LOGFONT>(*pLogFont);
    else
        m_pLogFont.reset();
}

DWORD CGridCell::GetFormat() const
{
    if (m_nFormat == DWORD(-1) && GetDefaultCell())
        return GetDefaultCell()->GetFormat();
    return m_nFormat;
}

COLORREF CGridCell::GetTextClr() const
{
    if (m_crFgClr == CLR_DEFAULT && GetDefaultCell())
        return GetDefaultCell()->GetTextClr();
    return m_crFgClr;
}

COLORREF CGridCell::GetBackClr() const
{
    if (m_crBkClr == CLR_DEFAULT && GetDefaultCell())
        return GetDefaultCell()->GetBackClr();
    return m_crBkClr;
}

const LOGFONT* CGridCell::GetFont() const
{
    if (!m_pLogFont && GetDefaultCell())
        return GetDefaultCell()->GetFont();
    return m_pLogFont.get();
}

UINT CGridCell::GetMargin() const
{
    if (m_nMargin == UINT(-1) && GetDefaultCell())
        return GetDefaultCell()->GetMargin();
    return m_nMargin;
}

void CGridCell::Reset()
{
    m_nState = 0;
    m_strText.Empty();
    m_nImage = -1;
    m_lParam = 0;
    m_nFormat = DWORD(-1);
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_pLogFont.reset();
    m_nMargin = UINT(-1);
    m_bEditing = FALSE;
    m_pGrid = nullptr;
}

BOOL CGridCell::Edit(int nRow, int nCol, CRect, CPoint, UINT, UINT nChar)
{
    if (m_bEditing || !m_pGrid)
        return TRUE;
    // No second character into the cell while the grid writes this one.
    m_bEditing = TRUE;
    m_pGrid->TypeIntoCell(*this, nRow, nCol, nChar);
    m_bEditing = FALSE;
    return TRUE;
}

// ---- CGridDefaultCell ----

CGridDefaultCell::CGridDefaultCell()
{
    SetFormat(kDefaultFormat);
    const LOGFONT lf = StartFont();
    SetFont(&lf);
}

DWORD CGridDefaultCell::GetFormat() const { return m_nFormat; }
COLORREF CGridDefaultCell::GetTextClr() const { return m_crText; }
COLORREF CGridDefaultCell::GetBackClr() const { return m_crBack; }

void CGridDefaultCell::SetFont(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return;
    m_logFont = *pLogFont;
    CDC dc;
    CFont font;
    if (!dc.CreateCompatibleDC(nullptr) || !font.CreateFontIndirect(&m_logFont)) {
        m_nDefaultMargin = 3;
        m_size = CSize(40, 16);
        return;
    }
    CFont* pOld = dc.SelectObject(&font);
    m_nDefaultMargin = 2;
    m_size = dc.GetTextExtent(_T(" XXXXXXXXXXXX "));
    m_size.cy = (m_size.cy * 3) / 2;
    dc.SelectObject(pOld);
}
