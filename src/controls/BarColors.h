// The colours the bars and list controls paint with: the classic light three-dimensional scheme,
// fixed, since the layer has no system colour settings to follow.
#pragma once

#include "platform/core/Types.h"

constexpr COLORREF kColorBtnFace = RGB(240, 240, 240);
constexpr COLORREF kColorBtnHighlight = RGB(255, 255, 255);
constexpr COLORREF kColorBtnShadow = RGB(160, 160, 160);
constexpr COLORREF kColorBtnText = RGB(0, 0, 0);
constexpr COLORREF kColorGrayText = RGB(109, 109, 109);
constexpr COLORREF kColorWindow = RGB(255, 255, 255);
constexpr COLORREF kColorWindowText = RGB(0, 0, 0);
constexpr COLORREF kColorHighlight = RGB(0, 120, 215);
constexpr COLORREF kColorHighlightText = RGB(255, 255, 255);
constexpr COLORREF kColorActiveCaption = RGB(153, 180, 209);
constexpr COLORREF kColorInactiveCaption = RGB(191, 205, 219);
constexpr COLORREF kColorGradientActiveCaption = RGB(185, 209, 234);
constexpr COLORREF kColorGradientInactiveCaption = RGB(215, 228, 242);
constexpr COLORREF kColorCaptionText = RGB(0, 0, 0);
constexpr COLORREF kColorInactiveCaptionText = RGB(67, 78, 84);
