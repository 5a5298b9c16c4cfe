#include "editor/OutputsBarDlg.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "controls/IconButton.h"
#include "controls/IconImages.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(COutputsBarDlg, cdxCDynamicBarDlg)
IMPLEMENT_DYNAMIC(COutputsBar, cdxCDynamicBar)

BEGIN_MESSAGE_MAP(COutputsBarDlg, cdxCDynamicBarDlg)
END_MESSAGE_MAP()

namespace {

constexpr int kButtonWidth = 27;
constexpr int kValueWidth = 86;

bool IsAnalogOutput(int nNumber) { return nNumber >= 4230 && nNumber <= 4261; }

} // namespace

COutputsBarDlg::COutputsBarDlg(CChildFrame* pFrame) : cdxCDynamicBarDlg(IDD_OUTPUTS_BAR), m_pFrame(pFrame) {}

COutputsBarDlg::~COutputsBarDlg() = default;

std::vector<int> COutputsBarDlg::CollectOutputs(const CVetlaDoc& doc)
{
    std::vector<int> digital, analog;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        const int n = pBlock->m_nNumber;
        if (pBlock->m_nType == BT_OUT && n >= 600 && n <= 607)
            digital.push_back(n);
        else if (pBlock->m_nType == BT_ANALOG_OUT && n >= 4230 && n <= 4233)
            analog.push_back(n);
    }
    std::sort(digital.begin(), digital.end());
    std::sort(analog.begin(), analog.end());
    digital.insert(digital.end(), analog.begin(), analog.end());
    return digital;
}

BOOL COutputsBarDlg::OnInitDialog()
{
    cdxCDynamicBarDlg::OnInitDialog();
    CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
    if (pView && pView->GetDocument()) {
        for (int nNumber : CollectOutputs(*pView->GetDocument()))
            AddOutputControl(nNumber);
    }
    return TRUE;
}

void COutputsBarDlg::AddOutputControl(int nNumber)
{
    CRect rcCollapse(0, 0, 0, 0);
    if (CWnd* pCollapse = GetDlgItem(IDC_BAR_COLLAPSE))
        pCollapse->GetClientRect(rcCollapse);
    const int x = rcCollapse.Width() + kButtonWidth * m_nButtonControls + kValueWidth * m_nValueControls;
    const int nHeight = rcCollapse.Height();
    SimBarControl control;
    control.nNumber = nNumber;
    CString strLabel;
    if (!IsAnalogOutput(nNumber)) {
        strLabel.Format(_T("Q%d"), nNumber - 600);
        auto pButton = std::make_unique<CIconButton>();
        pButton->Create(strLabel, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(x, 0, x + kButtonWidth, nHeight), this,
                        IDC_BAR_OUTPUT);
        pButton->SetIcon(IDI_LAMP_OFF, 0);
        pButton->SetIconId(IDI_LAMP_OFF);
        control.pWnd = pButton.get();
        m_windows.push_back(std::move(pButton));
        ++m_nButtonControls;
    } else {
        strLabel.Format(_T("AQ%d"), nNumber - 4230);
        auto pLabel = std::make_unique<CStatic>();
        pLabel->Create(strLabel, WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(x, nHeight / 2, x + kValueWidth, nHeight), this,
                       IDC_BAR_LABEL);
        auto pEdit = std::make_unique<CEdit>();
        pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, CRect(x, 0, x + kValueWidth, nHeight / 2), this,
                      IDC_BAR_ANALOG_OUTPUT);
        pEdit->SetWindowText(_T("0"));
        control.pWnd = pEdit.get();
        control.pLabel = pLabel.get();
        m_windows.push_back(std::move(pLabel));
        m_windows.push_back(std::move(pEdit));
        ++m_nValueControls;
    }
    AddSzControl(control.pWnd, cdxNone, cdxNone);
    if (control.pLabel)
        AddSzControl(control.pLabel, cdxNone, cdxNone);
    m_controls.push_back(control);
}

const SimBarControl* COutputsBarDlg::FindControl(int nNumber) const
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [nNumber](const SimBarControl& c) { return c.nNumber == nNumber; });
    return it == m_controls.end() ? nullptr : &*it;
}

void COutputsBarDlg::RefreshOutputs(CBlockObj* pBlock)
{
    const SimBarControl* pControl = pBlock ? FindControl(pBlock->m_nNumber) : nullptr;
    if (!pControl)
        return;
    if (auto* pButton = dynamic_cast<CIconButton*>(pControl->pWnd)) {
        const int nIcon = pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? IDI_LAMP_ON : IDI_LAMP_OFF;
        pButton->SetIcon(nIcon, 0);
        pButton->SetIconId(nIcon);
    } else {
        CString strValue;
        strValue.Format(_T("%d"), pBlock->m_nAux2);
        pControl->pWnd->SetWindowText(strValue);
    }
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
