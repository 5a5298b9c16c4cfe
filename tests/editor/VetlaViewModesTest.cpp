// Connect mode and the view's Undo and Redo commands.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "document/DocTestSupport.h"

#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/FrameIds.h"
#include "shell/Resource.h"

namespace {

using ModesTest = WiredDiagram;

TEST_F(ModesTest, ConnectNeedsABlockTogglesTheModeAndDropsTheSelection)
{
    EXPECT_FALSE(Enabled(ID_CONNECT));
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    ASSERT_TRUE(Enabled(ID_CONNECT));
    View().Selection().Add(pAnd);
    View().SetCurrentObjects(pAnd, nullptr, nullptr);

    Command(ID_CONNECT);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_CONNECT);
    EXPECT_TRUE(View().Selection().Blocks().IsEmpty());
    EXPECT_EQ(pAnd->m_bSelected, 0);
    EXPECT_EQ(View().CurrentBlock(), nullptr);

    // A wire half drawn when Connect is chosen again is abandoned with the mode.
    View().WireTool().ClickAt(PinCentre(pAnd, 10).x, PinCentre(pAnd, 10).y);
    ASSERT_TRUE(View().WireTool().IsDrawing());
    Command(ID_CONNECT);
    EXPECT_EQ(View().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(View().WireTool().IsDrawing(), FALSE);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(ModesTest, UndoAndRedoStepThroughTheSnapshotsAndForgetTheSelection)
{
    Doc().m_undo.SaveState(&Doc());
    const auto before = SaveToBytes(Doc());
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Doc().m_undo.SaveState(&Doc());
    const auto after = SaveToBytes(Doc());
    View().Selection().Add(pAnd);
    View().SetCurrentObjects(pAnd, nullptr, nullptr);

    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(SaveToBytes(Doc()), before);
    EXPECT_TRUE(View().Selection().Blocks().IsEmpty());
    EXPECT_EQ(View().CurrentBlock(), nullptr);

    ASSERT_TRUE(Enabled(ID_EDIT_REDO));
    Command(ID_EDIT_REDO);
    EXPECT_EQ(SaveToBytes(Doc()), after);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

// Neither a new diagram nor one just opened has anything to undo: Undo right after opening
// would have reloaded the empty diagram over the file's.
TEST_F(ModesTest, UndoIsNotOfferedAfterNewNorAfterOpen)
{
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));

    const CString strPath = UniqueTempPath(_T("modes-open.dfb"));
    Bytes opened;
    {
        CVetlaDoc source;
        AddNew(source, BT_AND, 200, 100);
        AddNew(source, BT_IN, 100, 100);
        opened = SaveToBytes(source);
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(opened.data(), UINT(opened.size()));
    }
    ASSERT_TRUE(Doc().OnOpenDocument(strPath));
    DeleteFile(strPath);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(SaveToBytes(Doc()), opened);

    // The first edit can be undone, back to the opened diagram and no further.
    Block(BT_OR, 300, 100);
    Doc().m_undo.SaveState(&Doc());
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(SaveToBytes(Doc()), opened);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(ModesTest, UndoIsOfferedNeitherInASimulationNorUnderTheEditLock)
{
    Doc().m_undo.SaveState(&Doc());
    Block(BT_AND, 200, 100);
    Doc().m_undo.SaveState(&Doc());
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    Doc().m_bSimulating = 1;
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    Doc().m_bSimulating = 0;
    Doc().m_bEditLock = 1;
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

} // namespace
