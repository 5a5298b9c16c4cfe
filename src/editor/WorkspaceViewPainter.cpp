// The drawing of a palette page: every item is a filled symbol box with its symbol text, the
// marks of its block (edge trigger, negation) and its pins, the name beside it, and a frame
// round the selected item. One table gives every palette type its symbol; the names are the
// block catalogue's, in the interface language.
#include "editor/WorkspaceView.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "editor/PaletteTypes.h"
#include "platform/core/String.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr COLORREF BOX_OUTLINE = RGB(0, 0, 0);
constexpr COLORREF BOX_FILL = RGB(245, 217, 129);
constexpr COLORREF SELECTION_FRAME = RGB(200, 0, 0);
constexpr COLORREF SYMBOL_COLOUR = RGB(0, 0, 0);
constexpr int SELECTION_MARGIN = 4;
constexpr int NAME_GAP = 5;
// The newer generation's Misc page writes its names lower, level with the box's lower part.
constexpr int LOW_NAME_RISE = 20;
constexpr int PIN_LENGTH = 5;
constexpr int NEGATION_DIAMETER = 6;

enum class Mark { None, Edge, Negated, EdgeNegated };

struct PaletteSymbol {
    int nType;
    LPCTSTR pszText;
    Mark mark;
};

// In code order.
constexpr PaletteSymbol kSymbols[] = {
    {300, _T("&"), Mark::None},      {301, _T("&"), Mark::Edge},        {302, _T("&"), Mark::Negated},
    {303, _T("&"), Mark::EdgeNegated}, {304, _T(">1"), Mark::None},     {305, _T(">1"), Mark::Negated},
    {306, _T("=1"), Mark::None},     {307, _T("1"), Mark::Negated},
    {400, _T("ON-D"), Mark::None},   {401, _T("OFF-D"), Mark::None},    {402, _T("ON/OFF"), Mark::None},
    {403, _T("R-ON-D"), Mark::None}, {404, _T("W-R"), Mark::None},      {405, _T("ETWR"), Mark::None},
    {406, _T("A-P-G"), Mark::None},  {407, _T("R-G"), Mark::None},      {408, _T("S-L-S"), Mark::None},
    {409, _T("M-F-S"), Mark::None},  {410, _T("W-T"), Mark::None},      {411, _T("Y-T"), Mark::None},
    {412, _T("AC"), Mark::None},     {413, _T("SW"), Mark::None},
    {600, _T("I"), Mark::None},      {602, _T("S"), Mark::None},        {603, _T("lo"), Mark::None},
    {604, _T("hi"), Mark::None},     {605, _T("Q"), Mark::None},        {606, _T("X"), Mark::None},
    {607, _T("M"), Mark::None},      {608, _T("AI"), Mark::None},       {609, _T("AQ"), Mark::None},
    {610, _T("AM"), Mark::None},     {611, _T("F"), Mark::None},
    // Contacts read as inputs, coils as outputs; the break contact and the inverted output
    // carry the negation.
    {700, _T("NI"), Mark::None},     {701, _T("NI"), Mark::Negated},    {702, _T("AI"), Mark::None},
    {703, _T("NQ"), Mark::None},     {704, _T("NQ"), Mark::Negated},    {705, _T("AQ"), Mark::None},
    {800, _T("U/D"), Mark::None},    {801, _T("H-C"), Mark::None},      {802, _T("TRG"), Mark::None},
    {803, _T("CMP"), Mark::None},    {804, _T("ATRG"), Mark::None},     {805, _T("AMP"), Mark::None},
    {806, _T("AWD"), Mark::None},    {807, _T("ADT"), Mark::None},      {808, _T("L-R"), Mark::None},
    {809, _T("P-R"), Mark::None},    {810, _T("Text"), Mark::None},     {812, _T(">>"), Mark::None},
    {813, _T("MR"), Mark::None},     {814, _T("MW"), Mark::None},       {815, _T("MATH"), Mark::None},
    {816, _T("MUX"), Mark::None},    {817, _T("RAMP"), Mark::None},     {818, _T("PI"), Mark::None},
    {819, _T("PWM"), Mark::None},    {820, _T("FLT"), Mark::None},      {821, _T("MAX"), Mark::None},
    {822, _T("AVG"), Mark::None},    {823, _T("ERR"), Mark::None},      {824, _T("WI"), Mark::None},
    {825, _T("WQ"), Mark::None},     {826, _T("WAI"), Mark::None},      {827, _T("WAQ"), Mark::None},
    {830, _T("BOOL"), Mark::None},   {831, _T("TDT"), Mark::None},      {832, _T("BCD"), Mark::None},
    {833, _T("BIN"), Mark::None},    {834, _T("ROL"), Mark::None},      {835, _T("ROR"), Mark::None},
    {836, _T("SHL"), Mark::None},    {837, _T("SHR"), Mark::None},      {838, _T("&"), Mark::None},
    {839, _T(">1"), Mark::None},     {840, _T("1"), Mark::Negated},     {841, _T("&"), Mark::Negated},
    {842, _T(">1"), Mark::Negated},  {843, _T("=1"), Mark::None},       {844, _T("AXIV"), Mark::None},
    {845, _T("DXIV"), Mark::None},   {846, _T("Rand"), Mark::None},     {847, _T("MEM"), Mark::None},
    {848, _T("ENC"), Mark::None},    {849, _T("SMC"), Mark::None},      {850, _T("SMCE"), Mark::None},
    {851, _T("PTO"), Mark::None},    {852, _T("PTOE"), Mark::None},     {853, _T("SEG"), Mark::None},
    {854, _T("WTB"), Mark::None},    {855, _T("UDC"), Mark::None},      {856, _T("CRC"), Mark::None},
    {860, _T("ODD"), Mark::None},    {861, _T("EVEN"), Mark::None},     {862, _T("MOD"), Mark::None},
    {863, _T("REM"), Mark::None},    {864, _T("LOG"), Mark::None},      {865, _T("SQRT"), Mark::None},
    {866, _T("ABS"), Mark::None},    {867, _T("GCD"), Mark::None},      {868, _T("LCM"), Mark::None},
    {869, _T("POW2"), Mark::None},   {870, _T("EXP"), Mark::None},      {871, _T("FIX"), Mark::None},
    {872, _T("round"), Mark::None},  {873, _T("SIN"), Mark::None},      {874, _T("COS"), Mark::None},
    {875, _T("TAN"), Mark::None},    {876, _T("COT"), Mark::None},      {877, _T("SEC"), Mark::None},
    {878, _T("CSC"), Mark::None},    {879, _T("QUAD"), Mark::None},
    {911, _T("L"), Mark::None},
};

constexpr bool SymbolsSorted()
{
    for (std::size_t i = 1; i < std::size(kSymbols); ++i) {
        if (kSymbols[i - 1].nType >= kSymbols[i].nType)
            return false;
    }
    return true;
}
static_assert(SymbolsSorted(), "the symbols are searched by code");

const PaletteSymbol* FindSymbol(UINT nType)
{
    const auto* it = std::lower_bound(std::begin(kSymbols), std::end(kSymbols), int(nType),
                                      [](const PaletteSymbol& symbol, int n) { return symbol.nType < n; });
    return it != std::end(kSymbols) && it->nType == int(nType) ? it : nullptr;
}

// The rising edge in the box's top left corner.
void DrawEdgeMark(CDC* pDC, const CRect& box)
{
    const POINT step[] = {{box.left + 3, box.top + 8}, {box.left + 6, box.top + 8}, {box.left + 6, box.top + 3},
                          {box.left + 9, box.top + 3}};
    pDC->Polyline(step, int(std::size(step)));
}

// Input stubs spread down the left edge as the block's pins are; the output stub in the middle
// of the right edge, behind a negation circle where the block negates.
void DrawPins(CDC* pDC, const CRect& box, int nInputs, bool bNegated)
{
    for (int i = 0; i < nInputs; ++i) {
        const int y = box.top + box.Height() / (nInputs + 1) * (i + 1);
        pDC->MoveTo(box.left - PIN_LENGTH, y);
        pDC->LineTo(box.left, y);
    }
    const int y = box.top + box.Height() / 2;
    int x = box.right;
    if (bNegated) {
        pDC->Ellipse(x, y - NEGATION_DIAMETER / 2, x + NEGATION_DIAMETER, y + NEGATION_DIAMETER / 2);
        x += NEGATION_DIAMETER;
    }
    pDC->MoveTo(x, y);
    pDC->LineTo(x + PIN_LENGTH, y);
}

CString ItemName(UINT nType)
{
    CString strName;
    if (const BlockCatalogueEntry* pEntry = FindCatalogueEntry(int(nType)); pEntry && pEntry->nNameId != 0)
        strName.LoadString(pEntry->nNameId);
    return strName;
}

} // namespace

void CWorkspaceView::OnDraw(CDC* pDC)
{
    const DocumentKind kind = ActiveDocumentKind();
    const std::vector<UINT> items = PaletteItems(m_nCategory, kind.byModel, kind.bLadder);
    m_shownItems = items;
    const bool bLowNames = m_nCategory == PALETTE_TAB_MISC && kind.byModel >= MODEL_NEW_GENERATION;
    CFont font;
    font.CreateFont(14, 8, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, _T("Arial"));
    // Symbols of five or six letters ("ON/OFF", "R-ON-D") would run out of the 25-unit box.
    CFont narrow;
    narrow.CreateFont(11, 4, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, _T("Arial"));
    CPen outline(PS_SOLID, 1, BOX_OUTLINE);
    CPen selection(PS_SOLID, 1, SELECTION_FRAME);
    CBrush fill(BOX_FILL);
    CFont* pOldFont = pDC->SelectObject(&font);
    CPen* pOldPen = pDC->SelectObject(&outline);
    CBrush* pOldBrush = pDC->SelectObject(&fill);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(SYMBOL_COLOUR);

    for (std::size_t i = 0; i < items.size(); ++i) {
        const UINT nType = items[i];
        const CRect box = ItemBox(int(i));
        pDC->SelectObject(&outline);
        pDC->SelectObject(&fill);
        pDC->Rectangle(box);
        if (int(nType) == m_nSelectedType) {
            CRect frame = box;
            frame.InflateRect(SELECTION_MARGIN, SELECTION_MARGIN);
            pDC->SelectObject(&selection);
            pDC->SelectStockObject(NULL_BRUSH);
            pDC->Rectangle(frame);
            pDC->SelectObject(&outline);
        }
        pDC->SelectStockObject(NULL_BRUSH);
        const PaletteSymbol* pSymbol = FindSymbol(nType);
        const Mark mark = pSymbol ? pSymbol->mark : Mark::None;
        if (pSymbol) {
            const CString strSymbol(pSymbol->pszText);
            CSize size = pDC->GetTextExtent(strSymbol);
            if (size.cx > box.Width() - 2) {
                pDC->SelectObject(&narrow);
                size = pDC->GetTextExtent(strSymbol);
            }
            pDC->TextOut(box.left + (box.Width() - size.cx) / 2, box.top + (box.Height() - size.cy) / 2, strSymbol);
            pDC->SelectObject(&font);
        }
        if (mark == Mark::Edge || mark == Mark::EdgeNegated)
            DrawEdgeMark(pDC, box);
        const BlockCatalogueEntry* pEntry = FindCatalogueEntry(int(nType));
        DrawPins(pDC, box, pEntry ? pEntry->nInputs : 0, mark == Mark::Negated || mark == Mark::EdgeNegated);

        const CString strName = ItemName(nType);
        const CSize size = pDC->GetTextExtent(strName);
        const int y = bLowNames ? box.bottom - LOW_NAME_RISE : box.top + (box.Height() - size.cy) / 2;
        pDC->TextOut(box.right + NAME_GAP, y, strName);
    }

    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldFont);
}
