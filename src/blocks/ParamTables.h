// The tables of block parameters that message-text elements can show, shared by the element,
// the message-text pages, the display and the program-image codec.
#pragma once

// Parameter-name ids run from 0 to PARAM_NAME_COUNT - 1.
constexpr int PARAM_NAME_COUNT = 145;

// The width in LCD cells of each parameter-name id.
extern const int g_arrParamWidth[PARAM_NAME_COUNT];
