#include "shell/ToolBarIcons.h"

#include "shell/Resource.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/ToolBarGlyphs.h"

namespace {

using enum ToolShape;
using enum ToolTone;

// The device: a box with a display window, the same in both transfer directions so that the
// arrow alone tells them apart.
constexpr ToolStroke kDevice = ToolBox(Grey, 6, 8, 15, 14);
constexpr ToolStroke kDeviceScreen = ToolBox(Green, 8, 10, 13, 12);
constexpr ToolStroke kPc = ToolBox(Blue, 0, 1, 6, 6);

constexpr ToolStroke kDownload[] = {
    kPc,
    kDevice,
    kDeviceScreen,
    {Polyline, Red, Red, 2, 3, {{3, 7}, {3, 11}, {5, 11}}},
    {Polygon, Red, Red, 1, 3, {{5, 9}, {5, 13}, {7, 11}}},
};
constexpr ToolStroke kUpload[] = {
    kPc,
    kDevice,
    kDeviceScreen,
    {Polyline, Red, Red, 2, 3, {{10, 7}, {10, 3}, {9, 3}}},
    {Polygon, Red, Red, 1, 3, {{9, 1}, {9, 5}, {7, 3}}},
};
constexpr ToolStroke kRunStop[] = {
    {Polygon, Green, Ink, 1, 3, {{1, 2}, {8, 7}, {1, 12}}},
    ToolBox(Red, 9, 4, 15, 10),
};
// A square wave: the simulated inputs and outputs switching on the simulated clock.
constexpr ToolStroke kSimulation[] = {
    ToolBox(Paper, 0, 1, 15, 14),
    {Polyline, Green, Green, 2, 8, {{2, 11}, {5, 11}, {5, 4}, {9, 4}, {9, 11}, {12, 11}, {12, 4}, {14, 4}}},
};
// Two blocks joined by a wire.
constexpr ToolStroke kConnect[] = {
    ToolBox(Yellow, 0, 1, 5, 7),
    ToolBox(Yellow, 10, 7, 15, 13),
    {Polyline, Blue, Blue, 2, 4, {{5, 4}, {8, 4}, {8, 10}, {10, 10}}},
};
constexpr ToolStroke kLens = {Ellipse, Paper, Ink, 2, 2, {{1, 1}, {11, 11}}};
constexpr ToolStroke kHandle = {Polyline, Ink, Ink, 3, 2, {{10, 10}, {14, 14}}};
constexpr ToolStroke kZoomIn[] = {
    kHandle,
    kLens,
    {Polyline, Ink, Ink, 1, 2, {{3, 6}, {9, 6}}},
    {Polyline, Ink, Ink, 1, 2, {{6, 3}, {6, 9}}},
};
constexpr ToolStroke kZoomOut[] = {
    kHandle,
    kLens,
    {Polyline, Ink, Ink, 1, 2, {{3, 6}, {9, 6}}},
};

// A red cross: the diagram menu's Delete, which has no stock picture.
constexpr ToolStroke kDelete[] = {
    {Polyline, Red, Red, 2, 2, {{3, 2}, {12, 12}}},
    {Polyline, Red, Red, 2, 2, {{12, 2}, {3, 12}}},
};

}  // namespace

void RegisterToolBarIcons()
{
    AfxRegisterToolGlyph(ID_EDIT_CLEAR, kDelete);
    AfxRegisterToolGlyph(ID_PLC_DOWNLOAD, kDownload);
    AfxRegisterToolGlyph(ID_PLC_UPLOAD, kUpload);
    AfxRegisterToolGlyph(ID_PLC_RUNSTOP, kRunStop);
    AfxRegisterToolGlyph(ID_TOOLS_SIMULATION, kSimulation);
    AfxRegisterToolGlyph(ID_CONNECT, kConnect);
    AfxRegisterToolGlyph(ID_VIEW_ZOOM_IN, kZoomIn);
    AfxRegisterToolGlyph(ID_VIEW_ZOOM_OUT, kZoomOut);
}
