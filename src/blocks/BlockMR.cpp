#include "blocks/BlockMR.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "document/ComPortSettings.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

namespace {

// Read and write blocks share one constructor and differ only in their type code.
constexpr BlockSetup kModbusSetup = {
    .nType = BT_MR, .nInputs = 3, .wProgramBytes = 18, .nPinSlots = 8, .nCapFlags = 0x00,
    .links = {{{2, LINK_PARAM}, {3, 82}, {4, 83}, {5, 84}, {6, 85}, {7, 86}, {8, 57},
               {9, LINK_END}}},
    .words = {{{BlockWord::Param, MODBUS_CYCLE_PARAM, 0}}}};

}  // namespace

IMPLEMENT_SERIAL(CBlockMR, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockMW, CBlockMR, VERSIONABLE_SCHEMA | 1)

CBlockMR::CBlockMR()
{
    ApplyLoadDefaults(*this, kModbusSetup);
}

CBlockMR::CBlockMR(int nType) : CBlockObj(nType, kModbusSetup.nInputs)
{
    ApplyBlockSetup(*this, kModbusSetup);
}

void CBlockMR::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_byModbus1 << m_byModbus2 << m_byModbus3 << m_wModbus6 << m_wModbus7 << m_wModbus8
           << m_wModbus9 << m_nModbus5 << m_byModbus4 << m_nModbus11 << m_wModbus10
           << m_strModbus12 << m_strModbus13;
        return;
    }
    ar >> m_byModbus1 >> m_byModbus2 >> m_byModbus3 >> m_wModbus6 >> m_wModbus7 >> m_wModbus8 >>
        m_wModbus9 >> m_nModbus5 >> m_byModbus4 >> m_nModbus11 >> m_wModbus10 >> m_strModbus12 >>
        m_strModbus13;
    CheckIndexes();
}

void CBlockMR::CheckIndexes() const
{
    const bool bPortOk = m_nModbus5 >= MODBUS_NO_PORT && m_nModbus5 < COM_PORT_COUNT;
    const bool bCommandOk = m_byModbus2 < MODBUS_COMMAND_COUNT;
    const bool bKindOk = m_nModbus11 >= 0 && m_nModbus11 < MODBUS_KIND_COUNT;
    if (!bPortOk || !bCommandOk || !bKindOk)
        AfxThrowArchiveException(CArchiveException::generic);
}

void CBlockMR::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (!pDst->IsKindOf(RUNTIME_CLASS(CBlockMR)))
        return;
    auto* pModbus = static_cast<CBlockMR*>(pDst);
    pModbus->m_byModbus1 = m_byModbus1;
    pModbus->m_byModbus2 = m_byModbus2;
    pModbus->m_byModbus3 = m_byModbus3;
    pModbus->m_byModbus4 = m_byModbus4;
    pModbus->m_nModbus5 = m_nModbus5;
    pModbus->m_wModbus6 = m_wModbus6;
    pModbus->m_wModbus7 = m_wModbus7;
    pModbus->m_wModbus8 = m_wModbus8;
    pModbus->m_wModbus9 = m_wModbus9;
    pModbus->m_wModbus10 = m_wModbus10;
    pModbus->m_nModbus11 = m_nModbus11;
    pModbus->m_strModbus12 = m_strModbus12;
    pModbus->m_strModbus13 = m_strModbus13;
}

BOOL CBlockMR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    SetOutputState(*this, m_nPinValue[1] ? 0 : m_nPinValue[0], InLadderDocument(*this));
    FinishOutputChange(*this);
    return TRUE;
}

CBlockMW::CBlockMW() = default;
CBlockMW::CBlockMW(int nType) : CBlockMR(nType) {}
