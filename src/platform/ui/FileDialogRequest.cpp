#include "platform/ui/FileDialogRequest.h"

#include <utility>

namespace {

FileDialogHandler& Handler()
{
    static FileDialogHandler s_handler;
    return s_handler;
}

}  // namespace

FileDialogHandler AfxSetFileDialogHandler(FileDialogHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

BOOL AfxRunFileDialog(FileDialogRequest& request)
{
    if (!Handler() || !Handler()(request))
        return FALSE;
    if (request.fileNames.empty() && !request.strFileName.IsEmpty())
        request.fileNames.push_back(request.strFileName);
    if (request.strFileName.IsEmpty() && !request.fileNames.empty())
        request.strFileName = request.fileNames.front();
    return !request.fileNames.empty();
}

std::vector<std::pair<CString, CString>> AfxParseFileFilter(const CString& strFilter)
{
    std::vector<std::pair<CString, CString>> filters;
    int nStart = 0;
    while (nStart < strFilter.GetLength()) {
        const int nBar1 = strFilter.Find(_T('|'), nStart);
        if (nBar1 < 0 || nBar1 == nStart)
            break;
        int nBar2 = strFilter.Find(_T('|'), nBar1 + 1);
        if (nBar2 < 0)
            nBar2 = strFilter.GetLength();
        filters.emplace_back(strFilter.Mid(nStart, nBar1 - nStart),
                             strFilter.Mid(nBar1 + 1, nBar2 - nBar1 - 1));
        nStart = nBar2 + 1;
    }
    return filters;
}
