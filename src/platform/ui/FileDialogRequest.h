// The file dialog as a request: the application fills one in (title, "|"-separated filter in the
// class library's form, initial folder, default extension, flags) and the installed handler
// shows a dialog and fills in the choice. The Qt backend installs a native dialog; tests install
// a function that answers.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>
#include <vector>

class CWnd;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

struct FileDialogRequest {
    BOOL bOpenFileDialog = TRUE;
    CString strTitle;
    // "Name (*.ext)|*.ext|All Files (*.*)|*.*||"
    CString strFilter;
    int nFilterIndex = 1;        // 1-based, as chosen on return
    CString strDefExt;           // without the dot
    CString strInitialDir;
    DWORD dwFlags = 0;
    CWnd* pOwner = nullptr;
    CString strFileName;         // proposal on entry, the (first) choice on return
    std::vector<CString> fileNames;  // every choice on return (several with OFN_ALLOWMULTISELECT)
};

using FileDialogHandler = std::function<BOOL(FileDialogRequest& request)>;
// Returns the previous handler. Without one every dialog is cancelled.
FileDialogHandler AfxSetFileDialogHandler(FileDialogHandler handler);
// Shows the dialog; FALSE when cancelled. On OK fileNames holds at least strFileName.
BOOL AfxRunFileDialog(FileDialogRequest& request);
// The (name, patterns) pairs of a "|"-separated filter.
std::vector<std::pair<CString, CString>> AfxParseFileFilter(const CString& strFilter);
