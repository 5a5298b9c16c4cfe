// The mask and the max/min, shift and word pages: the mask as hexadecimal digits typed,
// pasted and refused, NOT MASK without a mask, references that replace the parameter, the
// per-type ranges and clamps, the zero base of Modulo, and the words each type writes back.
#include "PageFixture.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "pages/blocks/Mask.h"
#include "pages/blocks/MaxMin.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/controls/BitMaskDlg.h"
#include "pages/controls/HexTextEdit.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/SpinButtonCtrl.h"


namespace {

TEST(HexDigits, EitherCaseIsReadAndAnythingElseRefused)
{
    struct Case {
        LPCTSTR lpszText;
        int nDigits;
        bool bRead;
        int nValue;
    };
    const Case cases[] = {
        {_T("00A5"), 4, true, 0xA5}, {_T("00a5"), 4, true, 0xA5}, {_T(""), 4, true, 0},
        {_T("FFFF"), 4, true, 0xFFFF}, {_T("0d"), 2, true, 13},    {_T("d"), 2, true, 13},
        {_T("G1"), 2, false, 0},      {_T("1 2"), 4, false, 0},   {_T("12345"), 4, false, 0},
        {_T("-1"), 4, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        int nValue = -7;
        EXPECT_EQ(ParseHexDigits(c.lpszText, c.nDigits, nValue), c.bRead);
        EXPECT_EQ(nValue, c.bRead ? c.nValue : -7) << "a refused text leaves the value";
    }
}

class WordPages : public PageFixture {
protected:
    // A block that may serve as a reference.
    CBlockObj* ReferenceSource() { return Block(BT_COUNTER, 60, 60); }
};

TEST_F(WordPages, TheMaskShowsAsFourDigitsAndTypedLettersBecomeCapitals)
{
    CBlockObj* pMask = Block(BT_ANDM);
    pMask->m_nParam[WORDOP_OPERAND_PARAM] = 0xA5;
    EditShown(pMask, [&](CPropertyPage& page) {
        EXPECT_EQ(Text(page, IDC_PARAM_VALUE), CString(_T("00A5")));
        auto* pEdit = static_cast<CEdit*>(page.GetDlgItem(IDC_PARAM_VALUE));
        pEdit->SetSel(0, -1);
        EXPECT_EQ(Type(page, IDC_PARAM_VALUE, u"1x*b2c"), CString(_T("1B2C"))) << "only hexadecimal digits are typed";
    }, IDOK);
    EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], 0x1B2C);
    EXPECT_EQ(pMask->m_strParamText, CString(_T("1B2C")));
}

TEST_F(WordPages, SettingSetsTheMaskBitByBit)
{
    CBlockObj* pMask = Block(BT_NANDM);
    pMask->m_nParam[WORDOP_OPERAND_PARAM] = 0xA5;
    CDialog::SetDialogHook([](CDialog& dlg) {
        if (auto* pSheet = dynamic_cast<CPropertySheet*>(&dlg)) {
            CPropertyPage& page = *pSheet->GetActivePage();
            Click(page, IDC_SETTING_BUTTON);
            EXPECT_EQ(Text(page, IDC_PARAM_VALUE), CString(_T("80A4")));
        } else {
            EXPECT_TRUE(dlg.IsDlgButtonChecked(IDC_BIT_FIRST));
            dlg.CheckDlgButton(IDC_BIT_FIRST, 0);
            dlg.CheckDlgButton(IDC_BIT_FIRST + 15, 1);
        }
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Properties(pMask);
    EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], 0x80A4);
}

TEST_F(WordPages, PastedMaskTextIsReadInEitherCaseOrRefusedAtOk)
{
    struct Case {
        LPCTSTR lpszPasted;
        bool bAccepted;
        int nMask;
    };
    const Case cases[] = {{_T("a5"), true, 0xA5}, {_T(""), true, 0}, {_T("1d"), true, 0x1D}, {_T("1G"), false, 0x77}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        CBlockObj* pMask = Block(BT_XORM);
        pMask->m_nParam[WORDOP_OPERAND_PARAM] = 0x77;
        m_boxes.Clear();
        EditOk(pMask, [&](CPropertyPage& page) { SetText(page, IDC_PARAM_VALUE, c.lpszPasted); });
        EXPECT_EQ(pMask->m_nParam[WORDOP_OPERAND_PARAM], c.nMask);
        EXPECT_EQ(m_boxes.Boxes().size(), c.bAccepted ? 0u : 1u);
    }
}

TEST_F(WordPages, NotMaskHidesTheMaskGroupAndKeepsItsWord)
{
    CBlockObj* pNot = Block(BT_NOTM);
    pNot->m_nParam[WORDOP_OPERAND_PARAM] = 0x1234;
    ReferenceSource();
    EditShown(pNot, [&](CPropertyPage& page) {
        for (int nID : {IDC_PARAM_GROUP, IDC_PARAM_VALUE, IDC_SETTING_BUTTON, IDC_HEX_LABEL, IDC_REFERENCE_BUTTON})
            EXPECT_FALSE(Shown(page, nID)) << nID;
        EXPECT_TRUE(Shown(page, IDC_PROTECT_ACTIVE));
        page.CheckDlgButton(IDC_PROTECT_ACTIVE, 1);
    }, IDOK);
    EXPECT_EQ(pNot->m_nParam[WORDOP_OPERAND_PARAM], 0x1234);
    EXPECT_EQ(pNot->m_nParam[BLOCK_PROTECTION_PARAM], 1);
}

TEST_F(WordPages, AReferenceReplacesTheParameterAndSwitchingItOffClearsIt)
{
    // Per type: the value stored with a reference chosen.
    const std::pair<int, int> cases[] = {{BT_ANDM, 0}, {BT_SHL, 1}, {BT_RAND, 1}, {BT_MOD, 10}, {BT_REM, 10},
                                         {BT_MAXMIN, 0}};
    CBlockObj* pSource = ReferenceSource();
    for (const auto& [nType, nStored] : cases) {
        SCOPED_TRACE(nType);
        CBlockObj* pBlock = Block(nType);
        pBlock->m_nParam[WORDOP_OPERAND_PARAM] = 3;
        EditShown(pBlock, [&](CPropertyPage& page) {
            ASSERT_TRUE(page.GetDlgItem(IDC_REFERENCE_BUTTON)->IsWindowEnabled());
            EXPECT_FALSE(Shown(page, int(IDC_REFERENCE_LIST)));
            Click(page, IDC_REFERENCE_BUTTON);
            EXPECT_TRUE(Shown(page, int(IDC_REFERENCE_LIST)));
            EXPECT_FALSE(Shown(page, IDC_PARAM_VALUE));
        }, IDOK);
        EXPECT_EQ(pBlock->m_pRefBlock[0], pSource);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM], 1);
        EXPECT_EQ(pBlock->m_nParam[WORDOP_OPERAND_PARAM], nStored);
        LPCTSTR pszValue = nType == BT_ANDM ? _T("0003") : _T("3");
        EditShown(pBlock, [&](CPropertyPage& page) {
            EXPECT_TRUE(Shown(page, int(IDC_REFERENCE_LIST))) << "the page opens on its reference";
            Click(page, IDC_REFERENCE_BUTTON);
            EXPECT_TRUE(Shown(page, IDC_PARAM_VALUE));
            SetText(page, IDC_PARAM_VALUE, pszValue);
        }, IDOK);
        EXPECT_EQ(pBlock->m_pRefBlock[0], nullptr);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM], 0);
        EXPECT_EQ(pBlock->m_nParam[WORDOP_OPERAND_PARAM], 3);
    }
}

TEST_F(WordPages, ApplyOfAMaskClearsItsSpareWordButOkKeepsIt)
{
    CBlockObj* pMask = Block(BT_ANDM);
    pMask->m_nParamEx[MASK_SPARE_PARAMEX] = 1;
    EditModal(pMask, [](CPropertySheet&) {}, IDOK);
    EXPECT_EQ(pMask->m_nParamEx[MASK_SPARE_PARAMEX], 1);
    Press(*RunningSheet(pMask), ID_APPLY_NOW);
    EXPECT_EQ(pMask->m_nParamEx[MASK_SPARE_PARAMEX], 0);
}

TEST_F(WordPages, ReferenceIsOffWithoutABlockToReferTo)
{
    for (int nType : {BT_ORM, BT_ROL}) {
        Command(ID_FILE_NEW);
        CBlockObj* pBlock = Block(nType);
        EditModal(pBlock, [&](CPropertySheet& sheet) {
            EXPECT_FALSE(sheet.GetActivePage()->GetDlgItem(IDC_REFERENCE_BUTTON)->IsWindowEnabled()) << nType;
        }, IDCANCEL);
    }
}

TEST_F(WordPages, TypedValuesAreClampedToTheRangeOfTheType)
{
    struct Case {
        int nType;
        std::u16string keys;
        LPCTSTR lpszShown;
    };
    const Case cases[] = {
        {BT_SHL, u"20", _T("15")}, {BT_ROR, u"0", _T("1")},        {BT_MAXMIN, u"7", _T("3")},
        {BT_WORD2BIT, u"0", _T("0")}, {BT_RAND, u"0", _T("1")},    {BT_MOD, u"-40000", _T("-32767")},
        {BT_REM, u"-5", _T("-5")},  {BT_RAND, u"-5", _T("5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        CBlockObj* pBlock = Block(c.nType);
        EditShown(pBlock, [&](CPropertyPage& page) {
            SetText(page, IDC_PARAM_VALUE, _T(""));
            EXPECT_EQ(Type(page, IDC_PARAM_VALUE, c.keys), CString(c.lpszShown));
        }, IDCANCEL);
    }
}

TEST_F(WordPages, TheSpinStepsWithinTheRangeAndTheHintNamesIt)
{
    struct Case {
        int nType;
        int nValue;
        int nSteps;
        int nStored;
        LPCTSTR lpszHint;
    };
    const Case cases[] = {
        {BT_SHL, 13, 5, 15, _T("Number between 1 and 15")},
        {BT_MAXMIN, 2, -4, 0, _T("Number between 0 and 3")},
        {BT_MOD, 7, 1, 8, _T("Number between -32767 and 32767 and <> 0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        CBlockObj* pBlock = Block(c.nType);
        pBlock->m_nParam[WORDOP_OPERAND_PARAM] = c.nValue;
        EditModal(pBlock, [&](CPropertySheet& sheet) {
            auto& page = static_cast<CMaxMin&>(*sheet.GetActivePage());
            static_cast<CSpinButtonCtrl*>(page.GetDlgItem(IDC_PARAM_SPIN))->UserStep(c.nSteps);
            EXPECT_EQ(page.m_tooltip.GetText(IDC_PARAM_VALUE), CString(c.lpszHint));
        }, IDOK);
        EXPECT_EQ(pBlock->m_nParam[WORDOP_OPERAND_PARAM], c.nStored);
    }
}

TEST_F(WordPages, ModuloRefusesABaseOfZeroAndRemainderTakesIt)
{
    for (int nType : {BT_MOD, BT_REM}) {
        CBlockObj* pBlock = Block(nType);
        pBlock->m_nParam[WORDOP_OPERAND_PARAM] = 7;
        m_boxes.Clear();
        EditOk(pBlock, [](CPropertyPage& page) { SetText(page, IDC_PARAM_VALUE, _T("0")); });
        if (nType == BT_MOD) {
            ASSERT_EQ(m_boxes.Boxes().size(), 1u);
            EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Base number cannot be zero!")));
            EXPECT_EQ(pBlock->m_nParam[WORDOP_OPERAND_PARAM], 7);
        } else {
            EXPECT_TRUE(m_boxes.Boxes().empty());
            EXPECT_EQ(pBlock->m_nParam[WORDOP_OPERAND_PARAM], 0);
        }
    }
}

TEST_F(WordPages, EachTypeShowsItsControlsAndWritesItsWords)
{
    struct Case {
        int nType;
        LPCTSTR lpszGroup;
        bool bMaxMinControls;
    };
    const Case cases[] = {{BT_MAXMIN, _T("Mode"), true},
                          {BT_ROL, _T("Number of bit(s) of Rotation"), false},
                          {BT_SHR, _T("Number of bit(s) of Shift"), false},
                          {BT_WORD2BIT, _T("Bit Position:"), false},
                          {BT_RAND, _T("Base"), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        CBlockObj* pBlock = Block(c.nType);
        pBlock->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
        pBlock->m_nParamEx[MAXMIN_RESET_PARAMEX] = 1;
        EditShown(pBlock, [&](CPropertyPage& page) {
            EXPECT_EQ(Text(page, IDC_PARAM_GROUP), CString(c.lpszGroup));
            for (int nID : {IDC_MODE_TEXT_FIRST, IDC_MODE_TEXT_FIRST + 3, IDC_RESET_ON_DISABLE, IDC_RETENTIVE})
                EXPECT_EQ(Shown(page, nID), c.bMaxMinControls) << nID;
            page.CheckDlgButton(IDC_PROTECT_ACTIVE, 1);
            page.CheckDlgButton(IDC_RETENTIVE, 0);
            page.CheckDlgButton(IDC_RESET_ON_DISABLE, 0);
        }, IDOK);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_PROTECTION_PARAM], 1);
        // The random generator has no such checks: its words stay; the others write theirs.
        EXPECT_EQ(pBlock->m_nParam[BLOCK_RETENTIVE_PARAM], c.nType == BT_RAND ? 1 : 0);
        EXPECT_EQ(pBlock->m_nParamEx[MAXMIN_RESET_PARAMEX], c.nType == BT_RAND ? 1 : 0);
    }
}

TEST_F(WordPages, ApplyReplacesAReferencedValueAndWordToBitHasNoValueBox)
{
    CBlockObj* pSource = ReferenceSource();
    CBlockObj* pMod = Block(BT_MOD, 200, 200);
    CBlockObj* pWord = Block(BT_WORD2BIT, 200, 300);
    CBlockObj* pRand = Block(BT_RAND, 200, 400);
    pRand->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
    CAllPropertySheet* pWordSheet = RunningSheet(pWord);
    ASSERT_NE(pWordSheet, nullptr);
    EXPECT_FALSE(pWordSheet->m_pMainPage->HasCurrentValueBox());
    CAllPropertySheet* pSheet = OpenSheet(pMod);
    ASSERT_NE(pSheet, nullptr);
    EXPECT_TRUE(pSheet->m_pMainPage->HasCurrentValueBox());
    Click(*pSheet->m_pMainPage, IDC_REFERENCE_BUTTON);
    Press(*pSheet, ID_APPLY_NOW);
    EXPECT_EQ(pMod->m_pRefBlock[0], pSource);
    EXPECT_EQ(pMod->m_nParam[WORDOP_OPERAND_PARAM], 10);
    CAllPropertySheet* pRandSheet = OpenSheet(pRand);
    ASSERT_NE(pRandSheet, nullptr);
    Press(*pRandSheet, ID_APPLY_NOW);
    EXPECT_EQ(pRand->m_nParam[BLOCK_RETENTIVE_PARAM], 1) << "Apply leaves what the page does not show";
}

}  // namespace
