// CSelectBlockDlg: the "Select Block" dialog of Go To Block (template 235). It lists every block
// of the active diagram under its address name (I031[Input], B9[AND], Q102[Output] ...), ordered
// by a key that sorts each prefix by number (B9 before B10, I031 before I100), and moves the view
// to a block as soon as the user picks it in the list or types the beginning of its name. The
// list is built once when the dialog opens.
#pragma once

#include "platform/core/String.h"
#include "platform/ui/Dialog.h"

#include <vector>

class CBlockObj;
class CVetlaDoc;
class CVetlaView;

constexpr UINT IDD_SELECT_BLOCK = 235;
constexpr UINT IDC_SELECT_BLOCK_FIND = 1040;
constexpr UINT IDC_SELECT_BLOCK_LIST = 1230;

// The list line of a block and the key it is sorted by.
struct SelectBlockName {
    CString strKey;
    CString strText;
};

// The name of a block in the list; FALSE for blocks the list leaves out (connectors, the data
// log, and codes without an address name).
BOOL GetSelectBlockName(const CBlockObj& block, const CVetlaDoc& doc, SelectBlockName& name);

class CSelectBlockDlg : public CDialog {
    DECLARE_DYNAMIC(CSelectBlockDlg)

public:
    explicit CSelectBlockDlg(CWnd* pParent = nullptr);

    // Inserts the entry before the first one whose key is greater (compared case-sensitively,
    // character by character); entries with equal keys keep the order they came in.
    void AddSortedEntry(const CString& strKey, int nNumber, const CString& strText);
    // The block numbers of the entries added so far, in their sorted order (the list takes
    // them over when the dialog opens).
    std::vector<int> GetSortedNumbers() const;
    // The block number of list line nIndex; -1 when the line has none.
    int GetBlockNumber(int nIndex) const;

protected:
    BOOL OnInitDialog() override;
    void OnChangeFind();
    void OnSelChangeList();
    DECLARE_MESSAGE_MAP()

private:
    struct Entry {
        CString strKey;
        int nNumber;
        CString strText;
    };

    // The view the dialog moves: the main frame's active diagram view.
    static CVetlaView* ActiveView();
    void FillList();
    void GoToLine(int nIndex) const;

    // The block number of each list line, in line order.
    std::vector<int> m_lineNumbers;
    // The entries in key order while the list is being filled.
    std::vector<Entry> m_entries;
};
