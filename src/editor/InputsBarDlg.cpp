#include "editor/InputsBarDlg.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockTypes.h"
#include "controls/IconButton.h"
#include "controls/IconImages.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CInputsBarDlg, CSimIoBarDlg)
IMPLEMENT_DYNAMIC(CInputsBar, cdxCDynamicBar)

BEGIN_MESSAGE_MAP(CInputsBarDlg, CSimIoBarDlg)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr int kValueWidth = 57;
constexpr UINT_PTR kTypingTimer = 1;

struct InputRange {
    int nFirst;
    int nLast;
    LPCTSTR lpszPrefix;
};
// The numbers of the inputs the bar shows, in the order it shows them.
constexpr InputRange kAnalogInputs{4000, 4007, _T("AI")};
constexpr InputRange kFunctionKeys{1300, 1304, _T("F")};
constexpr InputRange kDigitalInputs{100, 115, _T("I")};

bool IsFunctionKey(int nNumber) { return nNumber >= 1300 && nNumber < 1400; }
bool IsAnalog(int nNumber) { return nNumber >= 4000 && nNumber < 4100; }

CString InputLabel(int nNumber)
{
    CString str;
    if (IsAnalog(nNumber))
        str.Format(_T("AI%d"), nNumber - 4000);
    else if (IsFunctionKey(nNumber))
        str.Format(_T("F%d"), nNumber - 1300);
    else
        str.Format(_T("I%d"), nNumber - 100);
    return str;
}

// The edit takes digits only (five at most); anything else ends the number.
int ParseValue(const CString& strText)
{
    int nValue = 0;
    for (int i = 0; i < strText.GetLength() && strText[i] >= '0' && strText[i] <= '9'; ++i)
        nValue = nValue * 10 + (strText[i] - '0');
    return nValue;
}

} // namespace

CInputsBarDlg::CInputsBarDlg(CChildFrame* pFrame) : CSimIoBarDlg(IDD_INPUTS_BAR, kValueWidth), m_pFrame(pFrame) {}

CInputsBarDlg::~CInputsBarDlg() = default;

std::vector<int> CInputsBarDlg::CollectInputs(const CVetlaDoc& doc)
{
    std::vector<int> analog, keys, digital;
    auto add = [](std::vector<int>& list, int nNumber) {
        if (std::find(list.begin(), list.end(), nNumber) == list.end())
            list.push_back(nNumber);
    };
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (doc.IsLadder()) {
            if (!dynamic_cast<const CBlockMake*>(pBlock) && !dynamic_cast<const CBlockAContact*>(pBlock))
                continue;
            const int n = pBlock->m_nOperand;
            if (n >= kDigitalInputs.nFirst && n <= kDigitalInputs.nLast)
                add(digital, n);
            else if (n >= kFunctionKeys.nFirst && n <= kFunctionKeys.nLast)
                add(keys, n);
            else if (n >= kAnalogInputs.nFirst && n <= kAnalogInputs.nLast)
                add(analog, n);
            continue;
        }
        const int n = pBlock->m_nNumber;
        if (pBlock->m_nType == BT_IN && n >= kDigitalInputs.nFirst && n <= kDigitalInputs.nLast)
            add(digital, n);
        else if (pBlock->m_nType == BT_ANALOG_IN && n >= kAnalogInputs.nFirst && n <= kAnalogInputs.nLast)
            add(analog, n);
        else if (pBlock->m_nType == BT_FKEY)
            add(keys, n);
    }
    std::vector<int> all;
    for (std::vector<int>* pList : {&analog, &keys, &digital}) {
        std::sort(pList->begin(), pList->end());
        all.insert(all.end(), pList->begin(), pList->end());
    }
    return all;
}

BOOL CInputsBarDlg::OnInitDialog()
{
    cdxCDynamicBarDlg::OnInitDialog();
    RebuildControls();
    return TRUE;
}

CVetlaDoc* CInputsBarDlg::GetDocument() const
{
    CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
    return pView ? pView->GetDocument() : nullptr;
}

int CInputsBarDlg::InputMode(const CBlockObj* pBlock) const
{
    const CVetlaDoc* pDoc = GetDocument();
    return pBlock && pDoc ? SimulatedInputMode(*pDoc, *pBlock) : SIM_INPUT_SWITCH;
}

// In a ladder diagram an input is no block of its own: the first contact on that operand (a make
// or break contact, or an analog contact for an analog input) stands for all of them, as it
// does when the bar is built.
CBlockObj* CInputsBarDlg::FindBlock(int nNumber) const
{
    CVetlaDoc* pDoc = GetDocument();
    if (!pDoc)
        return nullptr;
    if (!pDoc->IsLadder())
        return pDoc->FindBlockByNumber(nNumber);
    const std::vector<CBlockObj*> contacts = ContactsOn(*pDoc, nNumber);
    return contacts.empty() ? nullptr : contacts.front();
}

std::vector<CBlockObj*> CInputsBarDlg::ContactsOn(CVetlaDoc& doc, int nNumber)
{
    const CRuntimeClass* pClass = IsAnalog(nNumber) ? RUNTIME_CLASS(CBlockAContact) : RUNTIME_CLASS(CBlockMake);
    std::vector<CBlockObj*> contacts;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (pBlock && pBlock->IsKindOf(pClass) && pBlock->m_nOperand == nNumber)
            contacts.push_back(pBlock);
    }
    return contacts;
}

void CInputsBarDlg::RebuildControls()
{
    m_typedNumbers.clear();
    ClearControls();
    CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
    if (!m_hWnd || !pView || !pView->GetDocument())
        return;
    for (int nNumber : CollectInputs(*pView->GetDocument()))
        AddInputControl(nNumber);
    for (const SimBarControl& control : m_controls) {
        if (CBlockObj* pBlock = FindBlock(control.nNumber))
            RefreshInputs(pBlock);
    }
}

void CInputsBarDlg::AddInputControl(int nNumber)
{
    const CBlockObj* pBlock = FindBlock(nNumber);
    const UINT nID = IsAnalog(nNumber) ? IDC_BAR_ANALOG_INPUT : IsFunctionKey(nNumber) ? IDC_BAR_FKEY : IDC_BAR_INPUT;
    if (!IsAnalog(nNumber) && InputMode(pBlock) != SIM_INPUT_FREQUENCY) {
        AddLampButton(nNumber, InputLabel(nNumber), nID)->SetFlat(TRUE);
        return;
    }
    CEdit* pEdit = AddValueEdit(nNumber, InputLabel(nNumber), ES_NUMBER, nID);
    pEdit->SetLimitText(5);
    CString strValue;
    strValue.Format(_T("%d"), pBlock ? pBlock->m_nAux[INPUT_SIM_VALUE_AUX] : 0);
    ShowValue(*pEdit, strValue);
}

// The edit tells of the text set here as of typing; the bar shows a value, nobody typed it.
void CInputsBarDlg::ShowValue(CWnd& edit, const CString& strValue)
{
    m_bShowingValue = true;
    edit.SetWindowText(strValue);
    m_bShowingValue = false;
}

BOOL CInputsBarDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nCode = HIWORD(DWORD(wParam));
    const CWnd* pSender = WndFromParam(lParam);
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [pSender](const SimBarControl& c) { return c.pWnd == pSender; });
    if (pSender && it != m_controls.end()) {
        if (nCode == BN_CLICKED)
            OnInputButton(*it);
        else if (nCode == EN_UPDATE && !m_bShowingValue)
            OnValueTyped(*it);
        else if (nCode == EN_KILLFOCUS)
            ApplyTypedValue(*it);
        return TRUE;
    }
    return cdxCDynamicBarDlg::OnCommand(wParam, lParam);
}

void CInputsBarDlg::OnInputButton(const SimBarControl& control)
{
    auto* pButton = dynamic_cast<CIconButton*>(control.pWnd);
    CBlockObj* pBlock = FindBlock(control.nNumber);
    if (!pButton || !pBlock || InputMode(pBlock) != SIM_INPUT_SWITCH)
        return;
    if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake))) {
        // Every contact of the operand switches, as a click on one in the diagram does.
        ToggleSimulatedInput(*GetDocument(), *pBlock);
        RefreshInputs(pBlock);
        InvalidateView();
        return;
    }
    const int nState = pButton->GetIconId() == IDI_LAMP_OFF ? 1 : 0;
    pButton->SetIcon(nState ? IDI_LAMP_ON : IDI_LAMP_OFF, 0);
    pButton->SetIconId(nState ? IDI_LAMP_ON : IDI_LAMP_OFF);
    pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
    Redraw();
}

BOOL CInputsBarDlg::PressMomentary(CWnd* pWnd, BOOL bDown)
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [pWnd](const SimBarControl& c) { return c.pWnd == pWnd; });
    auto* pButton = it == m_controls.end() ? nullptr : dynamic_cast<CIconButton*>(it->pWnd);
    CBlockObj* pBlock = pButton ? FindBlock(it->nNumber) : nullptr;
    if (!pBlock || !HoldMomentaryInput(*GetDocument(), *pBlock, bDown))
        return FALSE;
    RefreshInputs(pBlock);
    if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)))
        InvalidateView();
    return TRUE;
}

BOOL CInputsBarDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        const auto it = std::find_if(m_controls.begin(), m_controls.end(), [pMsg](const SimBarControl& c) {
            return c.pWnd->m_hWnd == pMsg->hwnd && c.pLabel;
        });
        if (it != m_controls.end()) {
            ApplyTypedValue(*it);
            return TRUE;
        }
    }
    if ((pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP) && pMsg->hwnd &&
        PressMomentary(pMsg->hwnd, pMsg->message == WM_LBUTTONDOWN))
        return TRUE;
    return cdxCDynamicBarDlg::PreTranslateMessage(pMsg);
}

void CInputsBarDlg::OnValueTyped(const SimBarControl& control)
{
    if (std::find(m_typedNumbers.begin(), m_typedNumbers.end(), control.nNumber) == m_typedNumbers.end())
        m_typedNumbers.push_back(control.nNumber);
    if (m_hWnd)
        SetTimer(kTypingTimer, TYPING_PAUSE_MS, nullptr);
}

void CInputsBarDlg::ApplyTypedValue(const SimBarControl& control)
{
    const auto it = std::find(m_typedNumbers.begin(), m_typedNumbers.end(), control.nNumber);
    if (it == m_typedNumbers.end())
        return;
    m_typedNumbers.erase(it);
    if (m_typedNumbers.empty() && m_hWnd)
        KillTimer(kTypingTimer);
    OnValueEdit(control);
}

void CInputsBarDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTypingTimer) {
        CSimIoBarDlg::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kTypingTimer);
    const std::vector<int> typed = std::exchange(m_typedNumbers, {});
    for (int nNumber : typed) {
        if (const SimBarControl* pControl = FindControl(nNumber))
            OnValueEdit(*pControl);
    }
}

void CInputsBarDlg::OnValueEdit(const SimBarControl& control)
{
    CBlockObj* pBlock = FindBlock(control.nNumber);
    if (!pBlock)
        return;
    CString strText;
    control.pWnd->GetWindowText(strText);
    const int nValue = ParseValue(strText);
    // A contact's value is its operand's, as the value popup keeps it.
    if (IsAnyOf(*pBlock, {RUNTIME_CLASS(CBlockAContact), RUNTIME_CLASS(CBlockMake)})) {
        SetAnalogOperand(pBlock->m_nOperand, nValue);
        RefreshInputs(pBlock);
        return;
    }
    if (nValue == pBlock->m_nAux[INPUT_SIM_VALUE_AUX])
        return;
    pBlock->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
    if (auto* pIn = dynamic_cast<CBlockIn*>(pBlock))
        pIn->m_nShownValue = nValue;
    else if (auto* pKey = dynamic_cast<CBlockFKey*>(pBlock))
        pKey->m_nShownValue = nValue;
    else if (auto* pAnalog = dynamic_cast<CBlockAnalogIn*>(pBlock))
        pAnalog->m_nShownValue = nValue;
    // A value typed past the input's range is held to it, as the page and the slider hold it.
    if (CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr)
        pView->UpdateSimInputSettings(pBlock);
}

// A ladder's analog input, or a digital one in frequency mode, is its operand: the operand's
// record and every contact on it take the value, each held to its range and passing it on as the
// slider's value does.
void CInputsBarDlg::SetAnalogOperand(int nOperand, int nValue)
{
    CVetlaDoc* pDoc = GetDocument();
    CVetlaView* pView = m_pFrame->GetActiveView();
    if (!pDoc || !pView)
        return;
    OperandSimRecord record;
    if (pDoc->m_mapOperandSim.Lookup(nOperand, record) && record.nValue == nValue)
        return;
    CAnalogSliderDlg::StoreOperandValue(*pDoc, nOperand, nValue);
    for (CBlockObj* pContact : ContactsOn(*pDoc, nOperand)) {
        pContact->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
        pView->UpdateSimInputSettings(pContact);
    }
    if (pView->m_hWnd)
        pView->Invalidate(FALSE);
}

void CInputsBarDlg::RefreshInputs(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    const int nNumber = dynamic_cast<const CBlockMake*>(pBlock) || dynamic_cast<const CBlockAContact*>(pBlock)
                            ? pBlock->m_nOperand
                            : pBlock->m_nNumber;
    const SimBarControl* pControl = FindControl(nNumber);
    if (!pControl)
        return;
    if (auto* pButton = dynamic_cast<CIconButton*>(pControl->pWnd)) {
        // A contact's lamp shows its operand's switch, not the power that passes the contact.
        const CBlockObj* pContact = pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)) ? FindBlock(nNumber) : nullptr;
        const int nState = pContact ? ContactOperandState(*pContact) : pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT];
        const int nIcon = nState == 1 ? IDI_LAMP_ON : IDI_LAMP_OFF;
        if (pButton->GetIconId() != nIcon) {
            pButton->SetIcon(nIcon, 0);
            pButton->SetIconId(nIcon);
        }
    } else {
        CString strValue;
        strValue.Format(_T("%d"), pBlock->m_nAux[INPUT_SIM_VALUE_AUX]);
        CString strShown;
        pControl->pWnd->GetWindowText(strShown);
        if (strShown != strValue)
            ShowValue(*pControl->pWnd, strValue);
    }
    Redraw();
}

void CInputsBarDlg::InvalidateView()
{
    if (CVetlaView* pView = m_pFrame->GetActiveView(); pView && pView->m_hWnd)
        pView->Invalidate(FALSE);
}

void CInputsBarDlg::Redraw()
{
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
