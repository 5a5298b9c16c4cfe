#include "pages/sheet/CommentPage.h"

#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTemplates.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CComment, CPropertyPage)

CComment::CComment() : CPropertyPage(IDD_COMMENT_PAGE)
{
    RegisterPageTemplates();
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CComment::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CWnd* pEdit = GetDlgItem(IDC_COMMENT_EDIT);
    if (!pEdit)
        return TRUE;
    CRect rect;
    pEdit->GetWindowRect(rect);
    CSize size(m_rcPage.Width() - 25, m_rcPage.Height() - 20);
    if (m_rcPage.IsRectEmpty()) {
        // Widened, the edit keeps the margin on its right that it has on its left: wider, it
        // would run out of the page and hide its right part.
        CRect rcClient;
        GetClientRect(rcClient);
        ScreenToClient(rect);
        size = CSize(std::min(rect.Width() + 120, rcClient.right - 2 * rect.left), rect.Height());
    }
    pEdit->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    return TRUE;
}

void CComment::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_COMMENT_EDIT, m_strComment); }

BOOL CComment::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_COMMENT_EDIT && HIWORD(DWORD(wParam)) == EN_CHANGE) {
        SetModified(TRUE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}
