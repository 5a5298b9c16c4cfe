// CDocTemplate: ties a document class to the frame and view classes that show it, with the
// document strings of its resource id ("\n"-separated: window title, document name, file-new
// name, filter name, filter extension, registry file type id and name) and the menu its
// documents share. It makes documents with their frames and views, opens files into them and
// keeps the list of its open documents. CMultiDocTemplate is the kind for MDI applications.
#pragma once

#include "platform/core/CmdTarget.h"
#include "platform/core/Position.h"
#include "platform/ui/Menu.h"

#include <vector>

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen,
    };

    ~CDocTemplate() override;

    // The field of the document strings; FALSE (and empty) when the field is missing or empty.
    virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
    // Replaces the document strings (normally loaded from string resource nIDResource).
    void SetDocStrings(LPCTSTR lpszDocStrings) { m_strDocStrings = lpszDocStrings; }

    virtual POSITION GetFirstDocPosition() const;
    virtual CDocument* GetNextDoc(POSITION& rPos) const;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new empty document of the template's class, in the template's list; null on failure.
    virtual CDocument* CreateNewDocument();
    // A new frame with its view for pDoc (pOther: a frame to copy; unused here). Null when the
    // frame or its view cannot be made; the document is not touched then.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A path gives an opened document (null when the file cannot be read: the user was told,
    // and nothing is left behind); no path a new untitled one.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // Titles new documents "<document name><n>".
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // How sure the template is that it should open the file: yesAlreadyOpen (rpDocMatch set)
    // when one of its documents has that path, yesAttemptNative when the extension is its
    // filter extension (any case), else maybeAttemptForeign.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);
    // Whether the open documents may close (each is asked to save).
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT GetResourceID() const { return m_nIDResource; }
    // The menu the template's frames show; null when resource nIDResource has no menu.
    CMenu* GetSharedMenu() { return m_menuShared.GetSafeHmenu() ? &m_menuShared : nullptr; }

    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    CString m_strDocStrings;
    CMenu m_menuShared;
    std::vector<CDocument*> m_docList;
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)

public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);

    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    // Numbers the next untitled document.
    UINT m_nUntitledCount = 0;
};
