// The meeting point of the block palette, the main window and the diagram view. A palette item
// click sends WM_PALETTE_SELECT to the main window, which keeps the selection and sends itself
// ID_PALETTE_REFRESH; the command reaches the active diagram view, which reads the selection
// back. The main window answers through IPaletteHost, so neither the palette nor the view needs
// to know the shell's frame class.
#pragma once

#include "platform/core/Types.h"
#include "platform/ui/Msg.h"

// The palette's request to the main window: wParam 1 when a block item was clicked (lParam its
// block type code), 0 when the palette's tab changed (lParam 0; the view returns to select mode).
constexpr UINT WM_PALETTE_SELECT = WM_USER + 60;
// The command the main window sends itself once it has stored a selection.
constexpr UINT ID_PALETTE_REFRESH = 1079;

// What the main window offers the palette and the diagram view.
class IPaletteHost {
public:
    // wParam of the last WM_PALETTE_SELECT: 1 a block item, 0 the pointer (a tab change).
    virtual int GetPaletteFlag() const = 0;
    // lParam of the last WM_PALETTE_SELECT: the block type code, 0 with a tab change.
    virtual int GetPaletteTypeCode() const = 0;
    // The colour the palette's items stand on.
    virtual COLORREF GetPaletteBackground() const = 0;

protected:
    ~IPaletteHost() = default;
};

// The application's main window as palette host; null when there is no main window or it is not
// one.
IPaletteHost* AfxGetPaletteHost();
