#include "pages/blocks/AnalogPage.h"

#include "blocks/BlockAnalog.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/AnalogPageIds.h"
#include "pages/controls/NumericEdit.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <climits>

IMPLEMENT_DYNAMIC(CAnalogPage, CBlockPage)

namespace {

// The range controls, and the parameter controls that take their places for "No sensor".
constexpr int kRangeIds[] = {IDC_RANGE_GROUP,     IDC_RANGE_MIN_LABEL, IDC_RANGE_MIN,     IDC_RANGE_MIN_SPIN,
                             IDC_RANGE_MAX_LABEL, IDC_RANGE_MAX,       IDC_RANGE_MAX_SPIN};
constexpr int kParameterIds[] = {IDC_PARAM_GROUP,  IDC_GAIN_LABEL, IDC_GAIN,       IDC_GAIN_SPIN,
                                 IDC_OFFSET_LABEL, IDC_OFFSET,     IDC_OFFSET_SPIN};

// The hints of value boxes.
constexpr const TCHAR* kIntegerRangeTip = _T("Number between %d and %d");
constexpr const TCHAR* kDecimalRangeTip = _T("Number between %.2f and %.2f");
// The boxes of hundredths: two whole digits and two decimals.
constexpr int kHundredthsWhole = 2;
constexpr int kHundredthsDecimals = 2;

// Two decimals and no padding: the box holds the number alone, as a copy takes it.
CString GainText(double dGain)
{
    CString str;
    str.Format(_T("%.2f"), dGain);
    return str;
}

class WritingScope {
public:
    explicit WritingScope(BOOL& bFlag) : m_bFlag(bFlag), m_bOld(bFlag) { m_bFlag = TRUE; }
    ~WritingScope() { m_bFlag = m_bOld; }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;

private:
    BOOL& m_bFlag;
    BOOL m_bOld;
};

}  // namespace

CAnalogPage::CAnalogPage(UINT nIDTemplate, int nType, BOOL bHasScaling)
    : CBlockPage(nIDTemplate, nType), m_bHasScaling(bHasScaling)
{
}

CAnalogPage::~CAnalogPage() = default;

BOOL CAnalogPage::OffersReferences() const { return m_nModelByte >= MODEL_BYTE_REFERENCES; }

// ---- the block's fields ----

void CAnalogPage::CopyFromBlock(const CBlockObj& block)
{
    m_nBlockNumber = block.m_nNumber;
    if (const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument())) {
        m_bCanRef = pDoc->CountReferenceBlocks(block.m_nNumber) > 0;
        m_nModelByte = pDoc->m_wHardwareCode >> 8;
    }
    const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block);
    if (!pAnalog)
        return;
    const AnalogRecord record = ReadAnalogRecord(*pAnalog);
    m_scaling.m_nDecimals = record.nDecimals;
    m_scaling.m_nSensor = record.nSensor;
    m_scaling.m_nRangeMin = record.nRangeMin;
    m_scaling.m_nRangeMax = record.nRangeMax;
    m_scaling.m_dGain = record.dGain;
    m_scaling.m_nOffset = record.nOffset;
    m_scaling.m_nUnit = record.nUnit;
    m_scaling.m_nResolution = record.nResolution;
    m_scaling.HoldWithinLimits();
    ReadRecord(record);
}

void CAnalogPage::CopyToBlock(CBlockObj& block) const
{
    if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block))
        WriteAnalogRecord(MakeRecord(), *pAnalog);
}

AnalogRecord CAnalogPage::MakeRecord() const
{
    AnalogRecord record;
    record.nDecimals = m_scaling.m_nDecimals;
    if (m_bHasScaling) {
        record.nGroups |= ANALOG_GROUP_SCALING;
        record.nSensor = m_scaling.m_nSensor;
        record.nRangeMin = m_scaling.m_nRangeMin;
        record.nRangeMax = m_scaling.m_nRangeMax;
        record.dGain = m_scaling.m_dGain;
        record.nOffset = m_scaling.m_nOffset;
        record.nUnit = m_scaling.m_nUnit;
        record.nResolution = m_scaling.m_nResolution;
    }
    FillRecord(record);
    return record;
}

void CAnalogPage::AddToApplyRecord(SheetApplyRecord& record)
{
    PrepareApply();
    record.writers.push_back([analog = MakeRecord()](CBlockObj& block) {
        if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block))
            WriteAnalogRecord(analog, *pAnalog);
    });
}

void CAnalogPage::PrepareApply()
{
    SettleScaling();
    for (CReferenceRow& row : m_limitRefs)
        row.ReadChoice();
}

void CAnalogPage::SettleScaling()
{
    if (!m_bHasScaling || m_scaling.m_nSensor == SENSOR_NONE)
        return;
    m_scaling.ComputeGainOffset();
    if (GetSafeHwnd())
        ShowScaling();
}

// ---- the window ----

BOOL CAnalogPage::OnInitDialog()
{
    m_scaling.ResetMarkers();
    CBlockPage::OnInitDialog();
    m_tips.Create(this);
    AddRangeTips({{IDC_DECIMALS, 0, SCALING_DECIMALS_MAX}});
    SetSpinRange(IDC_DECIMALS_SPIN, 0, SCALING_DECIMALS_MAX);
    FillDecimalsCombo(m_scaling.m_nDecimals);
    SetUpIntegerBoxes();
    if (m_bHasScaling)
        InitScaling();
    return TRUE;
}

void CAnalogPage::DoDataExchange(CDataExchange* pDX)
{
    WritingScope scope(m_bWriting);
    if (pDX->m_bSaveAndValidate)
        m_bWriting = FALSE;
    if (m_numberBoxes.empty())
        MakeNumberBoxes(pDX);
    CBlockPage::DoDataExchange(pDX);
    if (GetDlgItem(IDC_PROTECTION))
        DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    if (m_bHasScaling) {
        ExchangeChoice(pDX, IDC_SENSOR, m_scaling.m_nSensor);
        DDX_Text(pDX, IDC_RANGE_MIN, m_scaling.m_nRangeMin);
        DDX_Text(pDX, IDC_RANGE_MAX, m_scaling.m_nRangeMax);
        DDX_Text(pDX, IDC_GAIN_X100, m_scaling.m_nGainX100);
        DDV_MinMaxInt(pDX, m_scaling.m_nGainX100, -SCALING_GAIN_X100_LIMIT, SCALING_GAIN_X100_LIMIT);
        DDX_Text(pDX, IDC_GAIN, m_scaling.m_dGain);
        DDX_Text(pDX, IDC_OFFSET, m_scaling.m_nOffset);
        DDX_Radio(pDX, IDC_CELSIUS, m_scaling.m_nUnit);
        DDX_Radio(pDX, IDC_RESOLUTION_X1, m_scaling.m_nResolution);
        if (!pDX->m_bSaveAndValidate)
            PutText(IDC_GAIN, GainText(m_scaling.m_dGain));
    }
    DDX_Text(pDX, IDC_DECIMALS, m_scaling.m_nDecimals);
    DDV_MinMaxInt(pDX, m_scaling.m_nDecimals, 0, SCALING_DECIMALS_MAX);
    ExchangeFields(pDX);
}

void CAnalogPage::InitScaling()
{
    SetSpinRange(IDC_RANGE_MIN_SPIN, SCALING_RANGE_MIN, SCALING_RANGE_MAX);
    SetSpinRange(IDC_RANGE_MAX_SPIN, SCALING_RANGE_MIN, SCALING_RANGE_MAX);
    // The gain's own range, in hundredths.
    SetSpinRange(IDC_GAIN_SPIN, TruncScaled(m_scaling.m_dGainFloor * 100), SCALING_GAIN_X100_LIMIT);
    SetSpinRange(IDC_OFFSET_SPIN, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT);
    for (int i = 0; i < kLayoutRows; ++i) {
        CWnd* pRange = GetDlgItem(kRangeIds[i]);
        CWnd* pParameter = GetDlgItem(kParameterIds[i]);
        if (!pRange || !pParameter)
            continue;
        pRange->GetWindowRect(m_rcRange[i]);
        ScreenToClient(m_rcRange[i]);
        pParameter->GetWindowRect(m_rcParameter[i]);
        ScreenToClient(m_rcParameter[i]);
    }
    m_bRectsKept = TRUE;
    if (m_scaling.m_nSensor == SENSOR_PT100)
        m_scaling.SetTemperatureDefaults();
    ShowScaling();
    ShowSensorControls();
    LayOutForSensor();
}

void CAnalogPage::ShowScaling(int nTypedID)
{
    WritingScope scope(m_bWriting);
    const CSensorScaling& s = m_scaling;
    if (auto* pSensor = static_cast<CComboBox*>(GetDlgItem(IDC_SENSOR)); pSensor && pSensor->GetCurSel() != s.m_nSensor)
        pSensor->SetCurSel(s.m_nSensor);
    int nTyped = 0;
    if (nTypedID != IDC_RANGE_MIN || !ReadInt(IDC_RANGE_MIN, nTyped) || nTyped != s.m_nRangeMin)
        PutInt(IDC_RANGE_MIN, s.m_nRangeMin);
    if (nTypedID != IDC_RANGE_MAX || !ReadInt(IDC_RANGE_MAX, nTyped) || nTyped != s.m_nRangeMax)
        PutInt(IDC_RANGE_MAX, s.m_nRangeMax);
    if (nTypedID != IDC_OFFSET || !ReadInt(IDC_OFFSET, nTyped) || nTyped != s.m_nOffset)
        PutInt(IDC_OFFSET, s.m_nOffset);
    CString strGain;
    GetDlgItemText(IDC_GAIN, strGain);
    double dTyped = 0;
    if (nTypedID != IDC_GAIN || !AfxParseDouble(strGain, dTyped) || dTyped != s.m_dGain)
        PutText(IDC_GAIN, GainText(s.m_dGain));
    PutInt(IDC_GAIN_X100, s.m_nGainX100);
    CheckRadioButton(IDC_CELSIUS, IDC_FAHRENHEIT, s.m_nUnit ? IDC_FAHRENHEIT : IDC_CELSIUS);
    CheckRadioButton(IDC_RESOLUTION_X1, IDC_RESOLUTION_X01, s.m_nResolution ? IDC_RESOLUTION_X01 : IDC_RESOLUTION_X1);
}

// The temperature sensor's values come from its presets: its range and parameter edits are
// disabled and its unit and resolution show instead.
void CAnalogPage::ShowSensorControls()
{
    const BOOL bEditable = m_scaling.IsRangeEditable();
    EnableControls({IDC_RANGE_MIN_LABEL, IDC_RANGE_MIN, IDC_RANGE_MIN_SPIN, IDC_RANGE_MAX_LABEL, IDC_RANGE_MAX,
                    IDC_RANGE_MAX_SPIN, IDC_GAIN_LABEL, IDC_GAIN, IDC_GAIN_SPIN, IDC_OFFSET_LABEL, IDC_OFFSET,
                    IDC_OFFSET_SPIN},
                   bEditable);
    ShowControls({IDC_UNIT_GROUP, IDC_CELSIUS, IDC_FAHRENHEIT, IDC_RESOLUTION_GROUP, IDC_RESOLUTION_X1,
                  IDC_RESOLUTION_X01},
                 !bEditable);
}

// Without a sensor there is no range: the parameter rows move up into its place.
void CAnalogPage::LayOutForSensor()
{
    if (!m_bRectsKept)
        return;
    const BOOL bRange = m_scaling.ShowsRange();
    for (int i = 0; i < kLayoutRows; ++i) {
        if (CWnd* pRange = GetDlgItem(kRangeIds[i]))
            pRange->ShowWindow(bRange ? SW_SHOW : SW_HIDE);
        if (CWnd* pParameter = GetDlgItem(kParameterIds[i]))
            pParameter->MoveWindow(bRange ? &m_rcParameter[i] : &m_rcRange[i]);
    }
    // The hints follow: none over hidden range boxes, and the moved boxes' over their new places.
    for (int nID : {IDC_RANGE_MIN, IDC_RANGE_MAX})
        m_tips.RemoveTool(GetDlgItem(nID), 0);
    if (bRange)
        AddRangeTips({{IDC_RANGE_MIN, SCALING_RANGE_MIN, SCALING_RANGE_MAX},
                      {IDC_RANGE_MAX, SCALING_RANGE_MIN, SCALING_RANGE_MAX}});
    ReplaceRangeTip(IDC_OFFSET, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT);
    m_tips.RemoveTool(GetDlgItem(IDC_GAIN), 0);
    AddHundredthsTip(IDC_GAIN, TruncScaled(m_scaling.m_dGainFloor * 100), SCALING_GAIN_X100_LIMIT);
}

// ---- the user's edits ----

BOOL CAnalogPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    // The page's own writes notify as the user's edits do; they are no edits.
    if (m_bWriting && (nCode == EN_CHANGE || nCode == EN_UPDATE || nCode == BN_CLICKED || nCode == CBN_SELCHANGE))
        return TRUE;
    if (nID == IDC_DECIMALS && nCode == EN_CHANGE) {
        OnDecimalsChanged();
        return TRUE;
    }
    if (nCode == EN_CHANGE && OnIntegerBoxChanged(nID))
        return TRUE;
    if (nID == IDC_PROTECTION && nCode == BN_CLICKED)
        SetModified(TRUE);
    if (m_bHasScaling && OnScalingCommand(nID, nCode))
        return TRUE;
    return CBlockPage::OnCommand(wParam, lParam);
}

BOOL CAnalogPage::OnScalingCommand(int nID, int nCode)
{
    int nValue = 0;
    if (nCode == CBN_SELCHANGE && nID == IDC_SENSOR) {
        const auto* pSensor = static_cast<CComboBox*>(GetDlgItem(IDC_SENSOR));
        if (pSensor && m_scaling.SensorChosen(pSensor->GetCurSel())) {
            ShowScaling();
            ShowSensorControls();
            LayOutForSensor();
            SetModified(TRUE);
        }
        return TRUE;
    }
    if (nCode == BN_CLICKED && nID >= IDC_CELSIUS && nID <= IDC_RESOLUTION_X01) {
        if (nID == IDC_CELSIUS || nID == IDC_FAHRENHEIT)
            m_scaling.UnitChosen(nID == IDC_FAHRENHEIT);
        else
            m_scaling.ResolutionChosen(nID == IDC_RESOLUTION_X01);
        ShowScaling();
        SetModified(TRUE);
        return TRUE;
    }
    // A range end left with a gain the limits cut or rounded shows at once the end that OK
    // stores, the one the gain allows.
    if (nCode == EN_KILLFOCUS && (nID == IDC_RANGE_MIN || nID == IDC_RANGE_MAX)) {
        SettleScaling();
        return TRUE;
    }
    if (nCode != EN_CHANGE)
        return FALSE;
    switch (nID) {
    case IDC_GAIN:
        OnGainChanged();
        return TRUE;
    case IDC_OFFSET:
        if (ReadInt(IDC_OFFSET, nValue) && m_scaling.m_nSensor != SENSOR_PT100) {
            m_scaling.OffsetTyped(nValue);
            ShowScaling(IDC_OFFSET);
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_RANGE_MIN:
        if (ReadInt(IDC_RANGE_MIN, nValue)) {
            m_scaling.MinimumTyped(nValue);
            ShowScaling(IDC_RANGE_MIN);
            if (m_scaling.IsRangeEditable() && m_scaling.ShowsRange())
                SetModified(TRUE);
        }
        return TRUE;
    case IDC_RANGE_MAX:
        if (ReadInt(IDC_RANGE_MAX, nValue)) {
            m_scaling.MaximumTyped(nValue);
            ShowScaling(IDC_RANGE_MAX);
            SetModified(TRUE);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CAnalogPage::OnGainChanged()
{
    CString strText;
    GetDlgItemText(IDC_GAIN, strText);
    double dGain = 0;
    if (!AfxParseDouble(strText, dGain))
        return;
    m_scaling.GainTyped(dGain);
    ShowScaling(IDC_GAIN);
    SetModified(TRUE);
}

void CAnalogPage::OnDecimalsChanged()
{
    int nDecimals = 0;
    if (ClampTyped(IDC_DECIMALS, 0, SCALING_DECIMALS_MAX, nDecimals))
        m_scaling.m_nDecimals = nDecimals;
    FillDecimalsCombo(nDecimals);
    SetModified(TRUE);
}

void CAnalogPage::FillDecimalsCombo(int nDecimals) { PutText(IDC_DECIMALS_SAMPLE, CSensorScaling::DecimalsSample(nDecimals)); }

// The gain's spin steps the gain itself by tenths; its own position is not used.
BOOL CAnalogPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (m_bHasScaling && pHeader && pHeader->idFrom == UINT_PTR(IDC_GAIN_SPIN) && pHeader->code == UDN_DELTAPOS) {
        const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(lParam);
        if (m_scaling.IsRangeEditable()) {
            m_scaling.GainStepped(pUpDown->iDelta);
            ShowScaling();
            SetModified(TRUE);
        }
        *pResult = 1;
        return TRUE;
    }
    return CBlockPage::OnNotify(wParam, lParam, pResult);
}

// ---- whole-number boxes ----

std::vector<CAnalogPage::IntegerBox> CAnalogPage::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = {{IDC_DECIMALS, IDC_DECIMALS_SPIN, 1, 0, SCALING_DECIMALS_MAX, BoxRule::Own}};
    if (m_bHasScaling) {
        boxes.insert(boxes.end(),
                     {{IDC_RANGE_MIN, IDC_RANGE_MIN_SPIN, 5, SCALING_RANGE_MIN, SCALING_RANGE_MAX, BoxRule::Own},
                      {IDC_RANGE_MAX, IDC_RANGE_MAX_SPIN, 5, SCALING_RANGE_MIN, SCALING_RANGE_MAX, BoxRule::Own},
                      {IDC_OFFSET, IDC_OFFSET_SPIN, 5, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT, BoxRule::Own}});
    }
    return boxes;
}

void CAnalogPage::SetUpIntegerBoxes()
{
    for (const IntegerBox& box : GetIntegerBoxes()) {
        if (box.rule == BoxRule::Own)
            continue;
        SetSpinRange(box.nSpinID, box.nLow, box.nHigh);
        AddRangeTips({{box.nEditID, box.nLow, box.nHigh}});
    }
}

BOOL CAnalogPage::OnIntegerBoxChanged(int nID)
{
    for (const IntegerBox& box : GetIntegerBoxes()) {
        if (box.nEditID != nID || box.rule == BoxRule::Own)
            continue;
        int nValue = 0;
        if (box.rule == BoxRule::Clamped)
            ClampTyped(nID, box.nLow, box.nHigh, nValue);
        SetModified(TRUE);
        return TRUE;
    }
    return FALSE;
}

std::vector<CAnalogPage::HundredthsBox> CAnalogPage::GetHundredthsBoxes() const
{
    if (!m_bHasScaling)
        return {};
    // The gain takes a sign only where it may be below zero.
    return {{IDC_GAIN, IDC_GAIN_SPIN, m_scaling.m_dGainFloor < 0, TRUE}};
}

void CAnalogPage::MakeNumberBoxes(CDataExchange* pDX)
{
    for (const IntegerBox& box : GetIntegerBoxes()) {
        auto pEdit = std::make_unique<CIntegerEdit>(box.nDigits);
        pEdit->ModifyFlags(NUM_POINT_BEFORE_EXTRA_DIGIT, 0);
        AddNumberBox(pDX, std::move(pEdit), box.nEditID, box.nSpinID);
    }
    for (const HundredthsBox& box : GetHundredthsBoxes()) {
        // A negative count of whole digits keeps the sign out.
        auto pEdit = std::make_unique<CNumericEdit>(box.bNegative ? kHundredthsWhole : -kHundredthsWhole,
                                                    kHundredthsDecimals);
        if (box.bPointBeforeExtraDigit)
            pEdit->ModifyFlags(NUM_POINT_BEFORE_EXTRA_DIGIT, 0);
        AddNumberBox(pDX, std::move(pEdit), box.nEditID, box.nSpinID);
    }
}

void CAnalogPage::AddNumberBox(CDataExchange* pDX, std::unique_ptr<CNumericEdit> pEdit, int nEditID, int nSpinID)
{
    if (!GetDlgItem(nEditID))
        return;
    DDX_Control(pDX, nEditID, *pEdit);
    // The spin's buddy was the window the numeric box replaced.
    if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(nSpinID)))
        pSpin->SetBuddy(pEdit.get());
    m_numberBoxes.push_back(std::move(pEdit));
}

// ---- hints ----

BOOL CAnalogPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_tips.GetSafeHwnd())
        m_tips.RelayEvent(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CAnalogPage::AddRangeTips(std::initializer_list<RangeTip> tips)
{
    for (const RangeTip& tip : tips) {
        CString strText;
        strText.Format(kIntegerRangeTip, tip.nLow, tip.nHigh);
        m_tips.AddTool(GetDlgItem(tip.nID), strText);
    }
}

void CAnalogPage::AddHundredthsTip(int nID, int nLow, int nHigh)
{
    CString strText;
    strText.Format(kDecimalRangeTip, nLow / 100.0, nHigh / 100.0);
    m_tips.AddTool(GetDlgItem(nID), strText);
}

void CAnalogPage::ReplaceRangeTip(int nID, int nLow, int nHigh)
{
    m_tips.RemoveTool(GetDlgItem(nID), 0);
    AddRangeTips({{nID, nLow, nHigh}});
}

// ---- helpers ----

void CAnalogPage::ShowControls(std::initializer_list<int> ids, BOOL bShow)
{
    for (int nID : ids) {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }
}

void CAnalogPage::EnableControls(std::initializer_list<int> ids, BOOL bEnable)
{
    for (int nID : ids) {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->EnableWindow(bEnable);
    }
}

// A new range puts the spin's position into its buddy; the buddy keeps the value it shows.
void CAnalogPage::SetSpinRange(int nSpinID, int nLow, int nHigh)
{
    auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(nSpinID));
    if (!pSpin)
        return;
    WritingScope scope(m_bWriting);
    CWnd* pBuddy = pSpin->GetBuddy();
    CString strShown;
    if (pBuddy)
        pBuddy->GetWindowText(strShown);
    pSpin->SetRange32(nLow, nHigh);
    if (pBuddy)
        pBuddy->SetWindowText(strShown);
}

void CAnalogPage::PutText(int nID, const CString& strText)
{
    CWnd* pControl = GetDlgItem(nID);
    if (!pControl)
        return;
    CString strOld;
    pControl->GetWindowText(strOld);
    if (strOld == strText)
        return;
    WritingScope scope(m_bWriting);
    pControl->SetWindowText(strText);
}

void CAnalogPage::PutInt(int nID, int nValue)
{
    CString str;
    str.Format(_T("%d"), nValue);
    PutText(nID, str);
}

BOOL CAnalogPage::ReadInt(int nID, int& nValue) const
{
    CString strText;
    GetDlgItemText(nID, strText);
    long long nRead = 0;
    if (!AfxParseInteger(strText, INT_MIN, INT_MAX, nRead))
        return FALSE;
    nValue = int(nRead);
    return TRUE;
}

BOOL CAnalogPage::ClampTyped(int nID, int nLow, int nHigh, int& nValue)
{
    if (!ReadInt(nID, nValue))
        return FALSE;
    if (nValue < nLow || nValue > nHigh) {
        nValue = nValue < nLow ? nLow : nHigh;
        PutInt(nID, nValue);
    }
    return TRUE;
}

void CAnalogPage::SetComboItem(int nID, int nIndex, LPCTSTR lpszText)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo || nIndex >= pCombo->GetCount())
        return;
    const int nSel = pCombo->GetCurSel();
    pCombo->DeleteString(UINT(nIndex));
    pCombo->InsertString(nIndex, lpszText);
    pCombo->SetCurSel(nSel);
}

// ---- OK and Apply ----

void CAnalogPage::OnOK()
{
    PrepareApply();
    CBlockPage::OnOK();
}

// ---- the two parameter rows ----

namespace {

struct LimitRowIds {
    int nLabel;
    int nEdit;
    int nSpin;
    int nCheck;
    UINT nList;
};
constexpr LimitRowIds kLimitRows[2] = {
    {IDC_LIMIT1_LABEL, IDC_LIMIT1, IDC_LIMIT1_SPIN, IDC_LIMIT1_REF, IDC_LIMIT1_LIST},
    {IDC_LIMIT2_LABEL, IDC_LIMIT2, IDC_LIMIT2_SPIN, IDC_LIMIT2_REF, IDC_LIMIT2_LIST},
};

}  // namespace

void CAnalogPage::ReadLimitRows(const AnalogRecord& record)
{
    for (int i = 0; i < 2; ++i) {
        // A reference without its block is no reference.
        m_limitRefs[i].m_bUse = record.refs[i].bUse && record.refs[i].nBlockNumber >= 0;
        m_limitRefs[i].m_nBlockNumber = m_limitRefs[i].m_bUse ? record.refs[i].nBlockNumber : -1;
    }
}

void CAnalogPage::FillLimitReferences(AnalogRecord& record) const
{
    record.nReferences = std::max(record.nReferences, 2);
    for (int i = 0; i < 2; ++i) {
        record.refs[i].bUse = m_limitRefs[i].m_bUse && m_limitRefs[i].m_nBlockNumber >= 0;
        record.refs[i].nBlockNumber = record.refs[i].bUse ? m_limitRefs[i].m_nBlockNumber : -1;
    }
}

void CAnalogPage::CreateLimitRows()
{
    for (int i = 0; i < 2; ++i) {
        m_limitRefs[i].Create(*this, m_pDocument, m_nBlockNumber);
        if (CWnd* pCheck = GetDlgItem(kLimitRows[i].nCheck))
            pCheck->EnableWindow(m_bCanRef);
    }
}

void CAnalogPage::ShowLimitRow(int nRow, BOOL bShown, LPCTSTR lpszCaption, WORD nKey)
{
    const LimitRowIds& ids = kLimitRows[nRow];
    const BOOL bRef = bShown && m_limitRefs[nRow].m_bUse;
    if (lpszCaption)
        SetDlgItemText(ids.nLabel, lpszCaption);
    if (lpszCaption && nKey) {
        const ControlTextKey key = {ids.nLabel, nKey};
        TranslateControls(*this, {&key, 1});
    }
    ShowControls({ids.nLabel}, bShown && !bRef);
    ShowControls({ids.nEdit, ids.nSpin}, bShown && !bRef);
    ShowControls({int(ids.nList)}, bRef);
}

BOOL CAnalogPage::OnLimitRowCommand(int nID, int nCode)
{
    for (int i = 0; i < 2; ++i) {
        CReferenceRow& row = m_limitRefs[i];
        if (nID == kLimitRows[i].nCheck && nCode == BN_CLICKED) {
            row.OnCheckClicked(*this);
            row.ReadChoice();
            OnLimitReferenceChanged();
            SetModified(TRUE);
            return TRUE;
        }
        if (nID == int(kLimitRows[i].nList) && nCode == CBN_SELCHANGE) {
            row.ReadChoice();
            SetModified(TRUE);
            return TRUE;
        }
    }
    return FALSE;
}
