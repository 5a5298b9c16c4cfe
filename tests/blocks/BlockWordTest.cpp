// The word shift and mask blocks and the code converters: 16-bit results taken as signed,
// operands from references, counts from damaged records.
#include "BlockRig.h"

#include "blocks/BlockWord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TEST(BlockWord, OperationsKeepTheLow16BitsAsSigned)
{
    const struct {
        int nType;
        WORD w;
        int n;
        int nExpected;
    } cases[] = {
        {BT_ROL, 0x8001, 1, 0x0003},  {BT_ROR, 0x0001, 1, -32768},  {BT_ROL, 0x1234, 0, 0x1234},
        {BT_SHL, 0x4000, 1, -32768},  {BT_SHL, 0x8000, 1, 0},       {BT_SHR, 0xFFFE, 1, -1},
        {BT_SHR, 0x4000, 2, 0x1000},  {BT_SHR, 0x8000, 1, -16384},  {BT_ANDM, 0x1234, 0xFF, 0x34},
        {BT_ORM, 0x1200, 0x34, 0x1234}, {BT_XORM, 0, 0xFFFF, -1},   {BT_NOTM, 0, 0, -1},
        {BT_NANDM, 0x5A5A, 0, -1},    {BT_NORM, 0x5A5A, 0xFFFF, 0}, {BT_ANDM, 0xFFFF, -1, -1},
        // Counts outside 0-15 come only from a damaged record.
        {BT_ROL, 0x8001, 17, 0x0003}, {BT_ROR, 0x0001, -15, -32768}, {BT_SHL, 1, 16, 0},
        {BT_SHR, 0x8000, 40, -1},     {BT_SHL, 1, -3, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WordOperation(c.nType, c.w, c.n), c.nExpected) << c.nType << " by " << c.n;
}

// The word blocks, BCD and BIN stepped with an input word and, where given, a referenced
// operand (NAN: none).
TEST(BlockWord, StepsWithInputsAndReferences)
{
    const struct {
        int nType;
        int nInput;
        double dReference;
        int nExpected;
    } cases[] = {
        {BT_SHL, 1, 20.0, -32768},        {BT_SHL, 1, 0.7, 1},           {BT_ROL, 1, -4.0, 1},
        {BT_SHR, -32768, 3.9, -4096},     {BT_ANDM, 0x1234, 255.9, 0x34},
        {BT_ANDM, 0x1234, -1.5, 0x1234},  {BT_XORM, 0, 70000.0, 70000 - 65536},
        {BT_ROR, 0x00F1, NAN, -32648},    // the parameter's count 1: 0x8078
        {BT_BCD, 1234, NAN, 0x1234},      {BT_BCD, 12345, NAN, 0x2345},  {BT_BCD, -7, NAN, 0},
        {BT_BIN, 0x1234, NAN, 1234},      {BT_BIN, 0x9999, NAN, 9999},   {BT_BIN, 0x12A4, NAN, 0},
        {BT_BIN, 0xA000, NAN, 9999},
    };
    for (const auto& c : cases) {
        BlockRig rig(c.nType);
        rig.SetWord(0, c.nInput);
        if (!std::isnan(c.dReference))
            rig.SetReference(0, c.dReference);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " of " << c.nInput;
    }
}

// Every block that keeps its value in m_dRunTime passes it to references, the two-value and
// random blocks included.
TEST(BlockWord, MathBlocksPassTheirValueToReferences)
{
    BlockRig rig(BT_SHL);
    for (int nType : {BT_ACMXIV, BT_RAND, BT_ABS, BT_BCD}) {
        std::unique_ptr<CBlockObj> pSource(CreateBlockForType(nType, nullptr, nullptr));
        pSource->m_dRunTime = 3.0;
        double v = -1.0;
        rig.Block()->GetValueAsDouble(pSource.get(), &v);
        EXPECT_EQ(v, 3.0) << nType;
    }
}

}  // namespace
