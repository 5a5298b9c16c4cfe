// CSetCoilStateDlg: the coil states of a manual Modbus coil write, one check box per coil
// ("Coil 0" to "Coil 31"), handed in and back as two hexadecimal words: coils 0-15 and 16-31.
#pragma once

#include "platform/ui/Dialog.h"

class CSetCoilStateDlg : public CDialog {
    DECLARE_DYNAMIC(CSetCoilStateDlg)

public:
    explicit CSetCoilStateDlg(CWnd* pParent = nullptr);

    // The write command's index (0 single coil, 2 multiple coils) and the number of coils.
    int m_nCommand = 0;
    int m_nCount = 1;
    CString m_strData = _T("0");
    CString m_strData2 = _T("0");

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // The coils the command writes: one for the single command, else the count.
    int CoilsWritten() const;
    void CheckWord(const CString& strWord, int nFirstBox);
    CString FoldWord(int nFirstBox, int nEndBox) const;
};
