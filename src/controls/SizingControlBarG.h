// CSizingControlBarG: a sizing bar with a gripper and a close button. The gripper lies along
// the bar's start (its left side when the bar lies along the top or bottom, its top otherwise);
// the close button sits at the gripper's end and hides the bar. A program may lock the close
// button for a while (the editor does during a simulated power failure): while the lock query
// answers TRUE the button is plain bar area, neither highlighting nor closing.
#pragma once

#include "controls/SizingControlBar.h"

class CSizingControlBarG : public CSizingControlBar {
    DECLARE_DYNAMIC(CSizingControlBarG)

public:
    static constexpr int kCloseButtonSize = 11;

    virtual BOOL HasGripper() const { return TRUE; }
    UINT HitTest(CPoint point) const override;
    // The close button's square, in client coordinates.
    CRect GetCloseButtonRect() const;
    BOOL IsCloseButtonPushed() const { return m_bPushed; }
    BOOL IsCloseButtonRaised() const { return m_bRaised; }

    // Null (the default) never locks the button.
    using CloseLockQuery = BOOL (*)();
    static CloseLockQuery SetCloseLockQuery(CloseLockQuery pfnQuery);
    static BOOL IsCloseLocked();

    int m_cyGripper = 12;

protected:
    void NcCalcClient(LPRECT pRc, UINT nDockBarID) override;
    void NcPaintGripper(CDC* pDC, const CRect& rcClient) override;
    void OnNcLButtonUp(UINT nHitTest, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    // The gripper strip, in client coordinates.
    CRect GetGripperRect() const;
    void DrawCloseButton(CDC* pDC) const;

    BOOL m_bPushed = FALSE;
    BOOL m_bRaised = FALSE;
    CPoint m_ptCloseOrigin;

private:
    void SetButtonState(BOOL bPushed, BOOL bRaised);
};
