#include "shell/PaletteTabImages.h"

#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/ImageList.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr int kSize = PALETTE_TAB_IMAGE_SIZE;
constexpr COLORREF kMask = RGB(0, 255, 0);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kBlock = RGB(245, 217, 129);  // the palette's block colour
constexpr COLORREF kRed = RGB(192, 0, 0);
constexpr COLORREF kBlue = RGB(0, 64, 192);

// One picture, drawn at the left edge of its square in the strip.
class Picture {
public:
    Picture(PixelBuffer& strip, int nLeft) : m_strip(strip), m_nLeft(nLeft) {}

    void Fill(int x0, int y0, int x1, int y1, COLORREF cr)
    {
        m_strip.Fill(CRect(m_nLeft + x0, y0, m_nLeft + x1, y1), CRect(m_nLeft, 0, m_nLeft + kSize, kSize), cr);
    }
    // A framed box from (x0, y0) up to but not including (x1, y1).
    void Box(int x0, int y0, int x1, int y1, COLORREF crInside)
    {
        Fill(x0, y0, x1, y1, kInk);
        Fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, crInside);
    }
    // A straight line, both ends included.
    void Line(int x0, int y0, int x1, int y1, COLORREF cr)
    {
        const int nSteps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= nSteps; ++i) {
            const int x = nSteps ? x0 + (x1 - x0) * i / nSteps : x0;
            const int y = nSteps ? y0 + (y1 - y0) * i / nSteps : y0;
            if (x >= 0 && x < kSize)
                m_strip.SetPixel(m_nLeft + x, y, cr);
        }
    }

private:
    PixelBuffer& m_strip;
    int m_nLeft;
};

void DrawGate(Picture& p)
{
    p.Box(4, 2, 12, 14, kBlock);
    p.Line(1, 5, 3, 5, kInk);
    p.Line(1, 10, 3, 10, kInk);
    p.Line(12, 8, 14, 8, kInk);
}

void DrawClock(Picture& p)
{
    // An octagon round the dial, then the hands at three o'clock.
    p.Fill(4, 1, 12, 15, kInk);
    p.Fill(1, 4, 15, 12, kInk);
    p.Fill(2, 2, 14, 14, kInk);
    p.Fill(5, 2, 11, 14, kBlock);
    p.Fill(2, 5, 14, 11, kBlock);
    p.Fill(3, 3, 13, 13, kBlock);
    p.Line(8, 4, 8, 8, kInk);
    p.Line(8, 8, 11, 8, kInk);
}

void DrawInOut(Picture& p)
{
    // In along the top to the right, out along the bottom to the left.
    p.Line(1, 4, 13, 4, kBlue);
    p.Line(10, 1, 13, 4, kBlue);
    p.Line(10, 7, 13, 4, kBlue);
    p.Line(2, 11, 14, 11, kRed);
    p.Line(5, 8, 2, 11, kRed);
    p.Line(5, 14, 2, 11, kRed);
}

void DrawSwitch(Picture& p)
{
    p.Line(1, 11, 5, 11, kInk);
    p.Line(5, 11, 11, 5, kInk);
    p.Line(11, 11, 14, 11, kInk);
    p.Fill(10, 10, 13, 13, kInk);
    p.Fill(4, 10, 7, 13, kInk);
}

void DrawPlug(Picture& p)
{
    p.Box(3, 5, 13, 13, kBlock);
    p.Fill(5, 1, 7, 5, kInk);
    p.Fill(9, 1, 11, 5, kInk);
    p.Line(8, 13, 8, 15, kInk);
}

void DrawPlusMinus(Picture& p)
{
    p.Fill(1, 4, 8, 6, kInk);
    p.Fill(3, 2, 6, 8, kInk);
    p.Fill(8, 11, 15, 13, kInk);
}

void DrawChart(Picture& p)
{
    p.Line(1, 1, 1, 14, kInk);
    p.Line(1, 14, 14, 14, kInk);
    p.Line(2, 11, 6, 7, kRed);
    p.Line(6, 7, 9, 10, kRed);
    p.Line(9, 10, 14, 3, kRed);
}

using DrawPicture = void (*)(Picture&);
constexpr DrawPicture kPictures[] = {DrawGate, DrawClock, DrawInOut, DrawSwitch, DrawPlug, DrawPlusMinus, DrawChart};

}  // namespace

BOOL MakePaletteTabImages(CImageList& images)
{
    const int nCount = int(std::size(kPictures));
    PixelBuffer strip(nCount * kSize, kSize);
    strip.Fill(CRect(0, 0, strip.Width(), kSize), CRect(0, 0, strip.Width(), kSize), kMask);
    for (int i = 0; i < nCount; ++i) {
        Picture picture(strip, i * kSize);
        kPictures[i](picture);
    }
    return images.Create(strip, kSize, 1, kMask);
}
