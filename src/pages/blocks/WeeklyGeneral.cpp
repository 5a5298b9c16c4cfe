#include "pages/blocks/WeeklyGeneral.h"

#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CWeeklyGeneral, CBlockPage)

CWeeklyGeneral::CWeeklyGeneral(int nType) : CBlockPage(IDD_WEEKLY_GENERAL, nType) {}

BOOL CWeeklyGeneral::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    const BOOL bNewer = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    GetDlgItem(IDC_PULSE_OUTPUT)->ShowWindow(bNewer ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CWeeklyGeneral::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_PULSE_OUTPUT, m_bPulseOutput);
}

BOOL CWeeklyGeneral::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) == BN_CLICKED && (nID == IDC_PROTECTION || nID == IDC_PULSE_OUTPUT)) {
        if (nID == IDC_PULSE_OUTPUT)
            OnPulseOutput();
        SetModified(TRUE);
        return TRUE;
    }
    return CBlockPage::OnCommand(wParam, lParam);
}

void CWeeklyGeneral::OnPulseOutput()
{
    // The check alone: a name still being typed is checked when the page is left.
    m_bPulseOutput = IsDlgButtonChecked(IDC_PULSE_OUTPUT) ? 1 : 0;
    QuerySiblings(WPARAM(m_bPulseOutput), 0);
}
