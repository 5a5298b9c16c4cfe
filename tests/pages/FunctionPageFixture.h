// Helpers of the function-block page tests: a modal sheet driven to OK that reports whether it
// closed, and the page's controls by id.
#pragma once

#include "SheetFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "support/ComboLines.h"

class FunctionPageFixture : public SheetFixture {
protected:
    // The block's sheet: act runs on its main page, then OK; a sheet that stays open (a value
    // was refused, which the page says in a box) is cancelled. TRUE when OK closed it.
    BOOL RunOK(CBlockObj* pBlock, const std::function<void(CWnd&)>& act, int nButton = IDOK)
    {
        BOOL bClosed = FALSE;
        bool bShown = false;
        CDialog::SetDialogHook([&](CDialog& dlg) {
            bShown = true;
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            act(*sheet.GetActivePage());
            const size_t nBoxes = m_boxes.Boxes().size();
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
            bClosed = m_boxes.Boxes().size() == nBoxes;
            if (!bClosed)
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        Properties(pBlock);
        CDialog::SetDialogHook(nullptr);
        EXPECT_TRUE(bShown) << "the block's sheet opened";
        return bClosed;
    }
    static void Click(CWnd& page, int nID) { static_cast<CButton*>(page.GetDlgItem(nID))->Click(); }
    // Text typed with the focus in the edit, as the user types it.
    static void Type(CWnd& page, int nID, LPCTSTR lpszText)
    {
        CWnd* pEdit = page.GetDlgItem(nID);
        pEdit->SetFocus();
        pEdit->SetWindowText(lpszText);
    }
};
