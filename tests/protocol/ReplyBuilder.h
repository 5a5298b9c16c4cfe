// Replies as a controller sends them, with the CRC computed bit by bit (independently of the
// table-driven form under test).
#pragma once

#include "platform/core/Types.h"

#include <initializer_list>
#include <vector>

// The CRC-16/MODBUS value itself (low byte sent first).
inline WORD ReferenceCrc(const std::vector<BYTE>& bytes)
{
    unsigned crc = 0xFFFF;
    for (BYTE b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1U) ? (crc >> 1) ^ 0xA001U : crc >> 1;
    }
    return WORD(crc);
}

inline std::vector<BYTE> WithCrc(std::vector<BYTE> bytes)
{
    const WORD crc = ReferenceCrc(bytes);
    bytes.push_back(BYTE(crc & 0xFF));
    bytes.push_back(BYTE(crc >> 8));
    return bytes;
}
