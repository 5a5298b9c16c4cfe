// CSelectHardware: the "Hardware" page of the program Properties sheet. It shows the controller
// families with their firmware lines as a tree and the chosen line's resources; a line the
// diagram cannot run on shows why in place of the resources and disables the sheet's OK. The
// chosen line's code is m_wHardwareCode after OK; the sheet's owner applies it.
#pragma once

#include "pages/program/ProgramPage.h"

class CTreeCtrl;

class CSelectHardware : public CProgramPage {
    DECLARE_DYNAMIC(CSelectHardware)

public:
    CSelectHardware();

    // In: the document's code; out: the code of the line chosen (unchanged for a family node
    // or the document's own line).
    WORD m_wHardwareCode = 0;
    CString m_strResources;

    void OnOK() override;
    // The selected item's data (odd: a firmware line); -1 with none.
    int GetSelectedItem() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CTreeCtrl& Tree() const;
    void BuildTree();
    // The document's line (1, 3, 5, 7 or 9); a code the program does not know counts as a
    // newer line, so that choosing an older one is still checked.
    int CurrentItem() const;
    void OnSelectionChanged(int nOldItem, int nNewItem);
    void OnDoubleClick();
    void EnableSheetOk(bool bEnable);
    bool IsSheetOkEnabled() const;
};
