#include "RecordTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace {

class BlockLadderTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    BOOL HasComment(CVetlaDoc& doc, int nOperand)
    {
        CString strComment;
        return doc.m_mapOperandComment.Lookup(nOperand, strComment);
    }

    // Takes the element out of its document's list and destroys it, in that order.
    void Delete(CVetlaDoc& doc, CBlockObj* pBlock)
    {
        const POSITION pos = doc.m_blockList.Find(pBlock);
        ASSERT_NE(pos, nullptr);
        doc.m_blockList.RemoveAt(pos);
        delete pBlock;
    }

    template <class T>
    T* AddElement(int nType, int nOperand)
    {
        T* pBlock = m_active.Add(new T(nType));
        pBlock->m_nOperand = nOperand;
        return pBlock;
    }

    TestDocument m_active{DOC_TYPE_LAD};
};

TEST_F(BlockLadderTest, CommentStaysWhileAnotherElementUsesTheOperand)
{
    CVetlaDoc& doc = m_active.Doc();
    doc.m_mapOperandComment.SetAt(101, _T("start button"));
    auto* pFirst = AddElement<CBlockMake>(BT_MAKE, 101);
    auto* pSecond = AddElement<CBlockBreak>(BT_BREAK, 101);
    Delete(doc, pFirst);
    EXPECT_TRUE(HasComment(doc, 101));
    Delete(doc, pSecond);
    EXPECT_FALSE(HasComment(doc, 101));
}

TEST_F(BlockLadderTest, EachClassCleansOnlyItsOwnOperandRanges)
{
    struct Case {
        int nType;
        int nOperand;
        bool bCleaned;
    };
    const Case cases[] = {
        {BT_MAKE, 355, true},          {BT_MAKE, 1063, true},       {BT_MAKE, 2900, true},
        {BT_MAKE, 356, false},         {BT_MAKE, 21000, false},     {BT_ACONTACT, 4127, true},
        {BT_ACONTACT, 22000, false},   {BT_RELAY_COIL, 727, true},  {BT_INV_OUT, 1827, true},
        {BT_RELAY_COIL, 4927, true},   {BT_RELAY_COIL, 4928, false}, {BT_AOUT_LAD, 4261, true},
        {BT_AOUT_LAD, 4799, true},     {BT_AOUT_LAD, 4262, false},
    };
    CVetlaDoc& doc = m_active.Doc();
    for (const Case& c : cases) {
        doc.m_mapOperandComment.SetAt(c.nOperand, _T("note"));
        CBlockObj* pBlock = m_active.Add(CreateBlockForType(c.nType, nullptr, nullptr));
        pBlock->m_nOperand = c.nOperand;
        Delete(doc, pBlock);
        EXPECT_EQ(HasComment(doc, c.nOperand), !c.bCleaned) << c.nType << " " << c.nOperand;
        doc.m_mapOperandComment.RemoveAll();
    }
}

TEST_F(BlockLadderTest, OnlyAnotherAnalogOutputKeepsAnAnalogOutputsComment)
{
    CVetlaDoc& doc = m_active.Doc();
    doc.m_mapOperandComment.SetAt(4230, _T("valve"));
    auto* pOther = m_active.Add(new CBlockObj(BT_ANALOG_OUT, 1));
    pOther->m_nOperand = 4230;
    auto* pOutput = AddElement<CBlockAOutLAD>(BT_AOUT_LAD, 4230);
    Delete(doc, pOutput);
    EXPECT_FALSE(HasComment(doc, 4230));

    doc.m_mapOperandComment.SetAt(4230, _T("valve"));
    AddElement<CBlockAOutLAD>(BT_AOUT_LAD, 4230);
    Delete(doc, AddElement<CBlockAOutLAD>(BT_AOUT_LAD, 4230));
    EXPECT_TRUE(HasComment(doc, 4230));
}

// Another document may hold the same operand with a comment of its own: an element that goes
// cleans its own document's map.
TEST_F(BlockLadderTest, DestructorCleansItsOwnDocumentOnly)
{
    CVetlaDoc& own = m_active.Doc();
    auto* pContact = AddElement<CBlockMake>(BT_MAKE, 102);
    own.m_mapOperandComment.SetAt(102, _T("own"));

    CVetlaDoc other;
    other.m_nDocType = DOC_TYPE_LAD;
    other.m_mapOperandComment.SetAt(102, _T("other"));

    Delete(own, pContact);
    EXPECT_FALSE(HasComment(own, 102));
    EXPECT_TRUE(HasComment(other, 102));
}

TEST_F(BlockLadderTest, LoadedElementBelongsToTheArchivesDocument)
{
    CBlockRelayCoil coil(BT_RELAY_COIL);
    coil.m_nOperand = 600;
    const Bytes bytes = StoreObject(&coil);

    CVetlaDoc target;
    target.m_nDocType = DOC_TYPE_LAD;
    target.m_mapOperandComment.SetAt(600, _T("pump"));
    m_active.Doc().m_mapOperandComment.SetAt(600, _T("active"));
    auto pLoaded = LoadObjectAs<CBlockRelayCoil>(bytes, &target);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->GetDocument(), &target);
    pLoaded.reset();
    EXPECT_FALSE(HasComment(target, 600));
    EXPECT_TRUE(HasComment(m_active.Doc(), 600));
}

// Emptying a ladder diagram answers the elements' question in one walk: it must remove exactly
// the comments that deleting the blocks one by one, head first, removes. Mixed lists of
// elements and other users of the same few operands, in and out of the elements' ranges. A
// function block diagram, which holds elements only when a damaged file put them there, leaves
// each element to its own walk, with the same result.
TEST_F(BlockLadderTest, EmptyingTheDocumentRemovesWhatDeletingOneByOneRemoves)
{
    const int operands[] = {100, 101, 356, 600, 4127, 4230, 4231, 4800};
    const int types[] = {BT_MAKE, BT_BREAK, BT_ACONTACT, BT_RELAY_COIL, BT_INV_OUT, BT_AOUT_LAD, BT_ANALOG_OUT};
    for (unsigned seed = 1; seed <= 80; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        CVetlaDoc emptied;
        CVetlaDoc oneByOne;
        emptied.m_nDocType = seed % 2 ? DOC_TYPE_LAD : DOC_TYPE_FBD;
        const int nBlocks = int(random() % 12) + 1;
        for (int i = 0; i < nBlocks; ++i) {
            const int nType = types[random() % std::size(types)];
            const int nOperand = operands[random() % std::size(operands)];
            for (CVetlaDoc* pDoc : {&emptied, &oneByOne}) {
                CBlockObj* pBlock = nType == BT_ANALOG_OUT ? new CBlockObj(nType, 1)
                                                           : CreateBlockForType(nType, nullptr, nullptr);
                pBlock->m_nOperand = nOperand;
                pBlock->SetDocument(pDoc);
                pDoc->m_blockList.AddTail(pBlock);
            }
        }
        for (const int nOperand : operands) {
            emptied.m_mapOperandComment.SetAt(nOperand, _T("note"));
            oneByOne.m_mapOperandComment.SetAt(nOperand, _T("note"));
        }
        emptied.DeleteContents();
        while (!oneByOne.m_blockList.IsEmpty())
            delete oneByOne.m_blockList.RemoveHead();
        for (const int nOperand : operands)
            EXPECT_EQ(HasComment(emptied, nOperand), HasComment(oneByOne, nOperand)) << nOperand;
    }
}

TEST_F(BlockLadderTest, ElementWithoutADocumentTouchesNoMap)
{
    auto pContact = std::make_unique<CBlockMake>(BT_MAKE);
    EXPECT_EQ(pContact->GetDocument(), nullptr);
    pContact->m_nOperand = 103;
    m_active.Doc().m_mapOperandComment.SetAt(103, _T("kept"));
    pContact.reset();
    EXPECT_TRUE(HasComment(m_active.Doc(), 103));
}

}  // namespace
