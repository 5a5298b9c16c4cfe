#include "platform/core/Document.h"

#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MemFile.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ObjectArena.h"
#include "platform/core/Position.h"
#include "platform/core/SafeFileWrite.h"
#include "platform/core/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <new>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace {

CDocument::PromptFileNameFn& PromptSink()
{
    static CDocument::PromptFileNameFn fn;
    return fn;
}

const DocumentWindowOps*& WindowOps()
{
    static const DocumentWindowOps* s_pOps = nullptr;
    return s_pOps;
}

// Positions in the view list are index + 1, so that null ends the walk.
POSITION PositionOf(std::size_t nIndex) { return reinterpret_cast<POSITION>(nIndex + 1); }
std::size_t IndexOf(POSITION pos) { return reinterpret_cast<std::uintptr_t>(pos) - 1; }

constexpr std::size_t READ_CHUNK_BYTES = 16 * 1024;
// A CMemFile counts its bytes in UINT.
constexpr std::size_t MAX_IMAGE_BYTES = UINT(-1);

// The bytes of a file from its position to its end.
struct FileImage {
    std::unique_ptr<BYTE[]> pBytes;
    std::size_t nSize = 0;
};

// How many bytes the file holds beyond its position, as far as it can tell (a pipe cannot).
std::size_t RemainingLengthHint(CFile* pFile)
{
    try {
        const ULONGLONG nLength = pFile->GetLength();
        const ULONGLONG nPosition = pFile->GetPosition();
        if (nLength <= nPosition)
            return 0;
        return std::size_t(std::min<ULONGLONG>(nLength - nPosition, MAX_IMAGE_BYTES - 1));
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
}

// The rest of the file in one read where it tells its length: a chunked copy into a growing
// buffer moved the bytes of a large project several times over. The buffer holds one byte
// more than the hint, so that the end of the file shows as a read shorter than asked (a file
// reads fewer bytes only at its end): no further read is needed to find it.
FileImage ReadRemaining(CFile* pFile)
{
    std::size_t nCapacity = std::max(RemainingLengthHint(pFile) + 1, READ_CHUNK_BYTES);
    FileImage image{std::make_unique_for_overwrite<BYTE[]>(nCapacity), 0};
    for (;;) {
        if (image.nSize == nCapacity) {
            if (nCapacity >= MAX_IMAGE_BYTES)
                AfxThrowMemoryException();
            const std::size_t nLarger = std::min(nCapacity * 2, MAX_IMAGE_BYTES);
            auto pLarger = std::make_unique_for_overwrite<BYTE[]>(nLarger);
            std::memcpy(pLarger.get(), image.pBytes.get(), image.nSize);
            image.pBytes = std::move(pLarger);
            nCapacity = nLarger;
        }
        const UINT nAsked = UINT(nCapacity - image.nSize);
        const UINT nRead = pFile->Read(image.pBytes.get() + image.nSize, nAsked);
        image.nSize += nRead;
        if (nRead < nAsked)
            return image;
    }
}

// The user knows the file by the name they chose: an archive names none.
void NameUserFile(CException* e, const CString& strUserPath)
{
    if (strUserPath.IsEmpty())
        return;
    if (auto* pArchive = dynamic_cast<CArchiveException*>(e))
        pArchive->m_strFileName = strUserPath;
    else if (auto* pFile = dynamic_cast<CFileException*>(e))
        pFile->m_strFileName = strUserPath;
}

} // namespace

BOOL RunAndReport(const std::function<void()>& fn, const CString& strUserPath)
{
    try {
        fn();
        return TRUE;
    } catch (CException* e) {
        NameUserFile(e, strUserPath);
        e->ReportError();
        e->Delete();
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError();
    } catch (const std::exception&) {
        CArchiveException(CArchiveException::generic, strUserPath).ReportError();
    }
    return FALSE;
}

void AfxSetDocumentWindowOps(const DocumentWindowOps* pOps) { WindowOps() = pOps; }

CDocument::~CDocument()
{
    if (m_pDocTemplate && WindowOps())
        WindowOps()->removeFromTemplate(m_pDocTemplate, this);
}

void CDocument::AddView(CView* pView)
{
    if (!pView || std::find(m_views.begin(), m_views.end(), pView) != m_views.end())
        return;
    m_views.push_back(pView);
    if (WindowOps())
        WindowOps()->attachView(pView, this);
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    const auto it = std::find(m_views.begin(), m_views.end(), pView);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    if (WindowOps())
        WindowOps()->attachView(pView, nullptr);
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_views.empty() ? nullptr : PositionOf(0);
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    const std::size_t nIndex = IndexOf(rPosition);
    if (!rPosition || nIndex >= m_views.size()) {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = nIndex + 1 < m_views.size() ? PositionOf(nIndex + 1) : nullptr;
    return m_views[nIndex];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    if (!WindowOps())
        return;
    for (CView* pView : std::vector<CView*>(m_views)) {
        if (pView != pSender)
            WindowOps()->updateView(pView, pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_views.empty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::OnCloseDocument()
{
    // The frames go first; their views leave the list as they are destroyed, and the document
    // must not delete itself half way through.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_views.empty() && WindowOps()) {
        CView* pView = m_views.front();
        if (CFrameWnd* pFrame = WindowOps()->frameOfView(pView)) {
            PreCloseFrame(pFrame);
            WindowOps()->destroyFrame(pFrame);
        }
        // A view without a frame (or one its frame did not take down) still leaves the list.
        if (!m_views.empty() && m_views.front() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString strPrompt;
    const LPCTSTR args[] = {strName.GetString()};
    AfxFormatStrings(strPrompt, _T("Save changes to %1?"), args);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    if (WindowOps()) {
        for (CView* pView : m_views) {
            if (WindowOps()->frameOfView(pView) != pFrame)
                return TRUE;
        }
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && WindowOps() &&
           WindowOps()->templateCmdMsg(m_pDocTemplate, nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::SetPromptFileName(PromptFileNameFn fn) { PromptSink() = std::move(fn); }

void CDocument::SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = AbsolutePath(lpszPathName);
    const int nSlash = m_strPathName.ReverseFind(PATH_SEPARATOR);
    SetTitle(m_strPathName.Mid(nSlash + 1));
    if (bAddToMRU && WindowOps() && WindowOps()->addToRecentFiles)
        WindowOps()->addToRecentFiles(m_strPathName);
}

BOOL CDocument::IsModified() { return m_bModified; }

void CDocument::SetModifiedFlag(BOOL bModified) { m_bModified = bModified; }

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    const BOOL bLoaded = RunAndReport(
        [&] {
            CFile file(lpszPathName, CFile::modeRead | CFile::shareDenyWrite);
            LoadContents(&file);
        },
        lpszPathName);
    if (bLoaded)
        SetModifiedFlag(FALSE);
    return bLoaded;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    const CString strPath(lpszPathName);
    // The document is composed whole before the file is touched: a document that cannot be
    // written leaves the file as it was.
    CMemFile image;
    if (!RunAndReport([&] { StoreContents(&image); }, strPath))
        return FALSE;
    image.SeekToBegin();
    std::size_t nBytes = 0;
    const BYTE* pBytes = image.ReadInPlace(nBytes);
    // A failure the system reported is told in the system's words: the file being written is
    // never "not found", whatever the cause the error number stands for among file errors.
    if (const int nError = WriteFileSafely(strPath, {reinterpret_cast<const char*>(pBytes), nBytes})) {
        CString strText;
        const CString strReason = CString::FromUtf8(std::strerror(nError));
        const LPCTSTR args[] = {strPath.GetString(), strReason.GetString()};
        AfxFormatStrings(strText, _T("%1 could not be saved: %2."), args);
        AfxMessageBox(strText, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

CString CDocument::GetProposedSaveName() const
{
    CString strName = m_strTitle;
    const int nBad = strName.FindOneOf(_T(" #%;/\\"));
    if (nBad >= 0)
        strName = strName.Left(nBad);
    return strName;
}

BOOL CDocument::PromptFileName(CString& strName, UINT nTitleId, DWORD dwFlags)
{
    const PromptFileNameFn& fn = PromptSink();
    return fn ? fn(strName, nTitleId, dwFlags, FALSE, this) : FALSE;
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strName(lpszPathName);
    if (strName.IsEmpty()) {
        strName = m_strPathName;
        if (bReplace && strName.IsEmpty())
            strName = GetProposedSaveName();
        if (!PromptFileName(strName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                            OFN_HIDEREADONLY | OFN_PATHMUSTEXIST))
            return FALSE;
    }
    // A failed save leaves no file behind (OnSaveDocument writes through a temporary file), so
    // there is nothing to remove here.
    if (!OnSaveDocument(strName))
        return FALSE;
    if (bReplace)
        SetPathName(strName);
    return TRUE;
}

BOOL CDocument::DoFileSave() { return DoSave(m_strPathName.IsEmpty() ? nullptr : m_strPathName.GetString()); }

void CDocument::DeleteContents() {}

void CDocument::StoreContents(CFile* pFile)
{
    CArchive ar(pFile, CArchive::store);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
}

void CDocument::LoadFrom(CFile* pFile)
{
    // The objects read lie together and go back to the heap in a few chunks.
    const CObjectArenaScope arena;
    CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
}

void CDocument::LoadContents(CFile* pFile)
{
    const FileImage bytes = ReadRemaining(pFile);
    // Read in place: the image never grows, and the buffer stays this function's.
    CMemFile image(bytes.pBytes.get(), UINT(bytes.nSize));
    if (const std::unique_ptr<CDocument> pTrial = CreateTrialDocument()) {
        image.SeekToBegin();
        pTrial->LoadFrom(&image);
        // The file is good: what the trial read becomes the contents, and nothing is read twice
        // or kept for a failure that can no longer come.
        if (AdoptTrialContents(*pTrial))
            return;
    }

    // The present contents are kept as bytes too: a load that fails part way has already
    // replaced some of them, and only a reload of these bytes brings all of them back.
    CMemFile backup;
    StoreContents(&backup);
    DeleteContents();
    PrepareForReload();
    try {
        image.SeekToBegin();
        LoadFrom(&image);
    } catch (...) {
        DeleteContents();
        PrepareForReload();
        backup.SeekToBegin();
        LoadFrom(&backup);
        throw;
    }
}
