#include "pages/sheet/BlockSheetBase.h"

#include "pages/sheet/SheetHost.h"
#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CBlockSheetBase, CPropertySheet)

CBlockSheetBase::CBlockSheetBase(LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage)
    : CPropertySheet(pszCaption, pHost ? pHost->GetSheetParent() : nullptr, iSelectPage),
      m_bModeless(pHost && pHost->IsSheetSimulating())
{
    m_psh.dwFlags |= PSH_HASHELP;
    if (!m_bModeless)
        m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

BOOL CBlockSheetBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (nID == IDHELP) {
        OnHelpButton();
        return TRUE;
    }
    if (!m_bModeless)
        return CPropertySheet::OnCommand(wParam, lParam);
    switch (nID) {
    case IDOK:
        // A refused value keeps the sheet open with the user's edits.
        if (OnApplyNow())
            DestroyWindow();
        return TRUE;
    case ID_APPLY_NOW:
        OnApplyNow();
        return TRUE;
    case IDCANCEL:
        DestroyWindow();
        return TRUE;
    default:
        return CPropertySheet::OnCommand(wParam, lParam);
    }
}

BOOL CBlockSheetBase::PreTranslateMessage(MSG* pMsg)
{
    if (m_bModeless && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        DestroyWindow();
        return TRUE;
    }
    return CPropertySheet::PreTranslateMessage(pMsg);
}
