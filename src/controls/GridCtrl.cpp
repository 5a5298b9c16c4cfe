#include "controls/GridCtrl.h"

#include "platform/gdi/Font.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

// The font a grid's cells draw in unless its owner gives another: the start font, 24 pixels
// high and 8 wide, in Arial.
LOGFONT GridFontFrom(LOGFONT lf)
{
    lf.lfHeight = 24;
    lf.lfWidth = 8;
    const char16_t szFace[] = u"Arial";
    std::copy(std::begin(szFace), std::end(szFace), lf.lfFaceName);
    return lf;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEWHEEL()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_IME_CHAR, OnImeChar)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_cellDefault(std::make_unique<CGridDefaultCell>()),
      m_cellFixedColDef(std::make_unique<CGridDefaultCell>()),
      m_cellFixedRowDef(std::make_unique<CGridDefaultCell>()),
      m_cellFixedRowColDef(std::make_unique<CGridDefaultCell>()),
      m_lfCell(GridFontFrom(*m_cellDefault->GetFont())),
      m_crGridBkColour(m_sysColours.cr3DShadow)
{
    for (CGridDefaultCell* pCell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                    m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()}) {
        pCell->SetTextClr(m_sysColours.crWindowText);
        pCell->SetBackClr(pCell == m_cellDefault.get() ? m_sysColours.crWindow : m_sysColours.cr3DFace);
    }
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridCtrl::SystemColours CGridCtrl::CurrentSystemColours()
{
    return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_3DFACE),
            GetSysColor(COLOR_3DSHADOW)};
}

// A default cell, or the grid's background, that had the old system colour takes the new one;
// a colour the owner chose stays.
void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    const SystemColours old = m_sysColours;
    m_sysColours = CurrentSystemColours();
    for (CGridDefaultCell* pCell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                    m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()}) {
        if (pCell->GetTextClr() == old.crWindowText)
            pCell->SetTextClr(m_sysColours.crWindowText);
        if (pCell->GetBackClr() == old.crWindow)
            pCell->SetBackClr(m_sysColours.crWindow);
    }
    if (m_crGridBkColour == old.cr3DShadow)
        m_crGridBkColour = m_sysColours.cr3DShadow;
    if (GetSafeHwnd())
        Invalidate();
}

CGridCtrl::~CGridCtrl()
{
    // The tip's popup is owned by the grid's window: it goes first.
    if (m_titleTip.GetSafeHwnd())
        m_titleTip.DestroyWindow();
    if (m_hWnd)
        DestroyWindow();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    return CWnd::CreateEx(WS_EX_CLIENTEDGE, _T("MFCGridCtrl"), _T(""), dwStyle, rect, pParentWnd, nID);
}

// Runs for a grid created here and for one that takes a dialog's control over (subclassing).
int CGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dropTarget.Register(this);
    ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    ApplyCellFont();
    return 0;
}

void CGridCtrl::SetCellFont(const LOGFONT& lf)
{
    m_lfCell = lf;
    if (m_hWnd)
        ApplyCellFont();
}

// The cells' font, whatever font the dialog gave its control.
void CGridCtrl::ApplyCellFont()
{
    m_pGridFont = std::make_unique<CFont>();
    m_pGridFont->CreateFontIndirect(&m_lfCell);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pGridFont.get()), 0);
}

// ---- counts and cells ----

std::unique_ptr<CGridCellBase> CGridCtrl::CreateCell(int nRow, int nCol)
{
    if (!m_pRtcDefault || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return nullptr;
    std::unique_ptr<CGridCellBase> pCell(static_cast<CGridCellBase*>(m_pRtcDefault->CreateObject()));
    if (!pCell)
        return nullptr;
    pCell->SetGrid(this);
    pCell->SetFormat(GetDefaultCell(nRow < m_nFixedRows, nCol < m_nFixedCols)->GetFormat());
    return pCell;
}

void CGridCtrl::DestroyCell(int nRow, int nCol)
{
    if (nRow >= 0 && nRow < int(m_rows.size()) && nCol >= 0 && nCol < int(m_rows[size_t(nRow)].size()))
        m_rows[size_t(nRow)][size_t(nCol)].reset();
}

void CGridCtrl::PlaceNewCell(int nRow, int nCol)
{
    auto& pCell = m_rows[size_t(nRow)][size_t(nCol)];
    pCell = CreateCell(nRow, nCol);
    // Fixed columns never move in the column order: the stored column is as fixed as the shown.
    if (pCell)
        pCell->SetState(pCell->GetState() | FixedBits(nRow, nCol));
}

DWORD CGridCtrl::FixedBits(int nRow, int nCol) const
{
    DWORD nBits = 0;
    if (nRow < m_nFixedRows)
        nBits |= GVIS_FIXED | GVIS_FIXEDROW;
    if (nCol < m_nFixedCols)
        nBits |= GVIS_FIXED | GVIS_FIXEDCOL;
    return nBits;
}

// Only a class whose cells can be made: the grid never holds a place without a cell.
static bool MakesCells(CRuntimeClass* pRuntimeClass)
{
    return pRuntimeClass && pRuntimeClass->m_pfnCreateObject &&
           pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase));
}

BOOL CGridCtrl::SetDefaultCellType(CRuntimeClass* pRuntimeClass)
{
    if (!MakesCells(pRuntimeClass))
        return FALSE;
    m_pRtcDefault = pRuntimeClass;
    return TRUE;
}

BOOL CGridCtrl::SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass)
{
    if (m_bVirtualMode || !IsValid(nRow, nCol) || !MakesCells(pRuntimeClass))
        return FALSE;
    std::unique_ptr<CGridCellBase> pNew(static_cast<CGridCellBase*>(pRuntimeClass->CreateObject()));
    if (!pNew)
        return FALSE;
    if (const CGridCellBase* pOld = GetCell(nRow, nCol))
        pNew->Assign(*pOld);
    return SetCell(nRow, nCol, std::move(pNew));
}

BOOL CGridCtrl::SetCell(int nRow, int nCol, std::unique_ptr<CGridCellBase> pCell)
{
    if (m_bVirtualMode || !IsValid(nRow, nCol) || !pCell)
        return FALSE;
    pCell->SetGrid(this);
    m_rows[size_t(nRow)][size_t(m_arColOrder[size_t(nCol)])] = std::move(pCell);
    return TRUE;
}

void CGridCtrl::ApplyFixedBits(int nRow, int nCol)
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return;
    constexpr DWORD kFixedMask = GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL;
    const DWORD nBits = FixedBits(nRow, nCol);
    if ((pCell->GetState() & kFixedMask) == nBits)
        return;
    pCell->SetState((pCell->GetState() & ~kFixedMask) | nBits);
    // A cell changing kind takes the colours of its new kind's default cell.
    pCell->SetTextClr(CLR_DEFAULT);
    pCell->SetBackClr(CLR_DEFAULT);
}

void CGridCtrl::ReapplyFixedBits()
{
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            ApplyFixedBits(r, c);
    Refresh();
}

BOOL CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0)
        return FALSE;
    const int nOld = GetRowCount();
    for (int r = nRows; r < nOld; ++r)
        for (int c = 0; c < int(m_rows[size_t(r)].size()); ++c)
            DestroyCell(r, c);
    m_rows.resize(size_t(nRows));
    m_rowHeights.resize(size_t(nRows), UINT(m_cellDefault->GetHeight()));
    for (int r = nOld; r < nRows; ++r) {
        m_rows[size_t(r)].clear();
        if (m_bVirtualMode)
            continue;
        m_rows[size_t(r)].resize(size_t(GetColumnCount()));
        for (int c = 0; c < GetColumnCount(); ++c)
            PlaceNewCell(r, c);
    }
    if (nRows < m_nFixedRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        m_idCurrentCell = CCellID();
    ResetRowOrder();
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return FALSE;
    m_colWidths.resize(size_t(nCols), UINT(m_cellDefault->GetWidth()));
    for (int r = 0; r < GetRowCount() && !m_bVirtualMode; ++r) {
        const int nOld = int(m_rows[size_t(r)].size());
        for (int c = nCols; c < nOld; ++c)
            DestroyCell(r, c);
        m_rows[size_t(r)].resize(size_t(nCols));
        for (int c = nOld; c < nCols; ++c)
            PlaceNewCell(r, c);
    }
    ResetColumnOrder();
    if (nCols < m_nFixedCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        m_idCurrentCell = CCellID();
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return FALSE;
    ResetSelectedRange();
    if (nFixedRows > GetRowCount())
        SetRowCount(nFixedRows);
    m_nFixedRows = nFixedRows;
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < nFixedRows)
        SetFocusCell(CCellID());
    ReapplyFixedBits();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    ResetSelectedRange();
    if (nFixedCols > GetColumnCount())
        SetColumnCount(nFixedCols);
    m_nFixedCols = nFixedCols;
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < nFixedCols)
        SetFocusCell(CCellID());
    ReapplyFixedBits();
    return TRUE;
}

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol))
        return nullptr;
    if (m_bVirtualMode) {
        FillVirtualCell(m_virtualCell, nRow, nCol, DataRow(nRow));
        return &m_virtualCell;
    }
    return m_rows[size_t(nRow)][size_t(m_arColOrder[size_t(nCol)])].get();
}

BOOL CGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < GetRowCount() && nCol >= 0 && nCol < GetColumnCount();
}

void CGridCtrl::DeleteAllItems()
{
    m_rows.clear();
    m_rowHeights.clear();
    m_colWidths.clear();
    m_arColOrder.clear();
    m_nFixedRows = 0;
    m_nFixedCols = 0;
    m_idCurrentCell = CCellID();
    m_SelectionStartCell = CCellID();
    m_nSortColumn = -1;
    ResetRowOrder();
    ResetScrollBars();
}

CGridCellBase* CGridCtrl::StoredCell(int nRow, int nCol) const
{
    return m_bVirtualMode ? nullptr : GetCell(nRow, nCol);
}

BOOL CGridCtrl::SetItem(const GV_ITEM& item)
{
    CGridCellBase* pCell = StoredCell(item.row, item.col);
    if (!pCell)
        return FALSE;
    if (item.mask & GVIF_TEXT)
        pCell->SetText(item.strText);
    if (item.mask & GVIF_PARAM)
        pCell->SetData(item.lParam);
    if (item.mask & GVIF_STATE)
        SetItemState(item.row, item.col, item.nState);
    if (item.mask & GVIF_FORMAT)
        pCell->SetFormat(item.nFormat);
    if (item.mask & GVIF_BKCLR)
        pCell->SetBackClr(item.crBkClr);
    if (item.mask & GVIF_FGCLR)
        pCell->SetTextClr(item.crFgClr);
    if (item.mask & GVIF_FONT)
        pCell->SetFont(&item.lfFont);
    if (item.mask & GVIF_MARGIN)
        pCell->SetMargin(item.nMargin);
    return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR pszText)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetText(pszText);
    return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const
{
    const CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetText() : CString();
}

BOOL CGridCtrl::SetItemImage(int nRow, int nCol, int nImage)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetImage(nImage);
    return TRUE;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
    const CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetImage() : -1;
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT nState)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    const DWORD nWide = pCell->GetState() & CELLSTATE_WIDE_MASK;
    pCell->SetState((nState & ~CELLSTATE_WIDE_MASK) | nWide);
    return TRUE;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const
{
    const CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? UINT(pCell->GetState()) : 0;
}

void CGridCtrl::SetWideBits(int nRow, int nCol, UINT nBits)
{
    if (CGridCellBase* pCell = StoredCell(nRow, nCol))
        pCell->SetState((pCell->GetState() & ~CELLSTATE_WIDE_MASK) | (nBits & CELLSTATE_WIDE_MASK));
}

BOOL CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetBackClr(cr);
    return TRUE;
}

BOOL CGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetTextClr(cr);
    return TRUE;
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONT* pLogFont)
{
    CGridCellBase* pCell = StoredCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetFont(pLogFont);
    return TRUE;
}

BOOL CGridCtrl::IsItemEditing(int nRow, int nCol) const
{
    const CGridCellBase* pCell = StoredCell(nRow, nCol);
    return pCell && pCell->IsEditing();
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const
{
    if (bFixedRow && bFixedCol)
        return m_cellFixedRowColDef.get();
    if (bFixedRow)
        return m_cellFixedRowDef.get();
    if (bFixedCol)
        return m_cellFixedColDef.get();
    return m_cellDefault.get();
}

void CGridCtrl::SetModified(BOOL bModified, int nRow, int nCol)
{
    if (nRow >= 0 || nCol >= 0) {
        const UINT nState = GetItemState(nRow, nCol);
        SetItemState(nRow, nCol, bModified ? nState | GVIS_MODIFIED : nState & ~GVIS_MODIFIED);
        if (bModified)
            m_bModified = TRUE;
        return;
    }
    m_bModified = bModified;
    if (!bModified)
        ClearCellStates(GVIS_MODIFIED);
}

BOOL CGridCtrl::GetModified(int nRow, int nCol) const
{
    if (nRow >= 0 || nCol >= 0)
        return (GetItemState(nRow, nCol) & GVIS_MODIFIED) != 0;
    return m_bModified;
}

void CGridCtrl::SetPrintMarginInfo(int nHeader, int nFooter, int nLeft, int nRight, int nTop, int nBottom,
                                   int nGap)
{
    PrintMargins& m = m_printMargins;
    for (auto [nValue, pField] : {std::pair{nHeader, &m.nHeader}, {nFooter, &m.nFooter}, {nLeft, &m.nLeft},
                                  {nRight, &m.nRight}, {nTop, &m.nTop}, {nBottom, &m.nBottom}, {nGap, &m.nGap}})
        if (nValue != -1)
            *pField = nValue;
}

// ---- the owner ----

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage)
{
    CWnd* pOwner = GetOwner();
    if (!m_hWnd || !pOwner || !IsWindow(pOwner->GetSafeHwnd()))
        return 0;
    NM_GRIDVIEW nmgv{};
    nmgv.hdr.hwndFrom = m_hWnd;
    nmgv.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    nmgv.hdr.code = UINT(nMessage);
    nmgv.iRow = nRow;
    nmgv.iColumn = nCol;
    return pOwner->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&nmgv));
}

// ---- fonts and dialog codes ----

LRESULT CGridCtrl::OnSetFont(WPARAM wParam, LPARAM)
{
    const auto* pFont = reinterpret_cast<const CFont*>(wParam);
    LOGFONT lf{};
    if (!pFont || !pFont->GetLogFont(&lf))
        return 0;
    // Whatever font the host gives, the cells draw in the grid's own.
    lf = m_lfCell;
    for (CGridDefaultCell* pCell : {m_cellDefault.get(), m_cellFixedColDef.get(),
                                    m_cellFixedRowDef.get(), m_cellFixedRowColDef.get()})
        pCell->SetFont(&lf);
    Refresh();
    return 0;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_pGridFont.get()); }
