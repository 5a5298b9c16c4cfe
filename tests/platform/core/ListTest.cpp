#include "CollectionArchive.h"

#include "platform/core/Exception.h"
#include "platform/core/ObList.h"
#include "platform/core/PtrList.h"
#include "platform/core/String.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using CIntList = CList<int, int>;

// Walks the list both ways, so a broken back link shows as a mismatch with the forward walk.
std::vector<int> Contents(const CIntList& list)
{
    std::vector<int> forward;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        forward.push_back(list.GetNext(pos));
    std::vector<int> backward;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward.insert(backward.begin(), list.GetPrev(pos));
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(INT_PTR(forward.size()), list.GetCount());
    return forward;
}

void Fill(CIntList& list, std::initializer_list<int> values)
{
    for (int v : values)
        list.AddTail(v);
}

} // namespace

TEST(List, AddsAtBothEndsAndInsertsInTheMiddle)
{
    CIntList list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(2);
    list.AddHead(1);
    const POSITION three = list.AddTail(3);
    list.InsertBefore(three, 25);
    list.InsertAfter(list.GetHeadPosition(), 15);
    list.InsertAfter(three, 4);
    list.InsertBefore(list.GetHeadPosition(), 0);
    list.InsertBefore(nullptr, -1);  // null: at the head
    list.InsertAfter(nullptr, 5);    // null: at the tail
    EXPECT_EQ(Contents(list), (std::vector<int>{-1, 0, 1, 15, 2, 25, 3, 4, 5}));
    EXPECT_EQ(list.GetHead(), -1);
    EXPECT_EQ(list.GetTail(), 5);
    EXPECT_EQ(list.GetSize(), 9);
}

TEST(List, RemovesAtBothEndsAndInTheMiddle)
{
    CIntList list;
    Fill(list, {1, 2, 3, 4, 5});
    EXPECT_EQ(list.RemoveHead(), 1);
    EXPECT_EQ(list.RemoveTail(), 5);
    list.RemoveAt(list.Find(3));
    EXPECT_EQ(Contents(list), (std::vector<int>{2, 4}));
    list.RemoveAt(list.GetTailPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(7);  // the emptied list is whole again
    EXPECT_EQ(Contents(list), (std::vector<int>{7}));
}

TEST(List, PositionsReadAndWriteElements)
{
    CIntList list;
    Fill(list, {10, 20, 30});
    POSITION pos = list.GetHeadPosition();
    const POSITION first = pos;
    EXPECT_EQ(list.GetNext(pos), 10);
    list.SetAt(pos, 21);
    list.GetAt(first) = 11;
    EXPECT_EQ(Contents(list), (std::vector<int>{11, 21, 30}));
    POSITION last = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(last), 30);
    EXPECT_EQ(list.GetAt(last), 21);
}

TEST(List, FindsFromAPositionAndByIndex)
{
    CIntList list;
    Fill(list, {7, 8, 7, 9});
    const POSITION firstSeven = list.Find(7);
    ASSERT_EQ(firstSeven, list.GetHeadPosition());
    const POSITION secondSeven = list.Find(7, firstSeven);
    EXPECT_EQ(secondSeven, list.FindIndex(2));
    EXPECT_EQ(list.Find(7, secondSeven), nullptr);
    EXPECT_EQ(list.Find(9, list.GetTailPosition()), nullptr);
    EXPECT_EQ(list.Find(42), nullptr);
    EXPECT_EQ(list.FindIndex(3), list.GetTailPosition());
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(List, AddsWholeListsInOrderIncludingItself)
{
    CIntList list;
    CIntList other;
    Fill(list, {3, 4});
    Fill(other, {1, 2});
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 2, 3, 4, 1, 2}));
    EXPECT_EQ(Contents(other), (std::vector<int>{1, 2}));

    other.AddTail(&other);
    EXPECT_EQ(Contents(other), (std::vector<int>{1, 2, 1, 2}));
    other.AddHead(&other);
    EXPECT_EQ(Contents(other), (std::vector<int>{1, 2, 1, 2, 1, 2, 1, 2}));
}

TEST(List, SpliceMovesTheNodesAndEmptiesTheSource)
{
    const struct {
        std::initializer_list<int> target;
        std::initializer_list<int> source;
        std::vector<int> joined;
    } cases[] = {
        {{1, 2}, {3, 4, 5}, {1, 2, 3, 4, 5}},
        {{}, {3, 4}, {3, 4}},
        {{1}, {}, {1}},
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        CIntList target;
        CIntList source;
        Fill(target, c.target);
        Fill(source, c.source);
        const POSITION posMoved = source.GetHeadPosition();
        target.SpliceTail(source);
        EXPECT_EQ(Contents(target), c.joined);
        EXPECT_EQ(Contents(source), std::vector<int>{});
        // The moved nodes are the same nodes: their positions now walk the target.
        if (posMoved) {
            EXPECT_EQ(target.FindIndex(INT_PTR(c.target.size())), posMoved);
        }
        // Both lists stay usable at their ends.
        target.AddTail(9);
        source.AddTail(8);
        EXPECT_EQ(target.GetTail(), 9);
        EXPECT_EQ(Contents(source), std::vector<int>{8});
    }
    CIntList self;
    Fill(self, {1, 2});
    self.SpliceTail(self);
    EXPECT_EQ(Contents(self), (std::vector<int>{1, 2}));
}

// Nodes live in blocks the list owns: removed nodes are reused, and blocks that a splice moved
// must outlive the list they came from (the sanitizer build reports any node left behind).
TEST(List, NodesAreReusedAndSplicedBlocksOutliveTheirSource)
{
    CIntList target(2);
    Fill(target, {1, 2, 3, 4, 5});
    // Free nodes in the target, and in the source a part-used block with free nodes of its own.
    target.RemoveAt(target.FindIndex(1));
    target.RemoveTail();
    {
        CIntList source(3);
        for (int v = 10; v < 40; ++v)
            source.AddTail(v);
        for (int n = 0; n < 10; ++n)
            source.RemoveHead();
        target.SpliceTail(source);
        EXPECT_TRUE(source.IsEmpty());
    }
    std::vector<int> expected = {1, 3, 4};
    for (int v = 20; v < 40; ++v)
        expected.push_back(v);
    EXPECT_EQ(Contents(target), expected);
    // Both lists' free nodes serve new elements, in the middle and at the ends.
    for (int v = 100; v < 150; ++v) {
        target.InsertAfter(target.GetHeadPosition(), v);
        expected.insert(expected.begin() + 1, v);
    }
    EXPECT_EQ(Contents(target), expected);
    // Emptied element by element, the list can be filled again.
    while (!target.IsEmpty())
        target.RemoveHead();
    Fill(target, {7, 8});
    EXPECT_EQ(Contents(target), (std::vector<int>{7, 8}));
}

TEST(List, ElementsWithTheirOwnMemoryAreDestroyedOnEveryRemoval)
{
    // Texts longer than a string keeps inline: a node whose element were not destroyed would
    // leak, and one destroyed twice would be reported by the sanitizer build.
    const CString strLong(_T("a text much longer than the inline buffer of a string"));
    CList<CString, const CString&> texts;
    for (int i = 0; i < 25; ++i)
        texts.AddTail(strLong);
    texts.RemoveHead();
    texts.RemoveAt(texts.FindIndex(5));
    texts.AddHead(_T("first"));
    EXPECT_EQ(texts.GetCount(), 24);
    EXPECT_EQ(texts.GetHead(), CString(_T("first")));
    EXPECT_EQ(texts.GetTail(), strLong);
    texts.RemoveAll();
    EXPECT_TRUE(texts.IsEmpty());
    texts.AddTail(strLong);
    EXPECT_EQ(texts.GetHead(), strLong);
}

TEST(List, EmptyListAndNullPositionThrowInsteadOfCrashing)
{
    CIntList list;
    EXPECT_THROW(list.GetHead(), std::out_of_range);
    EXPECT_THROW(list.GetTail(), std::out_of_range);
    EXPECT_THROW(list.RemoveHead(), std::out_of_range);
    EXPECT_THROW(list.RemoveTail(), std::out_of_range);
    POSITION pos = nullptr;
    EXPECT_THROW(list.GetNext(pos), std::out_of_range);
    EXPECT_THROW(list.RemoveAt(nullptr), std::out_of_range);
}

TEST(List, PointerListsCompareByAddress)
{
    int a = 1;
    int b = 1;
    CPtrList list(10);
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(nullptr);
    CPtrList copy;
    copy.AddTail(&list);
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.Find(&b), copy.FindIndex(1));
    EXPECT_EQ(copy.Find(nullptr), copy.GetTailPosition());
}

namespace {

void DeleteAll(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

} // namespace

TEST(ObList, StoresCountThenObjectRecords)
{
    CCollTestItem five(5);
    CCollTestItem seven(7);
    CCollTestMark mark(9);
    CObList list;
    list.AddTail(&five);
    list.AddTail(&seven);
    list.AddTail(&mark);
    list.AddTail(nullptr);
    list.AddTail(&five);
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { list.Serialize(ar); });
    const std::vector<BYTE> expected = {
        0x05, 0x00,                                      // count
        0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00,              // new class, schema 1, name length
        'C', 'C', 'o', 'l', 'l', 'T', 'e', 's', 't', 'I', 't', 'e', 'm',
        0x05, 0x00, 0x00, 0x00,                          // object 2
        0x01, 0x80, 0x07, 0x00, 0x00, 0x00,              // class 1 again, object 3
        0xFF, 0xFF, 0x02, 0x00, 0x0D, 0x00,              // class 4
        'C', 'C', 'o', 'l', 'l', 'T', 'e', 's', 't', 'M', 'a', 'r', 'k',
        0x09, 0x00,                                      // object 5
        0x00, 0x00,                                      // null
        0x02, 0x00,                                      // object 2 again
    };
    EXPECT_EQ(bytes, expected);

    CObList loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetCount(), 5);
    POSITION pos = loaded.GetHeadPosition();
    CObject* first = loaded.GetNext(pos);
    ASSERT_TRUE(first->IsKindOf(RUNTIME_CLASS(CCollTestItem)));
    EXPECT_EQ(static_cast<CCollTestItem*>(first)->m_nValue, 5);
    EXPECT_EQ(static_cast<CCollTestItem*>(loaded.GetNext(pos))->m_nValue, 7);
    CObject* third = loaded.GetNext(pos);
    ASSERT_TRUE(third->IsKindOf(RUNTIME_CLASS(CCollTestMark)));
    EXPECT_EQ(static_cast<CCollTestMark*>(third)->m_wValue, 9);
    EXPECT_EQ(loaded.GetNext(pos), nullptr);
    EXPECT_EQ(loaded.GetNext(pos), first);  // the same object, not a copy
    loaded.RemoveTail();
    DeleteAll(loaded);
}

// The second list names the first one's objects again: every one of its records is a
// back-reference, although the object table made room for each list as it came.
TEST(ObList, ObjectsOfAnEarlierListAreReferredBack)
{
    std::vector<CCollTestItem> items(1500);
    CObList first;
    CObList second;
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].m_nValue = int(i);
        first.AddTail(&items[i]);
        second.AddHead(&items[i]);
    }
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) {
        first.Serialize(ar);
        second.Serialize(ar);
    });
    // Class 1, objects 2 .. 1501 with their ints; then the count and a tag per object.
    const std::size_t nFirst = 2 + 6 + 13 + 4 + (items.size() - 1) * (2 + 4);
    ASSERT_EQ(bytes.size(), nFirst + 2 + items.size() * 2);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t nAt = nFirst + 2 + 2 * i;
        ASSERT_EQ(bytes[nAt] | bytes[nAt + 1] << 8, int(items.size() - i + 1)) << i;
    }

    CObList loadedFirst;
    CObList loadedSecond;
    LoadFromBytes(bytes, [&](CArchive& ar) {
        loadedFirst.Serialize(ar);
        loadedSecond.Serialize(ar);
    });
    ASSERT_EQ(loadedSecond.GetCount(), loadedFirst.GetCount());
    POSITION posFirst = loadedFirst.GetTailPosition();
    for (POSITION pos = loadedSecond.GetHeadPosition(); pos;)
        ASSERT_EQ(loadedSecond.GetNext(pos), loadedFirst.GetPrev(posFirst));
    DeleteAll(loadedFirst);
}

// Loading appends to what the list holds. A load that fails part way leaves the objects read so
// far in the list for their owner, and nothing else: the leak checker of the test build sees
// any object lost on the way.
TEST(ObList, LoadingAppendsAndAFailedLoadKeepsTheObjectsReadBeforeIt)
{
    CCollTestItem a(1);
    CCollTestItem b(2);
    CCollTestItem c(3);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { list.Serialize(ar); });
    bytes.resize(bytes.size() - 2);  // the third object's int is cut short

    CCollTestItem kept(9);
    CObList loaded;
    loaded.AddTail(&kept);
    EXPECT_EQ(LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException::endOfFile);
    ASSERT_EQ(loaded.GetCount(), 3);
    EXPECT_EQ(loaded.RemoveHead(), &kept);
    EXPECT_EQ(static_cast<CCollTestItem*>(loaded.GetHead())->m_nValue, 1);
    EXPECT_EQ(static_cast<CCollTestItem*>(loaded.GetTail())->m_nValue, 2);
    DeleteAll(loaded);
}

