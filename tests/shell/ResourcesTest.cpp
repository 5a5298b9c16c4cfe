// The shell's texts live in the program's string table: LoadString and AfxMessageBox(UINT) find
// them by id, and the menu captions of the device commands are built from them.
#include "shell/Resource.h"

#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellStrings, AreFoundByIdInTheProgramTable)
{
    struct Case {
        UINT nID;
        const char* text;
    };
    const Case cases[] = {
        {IDR_MAINFRAME, "QARVO Editor"},
        {IDR_FBDTYPE, "\nDiagram\nFunction Block\nFunction Block Files (*.dfb)\n.dfb\nFunctionBlock.Document\n"
                      "Function Block Document"},
        {IDR_LADTYPE, "\nDiagram\nLadder\nLadder Files (*.dld)\n.dld\nLadder.Document\nLadder Document"},
        {IDS_WRONG_FILE_TYPE, "%s Can't load this type of file %s"},
        {IDS_ZOOM_FORMAT, "Zoom:%d"},
        {IDS_OPEN_FILTER,
         "%s Files(*.dfb, *.dld)|*.dfb; *.dld|%s File(*.dfb)|*.dfb|%s File(*.dld)|*.dld|All Files(*.*)|*.*||"},
        {IDS_LAD_EXTENSION, ".dld"},
        {ID_PLC_CLOCK, "Clock Setting/Calibration"},
        {ID_INDICATOR_ZOOM, "   Zoom:100%   "},
        {ID_INDICATOR_SCRL, "SCRL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        CString strText;
        EXPECT_TRUE(strText.LoadString(c.nID));
        EXPECT_EQ(strText.ToUtf8(), c.text);
        EXPECT_EQ(ResourceString(c.nID).ToUtf8(), c.text);
    }
    EXPECT_TRUE(ResourceString(0xFFFF).IsEmpty());
}

TEST(ShellStrings, MessageBoxByIdShowsTheText)
{
    CMessageBoxRecorder boxes;
    AfxMessageBox(IDS_WRONG_FILE_TYPE, MB_ICONINFORMATION);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text.ToUtf8(), "%s Can't load this type of file %s");
}

TEST(ShellStrings, MenuCaptionsSetTheAcceleratorOffByATab)
{
    EXPECT_EQ(ShellMenuCaption(ID_PLC_UPLOAD).ToUtf8(), "Device->PC\tCtrl+U");
    EXPECT_EQ(ShellMenuCaption(ID_PLC_DOWNLOAD).ToUtf8(), "PC->Device\tCtrl+D");
    EXPECT_EQ(ShellMenuCaption(ID_PLC_CLOCK).ToUtf8(), "Clock Setting/Calibration");
}

TEST(ShellMenus, DiagramMenuShowsTheKeysOfItsTools)
{
    RegisterShellResources();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_FBDTYPE));
    const struct {
        UINT nID;
        const char* text;
    } cases[] = {{ID_TOOLS_SIMULATION, "&Simulation\tF3"},
                 {ID_CONNECT, "Connect\tF5"},
                 {ID_INSERT_COMMENTS, "Insert Comments\tF9"}};
    for (const auto& c : cases) {
        CString strText;
        menu.GetMenuString(c.nID, strText, MF_BYCOMMAND);
        EXPECT_EQ(strText.ToUtf8(), c.text);
    }
}

} // namespace
