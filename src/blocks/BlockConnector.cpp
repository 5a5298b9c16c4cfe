#include "blocks/BlockConnector.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "platform/gdi/DC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CBlockMale, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockFemale, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockMale::CBlockMale() = default;

// The sending end: one input, no output.
CBlockMale::CBlockMale(int nType) : CBlockObj(nType, 1)
{
    m_nOperand = 0;
    m_nOutputs = 0;
}

CBlockFemale::CBlockFemale() = default;

// The receiving end: no input, one output.
CBlockFemale::CBlockFemale(int nType) : CBlockObj(nType, 0)
{
    m_nOperand = 0;
}

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kConnectorFill = RGB(64, 192, 64);
constexpr int kPinStub = 5;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 12;

// The wire that ends at the partner of a connector; null without a partner or such a wire.
const CConnectLineObj* PartnerLine(const IBlockDocument* pDoc, int nPartner)
{
    if (!pDoc)
        return nullptr;
    return pDoc->FindLineToConnector(pDoc->FindBlockByNumber(nPartner));
}

CBlockObj* LineStartBlock(const IBlockDocument* pDoc, const CConnectLineObj* pLine)
{
    return pDoc && pLine ? pDoc->FindBlockByNumber(pLine->m_nStartBlock) : nullptr;
}

// The shape in black on the green fill.
void FillShape(CDC* pDC, const POINT (&shape)[6])
{
    CPen pen(PS_SOLID, 1, kBlack);
    CBrush brush(kConnectorFill);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->SetPolyFillMode(ALTERNATE);
    pDC->Polygon(shape, 6);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

// A context without a device (the paint's for blocks it cannot show) shows no label, so the
// wire into the partner, found by a walk of the wire list, is not looked for: a first paint
// after an upload that cut a thousand pairs took longer for these walks than for the rest.
bool ShowsLabel(const CDC* pDC) { return pDC->GetSafeHdc() != nullptr; }

void DrawConnectorLabel(const CBlockObj& connector, CDC* pDC, const CString& strLabel)
{
    CFont font;
    font.CreateFont(kLineHeight, kCharWidth, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                    OUT_TT_PRECIS, 0, 0, DEFAULT_PITCH, _T("Arial"));
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    const int x = connector.m_ptPos.x;
    pDC->TextOut(x + (connector.m_nWidth - kCharWidth * strLabel.GetLength()) / 2,
                 connector.m_ptPos.y - kLineHeight, strLabel);
    pDC->SelectObject(pOldFont);
}

}  // namespace

BOOL CBlockMale::Simulate(const CSimContext*)
{
    const IBlockDocument* pDoc = GetDocument();
    for (int nPin = 0; nPin < m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        // An open pin or a number that names no block reads 0.
        int nState = 0;
        if (m_nPinSource[nPin] != LINK_OPEN)
            FindOutputState(pDoc, m_nPinSource[nPin], &nState);
        m_nPinValue[nPin] = nState;
    }
    return TRUE;
}

void CBlockMale::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    Draw(pSim, pDC, TRUE, m_nPinValue[0] == 1 ? kRed : kBlue);
}

void CBlockMale::DrawShape(CDC* pDC, BOOL) const
{
    const int x = m_ptPos.x;
    const int y = m_ptPos.y;
    const int w = m_nWidth;
    const int h = m_nHeight;
    const POINT arrow[6] = {{x, y},
                            {x, y + h},
                            {x + w - w / 3, y + h},
                            {x + w, y + h / 2},
                            {x + w - w / 3, y},
                            {x, y}};
    FillShape(pDC, arrow);
}

void CBlockMale::Draw(const CSimContext*, CDC* pDC, BOOL bFlag, COLORREF crColor)
{
    CPen pen(PS_SOLID, 1, kBlack);
    CPen* pOldPen = pDC->SelectObject(&pen);
    DrawShape(pDC, bFlag);
    CPen stubPen(PS_SOLID, 1, crColor);
    pDC->SelectObject(&stubPen);
    const int yMiddle = m_ptPos.y + m_nHeight / 2;
    pDC->MoveTo(m_ptPos.x, yMiddle);
    pDC->LineTo(m_ptPos.x - kPinStub, yMiddle);
    pDC->SelectObject(pOldPen);

    // Where the signal goes on: the block and pin at the far side of the partner.
    const IBlockDocument* pDoc = ShowsLabel(pDC) ? GetDocument() : nullptr;
    const CConnectLineObj* pLine = PartnerLine(pDoc, m_nNumber + NUM_FEMALE_OFFSET);
    CString strLabel;
    if (CBlockObj* pTarget = LineStartBlock(pDoc, pLine))
        strLabel.Format(_T("%s/%d"), pDoc->GetBlockLabel(pTarget), pLine->m_nStartPin);
    DrawConnectorLabel(*this, pDC, strLabel);
}

BOOL CBlockFemale::Simulate(const CSimContext*)
{
    const IBlockDocument* pDoc = GetDocument();
    const CBlockObj* pSource =
        LineStartBlock(pDoc, PartnerLine(pDoc, m_nNumber - NUM_FEMALE_OFFSET));
    const int nEnd = std::min(BLOCK_FIRST_OUTPUT + m_nOutputs, BLOCK_PIN_COUNT);
    for (int nPin = BLOCK_FIRST_OUTPUT; nPin < nEnd; ++nPin) {
        if (m_nPinSource[nPin] != LINK_OUTPUT)
            m_nPinValue[nPin] = pSource ? pSource->m_nPinValue[BLOCK_FIRST_OUTPUT] : 0;
    }
    return TRUE;
}

void CBlockFemale::DrawShape(CDC* pDC, BOOL) const
{
    const int x = m_ptPos.x;
    const int y = m_ptPos.y;
    const int w = m_nWidth;
    const int h = m_nHeight;
    const POINT box[6] = {{x, y},         {x + w / 3, y + h / 2}, {x, y + h},
                          {x + w, y + h}, {x + w, y},             {x, y}};
    FillShape(pDC, box);
}

void CBlockFemale::Draw(const CSimContext*, CDC* pDC, BOOL bFlag, COLORREF)
{
    CPen pen(PS_SOLID, 1, kBlack);
    CPen* pOldPen = pDC->SelectObject(&pen);
    DrawShape(pDC, bFlag);
    const int yMiddle = m_ptPos.y + m_nHeight / 2;
    pDC->MoveTo(m_ptPos.x + m_nWidth, yMiddle);
    pDC->LineTo(m_ptPos.x + m_nWidth + kPinStub, yMiddle);
    pDC->SelectObject(pOldPen);

    // Where the signal comes from: the block wired to the partner.
    const IBlockDocument* pDoc = ShowsLabel(pDC) ? GetDocument() : nullptr;
    CString strLabel;
    if (CBlockObj* pSource = LineStartBlock(pDoc, PartnerLine(pDoc, m_nNumber - NUM_FEMALE_OFFSET)))
        strLabel = pDoc->GetBlockLabel(pSource);
    DrawConnectorLabel(*this, pDC, strLabel);
}
