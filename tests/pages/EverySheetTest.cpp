// Every type code with a sheet through Block Properties, in both controller generations (the
// types only the newer controllers offer included, as a diagram changed to an older controller
// still holds them): the sheet opens, OK writes what the pages hold without a refusal and leaves
// a diagram that stores and loads back to the same bytes, and Cancel changes nothing at all.
#include "SheetFixture.h"

#include "document/UndoStore.h"
#include "pages/sheet/BlockPageRegistry.h"

#include <algorithm>

namespace {

class EverySheet : public SheetFixture {
protected:
    // The next modal sheet gets nButton once it shows; shown says that it did.
    void PressOnShow(int nButton, bool& bShown)
    {
        CDialog::SetDialogHook([nButton, &bShown](CDialog& dlg) {
            bShown = true;
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
    }
    // The document's bytes stored and loaded back into a fresh document store the same.
    void ExpectStoresAndLoadsBack()
    {
        const Bytes bytes = SaveToBytes(Doc());
        CVetlaDoc copy;
        ASSERT_FALSE(LoadFails(copy, bytes));
        EXPECT_EQ(SaveToBytes(copy), bytes);
    }
};

TEST_F(EverySheet, OkAndCancelKeepTheDiagramConsistentForEveryTypeOfBothGenerations)
{
    const WORD wWasHardware = g_wHardwareCode;
    int nOpened = 0;
    for (const WORD wHardware : {WORD(0x4188), WORD(0x5288)}) {
        Command(ID_FILE_NEW);
        Doc().m_wHardwareCode = wHardware;
        g_wHardwareCode = wHardware;
        for (const BlockPageRow& type : GetBlockPageRows()) {
            SCOPED_TRACE(testing::Message() << "type " << type.nType << " hardware " << wHardware);
            CBlockObj* pBlock = Block(type.nType, 100 + 20 * (nOpened % 20), 100 + 20 * (nOpened / 20 % 20));
            ++nOpened;
            const int nNumber = pBlock->m_nNumber;
            const size_t nBlocks = size_t(Doc().m_blockList.GetCount());

            const Bytes before = SaveToBytes(Doc());
            const int nSnapshots = Snapshots();
            bool bShown = false;
            PressOnShow(IDCANCEL, bShown);
            Properties(pBlock);
            EXPECT_TRUE(bShown);
            EXPECT_EQ(SaveToBytes(Doc()), before) << "Cancel changed the diagram";
            EXPECT_EQ(Snapshots(), nSnapshots);

            m_boxes.Clear();
            bShown = false;
            PressOnShow(IDOK, bShown);
            Properties(pBlock);
            EXPECT_TRUE(bShown);
            EXPECT_TRUE(m_boxes.Boxes().empty()) << "OK refused a page's own values";
            EXPECT_EQ(Snapshots(), std::min(nSnapshots + 1, UNDO_MAX_INDEX));
            EXPECT_EQ(Doc().FindBlockByNumber(nNumber), pBlock);
            EXPECT_EQ(pBlock->m_nType, type.nType);
            EXPECT_EQ(size_t(Doc().m_blockList.GetCount()), nBlocks);
            for (CBlockObj* pRef : pBlock->m_pRefBlock)
                EXPECT_TRUE(!pRef || Doc().FindBlockByNumber(pRef->m_nNumber) == pRef);
            ExpectStoresAndLoadsBack();
        }
    }
    g_wHardwareCode = wWasHardware;
    EXPECT_GT(nOpened, 150) << "both generations' catalogues were walked";
}

}  // namespace
