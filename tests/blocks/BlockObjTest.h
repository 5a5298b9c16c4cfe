// Shared helpers of the block core tests: an active main frame, child frame, view and
// document as the blocks find them at run time, and archive round trips in memory.
#pragma once

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/core/Archive.h"
#include "platform/core/MemFile.h"
#include "shell/MainFrame.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// Makes a document of the given type the active one for the lifetime of the object.
class ActiveDocument {
public:
    explicit ActiveDocument(int nDocType = DOC_TYPE_FBD)
    {
        AfxSetMainFrame(&m_frame);
        m_pDoc = std::make_unique<CVetlaDoc>();
        m_pDoc->m_nDocType = nDocType;
        m_view.m_pDocument = m_pDoc.get();
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
        m_pDoc->m_blockList.AddTail(pBlock);
        return pBlock;
    }

private:
    CMainFrame m_frame;
    CChildFrame m_child;
    CVetlaView m_view;
    std::unique_ptr<CVetlaDoc> m_pDoc;
};

using Bytes = std::vector<BYTE>;

// The bytes of one object record (class header and the object's own record).
inline Bytes StoreObject(const CObject* pObject)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(pObject);
        ar.Close();
    }
    const auto nLength = std::size_t(file.GetLength());
    BYTE* pData = file.Detach();
    Bytes bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}

// Reads one object record back; throws what the archive throws.
inline std::unique_ptr<CObject> LoadObject(const Bytes& bytes)
{
    Bytes copy = bytes;
    CMemFile file(copy.data(), UINT(copy.size()));
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<CObject> pObject(ar.ReadObject(nullptr));
    ar.Close();
    return pObject;
}

// The length of the class header that WriteObject puts before the first object of a class.
inline std::size_t ClassHeaderLength(const CObject* pObject)
{
    return 6 + std::strlen(pObject->GetRuntimeClass()->m_lpszClassName);
}
