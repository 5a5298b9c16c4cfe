#include "pages/blocks/UpDownCounterPage.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/blocks/PageReferences.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

IMPLEMENT_DYNAMIC(CUpDownCounter, CBlockPage)

static_assert(COUNTER_ON_PARAM == ENCODER_ON_PARAM && COUNTER_OFF_PARAMEX == ENCODER_OFF_PARAMEX &&
                  COUNTER_START_PARAM == ENCODER_START_PARAM,
              "the counter and the encoder keep their values in the same words");

namespace {

// The first input's block number.
constexpr int kFirstInputNumber = 100;

DialogTemplate CounterTemplate()
{
    DialogTemplate t = ParameterPage(IDD_UPDOWN_COUNTER, CSize(220, 168));
    AddBlockNameRow(t);
    t.items.push_back(PageEdit(UINT(IDC_COUNTER_ON), CRect(18, 38, 100, 50)));
    t.items.push_back(PageSpin(UINT(IDC_COUNTER_ON_SPIN), CRect(100, 38, 110, 50)));
    t.items.push_back(PageCheck(UINT(IDC_COUNTER_REF_ON), _T("Reference"), CRect(146, 38, 206, 50)));
    t.items.push_back(PageEdit(UINT(IDC_COUNTER_OFF), CRect(18, 72, 100, 84)));
    t.items.push_back(PageSpin(UINT(IDC_COUNTER_OFF_SPIN), CRect(100, 72, 110, 84)));
    t.items.push_back(PageCheck(UINT(IDC_COUNTER_REF_OFF), _T("Reference"), CRect(146, 72, 206, 84)));
    t.items.push_back(PageLabel(_T("Start Value:"), CRect(10, 98, 60, 108), UINT(IDC_COUNTER_START_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_COUNTER_START), CRect(64, 96, 120, 108)));
    t.items.push_back(PageSpin(UINT(IDC_COUNTER_START_SPIN), CRect(120, 96, 130, 108)));
    t.items.push_back(PageLabel(_T("Source:"), CRect(10, 114, 60, 124), UINT(IDC_COUNTER_SOURCE_LABEL)));
    t.items.push_back(PageCombo(UINT(IDC_COUNTER_SOURCE), CRect(64, 112, 130, 154), {_T("I0 & I1"), _T("I2 & I3")}));
    t.items.push_back(PageCheck(UINT(IDC_RETENTIVITY), _T("Retentivity"), CRect(10, 132, 100, 144)));
    t.items.push_back(PageCheck(UINT(IDC_PROTECTION), _T("Protection Active"), CRect(10, 148, 100, 160)));
    // Frames come after what they hold, which so stays in front of them.
    t.items.push_back(PageGroup(_T("On Threshold"), CRect(10, 24, 210, 56), UINT(IDC_COUNTER_ON_GROUP)));
    t.items.push_back(PageGroup(_T("Off Threshold"), CRect(10, 58, 210, 90), UINT(IDC_COUNTER_OFF_GROUP)));
    return t;
}

struct CounterValues {
    int nProtection;
    int nRetentive;
    int nOn;
    int nOff;
    int nStart;
    int nSource;
    BOOL bUseOn;
    int nRefOn;
    BOOL bUseOff;
    int nRefOff;
};

void WriteCounter(const CounterValues& v, CBlockObj& block)
{
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
    block.m_nParam[BLOCK_RETENTIVE_PARAM] = v.nRetentive;
    block.m_nParam[COUNTER_ON_PARAM] = v.nOn;
    block.m_nParamEx[COUNTER_OFF_PARAMEX] = v.nOff;
    block.m_nParam[COUNTER_START_PARAM] = v.nStart;
    block.m_nParamEx[ENCODER_PAIR_PARAMEX] = v.nSource;
    WriteReference(block, 0, v.bUseOn, v.nRefOn);
    WriteReference(block, 1, v.bUseOff, v.nRefOff);
}

BOOL IsInputOn(const CVetlaDoc& doc, int nNumber)
{
    const CBlockObj* pInput = doc.FindBlockByNumber(nNumber);
    return pInput && pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] != 0;
}

}  // namespace

void ReseedEncoderPair(CBlockObj& encoder, int nNewSource)
{
    const CVetlaDoc* pDoc = AsVetlaDoc(encoder.GetDocument());
    if (!pDoc)
        return;
    const int nFirst = kFirstInputNumber + 2 * (nNewSource ? 1 : 0);
    encoder.m_nPinValue[nNewSource ? 3 : 2] = IsInputOn(*pDoc, nFirst) && IsInputOn(*pDoc, nFirst + 1) ? 1 : 0;
}

CUpDownCounter::CUpDownCounter(int nType)
    : CBlockPage(IDD_UPDOWN_COUNTER, nType),
      m_refOn(IDC_COUNTER_REF_ON, IDC_COUNTER_ON, IDC_COUNTER_REF_ON_COMBO),
      m_refOff(IDC_COUNTER_REF_OFF, IDC_COUNTER_OFF, IDC_COUNTER_REF_OFF_COMBO)
{
    RegisterPageTemplateOnce(IDD_UPDOWN_COUNTER, CounterTemplate);
}

int CUpDownCounter::MinValue(int nType) { return nType == BT_ENCODER ? -COUNTER_VALUE_LIMIT : 0; }

int CUpDownCounter::EditWidth(int nType) { return nType == BT_ENCODER ? 7 : 6; }

void CUpDownCounter::CopyFromBlock(const CBlockObj& block)
{
    m_nOnThreshold = block.m_nParam[COUNTER_ON_PARAM];
    m_nOffThreshold = block.m_nParamEx[COUNTER_OFF_PARAMEX];
    m_nStartValue = block.m_nParam[COUNTER_START_PARAM];
    m_nSource = block.m_nParamEx[ENCODER_PAIR_PARAMEX];
    m_bRetentive = block.m_nParam[BLOCK_RETENTIVE_PARAM];
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nBlockNumber = block.m_nNumber;
    m_bNewGeneration = block.IsNewGeneration();
    ReadReference(block, 0, m_refOn);
    ReadReference(block, 1, m_refOff);
}

void CUpDownCounter::CopyToBlock(CBlockObj& block) const
{
    WriteCounter({m_bProtection, m_bRetentive, m_nOnThreshold, m_nOffThreshold, m_nStartValue, m_nSource,
                  m_refOn.m_bUse, m_refOn.m_nBlockNumber, m_refOff.m_bUse, m_refOff.m_nBlockNumber},
                 block);
}

void CUpDownCounter::AddToApplyRecord(SheetApplyRecord& record)
{
    const CounterValues values{m_bProtection, m_bRetentive, m_nOnThreshold, m_nOffThreshold, m_nStartValue,
                               m_nSource, m_refOn.m_bUse, m_refOn.m_nBlockNumber, m_refOff.m_bUse,
                               m_refOff.m_nBlockNumber};
    record.writers.emplace_back([values](CBlockObj& block) {
        if (block.m_nType == BT_ENCODER && block.m_nParamEx[ENCODER_PAIR_PARAMEX] != values.nSource)
            ReseedEncoderPair(block, values.nSource);
        WriteCounter(values, block);
    });
}

BOOL CUpDownCounter::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    m_refOn.Create(*this, m_pDocument, m_nBlockNumber);
    m_refOff.Create(*this, m_pDocument, m_nBlockNumber);
    SetupControls();
    return TRUE;
}

void CUpDownCounter::SetupControls()
{
    for (int nCheck : {IDC_COUNTER_REF_ON, IDC_COUNTER_REF_OFF})
        EnableReferenceCheck(*this, nCheck, m_pDocument, m_nBlockNumber);
    const struct {
        int nEdit;
        int nSpin;
    } rows[] = {{IDC_COUNTER_ON, IDC_COUNTER_ON_SPIN},
                {IDC_COUNTER_OFF, IDC_COUNTER_OFF_SPIN},
                {IDC_COUNTER_START, IDC_COUNTER_START_SPIN}};
    for (const auto& row : rows) {
        if (auto* pEdit = static_cast<CEdit*>(GetDlgItem(row.nEdit)))
            pEdit->SetLimitText(UINT(EditWidth(m_nType)));
        SetupSpin(*this, row.nSpin, row.nEdit, MinValue(m_nType), COUNTER_VALUE_LIMIT);
        m_hints.AddRange(*this, row.nEdit, MinValue(m_nType), COUNTER_VALUE_LIMIT);
    }
    ShowSpins();
    // The start value is the newer generation's; the input pair only the encoder's.
    const int nShowStart = m_bNewGeneration ? SW_SHOW : SW_HIDE;
    const int nShowSource = m_bNewGeneration && m_nType == BT_ENCODER ? SW_SHOW : SW_HIDE;
    for (int nID : {IDC_COUNTER_START_LABEL, IDC_COUNTER_START, IDC_COUNTER_START_SPIN})
        GetDlgItem(nID)->ShowWindow(nShowStart);
    for (int nID : {IDC_COUNTER_SOURCE_LABEL, IDC_COUNTER_SOURCE})
        GetDlgItem(nID)->ShowWindow(nShowSource);
}

void CUpDownCounter::ShowSpins()
{
    GetDlgItem(IDC_COUNTER_ON_SPIN)->ShowWindow(m_refOn.m_bUse ? SW_HIDE : SW_SHOW);
    GetDlgItem(IDC_COUNTER_OFF_SPIN)->ShowWindow(m_refOff.m_bUse ? SW_HIDE : SW_SHOW);
}

BOOL CUpDownCounter::PreTranslateMessage(MSG* pMsg)
{
    m_hints.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CUpDownCounter::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_RETENTIVITY, m_bRetentive);
    ExchangeChoice(pDX, IDC_COUNTER_SOURCE, m_nSource);
    const int nMin = MinValue(m_nType);
    // A threshold taken from a reference is not read from its hidden edit.
    if (!m_refOn.m_bUse || !pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, IDC_COUNTER_ON, m_nOnThreshold);
        DDV_MinMaxInt(pDX, m_nOnThreshold, nMin, COUNTER_VALUE_LIMIT);
    }
    if (!m_refOff.m_bUse || !pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, IDC_COUNTER_OFF, m_nOffThreshold);
        DDV_MinMaxInt(pDX, m_nOffThreshold, nMin, COUNTER_VALUE_LIMIT);
    }
    // The older generation has no start value to edit; the block keeps its word.
    if (m_bNewGeneration) {
        DDX_Text(pDX, IDC_COUNTER_START, m_nStartValue);
        DDV_MinMaxInt(pDX, m_nStartValue, nMin, COUNTER_VALUE_LIMIT);
    }
    if (pDX->m_bSaveAndValidate) {
        m_refOn.ReadChoice();
        m_refOff.ReadChoice();
    }
}

void CUpDownCounter::OnOK()
{
    if (!m_refOn.m_bUse)
        m_refOn.m_nBlockNumber = -1;
    if (!m_refOff.m_bUse)
        m_refOff.m_nBlockNumber = -1;
    CBlockPage::OnOK();
}

BOOL CUpDownCounter::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    CReferenceRow* pRow = nID == IDC_COUNTER_REF_ON || nID == IDC_COUNTER_REF_ON_COMBO     ? &m_refOn
                          : nID == IDC_COUNTER_REF_OFF || nID == IDC_COUNTER_REF_OFF_COMBO ? &m_refOff
                                                                                            : nullptr;
    if (pRow && nCode == BN_CLICKED) {
        pRow->OnCheckClicked(*this);
        ShowSpins();
    }
    if (pRow && (nCode == BN_CLICKED || nCode == CBN_SELCHANGE))
        pRow->ReadChoice();
    const bool bChange =
        pRow || (nCode == EN_CHANGE && (nID == IDC_COUNTER_ON || nID == IDC_COUNTER_OFF || nID == IDC_COUNTER_START)) ||
        (nCode == CBN_SELCHANGE && nID == IDC_COUNTER_SOURCE) ||
        (nCode == BN_CLICKED && (nID == IDC_PROTECTION || nID == IDC_RETENTIVITY));
    if (bChange)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}
