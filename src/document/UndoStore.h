// CUndoStore: undo and redo for one document. It keeps no edit history in memory: every
// snapshot is the whole document written as a project file into a numbered file of a private
// folder, and Undo or Redo reloads the neighbouring snapshot into the same document. The store
// knows which of its states the file holds, and keeps the document's modified flag: a new state
// is a change, and Undo or Redo leave the document modified unless they reach that state.
#pragma once

#include "platform/core/FolderLock.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <memory>

class CDocument;
class CMemFile;
class CVetlaDoc;

constexpr int UNDO_MAX_INDEX = 30;

class CUndoStore {
public:
    // Creates the store's own snapshot folder under the user's temporary folder; without
    // bWithFolder the store has none and every snapshot fails (a document that only tries a
    // load keeps no history).
    explicit CUndoStore(BOOL bWithFolder = TRUE);
    // Deletes the snapshot files it wrote and its folder.
    ~CUndoStore();

    // Removes the snapshot folders that runs which have ended left in the temporary folder (a
    // run ended by a signal or a crash cannot remove its own); a folder a running store holds,
    // of this or another process, stays.
    static void RemoveAbandonedFolders();

    CUndoStore(const CUndoStore&) = delete;
    CUndoStore& operator=(const CUndoStore&) = delete;

    // Writes the next snapshot of pDoc and marks it modified; FALSE (reported) when it could
    // not be written.
    BOOL SaveState(CDocument* pDoc);
    // Writes pDoc over the current snapshot: an edit that goes on where the last snapshot ended,
    // so that one Undo takes both back. The caller checks with GetStateCount that the current
    // snapshot is its own; without a written snapshot this is SaveState. FALSE (reported) when
    // it could not be written: Undo then returns to the state before the edit.
    BOOL ReplaceState(CDocument* pDoc);
    // An edit that may go on from an earlier one: ReplaceState while the store's state count is
    // still nStateCount (nothing else came between), else SaveState.
    BOOL ContinueState(CDocument* pDoc, int nStateCount);
    // Counts every change of the current snapshot (written, rewritten or reloaded) and every
    // save of it.
    int GetStateCount() const { return m_nStateCount; }
    // The snapshot of a document as it was created or read whole (opened from a file, an
    // upload, a conversion): the oldest state it has. Undo goes no further back, where it would
    // reload the empty diagram of index 0 over the document made.
    BOOL SaveOpenedState(CDocument* pDoc);
    // The current state is what the document's file now holds (saved, opened or created): Undo
    // and Redo mark the document unmodified when they come back here. A run of edits that
    // rewrites the current snapshot ends here too, so that the saved state stays one of its own.
    void MarkSaved();
    // Reload the previous or next snapshot; on failure the document stays as it was, the
    // failure is reported and the index does not move.
    BOOL Undo();
    BOOL Redo();
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    void MakeFolderSuffix();

    // The folder that holds this store's snapshots (empty when it could not be created).
    const CString& GetFolder() const { return m_strFolder; }
    // The snapshot file of index n.
    CString GetSnapshotPath(int n) const;

    int m_nIndex = 0;
    CString m_strPath;
    CDocument* m_pDoc = nullptr;
    CString m_strTempDir;
    int m_nTopIndex = 0;
    CString m_strSuffix;

private:
    void CreateFolder();
    void ShiftRing();
    void WriteSnapshot(CDocument* pDoc, const CString& strPath);
    // Writes the document as the snapshot at the current index (shifting a full ring first) and
    // makes it the top; a failed write is reported and drops it.
    BOOL WriteCurrentSnapshot(CDocument* pDoc, bool bShiftRing);
    // A snapshot that could not be written leaves no file: nothing from m_nIndex up reloads.
    void DropCurrentSnapshot();
    BOOL Reload(int nIndex);
    // Whether the current index has a snapshot file of its own.
    BOOL HasCurrentSnapshot() const;
    void DeleteSnapshotFiles() const;

    CString m_strFolder;
    // Held while the store lives: the folder is in use.
    CFolderLock m_folderLock;
    // Set once the ring has shifted: from then on index 0 has a file of its own.
    BOOL m_bShifted = FALSE;
    // The index of the state the file holds; -1 when no snapshot holds it (never saved, or
    // given up or dropped from the ring since).
    int m_nSavedIndex = -1;
    // The lowest index Undo returns to: 0, or the opened state's index, which moves down with
    // the ring.
    int m_nOldestIndex = 0;
    int m_nStateCount = 0;
    // The memory a snapshot is composed in, kept for the next one, which mostly has about the
    // same size: a fresh buffer grew by copying and faulted its pages in on every edit.
    std::unique_ptr<CMemFile> m_pImage;
};
