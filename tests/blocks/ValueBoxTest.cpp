// The value boxes of the counter, relay, word and math families: box width by class, one line
// per value, and the texts' formats.
#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct BoxCase {
    int nType;
    double dValue;            // m_dRunTime
    int nRight;               // the box's right edge for a block 26 wide at x = 100
    std::vector<std::u16string> lines;
};

TEST(ValueBox, WidthAndTextsByClass)
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
    TestDocument active;
    for (const BoxCase& c : cases) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr, nullptr));
        pBlock->m_ptPos = CPoint(100, 100);
        pBlock->m_nWidth = 26;
        pBlock->m_nHeight = 36;
        pBlock->m_dRunTime = c.dValue;
        RecordingSurface surface;
        CDC dc(surface);
        pBlock->DrawValue(&active.Sim(), &dc);
        std::vector<std::u16string> texts;
        std::vector<RECT> boxes;
        for (const auto& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                texts.push_back(record.text);
            if (record.kind == RecordingSurface::Kind::FillRect)
                boxes.push_back(record.rect);
        }
        EXPECT_EQ(texts, c.lines) << c.nType << "\n" << surface.Dump();
        ASSERT_EQ(boxes.size(), 1u) << c.nType;
        EXPECT_EQ(boxes[0].left, 100);
        EXPECT_EQ(boxes[0].right, c.nRight) << c.nType;
        EXPECT_EQ(boxes[0].top, 138);
        const int nLines = c.lines.empty() ? 1 : int(c.lines.size());
        EXPECT_EQ(boxes[0].bottom, 138 + 12 * nLines) << c.nType;
    }
}

}  // namespace
