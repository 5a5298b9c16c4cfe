// The drawing of a palette page: every item is a filled symbol box with its symbol text, the
// marks of its block (edge trigger, negation) and its pins, the name beside it, and a frame
// round the selected item. The symbols, marks, input counts and names (in the interface
// language) are the block-type table's.
#include "editor/WorkspaceView.h"

#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/ModelSettings.h"
#include "editor/PaletteTypes.h"
#include "platform/core/String.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <iterator>
#include <memory>
#include <vector>

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
// The font of symbols too wide for their box, and the least height it may shrink to.
constexpr int NARROW_HEIGHT = 11;
constexpr int NARROW_WIDTH = 4;
constexpr int SMALLEST_SYMBOL_HEIGHT = 7;

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

// The Chinese interface names a block as its sheet caption does; a block without a Chinese
// name keeps its English one.
CString ItemName(const BlockTypeRow* pRow)
{
    CString strName;
    if (!pRow)
        return strName;
    if (g_bChineseUI == 1) {
        if (const LPCTSTR pszChinese = ChineseBlockName(pRow->caption))
            return pszChinese;
    }
    if (pRow->texts.nNameId != 0)
        strName.LoadString(pRow->texts.nNameId);
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
    narrow.CreateFont(NARROW_HEIGHT, NARROW_WIDTH, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
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
        const BlockTypeRow* pRow = FindBlockType(int(nType));
        const PaletteMark mark = pRow ? pRow->palette.mark : PaletteMark::None;
        if (pRow && pRow->palette.pszSymbol) {
            const CString strSymbol(pRow->palette.pszSymbol);
            const int nRoom = box.Width() - 2;
            // Selected until the symbol is drawn, so declared before it.
            std::vector<std::unique_ptr<CFont>> squeezed;
            CSize size = pDC->GetTextExtent(strSymbol);
            if (size.cx > nRoom) {
                pDC->SelectObject(&narrow);
                size = pDC->GetTextExtent(strSymbol);
            }
            // A screen font may come out wider than the narrow one asks for ("R-ON-D" ran over
            // both edges of its box): smaller sizes until the symbol fits or is still readable.
            for (int nHeight = NARROW_HEIGHT - 1; size.cx > nRoom && nHeight >= SMALLEST_SYMBOL_HEIGHT; --nHeight) {
                auto pFont = std::make_unique<CFont>();
                pFont->CreateFont(nHeight, nHeight * NARROW_WIDTH / NARROW_HEIGHT, 0, 0, FW_NORMAL, 0, 0, 0,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, _T("Arial"));
                pDC->SelectObject(pFont.get());
                size = pDC->GetTextExtent(strSymbol);
                squeezed.push_back(std::move(pFont));
            }
            pDC->TextOut(box.left + (box.Width() - size.cx) / 2, box.top + (box.Height() - size.cy) / 2, strSymbol);
            pDC->SelectObject(&font);
        }
        if (mark == PaletteMark::Edge || mark == PaletteMark::EdgeNegated)
            DrawEdgeMark(pDC, box);
        DrawPins(pDC, box, pRow ? pRow->pins.nInputs : 0,
                 mark == PaletteMark::Negated || mark == PaletteMark::EdgeNegated);

        const CString strName = ItemName(pRow);
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
