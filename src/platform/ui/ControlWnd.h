// CControlWnd: what the standard controls share. A control keeps its whole state in its object
// and answers the classic control messages itself (EM_, CB_, LB_, BM_ ...), so the program and
// the tests drive it by id and message without any native window. A backend that shows controls
// installs a view factory; each created control then gets a view that reads the control's state
// again whenever it changes (StateChanged) and feeds the user's input back through the control's
// own operations, so the user's input and the program's calls notify the parent alike.
#pragma once

#include "platform/ui/Wnd.h"

#include <functional>
#include <memory>

class IControlView {
public:
    virtual ~IControlView() = default;
    // The control's state changed: show it again.
    virtual void Refresh() = 0;
    // The width the control needs to show the text whole (a closed list: with its frame and
    // arrow); 0 when the view cannot tell.
    virtual int WidthToShow(const CString&) const { return 0; }
};

// The window classes of the standard controls, as templates name them.
inline constexpr LPCTSTR WC_BUTTON = _T("Button");
inline constexpr LPCTSTR WC_EDIT = _T("Edit");
inline constexpr LPCTSTR WC_STATIC = _T("Static");
inline constexpr LPCTSTR WC_COMBOBOX = _T("ComboBox");
inline constexpr LPCTSTR WC_LISTBOX = _T("ListBox");
inline constexpr LPCTSTR WC_SCROLLBAR = _T("ScrollBar");
inline constexpr LPCTSTR UPDOWN_CLASS = _T("msctls_updown32");
inline constexpr LPCTSTR PROGRESS_CLASS = _T("msctls_progress32");
inline constexpr LPCTSTR TRACKBAR_CLASS = _T("msctls_trackbar32");
inline constexpr LPCTSTR DATETIMEPICK_CLASS = _T("SysDateTimePick32");
inline constexpr LPCTSTR WC_LISTVIEW = _T("SysListView32");
inline constexpr LPCTSTR WC_TREEVIEW = _T("SysTreeView32");
inline constexpr LPCTSTR WC_TABCONTROL = _T("SysTabControl32");
// WM_GETDLGCODE answers: which keys a control wants for itself rather than for the dialog.
constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_WANTMESSAGE = 0x0004;
constexpr UINT DLGC_HASSETSEL = 0x0008;
constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr UINT DLGC_RADIOBUTTON = 0x0040;
constexpr UINT DLGC_WANTCHARS = 0x0080;
constexpr UINT DLGC_STATIC = 0x0100;
constexpr UINT DLGC_BUTTON = 0x2000;

using ControlViewFactory = std::function<std::unique_ptr<IControlView>(CWnd& control)>;
// Returns the previous factory; an empty one (the default) gives controls no view.
ControlViewFactory AfxSetControlViewFactory(ControlViewFactory factory);

class CControlWnd : public CWnd {
    DECLARE_DYNAMIC(CControlWnd)

public:
    // Set for controls a dialog made from its template: destroying the window deletes them.
    void SetAutoDelete(BOOL bAutoDelete) { m_bAutoDelete = bAutoDelete; }
    IControlView* GetView() const { return m_pView.get(); }
    // Whether the program's class draws the control itself (it handles WM_PAINT, as an
    // owner-drawn subclass does). Such a control gets no view: a native control would cover the
    // drawing, so the window's own painting and the layer's input handling show it instead.
    BOOL PaintsItself() const { return FindMessageEntry(WM_PAINT, 0, 0) != nullptr; }
    // WM_COMMAND with nCode to the owner (the parent unless SetOwner said otherwise).
    void NotifyCommand(UINT nCode) { NotifyParent(nCode); }
    // WM_NOTIFY to the owner: fills the header's window, id and code first. Returns the owner's
    // answer (0 without an owner).
    LRESULT NotifyOwner(NMHDR& hdr, UINT nCode);

protected:
    // Tells the view, if there is one.
    void StateChanged();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    std::unique_ptr<IControlView> m_pView;
    BOOL m_bAutoDelete = FALSE;
};
