// Replies as a controller sends them, with the CRC computed bit by bit (independently of the
// table-driven form under test).
#pragma once

#include <cstdint>
#include <vector>

// The CRC-16/MODBUS value itself (low byte sent first).
inline std::uint16_t ReferenceCrc(const std::vector<std::uint8_t>& bytes)
{
    unsigned crc = 0xFFFF;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1U) ? (crc >> 1) ^ 0xA001U : crc >> 1;
    }
    return std::uint16_t(crc);
}

inline std::vector<std::uint8_t> WithCrc(std::vector<std::uint8_t> bytes)
{
    const std::uint16_t crc = ReferenceCrc(bytes);
    bytes.push_back(std::uint8_t(crc & 0xFF));
    bytes.push_back(std::uint8_t(crc >> 8));
    return bytes;
}
