#include "platform/core/Archive.h"

#include "platform/core/Document.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"
#include "platform/core/ObjectArena.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <string>

namespace {

constexpr WORD kNullTag = 0x0000;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kMaxMapIndex = 0x7FFFFFFF;

constexpr BYTE kByteEscape = 0xFF;
constexpr WORD kWideStringMarker = 0xFFFE;
constexpr WORD kWordEscape = 0xFFFF;

// Strings are read in pieces, so that a damaged length runs into the end of the data instead of
// reserving gigabytes first.
constexpr DWORD kStringChunk = 0x10000;

constexpr int kMinBufferSize = 16;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile),
      m_strFileName(pFile->GetFilePath()),
      m_bLoading((nMode & load) != 0),
      m_bFlushOnDelete((nMode & bNoFlushOnDelete) == 0),
      m_nUncaughtAtStart(std::uncaught_exceptions())
{
    if (!m_bLoading) {
        m_buffer.resize(std::size_t(std::max(nBufSize, kMinBufferSize)));
        return;
    }
    m_loadTable.AddObject(nullptr);
    // A memory file's bytes are there already: copying them into a buffer of our own would
    // only read every byte twice. The archive keeps no buffer then, and once the file's rest
    // is handed out every further read finds the file at its end.
    if (auto* pMemFile = dynamic_cast<CMemFile*>(pFile)) {
        m_pLoadBytes = pMemFile->ReadInPlace(m_nBufMax);
        m_bReadsInPlace = true;
        return;
    }
    m_buffer.resize(std::size_t(std::max(nBufSize, kMinBufferSize)));
    m_pLoadBytes = m_buffer.data();
}

CArchive::~CArchive()
{
    if (m_pFile == nullptr)
        return;
    if (!m_bFlushOnDelete || std::uncaught_exceptions() > m_nUncaughtAtStart) {
        Abort();
        return;
    }
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
    }
}

UINT CArchive::GetObjectSchema()
{
    const UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = UINT(-1);
    return nSchema;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::generic);
    if (m_bLoading) {
        if (m_nBufMax > m_nBufCur)
            m_pFile->Seek(-LONGLONG(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufCur = m_nBufMax = 0;
    } else {
        WriteBufferToFile();
    }
}

void CArchive::Close()
{
    if (m_pFile == nullptr)
        return;
    try {
        Flush();
    } catch (...) {
        Abort();
        throw;
    }
    Abort();
}

// Detaches the file and drops the buffer, so that the inline value paths find no room and every
// later read or write reaches the checks that refuse it.
void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nBufCur = m_nBufMax = 0;
    m_buffer.clear();
    m_pLoadBytes = nullptr;
    m_bReadsInPlace = false;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    auto* pDest = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_nBufCur < m_nBufMax) {
            const std::size_t nTake = std::min<std::size_t>(nMax - nDone, m_nBufMax - m_nBufCur);
            std::memcpy(pDest + nDone, m_pLoadBytes + m_nBufCur, nTake);
            m_nBufCur += nTake;
            nDone += UINT(nTake);
            continue;
        }
        const UINT nLeft = nMax - nDone;
        if (nLeft >= m_buffer.size()) {
            const UINT nRead = m_pFile->Read(pDest + nDone, nLeft);
            if (nRead == 0)
                break;
            nDone += nRead;
            continue;
        }
        m_nBufCur = 0;
        m_pLoadBytes = m_buffer.data();
        m_nBufMax = m_pFile->Read(m_buffer.data(), UINT(m_buffer.size()));
        if (m_nBufMax == 0)
            break;
    }
    return nDone;
}

void CArchive::EnsureReadFromFile(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        Throw(CArchiveException::endOfFile);
}

void CArchive::WriteAcrossEdge(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const auto* pSource = static_cast<const BYTE*>(lpBuf);
    if (nMax <= m_buffer.size() - m_nBufCur) {
        std::memcpy(m_buffer.data() + m_nBufCur, pSource, nMax);
        m_nBufCur += nMax;
        return;
    }
    WriteBufferToFile();
    if (nMax >= m_buffer.size()) {
        m_pFile->Write(pSource, nMax);
    } else {
        std::memcpy(m_buffer.data(), pSource, nMax);
        m_nBufCur = nMax;
    }
}

void CArchive::WriteBufferToFile()
{
    if (m_nBufCur == 0)
        return;
    const UINT nBytes = UINT(m_nBufCur);
    m_nBufCur = 0;
    m_pFile->Write(m_buffer.data(), nBytes);
}

// A count from the escape on; beyond 32 bits it has no stored form.
void CArchive::WriteLargeCount(DWORD_PTR dwCount)
{
    if (dwCount > 0xFFFFFFFFu)
        Throw(CArchiveException::generic);
    *this << kCountEscape << DWORD(dwCount);
}

DWORD_PTR CArchive::ReadLargeCount()
{
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

DWORD CArchive::NextStoreIndex()
{
    if (m_nMapCount > kMaxMapIndex)
        Throw(CArchiveException::generic);
    return m_nMapCount++;
}

inline void CArchive::WriteTag(DWORD dwIndex, bool bClass)
{
    if (dwIndex < kBigObjectTag) {
        *this << WORD((bClass ? kClassTag : 0) | dwIndex);
    } else {
        *this << kBigObjectTag << DWORD((bClass ? kBigClassTag : 0) | dwIndex);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    // A class without a schema has no stored form, and its objects could not be read back.
    if (pClassRef->m_wSchema == SCHEMA_NOT_SERIAL)
        Throw(CArchiveException::badClass);
    // Classes have a table of their own: a few dozen of them, looked up for every object.
    DWORD& dwIndex = m_storeClassMap.FindOrAdd(pClassRef);
    if (dwIndex) {
        WriteTag(dwIndex, true);
    } else {
        const std::size_t nLength = std::strlen(pClassRef->m_lpszClassName);
        *this << kNewClassTag << WORD(pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA)
              << WORD(nLength);
        Write(pClassRef->m_lpszClassName, UINT(nLength));
        dwIndex = NextStoreIndex();
    }
    m_pLastStoreClass = pClassRef;
    m_dwLastStoreClassIndex = dwIndex;
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr) {
        *this << kNullTag;
        return;
    }
    // Found or entered in one walk; the class record that comes first uses the other table, so
    // the place stays valid until the index is filled in.
    DWORD& dwIndex = m_storeMap.FindOrAdd(pOb);
    if (dwIndex) {
        WriteTag(dwIndex, false);
        return;
    }
    // Objects of one class mostly come in runs (a document's wires, a family of blocks, a
    // text's elements): the class written last repeats its tag without a second look.
    const CRuntimeClass* pClassRef = pOb->GetRuntimeClass();
    if (pClassRef == m_pLastStoreClass)
        WriteTag(m_dwLastStoreClassIndex, true);
    else
        WriteClass(pClassRef);
    dwIndex = NextStoreIndex();
    // Storing does not change the object; Serialize is one routine for both directions.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::ClassifyDocument(const CRuntimeClass* pClass)
{
    m_pClassedDocument = m_pDocument;
    m_pAskedKind = pClass;
    m_pDocumentOfKind = m_pDocument && m_pDocument->IsKindOf(pClass) ? m_pDocument : nullptr;
}

// A class record: its schema, the length of its name, then the name. A small file has nearly
// as many of them as objects, so the name is looked up where it lies in the buffer.
CRuntimeClass* CArchive::LoadNewClass(UINT& nSchema)
{
    WORD wSchema;
    WORD wLength;
    *this >> wSchema >> wLength;
    const BYTE* pName = TakeInPlace(wLength);
    CRuntimeClass* pClassRef =
        pName ? CRuntimeClass::FromName(std::string_view(reinterpret_cast<const char*>(pName), wLength))
              : ReadClassNamePieceByPiece(wLength);
    if (pClassRef == nullptr || pClassRef->m_pfnCreateObject == nullptr ||
        pClassRef->m_wSchema == SCHEMA_NOT_SERIAL)
        Throw(CArchiveException::badClass);
    if (wSchema != (pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) &&
        !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
        Throw(CArchiveException::badSchema);
    nSchema = wSchema;
    m_loadTable.AddClass(pClassRef, nSchema);
    return pClassRef;
}

// A name the buffer does not hold whole, or an archive that does not read in place. Out of
// line, so that the common case keeps no string's frame.
[[gnu::noinline]] CRuntimeClass* CArchive::ReadClassNamePieceByPiece(WORD wLength)
{
    std::string name(wLength, '\0');
    EnsureRead(name.data(), wLength);
    return CRuntimeClass::FromName(std::string_view(name));
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    return ReadClassAfterTag(wTag, pClassRefRequested, pSchema, pObTag);
}

CRuntimeClass* CArchive::ReadClassAfterTag(WORD wTag, const CRuntimeClass* pClassRefRequested,
                                           UINT* pSchema, DWORD* pObTag)
{
    DWORD obTag;
    if (wTag == kBigObjectTag)
        *this >> obTag;
    else
        obTag = (DWORD(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == kNewClassTag) {
        pClassRef = LoadNewClass(nSchema);
    } else if (obTag & kBigClassTag) {
        const DWORD nIndex = obTag & ~kBigClassTag;
        if (nIndex >= m_loadTable.GetCount() ||
            m_loadTable[nIndex].kind != CArchiveLoadTable::Entry::Kind::Class)
            Throw(CArchiveException::badIndex);
        pClassRef = m_loadTable[nIndex].Class();
        nSchema = m_loadTable[nIndex].nSchema;
    } else {
        if (pObTag == nullptr)
            Throw(CArchiveException::badClass);
        *pObTag = obTag;
        return nullptr;
    }
    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    const CRuntimeClass* pCreatedClass;
    return ReadObject(pClassRefRequested, pCreatedClass);
}

// Nearly every record of a file is an object of a class named before, whose short class tag is
// found in the table at once, or the first object of a class, whose class record follows the
// tag: the object's load follows without a frame of this function's own. Every other record
// takes the general decoding, and a tag at the buffer's edge a function of its own. A storing
// or closed archive has nothing buffered, so the tag's read there reaches the checks that
// refuse it.
CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested,
                              const CRuntimeClass*& pCreatedClass)
{
    WORD wTag;
    if (!m_bLoading || sizeof wTag > m_nBufMax - m_nBufCur)
        return ReadObjectAtEdge(pClassRefRequested, pCreatedClass);
    std::memcpy(&wTag, m_pLoadBytes + m_nBufCur, sizeof wTag);
    m_nBufCur += sizeof wTag;
    if ((wTag & kClassTag) == 0)
        return ReadObjectAfterTag(wTag, pClassRefRequested, pCreatedClass);
    CRuntimeClass* pClassRef;
    UINT nSchema;
    WORD wClassTag = wTag;
    if (wTag == kNewClassTag) {
        // The first object of its class in the archive: in a small file, one in four. Later
        // objects of the class carry its index, in the short form while it has one.
        pClassRef = LoadNewClass(nSchema);
        const std::size_t nIndex = m_loadTable.GetCount() - 1;
        wClassTag = nIndex < kBigObjectTag ? WORD(kClassTag | nIndex) : 0;
    } else {
        const std::size_t nIndex = wTag & ~kClassTag;
        if (nIndex >= m_loadTable.GetCount())
            Throw(CArchiveException::badIndex);
        const CArchiveLoadTable::Entry& entry = m_loadTable[nIndex];
        if (entry.kind != CArchiveLoadTable::Entry::Kind::Class)
            Throw(CArchiveException::badIndex);
        pClassRef = entry.Class();
        nSchema = entry.nSchema;
    }
    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    pCreatedClass = pClassRef;
    m_pRunClass = pClassRef;
    m_wRunClassTag = wClassTag;
    m_nRunSchema = nSchema;
    return LoadNewObject(pClassRef, nSchema);
}

[[gnu::noinline]] CObject* CArchive::ReadObjectAtEdge(const CRuntimeClass* pClassRefRequested,
                                                     const CRuntimeClass*& pCreatedClass)
{
    WORD wTag;
    *this >> wTag;
    return ReadObjectAfterTag(wTag, pClassRefRequested, pCreatedClass);
}

CObject* CArchive::ReadObjectAfterTag(WORD wTag, const CRuntimeClass* pClassRefRequested,
                                      const CRuntimeClass*& pCreatedClass)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClassAfterTag(wTag, pClassRefRequested, &nSchema, &obTag);
    pCreatedClass = pClassRef;
    if (pClassRef != nullptr)
        return LoadNewObject(pClassRef, nSchema);

    if (obTag >= m_loadTable.GetCount() ||
        m_loadTable[obTag].kind != CArchiveLoadTable::Entry::Kind::Object)
        Throw(CArchiveException::badIndex);
    CObject* pOb = m_loadTable[obTag].Object();
    if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
        Throw(CArchiveException::badClass);
    return pOb;
}

// The class record was checked for a creator when it was read, so the object is made in the
// load's arena straight away.
CObject* CArchive::LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema)
{
    std::unique_ptr<CObject> pOb(CreateObjectInScope(pClassRef->m_pfnCreateObject));
    if (pOb == nullptr)
        AfxThrowMemoryException();
    ReadEnteredObject(pOb.get(), nSchema, [&] { pOb->Serialize(*this); });
    return pOb.release();
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::generic);
    if (!m_bLoading)
        Throw(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::generic);
    if (m_bLoading)
        Throw(CArchiveException::readOnly);
}

CObject* AfxReadObjectOfClass(CArchive& ar, const CRuntimeClass* pClassRefRequested)
{
    return ar.ReadObject(pClassRefRequested);
}

void CArchive::WriteStringRecord(const CString& str)
{
    const auto nLength = DWORD(str.GetLength());
    if (nLength < kByteEscape)
        WriteFields(kByteEscape, kWideStringMarker, BYTE(nLength));
    else if (nLength < kWideStringMarker)
        WriteFields(kByteEscape, kWideStringMarker, kByteEscape, WORD(nLength));
    else
        WriteFields(kByteEscape, kWideStringMarker, kByteEscape, kWordEscape, nLength);
    // The units are the string's own UTF-16LE memory, written in one piece; a CString's int
    // length keeps their bytes within a UINT.
    static_assert(std::endian::native == std::endian::little && sizeof(TCHAR) == 2);
    if (nLength > 0)
        Write(str.GetString(), UINT(nLength * sizeof(TCHAR)));
}

namespace {

// The length that follows the wide marker, or that stands alone in the narrow form.
DWORD ReadStringLength(CArchive& ar, bool& bWide)
{
    bWide = false;
    BYTE bLength;
    ar >> bLength;
    if (bLength < kByteEscape)
        return bLength;
    WORD wLength;
    ar >> wLength;
    if (wLength == kWideStringMarker) {
        bWide = true;
        ar >> bLength;
        if (bLength < kByteEscape)
            return bLength;
        ar >> wLength;
    }
    if (wLength < kWordEscape)
        return wLength;
    DWORD dwLength;
    ar >> dwLength;
    return dwLength;
}

std::string ReadNarrowUnits(CArchive& ar, DWORD nLength)
{
    std::string text;
    for (DWORD nLeft = nLength; nLeft > 0;) {
        const DWORD nPiece = std::min(nLeft, kStringChunk);
        const std::size_t nOld = text.size();
        text.resize(nOld + nPiece);
        ar.EnsureRead(text.data() + nOld, UINT(nPiece));
        nLeft -= nPiece;
    }
    return text;
}

// Wide text is read straight into the string's own units, so that a text costs one
// allocation at most rather than a temporary and its copy.
void ReadWideUnits(CArchive& ar, CString& str, DWORD nLength)
{
    str.Empty();
    for (DWORD nDone = 0; nDone < nLength;) {
        const DWORD nPiece = std::min(nLength - nDone, kStringChunk);
        // A CString counts its units in int; a damaged length mostly runs into the end of the
        // data long before.
        if (nDone + nPiece > DWORD(std::numeric_limits<int>::max()))
            AfxThrowArchiveException(CArchiveException::generic);
        LPTSTR pUnits = str.GetBufferSetLength(int(nDone + nPiece));
        ar.EnsureRead(pUnits + nDone, UINT(nPiece * sizeof(TCHAR)));
        nDone += nPiece;
    }
}

} // namespace

// Most texts of a record are wide and shorter than 255 units (FF FE FF, a length byte, the
// units). When the bytes at hand hold such a text whole it is copied from there at once.
std::size_t CArchive::TakeShortWideString(const BYTE* pBytes, std::size_t nBuffered,
                                          CString& str)
{
    constexpr std::size_t kShortHeader = 4;
    if (nBuffered < kShortHeader)
        return 0;
    const std::size_t nUnits = pBytes[3];
    const std::size_t nBytes = nUnits * sizeof(TCHAR);
    if (pBytes[0] != kByteEscape || pBytes[1] != (kWideStringMarker & 0xFF) ||
        pBytes[2] != (kWideStringMarker >> 8) || nUnits >= kByteEscape ||
        kShortHeader + nBytes > nBuffered)
        return 0;
    if (nUnits == 0)
        str.Empty();
    else
        std::memcpy(str.GetBufferSetLength(int(nUnits)), pBytes + kShortHeader, nBytes);
    return kShortHeader + nBytes;
}

// A short wide text the buffer holds whole is taken at once; any other form, and a text at the
// buffer's edge, is read field by field.
CArchive& ReadStringRecord(CArchive& ar, CString& str)
{
    if (ar.m_bLoading) {
        const std::size_t nTaken = CArchive::TakeShortWideString(
            ar.m_pLoadBytes + ar.m_nBufCur, ar.m_nBufMax - ar.m_nBufCur, str);
        if (nTaken > 0) {
            ar.m_nBufCur += nTaken;
            return ar;
        }
    }
    bool bWide = false;
    const DWORD nLength = ReadStringLength(ar, bWide);
    if (bWide)
        ReadWideUnits(ar, str, nLength);
    else
        str = CString::From8Bit(ReadNarrowUnits(ar, nLength));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator<<(CArchive& ar, const POINT& pt)
{
    return ar << int(pt.x) << int(pt.y);
}

CArchive& operator<<(CArchive& ar, const SIZE& size)
{
    return ar << int(size.cx) << int(size.cy);
}

CArchive& operator<<(CArchive& ar, const RECT& rect)
{
    return ar << int(rect.left) << int(rect.top) << int(rect.right) << int(rect.bottom);
}

CArchive& operator>>(CArchive& ar, POINT& pt)
{
    return ar >> pt.x >> pt.y;
}

CArchive& operator>>(CArchive& ar, SIZE& size)
{
    return ar >> size.cx >> size.cy;
}

CArchive& operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
