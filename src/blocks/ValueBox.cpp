#include "blocks/ValueBox.h"

#include "blocks/BlockObj.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr COLORREF kBoxFill = RGB(255, 255, 204);
constexpr COLORREF kStateOn = RGB(255, 0, 0);
constexpr COLORREF kStateOff = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kBoxGap = 2;

void CreateValueFont(CFont& font)
{
    font.CreateFont(VALUE_BOX_LINE_HEIGHT, 6, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET,
                    OUT_TT_PRECIS, 0, 0, FIXED_PITCH, nullptr);
}

} // namespace

void DrawValueBox(CDC* pDC, const CBlockObj& block, int nHalfWidths,
                  std::span<const CString> lines)
{
    const int x = block.m_ptPos.x;
    const int yTop = block.m_ptPos.y + block.m_nHeight + kBoxGap;
    const int nLines = lines.empty() ? 1 : int(lines.size());
    const CRect box(x, yTop, x + (nHalfWidths * block.m_nWidth) / 2,
                    yTop + nLines * VALUE_BOX_LINE_HEIGHT);
    CBrush brush(kBoxFill);
    pDC->FillRect(&box, &brush);

    CFont font;
    CreateValueFont(font);
    CFont* pOldFont = pDC->SelectObject(&font);
    int y = yTop;
    for (const CString& line : lines) {
        pDC->TextOut(x, y, line);
        y += VALUE_BOX_LINE_HEIGHT;
    }
    pDC->SelectObject(pOldFont);
}

int ValueBoxHalfWidths(CDC* pDC, const CBlockObj& block, std::span<const CString> lines, int nAtLeast)
{
    CFont font;
    CreateValueFont(font);
    CFont* pOldFont = pDC->SelectObject(&font);
    int nWidest = 0;
    for (const CString& line : lines)
        nWidest = std::max(nWidest, int(pDC->GetTextExtent(line).cx));
    pDC->SelectObject(pOldFont);
    if (block.m_nWidth <= 0)
        return nAtLeast;
    return std::max(nAtLeast, (2 * nWidest + block.m_nWidth - 1) / block.m_nWidth);
}

void DrawSimShowingValue(CBlockObj& block, const CSimContext* pSim, CDC* pDC, SimBodyColour colour)
{
    COLORREF crBody = kBlack;
    if (colour == SimBodyColour::State)
        crBody = block.m_nPinValue[BLOCK_FIRST_OUTPUT] == 1 ? kStateOn : kStateOff;
    block.Draw(pSim, pDC, TRUE, crBody);
    block.DrawValue(pSim, pDC);
}

int TruncToInt(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (dValue >= kMax)
        return std::numeric_limits<int>::max();
    if (dValue <= kMin)
        return std::numeric_limits<int>::min();
    return int(dValue);
}
