// The drawing surface on Qt: device-pixel primitives painted with a QPainter on a window, a
// printer page or the pixels of a bitmap. Shapes are drawn without antialiasing and placed on
// pixel centres so that they cover the pixels the classic system covers; fonts come from the
// LOGFONT (pixel heights, a positive height being the cell height; an empty face is the default
// sans family) and text is measured with Qt's font metrics. Qt needs a QGuiApplication (or
// QApplication) to exist before fonts are used.
#pragma once

#include "platform/gdi/DrawingSurface.h"

#include <memory>

class QPainter;

class QPainterSurface : public DrawingSurface {
public:
    // Paints with a painter that someone else has begun and will end; size is the device area.
    QPainterSurface(QPainter& painter, SIZE size, const DeviceCaps& caps);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

    // A surface that paints into a bitmap's pixels; what memory contexts of this kind use.
    static std::unique_ptr<DrawingSurface> ForPixels(PixelBuffer& pixels, const DeviceCaps& caps);
    // Makes the primary screen the display of the drawing layer: its size and resolution for
    // GetDeviceCaps, and Qt painting for memory contexts made compatible with the display.
    static void InstallAsDisplay();

    SIZE GetSize() const override;
    const DeviceCaps& GetDeviceCaps() const override;
    BitmapSurfaceMaker GetBitmapSurfaceMaker() const override { return &ForPixels; }
    const PixelBuffer* GetPixels() const override;

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

    void BeginLineRun() override;
    void EndLineRun() override;

    SIZE MeasureText(const LOGFONT& font, std::u16string_view text) override;
    TEXTMETRIC GetTextMetrics(const LOGFONT& font) override;

private:
    struct Impl;
    explicit QPainterSurface(std::unique_ptr<Impl> pImpl);

    std::unique_ptr<Impl> m_pImpl;
};
