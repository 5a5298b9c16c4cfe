#include "pages/sheet/InsComments.h"

#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTemplates.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CInsComments, CPropertyPage)
IMPLEMENT_DYNAMIC(CInsCommentsPropSh, CPropertySheet)

BEGIN_MESSAGE_MAP(CInsComments, CPropertyPage)
    ON_BN_CLICKED(IDC_FONT_BUTTON, OnFont)
END_MESSAGE_MAP()

namespace {

// A box is never narrower than its default text.
constexpr LPCTSTR kMinimumText = _T("Comment");

}  // namespace

CInsComments::CInsComments() : CPropertyPage(IDD_INS_COMMENTS)
{
    RegisterPageTemplates();
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CInsComments::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CWnd* pEdit = GetDlgItem(IDC_COMMENT_EDIT)) {
        CRect rect;
        pEdit->GetWindowRect(rect);
        pEdit->SetWindowPos(nullptr, 0, 0, rect.Width() + 40, rect.Height(),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    m_lfWork = m_lf;
    m_crWork = m_crText;
    return TRUE;
}

void CInsComments::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_COMMENT_EDIT, m_strText); }

void CInsComments::OnFont()
{
    CFontDialog dlg(&m_lfWork, CF_SCREENFONTS | CF_EFFECTS, nullptr, nullptr);
    dlg.m_cf.rgbColors = m_crWork;
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetCurrentFont(&m_lfWork);
    m_crWork = dlg.GetColor();
}

CSize CInsComments::MeasureText(const CString& strText, const LOGFONT& lf, int nLines)
{
    CDC dc;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = dc.SelectObject(&font);
    const int nLineHeight = dc.GetTextExtent(strText).cy;
    int nWidth = dc.GetTextExtent(CString(kMinimumText)).cx;
    CString strRest = strText;
    for (int i = 0; i < nLines; ++i) {
        const int nBreak = strRest.Find(_T("\r\n"));
        const CString strLine = nBreak >= 0 ? strRest.Left(nBreak) : strRest;
        nWidth = std::max(nWidth, int(dc.GetTextExtent(strLine).cx));
        if (nBreak < 0)
            break;
        strRest = strRest.Mid(nBreak + 2);
    }
    dc.SelectObject(pOldFont);
    return CSize(nWidth, nLineHeight * nLines);
}

void CInsComments::OnOK()
{
    m_crText = m_crWork;
    m_lf = m_lfWork;
    auto* pEdit = static_cast<CEdit*>(GetDlgItem(IDC_COMMENT_EDIT));
    m_nLines = pEdit ? pEdit->GetLineCount() : 1;
    m_size = MeasureText(m_strText, m_lf, m_nLines);
    CPropertyPage::OnOK();
}

// Escape goes to the page's own window first, so that the sheet sees it as a Cancel.
BOOL CInsComments::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        pMsg->hwnd = m_hWnd;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

CInsCommentsPropSh::CInsCommentsPropSh(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    AddPage(&m_page);
    m_psh.dwFlags |= PSH_HASHELP;
}

BOOL CInsCommentsPropSh::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    if (CWnd* pApply = GetDlgItem(ID_APPLY_NOW))
        pApply->ShowWindow(SW_HIDE);
    if (CWnd* pHelp = GetDlgItem(IDHELP))
        pHelp->EnableWindow(TRUE);
    const std::pair<int, LPCTSTR> texts[] = {{IDOK, _T("OK")}, {IDCANCEL, _T("Cancel")}, {IDHELP, _T("Help")}};
    for (const auto& [nID, lpszText] : texts) {
        if (CWnd* pButton = GetDlgItem(nID))
            pButton->SetWindowText(lpszText);
    }
    // OK and Cancel take the places the hidden Apply and the Help button leave.
    for (int nID : {IDOK, IDCANCEL}) {
        CWnd* pButton = GetDlgItem(nID);
        CRect rect;
        pButton->GetWindowRect(rect);
        ScreenToClient(rect);
        pButton->SetWindowPos(nullptr, rect.right + 6, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return bResult;
}

// The Help button is shown and does nothing: comment boxes have no help topic.
BOOL CInsCommentsPropSh::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDHELP)
        return TRUE;
    return CPropertySheet::OnCommand(wParam, lParam);
}
