#include "messagetext/MessageTextsNew.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "controls/IconImages.h"
#include "document/BlockNames.h"
#include "document/VetlaDoc.h"
#include "messagetext/AIFilterDlg.h"
#include "messagetext/BarGraphSettingDlg.h"
#include "messagetext/GraphDlg.h"
#include "messagetext/IOSN.h"
#include "messagetext/LcdGridSetup.h"
#include "messagetext/MessageTextIds.h"
#include "messagetext/MessageTextLists.h"
#include "messagetext/ScaleTimeDlg.h"
#include "controls/WidePairs.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CMessageTexts_New, CMessageTexts)

namespace {

constexpr int kNewColumns = 24;
constexpr int kTickerLineIds[MSGTEXT_LINES] = {IDC_MT_LINE1, IDC_MT_LINE2, IDC_MT_LINE3, IDC_MT_LINE4};
constexpr int kScopeLines = 3;
constexpr int kGraphLines = 4;
constexpr int kWideElementWidth = 12;
constexpr int kScaleTimeWidth = 11;
constexpr int kIoNameWidth = 8;
constexpr int kFirstAnalogFlag = 4288;
constexpr int kFirstAnalogInput = 4000;

struct KindLimit {
    int nKind;
    int nLimit;
    LPCTSTR lpszMessage;
};
const KindLimit kLimits[] = {
    {WIDGET_KIND_BARGRAPH, 8, _T("Maximun 8 bar graphs can be used in one message text.")},
    {WIDGET_KIND_SCOPE, 2, _T("Maximun 2 scopes can be used in one message text.")},
    {WIDGET_KIND_POINTER, 2, _T("Maximun 2 pointers can be used in one message text.")},
    {WIDGET_KIND_SCALETIME, 8, _T("Maximun 8 scale times can be used in one message text.")},
    {WIDGET_KIND_GRAPH, 2, _T("Maximun 2 graphs can be used in one message text.")},
};

LPCTSTR CharSetName(int nCharSet)
{
    switch (nCharSet) {
    case 0: return _T("Simplfied Chinese");
    case 1: return _T("Traditional Chinese");
    default: return _T("English,Spanish,...");
    }
}

int TickerLineSetting(int nLine, int nSet) { return MTS_TICKER_LINE_FIRST + 2 * nLine + nSet; }

}  // namespace

CMessageTexts_New::CMessageTexts_New(int nType) : CMessageTexts(IDD_MESSAGE_TEXTS_NEW, nType, kNewColumns) {}

CMessageTexts_New::~CMessageTexts_New()
{
    if (m_pSpecialCharDlg && IsWindow(m_pSpecialCharDlg.get()))
        m_pSpecialCharDlg->DestroyWindow();
    for (auto& set : m_widgetsSaved)
        for (CObArray& list : set)
            DeleteWidgetList(list);
}

CString (&CMessageTexts_New::Plane(int nSet))[MSGTEXT_ROWS][MSGTEXT_COLUMNS]
{
    return nSet == 0 ? m_strPlane1 : m_strPlane2;
}

// ---- the block ----

void CMessageTexts_New::CopyFromBlock(const CBlockObj& block)
{
    CMessageTexts::CopyFromBlock(block);
    const auto* pText = dynamic_cast<const CBlockMSGTEXT*>(&block);
    if (!pText)
        return;
    for (int r = 0; r < MSGTEXT_ROWS; ++r)
        for (int c = 0; c < MSGTEXT_COLUMNS; ++c)
            m_strPlane2[r][c] = pText->m_strCells2[r][c];
    for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
        m_nSettings[i] = pText->m_nMsgSettings[i];
    m_nSettings[MTS_CHARSET_SHOWN] = m_nSettings[MTS_CHARSET_SHOWN] != 0 ? 1 : 0;
}

void CMessageTexts_New::CopyToBlock(CBlockObj& block) const
{
    CMessageTexts::CopyToBlock(block);
    auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block);
    if (!pText || !m_bCaptured)
        return;
    for (int r = 1; r < MSGTEXT_ROWS; ++r)
        for (int c = 1; c <= m_nColumns; ++c)
            pText->m_strCells2[r][c] = m_strPlane2[r][c];
    for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
        pText->m_nMsgSettings[i] = m_nSettings[i];
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(pText->m_arrWidgets2[nLine]);
        AppendWidgetCopies(m_widgetsOut[1][nLine], pText->m_arrWidgets2[nLine]);
    }
}

// ---- the window ----

BOOL CMessageTexts_New::OnInitDialog()
{
    for (int nSet = 0; nSet < 2; ++nSet)
        for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine)
            AppendWidgetCopies(m_widgetsIn[nSet][nLine], m_widgetsSaved[nSet][nLine]);
    CBlockPage::OnInitDialog();
    SetUpGrid();
    LoadSet(GetShownCharSet());
    OnInitDialogLists();
    // The translated texts first: the set captions and the two buttons' characters are the
    // page's own.
    SetUpTipsAndTexts();
    if (const CVetlaDoc* pDoc = Doc()) {
        GetDlgItem(IDC_MT_SHOW_SET1)->SetWindowText(CString(_T("Character set1: ")) + CharSetName(pDoc->m_nCharSet1));
        GetDlgItem(IDC_MT_SHOW_SET2)->SetWindowText(CString(_T("Character set2: ")) + CharSetName(pDoc->m_nCharSet2));
    }
    GetDlgItem(IDC_MT_SPECIAL)->SetWindowText(CString(TCHAR(0x2103)));
    GetDlgItem(IDC_MT_BAR)->SetWindowText(CString(TCHAR(0x2584)));
    for (const auto& [pButton, nID, nIcon] : {std::tuple{&m_btnScope, IDC_MT_SCOPE, IDI_SCOPE},
                                               std::tuple{&m_btnPointer, IDC_MT_POINTER, IDI_POINTER}}) {
        pButton->SubclassDlgItem(UINT(nID), this);
        pButton->SetIcon(nIcon, nIcon);
        pButton->SetWindowText(_T(""));
    }
    UpdateSetRadios();
    UpdateData(FALSE);
    return TRUE;
}

void CMessageTexts_New::UpdateSetRadios()
{
    const int nShown = GetShownCharSet();
    CheckRadioButton(IDC_MT_SHOW_SET1, IDC_MT_SHOW_SET2, nShown == 0 ? IDC_MT_SHOW_SET1 : IDC_MT_SHOW_SET2);
    GetDlgItem(IDC_MT_SHOW_SET1)->EnableWindow(m_nSettings[MTS_ENABLE_SET1] != 0);
    GetDlgItem(IDC_MT_SHOW_SET2)->EnableWindow(m_nSettings[MTS_ENABLE_SET2] != 0);
}

void CMessageTexts_New::DoDataExchange(CDataExchange* pDX)
{
    CMessageTexts::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MT_ENABLE_SET1, m_nSettings[MTS_ENABLE_SET1]);
    DDX_Check(pDX, IDC_MT_ENABLE_SET2, m_nSettings[MTS_ENABLE_SET2]);
    DDX_Check(pDX, IDC_MT_DETAILS, m_nSettings[MTS_SHOW_DETAILS]);
    if (pDX->m_bSaveAndValidate)
        ReadTickerControls(GetShownCharSet());
    else
        WriteTickerControls(GetShownCharSet());
}

void CMessageTexts_New::ReadTickerControls(int nSet)
{
    m_nSettings[MTS_TICKER_MODE1 + nSet] = IsDlgButtonChecked(IDC_MT_TICKER_CHAR) ? 0 : 1;
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine)
        m_nSettings[TickerLineSetting(nLine, nSet)] = IsDlgButtonChecked(kTickerLineIds[nLine]) ? 1 : 0;
}

void CMessageTexts_New::WriteTickerControls(int nSet)
{
    CheckRadioButton(IDC_MT_TICKER_CHAR, IDC_MT_TICKER_LINE,
                     m_nSettings[MTS_TICKER_MODE1 + nSet] == 0 ? IDC_MT_TICKER_CHAR : IDC_MT_TICKER_LINE);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine)
        CheckDlgButton(kTickerLineIds[nLine], m_nSettings[TickerLineSetting(nLine, nSet)] ? 1 : 0);
}

bool CMessageTexts_New::ListsBlock(const CBlockObj& block) const
{
    // The newer page offers no UDC communication block.
    return block.m_nType != BT_UDC && CMessageTexts::ListsBlock(block);
}

bool CMessageTexts_New::AcceptsParameterAt(const WidgetSpan& span) const { return CanPlaceWidget(m_grid, span); }

// ---- the character sets ----

void CMessageTexts_New::SaveShownSet()
{
    const int nSet = GetShownCharSet();
    ReadLcdGrid(m_grid, &Plane(nSet)[0][0], MSGTEXT_COLUMNS);
    ReadTickerControls(nSet);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(m_widgetsSaved[nSet][nLine]);
        AppendWidgetCopies(m_grid.m_arrWidgets[nLine], m_widgetsSaved[nSet][nLine]);
    }
}

void CMessageTexts_New::LoadSet(int nSet)
{
    FillLcdGrid(m_grid, &Plane(nSet)[0][0], MSGTEXT_COLUMNS);
    m_grid.m_pSelectedWidget = nullptr;
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        DeleteWidgetList(m_grid.m_arrWidgets[nLine]);
        AppendWidgetCopies(m_widgetsSaved[nSet][nLine], m_grid.m_arrWidgets[nLine]);
        for (INT_PTR i = 0; i < m_grid.m_arrWidgets[nLine].GetSize(); ++i)
            RefitWidgetRect(m_grid, *static_cast<CWidget*>(m_grid.m_arrWidgets[nLine].GetAt(i)));
    }
    m_grid.SetFocusCell(CCellID(1, 1));
    m_grid.ResetSelectedRange();
    if (m_hWnd)
        WriteTickerControls(nSet);
    m_grid.Refresh();
}

void CMessageTexts_New::ClearSet(int nSet)
{
    for (int r = 1; r < MSGTEXT_ROWS; ++r)
        for (int c = 1; c < MSGTEXT_COLUMNS; ++c)
            Plane(nSet)[r][c].Empty();
    m_nSettings[MTS_TICKER_MODE1 + nSet] = 0;
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        m_nSettings[TickerLineSetting(nLine, nSet)] = 0;
        DeleteWidgetList(m_widgetsSaved[nSet][nLine]);
    }
}

void CMessageTexts_New::OnSelectCharSet(int nSet)
{
    if (nSet == GetShownCharSet())
        return;
    SaveShownSet();
    m_nSettings[MTS_CHARSET_SHOWN] = nSet;
    LoadSet(nSet);
    UpdateSetRadios();
    SetModified(TRUE);
}

// At least one set stays enabled. Disabling the shown set shows the other one; disabling the
// hidden one leaves the grid and its edits alone.
void CMessageTexts_New::OnEnableCharSet(int nSet)
{
    const int nBox = nSet == 0 ? IDC_MT_ENABLE_SET1 : IDC_MT_ENABLE_SET2;
    const int nOther = 1 - nSet;
    if (!IsDlgButtonChecked(nOther == 0 ? IDC_MT_ENABLE_SET1 : IDC_MT_ENABLE_SET2)) {
        CheckDlgButton(nBox, 1);
        return;
    }
    if (IsDlgButtonChecked(nBox)) {
        m_nSettings[MTS_ENABLE_SET1 + nSet] = 1;
        UpdateSetRadios();
        SetModified(TRUE);
        return;
    }
    if (AfxMessageBox(_T("The contents for this character set will be deleted.\nAre you sure?"), MB_YESNO) != IDYES) {
        CheckDlgButton(nBox, 1);
        return;
    }
    ClearSet(nSet);
    m_nSettings[MTS_ENABLE_SET1 + nSet] = 0;
    if (GetShownCharSet() == nSet) {
        m_nSettings[MTS_CHARSET_SHOWN] = nOther;
        LoadSet(nOther);
    }
    UpdateSetRadios();
    SetModified(TRUE);
}

// ---- inserting ----

bool CMessageTexts_New::WithinLimit(int nKind)
{
    for (const KindLimit& limit : kLimits) {
        if (limit.nKind == nKind && CountWidgetsOfKind(m_grid, nKind) >= limit.nLimit) {
            AfxMessageBox(limit.lpszMessage, MB_ICONINFORMATION);
            return false;
        }
    }
    return true;
}

CWidget* CMessageTexts_New::NewWidget(int nKind, int nWidth)
{
    auto* pWidget = new CWidget(0, 0, 0, 0, WidgetKindColor(nKind));
    pWidget->m_nKind = nKind;
    pWidget->m_nWidth = nWidth;
    return pWidget;
}

void CMessageTexts_New::OnInsertBarGraph(int nKind)
{
    if (!HasActualValueBlock(Doc())) {
        AfxMessageBox(_T("No block contains actual value in the circuit program"), MB_ICONSTOP);
        return;
    }
    if (!WithinLimit(nKind))
        return;
    CBarGraphSettingDlg dlg(Doc(), this);
    dlg.m_nKind = nKind;
    if (nKind == WIDGET_KIND_SCOPE)
        dlg.m_nWidth = Doc()->m_nScopeTime;
    if (dlg.DoModal() != IDOK)
        return;
    if (CWidget* pWidget = PlaceBarGraph(dlg.m_nBlockNumber, dlg.m_nActualValue, dlg.m_nWidth, nKind)) {
        pWidget->m_nMinValue = dlg.m_nMinValue;
        pWidget->m_nMaxValue = dlg.m_nMaxValue;
        pWidget->m_nValueIndex = dlg.m_nActualValue;
    }
}

CWidget* CMessageTexts_New::PlaceBarGraph(int nBlockNumber, int nValueIndex, int nWidth, int nKind)
{
    CBlockObj* pBlock = Doc() ? Doc()->FindBlockByNumber(nBlockNumber) : nullptr;
    const int nParamId = pBlock ? ActualValueId(FindBlockParamRow(pBlock->m_nType), nValueIndex) : -1;
    if (nParamId < 0)
        return nullptr;
    const bool bBar = nKind == WIDGET_KIND_BARGRAPH;
    CWidget* pWidget = NewWidget(nKind, bBar ? nWidth : kWideElementWidth);
    pWidget->m_pBlock = pBlock;
    pWidget->m_nBlockNumber = nBlockNumber;
    pWidget->m_nParamId = nParamId;
    pWidget->m_strCaption = ParameterName(nParamId);
    pWidget->m_nOption = nWidth;
    pWidget->m_nValueIndex = nValueIndex;
    return PlaceAtAnchor(pWidget, bBar ? 1 : kScopeLines);
}

void CMessageTexts_New::OnInsertFilter(int nMode)
{
    if (!HasAnalogInput(Doc(), nMode)) {
        AfxMessageBox(nMode == AIFILTER_MODE_AI ? _T("No AI in the circuit program") : _T("No AM in the circuit program"),
                      MB_ICONSTOP);
        return;
    }
    CAIFilterDlg dlg(Doc(), this);
    dlg.m_nMode = nMode;
    if (dlg.DoModal() == IDOK && dlg.m_nSelNumber >= 0)
        PlaceFilterValue(dlg.m_nSelNumber);
}

CWidget* CMessageTexts_New::PlaceFilterValue(int nNumber)
{
    CBlockObj* pBlock = Doc() ? Doc()->FindBlockByNumber(nNumber) : nullptr;
    const int nType = pBlock ? pBlock->m_nType : (nNumber >= kFirstAnalogFlag ? BT_ANALOG_FLAG : BT_ANALOG_IN);
    const int nParamId = FirstBlockParamId(FindBlockParamRow(nType));
    if (nParamId < 0 || nParamId >= PARAM_NAME_COUNT || nNumber < kFirstAnalogInput)
        return nullptr;
    CWidget* pWidget = NewWidget(0, g_arrParamWidth[nParamId]);
    pWidget->m_pBlock = pBlock;
    pWidget->m_nBlockNumber = pBlock ? pBlock->m_nNumber : nNumber;
    pWidget->m_nParamId = nParamId;
    pWidget->m_strCaption = ParameterName(nParamId);
    return PlaceAtAnchor(pWidget, 1);
}

void CMessageTexts_New::OnInsertIOStatusName()
{
    CIOSN dlg(Doc(), this);
    dlg.m_nCharSet = GetShownCharSet();
    LPCTSTR names[] = {_T("OFF"), _T("ON")};
    for (int r = 1; r < WIDGET_NAME_ROWS; ++r)
        for (int c = 1; c <= CString(names[r - 1]).GetLength(); ++c)
            dlg.m_strNames[r][c] = CString(names[r - 1]).Mid(c - 1, 1);
    if (dlg.DoModal() != IDOK)
        return;
    if (CWidget* pWidget = PlaceIOStatusName(dlg.m_nNumber)) {
        for (int r = 1; r < WIDGET_NAME_ROWS; ++r)
            for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c)
                pWidget->m_strNames[r][c] = dlg.m_strNames[r][c];
    }
}

// An element without a width could not be drawn or placed: such a point is refused.
CWidget* CMessageTexts_New::PlaceIOStatusName(int nNumber)
{
    CBlockObj* pBlock = Doc() ? Doc()->FindBlockByNumber(nNumber) : nullptr;
    int nParamId = 0;
    int nWidth = 0;
    CString strCaption;
    if (pBlock) {
        const int* pRow = FindBlockParamRow(pBlock->m_nType);
        nParamId = pRow ? FirstBlockParamId(pRow) : 0;
        nWidth = IsFunctionBlockType(pBlock->m_nType) || !pRow ? kIoNameWidth : g_arrParamWidth[nParamId];
        g_mapBlockCaption.Lookup(pBlock->m_nType, strCaption);
    } else if (Doc() && Doc()->IsLadder()) {
        nWidth = kIoNameWidth;
    }
    if (nWidth < 1) {
        ShowPlacementRefusal(m_nBlockNumber);
        return nullptr;
    }
    CWidget* pWidget = NewWidget(WIDGET_KIND_IOSTATUSNAME, nWidth);
    pWidget->m_pBlock = pBlock;
    pWidget->m_nBlockNumber = nNumber;
    pWidget->m_nParamId = nParamId;
    pWidget->m_strCaption = strCaption;
    return PlaceAtAnchor(pWidget, 1);
}

void CMessageTexts_New::OnInsertScaleTime()
{
    if (!HasActualValueBlock(Doc())) {
        AfxMessageBox(_T("No block contains actual value in the circuit program"), MB_ICONSTOP);
        return;
    }
    if (!WithinLimit(WIDGET_KIND_SCALETIME))
        return;
    CScaleTimeDlg dlg(Doc(), this);
    if (dlg.DoModal() != IDOK)
        return;
    if (CWidget* pWidget = PlaceScaleTime(dlg.m_nBlockNumber, dlg.m_nActualValue))
        pWidget->m_nOption = dlg.m_nTimeBase;
}

CWidget* CMessageTexts_New::PlaceScaleTime(int nBlockNumber, int nValueIndex)
{
    CBlockObj* pBlock = Doc() ? Doc()->FindBlockByNumber(nBlockNumber) : nullptr;
    const int nParamId = pBlock ? ActualValueId(FindBlockParamRow(pBlock->m_nType), nValueIndex) : -1;
    if (nParamId < 0)
        return nullptr;
    CWidget* pWidget = NewWidget(WIDGET_KIND_SCALETIME, kScaleTimeWidth);
    pWidget->m_pBlock = pBlock;
    pWidget->m_nBlockNumber = nBlockNumber;
    pWidget->m_nParamId = nParamId;
    pWidget->m_strCaption = ParameterName(nParamId);
    pWidget->m_nValueIndex = nValueIndex;
    return PlaceAtAnchor(pWidget, 1);
}

void CMessageTexts_New::OnInsertGraph()
{
    if (!WithinLimit(WIDGET_KIND_GRAPH))
        return;
    CGraphDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        PlaceGraph(dlg.m_nGraph);
}

CWidget* CMessageTexts_New::PlaceGraph(int nGraph)
{
    CWidget* pWidget = NewWidget(WIDGET_KIND_GRAPH, kWideElementWidth);
    pWidget->m_nOption = nGraph;
    return PlaceAtAnchor(pWidget, kGraphLines);
}

bool CMessageTexts_New::SpecialCharPaletteShown() const
{
    return m_pSpecialCharDlg && IsWindow(m_pSpecialCharDlg.get());
}

void CMessageTexts_New::ShowSpecialCharPalette()
{
    if (SpecialCharPaletteShown())
        return;
    m_pSpecialCharDlg = std::make_unique<CSpecialCharDlg>(this, &m_grid);
    if (!m_pSpecialCharDlg->Create(IDD_SPECIAL_CHAR, this))
        m_pSpecialCharDlg.reset();
    else
        m_pSpecialCharDlg->ShowWindow(SW_SHOW);
}

// The palette's window goes; the object stays until the next palette or the page's end, since
// this may run inside the palette's own click.
void CMessageTexts_New::CloseSpecialCharPalette(TCHAR ch)
{
    const CCellID anchor = GetAnchorCell();
    if (ch && m_grid.IsValid(anchor) && anchor.row >= 1 && anchor.col >= 1 &&
        !m_grid.IsCoveredByWidget(anchor.row, anchor.col) && !WidePairs::IsFirst(m_grid, anchor.row, anchor.col) &&
        !WidePairs::IsSecond(m_grid, anchor.row, anchor.col)) {
        m_grid.SetItemText(anchor.row, anchor.col, CString(ch));
        m_grid.RedrawCell(anchor.row, anchor.col);
        SetModified(TRUE);
    }
    if (m_pSpecialCharDlg && IsWindow(m_pSpecialCharDlg.get()))
        m_pSpecialCharDlg->DestroyWindow();
}

// ---- OK and the commands ----

void CMessageTexts_New::OnOK()
{
    CaptureEdits();
    CBlockPage::OnOK();
}

void CMessageTexts_New::CaptureEdits()
{
    SaveShownSet();
    for (int nSet = 0; nSet < 2; ++nSet) {
        for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
            DeleteWidgetList(m_widgetsOut[nSet][nLine]);
            AppendWidgetCopies(m_widgetsSaved[nSet][nLine], m_widgetsOut[nSet][nLine]);
        }
    }
    m_bCaptured = TRUE;
}

BOOL CMessageTexts_New::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) != BN_CLICKED)
        return CMessageTexts::OnCommand(wParam, lParam);
    switch (nID) {
    case IDC_MT_BAR: OnInsertBarGraph(WIDGET_KIND_BARGRAPH); return TRUE;
    case IDC_MT_SCOPE: OnInsertBarGraph(WIDGET_KIND_SCOPE); return TRUE;
    case IDC_MT_POINTER: OnInsertBarGraph(WIDGET_KIND_POINTER); return TRUE;
    case IDC_MT_AI: OnInsertFilter(AIFILTER_MODE_AI); return TRUE;
    case IDC_MT_AM: OnInsertFilter(AIFILTER_MODE_AM); return TRUE;
    case IDC_MT_ONOFF: OnInsertIOStatusName(); return TRUE;
    case IDC_MT_SCALE_TIME: OnInsertScaleTime(); return TRUE;
    case IDC_MT_GRAPH: OnInsertGraph(); return TRUE;
    case IDC_MT_SPECIAL: ShowSpecialCharPalette(); return TRUE;
    case IDC_MT_SHOW_SET1:
    case IDC_MT_SHOW_SET2: OnSelectCharSet(nID == IDC_MT_SHOW_SET1 ? 0 : 1); return TRUE;
    case IDC_MT_ENABLE_SET1:
    case IDC_MT_ENABLE_SET2: OnEnableCharSet(nID == IDC_MT_ENABLE_SET1 ? 0 : 1); return TRUE;
    case IDC_MT_TICKER_CHAR:
    case IDC_MT_TICKER_LINE:
    case IDC_MT_LINE1:
    case IDC_MT_LINE2:
    case IDC_MT_LINE3:
    case IDC_MT_LINE4:
    case IDC_MT_DETAILS: SetModified(TRUE); return TRUE;
    default: return CMessageTexts::OnCommand(wParam, lParam);
    }
}

// A press anywhere on the page closes the special-character palette without a character.
BOOL CMessageTexts_New::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_RBUTTONDOWN) && m_pSpecialCharDlg &&
        IsWindow(m_pSpecialCharDlg.get())) {
        const CWnd* pTarget = CWnd::FromHandle(pMsg->hwnd);
        if (pTarget != m_pSpecialCharDlg.get() && !m_pSpecialCharDlg->IsChild(pTarget))
            CloseSpecialCharPalette(0);
    }
    return CMessageTexts::PreTranslateMessage(pMsg);
}
