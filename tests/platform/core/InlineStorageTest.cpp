#include "platform/core/Array.h"
#include "platform/core/Exception.h"
#include "platform/core/Geometry.h"
#include "platform/core/InlineStorage.h"
#include "platform/core/MemFile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Storage = CInlineStorage<int, 4>;

Storage Make(int nCount, int nFirst)
{
    Storage storage;
    for (int i = 0; i < nCount; ++i)
        storage.insert(storage.end(), 1, nFirst + i);
    return storage;
}

std::vector<int> Contents(const Storage& storage)
{
    return std::vector<int>(storage.begin(), storage.end());
}

std::vector<int> Expected(int nCount, int nFirst)
{
    std::vector<int> values;
    for (int i = 0; i < nCount; ++i)
        values.push_back(nFirst + i);
    return values;
}

// Sizes on either side of the inline capacity: empty, inside, exactly full, one past.
struct TransferCase {
    int nSource;
    int nTarget;
};

const TransferCase kTransfers[] = {{0, 5}, {3, 0}, {4, 2}, {5, 3}, {2, 7}, {6, 9}, {4, 4}};

std::string Describe(const TransferCase& c)
{
    return std::to_string(c.nSource) + " into " + std::to_string(c.nTarget);
}

} // namespace

TEST(InlineStorage, StaysInsideUpToItsCapacityAndMovesOutPastIt)
{
    Storage storage = Make(4, 10);
    EXPECT_TRUE(storage.IsInline());
    EXPECT_EQ(storage.capacity(), 4u);
    storage.insert(storage.begin() + 2, 1, storage[0]); // an element of itself, at the edge
    EXPECT_FALSE(storage.IsInline());
    EXPECT_EQ(Contents(storage), (std::vector<int>{10, 11, 10, 12, 13}));
    storage.erase(storage.begin(), storage.begin() + 2);
    storage.shrink_to_fit(); // fits again: back inside, the heap block freed
    EXPECT_TRUE(storage.IsInline());
    EXPECT_EQ(Contents(storage), (std::vector<int>{10, 12, 13}));
    storage.resize(9); // zeros, on the heap
    EXPECT_FALSE(storage.IsInline());
    EXPECT_EQ(Contents(storage), (std::vector<int>{10, 12, 13, 0, 0, 0, 0, 0, 0}));
    storage.resize(2);
    storage.shrink_to_fit();
    EXPECT_TRUE(storage.IsInline());
    storage.clear();
    EXPECT_TRUE(storage.empty());
}

// Every pairing of inline and heap storage, copied and moved both ways: the target holds the
// source's elements, a copied source keeps its own, a moved-from source is empty and usable.
TEST(InlineStorage, CopiesAndMovesBetweenInlineAndHeapStorage)
{
    for (const TransferCase& c : kTransfers) {
        SCOPED_TRACE(Describe(c));
        const std::vector<int> source = Expected(c.nSource, 100);
        {
            Storage from = Make(c.nSource, 100);
            Storage to = Make(c.nTarget, 1);
            to = from;
            EXPECT_EQ(Contents(to), source);
            EXPECT_EQ(Contents(from), source);
            EXPECT_EQ(to.IsInline(), c.nSource <= 4 && c.nTarget <= 4);
        }
        {
            Storage from = Make(c.nSource, 100);
            const int* pHeap = from.IsInline() ? nullptr : from.data();
            Storage to = Make(c.nTarget, 1);
            to = std::move(from);
            EXPECT_EQ(Contents(to), source);
            if (pHeap) {
                EXPECT_EQ(to.data(), pHeap); // the block changed hands, not its elements
            }
            EXPECT_TRUE(from.empty());       // NOLINT(bugprone-use-after-move): defined state
            EXPECT_TRUE(from.IsInline());
            from.insert(from.end(), 1, 7);
            EXPECT_EQ(Contents(from), (std::vector<int>{7}));
        }
        {
            Storage from = Make(c.nSource, 100);
            const Storage copied(from);
            const Storage moved(std::move(from));
            EXPECT_EQ(Contents(copied), source);
            EXPECT_EQ(Contents(moved), source);
        }
    }
}

// A wire's point arrays through CArray's interface: routes up to six points allocate nothing,
// longer ones grow as before, and loading refuses a count the data does not hold.
TEST(InlineStorage, PointArraysKeepCArrayBehaviourAcrossTheInlineEdge)
{
    for (int nPoints : {0, 1, 6, 7, 40}) {
        SCOPED_TRACE(nPoints);
        CArray<CPoint> points;
        for (int i = 0; i < nPoints; ++i)
            points.Add(CPoint(i, -i));
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            points.Serialize(ar);
        }
        CArray<CPoint> read;
        read.SetSize(3); // replaced, not appended to
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        read.Serialize(ar);
        ASSERT_EQ(read.GetSize(), nPoints);
        for (int i = 0; i < nPoints; ++i)
            EXPECT_EQ(read[i], CPoint(i, -i));
        read.InsertAt(0, &points); // twice the route: past the inline edge from 4 points on
        ASSERT_EQ(read.GetSize(), 2 * nPoints);
        if (nPoints > 0) {
            EXPECT_EQ(read[nPoints - 1], read[2 * nPoints - 1]);
        }
        read.RemoveAt(0, 2 * nPoints);
        read.FreeExtra();
        EXPECT_TRUE(read.IsEmpty());
    }
    // 0xFFFF escapes to a double word: a billion points, and four bytes of data.
    BYTE bytes[] = {0xFF, 0xFF, 0x00, 0xCA, 0x9A, 0x3B, 1, 0, 0, 0};
    CMemFile file(bytes, sizeof bytes);
    CArchive ar(&file, CArchive::load);
    CArray<CPoint> points;
    try {
        points.Serialize(ar);
        ADD_FAILURE() << "a count beyond the data was read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
}
