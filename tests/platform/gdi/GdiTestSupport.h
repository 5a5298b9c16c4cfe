// A device context drawing on a recording surface, and the fonts the tests measure with.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

struct RecordingDC {
    explicit RecordingDC(SIZE size = SIZE{800, 600}, const DeviceCaps& caps = DeviceCaps{})
        : surface(size, caps), dc(surface)
    {
    }
    const std::vector<RecordingSurface::Record>& Records() const { return surface.Records(); }

    RecordingSurface surface;
    CDC dc;
};

// The block font: 12 high, 6 wide, fixed pitch, "Arial".
inline void CreateBlockFont(CFont& font)
{
    font.CreateFont(12, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, u"Arial");
}

// The view's zoom: isotropic, window extent 100 x 100, viewport extent zoom x 100.
inline void ApplyZoom(CDC& dc, int nPercent)
{
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(nPercent, nPercent);
}

inline ::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected)
{
    if (CRect(actual) == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.left << "," << actual.top << ")-(" << actual.right << ","
           << actual.bottom << ") instead of (" << expected.left << "," << expected.top << ")-("
           << expected.right << "," << expected.bottom << ")";
}

inline ::testing::AssertionResult PointIs(POINT actual, POINT expected)
{
    if (actual.x == expected.x && actual.y == expected.y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << "," << actual.y << ") instead of ("
                                         << expected.x << "," << expected.y << ")";
}
