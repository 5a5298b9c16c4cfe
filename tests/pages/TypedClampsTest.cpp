// Numbers typed key by key into the analog pages' boxes that hold their value to its bounds:
// once the bound is put in, further digits cannot make another number of it.
#include "SheetFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/AnalogPageIds.h"
#include "support/QtTestInput.h"

namespace {

using TypedClamps = SheetFixture;

TEST_F(TypedClamps, DigitsAfterTheBoundLeaveTheBound)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    InitQtControls();
    const struct {
        int nType, nID;
        int CBlockAnalog::*pField;
        const char* typed;
        int nStored;
    } cases[] = {{BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", -20000},
                 {BT_ATHTRG, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", 20000},
                 {BT_AAMP, IDC_OFFSET, &CBlockAnalog::m_nOffset, "-99999999999", -10000},
                 {BT_PI, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "300000", 20000},
                 {BT_PWM, IDC_LIMIT1, &CBlockAnalog::m_nThreshold1, "-99999999999", -20000}};
    for (const auto& c : cases) {
        auto* pBlock = static_cast<CBlockAnalog*>(Block(c.nType));
        EditModal(pBlock, [&](CPropertySheet& sheet) { QtRetype(*sheet.GetActivePage()->GetDlgItem(c.nID), c.typed); },
                  IDOK);
        EXPECT_EQ(pBlock->*c.pField, c.nStored) << c.nType << " " << c.typed;
    }
}

}  // namespace
