#include "platform/core/FieldRun.h"

#include "CollectionArchive.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// The bytes of a record as the archive stores its fields one by one.
std::vector<BYTE> StoredFields()
{
    return StoredBytes([](CArchive& ar) {
        ar << int(-7) << int(11) << int(12) << WORD(0xBEEF) << int(1) << int(2) << int(3)
           << 2.5 << BYTE(9);
    });
}

constexpr std::size_t kRunBytes = 4 + 8 + 2 + 12 + 8;

// The fields of StoredFields, as a record reads them back.
struct StoredFieldValues {
    int nFirst = 0;
    POINT pt{};
    int nWord = 0;
    int values[3] = {};
    double d = 0;

    void Read(CArchive& ar) { ReadFields(ar, nFirst, pt, AsWord(nWord), values, d); }
};

}  // namespace

// A run gives back the fields in the order the archive's own operators would, from a buffer
// of any size (its edge falling anywhere inside the run) or in place from a memory file (size
// 0 here), and leaves the archive right after.
TEST(FieldRun, FieldsComeBackInStoredOrderWhereverTheBufferEdgeFalls)
{
    const std::vector<BYTE> bytes = StoredFields();
    for (int nBufSize : {0, 16, 17, 20, 31, 4096}) {
        LoadArchive loading(bytes, nBufSize);
        StoredFieldValues fields;
        fields.Read(loading.ar());
        EXPECT_EQ(fields.nFirst, -7);
        EXPECT_EQ(fields.pt.x, 11);
        EXPECT_EQ(fields.pt.y, 12);
        EXPECT_EQ(fields.nWord, 0xBEEF) << "a WORD field is widened without its sign";
        EXPECT_EQ(fields.values[0], 1);
        EXPECT_EQ(fields.values[2], 3);
        EXPECT_EQ(fields.d, 2.5);
        BYTE byAfter = 0;
        loading.ar() >> byAfter;
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
        LoadArchive loading(bytes, nBufSize);
        StoredFieldValues fields;
        EXPECT_EQ(ArchiveCause([&] { fields.Read(loading.ar()); }), CArchiveException::endOfFile)
            << "buffer " << nBufSize;
        EXPECT_EQ(fields.nFirst, 0);
        EXPECT_EQ(fields.pt.y, 0);
    }
}

// A record of fields, texts of every form and counted runs comes back as the archive's own
// reads give it, wherever a buffer's edge falls, and the archive stands right after it.
TEST(RecordReader, ARecordComesBackAsTheArchiveReadsItWhereverTheBufferEdgeFalls)
{
    const CString strLong(_T('y'), 300);
    const std::vector<BYTE> bytes = StoredBytes([&](CArchive& ar) {
        ar << int(5) << CString() << WORD(7) << CString(_T("Motor")) << strLong;
        ar.WriteCount(2);
        ar << int(1) << int(2) << int(3) << int(4);
        ar.WriteCount(0);
        ar << 1.5 << BYTE(9);
    });
    for (int nBufSize : {0, 16, 17, 23, 31, 4096}) {
        SCOPED_TRACE(nBufSize);
        LoadArchive in(bytes, nBufSize);
        int n = 0;
        WORD w = 0;
        CString strEmpty(_T("replaced"));
        CString strShort;
        CString strRead;
        double d = 0;
        std::size_t nPoints = 99;
        std::size_t nNone = 99;
        POINT points[2] = {};
        {
            CRecordReader reader(in.ar());
            reader >> n >> strEmpty >> w >> strShort >> strRead;
            const BYTE* pRun = reader.TakeCountedRun(sizeof(POINT), nPoints);
            if (pRun) {
                std::memcpy(points, pRun, nPoints * sizeof(POINT));
            } else {
                // Refused at a buffer's edge: the count is still there to be read.
                reader.Through([&](CArchive& ar) {
                    nPoints = ar.ReadCount();
                    ar >> points[0].x >> points[0].y >> points[1].x >> points[1].y;
                });
            }
            if (!reader.TakeCountedRun(sizeof(POINT), nNone))
                reader.Through([&](CArchive& ar) { nNone = ar.ReadCount(); });
            reader >> d;
        }
        EXPECT_EQ(n, 5);
        EXPECT_TRUE(strEmpty.IsEmpty());
        EXPECT_EQ(w, 7);
        EXPECT_EQ(strShort, CString(_T("Motor")));
        EXPECT_EQ(strRead, strLong);
        EXPECT_EQ(nPoints, 2u);
        EXPECT_EQ(points[1].y, 4);
        EXPECT_EQ(nNone, 0u);
        EXPECT_EQ(d, 1.5);
        BYTE byAfter = 0;
        in.ar() >> byAfter;
        EXPECT_EQ(byAfter, 9);
    }
}

// A text of one unit replaces whatever the string held, empty, of one unit or longer, and its
// unit may be any, a zero too.
TEST(RecordReader, OneUnitTextsReplaceAnyText)
{
    const std::vector<BYTE> bytes = StoredBytes([](CArchive& ar) {
        ar << CString(_T("A")) << CString(_T("B")) << CString(_T("C")) << CString(TCHAR(0), 1);
    });
    LoadArchive in(bytes, 0);
    CRecordReader reader(in.ar());
    CString empty;
    CString one(_T("x"));
    CString longer(_T("Motor"));
    CString zero;
    reader >> empty >> one >> longer >> zero;
    EXPECT_EQ(empty, CString(_T("A")));
    EXPECT_EQ(one, CString(_T("B")));
    EXPECT_EQ(longer, CString(_T("C")));
    EXPECT_EQ(zero.GetLength(), 1);
    EXPECT_EQ(zero.GetAt(0), TCHAR(0));
}

// Data that ends inside a field, a text or a counted run fails with end-of-file as the
// archive's own reads do; a counted run beyond the data or with an escaped count is refused
// and takes nothing; a storing archive refuses every read.
TEST(RecordReader, DamagedOrShortDataFailsAsTheArchiveFails)
{
    const std::vector<BYTE> text = StoredBytes([](CArchive& ar) { ar << CString(_T("Motor")); });
    const std::vector<BYTE> cutText(text.begin(), text.end() - 1);
    for (int nBufSize : {0, 16}) {
        LoadArchive in(cutText, nBufSize);
        CRecordReader reader(in.ar());
        CString str;
        EXPECT_EQ(ArchiveCause([&] { reader >> str; }), CArchiveException::endOfFile);
    }
    const std::vector<BYTE> cutEmpty = {0xFF, 0xFE, 0xFF};
    const std::vector<BYTE> cutOneUnit = {0xFF, 0xFE, 0xFF, 0x01, 'W'};
    for (const std::vector<BYTE>* pBytes : {&cutEmpty, &cutOneUnit}) {
        LoadArchive in(*pBytes, 0);
        CRecordReader reader(in.ar());
        CString str;
        EXPECT_EQ(ArchiveCause([&] { reader >> str; }), CArchiveException::endOfFile);
    }

    const std::vector<BYTE> beyond = StoredBytes([](CArchive& ar) {
        ar.WriteCount(3);
        ar << int(1) << int(2);
    });
    const std::vector<BYTE> escaped = StoredBytes([](CArchive& ar) {
        ar.WriteCount(0x10000);
        ar << int(1);
    });
    for (const std::vector<BYTE>* pBytes : {&beyond, &escaped}) {
        LoadArchive in(*pBytes, 0);
        CRecordReader reader(in.ar());
        std::size_t nCount = 99;
        EXPECT_EQ(reader.TakeCountedRun(sizeof(int), nCount), nullptr);
        EXPECT_EQ(nCount, 99u);
        WORD wFirst = 0;
        reader >> wFirst;
        EXPECT_EQ(wFirst, (*pBytes)[0] | ((*pBytes)[1] << 8)) << "nothing was taken";
    }

    CMemFile file;
    CArchive storing(&file, CArchive::store);
    CRecordReader reader(storing);
    int n = 0;
    CString str;
    std::size_t nCount = 0;
    EXPECT_EQ(ArchiveCause([&] { reader >> n; }), CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([&] { reader >> str; }), CArchiveException::writeOnly);
    EXPECT_EQ(reader.TakeCountedRun(1, nCount), nullptr);
}
