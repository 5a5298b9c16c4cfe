// The window-position store of the resizable dialogs: a named dialog leaves its place, state and
// visibility in the profile section "WindowPositions\<name>" when it goes, and takes them back
// when it starts again. "(valid)" is written 0 first and 1 last, so that a store cut short is
// never read back as a place.
#include "controls/ResizableDialog.h"

#include "platform/ui/WinApp.h"
#include "platform/ui/WindowPlacement.h"

namespace {

constexpr LPCTSTR kValid = _T("(valid)");
constexpr LPCTSTR kVisibility = _T("Visibility");
constexpr LPCTSTR kState = _T("State");

// The profile is only written for an application that named its settings key, as the store of
// the bars does.
CWinApp* ProfileApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp && !pApp->m_pszRegistryKey.IsEmpty() ? pApp : nullptr;
}

// The window's rectangle as its parent places it (the screen for a window without one).
CRect NormalRect(const CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(rc);
    if (const CWnd* pParent = wnd.GetParent())
        pParent->ScreenToClient(rc);
    return rc;
}

}  // namespace

CString cdxCDynamicDialog::PositionSection() const
{
    if (m_strPositionName.IsEmpty())
        return CString();
    return CString(_T("WindowPositions\\")) + m_strPositionName;
}

void cdxCDynamicDialog::OnInitialized()
{
    const CString strSection = PositionSection();
    if (!RestoreWindowPosition(strSection, rflgAll)) {
        CenterWindow();
        StretchWindow(10);
    }
}

void cdxCDynamicDialog::OnDestroying()
{
    const CString strSection = PositionSection();
    if (!strSection.IsEmpty() && m_hWnd)
        StoreWindowPosition(strSection);
}

BOOL cdxCDynamicDialog::StoreWindowPosition(const CString& strSection)
{
    CWinApp* pApp = ProfileApp();
    if (!pApp)
        return FALSE;
    const CRect rc = NormalRect(*this);
    const int nState = IsIconic() ? 0 : IsZoomed() ? 1 : -1;
    const struct {
        LPCTSTR lpszEntry;
        int nValue;
    } entries[] = {{kValid, 0},          {_T("Left"), rc.left},
                   {_T("Right"), rc.right}, {_T("Top"), rc.top},
                   {_T("Bottom"), rc.bottom}, {kVisibility, IsWindowVisible() ? 1 : 0},
                   {kState, nState},      {kValid, 1}};
    for (const auto& entry : entries) {
        if (!pApp->WriteProfileInt(strSection, entry.lpszEntry, entry.nValue))
            return FALSE;
    }
    return TRUE;
}

BOOL cdxCDynamicDialog::RestoreWindowPosition(const CString& strSection, UINT nFlags)
{
    CWinApp* pApp = ProfileApp();
    if (!m_hWnd || strSection.IsEmpty() || !pApp || int(pApp->GetProfileInt(strSection, kValid, 0)) != 1)
        return FALSE;
    const int nState = int(pApp->GetProfileInt(strSection, kState, -1));
    const CRect rcNow = NormalRect(*this);
    CRect rc(int(pApp->GetProfileInt(strSection, _T("Left"), rcNow.left)),
             int(pApp->GetProfileInt(strSection, _T("Top"), rcNow.top)),
             int(pApp->GetProfileInt(strSection, _T("Right"), rcNow.right)),
             int(pApp->GetProfileInt(strSection, _T("Bottom"), rcNow.bottom)));
    // A damaged profile must not put the dialog off every screen (or outside its bar).
    CRect rcArea = AfxGetScreenArea();
    CRect rcParent;
    if ((GetStyle() & WS_CHILD) && GetParent()) {
        GetParent()->GetClientRect(rcParent);
        if (!rcParent.IsRectEmpty())
            rcArea = rcParent;
    }
    rc = AfxKeepInside(rc, rcArea);
    const bool bApplyState = (nFlags & rflgState) && (nState == 0 || nState == 1);
    MoveWindow(rc, !bApplyState);
    if (bApplyState)
        ShowWindow(nState == 1 ? SW_SHOWMAXIMIZED : SW_SHOWMINIMIZED);
    // A dialog inside a bar is shown and hidden with its bar; taking back the visibility it had
    // when the bar was last hidden would leave the bar empty in the next simulation.
    if ((nFlags & rflgVisibility) && !(GetStyle() & WS_CHILD)) {
        const int nVisible = int(pApp->GetProfileInt(strSection, kVisibility, -1));
        if (nVisible == 0 || nVisible == 1)
            ShowWindow(nVisible ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

void cdxCDynamicDialog::StretchWindow(int nPercent)
{
    CRect rcWindow, rcClient;
    GetWindowRect(rcWindow);
    GetClientRect(rcClient);
    const CSize szBorder = rcWindow.Size() - rcClient.Size();
    const CSize szGrow((rcClient.Width() + szBorder.cx) * nPercent / 100,
                       (rcClient.Height() + szBorder.cy) * nPercent / 100);
    CRect rc = NormalRect(*this);
    rc.left -= szGrow.cx / 2;
    rc.top -= szGrow.cy / 2;
    rc.right += szGrow.cx - szGrow.cx / 2;
    rc.bottom += szGrow.cy - szGrow.cy / 2;
    if (!rc.IsRectEmpty())
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
