// Helpers of the record tests of the analog, special, message-text, Modbus, WiFi, data-log and
// ladder classes, the wires, the power rail and the comment box: archives in memory that carry
// a document, as the project file's archive does, and little-endian byte reading.
#pragma once

#include "BlockObjTest.h"

#include "platform/core/Exception.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string>

// Runs fn on a loading archive over bytes whose document is pDoc (may be null).
inline void LoadWith(const Bytes& bytes, CVetlaDoc* pDoc, const std::function<void(CArchive&)>& fn)
{
    Bytes copy = bytes;
    CMemFile file(copy.data(), UINT(copy.size()));
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = pDoc;
    fn(ar);
    ar.Close();
}

// One object record read back with pDoc as the archive's document; null when the object is
// not a T.
template <class T>
std::unique_ptr<T> LoadObjectAs(const Bytes& bytes, CVetlaDoc* pDoc)
{
    std::unique_ptr<CObject> pObject;
    LoadWith(bytes, pDoc, [&](CArchive& ar) { pObject.reset(ar.ReadObject(nullptr)); });
    if (!dynamic_cast<T*>(pObject.get()))
        return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(pObject.release()));
}

// The cause of the archive exception that fn throws; -1 when it throws none.
inline int ArchiveFailure(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

// Little-endian bytes in the archive's encoding, built independently of CArchive.
struct ByteWriter {
    Bytes b;
    void I32(int v)
    {
        for (int i = 0; i < 4; ++i)
            b.push_back(BYTE(unsigned(v) >> (8 * i)));
    }
    void W16(unsigned v)
    {
        b.push_back(BYTE(v));
        b.push_back(BYTE(v >> 8));
    }
    void Str(const std::u16string& s)  // shorter than 255 units
    {
        b.push_back(0xFF);
        W16(0xFFFE);
        b.push_back(BYTE(s.size()));
        for (char16_t c : s)
            W16(c);
    }
    void F64(double d)
    {
        BYTE raw[8];
        std::memcpy(raw, &d, 8);
        b.insert(b.end(), raw, raw + 8);
    }
};

inline int ReadI32(const Bytes& bytes, std::size_t nOffset)
{
    int n = 0;
    std::memcpy(&n, bytes.data() + nOffset, 4);
    return n;
}

inline unsigned ReadU16(const Bytes& bytes, std::size_t nOffset)
{
    return unsigned(bytes[nOffset]) | (unsigned(bytes[nOffset + 1]) << 8);
}

// The schema word of the class header that starts a record of a class's first object.
inline Bytes WithSchema(Bytes bytes, WORD wSchema)
{
    bytes[2] = BYTE(wSchema);
    bytes[3] = BYTE(wSchema >> 8);
    return bytes;
}

// A block record's common part through item 28 when its three strings there are empty, and
// the schema-1 tail of the common part with an empty text parameter.
constexpr std::size_t kCommonShortLength = 414 + 3 * 4;
constexpr std::size_t kCommonTailLength = 52 + 4;

// The schema-0 form of a stored schema-1 block record whose strings are empty: the common
// tail goes, and so do nClassTailCut bytes at the end of the class's own fields.
inline Bytes ToSchema0(const Bytes& stored, const CObject* pObject, std::size_t nClassTailCut)
{
    const std::size_t nHeader = ClassHeaderLength(pObject);
    Bytes bytes = WithSchema(stored, 0);
    const auto itTail = bytes.begin() + std::ptrdiff_t(nHeader + kCommonShortLength);
    bytes.erase(itTail, itTail + std::ptrdiff_t(kCommonTailLength));
    bytes.resize(bytes.size() - nClassTailCut);
    return bytes;
}
