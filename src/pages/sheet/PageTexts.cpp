#include "pages/sheet/PageTexts.h"

#include "document/ModelSettings.h"
#include "platform/core/StringTable.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/Wnd.h"

#include <algorithm>

namespace {

PageTextLookup& TextLookup()
{
    static PageTextLookup lookup;
    return lookup;
}

PageHelpHandler& HelpHandler()
{
    static PageHelpHandler handler;
    return handler;
}

ProgramPropertiesOpener& PropertiesOpener()
{
    static ProgramPropertiesOpener opener;
    return opener;
}

// Room a check box or radio button needs for its box beside the text, and a group box for its
// frame's corner before the title.
constexpr int kBoxAllowance = 18;
constexpr int kTextAllowance = 4;

bool IsButtonClass(const CWnd& control) { return control.GetClassName() == CString(WC_BUTTON); }

bool IsCaptionClass(const CWnd& control)
{
    return IsButtonClass(control) || control.GetClassName() == CString(WC_STATIC);
}

// The room right of the control before the next shown control on its row (a group box frames
// others and stands in nobody's way), or before the right edge of its window's client area.
int RoomRightOf(CWnd& control, const CRect& rect)
{
    CWnd* pParent = control.GetParent();
    CRect rcParent;
    pParent->GetClientRect(rcParent);
    int nRight = rcParent.right;
    for (CWnd* pOther = pParent->GetWindow(GW_CHILD); pOther; pOther = pOther->GetNextWindow()) {
        if (pOther == &control || !(pOther->GetStyle() & WS_VISIBLE) ||
            (IsButtonClass(*pOther) && (pOther->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX))
            continue;
        CRect rcOther;
        pOther->GetWindowRect(rcOther);
        pParent->ScreenToClient(rcOther);
        if (rcOther.left >= rect.right && rcOther.top < rect.bottom && rcOther.bottom > rect.top)
            nRight = std::min(nRight, int(rcOther.left));
    }
    return nRight - rect.left;
}

// Widens the control when its caption is wider than the control, keeping its left edge, up to
// the next control on its row. A control without a font of its own shows the dialogs' font.
void FitCaption(CWnd& control, const CString& strText)
{
    CWnd* pParent = control.GetParent();
    if (!pParent || strText.IsEmpty())
        return;
    const DWORD dwType = control.GetStyle() & BS_TYPEMASK;
    const bool bBox = IsButtonClass(control) && dwType != BS_PUSHBUTTON && dwType != BS_DEFPUSHBUTTON &&
                      dwType != BS_OWNERDRAW;
    CDC dc;
    if (control.GetFont())
        dc.SelectObject(control.GetFont());
    else
        dc.SelectStockObject(DEFAULT_GUI_FONT);
    const int nNeeded = int(dc.GetTextExtent(strText).cx) + (bBox ? kBoxAllowance : kTextAllowance);
    CRect rect;
    control.GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    if (rect.Width() >= nNeeded)
        return;
    const int nWidth = std::min(nNeeded, RoomRightOf(control, rect));
    if (nWidth > rect.Width())
        control.SetWindowPos(nullptr, 0, 0, nWidth, rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

BOOL LookupControlText(const ControlTextKey& key, CString& strText)
{
    if (!IsChinesePageUI())
        return FALSE;
    if (!key.bStringResource)
        return LookupPageText(key.nKey, strText);
    const LPCTSTR pszText = CStringTable::Program().Lookup(key.nKey, UiLanguage::SimplifiedChinese);
    if (!pszText)
        return FALSE;
    strText = pszText;
    return TRUE;
}

void TranslateControls(CWnd& window, std::span<const ControlTextKey> keys)
{
    CString strText;
    for (const ControlTextKey& key : keys) {
        CWnd* pControl = window.GetDlgItem(key.nControlID);
        // Only captions are translated: an edit's or a list's text is the user's value.
        if (!pControl || !IsCaptionClass(*pControl) || !LookupControlText(key, strText))
            continue;
        pControl->SetWindowText(strText);
        FitCaption(*pControl, strText);
    }
}

void SetPageTextLookup(PageTextLookup lookup) { TextLookup() = std::move(lookup); }

BOOL LookupPageText(WORD nKey, CString& strText)
{
    return TextLookup() ? TextLookup()(nKey, strText) : FALSE;
}

BOOL IsChinesePageUI() { return g_bChineseUI == 1; }

void SetPageHelpHandler(PageHelpHandler handler) { HelpHandler() = std::move(handler); }

BOOL HasPageHelp() { return HelpHandler() != nullptr; }

void OpenPageHelp(UINT nTopic)
{
    if (HelpHandler())
        HelpHandler()(nTopic);
}

void SetProgramPropertiesOpener(ProgramPropertiesOpener opener) { PropertiesOpener() = std::move(opener); }

void OpenProgramProperties(int nStartPage)
{
    if (PropertiesOpener())
        PropertiesOpener()(nStartPage);
}
