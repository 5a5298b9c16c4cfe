#include "platform/ui/DocTemplate.h"

#include "platform/core/Document.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Position.h"
#include "platform/ui/CreateContext.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/View.h"

#include "platform/ui/IndexPosition.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass),
      m_nIDResource(nIDResource)
{
    AfxInstallDocumentWindowOps();
    m_strDocStrings.LoadString(nIDResource);
    if (AfxHasMenuResource(nIDResource))
        m_menuShared.LoadMenu(nIDResource);
}

CDocTemplate::~CDocTemplate()
{
    // Documents still open outlive the template only in a program that skipped closing them;
    // they must not reach back into it.
    for (CDocument* pDoc : std::vector<CDocument*>(m_docList)) {
        pDoc->m_pDocTemplate = nullptr;
        if (pDoc->GetViewCount() == 0)
            delete pDoc;
    }
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    rString.Empty();
    int nStart = 0;
    for (int i = 0; i < int(index); ++i) {
        const int nNewLine = m_strDocStrings.Find(_T('\n'), nStart);
        if (nNewLine < 0)
            return FALSE;
        nStart = nNewLine + 1;
    }
    const int nEnd = m_strDocStrings.Find(_T('\n'), nStart);
    rString = nEnd < 0 ? m_strDocStrings.Mid(nStart) : m_strDocStrings.Mid(nStart, nEnd - nStart);
    return !rString.IsEmpty();
}

POSITION CDocTemplate::GetFirstDocPosition() const
{
    return m_docList.empty() ? nullptr : PositionOfIndex(0);
}

CDocument* CDocTemplate::GetNextDoc(POSITION& rPos) const { return NextAtPosition(m_docList, rPos); }

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end())
        m_docList.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    std::erase(m_docList, pDoc);
    if (pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (!m_pDocClass)
        return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    auto* pDoc = dynamic_cast<CDocument*>(pObject);
    if (!pDoc) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    if (!m_pFrameClass)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* pObject = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    if (auto* pChild = dynamic_cast<CMDIChildWnd*>(pFrame))
        pChild->m_hMenuShared = GetSharedMenu();
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                           &context)) {
        // A frame that failed to load has no window and is still ours to delete.
        delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    // Documents keep their paths absolute: a relative name finds the one it means.
    const CString strPath = AbsolutePath(lpszPathName);
    for (CDocument* pDoc : m_docList) {
        if (pDoc->GetPathName() == strPath) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strExt;
    if (GetDocString(strExt, filterExt) && strPath.GetLength() >= strExt.GetLength() &&
        strPath.Right(strExt.GetLength()).CompareNoCase(strExt) == 0)
        return yesAttemptNative;
    return maybeAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified()
{
    for (CDocument* pDoc : std::vector<CDocument*>(m_docList)) {
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    for (CDocument* pDoc : std::vector<CDocument*>(m_docList)) {
        if (std::find(m_docList.begin(), m_docList.end(), pDoc) != m_docList.end())
            pDoc->OnCloseDocument();
    }
}

// ---- CMultiDocTemplate ----

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strName;
    if (!GetDocString(strName, docName))
        strName = _T("Untitled");
    CString strTitle;
    strTitle.Format(_T("%s%u"), strName, m_nUntitledCount + 1);
    pDocument->SetTitle(strTitle);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (!pDoc) {
        AfxMessageBox(_T("Failed to create empty document."), MB_ICONSTOP);
        return nullptr;
    }
    // Until the frame holds the view, the document must not close itself for want of views.
    const BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (!pFrame) {
        AfxMessageBox(_T("Failed to create document frame."), MB_ICONSTOP);
        delete pDoc;
        return nullptr;
    }
    const bool bNew = lpszPathName == nullptr || *lpszPathName == 0;
    if (bNew) {
        SetDefaultTitle(pDoc);
        if (!pDoc->OnNewDocument()) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        // A failed open has told the user why; the frame takes the document down with it.
        if (!pDoc->OnOpenDocument(lpszPathName)) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDoc->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
