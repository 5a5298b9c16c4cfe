#include "blocks/BlockLow.h"

IMPLEMENT_SERIAL(CBlockLow, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockHigh, CBlockLow, VERSIONABLE_SCHEMA | 1)

CBlockLow::CBlockLow(int nType) : CBlockObj(nType, 0) {}

void CBlockLow::DrawStateLabel(const CSimContext* pSim, CDC* pDC)
{
    Draw(pSim, pDC, TRUE, RGB(0, 0, 0));
}

// The state is not stored, so a loaded hi block needs it from its constructor as well.
CBlockHigh::CBlockHigh()
{
    m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
}

CBlockHigh::CBlockHigh(int nType) : CBlockLow(nType)
{
    m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
}

void CBlockHigh::ResetForRun(const SYSTEMTIME&)
{
    m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
}
