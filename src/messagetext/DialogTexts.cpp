#include "messagetext/DialogTexts.h"

#include "pages/sheet/PageTexts.h"
#include "platform/ui/Wnd.h"

void TranslateControlTexts(CWnd& dialog)
{
    if (!IsChinesePageUI())
        return;
    CString strText;
    for (CWnd* pChild = dialog.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        const int nID = pChild->GetDlgCtrlID();
        if (nID > 0 && nID < 0xFFFF && LookupPageText(WORD(nID), strText))
            pChild->SetWindowText(strText);
    }
}
