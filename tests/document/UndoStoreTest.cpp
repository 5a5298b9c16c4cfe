#include "DocSamples.h"

#include "blocks/BlockTypes.h"
#include "document/PageLayout.h"
#include "document/SimScan.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"

#include <memory>

namespace {

class UndoStoreTest : public DocTest {
protected:
    // Snapshot n of the edit history: the document with its program name set to "S<n>".
    Bytes Snapshot(int n)
    {
        CString strName;
        strName.Format(_T("S%d"), n);
        m_doc.m_settings.strProgramName = strName;
        EXPECT_TRUE(m_doc.m_undo.SaveState(&m_doc));
        return SaveToBytes(m_doc);
    }
    CString Name() const { return m_doc.m_settings.strProgramName; }

    // A folder where snapshot n's file goes makes that snapshot fail to write, even for root.
    // The store's own folder stays: removed, its name could be taken by a store of another
    // process running at the same time.
    void BlockSnapshot(int n) { ASSERT_TRUE(CreateDirectory(m_undo.GetSnapshotPath(n))); }
    void UnblockSnapshot(int n) { ASSERT_TRUE(RemoveDirectory(m_undo.GetSnapshotPath(n))); }

    // A step that fails (Undo or Redo of a snapshot made unreadable) is reported once and
    // leaves the document, its very objects and the position in the history as they were.
    template <class Step>
    void ExpectReportedAndUnchanged(Step step)
    {
        const Bytes current = SaveToBytes(m_doc);
        const auto objects = ElementObjects(m_doc);
        const int nIndex = m_undo.m_nIndex;
        EXPECT_FALSE(step());
        EXPECT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_undo.m_nIndex, nIndex);
        EXPECT_EQ(SaveToBytes(m_doc), current);
        EXPECT_EQ(ElementObjects(m_doc), objects);
    }

    CVetlaDoc m_doc;
    CUndoStore& m_undo = m_doc.m_undo;
};

TEST_F(UndoStoreTest, ThirtyOneSnapshotsFillFilesZeroToThirty)
{
    std::vector<Bytes> states;
    for (int n = 1; n <= 31; ++n)
        states.push_back(Snapshot(n));
    EXPECT_EQ(m_undo.m_nIndex, 30);
    for (int i = 0; i <= 30; ++i)
        EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(i)), states[std::size_t(i)]) << i;

    // The 32nd drops the first.
    states.push_back(Snapshot(32));
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(0)), states[1]);
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(30)), states[31]);

    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(m_undo.Undo()) << i;
    EXPECT_EQ(m_undo.m_nIndex, 0);
    EXPECT_FALSE(m_undo.CanUndo());
    EXPECT_EQ(Name().ToUtf8(), "S2");
    EXPECT_TRUE(m_undo.CanRedo());
}

// Before any snapshot there is nothing to undo or redo.
// A run holds the block list in the order it steps the blocks in; a save or a snapshot taken
// in the run (a sheet's Apply, File > Properties) holds the order the user made, so that Undo
// and Redo after the run bring back no order of the run.
TEST_F(UndoStoreTest, ASnapshotTakenInARunHoldsTheEditOrder)
{
    for (int nType : {BT_OUT, BT_AND, BT_IN})
        m_doc.AddBlock(CreateBlockForType(nType, nullptr, &m_doc));
    const Bytes edited = Snapshot(1);
    EnterSimulationOrder(m_doc);
    ASSERT_EQ(static_cast<CBlockObj*>(m_doc.m_blockList.GetHead())->m_nType, BT_IN);
    const Bytes applied = Snapshot(2);
    RestoreBlockOrder(m_doc);
    EXPECT_EQ(static_cast<CBlockObj*>(m_doc.m_blockList.GetHead())->m_nType, BT_OUT);
    EXPECT_EQ(SaveToBytes(m_doc), applied);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(SaveToBytes(m_doc), edited);
    ASSERT_TRUE(m_undo.Redo());
    EXPECT_EQ(SaveToBytes(m_doc), applied);
}

TEST_F(UndoStoreTest, UndoOfTheFirstSnapshotOfANewDocumentEmptiesTheDiagram)
{
    EXPECT_FALSE(m_undo.Undo());
    EXPECT_FALSE(m_undo.Redo());
    EXPECT_TRUE(m_boxes.Boxes().empty());
    AddNew(m_doc, BT_AND);
    AddNew(m_doc, BT_IN);
    const Bytes first = Snapshot(1);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(CountBlocks(m_doc), 0);
    EXPECT_EQ(Name().ToUtf8(), "S1");  // the settings stay
    ASSERT_TRUE(m_undo.Redo());
    EXPECT_EQ(SaveToBytes(m_doc), first);
    EXPECT_FALSE(m_undo.CanRedo());
}

// The first edit here stands for a paste that added a page.
TEST_F(UndoStoreTest, UndoOfTheFirstEditOfANewDocumentGivesBackTheDocumentAsCreated)
{
    ASSERT_TRUE(m_doc.OnNewDocument());
    const Bytes created = SaveToBytes(m_doc);
    SetPagesOfBase(m_doc, 1, 2);
    Snapshot(1);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(SaveToBytes(m_doc), created);
    EXPECT_FALSE(m_doc.IsModified());
}

// An opened document's first snapshot is the diagram as read: nothing comes before it, so
// Undo is not offered until an edit, and never reloads the empty diagram over the opened one
// (whose snapshot an edit after that would have overwritten).
class UndoAfterOpenTest : public UndoStoreTest {
protected:
    void SetUp() override
    {
        m_strPath = UniqueTempPath(_T("undo-open.dfb"));
        CVetlaDoc source;
        FillFbdSample(source, FALSE);
        m_opened = SaveToBytes(source);
        WriteFileBytes(m_strPath, m_opened);
    }
    void TearDown() override { DeleteFile(m_strPath); }

    void Open()
    {
        ASSERT_TRUE(m_doc.OnOpenDocument(m_strPath));
        ASSERT_EQ(SaveToBytes(m_doc), m_opened);
    }

    CString m_strPath;
    Bytes m_opened;
};

TEST_F(UndoAfterOpenTest, NothingToUndoRightAfterOpeningAndTheFirstEditUndoesToIt)
{
    Open();
    EXPECT_FALSE(m_undo.CanUndo());
    EXPECT_FALSE(m_undo.CanRedo());
    EXPECT_FALSE(m_undo.Undo());
    EXPECT_EQ(SaveToBytes(m_doc), m_opened);
    EXPECT_TRUE(m_boxes.Boxes().empty());

    AddNew(m_doc, BT_NOR, 500, 500);
    const Bytes edited = Snapshot(2);
    ASSERT_TRUE(m_undo.CanUndo());
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(SaveToBytes(m_doc), m_opened);
    EXPECT_FALSE(m_undo.CanUndo());
    EXPECT_FALSE(m_undo.Undo());
    EXPECT_EQ(SaveToBytes(m_doc), m_opened);
    ASSERT_TRUE(m_undo.Redo());
    EXPECT_EQ(SaveToBytes(m_doc), edited);
}

// Once the ring has shifted the opened diagram's snapshot moves down with the others, and drops
// out as the oldest state: Undo reaches file 000 and goes no further.
TEST_F(UndoAfterOpenTest, TheOpenedDiagramMovesDownTheRingAndDropsOut)
{
    Open();
    for (int n = 2; n <= 31; ++n)
        Snapshot(n);
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(0)), m_opened) << "30 edits: the opened diagram in 000";
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(m_undo.Undo()) << i;
    EXPECT_EQ(SaveToBytes(m_doc), m_opened);
    EXPECT_FALSE(m_undo.CanUndo());
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(m_undo.Redo()) << i;
    Snapshot(32);
    EXPECT_NE(ReadFileBytes(m_undo.GetSnapshotPath(0)), m_opened);
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(m_undo.Undo()) << i;
    EXPECT_EQ(Name().ToUtf8(), "S2");
    EXPECT_FALSE(m_undo.CanUndo());
}

// The opened diagram's snapshot could not be written (reported): the first edit cannot be
// undone either, so Undo is offered from the second edit on.
TEST_F(UndoAfterOpenTest, AnUnwrittenOpenedStateIsNeverReloaded)
{
    BlockSnapshot(1);
    ASSERT_TRUE(m_doc.OnOpenDocument(m_strPath));
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_FALSE(m_undo.CanUndo());
    UnblockSnapshot(1);
    Snapshot(2);
    EXPECT_FALSE(m_undo.CanUndo());
    Snapshot(3);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(Name().ToUtf8(), "S2");
    EXPECT_FALSE(m_undo.CanUndo());
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

// Snapshots are composed in memory kept from one to the next: each file holds its own bytes
// only, whatever the snapshot before it left there.
TEST_F(UndoStoreTest, EverySnapshotFileHoldsExactlyItsOwnState)
{
    FillFbdSample(m_doc, FALSE);
    for (int i = 0; i < 40; ++i)
        AddNew(m_doc, BT_AND);
    const Bytes large = Snapshot(1);
    m_doc.DeleteContents();
    AddNew(m_doc, BT_OR);
    const Bytes small = Snapshot(2);
    ASSERT_LT(small.size(), large.size());
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(1)), large);
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(2)), small);
    FillFbdSample(m_doc, FALSE);
    const Bytes again = Snapshot(3);
    EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(3)), again);
}

TEST_F(UndoStoreTest, ASnapshotCutsOffTheRedoStates)
{
    Snapshot(1);
    Snapshot(2);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_TRUE(m_undo.CanRedo());
    Snapshot(3);
    EXPECT_FALSE(m_undo.CanRedo());
    EXPECT_FALSE(m_undo.Redo());
    EXPECT_EQ(Name().ToUtf8(), "S3");
}

// An edit that goes on rewrites the current snapshot: one Undo takes it all back, Redo brings
// its last state, also with the ring full (where writing the next snapshot would shift it).
TEST_F(UndoStoreTest, ARewrittenSnapshotIsOneStepOfTheHistory)
{
    for (const int nBefore : {1, 31}) {
        SCOPED_TRACE(nBefore);
        Bytes before;
        for (int n = 1; n <= nBefore; ++n)
            before = Snapshot(n);
        Snapshot(100);
        const int nIndex = m_undo.m_nIndex;
        for (const LPCTSTR lpszName : {_T("R1"), _T("R2")}) {
            const int nCount = m_undo.GetStateCount();
            m_doc.m_settings.strProgramName = lpszName;
            ASSERT_TRUE(m_undo.ReplaceState(&m_doc));
            EXPECT_GT(m_undo.GetStateCount(), nCount);
        }
        EXPECT_EQ(m_undo.m_nIndex, nIndex);
        EXPECT_EQ(ReadFileBytes(m_undo.GetSnapshotPath(nIndex - 1)), before) << "the state before stays";
        ASSERT_TRUE(m_undo.Undo());
        EXPECT_EQ(Name().ToUtf8(), nBefore == 1 ? "S1" : "S31");
        ASSERT_TRUE(m_undo.Redo());
        EXPECT_EQ(Name().ToUtf8(), "R2");
        EXPECT_FALSE(m_undo.CanRedo());
    }
}

TEST_F(UndoStoreTest, AMissingSnapshotIsReportedAndChangesNothing)
{
    Snapshot(1);
    Snapshot(2);
    AddNew(m_doc, BT_AND);
    ASSERT_TRUE(DeleteFile(m_undo.GetSnapshotPath(1)));
    ExpectReportedAndUnchanged([this] { return m_undo.Undo(); });
}

TEST_F(UndoStoreTest, ADamagedSnapshotIsReportedAndChangesNothing)
{
    FillFbdSample(m_doc, FALSE);
    Snapshot(1);
    Snapshot(2);
    ASSERT_TRUE(m_undo.Undo());
    const Bytes full = ReadFileBytes(m_undo.GetSnapshotPath(2));
    WriteFileBytes(m_undo.GetSnapshotPath(2), full, full.size() / 2);
    ExpectReportedAndUnchanged([this] { return m_undo.Redo(); });
}

TEST_F(UndoStoreTest, AFailedSnapshotIsReportedAndNeverReloaded)
{
    Snapshot(1);
    Snapshot(2);
    ASSERT_TRUE(m_undo.Undo());
    ASSERT_TRUE(m_undo.Undo());
    // The next snapshot, index 1 again, cannot be written.
    ASSERT_TRUE(DeleteFile(m_undo.GetSnapshotPath(1)));
    BlockSnapshot(1);
    m_doc.m_settings.strProgramName = _T("EDIT");
    EXPECT_FALSE(m_undo.SaveState(&m_doc));
    UnblockSnapshot(1);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_FALSE(m_undo.CanRedo());
    EXPECT_TRUE(m_undo.CanUndo());
    // Back to the state before the failed edit: index 0, the empty diagram.
    EXPECT_TRUE(m_undo.Undo());
    EXPECT_EQ(Name().ToUtf8(), "EDIT");
}

TEST_F(UndoStoreTest, LadderUndoKeepsOneRailAndReplacesTheOperandMaps)
{
    FillLadSample(m_doc);
    Snapshot(1);
    m_doc.m_mapOperandComment.SetAt(4242, _T("added later"));
    AddNew(m_doc, BT_MAKE);
    Snapshot(2);
    ASSERT_TRUE(m_undo.Undo());
    EXPECT_EQ(m_doc.m_powerBusList.GetCount(), 1);
    CString strComment;
    EXPECT_FALSE(m_doc.m_mapOperandComment.Lookup(4242, strComment));
    EXPECT_TRUE(m_doc.m_mapOperandComment.Lookup(600, strComment));
    ASSERT_TRUE(m_undo.Redo());
    EXPECT_EQ(m_doc.m_powerBusList.GetCount(), 1);
    EXPECT_TRUE(m_doc.m_mapOperandComment.Lookup(4242, strComment));
}

// The shell is told of every reload, and only of those.
TEST_F(UndoStoreTest, UndoAndRedoTellTheShellOfTheReload)
{
    RecordingObserver shell;
    CVetlaDoc doc;
    doc.m_undo.SaveState(&doc);
    doc.m_settings.strProgramName = _T("S2");
    doc.m_undo.SaveState(&doc);
    ASSERT_TRUE(doc.m_undo.Undo());
    ASSERT_TRUE(doc.m_undo.Redo());
    EXPECT_EQ(shell.m_reloaded, (std::vector<CVetlaDoc*>{&doc, &doc}));
    EXPECT_FALSE(doc.m_undo.Redo());
    EXPECT_EQ(shell.m_reloaded.size(), 2u);
}

TEST(UndoStoreFolder, EveryStoreHasAFolderOfItsOwnThatGoesWithIt)
{
    CString strFirst;
    {
        CUndoStore first;
        CUndoStore second;
        strFirst = first.GetFolder();
        EXPECT_FALSE(strFirst.IsEmpty());
        EXPECT_NE(strFirst, second.GetFolder());
        EXPECT_EQ(GetFileAttributes(strFirst), FILE_ATTRIBUTE_DIRECTORY);
    }
    EXPECT_EQ(GetFileAttributes(strFirst), INVALID_FILE_ATTRIBUTES);
}

} // namespace
