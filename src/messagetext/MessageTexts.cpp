#include "messagetext/MessageTexts.h"

#include "blocks/BlockLabel.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "document/BlockNameMap.h"
#include "document/VetlaDoc.h"
#include "pages/sheet/PageTexts.h"
#include "messagetext/LcdGridSetup.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/MessageTextLists.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/WndMessageMap.h"

#include <memory>

IMPLEMENT_DYNAMIC(CMessageTexts, CBlockPage)

BEGIN_MESSAGE_MAP(CMessageTexts, CBlockPage)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

constexpr int kOldColumns = 12;
constexpr int kGeneralParams = 4;

bool InRange(int n, int nFirst, int nLast) { return n >= nFirst && n <= nLast; }

}  // namespace

CMessageTexts::CMessageTexts(int nType) : CMessageTexts(IDD_MESSAGE_TEXTS, nType, kOldColumns) {}

CMessageTexts::CMessageTexts(UINT nIDTemplate, int nType, int nColumns)
    : CBlockPage(nIDTemplate, nType), m_grid(MSGTEXT_LINES + 1, nColumns + 1, 1, 1), m_nColumns(nColumns)
{
    RegisterMessageTextTemplates();
}

CMessageTexts::~CMessageTexts()
{
    for (int nSet = 0; nSet < 2; ++nSet) {
        for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
            DeleteWidgetList(m_widgetsIn[nSet][nLine]);
            DeleteWidgetList(m_widgetsOut[nSet][nLine]);
        }
    }
}

// ---- the block ----

void CMessageTexts::CopyFromBlock(const CBlockObj& block)
{
    const auto* pText = dynamic_cast<const CBlockMSGTEXT*>(&block);
    if (!pText)
        return;
    m_nBlockNumber = block.m_nNumber;
    m_bAcknowledge = block.m_nParamEx[MSGTEXT_ACK_PARAMEX];
    m_bProtectionActive = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nPriority = block.m_nParamEx[MSGTEXT_SLOT_PARAMEX];
    for (int r = 0; r < MSGTEXT_ROWS; ++r)
        for (int c = 0; c < MSGTEXT_COLUMNS; ++c)
            m_strPlane1[r][c] = pText->m_strCells1[r][c];
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(m_widgetsIn[0][nLine]);
        DeleteWidgetList(m_widgetsIn[1][nLine]);
        AppendWidgetCopies(pText->m_arrWidgets1[nLine], m_widgetsIn[0][nLine]);
        AppendWidgetCopies(pText->m_arrWidgets2[nLine], m_widgetsIn[1][nLine]);
    }
}

// Only set 1 is the older page's: the block's set 2 and its settings stay as they are.
void CMessageTexts::CopyToBlock(CBlockObj& block) const
{
    auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block);
    if (!pText || !m_bCaptured)
        return;
    block.m_nParamEx[MSGTEXT_ACK_PARAMEX] = m_bAcknowledge;
    block.m_nParam[BLOCK_PROTECTION_PARAM] = m_bProtectionActive;
    block.m_nParamEx[MSGTEXT_SLOT_PARAMEX] = m_nPriority;
    for (int r = 1; r < MSGTEXT_ROWS; ++r)
        for (int c = 1; c <= m_nColumns; ++c)
            pText->m_strCells1[r][c] = m_strPlane1[r][c];
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(pText->m_arrWidgets1[nLine]);
        AppendWidgetCopies(m_widgetsOut[0][nLine], pText->m_arrWidgets1[nLine]);
    }
}

namespace {

// The running message takes what its page's copy holds. A changed acknowledgement starts
// over: the message counts as shown only while it asks for one and its output is on.
void WriteAppliedMessage(const CBlockMSGTEXT& edited, CBlockMSGTEXT& block, int nColumns, bool bNewPage)
{
    const int nAck = edited.m_nParamEx[MSGTEXT_ACK_PARAMEX];
    if (nAck != block.m_nParamEx[MSGTEXT_ACK_PARAMEX]) {
        block.m_bShown = nAck != 0 && block.m_nPinValue[BLOCK_FIRST_OUTPUT] != 0 ? 1 : 0;
        block.m_nParamEx[MSGTEXT_ACK_PARAMEX] = nAck;
    }
    block.m_nParam[BLOCK_PROTECTION_PARAM] = edited.m_nParam[BLOCK_PROTECTION_PARAM];
    block.m_nParamEx[MSGTEXT_SLOT_PARAMEX] = edited.m_nParamEx[MSGTEXT_SLOT_PARAMEX];
    for (int r = 1; r < MSGTEXT_ROWS; ++r) {
        for (int c = 1; c <= nColumns; ++c) {
            block.m_strCells1[r][c] = edited.m_strCells1[r][c];
            if (bNewPage)
                block.m_strCells2[r][c] = edited.m_strCells2[r][c];
        }
    }
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(block.m_arrWidgets1[nLine]);
        AppendWidgetCopies(edited.m_arrWidgets1[nLine], block.m_arrWidgets1[nLine]);
        if (!bNewPage)
            continue;
        DeleteWidgetList(block.m_arrWidgets2[nLine]);
        AppendWidgetCopies(edited.m_arrWidgets2[nLine], block.m_arrWidgets2[nLine]);
    }
    if (bNewPage) {
        for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
            block.m_nMsgSettings[i] = edited.m_nMsgSettings[i];
    }
    // The cached clock texts are worked out again for the new message.
    for (int& bRefresh : block.m_bRefresh)
        bRefresh = 1;
}

}  // namespace

void CMessageTexts::AddToApplyRecord(SheetApplyRecord& record)
{
    // A page never shown has nothing of its own to write: its copies are the block's.
    if (!m_hWnd || !IsWindow(this))
        return;
    CaptureEdits();
    // The writer keeps a copy of the edited message, never the page.
    auto pEdited = std::make_shared<CBlockMSGTEXT>(m_nType);
    CopyToBlock(*pEdited);
    const int nColumns = m_nColumns;
    const bool bNewPage = IsNewGenerationPage();
    record.writers.push_back([pEdited, nColumns, bNewPage](CBlockObj& block) {
        if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block))
            WriteAppliedMessage(*pEdited, *pText, nColumns, bNewPage);
    });
}

// ---- the window ----

void CMessageTexts::SetUpGrid()
{
    CRect rect(10, IsNewGenerationPage() ? 74 : 34, 0, 0);
    MapDialogRect(rect);
    const CSize extent = LcdGridExtent(MSGTEXT_LINES, m_nColumns);
    m_grid.Create(CRect(rect.TopLeft(), extent), this, IDC_MT_GRID);
    SetUpLcdGrid(m_grid, MSGTEXT_LINES, m_nColumns);
    m_grid.m_bAllowDragAndDrop = TRUE;
    CRect rcClient;
    GetClientRect(rcClient);
    m_szClient = rcClient.Size();
}

void CMessageTexts::OnSize(UINT nType, int cx, int cy)
{
    CBlockPage::OnSize(nType, cx, cy);
    if (cx <= 1 || cy <= 1 || m_szClient == CSize())
        return;
    const CSize delta = CSize(cx, cy) - m_szClient;
    m_szClient = CSize(cx, cy);
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
        CRect rc;
        pChild->GetWindowRect(rc);
        ScreenToClient(rc);
        if (pChild == &m_grid && GridGrowsWithPage(rc, delta)) {
            rc.right += delta.cx;
            rc.bottom += delta.cy;
        } else if (pChild == &m_grid && !IsNewGenerationPage()) {
            rc.OffsetRect(delta);
        } else {
            rc.OffsetRect(delta.cx, 0);
        }
        pChild->MoveWindow(rc);
    }
}

// The older page's grid keeps its place and takes the change when it lies inside the page (7
// pixels from its top-left corner) or is large enough (21 pixels) to give some back.
bool CMessageTexts::GridGrowsWithPage(const CRect& rcGrid, CSize delta) const
{
    if (IsNewGenerationPage())
        return false;
    const bool bHeight = (rcGrid.top >= 7 && delta.cy > 0) || rcGrid.Height() >= 21;
    const bool bWidth = (rcGrid.left >= 7 && delta.cx > 0) || rcGrid.Width() >= 21;
    return bHeight && bWidth;
}

BOOL CMessageTexts::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    SetUpGrid();
    FillLcdGrid(m_grid, &m_strPlane1[0][0], MSGTEXT_COLUMNS);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        AppendWidgetCopies(m_widgetsIn[0][nLine], m_grid.m_arrWidgets[nLine],
                           [](const CWidget& widget) { return widget.m_pBlock != nullptr; });
        for (INT_PTR i = 0; i < m_grid.m_arrWidgets[nLine].GetSize(); ++i)
            RefitWidgetRect(m_grid, *static_cast<CWidget*>(m_grid.m_arrWidgets[nLine].GetAt(i)));
    }
    OnInitDialogLists();
    UpdateData(FALSE);
    SetUpTipsAndTexts();
    return TRUE;
}

void CMessageTexts::SetUpTipsAndTexts()
{
    struct Tip {
        int nID;
        LPCTSTR lpszText;
    };
    static const Tip kTips[] = {
        {IDC_MT_PRIORITY, _T("Higher value is Higher Priority")},
        {IDC_MT_ACKNOWLEDGE, _T("When enabled,the user must acknowledge message")},
        {IDC_MT_PARAM_LIST, _T("Insert with double-click")},
        {IDC_MT_GENERAL_LIST, _T("Insert with double-click")},
        {IDC_MT_INSERT, _T("Inserts the selected parameter into the message")},
        {IDC_MT_SPECIAL, _T("Insert special characters")},
        {IDC_MT_BAR, _T("Insert a bar graph into the message")},
        {IDC_MT_AI, _T("Insert an AI filter into the message")},
        {IDC_MT_ONOFF, _T("Insert an I/O status name into the message")},
        {IDC_MT_SCALE_TIME, _T("Insert a scale time into the message")},
        {IDC_MT_AM, _T("Insert an AM filter into the message")},
        {IDC_MT_SCOPE, _T("Insert a Scope into the message")},
        {IDC_MT_POINTER, _T("Insert a Pointer into the message")},
        {IDC_MT_GRAPH, _T("Insert a Graph into the message")},
    };
    m_tooltip.Create(this);
    for (const Tip& tip : kTips) {
        // The older page has the first five only.
        if (CWnd* pControl = GetDlgItem(tip.nID))
            m_tooltip.AddTool(pControl, tip.lpszText);
    }
    // Only these controls have Chinese texts; the ticker lines and the details box keep their
    // English captions.
    const bool bNewPage = GetDlgItem(IDC_MT_DETAILS) != nullptr;
    const ControlTextKey keys[] = {
        {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL},
        {IDC_PROTECTION, IDC_PROTECTION},
        {IDC_MT_PRIORITY_LABEL, IDC_MT_PRIORITY_LABEL},
        {IDC_MT_ACKNOWLEDGE, IDC_MT_ACKNOWLEDGE},
        {IDC_MT_TEXT_LABEL, IDC_MT_TEXT_LABEL},
        {IDC_MT_BLOCK_LABEL, IDC_MT_BLOCK_LABEL},
        {IDC_MT_INSERT, IDC_MT_INSERT},
        {IDC_MT_PARAM_LABEL, bNewPage ? TEXT_KEY_MT_PARAM_LABEL_NEW : TEXT_KEY_MT_PARAM_LABEL},
    };
    TranslateControls(*this, keys);
}

void CMessageTexts::OnInitDialogLists()
{
    FillPriorityList();
    FillBlockList();
    FillGeneralList();
    GetDlgItem(IDC_MT_INSERT)->EnableWindow(m_bInsertEnabled);
}

void CMessageTexts::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MT_ACKNOWLEDGE, m_bAcknowledge);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtectionActive);
    auto* pPriority = static_cast<CComboBox*>(GetDlgItem(IDC_MT_PRIORITY));
    if (!pPriority)
        return;
    if (pDX->m_bSaveAndValidate) {
        const int nSel = pPriority->GetCurSel();
        if (nSel >= 0)
            m_nPriority = int(pPriority->GetItemData(nSel));
    } else {
        for (int i = 0; i < pPriority->GetCount(); ++i) {
            if (int(pPriority->GetItemData(i)) == m_nPriority)
                pPriority->SetCurSel(i);
        }
    }
}

void CMessageTexts::FillPriorityList()
{
    auto* pPriority = static_cast<CComboBox*>(GetDlgItem(IDC_MT_PRIORITY));
    pPriority->ResetContent();
    bool bTaken[MSGTEXT_PRIORITY_COUNT] = {};
    if (const CVetlaDoc* pDoc = Doc()) {
        for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(pDoc->m_blockList.GetNext(pos));
            const int nSlot = pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX];
            if (pBlock->m_nType == BT_MSGTEXT && pBlock->m_nNumber != m_nBlockNumber && InRange(nSlot, 0, MSGTEXT_PRIORITY_COUNT - 1))
                bTaken[nSlot] = true;
        }
    }
    for (int i = 0; i < MSGTEXT_PRIORITY_COUNT; ++i) {
        if (bTaken[i])
            continue;
        CString strText;
        strText.Format(_T("%d"), i);
        pPriority->SetItemData(pPriority->AddString(strText), DWORD_PTR(i));
    }
}

bool CMessageTexts::ListsBlock(const CBlockObj& block) const
{
    return HasTypeFlag(block.m_nType, BTF_MESSAGE_TEXT_VALUE);
}

void CMessageTexts::FillBlockList()
{
    CListBox* pBlocks = List(IDC_MT_BLOCK_LIST);
    pBlocks->ResetContent();
    const CVetlaDoc* pDoc = Doc();
    if (!pDoc)
        return;
    for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(pDoc->m_blockList.GetNext(pos));
        if (!ListsBlock(*pBlock))
            continue;
        // The block as the diagram labels it, with the name the user gave it ("B12 Pump"),
        // then its type's name.
        CString strTypeName;
        g_mapBlockNames.Lookup(pBlock->m_nType, strTypeName);
        pBlocks->AddString(FormatBlockLabel(*pBlock, pDoc) + strTypeName);
    }
}

void CMessageTexts::FillGeneralList()
{
    CListBox* pGeneral = List(IDC_MT_GENERAL_LIST);
    pGeneral->ResetContent();
    for (int nId = 0; nId < kGeneralParams; ++nId)
        pGeneral->AddString(ParameterName(nId));
}

CListBox* CMessageTexts::List(int nID) const { return static_cast<CListBox*>(GetDlgItem(nID)); }

void CMessageTexts::OnSelchangeBlockList()
{
    const int nSel = List(IDC_MT_BLOCK_LIST)->GetCurSel();
    if (nSel < 0 || nSel == m_nLastBlockSel || !Doc())
        return;
    m_bInsertEnabled = 0;
    GetDlgItem(IDC_MT_INSERT)->EnableWindow(FALSE);
    CListBox* pParams = List(IDC_MT_PARAM_LIST);
    pParams->ResetContent();
    m_nLastBlockSel = nSel;
    CString strEntry;
    List(IDC_MT_BLOCK_LIST)->GetText(nSel, strEntry);
    const CBlockObj* pBlock = Doc()->FindBlockByNumber(BlockNumberOfEntry(strEntry));
    const int* pRow = pBlock ? FindBlockParamRow(pBlock->m_nType) : nullptr;
    const bool bNew = IsNewGeneration(Doc()->m_wHardwareCode);
    for (int i = 0; i < BlockParamCount(pRow, bNew); ++i)
        pParams->AddString(ParameterName(BlockParamId(pRow, i, bNew)));
}

void CMessageTexts::OnSelchangeParamList(int nListID)
{
    m_bInsertEnabled = 1;
    GetDlgItem(IDC_MT_INSERT)->EnableWindow(TRUE);
    List(nListID == IDC_MT_PARAM_LIST ? IDC_MT_GENERAL_LIST : IDC_MT_PARAM_LIST)->SetCurSel(-1);
}

bool CMessageTexts::SelectedParameter(CBlockObj*& pBlock, int& nParamId, int& nIndex) const
{
    CVetlaDoc* pDoc = Doc();
    if (!pDoc)
        return false;
    const bool bNew = IsNewGeneration(pDoc->m_wHardwareCode);
    if ((nIndex = List(IDC_MT_GENERAL_LIST)->GetCurSel()) >= 0) {
        pBlock = pDoc->FindBlockByNumber(m_nBlockNumber);
        nParamId = BlockParamId(FindBlockParamRow(BT_MSGTEXT), nIndex, bNew);
        return nParamId >= 0;
    }
    if ((nIndex = List(IDC_MT_PARAM_LIST)->GetCurSel()) < 0 || List(IDC_MT_BLOCK_LIST)->GetCurSel() < 0)
        return false;
    CString strEntry;
    List(IDC_MT_BLOCK_LIST)->GetText(List(IDC_MT_BLOCK_LIST)->GetCurSel(), strEntry);
    pBlock = pDoc->FindBlockByNumber(BlockNumberOfEntry(strEntry));
    nParamId = pBlock ? BlockParamId(FindBlockParamRow(pBlock->m_nType), nIndex, bNew) : -1;
    return nParamId >= 0 && nParamId < PARAM_NAME_COUNT;
}

CCellID CMessageTexts::GetAnchorCell() const
{
    const CCellID focus = m_grid.GetFocusCell();
    if (m_grid.IsValid(focus) && focus.row >= 1 && focus.col >= 1)
        return focus;
    return m_grid.GetSelectionStart();
}

bool CMessageTexts::AcceptsParameterAt(const WidgetSpan& span) const
{
    // One element a line, ending by column 12.
    return span.nLine >= 1 && span.nLine <= MSGTEXT_LINES && span.nColumn >= 1 && span.LastColumn() <= m_nColumns &&
           LinesHoldNoOtherWidget(m_grid, span);
}

void CMessageTexts::OnInsertParameter()
{
    CBlockObj* pBlock = nullptr;
    int nParamId = -1;
    int nIndex = -1;
    if (!SelectedParameter(pBlock, nParamId, nIndex))
        return;
    const CCellID anchor = GetAnchorCell();
    const WidgetSpan span{anchor.row, anchor.col, 1, g_arrParamWidth[nParamId]};
    if (!m_grid.IsValid(anchor) || !AcceptsParameterAt(span)) {
        ShowPlacementRefusal(m_nBlockNumber);
        return;
    }
    auto* pWidget = new CWidget(0, 0, 0, 0, WidgetKindColor(nIndex));
    pWidget->m_nLine = span.nLine;
    pWidget->m_nColumn = span.nColumn;
    pWidget->m_nWidth = span.nWidth;
    pWidget->m_pBlock = pBlock;
    pWidget->m_nBlockNumber = pBlock ? pBlock->m_nNumber : m_nBlockNumber;
    pWidget->m_nParamId = nParamId;
    pWidget->m_strCaption = ParameterCaption(nParamId);
    pWidget->m_nKind = nIndex;
    PlaceWidget(m_grid, pWidget);
    SetModified(TRUE);
}

CWidget* CMessageTexts::PlaceAtAnchor(CWidget* pWidget, int nLines)
{
    const CCellID anchor = GetAnchorCell();
    const WidgetSpan span{anchor.row, anchor.col, nLines, pWidget->m_nWidth};
    if (!m_grid.IsValid(anchor) || !CanPlaceWidget(m_grid, span)) {
        delete pWidget;
        ShowPlacementRefusal(m_nBlockNumber);
        return nullptr;
    }
    pWidget->m_nLine = span.nLine;
    pWidget->m_nColumn = span.nColumn;
    PlaceWidget(m_grid, pWidget);
    SetModified(TRUE);
    return pWidget;
}

void CMessageTexts::OnOK()
{
    CaptureEdits();
    CBlockPage::OnOK();
}

void CMessageTexts::CaptureEdits()
{
    ReadLcdGrid(m_grid, &m_strPlane1[0][0], MSGTEXT_COLUMNS);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(m_widgetsOut[0][nLine]);
        AppendWidgetCopies(m_grid.m_arrWidgets[nLine], m_widgetsOut[0][nLine],
                           [](const CWidget& widget) { return widget.m_pBlock != nullptr; });
    }
    m_bCaptured = TRUE;
}

BOOL CMessageTexts::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const UINT nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_MT_BLOCK_LIST:
        if (nCode == LBN_SELCHANGE)
            OnSelchangeBlockList();
        return TRUE;
    case IDC_MT_PARAM_LIST:
    case IDC_MT_GENERAL_LIST:
        if (nCode == LBN_SELCHANGE)
            OnSelchangeParamList(nID);
        else if (nCode == LBN_DBLCLK)
            OnInsertParameter();
        return TRUE;
    case IDC_MT_INSERT:
        if (nCode == BN_CLICKED)
            OnInsertParameter();
        return TRUE;
    case IDC_MT_ACKNOWLEDGE:
    case IDC_PROTECTION:
    case IDC_MT_PRIORITY:
        SetModified(TRUE);
        break;
    default:
        break;
    }
    return CBlockPage::OnCommand(wParam, lParam);
}

// The grid's edits are all accepted; any change of the LCD marks the page changed.
BOOL CMessageTexts::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (LOWORD(DWORD(wParam)) == IDC_MT_GRID) {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (int(pHdr->code) == GVN_ENDLABELEDIT)
            SetModified(TRUE);
        *pResult = 0;
        return TRUE;
    }
    return CBlockPage::OnNotify(wParam, lParam, pResult);
}

// Enter moves to the next control rather than closing the sheet.
BOOL CMessageTexts::PreTranslateMessage(MSG* pMsg)
{
    m_tooltip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        NextDlgCtrl();
        return TRUE;
    }
    return CBlockPage::PreTranslateMessage(pMsg);
}
