// Function-block numbers from a damaged file: with a gap the next block placed would take a number
// a block has already, and a number used twice leaves the wires and references that name it
// unable to tell which block they mean.
#include "DocTestSupport.h"

#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"

#include <memory>

namespace {

// The function blocks of a file, numbered as a damaged file numbers them.
class LoadedFunctionNumbersTest : public DocTest {
protected:
    // An AND and an OR wired to an output, the OR numbered nOrNumber in the file.
    static Bytes FileWithOrNumbered(int nOrNumber)
    {
        CVetlaDoc doc;
        AddNew(doc, BT_AND);
        CBlockObj* pOr = AddNew(doc, BT_OR);
        CBlockObj* pOut = AddNew(doc, BT_OUT);
        pOr->m_nNumber = nOrNumber;
        auto* pLine = new CConnectLineObj;
        pLine->m_pDoc = &doc;
        pLine->m_nStartBlock = pOut->m_nPinSource[0] = nOrNumber;
        pLine->m_nStartPin = 10;
        pLine->m_nEndBlock = pOr->m_nPinSource[10] = pOut->m_nNumber;
        doc.AddLine(pLine);
        return SaveToBytes(doc);
    }
    // The file opened as Open opens it; null when it does not open.
    static std::unique_ptr<CVetlaDoc> Open(const Bytes& bytes)
    {
        auto pDoc = std::make_unique<CVetlaDoc>();
        if (LoadFails(*pDoc, bytes))
            return nullptr;
        pDoc->SettleOpenedContents();
        return pDoc;
    }
};

// A gap closes up as after a delete, the wire following its block, so that the next block
// placed takes a number of its own; a number used twice cannot tell the wire which block it
// ends at, and the file is refused.
TEST_F(LoadedFunctionNumbersTest, AGapClosesUpAndANumberUsedTwiceIsRefused)
{
    const std::unique_ptr<CVetlaDoc> pGap = Open(FileWithOrNumbered(NUM_FUNCTION_BLOCK + 2));
    ASSERT_TRUE(pGap);
    CBlockObj* pOr = pGap->FindBlockByNumber(NUM_FUNCTION_BLOCK + 1);
    ASSERT_TRUE(pOr);
    EXPECT_EQ(pOr->m_nType, BT_OR);
    const auto& line = *static_cast<CConnectLineObj*>(pGap->m_lineList.GetHead());
    EXPECT_EQ(line.m_nStartBlock, NUM_FUNCTION_BLOCK + 1);
    EXPECT_EQ(line.m_pEndBlock->m_nPinSource[0], NUM_FUNCTION_BLOCK + 1);
    CBlockObj* pPlaced = CreateBlockForType(BT_NOT, nullptr, pGap.get());
    pGap->AddBlock(pPlaced);
    EXPECT_EQ(pPlaced->m_nNumber, NUM_FUNCTION_BLOCK + 2);

    // Saved and opened again, the wire still starts at the OR.
    const std::unique_ptr<CVetlaDoc> pReopened = Open(SaveToBytes(*pGap));
    ASSERT_TRUE(pReopened);
    const auto& reopenedLine = *static_cast<CConnectLineObj*>(pReopened->m_lineList.GetHead());
    ASSERT_TRUE(reopenedLine.m_pStartBlock);
    EXPECT_EQ(reopenedLine.m_pStartBlock->m_nType, BT_OR);

    EXPECT_FALSE(Open(FileWithOrNumbered(NUM_FUNCTION_BLOCK)));
}

} // namespace
