// The sheet fixture with the steps the page tests of the word, relay, memory and communication
// blocks share: typing into a control, clicking it, asking whether it shows, and a modal OK
// that is followed by Cancel when the page refused it.
#pragma once

#include "SheetFixture.h"

#include "platform/ui/Button.h"

#include <functional>
#include <string>
#include <utility>

class PageFixture : public SheetFixture {
protected:
    // The keys typed into the control with the focus; its text after them.
    static CString Type(CWnd& page, int nID, const std::u16string& keys)
    {
        CWnd* pEdit = page.GetDlgItem(nID);
        pEdit->SetFocus();
        for (char16_t ch : keys)
            pEdit->SendMessage(WM_CHAR, WPARAM(ch), 1);
        return Text(page, nID);
    }
    static bool Shown(CWnd& page, int nID)
    {
        CWnd* pControl = page.GetDlgItem(nID);
        return pControl && (pControl->GetStyle() & WS_VISIBLE) != 0;
    }
    static void Click(CWnd& page, int nID) { page.GetDlgItem(nID)->SendMessage(BM_CLICK); }
    // EditModal with act run on the page the sheet shows first.
    void EditShown(CBlockObj* pBlock, std::function<void(CPropertyPage&)> act, int nButton)
    {
        EditModal(pBlock, [act = std::move(act)](CPropertySheet& sheet) { act(*sheet.GetActivePage()); }, nButton);
    }
    // The next modal sheet: act on its main page, then OK; a refused OK (its message shown)
    // is followed by Cancel, as the user would.
    void OnOk(std::function<void(CPropertyPage&)> act)
    {
        CDialog::SetDialogHook([this, act](CDialog& dlg) {
            act(*static_cast<CPropertySheet&>(dlg).GetActivePage());
            const size_t nBoxes = m_boxes.Boxes().size();
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            if (m_boxes.Boxes().size() > nBoxes)
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    }
    // OnOk, then Properties on the block.
    void EditOk(CBlockObj* pBlock, std::function<void(CPropertyPage&)> act)
    {
        OnOk(std::move(act));
        Properties(pBlock);
    }
};
