// CPropPageLadIO: the operand page of a ladder element: the list of the operands the element
// may take (LadderOperands) and a search box that selects the first entry beginning with what
// is typed. A double click on an entry confirms the sheet with it.
#pragma once

#include "pages/ladder/LadderOperands.h"
#include "platform/ui/PropertyPage.h"

#include <vector>

class CListBox;
class CVetlaDoc;

constexpr UINT IDD_PROP_PAGE_LAD_IO = 4579;
constexpr int IDC_LAD_OPERAND_LIST = 1230;
constexpr int IDC_LAD_SEARCH = 1040;

class CPropPageLadIO : public CPropertyPage {
    DECLARE_DYNAMIC(CPropPageLadIO)

public:
    CPropPageLadIO();

    // The operand: the element's when the page opens, the chosen entry's after OK or Apply.
    int m_nOperand = 0;
    int m_nType = 0;
    const CVetlaDoc* m_pDocument = nullptr;

    // The chosen entry's operand into m_nOperand; without a choice it stays.
    void SaveSelectedOperand();
    const std::vector<LadderOperandEntry>& GetEntries() const { return m_entries; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    CListBox* List() const;
    void FillList();
    void OnSearchChange();

    std::vector<LadderOperandEntry> m_entries;
};
