#include "messagetext/ScaleTimeDlg.h"

#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "messagetext/DialogTexts.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/MessageTextLists.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CScaleTimeDlg, CDialog)

namespace {

constexpr LPCTSTR kTimeBases[SCALE_TIME_BASE_COUNT] = {_T("Hours"), _T("Minutes"), _T("Seconds"), _T("10 Milliseconds")};

}  // namespace

CScaleTimeDlg::CScaleTimeDlg(CVetlaDoc* pDoc, CWnd* pParent) : CDialog(IDD_SCALE_TIME, pParent), m_pDoc(pDoc)
{
    RegisterMessageTextTemplates();
}

BOOL CScaleTimeDlg::OnInitDialog()
{
    auto* pTimeBase = static_cast<CComboBox*>(GetDlgItem(IDC_ST_TIME_BASE));
    pTimeBase->ResetContent();
    for (LPCTSTR lpszBase : kTimeBases)
        pTimeBase->AddString(lpszBase);
    auto* pActual = static_cast<CComboBox*>(GetDlgItem(IDC_BG_ACTUAL));
    FillActualValueBlocks(*static_cast<CComboBox*>(GetDlgItem(IDC_BG_BLOCK)), m_pDoc,
                          m_pWidget ? m_pWidget->m_nBlockNumber : m_nBlockNumber);
    if (m_pWidget && m_pWidget->m_pBlock)
        FillActualValues(*pActual, m_pWidget->m_pBlock->m_nType);
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    return TRUE;
}

void CScaleTimeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeChoice(pDX, IDC_BG_ACTUAL, m_nActualValue);
    ExchangeChoice(pDX, IDC_ST_TIME_BASE, m_nTimeBase);
}

void CScaleTimeDlg::OnOK()
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
    if (nParamId < 0 || m_nTimeBase < 0) {
        AfxMessageBox(_T("Select an actual value of the block."), MB_ICONINFORMATION);
        return;
    }
    m_nBlockNumber = nNumber;
    BindWidgetToValue(m_pWidget, nNumber, pBlock, nParamId);
    EndDialog(IDOK);
}

BOOL CScaleTimeDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_BG_BLOCK && HIWORD(DWORD(wParam)) == CBN_SELCHANGE) {
        RefillActualValues(*static_cast<CComboBox*>(GetDlgItem(IDC_BG_BLOCK)),
                           *static_cast<CComboBox*>(GetDlgItem(IDC_BG_ACTUAL)), m_pDoc);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}
