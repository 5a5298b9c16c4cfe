// CListBox: a single-selection list box. Items, item data, the selection, the top index and the
// item height live in the object. A selection the program sets notifies nobody; the user's
// (keys, a click in the native list) sends LBN_SELCHANGE, a double click LBN_DBLCLK when the
// control has LBS_NOTIFY.
#pragma once

#include "platform/ui/ControlWnd.h"
#include "platform/ui/StringItemList.h"

constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_NOREDRAW = 0x0004;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_USETABSTOPS = 0x0080;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;
constexpr DWORD LBS_STANDARD = 0x00A00003;

constexpr int LB_OKAY = 0;
constexpr int LB_ERR = -1;

constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;

class CListBox : public CControlWnd {
    DECLARE_DYNAMIC(CListBox)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int AddString(LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int DeleteString(UINT nIndex) { return int(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return int(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return int(Send(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(LB_SETCURSEL, WPARAM(nSelect))); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return int(Send(LB_GETTEXTLEN, WPARAM(nIndex))); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(Send(LB_GETITEMDATA, WPARAM(nIndex))); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return int(SendMessage(LB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
    }
    int GetTopIndex() const { return int(Send(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return int(SendMessage(LB_SETTOPINDEX, WPARAM(nIndex))); }
    int GetItemHeight(int nIndex) const { return int(Send(LB_GETITEMHEIGHT, WPARAM(nIndex))); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return int(SendMessage(LB_SETITEMHEIGHT, WPARAM(nIndex), LPARAM(cyItemHeight)));
    }

    const CStringItemList& Items() const { return m_items; }
    // The user chose (or double-clicked) an item in the native list.
    void UserSelect(int nIndex);
    void UserDoubleClick(int nIndex);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return const_cast<CListBox*>(this)->SendMessage(message, wParam, lParam);
    }
    void Notify(UINT nCode);
    void KeyDown(UINT nChar);

    CStringItemList m_items;
    int m_nCurSel = LB_ERR;
    int m_nTopIndex = 0;
    int m_nItemHeight = 16;
};
