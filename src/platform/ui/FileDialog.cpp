#include "platform/ui/FileDialog.h"

#include <algorithm>
#include "platform/ui/WinThread.h"

namespace {

int LastSeparator(const CString& strPath)
{
    return std::max(strPath.ReverseFind(_T('/')), strPath.ReverseFind(_T('\\')));
}

// The dot of the extension in the name part; -1 when there is none.
int ExtensionDot(const CString& strPath)
{
    const int nDot = strPath.ReverseFind(_T('.'));
    return nDot > LastSeparator(strPath) + 1 ? nDot : -1;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_strFileName(lpszFileName),
      m_strFilter(lpszFilter), m_pParentWnd(pParentWnd)
{
    m_ofn.Flags = dwFlags;
}

INT_PTR CFileDialog::DoModal()
{
    FileDialogRequest request;
    request.bOpenFileDialog = m_bOpenFileDialog;
    request.strTitle = m_ofn.lpstrTitle;
    request.strFilter = m_strFilter;
    request.nFilterIndex = int(m_ofn.nFilterIndex);
    request.strDefExt = m_strDefExt;
    request.strInitialDir = m_ofn.lpstrInitialDir;
    request.dwFlags = m_ofn.Flags;
    request.pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    request.strFileName = m_strFileName;
    m_paths.clear();
    if (!AfxRunFileDialog(request))
        return IDCANCEL;
    m_ofn.nFilterIndex = DWORD(request.nFilterIndex);
    for (CString strPath : request.fileNames) {
        if (!m_bOpenFileDialog && !m_strDefExt.IsEmpty() && ExtensionDot(strPath) < 0)
            strPath += _T(".") + m_strDefExt;
        m_paths.push_back(strPath);
    }
    return IDOK;
}

CString CFileDialog::GetPathName() const { return m_paths.empty() ? CString() : m_paths.front(); }

CString CFileDialog::GetFileName() const
{
    const CString strPath = GetPathName();
    return strPath.Mid(LastSeparator(strPath) + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString strPath = GetPathName();
    const int nDot = ExtensionDot(strPath);
    return nDot < 0 ? CString() : strPath.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString strPath = GetPathName();
    const int nStart = LastSeparator(strPath) + 1;
    const int nDot = ExtensionDot(strPath);
    return nDot < 0 ? strPath.Mid(nStart) : strPath.Mid(nStart, nDot - nStart);
}

CString CFileDialog::GetFolderPath() const
{
    const CString strPath = GetPathName();
    const int nSep = LastSeparator(strPath);
    return nSep < 0 ? CString() : strPath.Left(nSep);
}
