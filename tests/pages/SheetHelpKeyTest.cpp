#include "SheetFixture.h"

#include "blocks/BlockTypes.h"
#include "pages/sheet/PageTexts.h"

namespace {

class SheetHelpKey : public SheetFixture {
protected:
    // F1 pressed while the next modal sheet shows; whether the sheet took the key.
    BOOL PressF1In(CBlockObj* pBlock)
    {
        BOOL bTaken = FALSE;
        EditModal(pBlock, [&](CPropertySheet& sheet) {
            MSG msg{};
            msg.message = WM_KEYDOWN;
            msg.wParam = VK_F1;
            bTaken = sheet.PreTranslateMessage(&msg);
        }, IDCANCEL);
        return bTaken;
    }
};

TEST_F(SheetHelpKey, F1OpensTheTopicOfTheSheetsTypeOnlyWhileThereIsHelp)
{
    std::vector<UINT> topics;
    SetPageHelpHandler([&](UINT nTopic) { topics.push_back(nTopic); });
    EXPECT_TRUE(PressF1In(Block(BT_NAND)));
    EXPECT_TRUE(PressF1In(Block(BT_IN)));
    EXPECT_EQ(topics, (std::vector<UINT>{1066, 1052}));
    SetPageHelpHandler(nullptr);
    EXPECT_FALSE(PressF1In(Block(BT_NAND)));
    EXPECT_EQ(topics.size(), 2u);
}

TEST_F(SheetHelpKey, TheProgramsHelpNamesAMissingHelpFolder)
{
    // The program installs its help at start; beside this test program there is none.
    ASSERT_TRUE(HasPageHelp());
    m_app->m_strAppFolder = m_app.Path("");
    EXPECT_TRUE(PressF1In(Block(BT_AND)));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, _T("Can't Find ") + m_app->m_strAppFolder + _T("QARVOEDITOR.CHM, Please Check!"));
}

} // namespace
