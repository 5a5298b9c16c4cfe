#include "messagetext/IOSN.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "document/BlockNames.h"
#include "document/VetlaDoc.h"
#include "messagetext/DialogTexts.h"
#include "messagetext/LcdGridSetup.h"
#include "messagetext/MessageTextIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CIOSN, CDialog)

namespace {

struct IoType {
    LPCTSTR lpszText;
    int nType;
    int nFirst;
    int nLast;
};

constexpr int kBlockOutputIndex = 5;
const IoType kIoTypes[] = {
    {_T("Digital Inputs"), BT_IN, 100, 355},
    {_T("Digital Outputs"), BT_OUT, 600, 727},
    {_T("Flag"), BT_FLAG, 1316, 1827},
    {_T("Function key"), BT_FKEY, 1300, 1304},
    {_T("Shift register bit"), BT_SHIFT, 1000, 1063},
    {_T("Function block output"), NUM_FUNCTION_BLOCK, NUM_FUNCTION_BLOCK, NUM_FUNCTION_BLOCK + 9999},
};

// The number a block stands for in the list of an I/O type: in a ladder program an I/O point
// is the operand of its contact or coil, while a function block has no operand and is named
// by its own number, as in a function-block program.
int PointNumber(const CVetlaDoc& doc, const CBlockObj& block, int nTypeIndex)
{
    return doc.IsLadder() && nTypeIndex != kBlockOutputIndex ? block.m_nOperand : block.m_nNumber;
}

int TypeIndexOfNumber(int nNumber)
{
    for (int i = 0; i < int(std::size(kIoTypes)); ++i) {
        if (nNumber >= kIoTypes[i].nFirst && nNumber <= kIoTypes[i].nLast)
            return i;
    }
    return -1;
}

// The digits of the entry from position i on, and where they end.
int ReadDigits(const CString& str, int& i)
{
    int nValue = 0;
    const int nStart = i;
    while (i < str.GetLength() && str.GetAt(i) >= _T('0') && str.GetAt(i) <= _T('9') && i - nStart < 6)
        nValue = nValue * 10 + (str.GetAt(i++) - _T('0'));
    return i > nStart ? nValue : -1;
}

}  // namespace

int IoNumberOfEntry(const CString& strEntry)
{
    if (strEntry.IsEmpty())
        return -1;
    int i = 1;
    const int d = ReadDigits(strEntry, i);
    if (d < 0)
        return -1;
    switch (strEntry.GetAt(0)) {
    case _T('I'): return 100 + 32 * (d / 100) + d % 100;
    case _T('Q'): return 600 + 16 * (d / 100) + d % 100;
    case _T('M'): return 1316 + d;
    case _T('F'): return 1300 + d;
    case _T('B'): return NUM_FUNCTION_BLOCK + d;
    case _T('S'): {
        if (i >= strEntry.GetLength() || strEntry.GetAt(i) != _T('.'))
            return -1;
        ++i;
        const int b = ReadDigits(strEntry, i);
        return b < 0 ? -1 : 1000 + 16 * d + b;
    }
    default: return -1;
    }
}

CString IoEntry(int nTypeIndex, int nNumber, const CBlockObj* pBlock)
{
    CString str;
    switch (nTypeIndex) {
    case 0: str.Format(_T("I%d%02d"), (nNumber - 100) / 32, (nNumber - 100) % 32); break;
    case 1: str.Format(_T("Q%d%02d"), (nNumber - 600) / 16, (nNumber - 600) % 16); break;
    case 2: str.Format(_T("M%03d"), nNumber - 1316); break;
    case 3: str.Format(_T("F%d"), nNumber - 1300); break;
    case 4: str.Format(_T("S%d.%d"), (nNumber - 1000) / 16, (nNumber - 1000) % 16); break;
    default: {
        CString strCaption;
        if (pBlock)
            g_mapBlockCaption.Lookup(pBlock->m_nType, strCaption);
        str.Format(_T("B%04d%s"), nNumber - NUM_FUNCTION_BLOCK, strCaption);
        break;
    }
    }
    return str;
}

CIOSN::CIOSN(CVetlaDoc* pDoc, CWnd* pParent) : CDialog(IDD_IO_STATUS_NAME, pParent), m_pDoc(pDoc)
{
    RegisterMessageTextTemplates();
    for (int r = 0; r < WIDGET_NAME_ROWS; ++r) {
        for (int c = 0; c < WIDGET_NAME_COLUMNS; ++c)
            m_strNames[r][c] = r == 0 || c == 0 ? _T("W") : _T(" ");
    }
}

int CIOSN::TypeIndexOfWidget() const
{
    if (!m_pWidget)
        return 0;
    if (const CBlockObj* pBlock = m_pWidget->m_pBlock) {
        for (int i = 0; i < kBlockOutputIndex; ++i) {
            if (kIoTypes[i].nType == pBlock->m_nType)
                return i;
        }
        return kBlockOutputIndex;
    }
    if (m_pDoc && m_pDoc->IsLadder())
        return std::max(0, TypeIndexOfNumber(m_pWidget->m_nBlockNumber));
    return 0;
}

BOOL CIOSN::OnInitDialog()
{
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_IOSN_TYPE));
    pTypes->ResetContent();
    for (const IoType& type : kIoTypes)
        pTypes->AddString(type.lpszText);
    m_nIOType = TypeIndexOfWidget();
    CDialog::OnInitDialog();

    CRect rect(10, 58, 10, 58);
    MapDialogRect(rect);
    const CSize extent = LcdGridExtent(WIDGET_NAME_ROWS - 1, WIDGET_NAME_COLUMNS - 1);
    m_grid.Create(CRect(rect.TopLeft(), extent), this, IDC_MT_GRID);
    SetUpLcdGrid(m_grid, WIDGET_NAME_ROWS - 1, WIDGET_NAME_COLUMNS - 1);
    FillLcdGrid(m_grid, &m_strNames[0][0], WIDGET_NAME_COLUMNS);
    OnSelchangeIOType();
    TranslateDialogButtons(*this);
    return TRUE;
}

void CIOSN::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeChoice(pDX, IDC_IOSN_TYPE, m_nIOType);
    ExchangeChoice(pDX, IDC_IOSN_ITEM, m_nIOItem);
}

void CIOSN::OnSelchangeIOType()
{
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_IOSN_TYPE));
    auto* pItems = static_cast<CComboBox*>(GetDlgItem(IDC_IOSN_ITEM));
    const int nIndex = pTypes->GetCurSel();
    if (!m_pDoc || nIndex < 0)
        return;
    pItems->ResetContent();
    for (POSITION pos = m_pDoc->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_pDoc->m_blockList.GetNext(pos));
        const int nNumber = PointNumber(*m_pDoc, *pBlock, nIndex);
        bool bListed = false;
        if (nIndex == kBlockOutputIndex)
            bListed = IsFunctionBlockType(pBlock->m_nType) && !(pBlock->m_nCapFlags & CAP_ANALOG_VALUE);
        else if (m_pDoc->IsLadder())
            bListed = TypeIndexOfNumber(nNumber) == nIndex;
        else
            bListed = pBlock->m_nType == kIoTypes[nIndex].nType;
        if (!bListed)
            continue;
        const CString strEntry = IoEntry(nIndex, nNumber, pBlock);
        // Whole entries are compared: "S1.1" is another point than "S1.10".
        if (pItems->FindStringExact(-1, strEntry) >= 0)
            continue;
        const int nItem = pItems->AddString(strEntry);
        if (m_pWidget && nNumber == m_pWidget->m_nBlockNumber)
            pItems->SetCurSel(nItem);
    }
    if (pItems->GetCurSel() < 0 && pItems->GetCount() > 0 && !m_pWidget)
        pItems->SetCurSel(0);
}

void CIOSN::OnOK()
{
    const auto* pItems = static_cast<CComboBox*>(GetDlgItem(IDC_IOSN_ITEM));
    CString strEntry;
    if (pItems->GetCurSel() >= 0)
        pItems->GetLBText(pItems->GetCurSel(), strEntry);
    const int nNumber = IoNumberOfEntry(strEntry);
    if (nNumber < 0) {
        AfxMessageBox(_T("Invalid setting. Check I/O type and block number."), MB_ICONSTOP);
        return;
    }
    if (!UpdateData(TRUE))
        return;
    for (int r = 1; r < WIDGET_NAME_ROWS; ++r) {
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c) {
            const CString strCell = m_grid.GetItemText(r, c);
            m_strNames[r][c] = strCell.IsEmpty() ? CString(_T(" ")) : strCell.Left(1);
        }
    }
    m_nNumber = nNumber;
    if (m_pWidget) {
        m_pWidget->m_nBlockNumber = nNumber;
        m_pWidget->m_pBlock = m_pDoc ? m_pDoc->FindBlockByNumber(nNumber) : nullptr;
        if (m_pWidget->m_pBlock) {
            const int nFirstId = FirstBlockParamId(FindBlockParamRow(m_pWidget->m_pBlock->m_nType));
            if (nFirstId >= 0)
                m_pWidget->m_nParamId = nFirstId;
        }
    }
    EndDialog(IDOK);
}

BOOL CIOSN::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_IOSN_TYPE && HIWORD(DWORD(wParam)) == CBN_SELCHANGE) {
        OnSelchangeIOType();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// The name grid's edits are all accepted.
BOOL CIOSN::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (LOWORD(DWORD(wParam)) == IDC_MT_GRID) {
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}
