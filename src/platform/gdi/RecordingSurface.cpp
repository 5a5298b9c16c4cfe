#include "platform/gdi/RecordingSurface.h"

#include "platform/core/FaceName.h"
#include "platform/core/String.h"

#include <cstdlib>
#include <sstream>

namespace {

constexpr int kDefaultFontHeight = 16;

bool IsCjk(char16_t c)
{
    struct Range {
        char16_t first, last;
    };
    static constexpr Range ranges[] = {
        {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6},
    };
    for (const Range& range : ranges)
        if (c >= range.first && c <= range.last)
            return true;
    return false;
}

int CellHeight(const LOGFONT& font)
{
    return font.lfHeight == 0 ? kDefaultFontHeight : std::abs(font.lfHeight);
}

int WidthUnit(const LOGFONT& font)
{
    return font.lfWidth != 0 ? std::abs(font.lfWidth) : CellHeight(font) / 2;
}

bool MeasuresFixed(const LOGFONT& font)
{
    return (font.lfPitchAndFamily & 0x03) == FIXED_PITCH || font.lfWidth != 0;
}

// Width of one UTF-16 unit in halves of the width unit.
int HalfUnits(char16_t c, bool bFixed)
{
    if (IsCjk(c))
        return 4;
    if (bFixed)
        return 2;
    if (std::u16string_view(u" .,:;'!|iIl1jft()[]`\"").find(c) != std::u16string_view::npos)
        return 1;
    if (std::u16string_view(u"MWmw@%").find(c) != std::u16string_view::npos)
        return 3;
    return 2;
}

std::string Colour(COLORREF colour)
{
    std::ostringstream out;
    out << "RGB(" << int(GetRValue(colour)) << "," << int(GetGValue(colour)) << ","
        << int(GetBValue(colour)) << ")";
    return out.str();
}

std::string Point(POINT point)
{
    std::ostringstream out;
    out << "(" << point.x << "," << point.y << ")";
    return out.str();
}

std::string Rect(const RECT& rect)
{
    return Point({rect.left, rect.top}) + "-" + Point({rect.right, rect.bottom});
}

std::string Pen(const SurfacePen& pen)
{
    static const char* const styles[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null",
                                         "insideframe"};
    const bool bKnown = pen.nStyle >= PS_SOLID && pen.nStyle <= PS_INSIDEFRAME;
    return std::string(" pen=") + (bKnown ? styles[pen.nStyle] : "?") + "/" +
           std::to_string(pen.nWidth) + "/" + Colour(pen.crColour);
}

std::string Brush(const SurfaceBrush& brush)
{
    return std::string(" brush=") + (brush.bHollow ? "hollow" : Colour(brush.crColour));
}

std::string Rop(int nRop2)
{
    static const char* const names[] = {
        "R2_BLACK",   "R2_NOTMERGEPEN", "R2_MASKNOTPEN", "R2_NOTCOPYPEN",  "R2_MASKPENNOT",
        "R2_NOT",     "R2_XORPEN",      "R2_NOTMASKPEN", "R2_MASKPEN",     "R2_NOTXORPEN",
        "R2_NOP",     "R2_MERGENOTPEN", "R2_COPYPEN",    "R2_MERGEPENNOT", "R2_MERGEPEN",
        "R2_WHITE"};
    if (nRop2 == R2_COPYPEN)
        return "";
    if (nRop2 < R2_BLACK || nRop2 > R2_WHITE)
        return " rop=?";
    return std::string(" rop=") + names[nRop2 - 1];
}

std::string Font(const LOGFONT& font)
{
    std::ostringstream out;
    out << " font=\"" << CString(FaceNameOf(font)).ToUtf8() << "\" "
        << font.lfHeight << "x" << font.lfWidth << " w" << font.lfWeight;
    if (font.lfItalic)
        out << " italic";
    if (font.lfUnderline)
        out << " underline";
    if (font.lfEscapement)
        out << " esc=" << font.lfEscapement;
    return out.str();
}

std::string Points(const std::vector<POINT>& points)
{
    std::string out;
    for (const POINT& point : points) {
        out += ' ';
        out += Point(point);
    }
    return out;
}

}  // namespace

std::string RecordingSurface::Record::ToString() const
{
    switch (kind) {
    case Kind::Polyline:
        return "Polyline" + Points(points) + Pen(state.pen) + Rop(state.nRop2);
    case Kind::Dot:
        return "Dot" + Points(points) + Pen(state.pen) + Rop(state.nRop2);
    case Kind::Polygon:
        return "Polygon" + Points(points) + Pen(state.pen) + Brush(state.brush) +
               (state.nPolyFillMode == WINDING ? " winding" : " alternate") + Rop(state.nRop2);
    case Kind::Rectangle:
        return "Rectangle " + Rect(rect) + Pen(state.pen) + Brush(state.brush) + Rop(state.nRop2);
    case Kind::Ellipse:
        return "Ellipse " + Rect(rect) + Pen(state.pen) + Brush(state.brush) + Rop(state.nRop2);
    case Kind::Arc:
        return "Arc " + Rect(rect) + " from " + Point(points[0]) + " to " + Point(points[1]) +
               (bClockwise ? " clockwise" : " counterclockwise") + Pen(state.pen) +
               Rop(state.nRop2);
    case Kind::FillRect:
        return "FillRect " + Rect(rect) + " " + Colour(colour);
    case Kind::Text:
        return "Text" + Points(points) + " \"" + CString(text).ToUtf8() + "\"" + Font(state.font) +
               " colour=" + Colour(state.crText) +
               " bk=" + (state.nBkMode == OPAQUE ? Colour(state.crBk) : "transparent") +
               (textClip ? " clip=" + Rect(*textClip) : "");
    case Kind::SetPixel:
        return "SetPixel" + Points(points) + " " + Colour(colour);
    case Kind::DrawImage:
        return "DrawImage " + Rect(rect) + " from " + Rect(srcRect);
    }
    return "?";
}

RecordingSurface::RecordingSurface(SIZE size, const DeviceCaps& caps) : m_size(size), m_caps(caps)
{
}

RecordingSurface::RecordingSurface(PixelBuffer& pixels, const DeviceCaps& caps)
    : m_size{pixels.Width(), pixels.Height()}, m_caps(caps), m_pPixels(&pixels)
{
}

std::unique_ptr<DrawingSurface> RecordingSurface::ForPixels(PixelBuffer& pixels,
                                                            const DeviceCaps& caps)
{
    return std::make_unique<RecordingSurface>(pixels, caps);
}

std::string RecordingSurface::Dump() const
{
    std::string out;
    for (const Record& record : m_records)
        out += record.ToString() + "\n";
    return out;
}

SIZE RecordingSurface::GetSize() const { return m_size; }

RecordingSurface::Record& RecordingSurface::Add(Kind kind, const DrawState& state)
{
    Record& record = m_records.emplace_back();
    record.kind = kind;
    record.state = state;
    return record;
}

void RecordingSurface::Polyline(const DrawState& state, const POINT* points, int count)
{
    Add(Kind::Polyline, state).points.assign(points, points + count);
}

void RecordingSurface::Dot(const DrawState& state, POINT centre)
{
    Add(Kind::Dot, state).points = {centre};
}

void RecordingSurface::Polygon(const DrawState& state, const POINT* points, int count)
{
    Add(Kind::Polygon, state).points.assign(points, points + count);
}

void RecordingSurface::Rectangle(const DrawState& state, const RECT& rect)
{
    Add(Kind::Rectangle, state).rect = rect;
}

void RecordingSurface::Ellipse(const DrawState& state, const RECT& rect)
{
    Add(Kind::Ellipse, state).rect = rect;
}

void RecordingSurface::Arc(const DrawState& state, const RECT& bounds, POINT start, POINT end,
                           bool bClockwise)
{
    Record& record = Add(Kind::Arc, state);
    record.rect = bounds;
    record.points = {start, end};
    record.bClockwise = bClockwise;
}

void RecordingSurface::FillRect(const DrawState& state, const RECT& rect, COLORREF colour)
{
    Record& record = Add(Kind::FillRect, state);
    record.rect = rect;
    record.colour = colour;
    if (m_pPixels)
        m_pPixels->Fill(rect, state.rcClip, colour);
}

void RecordingSurface::Text(const DrawState& state, POINT topLeft, std::u16string_view text,
                            const RECT* pClip)
{
    Record& record = Add(Kind::Text, state);
    record.points = {topLeft};
    record.text = text;
    if (pClip)
        record.textClip = *pClip;
}

void RecordingSurface::SetPixel(const DrawState& state, POINT point, COLORREF colour)
{
    Record& record = Add(Kind::SetPixel, state);
    record.points = {point};
    record.colour = colour;
    if (m_pPixels)
        m_pPixels->Fill({point.x, point.y, point.x + 1, point.y + 1}, state.rcClip, colour);
}

void RecordingSurface::DrawImage(const DrawState& state, const RECT& dst, const PixelBuffer& src,
                                 const RECT& srcRect)
{
    Record& record = Add(Kind::DrawImage, state);
    record.rect = dst;
    record.srcRect = srcRect;
    if (m_pPixels)
        m_pPixels->Blit(dst, src, srcRect, state.rcClip);
}

SIZE RecordingSurface::MeasureText(const LOGFONT& font, std::u16string_view text)
{
    const bool bFixed = MeasuresFixed(font);
    long halves = 0;
    for (char16_t c : text)
        halves += HalfUnits(c, bFixed);
    return SIZE{LONG((halves * WidthUnit(font) + 1) / 2), LONG(CellHeight(font))};
}

TEXTMETRIC RecordingSurface::GetTextMetrics(const LOGFONT& font)
{
    const int nHeight = CellHeight(font);
    const int nUnit = WidthUnit(font);
    TEXTMETRIC metrics{};
    metrics.tmHeight = nHeight;
    metrics.tmDescent = nHeight / 5;
    metrics.tmAscent = nHeight - metrics.tmDescent;
    metrics.tmAveCharWidth = nUnit;
    metrics.tmMaxCharWidth = 2 * nUnit;
    metrics.tmWeight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
    metrics.tmDigitizedAspectX = m_caps.nLogPixelsX;
    metrics.tmDigitizedAspectY = m_caps.nLogPixelsY;
    metrics.tmFirstChar = u' ';
    metrics.tmLastChar = 0xFFFD;
    metrics.tmDefaultChar = u'?';
    metrics.tmBreakChar = u' ';
    metrics.tmItalic = font.lfItalic;
    metrics.tmUnderlined = font.lfUnderline;
    metrics.tmStruckOut = font.lfStrikeOut;
    metrics.tmPitchAndFamily =
        BYTE((font.lfPitchAndFamily & 0xF0) | (MeasuresFixed(font) ? 0 : TMPF_FIXED_PITCH));
    metrics.tmCharSet = font.lfCharSet;
    return metrics;
}
