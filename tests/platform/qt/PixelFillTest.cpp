// Direct fills of a bitmap's pixels: a fill too large for the cache is stored past it, row by row
// from an edge that need not be aligned, and must cover what an ordinary fill covers.
#include "platform/qt/PixelFill.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint32_t kGround = 0xFFFFFFFF;
constexpr std::uint32_t kColour = 0xFF123456;

// The number of pixels that differ from what filling area over kGround leaves.
int WrongPixels(const PixelBuffer& pixels, const QRect& area)
{
    int nWrong = 0;
    const std::uint32_t* p = pixels.Data();
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x, ++p)
            nWrong += *p != (area.contains(x, y) ? kColour : kGround);
    }
    return nWrong;
}

TEST(PixelFillTest, LargeAndSmallFillsCoverExactlyTheirArea)
{
    // 2101 x 2100 pixels are over 16 MB: the fill of nearly all of them streams; the odd left
    // edge and width leave a start and an end that are not four pixels apart.
    PixelBuffer pixels(2101, 2100);
    const QRect areas[] = {QRect(3, 1, 2097, 2098), QRect(5, 7, 30, 20), QRect(9, 0, 1, 2100)};
    for (const QRect& area : areas) {
        FillPixels(pixels, QRect(0, 0, pixels.Width(), pixels.Height()), kGround);
        FillPixels(pixels, area, kColour);
        EXPECT_EQ(WrongPixels(pixels, area), 0) << area.x() << "," << area.y() << " " << area.width() << " x "
                                                << area.height();
    }
}

TEST(PixelFillTest, AreaOutsideTheBitmapIsCut)
{
    PixelBuffer pixels(40, 30);
    FillPixels(pixels, QRect(0, 0, 40, 30), kGround);
    FillPixels(pixels, QRect(-5, 25, 100, 100), kColour);
    EXPECT_EQ(WrongPixels(pixels, QRect(0, 25, 40, 5)), 0);
}

} // namespace
