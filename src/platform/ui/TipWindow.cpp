#include "platform/ui/TipWindow.h"

namespace {

ITipWindowBackend* g_pTipBackend = nullptr;

} // namespace

void AfxSetTipWindowBackend(ITipWindowBackend* pBackend) { g_pTipBackend = pBackend; }

ITipWindowBackend* AfxGetTipWindowBackend() { return g_pTipBackend; }

void AfxMakeTipWindow(CWnd& wnd)
{
    if (g_pTipBackend)
        g_pTipBackend->MakeTipWindow(wnd);
}

void AfxSetTipShape(CWnd& wnd, const std::vector<CPoint>& outline)
{
    if (g_pTipBackend)
        g_pTipBackend->SetTipShape(wnd, outline);
}
