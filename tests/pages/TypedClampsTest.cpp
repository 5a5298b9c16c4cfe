// Numbers typed key by key into the analog pages' boxes that hold their value to its bounds:
// once the page has put the bound in, further digits cannot make another number of it.
#include "SheetFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/AnalogPageIds.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "support/QtTestInput.h"

#include <QLineEdit>

#include <string>

namespace {

class TypedClamps : public SheetFixture {
protected:
    void SetUp() override
    {
        if (!RunningApp::OnQt())
            GTEST_SKIP() << "keys through the Qt widgets";
        InitQtControls();
        SheetFixture::SetUp();
    }
    void TearDown() override
    {
        SheetFixture::TearDown();
        AfxSetControlViewFactory(nullptr);
    }
};

TEST_F(TypedClamps, DigitsAfterTheBoundLeaveTheBound)
{
    const struct {
        int nType;
        int nID;
        int CBlockAnalog::*pField;
        const char* typed;
        const char* shown;
        int nStored;
    } cases[] = {
        {BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", "-20000", -20000},
        {BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", "20000", 20000},
        {BT_AAMP, IDC_OFFSET, &CBlockAnalog::m_nOffset, "-99999999999", "-10000", -10000},
        {BT_AAMP, IDC_OFFSET, &CBlockAnalog::m_nOffset, "300000", "10000", 10000},
        {BT_PI, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", "-10000", -10000},
        {BT_PI, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", "20000", 20000},
        {BT_PWM, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", "-20000", -20000},
        {BT_PWM, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", "20000", 20000},
    };
    for (const auto& c : cases) {
        auto* pBlock = static_cast<CBlockAnalog*>(Block(c.nType));
        CString strShown;
        EditModal(pBlock, [&](CPropertySheet& sheet) {
            CWnd* pBox = sheet.GetActivePage()->GetDlgItem(c.nID);
            ASSERT_NE(pBox, nullptr);
            auto* pLine = QtWidgetOf(*pBox)->findChild<QLineEdit*>();
            ASSERT_NE(pLine, nullptr);
            QtClick(pLine);
            kQtSelectAll.TypeInto(pLine);
            QtTypeText(pLine, c.typed);
            pBox->GetWindowText(strShown);
        }, IDOK);
        EXPECT_EQ(strShown.ToUtf8(), c.shown) << c.nType << " " << c.typed;
        EXPECT_EQ(pBlock->*c.pField, c.nStored) << c.nType << " " << c.typed;
    }
}

}  // namespace
