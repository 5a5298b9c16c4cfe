// A document shown in the active view of a main frame, as the editor's and the shell's tests
// need it.
#pragma once

#include "blocks/BlockObjTest.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "shell/MainFrame.h"

#include <memory>

// Makes a document of the given type the active one of a main frame, with its child frame and
// view, for the lifetime of the object; blocks added to it are made for it.
class ActiveDocument {
public:
    explicit ActiveDocument(int nDocType = DOC_TYPE_FBD)
    {
        AfxSetMainFrame(&m_frame);
        m_pDoc = std::make_unique<CVetlaDoc>();
        m_pDoc->m_nDocType = nDocType;
        m_view.SetDocument(m_pDoc.get());
        m_child.SetActiveView(&m_view);
        m_frame.MDIActivate(&m_child);
    }
    ~ActiveDocument()
    {
        m_frame.MDIActivate(nullptr);
        m_pDoc.reset();
        AfxSetMainFrame(nullptr);
    }
    ActiveDocument(const ActiveDocument&) = delete;
    ActiveDocument& operator=(const ActiveDocument&) = delete;

    CVetlaDoc& Doc() { return *m_pDoc; }
    CVetlaView& View() { return m_view; }
    CChildFrame& Frame() { return m_child; }

    // Adds a block to the document's list, which owns it from now on.
    template <class T>
    T* Add(T* pBlock)
    {
        if (!pBlock->GetDocument())
            pBlock->InitForDocument(m_pDoc.get());
        m_pDoc->m_blockList.AddTail(pBlock);
        return pBlock;
    }
    // A block of the type as the view makes it, numbered nNumber and added.
    CBlockObj* Add(int nType, int nNumber)
    {
        CBlockObj* pBlock = m_view.CreateBlockObject(nType);
        pBlock->m_nNumber = nNumber;
        return Add(pBlock);
    }

private:
    CMainFrame m_frame;
    CChildFrame m_child;
    CVetlaView m_view;
    std::unique_ptr<CVetlaDoc> m_pDoc;
};
