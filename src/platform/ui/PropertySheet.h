// CPropertySheet: pages under a tab control with the buttons OK (IDOK), Cancel (IDCANCEL), Apply
// (ID_APPLY_NOW) and Help (IDHELP), all four always made so that GetDlgItem finds them. A modal
// sheet shows OK and Cancel, Apply unless PSH_NOAPPLYNOW (enabled once a page is modified) and
// Help with PSH_HASHELP; a modeless sheet shows none of them and leaves out their strip.
//
// A page's window is made when its tab is first shown. Leaving a page asks its OnKillActive
// (UpdateData(TRUE)); a failure refuses the switch. OK first asks the active page, then calls
// OnApply (so OnOK) of every page whose window exists and ends the sheet with IDOK; Cancel calls
// their OnReset and ends with IDCANCEL; Esc is Cancel. Ctrl+Tab and Ctrl+Page Down go to the next
// page, Ctrl+Shift+Tab and Ctrl+Page Up to the previous one, round the ends. The program's message
// map sees every command first; what it leaves is the framework's.
#pragma once

#include "platform/ui/PropertyPage.h"

#include <vector>

class CTabCtrl;

constexpr DWORD PSH_DEFAULT = 0x0000;
constexpr DWORD PSH_PROPTITLE = 0x0001;
constexpr DWORD PSH_NOAPPLYNOW = 0x0080;
constexpr DWORD PSH_HASHELP = 0x0200;
constexpr DWORD PSH_MODELESS = 0x0400;

// The tab control's id in the sheet.
constexpr UINT AFX_IDC_TAB_CONTROL = 0x3020;

struct PROPSHEETHEADER {
    DWORD dwSize = sizeof(PROPSHEETHEADER);
    DWORD dwFlags = PSH_DEFAULT;
    LPCTSTR pszCaption = nullptr;
    UINT nStartPage = 0;
};

class CPropertySheet : public CDialog {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet() = default;
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADER m_psh;

    // Pages are not owned; they must outlive the sheet's window.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Before the window exists this only chooses the start page.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CString GetTitle() const { return m_strCaption; }
    CTabCtrl* GetTabControl() const;

    // A modeless sheet; its window shows at once.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = DWORD(-1), DWORD dwExStyle = 0);

    // What the buttons do, for the program's own handlers to fall back on.
    void PressOK();
    void PressCancel();
    BOOL Apply();

    // The page keys, then the dialog's keys.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL CreateDialogWindow(CWnd* pParentWnd, BOOL bModal) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void CreateChildren(const CSize& pageSize, BOOL bModal);
    void ShowPage(int nPage);
    // The page nStep tabs on from the active one, round the ends; a focus left on the old page
    // moves to the new page's first control.
    void StepPage(int nStep);
    void UpdateApplyButton();
    CRect PageRect() const;

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    CTabCtrl* m_pTab = nullptr;
};
