#include "platform/ui/DialogTemplate.h"

#include <map>

namespace {

std::map<UINT, DialogTemplate>& Registry()
{
    static std::map<UINT, DialogTemplate> s_templates;
    return s_templates;
}

}  // namespace

void AfxRegisterDialogTemplate(DialogTemplate dialogTemplate)
{
    const UINT nID = dialogTemplate.nID;
    Registry().insert_or_assign(nID, std::move(dialogTemplate));
}

const DialogTemplate* AfxFindDialogTemplate(UINT nIDTemplate)
{
    const auto it = Registry().find(nIDTemplate);
    return it != Registry().end() ? &it->second : nullptr;
}

CSize AfxGetDialogBaseUnits(int nPointSize)
{
    const int nHeight = nPointSize * 96 * 122 / 7200;
    return CSize((nHeight * 6 + 6) / 13, nHeight);
}

void AfxMapDialogRect(LPRECT lpRect, int nPointSize)
{
    const CSize base = AfxGetDialogBaseUnits(nPointSize);
    lpRect->left = MulDiv(lpRect->left, base.cx, 4);
    lpRect->right = MulDiv(lpRect->right, base.cx, 4);
    lpRect->top = MulDiv(lpRect->top, base.cy, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, base.cy, 8);
}

DialogItemTemplate DialogControl(UINT nID, LPCTSTR lpszClass, DWORD dwStyle, CRect rect, LPCTSTR lpszText)
{
    DialogItemTemplate item;
    item.nID = nID;
    item.strClass = lpszClass;
    item.dwStyle = WS_CHILD | dwStyle;
    item.rect = rect;
    item.strText = lpszText;
    return item;
}
