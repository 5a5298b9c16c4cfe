#include "platform/ui/Button.h"

#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CButton, CControlWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID)
{
    return CWnd::Create(WC_BUTTON, lpszCaption, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

bool CButton::IsCheckBox() const
{
    const UINT nType = ButtonType();
    return nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_3STATE ||
           nType == BS_AUTO3STATE;
}

bool CButton::IsRadio() const
{
    return ButtonType() == BS_RADIOBUTTON || ButtonType() == BS_AUTORADIOBUTTON;
}

std::vector<CButton*> CButton::RadioGroup()
{
    // A group runs from a window with WS_GROUP up to (not including) the next one.
    CWnd* pFirst = this;
    while (!(pFirst->GetStyle() & WS_GROUP)) {
        CWnd* pPrev = pFirst->GetWindow(GW_HWNDPREV);
        if (!pPrev)
            break;
        pFirst = pPrev;
    }
    std::vector<CButton*> group;
    for (CWnd* pWnd = pFirst; pWnd; pWnd = pWnd->GetWindow(GW_HWNDNEXT)) {
        if (pWnd != pFirst && (pWnd->GetStyle() & WS_GROUP))
            break;
        auto* pButton = dynamic_cast<CButton*>(pWnd);
        if (pButton && pButton->ButtonType() == BS_AUTORADIOBUTTON)
            group.push_back(pButton);
    }
    return group;
}

UINT CButton::DialogCode() const
{
    switch (ButtonType()) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_USERBUTTON:
    case BS_OWNERDRAW:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_GETCHECK:
        return (IsCheckBox() || IsRadio()) ? m_nCheck : BST_UNCHECKED;
    case BM_SETCHECK:
        if (IsCheckBox() || IsRadio()) {
            m_nCheck = int(wParam);
            StateChanged();
        }
        return 0;
    case BM_GETSTATE:
        return ((IsCheckBox() || IsRadio()) ? m_nCheck : 0) | (m_bPushed ? BST_PUSHED : 0);
    case BM_SETSTATE:
        m_bPushed = wParam != 0;
        StateChanged();
        return 0;
    case BM_SETSTYLE:
        ModifyStyle(BS_TYPEMASK, DWORD(wParam) & BS_TYPEMASK);
        StateChanged();
        return 0;
    case BM_CLICK: {
        if (ButtonType() == BS_GROUPBOX || !IsWindowEnabled())
            return 0;
        switch (ButtonType()) {
        case BS_AUTOCHECKBOX:
            m_nCheck = m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
            break;
        case BS_AUTO3STATE:
            m_nCheck = (m_nCheck + 1) % 3;
            break;
        case BS_AUTORADIOBUTTON:
            for (CButton* pButton : RadioGroup()) {
                if (pButton != this && pButton->m_nCheck != BST_UNCHECKED) {
                    pButton->m_nCheck = BST_UNCHECKED;
                    pButton->StateChanged();
                }
            }
            m_nCheck = BST_CHECKED;
            break;
        default:
            break;
        }
        StateChanged();
        NotifyCommand(BN_CLICKED);
        return 0;
    }
    case WM_LBUTTONUP: {
        CRect rect;
        GetClientRect(rect);
        if (rect.PtInRect(PointFromLParam(lParam)))
            Click();
        return 0;
    }
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            Click();
        return 0;
    case WM_GETDLGCODE:
        return DialogCode();
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CButton::CopyStateFrom(CWnd& other)
{
    if (auto* pButton = dynamic_cast<CButton*>(&other)) {
        m_nCheck = pButton->m_nCheck;
        StateChanged();
    }
}
