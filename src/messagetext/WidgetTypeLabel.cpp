#include "messagetext/WidgetTypeLabel.h"

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
    {400, _T("ON-D"), F(12, 5), nullptr, kNone},
    {401, _T("OFF-D"), F(10, 4), nullptr, kNone},
    {402, _T("ON/OFF"), F(10, 4), nullptr, kNone},
    {403, _T("R-ON-D"), F(10, 4), nullptr, kNone},
    {404, _T("W-R"), F(12, 5), nullptr, kNone},
    {405, _T("E-F-W-R"), F(10, 3), nullptr, kNone},
    {406, _T("A-P-G"), F(10, 4), nullptr, kNone},
    {407, _T("R-G"), F(12, 5), nullptr, kNone},
    {408, _T("S-L-S"), F(10, 4), nullptr, kNone},
    {409, _T("M-F-S"), F(10, 4), nullptr, kNone},
    {410, _T("W-T"), F(12, 5), nullptr, kNone},
    {411, _T("Y-T"), F(12, 5), nullptr, kNone},
    {412, _T("*"), A(20, 12, FW_NORMAL), _T("AC"), A(12, 7, FW_NORMAL)},
    {413, _T("SW"), A(12, 7, FW_NORMAL), nullptr, kNone},
    {800, _T("U/D"), A(12, 5), nullptr, kNone},
    {801, _T("H-C"), A(12, 5), nullptr, kNone},
    {802, nullptr, kNone, nullptr, kNone},
    {803, _T("A"), A(12, 5), nullptr, kNone},
    {804, nullptr, kNone, nullptr, kNone},
    {805, _T("A"), A(12, 5), nullptr, kNone},
    {806, nullptr, kNone, nullptr, kNone},
    {807, nullptr, kNone, nullptr, kNone},
    {810, _T("Text"), A(12, 5), nullptr, kNone},
    {815, _T("+="), F(12, 8, FW_NORMAL), _T("A"), F(12, 8, FW_NORMAL)},
    {816, _T("A"), F(12, 6, FW_NORMAL), nullptr, kNone},
    {817, _T("A"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {818, _T("A"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {819, _T("~"), A(12, 7, FW_NORMAL), nullptr, kNone},
    {820, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {821, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {822, _T("Ax"), F(12, 7, FW_NORMAL), nullptr, kNone},
    {823, _T("+="), F(12, 7, FW_NORMAL), _T("E"), F(12, 7, FW_NORMAL)},
    {832, _T("BCD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {833, _T("BIN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {834, _T("ROL"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {835, _T("ROR"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {836, _T("SHL"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {837, _T("SHR"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {838, _T("&"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {839, _T(">1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {840, _T("1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {841, _T("&"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {842, _T(">1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {843, _T("=1"), F(12, 5, FW_NORMAL), _T("MASK"), kMask},
    {844, _T("AXIV"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {845, _T("DXIV"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {846, _T("Rand"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {848, _T("ENC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {849, _T("SMC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {850, _T("SMCE"), A(10, 3, FW_NORMAL), nullptr, kNone},
    {851, _T("PTO"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {852, _T("PTOE"), A(10, 3, FW_NORMAL), nullptr, kNone},
    {853, _T("SEG"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {854, _T("WTB"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {855, _T("UDC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {856, _T("CRC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {860, _T("ODD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {861, _T("EVEN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {862, _T("MOD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {863, _T("REM"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {864, _T("LOG"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {865, _T("SQRT"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {866, _T("ABS"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {867, _T("GCD"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {868, _T("LCM"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {869, _T("POW2"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {870, _T("EXP"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {871, _T("FIX"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {872, _T("round"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {873, _T("SIN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {874, _T("COS"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {875, _T("TAN"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {876, _T("COT"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {877, _T("SEC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {878, _T("CSC"), A(12, 5, FW_NORMAL), nullptr, kNone},
    {879, _T("QUAD"), A(12, 5, FW_NORMAL), nullptr, kNone},
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
    if (nType == 400) {
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
