#include "messagetext/GraphButton.h"

#include "messagetext/GraphPictures.h"

IMPLEMENT_DYNAMIC(CGraphButton, CIconButton)

namespace {

// The button's border and the room the pressed picture moves into.
constexpr int kMargin = 3;

}  // namespace

void CGraphButton::SetGraph(int nGraph)
{
    m_nGraph = nGraph;
    if (m_hWnd)
        Invalidate();
}

void CGraphButton::DrawTheIcon(CDC* pDC, BOOL, const CRect& rcItem, CRect&, BOOL bPressed, BOOL)
{
    if (m_nGraph < 0)
        return;
    CRect rect = rcItem;
    rect.DeflateRect(kMargin, kMargin);
    if (bPressed)
        rect.OffsetRect(1, 1);
    DrawGraphPicture(*pDC, m_nGraph, rect);
}
