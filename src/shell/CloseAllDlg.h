// CCloseAllDlg: the "Close All" question the application asks when it closes with modified
// documents. It lists the documents' names, each with a Save box, and a box that ticks or clears
// them all. The caller adds every candidate, runs the dialog modally and, after OK, saves the
// documents whose flag is set (in the order they were added) and drops the changes of the rest.
// Every Save box starts ticked: OK or Enter without a click keeps the user's work; the box that
// ticks or clears them all starts ticked with them.
#pragma once

#include "controls/XListCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"

#include <vector>

class CCloseAllDlg : public CDialog {
    DECLARE_DYNAMIC(CCloseAllDlg)

public:
    enum { IDD = 4537 };
    static constexpr UINT IDC_DOCUMENT_LIST = 1000;
    static constexpr UINT IDC_SELECT_ALL = 1129;
    static constexpr int kMaxDocuments = 200;

    explicit CCloseAllDlg(CWnd* pParent = nullptr);

    // Appends the document with its Save box ticked; FALSE, changing nothing, when the list
    // holds kMaxDocuments already.
    BOOL AddDocument(const CString& strName);
    int GetDocumentCount() const { return int(m_entries.size()); }
    const CString& GetDocumentName(int nIndex) const;
    // Whether the user ticked the document's Save box; FALSE out of range.
    BOOL GetSaveFlag(int nIndex) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT OnToggleEntry(WPARAM wParam, LPARAM lParam);
    void OnSelectAll();

    DECLARE_MESSAGE_MAP()

private:
    struct Entry {
        CString strName;
        BOOL bSave = TRUE;
    };

    void InsertColumns();

    std::vector<Entry> m_entries;
    int m_bSelectAll = 0;
    CXListCtrl m_List;
    CImageList m_HeaderImages;
};
