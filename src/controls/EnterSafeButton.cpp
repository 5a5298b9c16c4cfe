#include "controls/EnterSafeButton.h"

#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CEnterSafeButton, CButton)

BOOL CEnterSafeButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CButton::PreTranslateMessage(pMsg);
}
