// CPropertyPage: one page of a property sheet, a child dialog made from its template when its tab
// is first shown. The framework's defaults: OnSetActive refreshes the controls from the members
// (but not on the first activation, which OnInitDialog already did), OnKillActive reads and
// checks them (UpdateData(TRUE)) and so decides whether the page may be left, OnApply calls OnOK.
#pragma once

#include "platform/ui/Dialog.h"

class CPropertySheet;

constexpr DWORD PSP_DEFAULT = 0x0000;
constexpr DWORD PSP_USETITLE = 0x0008;
constexpr DWORD PSP_HASHELP = 0x0020;

constexpr UINT PSM_SETCURSEL = WM_USER + 101;
constexpr UINT PSM_CHANGED = WM_USER + 104;
constexpr UINT PSM_UNCHANGED = WM_USER + 109;
constexpr UINT PSM_QUERYSIBLINGS = WM_USER + 108;
constexpr UINT PSM_APPLY = WM_USER + 110;
constexpr UINT PSM_GETTABCONTROL = WM_USER + 116;

struct PROPSHEETPAGE {
    DWORD dwSize = sizeof(PROPSHEETPAGE);
    DWORD dwFlags = PSP_DEFAULT;
    UINT nIDTemplate = 0;
    LPCTSTR pszTitle = nullptr;   // the tab's text with PSP_USETITLE; not owned
};

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)

public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    PROPSHEETPAGE m_psp;

    // Marks the page changed (enables the sheet's Apply) or unchanged.
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }
    // PSM_QUERYSIBLINGS through the sheet to every other page whose window exists; the first
    // nonzero answer.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    // The tab text: pszTitle with PSP_USETITLE, else the string nIDCaption, else the template's
    // caption.
    CString GetTabTitle() const;
    CPropertySheet* GetSheet() const { return m_pSheet; }

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    // A page ends nothing itself: the sheet's OK and Cancel call these.
    void OnOK() override;
    void OnCancel() override;

    // Dialog keys belong to the sheet, which handles them for all its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL CreateDialogWindow(CWnd* pParentWnd, BOOL bModal) override;

private:
    friend class CPropertySheet;

    CPropertySheet* m_pSheet = nullptr;
    UINT m_nIDCaption = 0;
    BOOL m_bModified = FALSE;
    BOOL m_bFirstSetActive = TRUE;
};
