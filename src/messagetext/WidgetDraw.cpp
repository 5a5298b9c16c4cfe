#include "messagetext/WidgetDraw.h"

#include "messagetext/LcdFonts.h"
#include "messagetext/WidgetTypeLabel.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "document/BlockNumbering.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

namespace {

constexpr COLORREF kTypeBoxColour = RGB(245, 217, 129);
constexpr COLORREF kLcdGreen = RGB(85, 157, 85);
constexpr COLORREF kSelectionRed = RGB(255, 0, 0);
constexpr int kTypeBoxWidth = 25;
constexpr int kTypeBoxHeight = 36;

bool IsAnalogNumber(int nNumber)
{
    return (nNumber >= NUM_ANALOG_IN && nNumber <= 4127) || (nNumber >= NUM_ANALOG_FLAG && nNumber <= 4799);
}

// The I/O point reference of a block type, or by number range without a block.
CString PointReference(int nType, int nNumber)
{
    CString str;
    switch (nType) {
    case BT_IN: str.Format(_T("I%d%02d"), (nNumber - NUM_INPUT) / 32, (nNumber - NUM_INPUT) % 32); break;
    case BT_OUT: str.Format(_T("Q%d%02d"), (nNumber - NUM_OUTPUT) / 16, (nNumber - NUM_OUTPUT) % 16); break;
    case BT_SHIFT: str.Format(_T("S%d.%d"), (nNumber - NUM_SHIFT) / 16, (nNumber - NUM_SHIFT) % 16); break;
    case BT_FKEY: str.Format(_T("F%d"), nNumber - NUM_FKEY); break;
    case BT_FLAG: str.Format(_T("M%d"), nNumber - NUM_FLAG); break;
    case BT_ANALOG_IN: str.Format(_T("AI%d%02d"), (nNumber - NUM_ANALOG_IN) / 8, (nNumber - NUM_ANALOG_IN) % 8); break;
    case BT_ANALOG_FLAG: str.Format(_T("AM%d"), nNumber - NUM_ANALOG_FLAG); break;
    default: break;
    }
    return str;
}

int TypeOfNumberRange(int nNumber)
{
    if (nNumber >= NUM_ANALOG_FLAG) return BT_ANALOG_FLAG;
    if (nNumber >= NUM_ANALOG_IN) return BT_ANALOG_IN;
    if (nNumber >= NUM_FLAG) return BT_FLAG;
    if (nNumber >= NUM_FKEY) return BT_FKEY;
    if (nNumber >= NUM_SHIFT) return BT_SHIFT;
    if (nNumber >= NUM_OUTPUT) return BT_OUT;
    if (nNumber >= NUM_INPUT) return BT_IN;
    return 0;
}

// Cuts a text to the characters that fit beside the type box, by its average character width.
CString FitText(CDC& dc, const CString& str, int nRoom)
{
    if (str.IsEmpty())
        return str;
    const int nWidth = dc.GetTextExtent(str).cx;
    const int nAverage = nWidth / str.GetLength();
    if (nAverage <= 0)
        return str;
    return str.Left(std::max(0, nRoom / nAverage));
}

CString SecondLine(CWidget& widget, CVetlaDoc* pDoc, const CSimContext* pSim)
{
    CString str;
    if (widget.m_nKind == WIDGET_KIND_GRAPH)
        return _T("Graph 12 X 4");
    if (widget.m_pBlock) {
        widget.m_pBlock->GetWidgetText(pSim, &str, widget.m_nParamId, widget.m_nKind);
        return str;
    }
    if (!pDoc || widget.m_nBlockNumber < NUM_ANALOG_IN)
        return str;
    const int nLadderType = widget.m_nBlockNumber >= NUM_ANALOG_FLAG ? BT_AOUT_LAD : BT_ACONTACT;
    if (CBlockObj* pLadder = pDoc->FindBlockByOperand(widget.m_nBlockNumber, nLadderType)) {
        double dValue = 0;
        pLadder->GetValueAsDouble(nullptr, &dValue);
        str.Format(_T("%6.1f"), double(int(dValue)));
    }
    return str;
}

// The state of the point an I/O status name watches: its block's output, or in a ladder, where
// the point is an operand, that of the coil that switches it or of a contact that reads it.
bool IsPointOn(const CWidget& widget, const CVetlaDoc* pDoc)
{
    if (widget.m_pBlock)
        return widget.m_pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] == 1;
    if (!pDoc)
        return false;
    for (const int nCoilType : {BT_RELAY_COIL, BT_INV_OUT}) {
        if (const CBlockObj* pCoil = pDoc->FindBlockByOperand(widget.m_nBlockNumber, nCoilType))
            return pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT] == 1;
    }
    for (const int nContactType : {BT_MAKE, BT_BREAK}) {
        if (const CBlockObj* pContact = pDoc->FindBlockByOperand(widget.m_nBlockNumber, nContactType))
            return ContactOperandState(*pContact) == 1;
    }
    return false;
}

// What the controller's LCD shows of an I/O status name: the name of its point's state, one
// character in each of eight cells, a cell without one blank.
CString StateName(const CWidget& widget, const CVetlaDoc* pDoc)
{
    const int nRow = IsPointOn(widget, pDoc) ? 2 : 1;
    CString str;
    for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c) {
        const CString& strCell = widget.m_strNames[nRow][c];
        str += strCell.IsEmpty() ? CString(_T(" ")) : strCell.Left(1);
    }
    return str;
}

class CScopedFont {
public:
    CScopedFont(CDC& dc, const LOGFONT& lf) : m_dc(dc)
    {
        m_font.CreateFontIndirect(&lf);
        m_pOld = dc.SelectObject(&m_font);
    }
    ~CScopedFont() { m_dc.SelectObject(m_pOld); }

private:
    CDC& m_dc;
    CFont m_font;
    CFont* m_pOld;
};

void DrawDetails(CWidget& widget, CDC& dc, CVetlaDoc* pDoc, const CSimContext* pSim)
{
    const CRect& r = widget.m_rect;
    CBrush fill(widget.m_crColor);
    CBrush* pOldBrush = dc.SelectObject(&fill);
    const POINT corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    dc.Polygon(corners, 4);
    CPen black(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = dc.SelectObject(&black);

    const int nType = widget.m_pBlock ? widget.m_pBlock->m_nType : 0;
    const bool bFunctionBlock = widget.m_pBlock && GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION;
    LOGFONT first = SansFont(10, 4, FW_BOLD);
    if (widget.m_nKind == WIDGET_KIND_IOSTATUSNAME) {
        if (!bFunctionBlock)
            first = SansFont(12, 8, FW_BOLD);
    } else if (widget.m_nKind == WIDGET_KIND_GRAPH) {
        first = SansFont(12, 8, FW_BOLD);
    } else {
        CRect box(r.left, r.top, r.left + kTypeBoxWidth, r.top + kTypeBoxHeight);
        box.DeflateRect(1, 1);
        dc.FillSolidRect(&box, kTypeBoxColour);
        if (nType == BT_ANALOG_IN || nType == BT_ANALOG_FLAG || (!widget.m_pBlock && IsAnalogNumber(widget.m_nBlockNumber)))
            DrawAnalogLabel(widget, dc, box);
        else if (widget.m_pBlock)
            DrawTypeLabel(dc, box, nType);
    }

    const CString strRef = WidgetReference(widget);
    const COLORREF crOldBk = dc.SetBkColor(widget.m_crColor);
    {
        CScopedFont font(dc, first);
        const CString strFit = FitText(dc, strRef, r.Width() - kTypeBoxWidth);
        const int h = dc.GetTextExtent(strFit.IsEmpty() ? CString(_T(" ")) : strFit).cy;
        if (widget.m_nKind == WIDGET_KIND_IOSTATUSNAME) {
            dc.TextOut(r.left + 2, r.top + (r.Height() - h) / 2, strFit);
            CScopedFont names(dc, SansFont(8, 4, FW_BOLD));
            const int x = r.left + 4 * (r.Width() / 8);
            CString str0 = _T("0:");
            CString str1 = _T("1:");
            for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c) {
                str0 += widget.m_strNames[1][c];
                str1 += widget.m_strNames[2][c];
            }
            dc.TextOut(x, r.top + (r.Height() / 2 - h) / 2, str0);
            dc.TextOut(x, r.top + r.Height() / 2 + (r.Height() / 2 - h) / 2, str1);
        } else {
            dc.TextOut(r.left + kTypeBoxWidth, r.top + 2, strFit);
        }
    }
    if (widget.m_nKind != WIDGET_KIND_IOSTATUSNAME) {
        static const LPCTSTR kTimeBases[] = {_T("00"), _T("00:00"), _T("00:00:00"), _T("00:00:00:00")};
        CString strSecond;
        if (widget.m_nKind == WIDGET_KIND_SCALETIME)
            strSecond = widget.m_nOption >= 0 && widget.m_nOption < 4 ? kTimeBases[widget.m_nOption] : _T("");
        else
            strSecond = SecondLine(widget, pDoc, pSim);
        CScopedFont font(dc, SansFont(-12, 0, FW_BOLD));
        dc.TextOut(r.left + kTypeBoxWidth, r.top + 18, FitText(dc, strSecond, r.Width() - kTypeBoxWidth));
    }
    dc.SetBkColor(crOldBk);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

void DrawLcd(CWidget& widget, CDC& dc, const CVetlaDoc* pDoc, const CSimContext* pSim)
{
    const CRect& r = widget.m_rect;
    if (widget.m_nWidth <= 0)
        return;
    const int nCell = (r.Width() + 1) / widget.m_nWidth;
    const int nHeight = r.Height() + 1;
    CPen black(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = dc.SelectObject(&black);
    const LOGFONT cellFont = FixedFont(nHeight - 3, nCell - 3, 0);
    const COLORREF crOldBk = dc.SetBkColor(kLcdGreen);
    CString strValue;
    if (widget.m_nKind == WIDGET_KIND_IOSTATUSNAME)
        strValue = StateName(widget, pDoc);
    else if (widget.m_nKind != WIDGET_KIND_GRAPH && widget.m_pBlock)
        widget.m_pBlock->GetWidgetValueText(pSim, &strValue, widget.m_nParamId, widget.m_nKind);
    // Right-aligned to the element's cells; a longer value runs on past them.
    CString strShown;
    for (int i = strValue.GetLength(); i < widget.m_nWidth; ++i)
        strShown += _T(' ');
    strShown += strValue;
    for (int i = 0; i < strShown.GetLength(); ++i) {
        const CString strChar(strShown.GetAt(i));
        // The platform may draw a character wider than the font's width asks for (a proportional
        // face stands in for the fixed pitch): narrowed to that width, the character and its
        // background stay inside its cell and leave the neighbours whole.
        CScopedFont font(dc, FitGlyphFont(dc, strChar, nCell - 3, cellFont));
        const int w = dc.GetTextExtent(strChar).cx;
        dc.TextOut(r.left + i * nCell + (nCell - w) / 2, r.top, strChar);
    }
    dc.SetBkColor(crOldBk);
    dc.SelectObject(pOldPen);
}

}  // namespace

CString WidgetReference(const CWidget& widget)
{
    CString str;
    if (widget.m_pBlock) {
        if (GetBlockCategory(widget.m_pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION) {
            str.Format(_T("B%d - %s"), widget.m_nBlockNumber - NUM_FUNCTION_BLOCK, LPCTSTR(widget.m_strCaption));
            return str;
        }
        return PointReference(widget.m_pBlock->m_nType, widget.m_nBlockNumber);
    }
    if (widget.m_nKind == WIDGET_KIND_GRAPH)
        return _T("[Graph]");
    return PointReference(TypeOfNumberRange(widget.m_nBlockNumber), widget.m_nBlockNumber);
}

void DrawWidget(CWidget& widget, CDC& dc, CVetlaDoc* pDoc, const CSimContext* pSim, BOOL bDetails)
{
    if (bDetails)
        DrawDetails(widget, dc, pDoc, pSim);
    else
        DrawLcd(widget, dc, pDoc, pSim);
}

void DrawWidgetSelected(CWidget& widget, CDC& dc, CVetlaDoc* pDoc, const CSimContext* pSim, BOOL bDetails)
{
    DrawWidget(widget, dc, pDoc, pSim, bDetails);
    DrawWidgetSelectionFrame(widget, dc);
}

void DrawWidgetSelectionFrame(const CWidget& widget, CDC& dc)
{
    const CRect& r = widget.m_rect;
    CPen red(PS_SOLID, 2, kSelectionRed);
    CPen* pOld = dc.SelectObject(&red);
    const POINT path[] = {{r.left, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top}, {r.left, r.top}};
    dc.Polyline(path, 5);
    dc.SelectObject(pOld);
}

void DrawWidgetDragOutline(const CWidget& widget, CDC& dc, CPoint topLeft)
{
    const CRect& r = widget.m_rect;
    const int nOldRop = dc.SetROP2(R2_NOT);
    CGdiObject* pOldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    const POINT corners[] = {{topLeft.x, topLeft.y}, {topLeft.x + r.Width(), topLeft.y},
                             {topLeft.x + r.Width(), topLeft.y + r.Height()}, {topLeft.x, topLeft.y + r.Height()}};
    dc.Polygon(corners, 4);
    dc.SelectObject(pOldBrush);
    dc.SetROP2(nOldRop);
}

void DrawAnalogLabel(const CWidget& widget, CDC& dc, const CRect& box)
{
    int nType = widget.m_pBlock ? widget.m_pBlock->m_nType : 0;
    if (!widget.m_pBlock)
        nType = widget.m_nBlockNumber >= NUM_ANALOG_FLAG ? BT_ANALOG_FLAG : BT_ANALOG_IN;
    LPCTSTR pszLabel = nType == BT_ANALOG_IN ? _T("AI") : nType == BT_ANALOG_FLAG ? _T("AM") : nullptr;
    if (!pszLabel)
        return;
    CPen black(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = dc.SelectObject(&black);
    CScopedFont font(dc, FixedFont(14, 8, 0));
    const COLORREF crOldBk = dc.SetBkColor(kTypeBoxColour);
    dc.TextOut(box.left + (25 - 8) / 2 - 2, box.top + (36 - 14) / 3, CString(pszLabel));
    dc.SetBkColor(crOldBk);
    dc.SelectObject(pOldPen);
}
