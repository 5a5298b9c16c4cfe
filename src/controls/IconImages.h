// The program's icons, drawn rather than loaded: each icon resource id the buttons use names a
// small picture painted with the device context's shapes, so that it scales with the button
// and needs no image files. The lamp pair shows the state of a simulated input or output: 204
// lit (ON), 209 unlit (OFF).
#pragma once

#include "platform/core/Geometry.h"

class CDC;

constexpr int IDI_LAMP_ON = 204;
constexpr int IDI_LAMP_OFF = 209;
// The message-text page's pointer and scope buttons.
constexpr int IDI_POINTER = 420;
constexpr int IDI_SCOPE = 422;
// The side of an icon, in pixels.
constexpr int ICON_IMAGE_SIZE = 16;

// TRUE when nIconId names a picture of the table.
BOOL IsKnownIconImage(int nIconId);
// Paints the icon into the 16 x 16 square at ptTopLeft, greyed when bDisabled; FALSE (and
// nothing drawn) for an unknown id.
BOOL DrawIconImage(CDC* pDC, int nIconId, CPoint ptTopLeft, BOOL bDisabled);
