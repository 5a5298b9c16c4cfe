#include "pages/blocks/AVGVAL.h"

#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/SpinRange.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CAVGVAL, CBlockPage)

namespace {

constexpr int kMostSamples = 32767;
constexpr int kSamplesPerMinuteBelowSix = 6000;
constexpr int kSamplesPerSecond = 100;
constexpr int kFewMinutes = 6;

}  // namespace

int MaxSampleTime(int nUnit)
{
    switch (nUnit) {
    case AVG_UNIT_DAYS:
        return 365;
    case AVG_UNIT_HOURS:
        return 23;
    default:
        return 59;
    }
}

int SampleLimit(int nUnit, int nTime)
{
    if (nUnit == AVG_UNIT_MINUTES && nTime < kFewMinutes)
        return std::max(1, nTime * kSamplesPerMinuteBelowSix);
    if (nUnit == AVG_UNIT_SECONDS)
        return std::max(1, nTime * kSamplesPerSecond);
    return kMostSamples;
}

CAVGVAL::CAVGVAL(int nType) : CBlockPage(IDD_AVGVAL, nType) {}

BOOL CAVGVAL::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    GetDlgItem(IDC_AVG_REFERENCE)->ShowWindow(SW_HIDE);
    ApplyBounds();
    return TRUE;
}

void CAVGVAL::DoDataExchange(CDataExchange* pDX)
{
    m_bAdjusting = TRUE;
    DDX_Check(pDX, IDC_AVG_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_AVG_RETENTIVE, m_bRetentive);
    CBlockPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AVG_SAMPLES, m_nSamples);
    DDX_Text(pDX, IDC_AVG_TIME, m_nSampleTime);
    ExchangeChoice(pDX, IDC_AVG_UNIT, m_nSampleUnit);
    m_bAdjusting = FALSE;
}

void CAVGVAL::ApplyBounds()
{
    const auto* pUnit = static_cast<CComboBox*>(GetDlgItem(IDC_AVG_UNIT));
    const int nUnit = pUnit->GetCurSel() < 0 ? AVG_UNIT_DAYS : pUnit->GetCurSel();
    const int nMaxTime = MaxSampleTime(nUnit);
    m_bAdjusting = TRUE;
    static_cast<CEdit*>(GetDlgItem(IDC_AVG_TIME))->SetLimitText(nUnit == AVG_UNIT_DAYS ? 3 : 2);
    SetSpinRange(*this, IDC_AVG_TIME_SPIN, 1, nMaxTime);
    const int nTime = std::clamp(int(GetDlgItemInt(IDC_AVG_TIME)), 1, nMaxTime);
    if (int(GetDlgItemInt(IDC_AVG_TIME)) != nTime)
        SetDlgItemInt(IDC_AVG_TIME, UINT(nTime));
    const int nLimit = SampleLimit(nUnit, nTime);
    SetSpinRange(*this, IDC_AVG_SAMPLES_SPIN, 1, nLimit);
    const int nSamples = std::clamp(int(GetDlgItemInt(IDC_AVG_SAMPLES)), 1, nLimit);
    if (int(GetDlgItemInt(IDC_AVG_SAMPLES)) != nSamples)
        SetDlgItemInt(IDC_AVG_SAMPLES, UINT(nSamples));
    m_bAdjusting = FALSE;
}

BOOL CAVGVAL::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const bool bEdit = nID == IDC_AVG_TIME || nID == IDC_AVG_SAMPLES;
    if (bEdit && nCode == EN_UPDATE) {
        if (!m_bAdjusting)
            ApplyBounds();
        return TRUE;
    }
    if ((nID == IDC_AVG_UNIT && nCode == CBN_SELCHANGE)) {
        ApplyBounds();
        SetModified(TRUE);
        return TRUE;
    }
    if ((bEdit && nCode == EN_CHANGE) ||
        ((nID == IDC_AVG_RETENTIVE || nID == IDC_AVG_PROTECTION) && nCode == BN_CLICKED)) {
        SetModified(TRUE);
        return TRUE;
    }
    return CBlockPage::OnCommand(wParam, lParam);
}
