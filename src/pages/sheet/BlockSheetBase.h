// CBlockSheetBase: what a block's property sheet and a ladder element's sheet share. While the
// diagram is edited the sheet is modal (OK, Cancel, Help, no Apply); while it is simulated it is
// modeless, and OK applies and closes only when Apply took the values, Apply applies, and
// Cancel or Escape close without applying.
#pragma once

#include "platform/ui/PropertySheet.h"

class ISheetHost;

class CBlockSheetBase : public CPropertySheet {
    DECLARE_DYNAMIC(CBlockSheetBase)

public:
    BOOL IsModeless() const { return m_bModeless; }
    // The pages' values checked and sent to the view; FALSE when a value was refused (the page
    // has said so) and nothing was sent.
    virtual BOOL OnApplyNow() = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Modeless when the host simulates the diagram.
    CBlockSheetBase(LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The Help button; nothing by default.
    virtual void OnHelpButton() {}

    const BOOL m_bModeless;
};
