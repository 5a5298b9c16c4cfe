#include "shell/MenuTranslation.h"

#include "platform/ui/Menu.h"
#include "shell/ChineseTables.h"

#include <span>

namespace {

// One menu of the bar: whether its first item is a popup named in the caption table ("New",
// "Transfer"), and the commands that take their captions from the numbered texts.
struct MenuPlan {
    BOOL bNamedFirstPopup;
    std::span<const UINT> commands;
};

constexpr UINT kNoDocFile[] = {57600, 32824, 57601, 57606, 57665};
constexpr UINT kNoDocView[] = {59392, 59393};
constexpr UINT kNoDocTools[] = {32806, 32798, 32815, 32820, 32830};
constexpr UINT kNoDocOptions[] = {32773, 32852, 32834};
constexpr UINT kHelp[] = {57667, 57664};

constexpr MenuPlan kNoDocMenus[] = {
    {TRUE, kNoDocFile}, {FALSE, kNoDocView}, {TRUE, kNoDocTools}, {FALSE, kNoDocOptions},
    {FALSE, kHelp},
};

constexpr UINT kDocFile[] = {57600, 32824, 57601, 57606, 57665, 57602, 57603,
                             57604, 57607, 57609, 57605, 32835, 32779};
constexpr UINT kDocEdit[] = {57643, 57644, 57635, 57634, 57637, 57632, 57642, 32829, 32709};
constexpr UINT kDocView[] = {59392, 59393, 59580, 32817};
constexpr UINT kDocTools[] = {32806, 32798, 32815, 32820, 32830, 32807, 32802};
constexpr UINT kDocOptions[] = {32773, 32852, 32795, 32818, 32834, 32819};
constexpr UINT kDocWindow[] = {57650, 57651};

constexpr MenuPlan kDocMenus[] = {
    {TRUE, kDocFile},     {FALSE, kDocEdit},   {FALSE, kDocView}, {TRUE, kDocTools},
    {FALSE, kDocOptions}, {FALSE, kDocWindow}, {FALSE, kHelp},
};

// What a new caption leaves of an item's state: it stays a string item.
constexpr UINT kKeptState =
    MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK | MF_DEFAULT;

void SetCaption(CMenu& menu, UINT nItem, UINT nBy, UINT nID, const CString& strCaption)
{
    const UINT nState = menu.GetMenuState(nItem, nBy);
    menu.ModifyMenu(nItem, nBy | MF_STRING | (nState & kKeptState), nID, strCaption);
}

void TranslateCaptionAt(CMenu& menu, int nPos)
{
    if (nPos < 0 || UINT(nPos) >= menu.GetMenuItemCount())
        return;
    CString strEnglish;
    CString strChinese;
    menu.GetMenuString(UINT(nPos), strEnglish, MF_BYPOSITION);
    if (!g_mapMenuText.Lookup(strEnglish, strChinese))
        return;
    // A popup keeps its submenu; a command item keeps its command.
    const UINT nID = menu.GetMenuItemID(nPos);
    SetCaption(menu, UINT(nPos), MF_BYPOSITION, nID == UINT(-1) ? 0 : nID, strChinese);
}

// The letter after the caption's access mark ("&&" shows an ampersand); 0 for none.
TCHAR AccessLetter(const CString& strCaption)
{
    for (int i = 0; i + 1 < strCaption.GetLength(); ++i) {
        if (strCaption[i] != '&')
            continue;
        if (strCaption[i + 1] != '&')
            return strCaption[i + 1];
        ++i;
    }
    return 0;
}

// A text without an access letter takes the letter of the caption it replaces, in the usual
// form "COM配置(&C)", ahead of the key's text: the keys that reach the item stay.
CString WithAccessLetter(const CString& strText, const CString& strCaption)
{
    const TCHAR chLetter = AccessLetter(strCaption);
    if (!chLetter || strText.Find('&') >= 0)
        return strText;
    CString strMark(chLetter);
    strMark.MakeUpper();
    const int nTab = strText.Find('\t');
    const int nEnd = nTab < 0 ? strText.GetLength() : nTab;
    return strText.Left(nEnd) + _T("(&") + strMark + _T(")") + strText.Mid(nEnd);
}

void TranslateCommand(CMenu& menuBar, UINT nID)
{
    CString strChinese;
    if (menuBar.GetMenuState(nID, MF_BYCOMMAND) == UINT(-1) || !g_mapIdText.Lookup(WORD(nID), strChinese))
        return;
    CString strCaption;
    menuBar.GetMenuString(nID, strCaption, MF_BYCOMMAND);
    SetCaption(menuBar, nID, MF_BYCOMMAND, nID, WithAccessLetter(strChinese, strCaption));
}

} // namespace

void TranslateMenuBar(CMenu* pMenuBar, BOOL bDocMenus, int nStart)
{
    if (!pMenuBar)
        return;
    const std::span<const MenuPlan> menus =
        bDocMenus ? std::span<const MenuPlan>(kDocMenus) : std::span<const MenuPlan>(kNoDocMenus);
    const int nFirst = bDocMenus ? nStart : 0;

    for (std::size_t i = 0; i < menus.size(); ++i)
        TranslateCaptionAt(*pMenuBar, nFirst + int(i));
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const int nPos = nFirst + int(i);
        CMenu* pSubMenu = pMenuBar->GetSubMenu(nPos);
        if (pSubMenu && menus[i].bNamedFirstPopup)
            TranslateCaptionAt(*pSubMenu, 0);
        for (UINT nID : menus[i].commands)
            TranslateCommand(*pMenuBar, nID);
    }
}
