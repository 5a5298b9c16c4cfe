// The framework's exceptions. They are thrown as pointers to heap objects, the way the class
// library does it, and whoever catches one frees it with Delete():
//
//     try {
//         doc.Serialize(ar);
//     } catch (CException* e) {
//         e->ReportError();
//         e->Delete();
//     }
//
// Catching CArchiveException* or CFileException* first works the same way. Nothing in the
// framework throws these by value.
#pragma once

#include "platform/core/MessageBox.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)

public:
    CException() = default;

    // The text describing the failure; FALSE (and an empty text) when there is none.
    BOOL GetErrorMessage(CString& strError) const;
    // The same copied into a caller's buffer of nMaxError units, cut to fit and NUL-terminated.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

    // Shows the text in a message box (string nMessageID, or a fixed text, when there is none)
    // and returns the button pressed.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;

    // Frees the exception; the pointer must not be used afterwards.
    void Delete() { delete this; }

protected:
    virtual BOOL FormatErrorMessage(CString& strError) const;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)

protected:
    BOOL FormatErrorMessage(CString& strError) const override;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)

public:
    enum {
        none,
        generic,
        readOnly,   // a store operation on an archive that is loading
        endOfFile,
        writeOnly,  // a load operation on an archive that is storing
        badIndex,
        badClass,
        badSchema,
        genericException = generic,
    };

    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);

    int m_cause;
    CString m_strFileName;

protected:
    BOOL FormatErrorMessage(CString& strError) const override;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)

public:
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        genericException = generic,
    };

    explicit CFileException(int cause = none, LONG lOsError = -1,
                            LPCTSTR lpszFileName = nullptr);

    // The cause that an errno value stands for.
    static int ErrnoToException(int nErrno);
    [[noreturn]] static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError; // the errno value, -1 when the failure did not come from the system
    CString m_strFileName;

protected:
    BOOL FormatErrorMessage(CString& strError) const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1,
                                        LPCTSTR lpszFileName = nullptr);
