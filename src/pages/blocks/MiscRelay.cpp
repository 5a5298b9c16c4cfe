#include "pages/blocks/MiscRelay.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CMiscRelay, CBlockPage)

std::vector<int> FreeShiftRegisterIndexes(const CVetlaDoc& doc, int nOwnNumber, int nOwnIndex)
{
    bool used[SREG_INDEX_COUNT] = {};
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        const int nIndex = pBlock->m_nParamEx[SREG_INDEX_PARAMEX];
        if (pBlock->m_nType == BT_SREG && pBlock->m_nNumber != nOwnNumber && nIndex >= 0 && nIndex < SREG_INDEX_COUNT)
            used[nIndex] = true;
    }
    std::vector<int> free;
    for (int n = 0; n < SREG_INDEX_COUNT; ++n) {
        if (!used[n] || n == nOwnIndex)
            free.push_back(n);
    }
    return free;
}

CMiscRelay::CMiscRelay(int nType) : CBlockPage(IDD_MISC_RELAY, nType) { RegisterMiscBlockTemplates(); }

BOOL CMiscRelay::ShowsCurrentValue() const
{
    return m_nType != BT_LR && m_nType != BT_PR && m_nType != BT_ODD && m_nType != BT_EVEN;
}

BOOL CMiscRelay::HasRetentivity() const
{
    return m_nType == BT_LR || m_nType == BT_TDT || m_nType == BT_PR || m_nType == BT_SREG;
}

BOOL CMiscRelay::ShowsIndexList() const
{
    return m_nType == BT_SREG && m_pDocument && m_pDocument->IsNewGenerationDoc();
}

void CMiscRelay::CopyFromBlock(const CBlockObj& block) { m_nNumber = block.m_nNumber; }

BOOL CMiscRelay::OnInitDialog()
{
    // The index list is rebuilt before the exchange selects the block's index in it.
    SetUpForType();
    return CBlockPage::OnInitDialog();
}

void CMiscRelay::SetUpForType()
{
    GetDlgItem(IDC_RETENTIVITY)->ShowWindow(HasRetentivity() ? SW_SHOW : SW_HIDE);
    const bool bPriority = m_nType == BT_PR;
    GetDlgItem(IDC_PRIORITY_R)->ShowWindow(bPriority ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_PRIORITY_S)->ShowWindow(bPriority ? SW_SHOW : SW_HIDE);
    for (int nID : {IDC_SREG_BIT, IDC_SREG_BIT_LABEL, IDC_SREG_INDEX, IDC_SREG_INDEX_LABEL})
        GetDlgItem(nID)->ShowWindow(SW_HIDE);
    if (m_nType == BT_SREG)
        SetUpShiftRegister();
}

void CMiscRelay::SetUpShiftRegister()
{
    CRect rect;
    GetDlgItem(IDC_PRIORITY_S)->GetWindowRect(rect);
    ScreenToClient(rect);
    GetDlgItem(IDC_SREG_BIT_LABEL)->MoveWindow(rect);
    GetDlgItem(IDC_SREG_BIT_LABEL)->ShowWindow(SW_SHOW);
    GetDlgItem(IDC_SREG_BIT)->ShowWindow(SW_SHOW);
    if (!ShowsIndexList())
        return;
    CWnd* pLabel = GetDlgItem(IDC_SREG_INDEX_LABEL);
    GetDlgItem(IDC_PRIORITY_R)->GetWindowRect(rect);
    ScreenToClient(rect);
    pLabel->MoveWindow(rect);
    pLabel->ShowWindow(SW_SHOW);
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_SREG_INDEX));
    pList->ResetContent();
    for (int n : FreeShiftRegisterIndexes(*m_pDocument, m_nNumber, m_nIndex)) {
        CString strIndex;
        strIndex.Format(_T("%d"), n);
        pList->AddString(strIndex);
    }
    pList->ShowWindow(SW_SHOW);
}

void CMiscRelay::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    // Only the controls the type shows: the words behind the others go back as they came.
    if (HasRetentivity())
        DDX_Check(pDX, IDC_RETENTIVITY, m_bRetentive);
    if (m_nType == BT_PR)
        DDX_Radio(pDX, IDC_PRIORITY_R, m_nPriority);
    if (m_nType == BT_SREG)
        ExchangeChoice(pDX, IDC_SREG_BIT, m_nBit);
    if (!ShowsIndexList())
        return;
    // The list may skip indexes: its lines, not their places, are the indexes.
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_SREG_INDEX));
    CString strIndex;
    if (!pDX->m_bSaveAndValidate) {
        strIndex.Format(_T("%d"), m_nIndex);
        pList->SetCurSel(pList->FindStringExact(-1, strIndex));
    } else if (const int nSel = pList->GetCurSel(); nSel >= 0) {
        pList->GetLBText(nSel, strIndex);
        long long nIndex = 0;
        if (AfxParseInteger(strIndex, 0, SREG_INDEX_COUNT - 1, nIndex))
            m_nIndex = int(nIndex);
    }
}

BOOL CMiscRelay::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_RETENTIVITY:
    case IDC_PRIORITY_R:
    case IDC_PRIORITY_S:
        if (nCode == BN_CLICKED)
            SetModified(TRUE);
        return TRUE;
    case IDC_SREG_BIT:
    case IDC_SREG_INDEX:
        if (nCode == CBN_SELCHANGE)
            SetModified(TRUE);
        return TRUE;
    default:
        return CBlockPage::OnCommand(wParam, lParam);
    }
}
