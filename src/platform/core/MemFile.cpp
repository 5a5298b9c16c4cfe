#include "platform/core/MemFile.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace {

// Data read and written through CFile's interface is counted in UINT.
constexpr std::size_t kMaxFileSize = std::numeric_limits<UINT>::max();

} // namespace

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : m_nGrowBytes(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = lpBuffer != nullptr ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nPosition = 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = nGrowBytes != 0;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_bAutoDelete = TRUE;
    Close();
    return lpBuffer;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize)
        return 0;
    const UINT nRead = UINT(std::min<std::size_t>(nCount, m_nFileSize - m_nPosition));
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

const BYTE* CMemFile::ReadInPlace(std::size_t& nBytes)
{
    if (m_nPosition >= m_nFileSize) {
        nBytes = 0;
        return nullptr;
    }
    const BYTE* pBytes = m_lpBuffer + m_nPosition;
    nBytes = m_nFileSize - m_nPosition;
    m_nPosition = m_nFileSize;
    return pBytes;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition > kMaxFileSize - nCount)
        AfxThrowMemoryException();
    const std::size_t nEnd = m_nPosition + nCount;
    if (nEnd > m_nFileSize)
        GrowFile(nEnd, m_nPosition);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = 0;
    if (nFrom == current)
        base = LONGLONG(m_nPosition);
    else if (nFrom == end)
        base = LONGLONG(m_nFileSize);
    else if (nFrom != begin)
        AfxThrowFileException(CFileException::badSeek, EINVAL);
    // Both are bounded by kMaxFileSize or by the caller's 64-bit value; compare before adding.
    if (lOff < -base || lOff > LONGLONG(kMaxFileSize) - base)
        AfxThrowFileException(CFileException::badSeek, EINVAL);
    m_nPosition = std::size_t(base + lOff);
    return m_nPosition;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > kMaxFileSize)
        AfxThrowMemoryException();
    if (dwNewLen > m_nFileSize)
        GrowFile(std::size_t(dwNewLen), std::size_t(dwNewLen));
    m_nFileSize = std::size_t(dwNewLen);
    m_nPosition = std::min(m_nPosition, m_nFileSize);
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::GrowFile(std::size_t nNewSize, std::size_t nFilledUpTo)
{
    if (nNewSize > m_nBufferSize) {
        if (m_nGrowBytes == 0 || !m_bAutoDelete)
            AfxThrowMemoryException();
        // Geometric growth keeps a long run of small writes linear; the grow size is the least.
        std::size_t nNewBuffer = std::max(m_nBufferSize + m_nGrowBytes, m_nBufferSize * 2);
        nNewBuffer = std::min(std::max(nNewBuffer, nNewSize), kMaxFileSize);
        auto* lpNew = static_cast<BYTE*>(std::realloc(m_lpBuffer, nNewBuffer));
        if (lpNew == nullptr)
            AfxThrowMemoryException();
        m_lpBuffer = lpNew;
        m_nBufferSize = nNewBuffer;
    }
    if (nFilledUpTo > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, nFilledUpTo - m_nFileSize);
    m_nFileSize = nNewSize;
}
