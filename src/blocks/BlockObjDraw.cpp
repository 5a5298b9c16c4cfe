// The drawing operations shared by every element: the block frame (pins, negation dots, body,
// symbol, label, operand comment), the state colours of a simulation, the selection handles and
// the ON/OFF state label.
#include "blocks/BlockObj.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockLabel.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockSymbol.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "platform/gdi/DC.h"

#include <string_view>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
using symbol::kBlack;
using symbol::kBodyFill;

COLORREF StateColour(const CBlockObj& block)
{
    return block.m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? kRed : kBlue;
}

bool IsSimulating(const CSimContext* pSim)
{
    return pSim && pSim->bSimulating;
}

// The operand-comment map entry of an operand; empty when there is none.
CString OperandComment(const IBlockDocument& doc, int nOperand)
{
    CString strComment;
    doc.LookupOperandComment(nOperand, strComment);
    return strComment;
}

CString BlockComment(const IBlockDocument& doc, int nNumber)
{
    const CBlockObj* pBlock = doc.FindBlockByNumber(nNumber);
    return pBlock ? pBlock->m_strComment : CString();
}

bool InRange(int n, int nFirst, int nLast)
{
    return n >= nFirst && n <= nLast;
}

// Contacts name inputs, function keys, shift bits or status numbers directly.
bool IsDirectContactOperand(int n)
{
    return InRange(n, 100, 355) || InRange(n, 1300, 1304) || InRange(n, 1000, 1063) ||
           InRange(n, 1870, 2869) || InRange(n, 2900, 3899);
}

// The operand comment of the element that the operand names (a coil or a LAD analog output).
CString ElementOperandComment(const IBlockDocument& doc, int nNumber)
{
    const CBlockObj* pElement = doc.FindBlockByNumber(nNumber);
    return pElement ? OperandComment(doc, pElement->m_nOperand) : CString();
}

CString ContactComment(const CBlockObj& block, const IBlockDocument& doc)
{
    const int n = block.m_nOperand;
    if (IsDirectContactOperand(n))
        return OperandComment(doc, n);
    if (InRange(n, 21000, 21767))
        return ElementOperandComment(doc, n);
    if (InRange(n, 9000, 10999))
        return BlockComment(doc, n);
    return block.m_strComment;
}

CString AnalogContactComment(const CBlockObj& block, const IBlockDocument& doc)
{
    const int n = block.m_nOperand;
    if (InRange(n, 4000, 4127))
        return OperandComment(doc, n);
    if (InRange(n, 22000, 22543))
        return ElementOperandComment(doc, n);
    if (InRange(n, 9000, 10999))
        return BlockComment(doc, n);
    return block.m_strComment;
}

CString CommentText(const CBlockObj& block, const IBlockDocument* pDoc)
{
    if (!pDoc)
        return block.m_strComment;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMake)))
        return ContactComment(block, *pDoc);
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAContact)))
        return AnalogContactComment(block, *pDoc);
    if (block.IsKindOf(RUNTIME_CLASS(CBlockRelayCoil)) ||
        block.IsKindOf(RUNTIME_CLASS(CBlockAOutLAD)))
        return OperandComment(*pDoc, block.m_nOperand);
    return block.m_strComment;
}

constexpr int kPinStub = 5;
constexpr int kPinRectSize = 5;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 12;
// The label stands four thirds of the font height above the body.
constexpr int kLabelRise = 16;

// Placing a block, drawing a wire or dragging a wire's end: the pin under the mouse is outlined
// so that the user sees where the wire will attach.
bool ShowsPinUnderCursor(const CSimContext* pSim)
{
    if (!pSim)
        return false;
    return pSim->pinTool != SimPinTool::None;
}

bool OffersPin(const CBlockObj& block, int nPin)
{
    if (nPin >= BLOCK_FIRST_OUTPUT || block.m_nPinSource[nPin] == LINK_OPEN)
        return true;
    const IBlockDocument* pDoc = block.GetDocument();
    if (pDoc && !pDoc->IsLadder())
        return false;
    // A connected input that takes no second wire is never offered.
    return !RefusesSecondWire(block.m_nType, nPin);
}

void OutlinePin(const CBlockObj& block, CDC* pDC, int nPin)
{
    CRect pin;
    block.GetPinRect(&pin, nPin, kPinRectSize);
    const POINT path[5] = {{pin.left, pin.top},
                           {pin.left, pin.bottom},
                           {pin.right, pin.bottom},
                           {pin.right, pin.top},
                           {pin.left, pin.top}};
    pDC->Polyline(path, 5);
}

void Line(CDC* pDC, int x1, int y, int x2)
{
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2, y);
}

// One pin: its stub (or parameter text), the outline when the mouse is over it, its negation
// dot. The body pen is selected on entry and again on return.
void DrawPin(CBlockObj& block, const CSimContext* pSim, CDC* pDC, COLORREF crColor, int nPin,
             int nPitch)
{
    const bool bInput = nPin < BLOCK_FIRST_OUTPUT;
    const int nKind = block.m_nPinKind[nPin];
    const int x = block.m_ptPos.x;
    const int xr = x + block.m_nWidth;
    const int py = block.m_ptPos.y + (bInput ? nPin + 1 : nPin - 9) * nPitch;
    const COLORREF crPin =
        crColor == kBlack ? kBlack : (block.m_nPinValue[nPin] != 0 ? kRed : kBlue);

    if (bInput) {
        symbol::SelectedPen pinPen(pDC, PS_SOLID, 1, crPin);
        if (nKind == PINKIND_DIGITAL) {
            Line(pDC, x - kPinStub, py, x);
        } else if (nKind == PINKIND_ANALOG) {
            symbol::SelectedPen analogPen(pDC, PS_SOLID, 2, kBlack);
            Line(pDC, x - kPinStub, py, x);
        } else {
            block.DrawPinText(pDC, nPin, nPitch, kCharWidth, kLineHeight);
        }
    } else if (nKind == PINKIND_ANALOG) {
        symbol::SelectedPen analogPen(pDC, PS_SOLID, 2, kBlack);
        Line(pDC, xr + kPinStub, py, xr);
    } else {
        Line(pDC, xr + kPinStub, py, xr);
    }

    if (ShowsPinUnderCursor(pSim) && OffersPin(block, nPin) &&
        block.IsPinUnderCursor(pSim, nPin, pDC))
        OutlinePin(block, pDC, nPin);

    if (block.m_bPinInvert[nPin]) {
        symbol::SelectedPen dotPen(pDC, PS_SOLID, 5, crPin);
        const int xDot = bInput ? x - 2 : xr + 2;
        Line(pDC, xDot, py, xDot);
    }
}

void DrawPins(CBlockObj& block, const CSimContext* pSim, CDC* pDC, COLORREF crColor)
{
    const int nInputPitch = block.m_nHeight / (block.m_nInputs + 1);
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        if (block.m_nPinKind[nPin] != PINKIND_NONE)
            DrawPin(block, pSim, pDC, crColor, nPin, nInputPitch);
    }
    const int nOutputPitch = block.m_nHeight / (block.m_nOutputs + 1);
    for (int nPin = BLOCK_FIRST_OUTPUT;
         nPin < BLOCK_FIRST_OUTPUT + block.m_nOutputs && nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (block.m_nPinKind[nPin] != PINKIND_NONE)
            DrawPin(block, pSim, pDC, crColor, nPin, nOutputPitch);
    }
}

// X, AI, AQ and AM blocks keep a black outline in a simulation.
bool KeepsBlackOutline(int nType)
{
    return nType == BT_OPENX || nType == BT_ANALOG_IN || nType == BT_ANALOG_OUT ||
           nType == BT_ANALOG_FLAG;
}

}  // namespace

void CBlockObj::Draw(const CSimContext* pSim, CDC* pDC, BOOL, COLORREF crColor)
{
    CPen bodyPen(PS_SOLID, 1, crColor);
    CPen* pOldPen = pDC->SelectObject(&bodyPen);
    CFont font;
    font.CreateFont(kLineHeight, kCharWidth, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                    OUT_TT_PRECIS, 0, 0, FIXED_PITCH, _T("Arial"));
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);

    DrawPins(*this, pSim, pDC, crColor);

    // Ladder elements stand on their rung without a frame while the diagram is edited.
    const bool bLadderElement = IsLadderElementType(m_nType);
    const BOOL bOutline = !bLadderElement || IsSimulating(pSim);
    DrawHighlight(pDC, KeepsBlackOutline(m_nType) ? kBlack : crColor, bOutline);
    DrawSymbol(pDC);

    const CString strLabel = FormatBlockLabel(*this, GetDocument());
    if (!strLabel.IsEmpty())
        pDC->TextOut(m_ptPos.x + (m_nWidth - kCharWidth * strLabel.GetLength()) / 2,
                     m_ptPos.y - kLabelRise, strLabel);
    int nLineHeight = kLineHeight;
    DrawOperandComment(pDC, &nLineHeight);

    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

BOOL CBlockObj::IsPinUnderCursor(const CSimContext* pSim, int nPin, CDC* pDC) const
{
    if (!pSim)
        return FALSE;
    CRect pin;
    if (!GetPinRect(&pin, nPin, kPinRectSize))
        return FALSE;
    pDC->LPtoDP(&pin);
    return pin.PtInRect(pSim->ptCursor);
}

void CBlockObj::DrawSelected(const CSimContext* pSim, CDC* pDC)
{
    DrawInStateColour(pSim, pDC);
    DrawSelectionHandles(pDC);
}

void CBlockObj::DrawInStateColour(const CSimContext* pSim, CDC* pDC)
{
    Draw(pSim, pDC, TRUE, IsSimulating(pSim) ? StateColour(*this) : kBlack);
}

void CBlockObj::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    Draw(pSim, pDC, TRUE, StateColour(*this));
}

void CBlockObj::DrawStateLabel(const CSimContext* pSim, CDC* pDC)
{
    DrawInStateColour(pSim, pDC);
    if (m_nOutputs < 1 || m_nPinKind[BLOCK_FIRST_OUTPUT] == PINKIND_NONE)
        return;
    if (IsKindOf(RUNTIME_CLASS(CBlockOpenX)) || IsKindOf(RUNTIME_CLASS(CBlockFlag)))
        return;
    CRect pin;
    GetPinRect(&pin, BLOCK_FIRST_OUTPUT, 5);
    DrawStateText(pDC, StateWord(), CPoint(pin.left + 3, pin.bottom + 3));
}

CString CBlockObj::StateWord() const
{
    return m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? CString(_T("ON")) : CString(_T("OFF"));
}

void CBlockObj::DrawStateText(CDC* pDC, const CString& strText, CPoint pt) const
{
    CFont font;
    font.CreateFont(12, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS, 0, 0,
                    FIXED_PITCH, nullptr);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? kRed : kBlack);
    pDC->TextOut(pt.x, pt.y, strText);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CBlockObj::DrawValue(const CSimContext*, CDC*)
{
}

void CBlockObj::DrawHighlight(CDC* pDC, COLORREF crColor, BOOL bOutline)
{
    CPen pen(bOutline ? PS_SOLID : PS_NULL, 1, crColor);
    CBrush brush(kBodyFill);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->SetPolyFillMode(ALTERNATE);
    const int x = m_ptPos.x;
    const int y = m_ptPos.y;
    const POINT body[4] = {{x, y}, {x, y + m_nHeight}, {x + m_nWidth, y + m_nHeight},
                           {x + m_nWidth, y}};
    pDC->Polygon(body, 4);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CBlockObj::DrawSelectionHandles(CDC* pDC) const
{
    CRect handles[4];
    GetHandleRect(handles);
    CPen pen(PS_SOLID, 1, kBlack);
    CBrush brush(kRed);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    for (const CRect& handle : handles) {
        const POINT square[4] = {{handle.left, handle.top},
                                 {handle.left, handle.bottom},
                                 {handle.right, handle.bottom},
                                 {handle.right, handle.top}};
        pDC->Polygon(square, 4);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CBlockObj::DrawOperandComment(CDC* pDC, int* pLineHeight)
{
    if (!m_bShowComment)
        return;
    const CString strComment = CommentText(*this, GetDocument());
    // Most blocks carry no comment; an empty line would draw nothing anyway.
    if (strComment.IsEmpty())
        return;
    std::vector<CString> lines;
    std::u16string_view rest(strComment.GetString(), std::size_t(strComment.GetLength()));
    for (;;) {
        const std::size_t nBreak = rest.find(u"\r\n");
        lines.emplace_back(rest.substr(0, nBreak));
        if (nBreak == std::u16string_view::npos)
            break;
        rest.remove_prefix(nBreak + 2);
    }
    const int nLineHeight = *pLineHeight;
    int y = m_ptPos.y - 2 * nLineHeight - nLineHeight * int(lines.size() - 1);
    for (const CString& line : lines) {
        pDC->TextOut(m_ptPos.x, y, line);
        y += nLineHeight;
    }
}
