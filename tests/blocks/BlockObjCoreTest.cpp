#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockPinKindTable.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

// A gate with nInputs inputs placed at (x, y) with the given body size.
class PlacedBlock : public CBlockObj {
public:
    explicit PlacedBlock(int nInputs, int x = 100, int y = 100, int w = 25, int h = 36)
        : CBlockObj(BT_AND, nInputs)
    {
        m_ptPos = CPoint(x, y);
        m_nWidth = w;
        m_nHeight = h;
    }
};

TEST(BlockObjCore, PinRectanglesFollowTheStubGeometry)
{
    PlacedBlock block(1);
    struct Case {
        int nPin, nSize;
        CRect expected;
    } cases[] = {
        {10, 5, CRect(123, 114, 132, 122)},  // step 18, centre 118, e 2, k 2, a 7
        {0, 5, CRect(91, 114, 102, 122)},
        {0, 1, CRect(98, 117, 102, 119)},    // below 2: k 1, no extent, no arm
        {0, 2, CRect(95, 115, 102, 121)},
    };
    for (const Case& c : cases) {
        CRect rect;
        EXPECT_TRUE(block.GetPinRect(&rect, c.nPin, c.nSize));
        EXPECT_EQ(rect, c.expected) << "pin " << c.nPin << " size " << c.nSize;
    }

    PlacedBlock four(4, 0, 0, 25, 40);  // step 8
    CRect rect;
    ASSERT_TRUE(four.GetPinRect(&rect, 3, 5));
    EXPECT_EQ(rect.top, 32 - 4);
    EXPECT_EQ(rect.bottom, 32 + 4);
}

TEST(BlockObjCore, UnusedPinsHaveNoRectangle)
{
    PlacedBlock block(2);
    for (int nPin : {-1, 2, 9, 11, 19, 20, 1000}) {
        CRect rect(1, 2, 3, 4);
        EXPECT_FALSE(block.GetPinRect(&rect, nPin, 5)) << nPin;
        EXPECT_TRUE(rect.IsRectNull()) << nPin;
    }
    block.m_nOutputs = 0;  // the open connector and the male connector have no output
    CRect rect;
    EXPECT_FALSE(block.GetPinRect(&rect, 10, 5));
}

TEST(BlockObjCore, HitTestPrefersTheBodyThenPinsInWalkOrder)
{
    PlacedBlock block(1);
    EXPECT_EQ(block.HitTest(CPoint(110, 110)), 20);
    EXPECT_EQ(block.HitTest(CPoint(101, 118)), 20) << "on the body and on pin 0's stub";
    EXPECT_EQ(block.HitTest(CPoint(95, 118)), 0);
    EXPECT_EQ(block.HitTest(CPoint(128, 118)), 10);
    EXPECT_EQ(block.HitTest(CPoint(60, 60)), -1);
    block.m_nPinKind[0] = PINKIND_NONE;  // a pin without a kind is not offered
    EXPECT_EQ(block.HitTest(CPoint(95, 118)), -1);
}

TEST(BlockObjCore, PowerRailIsClickableBesideItsLine)
{
    CBlockObj rail(BT_POWERBUS, 0);
    rail.m_ptPos = CPoint(10, 0);
    rail.m_nWidth = 4;
    rail.m_nHeight = 400;
    EXPECT_EQ(rail.HitTest(CPoint(6, 100)), 20);
    EXPECT_EQ(rail.HitTest(CPoint(18, 100)), 20);
    EXPECT_EQ(rail.HitTest(CPoint(4, 100)), -1);
}

TEST(BlockObjCore, SelectionHandlesSitOnTheCorners)
{
    PlacedBlock block(1);
    CRect rects[4];
    block.GetHandleRect(rects);
    EXPECT_EQ(rects[0], CRect(96, 96, 104, 104));
    EXPECT_EQ(rects[1], CRect(96, 132, 104, 140));
    EXPECT_EQ(rects[2], CRect(121, 132, 129, 140));
    EXPECT_EQ(rects[3], CRect(121, 96, 129, 104));
}

// Valid BCD words convert both ways; a word with a nibble above 9 or a negative one reads as
// 0 or clamps to 9999.
TEST(BlockObjCore, BcdConversions)
{
    struct Case {
        int v, n;
    } valid[] = {{0x1234, 1234}, {0, 0}, {0x9999, 9999}, {0x7, 7}, {0x0009, 9}},
      invalid[] = {{0x12A4, 0}, {-5, 0}, {0x999A, 9999}, {0xFFFF, 9999}, {0x000F, 0}, {0xA000, 9999}};
    for (const Case& c : valid) {
        EXPECT_EQ(IntToBCD(c.n), c.v) << c.n;
        EXPECT_EQ(BCDToInt(c.v), c.n) << std::hex << c.v;
    }
    for (const Case& c : invalid)
        EXPECT_EQ(BCDToInt(c.v), c.n) << std::hex << c.v;
}

TEST(BlockObjCore, GcdAndLcm)
{
    struct Case {
        int a, b, gcd, lcm;
    } cases[] = {
        {12, 18, 6, 36}, {4, 6, 2, 12}, {7, 13, 1, 91}, {0, 5, 5, 0}, {18, 12, 6, 36},
        {-12, 18, 6, -36}, {5, 5, 5, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Gcd(c.a, c.b), c.gcd) << c.a << "," << c.b;
        EXPECT_EQ(Lcm(c.a, c.b), c.lcm) << c.a << "," << c.b;
    }
}

// A block reads no clock when it is made, whatever simulation runs elsewhere: the start of a run
// stamps it.
TEST(BlockObjCore, ANewBlockHasNoStartStampsUntilARunStampsIt)
{
    TestDocument active;
    active.SetClock(SYSTEMTIME{2024, 2, 4, 29, 23, 59, 58, 975});
    CBlockObj* pBlock = active.Add(new CBlockObj(BT_AND, 4));
    EXPECT_EQ(pBlock->m_stStart.wYear, 0);
    EXPECT_EQ(pBlock->m_stStart2.wDay, 0);
}

// Every defined code gets its row's kinds on its used pins and nothing else; in a ladder
// document only the contacts and the female connector keep an output kind.
TEST(BlockObjCore, PinKindsFollowTheTableInFbdAndLad)
{
    for (int nDocType : {DOC_TYPE_FBD, DOC_TYPE_LAD}) {
        TestDocument active(nDocType);
        for (const BlockTypeRow& row : BlockTypeRows()) {
            const int nType = row.nType;
            CBlockObj block(nType, 4);
            block.InitForDocument(&active.Doc());
            for (int nPin = 0; nPin < 4; ++nPin)
                EXPECT_EQ(block.m_nPinKind[nPin], row.pins.nInputKinds[std::size_t(nPin)]) << nType;
            const bool bKeeps = nDocType == DOC_TYPE_FBD || (nType >= 700 && nType <= 702) ||
                                nType == BT_FEMALE;
            EXPECT_EQ(block.m_nPinKind[10], bKeeps ? row.pins.nOutputKind : 0)
                << nType << " in document type " << nDocType;
            for (int nPin : {4, 5, 9, 11, 19})
                EXPECT_EQ(block.m_nPinKind[nPin], 0) << nType;
        }
    }
}

// Codes without a row of their own (and the power rail, whose row has no pin kinds) get no pin
// kinds, whatever family their neighbours belong to.
TEST(BlockObjCore, UndefinedCodesGetNoPinKinds)
{
    for (int nType : {0, -5, 299, 308, 399, 414, 599, 612, 706, 828, 829, 857, 858, 859, 880, 899,
                      902, 910, 912, 950, 951, 999, 1000, 5000}) {
        EXPECT_TRUE(!FindBlockType(nType) || nType == BT_POWERBUS) << nType;
        CBlockObj block(nType, 4);
        for (int nPin = 0; nPin < 20; ++nPin)
            EXPECT_EQ(block.m_nPinKind[nPin], 0) << nType << " pin " << nPin;
    }
    EXPECT_EQ(PinKindOf(300, -1), 0);
    EXPECT_EQ(PinKindOf(300, 20), 0);
}

TEST(BlockObjCore, ReinitPinsReloadsTheKindsOfTheUsedPins)
{
    CBlockObj block(BT_IN, 0);
    block.m_nPinKind[10] = 3;
    block.m_nPinKind[5] = 2;  // unused pin: left alone
    block.ReinitPins(nullptr);
    EXPECT_EQ(block.m_nPinKind[10], 1);
    EXPECT_EQ(block.m_nPinKind[5], 2);

    TestDocument lad(DOC_TYPE_LAD);
    block.ReinitPins(&lad.Doc());
    EXPECT_EQ(block.m_nPinKind[10], 0);
    CVetlaDoc fbd;
    fbd.m_nDocType = DOC_TYPE_FBD;
    block.ReinitPins(&fbd);
    EXPECT_EQ(block.m_nPinKind[10], 1);
}

TEST(BlockObjCore, CopyToCopiesTheSharedFieldsAndGeometryOnRequest)
{
    CBlockObj src(BT_SOFTKEY, 4);
    src.m_nNumber = 9004;
    src.m_strComment = _T("note");
    src.m_strText = _T("t");
    src.m_nOperand = 12;
    src.m_strLabelSuffix = _T("s");
    src.m_bShowComment = 0;
    for (int i = 0; i < 17; ++i)
        src.m_nParam[i] = 50 + i;
    for (int i = 0; i < 15; ++i)
        src.m_nParamEx[i] = 70 + i;
    src.m_nRefBlock[0] = 9001;
    src.m_nRefBlock[1] = 9002;
    src.m_pRefBlock[0] = &src;
    src.m_ptPos = CPoint(5, 6);
    src.m_ptPos2 = CPoint(7, 8);
    src.m_nWidth = 30;
    src.m_nHeight = 44;
    src.m_nPinSource[2] = 9010;

    CBlockObj dst(BT_SOFTKEY, 4);
    src.CopyTo(&dst, FALSE);
    EXPECT_EQ(dst.m_nNumber, 9004);
    EXPECT_EQ(dst.m_strComment, CString(_T("note")));
    EXPECT_EQ(dst.m_strText, CString(_T("t")));
    EXPECT_EQ(dst.m_nOperand, 12);
    EXPECT_EQ(dst.m_strLabelSuffix, CString(_T("s")));
    EXPECT_EQ(dst.m_bShowComment, 0);
    // A loose copy goes by the current project's (newer) generation: the flags of references 2
    // and 3 come along with every class.
    for (int i : {0, 1, 2, 8, 9, 10, 11, 12, 13, 14, 15, 16})
        EXPECT_EQ(dst.m_nParam[i], 50 + i) << i;
    for (int i : {3, 4, 5, 6, 7})
        EXPECT_NE(dst.m_nParam[i], 50 + i) << i;
    for (int i = 0; i < 15; ++i) {
        if (i == 10) {
            EXPECT_NE(dst.m_nParamEx[i], 70 + i);
        } else {
            EXPECT_EQ(dst.m_nParamEx[i], 70 + i) << i;
        }
    }
    EXPECT_EQ(dst.m_nRefBlock[0], 9001);
    EXPECT_EQ(dst.m_nRefBlock[1], 9002);
    EXPECT_EQ(dst.m_pRefBlock[0], &src);
    EXPECT_EQ(dst.m_nWidth, 0) << "geometry only on request";
    EXPECT_EQ(dst.m_nPinSource[2], LINK_OPEN);

    src.CopyTo(&dst, TRUE);
    EXPECT_EQ(dst.m_ptPos, CPoint(5, 6));
    EXPECT_EQ(dst.m_ptPos2, CPoint(7, 8));
    EXPECT_EQ(dst.m_nWidth, 30);
    EXPECT_EQ(dst.m_nHeight, 44);
    EXPECT_EQ(dst.m_nPinSource[2], 9010);
    EXPECT_EQ(dst.m_nPinSource[10], LINK_OUTPUT);

    src.CopyTo(nullptr, TRUE);  // ignored
}

}  // namespace
