// cdxCDynamicDialog: a dialog whose controls keep their place while it is resized (the layout
// engine), named after its template ("ID=0x%08lx") for the window-position store.
// cdxCDynamicChildDlg: the same as a child window of another window.
#pragma once

#include "controls/ResizableDialogLayout.h"
#include "platform/ui/Dialog.h"

class cdxCDynamicDialog : public CDialog, public cdxCDynamicLayoutEngine {
    DECLARE_DYNAMIC(cdxCDynamicDialog)

public:
    cdxCDynamicDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr, DWORD dwFreedom = fdAll, DWORD dwFlags = 0);

    const CString& GetPositionName() const { return m_strPositionName; }
    BOOL DestroyWindow() override;

    // What RestoreWindowPosition takes back besides the place.
    static constexpr UINT rflgState = 0x01;
    static constexpr UINT rflgVisibility = 0x02;
    static constexpr UINT rflgAll = rflgState | rflgVisibility;
    // The profile section of the dialog's place, empty for a dialog without a name.
    CString PositionSection() const;
    // The place, state and visibility into the section; FALSE when the application keeps no
    // settings or a write failed.
    BOOL StoreWindowPosition(const CString& strSection);
    // FALSE, changing nothing, unless the section holds a complete store.
    BOOL RestoreWindowPosition(const CString& strSection, UINT nFlags);
    // Grows the window by the percentage of its size, half on each side.
    void StretchWindow(int nPercent);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI) override;
    // A destroyed control's record goes with it, so that a control made later at its address
    // starts without one.
    LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);
    // A named dialog comes back where it was; one never stored is centred and grown a little.
    void OnInitialized() override;
    void OnDestroying() override;
    DECLARE_MESSAGE_MAP()

    CString m_strPositionName;
};

class cdxCDynamicChildDlg : public cdxCDynamicDialog {
    DECLARE_DYNAMIC(cdxCDynamicChildDlg)

public:
    using cdxCDynamicDialog::cdxCDynamicDialog;
};
