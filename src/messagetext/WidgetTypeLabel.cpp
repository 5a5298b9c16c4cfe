#include "messagetext/WidgetTypeLabel.h"

#include "blocks/BlockTypes.h"
#include "messagetext/LcdFonts.h"
#include "messagetext/WidgetTypePictogram.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <algorithm>

namespace {

constexpr COLORREF kTypeBoxColour = RGB(245, 217, 129);
constexpr int kBoxWidth = 25;

constexpr TypeLabelFont F(int h, int w, int weight = 0) { return {h, w, weight, false}; }
constexpr TypeLabelFont A(int h, int w, int weight = 0) { return {h, w, weight, true}; }
constexpr TypeLabelFont kNone{0, 0, 0, false};
constexpr TypeLabelFont kMask = A(10, 4, 900);

constexpr TypeLabelRow kRows[] = {
    {BT_DPR, _T("ON-D"), F(12, 5), nullptr, kNone},
    {BT_DDR, _T("OFF-D"), F(10, 4), nullptr, kNone},
    {BT_MPLR, _T("ON/OFF"), F(10, 4), nullptr, kNone},
    {BT_PLR, _T("R-ON-D"), F(10, 4), nullptr, kNone},
    {BT_CPG, _T("W-R"), F(12, 5), nullptr, kNone},
    {BT_RPR, _T("E-F-W-R"), F(10, 3), nullptr, kNone},
    {BT_APG, _T("A-P-G"), F(10, 4), nullptr, kNone},
    {BT_RG, _T("R-G"), F(12, 5), nullptr, kNone},
    {BT_SLS, _T("S-L-S"), F(10, 4), nullptr, kNone},
    {BT_MFS, _T("M-F-S"), F(10, 4), nullptr, kNone},
    {BT_WT, _T("W-T"), F(12, 5), nullptr, kNone},
    {BT_YT, _T("Y-T"), F(12, 5), nullptr, kNone},
    {BT_AC, _T("*"), A(20, 12, FW_NORMAL), _T("AC"), A(12, 7, FW_NORMAL)},
    {BT_SW, _T("SW"), A(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_COUNTER, _T("U/D"), A(12, 5), nullptr, kNone},
    {BT_HCOUNTER, _T("H-C"), A(12, 5), nullptr, kNone},
    {BT_THTRG, nullptr, kNone, nullptr, kNone},
    {BT_ACOMP, _T("A"), A(12, 5), nullptr, kNone},
    {BT_ATHTRG, nullptr, kNone, nullptr, kNone},
    {BT_AAMP, _T("A"), A(12, 5), nullptr, kNone},
    {BT_AWDOG, nullptr, kNone, nullptr, kNone},
    {BT_ADTRG, nullptr, kNone, nullptr, kNone},
    {BT_MSGTEXT, _T("Text"), A(12, 5), nullptr, kNone},
    {BT_AMATH, _T("+="), F(12, 8, FW_NORMAL), _T("A"), F(12, 8, FW_NORMAL)},
    {BT_AMUX, _T("A"), F(12, 6, FW_NORMAL), nullptr, kNone},
    {BT_ARAMP, _T("A"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_PI, _T("A"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_PWM, _T("~"), A(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_AFILTER, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_MAXMIN, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_AVGVAL, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {BT_MATHERR, _T("+="), F(12, 7, FW_NORMAL), _T("E"), F(12, 7, FW_NORMAL)},
    {BT_BCD, _T("BCD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_BIN, _T("BIN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ROL, _T("ROL"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ROR, _T("ROR"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SHL, _T("SHL"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SHR, _T("SHR"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ANDM, _T("&"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_ORM, _T(">1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_NOTM, _T("1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_NANDM, _T("&"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_NORM, _T(">1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_XORM, _T("=1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {BT_ARRMXIV, _T("AXIV"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ACMXIV, _T("DXIV"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_RAND, _T("Rand"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ENCODER, _T("ENC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SMC, _T("SMC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SMCE, _T("SMCE"), A(10, 3, FW_NORMAL), nullptr, kNone},
    {BT_PTO, _T("PTO"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_PTOE, _T("PTOE"), A(10, 3, FW_NORMAL), nullptr, kNone},
    {BT_SEG, _T("SEG"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_WORD2BIT, _T("WTB"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_UDC, _T("UDC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_CRC16, _T("CRC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ODD, _T("ODD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_EVEN, _T("EVEN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_MOD, _T("MOD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_REM, _T("REM"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_LOG, _T("LOG"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SQRT, _T("SQRT"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ABS, _T("ABS"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_GCD, _T("GCD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_LCM, _T("LCM"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_POW2, _T("POW2"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_EXP, _T("EXP"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_FIX, _T("FIX"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_ROUND, _T("round"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SIN, _T("SIN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_COS, _T("COS"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_TAN, _T("TAN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_COT, _T("COT"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_SEC, _T("SEC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_CSC, _T("CSC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {BT_QUAD, _T("QUAD"), A(12, 5, FW_NORMAL), nullptr, kNone},
};

LOGFONT LabelLogFont(const TypeLabelFont& font)
{
    return font.bSans ? SansFont(font.nHeight, font.nWidth, font.nWeight)
                      : FixedFont(font.nHeight, font.nWidth, font.nWeight);
}

// Writes a text centred across the box at y.
void DrawCentred(CDC& dc, const CRect& box, int y, LPCTSTR pszText, const TypeLabelFont& font)
{
    const LOGFONT lf = LabelLogFont(font);
    CFont created;
    created.CreateFontIndirect(&lf);
    CFont* pOld = dc.SelectObject(&created);
    const CString strText(pszText);
    const int w = dc.GetTextExtent(strText).cx;
    dc.TextOut(box.left + (kBoxWidth - w) / 2 + 1, y, strText);
    dc.SelectObject(pOld);
}

// The on-delay timer: an up arrow and a delayed step over "ON-D".
void DrawOnDelay(CDC& dc, const CRect& box, const TypeLabelFont& font)
{
    const int x1 = (kBoxWidth - (5 * 5) / 2) / 2;
    const int x2 = (kBoxWidth - (5 * 7) / 2) / 2;
    const int l = box.left;
    const int b = box.bottom;
    dc.MoveTo(l + x1 - 2, b - 22);
    dc.LineTo(l + x1 - 2, b - 33);
    dc.LineTo(l + x1 - 5, b - 29);
    dc.MoveTo(l + x1 - 2, b - 33);
    dc.LineTo(l + x1 + 1, b - 29);
    dc.MoveTo(l + x2 - 2, b - 15);
    dc.LineTo(l + x2 + 8, b - 15);
    dc.LineTo(l + x2 + 8, b - 23);
    dc.LineTo(l + x2 + 18, b - 23);
    const LOGFONT lf = LabelLogFont(font);
    CFont created;
    created.CreateFontIndirect(&lf);
    CFont* pOld = dc.SelectObject(&created);
    dc.TextOut(l + x2 - 2, b - font.nHeight / 4 - 9, CString(_T("ON-D")));
    dc.SelectObject(pOld);
}

}  // namespace

std::span<const TypeLabelRow> TypeLabelRows() { return kRows; }

const TypeLabelRow* FindTypeLabelRow(int nType)
{
    const auto* pEnd = std::end(kRows);
    const auto* pRow = std::find_if(std::begin(kRows), pEnd, [nType](const TypeLabelRow& row) { return row.nType == nType; });
    return pRow == pEnd ? nullptr : pRow;
}

void DrawTypeLabel(CDC& dc, const CRect& box, int nType)
{
    const TypeLabelRow* pRow = FindTypeLabelRow(nType);
    if (!pRow)
        return;
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = dc.SelectObject(&pen);
    const COLORREF crOldBk = dc.SetBkColor(kTypeBoxColour);
    const bool bPictogram = !PictogramOf(nType).empty();
    DrawPictogram(dc, box, nType);
    if (nType == BT_DPR) {
        DrawOnDelay(dc, box, pRow->font);
    } else if (pRow->pszText && pRow->pszSecond) {
        const bool bMask = pRow->second.nWeight == 900;
        DrawCentred(dc, box, box.top + (bMask ? 9 : 3), pRow->pszText, pRow->font);
        DrawCentred(dc, box, box.top + (bMask ? 24 : 18), pRow->pszSecond, pRow->second);
    } else if (pRow->pszText) {
        // Under a pictogram the text sits near the bottom of the box, as the on-delay's does.
        const int y = bPictogram ? box.bottom - pRow->font.nHeight / 4 - 9 : box.top + 12;
        DrawCentred(dc, box, y, pRow->pszText, pRow->font);
    }
    dc.SetBkColor(crOldBk);
    dc.SelectObject(pOldPen);
}
