#include "protocol/Crc16.h"

#include <array>

namespace {

struct CrcTables {
    // Indexed by the byte that enters the CRC: what it contributes to each of the two CRC
    // bytes in the order they are sent.
    std::array<BYTE, 256> first{};
    std::array<BYTE, 256> second{};
};

// The tables of the byte-wise form of the reflected CRC with polynomial 0xA001.
constexpr CrcTables MakeCrcTables()
{
    CrcTables tables;
    for (unsigned nByte = 0; nByte < 256; ++nByte) {
        unsigned nCrc = nByte;
        for (int nBit = 0; nBit < 8; ++nBit)
            nCrc = (nCrc & 1U) ? (nCrc >> 1) ^ 0xA001U : nCrc >> 1;
        tables.first[nByte] = BYTE(nCrc & 0xFFU);
        tables.second[nByte] = BYTE(nCrc >> 8);
    }
    return tables;
}

constexpr CrcTables kCrcTables = MakeCrcTables();

}  // namespace

WORD ModbusCrc16(const BYTE* pData, int n)
{
    BYTE byFirst = 0xFF;
    BYTE bySecond = 0xFF;
    if (!pData || n < 0)
        return 0xFFFF;
    const unsigned nCount = unsigned(n) & 0xFFFFU;
    for (unsigned i = 0; i < nCount; ++i) {
        const BYTE byIndex = BYTE(byFirst ^ pData[i]);
        byFirst = BYTE(bySecond ^ kCrcTables.first[byIndex]);
        bySecond = kCrcTables.second[byIndex];
    }
    return WORD((unsigned(byFirst) << 8) | bySecond);
}
