#include "pages/sheet/ListRoom.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

#include <algorithm>

namespace {

// Room kept between the list and the control beside it, and from a frame or the page's edge
// (the frame's line and the gap a control keeps from it).
constexpr int kGap = 4;
constexpr int kFrameRoom = 6;

CRect RectOn(const CDialog& page, const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(rect);
    page.ScreenToClient(rect);
    return rect;
}

bool IsShown(const CWnd& wnd) { return (wnd.GetStyle() & WS_VISIBLE) != 0; }

bool IsGroupBox(const CWnd& wnd)
{
    return wnd.GetClassName() == CString(WC_BUTTON) && (wnd.GetStyle() & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsBesideOnItsRow(const CRect& rectList, const CRect& rect)
{
    return rect.left >= rectList.right - 1 && rect.top < rectList.bottom && rect.bottom > rectList.top;
}

// The right edge the list may reach: the first control shown on its row to its right, the
// frame it stands in, the page's edge.
int RoomRight(const CDialog& page, const CComboBox& list)
{
    const CRect rectList = RectOn(page, list);
    CRect rectPage;
    page.GetClientRect(rectPage);
    int nRight = rectPage.right - kFrameRoom;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        if (pChild == &list || !IsShown(*pChild))
            continue;
        const CRect rect = RectOn(page, *pChild);
        if (IsGroupBox(*pChild)) {
            if (rect.left < rectList.left && rect.right >= rectList.right && rect.top < rectList.top &&
                rect.bottom > rectList.bottom)
                nRight = std::min(nRight, int(rect.right) - kFrameRoom);
        } else if (IsBesideOnItsRow(rectList, rect)) {
            nRight = std::min(nRight, int(rect.left) - kGap);
        }
    }
    return nRight;
}

// A check box beside the list wider than its box and text ("Reference" in Chinese is two
// characters) gives the list the rest, keeping its right edge.
void NarrowCheckBoxesBeside(const CDialog& page, const CComboBox& list)
{
    const CRect rectList = RectOn(page, list);
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        auto* pBox = dynamic_cast<CButton*>(pChild);
        if (!pBox || !pBox->IsCheckBox() || !IsShown(*pBox) || !pBox->GetView())
            continue;
        const CRect rect = RectOn(page, *pBox);
        if (!IsBesideOnItsRow(rectList, rect))
            continue;
        CString strText;
        pBox->GetWindowText(strText);
        const int nNeed = pBox->GetView()->WidthToShow(strText);
        if (nNeed > 0 && nNeed < rect.Width())
            pBox->MoveWindow(rect.right - nNeed, rect.top, nNeed, rect.Height());
    }
}

}  // namespace

int ListWidthNeeded(const CComboBox& list)
{
    const IControlView* pView = list.GetView();
    int nNeed = 0;
    for (int i = 0; pView && i < list.GetCount(); ++i) {
        CString strLine;
        list.GetLBText(i, strLine);
        nNeed = std::max(nNeed, pView->WidthToShow(strLine));
    }
    return nNeed;
}

void NarrowListToLines(CComboBox& list)
{
    CRect rect;
    list.GetWindowRect(rect);
    const int nNeed = ListWidthNeeded(list);
    if (nNeed <= 0 || nNeed >= rect.Width())
        return;
    CWnd* pParent = list.GetParent();
    if (pParent)
        pParent->ScreenToClient(rect);
    list.MoveWindow(rect.right - nNeed, rect.top, nNeed, rect.Height());
}

void WidenShownLists(CDialog& page)
{
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        auto* pList = dynamic_cast<CComboBox*>(pChild);
        if (!pList || !IsShown(*pList))
            continue;
        const CRect rect = RectOn(page, *pList);
        const int nNeedRight = int(rect.left) + ListWidthNeeded(*pList);
        if (nNeedRight > RoomRight(page, *pList))
            NarrowCheckBoxesBeside(page, *pList);
        const int nRight = std::min(nNeedRight, RoomRight(page, *pList));
        if (nRight > rect.right)
            pList->SetWindowPos(nullptr, 0, 0, nRight - rect.left, rect.Height(),
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
