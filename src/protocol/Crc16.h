// The CRC-16 of the controller link's frames, a free function so that the CRC-16 function block's
// simulation computes it without a protocol object.
#pragma once

#include "platform/core/Types.h"

// CRC-16/MODBUS (reflected polynomial 0xA001, start 0xFFFF, no final XOR) of the first n bytes,
// n taken as 16 bits. The result holds the first CRC byte sent on the wire (the CRC's low byte)
// in bits 15..8 and the second in bits 7..0, so that a frame carries the result high byte first.
// No bytes give 0xFFFF; so does a negative n or a null buffer, which would otherwise read 64 KiB
// past the caller's data.
WORD ModbusCrc16(const BYTE* pData, int n);
