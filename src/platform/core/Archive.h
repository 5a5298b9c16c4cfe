// CArchive: the framework's binary serialization, byte-exact with the stored project files,
// clipboard data and undo snapshots. Everything is little-endian:
//   int, LONG, DWORD, UINT, float: 4 bytes; short, WORD: 2; BYTE: 1; double: 8.
//   CString: always written in the wide form, FF FE FF, then the length in UTF-16 units (a BYTE
//     below 255, else FF and a WORD below 0xFFFE, else FF FF FF and a DWORD), then UTF-16LE
//     units. The narrow form (no FF FE FF prefix, ISO-8859-1 bytes) is read as well.
//   Count (WriteCount): a WORD, or FF FF and a DWORD when the count is 0xFFFF or more.
//   Object record (WriteObject): 00 00 for null; the WORD index of an object already written
//     (7F FF and a DWORD from index 0x7FFF on); otherwise a class record and the object's own
//     Serialize. Class record: FF FF, the schema WORD, the name length WORD and the ASCII name
//     for a class not yet written; else WORD 0x8000 | class index (7F FF and DWORD
//     0x80000000 | index from index 0x7FFF on). Classes and objects share one index counter
//     per archive that starts at 1 (0 is the null object).
//
// Failures throw CArchiveException* (end of file, bad class, bad schema, bad index, a load
// operation on a storing archive or the reverse), CFileException* from the file underneath and
// CMemoryException*; see Exception.h for how they are caught and freed. An archive that has
// thrown is finished: close or destroy it.
#pragma once

#include "platform/core/ArchiveLoadTable.h"
#include "platform/core/File.h"
#include "platform/core/Object.h"
#include "platform/core/PointerIndexMap.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

using DWORD_PTR = std::uintptr_t;

class CDocument;

// The types whose memory is their stored form: the numbers of the << operators and the
// records of raw ints (a derived geometry class adds no data to its base). The fields that
// CArchive::WriteFields writes and a record reader reads back.
template <class Field>
constexpr bool IsStoredField()
{
    using T = std::remove_all_extents_t<Field>;
    return std::is_same_v<T, BYTE> || std::is_same_v<T, WORD> || std::is_same_v<T, short> ||
           std::is_same_v<T, int> || std::is_same_v<T, UINT> || std::is_same_v<T, float> ||
           std::is_same_v<T, double> ||
           (std::is_base_of_v<POINT, T> && sizeof(T) == sizeof(POINT)) ||
           (std::is_base_of_v<SIZE, T> && sizeof(T) == sizeof(SIZE)) ||
           (std::is_base_of_v<RECT, T> && sizeof(T) == sizeof(RECT));
}

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // The archive reads from or writes to pFile through a buffer of nBufSize bytes, starting at
    // the file's current position. A memory file is read in place instead: the archive hands
    // out the file's own bytes, which must stay as they are while it reads.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    // Does what Close does, unless constructed with bNoFlushOnDelete or destroyed while an
    // exception unwinds. Errors cannot leave a destructor, so call Close to learn about them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const { return m_pFile; }

    // The schema number read with the object being loaded, once; (UINT)-1 on later calls.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Storing: writes the buffer to the file. Loading: gives back to the file what was read
    // ahead, so that the file stands right after the last byte the archive handed out.
    void Flush();
    // Flushes and detaches the file (which stays open).
    void Close();
    // Detaches the file without writing what is still buffered; never throws.
    void Abort();

    // Raw bytes. Read returns fewer than nMax only at the end of the data; EnsureRead throws
    // endOfFile instead.
    UINT Read(void* lpBuf, UINT nMax);
    // Runs of fields and arrays are copied inline when the buffer holds them, as single values
    // are; the buffer's edge and the end of the data go through Read.
    void EnsureRead(void* lpBuf, UINT nCount)
    {
        if (m_bLoading && nCount != 0 && nCount <= m_nBufMax - m_nBufCur) {
            std::memcpy(lpBuf, m_pLoadBytes + m_nBufCur, nCount);
            m_nBufCur += nCount;
        } else {
            EnsureReadFromFile(lpBuf, nCount);
        }
    }
    // Bytes that fit the buffer are copied inline; only the buffer's edge takes the call.
    void Write(const void* lpBuf, UINT nMax)
    {
        if (!m_bLoading && nMax <= m_buffer.size() - m_nBufCur) {
            std::memcpy(m_buffer.data() + m_nBufCur, lpBuf, nMax);
            m_nBufCur += nMax;
        } else {
            WriteAcrossEdge(lpBuf, nMax);
        }
    }

    // A run of fixed-size fields of a record, in their order: the same bytes as writing each
    // with <<, with the buffer's room checked once for the whole run rather than per field.
    // Fields are the numbers << writes, points, sizes, rectangles and arrays of them. Always
    // inlined: a long run called out of line passes every field's address on the stack.
    template <class... Fields>
    [[gnu::always_inline]] void WriteFields(const Fields&... fields)
    {
        static_assert((IsStoredField<Fields>() && ...), "WriteFields: not a stored field type");
        constexpr std::size_t nBytes = (sizeof(Fields) + ...);
        if (!m_bLoading && nBytes <= m_buffer.size() - m_nBufCur) {
            BYTE* pRun = m_buffer.data() + m_nBufCur;
            m_nBufCur += nBytes;
            PutFields(pRun, fields...);
        } else {
            BYTE run[nBytes];
            PutFields(run, fields...);
            WriteAcrossEdge(run, UINT(nBytes));
        }
    }

    // Counts below the escape, nearly all of them, are one WORD written inline.
    void WriteCount(DWORD_PTR dwCount)
    {
        if (dwCount < kCountEscape)
            WriteValue(WORD(dwCount));
        else
            WriteLargeCount(dwCount);
    }
    // A count below the escape is taken from the buffer inline, as it is written.
    DWORD_PTR ReadCount()
    {
        WORD wCount;
        *this >> wCount;
        return wCount != kCountEscape ? wCount : ReadLargeCount();
    }

    // Loading a memory file: the next nBytes, taken without a copy from the file's own bytes,
    // which stay valid while the archive lives. Null, with nothing taken, when the data ends
    // before them or the archive reads through a buffer of its own that a later read refills
    // (read them with EnsureRead then).
    const BYTE* TakeInPlace(std::size_t nBytes)
    {
        if (!m_bReadsInPlace || nBytes > m_nBufMax - m_nBufCur)
            return nullptr;
        const BYTE* pBytes = m_pLoadBytes + m_nBufCur;
        m_nBufCur += nBytes;
        return pBytes;
    }
    // Loading: a counted run of fixed-size elements (the count as WriteCount writes it, then
    // the elements' bytes) taken from the buffer in one step: the elements' bytes, with their
    // count in nCount, to be copied before the archive reads on. Null, with nothing taken, when
    // the buffer does not hold the whole run or the count is escaped: the caller reads it
    // piece by piece then, so that a count beyond the data still ends at the end of the data.
    const BYTE* TakeCountedRun(std::size_t nElementSize, std::size_t& nCount)
    {
        if (!m_bLoading)
            return nullptr;
        const BYTE* pBytes = m_pLoadBytes + m_nBufCur;
        const std::size_t nRun = CountedRunBytes(pBytes, m_nBufMax - m_nBufCur, nElementSize,
                                                 nCount);
        if (nRun == 0)
            return nullptr;
        m_nBufCur += nRun;
        return pBytes + sizeof(WORD);
    }

    void WriteObject(const CObject* pOb);
    // Room in the object table for nCount objects about to be written, such as the elements of
    // a list. Loading needs none: the load table grows by pages that never move.
    void ReserveObjects(std::size_t nCount)
    {
        if (!m_bLoading)
            m_storeMap.Reserve(nCount);
    }
    // Reads an object record; with pClassRefRequested, the object must be of that class or a
    // class derived from it (else badClass). The caller owns the object. An object whose
    // Serialize throws is deleted before the exception leaves.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // The same, telling in pCreatedClass the class whose creator made the object when the
    // record made a new one, and null when it handed out null or an object read before (a
    // back-reference). An owner that takes in what it reads need only look for a second owner
    // of an object it did not just create, and knows that object's class without asking it.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested, const CRuntimeClass*& pCreatedClass);

    void WriteClass(const CRuntimeClass* pClassRef);
    // Reads a class record. A record that is an object tag instead yields null with the tag in
    // *pObTag (the object index) when pObTag is given, else throws badClass.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);

    // A string in the wide form. The empty text, most of the strings of a project file, is its
    // four bytes FF FE FF 00 written inline.
    void WriteString(const CString& str)
    {
        static constexpr BYTE kEmptyWideString[4] = {0xFF, 0xFE, 0xFF, 0x00};
        if (str.IsEmpty())
            WriteFields(kEmptyWideString);
        else
            WriteStringRecord(str);
    }

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(short n) { return WriteValue(n); }
    CArchive& operator<<(int n) { return WriteValue(n); }
    CArchive& operator<<(UINT n) { return WriteValue(n); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(short& n) { return ReadValue(n); }
    CArchive& operator>>(int& n) { return ReadValue(n); }
    CArchive& operator>>(UINT& n) { return ReadValue(n); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    // No stored item has these types; refusing them keeps a bool or a character from being
    // promoted silently to a 4-byte int.
    CArchive& operator<<(bool) = delete;
    CArchive& operator<<(char) = delete;
    CArchive& operator<<(char16_t) = delete;

    CDocument* m_pDocument = nullptr;
    // m_pDocument when it is of pClass or a class derived from it, else null. Every object a
    // load makes asks it, always of the same kind, so the answer is worked out once per
    // document and kind rather than by a call and a walk up the classes for each object.
    CDocument* DocumentOfKind(const CRuntimeClass* pClass)
    {
        if (m_pDocument != m_pClassedDocument || pClass != m_pAskedKind)
            ClassifyDocument(pClass);
        return m_pDocumentOfKind;
    }

private:
    void ClassifyDocument(const CRuntimeClass* pClass);
    const CDocument* m_pClassedDocument = nullptr;
    const CRuntimeClass* m_pAskedKind = nullptr;
    CDocument* m_pDocumentOfKind = nullptr;

    // The empty text is taken inline; any other short wide text is copied straight from the
    // buffer when the buffer holds it whole.
    friend CArchive& operator>>(CArchive& ar, CString& str);
    friend CArchive& ReadStringRecord(CArchive& ar, CString& str);
    // Holds the loading position in registers while it reads a record (FieldRun.h).
    friend class CRecordReader;

    // The bytes of the counted run that the nBuffered bytes at pBytes start with, count
    // included, with the count in nCount; 0, with nCount untouched, when they do not hold it
    // whole or the count is escaped.
    static std::size_t CountedRunBytes(const BYTE* pBytes, std::size_t nBuffered,
                                       std::size_t nElementSize, std::size_t& nCount)
    {
        WORD wCount;
        if (nBuffered < sizeof wCount)
            return 0;
        std::memcpy(&wCount, pBytes, sizeof wCount);
        const std::size_t nRun = sizeof wCount + std::size_t(wCount) * nElementSize;
        if (wCount == kCountEscape || nRun > nBuffered)
            return 0;
        nCount = wCount;
        return nRun;
    }

    // The wide text shorter than 255 units that the nBuffered bytes at pBytes start with, taken
    // into str: the bytes it took, or 0 with str untouched when they start with any other form
    // or do not hold the text whole.
    static std::size_t TakeShortWideString(const BYTE* pBytes, std::size_t nBuffered,
                                           CString& str);

    static constexpr WORD kCountEscape = 0xFFFF;

    // Fixed-size values are most of a record: when the buffer has room they are copied inline,
    // and only the buffer's edges go through the general Write and EnsureRead.
    template <class T>
    CArchive& WriteValue(T value)
    {
        static_assert(std::endian::native == std::endian::little);
        if (!m_bLoading && sizeof value <= m_buffer.size() - m_nBufCur) {
            std::memcpy(m_buffer.data() + m_nBufCur, &value, sizeof value);
            m_nBufCur += sizeof value;
        } else {
            Write(&value, sizeof value);
        }
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        if (m_bLoading && sizeof value <= m_nBufMax - m_nBufCur) {
            std::memcpy(&value, m_pLoadBytes + m_nBufCur, sizeof value);
            m_nBufCur += sizeof value;
        } else {
            EnsureRead(&value, sizeof value);
        }
        return *this;
    }

    void EnsureReadFromFile(void* lpBuf, UINT nCount);
    DWORD_PTR ReadLargeCount();
    // Takes the empty wide text, FF FE FF 00, when the buffer starts with it.
    bool TakeEmptyString()
    {
        static constexpr BYTE kEmptyWideString[4] = {0xFF, 0xFE, 0xFF, 0x00};
        if (!m_bLoading || m_nBufMax - m_nBufCur < sizeof kEmptyWideString ||
            std::memcmp(m_pLoadBytes + m_nBufCur, kEmptyWideString, sizeof kEmptyWideString) != 0)
            return false;
        m_nBufCur += sizeof kEmptyWideString;
        return true;
    }

    template <class... Fields>
    static void PutFields(BYTE* pRun, const Fields&... fields)
    {
        static_assert(std::endian::native == std::endian::little);
        ((std::memcpy(pRun, &fields, sizeof fields), pRun += sizeof fields), ...);
    }

    [[noreturn]] void Throw(int cause) const;
    void CheckLoading() const;
    void CheckStoring() const;
    // The next index of the shared counter when storing.
    DWORD NextStoreIndex();
    void WriteTag(DWORD dwIndex, bool bClass);
    void WriteLargeCount(DWORD_PTR dwCount);
    void WriteStringRecord(const CString& str);
    void WriteBufferToFile();
    // Write's general case: the checks, then a flush when the bytes do not fit what is left.
    void WriteAcrossEdge(const void* lpBuf, UINT nMax);
    CRuntimeClass* LoadNewClass(UINT& nSchema);
    CRuntimeClass* ReadClassNamePieceByPiece(WORD wLength);
    CObject* LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema);
    // A new object's record: the object entered in the table, before its fields are read so
    // that objects inside it may refer back, then read by read() with its class's schema as
    // the object schema. When the read throws, the half-built object (which its caller deletes)
    // and whatever it already owns of the objects read since are lost: none of them may be
    // handed out again as a back-reference.
    template <class Read>
    void ReadEnteredObject(CObject* pOb, UINT nSchema, Read&& read)
    {
        const std::size_t nIndex = m_loadTable.AddObject(pOb);
        const UINT nSchemaSave = m_nObjectSchema;
        m_nObjectSchema = nSchema;
        try {
            read();
        } catch (...) {
            m_nObjectSchema = nSchemaSave;
            m_loadTable.LoseObjectsFrom(nIndex);
            throw;
        }
        m_nObjectSchema = nSchemaSave;
    }
    // What ReadClass and ReadObject do once the record's first WORD, wTag, is read.
    CRuntimeClass* ReadClassAfterTag(WORD wTag, const CRuntimeClass* pClassRefRequested,
                                     UINT* pSchema, DWORD* pObTag);
    CObject* ReadObjectAfterTag(WORD wTag, const CRuntimeClass* pClassRefRequested,
                                const CRuntimeClass*& pCreatedClass);
    CObject* ReadObjectAtEdge(const CRuntimeClass* pClassRefRequested,
                              const CRuntimeClass*& pCreatedClass);

    CFile* m_pFile;
    CString m_strFileName;
    bool m_bLoading;
    bool m_bFlushOnDelete;
    int m_nUncaughtAtStart;
    std::vector<BYTE> m_buffer;
    // Loading: the bytes being handed out, the archive's buffer or a memory file's own bytes.
    const BYTE* m_pLoadBytes = nullptr;
    bool m_bReadsInPlace = false; // loading: m_pLoadBytes are a memory file's own
    std::size_t m_nBufCur = 0; // loading: next byte to hand out; storing: bytes held
    std::size_t m_nBufMax = 0; // loading: bytes read ahead, or the memory file's rest
    UINT m_nObjectSchema = UINT(-1);
    DWORD m_nMapCount = 1;                          // storing
    CPointerIndexMap m_storeMap;                    // storing: objects
    CPointerIndexMap m_storeClassMap;               // storing: classes
    const CRuntimeClass* m_pLastStoreClass = nullptr; // storing: the class written last
    DWORD m_dwLastStoreClassIndex = 0;              // storing: and its index
    CArchiveLoadTable m_loadTable;                  // loading
    // Loading: the class of the last object that ReadObject's common path made, the short class
    // tag that later records of the class carry (0 for a class whose index has none) and the
    // class's schema. The tag names the class for the rest of the archive, and
    // CRecordReader::ReadRunOf takes the records that carry it.
    const CRuntimeClass* m_pRunClass = nullptr;
    WORD m_wRunClassTag = 0;
    UINT m_nRunSchema = 0;
};

inline CArchive& operator<<(CArchive& ar, const CString& str)
{
    ar.WriteString(str);
    return ar;
}
// Any text but the empty one: the wide and narrow forms at every length.
CArchive& ReadStringRecord(CArchive& ar, CString& str);
inline CArchive& operator>>(CArchive& ar, CString& str)
{
    if (ar.TakeEmptyString())
        str.Empty();
    else
        ReadStringRecord(ar, str);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);

// Points, sizes and rectangles are written as their raw ints.
CArchive& operator<<(CArchive& ar, const POINT& pt);
CArchive& operator<<(CArchive& ar, const SIZE& size);
CArchive& operator<<(CArchive& ar, const RECT& rect);
CArchive& operator>>(CArchive& ar, POINT& pt);
CArchive& operator>>(CArchive& ar, SIZE& size);
CArchive& operator>>(CArchive& ar, RECT& rect);
