// A cursor over bytes of the uploaded image: a function block's record, a section or a message
// text. Every read stays inside its span; a read past the end yields 0xFF bytes (what an erased
// controller memory holds) and marks the reader as overrun, which the decoder reports as a
// damaged image instead of reading the next record's bytes or past the buffer.
#pragma once

#include "platform/core/Types.h"

#include <cstdint>
#include <span>

class RecordReader {
public:
    explicit RecordReader(std::span<const BYTE> bytes, int nPosition = 0) : m_bytes(bytes), m_nPos(nPosition) {}

    int Byte()
    {
        const bool bInside = m_nPos >= 0 && m_nPos < int(m_bytes.size());
        const int nValue = bInside ? m_bytes[std::size_t(m_nPos)] : 0xFF;
        m_bOverrun = m_bOverrun || !bInside;
        ++m_nPos;
        return nValue;
    }
    // Low byte first, as the image stores its words.
    int Word()
    {
        const int nLow = Byte();
        return nLow | Byte() << 8;
    }
    int WordHighFirst()
    {
        const int nHigh = Byte();
        return nHigh << 8 | Byte();
    }
    // A word as a 16-bit two's-complement value.
    int SignedWord() { return Signed(Word()); }
    static int Signed(int nWord) { return std::int16_t(std::uint16_t(nWord)); }
    // Four bytes, low first, as a 32-bit two's-complement value.
    int Long()
    {
        const auto nLow = std::uint32_t(Word());
        return int(std::int32_t(nLow | std::uint32_t(Word()) << 16));
    }
    void Skip(int nCount)
    {
        m_nPos += nCount;
        m_bOverrun = m_bOverrun || m_nPos > int(m_bytes.size());
    }

    int Position() const { return m_nPos; }
    int Size() const { return int(m_bytes.size()); }
    bool Overrun() const { return m_bOverrun; }

private:
    std::span<const BYTE> m_bytes;
    int m_nPos = 0;
    bool m_bOverrun = false;
};
