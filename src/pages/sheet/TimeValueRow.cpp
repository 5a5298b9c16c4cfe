#include "pages/sheet/TimeValueRow.h"

#include "blocks/BlockTime.h"
#include "document/VetlaDoc.h"
#include "pages/sheet/ListRoom.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/ReferenceRow.h"
#include "pages/sheet/SpinRange.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

namespace {

constexpr int kLowMaxOfMinutes = 59;
constexpr int kUnitDropHeight = 100;
constexpr int kBlockDropHeight = 200;

struct ListText {
    LPCTSTR lpszText;
    WORD nKey;
};
constexpr ListText kBaseTexts[] = {
    {_T("Hours(h:m)"), 1245}, {_T("Minutes(m:s)"), 171}, {_T("Seconds(s:1/100s)"), 172}};
constexpr ListText kUnitTexts[] = {{_T("Minutes"), 173}, {_T("Seconds"), 174}, {_T("MilliSeconds"), 1212}};



template <size_t N>
CString ListItemText(const ListText (&texts)[N], int nIndex)
{
    const ListText& item = texts[nIndex >= 0 && size_t(nIndex) < N ? size_t(nIndex) : N - 1];
    CString strText = item.lpszText;
    if (IsChinesePageUI())
        LookupPageText(item.nKey, strText);
    return strText;
}

template <size_t N>
void FillList(CComboBox& combo, const ListText (&texts)[N])
{
    combo.ResetContent();
    for (int i = 0; i < int(N); ++i)
        combo.AddString(ListItemText(texts, i));
}

int DigitsOf(int nValue)
{
    int nDigits = 1;
    for (; nValue >= 10; nValue /= 10)
        ++nDigits;
    return nDigits;
}

void ShowControl(CDialog& page, int nID, BOOL bShow)
{
    if (CWnd* pControl = nID ? page.GetDlgItem(nID) : nullptr)
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void EnableControl(CDialog& page, int nID, BOOL bEnable)
{
    if (CWnd* pControl = nID ? page.GetDlgItem(nID) : nullptr)
        pControl->EnableWindow(bEnable);
}

}  // namespace

const TimeSlot TIME_SLOT_1 = {{BlockWordArray::Param, TIMER_ON_LOW_PARAM},   {BlockWordArray::Param, TIMER_ON_HIGH_PARAM},
                              {BlockWordArray::Param, TIMER_ON_BASE_PARAM},  {BlockWordArray::Param, TIMER_ON_REF_UNIT_PARAM},
                              {BlockWordArray::Param, BLOCK_REF_USED_PARAM}, {BlockWordArray::Ref, 0}};
const TimeSlot TIME_SLOT_2 = {{BlockWordArray::ParamEx, TIMER_OFF_LOW_PARAMEX},
                              {BlockWordArray::ParamEx, TIMER_OFF_HIGH_PARAMEX},
                              {BlockWordArray::ParamEx, TIMER_OFF_BASE_PARAMEX},
                              {BlockWordArray::Param, TIMER_OFF_REF_UNIT_PARAM},
                              {BlockWordArray::Param, BLOCK_REF_USED_PARAM + 1},
                              {BlockWordArray::Ref, 1}};

CString TimeBaseText(int nBase) { return ListItemText(kBaseTexts, nBase); }

CString RefUnitText(int nUnit) { return ListItemText(kUnitTexts, nUnit); }

int MaxLowPart(int nBase) { return nBase == TIME_BASE_HOURS || nBase == TIME_BASE_MINUTES ? kLowMaxOfMinutes : TIME_PART_MAX; }

int ClampLowPart(int nLow, int nBase) { return nLow > MaxLowPart(nBase) ? MaxLowPart(nBase) : nLow; }

void GiveUpRunningReference(CBlockObj& block, const TimeSlot& slot, int nUnit, int nBase)
{
    block.m_dRunTime = 0.0;
    WriteBlockWord(block, slot.low, 0);
    WriteBlockWord(block, slot.high, 0);
    if (auto* pTimer = dynamic_cast<CBlockTime*>(&block))
        pTimer->m_bTiming = 0;
    WriteBlockWord(block, slot.ref, -1);
    WriteBlockWord(block, slot.refFlag, 0);
    if (slot.refUnit.nIndex >= 0)
        WriteBlockWord(block, slot.refUnit, nUnit);
    if (slot.base.nIndex >= 0)
        WriteBlockWord(block, slot.base, nBase);
}

// ---- the row ----

void CTimeValueRow::Create(CDialog& page, const CVetlaDoc* pDoc, int nOwnNumber, BOOL bOffersReference)
{
    if (!bOffersReference)
        m_nRefBlock = -1;
    m_bUseRef = m_nRefBlock >= 0;
    m_bCanRef = pDoc && pDoc->CountReferenceBlocks(nOwnNumber) >= 1;
    if (m_ids.nUnitCombo)
        m_pUnitCombo = MakeUnitList(page);
    m_pBlockCombo = MakeList(page, m_ids.nHigh, m_ids.nLowSpin, m_ids.nBlockCombo, kBlockDropHeight);
    SetSpinRange(page, m_ids.nHighSpin, 0, m_nHighMax);
    SetSpinRange(page, m_ids.nLowSpin, 0, m_nLowSpinMax);
    if (auto* pEdit = static_cast<CEdit*>(page.GetDlgItem(m_ids.nHigh)))
        pEdit->SetLimitText(UINT(DigitsOf(m_nHighMax)));
    if (auto* pEdit = static_cast<CEdit*>(page.GetDlgItem(m_ids.nLow)))
        pEdit->SetLimitText(TIME_PART_CHARS);
    if (auto* pBase = m_ids.nBase ? static_cast<CComboBox*>(page.GetDlgItem(m_ids.nBase)) : nullptr) {
        FillList(*pBase, kBaseTexts);
        pBase->SetCurSel(m_nBase);
    }
    ShowControl(page, m_ids.nReference, bOffersReference);
    EnableControl(page, m_ids.nReference, m_bCanRef);
    if (m_pBlockCombo && bOffersReference && pDoc)
        pDoc->FillReferenceCombo(nOwnNumber, m_pBlockCombo);
    SelectBlock();
    Show(page);
}

// The unit list stands over the base list, at its right end.
CComboBox* CTimeValueRow::MakeUnitList(CDialog& page)
{
    CComboBox* pCombo = MakeList(page, m_ids.nBase, m_ids.nBase, m_ids.nUnitCombo, kUnitDropHeight);
    if (!pCombo)
        return nullptr;
    CRect rect;
    pCombo->GetWindowRect(rect);
    page.ScreenToClient(rect);
    pCombo->MoveWindow(rect.left + rect.Width() / 10, rect.top, rect.Width() - rect.Width() / 10, rect.Height());
    FillList(*pCombo, kUnitTexts);
    // The block list beside it takes what its lines leave.
    NarrowListToLines(*pCombo);
    pCombo->SetCurSel(m_nRefUnit);
    return pCombo;
}

// A list over the controls from nLeftID to nRightID, after nLeftID in the tab order.
CComboBox* CTimeValueRow::MakeList(CDialog& page, int nLeftID, int nRightID, UINT nListID, int nDropHeight)
{
    CWnd* pOver = page.GetDlgItem(nLeftID);
    CWnd* pRight = page.GetDlgItem(nRightID);
    if (!pOver || !pRight)
        return nullptr;
    CRect rect;
    CRect rcRight;
    pOver->GetWindowRect(rect);
    pRight->GetWindowRect(rcRight);
    page.ScreenToClient(rect);
    page.ScreenToClient(rcRight);
    rect.right = rcRight.right;
    rect.bottom = rect.top + nDropHeight;
    auto* pCombo = new CComboBox;
    pCombo->SetAutoDelete(TRUE);
    if (!pCombo->Create(WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rect, &page, nListID)) {
        delete pCombo;
        return nullptr;
    }
    // In the tab order where the control it covers stands.
    pCombo->SetWindowPos(pOver, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return pCombo;
}

// The referenced block's line; without one the first line, and the unit starts at minutes. A
// referenced block the list does not offer shows as no choice, as in CReferenceRow: the line
// shown is the block OK keeps.
void CTimeValueRow::SelectBlock()
{
    if (m_pBlockCombo) {
        int nLine = m_bUseRef || m_pBlockCombo->GetCount() == 0 ? -1 : 0;
        for (int i = 0; m_bUseRef && i < m_pBlockCombo->GetCount(); ++i) {
            CString strLine;
            m_pBlockCombo->GetLBText(i, strLine);
            if (CReferenceRow::NumberOfLine(strLine) == m_nRefBlock) {
                nLine = i;
                break;
            }
        }
        m_pBlockCombo->SetCurSel(nLine);
    }
    if (!m_bUseRef) {
        m_nRefUnit = REF_UNIT_MINUTES;
        if (m_pUnitCombo)
            m_pUnitCombo->SetCurSel(m_nRefUnit);
    }
}

void CTimeValueRow::Show(CDialog& page) const
{
    const BOOL bConstant = !m_bUseRef;
    for (int nID : {m_ids.nHigh, m_ids.nHighSpin, m_ids.nColon, m_ids.nLow, m_ids.nLowSpin, m_ids.nBase})
        ShowControl(page, nID, bConstant);
    ShowControl(page, int(m_ids.nUnitCombo), !bConstant);
    ShowControl(page, int(m_ids.nBlockCombo), !bConstant);
}

void CTimeValueRow::Enable(CDialog& page, BOOL bEnable) const
{
    for (int nID : {m_ids.nHigh, m_ids.nHighSpin, m_ids.nLow, m_ids.nLowSpin})
        EnableControl(page, nID, bEnable);
    EnableControl(page, m_ids.nReference, bEnable && m_bCanRef);
}

void CTimeValueRow::ShowParts(CDialog& page) const
{
    page.SetDlgItemInt(m_ids.nHigh, UINT(m_nHigh));
    page.SetDlgItemInt(m_ids.nLow, UINT(m_nLow));
}

void CTimeValueRow::Exchange(CDataExchange* pDX)
{
    DDX_Text(pDX, m_ids.nHigh, m_nHigh);
    DDV_MinMaxInt(pDX, m_nHigh, 0, m_nHighMax);
    DDX_Text(pDX, m_ids.nLow, m_nLow);
    if (m_ids.nBase)
        ExchangeChoice(pDX, m_ids.nBase, m_nBase);
    if (pDX->m_bSaveAndValidate && m_pUnitCombo && m_pUnitCombo->GetCurSel() >= 0)
        m_nRefUnit = m_pUnitCombo->GetCurSel();
}

int CTimeValueRow::ShownBase(CDialog& page) const
{
    if (m_bUseRef && m_pUnitCombo)
        return m_pUnitCombo->GetCurSel();
    auto* pBase = m_ids.nBase ? static_cast<CComboBox*>(page.GetDlgItem(m_ids.nBase)) : nullptr;
    return pBase ? pBase->GetCurSel() : m_nBase;
}

void CTimeValueRow::ClampShownLow(CDialog& page, int nBase) const
{
    BOOL bNumber = FALSE;
    const int nLow = int(page.GetDlgItemInt(m_ids.nLow, &bNumber));
    if (bNumber && ClampLowPart(nLow, nBase) != nLow)
        page.SetDlgItemInt(m_ids.nLow, UINT(ClampLowPart(nLow, nBase)));
}

CTimeValueRow::Notice CTimeValueRow::OnCommand(CDialog& page, int nID, int nCode, int nGoverningBase)
{
    if ((nID == m_ids.nHigh || nID == m_ids.nLow) && nCode == EN_CHANGE)
        return Notice::Changed;
    if (nID == m_ids.nLow && nCode == EN_UPDATE) {
        ClampShownLow(page, nGoverningBase);
        return Notice::None;
    }
    if (m_ids.nBase && nID == m_ids.nBase && nCode == CBN_SELCHANGE) {
        const int nBase = ShownBase(page);
        if (nBase != m_nBase) {
            ClampShownLow(page, nBase);
            m_nBase = nBase;
        }
        return Notice::Changed;
    }
    if (m_ids.nUnitCombo && nID == int(m_ids.nUnitCombo) && nCode == CBN_SELCHANGE) {
        m_nRefUnit = m_pUnitCombo->GetCurSel();
        return Notice::Changed;
    }
    if (nID == int(m_ids.nBlockCombo) && nCode == CBN_SELCHANGE) {
        CString strLine;
        if (m_pBlockCombo->GetCurSel() >= 0)
            m_pBlockCombo->GetLBText(m_pBlockCombo->GetCurSel(), strLine);
        m_nRefBlock = CReferenceRow::NumberOfLine(strLine);
        return Notice::Changed;
    }
    if (nID == m_ids.nReference && nCode == BN_CLICKED) {
        ToggleReference(page);
        return m_bUseRef ? Notice::ReferenceOn : Notice::ReferenceOff;
    }
    return Notice::None;
}

void CTimeValueRow::ToggleReference(CDialog& page)
{
    CString strLine;
    const int nSel = m_pBlockCombo ? m_pBlockCombo->GetCurSel() : -1;
    if (nSel >= 0)
        m_pBlockCombo->GetLBText(nSel, strLine);
    const int nChosen = CReferenceRow::NumberOfLine(strLine);
    // A list without a block to choose keeps the constant time.
    m_bUseRef = !m_bUseRef && nChosen >= 0;
    m_nRefBlock = m_bUseRef ? nChosen : -1;
    // Back on, the button takes the line shown: one a referenced block left empty shows the first.
    if (!m_bUseRef && nSel < 0 && m_pBlockCombo && m_pBlockCombo->GetCount() > 0)
        m_pBlockCombo->SetCurSel(0);
    if (!m_bUseRef && m_ids.nBase) {
        if (auto* pBase = static_cast<CComboBox*>(page.GetDlgItem(m_ids.nBase)))
            pBase->SetCurSel(m_nBase);
    }
    Show(page);
}

BOOL CTimeValueRow::GiveUpReference(CDialog& page)
{
    if (!m_bUseRef)
        return FALSE;
    ToggleReference(page);
    return TRUE;
}

void CTimeValueRow::Normalise()
{
    if (m_bUseRef) {
        m_nLow = 0;
        m_nHigh = 0;
    } else {
        m_nRefUnit = REF_UNIT_MINUTES;
        m_nRefBlock = -1;
    }
}
