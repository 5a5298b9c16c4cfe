// CSpecialCharDlg: the small modeless palette of ten LCD special characters that the newer
// message-text page opens over its grid. A click on a character hands it to the page, which
// writes it and closes the palette; a click elsewhere on the palette closes it without one.
#pragma once

#include "platform/ui/Dialog.h"

// The page that owns the palette.
class ISpecialCharTarget {
public:
    virtual ~ISpecialCharTarget() = default;
    // Writes ch (0: none) and destroys the palette.
    virtual void CloseSpecialCharPalette(TCHAR ch) = 0;
};

// The character of palette button i.
TCHAR SpecialCharOfButton(int i);

class CSpecialCharDlg : public CDialog {
    DECLARE_DYNAMIC(CSpecialCharDlg)

public:
    CSpecialCharDlg(ISpecialCharTarget* pTarget, CWnd* pGridWnd);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    DECLARE_MESSAGE_MAP()

private:
    ISpecialCharTarget* m_pTarget;
    CWnd* m_pGridWnd;
};
