// Files dropped on a window from outside the program (a file manager): the window that took
// DragAcceptFiles, or the nearest of its ancestors that did, receives WM_DROPFILES with the
// list of paths in wParam. A frame opens each dropped file as a document.
#pragma once

#include "platform/core/String.h"

#include <vector>

class CWnd;

struct DropFileList {
    std::vector<CString> paths;
};
using HDROP = const DropFileList*;

// The number of files in the drop.
UINT DragQueryFileCount(HDROP hDrop);
// The path of file nFile; empty when there is none.
CString DragQueryFileName(HDROP hDrop, UINT nFile);

// The window a drop of files on pWnd goes to: pWnd or its nearest ancestor that accepts files;
// null when none does.
CWnd* AfxFindFileDropWindow(CWnd* pWnd);
// Sends the drop to that window; FALSE (nothing sent) when none accepts files or the list is
// empty.
BOOL AfxDropFiles(CWnd* pWnd, const std::vector<CString>& paths);
