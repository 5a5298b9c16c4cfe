// Every type code with a sheet, in both controller generations: its sheet opens, Cancel leaves
// the diagram as it was, and OK leaves a diagram that stores and loads back to the same bytes.
#include "FunctionPageFixture.h"

#include "pages/sheet/BlockPageRegistry.h"

namespace {

class SheetCatalogue : public FunctionPageFixture {};

TEST_F(SheetCatalogue, OkAndCancelKeepEveryDiagramConsistent)
{
    for (const WORD wHardware : {WORD(0x4088), WORD(0x5188)}) {
        Doc().m_wHardwareCode = wHardware;
        g_wHardwareCode = wHardware;
        int x = 40;
        for (const BlockPageRow& row : GetBlockPageRows()) {
            SCOPED_TRACE(::testing::Message() << "type " << row.nType << " hardware " << wHardware);
            CBlockObj* pBlock = Block(row.nType, x, 300);
            x += 60;
            const Bytes before = SaveToBytes(Doc());
            RunOK(pBlock, [](CWnd&) {}, IDCANCEL);
            EXPECT_EQ(SaveToBytes(Doc()), before);
            EXPECT_TRUE(RunOK(pBlock, [](CWnd&) {}));
            const Bytes after = SaveToBytes(Doc());
            CVetlaDoc reloaded;
            ASSERT_FALSE(LoadFails(reloaded, after));
            EXPECT_EQ(SaveToBytes(reloaded), after);
        }
    }
    g_wHardwareCode = 0x5188;
}

}  // namespace
