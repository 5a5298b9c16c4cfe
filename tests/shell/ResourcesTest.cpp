// The shell's texts live in the program's string table: LoadString and AfxMessageBox(UINT) find
// them by id, and the menu captions of the device commands are built from them.
#include "shell/Resource.h"

#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/FrameIds.h"

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
        {ID_INDICATOR_ZOOM, "   Zoom:100%   "},
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

} // namespace
