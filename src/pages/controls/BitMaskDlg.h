// CBitMaskDlg: a 16-bit mask as sixteen check boxes "Bit 0" to "Bit 15", handed in and back as
// four hexadecimal digits.
#pragma once

#include "platform/ui/Dialog.h"

constexpr UINT IDD_BIT_MASK = 334;
// Bit k is the box IDC_BIT_FIRST + k.
constexpr int IDC_BIT_FIRST = 1215;
constexpr int BIT_MASK_BITS = 16;

class CBitMaskDlg : public CDialog {
    DECLARE_DYNAMIC(CBitMaskDlg)

public:
    explicit CBitMaskDlg(CWnd* pParent = nullptr);

    // Hexadecimal digits, the last the lowest; read back after IDOK as "%04X".
    CString m_strMask;

    // The hexadecimal text's value; digits other than 0-9 and A-F count as 0.
    static WORD ParseMask(const CString& strMask);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
