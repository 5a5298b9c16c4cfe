#include "pages/sheet/ValueBox.h"

#include "pages/sheet/PageIds.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/Wnd.h"

namespace {

// An average character of the dialog font: the text starts one character in.
constexpr int kCharWidth = 6;
// The dialog face colour behind the text.
constexpr COLORREF kFace = RGB(240, 240, 240);

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

}  // namespace

void CValueBox::Create(CWnd& page, int nExtra, ValueBoxFamily family)
{
    if (m_pBox)
        return;
    CRect rcPage;
    page.GetClientRect(rcPage);
    const CRect rcBox = BoxRect(rcPage, nExtra, family);
    auto* pBox = new CButton;
    pBox->SetAutoDelete(TRUE);
    if (!pBox->Create(_T("Current Parameter Value"), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, rcBox, &page,
                      IDC_CURRENT_VALUE_BOX)) {
        delete pBox;
        return;
    }
    m_pBox = pBox;
    m_rcValue = CRect(rcBox.left + nExtra / 2, rcBox.top + nExtra - 5, rcBox.right - 2 * nExtra,
                      rcBox.bottom - 7);
    m_nCharWidth = kCharWidth;
}

void CValueBox::SetText(CWnd& page, const CString& strText)
{
    if (strText == m_strText)
        return;
    m_strText = strText;
    if (m_pBox && IsWindow(&page))
        page.InvalidateRect(m_rcValue, FALSE);
}

void CValueBox::Draw(CDC& dc) const
{
    if (!m_pBox)
        return;
    dc.SetBkColor(kFace);
    dc.ExtTextOut(m_rcValue.left + m_nCharWidth, m_rcValue.top, ETO_OPAQUE | ETO_CLIPPED, m_rcValue,
                  m_strText, nullptr);
}
