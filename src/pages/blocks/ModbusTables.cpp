#include "pages/blocks/ModbusTables.h"

#include "blocks/BlockMR.h"
#include "blocks/BlockTypes.h"

#include <iterator>

namespace {

constexpr const int* kCoil = MODBUS_COIL_OFFSETS;
constexpr const int* kRegister = MODBUS_REGISTER_OFFSETS;
constexpr ModbusKind kCoilReadKinds[] = {{_T("M"), 511, kCoil[0]}, {_T("Q"), 127, kCoil[1]}};
constexpr ModbusKind kRegisterReadKinds[] = {{_T("AM"), 511, kRegister[0]}, {_T("AQ"), 31, kRegister[1]}};
constexpr ModbusKind kCoilWriteKinds[] = {{_T("M"), 511, kCoil[0]}, {_T("Q"), 127, kCoil[1]}, {_T("I"), 255, kCoil[2]}};
constexpr ModbusKind kRegisterWriteKinds[] = {
    {_T("AM"), 511, kRegister[0]}, {_T("AQ"), 31, kRegister[1]}, {_T("AI"), 63, kRegister[2]}};

const ModbusCommand kReadCommands[] = {
    {_T("01 Read Coils(0x)"), true, false, 128, kCoilReadKinds},
    {_T("02 Read Discrete Input(1x)"), true, false, 128, kCoilReadKinds},
    {_T("03 Read Holding Registers(4x)"), false, false, 32, kRegisterReadKinds},
    {_T("04 Read Input Registers(3x)"), false, false, 32, kRegisterReadKinds},
};
const ModbusCommand kWriteCommands[] = {
    {_T("05 Write Single Coil"), true, true, 1, kCoilWriteKinds},
    {_T("06 Write Single Register"), false, true, 1, kRegisterWriteKinds},
    {_T("15 Write Multiple Coils"), true, false, 32, kCoilWriteKinds},
    {_T("16 Write Multiple Registers"), false, false, 2, kRegisterWriteKinds},
};
constexpr int kCommands = MODBUS_COMMAND_COUNT;
static_assert(std::size(kReadCommands) == kCommands && std::size(kWriteCommands) == kCommands);

const ModbusCommand* Commands(int nType) { return nType == BT_MW ? kWriteCommands : kReadCommands; }

// The low nBits bits of the value (all 16 for 16 or more).
WORD LowBits(int nValue, int nBits)
{
    if (nBits <= 0)
        return 0;
    return nBits >= 16 ? WORD(nValue) : WORD(nValue & ((1 << nBits) - 1));
}

}  // namespace

const ModbusCommand& GetModbusCommand(int nType, int nIndex)
{
    return Commands(nType)[nIndex >= 0 && nIndex < kCommands ? nIndex : 0];
}

int ModbusCommandIndex(int nType, BYTE byFunction)
{
    for (int i = 0; i < kCommands; ++i) {
        if (ModbusFunctionCode(nType, i) == byFunction)
            return i;
    }
    return -1;
}

const ModbusKind& GetModbusKind(const ModbusCommand& command, int nKind)
{
    return command.kinds[nKind >= 0 && size_t(nKind) < command.kinds.size() ? size_t(nKind) : 0];
}

ModbusDataWords ManualDataWords(BYTE byFunction, int nCount, int nFirst, int nSecond)
{
    switch (byFunction) {
    case 5:
    case 15:
        if (nCount <= 16)
            return {LowBits(nFirst, nCount), 0};
        return {WORD(nFirst), LowBits(nSecond, nCount - 16)};
    case 16:
        return {WORD(nFirst), nCount > 1 ? WORD(nSecond) : WORD(0)};
    default:
        return {WORD(nFirst), 0};
    }
}
