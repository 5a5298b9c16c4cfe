// CBalloonTipWnd: a speech balloon with an optional icon and a block of text whose stem points at
// a screen point, as the diagram view shows pin labels and the reasons a wire would be refused.
// A tip that is asked for appears after a short delay, so that the mouse sweeping over pins
// does not make it flicker; a new text or place while it shows waits for the same delay. A shown
// tip goes away once the cursor no longer rests on its anchor: at once when the relay sees the
// mouse move off it, else when the watch timer looks. Windows registered with a text of their
// own get that text when the relay sees the mouse move over them; a button press hides the tip,
// and so does WM_CANCELMODE (a menu or another window opening).
#pragma once

#include "platform/core/String.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Wnd.h"

#include <vector>

class CDC;
class CFont;

class CBalloonTipWnd : public CWnd {
    DECLARE_DYNAMIC(CBalloonTipWnd)

public:
    // Milliseconds between asking for a hidden tip and its appearing.
    static constexpr UINT SHOW_DELAY = 500;

    CBalloonTipWnd() = default;
    ~CBalloonTipWnd() override;
    CBalloonTipWnd(const CBalloonTipWnd&) = delete;
    CBalloonTipWnd& operator=(const CBalloonTipWnd&) = delete;

    // The tip's popup window, hidden, owned by pParentWnd; FALSE when it cannot be created.
    BOOL Create(CWnd* pParentWnd);
    // The icon drawn left of the text (an icon id of controls/IconImages.h); 0 or an id without
    // a picture draws none.
    void SetIcon(int nIconId);
    int GetIcon() const { return m_nIconId; }
    // The font of the text; not owned, null for the window's default.
    void SetTipFont(CFont* pFont);
    CFont* GetTipFont() const { return m_pFont; }

    // An empty text hides the tip and stops a pending show. Otherwise the tip takes the text
    // and shows with the tip of its stem on the screen point (null: the cursor) after
    // SHOW_DELAY; a shown tip stays where it is until then.
    void Show(const CString& strText, const POINT* pScreenPoint);
    void Hide();

    // A window whose tip is the given text when the mouse moves over it; a second call replaces
    // the text.
    void AddTool(CWnd* pWnd, const CString& strText);
    void DelTool(CWnd* pWnd);
    // Every message of the owner's window passes here first: a mouse move off the anchor shows
    // the text of a registered window under the mouse, or else hides the tip; a button press
    // hides the tip.
    void RelayEvent(const MSG* pMsg);

    const CString& GetText() const { return m_strText; }
    // The screen point the stem points at.
    CPoint GetAnchor() const { return m_ptAnchor; }
    // A show is waiting for its delay.
    BOOL IsShowPending() const { return m_bPending; }
    // The box's size for the present text, font and icon; the window adds the stem below it.
    CSize GetBoxSize() const;
    // The outline of a box of that size with its stem, in window coordinates: a rounded
    // rectangle with a stem down from 12 pixels left of its right edge, ending STEM_LENGTH
    // below the box.
    static std::vector<CPoint> BalloonOutline(CSize sizeBox);
    static constexpr int STEM_LENGTH = 25;

protected:
    void OnPaint() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnCancelMode() override;
    DECLARE_MESSAGE_MAP()

private:
    struct Tool {
        CWnd* pWnd;
        CString strText;
    };

    void ShowNow();
    void DrawBalloon(CDC& dc, const std::vector<CPoint>& outline) const;
    void StopPending();
    void StopWatching();
    const Tool* FindTool(const CWnd* pWnd) const;

    CString m_strText;
    CPoint m_ptAnchor;
    int m_nIconId = 0;
    CFont* m_pFont = nullptr;
    BOOL m_bPending = FALSE;
    BOOL m_bWatching = FALSE;
    // The registered window whose text the tip shows, null when the owner asked for it.
    const CWnd* m_pShownTool = nullptr;
    std::vector<Tool> m_tools;
};
