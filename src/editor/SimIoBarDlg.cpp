#include "editor/SimIoBarDlg.h"

#include "controls/IconButton.h"
#include "controls/IconImages.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSimIoBarDlg, cdxCDynamicBarDlg)

namespace {

constexpr int kButtonWidth = 27;

}  // namespace

CSimIoBarDlg::CSimIoBarDlg(UINT nIDTemplate, int nValueWidth)
    : cdxCDynamicBarDlg(nIDTemplate), m_nValueWidth(nValueWidth)
{
}

CSimIoBarDlg::~CSimIoBarDlg() { ClearControls(); }

const SimBarControl* CSimIoBarDlg::FindControl(int nNumber) const
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [nNumber](const SimBarControl& c) { return c.nNumber == nNumber; });
    return it == m_controls.end() ? nullptr : &*it;
}

CRect CSimIoBarDlg::NextCell(int nWidth) const
{
    CRect rcCollapse(0, 0, 0, 0);
    if (CWnd* pCollapse = GetDlgItem(IDC_BAR_COLLAPSE))
        pCollapse->GetClientRect(rcCollapse);
    const int x = rcCollapse.Width() + m_nValueWidth * m_nValueControls + kButtonWidth * m_nButtonControls;
    return CRect(x, 0, x + nWidth, rcCollapse.Height());
}

CIconButton* CSimIoBarDlg::AddLampButton(int nNumber, const CString& strText, UINT nID)
{
    auto pButton = std::make_unique<CIconButton>();
    pButton->Create(strText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, NextCell(kButtonWidth), this, nID);
    pButton->SetIcon(IDI_LAMP_OFF, 0);
    pButton->SetIconId(IDI_LAMP_OFF);
    CIconButton* pResult = pButton.get();
    m_windows.push_back(std::move(pButton));
    ++m_nButtonControls;
    Register(SimBarControl{nNumber, pResult, nullptr});
    return pResult;
}

CEdit* CSimIoBarDlg::AddValueEdit(int nNumber, const CString& strLabel, DWORD dwEditStyle, UINT nID)
{
    const CRect rcCell = NextCell(m_nValueWidth);
    const int nMiddle = rcCell.top + rcCell.Height() / 2;
    auto pLabel = std::make_unique<CStatic>();
    pLabel->Create(strLabel, WS_CHILD | WS_VISIBLE | SS_CENTER,
                   CRect(rcCell.left, nMiddle, rcCell.right, rcCell.bottom), this, IDC_BAR_LABEL);
    auto pEdit = std::make_unique<CEdit>();
    pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | dwEditStyle,
                  CRect(rcCell.left, rcCell.top, rcCell.right, nMiddle), this, nID);
    CEdit* pResult = pEdit.get();
    const SimBarControl control{nNumber, pResult, pLabel.get()};
    m_windows.push_back(std::move(pLabel));
    m_windows.push_back(std::move(pEdit));
    ++m_nValueControls;
    Register(control);
    return pResult;
}

void CSimIoBarDlg::Register(const SimBarControl& control)
{
    AddSzControl(control.pWnd, cdxNone, cdxNone);
    if (control.pLabel)
        AddSzControl(control.pLabel, cdxNone, cdxNone);
    m_controls.push_back(control);
}

void CSimIoBarDlg::ClearControls()
{
    // Their layout records go with their windows.
    for (const auto& pWnd : m_windows)
        pWnd->DestroyWindow();
    m_controls.clear();
    m_windows.clear();
    m_nValueControls = 0;
    m_nButtonControls = 0;
}
