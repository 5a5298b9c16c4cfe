#include "messagetext/WidgetTypeLabel.h"

#include "blocks/BlockTypeTable.h"
#include "messagetext/LcdFonts.h"
#include "messagetext/WidgetTypePictogram.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

namespace {

constexpr COLORREF kTypeBoxColour = RGB(245, 217, 129);
constexpr int kBoxWidth = 25;

LOGFONT LabelLogFont(const TypeBoxFont& font)
{
    return font.bSans ? SansFont(font.nHeight, font.nWidth, font.nWeight)
                      : FixedFont(font.nHeight, font.nWidth, font.nWeight);
}

// Writes a text at y, centred across the box unless nLeft places it.
void WriteText(CDC& dc, const CRect& box, int y, LPCTSTR pszText, const TypeBoxFont& font,
               int nLeft = TYPE_BOX_CENTRED)
{
    const LOGFONT lf = LabelLogFont(font);
    CFont created;
    created.CreateFontIndirect(&lf);
    CFont* pOld = dc.SelectObject(&created);
    const CString strText(pszText);
    const int x = nLeft == TYPE_BOX_CENTRED ? (kBoxWidth - dc.GetTextExtent(strText).cx) / 2 + 1 : nLeft;
    dc.TextOut(box.left + x, y, strText);
    dc.SelectObject(pOld);
}

}  // namespace

void DrawTypeLabel(CDC& dc, const CRect& box, int nType)
{
    const TypeBoxLabel label = TypeBoxLabelOf(nType);
    if (label.IsEmpty())
        return;
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = dc.SelectObject(&pen);
    const COLORREF crOldBk = dc.SetBkColor(kTypeBoxColour);
    DrawPictogram(dc, box, label.pictogram);
    if (label.pszText && label.pszSecond) {
        const bool bMask = label.second.nWeight == FW_HEAVY;
        WriteText(dc, box, box.top + (bMask ? 9 : 3), label.pszText, label.font);
        WriteText(dc, box, box.top + (bMask ? 24 : 18), label.pszSecond, label.second);
    } else if (label.pszText) {
        // Under a pictogram the text sits near the bottom of the box.
        const int y = label.pictogram.empty() ? box.top + 12 : box.bottom - label.font.nHeight / 4 - 9;
        WriteText(dc, box, y, label.pszText, label.font, label.nTextLeft);
    }
    dc.SetBkColor(crOldBk);
    dc.SelectObject(pOldPen);
}
