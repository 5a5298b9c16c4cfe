// CEllipsisLabel: a line of text that shortens itself with "..." when it is wider than the
// label: in the middle, keeping the last part whole, for a path or printer name (path mode above
// 0), else at the end. It draws in its parent's font on the button face.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Wnd.h"

class CEllipsisLabel : public CWnd {
    DECLARE_DYNAMIC(CEllipsisLabel)

public:
    // nFormat: DrawText flags added to the ellipsis.
    CEllipsisLabel(UINT nFormat, int nPathMode) : m_nFormat(nFormat), m_nPathMode(nPathMode) {}

    // The DrawText flags the label draws with.
    UINT GetDrawFormat() const;
    // The window class a dialog template names to make one.
    static LPCTSTR ClassName() { return _T("QarvoEllipsisLabel"); }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    UINT m_nFormat;
    int m_nPathMode;
};
