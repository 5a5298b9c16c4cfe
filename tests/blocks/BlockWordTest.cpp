// The word shift and mask blocks: the 16-bit operations with their wrap and sign rules, shift
// counts and masks from references, and the value box.
#include "WordBlockRig.h"

#include "blocks/BlockWord.h"
#include "blocks/BlockWordValue.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

struct WordCase {
    int nType;
    WORD wInput;
    int nOperand;
    int nExpected;
};

TEST(BlockWord, OperationsKeepTheLow16BitsAsSigned)
{
    const WordCase cases[] = {
        {BT_ROL, 0x8001, 1, 0x0003},
        {BT_ROR, 0x0001, 1, -32768},
        {BT_ROL, 0x1234, 0, 0x1234},
        {BT_SHL, 0x4000, 1, -32768},
        {BT_SHL, 0x8000, 1, 0},
        {BT_SHR, 0xFFFE, 1, -1},
        {BT_SHR, 0x4000, 2, 0x1000},
        {BT_SHR, 0x8000, 1, -16384},
        {BT_ANDM, 0x1234, 0x00FF, 0x0034},
        {BT_ORM, 0x1200, 0x0034, 0x1234},
        {BT_XORM, 0x0000, 0xFFFF, -1},
        {BT_NOTM, 0x0000, 0, -1},
        {BT_NANDM, 0x5A5A, 0, -1},
        {BT_NORM, 0x5A5A, 0xFFFF, 0},
        {BT_ANDM, 0xFFFF, -1, -1},
        // Counts outside 0-15 come only from a damaged record; they stay defined.
        {BT_ROL, 0x8001, 17, 0x0003},
        {BT_ROR, 0x0001, -15, -32768},
        {BT_SHL, 0x0001, 16, 0},
        {BT_SHR, 0x8000, 40, -1},
        {BT_SHL, 0x0001, -3, 1},
    };
    for (const WordCase& c : cases)
        EXPECT_EQ(WordOperation(c.nType, c.wInput, c.nOperand), c.nExpected)
            << c.nType << " of " << c.wInput << " by " << c.nOperand;
}

struct RefCase {
    int nType;
    int nInput;
    double dReference;
    int nExpected;
};

TEST(BlockWord, OperandsFromReferences)
{
    const RefCase cases[] = {
        {BT_SHL, 1, 20.0, -32768},    // held to 15
        {BT_SHL, 1, 0.7, 1},          // below 1: no shift
        {BT_ROL, 1, -4.0, 1},
        {BT_SHR, -32768, 3.9, -4096}, // truncated to 3
        {BT_ANDM, 0x1234, 255.9, 0x34},
        {BT_ANDM, 0x1234, -1.5, 0x1234},  // truncated toward zero: mask -1
        {BT_XORM, 0, 70000.0, 70000 - 65536},
    };
    for (const RefCase& c : cases) {
        WordRig rig(c.nType);
        rig.SetInput(0, c.nInput);
        rig.SetReference(0, c.dReference);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " with reference " << c.dReference;
    }
}

// Every math block that keeps its value in m_dRunTime passes it to references, the two-value
// and random blocks included.
TEST(BlockWord, ShiftCountReferencedFromMathBlocks)
{
    for (int nSourceType : {BT_ACMXIV, BT_RAND, BT_ABS, BT_BCD}) {
        WordRig rig(BT_SHL);
        CBlockObj* pSource = rig.Sim().Add(CreateBlockForType(nSourceType, nullptr), 9050);
        pSource->m_dRunTime = 3.0;
        double v = -1.0;
        rig.Block()->GetValueAsDouble(pSource, &v);
        EXPECT_EQ(v, 3.0) << nSourceType;
    }
}

TEST(BlockWord, ParameterOperandAndOpenInput)
{
    WordRig rig(BT_ROR);
    rig.Block()->m_nParam[9] = 4;
    EXPECT_EQ(rig.Step(), 0) << "an unconnected input reads 0";
    rig.SetInput(0, 0x00F1);
    EXPECT_EQ(rig.Step(), 0x100F);
}

TEST(BlockWord, ValueBoxShowsTheSignedWord)
{
    WordRig rig(BT_NOTM);
    rig.SetInput(0, 0x0005);
    CBlockObj& block = *rig.Block();
    block.m_ptPos = CPoint(100, 100);
    block.m_nWidth = 26;
    block.m_nHeight = 36;
    rig.Sim().Start();
    RecordingSurface surface;
    CDC dc(surface);
    rig.Sim().Frame().GetSimTime(&rig.Sim().View().m_simClock);
    block.DrawSim(&rig.Sim().View(), &dc);
    const RecordingSurface::Record* pBox = nullptr;
    const RecordingSurface::Record* pText = nullptr;
    for (const auto& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::FillRect)
            pBox = &record;
        if (record.kind == RecordingSurface::Kind::Text)
            pText = &record;
    }
    ASSERT_TRUE(pBox && pText) << surface.Dump();
    EXPECT_EQ(pBox->colour, RGB(255, 255, 204));
    EXPECT_EQ(pBox->rect.left, 100);
    EXPECT_EQ(pBox->rect.right, 139);
    EXPECT_EQ(pBox->rect.top, 138);
    EXPECT_EQ(pBox->rect.bottom, 150);
    EXPECT_EQ(pText->text, u"-6    ");
    EXPECT_EQ(pText->points[0].x, 100);
    EXPECT_EQ(pText->points[0].y, 138);
}

}  // namespace
