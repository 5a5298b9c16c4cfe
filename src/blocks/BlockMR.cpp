#include "blocks/BlockMR.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/ComPortSettings.h"
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

BYTE ModbusFunctionCode(int nType, int nCommand)
{
    constexpr BYTE kRead[MODBUS_COMMAND_COUNT] = {1, 2, 3, 4};
    constexpr BYTE kWrite[MODBUS_COMMAND_COUNT] = {5, 6, 15, 16};
    const int nIndex = nCommand >= 0 && nCommand < MODBUS_COMMAND_COUNT ? nCommand : 0;
    return (nType == BT_MW ? kWrite : kRead)[nIndex];
}

bool IsModbusCoilFunction(BYTE byFunction)
{
    return byFunction == 1 || byFunction == 2 || byFunction == 5 || byFunction == 15;
}

IMPLEMENT_SERIAL(CBlockMR, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockMW, CBlockMR, VERSIONABLE_SCHEMA | 1)

CBlockMR::CBlockMR()
{
    ApplyLoadDefaults(*this, kModbusSetup);
}

CBlockMR::CBlockMR(int nType) : CBlockObj(nType, kModbusSetup.nInputs)
{
    ApplyBlockSetup(*this, kModbusSetup);
    // A new block's first command reads or writes coils from the first data kind, M, at number
    // 0: its data address is that of M0, as its page shows and sends it.
    m_wFirstData = WORD(MODBUS_COIL_OFFSETS[0]);
}

void CBlockMR::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bySlave << m_byCommand << m_byFunction << m_wRegister << m_wCount << m_wFirstData
           << m_wSecondData << m_nPort << m_byMode << m_nDataKind << m_wDataNumber
           << m_strFirstData << m_strSecondData;
        return;
    }
    ar >> m_bySlave >> m_byCommand >> m_byFunction >> m_wRegister >> m_wCount >> m_wFirstData >>
        m_wSecondData >> m_nPort >> m_byMode >> m_nDataKind >> m_wDataNumber >> m_strFirstData >>
        m_strSecondData;
    CheckIndexes();
}

void CBlockMR::CheckIndexes() const
{
    const bool bPortOk = m_nPort >= MODBUS_NO_PORT && m_nPort < COM_PORT_COUNT;
    const bool bCommandOk = m_byCommand < MODBUS_COMMAND_COUNT;
    const bool bKindOk = m_nDataKind >= 0 && m_nDataKind < MODBUS_KIND_COUNT;
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
    pModbus->m_bySlave = m_bySlave;
    pModbus->m_byCommand = m_byCommand;
    pModbus->m_byFunction = m_byFunction;
    pModbus->m_byMode = m_byMode;
    pModbus->m_nPort = m_nPort;
    pModbus->m_wRegister = m_wRegister;
    pModbus->m_wCount = m_wCount;
    pModbus->m_wFirstData = m_wFirstData;
    pModbus->m_wSecondData = m_wSecondData;
    pModbus->m_wDataNumber = m_wDataNumber;
    pModbus->m_nDataKind = m_nDataKind;
    pModbus->m_strFirstData = m_strFirstData;
    pModbus->m_strSecondData = m_strSecondData;
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
