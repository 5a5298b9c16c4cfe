// CScrollView: a view larger than its window. It keeps the document's total size, the page and
// line steps and the scroll position (device units, MM_TEXT), moves the position on the classic
// scroll codes, and sets the context's origin so that OnDraw draws in document coordinates.
// The position never leaves 0 .. total - client size. While created, the window's own scroll bars
// follow: a bar shows where the document does not fit the client area (range 0 .. total - 1,
// page the client size), and hides when it fits.
#pragma once

#include "platform/ui/View.h"

// The default page and line steps: a tenth of the total and a tenth of the page.
inline const CSize sizeDefault(0, 0);

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    CScrollView();

    // Only MM_TEXT. sizePage and sizeLine of sizeDefault (or 0) take the classic defaults.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const { return m_ptScroll; }
    CPoint GetDeviceScrollPosition() const { return m_ptScroll; }
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    // Clamped to the scrollable range.
    void ScrollToPosition(POINT pt);
    // Scrolls so that pt (document coordinates) is in the middle of the window where possible.
    void CenterOnPoint(CPoint ptCenter);
    // The largest position each way: total - client size, at least 0.
    CSize GetScrollLimit() const;

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // nScrollCode: LOBYTE the horizontal code, HIBYTE the vertical code (0xFF: no scrolling that
    // way). FALSE when nothing moved.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
    CPoint m_ptScroll;

    DECLARE_MESSAGE_MAP()

private:
    // The new position along one axis for a scroll code; nCurrent when the code moves nothing.
    int PositionForCode(UINT nCode, UINT nPos, int nCurrent, int nPage, int nLine, int nMax) const;
    // Shows the bars the total size needs in the window and sets their range, page and position.
    void UpdateBars();
    // The thumb's position for a drag code of the window's own bar: the bar's full track
    // position where the message's 16-bit one is its low word.
    UINT ThumbPosition(int nBar, UINT nSBCode, UINT nPos, const CScrollBar* pScrollBar) const;

    // Showing a bar resizes the client area, whose WM_SIZE comes back here.
    bool m_bInsideUpdate = false;
};
