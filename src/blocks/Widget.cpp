#include "blocks/Widget.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/DiagramLimits.h"
#include "blocks/ParamTables.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

#include <cstdint>

IMPLEMENT_SERIAL(CWidget, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

// The last LCD column of the older controllers.
constexpr int kOldLastColumn = 12;
// Entries of a block's parameter list (columns 3 to 14 of its row).
constexpr int kParamListEntries = 12;

}  // namespace

CWidget::CWidget()
{
    InitNames();
}

CWidget::CWidget(int nLeft, int nTop, int nWidth, int nHeight, COLORREF crColor)
    : m_rect(nLeft, nTop, nLeft + nWidth, nTop + nHeight), m_crColor(crColor)
{
    InitNames();
}

void CWidget::InitNames()
{
    for (int nRow = 0; nRow < WIDGET_NAME_ROWS; ++nRow) {
        for (int nCol = 0; nCol < WIDGET_NAME_COLUMNS; ++nCol)
            m_strNames[nRow][nCol] = (nRow == 0 || nCol == 0) ? _T("W") : _T(" ");
    }
}

void CWidget::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<const RECT&>(m_rect) << m_crColor << m_nLine << m_nColumn
           << m_nBlockNumber << m_nParamId << m_strCaption << m_nKind << m_nWidth;
        for (const auto& row : m_strNames) {
            for (const CString& strCell : row)
                ar << strCell;
        }
        ar << m_nValueIndex << m_nMinValue << m_nMaxValue << m_nOption;
        return;
    }
    ar >> static_cast<RECT&>(m_rect) >> m_crColor >> m_nLine >> m_nColumn >> m_nBlockNumber >>
        m_nParamId >> m_strCaption >> m_nKind >> m_nWidth;
    if (!IsPlausiblePlacement())
        AfxThrowArchiveException(CArchiveException::generic);
    m_pDoc = ArchiveBlockDocument(ar);
    // Without a document (a loose element) the current project's hardware decides.
    const WORD wHardware = m_pDoc ? m_pDoc->GetHardwareCode() : g_wHardwareCode;
    if (!IsNewGeneration(wHardware))
        FitToOldModelWidth();
    m_pBlock = nullptr;

    const UINT nSchema = ar.GetObjectSchema();
    if (nSchema == 0)
        return;
    if (nSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    for (auto& row : m_strNames) {
        for (CString& strCell : row)
            ar >> strCell;
    }
    ar >> m_nValueIndex >> m_nMinValue >> m_nMaxValue >> m_nOption;
}

bool IsKnownWidgetKind(int nKind)
{
    return (nKind >= 0 && nKind < kParamListEntries) || (nKind <= WIDGET_KIND_BARGRAPH && nKind >= WIDGET_KIND_GRAPH);
}

int WidgetLineCount(int nKind)
{
    if (nKind == WIDGET_KIND_GRAPH)
        return 4;
    return nKind == WIDGET_KIND_SCOPE || nKind == WIDGET_KIND_POINTER ? 3 : 1;
}

// A damaged record would otherwise divide by its width in the refit and index the LCD's cells
// and line lists outside their bounds. An element not placed yet (line or column below 1, as
// stored projects hold them) may lack a width; a placed one lies on the LCD with one, its
// last cell included.
bool CWidget::IsPlausiblePlacement() const
{
    // The drawing of the element cuts its pixel rectangle into cells and steps through them.
    for (const LONG nEdge : {m_rect.left, m_rect.top, m_rect.right, m_rect.bottom}) {
        if (!IsDiagramCoord(nEdge))
            return false;
    }
    if (m_nWidth < 0 || m_nWidth > WIDGET_LCD_COLUMNS || m_nLine < -1 || m_nLine > WIDGET_LCD_LINES || m_nColumn < -1 ||
        m_nColumn > WIDGET_LCD_COLUMNS)
        return false;
    if (m_nLine < 1 || m_nColumn < 1)
        return IsKnownWidgetKind(m_nKind) || m_nKind == -1;
    return IsKnownWidgetKind(m_nKind) && m_nWidth >= 1 && m_nColumn + m_nWidth - 1 <= WIDGET_LCD_COLUMNS &&
           m_nLine + WidgetLineCount(m_nKind) - 1 <= WIDGET_LCD_LINES;
}

void CWidget::ResolveBlock() { m_pBlock = m_pDoc ? m_pDoc->FindBlockByNumber(m_nBlockNumber) : nullptr; }

// The older controllers show 12 columns and give every parameter the width of the table; an
// element stored wider or narrower (a project moved from a newer model) is refitted so that it
// still ends on the display. Elements of the special kinds have widths of their own and keep
// them.
void CWidget::FitToOldModelWidth()
{
    if (m_nKind < 0 || m_nParamId < 0 || m_nParamId >= PARAM_NAME_COUNT)
        return;
    const int nTableWidth = g_arrParamWidth[m_nParamId];
    if (m_nWidth == nTableWidth)
        return;
    // A placed element is never 0 cells wide; such a record cannot be refitted.
    if (m_nWidth == 0)
        AfxThrowArchiveException(CArchiveException::generic);
    // 64-bit arithmetic: a damaged record must not overflow.
    const std::int64_t nCell = (std::int64_t(m_rect.right) - m_rect.left) / m_nWidth;
    const std::int64_t nExcess = std::int64_t(nTableWidth) + m_nColumn - (kOldLastColumn + 1);
    std::int64_t nLeft = m_rect.left;
    if (nExcess >= 1) {
        m_nColumn = int(m_nColumn - nExcess);
        nLeft -= nExcess * nCell;
    }
    m_rect.left = LONG(nLeft);
    m_rect.right = LONG(nLeft + nCell * nTableWidth);
    m_nWidth = nTableWidth;
}

void CWidget::CopyTo(CWidget* pDst) const
{
    if (!pDst)
        return;
    for (int nRow = 0; nRow < WIDGET_NAME_ROWS; ++nRow) {
        for (int nCol = 0; nCol < WIDGET_NAME_COLUMNS; ++nCol)
            pDst->m_strNames[nRow][nCol] = m_strNames[nRow][nCol];
    }
    pDst->m_rect = m_rect;
    pDst->m_crColor = m_crColor;
    pDst->m_nLine = m_nLine;
    pDst->m_nColumn = m_nColumn;
    pDst->m_pBlock = m_pBlock;
    pDst->m_nBlockNumber = m_nBlockNumber;
    pDst->m_nParamId = m_nParamId;
    pDst->m_strCaption = m_strCaption;
    pDst->m_nKind = m_nKind;
    pDst->m_nWidth = m_nWidth;
    pDst->m_bSelected = m_bSelected;
    pDst->m_nValueIndex = m_nValueIndex;
    pDst->m_nMinValue = m_nMinValue;
    pDst->m_nMaxValue = m_nMaxValue;
    pDst->m_nOption = m_nOption;
}

BOOL CWidget::HitTest(CPoint point) const
{
    return m_rect.PtInRect(point);
}
