// CControlBar: the base of the bars a frame lays out around its view: toolbar, status bar and
// docking bars. A bar keeps its CBRS_ style apart from its window style, is updated through the
// command routing at idle time (WM_IDLEUPDATECMDUI, with its frame as the target), and joins its
// frame's list when created; the frame lays out again when a bar is shown or hidden. A docked bar
// sits at one side of its frame, after the bars docked there before it; a floating one lies in a
// tool window of its own (CMiniDockFrameWnd) and stays in its frame's list.
#pragma once

#include "platform/ui/Wnd.h"

class CFrameWnd;

constexpr DWORD CBRS_FLOATING = 0x0001;
constexpr DWORD CBRS_SIZE_FIXED = 0x0002;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_HIDE_INPLACE = 0x0008;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_FLOAT_MULTI = 0x0040;
constexpr DWORD CBRS_BORDER_3D = 0x0080;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_BORDER_ANY = 0x0F00;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_NOALIGN = 0x00000000;
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
constexpr DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
// Every bit that belongs to the bar style rather than the window style.
constexpr DWORD CBRS_ALL = 0x0040FFFF;

// CalcDynamicLayout modes.
constexpr DWORD LM_STRETCH = 0x01;
constexpr DWORD LM_HORZ = 0x02;
constexpr DWORD LM_MRUWIDTH = 0x04;
constexpr DWORD LM_HORZDOCK = 0x08;
constexpr DWORD LM_VERTDOCK = 0x10;
constexpr DWORD LM_LENGTHY = 0x20;
constexpr DWORD LM_COMMIT = 0x40;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // The sides the bar may dock at (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    BOOL IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }
    // In a tool window of its own (CBRS_FLOATING), out of its frame's layout.
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    BOOL IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }

    // The size the bar needs: its thickness across the side it sits at; with bStretch the full
    // length of that side.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // The least size the bar takes floating: its tool window cannot be made smaller.
    virtual CSize GetMinFloatingSize() const { return CSize(0, 0); }
    // Asks pTarget's routing for the state of the bar's items.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // Whether the bar lies beside the other such bars of its side in one row, each taking its
    // own length (CalcFixedLayout without stretch), rather than alone along the whole side.
    virtual BOOL SharesDockRow() const { return FALSE; }
    // Where the bars of a shared row lie: a row along the top or bottom starts this far before
    // the side's start, and a row along the top this far higher.
    static constexpr int kRowStartShift = 2;
    static constexpr int kRowTopShift = 2;

    // Bar style (CBRS_ bits); apart from the window style, with which some bits collide.
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;
    // Set when the frame docks the bar (DockControlBar): only then does a bar that shares rows
    // join one; until then, and once the frame gives it up, it lies alone along its side.
    BOOL m_bInDockRow = FALSE;
    // A bar that shares rows begins a new row at its side (the bars before it no longer fit).
    BOOL m_bNewRow = FALSE;
    // The rectangle the frame's last layout gave the bar's row, in the frame's client
    // coordinates: its length along the side and the row's thickness across it.
    CRect m_rectDockRow;
    // The bar deletes itself when its window is destroyed.
    BOOL m_bAutoDelete = FALSE;

protected:
    // Creates the window as a child of pParentWnd: the CBRS_ bits of dwStyle become the bar
    // style, the rest the window style. The bar joins its frame's list.
    BOOL CreateBar(LPCTSTR lpszWindowName, DWORD dwStyle, CWnd* pParentWnd, UINT nID);
    void OnDestroy() override;
    void PostNcDestroy() override;
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A floating bar whose window goes tells its tool window, which closes after it.
    void LeaveToolWindow();

    DECLARE_MESSAGE_MAP()
};
