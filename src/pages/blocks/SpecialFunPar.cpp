#include "pages/blocks/SpecialFunPar.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CSpecialFunPar, CRangeTipPage)

namespace {

constexpr TimeValueIds kTimeIds = {IDC_TIME1_HIGH, IDC_TIME1_HIGH_SPIN, IDC_TIME1_COLON,     IDC_TIME1_LOW,
                                   IDC_TIME1_LOW_SPIN, IDC_TIME1_BASE, IDC_TIME1_REFERENCE, IDC_TIME1_UNIT_LIST,
                                   IDC_TIME1_BLOCK_LIST};

// The timers' names come from the string table, the pulse generator's caption from the id map.
struct GroupCaption {
    int nType;
    LPCTSTR lpszText;
    ControlTextKey key;
};
constexpr GroupCaption kCaptions[] = {{BT_DPR, _T("On-Delay"), {IDC_TIME1_GROUP, 1579, true}},
                                      {BT_PLR, _T("On-Delay"), {IDC_TIME1_GROUP, 1579, true}},
                                      {BT_DDR, _T("Off-Delay"), {IDC_TIME1_GROUP, 1580, true}},
                                      {BT_CPG, _T("Off Time(TL)"), {IDC_TIME1_GROUP, 137}}};

}  // namespace

CSpecialFunPar::CSpecialFunPar(int nType) : CRangeTipPage(IDD_SPECIAL_FUN_PAR, nType), m_time(kTimeIds) {}

BOOL CSpecialFunPar::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    for (const GroupCaption& caption : kCaptions) {
        if (caption.nType != m_nType)
            continue;
        SetDlgItemText(IDC_TIME1_GROUP, caption.lpszText);
        TranslateControls(*this, {&caption.key, 1});
    }
    // Only the wiping relay of the older controllers has no reference.
    const BOOL bOlder = m_pDocument && !m_pDocument->IsNewGenerationDoc();
    m_time.Create(*this, m_pDocument, m_nBlockNumber, !(bOlder && m_nType == BT_CPG));
    SetTimeTips(m_time, m_time.ShownBase(*this));
    return TRUE;
}

void CSpecialFunPar::DoDataExchange(CDataExchange* pDX)
{
    CRangeTipPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
    m_time.Exchange(pDX);
}

BOOL CSpecialFunPar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (m_time.OnCommand(*this, nID, nCode, m_time.ShownBase(*this)) != CTimeValueRow::Notice::None) {
        SetTimeTips(m_time, m_time.ShownBase(*this));
        SetModified(TRUE);
        return TRUE;
    }
    if ((nID == IDC_PROTECTION || nID == IDC_RETENTIVE) && nCode == BN_CLICKED)
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}

void CSpecialFunPar::OnOK()
{
    m_time.Normalise();
    CRangeTipPage::OnOK();
}
