// CSpinButtonCtrl: the up-down control. Range (32 bits; the classic default runs from 100 down
// to 0), position and buddy live in the object. A step the user makes asks the parent first with
// UDN_DELTAPOS (a nonzero answer cancels it), then moves the position within the range (or
// round it with UDS_WRAP), writes it into a UDS_SETBUDDYINT buddy and reports WM_VSCROLL (or
// WM_HSCROLL) with SB_THUMBPOSITION and SB_ENDSCROLL.
#pragma once

#include "platform/ui/ControlWnd.h"

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_HORZ = 0x0040;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

constexpr UINT UDM_SETRANGE = WM_USER + 101;
constexpr UINT UDM_GETRANGE = WM_USER + 102;
constexpr UINT UDM_SETPOS = WM_USER + 103;
constexpr UINT UDM_GETPOS = WM_USER + 104;
constexpr UINT UDM_SETBUDDY = WM_USER + 105;
constexpr UINT UDM_GETBUDDY = WM_USER + 106;
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
constexpr UINT UDM_GETPOS32 = WM_USER + 114;

constexpr UINT UDN_FIRST = UINT(-721);
constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
using LPNMUPDOWN = NMUPDOWN*;

class CSpinButtonCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 16-bit range (as UDM_SETRANGE packs it) and the 32-bit one.
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& nLower, int& nUpper) const;
    // Returns the previous position.
    int SetPos(int nPos);
    int SetPos32(int nPos) { return SetPos(nPos); }
    // With a UDS_SETBUDDYINT buddy its text is read first, as the window system does.
    int GetPos() const;
    int GetPos32(BOOL* lpbError = nullptr) const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const { return m_pBuddy; }

    // The user pressed an arrow nSteps times (negative: the down arrow).
    void UserStep(int nSteps);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    void SetPosition(int nPos);
    void UpdateBuddy();
    bool ReadBuddy(int& nPos) const;
    void Step(int nDelta);

    int m_nLower = 100;
    int m_nUpper = 0;
    int m_nPos = 0;
    CWnd* m_pBuddy = nullptr;
};

// The text of a buddy integer: digits, with thousands separators unless told otherwise.
CString AfxSpinBuddyText(int nPos, bool bThousands);
// The up-down control whose buddy the window is, or null.
CSpinButtonCtrl* AfxSpinOf(const CWnd& buddy);
// The up-down control beside the window that takes the window's Up and Down keys as its arrows
// (UDS_ARROWKEYS, the window its buddy), or null.
CSpinButtonCtrl* AfxArrowKeysSpinOf(const CWnd& buddy);
