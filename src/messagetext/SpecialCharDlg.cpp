#include "messagetext/SpecialCharDlg.h"

#include "messagetext/MessageTextIds.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CSpecialCharDlg, CDialog)

BEGIN_MESSAGE_MAP(CSpecialCharDlg, CDialog)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr TCHAR kSpecialChars[SPECIAL_CHAR_COUNT] = {0x20AC, 0x2109, 0x2103, 0x25BA, 0x25C4,
                                                     0x25BC, 0x25B2, 0x00B1, 0x2551, 0x25A0};

}  // namespace

TCHAR SpecialCharOfButton(int i) { return i >= 0 && i < SPECIAL_CHAR_COUNT ? kSpecialChars[i] : 0; }

CSpecialCharDlg::CSpecialCharDlg(ISpecialCharTarget* pTarget, CWnd* pGridWnd)
    : m_pTarget(pTarget), m_pGridWnd(pGridWnd)
{
    RegisterMessageTextTemplates();
}

BOOL CSpecialCharDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pGridWnd) {
        CRect rcGrid;
        m_pGridWnd->GetWindowRect(rcGrid);
        SetWindowPos(nullptr, rcGrid.left, rcGrid.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (int i = 0; i < SPECIAL_CHAR_COUNT; ++i)
        GetDlgItem(IDC_SPECIAL_FIRST + i)->SetWindowText(CString(kSpecialChars[i]));
    return TRUE;
}

BOOL CSpecialCharDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) == BN_CLICKED && nID >= IDC_SPECIAL_FIRST && nID < IDC_SPECIAL_FIRST + SPECIAL_CHAR_COUNT) {
        m_pTarget->CloseSpecialCharPalette(kSpecialChars[nID - IDC_SPECIAL_FIRST]);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CSpecialCharDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    m_pTarget->CloseSpecialCharPalette(0);
}
