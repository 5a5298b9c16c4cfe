// The application's file commands: Open with its filter and extension check, opening through
// the FBD template, the file dialog of a document's Save As, and the choice of the documents to
// save when the program closes.
#include "shell/VetlaApp.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/Exception.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialogRequest.h"
#include "shell/CloseAllDlg.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"

#include <vector>

namespace {

constexpr LPCTSTR kAllFilesFilter = _T("All Files (*.*)|*.*||");

CString TemplateFilterName(CDocTemplate* pTemplate)
{
    CString strName;
    if (pTemplate)
        pTemplate->GetDocString(strName, CDocTemplate::filterName);
    return strName;
}

BOOL IsProjectExtension(const CString& strExtension)
{
    return strExtension.CompareNoCase(_T(".dfb")) == 0 || strExtension.CompareNoCase(_T(".dld")) == 0;
}

// The modified documents in the template's order (it holds every open document); the Close All
// list and its flags follow that order.
std::vector<CDocument*> ModifiedDocuments(const CDocTemplate* pTemplate)
{
    std::vector<CDocument*> documents;
    for (POSITION pos = pTemplate ? pTemplate->GetFirstDocPosition() : nullptr; pos;) {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (pDoc->IsModified())
            documents.push_back(pDoc);
    }
    return documents;
}

} // namespace

CDocument* CVetlaApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (!m_pFBDTemplate)
        return nullptr;
    for (CMultiDocTemplate* pTemplate : {m_pFBDTemplate, m_pLADTemplate}) {
        CDocument* pOpen = nullptr;
        if (pTemplate && pTemplate->MatchDocType(lpszFileName, pOpen) == CDocTemplate::yesAlreadyOpen && pOpen) {
            // A file that is open already is not opened twice: its window comes to the front.
            POSITION pos = pOpen->GetFirstViewPosition();
            if (CView* pView = pos ? pOpen->GetNextView(pos) : nullptr) {
                if (CFrameWnd* pFrame = pView->GetParentFrame())
                    pFrame->ActivateFrame();
            }
            return pOpen;
        }
    }
    // Every way in (File > Open, the recent files, the command line at start-up) gets the
    // document menu as a new document does, translated in the Chinese interface.
    CDocument* pOpened = m_pFBDTemplate->OpenDocumentFile(lpszFileName, TRUE);
    if (pOpened)
        UpdateDocumentMenu();
    return pOpened;
}

void CVetlaApp::OnFileOpen()
{
    CString strFilter;
    strFilter.Format(ResourceString(IDS_OPEN_FILTER), ResourceString(IDR_MAINFRAME),
                     TemplateFilterName(m_pFBDTemplate), TemplateFilterName(m_pLADTemplate));
    FileDialogRequest request;
    request.bOpenFileDialog = TRUE;
    request.strFilter = strFilter;
    request.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT;
    request.pOwner = m_pMainWnd;
    if (!AfxRunFileDialog(request))
        return;
    try {
        for (const CString& strPath : request.fileNames) {
            const CString strExtension = strPath.Right(4);
            if (IsProjectExtension(strExtension)) {
                OpenDocumentFile(strPath);
                continue;
            }
            CString strMessage;
            strMessage.Format(ResourceString(IDS_WRONG_FILE_TYPE), ResourceString(IDR_MAINFRAME), strExtension);
            AfxMessageBox(strMessage, MB_ICONINFORMATION);
        }
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(_T("Open file error!"), MB_ICONSTOP);
    }
}

BOOL CVetlaApp::IsLadderDocumentSaving() const
{
    const CDocument* pDoc = m_pPromptDocument;
    if (!pDoc) {
        const CMainFrame* pFrame = AfxGetMainFrame();
        const CVetlaView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
        pDoc = pView ? pView->GetDocument() : nullptr;
    }
    return pDoc && pDoc->IsKindOf(RUNTIME_CLASS(CVetlaDoc)) && static_cast<const CVetlaDoc*>(pDoc)->IsLadder();
}

BOOL CVetlaApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                 CDocTemplate* pTemplate)
{
    if (!pTemplate)
        return FALSE;
    FileDialogRequest request;
    request.bOpenFileDialog = bOpenFileDialog;
    request.strTitle.LoadString(nIDSTitle);
    request.dwFlags = lFlags | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    // No folder of its own: like Open, the dialog starts where the user last chose a file, else
    // in their documents folder. The program's own folder is seldom writable by its user.
    request.pOwner = m_pMainWnd;
    request.strFileName = fileName;

    CString strExtension;
    pTemplate->GetDocString(strExtension, CDocTemplate::filterExt);
    CString strFilter = TemplateFilterName(pTemplate) + _T("|*") + strExtension + _T("|");
    request.strDefExt = strExtension.Mid(1);
    if (IsLadderDocumentSaving()) {
        const CString strLadExtension = ResourceString(IDS_LAD_EXTENSION);
        strFilter.Replace(_T(".dfb"), strLadExtension);
        strFilter.Replace(_T("Function Block"), _T("Ladder"));
        request.strDefExt = strLadExtension.Mid(1);
    }
    request.strFilter = strFilter + kAllFilesFilter;
    if (!AfxRunFileDialog(request))
        return FALSE;
    fileName = request.strFileName;
    return TRUE;
}

BOOL CVetlaApp::SaveAllModified()
{
    const std::vector<CDocument*> modified = ModifiedDocuments(m_pFBDTemplate);
    std::vector<CDocument*> dropped;
    if (!modified.empty()) {
        CCloseAllDlg dlg(m_pMainWnd);
        for (const CDocument* pDoc : modified) {
            if (!dlg.AddDocument(pDoc->GetTitle())) {
                AfxMessageBox(_T("There are too much Documents to be Saved!"), MB_ICONSTOP);
                return FALSE;
            }
        }
        if (dlg.DoModal() != IDOK)
            return FALSE;
        // A cleared Save box drops that document's changes without a further question.
        for (int i = 0; i < int(modified.size()); ++i) {
            if (!dlg.GetSaveFlag(i))
                dropped.push_back(modified[std::size_t(i)]);
        }
    }
    for (CDocument* pDoc : dropped)
        pDoc->SetModifiedFlag(FALSE);
    if (CWinApp::SaveAllModified())
        return TRUE;
    // A Cancel at a later save question keeps the program open: the dropped changes are only
    // gone once the exit goes through, so they are offered again at the next one.
    for (CDocument* pDoc : dropped)
        pDoc->SetModifiedFlag(TRUE);
    return FALSE;
}
