#include "platform/ui/ControlWnd.h"

#include <utility>

IMPLEMENT_DYNAMIC(CControlWnd, CWnd)

namespace {

ControlViewFactory& ViewFactory()
{
    static ControlViewFactory s_factory;
    return s_factory;
}

}  // namespace

ControlViewFactory AfxSetControlViewFactory(ControlViewFactory factory)
{
    return std::exchange(ViewFactory(), std::move(factory));
}

LRESULT CControlWnd::NotifyOwner(NMHDR& hdr, UINT nCode)
{
    hdr.hwndFrom = this;
    hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    hdr.code = nCode;
    CWnd* pOwner = GetOwner();
    return pOwner ? pOwner->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()),
                                        reinterpret_cast<LPARAM>(&hdr))
                  : 0;
}

void CControlWnd::StateChanged()
{
    if (m_pView)
        m_pView->Refresh();
}

LRESULT CControlWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // The derived control's state is complete by now; the view shows it from the start.
        if (ViewFactory() && !PaintsItself())
            m_pView = ViewFactory()(*this);
        StateChanged();
        return 0;
    case WM_NCDESTROY:
        m_pView.reset();
        return 0;
    case WM_SETTEXT: {
        const LRESULT lResult = CWnd::DefWindowProc(message, wParam, lParam);
        // A control draws its new text at once, also one whose class paints itself (a status
        // bar's label): no native view shows the text for it.
        if (PaintsItself())
            Invalidate();
        StateChanged();
        return lResult;
    }
    case WM_ENABLE:
        StateChanged();
        return 0;
    case WM_ERASEBKGND:
        // A native view draws the control and leaves the rest clear (a label's room beside its
        // text): that room shows the parent's background, as a control's colour message gives
        // it the parent's brush on the classic system.
        if (m_pView && GetParent())
            return GetParent()->SendMessage(WM_ERASEBKGND, wParam, lParam);
        return CWnd::DefWindowProc(message, wParam, lParam);
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CControlWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
