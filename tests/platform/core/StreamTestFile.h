// A file that is not a memory file, over bytes held in memory: an archive reads it through a
// buffer of its own, as it reads a file on disk, so that tests can place the buffer's edges.
#pragma once

#include "platform/core/File.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

class CStreamTestFile : public CFile {
public:
    CStreamTestFile(const BYTE* pBytes, std::size_t nBytes) : m_bytes(pBytes, pBytes + nBytes) {}
    UINT Read(void* lpBuf, UINT nCount) override
    {
        const UINT nRead = UINT(std::min<std::size_t>(nCount, m_bytes.size() - m_nPosition));
        if (nRead > 0)
            std::memcpy(lpBuf, m_bytes.data() + m_nPosition, nRead);
        m_nPosition += nRead;
        return nRead;
    }
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override
    {
        const LONGLONG base = nFrom == current ? LONGLONG(m_nPosition)
                              : nFrom == end   ? LONGLONG(m_bytes.size())
                                               : 0;
        m_nPosition = std::size_t(base + lOff);
        return m_nPosition;
    }
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_bytes.size(); }

private:
    std::vector<BYTE> m_bytes;
    std::size_t m_nPosition = 0;
};
