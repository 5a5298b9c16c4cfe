#include "document/UndoStore.h"

#include "blocks/BlockObj.h"
#include "document/DocumentObserver.h"
#include "document/VetlaDoc.h"
#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/FileFind.h"
#include "platform/core/FileSystem.h"
#include "platform/core/FolderLock.h"
#include "platform/core/MemFile.h"
#include "platform/core/Runtime.h"
#include "platform/gdi/GdiTypes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>

namespace {

constexpr int SNAPSHOT_BUFFER_SIZE = 4096;
constexpr UINT SNAPSHOT_GROW_BYTES = 256 * 1024;
// How many suffixes a new store tries before it gives up on a folder of its own.
constexpr int FOLDER_ATTEMPTS = 1000;
// The snapshot folder's name before its suffix.
constexpr LPCTSTR SNAPSHOT_FOLDER_NAME = _T("NorviTemp");

} // namespace

CUndoStore::CUndoStore(BOOL bWithFolder)
{
    if (!bWithFolder)
        return;
    m_strTempDir = GetTempPath();
    m_strTempDir.Trim();
    MakeFolderSuffix();
    RunAndReport([this] { CreateFolder(); });
}

CUndoStore::~CUndoStore()
{
    m_nIndex = 0;
    m_nTopIndex = 0;
    if (m_strFolder.IsEmpty())
        return;
    DeleteSnapshotFiles();
    RemoveDirectory(m_strFolder);
}

void CUndoStore::MakeFolderSuffix()
{
    SYSTEMTIME st = {};
    GetLocalTime(&st);
    // Wrapping 32-bit arithmetic, as the suffix has always been built.
    std::uint32_t n = st.wYear;
    for (WORD w : {st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds})
        n = n * 10u + w;
    m_strSuffix.Format(_T(".%d"), std::int32_t(n));
}

void CUndoStore::CreateFolder()
{
    if (m_strTempDir.IsEmpty())
        AfxThrowFileException(CFileException::badPath);
    // The folder belongs to this store alone: a folder of the same name, whoever made it, is
    // never shared; the suffix moves on until a new folder is made.
    for (int nAttempt = 0; nAttempt < FOLDER_ATTEMPTS; ++nAttempt) {
        const CString strFolder = m_strTempDir + SNAPSHOT_FOLDER_NAME + m_strSuffix;
        if (CreateDirectory(strFolder)) {
            // Held from the start, the folder is never taken for one of a run that has ended;
            // one removed before it could be held was taken so, and the suffix moves on. On a
            // file system without locks it stays unheld: no start removes what it cannot hold.
            if (m_folderLock.Acquire(strFolder) || errno != ENOENT) {
                m_strFolder = strFolder;
                return;
            }
        } else if (errno != EEXIST) {
            CFileException::ThrowErrno(errno, strFolder);
        }
        const int nNext = _wtoi(m_strSuffix.Mid(1)) + 1;
        m_strSuffix.Format(_T(".%d"), nNext);
    }
    AfxThrowFileException(CFileException::directoryFull, -1, m_strTempDir);
}

void CUndoStore::RemoveAbandonedFolders()
{
    const CString strTempDir = GetTempPath();
    if (strTempDir.IsEmpty())
        return;
    CFileFind folders;
    BOOL bMore = folders.FindFile(strTempDir + SNAPSHOT_FOLDER_NAME + _T(".*"));
    while (bMore) {
        bMore = folders.FindNextFile();
        CFolderLock lock;
        if (!folders.IsDirectory() || !lock.TryAcquire(folders.GetFilePath()))
            continue;
        CFileFind files;
        BOOL bMoreFiles = files.FindFile(folders.GetFilePath() + PATH_SEPARATOR + _T("*"));
        while (bMoreFiles) {
            bMoreFiles = files.FindNextFile();
            DeleteFile(files.GetFilePath());
        }
        RemoveDirectory(folders.GetFilePath());
    }
}

CString CUndoStore::GetSnapshotPath(int n) const
{
    CString strPath;
    strPath.Format(_T("%s%c%03d.tmp%s"), m_strFolder, PATH_SEPARATOR, n, m_strSuffix);
    return strPath;
}

void CUndoStore::DeleteSnapshotFiles() const
{
    for (int n = 0; n <= UNDO_MAX_INDEX; ++n)
        DeleteFile(GetSnapshotPath(n));
}

BOOL CUndoStore::CanUndo() const { return m_nIndex > m_nOldestIndex; }

BOOL CUndoStore::CanRedo() const { return m_nIndex >= 0 && m_nTopIndex >= 1 && m_nIndex < m_nTopIndex; }

void CUndoStore::ShiftRing()
{
    // The oldest state drops out, the saved one with it when it is that.
    if (m_nSavedIndex == 0)
        m_nSavedIndex = -1;
    for (int n = 0; n < UNDO_MAX_INDEX; ++n) {
        DeleteFile(GetSnapshotPath(n));
        if (!MoveFile(GetSnapshotPath(n + 1), GetSnapshotPath(n)))
            return;
        if (n == 0)
            m_bShifted = TRUE;
        if (n + 1 == m_nOldestIndex)
            m_nOldestIndex = n;
        if (n + 1 == m_nSavedIndex)
            m_nSavedIndex = n;
    }
}

void CUndoStore::WriteSnapshot(CDocument* pDoc, const CString& strPath)
{
    if (m_strFolder.IsEmpty())
        AfxThrowFileException(CFileException::badPath, -1, strPath);
    // The snapshot is composed in memory and written with one call: a document of the
    // controller's largest size would otherwise take some two hundred small writes.
    if (!m_pImage)
        m_pImage = std::make_unique<CMemFile>(SNAPSHOT_GROW_BYTES);
    CMemFile& image = *m_pImage;
    image.SetLength(0);
    {
        CArchive ar(&image, CArchive::store, SNAPSHOT_BUFFER_SIZE);
        ar.m_pDocument = pDoc;
        pDoc->Serialize(ar);
        ar.Close();
    }
    const auto nLength = UINT(image.GetLength());
    // The bytes are taken out and the buffer given back at once: the image then starts empty,
    // with room for a snapshot of this size, and keeps owning the bytes written below.
    BYTE* pImage = image.Detach();
    image.Attach(pImage, nLength, SNAPSHOT_GROW_BYTES);
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(pImage, nLength);
    file.Close();
}

BOOL CUndoStore::SaveState(CDocument* pDoc)
{
    if (!pDoc)
        return FALSE;
    // A full ring makes room for the new snapshot at its top. After an Undo the index is below
    // the top: the new snapshot takes the place of the undone state, which is given up like
    // every state above the current one.
    const bool bShiftRing = m_nIndex == UNDO_MAX_INDEX && m_nTopIndex == UNDO_MAX_INDEX;
    m_nIndex = std::min(m_nIndex + 1, UNDO_MAX_INDEX);
    return WriteCurrentSnapshot(pDoc, bShiftRing);
}

BOOL CUndoStore::ReplaceState(CDocument* pDoc)
{
    // Index 0 has no file until the ring first shifted: there is nothing to write over.
    if (!pDoc || (m_nIndex == 0 && !m_bShifted))
        return SaveState(pDoc);
    return WriteCurrentSnapshot(pDoc, false);
}

BOOL CUndoStore::ContinueState(CDocument* pDoc, int nStateCount)
{
    return nStateCount >= 0 && nStateCount == m_nStateCount ? ReplaceState(pDoc) : SaveState(pDoc);
}

BOOL CUndoStore::WriteCurrentSnapshot(CDocument* pDoc, bool bShiftRing)
{
    m_pDoc = pDoc;
    m_strPath = GetSnapshotPath(m_nIndex);
    const BOOL bWritten = RunAndReport([&] {
        if (bShiftRing)
            ShiftRing();
        WriteSnapshot(pDoc, m_strPath);
    });
    ++m_nStateCount;
    // The state this index held is given up, and every one above it: the saved one too when
    // it was among them.
    if (m_nSavedIndex >= m_nIndex)
        m_nSavedIndex = -1;
    pDoc->SetModifiedFlag(TRUE);
    if (!bWritten) {
        DropCurrentSnapshot();
        return FALSE;
    }
    m_nTopIndex = m_nIndex;
    return TRUE;
}

void CUndoStore::DropCurrentSnapshot()
{
    // The snapshot of this index is missing or partial: nothing at or above it may be reloaded,
    // while Undo still returns to the state before the edit.
    DeleteFile(m_strPath);
    m_nTopIndex = std::min(m_nTopIndex, m_nIndex - 1);
}

BOOL CUndoStore::SaveOpenedState(CDocument* pDoc)
{
    const BOOL bWritten = SaveState(pDoc);
    // Without its file the opened state cannot come back either: the oldest is the next one.
    m_nOldestIndex = bWritten ? m_nIndex : m_nIndex + 1;
    return bWritten;
}

void CUndoStore::MarkSaved()
{
    m_nSavedIndex = HasCurrentSnapshot() ? m_nIndex : -1;
    ++m_nStateCount;
}

BOOL CUndoStore::HasCurrentSnapshot() const
{
    // Index 0 has no file before the ring first shifted; a snapshot that failed left none.
    return m_pDoc && (m_nIndex > 0 || m_bShifted) && m_nIndex <= m_nTopIndex;
}

BOOL CUndoStore::Undo()
{
    if (!m_pDoc || !CanUndo())
        return FALSE;
    if (!Reload(m_nIndex - 1))
        return FALSE;
    --m_nIndex;
    m_pDoc->SetModifiedFlag(m_nIndex != m_nSavedIndex);
    return TRUE;
}

BOOL CUndoStore::Redo()
{
    if (!m_pDoc || !CanRedo())
        return FALSE;
    if (!Reload(m_nIndex + 1))
        return FALSE;
    ++m_nIndex;
    m_pDoc->SetModifiedFlag(m_nIndex != m_nSavedIndex);
    return TRUE;
}

BOOL CUndoStore::Reload(int nIndex)
{
    auto* pDoc = static_cast<CVetlaDoc*>(m_pDoc);
    m_strPath = GetSnapshotPath(nIndex);
    const BOOL bLoaded = RunAndReport([&] {
        // Index 0 before the ring first shifted is the state before the first snapshot: an
        // empty diagram with the settings as they are.
        if (nIndex == 0 && !m_bShifted) {
            pDoc->DeleteContents();
            return;
        }
        CFile file(m_strPath, CFile::modeRead);
        pDoc->LoadContents(&file);
    });
    ++m_nStateCount;
    if (bLoaded && pDoc->GetObserver())
        pDoc->GetObserver()->OnContentsReloaded(*pDoc);
    return bLoaded;
}

