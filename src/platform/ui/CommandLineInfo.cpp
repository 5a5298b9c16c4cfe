#include "platform/ui/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(CString(pszParam));
    else
        ParseParamNotFlag(CString(pszParam));
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const CString& strFlag)
{
    if (strFlag.CompareNoCase(_T("pt")) == 0) {
        m_nShellCommand = FilePrintTo;
    } else if (strFlag.CompareNoCase(_T("p")) == 0) {
        m_nShellCommand = FilePrint;
    } else if (strFlag.CompareNoCase(_T("Unregister")) == 0 ||
               strFlag.CompareNoCase(_T("Unregserver")) == 0) {
        m_nShellCommand = AppUnregister;
    } else if (strFlag.CompareNoCase(_T("Register")) == 0 ||
               strFlag.CompareNoCase(_T("Regserver")) == 0) {
        m_nShellCommand = AppRegister;
    } else if (strFlag.CompareNoCase(_T("dde")) == 0) {
        m_nShellCommand = FileDDE;
    } else if (strFlag.CompareNoCase(_T("Embedding")) == 0) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (strFlag.CompareNoCase(_T("Automation")) == 0) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const CString& strParam)
{
    // After "/pt" come the file, the printer, the driver and the port, in that order.
    if (m_strFileName.IsEmpty())
        m_strFileName = strParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = strParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = strParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = strParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}
