// The ladder elements' steps and the contacts' own drawing.
#include "blocks/BlockLadder.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLabel.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "platform/gdi/DC.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kPinStub = 5;
constexpr int kPinRectSize = 5;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 12;

// Open connectors X: a coil on one of them is not simulated.
constexpr int kOpenXFirst = 4800;
constexpr int kOpenXLast = 4927;

bool IsSimulating(const CSimContext* pSim)
{
    return pSim && pSim->bSimulating;
}

// Drawing a wire or dragging a wire's end.
bool IsConnecting(const CSimContext* pSim)
{
    if (!pSim)
        return false;
    return pSim->pinTool == SimPinTool::Wiring;
}

void Line(CDC* pDC, int x1, int y, int x2)
{
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2, y);
}

void OutlinePinUnderCursor(CBlockObj& block, const CSimContext* pSim, CDC* pDC, int nPin)
{
    if (!IsConnecting(pSim) || !block.IsPinUnderCursor(pSim, nPin, pDC))
        return;
    CRect pin;
    block.GetPinRect(&pin, nPin, kPinRectSize);
    const POINT path[5] = {{pin.left, pin.top},
                           {pin.left, pin.bottom},
                           {pin.right, pin.bottom},
                           {pin.right, pin.top},
                           {pin.left, pin.top}};
    pDC->Polyline(path, 5);
}

// Input stubs take the colour of their value in a simulation; output stubs take the body pen.
void DrawContactPins(CBlockObj& block, const CSimContext* pSim, CDC* pDC, COLORREF crColor)
{
    const int x = block.m_ptPos.x;
    const int xRight = x + block.m_nWidth;
    const int h = block.m_nHeight;
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        const int py = block.m_ptPos.y + ((nPin + 1) * h) / (block.m_nInputs + 1);
        const COLORREF crPin =
            crColor == kBlack ? kBlack : (block.m_nPinValue[nPin] > 0 ? kRed : kBlue);
        CPen pinPen(PS_SOLID, 1, crPin);
        CPen* pBodyPen = pDC->SelectObject(&pinPen);
        Line(pDC, x - kPinStub, py, x);
        pDC->SelectObject(pBodyPen);
        OutlinePinUnderCursor(block, pSim, pDC, nPin);
    }
    for (int k = 0; k < block.m_nOutputs && BLOCK_FIRST_OUTPUT + k < BLOCK_PIN_COUNT; ++k) {
        const int py = block.m_ptPos.y + ((k + 1) * h) / (block.m_nOutputs + 1);
        Line(pDC, xRight, py, xRight + kPinStub);
        OutlinePinUnderCursor(block, pSim, pDC, BLOCK_FIRST_OUTPUT + k);
    }
}

// The highest operand that the ladder's "High" contacts name.
constexpr int kLastHighOperand = 3899;
// The open connectors X an inverted output may drive.
constexpr int kOpenConnectors = 128;

}  // namespace

void CBlockMake::ResetForRun(const SYSTEMTIME&)
{
    const bool bBreak = IsKindOf(RUNTIME_CLASS(CBlockBreak));
    const bool bHigh = m_nOperand >= NUM_HIGH && m_nOperand <= kLastHighOperand;
    m_nContactState = bBreak != bHigh ? 1 : 0;
    if (IBlockDocument* pDoc = GetDocument())
        pDoc->RestartOperandInput(m_nOperand, true);
}

void CBlockAContact::ResetForRun(const SYSTEMTIME&)
{
    if (m_nPinSource[0] == LINK_OPEN)
        m_nPinValue[0] = 1;
    if (IBlockDocument* pDoc = GetDocument())
        pDoc->RestartOperandInput(m_nOperand, false);
    m_nHeldValue = 0;
}

void CBlockInvOut::ResetForRun(const SYSTEMTIME&)
{
    if (m_nOperand < NUM_OPENX || m_nOperand >= NUM_OPENX + kOpenConnectors) {
        m_nContactState = 1;
        m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    }
}

void CBlockAOutLAD::ResetForRun(const SYSTEMTIME&) { m_nHeldValue = 0; }

BOOL CBlockMake::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (m_bPinChanged[0]) {
        m_nPinValue[BLOCK_FIRST_OUTPUT] = m_nContactState ? m_nPinValue[0] : 0;
        m_bPinChanged[0] = 0;
    }
    return TRUE;
}

void CBlockMake::Draw(const CSimContext* pSim, CDC* pDC, BOOL, COLORREF crColor)
{
    CPen bodyPen(PS_SOLID, 1, crColor);
    CPen* pOldPen = pDC->SelectObject(&bodyPen);
    CFont font;
    font.CreateFont(kLineHeight, kCharWidth, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                    OUT_TT_PRECIS, 0, 0, DEFAULT_PITCH, _T("Arial"));
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    DrawContactPins(*this, pSim, pDC, crColor);
    // A simulation shows whether the contact is closed, whatever passes through it.
    const BOOL bSimulating = IsSimulating(pSim);
    const COLORREF crBody = bSimulating ? (m_nContactState > 0 ? kRed : kBlue) : crColor;
    DrawHighlight(pDC, crBody, bSimulating);
    DrawSymbol(pDC);
    const CString strLabel = FormatBlockLabel(*this, GetDocument());
    pDC->TextOut(m_ptPos.x + (m_nWidth - kCharWidth * strLabel.GetLength()) / 2,
                 m_ptPos.y - kLineHeight, strLabel);
    int nLineHeight = kLineHeight;
    DrawOperandComment(pDC, &nLineHeight);
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

BOOL CBlockAContact::Simulate(const CSimContext* pSim)
{
    if (m_nPinSource[0] != LINK_OPEN)
        ReadInputs(pSim);
    return TRUE;
}

BOOL CBlockRelayCoil::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (m_nOperand >= kOpenXFirst && m_nOperand <= kOpenXLast)
        return TRUE;
    int& nState = m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (m_bPinChanged[0]) {
        const int nInput = m_nPinValue[0];
        if (IsKindOf(RUNTIME_CLASS(CBlockInvOut)))
            nState = nInput == 0 ? 1 : nInput == 1 ? 0 : nInput;
        else
            nState = nInput;
    }
    // The contacts that name this coil follow it in every scan.
    UpdateLadderContacts();
    m_bPinChanged[0] = 0;
    return TRUE;
}

BOOL CBlockAOutLAD::Simulate(const CSimContext*)
{
    WORD wValue = 0;
    GetInputValue(&wValue, 0);
    const int nValue = SHORT(wValue);
    if (nValue != m_nHeldValue) {
        m_nHeldValue = nValue;
        m_bPinChanged[0] = 1;
    }
    return TRUE;
}
