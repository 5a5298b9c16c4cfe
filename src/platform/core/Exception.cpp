#include "platform/core/Exception.h"

#include "platform/core/StringTable.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

// Indexed by cause.
constexpr std::array<LPCTSTR, 8> kArchiveMessages = {
    u"Unexpected file format.",
    u"Unexpected file format.",
    u"Tried to write to %1 while it was being read.",
    u"Unexpected end of file while reading %1.",
    u"Tried to read from %1 while it was being written.",
    u"Invalid file format.",
    u"Unexpected object found while reading %1.",
    u"%1 contains an incorrect schema.",
};

constexpr std::array<LPCTSTR, 15> kFileMessages = {
    u"No error occurred.",
    u"An unknown error occurred while accessing %1.",
    u"%1 was not found.",
    u"%1 contains an invalid path.",
    u"%1 could not be opened because there are too many open files.",
    u"Access to %1 was denied.",
    u"An invalid file handle was associated with %1.",
    u"%1 could not be removed because it is the current directory.",
    u"%1 could not be created because the directory is full.",
    u"Seek failed on %1",
    u"A hardware I/O error was reported while accessing %1.",
    u"A sharing violation occurred while accessing %1.",
    u"A locking violation occurred while accessing %1.",
    u"Disk full while accessing %1.",
    u"An attempt was made to access %1 past its end.",
};

struct ErrnoCause {
    int nErrno;
    int cause;
};

constexpr ErrnoCause kErrnoCauses[] = {
    {ENOENT, CFileException::fileNotFound},
    {ENOTDIR, CFileException::badPath},
    {ENAMETOOLONG, CFileException::badPath},
    {ELOOP, CFileException::badPath},
    {EMFILE, CFileException::tooManyOpenFiles},
    {ENFILE, CFileException::tooManyOpenFiles},
    {EACCES, CFileException::accessDenied},
    {EPERM, CFileException::accessDenied},
    {EROFS, CFileException::accessDenied},
    {EISDIR, CFileException::accessDenied},
    {EEXIST, CFileException::accessDenied},
    {EBADF, CFileException::invalidFile},
    {ESPIPE, CFileException::badSeek},
    {EINVAL, CFileException::badSeek},
    {EIO, CFileException::hardIO},
    {EBUSY, CFileException::sharingViolation},
    {ETXTBSY, CFileException::sharingViolation},
    {EDEADLK, CFileException::lockViolation},
    {ENOLCK, CFileException::lockViolation},
    {ENOSPC, CFileException::diskFull},
    {EDQUOT, CFileException::diskFull},
    {EFBIG, CFileException::diskFull},
};

// The message for a cause, %1 naming the file, or FALSE for a cause outside the table.
template <std::size_t N>
BOOL FormatWithFileName(CString& strError, const std::array<LPCTSTR, N>& messages, int cause,
                        const CString& strFileName)
{
    if (cause < 0 || std::size_t(cause) >= messages.size()) {
        strError.Empty();
        return FALSE;
    }
    const LPCTSTR name = strFileName.IsEmpty() ? u"an unnamed file" : strFileName.GetString();
    const LPCTSTR args[] = {name};
    AfxFormatStrings(strError, messages[std::size_t(cause)], args);
    return TRUE;
}

} // namespace

BOOL CException::GetErrorMessage(CString& strError) const
{
    return FormatErrorMessage(strError);
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CString strError;
    const BOOL bHasMessage = FormatErrorMessage(strError);
    if (lpszError != nullptr && nMaxError > 0) {
        const UINT nCopy = std::min<UINT>(UINT(strError.GetLength()), nMaxError - 1);
        std::copy_n(strError.GetString(), nCopy, lpszError);
        lpszError[nCopy] = u'\0';
    }
    return bHasMessage;
}

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    CString strError;
    if (!FormatErrorMessage(strError)) {
        if (nMessageID == 0 || !strError.LoadString(nMessageID))
            strError = u"No error message is available.";
    }
    return AfxMessageBox(strError, nType);
}

BOOL CException::FormatErrorMessage(CString& strError) const
{
    strError.Empty();
    return FALSE;
}

BOOL CMemoryException::FormatErrorMessage(CString& strError) const
{
    strError = u"Out of memory.";
    return TRUE;
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::FormatErrorMessage(CString& strError) const
{
    return FormatWithFileName(strError, kArchiveMessages, m_cause, m_strFileName);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

int CFileException::ErrnoToException(int nErrno)
{
    const auto* pFound = std::find_if(std::begin(kErrnoCauses), std::end(kErrnoCauses),
                                      [nErrno](const ErrnoCause& e) { return e.nErrno == nErrno; });
    return pFound != std::end(kErrnoCauses) ? pFound->cause : generic;
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL CFileException::FormatErrorMessage(CString& strError) const
{
    return FormatWithFileName(strError, kFileMessages, m_cause, m_strFileName);
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
