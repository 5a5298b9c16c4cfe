// The resizable dialogs' window-position store: a named dialog leaves its place in the profile
// when it goes and comes back there, a store cut short is not read, an application without a
// settings key stores nothing, and a dialog in a bar does not take back a hidden state.
#include "controls/ResizableDialog.h"

#include "BarFixture.h"
#include "platform/ui/DialogTemplate.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTemplate = 4571;
constexpr LPCTSTR kSection = _T("WindowPositions\\ID=0x000011db");

class WindowPositionStoreTest : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        DialogTemplate t;
        t.nID = kTemplate;
        t.dwStyle = WS_CHILD | DS_SETFONT;
        t.size = CSize(100, 40);
        AfxRegisterDialogTemplate(t);
        m_pApp->m_pszRegistryKey = _T("Qarvo");
    }

    // A modeless child dialog of the frame from the template; the caller destroys it.
    std::unique_ptr<cdxCDynamicChildDlg> Open()
    {
        auto pDlg = std::make_unique<cdxCDynamicChildDlg>(kTemplate, m_pFrame);
        EXPECT_TRUE(pDlg->Create(kTemplate, m_pFrame));
        return pDlg;
    }
    static CRect PlaceOf(const CWnd& wnd)
    {
        CRect rc = WindowRectOf(wnd);
        wnd.GetParent()->ScreenToClient(rc);
        return rc;
    }
};

TEST_F(WindowPositionStoreTest, ANamedDialogComesBackWhereItWas)
{
    auto pDlg = Open();
    EXPECT_EQ(pDlg->PositionSection(), kSection);
    pDlg->MoveWindow(CRect(30, 40, 230, 140));
    pDlg->ShowWindow(SW_SHOW);
    pDlg->DestroyWindow();
    EXPECT_EQ(int(m_pApp->GetProfileInt(kSection, _T("(valid)"), 0)), 1);
    EXPECT_EQ(int(m_pApp->GetProfileInt(kSection, _T("Right"), 0)), 230);
    EXPECT_EQ(int(m_pApp->GetProfileInt(kSection, _T("State"), 9)), -1);

    auto pAgain = Open();
    EXPECT_EQ(PlaceOf(*pAgain), CRect(30, 40, 230, 140));
    pAgain->DestroyWindow();
}

TEST_F(WindowPositionStoreTest, WithoutACompleteStoreTheDialogIsCentredAndGrown)
{
    // Reversed edges of a store cut short before its last "(valid)" are never read.
    m_pApp->WriteProfileInt(kSection, _T("(valid)"), 0);
    m_pApp->WriteProfileInt(kSection, _T("Left"), 500);
    auto pDlg = Open();
    const CRect rcFrame = FrameClient();
    const CRect rc = PlaceOf(*pDlg);
    // 100 x 40 dialog units at 6 x 13 base units: 150 x 65 pixels, grown by 10 %.
    EXPECT_EQ(rc.Size(), CSize(165, 71));
    EXPECT_LE(std::abs(rc.CenterPoint().x - rcFrame.CenterPoint().x), 1);
    EXPECT_LE(std::abs(rc.CenterPoint().y - rcFrame.CenterPoint().y), 1);
    pDlg->DestroyWindow();
}

TEST_F(WindowPositionStoreTest, ADamagedPlaceIsKeptInsideTheParent)
{
    m_pApp->WriteProfileInt(kSection, _T("(valid)"), 1);
    m_pApp->WriteProfileInt(kSection, _T("Left"), -2000000000);
    m_pApp->WriteProfileInt(kSection, _T("Right"), -1999999800);
    m_pApp->WriteProfileInt(kSection, _T("Top"), 2147483000);
    m_pApp->WriteProfileInt(kSection, _T("Bottom"), 2147483600);
    auto pDlg = Open();
    const CRect rcFrame = FrameClient();
    const CRect rc = PlaceOf(*pDlg);
    EXPECT_EQ(rc.Width(), 200);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.bottom, rcFrame.bottom);
    pDlg->DestroyWindow();
}

TEST_F(WindowPositionStoreTest, NoSettingsKeyMeansNothingStored)
{
    m_pApp->m_pszRegistryKey.Empty();
    auto pDlg = Open();
    pDlg->DestroyWindow();
    EXPECT_EQ(int(m_pApp->GetProfileInt(kSection, _T("(valid)"), 7)), 7);
}

TEST_F(WindowPositionStoreTest, AChildDialogStoredHiddenStillShowsWithItsParent)
{
    auto pDlg = Open();
    pDlg->ShowWindow(SW_HIDE);
    pDlg->DestroyWindow();
    EXPECT_EQ(int(m_pApp->GetProfileInt(kSection, _T("Visibility"), 9)), 0);
    auto pAgain = Open();
    pAgain->ShowWindow(SW_SHOW);
    pAgain->RestoreWindowPosition(kSection, cdxCDynamicDialog::rflgAll);
    EXPECT_TRUE(pAgain->GetStyle() & WS_VISIBLE);
    pAgain->DestroyWindow();
}

}  // namespace
