// What the Modbus page offers per block type and command: the command lines (their function
// codes are the block's, ModbusFunctionCode), the data kinds with their largest number and the
// Auto data address, and the count.
#pragma once

#include "platform/core/Types.h"

#include <span>

struct ModbusKind {
    LPCTSTR lpszName;
    int nLast;
    // The Auto data address is the number plus this.
    int nOffset;
};

struct ModbusCommand {
    LPCTSTR lpszText;
    // Coils or registers: the kind list changes with the family.
    bool bCoils;
    // Single commands (05, 06) write one item: the count is 1 and cannot be edited.
    bool bSingle;
    int nMaxCount;
    std::span<const ModbusKind> kinds;
};

// The four commands of a read (813) or write (814) block; index out of range gives the first.
const ModbusCommand& GetModbusCommand(int nType, int nIndex);
// The command index of a stored function code, -1 for a code the type does not send.
int ModbusCommandIndex(int nType, BYTE byFunction);
// The kind of the command by index, the first for an index out of range.
const ModbusKind& GetModbusKind(const ModbusCommand& command, int nKind);

// The data words a manual write stores: the hexadecimal texts' values cut to the command's
// count of coils or registers. wFirst is the data address word, wSecond the second word.
struct ModbusDataWords {
    WORD wFirst;
    WORD wSecond;
};
ModbusDataWords ManualDataWords(BYTE byFunction, int nCount, int nFirst, int nSecond);
