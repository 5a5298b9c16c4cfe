#include "platform/core/File.h"

#include "platform/core/Exception.h"
#include "platform/core/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

int OpenFlagsToPosix(UINT nOpenFlags)
{
    int flags = O_CLOEXEC;
    if (nOpenFlags & CFile::modeReadWrite)
        flags |= O_RDWR;
    else if (nOpenFlags & CFile::modeWrite)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (nOpenFlags & CFile::modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & CFile::modeNoTruncate))
            flags |= O_TRUNC;
    }
    return flags;
}

std::string OsPath(LPCTSTR lpszPath)
{
    return CString(lpszPath).ToUtf8();
}

} // namespace

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (IsOpen())
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Abort();
    m_strFileName = AbsolutePath(CString(lpszFileName));

    const int fd = ::open(OsPath(lpszFileName).c_str(), OpenFlagsToPosix(nOpenFlags), 0666);
    int nErrno = errno;
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode)) {
            m_hFile = fd;
            return TRUE;
        }
        nErrno = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
    }
    if (pError != nullptr) {
        pError->m_cause = CFileException::ErrnoToException(nErrno);
        pError->m_lOsError = nErrno;
        pError->m_strFileName = m_strFileName;
    }
    m_strFileName.Empty();
    return FALSE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    auto* pDest = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::read(m_hFile, pDest + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        if (n == 0)
            break;
        nDone += UINT(n);
    }
    return nDone;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    const auto* pSource = static_cast<const BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::write(m_hFile, pSource + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        nDone += UINT(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    const off_t pos = ::lseek(m_hFile, off_t(lOff), kWhence[nFrom]);
    if (pos < 0)
        ThrowLastError();
    return ULONGLONG(pos);
}

ULONGLONG CFile::GetPosition() const
{
    const off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        ThrowLastError();
    return ULONGLONG(pos);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st {};
    if (::fstat(m_hFile, &st) != 0)
        ThrowLastError();
    return ULONGLONG(st.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > ULONGLONG(INT64_MAX))
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    if (::ftruncate(m_hFile, off_t(dwNewLen)) != 0)
        ThrowLastError();
}

void CFile::Flush()
{
    // Files that cannot be synchronised (pipes, terminals) have nothing to commit.
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    const int fd = m_hFile;
    m_hFile = hFileNull;
    // The descriptor is released even when close reports an error (a late write failure), and
    // it must not be closed again: it may already belong to another file.
    const int result = ::close(fd);
    const int nErrno = errno;
    const CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (result != 0 && nErrno != EINTR)
        CFileException::ThrowErrno(nErrno, strFileName);
}

void CFile::Abort()
{
    if (IsOpen())
        ::close(m_hFile);
    m_hFile = hFileNull;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    return m_strFileName.Mid(m_strFileName.ReverseFind(u'/') + 1);
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    const std::string oldPath = OsPath(lpszOldName);
    const std::string newPath = OsPath(lpszNewName);
    if (::renameat2(AT_FDCWD, oldPath.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        CFileException::ThrowErrno(errno, lpszOldName);
    // The file system cannot refuse to replace by itself: link to the new name, which fails
    // when it exists, then drop the old one.
    if (::link(oldPath.c_str(), newPath.c_str()) != 0)
        CFileException::ThrowErrno(errno, lpszOldName);
    if (::unlink(oldPath.c_str()) != 0)
        CFileException::ThrowErrno(errno, lpszOldName);
}

void CFile::Remove(LPCTSTR lpszFileName)
{
    if (::unlink(OsPath(lpszFileName).c_str()) != 0)
        CFileException::ThrowErrno(errno, lpszFileName);
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowErrno(errno, m_strFileName);
}
