// The symbol inside a block's body: the shared tools of the symbol painters and the symbols of
// the I/O blocks, the basic logic gates and the ladder contacts and coils. Each class with a
// symbol of its own draws it in DrawSymbol; the timers' symbols are in BlockSymbolTimer.cpp,
// the counting, analog and communication blocks' in BlockSymbolCounter.cpp and the word,
// special and math blocks' in BlockSymbolFunction.cpp.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"


namespace symbol {

namespace {

CFont* CreateSymbolFont(CFont& font, const FontSpec& style)
{
    if (style.bSwiss)
        font.CreateFont(style.nHeight, style.nWidth, 0, 0, style.nWeight, 0, 0, 0, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, 0, 0, FF_SWISS, style.pszFace);
    else
        font.CreateFont(style.nHeight, style.nWidth, 0, 0, style.nWeight, 0, 0, 0, DEFAULT_CHARSET,
                        OUT_TT_PRECIS, 0, 0, FIXED_PITCH, style.pszFace);
    return &font;
}

}  // namespace

SelectedFont::SelectedFont(CDC* pDC, const FontSpec& style)
    : m_selection(pDC, CreateSymbolFont(m_font, style))
{
}

Body::Body(const CBlockObj& block)
    : x(block.m_ptPos.x),
      y(block.m_ptPos.y),
      w(block.m_nWidth),
      h(block.m_nHeight),
      b(block.m_ptPos.y + block.m_nHeight),
      r(block.m_ptPos.x + block.m_nWidth)
{
}

void Stroke(CDC* pDC, std::initializer_list<POINT> points)
{
    const POINT* pPoint = points.begin();
    pDC->MoveTo(*pPoint);
    for (++pPoint; pPoint != points.end(); ++pPoint)
        pDC->LineTo(*pPoint);
}

void Spokes(CDC* pDC, POINT from, std::initializer_list<POINT> to)
{
    for (const POINT& point : to) {
        pDC->MoveTo(from);
        pDC->LineTo(point);
    }
}

void Text(CDC* pDC, int x, int y, LPCTSTR pszText)
{
    pDC->TextOut(x, y, CString(pszText));
}

CSize Extent(CDC* pDC, LPCTSTR pszText)
{
    return pDC->GetTextExtent(CString(pszText));
}

}  // namespace symbol

using namespace symbol;

void CBlockObj::DrawSymbol(CDC* pDC) const
{
    if (BlockFamilyOf(m_nType) != BlockFamily::IO)
        return;
    // The prefix of the block's address label.
    const BlockAddressLabel* pAddress = AddressLabelOf(m_nType);
    if (!pAddress)
        return;
    const LPCTSTR pszPrefix = pAddress->pszPrefix;
    const CSize size = Extent(pDC, pszPrefix);
    pDC->TextOut(m_ptPos.x + (m_nWidth - size.cx) / 2, m_ptPos.y + (m_nHeight - size.cy) / 2,
                 CString(pszPrefix));
}

void CBlockLogic::DrawSymbol(CDC* pDC) const
{
    // A gate shows the symbol its palette button shows.
    const BlockTypeRow* pRow = FindBlockType(m_nType);
    if (!pRow || pRow->family != BlockFamily::Logic)
        return;
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedFont font(pDC, Fixed(12, 8));
    const CString strText = pRow->palette.pszSymbol;
    const CSize size = pDC->GetTextExtent(strText);
    const int cx = size.cx;
    const int cy = size.cy;
    const int x = m_ptPos.x;
    const int tx = x + (m_nWidth - cx) / 2;
    const int ty = m_ptPos.y + (m_nHeight - cy) / 2;

    const Edge edge = GateEdge();
    if (edge != Edge::None) {
        // Arrow and text share a field twice the text's width.
        const int ex = x + (m_nWidth - 2 * cx) / 2;
        pDC->TextOut(ex + cx, ty, strText);
        if (edge == Edge::AllBecameOne) {
            const POINT top = {ex + 2 * cx / 3, ty};
            Stroke(pDC, {top, {ex + 2 * cx / 3, ty + 2 * cy / 3}});
            Spokes(pDC, top, {{ex + cx / 3, ty + cy / 3}, {ex + cx, ty + cy / 3}});
        } else {
            const POINT bottom = {ex + 2 * cx / 3 - 2, ty + 2 * cy / 3};
            Stroke(pDC, {{ex + 2 * cx / 3 - 2, ty}, bottom});
            Spokes(pDC, bottom, {{ex + cx / 3 - 2, ty + cy / 3}, {ex + cx - 2, ty + cy / 3}});
            Stroke(pDC, {{ex, ty}, {ex + 2 * cx, ty}});
        }
        return;
    }
    pDC->TextOut(tx, ty, strText);
    if (IsNegatedGate())
        Stroke(pDC, {{tx, ty - 1}, {tx + cx, ty - 1}});
    // The half line under ">1" makes it read as greater-or-equal.
    if (IsOrGate())
        Stroke(pDC, {{tx, ty + cy}, {tx + cx / 2, ty + cy}});
}

namespace {

// The middle of the default body height 36, where the leads of contacts and coils run.
constexpr int kLeadOffset = 18;

// A contact's two plates with their leads; the analog contact's right lead is drawn wide.
void ContactPlates(CDC* pDC, const CBlockObj& block, bool bWideRightLead)
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    const Body k(block);
    const int ym = k.y + kLeadOffset;
    Stroke(pDC, {{k.x, ym}, {k.x + 8, ym}});
    {
        SelectedPen right(pDC, PS_SOLID, bWideRightLead ? 2 : 1, kBlack);
        Stroke(pDC, {{k.x + 16, ym}, {k.x + 26, ym}});
    }
    Stroke(pDC, {{k.x + 8, k.y}, {k.x + 8, k.b}});
    Stroke(pDC, {{k.x + 16, k.y}, {k.x + 16, k.b}});
}

// The value box of the analog elements.
void AnalogBox(CDC* pDC, const CBlockObj& block)
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    SelectedBrush brush(pDC, kBodyFill);
    const Body k(block);
    pDC->Ellipse(k.x + 18, k.y + 2, k.r, k.y + 8);
}

void CoilBrackets(CDC* pDC, int nFontHeight, POINT open, POINT close)
{
    SelectedFont font(pDC, Swiss(nFontHeight, 8));
    pDC->TextOut(open.x, open.y, CString(_T("(")));
    pDC->TextOut(close.x, close.y, CString(_T(")")));
}

// The relay coil and the inverted output: a short lead into the brackets.
void RelayCoil(CDC* pDC, const CBlockObj& block)
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    const Body k(block);
    Stroke(pDC, {{k.x, k.y + kLeadOffset}, {k.x + 5, k.y + kLeadOffset}});
    CoilBrackets(pDC, 32, {k.x + 3, k.y}, {k.r - 7, k.y});
}

}  // namespace

void CBlockMake::DrawSymbol(CDC* pDC) const
{
    ContactPlates(pDC, *this, false);
}

void CBlockBreak::DrawSymbol(CDC* pDC) const
{
    ContactPlates(pDC, *this, false);
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    Stroke(pDC, {{m_ptPos.x + 14, m_ptPos.y}, {m_ptPos.x + 10, m_ptPos.y + m_nHeight}});
}

void CBlockAContact::DrawSymbol(CDC* pDC) const
{
    ContactPlates(pDC, *this, true);
    AnalogBox(pDC, *this);
}

void CBlockRelayCoil::DrawSymbol(CDC* pDC) const
{
    RelayCoil(pDC, *this);
}

void CBlockInvOut::DrawSymbol(CDC* pDC) const
{
    RelayCoil(pDC, *this);
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    const Body k(*this);
    Stroke(pDC, {{k.r - 10, k.y + k.h / 5}, {k.x + 10, k.b - k.h / 5}});
}

void CBlockAOutLAD::DrawSymbol(CDC* pDC) const
{
    const Body k(*this);
    {
        SelectedPen wide(pDC, PS_SOLID, 2, kBlack);
        Stroke(pDC, {{k.x - 1, k.y + kLeadOffset}, {k.x + 8, k.y + kLeadOffset}});
    }
    AnalogBox(pDC, *this);
    CoilBrackets(pDC, 24, {k.x + 6, k.y + k.h / 6}, {k.r - 6, k.y + k.h / 6});
}
