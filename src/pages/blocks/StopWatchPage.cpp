#include "pages/blocks/StopWatchPage.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/blocks/PageReferences.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CStopWatch, CBlockPage)

namespace {

// The analog filter offers 8 << i samples for i of 0 to this less one.
constexpr int kSampleChoices = 6;
constexpr int kDecimalChoices = 6;
constexpr int kLogBaseTen = 2;

DialogTemplate StopWatchTemplate()
{
    DialogTemplate t = ParameterPage(IDD_STOPWATCH, CSize(236, 120));
    AddBlockNameRow(t);
    t.items.push_back(PageLabel(_T("Time Base"), CRect(10, 32, 90, 42), UINT(IDC_SELECTOR_LABEL)));
    t.items.push_back(PageCombo(UINT(IDC_SELECTOR), CRect(92, 30, 172, 100),
                                {_T("Hours"), _T("Minutes"), _T("Seconds"), _T("10 milliseconds")}));
    t.items.push_back(PageCheck(UINT(IDC_REFERENCE), _T("Reference"), CRect(176, 30, 230, 42)));
    t.items.push_back(PageLabel(_T("Amplification"), CRect(10, 50, 90, 60), UINT(IDC_AMPLIFICATION_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_AMPLIFICATION), CRect(92, 48, 158, 60)));
    DialogItemTemplate spin = PageSpin(UINT(IDC_AMPLIFICATION_SPIN), CRect(158, 48, 168, 60));
    spin.dwStyle &= ~UDS_SETBUDDYINT;
    t.items.push_back(spin);
    t.items.push_back(PageCheck(UINT(IDC_PAGE_RETENTIVITY), _T("Retentivity"), CRect(10, 70, 110, 82)));
    t.items.push_back(PageCheck(UINT(IDC_PAGE_PROTECTION), _T("Protection Active"), CRect(10, 86, 110, 98)));
    return t;
}

CString NumberText(int n)
{
    CString str;
    str.Format(_T("%d"), n);
    return str;
}

int SelectorSlot(int nType)
{
    switch (nType) {
    case BT_SW:
        return SW_BASE_PARAM;
    case BT_AFILTER:
        return AFILTER_SAMPLES_PARAM;
    case BT_FIX:
    case BT_ROUND:
        return FIX_DIGITS_PARAM;
    default:
        return LOG_BASE_PARAM;
    }
}

struct StopWatchValues {
    int nType;
    int nProtection;
    int nRetentive;
    int nSelector;
    double dAmplification;
    BOOL bUseReference;
    int nRefNumber;
};

void WriteStopWatch(const StopWatchValues& v, CBlockObj& block)
{
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
    block.m_nParam[BLOCK_RETENTIVE_PARAM] = v.nRetentive;
    block.m_nParam[SelectorSlot(v.nType)] = v.nSelector;
    block.m_dParam = v.dAmplification;
    WriteReference(block, 0, v.bUseReference, v.nRefNumber);
}

}  // namespace

CStopWatch::CStopWatch(int nType)
    : CBlockPage(IDD_STOPWATCH, nType), m_reference(IDC_REFERENCE, IDC_SELECTOR, IDC_REFERENCE_COMBO)
{
    RegisterPageTemplateOnce(IDD_STOPWATCH, StopWatchTemplate);
}

bool CStopWatch::HasAmplification(int nType)
{
    return nType != BT_SW && nType != BT_AFILTER && nType != BT_FIX && nType != BT_ROUND;
}

bool CStopWatch::HasReference(int nType) { return nType == BT_LOG || nType == BT_FIX || nType == BT_ROUND; }

int CStopWatch::SelectorWithReference(int nType, int nSelector)
{
    if (nType == BT_LOG)
        return kLogBaseTen;
    if (nType == BT_FIX || nType == BT_ROUND)
        return 0;
    return nSelector;
}

void CStopWatch::CopyFromBlock(const CBlockObj& block)
{
    m_nTimeBase = block.m_nParam[SelectorSlot(m_nType)];
    m_bRetentive = block.m_nParam[BLOCK_RETENTIVE_PARAM];
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_dAmplification = block.m_dParam;
    m_nBlockNumber = block.m_nNumber;
    ReadReference(block, 0, m_reference);
}

void CStopWatch::CopyToBlock(CBlockObj& block) const
{
    WriteStopWatch({m_nType, m_bProtection, m_bRetentive, m_nTimeBase, m_dAmplification, m_reference.m_bUse,
                    m_reference.m_nBlockNumber},
                   block);
}

// OK's normalisation does not run for Apply: a referenced value takes its selector here, while
// the amplification goes as entered.
void CStopWatch::AddToApplyRecord(SheetApplyRecord& record)
{
    const BOOL bUse = m_reference.RefersToBlock(m_pDocument, m_nBlockNumber);
    const StopWatchValues values{m_nType,
                                 m_bProtection,
                                 m_bRetentive,
                                 bUse ? SelectorWithReference(m_nType, m_nTimeBase) : m_nTimeBase,
                                 m_dAmplification,
                                 bUse,
                                 m_reference.m_nBlockNumber};
    record.writers.emplace_back([values](CBlockObj& block) { WriteStopWatch(values, block); });
}

BOOL CStopWatch::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    if (HasReference(m_nType)) {
        m_reference.Create(*this, m_pDocument, m_nBlockNumber);
        EnableReferenceCheck(*this, IDC_REFERENCE, m_pDocument, m_nBlockNumber);
    }
    ShowControlsByType();
    if (HasAmplification(m_nType)) {
        SetupFreeSpin(*this, IDC_AMPLIFICATION_SPIN, -int(AMPLIFICATION_LIMIT), int(AMPLIFICATION_LIMIT),
                      int(CAmplificationRow::Clamped(m_dAmplification)));
        m_hints.AddRange(*this, IDC_AMPLIFICATION, -AMPLIFICATION_LIMIT, AMPLIFICATION_LIMIT);
    }
    return TRUE;
}

BOOL CStopWatch::PreTranslateMessage(MSG* pMsg)
{
    m_hints.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

BOOL CStopWatch::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader && pHeader->idFrom == UINT_PTR(IDC_AMPLIFICATION_SPIN) && pHeader->code == UDN_DELTAPOS) {
        m_amplification.OnDeltaPos(*this, IDC_AMPLIFICATION, reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
        *pResult = 0;
        return TRUE;
    }
    return CBlockPage::OnNotify(wParam, lParam, pResult);
}

void CStopWatch::ShowControl(int nID, BOOL bShow)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CStopWatch::FillSelector(const std::vector<CString>& items, LPCTSTR lpszLabel)
{
    if (CWnd* pLabel = GetDlgItem(IDC_SELECTOR_LABEL))
        pLabel->SetWindowText(lpszLabel);
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_SELECTOR));
    pCombo->ResetContent();
    for (const CString& strItem : items)
        pCombo->AddString(strItem);
    pCombo->SetCurSel(m_nTimeBase);
}

void CStopWatch::ShowControlsByType()
{
    std::vector<CString> items;
    if (m_nType == BT_AFILTER) {
        for (int i = 0; i < kSampleChoices; ++i)
            items.push_back(NumberText(8 << i));
        FillSelector(items, _T("Number of samples"));
    } else if (m_nType == BT_LOG) {
        FillSelector({_T("e"), _T("2"), _T("10")}, _T("Base"));
    } else if (m_nType == BT_FIX || m_nType == BT_ROUND) {
        for (int i = 0; i < kDecimalChoices; ++i)
            items.push_back(NumberText(i));
        FillSelector(items, _T("Base"));
    }
    const bool bSelector = m_nType == BT_SW || m_nType == BT_AFILTER || HasReference(m_nType);
    ShowControl(IDC_SELECTOR_LABEL, bSelector);
    ShowControl(IDC_SELECTOR, bSelector && !(HasReference(m_nType) && m_reference.m_bUse));
    ShowControl(IDC_REFERENCE, HasReference(m_nType));
    for (int nID : {IDC_AMPLIFICATION_LABEL, IDC_AMPLIFICATION, IDC_AMPLIFICATION_SPIN})
        ShowControl(nID, HasAmplification(m_nType));
    if (m_nType == BT_SW)
        return;
    // Without retentivity the protection check takes its place.
    CWnd* pRetentive = GetDlgItem(IDC_PAGE_RETENTIVITY);
    CWnd* pProtection = GetDlgItem(IDC_PAGE_PROTECTION);
    CRect rect;
    pRetentive->GetWindowRect(rect);
    ScreenToClient(rect);
    pRetentive->ShowWindow(SW_HIDE);
    pProtection->MoveWindow(rect);
}

void CStopWatch::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PAGE_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_PAGE_RETENTIVITY, m_bRetentive);
    ExchangeChoice(pDX, IDC_SELECTOR, m_nTimeBase);
    // A type without the factor keeps the block's own.
    if (HasAmplification(m_nType))
        m_amplification.Exchange(pDX, IDC_AMPLIFICATION, m_dAmplification);
    if (pDX->m_bSaveAndValidate)
        m_reference.ReadChoice();
}

// A ticked Reference with no block found stores no reference: the factor and the selector stay
// as they are, rather than giving way to a block that is not there.
void CStopWatch::OnOK()
{
    if (m_reference.RefersToBlock(m_pDocument, m_nBlockNumber)) {
        m_dAmplification = 0.0;
        m_nTimeBase = SelectorWithReference(m_nType, m_nTimeBase);
    } else {
        m_reference.m_nBlockNumber = -1;
    }
    CBlockPage::OnOK();
}

BOOL CStopWatch::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_AMPLIFICATION && nCode == EN_UPDATE)
        m_amplification.OnUpdate(*this, IDC_AMPLIFICATION);
    if (nID == IDC_REFERENCE && nCode == BN_CLICKED) {
        m_reference.OnCheckClicked(*this);
        m_reference.ReadChoice();
    }
    if (nID == IDC_REFERENCE_COMBO && nCode == CBN_SELCHANGE)
        m_reference.ReadChoice();
    const bool bChange = (nCode == EN_CHANGE && nID == IDC_AMPLIFICATION) ||
                         (nCode == CBN_SELCHANGE && (nID == IDC_SELECTOR || nID == IDC_REFERENCE_COMBO)) ||
                         (nCode == BN_CLICKED &&
                          (nID == IDC_PAGE_RETENTIVITY || nID == IDC_PAGE_PROTECTION || nID == IDC_REFERENCE));
    if (bChange)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}
