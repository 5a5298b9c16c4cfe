// The elements on the LCD grid: a press selects the one under the mouse, a double click opens
// its settings dialog and re-checks where it lies, and the clipboard commands refuse to copy
// cell text from under a selected element's columns.
#include "messagetext/GridCtrl.h"

#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "document/BlockNames.h"
#include "document/VetlaDoc.h"
#include "messagetext/BarGraphSettingDlg.h"
#include "messagetext/GraphDlg.h"
#include "messagetext/IOSN.h"
#include "messagetext/InPlaceParam.h"
#include "messagetext/MessageTextLists.h"
#include "messagetext/ScaleTimeDlg.h"
#include "messagetext/WidgetPlacement.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/gdi/DC.h"
#include "platform/core/CmdTarget.h"

#include <algorithm>

void CGridCtrl::SelectWidgetAt(CPoint point)
{
    CWidget* pPrevious = m_pSelectedWidget;
    m_pSelectedWidget = nullptr;
    for (CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            auto* pWidget = static_cast<CWidget*>(list.GetAt(i));
            if (!pWidget)
                continue;
            pWidget->m_bSelected = pWidget->HitTest(point);
            if (pWidget->m_bSelected)
                m_pSelectedWidget = pWidget;
        }
    }
    // A press beside the popup's element ends the popup with its value.
    if (m_pParamPopup && pPrevious != m_pSelectedWidget)
        CloseObjectPopup(TRUE);
    if (pPrevious != m_pSelectedWidget)
        Invalidate();
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bDisplayMode)
        OpenParamPopupOnSelected();
    else if (m_pSelectedWidget && m_pSelectedWidget->m_nKind <= WIDGET_KIND_BARGRAPH)
        EditSelectedWidget();
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CGridCtrl::OpenParamPopupOnSelected()
{
    const CWidget* pWidget = m_pSelectedWidget;
    const ILcdGridHost* pHost = GetHost();
    CVetlaDoc* pDoc = pHost ? pHost->GetGridDocument() : nullptr;
    const CBlockObj* pBlock = pWidget && pDoc ? pDoc->FindBlockByNumber(pWidget->m_nBlockNumber) : nullptr;
    if (pBlock && pWidget->m_pBlock && OffersInPlaceEdit(*pBlock, pWidget->m_nParamId))
        ShowObjectPopup();
}

void CGridCtrl::EditSelectedWidget()
{
    CWidget* pWidget = m_pSelectedWidget;
    if (!pWidget)
        return;
    BOOL bChanged = FALSE;
    switch (pWidget->m_nKind) {
    case WIDGET_KIND_BARGRAPH:
    case WIDGET_KIND_SCOPE:
    case WIDGET_KIND_POINTER: bChanged = EditBarGraph(*pWidget); break;
    case WIDGET_KIND_SCALETIME: bChanged = EditScaleTime(*pWidget); break;
    case WIDGET_KIND_IOSTATUSNAME: bChanged = EditIoStatusName(*pWidget); break;
    case WIDGET_KIND_GRAPH: bChanged = EditGraph(*pWidget); break;
    default: break;
    }
    if (bChanged)
        Invalidate();
}

// A bar graph takes its new width only where it still fits; its other settings stay either way.
BOOL CGridCtrl::EditBarGraph(CWidget& widget)
{
    CVetlaDoc* pDoc = GetHost() ? GetHost()->GetGridDocument() : nullptr;
    CBarGraphSettingDlg dlg(pDoc, GetOwner());
    dlg.m_pWidget = &widget;
    dlg.m_nKind = widget.m_nKind;
    dlg.m_nActualValue = widget.m_nValueIndex;
    dlg.m_nMinValue = widget.m_nMinValue;
    dlg.m_nMaxValue = widget.m_nMaxValue;
    dlg.m_nWidth = widget.m_nKind == WIDGET_KIND_BARGRAPH ? widget.m_nWidth : widget.m_nOption;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    widget.m_strCaption = ParameterName(widget.m_nParamId);
    widget.m_nValueIndex = dlg.m_nActualValue;
    widget.m_nMinValue = dlg.m_nMinValue;
    widget.m_nMaxValue = dlg.m_nMaxValue;
    if (widget.m_nKind == WIDGET_KIND_SCOPE)
        widget.m_nOption = dlg.m_nWidth;
    if (widget.m_nKind != WIDGET_KIND_BARGRAPH || dlg.m_nWidth == widget.m_nWidth)
        return TRUE;
    WidgetSpan span = SpanOfWidget(widget);
    span.nWidth = dlg.m_nWidth;
    if (!CanPlaceWidget(*this, span, &widget)) {
        ShowPlacementRefusal(GetHost() ? GetHost()->GetEditedBlockNumber() : -1);
        return TRUE;
    }
    widget.m_nWidth = dlg.m_nWidth;
    widget.m_nOption = dlg.m_nWidth;
    RefitWidgetRect(*this, widget);
    ClearCellsUnder(*this, widget);
    return TRUE;
}

BOOL CGridCtrl::EditScaleTime(CWidget& widget)
{
    CScaleTimeDlg dlg(GetHost() ? GetHost()->GetGridDocument() : nullptr, GetOwner());
    dlg.m_pWidget = &widget;
    dlg.m_nActualValue = widget.m_nValueIndex;
    dlg.m_nTimeBase = widget.m_nOption;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    widget.m_strCaption = ParameterName(widget.m_nParamId);
    widget.m_nOption = dlg.m_nTimeBase;
    widget.m_nValueIndex = dlg.m_nActualValue;
    return TRUE;
}

BOOL CGridCtrl::EditIoStatusName(CWidget& widget)
{
    CIOSN dlg(GetHost() ? GetHost()->GetGridDocument() : nullptr, GetOwner());
    dlg.m_pWidget = &widget;
    dlg.m_nCharSet = GetHost() ? GetHost()->GetShownCharSet() : 0;
    for (int r = 0; r < WIDGET_NAME_ROWS; ++r)
        for (int c = 0; c < WIDGET_NAME_COLUMNS; ++c)
            dlg.m_strNames[r][c] = widget.m_strNames[r][c];
    if (dlg.DoModal() != IDOK)
        return FALSE;
    CString strCaption;
    if (widget.m_pBlock)
        g_mapBlockCaption.Lookup(widget.m_pBlock->m_nType, strCaption);
    widget.m_strCaption = strCaption;
    for (int r = 1; r < WIDGET_NAME_ROWS; ++r)
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c)
            widget.m_strNames[r][c] = dlg.m_strNames[r][c];
    return TRUE;
}

BOOL CGridCtrl::EditGraph(CWidget& widget)
{
    CGraphDlg dlg(GetOwner());
    dlg.m_bEdit = TRUE;
    dlg.m_nGraph = widget.m_nOption;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    widget.m_nOption = dlg.m_nGraph;
    return TRUE;
}

// ---- the clipboard ----

BOOL CGridCtrl::SelectionTouchesWidget() const
{
    const CCellRange range = GetSelectedCellRange();
    if (!m_pSelectedWidget || !range.IsValid())
        return FALSE;
    for (int nLine = std::max(range.nMinRow, 1); nLine <= std::min(range.nMaxRow, LCD_LINE_COUNT); ++nLine) {
        const CObArray& list = m_arrWidgets[nLine - 1];
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            const auto* pWidget = static_cast<const CWidget*>(list.GetAt(i));
            if (pWidget && pWidget->m_nColumn <= range.nMaxCol &&
                pWidget->m_nColumn + pWidget->m_nWidth - 1 >= range.nMinCol)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL CGridCtrl::CopySelectionToClipboard()
{
    if (!GetSelectedCellRange().IsValid())
        return FALSE;
    if (SelectionTouchesWidget()) {
        AfxMessageBox(_T("Copy/paste of parameters is not supported."), MB_ICONEXCLAMATION);
        return FALSE;
    }
    CClipboard::Empty();
    CClipboard::SetText(GetSelectionText());
    return TRUE;
}

void CGridCtrl::OnEditCopy() { CopySelectionToClipboard(); }

void CGridCtrl::OnEditCut()
{
    if (m_bEditable && CopySelectionToClipboard())
        CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    const CCellRange range = GetSelectedCellRange();
    CCellID target = range.IsValid() ? range.GetTopLeft() : m_idCurrentCell;
    if (!IsValid(target))
        target = GetTopleftNonFixedCell();
    CString strText;
    if (IsValid(target) && CClipboard::GetText(strText))
        PasteText(target, strText, TRUE);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(GetSelectedCellRange().IsValid()); }

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEditable && GetSelectedCellRange().IsValid()); }

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col) &&
                   IsClipboardFormatAvailable(CF_UNICODETEXT));
}

// Cells may always be selected in this grid.
void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CGridCtrl::AutoSizeColumns()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol) {
        int nWidth = 0;
        for (int nRow = 0; nRow < GetRowCount(); ++nRow) {
            if (const CGridCellBase* pCell = GetCell(nRow, nCol))
                nWidth = std::max(nWidth, int(pCell->GetCellExtent(&dc).cx));
        }
        SetColumnWidth(nCol, nWidth);
    }
    for (CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (auto* pWidget = static_cast<CWidget*>(list.GetAt(i)))
                RefitWidgetRect(*this, *pWidget);
        }
    }
    ResetScrollBars();
}

void CGridCtrl::OnEditSelectAll()
{
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    SetSelectedRange(CCellRange(m_nFixedRows, m_nFixedCols, GetRowCount() - 1, GetColumnCount() - 1), TRUE);
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}
