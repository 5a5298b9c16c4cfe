// Archives over bytes in memory for the archive, field-run and collection tests, and the small
// serializable classes the collection tests store.
#pragma once

#include "ExceptionCause.h"
#include "StreamTestFile.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"
#include "platform/core/Object.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// The bytes that store(ar) writes through a buffer of the given size.
template <class Store>
std::vector<BYTE> StoredBytes(Store&& store, int nBufSize = 4096)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, nBufSize);
    std::forward<Store>(store)(ar);
    ar.Close();
    std::vector<BYTE> bytes(std::size_t(file.GetLength()));
    file.SeekToBegin();
    EXPECT_EQ(file.Read(bytes.data(), UINT(bytes.size())), bytes.size());
    return bytes;
}

// A loading archive over a copy of the given bytes: read in place from a memory file, or with
// a buffer size given, through a buffer of that size from a file that is not in memory.
class LoadArchive {
public:
    explicit LoadArchive(std::vector<BYTE> bytes, int nBufSize = 0)
        : m_bytes(std::move(bytes)), m_memFile(m_bytes.data(), UINT(m_bytes.size())),
          m_streamFile(m_bytes.data(), m_bytes.size()),
          m_ar(nBufSize == 0 ? static_cast<CFile*>(&m_memFile) : &m_streamFile, CArchive::load,
               nBufSize == 0 ? 4096 : nBufSize)
    {
    }
    CArchive& ar() { return m_ar; }

private:
    std::vector<BYTE> m_bytes;
    CMemFile m_memFile;
    CStreamTestFile m_streamFile;
    CArchive m_ar;
};

// The cause of the archive exception that fn throws, or none.
template <class Fn>
int ArchiveCause(Fn&& fn)
{
    return ExceptionCause<CArchiveException>(std::forward<Fn>(fn));
}

// Runs load(ar) over the bytes; exceptions of the archive leave as they are thrown.
template <class Load>
void LoadFromBytes(const std::vector<BYTE>& bytes, Load&& load)
{
    CMemFile file;
    file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    std::forward<Load>(load)(ar);
    ar.Close();
}

// The cause of the archive exception that loading the bytes throws, or none.
template <class Load>
int LoadCause(const std::vector<BYTE>& bytes, Load&& load)
{
    return ArchiveCause([&] { LoadFromBytes(bytes, std::forward<Load>(load)); });
}

// Stored as one int.
class CCollTestItem : public CObject {
    DECLARE_SERIAL(CCollTestItem)
public:
    explicit CCollTestItem(int nValue = 0) : m_nValue(nValue) {}
    void Serialize(CArchive& ar) override;
    int m_nValue;
};

// Stored as one WORD.
class CCollTestMark : public CObject {
    DECLARE_SERIAL(CCollTestMark)
public:
    explicit CCollTestMark(WORD wValue = 0) : m_wValue(wValue) {}
    void Serialize(CArchive& ar) override;
    WORD m_wValue;
};
