#include "pages/blocks/DataLogPage.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockTypes.h"
#include "document/DataLogTexts.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDataLog, CBlockPage)

namespace {

constexpr LPCTSTR kItemsFull = _T("The maximun number of items to be logged has reached. To add more items, you "
                                  "must remove some other items from this list.");

DialogTemplate DataLogTemplate()
{
    DialogTemplate t = ParameterPage(IDD_DATALOG, CSize(427, 321));
    t.items.push_back(PageLabel(_T("Block"), CRect(10, 8, 100, 18), UINT(IDC_LOG_BLOCK_LABEL)));
    t.items.push_back(DialogItem(UINT(IDC_LOG_SOURCES), WC_LISTBOX, WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                                 CRect(10, 20, 110, 280)));
    t.items.push_back(PageLabel(_T("Parameter"), CRect(116, 8, 200, 18), UINT(IDC_LOG_PARAM_LABEL)));
    t.items.push_back(DialogItem(UINT(IDC_LOG_PARAMS), WC_LISTBOX, WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                                 CRect(116, 20, 216, 280)));
    t.items.push_back(PageButton(UINT(IDC_LOG_ADD), _T("Add"), CRect(222, 120, 262, 134)));
    t.items.push_back(PageButton(UINT(IDC_LOG_REMOVE), _T("Remove"), CRect(222, 140, 262, 154)));
    t.items.push_back(PageLabel(_T("Data Log Items"), CRect(268, 8, 417, 18), 1124));
    t.items.push_back(DialogItem(UINT(IDC_LOG_ITEMS), WC_LISTVIEW, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                 CRect(268, 20, 417, 280)));
    t.items.push_back(PageCheck(UINT(IDC_PROTECTION), _T("Protection Active"), CRect(10, 292, 120, 304)));
    return t;
}

bool IsBlockSource(const CString& strSource) { return !strSource.IsEmpty() && strSource[0] == u'B'; }

}  // namespace

CDataLog::CDataLog(int nType) : CBlockPage(IDD_DATALOG, nType) { RegisterPageTemplateOnce(IDD_DATALOG, DataLogTemplate); }

int CDataLog::SourceNumber(const CString& strSource)
{
    struct Kind {
        LPCTSTR lpszPrefix;
        int nBase;
        int nPerUnit;   // 0: the number counts on from the base without units
    };
    // Longer prefixes first, so that "AI" is not read as "A" and "I".
    static const Kind kinds[] = {{_T("AI"), 4000, 8}, {_T("AM"), 4288, 0}, {_T("AQ"), 4230, 4}, {_T("I"), 100, 32},
                                 {_T("M"), 1316, 0},  {_T("Q"), 600, 16},  {_T("B"), NUM_FUNCTION_BLOCK, 0}};
    for (const Kind& kind : kinds) {
        const int nPrefix = CString(kind.lpszPrefix).GetLength();
        if (strSource.Left(nPrefix) != kind.lpszPrefix)
            continue;
        int v = 0;
        int i = nPrefix;
        for (; i < strSource.GetLength() && strSource[i] >= '0' && strSource[i] <= '9'; ++i)
            v = v * 10 + (strSource[i] - '0');
        if (i == nPrefix)
            return -1;
        return kind.nPerUnit ? kind.nBase + kind.nPerUnit * (v / 100) + v % 100 : kind.nBase + v;
    }
    return -1;
}

void CDataLog::BuildLoggedItems(const std::vector<DataLogRow>& rows, CBlockObj& block)
{
    auto* pLog = dynamic_cast<CBlockDataLog*>(&block);
    if (!pLog)
        return;
    const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument());
    pLog->m_arrLogItems.RemoveAll();
    for (const DataLogRow& row : rows) {
        DataLogItem item;
        item.strItem = row.strSource;
        item.strParam = row.strParam;
        item.nValue1 = row.nNumber;
        if (IsBlockSource(row.strSource)) {
            CBlockObj* pSource = pDoc ? pDoc->FindBlockByNumber(item.nValue1) : nullptr;
            if (!pSource)
                continue;
            item.nValue2 = row.nParam;
            item.nSpare = pSource;
        }
        if (pLog->m_arrLogItems.GetSize() < DATALOG_MAX_ITEMS)
            pLog->m_arrLogItems.Add(item);
    }
    pLog->m_nParam[DATALOG_COUNT_PARAM] = int(pLog->m_arrLogItems.GetSize());
}

void CDataLog::CopyFromBlock(const CBlockObj& block)
{
    m_bProtect = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nBlockNumber = block.m_nNumber;
    m_rows.clear();
    if (const auto* pLog = dynamic_cast<const CBlockDataLog*>(&block)) {
        for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i) {
            const DataLogItem& item = pLog->m_arrLogItems[i];
            m_rows.push_back({item.strItem, item.strParam, item.nValue1, item.nValue2});
        }
    }
}

void CDataLog::CopyToBlock(CBlockObj& block) const
{
    BuildLoggedItems(m_rows, block);
    block.m_nParam[BLOCK_PROTECTION_PARAM] = m_bProtect;
}

void CDataLog::AddToApplyRecord(SheetApplyRecord& record)
{
    const std::vector<DataLogRow> rows = m_rows;
    const int nProtect = m_bProtect;
    record.writers.emplace_back([rows, nProtect](CBlockObj& block) {
        BuildLoggedItems(rows, block);
        block.m_nParam[BLOCK_PROTECTION_PARAM] = nProtect;
    });
}

CListBox* CDataLog::Sources() const { return static_cast<CListBox*>(GetDlgItem(IDC_LOG_SOURCES)); }
CListBox* CDataLog::Params() const { return static_cast<CListBox*>(GetDlgItem(IDC_LOG_PARAMS)); }
CListCtrl* CDataLog::Items() const { return static_cast<CListCtrl*>(GetDlgItem(IDC_LOG_ITEMS)); }

BOOL CDataLog::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    m_bCanInsert = 0;
    GetDlgItem(IDC_LOG_ADD)->EnableWindow(FALSE);
    CVetlaDoc::InitParameterNames();
    FillSources();
    InitItemList();
    return TRUE;
}

void CDataLog::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtect);
}

void CDataLog::FillSources()
{
    CListBox* pList = Sources();
    pList->ResetContent();
    for (const CString& strSource : DataLogOperandSources())
        pList->AddString(strSource);
    if (m_pDocument)
        m_pDocument->FillValueBlockList(m_nBlockNumber, pList);
}

void CDataLog::InitItemList()
{
    CListCtrl* pItems = Items();
    pItems->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    CRect rect;
    pItems->GetWindowRect(rect);
    const int nInner = rect.Width() - 2;
    pItems->InsertColumn(0, _T("Block"), LVCFMT_LEFT, nInner * 28 / 64);
    pItems->InsertColumn(1, _T("Parameter"), LVCFMT_LEFT, nInner - nInner * 28 / 64 - 2);
    pItems->DeleteAllItems();
    for (size_t i = 0; i < m_rows.size(); ++i) {
        pItems->InsertItem(int(i), m_rows[i].strSource);
        pItems->SetItemText(int(i), 1, m_rows[i].strParam);
    }
}

CString CDataLog::SelectedSource() const
{
    CString strSource;
    const int nSel = Sources()->GetCurSel();
    if (nSel >= 0)
        Sources()->GetText(nSel, strSource);
    return strSource;
}

bool CDataLog::IsLogged(int nNumber, int nParam) const
{
    return std::ranges::any_of(m_rows,
                               [&](const DataLogRow& row) { return row.nNumber == nNumber && row.nParam == nParam; });
}

void CDataLog::UpdateAddButton()
{
    const CString strSource = SelectedSource();
    if (strSource.IsEmpty())
        return;
    m_bCanInsert = !IsBlockSource(strSource) && !IsLogged(SourceNumber(strSource), 0) ? 1 : 0;
    GetDlgItem(IDC_LOG_ADD)->EnableWindow(m_bCanInsert);
}

void CDataLog::OnSelectSource()
{
    UpdateAddButton();
    Params()->ResetContent();
    const CString strSource = SelectedSource();
    if (!IsBlockSource(strSource) || !m_pDocument)
        return;
    const int nNumber = SourceNumber(strSource);
    const CBlockObj* pBlock = m_pDocument->FindBlockByNumber(nNumber);
    if (!pBlock)
        return;
    const std::vector<CString> names = LoggableParamNames(pBlock->m_nType);
    for (size_t i = 0; i < names.size(); ++i) {
        if (!IsLogged(nNumber, int(i)))
            Params()->SetItemData(Params()->AddString(names[i]), i);
    }
}

void CDataLog::OnInsertItem()
{
    if (m_rows.size() >= size_t(DATALOG_MAX_ITEMS)) {
        AfxMessageBox(kItemsFull, MB_ICONINFORMATION);
        return;
    }
    const CString strSource = SelectedSource();
    if (strSource.IsEmpty())
        return;
    CListCtrl* pItems = Items();
    if (IsBlockSource(strSource)) {
        const int nParam = Params()->GetCurSel();
        if (nParam < 0) {
            SetModified(TRUE);
            return;
        }
        CString strParam;
        Params()->GetText(nParam, strParam);
        m_rows.push_back({strSource, strParam, SourceNumber(strSource), int(Params()->GetItemData(nParam))});
        Params()->DeleteString(UINT(nParam));
        m_bCanInsert = Params()->GetCurSel() >= 0 ? 1 : 0;
    } else {
        // An operand range is logged once.
        if (IsLogged(SourceNumber(strSource), 0))
            return;
        m_rows.push_back({strSource, CString(), SourceNumber(strSource)});
        m_bCanInsert = 0;
    }
    const int nRow = int(m_rows.size()) - 1;
    pItems->InsertItem(nRow, m_rows.back().strSource);
    pItems->SetItemText(nRow, 1, m_rows.back().strParam);
    GetDlgItem(IDC_LOG_ADD)->EnableWindow(m_bCanInsert);
    SetModified(TRUE);
}

void CDataLog::OnRemoveItem()
{
    CListCtrl* pItems = Items();
    std::vector<int> selected;
    for (int i = 0; i < pItems->GetItemCount(); ++i) {
        if (pItems->GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            selected.push_back(i);
    }
    if (selected.empty())
        return;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        pItems->DeleteItem(*it);
        m_rows.erase(m_rows.begin() + *it);
    }
    // The row left selected takes the focus too, so that the arrow keys go on from it.
    if (selected.front() < pItems->GetItemCount())
        pItems->SetItemState(selected.front(), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    OnSelectSource();
    SetModified(TRUE);
}

BOOL CDataLog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_LOG_SOURCES && nCode == LBN_SELCHANGE) {
        OnSelectSource();
    } else if (nID == IDC_LOG_PARAMS && nCode == LBN_SELCHANGE) {
        m_bCanInsert = 1;
        GetDlgItem(IDC_LOG_ADD)->EnableWindow(TRUE);
    } else if ((nID == IDC_LOG_PARAMS && nCode == LBN_DBLCLK) || (nID == IDC_LOG_ADD && nCode == BN_CLICKED)) {
        OnInsertItem();
    } else if (nID == IDC_LOG_REMOVE && nCode == BN_CLICKED) {
        OnRemoveItem();
    } else if (nID == IDC_PROTECTION && nCode == BN_CLICKED) {
        SetModified(TRUE);
    }
    return CBlockPage::OnCommand(wParam, lParam);
}
