// cdxCSizeIconCtrl: the size grip in the bottom-right corner of a resizable dialog. It shows the
// sizing cursor, and dragging it sizes its parent by the distance moved (within the sizes the
// parent allows). While the parent is maximised it draws nothing and leaves the cursor alone.
#pragma once

#include "platform/ui/ScrollBar.h"

class cdxCSizeIconCtrl : public CScrollBar {
    DECLARE_DYNAMIC(cdxCSizeIconCtrl)

public:
    // Scroll-bar styles of a size box lying in the corner of the rectangle it is made over.
    static constexpr DWORD SBS_SIZEBOX = 0x0008;
    static constexpr DWORD SBS_SIZEBOXBOTTOMRIGHTALIGN = 0x0004;
    // The grip's side.
    static constexpr int kSize = kScrollBarThickness;

    // Hidden, in the bottom-right corner of the parent's client area.
    BOOL Create(CWnd* pParent, UINT nID);

    BOOL m_bCapture = TRUE;  // follows the parent's maximised state

protected:
    void OnPaint() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    DECLARE_MESSAGE_MAP()

private:
    bool ParentMaximised() const;

    bool m_bSizing = false;
    CPoint m_ptStart;     // the cursor on the screen when the drag began
    CSize m_sizeStart;    // the parent's size then
};
