// CSizingControlBarCF: a sizing bar whose gripper is a caption bearing the bar's title, in the
// active caption colour while the keyboard focus is inside the bar and the inactive one
// otherwise. The title runs upward along a caption at the left of a bar lying along the top or
// bottom of the frame.
#pragma once

#include "controls/SizingControlBarG.h"

class CSizingControlBarCF : public CSizingControlBarG {
    DECLARE_DYNAMIC(CSizingControlBarCF)

public:
    CSizingControlBarCF();

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL IsActive() const { return m_bActive; }

    BOOL m_bActive = FALSE;
    CString m_sFontFace;

protected:
    void NcPaintGripper(CDC* pDC, const CRect& rcClient) override;
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    // Makes the bar's thickness along the top or bottom enough for its whole title.
    void FitThicknessToTitle();
    DECLARE_MESSAGE_MAP()
};
