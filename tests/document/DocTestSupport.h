// Shared helpers of the document tests: documents in memory, their bytes, blocks made by the
// factory, a recorder of what documents tell the shell, and a writer of expected file bytes.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/DocumentObserver.h"
#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MemFile.h"
#include "platform/core/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include <unistd.h>

using Bytes = std::vector<BYTE>;

inline Bytes SaveToBytes(CVetlaDoc& doc)
{
    CMemFile file;
    doc.StoreContents(&file);
    const auto nLength = std::size_t(file.GetLength());
    Bytes bytes(nLength);
    file.SeekToBegin();
    if (nLength)
        file.Read(bytes.data(), UINT(nLength));
    return bytes;
}

// Loads the bytes into the document; a failure propagates as the framework's exception.
inline void LoadFromBytes(CVetlaDoc& doc, const Bytes& bytes)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    doc.LoadContents(&file);
}

// TRUE when the load failed with one of the framework's exceptions (which is freed).
inline BOOL LoadFails(CVetlaDoc& doc, const Bytes& bytes)
{
    try {
        LoadFromBytes(doc, bytes);
    } catch (CException* e) {
        e->Delete();
        return TRUE;
    }
    return FALSE;
}

// A new block of the type, numbered and added to the document.
inline CBlockObj* AddNew(CVetlaDoc& doc, int nType, int x = 0, int y = 0)
{
    CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
    pBlock->m_ptPos = CPoint(x, y);
    doc.AddBlock(pBlock);
    return pBlock;
}

// Every element object of the document, list by list: a failed load must leave these very
// objects in place, since the view keeps pointers to them.
inline std::vector<const CObject*> ElementObjects(const CVetlaDoc& doc)
{
    std::vector<const CObject*> objects;
    for (const CObList* pList : {&doc.m_blockList, &doc.m_lineList, &doc.m_commentList, &doc.m_powerBusList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos;)
            objects.push_back(pList->GetNext(pos));
        objects.push_back(nullptr);
    }
    return objects;
}

inline int CountBlocks(const CVetlaDoc& doc) { return int(doc.m_blockList.GetCount()); }

// Where the bytes contain the text of an 8-bit class name; npos when they do not.
inline std::size_t FindText(const Bytes& bytes, std::string_view text, std::size_t nFrom = 0)
{
    const auto it = std::search(bytes.begin() + std::ptrdiff_t(nFrom), bytes.end(), text.begin(), text.end());
    return it == bytes.end() ? std::string_view::npos : std::size_t(it - bytes.begin());
}

// The records of the objects as an archive writes them one after another, the first one's
// class by name and later ones of the same class by tag.
inline Bytes ObjectRecords(std::initializer_list<CObject*> objects)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (CObject* pOb : objects)
            ar.WriteObject(pOb);
        ar.Close();
    }
    Bytes record(std::size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(record.data(), UINT(record.size()));
    return record;
}

// Expected file bytes, written independently of the archive.
class ByteWriter {
public:
    ByteWriter& Byte(BYTE b)
    {
        m_bytes.push_back(b);
        return *this;
    }
    ByteWriter& Word(WORD w) { return Byte(LOBYTE(w)).Byte(HIBYTE(w)); }
    ByteWriter& Int(int n) { return Word(LOWORD(DWORD(n))).Word(HIWORD(DWORD(n))); }
    ByteWriter& Float(float f)
    {
        std::uint32_t u = 0;
        std::memcpy(&u, &f, 4);
        return Int(int(u));
    }
    ByteWriter& Double(double d)
    {
        std::uint64_t u = 0;
        std::memcpy(&u, &d, 8);
        return Int(int(u & 0xFFFFFFFFu)).Int(int(u >> 32));
    }
    // The wide string form; ASCII text only.
    ByteWriter& Str(std::string_view text)
    {
        Byte(0xFF).Word(0xFFFE).Byte(BYTE(text.size()));
        for (char c : text)
            Word(WORD(c));
        return *this;
    }
    ByteWriter& Repeat(BYTE b, int n)
    {
        for (int i = 0; i < n; ++i)
            Byte(b);
        return *this;
    }
    const Bytes& Get() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

private:
    Bytes m_bytes;
};

inline Bytes ReadFileBytes(const CString& strPath)
{
    CFile file(strPath, CFile::modeRead);
    Bytes bytes(std::size_t(file.GetLength()));
    if (!bytes.empty())
        file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

// Replaces the file with the first nCount bytes (all when -1).
inline void WriteFileBytes(const CString& strPath, const Bytes& bytes, std::size_t nCount = std::size_t(-1))
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), UINT(std::min(nCount, bytes.size())));
}

// A path in the user's temporary folder that no other test process uses: ctest runs the tests
// of this program in parallel processes.
inline CString UniqueTempPath(LPCTSTR pszName)
{
    CString strPath;
    strPath.Format(_T("%sdoctest-%d-%s"), GetTempPath(), int(getpid()), pszName);
    return strPath;
}

// Sets a global setting for a test and puts the old value back.
template <class T>
class GlobalScope {
public:
    GlobalScope(T& global, T value) : m_global(global), m_old(global) { global = value; }
    ~GlobalScope() { m_global = m_old; }
    GlobalScope(const GlobalScope&) = delete;
    GlobalScope& operator=(const GlobalScope&) = delete;

private:
    T& m_global;
    T m_old;
};

class HardwareCodeScope : public GlobalScope<WORD> {
public:
    explicit HardwareCodeScope(WORD wCode) : GlobalScope(g_wHardwareCode, wCode) {}
};

// Every test of the folder: the classes are registered for loading and message boxes are
// answered and recorded.
class DocTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
    }

    CMessageBoxRecorder m_boxes;
};

// The documents' observer for the lifetime of the object: records what they tell the shell.
class RecordingObserver final : public IDocumentObserver {
public:
    RecordingObserver() { SetDocumentObserver(this); }
    ~RecordingObserver() { SetDocumentObserver(nullptr); }
    RecordingObserver(const RecordingObserver&) = delete;
    RecordingObserver& operator=(const RecordingObserver&) = delete;

    void OnDocumentCreated(CVetlaDoc& doc) override { m_created.push_back(&doc); }
    void OnDocumentDestroyed(CVetlaDoc& doc) override { m_destroyed.push_back(&doc); }
    void OnHardwareSeriesChanged(CVetlaDoc& doc) override { m_series.push_back(doc.m_strHardwareName); }
    void OnContentsReloaded(CVetlaDoc& doc) override { m_reloaded.push_back(&doc); }

    int OpenDocuments() const { return int(m_created.size() - m_destroyed.size()); }

    std::vector<CVetlaDoc*> m_created;
    std::vector<CVetlaDoc*> m_destroyed;
    std::vector<CString> m_series;
    std::vector<CVetlaDoc*> m_reloaded;
};
