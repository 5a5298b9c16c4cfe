#include "pages/blocks/MathErrPage.h"

#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/blocks/PageReferences.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/ReferenceRow.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CMathErr, CBlockPage)

namespace {

constexpr int kErrorKinds = 3;

DialogTemplate MathErrTemplate()
{
    DialogTemplate t = ParameterPage(IDD_MATH_ERROR, CSize(256, 187));
    AddBlockNameRow(t);
    t.items.push_back(PageLabel(_T("Referenced mathematical instruction block"), CRect(10, 32, 200, 42), 1278));
    t.items.push_back(PageCombo(UINT(IDC_MATHERR_BLOCKS), CRect(10, 44, 200, 120)));
    const LPCTSTR kinds[kErrorKinds] = {_T("Zero division"), _T("OverFlow"), _T("Zero division or Overflow")};
    for (int i = 0; i < kErrorKinds; ++i) {
        DialogItemTemplate radio = DialogItem(UINT(IDC_MATHERR_ZERO_DIVISION + i), WC_BUTTON,
                                              BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                              CRect(18, 76 + 12 * i, 190, 86 + 12 * i), kinds[i]);
        t.items.push_back(radio);
    }
    DialogItemTemplate reset = PageCheck(UINT(IDC_MATHERR_AUTO_RESET), _T("Automatically reset"), CRect(10, 120, 120, 132));
    reset.dwStyle |= WS_GROUP;
    t.items.push_back(reset);
    t.items.push_back(PageCheck(UINT(IDC_PAGE_RETENTIVITY), _T("Retentivity"), CRect(10, 136, 120, 148)));
    t.items.push_back(PageCheck(UINT(IDC_PAGE_PROTECTION), _T("Protection Active"), CRect(10, 152, 120, 164)));
    // Frames come after what they hold, which so stays in front of them.
    t.items.push_back(PageGroup(_T("Error to be detected"), CRect(10, 62, 200, 114)));
    return t;
}

struct MathErrValues {
    int nAutoReset;
    int nProtection;
    int nRetentive;
    int nListIndex;
    int nErrorKind;
    int nRefNumber;
};

void WriteMathErr(const MathErrValues& v, CBlockObj& block)
{
    block.m_nParamEx[MATHERR_AUTO_RESET_PARAMEX] = v.nAutoReset;
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
    block.m_nParam[BLOCK_RETENTIVE_PARAM] = v.nRetentive;
    block.m_nParam[MATHERR_ERROR_PARAM] = v.nErrorKind;
    WriteReference(block, 0, v.nRefNumber >= 0, v.nRefNumber);
    // The list index is 0 while a block is watched.
    block.m_nParam[MATHERR_BLOCK_INDEX_PARAM] = block.m_pRefBlock[0] ? 0 : v.nListIndex;
}

}  // namespace

CMathErr::CMathErr(int nType) : CBlockPage(IDD_MATH_ERROR, nType)
{
    RegisterPageTemplateOnce(IDD_MATH_ERROR, MathErrTemplate);
}

void CMathErr::CopyFromBlock(const CBlockObj& block)
{
    m_nMathBlockIndex = block.m_nParam[MATHERR_BLOCK_INDEX_PARAM];
    m_nErrorKind = block.m_nParam[MATHERR_ERROR_PARAM];
    m_bAutoReset = block.m_nParamEx[MATHERR_AUTO_RESET_PARAMEX];
    m_bRetentive = block.m_nParam[BLOCK_RETENTIVE_PARAM];
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nBlockNumber = block.m_nNumber;
    m_nRefNumber = block.m_pRefBlock[0] ? block.m_pRefBlock[0]->m_nNumber : -1;
}

void CMathErr::CopyToBlock(CBlockObj& block) const
{
    WriteMathErr({m_bAutoReset, m_bProtection, m_bRetentive, m_nMathBlockIndex, m_nErrorKind, m_nRefNumber}, block);
}

// The page's OnOK does not run for Apply; the writer derives the flag from the chosen block.
void CMathErr::AddToApplyRecord(SheetApplyRecord& record)
{
    const MathErrValues values{m_bAutoReset, m_bProtection, m_bRetentive, m_nMathBlockIndex, m_nErrorKind, m_nRefNumber};
    record.writers.emplace_back([values](CBlockObj& block) { WriteMathErr(values, block); });
}

BOOL CMathErr::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    FillMathBlocks();
    return TRUE;
}

void CMathErr::FillMathBlocks()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_MATHERR_BLOCKS));
    if (!pList)
        return;
    pList->ResetContent();
    pList->AddString(MATHERR_NO_BLOCK);
    int nSelect = 0;
    if (m_pDocument) {
        for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos));
            if (pBlock->m_nType != BT_AMATH)
                continue;
            CString strCaption;
            g_mapBlockCaption.Lookup(BT_AMATH, strCaption);
            CString strLine;
            strLine.Format(_T("B%d%s"), pBlock->m_nNumber - NUM_FUNCTION_BLOCK, LPCTSTR(strCaption));
            const int nItem = pList->AddString(strLine);
            if (nSelect == 0 && pBlock->m_nNumber == m_nRefNumber)
                nSelect = nItem;
        }
    }
    // A watched block that is no longer a math block of the document is not offered.
    if (nSelect == 0)
        m_nRefNumber = -1;
    pList->SetCurSel(nSelect);
}

void CMathErr::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MATHERR_AUTO_RESET, m_bAutoReset);
    DDX_Check(pDX, IDC_PAGE_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_PAGE_RETENTIVITY, m_bRetentive);
    if (pDX->m_bSaveAndValidate)
        ExchangeChoice(pDX, IDC_MATHERR_BLOCKS, m_nMathBlockIndex);
    DDX_Radio(pDX, IDC_MATHERR_ZERO_DIVISION, m_nErrorKind);
}

void CMathErr::OnOK()
{
    if (m_nRefNumber >= 0)
        m_nMathBlockIndex = 0;
    CBlockPage::OnOK();
}

void CMathErr::OnSelectMathBlock()
{
    const auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_MATHERR_BLOCKS));
    const int nSel = pList->GetCurSel();
    CString strLine;
    if (nSel > 0)
        pList->GetLBText(nSel, strLine);
    m_nRefNumber = nSel > 0 ? CReferenceRow::NumberOfLine(strLine) : -1;
}

BOOL CMathErr::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_MATHERR_BLOCKS && nCode == CBN_SELCHANGE)
        OnSelectMathBlock();
    if (nID >= IDC_MATHERR_ZERO_DIVISION && nID < IDC_MATHERR_ZERO_DIVISION + kErrorKinds && nCode == BN_CLICKED)
        m_nErrorKind = nID - IDC_MATHERR_ZERO_DIVISION;
    const bool bChange = (nCode == CBN_SELCHANGE && nID == IDC_MATHERR_BLOCKS) ||
                         (nCode == BN_CLICKED && (nID == IDC_MATHERR_AUTO_RESET || nID == IDC_PAGE_PROTECTION ||
                                                  nID == IDC_PAGE_RETENTIVITY ||
                                                  (nID >= IDC_MATHERR_ZERO_DIVISION &&
                                                   nID < IDC_MATHERR_ZERO_DIVISION + kErrorKinds)));
    if (bChange)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}
