// A surface that records every primitive it is handed, for tests: each record keeps the kind,
// the device coordinates and the state it was drawn with, and the whole log dumps as readable
// lines so that a failing test shows what was drawn.
//
// Over a bitmap's pixels it also carries out the pixel operations (SetPixel, solid fills and
// image copies) so that bitmaps and block transfers can be checked pixel by pixel; lines,
// shapes and text are recorded only.
//
// Text is measured from the LOGFONT alone, deterministically: a fixed-pitch font, or one with a
// width, gives every UTF-16 unit lfWidth (|lfHeight| / 2 when 0) and a height of |lfHeight|;
// a proportional font gives narrow characters half and wide ones one and a half of that unit.
// CJK characters take twice the unit.
#pragma once

#include "platform/gdi/DrawingSurface.h"

#include <optional>
#include <string>
#include <vector>

class RecordingSurface : public DrawingSurface {
public:
    enum class Kind { Polyline, Dot, Polygon, Rectangle, Ellipse, Arc, FillRect, Text, SetPixel, DrawImage };

    struct Record {
        Kind kind = Kind::Polyline;
        DrawState state{};
        std::vector<POINT> points;  // the line or polygon; the dot, text or pixel position;
                                    // the arc's start and end
        RECT rect{};                // shape bounds, filled rectangle, image destination
        RECT srcRect{};             // image source
        bool bClockwise = false;    // arc
        COLORREF colour = 0;        // fill or pixel colour
        std::u16string text;
        std::optional<RECT> textClip;

        std::string ToString() const;
    };

    explicit RecordingSurface(SIZE size = SIZE{1024, 768}, const DeviceCaps& caps = DeviceCaps{});
    RecordingSurface(PixelBuffer& pixels, const DeviceCaps& caps);
    static std::unique_ptr<DrawingSurface> ForPixels(PixelBuffer& pixels, const DeviceCaps& caps);

    const std::vector<Record>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }
    // One line per record.
    std::string Dump() const;

    SIZE GetSize() const override;
    const DeviceCaps& GetDeviceCaps() const override { return m_caps; }
    BitmapSurfaceMaker GetBitmapSurfaceMaker() const override { return &ForPixels; }
    const PixelBuffer* GetPixels() const override { return m_pPixels; }

    void Polyline(const DrawState& state, const POINT* points, int count) override;
    void Dot(const DrawState& state, POINT centre) override;
    void Polygon(const DrawState& state, const POINT* points, int count) override;
    void Rectangle(const DrawState& state, const RECT& rect) override;
    void Ellipse(const DrawState& state, const RECT& rect) override;
    void Arc(const DrawState& state, const RECT& bounds, POINT start, POINT end,
             bool bClockwise) override;
    void FillRect(const DrawState& state, const RECT& rect, COLORREF colour) override;
    void Text(const DrawState& state, POINT topLeft, std::u16string_view text,
              const RECT* pClip) override;
    void SetPixel(const DrawState& state, POINT point, COLORREF colour) override;
    void DrawImage(const DrawState& state, const RECT& dst, const PixelBuffer& src,
                   const RECT& srcRect) override;

    SIZE MeasureText(const LOGFONT& font, std::u16string_view text) override;
    TEXTMETRIC GetTextMetrics(const LOGFONT& font) override;

private:
    Record& Add(Kind kind, const DrawState& state);

    SIZE m_size;
    DeviceCaps m_caps;
    PixelBuffer* m_pPixels = nullptr;
    std::vector<Record> m_records;
};
