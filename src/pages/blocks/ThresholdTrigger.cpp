#include "pages/blocks/ThresholdTrigger.h"

#include "blocks/BlockCounter.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SpinRange.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CThresholdTrigger, CRangeTipPage)

namespace {

constexpr int kMaxThreshold = 9999;
constexpr int kThresholdChars = 4;

constexpr TimeValueIds kGateIds = {IDC_TT_SECONDS, IDC_TT_SECONDS_SPIN, IDC_TT_COLON, IDC_TT_HUNDREDTHS,
                                   IDC_TT_HUNDREDTHS_SPIN, 0, IDC_TT_REFERENCE, 0, IDC_TT_BLOCK_LIST};

}  // namespace

const TimeSlot THTRG_GATE_SLOT = {{BlockWordArray::ParamEx, THTRG_GATE_HUNDREDTHS_PARAMEX},
                                  {BlockWordArray::ParamEx, THTRG_GATE_SECONDS_PARAMEX},
                                  {BlockWordArray::Param, -1},
                                  {BlockWordArray::Param, -1},
                                  {BlockWordArray::Param, BLOCK_REF_USED_PARAM},
                                  {BlockWordArray::Ref, 0}};

BOOL ThresholdTriggerValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pTrigger = dynamic_cast<const CBlockTHTRG*>(&block);
    if (!pTrigger)
        return FALSE;
    // Hundredths of a second, in whole units.
    const int t = int(block.m_dRunTime * 0.1);
    strText.Format(_T("%6ld/%02d:%02d%s"), long(pTrigger->m_nMeasured), t / 100, t % 100, _T("s"));
    return !strText.IsEmpty();
}

CThresholdTrigger::CThresholdTrigger(int nType) : CRangeTipPage(IDD_THRESHOLD_TRIGGER, nType), m_gate(kGateIds)
{
    m_gate.m_nHigh = 1;
}

BOOL CThresholdTrigger::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    for (int nSpin : {IDC_TT_ON_SPIN, IDC_TT_OFF_SPIN})
        SetSpinRange(*this, nSpin, 0, kMaxThreshold);
    for (int nEdit : {IDC_TT_ON, IDC_TT_OFF})
        static_cast<CEdit*>(GetDlgItem(nEdit))->SetLimitText(kThresholdChars);
    m_gate.Create(*this, m_pDocument, m_nBlockNumber, !m_pDocument || m_pDocument->IsNewGenerationDoc());
    ShowUnit();
    for (int nEdit : {IDC_TT_ON, IDC_TT_OFF})
        SetRangeTip(nEdit, 0, kMaxThreshold);
    SetTimeTips(m_gate, TIME_BASE_SECONDS);
    return TRUE;
}

void CThresholdTrigger::ShowUnit()
{
    SetDlgItemText(IDC_TT_UNIT_LABEL, m_gate.m_bUseRef ? _T("Milliseconds") : _T("Seconds (s:1/100s)"));
    const ControlTextKey key = {IDC_TT_UNIT_LABEL, m_gate.m_bUseRef ? TEXT_KEY_TT_MILLISECONDS : TEXT_KEY_TT_SECONDS};
    TranslateControls(*this, {&key, 1});
}

void CThresholdTrigger::DoDataExchange(CDataExchange* pDX)
{
    CRangeTipPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TT_OFF, m_nOffThreshold);
    DDV_MinMaxInt(pDX, m_nOffThreshold, 0, kMaxThreshold);
    DDX_Text(pDX, IDC_TT_ON, m_nOnThreshold);
    DDV_MinMaxInt(pDX, m_nOnThreshold, 0, kMaxThreshold);
    m_gate.Exchange(pDX);
    DDV_MinMaxInt(pDX, m_gate.m_nLow, 0, TIME_PART_MAX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
}

BOOL CThresholdTrigger::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const CTimeValueRow::Notice notice = m_gate.OnCommand(*this, nID, nCode, TIME_BASE_SECONDS);
    if (notice != CTimeValueRow::Notice::None) {
        if (notice != CTimeValueRow::Notice::Changed)
            ShowUnit();
        SetModified(TRUE);
        return TRUE;
    }
    if (((nID == IDC_TT_ON || nID == IDC_TT_OFF) && nCode == EN_CHANGE) || (nID == IDC_PROTECTION && nCode == BN_CLICKED))
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}

void CThresholdTrigger::OnOK()
{
    m_gate.Normalise();
    CRangeTipPage::OnOK();
}
