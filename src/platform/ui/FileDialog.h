// CFileDialog: the open and save dialogs as the program builds them (the "|"-separated filter,
// default extension, proposed name, initial folder in m_ofn, OFN_ flags). DoModal hands the
// request to the file-dialog handler of FileDialogRequest.h (the native dialog, or a test's
// answer) and keeps the choice. On a save dialog a chosen name without an extension gets the
// default one.
#pragma once

#include "platform/core/Document.h"
#include "platform/ui/FileDialogRequest.h"

#include <vector>

class CWnd;

struct OPENFILENAME {
    DWORD Flags = 0;
    DWORD nFilterIndex = 1;
    LPCTSTR lpstrInitialDir = nullptr;   // not owned
    LPCTSTR lpstrTitle = nullptr;        // not owned
};

using POSITION_FD = int;

class CFileDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr,
                         LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    OPENFILENAME m_ofn;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

    CString GetPathName() const;
    // The name with its extension, without the folder.
    CString GetFileName() const;
    CString GetFileExt() const;
    // The name without folder and extension.
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    // Every chosen path (several with OFN_ALLOWMULTISELECT).
    const std::vector<CString>& GetPathNames() const { return m_paths; }
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CWnd* m_pParentWnd;
    std::vector<CString> m_paths;
};
