// CDataLog: the page of the data-log block (911): the list of what the controller records,
// built from sources (ranges of eight inputs, outputs or flags, single analog operands, and
// the loggable values of function blocks), at most DATALOG_MAX_ITEMS of them.
#pragma once

#include "pages/sheet/BlockPage.h"

#include <vector>

class CListBox;
class CListCtrl;

// A row of the item list: its texts as shown, and what it logs by number, never read back from
// the texts (an upload names an analog operand with its comment, which may begin with a digit).
struct DataLogRow {
    CString strSource;
    CString strParam;
    int nNumber = -1;   // the operand or block number
    int nParam = 0;     // a block's value: its index among the type's loggable values
};

class CDataLog : public CBlockPage {
    DECLARE_DYNAMIC(CDataLog)

public:
    explicit CDataLog(int nType);

    int m_bProtect = 0;
    int m_bCanInsert = 0;
    int m_nBlockNumber = -1;
    std::vector<DataLogRow> m_rows;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // The operand or block number a text of the source list stands for ("I100-I107" is 132,
    // "B12..." 9012); -1 for a text of no known kind.
    static int SourceNumber(const CString& strSource);
    // The data log's item list from the rows: a function block that is no longer in the
    // block's document is left out.
    static void BuildLoggedItems(const std::vector<DataLogRow>& rows, CBlockObj& block);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FillSources();
    void InitItemList();
    void OnSelectSource();
    void UpdateAddButton();
    void OnInsertItem();
    void OnRemoveItem();
    bool IsLogged(int nNumber, int nParam) const;
    CString SelectedSource() const;
    CListBox* Sources() const;
    CListBox* Params() const;
    CListCtrl* Items() const;
};
