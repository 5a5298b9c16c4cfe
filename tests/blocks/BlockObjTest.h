// Shared helpers of the block core tests: a document with the simulation context that the view
// scanning it would give its blocks (no window, no frame), and archive round trips in memory.
#pragma once

#include "blocks/BlockObj.h"
#include "blocks/SimContext.h"
#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/MemFile.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

// A document of the given type that owns the blocks added to it, and the context its blocks are
// stepped and drawn with: a running simulation at a clock the test sets.
class TestDocument {
public:
    explicit TestDocument(int nDocType = DOC_TYPE_FBD) : m_pDoc(std::make_unique<CVetlaDoc>())
    {
        m_pDoc->m_nDocType = nDocType;
    }

    CVetlaDoc& Doc() { return *m_pDoc; }
    CSimContext& Sim() { return m_sim; }

    // The simulated clock, both as the scan took it and as it stands.
    void SetClock(const SYSTEMTIME& st)
    {
        m_sim.stScan = st;
        m_sim.stNow = st;
    }

    // Adds a block made for this document to its list, which owns it from now on.
    template <class T>
    T* Add(T* pBlock)
    {
        if (!pBlock->GetDocument())
            pBlock->InitForDocument(m_pDoc.get());
        m_pDoc->m_blockList.AddTail(pBlock);
        return pBlock;
    }
    // The same under the given number.
    template <class T>
    T* Add(T* pBlock, int nNumber)
    {
        pBlock->m_nNumber = nNumber;
        return Add(pBlock);
    }

private:
    std::unique_ptr<CVetlaDoc> m_pDoc;
    CSimContext m_sim;
};

using Bytes = std::vector<BYTE>;

// Hardware codes of a newer- and an older-generation controller.
constexpr WORD kNewHardware = 0x5188;
constexpr WORD kOldHardware = 0x2188;

// Bytes written by fn on a storing archive.
inline Bytes StoreWith(const std::function<void(CArchive&)>& fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fn(ar);
        ar.Close();
    }
    const auto nLength = std::size_t(file.GetLength());
    BYTE* pData = file.Detach();
    Bytes bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}

// The bytes of one object record (class header and the object's own record).
inline Bytes StoreObject(const CObject* pObject)
{
    return StoreWith([pObject](CArchive& ar) { ar.WriteObject(pObject); });
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
