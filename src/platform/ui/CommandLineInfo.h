// CCommandLineInfo: what the command line asks the application to do at start: nothing, a new
// document, open a file, print it, or run for embedding or automation. ParseParam takes the
// arguments one by one ("-p"/"/p" style flags and file names).
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister,
           FileNothing = -1 } m_nShellCommand = FileNew;

    virtual ~CCommandLineInfo() = default;
    // pszParam without its '-' or '/' when bFlag; bLast for the last argument.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

private:
    void ParseParamFlag(const CString& strFlag);
    void ParseParamNotFlag(const CString& strParam);
    void ParseLast(BOOL bLast);
};
