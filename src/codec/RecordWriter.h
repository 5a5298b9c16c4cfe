// A cursor over one function block's record in section J. Every write stays inside the record:
// what would fall past its end is dropped and marks the writer as overrun, which the encoder
// reports as a failure instead of spilling into the next record.
#pragma once

#include "platform/core/Types.h"

#include <algorithm>
#include <span>

class RecordWriter {
public:
    explicit RecordWriter(std::span<BYTE> record, int nPosition = 0) : m_record(record), m_nPos(nPosition) {}

    void Byte(int nValue) { Put(BYTE(nValue & 0xFF)); }
    // Low byte first, as the image stores its words.
    void Word(int nValue)
    {
        Byte(nValue);
        Byte(nValue >> 8);
    }
    void WordHighFirst(int nValue)
    {
        Byte(nValue >> 8);
        Byte(nValue);
    }
    void Long(long long nValue)
    {
        Word(int(nValue & 0xFFFF));
        Word(int((nValue >> 16) & 0xFFFF));
    }
    void Zeros(int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            Byte(0);
    }
    // Leaves bytes at their starting contents.
    void Skip(int nCount)
    {
        m_nPos += nCount;
        if (m_nPos > int(m_record.size()))
            m_bOverrun = true;
    }

    int Position() const { return m_nPos; }
    int Size() const { return int(m_record.size()); }
    // nCount bytes of the record from nFrom, clipped to the record.
    std::span<BYTE> Remaining(int nFrom, int nCount) const
    {
        const std::size_t nStart = std::min(std::size_t(nFrom), m_record.size());
        return m_record.subspan(nStart, std::min(std::size_t(nCount), m_record.size() - nStart));
    }
    bool Overrun() const { return m_bOverrun; }

private:
    void Put(BYTE by)
    {
        if (m_nPos < int(m_record.size()))
            m_record[std::size_t(m_nPos)] = by;
        else
            m_bOverrun = true;
        ++m_nPos;
    }

    std::span<BYTE> m_record;
    int m_nPos = 0;
    bool m_bOverrun = false;
};
