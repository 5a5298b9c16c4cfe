// The drawing operations shared by every element: the state colours of a simulation, the body,
// the selection handles, the ON/OFF state label and the operand comment of ladder elements.
// The full block frame (pins, symbol, label) is drawn by Draw, which the drawing of the blocks
// supplies; the base Draw does not draw yet.
#include "blocks/BlockObj.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"

#include <string_view>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBodyFill = RGB(255, 222, 140);

COLORREF StateColour(const CBlockObj& block)
{
    return block.m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? kRed : kBlue;
}

bool IsSimulating(const CVetlaView* pView)
{
    return pView && pView->m_nEditMode == EDIT_MODE_SIMULATE;
}

// The operand-comment map entry of an operand; empty when there is none.
CString OperandComment(const CVetlaDoc& doc, int nOperand)
{
    CString strComment;
    doc.m_mapOperandComment.Lookup(nOperand, strComment);
    return strComment;
}

CString BlockComment(const CVetlaDoc& doc, int nNumber)
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
CString ElementOperandComment(const CVetlaDoc& doc, int nNumber)
{
    const CBlockObj* pElement = doc.FindBlockByNumber(nNumber);
    return pElement ? OperandComment(doc, pElement->m_nOperand) : CString();
}

CString ContactComment(const CBlockObj& block, const CVetlaDoc& doc)
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

CString AnalogContactComment(const CBlockObj& block, const CVetlaDoc& doc)
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

CString CommentText(const CBlockObj& block, const CVetlaDoc* pDoc)
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

}  // namespace

void CBlockObj::Draw(CVetlaView*, CDC*, BOOL, COLORREF)
{
}

void CBlockObj::DrawSelected(CVetlaView* pView, CDC* pDC)
{
    Draw(pView, pDC, TRUE, IsSimulating(pView) ? StateColour(*this) : kBlack);
    DrawSelectionHandles(pDC);
}

void CBlockObj::DrawSim(CVetlaView* pView, CDC* pDC)
{
    Simulate(pView);
    Draw(pView, pDC, TRUE, StateColour(*this));
}

void CBlockObj::DrawStateLabel(CVetlaView* pView, CDC* pDC)
{
    Draw(pView, pDC, TRUE, IsSimulating(pView) ? StateColour(*this) : kBlack);
    if (m_nOutputs < 1 || m_nPinKind[BLOCK_FIRST_OUTPUT] == PINKIND_NONE)
        return;
    if (IsKindOf(RUNTIME_CLASS(CBlockOpenX)) || IsKindOf(RUNTIME_CLASS(CBlockFlag)))
        return;
    CRect pin;
    GetPinRect(&pin, BLOCK_FIRST_OUTPUT, 5);
    CFont font;
    font.CreateFont(12, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS, 0, 0,
                    FIXED_PITCH, nullptr);
    CFont* pOldFont = pDC->SelectObject(&font);
    const bool bOn = m_nPinValue[BLOCK_FIRST_OUTPUT] == 1;
    const COLORREF crOld = pDC->SetTextColor(bOn ? kRed : kBlack);
    pDC->TextOut(pin.left + 3, pin.bottom + 3, bOn ? CString(_T("ON")) : CString(_T("OFF")));
    pDC->SetTextColor(crOld);
    pDC->SelectObject(pOldFont);
}

void CBlockObj::DrawValue(CVetlaView*, CDC*)
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
    const CString strComment = CommentText(*this, GetActiveVetlaDoc());
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
