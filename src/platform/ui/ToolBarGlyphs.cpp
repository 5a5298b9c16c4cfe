#include "platform/ui/ToolBarGlyphs.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/FrameIds.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <span>

namespace {

using Tone = ToolTone;
using Shape = ToolShape;
using Stroke = ToolStroke;
constexpr auto Box = ToolBox;

constexpr Stroke kNew[] = {
    {Shape::Polygon, Tone::Paper, Tone::Ink, 1, 5, {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}},
    {Shape::Polyline, Tone::Ink, Tone::Ink, 1, 3, {{10, 1}, {10, 4}, {13, 4}}},
};
constexpr Stroke kOpen[] = {
    {Shape::Polygon, Tone::Yellow, Tone::Ink, 1, 6, {{1, 2}, {5, 2}, {7, 4}, {13, 4}, {13, 13}, {1, 13}}},
    {Shape::Polygon, Tone::Gold, Tone::Ink, 1, 4, {{1, 13}, {4, 7}, {15, 7}, {13, 13}}},
};
constexpr Stroke kSave[] = {
    {Shape::Polygon, Tone::Blue, Tone::Ink, 1, 5, {{1, 1}, {13, 1}, {14, 2}, {14, 14}, {1, 14}}},
    Box(Tone::Paper, 4, 1, 11, 6),
    Box(Tone::Grey, 4, 9, 11, 14),
};
constexpr Stroke kCut[] = {
    {Shape::Polyline, Tone::Ink, Tone::Ink, 1, 2, {{4, 9}, {10, 0}}},
    {Shape::Polyline, Tone::Ink, Tone::Ink, 1, 2, {{11, 9}, {5, 0}}},
    {Shape::Ellipse, Tone::Paper, Tone::Ink, 1, 2, {{1, 9}, {7, 15}}},
    {Shape::Ellipse, Tone::Paper, Tone::Ink, 1, 2, {{9, 9}, {15, 15}}},
};
constexpr Stroke kCopy[] = {
    Box(Tone::Paper, 1, 1, 9, 10),
    Box(Tone::Paper, 6, 4, 14, 14),
};
constexpr Stroke kPaste[] = {
    Box(Tone::Brown, 1, 2, 11, 14),
    Box(Tone::Grey, 4, 0, 8, 3),
    Box(Tone::Paper, 6, 6, 14, 14),
};
constexpr Stroke kUndo[] = {
    {Shape::Polyline, Tone::Blue, Tone::Blue, 2, 4, {{13, 12}, {13, 8}, {11, 6}, {4, 6}}},
    {Shape::Polygon, Tone::Blue, Tone::Blue, 1, 3, {{1, 6}, {5, 2}, {5, 10}}},
};
constexpr Stroke kRedo[] = {
    {Shape::Polyline, Tone::Blue, Tone::Blue, 2, 4, {{2, 12}, {2, 8}, {4, 6}, {11, 6}}},
    {Shape::Polygon, Tone::Blue, Tone::Blue, 1, 3, {{14, 6}, {10, 2}, {10, 10}}},
};
constexpr Stroke kPrint[] = {
    Box(Tone::Paper, 4, 1, 11, 6),
    Box(Tone::Grey, 1, 6, 14, 11),
    Box(Tone::Paper, 4, 9, 11, 14),
};
constexpr Stroke kAbout[] = {
    {Shape::Polyline, Tone::Blue, Tone::Blue, 2, 8,
     {{4, 4}, {5, 2}, {7, 1}, {10, 1}, {11, 3}, {11, 5}, {8, 8}, {8, 10}}},
    {Shape::Polygon, Tone::Blue, Tone::Blue, 1, 4, {{7, 12}, {9, 12}, {9, 14}, {7, 14}}},
};

struct Glyph {
    UINT nID;
    std::span<const Stroke> strokes;
};

constexpr Glyph kGlyphs[] = {
    {ID_FILE_NEW, kNew},     {ID_FILE_OPEN, kOpen},   {ID_FILE_SAVE, kSave},
    {ID_EDIT_CUT, kCut},     {ID_EDIT_COPY, kCopy},   {ID_EDIT_PASTE, kPaste},
    {ID_EDIT_UNDO, kUndo},   {ID_EDIT_REDO, kRedo},   {ID_FILE_PRINT, kPrint},
    {ID_APP_ABOUT, kAbout},
};

std::map<UINT, std::span<const Stroke>>& RegisteredGlyphs()
{
    static std::map<UINT, std::span<const Stroke>> s_glyphs;
    return s_glyphs;
}

std::span<const Stroke> FindGlyph(UINT nID)
{
    if (const auto it = RegisteredGlyphs().find(nID); it != RegisteredGlyphs().end())
        return it->second;
    const auto it = std::find_if(std::begin(kGlyphs), std::end(kGlyphs),
                                 [nID](const Glyph& glyph) { return glyph.nID == nID; });
    return it != std::end(kGlyphs) ? it->strokes : std::span<const Stroke>();
}

COLORREF ColourOf(Tone tone, bool bEnabled)
{
    if (!bEnabled)
        return tone == Tone::Ink || tone == Tone::Blue || tone == Tone::Green || tone == Tone::Red
                   ? RGB(160, 160, 160)
                   : RGB(232, 232, 232);
    switch (tone) {
    case Tone::Ink:
        return RGB(40, 40, 40);
    case Tone::Paper:
        return RGB(255, 255, 255);
    case Tone::Blue:
        return RGB(40, 90, 170);
    case Tone::Yellow:
        return RGB(240, 205, 90);
    case Tone::Gold:
        return RGB(215, 165, 40);
    case Tone::Grey:
        return RGB(190, 190, 190);
    case Tone::Brown:
        return RGB(170, 120, 60);
    case Tone::Green:
        return RGB(50, 160, 70);
    case Tone::Red:
        return RGB(200, 50, 40);
    }
    return RGB(0, 0, 0);
}

void DrawStroke(CDC& dc, const Stroke& stroke, CPoint ptOrigin, bool bEnabled)
{
    POINT points[std::size(Stroke{}.pts)];
    for (int i = 0; i < stroke.nCount; ++i)
        points[i] = {ptOrigin.x + stroke.pts[i].x, ptOrigin.y + stroke.pts[i].y};
    CPen pen(PS_SOLID, stroke.nWidth, ColourOf(stroke.pen, bEnabled));
    CBrush brush(ColourOf(stroke.fill, bEnabled));
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    switch (stroke.shape) {
    case Shape::Polygon:
        dc.Polygon(points, stroke.nCount);
        break;
    case Shape::Polyline:
        dc.Polyline(points, stroke.nCount);
        break;
    case Shape::Ellipse:
        dc.Ellipse(points[0].x, points[0].y, points[1].x, points[1].y);
        break;
    }
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

}  // namespace

void AfxRegisterToolGlyph(UINT nID, std::span<const ToolStroke> strokes)
{
    RegisteredGlyphs()[nID] = strokes;
}

bool HasStockToolGlyph(UINT nID) { return !FindGlyph(nID).empty(); }

void DrawStockToolGlyph(CDC& dc, UINT nID, CPoint ptOrigin, bool bEnabled)
{
    for (const Stroke& stroke : FindGlyph(nID))
        DrawStroke(dc, stroke, ptOrigin, bEnabled);
}
