// An opaque colour over a rectangle of a bitmap's own pixels, stored directly: what the
// painter's fill would store, without its setup for every row of a one-pixel wide rectangle.
#pragma once

#include "platform/gdi/PixelBuffer.h"

#include <QRect>

#include <cstdint>

void FillPixels(PixelBuffer& pixels, const QRect& area, std::uint32_t value);
