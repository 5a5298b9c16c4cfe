#include "platform/ui/DropFiles.h"

#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

UINT DragQueryFileCount(HDROP hDrop) { return hDrop ? UINT(hDrop->paths.size()) : 0; }

CString DragQueryFileName(HDROP hDrop, UINT nFile)
{
    return nFile < DragQueryFileCount(hDrop) ? hDrop->paths[nFile] : CString();
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    if (bAccept)
        ModifyStyleEx(0, WS_EX_ACCEPTFILES);
    else
        ModifyStyleEx(WS_EX_ACCEPTFILES, 0);
}

CWnd* AfxFindFileDropWindow(CWnd* pWnd)
{
    for (CWnd* p = pWnd; p && IsWindow(p); p = (p->GetStyle() & WS_CHILD) ? p->GetParent() : nullptr) {
        if (p->GetExStyle() & WS_EX_ACCEPTFILES)
            return p;
    }
    return nullptr;
}

BOOL AfxDropFiles(CWnd* pWnd, const std::vector<CString>& paths)
{
    CWnd* pTarget = AfxFindFileDropWindow(pWnd);
    if (!pTarget || paths.empty())
        return FALSE;
    const DropFileList list{paths};
    pTarget->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&list), 0);
    return TRUE;
}

LRESULT CFrameWnd::OnDropFilesMessage(WPARAM wParam, LPARAM)
{
    OnDropFiles(reinterpret_cast<HDROP>(wParam));
    return 0;
}

// Each dropped file opens as a document, in the order of the drop; the application's own
// opening says what it cannot open.
void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    const UINT nFiles = DragQueryFileCount(hDropInfo);
    for (UINT i = 0; i < nFiles && IsWindow(this); ++i)
        pApp->OpenDocumentFile(DragQueryFileName(hDropInfo, i));
}
