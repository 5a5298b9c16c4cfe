// The symbol inside a block's body: DrawSymbol picks the family painter, and the painters of
// the I/O blocks, the basic logic gates and the ladder contacts and coils live here. The other
// families' painters are in BlockSymbolTimer.cpp, BlockSymbolCounter.cpp and
// BlockSymbolFunction.cpp.
#include "blocks/BlockSymbol.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockBCD.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"

#include <unordered_map>


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
    // The family of a class decides its painter; the first row whose class the block is wins.
    using Painter = void (CBlockObj::*)(CDC*) const;
    struct Family {
        const CRuntimeClass* pClass;
        Painter pfnPaint;
    };
    static const Family kFamilies[] = {
        {RUNTIME_CLASS(CBlockMake), &CBlockObj::DrawContactSymbol},
        {RUNTIME_CLASS(CBlockAContact), &CBlockObj::DrawContactSymbol},
        {RUNTIME_CLASS(CBlockRelayCoil), &CBlockObj::DrawContactSymbol},
        {RUNTIME_CLASS(CBlockAOutLAD), &CBlockObj::DrawContactSymbol},
        {RUNTIME_CLASS(CBlockLogic), &CBlockObj::DrawLogicSymbol},
        {RUNTIME_CLASS(CBlockTime), &CBlockObj::DrawTimerSymbol},
        {RUNTIME_CLASS(CBlockCOUNTER), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockHCOUNTER), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockTHTRG), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockAnalog), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockLR), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockPR), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockSREG), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockMSGTEXT), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockMR), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockMATHERR), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockWIFI), &CBlockObj::DrawCounterSymbol},
        {RUNTIME_CLASS(CBlockBoolean), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockTDT), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockBCD), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockBIN), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockROL), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockROR), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockSHL), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockSHR), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockUDC), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockANDM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockORM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockNOTM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockNANDM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockNORM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockXORM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockARRMXIV), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockACMXIV), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockRAND), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockMEM), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockENCODER), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockSMC), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockSMCE), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockPTO), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockPTOE), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockSEG), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockWORD2BIT), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockCRC16), &CBlockObj::DrawFunctionSymbol},
        {RUNTIME_CLASS(CBlockODD), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockEVEN), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockMOD), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockREM), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockLOG), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockSQRT), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockABS), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockGCD), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockLCM), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockPOW2), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockEXP), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockFIX), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockROUND), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockSIN), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockCOS), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockTAN), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockCOT), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockSEC), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockCSC), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockQUAD), &CBlockObj::DrawMathSymbol},
        {RUNTIME_CLASS(CBlockDataLog), &CBlockObj::DrawDataLogSymbol},
    };
    if (BlockFamilyOf(m_nType) == BlockFamily::IO) {
        DrawIOSymbol(pDC);
        return;
    }
    // The painter depends on the class alone; a simulated paint asks for every block on every
    // tick, so each class walks the table once.
    static std::unordered_map<const CRuntimeClass*, Painter> s_painters;
    const CRuntimeClass* pClass = GetRuntimeClass();
    auto found = s_painters.find(pClass);
    if (found == s_painters.end()) {
        Painter pfnPaint = nullptr;
        for (const Family& family : kFamilies) {
            if (IsKindOf(family.pClass)) {
                pfnPaint = family.pfnPaint;
                break;
            }
        }
        found = s_painters.emplace(pClass, pfnPaint).first;
    }
    if (found->second)
        (this->*found->second)(pDC);
}

void CBlockObj::DrawIOSymbol(CDC* pDC) const
{
    // The prefix of the block's address label.
    const BlockAddressLabel* pAddress = AddressLabelOf(m_nType);
    if (!pAddress)
        return;
    const LPCTSTR pszPrefix = pAddress->pszPrefix;
    const CSize size = Extent(pDC, pszPrefix);
    pDC->TextOut(m_ptPos.x + (m_nWidth - size.cx) / 2, m_ptPos.y + (m_nHeight - size.cy) / 2,
                 CString(pszPrefix));
}

void CBlockObj::DrawLogicSymbol(CDC* pDC) const
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

    if (m_nType == BT_AND_EDGE || m_nType == BT_NAND_EDGE) {
        // Arrow and text share a field twice the text's width.
        const int ex = x + (m_nWidth - 2 * cx) / 2;
        pDC->TextOut(ex + cx, ty, strText);
        if (m_nType == BT_AND_EDGE) {
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
    if (m_nType == BT_NAND || m_nType == BT_NOR || m_nType == BT_NOT)
        Stroke(pDC, {{tx, ty - 1}, {tx + cx, ty - 1}});
    // The half line under ">1" makes it read as greater-or-equal.
    if (m_nType == BT_OR || m_nType == BT_NOR)
        Stroke(pDC, {{tx, ty + cy}, {tx + cx / 2, ty + cy}});
}

void CBlockObj::DrawContactSymbol(CDC* pDC) const
{
    SelectedPen pen(pDC, PS_SOLID, 1, kBlack);
    const int x = m_ptPos.x;
    const int y = m_ptPos.y;
    const int h = m_nHeight;
    const int xr = x + m_nWidth;
    const int ym = y + 18;  // the middle of the default body height 36

    const auto contact = [&](bool bWideRightLead) {
        Stroke(pDC, {{x, ym}, {x + 8, ym}});
        if (bWideRightLead) {
            SelectedPen wide(pDC, PS_SOLID, 2, kBlack);
            Stroke(pDC, {{x + 16, ym}, {x + 26, ym}});
        } else {
            Stroke(pDC, {{x + 16, ym}, {x + 26, ym}});
        }
        Stroke(pDC, {{x + 8, y}, {x + 8, y + h}});
        Stroke(pDC, {{x + 16, y}, {x + 16, y + h}});
    };
    // The value box of the analog elements.
    const auto analogBox = [&] {
        SelectedBrush brush(pDC, kBodyFill);
        pDC->Ellipse(x + 18, y + 2, xr, y + 8);
    };
    const auto coil = [&](int nFontHeight, POINT open, POINT close) {
        SelectedFont font(pDC, Swiss(nFontHeight, 8));
        pDC->TextOut(open.x, open.y, CString(_T("(")));
        pDC->TextOut(close.x, close.y, CString(_T(")")));
    };

    switch (m_nType) {
    case BT_MAKE:
        contact(false);
        break;
    case BT_BREAK:
        contact(false);
        Stroke(pDC, {{x + 14, y}, {x + 10, y + h}});
        break;
    case BT_ACONTACT:
        contact(true);
        analogBox();
        break;
    case BT_RELAY_COIL:
    case BT_INV_OUT:
        Stroke(pDC, {{x, ym}, {x + 5, ym}});
        coil(32, {x + 3, y}, {xr - 7, y});
        if (m_nType == BT_INV_OUT)
            Stroke(pDC, {{xr - 10, y + h / 5}, {x + 10, y + h - h / 5}});
        break;
    case BT_AOUT_LAD: {
        {
            SelectedPen wide(pDC, PS_SOLID, 2, kBlack);
            Stroke(pDC, {{x - 1, ym}, {x + 8, ym}});
        }
        analogBox();
        coil(24, {x + 6, y + h / 6}, {xr - 6, y + h / 6});
        break;
    }
    default:
        break;
    }
}
