#include "blocks/BlockConnector.h"

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
