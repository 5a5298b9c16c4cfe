#include "CollectionArchive.h"

#include "platform/core/Exception.h"
#include "platform/core/Map.h"
#include "platform/core/MapStringToString.h"
#include "platform/core/String.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using CIntToStringMap = CMap<int, int, CString, LPCTSTR>;

// The simulated-input record a ladder document keeps per operand: five ints, stored raw.
struct SimRecord {
    int nAuto;
    int nValue;
    int nMin;
    int nMax;
    int nMode;
};
static_assert(sizeof(SimRecord) == 20);
using CIntToRecordMap = CMap<int, int, SimRecord, const SimRecord&>;

template <class Map, class Key, class Value>
std::vector<Key> KeysInOrder(const Map& map)
{
    std::vector<Key> keys;
    Key key{};
    Value value{};
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    EXPECT_EQ(INT_PTR(keys.size()), map.GetCount());
    return keys;
}

std::vector<int> Keys(const CIntToStringMap& map)
{
    return KeysInOrder<CIntToStringMap, int, CString>(map);
}

} // namespace

TEST(Map, SetsLooksUpAndRemoves)
{
    CIntToStringMap map(10);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    map.SetAt(1300, _T("flag"));
    map[600] = _T("output");
    map.SetAt(1300, _T("flag 0"));
    CString value;
    EXPECT_TRUE(map.Lookup(1300, value));
    EXPECT_EQ(value, _T("flag 0"));
    EXPECT_FALSE(map.Lookup(601, value));
    EXPECT_EQ(value, _T("flag 0"));  // untouched when not found
    EXPECT_TRUE(map[601].IsEmpty());  // operator[] adds the key
    EXPECT_EQ(map.GetCount(), 3);
    ASSERT_NE(map.PLookup(600), nullptr);
    EXPECT_EQ(map.PLookup(600)->key, 600);
    map.PLookup(600)->value = _T("Q1");
    EXPECT_EQ(map[600], _T("Q1"));
    EXPECT_EQ(map.PLookup(5), nullptr);

    EXPECT_TRUE(map.RemoveKey(601));
    EXPECT_FALSE(map.RemoveKey(601));
    EXPECT_EQ(map.GetSize(), 2);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.RemoveKey(600));
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

// The classic order: buckets from 0 up ((UINT)key >> 4 modulo 17), the newest association of a
// bucket first. Stored files list map entries in this order.
TEST(Map, IteratesInTheClassicHashOrder)
{
    CIntToStringMap map;
    for (int key : {256, 0, 16, 272, 1, 300, -1, 4800})
        map[key] = _T("x");
    // 0, 272 and 1 share bucket 0; 16 and 300 bucket 1; -1 is 0x0FFFFFFF, bucket 15;
    // 4800 is 300, bucket 11; 256 hashes to 16, the last bucket.
    EXPECT_EQ(Keys(map), (std::vector<int>{1, 272, 0, 300, 16, 4800, -1, 256}));

    map.SetAt(272, _T("again"));  // an existing key keeps its place
    EXPECT_EQ(Keys(map), (std::vector<int>{1, 272, 0, 300, 16, 4800, -1, 256}));
    map.RemoveKey(272);
    map[272] = _T("new");  // added again: the head of its bucket
    EXPECT_EQ(Keys(map), (std::vector<int>{272, 1, 0, 300, 16, 4800, -1, 256}));
}

TEST(Map, HashTableSizeDecidesTheBuckets)
{
    CIntToStringMap map;
    map.InitHashTable(7);
    for (int key : {0, 16, 32, 112})  // hashes 0, 1, 2, 7: buckets 0, 1, 2, 0
        map[key] = _T("x");
    EXPECT_EQ(map.GetHashTableSize(), 7u);
    EXPECT_EQ(Keys(map), (std::vector<int>{112, 0, 16, 32}));

    map.RemoveAll();  // keeps the size
    EXPECT_EQ(map.GetHashTableSize(), 7u);

    // A map that is not empty is redistributed, nothing lost.
    for (int key : {0, 16, 32, 112})
        map[key] = CString(_T("v"));
    map.InitHashTable(17, FALSE);
    EXPECT_EQ(Keys(map), (std::vector<int>{0, 16, 32, 112}));
    CString value;
    for (int key : {0, 16, 32, 112})
        EXPECT_TRUE(map.Lookup(key, value)) << key;
    EXPECT_THROW(map.InitHashTable(0), std::out_of_range);
}

TEST(Map, StoresCountThenKeyAndValueInIterationOrder)
{
    CIntToStringMap map;
    map[17] = _T("b");  // bucket 1
    map[1] = _T("a");   // bucket 0
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { map.Serialize(ar); });
    const std::vector<BYTE> expected = {
        0x02, 0x00,
        0x01, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00,
        0x11, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'b', 0x00,
    };
    EXPECT_EQ(bytes, expected);

    // Loading sets every key read and keeps the others.
    CIntToStringMap loaded;
    loaded[1] = _T("old");
    loaded[99] = _T("kept");
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetCount(), 3);
    EXPECT_EQ(loaded[1], _T("a"));
    EXPECT_EQ(loaded[17], _T("b"));
    EXPECT_EQ(loaded[99], _T("kept"));
}

TEST(Map, StoresRecordValuesAsRawBytes)
{
    CIntToRecordMap map;
    map[1316] = SimRecord{1, -2, 0, 1000, 3};
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { map.Serialize(ar); });
    const std::vector<BYTE> expected = {
        0x01, 0x00, 0x24, 0x05, 0x00, 0x00,
        0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,
        0xE8, 0x03, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
    };
    EXPECT_EQ(bytes, expected);

    CIntToRecordMap loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    SimRecord record{};
    ASSERT_TRUE(loaded.Lookup(1316, record));
    EXPECT_EQ(record.nValue, -2);
    EXPECT_EQ(record.nMax, 1000);
    EXPECT_EQ(record.nMode, 3);

    // A record cut short fails at the end of the file and adds no key.
    CIntToRecordMap cut;
    EXPECT_EQ(LoadCause({bytes.begin(), bytes.begin() + 8}, [&](CArchive& ar) { cut.Serialize(ar); }),
              CArchiveException::endOfFile);
    EXPECT_TRUE(cut.IsEmpty());
}

TEST(MapStringToString, HashesStringsAndStoresKeyValuePairs)
{
    // "ab" hashes to 97 * 33 + 98 = 3299, bucket 1; "a" to 97, bucket 12; "b" bucket 13.
    EXPECT_EQ(HashKey<LPCTSTR>(_T("ab")), 3299u);
    CMapStringToString map;
    map.SetAt(_T("b"), _T("2"));
    map.SetAt(_T("a"), _T("1"));
    map[_T("ab")] = _T("12");
    EXPECT_EQ((KeysInOrder<CMapStringToString, CString, CString>(map)),
              (std::vector<CString>{CString(_T("ab")), CString(_T("a")), CString(_T("b"))}));
    CString value;
    EXPECT_TRUE(map.Lookup(_T("a"), value));
    EXPECT_EQ(value, _T("1"));
    EXPECT_FALSE(map.Lookup(_T("A"), value));

    CMapStringToString single;
    single[_T("k")] = _T("v");
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) { single.Serialize(ar); });
    EXPECT_EQ(bytes, (std::vector<BYTE>{0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'k', 0x00, 0xFF,
                                        0xFE, 0xFF, 0x01, 'v', 0x00}));
    CMapStringToString loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded[_T("k")], _T("v"));
}
