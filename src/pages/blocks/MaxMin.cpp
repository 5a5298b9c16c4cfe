#include "pages/blocks/MaxMin.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/BlockReference.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CMaxMin, CBlockPage)

namespace {

constexpr MaxMinKind kKinds[] = {
    {BT_MAXMIN, nullptr, 1, false, 0, 3, 0, false},
    {BT_ROL, _T("Number of bit(s) of Rotation"), 2, false, 1, 15, 1, false},
    {BT_ROR, _T("Number of bit(s) of Rotation"), 2, false, 1, 15, 1, false},
    {BT_SHL, _T("Number of bit(s) of Shift"), 2, false, 1, 15, 1, false},
    {BT_SHR, _T("Number of bit(s) of Shift"), 2, false, 1, 15, 1, false},
    {BT_RAND, _T("Base"), 5, false, 1, 32767, 1, false},
    {BT_WORD2BIT, _T("Bit Position:"), 2, false, 0, 15, 0, false},
    {BT_MOD, _T("Base"), 5, true, -32767, 32767, 10, true},
    {BT_REM, _T("Base"), 5, true, -32767, 32767, 10, false},
};

// Every code of the page keeps its parameter in the same word.
constexpr int kValueParam = WORDOP_OPERAND_PARAM;
static_assert(MAXMIN_MODE_PARAM == kValueParam && RAND_RANGE_PARAM == kValueParam &&
              WORD2BIT_BIT_PARAM == kValueParam && MOD_DIVISOR_PARAM == kValueParam);

constexpr LPCTSTR kZeroBase = _T("Base number cannot be zero!");

}  // namespace

const MaxMinKind* FindMaxMinKind(int nType)
{
    for (const MaxMinKind& kind : kKinds) {
        if (kind.nType == nType)
            return &kind;
    }
    return nullptr;
}

CMaxMin::CMaxMin(int nType)
    : CBlockPage(IDD_MAXMIN, nType),
      m_reference(IDC_REFERENCE_BUTTON, IDC_PARAM_VALUE, IDC_REFERENCE_LIST),
      m_kind(FindMaxMinKind(nType) ? *FindMaxMinKind(nType) : kKinds[0])
{
    RegisterMiscBlockTemplates();
}

BOOL CMaxMin::ShowsCurrentValue() const { return m_nType != BT_WORD2BIT; }

void CMaxMin::ReadBlock(const CBlockObj& block)
{
    m_nNumber = block.m_nNumber;
    m_nValue = block.m_nParam[kValueParam];
    m_reference.m_nBlockNumber = ReferenceNumberOf(block, 0);
    m_reference.m_bUse = m_reference.m_nBlockNumber >= 0;
}

BOOL CMaxMin::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    SetUpForType();
    m_reference.Create(*this, m_pDocument, m_nNumber);
    GetDlgItem(IDC_REFERENCE_BUTTON)->EnableWindow(m_pDocument && m_pDocument->CountReferenceBlocks(m_nNumber) > 0);
    GetDlgItem(IDC_PARAM_SPIN)->ShowWindow(m_reference.m_bUse ? SW_HIDE : SW_SHOW);
    return TRUE;
}

void CMaxMin::SetUpForType()
{
    m_editValue.SetMaxWholeDigits(m_kind.nDigits);
    m_editValue.AllowNegative(m_kind.bSigned);
    if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_PARAM_SPIN))) {
        pSpin->SetBuddy(&m_editValue);
        pSpin->SetRange32(m_kind.nMin, m_kind.nMax);
        pSpin->SetPos32(m_nValue);
    }
    m_tooltip.Create(*this);
    m_tooltip.SetRange(*this, IDC_PARAM_VALUE, m_kind.nMin, m_kind.nMax, m_kind.bRefuseZero ? _T(" and <> 0") : _T(""));
    if (m_kind.lpszCaption)
        GetDlgItem(IDC_PARAM_GROUP)->SetWindowText(m_kind.lpszCaption);
    if (m_nType == BT_MAXMIN)
        return;
    for (int i = 0; i < MODE_TEXT_LINES; ++i)
        GetDlgItem(IDC_MODE_TEXT_FIRST + i)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_RESET_ON_DISABLE)->ShowWindow(SW_HIDE);
    CWnd* pRetentive = GetDlgItem(IDC_RETENTIVE);
    pRetentive->ShowWindow(SW_HIDE);
    CRect rect;
    pRetentive->GetWindowRect(rect);
    ScreenToClient(rect);
    GetDlgItem(IDC_PROTECT_ACTIVE)->MoveWindow(rect);
}

void CMaxMin::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PARAM_VALUE, m_editValue);
    DDX_Text(pDX, IDC_PARAM_VALUE, m_nValue);
    if (pDX->m_bSaveAndValidate) {
        m_reference.ReadChoice();
        if (!m_reference.m_bUse) {
            if (m_kind.bRefuseZero && m_nValue == 0) {
                AfxMessageBox(kZeroBase, MB_ICONEXCLAMATION);
                pDX->Fail();
            }
            DDV_MinMaxInt(pDX, m_nValue, m_kind.nMin, m_kind.nMax);
        }
    }
    DDX_Check(pDX, IDC_RESET_ON_DISABLE, m_bResetOnDisable);
    DDX_Check(pDX, IDC_PROTECT_ACTIVE, m_bProtect);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
}

BOOL CMaxMin::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_PARAM_VALUE:
        if (nCode == EN_UPDATE)
            ClampTypedValue();
        else if (nCode == EN_CHANGE)
            SetModified(TRUE);
        return TRUE;
    case IDC_RESET_ON_DISABLE:
    case IDC_PROTECT_ACTIVE:
    case IDC_RETENTIVE:
        SetModified(TRUE);
        return TRUE;
    case IDC_REFERENCE_BUTTON:
        if (nCode == BN_CLICKED) {
            m_reference.OnCheckClicked(*this);
            GetDlgItem(IDC_PARAM_SPIN)->ShowWindow(m_reference.m_bUse ? SW_HIDE : SW_SHOW);
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

BOOL CMaxMin::PreTranslateMessage(MSG* pMsg)
{
    m_tooltip.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CMaxMin::ClampTypedValue()
{
    if (CWnd::GetFocus() != &m_editValue)
        return;
    const CString strText = m_editValue.GetText();
    // A lone sign or an empty box is still being typed.
    if (strText.IsEmpty() || strText == _T("-"))
        return;
    const int nValue = m_editValue.GetInt();
    const int nClamped = nValue < m_kind.nMin ? m_kind.nMin : nValue > m_kind.nMax ? m_kind.nMax : nValue;
    if (nClamped != nValue) {
        CString strClamped;
        strClamped.Format(_T("%d"), nClamped);
        m_editValue.SetWindowText(strClamped);
        m_editValue.SetSel(strClamped.GetLength(), strClamped.GetLength());
    }
}

int CMaxMin::ValueToStore() const { return UsesReference() ? m_kind.nReferenceValue : m_nValue; }

BOOL CMaxMin::UsesReference() const { return m_reference.m_bUse && m_reference.m_nBlockNumber >= 0; }

void CMaxMin::OnOK()
{
    m_nValue = ValueToStore();
    CBlockPage::OnOK();
}

BlockWrite CMaxMin::MakeBlockWrite(BOOL) const
{
    const int nReference = UsesReference() ? m_reference.m_nBlockNumber : -1;
    const int nValue = ValueToStore();
    return [=](CBlockObj& block) {
        block.m_nParam[kValueParam] = nValue;
        SetBlockReference(block, 0, nReference);
    };
}
