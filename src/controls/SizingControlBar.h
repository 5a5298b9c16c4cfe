// CSizingControlBar: a docking bar whose size the user drags. The sizing bars docked at one side
// share a row: the first of the row negotiates the row's length among them (NegotiateSpace), and
// a bar that no longer fits goes on to a new row. Each bar offers the edge that faces the middle
// of the frame, whose drag changes the row's thickness, and the edges toward its neighbours,
// whose drag moves length from the bars on one side of the edge to those on the other. The bar
// keeps three sizes, for lying along the top or bottom, along the left or right and for
// floating; each is held at its minimum, and they can be stored in and read from the user
// profile.
//
// A bar dragged by its caption or gripper, or by its client area, docks at another side of its
// frame or floats in a tool window of its own; a double click anywhere in a floating bar but on
// its close button docks it again.
//
// The window layer has no non-client area, so the bar's own frame (edges, and in the derived
// classes the gripper or caption and the close button) lies inside its window: NcCalcClient
// gives the rectangle left for the content, and with SCBS_SIZECHILD the first child fills it.
#pragma once

#include "controls/BarSizeProfile.h"
#include "platform/ui/ControlBar.h"

#include <vector>

// Sizing styles.
constexpr DWORD SCBS_EDGELEFT = 0x00000001;
constexpr DWORD SCBS_EDGERIGHT = 0x00000002;
constexpr DWORD SCBS_EDGETOP = 0x00000004;
constexpr DWORD SCBS_EDGEBOTTOM = 0x00000008;
constexpr DWORD SCBS_EDGEALL = 0x0000000F;
constexpr DWORD SCBS_SHOWEDGES = 0x00000010;
constexpr DWORD SCBS_SIZECHILD = 0x00000020;

class CSizingControlBar : public CControlBar {
    DECLARE_DYNAMIC(CSizingControlBar)

public:
    // Hit-test codes of the bar's own parts. Kept in the class: the window layer names only the
    // codes it uses itself.
    static constexpr UINT HTLEFT = 10;
    static constexpr UINT HTRIGHT = 11;
    static constexpr UINT HTTOP = 12;
    static constexpr UINT HTBOTTOM = 15;
    static constexpr UINT HTCLOSE = 20;

    CSizingControlBar();

    // The CBRS_ bits of dwStyle become the bar style; WS_CLIPCHILDREN is added to the rest.
    virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    // Sets all three sizes to sizeDefault first. The gripper flag is kept for the classic
    // signature; whether a bar has a gripper is its class's answer (HasGripper).
    virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault,
                        BOOL bHasGripper, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

    // The sides the bar may dock at; a bar without an owner takes its parent.
    void EnableDocking(DWORD dwDockStyle);

    // Profile section "<name>-SCBar-<id>" (controls/BarSizeProfile.h). Loading holds each size
    // between its minimum and the screen's size; missing values keep the present size. FALSE
    // without an application to hold the profile, or (SaveState) when it cannot be written.
    virtual BOOL LoadState(LPCTSTR lpszProfileName);
    virtual BOOL SaveState(LPCTSTR lpszProfileName);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    CSize GetMinFloatingSize() const override { return m_szMinFloat; }
    BOOL SharesDockRow() const override { return TRUE; }

    // Shares nLengthTotal among the bars of the bar's row (horizontal along the top or bottom):
    // bars that do not fit even at their minimum go on to a new row; the sizing bars take the
    // row's greatest thickness and the room left over, a pixel at a time. TRUE when a size
    // changed.
    BOOL NegotiateSpace(int nLengthTotal, BOOL bHorz);
    // Moves the row's bars one after another along the row, each overlapping the one before by
    // 2 pixels, then has the frame lay out again.
    virtual void AlignControlBars();

    // The dock bar the bar lies at (AFX_IDW_DOCKBAR_TOP ...), from its side.
    UINT GetDockBarID() const;
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const { return !IsFloating() && !IsHorzDocked(); }
    // The thickness across the side the bar lies at.
    int GetThickness() const;
    // Where the content goes, in client coordinates.
    void GetInsideRect(CRect& rect) const;
    // The part of the bar under a client point: an edge code, HTCLOSE, HTCAPTION or HTCLIENT.
    virtual UINT HitTest(CPoint point) const;
    BOOL IsTracking() const { return m_bTracking; }
    BOOL IsDragging() const { return m_bDragging; }

    DWORD m_dwSCBStyle = 0;
    UINT m_htEdge = 0;
    CSize m_szHorz{125, 125};
    CSize m_szVert{125, 125};
    CSize m_szFloat{125, 125};
    CSize m_szMinHorz{33, 32};
    CSize m_szMinVert{33, 32};
    CSize m_szMinFloat{37, 32};
    int m_nTrackPosMin = 0;
    int m_nTrackPosMax = 0;
    int m_nTrackPosOld = 0;
    BOOL m_bTracking = FALSE;
    // Set when a docked bar is shown: the next negotiation of its row leaves its length alone.
    BOOL m_bKeepSize = FALSE;
    BOOL m_bParentSizing = FALSE;
    BOOL m_bDragShowContent = TRUE;
    UINT m_nDockBarID = 0;
    int m_cxEdge = 5;

protected:
    // Takes the bar's frame off rect (client coordinates on entry and exit).
    virtual void NcCalcClient(LPRECT pRc, UINT nDockBarID);
    virtual void StartTracking(UINT nHitTest, CPoint point);
    virtual void StopTracking();
    // point: the cursor on the screen.
    virtual void OnTrackUpdateSize(CPoint& point);
    virtual void NcPaintGripper(CDC* pDC, const CRect& rcClient);
    // A release of the left button over the bar's frame (not its content), with the part hit.
    virtual void OnNcLButtonUp(UINT nHitTest, CPoint point);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL bShow, UINT nStatus) override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    // Anywhere in a floating bar but on its close button: the bar docks again at its side.
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    DECLARE_MESSAGE_MAP()

    // The edge that faces the middle of the frame: the one a drag sizes the bar by.
    UINT InnerEdge() const;
    // Sets the edge bits from the side the bar lies at and its place in its row.
    void UpdateEdges();
    void SizeFirstChild();

private:
    BarSizes ProfileSizes();
    // How far the bar may grow: the frame's view area along the bar's thickness.
    int RoomToGrow() const;
    int CursorPos(CPoint ptScreen) const;
    void SetThickness(int nThickness);
    // The visible bars of the bar's row, in order; empty when it is not docked.
    std::vector<CControlBar*> GetRow() const;
    // Moves the edge between neighbours being tracked to nPos (screen, along the row).
    void TrackRowEdge(int nPos);
    // Dragging the bar by its caption, gripper or client area: let go near an edge of its frame it docks
    // there, anywhere else it floats (or, floating, moves) with the pressed point under the
    // cursor. A press without a move is no drag: StopDragging then answers FALSE.
    void StartDragging(CPoint point);
    BOOL StopDragging(CPoint point);
    // Ends a drag where it is, without moving the bar.
    void EndDragging();

    int m_nTrackStartPos = 0;
    int m_nTrackThickness = 0;
    // While tracking: the row's bars and their lengths when it began, and the number of bars
    // before the tracked edge.
    std::vector<CControlBar*> m_trackRow;
    std::vector<int> m_trackLengths;
    size_t m_nTrackBefore = 0;
    BOOL m_bDragging = FALSE;
    // The pressed point, in the bar's client coordinates and on the screen.
    CPoint m_ptDragGrip;
    CPoint m_ptDragStart;
};
