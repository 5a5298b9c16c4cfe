#include "messagetext/BarGraphSettingDlg.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "messagetext/DialogTexts.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/MessageTextLists.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

#include <algorithm>
#include <optional>

IMPLEMENT_DYNAMIC(CBarGraphSettingDlg, CDialog)

namespace {

constexpr int kScaleMin = -32768;
constexpr int kScaleMax = 32767;
constexpr int kBarWidthMin = 2;
constexpr int kBarWidthMax = 12;

// The number an edit holds, saturated far outside the scale; nullopt for no number.
std::optional<long long> ParseNumber(const CString& strText)
{
    int i = strText.GetLength() > 0 && strText.GetAt(0) == _T('-') ? 1 : 0;
    if (i >= strText.GetLength())
        return std::nullopt;
    long long nValue = 0;
    for (; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText.GetAt(i);
        if (ch < _T('0') || ch > _T('9'))
            return std::nullopt;
        nValue = std::min<long long>(nValue * 10 + (ch - _T('0')), 1LL << 40);
    }
    return strText.GetAt(0) == _T('-') ? -nValue : nValue;
}

}  // namespace

CBarGraphSettingDlg::CBarGraphSettingDlg(CVetlaDoc* pDoc, CWnd* pParent)
    : CDialog(IDD_BAR_GRAPH_SETTING, pParent), m_pDoc(pDoc)
{
    RegisterMessageTextTemplates();
}

BOOL CBarGraphSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    auto* pBlocks = static_cast<CComboBox*>(GetDlgItem(IDC_BG_BLOCK));
    auto* pActual = static_cast<CComboBox*>(GetDlgItem(IDC_BG_ACTUAL));
    FillActualValueBlocks(*pBlocks, m_pDoc, m_pWidget ? m_pWidget->m_nBlockNumber : m_nBlockNumber);
    if (m_pWidget && m_pWidget->m_pBlock)
        FillActualValues(*pActual, m_pWidget->m_pBlock->m_nType);
    pActual->SetCurSel(m_nActualValue);
    for (const auto& [nEditID, nSpinID] : {std::pair{IDC_BG_MIN, IDC_BG_MIN_SPIN}, std::pair{IDC_BG_MAX, IDC_BG_MAX_SPIN}}) {
        SetupSpin(*this, nSpinID, nEditID, kScaleMin, kScaleMax);
        m_hints.AddRange(*this, nEditID, kScaleMin, kScaleMax);
    }
    if (m_nKind == WIDGET_KIND_POINTER) {
        SetWindowText(_T("Pointer setting"));
        for (int nID : {IDC_BG_GROUP, IDC_BG_WIDTH_LABEL, IDC_BG_WIDTH, IDC_BG_WIDTH_SPIN})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
    } else if (m_nKind == WIDGET_KIND_SCOPE) {
        SetWindowText(_T("Scope setting"));
        GetDlgItem(IDC_BG_GROUP)->SetWindowText(_T(""));
        GetDlgItem(IDC_BG_WIDTH_LABEL)->SetWindowText(_T("Time:"));
        if (m_pDoc)
            SetDlgItemInt(IDC_BG_WIDTH, UINT(m_pDoc->m_nScopeTime));
        GetDlgItem(IDC_BG_WIDTH)->EnableWindow(FALSE);
        GetDlgItem(IDC_BG_WIDTH_SPIN)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_BG_UNIT)->ShowWindow(SW_SHOW);
    } else {
        SetupSpin(*this, IDC_BG_WIDTH_SPIN, IDC_BG_WIDTH, kBarWidthMin, kBarWidthMax);
        static_cast<CEdit*>(GetDlgItem(IDC_BG_WIDTH))->LimitText(2);
        m_hints.AddRange(*this, IDC_BG_WIDTH, kBarWidthMin, kBarWidthMax);
    }
    return TRUE;
}

void CBarGraphSettingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BG_MAX, m_nMaxValue);
    DDX_Text(pDX, IDC_BG_MIN, m_nMinValue);
    DDX_Text(pDX, IDC_BG_WIDTH, m_nWidth);
    // The scope's time is the diagram's setting, shown in a disabled box: a time from a file
    // that the settings would refuse must not hold the dialog, which offers no way to mend it.
    if (m_nKind == WIDGET_KIND_BARGRAPH)
        DDV_MinMaxInt(pDX, m_nWidth, kBarWidthMin, kBarWidthMax);
    ExchangeChoice(pDX, IDC_BG_ACTUAL, m_nActualValue);
    if (pDX->m_bSaveAndValidate && m_nMaxValue <= m_nMinValue) {
        AfxMessageBox(_T("The MaxValue must be larger than the MinValue."), MB_ICONINFORMATION);
        pDX->PrepareEditCtrl(IDC_BG_MAX);
        pDX->Fail();
    }
}

// Every check comes before the element changes, so that a refusal leaves it as it was.
void CBarGraphSettingDlg::OnOK()
{
    const int nNumber = SelectedBlockNumber(*static_cast<CComboBox*>(GetDlgItem(IDC_BG_BLOCK)));
    if (nNumber < 0) {
        AfxMessageBox(_T("Select the function block."), MB_ICONINFORMATION);
        return;
    }
    if (!UpdateData(TRUE))
        return;
    CBlockObj* pBlock = nullptr;
    const int nParamId = ChosenActualValueId(m_pDoc, nNumber, m_nActualValue, &pBlock);
    if (nParamId < 0) {
        AfxMessageBox(_T("Select an actual value of the block."), MB_ICONINFORMATION);
        return;
    }
    m_nBlockNumber = nNumber;
    BindWidgetToValue(m_pWidget, nNumber, pBlock, nParamId);
    EndDialog(IDOK);
}

BOOL CBarGraphSettingDlg::PreTranslateMessage(MSG* pMsg)
{
    m_hints.Relay(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBarGraphSettingDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const UINT nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_BG_BLOCK && nCode == CBN_SELCHANGE) {
        OnSelchangeBlock();
        return TRUE;
    }
    if ((nID == IDC_BG_MIN || nID == IDC_BG_MAX) && nCode == EN_UPDATE) {
        ClampScaleEdit(nID);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CBarGraphSettingDlg::OnSelchangeBlock()
{
    RefillActualValues(*static_cast<CComboBox*>(GetDlgItem(IDC_BG_BLOCK)),
                       *static_cast<CComboBox*>(GetDlgItem(IDC_BG_ACTUAL)), m_pDoc);
}

void CBarGraphSettingDlg::ClampScaleEdit(int nID)
{
    CString strText;
    GetDlgItemText(nID, strText);
    const std::optional<long long> nValue = ParseNumber(strText);
    if (!nValue)
        return;
    const long long nClamped = std::clamp<long long>(*nValue, kScaleMin, kScaleMax);
    if (nClamped != *nValue)
        SetDlgItemInt(nID, UINT(int(nClamped)), TRUE);
}
