// Tip windows: small popups that show a hint beside the mouse. The layer keeps a tip as an
// ordinary popup window; a backend that shows windows natively is told which windows are
// tips, so that the toolkit shows them without a frame, above the other windows and without
// taking the activation from the window under the mouse.
#pragma once

#include "platform/core/Geometry.h"

#include <vector>

class CWnd;

class ITipWindowBackend {
public:
    virtual ~ITipWindowBackend() = default;
    // The created window pWnd is a tip from now on.
    virtual void MakeTipWindow(CWnd& wnd) = 0;
    // Only the inside of the outline (a polygon in the window's coordinates) shows of the tip
    // and takes the mouse; an empty outline gives it back its whole rectangle.
    virtual void SetTipShape(CWnd& wnd, const std::vector<CPoint>& outline) = 0;
};

// Installed once by the native backend after the window backend; null removes it. Not owned.
void AfxSetTipWindowBackend(ITipWindowBackend* pBackend);
ITipWindowBackend* AfxGetTipWindowBackend();
// Tells the installed tip backend, if any, that the created window is a tip.
void AfxMakeTipWindow(CWnd& wnd);
// Gives the tip its outline through the installed backend, if any.
void AfxSetTipShape(CWnd& wnd, const std::vector<CPoint>& outline);
