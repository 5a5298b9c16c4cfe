// Round trips of collections through an archive in memory, and the small serializable classes
// the collection tests store.
#pragma once

#include "ExceptionCause.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"
#include "platform/core/Object.h"

#include <utility>
#include <vector>

// The bytes that store(ar) writes.
template <class Store>
std::vector<BYTE> StoredBytes(Store&& store)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    std::forward<Store>(store)(ar);
    ar.Close();
    std::vector<BYTE> bytes(std::size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
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
    return ExceptionCause<CArchiveException>([&] { LoadFromBytes(bytes, std::forward<Load>(load)); });
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
