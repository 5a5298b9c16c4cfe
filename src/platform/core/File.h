// CFile: an unbuffered binary file on a POSIX descriptor. Failures throw CFileException* (see
// Exception.h), except Open, which reports through its result and an optional exception object.
#pragma once

#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <cstdint>

using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)

public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        // Share modes are accepted for the callers' sake: POSIX has no mandatory sharing, so
        // they are not enforced.
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080, // descriptors are always close-on-exec
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000, // no newline translation happens on this system
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens the file or throws the CFileException that Open would report.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Closes an open file, ignoring errors: call Close to learn about them.
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens the file (a file this object has open is closed first). On failure returns FALSE
    // and, when pError is given, fills it with the cause, errno and file name. A folder is not a
    // file and is refused with accessDenied.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // Reads up to nCount bytes; fewer only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes or throws.
    virtual void Write(const void* lpBuf, UINT nCount);
    // Returns the new position; a position before the start throws badSeek.
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    // Commits written data to the device.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors; safe on a closed file.
    virtual void Abort();

    BOOL IsOpen() const { return m_hFile != hFileNull; }
    // The path the file was opened with, made absolute; empty for a closed or memory file.
    const CString& GetFilePath() const { return m_strFileName; }
    // The last element of the path.
    CString GetFileName() const;

    // Renames a file; an existing file of the new name is not replaced (accessDenied).
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    // Removes a file (not a folder).
    static void Remove(LPCTSTR lpszFileName);

    static constexpr int hFileNull = -1;

protected:
    [[noreturn]] void ThrowLastError() const;

    int m_hFile = hFileNull;
    CString m_strFileName;
};
