#include "editor/SelectBlockDlg.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/VetlaDoc.h"
#include "editor/ActiveDiagram.h"
#include "editor/VetlaView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <optional>
#include <span>

IMPLEMENT_DYNAMIC(CSelectBlockDlg, CDialog)

BEGIN_MESSAGE_MAP(CSelectBlockDlg, CDialog)
    ON_EN_CHANGE(IDC_SELECT_BLOCK_FIND, OnChangeFind)
    ON_LBN_SELCHANGE(IDC_SELECT_BLOCK_LIST, OnSelChangeList)
END_MESSAGE_MAP()

namespace {

// How an address is written: a number, a module and a point within it ("I1" + "02"), the
// module and point of a shift bit ("S1.2"), or no number (the status operands Low and High).
enum class Address { Number, Module, Dotted, Status };

// An address space: its prefix, the block number or operand of its first point and the points
// per module (0: none).
struct Space {
    LPCTSTR pszPrefix;
    int nBase;
    int nModule;
    Address address;
};

constexpr Space kIn{_T("I"), NUM_INPUT, 32, Address::Module};
constexpr Space kOut{_T("Q"), NUM_OUTPUT, 16, Address::Module};
constexpr Space kShift{_T("S"), NUM_SHIFT, 16, Address::Dotted};
constexpr Space kFKey{_T("F"), NUM_FKEY, 0, Address::Number};
constexpr Space kFlag{_T("M"), NUM_FLAG, 0, Address::Number};
constexpr Space kLow{_T("Low"), NUM_LOW, 0, Address::Status};
constexpr Space kHigh{_T("High"), NUM_HIGH, 0, Address::Status};
constexpr Space kAnalogIn{_T("AI"), NUM_ANALOG_IN, 8, Address::Module};
constexpr Space kAnalogOut{_T("AQ"), NUM_ANALOG_OUT, 4, Address::Module};
constexpr Space kAnalogFlag{_T("AM"), NUM_ANALOG_FLAG, 0, Address::Number};
constexpr Space kOpenX{_T("X"), NUM_OPENX, 0, Address::Number};
constexpr Space kFunction{_T("B"), NUM_FUNCTION_BLOCK, 0, Address::Number};

// FBD I/O blocks are named by their block number in the space of their type. Low and High show
// their number here, and the function keys sort by their name as shown.
struct IoRow {
    int nType;
    Space space;
};
constexpr IoRow kIoRows[] = {
    {BT_IN, kIn},
    {BT_CURSOR_KEY, {_T("C"), NUM_CURSOR_KEY, 0, Address::Number}},
    {BT_SHIFT, kShift},
    {BT_LOW, {_T("Low"), NUM_LOW, 0, Address::Number}},
    {BT_HIGH, {_T("High"), NUM_HIGH, 0, Address::Number}},
    {BT_OUT, kOut},
    {BT_OPENX, kOpenX},
    {BT_FLAG, kFlag},
    {BT_ANALOG_IN, kAnalogIn},
    {BT_ANALOG_OUT, kAnalogOut},
    {BT_ANALOG_FLAG, kAnalogFlag},
    {BT_FKEY, kFKey},
};

// Ladder elements are named by their operand, whose range gives the space.
struct OperandRange {
    int nFirst;
    int nLast;
    Space space;
};
constexpr OperandRange kOperandRanges[] = {
    {100, 599, kIn},           {600, 999, kOut},          {1000, 1299, kShift},     {1300, 1315, kFKey},
    {1316, 1869, kFlag},       {1870, 2899, kLow},        {2900, 3999, kHigh},      {4000, 4229, kAnalogIn},
    {4230, 4287, kAnalogOut},  {4288, 4799, kAnalogFlag}, {4800, 8999, kOpenX},     {9000, 20999, kFunction},
};

CString Caption(int nType)
{
    CString strCaption;
    g_mapBlockCaption.Lookup(nType, strCaption);
    return strCaption;
}

SelectBlockName FbdName(const Space& space, int nNumber, const CString& strCaption)
{
    const int d = nNumber - space.nBase;
    SelectBlockName name;
    name.strKey.Format(_T("%s%04d%s"), space.pszPrefix, d, strCaption.GetString());
    switch (space.address) {
    case Address::Module:
        name.strText.Format(_T("%s%d%02d%s"), space.pszPrefix, d / space.nModule, d % space.nModule,
                            strCaption.GetString());
        break;
    case Address::Dotted:
        name.strText.Format(_T("%s%d.%d%s"), space.pszPrefix, d / space.nModule, d % space.nModule,
                            strCaption.GetString());
        break;
    default:
        name.strText.Format(_T("%s%d%s"), space.pszPrefix, d, strCaption.GetString());
        break;
    }
    return name;
}

// The space of the coil (operand 21000 ..) or LAD analog output (22000 ..) that an element
// reads back, by that block's own operand; none when the block is missing or its operand lies
// outside the spaces it may name.
std::optional<Space> ReadBackSpace(int nOperand, const CVetlaDoc& doc, int& nShown)
{
    const CBlockObj* pTarget = doc.FindBlockByNumber(nOperand);
    if (!pTarget)
        return std::nullopt;
    nShown = pTarget->m_nOperand;
    if (nOperand < NUM_AOUT_LAD) {
        if (nShown >= NUM_OUTPUT && nShown < NUM_FLAG)
            return kOut;
        if (nShown >= NUM_FLAG)
            return kFlag;
    } else {
        if (nShown >= NUM_ANALOG_OUT && nShown < NUM_ANALOG_FLAG)
            return kAnalogOut;
        if (nShown >= NUM_ANALOG_FLAG)
            return kAnalogFlag;
    }
    return std::nullopt;
}

Space DefaultLadderSpace(int nType)
{
    switch (nType) {
    case BT_ACONTACT: return kAnalogIn;
    case BT_RELAY_COIL:
    case BT_INV_OUT: return kOut;
    case BT_AOUT_LAD: return kAnalogOut;
    default: return kIn;
    }
}

// The space of a ladder element and the operand shown in it.
Space LadderSpace(const CBlockObj& element, const CVetlaDoc& doc, int& nShown)
{
    const int nOperand = element.m_nOperand;
    nShown = nOperand;
    for (const OperandRange& range : kOperandRanges) {
        if (nOperand >= range.nFirst && nOperand <= range.nLast)
            return range.space;
    }
    if (nOperand >= NUM_COIL) {
        if (std::optional<Space> space = ReadBackSpace(nOperand, doc, nShown))
            return *space;
        nShown = nOperand;
    }
    return DefaultLadderSpace(element.m_nType);
}

SelectBlockName LadderName(const CBlockObj& element, const CVetlaDoc& doc, const CString& strCaption)
{
    int nShown = 0;
    const Space space = LadderSpace(element, doc, nShown);
    const int d = nShown - space.nBase;
    const int n = element.m_nNumber;
    LPCTSTR c = strCaption.GetString();
    SelectBlockName name;
    switch (space.address) {
    case Address::Status:
        name.strText.Format(_T("%s%s"), space.pszPrefix, c);
        name.strKey.Format(_T("%s%s%05d"), space.pszPrefix, c, n);
        break;
    case Address::Number:
        name.strText.Format(_T("%s%d%s"), space.pszPrefix, d, c);
        name.strKey.Format(_T("%s%04d%s%05d"), space.pszPrefix, d, c, n);
        break;
    default:
        name.strText.Format(space.address == Address::Dotted ? _T("%s%d.%02d%s") : _T("%s%d%02d%s"), space.pszPrefix,
                            d / space.nModule, d % space.nModule, c);
        name.strKey.Format(_T("%s%d%02d%s%05d"), space.pszPrefix, d / space.nModule, d % space.nModule, c, n);
        break;
    }
    return name;
}

void RegisterSelectBlockTemplate()
{
    if (AfxFindDialogTemplate(IDD_SELECT_BLOCK))
        return;
    DialogTemplate dlg;
    dlg.nID = IDD_SELECT_BLOCK;
    dlg.strCaption = _T("Select Block");
    dlg.size = CSize(132, 329);
    // There is no help to show: the Help button stays, greyed.
    dlg.items = {
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, 7, 125, 16), _T("Block Number")),
        DialogItem(IDC_SELECT_BLOCK_FIND, WC_EDIT, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, CRect(7, 17, 125, 29)),
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(7, 35, 125, 44), _T("Available Blocks")),
        DialogItem(IDC_SELECT_BLOCK_LIST, WC_LISTBOX, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
             CRect(7, 45, 125, 286)),
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(7, 292, 125, 306), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(7, 310, 63, 324), _T("Cancel")),
        DialogItem(IDHELP, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, CRect(69, 310, 125, 324), _T("Help")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

} // namespace

BOOL GetSelectBlockName(const CBlockObj& block, const CVetlaDoc& doc, SelectBlockName& name)
{
    const int nType = block.m_nType;
    const CString strCaption = Caption(nType);
    if (IsFunctionBlockType(nType)) {
        name = FbdName(kFunction, block.m_nNumber, strCaption);
        return TRUE;
    }
    if (IsLadderElementType(nType)) {
        name = LadderName(block, doc, strCaption);
        return TRUE;
    }
    const auto row = std::ranges::find(kIoRows, nType, &IoRow::nType);
    if (row == std::end(kIoRows))
        return FALSE;
    name = FbdName(row->space, block.m_nNumber, strCaption);
    if (nType == BT_FKEY)
        name.strKey = name.strText;
    return TRUE;
}

CSelectBlockDlg::CSelectBlockDlg(CWnd* pParent) : CDialog(IDD_SELECT_BLOCK, pParent) { RegisterSelectBlockTemplate(); }

void CSelectBlockDlg::AddSortedEntry(const CString& strKey, int nNumber, const CString& strText)
{
    const auto pos = std::ranges::find_if(m_entries, [&strKey](const Entry& entry) { return entry.strKey.Compare(strKey) > 0; });
    m_entries.insert(pos, Entry{strKey, nNumber, strText});
}

std::vector<int> CSelectBlockDlg::GetSortedNumbers() const
{
    std::vector<int> numbers;
    for (const Entry& entry : m_entries)
        numbers.push_back(entry.nNumber);
    return numbers;
}

int CSelectBlockDlg::GetBlockNumber(int nIndex) const
{
    return nIndex >= 0 && std::size_t(nIndex) < m_lineNumbers.size() ? m_lineNumbers[std::size_t(nIndex)] : -1;
}

CVetlaView* CSelectBlockDlg::ActiveView() { return GetActiveVetlaView(); }

BOOL CSelectBlockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList();
    return TRUE;
}

void CSelectBlockDlg::FillList()
{
    auto* pList = dynamic_cast<CListBox*>(GetDlgItem(int(IDC_SELECT_BLOCK_LIST)));
    if (!pList)
        return;
    pList->ResetContent();
    m_lineNumbers.clear();
    m_entries.clear();
    CVetlaView* pView = ActiveView();
    const CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    if (!pDoc)
        return;
    for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(pDoc->m_blockList.GetNext(pos));
        SelectBlockName name;
        if (GetSelectBlockName(*pBlock, *pDoc, name))
            AddSortedEntry(name.strKey, pBlock->m_nNumber, name.strText);
    }
    for (const Entry& entry : m_entries) {
        pList->AddString(entry.strText);
        m_lineNumbers.push_back(entry.nNumber);
    }
    m_entries.clear();
}

void CSelectBlockDlg::GoToLine(int nIndex) const
{
    const int nNumber = GetBlockNumber(nIndex);
    CVetlaView* pView = ActiveView();
    if (nNumber != -1 && pView)
        pView->GoToBlock(nNumber);
}

// Typing the beginning of a name picks the first line that starts with it, whatever the case.
void CSelectBlockDlg::OnChangeFind()
{
    auto* pList = dynamic_cast<CListBox*>(GetDlgItem(int(IDC_SELECT_BLOCK_LIST)));
    CString strFind;
    GetDlgItemText(int(IDC_SELECT_BLOCK_FIND), strFind);
    if (!pList || strFind.IsEmpty())
        return;
    strFind.MakeUpper();
    const int nFound = pList->FindString(-1, strFind);
    if (nFound == LB_ERR)
        return;
    pList->SetCurSel(nFound);
    GoToLine(nFound);
}

void CSelectBlockDlg::OnSelChangeList()
{
    const auto* pList = dynamic_cast<const CListBox*>(GetDlgItem(int(IDC_SELECT_BLOCK_LIST)));
    if (pList)
        GoToLine(pList->GetCurSel());
}
