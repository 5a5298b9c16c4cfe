// The elements a load makes lie in an arena that belongs to them, not to the document that read
// them: Open and Undo hand them from the trial document to the real one, the user moves them on
// to other documents, and the arena must go exactly when the last of them is deleted.
#include "DocSamples.h"

#include "platform/core/ObjectArena.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DocArenaTest : public DocTest {
protected:
    void TearDown() override { EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore); }

    static Bytes SampleWithEveryType()
    {
        CVetlaDoc source;
        FillFbdSample(source, TRUE);
        return SaveToBytes(source);
    }

    HardwareCodeScope m_hw{0x5188};
    const std::size_t m_nArenasBefore = ObjectMemory::LiveArenaCount();
};

TEST_F(DocArenaTest, EachOpenLeavesOneArenaHoldingEveryElement)
{
    const Bytes bytes = SampleWithEveryType();
    CVetlaDoc doc;
    for (int nOpen = 0; nOpen < 3; ++nOpen) {
        LoadFromBytes(doc, bytes);
        EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
    }
    for (const CObject* pElement : ElementObjects(doc)) {
        if (pElement != nullptr) {
            EXPECT_TRUE(ObjectMemory::IsInArena(pElement)) << pElement->GetRuntimeClass()->m_lpszClassName;
        }
    }
    EXPECT_EQ(SaveToBytes(doc), bytes);
    doc.DeleteContents();
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore);
}

TEST_F(DocArenaTest, ElementsMovedToAnotherDocumentOutliveTheOneThatLoadedThem)
{
    const Bytes bytes = SampleWithEveryType();
    auto pLoaded = std::make_unique<CVetlaDoc>();
    LoadFromBytes(*pLoaded, bytes);
    CVetlaDoc target;
    AddNew(target, BT_OR);
    auto* pMoved = static_cast<CBlockObj*>(pLoaded->m_blockList.RemoveTail());
    const int nType = pMoved->m_nType;
    target.AddBlock(pMoved);

    pLoaded.reset();
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
    EXPECT_EQ(static_cast<CBlockObj*>(target.m_blockList.GetTail())->m_nType, nType);
    CVetlaDoc reloaded;
    LoadFromBytes(reloaded, SaveToBytes(target));
    EXPECT_EQ(CountBlocks(reloaded), 2);

    target.DeleteContents();
    reloaded.DeleteContents();
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore);
}

// Whatever the load had read before it failed goes with its arena, and the document keeps the
// arena of its own elements.
TEST_F(DocArenaTest, ALoadThatFailsPartWayLeavesNoArenaBehind)
{
    const Bytes bytes = SampleWithEveryType();
    CVetlaDoc doc;
    LoadFromBytes(doc, bytes);
    for (std::size_t nCut = 1; nCut < bytes.size(); nCut += 97) {
        SCOPED_TRACE(nCut);
        const Bytes cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(nCut));
        ASSERT_TRUE(LoadFails(doc, cut));
        EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
    }
    EXPECT_EQ(SaveToBytes(doc), bytes);
    doc.DeleteContents();
}

} // namespace
