// CMemFile: a file in memory, for clipboard data and for archives kept in memory. Its memory
// comes from malloc, so a buffer handed out by Detach is released with free().
#pragma once

#include "platform/core/File.h"

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)

public:
    // An empty, growable file; its buffer grows by at least nGrowBytes at a time.
    explicit CMemFile(UINT nGrowBytes = 1024);
    // The same as Attach.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // nGrowBytes 0: the file is the caller's buffer, nBufferSize bytes long, read and written in
    // place; it never grows, and writing past its end throws CMemoryException. The caller keeps
    // the buffer. nGrowBytes above 0: the file takes over a malloc'ed buffer, starts empty
    // (the contents are ignored), grows by realloc and frees the buffer when closed.
    // Whatever the file held before is closed first.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the buffer to the caller (free() it unless it was attached with nGrowBytes 0) and
    // leaves an empty file; take GetLength() first. Null when the file has no buffer.
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    // Reads the rest of the file in place: the bytes from the position to the end, their
    // count in nBytes, with the position moved to the end. They stay valid until the file is
    // written, resized or closed. Null with nBytes 0 at the end of the file.
    const BYTE* ReadInPlace(std::size_t& nBytes);
    void Write(const void* lpBuf, UINT nCount) override;
    // Positions beyond the end are allowed; a write there fills the gap with zeros.
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    void Flush() override;
    // Releases an owned buffer and leaves an empty file.
    void Close() override;
    void Abort() override;

private:
    // Makes the file nNewSize bytes long, zero-filling what lies between the current length and
    // nFilledUpTo; a write fills the rest itself, and zeroing its bytes first would touch
    // every byte of a growing file twice.
    void GrowFile(std::size_t nNewSize, std::size_t nFilledUpTo);

    BYTE* m_lpBuffer = nullptr;
    std::size_t m_nBufferSize = 0;
    std::size_t m_nFileSize = 0;
    std::size_t m_nPosition = 0;
    UINT m_nGrowBytes;
    BOOL m_bAutoDelete = TRUE;
};
