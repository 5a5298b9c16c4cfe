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

IMPLEMENT_DYNAMIC(COutputsBarDlg, CSimIoBarDlg)
IMPLEMENT_DYNAMIC(COutputsBar, cdxCDynamicBar)

BEGIN_MESSAGE_MAP(COutputsBarDlg, CSimIoBarDlg)
END_MESSAGE_MAP()

namespace {

constexpr int kValueWidth = 86;

bool IsAnalogOutput(int nNumber) { return nNumber >= 4230 && nNumber <= 4261; }

} // namespace

COutputsBarDlg::COutputsBarDlg(CChildFrame* pFrame) : CSimIoBarDlg(IDD_OUTPUTS_BAR, kValueWidth), m_pFrame(pFrame) {}

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

void COutputsBarDlg::RebuildControls()
{
    ClearControls();
    CVetlaView* pView = m_pFrame ? m_pFrame->GetActiveView() : nullptr;
    if (!m_hWnd || !pView || !pView->GetDocument())
        return;
    for (int nNumber : CollectOutputs(*pView->GetDocument())) {
        AddOutputControl(nNumber);
        if (CBlockObj* pBlock = pView->GetDocument()->FindBlockByNumber(nNumber))
            RefreshOutputs(pBlock);
    }
}

void COutputsBarDlg::AddOutputControl(int nNumber)
{
    CString strLabel;
    if (!IsAnalogOutput(nNumber)) {
        strLabel.Format(_T("Q%d"), nNumber - 600);
        AddLampButton(nNumber, strLabel, IDC_BAR_OUTPUT);
        return;
    }
    strLabel.Format(_T("AQ%d"), nNumber - 4230);
    AddValueEdit(nNumber, strLabel, ES_READONLY, IDC_BAR_ANALOG_OUTPUT)->SetWindowText(_T("0"));
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
        strValue.Format(_T("%d"), pBlock->m_nHeldValue);
        pControl->pWnd->SetWindowText(strValue);
    }
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
