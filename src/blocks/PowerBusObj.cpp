#include "blocks/PowerBusObj.h"

#include "blocks/BlockTypes.h"
#include "platform/gdi/DC.h"

IMPLEMENT_SERIAL(CPowerBusObj, CBlockHigh, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kRailLeft = 24;
constexpr int kRailTop = 20;
constexpr int kRailPenWidth = 4;

}  // namespace

CPowerBusObj::CPowerBusObj()
{
    InitRail();
}

CPowerBusObj::CPowerBusObj(int nType) : CBlockHigh(nType)
{
    InitRail();
}

void CPowerBusObj::InitRail()
{
    m_nType = BT_POWERBUS;
    m_nNumber = NUM_POWERBUS;
    m_nInputs = 0;
    m_nOutputs = 0;
    m_ptPos = CPoint(kRailLeft, kRailTop);
}

void CPowerBusObj::Draw(const CSimContext* /*pSim*/, CDC* pDC, BOOL /*bFlag*/, COLORREF crColor)
{
    CPen pen(PS_SOLID, kRailPenWidth, crColor);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(m_ptPos.x, m_ptPos.y);
    pDC->LineTo(m_ptPos.x, m_nHeight);
    pDC->SelectObject(pOldPen);
}
