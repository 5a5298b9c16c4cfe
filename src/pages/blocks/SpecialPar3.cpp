#include "pages/blocks/SpecialPar3.h"

#include "blocks/BlockGenerator.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/SpecialPar4.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CSpecialPar3, CRangeTipPage)
IMPLEMENT_DYNAMIC(CSpecialPar4, CSpecialPar3)

namespace {

constexpr TimeValueIds kOffIds = {IDC_TIME2_HIGH, IDC_TIME2_HIGH_SPIN, IDC_SW_T_COLON,     IDC_TIME2_LOW,
                                  IDC_TIME2_LOW_SPIN, IDC_TIME2_BASE, IDC_TIME2_REFERENCE, IDC_TIME2_UNIT_LIST,
                                  IDC_TIME2_BLOCK_LIST};
constexpr TimeValueIds kLightIds = {IDC_TIME1_HIGH, IDC_TIME1_HIGH_SPIN, IDC_TIME1_COLON,     IDC_TIME1_LOW,
                                    IDC_TIME1_LOW_SPIN, IDC_TIME1_BASE, IDC_TIME1_REFERENCE, IDC_TIME1_UNIT_LIST,
                                    IDC_TIME1_BLOCK_LIST};
constexpr TimeValueIds kWarnIds = {IDC_SW_WARN_HIGH, IDC_SW_WARN_HIGH_SPIN, IDC_SW_WARN_COLON, IDC_SW_WARN_LOW,
                                   IDC_SW_WARN_LOW_SPIN, 0, IDC_SW_WARN_REFERENCE, 0, IDC_SW_WARN_BLOCK_LIST};
constexpr TimeValueIds kPeriodIds = {IDC_SW_PERIOD_HIGH, IDC_SW_PERIOD_HIGH_SPIN, IDC_SW_PERIOD_COLON,
                                     IDC_SW_PERIOD_LOW,  IDC_SW_PERIOD_LOW_SPIN,  0,
                                     IDC_SW_PERIOD_REFERENCE, 0, IDC_SW_PERIOD_BLOCK_LIST};

constexpr BlockWord kNoWord = {BlockWordArray::Param, -1};

}  // namespace

const TimeSlot WARN_TIME_SLOT = {{BlockWordArray::ParamEx, STAIRCASE_WARN_TIME_LOW_PARAMEX},
                                 {BlockWordArray::ParamEx, STAIRCASE_WARN_TIME_HIGH_PARAMEX},
                                 kNoWord,
                                 kNoWord,
                                 {BlockWordArray::Param, BLOCK_REF_USED_PARAM + 2},
                                 {BlockWordArray::Ref, 2}};
const TimeSlot WARN_PERIOD_SLOT = {{BlockWordArray::ParamEx, STAIRCASE_WARN_LENGTH_LOW_PARAMEX},
                                   {BlockWordArray::ParamEx, STAIRCASE_WARN_LENGTH_HIGH_PARAMEX},
                                   kNoWord,
                                   kNoWord,
                                   {BlockWordArray::Param, BLOCK_REF_USED_PARAM + 3},
                                   {BlockWordArray::Ref, 3}};

WarningPair StairwayStandardWarning(int nBase)
{
    return nBase == TIME_BASE_SECONDS ? WarningPair{75, 5} : WarningPair{15, 1};
}

WarningPair NoWarning(int) { return {0, 0}; }

void MarkStandardWarning(CVetlaDoc&, CBlockObj* pBlock, BOOL)
{
    if (!pBlock || pBlock->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] || pBlock->m_pRefBlock[2] || pBlock->m_pRefBlock[3])
        return;
    const int nBase = pBlock->m_pRefBlock[1] ? pBlock->m_nParam[TIMER_OFF_REF_UNIT_PARAM]
                                             : pBlock->m_nParamEx[TIMER_OFF_BASE_PARAMEX];
    const WarningPair pair = pBlock->m_nType == BT_MFS ? NoWarning(nBase) : StairwayStandardWarning(nBase);
    const int* w = pBlock->m_nParamEx;
    if (w[STAIRCASE_WARN_TIME_HIGH_PARAMEX] == 0 && w[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX] == 0 &&
        w[STAIRCASE_WARN_TIME_LOW_PARAMEX] == pair.nWarnLow && w[STAIRCASE_WARN_LENGTH_LOW_PARAMEX] == pair.nPeriodLow)
        pBlock->m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = 1;
}

// ---- the page ----

CSpecialPar3::CSpecialPar3(int nType) : CSpecialPar3(IDD_SPECIAL_PAR3, nType) {}

CSpecialPar3::CSpecialPar3(UINT nIDTemplate, int nType)
    : CRangeTipPage(nIDTemplate, nType), m_off(kOffIds), m_warn(kWarnIds), m_period(kPeriodIds)
{
}

std::vector<CSpecialPar3::Row> CSpecialPar3::Rows()
{
    return {{&m_off, &TIME_SLOT_2}, {&m_warn, &WARN_TIME_SLOT}, {&m_period, &WARN_PERIOD_SLOT}};
}

BOOL CSpecialPar3::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    const BOOL bOffers = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    for (const Row& row : Rows())
        row.pRow->Create(*this, m_pDocument, m_nBlockNumber, bOffers);
    ApplyStandardState();
    ShowUnitLabels();
    SetTips();
    return TRUE;
}

void CSpecialPar3::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SW_STANDARD, m_bStandard);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    CRangeTipPage::DoDataExchange(pDX);
    for (const Row& row : Rows())
        row.pRow->Exchange(pDX);
}

int CSpecialPar3::GoverningBase() { return m_off.ShownBase(*this); }

void CSpecialPar3::SetTips()
{
    for (const Row& row : Rows()) {
        const bool bOwnBase = row.pSlot->base.nIndex >= 0 && row.pRow != &m_off;
        SetTimeTips(*row.pRow, bOwnBase ? row.pRow->ShownBase(*this) : GoverningBase());
    }
}

void CSpecialPar3::ShowUnitLabels()
{
    const int nBase = GoverningBase();
    SetDlgItemText(IDC_SW_WARN_UNIT, m_warn.m_bUseRef ? RefUnitText(nBase) : TimeBaseText(nBase));
    SetDlgItemText(IDC_SW_PERIOD_UNIT, m_period.m_bUseRef ? RefUnitText(nBase) : TimeBaseText(nBase));
}

void CSpecialPar3::ClampLowParts()
{
    const int nBase = GoverningBase();
    for (const CTimeValueRow* pRow : {&m_off, &m_warn, &m_period})
        pRow->ClampShownLow(*this, nBase);
}

void CSpecialPar3::GiveUpInRunningBlock(const CTimeValueRow& row, const TimeSlot& slot)
{
    auto* pSheet = dynamic_cast<CAllPropertySheet*>(GetSheet());
    // A block that has gone (or a number another type carries now) takes nothing.
    if (CBlockObj* pBlock = m_bSimulating && pSheet ? pSheet->FindRunningBlock() : nullptr)
        GiveUpRunningReference(*pBlock, slot, row.m_nRefUnit, row.m_nBase);
}

void CSpecialPar3::ApplyStandardState()
{
    m_bStandard = IsDlgButtonChecked(IDC_SW_STANDARD) ? 1 : 0;
    if (m_bStandard) {
        if (m_warn.GiveUpReference(*this))
            GiveUpInRunningBlock(m_warn, WARN_TIME_SLOT);
        if (m_period.GiveUpReference(*this))
            GiveUpInRunningBlock(m_period, WARN_PERIOD_SLOT);
        const WarningPair pair = StandardPair(GoverningBase());
        m_warn.m_nHigh = 0;
        m_warn.m_nLow = pair.nWarnLow;
        m_period.m_nHigh = 0;
        m_period.m_nLow = pair.nPeriodLow;
        m_warn.ShowParts(*this);
        m_period.ShowParts(*this);
        ShowUnitLabels();
    }
    m_warn.Enable(*this, !m_bStandard);
    m_period.Enable(*this, !m_bStandard);
    SetModified(TRUE);
}

BOOL CSpecialPar3::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_SW_STANDARD && nCode == BN_CLICKED) {
        ApplyStandardState();
        return TRUE;
    }
    for (const Row& row : Rows()) {
        CTimeValueRow& r = *row.pRow;
        // T! and T!L follow T's base; TL has its own.
        const int nBase = row.pSlot->base.nIndex >= 0 && &r != &m_off ? r.ShownBase(*this) : GoverningBase();
        const int nOldBase = r.m_nBase;
        const int nOldUnit = r.m_nRefUnit;
        const CTimeValueRow::Notice notice = r.OnCommand(*this, nID, nCode, nBase);
        if (notice == CTimeValueRow::Notice::None)
            continue;
        if (notice == CTimeValueRow::Notice::ReferenceOff)
            GiveUpInRunningBlock(r, *row.pSlot);
        const bool bBaseChanged = r.m_nBase != nOldBase || r.m_nRefUnit != nOldUnit;
        const bool bGoverning = &r == &m_off && (notice != CTimeValueRow::Notice::Changed || bBaseChanged);
        if (bGoverning || notice != CTimeValueRow::Notice::Changed) {
            SetTips();
            ShowUnitLabels();
            ClampLowParts();
            if (RedoesStandardOnChange() && m_bStandard)
                ApplyStandardState();
        } else if (bBaseChanged) {
            // TL's low part is read in TL's own base: its hint follows it.
            SetTips();
        }
        SetModified(TRUE);
        return TRUE;
    }
    if ((nID == IDC_PROTECTION || nID == IDC_RETENTIVE) && nCode == BN_CLICKED)
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}

void CSpecialPar3::OnOK()
{
    for (const Row& row : Rows())
        row.pRow->Normalise();
    CRangeTipPage::OnOK();
}

// ---- the multi-function switch ----

CSpecialPar4::CSpecialPar4(int nType) : CSpecialPar3(IDD_SPECIAL_PAR4, nType), m_light(kLightIds) {}

std::vector<CSpecialPar3::Row> CSpecialPar4::Rows()
{
    std::vector<Row> rows = CSpecialPar3::Rows();
    rows.insert(rows.begin() + 1, {&m_light, &TIME_SLOT_1});
    return rows;
}
