// The quadratic-equation, math-error and stopwatch/math-function pages through Block
// Properties: what OK and Apply store, the refused entries, and the rows each type shows.
#include "FunctionPageFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/MathErrPage.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <cstdlib>

namespace {

class MathPages : public FunctionPageFixture {};

TEST_F(MathPages, QuadraticCoefficientARefusesZeroOnlyWhenSaving)
{
    CBlockObj* pQuad = Block(BT_QUAD);
    struct Case {
        LPCTSTR lpszA;
        BOOL bClosed;
        int nStoredA;
    };
    const Case cases[] = {{_T("0"), FALSE, 1}, {_T("-32768"), FALSE, 1}, {_T("32768"), FALSE, 1},
                          {_T("-32767"), TRUE, -32767}, {_T("5"), TRUE, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpszA).ToUtf8());
        pQuad->m_nParam[QUAD_A_PARAM] = 1;
        m_boxes.Clear();
        EXPECT_EQ(RunOK(pQuad, [&](CWnd& page) { SetText(page, IDC_QUAD_A, c.lpszA); }), c.bClosed);
        EXPECT_EQ(pQuad->m_nParam[QUAD_A_PARAM], c.nStoredA);
        EXPECT_EQ(m_boxes.Boxes().size(), c.bClosed ? 0u : 1u);
    }
    // The zero's own prompt.
    m_boxes.Clear();
    RunOK(pQuad, [&](CWnd& page) { SetText(page, IDC_QUAD_A, _T("0")); });
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Please enter a integer except 0")));
    // A stored 0 (from a file) opens without a prompt, and a valid A closes the sheet.
    pQuad->m_nParam[QUAD_A_PARAM] = 0;
    m_boxes.Clear();
    CString strShown;
    EXPECT_TRUE(RunOK(pQuad, [&](CWnd& page) {
        strShown = Text(page, IDC_QUAD_A);
        SetText(page, IDC_QUAD_A, _T("2"));
    }));
    EXPECT_EQ(strShown, CString(_T("0")));
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(MathPages, QuadraticOkStoresEveryFieldAndHoldsTheAmplification)
{
    CBlockObj* pQuad = Block(BT_QUAD);
    CString strAmplification;
    EXPECT_TRUE(RunOK(pQuad, [&](CWnd& page) {
        SetText(page, IDC_QUAD_B, _T("-7"));
        SetText(page, IDC_QUAD_C, _T("300"));
        Combo(page, IDC_SELECTOR).UserSelect(1);
        Type(page, IDC_AMPLIFICATION, _T("12345.6"));
        strAmplification = Text(page, IDC_AMPLIFICATION);
        Click(page, IDC_PAGE_PROTECTION);
    }));
    EXPECT_EQ(strAmplification, CString(_T("10000")));
    EXPECT_EQ(pQuad->m_nParamEx[QUAD_B_PARAMEX], -7);
    EXPECT_EQ(pQuad->m_nParamEx[QUAD_C_PARAMEX], 300);
    EXPECT_EQ(pQuad->m_nParam[QUAD_ROOT_PARAM], 1);
    EXPECT_EQ(pQuad->m_dParam, 10000.0);
    EXPECT_EQ(pQuad->m_nParam[BLOCK_PROTECTION_PARAM], 1);
}

TEST_F(MathPages, TheAmplificationSpinStepsByHundredthsWithinItsLimits)
{
    struct Case {
        int nType;
        LPCTSTR lpszStart;
        int nSteps;
        LPCTSTR lpszEnd;
    };
    const Case cases[] = {{BT_QUAD, _T("1.00"), 1, _T("1.01")},
                          {BT_SQRT, _T("1.00"), 3, _T("1.03")},
                          {BT_LOG, _T("-0.01"), 2, _T("0.01")},
                          {BT_QUAD, _T("9999.99"), 2, _T("10000.00")},
                          {BT_SIN, _T("-10000"), -1, _T("-10000.00")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        CString strShown;
        RunOK(Block(c.nType), [&](CWnd& page) {
            SetText(page, IDC_AMPLIFICATION, c.lpszStart);
            auto* pSpin = static_cast<CSpinButtonCtrl*>(page.GetDlgItem(IDC_AMPLIFICATION_SPIN));
            for (int i = 0; i < std::abs(c.nSteps); ++i)
                pSpin->UserStep(c.nSteps > 0 ? 1 : -1);
            strShown = Text(page, IDC_AMPLIFICATION);
        });
        EXPECT_EQ(strShown, CString(c.lpszEnd));
    }
}

TEST_F(MathPages, MathErrorListsTheMathBlocksAndStoresTheChosenOne)
{
    CBlockObj* pErr = Block(BT_MATHERR);
    std::vector<CString> items;
    EXPECT_TRUE(RunOK(pErr, [&](CWnd& page) { items = ComboLines(Combo(page, IDC_MATHERR_BLOCKS)); }));
    EXPECT_EQ(items, std::vector<CString>{MATHERR_NO_BLOCK});
    EXPECT_EQ(pErr->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pErr->m_nParam[BLOCK_REF_USED_PARAM], 0);

    CBlockObj* pMath = Block(BT_AMATH, 300, 200);
    Block(BT_COUNTER, 400, 200);
    EXPECT_TRUE(RunOK(pErr, [&](CWnd& page) {
        CComboBox& list = Combo(page, IDC_MATHERR_BLOCKS);
        ASSERT_EQ(list.GetCount(), 2) << "only the analog math block is offered";
        list.UserSelect(1);
        Click(page, IDC_MATHERR_ZERO_DIVISION + 2);
        SetText(page, IDC_BLOCK_NAME, _T("Watch"));
    }));
    EXPECT_EQ(pErr->m_pRefBlock[0], pMath);
    EXPECT_EQ(pErr->m_nParam[BLOCK_REF_USED_PARAM], 1);
    EXPECT_EQ(pErr->m_nParam[MATHERR_BLOCK_INDEX_PARAM], 0);
    EXPECT_EQ(pErr->m_nParam[MATHERR_ERROR_PARAM], 2);
    // A ninth character is refused as on every page.
    EXPECT_FALSE(RunOK(pErr, [&](CWnd& page) { SetText(page, IDC_BLOCK_NAME, _T("NineChars")); }));
    EXPECT_EQ(pErr->m_strLabelSuffix, CString(_T("Watch")));
}

TEST_F(MathPages, MathErrorApplyTakesTheFlagFromTheChosenBlock)
{
    CBlockObj* pErr = Block(BT_MATHERR);
    CBlockObj* pMath = Block(BT_AMATH, 300, 200);
    CAllPropertySheet* pSheet = RunningSheet(pErr);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    Combo(page, IDC_MATHERR_BLOCKS).UserSelect(1);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pErr->m_pRefBlock[0], pMath);
    EXPECT_EQ(pErr->m_nParam[BLOCK_REF_USED_PARAM], 1) << "chosen after the opening";
    Combo(page, IDC_MATHERR_BLOCKS).UserSelect(0);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pErr->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pErr->m_nParam[BLOCK_REF_USED_PARAM], 0) << "no flag without a block";
}

TEST_F(MathPages, StopwatchRowsFollowTheType)
{
    struct Case {
        int nType;
        LPCTSTR lpszLabel;   // null: no selector
        BOOL bAmplification;
        BOOL bReference;
        BOOL bRetentivity;
    };
    const Case cases[] = {{BT_SW, _T("Time Base"), FALSE, FALSE, TRUE},
                          {BT_AFILTER, _T("Number of samples"), FALSE, FALSE, FALSE},
                          {BT_LOG, _T("Base"), TRUE, TRUE, FALSE},
                          {BT_FIX, _T("Base"), FALSE, TRUE, FALSE},
                          {BT_SQRT, nullptr, TRUE, FALSE, FALSE},
                          {BT_CSC, nullptr, TRUE, FALSE, FALSE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        RunOK(Block(c.nType), [&](CWnd& page) {
            EXPECT_EQ(Visible(page, IDC_SELECTOR), c.lpszLabel != nullptr);
            if (c.lpszLabel) {
                EXPECT_EQ(Text(page, IDC_SELECTOR_LABEL), CString(c.lpszLabel));
            }
            EXPECT_EQ(Visible(page, IDC_AMPLIFICATION), c.bAmplification);
            EXPECT_EQ(Visible(page, IDC_REFERENCE), c.bReference);
            EXPECT_EQ(Visible(page, IDC_PAGE_RETENTIVITY), c.bRetentivity);
            EXPECT_TRUE(Visible(page, IDC_PAGE_PROTECTION));
        });
    }
}

TEST_F(MathPages, TheFilterStoresTheIndexOfItsSampleCount)
{
    CBlockObj* pFilter = Block(BT_AFILTER);
    std::vector<CString> items;
    EXPECT_TRUE(RunOK(pFilter, [&](CWnd& page) {
        items = ComboLines(Combo(page, IDC_SELECTOR));
        Combo(page, IDC_SELECTOR).UserSelect(3);
        Type(page, IDC_AMPLIFICATION, _T("12000"));
    }));
    EXPECT_EQ(items, (std::vector<CString>{_T("8"), _T("16"), _T("32"), _T("64"), _T("128"), _T("256")}));
    EXPECT_EQ(pFilter->m_nParam[AFILTER_SAMPLES_PARAM], 3);
    // The filter has no factor: a stored one stays as it is.
    pFilter->m_dParam = 123456.75;
    EXPECT_TRUE(RunOK(pFilter, [](CWnd&) {}));
    EXPECT_EQ(pFilter->m_dParam, 123456.75);
}

TEST_F(MathPages, ALogarithmWithAReferenceStoresBaseTenOnOkAndKeepsTheFactorOnApply)
{
    CBlockObj* pLog = Block(BT_LOG);
    CBlockObj* pSource = Block(BT_COUNTER, 300, 200);
    ASSERT_GE(Doc().CountReferenceBlocks(pLog->m_nNumber), 1);
    CString strTyped;
    EXPECT_TRUE(RunOK(pLog, [&](CWnd& page) {
        Combo(page, IDC_SELECTOR).UserSelect(0);
        Type(page, IDC_AMPLIFICATION, _T("12000"));
        strTyped = Text(page, IDC_AMPLIFICATION);
        Click(page, IDC_REFERENCE);
        EXPECT_FALSE(Visible(page, IDC_SELECTOR));
        EXPECT_TRUE(Visible(page, IDC_REFERENCE_COMBO));
    }));
    EXPECT_EQ(strTyped, CString(_T("10000")));
    EXPECT_EQ(pLog->m_nParam[LOG_BASE_PARAM], 2);
    EXPECT_EQ(pLog->m_dParam, 0.0);
    EXPECT_EQ(pLog->m_pRefBlock[0], pSource);
    EXPECT_EQ(pLog->m_nParam[BLOCK_REF_USED_PARAM], 1);

    pLog->m_pRefBlock[0] = nullptr;
    pLog->m_nParam[BLOCK_REF_USED_PARAM] = 0;
    pLog->m_nParam[LOG_BASE_PARAM] = 0;
    CAllPropertySheet* pSheet = RunningSheet(pLog);
    ASSERT_NE(pSheet, nullptr);
    CWnd& page = *pSheet->m_pMainPage;
    SetText(page, IDC_AMPLIFICATION, _T("3.5"));
    Click(page, IDC_REFERENCE);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pLog->m_nParam[LOG_BASE_PARAM], 2);
    EXPECT_EQ(pLog->m_dParam, 3.5);
    EXPECT_EQ(pLog->m_pRefBlock[0], pSource);
    // Off and on again takes the list's block once more.
    Click(page, IDC_REFERENCE);
    Click(page, IDC_REFERENCE);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pLog->m_pRefBlock[0], pSource);
}

TEST_F(MathPages, AStoredIndexBeyondItsListIsKeptByOk)
{
    struct Case {
        int nType;
        int nSlot;
        BOOL bParamEx;
    };
    const Case cases[] = {{BT_SQRT, LOG_BASE_PARAM, FALSE}, {BT_AFILTER, AFILTER_SAMPLES_PARAM, FALSE},
                          {BT_QUAD, QUAD_ROOT_PARAM, FALSE}, {BT_COUNTER, 6, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        CBlockObj* pBlock = Block(c.nType);
        int& nWord = c.bParamEx ? pBlock->m_nParamEx[c.nSlot] : pBlock->m_nParam[c.nSlot];
        nWord = 9;
        EXPECT_TRUE(RunOK(pBlock, [](CWnd&) {}));
        EXPECT_EQ(nWord, 9);
    }
}

}  // namespace
