// CIconButton: the owner-drawn push button with an icon of the simulation bars and the
// message-text pages. Flat by default, raised while the pointer is on it (WM_MOUSELEAVE ends
// that); the first icon shows while the button is pressed or hovered (in check-box mode: while
// checked), the second otherwise. In check-box mode every click toggles a checked state. It also
// remembers an icon id for its owner, which the Inputs and Outputs bars use to know whether a
// lamp shows ON (204) or OFF (209) without asking the drawing.
#pragma once

#include "platform/ui/Button.h"

class CIconButton : public CButton {
    DECLARE_DYNAMIC(CIconButton)

public:
    // Colour indexes.
    enum { BTNST_COLOR_BK_IN, BTNST_COLOR_FG_IN, BTNST_COLOR_BK_OUT, BTNST_COLOR_FG_OUT,
           BTNST_COLOR_BK_FOCUS, BTNST_COLOR_FG_FOCUS, BTNST_MAX_COLORS };
    // Results of the operations.
    static constexpr DWORD BTNST_OK = 0;
    static constexpr DWORD BTNST_INVALIDINDEX = 3;
    static constexpr DWORD BTNST_BADPARAM = 5;
    static constexpr DWORD BTNST_INVALIDPRESSEDSTYLE = 6;
    // Image alignments.
    enum { ST_ALIGN_HORIZ, ST_ALIGN_VERT, ST_ALIGN_HORIZ_RIGHT, ST_ALIGN_OVERLAP };

    CIconButton();

    // Icons by id (0 = none); an id without a picture counts as none.
    DWORD SetIcon(int nIconIn, int nIconOut);
    int GetIconIn() const { return m_nIconIn; }
    int GetIconOut() const { return m_nIconOut; }
    // The icon the button shows in its present state (0 when none).
    int GetShownIcon() const;
    DWORD SetFlat(BOOL bFlat = TRUE, BOOL bRepaint = TRUE);
    BOOL IsFlat() const { return m_bIsFlat; }
    DWORD SetAlign(BYTE byAlign, BOOL bRepaint = TRUE);
    BYTE GetAlign() const { return m_byAlign; }
    // Only in check-box mode; elsewhere nothing changes and GetCheck gives 0.
    DWORD SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_bIsCheckBox ? m_nCheck : 0; }
    BOOL IsCheckBoxMode() const { return m_bIsCheckBox; }
    BOOL IsDefault() const { return m_bIsDefault; }
    // Adds nOffset to each part of one colour, clamped so the parts keep their differences.
    DWORD OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint = TRUE);
    DWORD SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint = TRUE);
    COLORREF GetColor(BYTE byColorIndex) const;
    DWORD SetDefaultColors(BOOL bRepaint = TRUE);
    // The tip shown while the pointer rests on the button.
    void SetTooltipText(LPCTSTR lpszText, BOOL bActivate = TRUE);
    const CString& GetTooltipText() const { return m_strTooltip; }
    CString ToolTipTextAt(CPoint ptClient) const override;
    // The remembered icon id; no drawing.
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetIconId() const { return m_nIconId; }
    BOOL IsPressed() const { return m_bIsPressed; }
    BOOL IsHovered() const { return m_bMouseOnButton; }

protected:
    // The button's type decides the mode, whether the button is created or takes a template's
    // button over: a check box becomes a toggling icon button, a default push button the
    // default button; the window becomes owner-drawn either way.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnCancelMode() override;
    void OnEnable(BOOL bEnable) override;
    // New system colours give the six colours their defaults again.
    void OnSysColorChange() override;
    void CopyStateFrom(CWnd& other) override;
    DECLARE_MESSAGE_MAP()

    virtual void OnDrawBackground(CDC* pDC, const CRect& rect);
    virtual void OnDrawBorder(CDC* pDC, const CRect& rect);
    virtual void DrawTheIcon(CDC* pDC, BOOL bHasTitle, const CRect& rcItem, CRect& rcCaption, BOOL bPressed, BOOL bDisabled);
    virtual void DrawTheText(CDC* pDC, const CString& strTitle, const CRect& rcCaption, BOOL bPressed, BOOL bDisabled);

private:
    void Repaint(BOOL bRepaint);
    void Unhover();
    // The colour pair index (background) chosen by the state: in, focused or out.
    int StateColorIndex() const;

    BOOL m_bIsFlat = TRUE;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bIsCheckBox = FALSE;
    BOOL m_bIsDefault = FALSE;
    BOOL m_bIsPressed = FALSE;
    BOOL m_bMouseOnButton = FALSE;
    BOOL m_bFocusTakenByDisable = FALSE;
    int m_nCheck = 0;
    BYTE m_byAlign = ST_ALIGN_HORIZ;
    CPoint m_ptPressedOffset{1, 1};
    COLORREF m_crColors[BTNST_MAX_COLORS] = {};
    int m_nIconIn = 0;
    int m_nIconOut = 0;
    int m_nIconId = 0;
    CString m_strTooltip;
};
