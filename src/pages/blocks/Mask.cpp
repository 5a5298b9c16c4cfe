#include "pages/blocks/Mask.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/BlockReference.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "pages/controls/BitMaskDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CMask, CBlockPage)

namespace {

constexpr int kMaskDigits = 4;
constexpr LPCTSTR kMaskRange = _T("Number(Hex) between 0x0000 and 0xFFFF");

}  // namespace

CMask::CMask(int nType)
    : CBlockPage(IDD_MASK, nType), m_reference(IDC_REFERENCE_BUTTON, IDC_PARAM_VALUE, IDC_REFERENCE_LIST)
{
    RegisterMiscBlockTemplates();
}

BOOL CMask::HasMask() const { return m_nType != BT_NOTM; }

void CMask::CopyFromBlock(const CBlockObj& block)
{
    m_nNumber = block.m_nNumber;
    m_nMask = block.m_nParam[WORDOP_OPERAND_PARAM];
    m_strMask.Format(_T("%04X"), m_nMask & 0xFFFF);
    m_reference.m_nBlockNumber = ReferenceNumberOf(block, 0);
    m_reference.m_bUse = m_reference.m_nBlockNumber >= 0;
}

BOOL CMask::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    if (!HasMask()) {
        for (int nID : {IDC_PARAM_GROUP, IDC_PARAM_VALUE, IDC_SETTING_BUTTON, IDC_HEX_LABEL, IDC_REFERENCE_BUTTON})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
        return TRUE;
    }
    m_editMask.SetLimitText(kMaskDigits);
    m_tooltip.Create(*this);
    m_tooltip.Set(*this, IDC_PARAM_VALUE, kMaskRange);
    m_reference.Create(*this, m_pDocument, m_nNumber);
    GetDlgItem(IDC_REFERENCE_BUTTON)->EnableWindow(m_pDocument && m_pDocument->CountReferenceBlocks(m_nNumber) > 0);
    ShowMaskControls();
    return TRUE;
}

void CMask::ShowMaskControls()
{
    const int nShow = m_reference.m_bUse ? SW_HIDE : SW_SHOW;
    GetDlgItem(IDC_SETTING_BUTTON)->ShowWindow(nShow);
    GetDlgItem(IDC_HEX_LABEL)->ShowWindow(nShow);
}

void CMask::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PARAM_VALUE, m_editMask);
    if (!pDX->m_bSaveAndValidate) {
        // A shorter text from a file shows its leading zeros.
        while (m_strMask.GetLength() < kMaskDigits)
            m_strMask = _T("0") + m_strMask;
    }
    DDX_Text(pDX, IDC_PARAM_VALUE, m_strMask);
    if (pDX->m_bSaveAndValidate && HasMask() && !m_reference.m_bUse) {
        int nMask = 0;
        if (!ParseHexDigits(m_strMask, kMaskDigits, nMask)) {
            AfxMessageBox(kMaskRange, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        m_nMask = nMask;
    }
    DDX_Check(pDX, IDC_PROTECT_ACTIVE, m_bProtect);
    if (pDX->m_bSaveAndValidate)
        m_reference.ReadChoice();
}

BOOL CMask::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_PARAM_VALUE:
        if (nCode == EN_UPDATE) {
            // A text that is no number yet keeps the last value; OK refuses it.
            int nMask = 0;
            if (ParseHexDigits(m_editMask.GetText(), kMaskDigits, nMask))
                m_nMask = nMask;
        } else if (nCode == EN_CHANGE) {
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_PROTECT_ACTIVE:
        SetModified(TRUE);
        return TRUE;
    case IDC_SETTING_BUTTON:
        if (nCode == BN_CLICKED)
            OnSetting();
        return TRUE;
    case IDC_REFERENCE_BUTTON:
        if (nCode == BN_CLICKED) {
            m_reference.OnCheckClicked(*this);
            ShowMaskControls();
            SetModified(TRUE);
        }
        return TRUE;
    case int(IDC_REFERENCE_LIST):
        if (nCode == CBN_SELCHANGE)
            SetModified(TRUE);
        return TRUE;
    default:
        return CBlockPage::OnCommand(wParam, lParam);
    }
}

BOOL CMask::PreTranslateMessage(MSG* pMsg)
{
    m_tooltip.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CMask::OnSetting()
{
    CBitMaskDlg dlg(this);
    dlg.m_strMask = m_editMask.GetText();
    if (dlg.DoModal() == IDOK)
        m_editMask.SetWindowText(dlg.m_strMask);
}

void CMask::OnOK()
{
    if (m_reference.m_bUse && m_reference.m_nBlockNumber >= 0)
        m_nMask = 0;
    CBlockPage::OnOK();
}

BlockWrite CMask::MakeBlockWrite(BOOL bApply) const
{
    const BOOL bHasMask = HasMask();
    const int nReference = m_reference.m_bUse ? m_reference.m_nBlockNumber : -1;
    const int nMask = nReference >= 0 ? 0 : m_nMask;
    return [=](CBlockObj& block) {
        if (bApply)
            block.m_nParamEx[MASK_SPARE_PARAMEX] = 0;
        if (!bHasMask)
            return;
        block.m_nParam[WORDOP_OPERAND_PARAM] = nMask;
        // The block keeps the mask as the text the page shows, too.
        block.m_strParamText.Format(_T("%04X"), nMask & 0xFFFF);
        SetBlockReference(block, 0, nReference);
    };
}
