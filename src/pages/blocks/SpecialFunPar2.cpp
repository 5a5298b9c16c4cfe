#include "pages/blocks/SpecialFunPar2.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CSpecialFunPar2, CRangeTipPage)

namespace {

constexpr TimeValueIds kTime1Ids = {IDC_TIME1_HIGH, IDC_TIME1_HIGH_SPIN, IDC_TIME1_COLON,     IDC_TIME1_LOW,
                                    IDC_TIME1_LOW_SPIN, IDC_TIME1_BASE, IDC_TIME1_REFERENCE, IDC_TIME1_UNIT_LIST,
                                    IDC_TIME1_BLOCK_LIST};
constexpr TimeValueIds kTime2Ids = {IDC_TIME2_HIGH, IDC_TIME2_HIGH_SPIN, IDC_TIME2_COLON,     IDC_TIME2_LOW,
                                    IDC_TIME2_LOW_SPIN, IDC_TIME2_BASE, IDC_TIME2_REFERENCE, IDC_TIME2_UNIT_LIST,
                                    IDC_TIME2_BLOCK_LIST};

// The checks move up into the place of the hidden pulse-cycle row.
constexpr int kChecksUp = 15;

struct TypeLayout {
    int nType;
    LPCTSTR lpszTime1;
    WORD nKey1;
    LPCTSTR lpszTime2;
    WORD nKey2;
};
constexpr TypeLayout kLayouts[] = {
    {BT_MPLR, _T("On Time(TH)"), 136, _T("Off Time(TL)"), 137},
    {BT_RPR, _T("Pulse Width(TH)"), 132, _T("Interpulse Width(TL)"), 133},
    {BT_APG, _T("Pulse Width(TH)"), 132, _T("Interpulse Width(TL)"), 133},
    {BT_RG, _T("Max. On Delay(TH)"), 134, _T("Max. Off Delay(TL)"), 135},
};

CString PageText(LPCTSTR lpszText, WORD nKey)
{
    CString strText = lpszText;
    if (IsChinesePageUI())
        LookupPageText(nKey, strText);
    return strText;
}

CRect ControlRect(CWnd& page, int nID)
{
    CRect rect;
    page.GetDlgItem(nID)->GetWindowRect(rect);
    page.ScreenToClient(rect);
    return rect;
}

void MoveTo(CWnd& page, int nID, CPoint pt)
{
    page.GetDlgItem(nID)->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CSpecialFunPar2::CSpecialFunPar2(int nType)
    : CRangeTipPage(IDD_SPECIAL_FUN_PAR2, nType), m_time1(kTime1Ids), m_time2(kTime2Ids)
{
}

BOOL CSpecialFunPar2::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    ArrangeForType();
    // The older controllers take no references: both times are constants.
    const BOOL bOffers = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    m_time1.Create(*this, m_pDocument, m_nBlockNumber, bOffers);
    m_time2.Create(*this, m_pDocument, m_nBlockNumber, bOffers);
    SetTimeTips(m_time1, m_time1.ShownBase(*this));
    SetTimeTips(m_time2, m_time2.ShownBase(*this));
    return TRUE;
}

void CSpecialFunPar2::ArrangeForType()
{
    for (const TypeLayout& layout : kLayouts) {
        if (layout.nType != m_nType)
            continue;
        SetDlgItemText(IDC_TIME1_GROUP, PageText(layout.lpszTime1, layout.nKey1));
        SetDlgItemText(IDC_TIME2_GROUP, PageText(layout.lpszTime2, layout.nKey2));
    }
    if (m_nType == BT_RPR)
        return;
    GetDlgItem(IDC_PULSE_CYCLES_LABEL)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_PULSE_CYCLES)->ShowWindow(SW_HIDE);
    const CRect rcRetentive = ControlRect(*this, IDC_RETENTIVE);
    if (m_nType == BT_RG) {
        GetDlgItem(IDC_RETENTIVE)->ShowWindow(SW_HIDE);
        MoveTo(*this, IDC_PROTECTION, rcRetentive.TopLeft());
        return;
    }
    const CRect rcProtection = ControlRect(*this, IDC_PROTECTION);
    MoveTo(*this, IDC_RETENTIVE, CPoint(rcRetentive.left, rcRetentive.top - kChecksUp));
    MoveTo(*this, IDC_PROTECTION, CPoint(rcProtection.left, rcProtection.top - kChecksUp));
}

void CSpecialFunPar2::DoDataExchange(CDataExchange* pDX)
{
    CRangeTipPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    if (m_nType != BT_RG)
        DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
    m_time1.Exchange(pDX);
    m_time2.Exchange(pDX);
    if (m_nType == BT_RPR)
        ExchangeChoice(pDX, IDC_PULSE_CYCLES, m_nPulseCycles);
}

BOOL CSpecialFunPar2::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const std::pair<CTimeValueRow*, const TimeSlot*> rows[] = {{&m_time1, &TIME_SLOT_1}, {&m_time2, &TIME_SLOT_2}};
    for (const auto& [pRow, pSlot] : rows) {
        const CTimeValueRow::Notice notice = pRow->OnCommand(*this, nID, nCode, pRow->ShownBase(*this));
        if (notice == CTimeValueRow::Notice::None)
            continue;
        if (notice == CTimeValueRow::Notice::ReferenceOff)
            GiveUpInRunningBlock(*pRow, *pSlot);
        SetTimeTips(*pRow, pRow->ShownBase(*this));
        SetModified(TRUE);
        return TRUE;
    }
    if (((nID == IDC_PROTECTION || nID == IDC_RETENTIVE) && nCode == BN_CLICKED) ||
        (nID == IDC_PULSE_CYCLES && nCode == CBN_SELCHANGE))
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}

void CSpecialFunPar2::GiveUpInRunningBlock(const CTimeValueRow& row, const TimeSlot& slot)
{
    auto* pSheet = dynamic_cast<CAllPropertySheet*>(GetSheet());
    if (CBlockObj* pBlock = m_bSimulating && pSheet ? pSheet->FindRunningBlock() : nullptr)
        GiveUpRunningReference(*pBlock, slot, row.m_nRefUnit, row.m_nBase);
}

void CSpecialFunPar2::OnOK()
{
    m_time1.Normalise();
    m_time2.Normalise();
    CRangeTipPage::OnOK();
}
