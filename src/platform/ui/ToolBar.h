// CToolBar: a row of command buttons loaded from a registered toolbar resource (button size,
// command ids with 0 for separators, and optionally an image strip with one image per button).
// Button states come from the command routing at idle time; a click sends WM_COMMAND to the
// owner, and the arrow of a TBSTYLE_DROPDOWN button sends TBN_DROPDOWN instead. Without an image
// strip a button shows the layer's pictogram of a standard command, or else its caption in the
// frame's menus (kept current at idle, so that a translated menu gives translated buttons).
// A button's tool tip is that caption.
#pragma once

#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameIds.h"

#include <memory>
#include <vector>

constexpr UINT TBSTYLE_BUTTON = 0x0000;
constexpr UINT TBSTYLE_SEP = 0x0001;
constexpr UINT TBSTYLE_CHECK = 0x0002;
constexpr UINT TBSTYLE_DROPDOWN = 0x0008;
constexpr DWORD TBSTYLE_TOOLTIPS = 0x0100;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr DWORD TBSTYLE_EX_DRAWDDARROWS = 0x0001;
constexpr UINT TBSTATE_CHECKED = 0x01;
constexpr UINT TBSTATE_PRESSED = 0x02;
constexpr UINT TBSTATE_ENABLED = 0x04;
constexpr UINT TBSTATE_HIDDEN = 0x08;
constexpr UINT TBBS_BUTTON = TBSTYLE_BUTTON;
constexpr UINT TBBS_SEPARATOR = TBSTYLE_SEP;
constexpr UINT TB_ISBUTTONENABLED = WM_USER + 9;
constexpr UINT TB_HIDEBUTTON = WM_USER + 4;
constexpr UINT TB_GETRECT = WM_USER + 51;
constexpr UINT TB_SETEXTENDEDSTYLE = WM_USER + 84;
constexpr UINT TB_GETEXTENDEDSTYLE = WM_USER + 85;
constexpr int TBN_FIRST = -700;
constexpr int TBN_DROPDOWN = TBN_FIRST - 10;

struct NMTOOLBAR {
    NMHDR hdr;
    int iItem;  // the button's command
    RECT rcButton;
};

// A tool tip asks the bar's owner for the text of a button's tip; an owner that answers TRUE
// has set strText, else the tip is the button's caption.
constexpr int TTN_NEEDTEXT = -530;
struct NMTTDISPINFO {
    NMHDR hdr;  // idFrom: the button's command
    CString strText;
};

struct ToolBarResource {
    int cxButton = 16;
    int cyButton = 15;
    std::vector<UINT> buttons;                // 0 = separator
    std::shared_ptr<const PixelBuffer> images;  // cxButton-wide images in button order; may be null
};
void AfxRegisterToolBarResource(UINT nID, ToolBarResource resource);

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)

public:
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return int(m_buttons.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // The button's rectangle in the bar's client coordinates; empty for a hidden one.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    UINT GetButtonState(int nIndex) const;
    DWORD SetExtendedStyle(DWORD dwExStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CString ToolTipTextAt(CPoint ptClient) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    struct Button {
        UINT nID = 0;
        UINT nStyle = TBSTYLE_BUTTON;
        UINT nState = TBSTATE_ENABLED;
        int iImage = -1;
        CString strLabel;   // shown instead of a picture when there is none
        int cxLabel = 0;
    };
    const Button& GetButton(int nIndex) const { return m_buttons[std::size_t(nIndex)]; }
    void SetButtonState(int nIndex, UINT nState);

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    LRESULT OnHideButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnIsButtonEnabled(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetExtendedStyle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int HitTest(CPoint point) const;
    bool InDropArrow(int nIndex, CPoint point) const;
    int ButtonWidth(int nIndex) const;
    bool HasPicture(const Button& button) const;
    // The caption in the frame's menus; unless bLoadedMenusOnly, in the registered menu
    // resources when the menus shown now lack the command.
    CString CommandCaption(UINT nID, bool bLoadedMenusOnly) const;
    void UpdateLabels();

    std::vector<Button> m_buttons;
    CSize m_sizeImage{16, 15};
    std::shared_ptr<const PixelBuffer> m_pImages;
    DWORD m_dwExStyle = 0;
    int m_nPressed = -1;
};
