#include "pages/sheet/SpinRange.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/SpinButtonCtrl.h"

void SetSpinRange(CDialog& page, int nSpinID, int nLower, int nUpper)
{
    auto* pSpin = static_cast<CSpinButtonCtrl*>(page.GetDlgItem(nSpinID));
    if (!pSpin)
        return;
    CWnd* pBuddy = pSpin->GetBuddy();
    CString strText;
    if (pBuddy)
        pBuddy->GetWindowText(strText);
    pSpin->SetRange32(nLower, nUpper);
    if (!pBuddy)
        return;
    CString strNow;
    pBuddy->GetWindowText(strNow);
    if (strNow != strText)
        pBuddy->SetWindowText(strText);
}
