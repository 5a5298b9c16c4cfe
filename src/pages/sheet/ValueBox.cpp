#include "pages/sheet/ValueBox.h"

#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/Static.h"
#include "platform/ui/Wnd.h"

#include <algorithm>

namespace {

// An average character of the dialog font: the text starts one character in.
constexpr int kCharWidth = 6;

CRect BoxRect(const CRect& rcPage, int nExtra, ValueBoxFamily family)
{
    const int b = rcPage.bottom;
    switch (family) {
    case ValueBoxFamily::C:
        return CRect(rcPage.left, b - nExtra + 30, rcPage.right, b + nExtra + 20);
    case ValueBoxFamily::D:
        return CRect(rcPage.left, b - nExtra + 10, rcPage.right, b + nExtra - 5);
    default:
        return CRect(rcPage.left, b - nExtra + 10, rcPage.right, b + nExtra);
    }
}

// The gap between the page's lowest control and the box's title.
constexpr int kGapAbove = 2;

// The bottom of the lowest control the page shows; the page's top when it shows none.
int LowestControlBottom(CWnd& page)
{
    int nBottom = 0;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        if (!(pChild->GetStyle() & WS_VISIBLE))
            continue;
        CRect rect;
        pChild->GetWindowRect(rect);
        page.ScreenToClient(rect);
        nBottom = std::max(nBottom, int(rect.bottom));
    }
    return nBottom;
}

}  // namespace

void CValueBox::Create(CWnd& page, int nExtra, ValueBoxFamily family, bool bMayDrop)
{
    if (m_pBox)
        return;
    CRect rcPage;
    page.GetClientRect(rcPage);
    CRect rcBox = BoxRect(rcPage, nExtra, family);
    // A template whose lowest control stands near its bottom (this system's dialog font takes
    // more room than the template's units promised) keeps that control clear of the box's title:
    // the box moves down below it, and the sheet grows by as much (ExtraRoom).
    if (bMayDrop)
        m_nExtraRoom = std::max(0, LowestControlBottom(page) + kGapAbove - int(rcBox.top));
    rcBox.OffsetRect(0, m_nExtraRoom);
    auto* pBox = new CButton;
    pBox->SetAutoDelete(TRUE);
    if (!pBox->Create(_T("Current Parameter Value"), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, rcBox, &page,
                      IDC_CURRENT_VALUE_BOX)) {
        delete pBox;
        return;
    }
    m_pBox = pBox;
    const CRect rcValue(rcBox.left + nExtra / 2 + kCharWidth, rcBox.top + nExtra - 5, rcBox.right - 2 * nExtra,
                        rcBox.bottom - 7);
    auto* pValue = new CStatic;
    pValue->SetAutoDelete(TRUE);
    if (!pValue->Create(m_strText, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, rcValue, &page)) {
        delete pValue;
        return;
    }
    pValue->SetFont(page.GetFont(), FALSE);
    m_pValue = pValue;
    m_pValue->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CValueBox::SetText(const CString& strText)
{
    if (strText == m_strText)
        return;
    m_strText = strText;
    if (m_pValue)
        m_pValue->SetWindowText(m_strText);
}
