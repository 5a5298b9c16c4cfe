// CGridCtrl: printing, and the drag image of the focus cell.
#include "controls/GridCtrl.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PrintInfo.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace {

// The application title among the string resources.
constexpr UINT kAppTitleString = 128;

// The average character width is measured over this text.
constexpr LPCTSTR kAlphabet = _T("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");
constexpr int kAlphabetLength = 52;

constexpr int kPrinterFontHeight = -10;

int MulDivNonZero(int nNumber, int nNumerator, int nDenominator)
{
    return nDenominator == 0 ? nNumber : int(std::int64_t(nNumber) * nNumerator / nDenominator);
}

// Rows (or columns) fill a page while they fit; one that would overflow a page holding others
// starts the next, and one larger than a page has a page of its own.
bool StartsNewPage(int nFilled, int nSize, int nPageSize)
{
    return nFilled > 0 && nFilled + nSize > nPageSize;
}

// The pages rows (or columns) nFirst up to nEnd take.
template <class SizeOf>
int CountPages(int nFirst, int nEnd, int nPageSize, SizeOf sizeOf)
{
    int nPages = 1;
    for (int n = nFirst, nFilled = 0; n < nEnd; ++n) {
        const int nSize = sizeOf(n);
        if (StartsNewPage(nFilled, nSize, nPageSize)) {
            ++nPages;
            nFilled = 0;
        }
        nFilled += nSize;
    }
    return nPages;
}

// The first row (or column) of page nPage (from 1); nEnd when there is no such page.
template <class SizeOf>
int FirstOfPage(int nFirst, int nEnd, int nPageSize, int nPage, SizeOf sizeOf)
{
    if (nPage <= 1)
        return nFirst;
    for (int n = nFirst, nFilled = 0, nOnPage = 1; n < nEnd; ++n) {
        const int nSize = sizeOf(n);
        if (StartsNewPage(nFilled, nSize, nPageSize)) {
            if (++nOnPage == nPage)
                return n;
            nFilled = 0;
        }
        nFilled += nSize;
    }
    return nEnd;
}

// The current date and time in the locale's own form.
CString CurrentDateTimeText()
{
    const std::time_t now = std::time(nullptr);
    std::tm tmNow{};
    localtime_r(&now, &tmNow);
    char szText[128] = {};
    std::strftime(szText, sizeof szText, "%c", &tmNow);
    return CString(szText);
}

}  // namespace

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (!pDC || !pInfo)
        return;
    m_pPrinterFont = std::make_unique<CFont>();
    m_pPrinterFont->CreateFont(kPrinterFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, _T("Arial"));
    CFont* pOldFont = pDC->SelectObject(m_pPrinterFont.get());

    PrintLayout& layout = m_print;
    layout.sizeChar = pDC->GetTextExtent(kAlphabet, kAlphabetLength);
    layout.sizeChar.cx = std::max(1, int(layout.sizeChar.cx / kAlphabetLength));
    layout.sizeChar.cy = std::max(1, int(layout.sizeChar.cy));
    const int nMargins = (m_printMargins.nLeft + m_printMargins.nRight) * layout.sizeChar.cx;
    layout.sizePaper = CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (m_bWysiwygPrinting) {
        CDC dcScreen;
        dcScreen.CreateCompatibleDC(nullptr);
        layout.sizeLogicalPage.cx = MulDivNonZero(layout.sizePaper.cx, dcScreen.GetDeviceCaps(LOGPIXELSX),
                                                  pDC->GetDeviceCaps(LOGPIXELSX)) * 3 / 4;
        layout.sizeLogicalPage.cy = MulDivNonZero(layout.sizePaper.cy, dcScreen.GetDeviceCaps(LOGPIXELSY),
                                                  pDC->GetDeviceCaps(LOGPIXELSY)) * 3 / 4;
    } else {
        layout.sizeLogicalPage.cx = GetVirtualWidth() + nMargins;
        layout.sizeLogicalPage.cy = MulDivNonZero(layout.sizeLogicalPage.cx, layout.sizePaper.cy, layout.sizePaper.cx);
    }
    // A mapping needs extents of at least one unit.
    layout.sizeLogicalPage.cx = std::max(1, int(layout.sizeLogicalPage.cx));
    layout.sizeLogicalPage.cy = std::max(1, int(layout.sizeLogicalPage.cy));

    const PrintMargins& m = m_printMargins;
    layout.nPageHeight = layout.sizeLogicalPage.cy - GetFixedRowHeight() -
                         (m.nHeader + m.nFooter + 2 * m.nGap) * layout.sizeChar.cy;
    layout.nPages = CountPages(GetFixedRowCount(), GetRowCount(), layout.nPageHeight,
                               [this](int nRow) { return GetRowHeight(nRow); });

    layout.nPageWidth = layout.sizeLogicalPage.cx - GetFixedColumnWidth() - nMargins;
    layout.nPageMultiplier = 1;
    if (m_bWysiwygPrinting) {
        layout.nPageMultiplier = CountPages(GetFixedColumnCount(), GetColumnCount(), layout.nPageWidth,
                                            [this](int nCol) { return GetColumnWidth(nCol); });
        layout.nPages *= layout.nPageMultiplier;
    }
    pInfo->SetMaxPage(UINT(layout.nPages));
    pInfo->m_nCurPage = 1;
    pDC->SelectObject(pOldFont);
}

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (!pDC || !pInfo || !m_pPrinterFont)
        return;
    PrintLayout& layout = m_print;
    const PrintMargins& m = m_printMargins;
    CFont* pOldFont = pDC->SelectObject(m_pPrinterFont.get());
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(layout.sizeLogicalPage);
    pDC->SetViewportExt(layout.sizePaper);
    pDC->SetWindowOrg(-m.nLeft * layout.sizeChar.cx, 0);

    pInfo->m_rectDraw.SetRect(0, 0, layout.sizeLogicalPage.cx - (m.nLeft + m.nRight) * layout.sizeChar.cx,
                              m.nHeader * layout.sizeChar.cy);
    PrintHeader(pDC, pInfo);
    pDC->OffsetWindowOrg(0, -(m.nHeader + m.nGap) * layout.sizeChar.cy - GetFixedRowHeight());

    // Page n shows the rows of row page (n - 1) / multiplier + 1 and the columns of column page
    // (n - 1) % multiplier + 1.
    const int nPageIndex = std::max(0, int(pInfo->m_nCurPage) - 1);
    const int nRowPage = nPageIndex / layout.nPageMultiplier + 1;
    const int nColumnPage = nPageIndex % layout.nPageMultiplier + 1;

    layout.nCurrPrintRow = FirstOfPage(GetFixedRowCount(), GetRowCount(), layout.nPageHeight, nRowPage,
                                       [this](int nRow) { return GetRowHeight(nRow); });
    layout.nPrintColumn = FirstOfPage(GetFixedColumnCount(), GetColumnCount(), layout.nPageWidth, nColumnPage,
                                      [this](int nCol) { return GetColumnWidth(nCol); });

    PrintRowButtons(pDC, pInfo);
    // The page's columns start at x = 0, its rows (and the headings) keep their fixed cells
    // left of them.
    const int nFixedWidth = GetFixedColumnWidth();
    pInfo->m_rectDraw.bottom = GetFixedRowHeight();
    pDC->OffsetWindowOrg(-nFixedWidth, GetFixedRowHeight());
    PrintColumnHeadings(pDC, pInfo);
    pDC->OffsetWindowOrg(0, -GetFixedRowHeight());

    CRect rect(0, 0, 0, -1);
    for (BOOL bFirstRow = TRUE; layout.nCurrPrintRow < GetRowCount(); ++layout.nCurrPrintRow, bFirstRow = FALSE) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(layout.nCurrPrintRow) - 1;
        // The page ends where the counting of the pages ended it; a row taller than the page
        // still prints, alone on its page, rather than nowhere.
        if (rect.bottom >= layout.nPageHeight && !bFirstRow)
            break;
        // The row's fixed cells go in the room left of the page's columns, so that every page
        // shows which rows it holds.
        rect.right = -nFixedWidth - 1;
        for (int nCol = 0; nCol < GetFixedColumnCount(); ++nCol) {
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(nCol) - 1;
            PrintCellWithLines(pDC, layout.nCurrPrintRow, nCol, rect, nCol == 0);
        }
        for (int nCol = layout.nPrintColumn; nCol < GetColumnCount(); ++nCol) {
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(nCol) - 1;
            if (rect.right >= layout.nPageWidth && nCol > layout.nPrintColumn)
                break;
            PrintCellWithLines(pDC, layout.nCurrPrintRow, nCol, rect, nCol == 0);
        }
    }

    pInfo->m_rectDraw.bottom = m.nFooter * layout.sizeChar.cy;
    pDC->SetWindowOrg(-m.nLeft * layout.sizeChar.cx, -layout.sizeLogicalPage.cy + m.nFooter * layout.sizeChar.cy);
    PrintFooter(pDC, pInfo);
    pDC->SetWindowOrg(0, 0);
    pDC->SelectObject(pOldFont);
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*) { m_pPrinterFont.reset(); }

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo*)
{
    CFont* pOldFont = pDC->SelectObject(m_pPrinterFont.get());
    CRect rect(0, 0, 0, -1);
    for (int nRow = 0; nRow < GetFixedRowCount(); ++nRow) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(nRow) - 1;
        // Every page repeats the fixed columns' headings above the rows' fixed cells, then heads
        // its own columns.
        rect.right = -GetFixedColumnWidth() - 1;
        BOOL bFirst = TRUE;
        PrintFixedRowCells(0, GetFixedColumnCount(), nRow, rect, pDC, bFirst);
        PrintFixedRowCells(m_print.nPrintColumn, GetColumnCount(), nRow, rect, pDC, bFirst);
    }
    pDC->SelectObject(pOldFont);
}

void CGridCtrl::PrintFixedRowCells(int nStartColumn, int nStopColumn, int& nRow, CRect& rect, CDC* pDC,
                                   BOOL& bFirst)
{
    for (int nCol = nStartColumn; nCol < nStopColumn; ++nCol) {
        rect.left = rect.right + 1;
        rect.right = rect.left + GetColumnWidth(nCol) - 1;
        if (rect.right >= m_print.nPageWidth && nCol > nStartColumn)
            break;
        PrintCellWithLines(pDC, nRow, nCol, rect, bFirst);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
            bFirst = FALSE;
    }
}

void CGridCtrl::PrintCellWithLines(CDC* pDC, int nRow, int nCol, const CRect& rect, BOOL bLeftLine)
{
    if (CGridCellBase* pCell = GetCell(nRow, nCol))
        pCell->PrintCell(pDC, nRow, nCol, rect);
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
        const int nOverlap = nCol == 0 ? 0 : 1;
        pDC->MoveTo(rect.left - nOverlap, rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        if (nRow == 0) {
            pDC->MoveTo(rect.left - nOverlap, rect.top);
            pDC->LineTo(rect.right, rect.top);
        }
    }
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
        const int nOverlap = nRow == 0 ? 0 : 1;
        pDC->MoveTo(rect.right, rect.top - nOverlap);
        pDC->LineTo(rect.right, rect.bottom);
        if (bLeftLine) {
            pDC->MoveTo(rect.left, rect.top - nOverlap);
            pDC->LineTo(rect.left, rect.bottom);
        }
    }
}

LOGFONT CGridCtrl::PrinterBoldFont() const
{
    LOGFONT lf{};
    if (m_pPrinterFont)
        m_pPrinterFont->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    return lf;
}

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* pInfo)
{
    CString strRight;
    strRight.LoadString(kAppTitleString);
    CString strCenter;
    for (CWnd* pParent = GetParent(); pParent; pParent = pParent->GetParent()) {
        pParent->GetWindowText(strCenter);
        if (!strCenter.IsEmpty())
            break;
    }

    const LOGFONT lfBold = PrinterBoldFont();
    CFont boldFont;
    boldFont.CreateFontIndirect(&lfBold);
    CFont* pOldFont = pDC->SelectObject(&boldFont);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CRect rc(pInfo->m_rectDraw);
    if (!strCenter.IsEmpty())
        pDC->DrawText(strCenter, &rc, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    if (!strRight.IsEmpty())
        pDC->DrawText(strRight, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldFont);

    pDC->SelectStockObject(BLACK_PEN);
    pDC->MoveTo(rc.left, rc.bottom);
    pDC->LineTo(rc.right, rc.bottom);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo)
{
    CString strLeft;
    strLeft.Format(_T("Page %d of %d"), int(pInfo->m_nCurPage), int(pInfo->GetMaxPage()));
    const CString strRight = CurrentDateTimeText();
    CRect rc(pInfo->m_rectDraw);

    pDC->SelectStockObject(BLACK_PEN);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);

    const LOGFONT lfBold = PrinterBoldFont();
    CFont boldFont;
    boldFont.CreateFontIndirect(&lfBold);
    CFont* pOldFont = pDC->SelectObject(&boldFont);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    // Whatever colour the cells left behind, the footer prints black.
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawText(strLeft, &rc, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    if (!strRight.IsEmpty())
        pDC->DrawText(strRight, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldFont);
}

std::unique_ptr<CImageList> CGridCtrl::CreateDragImage(CPoint* pHotSpot)
{
    const CCellID cell = GetFocusCell();
    CRect rect;
    if (!m_hWnd || !IsValid(cell) || !IsCellVisible(cell.row, cell.col) || !GetCellRect(cell.row, cell.col, &rect))
        return nullptr;
    CGridCellBase* pCell = GetCell(cell.row, cell.col);
    if (!pCell || rect.IsRectEmpty())
        return nullptr;
    // The cell's rectangle ends on its last pixel, where the grid line is drawn.
    const CSize size(rect.Width() + 1, rect.Height() + 1);
    auto pList = std::make_unique<CImageList>();
    if (!pList->Create(size.cx, size.cy, ILC_MASK, 1, 1))
        return nullptr;

    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(&memDC, size.cx, size.cy))
        return nullptr;
    const COLORREF crMask = GetDefaultCell(FALSE, FALSE)->GetBackClr();
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    // What the cell does not draw on is the background, which the mask makes transparent.
    memDC.FillSolidRect(0, 0, size.cx, size.cy, crMask);
    pCell->Draw(&memDC, cell.row, cell.col, CRect(0, 0, rect.Width(), rect.Height()), FALSE);
    memDC.SelectObject(pOldBitmap);
    if (pList->Add(&bitmap, crMask) < 0)
        return nullptr;
    if (pHotSpot)
        *pHotSpot = CPoint(0, 0);
    return pList;
}
