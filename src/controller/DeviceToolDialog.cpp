#include "controller/DeviceToolDialog.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/Msg.h"
#include "platform/ui/WndMessageMap.h"

namespace {

constexpr UINT kCloseLaterMessage = WM_APP + 19;

}  // namespace

IMPLEMENT_DYNAMIC(CDeviceToolDialog, CDialog)

BEGIN_MESSAGE_MAP(CDeviceToolDialog, CDialog)
    ON_MESSAGE(kCloseLaterMessage, OnCloseLater)
END_MESSAGE_MAP()

BOOL CDeviceToolDialog::CreateTool(CWnd* pParentWnd)
{
    if (m_hWnd && !m_bClosing)
        return TRUE;
    if (m_hWnd)
        DestroyWindow();
    m_bClosing = FALSE;
    RegisterTemplate();
    return CDialog::Create(m_nIDTemplate, pParentWnd);
}

void CDeviceToolDialog::ShowFirstLineForUnoffered(std::initializer_list<UINT> lists)
{
    for (UINT nID : lists) {
        auto* pList = dynamic_cast<CComboBox*>(GetDlgItem(int(nID)));
        if (pList && pList->GetCurSel() < 0 && pList->GetCount() > 0)
            pList->SetCurSel(0);
    }
}

void CDeviceToolDialog::CloseLater()
{
    m_bClosing = TRUE;
    ShowWindow(SW_HIDE);
    PostMessage(kCloseLaterMessage);
}

LRESULT CDeviceToolDialog::OnCloseLater(WPARAM, LPARAM)
{
    // Opened again before the queue came here: that window stays.
    if (m_bClosing) {
        m_bClosing = FALSE;
        DestroyWindow();
    }
    return 0;
}
