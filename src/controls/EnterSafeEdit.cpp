#include "controls/EnterSafeEdit.h"

#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CEnterSafeEdit, CEdit)

BOOL CEnterSafeEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}
