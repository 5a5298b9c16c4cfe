// CPasswordDlg: the modal "Type your password, and then press ENTER" dialog (template 170) in
// which the user types the password of the controller's program before an upload: at most
// eight capital letters A to Z, as the controller stores them.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

class CPasswordDlg : public CDialog {
    DECLARE_DYNAMIC(CPasswordDlg)

public:
    enum { IDD = 170 };
    static constexpr UINT IDC_PASSWORD = 1276;
    static constexpr UINT IDC_PASSWORD_LABEL = 1274;
    static constexpr UINT IDS_PASSWORD_LETTERS = 602;
    static constexpr int kMaxLength = 8;

    explicit CPasswordDlg(CWnd* pParent = nullptr);

    // The typed password; empty until the dialog ends with OK.
    CString m_strPassword;

    CEdit m_wndPassword;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Anything but a capital letter empties the field and says what the password may hold.
    void OnPasswordChange();

    DECLARE_MESSAGE_MAP()
};
