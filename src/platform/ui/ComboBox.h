// CComboBox: the combo box as the program uses it, a drop-down list (CBS_DROPDOWNLIST) or a
// drop-down with an edit field. Items, item data and the current selection live in the object.
// A selection the program sets notifies nobody; one the user makes (keys, the native list) sends
// CBN_SELCHANGE and then CBN_SELENDOK, as the window system's combo box does.
#pragma once

#include "platform/ui/ControlWnd.h"
#include "platform/ui/StringItemList.h"

constexpr DWORD CBS_SIMPLE = 0x0001;
constexpr DWORD CBS_DROPDOWN = 0x0002;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD CBS_HASSTRINGS = 0x0200;
constexpr DWORD CBS_NOINTEGRALHEIGHT = 0x0400;

constexpr int CB_OKAY = 0;
constexpr int CB_ERR = -1;
constexpr int CB_ERRSPACE = -2;

constexpr UINT CB_LIMITTEXT = 0x0141;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_DELETESTRING = 0x0144;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_INSERTSTRING = 0x014A;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_SELECTSTRING = 0x014D;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETITEMDATA = 0x0150;
constexpr UINT CB_SETITEMDATA = 0x0151;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;

class CComboBox : public CControlWnd {
    DECLARE_DYNAMIC(CComboBox)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return int(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return int(Send(CB_GETCURSEL)); }
    // -1 clears the selection; CB_ERR for an index out of range (the selection is cleared).
    int SetCurSel(int nSelect) { return int(SendMessage(CB_SETCURSEL, WPARAM(nSelect))); }
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return int(Send(CB_GETLBTEXTLEN, WPARAM(nIndex))); }
    // Prefix (FindString) or whole-text (FindStringExact) search without regard to case,
    // starting after nStartAfter (-1: from the top) and wrapping round.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    // Selects the first prefix match; the selection stays when nothing matches (CB_ERR).
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, DWORD_PTR(pData)); }
    BOOL LimitText(int nMaxChars) { return BOOL(SendMessage(CB_LIMITTEXT, WPARAM(nMaxChars))); }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return BOOL(Send(CB_GETDROPPEDSTATE)); }

    const CStringItemList& Items() const { return m_items; }
    // The user chose an item in the native list (or by key): select it and notify.
    void UserSelect(int nIndex);
    // The user typed into the edit field of a CBS_DROPDOWN combo.
    void UserEditText(const CString& strText);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return const_cast<CComboBox*>(this)->SendMessage(message, wParam, lParam);
    }
    bool HasEdit() const { return (GetStyle() & 0x3) == CBS_DROPDOWN || (GetStyle() & 0x3) == CBS_SIMPLE; }
    void KeyDown(UINT nChar);
    void TypeChar(TCHAR ch);
    // The edit field of a combo with one shows the selected item's text.
    void ShowSelectionText();

    CStringItemList m_items;
    int m_nCurSel = CB_ERR;
    int m_nLimit = 0;
    BOOL m_bDropped = FALSE;
};
