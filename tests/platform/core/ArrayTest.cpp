#include "CollectionArchive.h"

#include "platform/core/ByteArray.h"
#include "platform/core/Exception.h"
#include "platform/core/Geometry.h"
#include "platform/core/ObArray.h"
#include "platform/core/String.h"
#include "platform/core/UIntArray.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

using CIntArray = CArray<int, int>;

std::vector<int> Contents(const CIntArray& array)
{
    return std::vector<int>(array.GetData(), array.GetData() + array.GetSize());
}

void Fill(CIntArray& array, std::initializer_list<int> values)
{
    for (int v : values)
        array.Add(v);
}

} // namespace

TEST(Array, SizesGrowWithZerosAndShrink)
{
    CIntArray array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_EQ(array.GetData(), nullptr);
    Fill(array, {1, 2});
    array.SetSize(4, 16);
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 2, 0, 0}));
    array.SetSize(1);
    array.SetSize(3);  // the element cut off does not come back
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 0, 0}));
    array.SetAtGrow(5, 6);
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 0, 0, 0, 0, 6}));
    EXPECT_EQ(array.GetUpperBound(), 5);
    array.FreeExtra();
    EXPECT_EQ(array.GetCount(), 6);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(Array, InsertsAndRemovesWithCounts)
{
    CIntArray array;
    Fill(array, {1, 2, 3});
    array.InsertAt(0, 0);
    array.InsertAt(2, 9, 3);
    EXPECT_EQ(Contents(array), (std::vector<int>{0, 1, 9, 9, 9, 2, 3}));
    array.InsertAt(9, 7, 2);  // beyond the end: the gap is zeros
    EXPECT_EQ(Contents(array), (std::vector<int>{0, 1, 9, 9, 9, 2, 3, 0, 0, 7, 7}));
    array.RemoveAt(2, 3);
    array.RemoveAt(0);
    array.RemoveAt(array.GetUpperBound());
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 2, 3, 0, 0, 7}));
    array.InsertAt(1, array[5]);  // an element of the array itself
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 7, 2, 3, 0, 0, 7}));
}

TEST(Array, AppendsCopiesAndInsertsArraysIncludingItself)
{
    CIntArray array;
    CIntArray other;
    Fill(array, {1, 2});
    Fill(other, {8, 9});
    EXPECT_EQ(array.Append(other), 2);
    EXPECT_EQ(array.Append(array), 4);
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 2, 8, 9, 1, 2, 8, 9}));
    array.Copy(other);
    EXPECT_EQ(Contents(array), (std::vector<int>{8, 9}));
    array.Copy(array);
    EXPECT_EQ(Contents(array), (std::vector<int>{8, 9}));
    array.InsertAt(1, &array);
    EXPECT_EQ(Contents(array), (std::vector<int>{8, 8, 9, 9}));
    array.InsertAt(4, &other);
    EXPECT_EQ(Contents(array), (std::vector<int>{8, 8, 9, 9, 8, 9}));
}

TEST(Array, BadIndexesThrowInsteadOfTouchingMemory)
{
    CIntArray array;
    Fill(array, {1, 2});
    EXPECT_THROW(array.GetAt(2), std::out_of_range);
    EXPECT_THROW(array[-1], std::out_of_range);
    EXPECT_THROW(array.SetAt(5, 0), std::out_of_range);
    EXPECT_THROW(array.RemoveAt(1, 2), std::out_of_range);
    EXPECT_THROW(array.SetSize(-1), std::out_of_range);
    EXPECT_THROW(array.SetAtGrow(-1, 0), std::out_of_range);
    EXPECT_EQ(Contents(array), (std::vector<int>{1, 2}));
}

struct CapacityCase {
    INT_PTR size, capacity, growBy, newSize, expected;
};

TEST(Array, GrowsCapacityByTheClassicRule)
{
    const CapacityCase cases[] = {
        {0, 0, 0, 1, 1},            // first allocation: what is asked for
        {0, 0, 10, 1, 10},          // or the grow-by when larger
        {4, 4, 0, 5, 8},            // at least 4 more
        {80, 80, 0, 81, 90},        // an eighth of the size
        {16000, 16000, 0, 16001, 17024},  // at most 1024 more
        {4, 4, 2, 5, 6},            // the array's own grow-by
        {4, 4, 0, 20, 20},          // a jump beyond the growth
        {3, 8, 0, 8, 8},            // room enough: unchanged
    };
    for (const CapacityCase& c : cases) {
        EXPECT_EQ(ArrayCapacityFor(c.size, c.capacity, c.growBy, c.newSize), c.expected)
            << c.size << " " << c.capacity << " " << c.growBy << " " << c.newSize;
    }
}

TEST(Array, StoresPlainElementsAsRawBytes)
{
    CByteArray bytes;
    for (BYTE b : {1, 2, 0xFF})
        bytes.Add(b);
    EXPECT_EQ(StoredBytes([&](CArchive& ar) { bytes.Serialize(ar); }),
              (std::vector<BYTE>{0x03, 0x00, 0x01, 0x02, 0xFF}));

    CArray<double, double> doubles;
    doubles.Add(1.5);
    EXPECT_EQ(StoredBytes([&](CArchive& ar) { doubles.Serialize(ar); }),
              (std::vector<BYTE>{0x01, 0x00, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));

    CArray<CPoint, CPoint> points;
    points.Add(CPoint(1, -2));
    EXPECT_EQ(StoredBytes([&](CArchive& ar) { points.Serialize(ar); }),
              (std::vector<BYTE>{0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF}));

    CUIntArray uints;
    uints.Add(0x01020304);
    EXPECT_EQ(StoredBytes([&](CArchive& ar) { uints.Serialize(ar); }),
              (std::vector<BYTE>{0x01, 0x00, 0x04, 0x03, 0x02, 0x01}));
}

// Elements copied from bytes at an odd address replace the contents whole, for arrays that
// hold a few elements inside themselves and move to the heap beyond them, and for plain ones.
TEST(Array, SetFromBytesReplacesTheContentsWithUnalignedElements)
{
    std::vector<BYTE> bytes(1 + 9 * sizeof(CPoint));
    for (std::size_t i = 0; i < 18; ++i) {
        const int n = int(i) + 1;
        std::memcpy(bytes.data() + 1 + i * sizeof(int), &n, sizeof n);
    }
    CArray<CPoint> points;
    points.SetSize(8);
    for (INT_PTR nCount : {3, 0, 9, 2}) {
        SCOPED_TRACE(nCount);
        points.SetFromBytes(bytes.data() + 1, nCount);
        ASSERT_EQ(points.GetSize(), nCount);
        for (INT_PTR i = 0; i < nCount; ++i)
            EXPECT_EQ(points[i], CPoint(int(2 * i + 1), int(2 * i + 2)));
    }
    // With the whole room readable the inline copy takes more bytes than the elements; a
    // later growth still brings zeros.
    for (INT_PTR nCount : {2, 6, 7}) {
        SCOPED_TRACE(nCount);
        points.SetFromBytes(bytes.data() + 1, nCount, bytes.size() - 1);
        ASSERT_EQ(points.GetSize(), nCount);
        EXPECT_EQ(points[nCount - 1], CPoint(int(2 * nCount - 1), int(2 * nCount)));
        points.SetSize(nCount + 1);
        EXPECT_EQ(points[nCount], CPoint(0, 0));
    }
    CIntArray ints;
    Fill(ints, {7, 7, 7, 7});
    ints.SetFromBytes(bytes.data() + 1, 2);
    EXPECT_EQ(Contents(ints), (std::vector<int>{1, 2}));
    EXPECT_THROW(ints.SetFromBytes(bytes.data(), -1), std::out_of_range);
}

TEST(Array, StoresStringsAsArchiveStrings)
{
    CArray<CString, LPCTSTR> strings;
    strings.Add(_T("ab"));
    strings.Add(_T(""));
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { strings.Serialize(ar); });
    EXPECT_EQ(bytes, (std::vector<BYTE>{0x02, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b', 0,
                                        0xFF, 0xFE, 0xFF, 0x00}));
    CArray<CString, LPCTSTR> loaded;
    loaded.Add(_T("old"));
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[0], _T("ab"));
    EXPECT_TRUE(loaded[1].IsEmpty());
}

TEST(Array, CountEscapeForLongByteArrays)
{
    CByteArray stored;
    stored.SetSize(0x10000);
    stored[0xFFFF] = 0x5A;
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { stored.Serialize(ar); });
    ASSERT_EQ(bytes.size(), 6u + 0x10000u);
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 6),
              (std::vector<BYTE>{0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));
    CByteArray loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 0x10000);
    EXPECT_EQ(loaded[0xFFFF], 0x5A);
}

// A count far larger than the data must fail at the end of the data, not try to allocate
// room for billions of elements first.
TEST(Array, CountBeyondTheDataFailsAtEndOfFile)
{
    const std::vector<std::vector<BYTE>> damaged = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x02, 0x03},  // about 2^31 doubles
        {0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F, 0x00},  // 1.5 doubles
    };
    for (const std::vector<BYTE>& bytes : damaged) {
        CArray<double, double> loaded;
        EXPECT_EQ(LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException::endOfFile);
    }
}

TEST(ObArray, StoresObjectRecordsWithNullAndRepeatedEntries)
{
    CCollTestItem item(1);
    CObArray array;
    array.Add(&item);
    array.Add(nullptr);
    array.Add(&item);
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { array.Serialize(ar); });
    const std::vector<BYTE> expected = {
        0x03, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00,
        'C', 'C', 'o', 'l', 'l', 'T', 'e', 's', 't', 'I', 't', 'e', 'm',
        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00,
    };
    EXPECT_EQ(bytes, expected);

    CCollTestItem old(9);
    CObArray loaded;
    for (int i = 0; i < 4; ++i)
        loaded.Add(&old);
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 3);
    ASSERT_TRUE(loaded[0]->IsKindOf(RUNTIME_CLASS(CCollTestItem)));
    EXPECT_NE(loaded[0], &old);
    EXPECT_EQ(static_cast<CCollTestItem*>(loaded[0])->m_nValue, 1);
    EXPECT_EQ(loaded[1], nullptr);
    EXPECT_EQ(loaded[2], loaded[0]);
    delete loaded[0];
}

TEST(ObArray, FailedLoadKeepsTheObjectsReadBeforeTheFailure)
{
    CCollTestItem a(1);
    CCollTestMark b(2);
    CObArray array;
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&b);
    std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { array.Serialize(ar); });
    bytes.pop_back();  // the mark's WORD is cut short

    CObArray loaded;
    EXPECT_EQ(LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException::endOfFile);
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[1], nullptr);
    delete loaded[0];
}
