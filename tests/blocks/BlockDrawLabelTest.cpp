// The labels above the blocks: addresses of I/O points by module and point, display numbers of
// function blocks and data logs, and the operand addresses of ladder elements, also through a
// coil or LAD analog output that the operand names.
#include "BlockDrawTestSupport.h"

#include "blocks/BlockLabel.h"
#include "blocks/BlockTypes.h"

namespace {

struct LabelCase {
    int nType;
    int nNumber;
    int nOperand;
    const char16_t* pszLabel;
};

class BlockLabel : public BlockDrawTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(BlockLabel, ReadsAsTheUserAddressesTheElement)
{
    const LabelCase& c = GetParam();
    // The elements a ladder operand can name: a coil on flag M4 and a LAD analog output on AQ1.
    Place(BT_RELAY_COIL, 21000)->m_nOperand = 1320;
    Place(BT_AOUT_LAD, 22000)->m_nOperand = 4231;
    Place(BT_RELAY_COIL, 21001)->m_nOperand = 617;
    CBlockObj* pBlock = Place(c.nType, c.nNumber);
    pBlock->m_nOperand = c.nOperand;
    EXPECT_EQ(FormatBlockLabel(*pBlock, &m_active.Doc()), CString(c.pszLabel));
}

INSTANTIATE_TEST_SUITE_P(
    IoPoints, BlockLabel,
    ::testing::Values(LabelCase{BT_IN, 100, 0, u"I000"}, LabelCase{BT_IN, 131, 0, u"I031"},
                      LabelCase{BT_IN, 132, 0, u"I100"}, LabelCase{BT_IN, 133, 0, u"I101"},
                      LabelCase{BT_OUT, 617, 0, u"Q101"}, LabelCase{BT_SHIFT, 1000, 0, u"S0.0"},
                      LabelCase{BT_SHIFT, 1017, 0, u"S1.1"}, LabelCase{BT_FLAG, 1316, 0, u"M0"},
                      LabelCase{BT_ANALOG_IN, 4009, 0, u"AI101"},
                      LabelCase{BT_ANALOG_OUT, 4235, 0, u"AQ101"},
                      LabelCase{BT_ANALOG_FLAG, 4290, 0, u"AM2"},
                      LabelCase{BT_CURSOR_KEY, 1283, 0, u"C3"}, LabelCase{BT_LOW, 1870, 0, u"lo0"},
                      LabelCase{BT_HIGH, 2901, 0, u"hi1"}, LabelCase{BT_OPENX, 4805, 0, u"X5"},
                      LabelCase{BT_FKEY, 1302, 0, u"F2"}));

INSTANTIATE_TEST_SUITE_P(
    NumberedBlocks, BlockLabel,
    ::testing::Values(LabelCase{BT_AND, 9000, 0, u"B0"}, LabelCase{BT_QUAD, 9012, 0, u"B12"},
                      LabelCase{BT_DATALOG, 8951, 0, u"L1"},
                      LabelCase{BT_SOFTKEY, 9003, 0, u"B3"}));

INSTANTIATE_TEST_SUITE_P(
    LadderOperands, BlockLabel,
    ::testing::Values(LabelCase{BT_MAKE, 12000, 2900, u"High"},
                      LabelCase{BT_BREAK, 15000, 1875, u"Low"},
                      LabelCase{BT_MAKE, 12000, 9005, u"B5"},
                      LabelCase{BT_MAKE, 12000, 133, u"I101"},
                      LabelCase{BT_MAKE, 12000, 1017, u"S1.1"},
                      LabelCase{BT_MAKE, 12000, 1301, u"F1"},
                      LabelCase{BT_MAKE, 12000, 617, u"Q101"},
                      LabelCase{BT_MAKE, 12000, 1320, u"M4"},
                      LabelCase{BT_RELAY_COIL, 21002, 617, u"Q101"},
                      LabelCase{BT_INV_OUT, 21002, 4801, u"X1"},
                      LabelCase{BT_ACONTACT, 18000, 4009, u"AI101"},
                      LabelCase{BT_ACONTACT, 18000, 4290, u"AM2"},
                      LabelCase{BT_ACONTACT, 18000, 9007, u"B7"},
                      LabelCase{BT_AOUT_LAD, 22001, 4235, u"AQ101"},
                      // Through the element the operand names.
                      LabelCase{BT_MAKE, 12000, 21000, u"M4"},
                      LabelCase{BT_MAKE, 12000, 21001, u"Q101"},
                      LabelCase{BT_ACONTACT, 18000, 22000, u"AQ001"},
                      // A named element that the document lacks.
                      LabelCase{BT_MAKE, 12000, 21005, u"I?"}));

// A code that names no block type has no label, whichever codes lie around it.
TEST_F(BlockDrawTest, UnassignedCodesHaveNoLabel)
{
    for (int nType : {-1, 308, 500, 612, 706, 857, 880, 905, 920, 999}) {
        CBlockObj block(nType, 4);
        block.m_nNumber = 9003;
        block.m_nOperand = 617;
        EXPECT_EQ(FormatBlockLabel(block, &m_active.Doc()), CString()) << nType;
    }
}

// The function block's suffix is in the frame test of the label's place.
TEST_F(BlockDrawTest, DataLogSuffixFollowsItsNumberAfterABlank)
{
    CBlockObj* pLog = Place(BT_DATALOG, 8951);
    pLog->m_strLabelSuffix = _T("Log");
    EXPECT_EQ(FormatBlockLabel(*pLog, nullptr), CString(_T("L1 Log")));
}

}  // namespace
