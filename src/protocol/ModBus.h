// CModBus: the protocol object of the controller link. Frames are Modbus RTU (slave address,
// function code, payload, CRC-16); the object builds requests and checks replies but does no
// input or output itself. The CRC is also what the CRC-16 function block computes in a
// simulation.
#pragma once

#include "platform/core/Object.h"
#include "platform/core/Types.h"

class CModBus : public CObject {
    DECLARE_DYNAMIC(CModBus)

public:
    CModBus() = default;

    // CRC-16/MODBUS (reflected polynomial 0xA001, start 0xFFFF, no final XOR) of the first n
    // bytes, n taken as 16 bits. The result holds the first CRC byte sent on the wire (the
    // CRC's low byte) in bits 15..8 and the second in bits 7..0, so that the frame carries the
    // result high byte first. No bytes give 0xFFFF; so does a negative n or a null buffer,
    // which would otherwise read 64 KiB past the caller's data.
    WORD CalcCRC(const BYTE* pData, int n) const;

    // The slave address that every frame begins with.
    BYTE m_bySlave = 0;
};
