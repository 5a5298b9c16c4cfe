#include "pages/blocks/Mem.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/BlockReference.h"
#include "pages/blocks/MemSourceValues.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "pages/sheet/ReferenceRow.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CMEM, CBlockPage)

namespace {

// The block list's "no source" line, and the index list's before a source was ever chosen.
const CString kNoBlock(_T('-'), 51);
const CString kNoValue(_T('-'), 33);

}  // namespace

CMEM::CMEM(int nType) : CBlockPage(IDD_MEM, nType) { RegisterMiscBlockTemplates(); }

CComboBox& CMEM::List(int nID) { return *static_cast<CComboBox*>(GetDlgItem(nID)); }

void CMEM::CopyFromBlock(const CBlockObj& block)
{
    m_nNumber = block.m_nNumber;
    m_nSource = ReferenceNumberOf(block, 0);
}

BOOL CMEM::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    List(IDC_MEM_TYPE).SetCurSel(0);
    FillBlockList();
    return TRUE;
}

void CMEM::FillBlockList()
{
    CComboBox& blocks = List(IDC_MEM_BLOCK);
    blocks.ResetContent();
    blocks.AddString(kNoBlock);
    if (m_pDocument)
        m_pDocument->FillValueBlockCombo(m_nNumber, &blocks);
    int nSel = 0;
    for (int i = 1; m_nSource >= 0 && i < blocks.GetCount(); ++i) {
        CString strLine;
        blocks.GetLBText(i, strLine);
        if (CReferenceRow::NumberOfLine(strLine) == m_nSource) {
            nSel = i;
            break;
        }
    }
    blocks.SetCurSel(nSel);
    FillValueList(kNoValue);
    List(IDC_MEM_INDEX).SetCurSel(m_nSource >= 0 ? m_nValueIndex : 0);
}

void CMEM::FillValueList(LPCTSTR lpszNone)
{
    CComboBox& values = List(IDC_MEM_INDEX);
    values.ResetContent();
    const CBlockObj* pSource = m_pDocument && m_nSource >= 0 ? m_pDocument->FindBlockByNumber(m_nSource) : nullptr;
    if (!pSource) {
        values.AddString(lpszNone);
        return;
    }
    for (const CString& strName : MemSourceValueNames(pSource->m_nType))
        values.AddString(strName);
}

void CMEM::OnSelchangeBlock()
{
    CComboBox& blocks = List(IDC_MEM_BLOCK);
    const int nSel = blocks.GetCurSel();
    CString strLine;
    if (nSel > 0)
        blocks.GetLBText(nSel, strLine);
    m_nSource = nSel > 0 ? CReferenceRow::NumberOfLine(strLine) : -1;
    FillValueList(kNoBlock);
    List(IDC_MEM_INDEX).SetCurSel(0);
    SetModified(TRUE);
}

void CMEM::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_RETENTIVITY, m_bRetentive);
    // The lists are filled and selected by the source when the page opens.
    if (pDX->m_bSaveAndValidate) {
        ExchangeChoice(pDX, IDC_MEM_BLOCK, m_nBlockIndex);
        ExchangeChoice(pDX, IDC_MEM_INDEX, m_nValueIndex);
    }
}

BOOL CMEM::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_RETENTIVITY:
        SetModified(TRUE);
        return TRUE;
    case IDC_MEM_INDEX:
        if (nCode == CBN_SELCHANGE)
            SetModified(TRUE);
        return TRUE;
    case IDC_MEM_BLOCK:
        if (nCode == CBN_SELCHANGE)
            OnSelchangeBlock();
        return TRUE;
    default:
        return CBlockPage::OnCommand(wParam, lParam);
    }
}

BlockWrite CMEM::MakeBlockWrite(BOOL) const
{
    const int nSource = m_nSource;
    return [=](CBlockObj& block) { SetBlockReference(block, 0, nSource); };
}
