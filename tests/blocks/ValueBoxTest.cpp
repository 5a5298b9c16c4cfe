// The value boxes of the counter, relay, word and math families: box width by class, one line
// per value, and the texts' formats.
#include "BlockDrawTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct BoxCase {
    int nType;
    double dValue;            // m_dRunTime
    int nRight;               // the box's right edge for a block 26 wide at x = 100
    std::vector<std::u16string> lines;
};

class ValueBox : public BlockDrawTest {};

TEST_F(ValueBox, WidthAndTextsByClass)
{
    const BoxCase cases[] = {
        {BT_COUNTER, 42, 139, {u"    42"}},
        {BT_HCOUNTER, 0, 139, {u"MI=    0h 0m", u"MN=    0h 0m", u"OT=    0h 0m"}},
        {BT_THTRG, 1234, 139, {u"     0", u"01:23s"}},
        {BT_TDT, 0, 178, {}},
        {BT_BCD, 0x1234, 139, {u"0x1234"}},
        {BT_BIN, -7, 139, {u"-7  "}},
        {BT_SHR, -16384, 139, {u"-16384"}},
        {BT_ARRMXIV, -3, 139, {u"-3"}},
        {BT_GCD, 6, 139, {u"6     "}},
        {BT_ROUND, 1300, 139, {u"1300"}},
        {BT_RAND, 7, 165, {u"7"}},
        {BT_POW2, 0.5, 165, {u"0"}},
        {BT_QUAD, -4, 165, {u"-4"}},
    };
    for (const BoxCase& c : cases) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr, nullptr));
        pBlock->m_ptPos = CPoint(100, 100);
        pBlock->m_nWidth = 26;
        pBlock->m_nHeight = 36;
        pBlock->m_dRunTime = c.dValue;
        m_surface.Clear();
        pBlock->DrawValue(&m_active.Sim(), &m_dc);
        std::vector<std::u16string> texts;
        for (const DrawRecord* pText : OfKind(DrawKind::Text))
            texts.push_back(pText->text);
        std::vector<RECT> boxes;
        for (const DrawRecord* pBox : OfKind(DrawKind::FillRect))
            boxes.push_back(pBox->rect);
        EXPECT_EQ(texts, c.lines) << c.nType << "\n" << Dump();
        ASSERT_EQ(boxes.size(), 1u) << c.nType;
        EXPECT_EQ(boxes[0].left, 100);
        EXPECT_EQ(boxes[0].right, c.nRight) << c.nType;
        EXPECT_EQ(boxes[0].top, 138);
        const int nLines = c.lines.empty() ? 1 : int(c.lines.size());
        EXPECT_EQ(boxes[0].bottom, 138 + 12 * nLines) << c.nType;
    }
}

// The differential trigger adds its upper threshold (On plus Delta), the watchdog the value its
// band is taken around; the comparator shows its value alone.
TEST_F(ValueBox, AnalogBlocksAddTheirSecondValue)
{
    for (const auto& [nType, pszSecond] :
         {std::pair{BT_ADTRG, u"-15   "}, std::pair{BT_AWDOG, u"42    "}, std::pair{BT_ACOMP, u""}}) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(nType, nullptr, nullptr));
        auto& analog = dynamic_cast<CBlockAnalog&>(*pBlock);
        analog.m_nValue = 7;
        analog.m_nThreshold1 = 5;
        analog.m_nThreshold2 = -20;
        analog.m_nRefValue = 42;
        m_surface.Clear();
        analog.DrawValue(&m_active.Sim(), &m_dc);
        std::vector<std::u16string> texts;
        for (const DrawRecord* pText : OfKind(DrawKind::Text))
            texts.push_back(pText->text);
        std::vector<std::u16string> expected = {u"7     "};
        if (*pszSecond)
            expected.emplace_back(pszSecond);
        EXPECT_EQ(texts, expected) << nType;
    }
}

}  // namespace
