#include "platform/core/FieldRun.h"

#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"
#include "platform/core/StreamTestFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The bytes of a record as the archive stores its fields one by one.
std::vector<BYTE> StoredFields()
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << int(-7) << int(11) << int(12) << WORD(0xBEEF) << int(1) << int(2) << int(3)
           << 2.5 << BYTE(9);
        ar.Close();
    }
    std::vector<BYTE> bytes(std::size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

constexpr std::size_t kRunBytes = 4 + 8 + 2 + 12 + 8;

}  // namespace

// A run gives back the fields in the order the archive's own operators would, from a buffer
// of any size (its edge falling anywhere inside the run) or in place from a memory file (size
// 0 here), and leaves the archive right after.
TEST(FieldRun, FieldsComeBackInStoredOrderWhereverTheBufferEdgeFalls)
{
    std::vector<BYTE> bytes = StoredFields();
    for (int nBufSize : {0, 16, 17, 20, 31, 4096}) {
        CMemFile memFile(bytes.data(), UINT(bytes.size()));
        CStreamTestFile streamFile(bytes.data(), bytes.size());
        CArchive ar(nBufSize == 0 ? static_cast<CFile*>(&memFile) : &streamFile, CArchive::load,
                    std::max(nBufSize, 16));
        int nFirst = 0;
        POINT pt{};
        int nWord = 0;
        int values[3] = {};
        double d = 0;
        ReadFields(ar, nFirst, pt, AsWord(nWord), values, d);
        EXPECT_EQ(nFirst, -7);
        EXPECT_EQ(pt.x, 11);
        EXPECT_EQ(pt.y, 12);
        EXPECT_EQ(nWord, 0xBEEF) << "a WORD field is widened without its sign";
        EXPECT_EQ(values[0], 1);
        EXPECT_EQ(values[2], 3);
        EXPECT_EQ(d, 2.5);
        BYTE byAfter = 0;
        ar >> byAfter;
        EXPECT_EQ(byAfter, 9) << "buffer " << nBufSize;
    }
}

// A run one byte longer than the data fails as a read of its fields one by one would, in place
// and through a buffer, and leaves the fields as they were.
TEST(FieldRun, AShortArchiveEndsInEndOfFileAndSetsNoField)
{
    std::vector<BYTE> bytes = StoredFields();
    bytes.resize(kRunBytes - 1);
    for (int nBufSize : {0, 16, 4096}) {
        CMemFile memFile(bytes.data(), UINT(bytes.size()));
        CStreamTestFile streamFile(bytes.data(), bytes.size());
        CArchive ar(nBufSize == 0 ? static_cast<CFile*>(&memFile) : &streamFile, CArchive::load,
                    std::max(nBufSize, 16));
        int nFirst = 0;
        POINT pt{};
        int nWord = 0;
        int values[3] = {};
        double d = 0;
        try {
            ReadFields(ar, nFirst, pt, AsWord(nWord), values, d);
            ADD_FAILURE() << "a run longer than the data was read, buffer " << nBufSize;
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
            e->Delete();
        }
        EXPECT_EQ(nFirst, 0);
        EXPECT_EQ(pt.y, 0);
    }
}
