// What a device context draws on. The context does the mapping and keeps the selected objects;
// a surface receives primitives in device pixels together with the pen, brush, font and colours
// they need as plain values, and measures text for the context's layout.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelBuffer.h"

#include <memory>
#include <string_view>

struct SurfacePen {
    int nStyle;        // PS_SOLID .. PS_NULL
    int nWidth;        // device pixels, at least 1
    COLORREF crColour;
};

struct SurfaceBrush {
    bool bHollow;
    COLORREF crColour;
};

// The context's state as one primitive needs it, in device units.
struct DrawState {
    SurfacePen pen;
    SurfaceBrush brush;
    LOGFONT font;      // lfHeight and lfWidth in device pixels
    COLORREF crText;
    COLORREF crBk;
    int nBkMode;       // TRANSPARENT or OPAQUE
    int nRop2;         // R2_BLACK .. R2_WHITE, applied to pen and brush drawing
    int nPolyFillMode; // ALTERNATE or WINDING
    int nStretchBltMode;
    RECT rcClip;       // nothing is drawn outside it
};

class DrawingSurface;
// Makes a surface of the same kind that paints into the pixels of a bitmap; a memory device
// context keeps it so that it outlives the context it was made compatible with.
using BitmapSurfaceMaker = std::unique_ptr<DrawingSurface> (*)(PixelBuffer& pixels,
                                                                const DeviceCaps& caps);

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual SIZE GetSize() const = 0;
    virtual const DeviceCaps& GetDeviceCaps() const = 0;
    virtual BitmapSurfaceMaker GetBitmapSurfaceMaker() const = 0;
    // The pixels the surface paints into, when it has them in memory; nullptr otherwise.
    virtual const PixelBuffer* GetPixels() const = 0;

    // Lines join the points in order; the last point itself is not drawn.
    virtual void Polyline(const DrawState& state, const POINT* points, int count) = 0;
    // A round dot of the pen's width: what a zero-length line with a wide pen leaves.
    virtual void Dot(const DrawState& state, POINT centre) = 0;
    virtual void Polygon(const DrawState& state, const POINT* points, int count) = 0;
    // Rectangles are normalized and exclude their right and bottom edges.
    virtual void Rectangle(const DrawState& state, const RECT& rect) = 0;
    virtual void Ellipse(const DrawState& state, const RECT& rect) = 0;
    // The part of the ellipse in bounds between the rays from its centre through start and end.
    virtual void Arc(const DrawState& state, const RECT& bounds, POINT start, POINT end,
                     bool bClockwise) = 0;
    // A solid fill unaffected by the raster operation.
    virtual void FillRect(const DrawState& state, const RECT& rect, COLORREF colour) = 0;
    // topLeft is the top-left corner of the text cell; pClip, when given, clips further.
    virtual void Text(const DrawState& state, POINT topLeft, std::u16string_view text,
                      const RECT* pClip) = 0;
    virtual void SetPixel(const DrawState& state, POINT point, COLORREF colour) = 0;
    // Copies srcRect of src onto dst, stretching when their sizes differ.
    virtual void DrawImage(const DrawState& state, const RECT& dst, const PixelBuffer& src,
                           const RECT& srcRect) = 0;

    // Between these two calls the surface may keep solid one-pixel lines back and store them
    // together at the end, in an order that suits its memory; the pixels end up the same as if
    // each had been stored at once. Any other primitive stores what was kept first. A diagram's
    // wires are such a run: on a large bitmap their long vertical lines touch a new row of
    // memory with every pixel.
    virtual void BeginLineRun() {}
    virtual void EndLineRun() {}

    // The cell of the text in the font (heights and widths in device pixels).
    virtual SIZE MeasureText(const LOGFONT& font, std::u16string_view text) = 0;
    virtual TEXTMETRIC GetTextMetrics(const LOGFONT& font) = 0;
};
