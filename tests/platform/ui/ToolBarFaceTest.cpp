// What a toolbar button shows when its resource has no image strip: the layer's pictograms of
// the standard commands, each inside its cell and each different, greyed when disabled; and for
// other commands their caption in the frame's menus, which sizes the button and follows the menus
// as they change.
#include "platform/ui/FrameworkFixture.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/ToolBarGlyphs.h"

#include <set>

namespace {

std::string DrawGlyph(UINT nID, CPoint ptOrigin, bool bEnabled, RecordingSurface& surface)
{
    CDC dc;
    dc.AttachSurface(&surface);
    DrawStockToolGlyph(dc, nID, ptOrigin, bEnabled);
    dc.AttachSurface(nullptr);
    return surface.Dump();
}

bool IsGrey(COLORREF cr) { return GetRValue(cr) == GetGValue(cr) && GetGValue(cr) == GetBValue(cr); }

class ToolBarFaceTest : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        StartApp();
        AfxRegisterToolBarResource(IDR_TEST_MAIN,
                                   {16, 15, {ID_FILE_NEW, 0, ID_TEST_VIEW, ID_TEST_UNHANDLED, ID_TEST_MAIN}, nullptr});
        m_pToolBar = new CToolBar;
        m_pToolBar->m_bAutoDelete = TRUE;
        ASSERT_TRUE(m_pToolBar->CreateEx(MainFrame()));
        MainFrame()->DockControlBar(m_pToolBar, AFX_IDW_DOCKBAR_TOP);
        ASSERT_TRUE(m_pToolBar->LoadToolBar(IDR_TEST_MAIN));
    }

    int Width(int nIndex) const
    {
        CRect rect;
        m_pToolBar->GetItemRect(nIndex, rect);
        return rect.Width();
    }

    CToolBar* m_pToolBar = nullptr;
};

}  // namespace

TEST(ToolBarGlyphTest, EveryStockGlyphStaysInItsCellAndLooksDifferent)
{
    const UINT ids[] = {ID_FILE_NEW,  ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT,   ID_EDIT_COPY,
                        ID_EDIT_PASTE, ID_EDIT_UNDO, ID_EDIT_REDO, ID_FILE_PRINT, ID_APP_ABOUT};
    const CPoint ptOrigin(100, 50);
    const CRect rectCell(ptOrigin, CSize(kToolGlyphWidth + 1, kToolGlyphHeight + 1));
    std::set<std::string> looks;
    for (UINT nID : ids) {
        SCOPED_TRACE(nID);
        EXPECT_TRUE(HasStockToolGlyph(nID));
        RecordingSurface surface;
        looks.insert(DrawGlyph(nID, ptOrigin, true, surface));
        ASSERT_FALSE(surface.Records().empty());
        for (const RecordingSurface::Record& record : surface.Records()) {
            for (const POINT& point : record.points)
                EXPECT_TRUE(rectCell.PtInRect(point)) << record.ToString();
            if (record.kind == RecordingSurface::Kind::Ellipse) {
                CRect rectShape(record.rect);
                EXPECT_TRUE(rectCell.PtInRect(rectShape.TopLeft()) &&
                            rectCell.PtInRect(rectShape.BottomRight()));
            }
        }
        // Disabled, the same shapes in greys only.
        RecordingSurface greyed;
        DrawGlyph(nID, ptOrigin, false, greyed);
        ASSERT_EQ(greyed.Records().size(), surface.Records().size());
        for (const RecordingSurface::Record& record : greyed.Records()) {
            EXPECT_TRUE(IsGrey(record.state.pen.crColour)) << record.ToString();
            EXPECT_TRUE(IsGrey(record.state.brush.crColour)) << record.ToString();
        }
    }
    EXPECT_EQ(looks.size(), std::size(ids));

    RecordingSurface none;
    EXPECT_FALSE(HasStockToolGlyph(ID_TEST_VIEW));
    DrawGlyph(ID_TEST_VIEW, ptOrigin, true, none);
    EXPECT_TRUE(none.Records().empty());
}

TEST_F(ToolBarFaceTest, ButtonsWithoutPicturesShowTheirMenuCaption)
{
    const int nPlain = 16 + 7;
    EXPECT_EQ(Width(0), nPlain);   // the pictogram of File New
    EXPECT_TRUE(m_pToolBar->GetButton(0).strLabel.IsEmpty());
    // No document yet: these commands are only in the document menu, which is not loaded;
    // their buttons still carry its captions rather than empty faces.
    EXPECT_EQ(m_pToolBar->GetButton(2).strLabel, _T("View"));
    EXPECT_EQ(m_pToolBar->GetButton(3).strLabel, _T("Nobody"));
    EXPECT_EQ(m_pToolBar->GetButton(4).strLabel, _T("Main"));

    Command(ID_FILE_NEW);
    m_pApp->OnIdle(0);
    EXPECT_EQ(m_pToolBar->GetButton(2).strLabel, _T("View"));
    EXPECT_EQ(m_pToolBar->GetButton(3).strLabel, _T("Nobody"));
    EXPECT_EQ(m_pToolBar->GetButton(4).strLabel, _T("Main"));   // from a nested popup
    EXPECT_GT(m_pToolBar->GetButton(2).cxLabel, 0);
    EXPECT_EQ(Width(2), m_pToolBar->GetButton(2).cxLabel + 7);

    // A caption changed in the menu reaches the button at idle; closing the document keeps it.
    MainFrame()->GetMenu()->ModifyMenu(ID_TEST_VIEW, MF_BYCOMMAND | MF_STRING, ID_TEST_VIEW, _T("&Look...\tF5"));
    m_pApp->OnIdle(0);
    EXPECT_EQ(m_pToolBar->GetButton(2).strLabel, _T("Look"));
    m_pApp->CloseAllDocuments(FALSE);
    m_pApp->OnIdle(0);
    EXPECT_EQ(m_pToolBar->GetButton(2).strLabel, _T("Look"));
}
