#include "editor/EditDocuments.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTime.h"
#include "blocks/Widget.h"
#include "document/BlockNames.h"
#include "editor/DiagramClipboard.h"
#include "editor/PasteChecks.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/FrameIds.h"
#include "shell/Resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

// A comment box of a kind with no stored form: the clipboard cannot hold it.
class CUnstorableComment : public CBlockComment {
    DECLARE_DYNAMIC(CUnstorableComment)
};
IMPLEMENT_DYNAMIC(CUnstorableComment, CBlockComment)

CString Caption(int nType)
{
    CString strCaption;
    g_mapBlockCaption.Lookup(nType, strCaption);
    return strCaption;
}

class ClipboardTest : public EditingTest {
protected:
    // A document to copy from, the active one, and one to paste into.
    std::pair<EditDocument&, EditDocument&> TwoDocuments() { return {NewDocument(), NewDocument()}; }

    // I1 and I2 into an AND that drives Q1.
    struct AndDiagram {
        CBlockObj* pIn1;
        CBlockObj* pIn2;
        CBlockObj* pAnd;
        CBlockObj* pOut;
        CConnectLineObj* pWire1;
        CConnectLineObj* pWire2;
        CConnectLineObj* pWireOut;
    };
    static AndDiagram BuildAnd(EditDocument& d)
    {
        AndDiagram a{};
        a.pIn1 = d.Block(BT_IN, 100, 100);
        a.pIn2 = d.Block(BT_IN, 100, 200);
        a.pAnd = d.Block(BT_AND, 200, 150);
        a.pOut = d.Block(BT_OUT, 300, 150);
        a.pWire1 = d.Wire(a.pIn1, 10, a.pAnd, 0);
        a.pWire2 = d.Wire(a.pIn2, 10, a.pAnd, 1);
        a.pWireOut = d.Wire(a.pAnd, 10, a.pOut, 0);
        return a;
    }

    // Two on-delay timers, the first's output into the second's trigger.
    static void BuildTimers(EditDocument& d, bool bSelect)
    {
        CBlockObj* pT1 = d.Block(BT_DPR, 200, 100);
        CBlockObj* pT2 = d.Block(BT_DPR, 400, 100);
        CConnectLineObj* pLine = d.Wire(pT1, 10, pT2, 0);
        if (bSelect) {
            d.Select(pT1);
            d.Select(pT2);
            d.Select(pLine);
        }
    }

    // The objects selected in d and copied.
    template <class... T>
    static void Copy(EditDocument& d, T*... pObjects)
    {
        (d.Select(pObjects), ...);
        d.View().OnEditCopy();
    }

    // Data put under the diagram's format as any program may put it.
    static void PutOnClipboard(std::initializer_list<CObject*> blockObjects,
                               std::initializer_list<CObject*> lineObjects = {})
    {
        CObList blocks;
        CObList lines;
        CObList none;
        for (CObject* pObject : blockObjects)
            blocks.AddTail(pObject);
        for (CObject* pObject : lineObjects)
            lines.AddTail(pObject);
        CClipboard::SetData(RegisterDiagramClipboardFormats(), StoreDiagramObjects(blocks, lines, none));
    }

    // A paste at (300, 300) that the target refuses: the target stays as it was, and the one
    // message the user was shown is returned.
    static CMessageBoxRecorder::Box RefusedPaste(EditDocument& target)
    {
        const Bytes before = target.Saved();
        CMessageBoxRecorder recorder;
        Paste(target, CPoint(300, 300));
        EXPECT_EQ(target.Saved(), before) << "a refused paste changes nothing";
        EXPECT_EQ(recorder.Boxes().size(), 1u);
        return recorder.Boxes().empty() ? CMessageBoxRecorder::Box{} : recorder.Boxes()[0];
    }

    // A contact on the rail feeding a relay coil; the rung's first wire is at the rail.
    static void BuildRung(EditDocument& d, bool bSelectRailWire)
    {
        CBlockObj* pContact = d.Block(BT_MAKE, 100, 100);
        CBlockObj* pCoil = d.Block(BT_RELAY_COIL, 300, 100);
        CConnectLineObj* pRailWire = d.Wire(d.Rail(), 10, pContact, 0);
        CConnectLineObj* pLine = d.Wire(pContact, 10, pCoil, 0);
        d.Select(pContact);
        d.Select(pCoil);
        d.Select(pLine);
        if (bSelectRailWire)
            d.Select(pRailWire);
    }
};

TEST_F(ClipboardTest, PasteWithinTheDocumentRenumbersAndLandsOnThePressPoint)
{
    EditDocument& d = NewDocument();
    const AndDiagram a = BuildAnd(d);
    Copy(d, a.pIn1, a.pIn2, a.pAnd, a.pWire1, a.pWire2);
    Paste(d, CPoint(600, 400));

    ASSERT_EQ(d.Blocks().size(), 7u);
    ASSERT_EQ(d.Lines().size(), 5u);
    const std::vector<CBlockObj*> blocks = d.Blocks();
    CBlockObj* pIn1 = blocks[4];
    CBlockObj* pIn2 = blocks[5];
    CBlockObj* pAnd = blocks[6];
    // Function blocks take 9000 + the count; inputs whose numbers are taken the lowest free.
    EXPECT_EQ(pAnd->m_nNumber, 9001);
    EXPECT_NE(pIn1->m_nNumber, a.pIn1->m_nNumber);
    EXPECT_NE(pIn2->m_nNumber, a.pIn2->m_nNumber);
    EXPECT_EQ(pIn1->m_ptPos, CPoint(600, 400));
    EXPECT_EQ(pAnd->m_ptPos, CPoint(700, 450));
    EXPECT_EQ(pAnd->m_nPinSource[0], pIn1->m_nNumber);
    EXPECT_EQ(pAnd->m_nPinSource[1], pIn2->m_nNumber);
    // The pasted objects are the selection; the originals are not.
    EXPECT_EQ(d.View().Selection().Blocks().GetCount(), 3);
    EXPECT_EQ(d.View().Selection().Lines().GetCount(), 2);
    EXPECT_FALSE(a.pAnd->m_bSelected);
    EXPECT_TRUE(pAnd->m_bSelected);
    EXPECT_TRUE(d.Doc().m_undo.CanUndo());
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

// Pastes in a row at one press point cascade by the repeat offset, so that no copy hides
// under another; a paste at a new press point lands on that point again.
TEST_F(ClipboardTest, RepeatedPastesAtOnePointDoNotPileUp)
{
    EditDocument& d = NewDocument();
    const AndDiagram a = BuildAnd(d);
    Copy(d, a.pAnd);
    std::vector<CPoint> landed;
    for (int i = 0; i < 3; ++i) {
        Paste(d, CPoint(600, 400));
        landed.push_back(d.Blocks().back()->m_ptPos);
    }
    const CSize step(PASTE_REPEAT_OFFSET, PASTE_REPEAT_OFFSET);
    EXPECT_EQ(landed, (std::vector<CPoint>{CPoint(600, 400), CPoint(600, 400) + step,
                                           CPoint(600, 400) + step + step}));
    Paste(d, CPoint(100, 400));
    EXPECT_EQ(d.Blocks().back()->m_ptPos, CPoint(100, 400));
    Paste(d, CPoint(600, 400));
    EXPECT_EQ(d.Blocks().back()->m_ptPos, CPoint(600, 400)) << "a new press point starts again";
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ClipboardTest, PasteIntoAnotherDocumentKeepsFreeInputNumbers)
{
    auto [source, target] = TwoDocuments();
    const AndDiagram a = BuildAnd(source);
    target.Block(BT_DPR, 500, 500);
    Copy(source, a.pIn1, a.pIn2, a.pAnd, a.pOut, a.pWire1, a.pWire2, a.pWireOut);
    Paste(target, CPoint(300, 300));

    ASSERT_EQ(target.Blocks().size(), 5u);
    const std::vector<CBlockObj*> blocks = target.Blocks();
    EXPECT_EQ(blocks[1]->m_nNumber, a.pIn1->m_nNumber);
    EXPECT_EQ(blocks[2]->m_nNumber, a.pIn2->m_nNumber);
    EXPECT_EQ(blocks[3]->m_nNumber, 9001);
    EXPECT_EQ(blocks[4]->m_nNumber, a.pOut->m_nNumber);
    EXPECT_EQ(target.Lines().size(), 3u);
    EXPECT_TRUE(DiagramIsConsistent(target.Doc(), &target.View()));
    // The source is as it was, its selection the copied one.
    EXPECT_EQ(source.Blocks().size(), 4u);
    EXPECT_TRUE(DiagramIsConsistent(source.Doc(), &source.View()));
}

// A copied wire whose dot marked where it left a wire that was not copied keeps no dot where
// it runs alone, even when the paste does not move it.
TEST_F(ClipboardTest, PastedWiresGetTheirDotsAmongThemselves)
{
    auto [source, target] = TwoDocuments();
    CBlockObj* pIn = source.Block(BT_IN, 100, 100);
    CBlockObj* pUp = source.Block(BT_AND, 300, 40);
    CBlockObj* pDown = source.Block(BT_AND, 300, 200);
    source.Wire(pIn, 10, pUp, 0);
    CConnectLineObj* pLine = source.Wire(pIn, 10, pDown, 0);
    ASSERT_FALSE(JunctionsOf(pLine).empty());
    Copy(source, pIn, pDown, pLine);
    // Pasted where the copy stood: the pasted objects are not moved.
    CPoint ptTopLeft = pIn->m_ptPos;
    for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i) {
        ptTopLeft.x = std::min(ptTopLeft.x, pLine->m_arrVertices[i].x);
        ptTopLeft.y = std::min(ptTopLeft.y, pLine->m_arrVertices[i].y);
    }
    Paste(target, ptTopLeft);
    ASSERT_EQ(target.Lines().size(), 1u);
    EXPECT_EQ(target.Lines()[0]->m_arrVertices[0], pLine->m_arrVertices[0]);
    EXPECT_TRUE(JunctionsOf(target.Lines()[0]).empty());
}

TEST_F(ClipboardTest, FbdWiresIntoALadderDocumentAskFirst)
{
    EditDocument& source = NewDocument(DOC_TYPE_FBD);
    EditDocument& target = NewDocument(DOC_TYPE_LAD);
    BuildTimers(source, true);
    source.View().OnEditCopy();
    const Bytes before = target.Saved();

    CMessageBoxRecorder recorder;
    recorder.QueueAnswer(IDNO);
    Paste(target, CPoint(300, 300));
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, CString(PASTE_ASK_WITHOUT_WIRES));
    EXPECT_TRUE(recorder.Boxes()[0].type & MB_YESNO);
    EXPECT_EQ(target.Saved(), before);

    recorder.Clear();
    recorder.QueueAnswer(IDYES);
    Paste(target, CPoint(300, 300));
    EXPECT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(target.CountType(BT_DPR), 2);
    EXPECT_TRUE(target.Lines().empty());
    for (CBlockObj* pTimer : target.Blocks())
        EXPECT_EQ(pTimer->m_nPinSource[0], LINK_OPEN);
    EXPECT_TRUE(DiagramIsConsistent(target.Doc(), &target.View()));
}

TEST_F(ClipboardTest, LadderElementsIntoAnFbdDocumentAreListedAsUnavailable)
{
    EditDocument& source = NewDocument(DOC_TYPE_LAD);
    EditDocument& target = NewDocument(DOC_TYPE_FBD);
    BuildRung(source, false);
    source.View().OnEditCopy();
    const CMessageBoxRecorder::Box box = RefusedPaste(target);
    EXPECT_EQ(box.text, CString(PASTE_NOT_IN_LANGUAGE) + _T("\n-I000") + Caption(BT_MAKE) + _T("\n-Q000") +
                            Caption(BT_RELAY_COIL))
        << box.text.ToUtf8();
    EXPECT_EQ(box.type, UINT(MB_ICONINFORMATION));
}

TEST_F(ClipboardTest, WiresAtThePowerRailAreRefused)
{
    EditDocument& source = NewDocument(DOC_TYPE_LAD);
    EditDocument& ladder = NewDocument(DOC_TYPE_LAD);
    EditDocument& fbd = NewDocument(DOC_TYPE_FBD);
    BuildRung(source, true);
    source.View().OnEditCopy();
    EXPECT_EQ(RefusedPaste(ladder).text, CString(PASTE_POWER_BUS_LAD));
    EXPECT_EQ(RefusedPaste(fbd).text, CString(PASTE_POWER_BUS_FBD));
}

TEST_F(ClipboardTest, FunctionBlocksTravelFromFbdToLadderAndBack)
{
    EditDocument& fbd = NewDocument(DOC_TYPE_FBD);
    EditDocument& ladder = NewDocument(DOC_TYPE_LAD);
    CBlockObj* pTimer = fbd.Block(BT_DPR, 200, 200);
    pTimer->m_strLabelSuffix = _T("T1");
    Copy(fbd, pTimer);
    CMessageBoxRecorder recorder;
    Paste(ladder, CPoint(400, 300));
    ASSERT_EQ(ladder.CountType(BT_DPR), 1);

    // On a rung a timer's output is read by contacts, not wired.
    CBlockObj* pLadderTimer = ladder.Blocks()[0];
    EXPECT_EQ(pLadderTimer->m_strLabelSuffix, CString(_T("T1")));
    EXPECT_EQ(pLadderTimer->m_nPinKind[10], PINKIND_NONE);
    ladder.View().OnEditCopy();
    Paste(fbd, CPoint(600, 300));
    EXPECT_TRUE(recorder.Boxes().empty());
    ASSERT_EQ(fbd.CountType(BT_DPR), 2);
    EXPECT_EQ(fbd.Blocks()[1]->m_nNumber, 9001);
    EXPECT_EQ(fbd.Blocks()[1]->m_ptPos, CPoint(600, 300));
    EXPECT_EQ(fbd.Blocks()[1]->m_nPinKind[10], pTimer->m_nPinKind[10]);
    EXPECT_TRUE(DiagramIsConsistent(fbd.Doc(), &fbd.View()));
    EXPECT_TRUE(DiagramIsConsistent(ladder.Doc(), &ladder.View()));
}

TEST_F(ClipboardTest, TenFunctionBlocksDoNotFitBeside1020)
{
    auto [source, target] = TwoDocuments();
    for (int i = 0; i < 10; ++i)
        source.Select(source.Block(BT_AND, 100 + 40 * i, 100));
    for (int i = 0; i < 1020; ++i)
        target.Block(BT_AND, 100, 100);
    source.View().OnEditCopy();
    const CMessageBoxRecorder::Box box = RefusedPaste(target);
    EXPECT_EQ(box.text, CString(_T("Insufficient Resources to create/paste the blocks.")));
    EXPECT_EQ(box.type, UINT(MB_ICONSTOP));
}

// The document the copy came from has closed: what the paste needs came with the data.
TEST_F(ClipboardTest, PasteAfterTheSourceDocumentClosed)
{
    EditDocument& target = NewDocument(DOC_TYPE_LAD);
    {
        EditDocument& rung = NewDocument(DOC_TYPE_LAD);
        BuildRung(rung, true);
        rung.View().OnEditCopy();
        rung.Close();
    }
    CMessageBoxRecorder recorder;
    Paste(target, CPoint(300, 300));
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, CString(PASTE_POWER_BUS_LAD));

    EditDocument& timers = NewDocument(DOC_TYPE_FBD);
    BuildTimers(timers, true);
    timers.View().OnEditCopy();
    timers.Close();
    recorder.Clear();
    recorder.QueueAnswer(IDYES);
    Paste(target, CPoint(300, 300));
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, CString(PASTE_ASK_WITHOUT_WIRES));
    EXPECT_EQ(target.CountType(BT_DPR), 2);
    EXPECT_TRUE(DiagramIsConsistent(target.Doc(), &target.View()));
}

TEST_F(ClipboardTest, DamagedClipboardDataPastesNothing)
{
    EditDocument& d = NewDocument();
    d.Block(BT_AND, 100, 100);
    const Bytes before = d.Saved();
    CMessageBoxRecorder recorder;

    CClipboard::SetData(RegisterDiagramClipboardFormats(), {0x03, 0x00, 0xFF, 0xFF, 0x01});
    Paste(d, CPoint(300, 300));

    // A comment where the blocks belong.
    CBlockComment comment;
    PutOnClipboard({&comment});
    Paste(d, CPoint(300, 300));

    EXPECT_TRUE(recorder.Boxes().empty());
    EXPECT_EQ(d.Saved(), before);
}

// Any program can put data under the diagram's format: positions near the ends of an int
// overflowed the pin centres and the paste's offset.
TEST_F(ClipboardTest, ElementsOutsideTheDiagramPasteNothing)
{
    auto [source, target] = TwoDocuments();
    const AndDiagram a = BuildAnd(source);
    target.Block(BT_AND, 100, 100);
    const Bytes before = target.Saved();

    a.pAnd->m_ptPos.x = INT_MAX - 10;
    PutOnClipboard({a.pIn1, a.pAnd}, {a.pWire1});
    Paste(target, CPoint(300, 300));
    EXPECT_EQ(target.Saved(), before);

    a.pAnd->m_ptPos.x = 200;
    a.pWire1->m_arrVertices[1].x = -2147483000;
    PutOnClipboard({a.pIn1, a.pAnd}, {a.pWire1});
    Paste(target, CPoint(300, 300));
    EXPECT_EQ(target.Saved(), before);

    // Far, but inside: pasted, and the document opens again.
    a.pWire1->m_arrVertices[1].x = 200000;
    PutOnClipboard({a.pIn1, a.pAnd}, {a.pWire1});
    Paste(target, CPoint(300, 300));
    EXPECT_EQ(target.CountType(BT_AND), 2);
    CVetlaDoc reopened;
    EXPECT_FALSE(LoadFails(reopened, target.Saved()));
}

// A value no file may hold: the document would save to a file that does not open again.
TEST_F(ClipboardTest, ValuesNoFileMayHoldPasteNothing)
{
    auto [source, target] = TwoDocuments();
    CBlockObj* pTimer = source.Block(BT_DPR, 100, 100);
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 1000000;
    const Bytes before = target.Saved();
    PutOnClipboard({pTimer});
    Paste(target, CPoint(300, 300));
    EXPECT_EQ(target.Saved(), before);
}

TEST_F(ClipboardTest, CopyTakesAConnectorPairOnlyWithBothSides)
{
    EditDocument& d = NewDocument();
    CBlockObj* pIn = d.Block(BT_IN, 100, 100);
    CBlockObj* pOut = d.Block(BT_OUT, 600, 300);
    CConnectLineObj* pLine = d.Wire(pIn, 10, pOut, 0);
    d.View().SetCurrentObjects(nullptr, pLine, nullptr);
    d.View().SeparateLine();
    CBlockObj* pFemale = d.Doc().FindBlockByNumber(NUM_FEMALE);
    ASSERT_NE(pFemale, nullptr);

    // One side only: the connector stays behind.
    d.View().Selection().Clear(SELECTION_ALL);
    d.Select(pIn);
    d.Select(pFemale);
    EXPECT_FALSE(d.View().IsConnectorPairInSelection(pFemale));
    d.View().OnEditCopy();
    EXPECT_FALSE(pFemale->m_bSelected);
    EXPECT_EQ(d.View().Selection().Blocks().GetCount(), 1);

    // Both sides: the pair with both wires.
    d.View().Selection().Clear(SELECTION_ALL);
    d.Select(pIn);
    d.Select(pOut);
    d.Select(pFemale);
    EXPECT_TRUE(d.View().IsConnectorPairInSelection(pFemale));
    d.View().OnEditCopy();
    EXPECT_EQ(d.View().Selection().Blocks().GetCount(), 4);
    EXPECT_EQ(d.View().Selection().Lines().GetCount(), 2);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));

    // Pasted, the pair stays a pair under new numbers.
    Paste(d, CPoint(100, 600));
    EXPECT_EQ(d.CountType(BT_MALE), 2);
    EXPECT_NE(d.Doc().FindBlockByNumber(NUM_MALE + 1), nullptr);
    EXPECT_NE(d.Doc().FindBlockByNumber(NUM_FEMALE + 1), nullptr);
    EXPECT_EQ(d.Lines().size(), 4u);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

// Each paste pairs its own connectors: a Male that came alone in an earlier paste does not
// take the Female of a later pair, which would leave that pair's Male with another number.
TEST_F(ClipboardTest, AConnectorPastedAloneDoesNotSplitALaterPair)
{
    auto [source, target] = TwoDocuments();
    CBlockObj* pMale = source.Block(BT_MALE, 100, 100);
    CBlockObj* pFemale = source.Block(BT_FEMALE, 300, 100);
    pMale->m_nNumber = NUM_MALE + 3;
    pFemale->m_nNumber = NUM_FEMALE + 3;
    PutOnClipboard({pMale});
    Paste(target, CPoint(100, 100));
    ASSERT_EQ(target.CountType(BT_MALE), 1);

    PutOnClipboard({pFemale, pMale});
    Paste(target, CPoint(100, 300));
    ASSERT_EQ(target.View().Selection().Blocks().GetCount(), 2);
    const auto* pPastedFemale = static_cast<CBlockObj*>(target.View().Selection().Blocks().GetHead());
    const auto* pPastedMale = static_cast<CBlockObj*>(target.View().Selection().Blocks().GetTail());
    ASSERT_EQ(pPastedFemale->m_nType, BT_FEMALE);
    EXPECT_EQ(pPastedFemale->m_nNumber, pPastedMale->m_nNumber + NUM_FEMALE_OFFSET) << "the pair stays a pair";
}

// What a pasted block names but was not pasted along (an element's counter, a referenced timer):
// the document it was copied from still holds it, and keeps it named; another document leaves it
// out, and says so. Data from a program that writes no links pastes the text without elements.
TEST_F(ClipboardTest, WhatStayedBehindIsKeptInItsDocumentAndLeftOutElsewhere)
{
    auto [source, target] = TwoDocuments();
    CBlockObj* pCounter = source.Block(BT_COUNTER, 100, 100);
    CBlockObj* pTimer = source.Block(BT_DPR, 200, 100);
    pTimer->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pTimer->m_nRefBlock[0] = pCounter->m_nNumber;
    pTimer->m_pRefBlock[0] = pCounter;
    auto* pText = static_cast<CBlockMSGTEXT*>(source.Block(BT_MSGTEXT, 300, 100));
    auto* pWidget = new CWidget;
    pWidget->m_nLine = pWidget->m_nColumn = 1;
    pWidget->m_nKind = WIDGET_KIND_BARGRAPH;
    pWidget->m_nWidth = 10;
    pWidget->m_nBlockNumber = pCounter->m_nNumber;
    pText->m_arrWidgets1[0].Add(pWidget);
    Copy(source, pTimer, pText);
    const auto shown = [](EditDocument& d) {
        const auto* pPasted = static_cast<CBlockMSGTEXT*>(d.Doc().FindBlockByNumber(d.Blocks().back()->m_nNumber));
        return pPasted->m_arrWidgets1[0].GetSize() ? static_cast<CWidget*>(pPasted->m_arrWidgets1[0][0]) : nullptr;
    };

    CMessageBoxRecorder recorder;
    Paste(source, CPoint(500, 500));
    EXPECT_TRUE(recorder.Boxes().empty());
    ASSERT_NE(shown(source), nullptr);
    EXPECT_EQ(shown(source)->m_pBlock, pCounter);
    EXPECT_EQ(source.Blocks()[3]->m_pRefBlock[0], pCounter);

    Paste(target, CPoint(500, 500));
    EXPECT_EQ(shown(target), nullptr);
    EXPECT_FALSE(target.Blocks()[0]->m_nParam[BLOCK_REF_USED_PARAM]);
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text.Left(40), CString(_T("Blocks that were not pasted along are no")));
    EXPECT_EQ(recorder.Boxes()[0].type, UINT(MB_ICONINFORMATION));

    std::vector<BYTE> diagram;
    ASSERT_TRUE(CClipboard::GetData(RegisterDiagramClipboardFormats(), diagram));
    CClipboard::Empty();
    CClipboard::SetData(RegisterDiagramClipboardFormats(), diagram);
    Paste(source, CPoint(700, 500));
    EXPECT_EQ(shown(source), nullptr);
    EXPECT_EQ(source.CountType(BT_MSGTEXT), 3);
}

TEST_F(ClipboardTest, PastedMessageTextTakesAFreeSlot)
{
    EditDocument& d = NewDocument();
    CBlockObj* pText = d.Block(BT_MSGTEXT, 100, 100);
    ASSERT_EQ(pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 0);
    Copy(d, pText);
    Paste(d, CPoint(300, 300));
    CBlockObj* pPasted = d.Blocks().back();
    EXPECT_EQ(pPasted->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 1);
    EXPECT_TRUE(d.View().IsMsgTextSlotUsed(1));
}

// At the press point (0, 0) the group would leave the page: it stays where it was copied, and
// the base grows to hold it (a right edge of 2100 on 1024-unit pages: three pages across).
TEST_F(ClipboardTest, AGroupBeyondTheBaseAddsPages)
{
    auto [source, target] = TwoDocuments();
    CBlockObj* pFar = source.Block(BT_AND, 2075, 100);
    Copy(source, pFar);
    Paste(target, CPoint(0, 0));
    ASSERT_EQ(target.Blocks().size(), 1u);
    EXPECT_EQ(target.Blocks()[0]->m_ptPos, CPoint(2075, 100));
    EXPECT_EQ(target.Doc().m_nPagesAcross, 3);
    EXPECT_EQ(target.Doc().m_nPagesDown, 2);
    EXPECT_EQ(target.Doc().m_rcExtent.right, 3 * 1024);
    // A layout of a hundred pages grows no further: the file would not open as saved.
    EditDocument& full = NewDocument();
    full.View().SetPageLayout(1, 100);
    Paste(full, CPoint(0, 0));
    EXPECT_EQ(full.Doc().m_nPagesAcross, 1);
    EXPECT_EQ(full.Doc().m_nPagesDown, 100);
}

TEST_F(ClipboardTest, NewerBlocksIntoAnOlderControllerAreListed)
{
    EditDocument& source = NewDocument(DOC_TYPE_FBD, HW_NEWER);
    EditDocument& target = NewDocument(DOC_TYPE_FBD, HW_OLDER);
    CBlockObj* pBoolean = source.Block(BT_BOOLEAN, 100, 100);
    CBlockObj* pKey = source.Block(BT_FKEY, 100, 200);
    Copy(source, pBoolean, pKey);
    CString strKey;
    strKey.Format(_T("\nF%d %s : Not supported!"), pKey->m_nOperand, Caption(BT_FKEY));
    EXPECT_EQ(RefusedPaste(target).text,
              CString(PASTE_NOT_IN_GENERATION) + _T("\nB0") + Caption(BT_BOOLEAN) + _T(" : Not supported!") + strKey);
}

TEST_F(ClipboardTest, YearlyTimerTakesTheTargetGenerationsProgramSize)
{
    EditDocument& source = NewDocument(DOC_TYPE_FBD, HW_NEWER);
    EditDocument& target = NewDocument(DOC_TYPE_FBD, HW_OLDER);
    CBlockObj* pYearly = source.Block(BT_YT, 100, 100);
    pYearly->m_wProgramBytes = 14;
    Copy(source, pYearly);
    Paste(target, CPoint(300, 300));
    ASSERT_EQ(target.Blocks().size(), 1u);
    EXPECT_EQ(target.Blocks()[0]->m_wProgramBytes, 8);
}

TEST_F(ClipboardTest, CommandStatesFollowTheSelectionAndTheClipboard)
{
    EditDocument& d = NewDocument();
    CBlockObj* pBlock = d.Block(BT_AND, 100, 100);
    const auto enabled = [&d](void (CVetlaView::*pUpdate)(CCmdUI*)) {
        CCmdUI ui;
        (d.View().*pUpdate)(&ui);
        return ui.m_bEnabled;
    };
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditCopy));
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditPaste));
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditDelete));
    EXPECT_TRUE(enabled(&CVetlaView::OnUpdateEditSelectAll));
    d.Select(pBlock);
    EXPECT_TRUE(enabled(&CVetlaView::OnUpdateEditCopy));
    EXPECT_TRUE(enabled(&CVetlaView::OnUpdateEditDelete));
    d.View().OnEditCopy();
    EXPECT_TRUE(enabled(&CVetlaView::OnUpdateEditPaste));
    d.Doc().m_bSimulating = 1;
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditCopy));
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditPaste));
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditDelete));
    EXPECT_FALSE(enabled(&CVetlaView::OnUpdateEditSelectAll));
}

// Cut deletes only what the clipboard took: when the selection could not be written, it stays
// and the user is told; the clipboard keeps what it held.
TEST_F(ClipboardTest, ACutTheClipboardCouldNotTakeDeletesNothing)
{
    EditDocument& d = NewDocument();
    const AndDiagram a = BuildAnd(d);
    d.Select(a.pIn1);
    d.View().OnEditCopy();
    std::vector<BYTE> held;
    ASSERT_TRUE(CClipboard::GetData(RegisterDiagramClipboardFormats(), held));
    auto* pComment = new CUnstorableComment;
    d.Doc().AddComment(pComment);
    d.Select(a.pAnd);
    d.Select(pComment);
    CMessageBoxRecorder boxes;
    d.View().OnEditCut();
    EXPECT_EQ(d.Blocks().size(), 4u);
    EXPECT_EQ(d.Lines().size(), 3u);
    EXPECT_EQ(d.Doc().m_commentList.GetCount(), 1);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, CString(_T("The selection could not be put on the clipboard. Nothing was cut.")));
    std::vector<BYTE> after;
    ASSERT_TRUE(CClipboard::GetData(RegisterDiagramClipboardFormats(), after));
    EXPECT_EQ(after, held);
}

// The edit commands reach the view through its command routing, as menus and keys send them.
TEST_F(ClipboardTest, EditCommandsAreRoutedToTheView)
{
    EditDocument& d = NewDocument();
    CVetlaView& v = d.View();
    const AndDiagram a = BuildAnd(d);
    const CPoint ptFirst = a.pIn1->m_ptPos;
    for (UINT nID : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL, ID_CUT_JOIN_CONNECTION}) {
        CCmdUI ui;
        ui.m_nID = nID;
        EXPECT_TRUE(ui.DoUpdate(&v, TRUE)) << nID;
    }
    const auto send = [&v](UINT nID) { return v.OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr); };

    // Select All, Copy, Delete and Paste: the diagram comes back where it was.
    EXPECT_TRUE(send(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(v.Selection().Blocks().GetCount(), 4);
    EXPECT_TRUE(send(ID_EDIT_COPY));
    EXPECT_TRUE(send(ID_EDIT_CLEAR));
    EXPECT_TRUE(d.Blocks().empty());
    v.SetPressPoint(ptFirst);
    EXPECT_TRUE(send(ID_EDIT_PASTE));
    EXPECT_EQ(d.Blocks().size(), 4u);
    ASSERT_EQ(d.Lines().size(), 3u);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &v));

    // Separate at a point of the AND's output wire, Go To Partner, Join.
    CConnectLineObj* pLine = d.Lines()[2];
    v.SetPressPoint(pLine->m_arrVertices[1]);
    EXPECT_TRUE(send(ID_WIRE_SEPARATE));
    EXPECT_EQ(d.CountType(BT_FEMALE), 1);
    v.SetCurrentObjects(d.Doc().FindBlockByNumber(NUM_FEMALE), nullptr, nullptr);
    EXPECT_TRUE(send(ID_GOTO_PARTNER));
    EXPECT_EQ(v.CurrentBlock(), d.Doc().FindBlockByNumber(NUM_MALE));
    EXPECT_TRUE(send(ID_WIRE_JOIN));
    EXPECT_EQ(d.CountType(BT_MALE), 0);
    EXPECT_EQ(d.Lines().size(), 3u);
    EXPECT_TRUE(send(ID_CUT_JOIN_CONNECTION));
    EXPECT_EQ(v.EditMode(), EDIT_MODE_CUT_JOIN);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &v));
}

} // namespace
