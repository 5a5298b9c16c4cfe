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

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    DECLARE_MESSAGE_MAP()

    CString m_strPositionName;
};

class cdxCDynamicChildDlg : public cdxCDynamicDialog {
    DECLARE_DYNAMIC(cdxCDynamicChildDlg)

public:
    using cdxCDynamicDialog::cdxCDynamicDialog;
};
