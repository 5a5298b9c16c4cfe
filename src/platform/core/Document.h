// CDocument: the framework's document: its modified flag, path name and title, and the file
// operations new, open and save. Opening and saving are safe against bad files and failing
// disks: a load that fails leaves the contents as they were, and a save writes the file through
// WriteFileSafely, which replaces it only when complete and keeps what the file was.
#pragma once

#include "platform/core/CmdTarget.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>
#include <memory>
#include <vector>

class CArchive;
class CDocTemplate;
class CDocument;
class CFile;
class CFrameWnd;
class CView;
struct PositionTag;
using POSITION = PositionTag*;

// What a document asks of the window layer, where its views, their frames, its template and the
// recent-file list live. The layer installs these before it makes its first view or template;
// without them a document has no views and no template, and none of these is called.
struct DocumentWindowOps {
    void (*attachView)(CView* pView, CDocument* pDoc);   // the view's m_pDocument
    void (*updateView)(CView* pView, CView* pSender, LPARAM lHint, CObject* pHint);
    CFrameWnd* (*frameOfView)(CView* pView);
    void (*destroyFrame)(CFrameWnd* pFrame);
    BOOL (*templateCmdMsg)(CDocTemplate* pTemplate, UINT nID, int nCode, void* pExtra,
                           AFX_CMDHANDLERINFO* pHandlerInfo);
    void (*removeFromTemplate)(CDocTemplate* pTemplate, CDocument* pDoc);
    void (*addToRecentFiles)(LPCTSTR lpszPathName);
};
void AfxSetDocumentWindowOps(const DocumentWindowOps* pOps);

// Runs fn. A failure it raises (a framework exception, an allocation failure, any other
// standard exception) is reported in a message box and the result is FALSE. A file or archive
// error is reported under strUserPath when one is given: the file the user chose.
BOOL RunAndReport(const std::function<void()>& fn, const CString& strUserPath = CString());

// Resource ids of the Save As dialog titles and the file-dialog flags the documents pass.
constexpr UINT AFX_IDS_SAVEFILE = 0xF006;
constexpr UINT AFX_IDS_SAVEFILECOPY = 0xF007;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    // Asks the user for a file name: the application installs the dialog; strName holds the
    // proposal on entry and the choice on return. FALSE when cancelled.
    using PromptFileNameFn =
        std::function<BOOL(CString& strName, UINT nTitleId, DWORD dwFlags, BOOL bOpen, CDocument* pDoc)>;
    // Installs the prompt; an empty function removes it, after which every save that needs a
    // name fails.
    static void SetPromptFileName(PromptFileNameFn fn);

    CDocument() = default;
    // Leaves its template's list.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the path, made absolute (AbsolutePath), and takes the file name from it as the
    // title: a file named relative to the folder the program started in stays that file.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Empties the document; FALSE only when emptying failed.
    virtual BOOL OnNewDocument();
    // Reads the file into the document. A file that cannot be opened or read, or whose content
    // is bad, is reported through its exception and leaves the document as it was.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Writes the document to the path (WriteFileSafely); a failure is reported and leaves the
    // existing file untouched. A file its user may not write is not replaced.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Save (a path given) or Save As (null or empty: the user is asked for a name, starting
    // from the document's path). FALSE when cancelled, when no name can be asked for, or when
    // the save fails.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    // Save: the document's path, or Save As when it has none.
    BOOL DoFileSave();
    // The name Save As proposes for a document without a path: the title cut at the first of
    // " #%;/\\". Documents with a file type of their own append its extension.
    virtual CString GetProposedSaveName() const;
    virtual void DeleteContents();

    // Replaces the contents with the document that pFile holds from its current position. The
    // file is read whole first and, when the document offers a trial document, loaded into that
    // one: a file that cannot be read or holds a bad document fails before anything of this
    // document is touched, so that every object of it stays what and where it was; a document
    // that can adopt the trial's contents takes them over. Otherwise the file is loaded again
    // into this document, and should that load still fail, the previous contents are brought
    // back. Failures are rethrown.
    void LoadContents(CFile* pFile);
    // Writes the contents to pFile.
    void StoreContents(CFile* pFile);

    // ---- views, frames and the template ----
    // The template that made the document; null for a document made without one.
    CDocTemplate* m_pDocTemplate = nullptr;
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    // Whether the document deletes itself when its last view goes or it is closed.
    BOOL m_bAutoDelete = TRUE;

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    int GetViewCount() const { return int(m_views.size()); }
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // The last view gone: an auto-deleting document closes.
    virtual void OnChangedViewList();
    // Destroys the frames of all views, empties the document and, when it deletes itself,
    // deletes it.
    virtual void OnCloseDocument();
    // The classic question "Save changes to <name>?" with Yes, No and Cancel when the document
    // is modified: Yes saves (a failed or cancelled save keeps the document open). TRUE when
    // the document may close.
    virtual BOOL SaveModified();
    // Closing pFrame closes the document only when no other frame shows it; only then is the
    // user asked to save.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // The document's own map, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    // Called after DeleteContents whenever the contents are about to be loaded again: state
    // that a load merges into rather than replaces is cleared here.
    virtual void PrepareForReload() {}
    // An empty document of the same kind, with no effect on anything outside it, that a load
    // is tried on first; null when the document offers none.
    virtual std::unique_ptr<CDocument> CreateTrialDocument() const { return nullptr; }
    // Takes over the contents of the trial document, which has just loaded the file in full,
    // in place of loading it again; FALSE when the document cannot, and the file is loaded
    // into it once more.
    virtual BOOL AdoptTrialContents(CDocument& /*trial*/) { return FALSE; }
    // Asks for a file name through the installed prompt; FALSE when none is installed or the
    // user cancels.
    BOOL PromptFileName(CString& strName, UINT nTitleId, DWORD dwFlags);

private:
    void LoadFrom(CFile* pFile);

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_views;
};
