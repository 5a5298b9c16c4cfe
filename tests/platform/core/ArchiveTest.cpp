#include "platform/core/Archive.h"
#include "platform/core/Document.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"
#include "platform/core/Geometry.h"
#include "platform/core/MemFile.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Object.h"

#include "platform/core/StringPrinter.h"
#include "CollectionArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Expected archive bytes, little-endian.
class ByteWriter {
public:
    ByteWriter& b(std::initializer_list<int> values)
    {
        for (int v : values)
            m_bytes.push_back(BYTE(v));
        return *this;
    }
    ByteWriter& w(WORD v) { return b({v & 0xFF, v >> 8}); }
    ByteWriter& d(DWORD v) { return w(WORD(v & 0xFFFF)).w(WORD(v >> 16)); }
    ByteWriter& ascii(std::string_view text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    ByteWriter& units(std::u16string_view text)
    {
        for (char16_t c : text)
            w(c);
        return *this;
    }
    // A new-class record.
    ByteWriter& newClass(WORD wSchema, std::string_view name)
    {
        return w(0xFFFF).w(wSchema).w(WORD(name.size())).ascii(name);
    }
    Bytes bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// Every test object counts itself, so that a failed load can be shown to leave none behind.
int g_nLiveObjects = 0;

class CArcTestCounted : public CObject {
    DECLARE_DYNAMIC(CArcTestCounted)

public:
    CArcTestCounted() { ++g_nLiveObjects; }
    ~CArcTestCounted() override { --g_nLiveObjects; }
};

class CArcTestItem : public CArcTestCounted {
    DECLARE_SERIAL(CArcTestItem)

public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue;
        else
            ar >> m_nValue;
    }
    int m_nValue = 0;
};

class CArcTestSpecialItem : public CArcTestItem {
    DECLARE_SERIAL(CArcTestSpecialItem)
};

// Versionable: schema 2 added the flags word.
class CArcTestNote : public CArcTestCounted {
    DECLARE_SERIAL(CArcTestNote)

public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_strText << m_wFlags;
            return;
        }
        m_nSchemaSeen = ar.GetObjectSchema();
        m_nSchemaSeenAgain = ar.GetObjectSchema();
        ar >> m_strText;
        if (m_nSchemaSeen >= 2)
            ar >> m_wFlags;
    }
    CString m_strText;
    WORD m_wFlags = 0;
    UINT m_nSchemaSeen = 0;
    UINT m_nSchemaSeenAgain = 0;
};

// Owns the objects it holds, as a document owns its elements.
class CArcTestBag : public CArcTestCounted {
    DECLARE_SERIAL(CArcTestBag)

public:
    ~CArcTestBag() override
    {
        for (CObject* pObject : m_objects)
            delete pObject;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(m_objects.size());
            for (CObject* pObject : m_objects)
                ar << pObject;
            return;
        }
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n)
            m_objects.push_back(ar.ReadObject(nullptr));
    }
    std::vector<CObject*> m_objects;
};

class CArcTestEmpty : public CArcTestCounted {
    DECLARE_SERIAL(CArcTestEmpty)
};

// Reads its elements as a bag does, but goes on after an element that failed, keeping the causes:
// what a failed object leaves in the archive's table is then seen by the records after it.
class CArcTestTolerantBag : public CArcTestBag {
    DECLARE_SERIAL(CArcTestTolerantBag)

public:
    void Serialize(CArchive& ar) override
    {
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
            try {
                m_objects.push_back(ar.ReadObject(nullptr));
            } catch (CArchiveException* e) {
                m_causes.push_back(e->m_cause);
                e->Delete();
            }
        }
    }
    std::vector<int> m_causes;
};

class CArcTestDoc : public CDocument {
    DECLARE_DYNAMIC(CArcTestDoc)
};
class CArcTestOtherDoc : public CDocument {
    DECLARE_DYNAMIC(CArcTestOtherDoc)
};

IMPLEMENT_DYNAMIC(CArcTestDoc, CDocument)
IMPLEMENT_DYNAMIC(CArcTestOtherDoc, CDocument)
IMPLEMENT_DYNAMIC(CArcTestCounted, CObject)
IMPLEMENT_SERIAL(CArcTestItem, CArcTestCounted, 1)
IMPLEMENT_SERIAL(CArcTestSpecialItem, CArcTestItem, 1)
IMPLEMENT_SERIAL(CArcTestNote, CArcTestCounted, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CArcTestBag, CArcTestCounted, 1)
IMPLEMENT_SERIAL(CArcTestEmpty, CArcTestCounted, 1)
IMPLEMENT_SERIAL(CArcTestTolerantBag, CArcTestBag, 1)

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { g_nLiveObjects = 0; }
    void TearDown() override { EXPECT_EQ(g_nLiveObjects, 0) << "test objects left alive"; }
};

// ---- numbers, counts and strings -------------------------------------------------------------

// The archive looks its document's class up once, and the answer follows the document that the
// archive is given next.
TEST(ArchiveDocument, TheDocumentOfAKindFollowsTheArchivesDocument)
{
    CArcTestDoc doc;
    CArcTestOtherDoc other;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CDocument)), nullptr);
    ar.m_pDocument = &doc;
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CArcTestDoc)), &doc);
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CDocument)), &doc);
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CArcTestOtherDoc)), nullptr);
    ar.m_pDocument = &other;
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CArcTestDoc)), nullptr);
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CArcTestOtherDoc)), &other);
    ar.m_pDocument = nullptr;
    EXPECT_EQ(ar.DocumentOfKind(RUNTIME_CLASS(CDocument)), nullptr);
}

TEST_F(ArchiveTest, NumbersAreLittleEndianOfTheirOwnWidth)
{
    const Bytes bytes = StoredBytes([](CArchive& ar) {
        ar << int(-2) << UINT(0x01020304) << WORD(0xBEEF) << BYTE(0x7F) << short(-3) << 1.5f
           << 1.0;
        ar << POINT{1, -1} << RECT{1, 2, 3, 4};
    });
    const Bytes expected = ByteWriter()
                               .d(0xFFFFFFFE).d(0x01020304).w(0xBEEF).b({0x7F}).w(0xFFFD)
                               .d(0x3FC00000).d(0).d(0x3FF00000)  // 1.5f, 1.0
                               .d(1).d(0xFFFFFFFF).d(1).d(2).d(3).d(4)
                               .bytes();
    EXPECT_EQ(bytes, expected);

    LoadArchive in(bytes);
    int n = 0;
    UINT u = 0;
    WORD w = 0;
    BYTE by = 0;
    short s = 0;
    float f = 0;
    double d = 0;
    POINT pt{};
    RECT rc{};
    in.ar() >> n >> u >> w >> by >> s >> f >> d >> pt >> rc;
    EXPECT_EQ(n, -2);
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_EQ(w, 0xBEEF);
    EXPECT_EQ(by, 0x7F);
    EXPECT_EQ(s, -3);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(d, 1.0);
    EXPECT_EQ(pt.y, -1);
    EXPECT_EQ(rc.bottom, 4);
    EXPECT_EQ(ArchiveCause([&] { in.ar() >> by; }), CArchiveException::endOfFile);
}

// A run of fields is the same bytes as the fields written one by one, wherever in the buffer
// it starts: inside, across the edge, or larger than the whole buffer.
TEST_F(ArchiveTest, AFieldRunWritesWhatTheOperatorsWriteAtEveryBufferEdge)
{
    const int values[3] = {-1, 0x01020304, 7};
    const int grid[2][2] = {{1, 2}, {3, 4}};
    const CPoint point(-5, 6);
    const auto writeOneByOne = [&](CArchive& ar) {
        ar << BYTE(0x7F) << WORD(0xBEEF) << short(-3) << int(-2) << UINT(0x80000001) << 1.5f
           << 2.25 << POINT{1, -1} << SIZE{8, 9} << RECT{1, 2, 3, 4} << point;
        for (int n : values)
            ar << n;
        for (const auto& row : grid)
            ar << row[0] << row[1];
        ar << WORD(0x1234) << int(99);
    };
    const auto writeAsRuns = [&](CArchive& ar) {
        ar.WriteFields(BYTE(0x7F), WORD(0xBEEF), short(-3), int(-2), UINT(0x80000001), 1.5f,
                       2.25, POINT{1, -1}, SIZE{8, 9}, RECT{1, 2, 3, 4}, point, values, grid);
        ar.WriteFields(WORD(0x1234), int(99));
    };
    for (const int nBufSize : {16, 24, 4096}) {
        for (int nLead = 0; nLead < 24; ++nLead) {
            SCOPED_TRACE(testing::Message() << "buffer " << nBufSize << ", lead " << nLead);
            const auto lead = [&](CArchive& ar) {
                for (int i = 0; i < nLead; ++i)
                    ar << BYTE(i);
            };
            const Bytes expected = StoredBytes([&](CArchive& ar) {
                lead(ar);
                writeOneByOne(ar);
            });
            ASSERT_EQ(expected.size(), std::size_t(nLead) + 93u + 6u);
            EXPECT_EQ(StoredBytes([&](CArchive& ar) {
                lead(ar);
                writeAsRuns(ar);
            }, nBufSize), expected);
        }
    }
}

// Every operation refuses an archive of the other direction, and a closed one, before it touches
// the file: the writers that copy inline when the buffer has room all the same.
TEST_F(ArchiveTest, OperationsOfTheOtherDirectionOrAfterCloseAreRefused)
{
    const struct {
        const char* pszName;
        bool bWrites;
        void (*operate)(CArchive&);
    } operations[] = {
        {"field run", true, [](CArchive& ar) { ar.WriteFields(int(1), WORD(2)); }},
        {"count", true, [](CArchive& ar) { ar.WriteCount(3); }},
        {"empty string", true, [](CArchive& ar) { ar << CString(); }},
        {"string", true, [](CArchive& ar) { ar << CString(u"text"); }},
        {"bytes", true, [](CArchive& ar) { ar.Write("ab", 2); }},
        {"number", true, [](CArchive& ar) { ar << int(1); }},
        {"object", true, [](CArchive& ar) { ar.WriteObject(nullptr); }},
        {"read count", false, [](CArchive& ar) { ar.ReadCount(); }},
        {"read run", false, [](CArchive& ar) { BYTE bytes[2]; ar.EnsureRead(bytes, 2); }},
        {"empty read run", false, [](CArchive& ar) { ar.EnsureRead(nullptr, 0); }},
    };
    for (const auto& operation : operations) {
        SCOPED_TRACE(operation.pszName);
        BYTE data[4] = {};
        CMemFile source(data, sizeof data);
        CMemFile target;
        CArchive wrongWay(operation.bWrites ? static_cast<CFile*>(&source) : &target,
                          operation.bWrites ? CArchive::load : CArchive::store);
        EXPECT_EQ(ArchiveCause([&] { operation.operate(wrongWay); }),
                  operation.bWrites ? CArchiveException::readOnly : CArchiveException::writeOnly);

        LoadArchive loading(Bytes(64, 1));
        CMemFile file;
        CArchive storing(&file, CArchive::store);
        CArchive& closed = operation.bWrites ? storing : loading.ar();
        closed.Close();
        EXPECT_EQ(ArchiveCause([&] { operation.operate(closed); }), CArchiveException::generic);
        EXPECT_EQ(file.GetLength(), 0u);
    }
}

TEST_F(ArchiveTest, CountsEscapeToADoubleWordFrom0xFFFF)
{
    const struct {
        DWORD_PTR count;
        Bytes bytes;
    } cases[] = {
        {0, ByteWriter().w(0).bytes()},
        {0xFFFE, ByteWriter().w(0xFFFE).bytes()},
        {0xFFFF, ByteWriter().w(0xFFFF).d(0xFFFF).bytes()},
        {0x12345, ByteWriter().w(0xFFFF).d(0x12345).bytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(StoredBytes([&](CArchive& ar) { ar.WriteCount(c.count); }), c.bytes);
        LoadArchive in(c.bytes);
        EXPECT_EQ(in.ar().ReadCount(), c.count);
    }
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ArchiveCause([&] { ar.WriteCount(DWORD_PTR(-1)); }), CArchiveException::generic)
        << "a count beyond 32 bits";
}

CString Pattern(int nLength)
{
    std::u16string text(std::size_t(nLength), u'\0');
    for (int i = 0; i < nLength; ++i)
        text[std::size_t(i)] = char16_t(u'a' + i % 26);
    return CString(std::u16string_view(text));
}

TEST_F(ArchiveTest, StringsAreWrittenInTheWideFormWithTheShortestLength)
{
    const struct {
        int nLength;
        Bytes header;
    } cases[] = {
        {0, ByteWriter().b({0xFF}).w(0xFFFE).b({0x00}).bytes()},
        {254, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFE}).bytes()},
        {255, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0x00FF).bytes()},
        {0xFFFD, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0xFFFD).bytes()},
        {0xFFFE, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0xFFFF).d(0xFFFE).bytes()},
        {0x10000, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0xFFFF).d(0x10000).bytes()},
        // Read in two pieces: the second lands behind the first.
        {0x1001E, ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0xFFFF).d(0x1001E).bytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nLength);
        const CString text = Pattern(c.nLength);
        const Bytes bytes = StoredBytes([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(bytes.size(), c.header.size() + 2 * std::size_t(c.nLength));
        EXPECT_TRUE(std::equal(c.header.begin(), c.header.end(), bytes.begin()));
        if (c.nLength > 0) {
            EXPECT_EQ(bytes[c.header.size()], 'a');
            EXPECT_EQ(bytes[c.header.size() + 1], 0);
        }
        LoadArchive in(bytes, 64);
        CString loaded(u"previous");
        in.ar() >> loaded;
        EXPECT_TRUE(loaded == text);
    }
}

TEST_F(ArchiveTest, StringsKeepUtf16UnitsOutsideLatin)
{
    const CString text(u"\u4E2D\U0001F600");
    const Bytes bytes = StoredBytes([&](CArchive& ar) { ar << text; });
    EXPECT_EQ(bytes, ByteWriter().b({0xFF}).w(0xFFFE).b({3}).units(u"\u4E2D\U0001F600").bytes());
    LoadArchive in(bytes);
    CString loaded;
    in.ar() >> loaded;
    EXPECT_EQ(loaded, text);
}

// Narrow strings are read as Latin-1; a string longer than the data ends in end of file.
TEST_F(ArchiveTest, NarrowStringsAreReadAsLatin1AndNoStringReadsPastTheData)
{
    const struct {
        Bytes bytes;
        std::u16string text;
        bool bWhole;
    } cases[] = {
        {ByteWriter().b({5}).ascii("Hello").bytes(), u"Hello", true},
        {ByteWriter().b({0}).bytes(), u"", true},
        {ByteWriter().b({2, 0xE9, 0x41}).bytes(), u"\u00E9A", true},
        {ByteWriter().b({0xFF}).w(300).ascii(std::string(300, 'x')).bytes(), std::u16string(300, u'x'), true},
        {ByteWriter().b({0xFF}).w(0xFFFF).d(3).ascii("abc").bytes(), u"abc", true},
        {ByteWriter().b({0xFF}).w(0xFFFE).b({10}).units(u"ab").bytes(), u"", false},
        {ByteWriter().b({0xFF}).w(0xFFFE).b({0xFF}).w(0xFFFF).d(0xFFFFFFFF).units(u"ab").bytes(), u"", false},
        {ByteWriter().b({0xFF}).w(0xFFFF).d(0xFFFFFFF0).ascii("abc").bytes(), u"", false},
        {ByteWriter().b({0xFF}).w(0xFFFE).bytes(), u"", false},
        {ByteWriter().b({0xFF}).bytes(), u"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        LoadArchive in(c.bytes);
        CString loaded(u"previous");
        EXPECT_EQ(ArchiveCause([&] { in.ar() >> loaded; }),
                  c.bWhole ? CArchiveException::none : CArchiveException::endOfFile);
        if (c.bWhole) {
            EXPECT_EQ(loaded, CString(std::u16string_view(c.text)));
        }
    }
}

// ---- object records --------------------------------------------------------------------------

TEST_F(ArchiveTest, ObjectRecordsShareOneIndexCounterForClassesAndObjects)
{
    CArcTestItem first;
    first.m_nValue = 5;
    CArcTestNote note;
    note.m_strText = u"hi";
    note.m_wFlags = 0x0102;
    CArcTestItem second;
    second.m_nValue = 6;
    CArcTestNote secondNote;

    const Bytes bytes = StoredBytes([&](CArchive& ar) {
        ar.WriteObject(&first);      // class 1, object 2
        ar.WriteObject(&note);       // class 3, object 4
        ar.WriteObject(&second);     // class back-reference 1, object 5
        ar.WriteObject(nullptr);
        ar.WriteObject(&first);      // object back-reference 2
        ar.WriteObject(&note);       // object back-reference 4
        ar << &secondNote;           // class back-reference 3, object 6
    });
    const Bytes expected = ByteWriter()
                               .newClass(1, "CArcTestItem").d(5).newClass(2, "CArcTestNote")
                               .b({0xFF}).w(0xFFFE).b({2}).units(u"hi").w(0x0102)
                               .w(0x8001).d(6)
                               .w(0x0000).w(0x0002).w(0x0004)
                               .w(0x8003).b({0xFF}).w(0xFFFE).b({0}).w(0)
                               .bytes();
    EXPECT_EQ(bytes, expected);

    LoadArchive in(bytes);
    std::vector<CObject*> loaded;
    for (int i = 0; i < 7; ++i)
        loaded.push_back(in.ar().ReadObject(nullptr));
    ASSERT_TRUE(loaded[0]->IsKindOf(RUNTIME_CLASS(CArcTestItem)));
    ASSERT_TRUE(loaded[1]->IsKindOf(RUNTIME_CLASS(CArcTestNote)));
    ASSERT_TRUE(loaded[2]->IsKindOf(RUNTIME_CLASS(CArcTestItem)));
    EXPECT_EQ(static_cast<CArcTestItem*>(loaded[0])->m_nValue, 5);
    EXPECT_EQ(static_cast<CArcTestNote*>(loaded[1])->m_strText, CString(u"hi"));
    EXPECT_EQ(static_cast<CArcTestNote*>(loaded[1])->m_wFlags, 0x0102);
    EXPECT_EQ(static_cast<CArcTestItem*>(loaded[2])->m_nValue, 6);
    EXPECT_EQ(loaded[3], nullptr);
    EXPECT_EQ(loaded[4], loaded[0]);
    EXPECT_EQ(loaded[5], loaded[1]);
    EXPECT_TRUE(loaded[6]->IsKindOf(RUNTIME_CLASS(CArcTestNote)));
    EXPECT_NE(loaded[6], loaded[1]);
    for (CObject* pObject : {loaded[0], loaded[1], loaded[2], loaded[6]})
        delete pObject;
}

TEST_F(ArchiveTest, IndexesFrom0x7FFFUseTheDoubleWordEscape)
{
    // Class CArcTestEmpty takes index 1 and its objects 2 .. 0x7FFF.
    std::vector<CArcTestEmpty> empties(0x7FFE);
    CArcTestItem item;
    item.m_nValue = 9;
    CArcTestItem otherItem;

    const Bytes bytes = StoredBytes([&](CArchive& ar) {
        for (const CArcTestEmpty& empty : empties)
            ar << &empty;
        ar << &empties.back();   // object 0x7FFF
        ar << &empties.front();  // object 2
        ar << &item;             // class 0x8000, object 0x8001
        ar << &otherItem;        // class back-reference 0x8000, object 0x8002
        ar << &item;
    });
    const Bytes tail = ByteWriter()
                           .w(0x7FFF).d(0x7FFF).w(0x0002)
                           .newClass(1, "CArcTestItem").d(9)
                           .w(0x7FFF).d(0x80008000).d(0).w(0x7FFF).d(0x8001)
                           .bytes();
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - std::ptrdiff_t(tail.size())));

    LoadArchive in(bytes);
    std::vector<CObject*> loaded;
    for (std::size_t i = 0; i < empties.size() + 5; ++i)
        loaded.push_back(in.ar().ReadObject(nullptr));
    const std::size_t n = empties.size();
    EXPECT_EQ(loaded[n], loaded[n - 1]);
    EXPECT_EQ(loaded[n + 1], loaded[0]);
    EXPECT_EQ(static_cast<CArcTestItem*>(loaded[n + 2])->m_nValue, 9);
    EXPECT_TRUE(loaded[n + 3]->IsKindOf(RUNTIME_CLASS(CArcTestItem)));
    EXPECT_NE(loaded[n + 3], loaded[n + 2]);
    EXPECT_EQ(loaded[n + 4], loaded[n + 2]);
    for (std::size_t i = 0; i < n; ++i)
        delete loaded[i];
    delete loaded[n + 2];
    delete loaded[n + 3];
}

// The schema a record carried is handed out once, to the first object's Serialize that asks.
TEST_F(ArchiveTest, AVersionableClassReadsAnOlderSchema)
{
    const Bytes bytes = ByteWriter()
                            .newClass(1, "CArcTestNote").b({0xFF}).w(0xFFFE).b({3}).units(u"old")
                            .w(0x8001).b({0xFF}).w(0xFFFE).b({0})
                            .bytes();
    LoadArchive in(bytes);
    CArcTestNote* pFirst = nullptr;
    CArcTestNote* pSecond = nullptr;
    in.ar() >> pFirst >> pSecond;
    EXPECT_EQ(pFirst->m_nSchemaSeen, 1u);
    EXPECT_EQ(pFirst->m_nSchemaSeenAgain, UINT(-1));
    EXPECT_EQ(pFirst->m_strText, CString(u"old"));
    EXPECT_EQ(pFirst->m_wFlags, 0);
    // The schema of a class back-reference is the one its class record carried.
    EXPECT_EQ(pSecond->m_nSchemaSeen, 1u);
    EXPECT_EQ(in.ar().GetObjectSchema(), UINT(-1));
    delete pFirst;
    delete pSecond;
}

// The owner's form of ReadObject names the class of an object its record made, and no class for
// null or an object handed out again.
TEST_F(ArchiveTest, ReadObjectTellsWhichObjectsItCreated)
{
    CArcTestItem item;
    CArcTestSpecialItem special;
    CArcTestItem otherItem;
    const Bytes bytes = StoredBytes([&](CArchive& ar) {
        ar << &item << &special << &otherItem << static_cast<CObject*>(nullptr) << &special;
    });
    LoadArchive in(bytes);
    const CRuntimeClass* const expected[] = {RUNTIME_CLASS(CArcTestItem), RUNTIME_CLASS(CArcTestSpecialItem),
                                             RUNTIME_CLASS(CArcTestItem), nullptr, nullptr};
    std::vector<CObject*> loaded;
    for (const CRuntimeClass* pExpected : expected) {
        const CRuntimeClass* pCreatedClass = RUNTIME_CLASS(CObject);
        loaded.push_back(in.ar().ReadObject(nullptr, pCreatedClass));
        EXPECT_EQ(pCreatedClass, pExpected) << loaded.size();
        if (pCreatedClass) {
            EXPECT_EQ(loaded.back()->GetRuntimeClass(), pCreatedClass);
        }
    }
    EXPECT_EQ(loaded[3], nullptr);
    EXPECT_EQ(loaded[4], loaded[1]);
    for (int i : {0, 1, 2})
        delete loaded[i];
}

// An object whose load failed is gone with all it read, however many objects that was: a record
// naming any of them is refused, while the classes they introduced stay usable.
TEST_F(ArchiveTest, ObjectsOfAFailedLoadAreNotHandedOutAgainButTheirClassesAre)
{
    // The tolerant bag is class 1 and object 2, the inner bag class 3 and object 4, its items
    // class 5 and objects 6 .. 6 + nItems - 1, beyond the first thousand entries.
    constexpr int nItems = 1500;
    ByteWriter writer;
    writer.newClass(1, "CArcTestTolerantBag").w(4);
    writer.newClass(1, "CArcTestBag").w(nItems + 1);
    writer.newClass(1, "CArcTestItem").d(0);
    for (int i = 1; i < nItems; ++i)
        writer.w(0x8005).d(DWORD(i));
    writer.newClass(1, "CArcTestMissing");
    writer.w(WORD(6 + nItems - 1)); // the inner bag's last item
    writer.w(0x0006);               // its first item
    writer.w(0x8005).d(77);         // a new item of the class the failed bag introduced

    LoadArchive in(writer.bytes());
    CArcTestTolerantBag* pBag = nullptr;
    in.ar() >> pBag;
    ASSERT_NE(pBag, nullptr);
    EXPECT_EQ(pBag->m_causes, (std::vector<int>{CArchiveException::badClass, CArchiveException::badIndex,
                                                CArchiveException::badIndex}));
    ASSERT_EQ(pBag->m_objects.size(), 1u);
    EXPECT_EQ(static_cast<CArcTestItem*>(pBag->m_objects[0])->m_nValue, 77);
    EXPECT_EQ(g_nLiveObjects, 2);
    delete pBag;
}

// A list read as a document reads its wires: each record by ReadObject, and after each item that
// a record made, the run of item records that follows. The items' values in list order, and how
// many of them the runs read.
struct ReadList {
    std::vector<CObject*> objects;
    DWORD_PTR nInRuns = 0;
};
ReadList ReadItemList(CArchive& ar, DWORD_PTR nCount, DWORD_PTR nMostPerRun)
{
    ReadList list;
    const auto load = [](CArcTestItem& item, CRecordReader& in) { in >> item.m_nValue; };
    const auto taken = [&list](CArcTestItem* pItem) { list.objects.push_back(pItem); };
    for (DWORD_PTR nLeft = nCount; nLeft > 0;) {
        --nLeft;
        const CRuntimeClass* pCreatedClass = nullptr;
        list.objects.push_back(ar.ReadObject(nullptr, pCreatedClass));
        if (pCreatedClass) {
            CRecordReader in(ar);
            const DWORD_PTR nRun = in.ReadRunOf<CArcTestItem>(std::min(nLeft, nMostPerRun), load, taken);
            list.nInRuns += nRun;
            nLeft -= nRun;
        }
    }
    return list;
}

std::vector<int> Values(const std::vector<CObject*>& objects)
{
    std::vector<int> values;
    for (CObject* pObject : objects)
        values.push_back(static_cast<CArcTestItem*>(pObject)->m_nValue);
    return values;
}

// A run takes the records of the class just made and stops at any other: another class, a
// reference back, the end of what the caller allows, or the edge of the archive's buffer. What
// ReadObject would make of the records is made either way, and an item made in a run is the one
// that a later record refers back to.
TEST_F(ArchiveTest, RunsOfOneClassReadWhatReadObjectReads)
{
    CArcTestItem items[7];
    for (int i = 0; i < 7; ++i)
        items[i].m_nValue = i + 1;
    CArcTestSpecialItem special;
    special.m_nValue = 40;
    const Bytes bytes = StoredBytes([&](CArchive& ar) {
        for (CArcTestItem* pItem : {&items[0], &items[1], &items[2], static_cast<CArcTestItem*>(&special),
                                    &items[3], &items[4], &items[2], &items[5], &items[6]})
            ar << pItem;
    });
    const std::vector<int> expected = {1, 2, 3, 40, 4, 5, 3, 6, 7};
    struct Case {
        int nBufSize;
        DWORD_PTR nMostPerRun;
        DWORD_PTR nInRuns;
    };
    // In place: items 2 and 3, 5, and 7 after 6; at most one a run: 2, 5, 7; through a buffer
    // of 16 bytes, whatever a run finds whole in the buffer.
    for (const Case& c : {Case{0, 1000, 4}, Case{0, 1, 3}, Case{16, 1000, 0}}) {
        SCOPED_TRACE(c.nBufSize);
        LoadArchive in(bytes, c.nBufSize);
        ReadList list = ReadItemList(in.ar(), expected.size(), c.nMostPerRun);
        EXPECT_EQ(Values(list.objects), expected);
        EXPECT_EQ(list.objects[6], list.objects[2]);
        if (c.nBufSize == 0) {
            EXPECT_EQ(list.nInRuns, c.nInRuns);
        }
        for (std::size_t i : {0, 1, 2, 3, 4, 5, 7, 8})
            delete list.objects[i];
    }
    // A run asked for before ReadObject has made an object of the class reads nothing.
    LoadArchive in(bytes);
    CRecordReader reader(in.ar());
    EXPECT_EQ(reader.ReadRunOf<CArcTestItem>(5, [](CArcTestItem&, CRecordReader&) { FAIL(); },
                                             [](CArcTestItem*) { FAIL(); }),
              0u);
}

// An item whose load fails in a run is deleted, and a later record that refers back to it is
// refused, as for an object that ReadObject failed to read.
TEST_F(ArchiveTest, AnObjectThatFailsInARunIsGoneForLaterRecords)
{
    CArcTestItem items[4];
    for (int i = 0; i < 4; ++i)
        items[i].m_nValue = i + 1;
    const Bytes bytes =
        StoredBytes([&](CArchive& ar) { ar << &items[0] << &items[1] << &items[2] << &items[1]; });
    LoadArchive in(bytes);
    CObject* pFirst = in.ar().ReadObject(nullptr);
    EXPECT_EQ(ArchiveCause([&] {
                  CRecordReader reader(in.ar());
                  reader.ReadRunOf<CArcTestItem>(
                      3,
                      [](CArcTestItem& item, CRecordReader& run) {
                          run >> item.m_nValue;
                          if (item.m_nValue == 2)
                              AfxThrowArchiveException(CArchiveException::generic);
                      },
                      [](CArcTestItem*) {});
              }),
              CArchiveException::generic);
    EXPECT_EQ(g_nLiveObjects, 4 + 1); // the items stored and the first one loaded
    std::unique_ptr<CObject> pThird(in.ar().ReadObject(nullptr));
    EXPECT_EQ(static_cast<CArcTestItem*>(pThird.get())->m_nValue, 3);
    EXPECT_EQ(ArchiveCause([&] { in.ar().ReadObject(nullptr); }), CArchiveException::badIndex);
    delete pFirst;
}

TEST_F(ArchiveTest, RequestedKindIsChecked)
{
    CArcTestItem item;
    CArcTestSpecialItem special;
    const Bytes bytes = StoredBytes([&](CArchive& ar) { ar << &item << &special << &item; });

    {
        LoadArchive in(bytes);
        CArcTestNote* pNote = nullptr;
        EXPECT_EQ(ArchiveCause([&] { in.ar() >> pNote; }), CArchiveException::badClass);
        EXPECT_EQ(pNote, nullptr);
    }
    {
        LoadArchive in(bytes);
        CArcTestItem* pItem = nullptr;
        CArcTestItem* pSpecial = nullptr;
        in.ar() >> pItem >> pSpecial; // a derived class is of the requested kind
        EXPECT_TRUE(pSpecial->IsKindOf(RUNTIME_CLASS(CArcTestSpecialItem)));
        EXPECT_EQ(ArchiveCause([&] { in.ar().ReadObject(RUNTIME_CLASS(CArcTestSpecialItem)); }),
                  CArchiveException::badClass); // a back-reference to the base-class item
        delete pItem;
        delete pSpecial;
    }
}

const Bytes kItemRecord = ByteWriter().newClass(1, "CArcTestItem").d(1).bytes();

Bytes After(const Bytes& first, const Bytes& second)
{
    Bytes bytes = first;
    bytes.insert(bytes.end(), second.begin(), second.end());
    return bytes;
}

TEST_F(ArchiveTest, BadRecordsThrowAndLeaveNothingBehind)
{
    const struct {
        const char* name;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"UnknownClass", ByteWriter().newClass(1, "CArcTestMissing").d(1).bytes(), CArchiveException::badClass},
        {"ClassNotCreatable", ByteWriter().newClass(1, "CArcTestCounted").bytes(), CArchiveException::badClass},
        {"NameWithNul", ByteWriter().newClass(1, std::string_view("CArcTestItem\0x", 14)).d(1).bytes(),
         CArchiveException::badClass},
        {"NewerSchema", ByteWriter().newClass(2, "CArcTestItem").d(1).bytes(), CArchiveException::badSchema},
        {"OlderSchema", ByteWriter().newClass(0, "CArcTestItem").d(1).bytes(), CArchiveException::badSchema},
        {"ObjectIndexNotYetRead", ByteWriter().w(0x0005).bytes(), CArchiveException::badIndex},
        {"ClassIndexNotYetRead", ByteWriter().w(0x8001).bytes(), CArchiveException::badIndex},
        {"BigIndexNotYetRead", ByteWriter().w(0x7FFF).d(0x80000001).bytes(), CArchiveException::badIndex},
        {"TruncatedName", ByteWriter().w(0xFFFF).w(1).w(12).ascii("CArc").bytes(), CArchiveException::endOfFile},
        {"TruncatedObject", ByteWriter().newClass(1, "CArcTestItem").w(1).bytes(), CArchiveException::endOfFile},
        {"Empty", Bytes{}, CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadArchive in(c.bytes);
        CObject* pObject = nullptr;
        EXPECT_EQ(ArchiveCause([&] { pObject = in.ar().ReadObject(nullptr); }), c.cause);
        EXPECT_EQ(pObject, nullptr);
        EXPECT_EQ(g_nLiveObjects, 0);
    }
}

TEST_F(ArchiveTest, IndexesOfTheWrongKindAreRefused)
{
    // Index 1 is a class and index 2 an object.
    for (const WORD tag : {WORD(0x0001), WORD(0x8002)}) {
        LoadArchive in(After(kItemRecord, ByteWriter().w(tag).bytes()));
        delete in.ar().ReadObject(nullptr);
        EXPECT_EQ(ArchiveCause([&] { in.ar().ReadObject(nullptr); }), CArchiveException::badIndex);
    }
}

TEST_F(ArchiveTest, EveryTruncationOfNestedObjectsEndsInEndOfFileWithoutLeaks)
{
    CArcTestBag bag;
    auto* pItem = new CArcTestItem;
    pItem->m_nValue = 3;
    auto* pNote = new CArcTestNote;
    pNote->m_strText = u"inner";
    auto* pInner = new CArcTestBag;
    pInner->m_objects = {new CArcTestItem, nullptr};
    bag.m_objects = {pItem, pNote, pInner, nullptr};
    const Bytes bytes = StoredBytes([&](CArchive& ar) { ar << &bag; });

    for (std::size_t nLength = 0; nLength < bytes.size(); ++nLength) {
        SCOPED_TRACE(nLength);
        const int nLiveBefore = g_nLiveObjects;
        LoadArchive in(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(nLength)), 16);
        EXPECT_EQ(ArchiveCause([&] { in.ar().ReadObject(nullptr); }),
                  CArchiveException::endOfFile);
        EXPECT_EQ(g_nLiveObjects, nLiveBefore);
    }

    LoadArchive in(bytes, 16);
    CArcTestBag* pLoaded = nullptr;
    in.ar() >> pLoaded;
    ASSERT_EQ(pLoaded->m_objects.size(), 4u);
    EXPECT_EQ(static_cast<CArcTestItem*>(pLoaded->m_objects[0])->m_nValue, 3);
    EXPECT_EQ(static_cast<CArcTestNote*>(pLoaded->m_objects[1])->m_strText, CString(u"inner"));
    EXPECT_EQ(pLoaded->m_objects[3], nullptr);
    delete pLoaded;
}

TEST_F(ArchiveTest, AnObjectWithoutASchemaCannotBeStored)
{
    CArcTestCounted counted;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ArchiveCause([&] { ar << &counted; }), CArchiveException::badClass);
}

// ---- modes, buffering and closing ------------------------------------------------------------

TEST_F(ArchiveTest, SmallBuffersAndLargeBlocksGiveTheSameBytes)
{
    Bytes block(1000);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = BYTE(i * 7);
    const auto write = [&](CArchive& ar) {
        for (int i = 0; i < 100; ++i)
            ar << i;
        ar.Write(block.data(), UINT(block.size()));
        ar << WORD(0xABCD);
    };
    const Bytes reference = StoredBytes(write, 4096);
    EXPECT_EQ(StoredBytes(write, 16), reference);
    ASSERT_EQ(reference.size(), 400u + 1000u + 2u);

    LoadArchive in(reference, 16);
    for (int i = 0; i < 100; ++i) {
        int n = -1;
        in.ar() >> n;
        ASSERT_EQ(n, i);
    }
    Bytes readBack(block.size());
    EXPECT_EQ(in.ar().Read(readBack.data(), UINT(readBack.size())), block.size());
    EXPECT_EQ(readBack, block);
    BYTE rest[8] = {};
    EXPECT_EQ(in.ar().Read(rest, sizeof rest), 2u); // only what is left
    EXPECT_EQ(ArchiveCause([&] { in.ar().EnsureRead(rest, 1); }), CArchiveException::endOfFile);
}

// Runs read whole from the buffer and runs that cross its edge or reach past the data: every
// length from a byte to more than two buffers, from every offset within the buffer.
TEST_F(ArchiveTest, ReadRunsGiveTheBytesWhereverTheBufferEdgeFalls)
{
    Bytes data(120);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = BYTE(i * 13 + 5);
    for (UINT nOffset = 0; nOffset < 16; ++nOffset) {
        for (UINT nLength = 1; nLength <= 40; ++nLength) {
            LoadArchive in(data, 16);
            Bytes skipped(nOffset + 1);
            in.ar().EnsureRead(skipped.data(), nOffset);
            Bytes run(nLength);
            in.ar().EnsureRead(run.data(), nLength);
            ASSERT_TRUE(std::equal(run.begin(), run.end(), data.begin() + nOffset))
                << "offset " << nOffset << ", length " << nLength;
            BYTE next = 0;
            in.ar() >> next;
            EXPECT_EQ(next, data[nOffset + nLength]);
        }
    }
    LoadArchive in(data, 16);
    Bytes tooMuch(data.size() + 1);
    EXPECT_EQ(ArchiveCause([&] { in.ar().EnsureRead(tooMuch.data(), UINT(tooMuch.size())); }),
              CArchiveException::endOfFile);
}

// Texts of every short length and at every place against the buffer's edge, between texts of
// the other forms: each reads back as it was stored, and the next field follows it.
TEST_F(ArchiveTest, TextsReadBackWhereverTheBufferEdgeFalls)
{
    std::vector<CString> texts;
    for (int nLength : {0, 1, 2, 5, 6, 7, 8, 13, 254, 255, 300})
        texts.push_back(CString(TCHAR(0x4E00 + nLength), nLength));
    for (int nOffset = 0; nOffset < 16; ++nOffset) {
        const Bytes bytes = StoredBytes([&](CArchive& ar) {
            for (int i = 0; i < nOffset; ++i)
                ar << BYTE(i);
            for (const CString& text : texts)
                ar << text << WORD(0x1234);
        });
        LoadArchive in(bytes, 16);
        for (int i = 0; i < nOffset; ++i) {
            BYTE by = 0;
            in.ar() >> by;
        }
        for (const CString& text : texts) {
            CString read(_T("left over"));
            WORD wAfter = 0;
            in.ar() >> read >> wAfter;
            ASSERT_EQ(read, text) << "offset " << nOffset << ", length " << text.GetLength();
            ASSERT_EQ(wAfter, 0x1234);
        }
    }
}

// Closing a loading archive leaves its file right after the last byte handed out, whether it
// read ahead into a buffer of its own or in place from a memory file.
TEST_F(ArchiveTest, ClosingALoadingArchiveGivesBackWhatItReadAhead)
{
    BYTE data[12] = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    CMemFile memFile(data, sizeof data);
    CStreamTestFile streamFile(data, sizeof data);
    for (CFile* pFile : {static_cast<CFile*>(&memFile), static_cast<CFile*>(&streamFile)}) {
        SCOPED_TRACE(pFile == &memFile ? "memory file" : "stream");
        {
            CArchive ar(pFile, CArchive::load, 8);
            int n = 0;
            ar >> n;
            EXPECT_EQ(n, 1);
            ar.Close();
            EXPECT_EQ(ar.GetFile(), nullptr);
        }
        EXPECT_EQ(pFile->GetPosition(), 4u);
        CArchive next(pFile, CArchive::load);
        int n = 0;
        next >> n;
        EXPECT_EQ(n, 2);
    }
}

// A memory file is read in place from its position on: reads that meet the end of its data
// stop or fail there as with any file, and the file's bytes stay as they were.
TEST_F(ArchiveTest, AMemoryFileIsReadInPlaceUpToTheEndOfItsData)
{
    const Bytes data = {9, 9, 1, 0, 2, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x00, 7, 8, 6};
    Bytes bytes = data;
    CMemFile file(bytes.data(), UINT(bytes.size()));
    file.Seek(2, CFile::begin);
    {
        CArchive ar(&file, CArchive::load);
        WORD w = 0;
        int n = 0;
        CString text(_T("replaced"));
        ar >> w >> n >> text;
        EXPECT_EQ(w, 1);
        EXPECT_EQ(n, 2);
        EXPECT_TRUE(text.IsEmpty());
        BYTE rest[4] = {};
        EXPECT_EQ(ar.Read(rest, sizeof rest), 3u); // short: the data ends
        EXPECT_EQ(rest[2], 6);
        EXPECT_EQ(ar.Read(rest, 1), 0u);
        EXPECT_EQ(ArchiveCause([&] { ar.EnsureRead(rest, 1); }), CArchiveException::endOfFile);
    }
    EXPECT_EQ(bytes, data);

    file.Seek(12, CFile::begin);
    {
        CArchive ar(&file, CArchive::load);
        BYTE by = 0;
        ar >> by;
        EXPECT_EQ(by, 7);
        BYTE run[3] = {};
        EXPECT_EQ(ArchiveCause([&] { ar.EnsureRead(run, sizeof run); }),
                  CArchiveException::endOfFile);
    }
    file.SeekToEnd();
    CArchive atEnd(&file, CArchive::load);
    int n = 0;
    EXPECT_EQ(ArchiveCause([&] { atEnd >> n; }), CArchiveException::endOfFile);
    CString text;
    EXPECT_EQ(ArchiveCause([&] { atEnd >> text; }), CArchiveException::endOfFile);
}

// Counted runs of 8-byte elements taken in one step, and where that is refused: at the
// buffer's edge, with an escaped count, with a count beyond the data. A refused run takes
// nothing, so that the count can still be read piece by piece.
TEST_F(ArchiveTest, CountedRunsAreTakenWholeOrNotAtAll)
{
    // Each archive first reads nPad bytes, which fills a buffer of the archive's own.
    struct Case {
        const char* name;
        Bytes bytes;
        int nBufSize; // 0: in place from a memory file
        std::size_t nPad;
        bool bTaken;
    };
    const Bytes elements = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const auto run = [&](WORD wCount, std::size_t nElementBytes) {
        Bytes bytes = ByteWriter().w(wCount).bytes();
        bytes.insert(bytes.end(), elements.begin(),
                     elements.begin() + std::ptrdiff_t(nElementBytes));
        return bytes;
    };
    const Case cases[] = {
        {"empty run", run(0, 0), 0, 0, true},
        {"two elements in place", run(2, 16), 0, 1, true},
        {"run ends at the buffer's edge", run(1, 8), 16, 6, true},
        {"run crosses the buffer's edge", run(1, 8), 16, 7, false},
        {"nothing buffered yet", run(1, 8), 16, 0, false},
        {"count beyond the data", run(3, 16), 0, 0, false},
        {"escaped count", ByteWriter().w(0xFFFF).d(1).bytes(), 0, 0, false},
        {"count cut off", Bytes{1}, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes file(c.nPad, 0xAA);
        file.insert(file.end(), c.bytes.begin(), c.bytes.end());
        LoadArchive in(file, c.nBufSize);
        Bytes pad(c.nPad + 1);
        in.ar().EnsureRead(pad.data(), UINT(c.nPad));
        std::size_t nCount = 99;
        const BYTE* pRun = in.ar().TakeCountedRun(8, nCount);
        ASSERT_EQ(pRun != nullptr, c.bTaken);
        if (pRun) {
            EXPECT_EQ(nCount * 8 + 2, c.bytes.size());
            EXPECT_TRUE(std::equal(pRun, pRun + nCount * 8, elements.begin()));
            BYTE by = 0;
            EXPECT_EQ(in.ar().Read(&by, 1), 0u); // the whole run was taken
        } else {
            EXPECT_EQ(nCount, 99u);
            Bytes all(c.bytes.size());
            in.ar().EnsureRead(all.data(), UINT(all.size())); // nothing was taken
            EXPECT_EQ(all, c.bytes);
        }
    }
}

// Bytes taken in place come from a memory file only: a buffer of the archive's own is
// refilled by later reads, and a run beyond the data is refused without taking anything.
TEST_F(ArchiveTest, BytesAreTakenInPlaceOnlyFromAMemoryFile)
{
    const Bytes data = {1, 2, 3, 4, 5, 6};
    LoadArchive inPlace(data);
    const BYTE* pBytes = inPlace.ar().TakeInPlace(4);
    ASSERT_NE(pBytes, nullptr);
    EXPECT_EQ(pBytes[3], 4);
    EXPECT_EQ(inPlace.ar().TakeInPlace(3), nullptr); // two bytes are left
    EXPECT_NE(inPlace.ar().TakeInPlace(2), nullptr);
    EXPECT_EQ(inPlace.ar().TakeInPlace(1), nullptr);

    LoadArchive buffered(data, 16);
    BYTE by = 0;
    buffered.ar() >> by; // the buffer is filled
    EXPECT_EQ(buffered.ar().TakeInPlace(1), nullptr);
    buffered.ar() >> by;
    EXPECT_EQ(by, 2);

    CMemFile file;
    CArchive storing(&file, CArchive::store);
    EXPECT_EQ(storing.TakeInPlace(0), nullptr);
    std::size_t nCount = 0;
    EXPECT_EQ(storing.TakeCountedRun(1, nCount), nullptr);
}

// What is still buffered reaches the file on Close (which may come twice) and on destruction,
// unless the archive was told not to flush or was aborted.
TEST_F(ArchiveTest, CloseAndDestructionFlushAbortAndNoFlushDoNot)
{
    const struct {
        const char* pszName;
        UINT nMode;
        void (*end)(CArchive&);
        ULONGLONG nLength;
    } cases[] = {
        {"close", CArchive::store, [](CArchive& ar) { ar.Close(); ar.Close(); }, 4},
        {"destruction", CArchive::store, [](CArchive&) {}, 4},
        {"no flush on delete", CArchive::store | CArchive::bNoFlushOnDelete, [](CArchive&) {}, 0},
        {"abort", CArchive::store, [](CArchive& ar) { ar.Abort(); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CMemFile file;
        {
            CArchive ar(&file, c.nMode);
            ar << int(7);
            c.end(ar);
        }
        EXPECT_EQ(file.GetLength(), c.nLength);
    }
}

// ---- exceptions ------------------------------------------------------------------------------

TEST(ArchiveExceptionTest, MessagesNameTheFile)
{
    const struct {
        int cause;
        LPCTSTR name;
        LPCTSTR message;
    } cases[] = {
        {CArchiveException::generic, u"/p/a.dfb", u"Unexpected file format."},
        {CArchiveException::readOnly, u"/p/a.dfb", u"Tried to write to /p/a.dfb while it was being read."},
        {CArchiveException::endOfFile, u"/p/a.dfb", u"Unexpected end of file while reading /p/a.dfb."},
        {CArchiveException::writeOnly, u"x", u"Tried to read from x while it was being written."},
        {CArchiveException::badIndex, u"x", u"Invalid file format."},
        {CArchiveException::badClass, u"x", u"Unexpected object found while reading x."},
        {CArchiveException::badSchema, nullptr, u"an unnamed file contains an incorrect schema."},
    };
    for (const auto& c : cases) {
        const CArchiveException e(c.cause, c.name);
        CString text;
        EXPECT_TRUE(e.GetErrorMessage(text));
        EXPECT_EQ(text, CString(c.message));
    }
}

TEST(ArchiveExceptionTest, ReportErrorShowsTheMessage)
{
    CMessageBoxRecorder recorder;
    CArchiveException* e = nullptr;
    try {
        AfxThrowArchiveException(CArchiveException::badClass, u"b.dld");
    } catch (CException* caught) {
        e = dynamic_cast<CArchiveException*>(caught);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->ReportError(MB_ICONEXCLAMATION), IDOK);
        e->Delete();
    }
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, CString(u"Unexpected object found while reading b.dld."));
    EXPECT_EQ(recorder.Boxes()[0].type, MB_ICONEXCLAMATION);

    // An exception without a text of its own falls back to a fixed one.
    recorder.Clear();
    auto* pPlain = new CException;
    pPlain->ReportError();
    pPlain->Delete();
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, CString(u"No error message is available."));
}

} // namespace
