// The elements on the LCD canvas: a press selects the one under the mouse (and may start
// dragging it), a double click opens its settings dialog and re-checks where it lies, the
// clipboard refuses cell text from under a selected element's columns, and sized columns
// carry their elements along.
#include "messagetext/LcdCanvas.h"

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

#include <algorithm>

void CLcdCanvas::SelectWidgetAt(CPoint point)
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

void CLcdCanvas::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Typing goes where the user clicked.
    if (GetFocus() != this)
        SetFocus();
    SelectWidgetAt(point);
    if (!m_pSelectedWidget || !m_bAllowDragAndDrop) {
        CGridCtrl::OnLButtonDown(nFlags, point);
        return;
    }
    // A press on an element may start dragging it; the cells under it stay selected as they
    // are, but the focus moves to the pressed cell (a second half's to its first half), so that
    // what is typed or inserted next lands where the user clicked.
    CCellID pressed = GetCellFromPt(point);
    if (IsValid(pressed) && pressed.row >= GetFixedRowCount() && pressed.col >= GetFixedColumnCount()) {
        CCellID start = pressed;
        WidePairs::WidenPress(*this, start, pressed, false);
        SetFocusCell(pressed);
    }
    m_bLMouseButtonDown = TRUE;
    m_MouseMode = MOUSE_PREPARE_DRAG;
}

void CLcdCanvas::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bDisplayMode)
        OpenParamPopupOnSelected();
    else if (m_pSelectedWidget && m_pSelectedWidget->m_nKind <= WIDGET_KIND_BARGRAPH)
        EditSelectedWidget();
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CLcdCanvas::OpenParamPopupOnSelected()
{
    const CWidget* pWidget = m_pSelectedWidget;
    const ILcdGridHost* pHost = GetHost();
    CVetlaDoc* pDoc = pHost ? pHost->GetGridDocument() : nullptr;
    const CBlockObj* pBlock = pWidget && pDoc ? pDoc->FindBlockByNumber(pWidget->m_nBlockNumber) : nullptr;
    if (pBlock && pWidget->m_pBlock && OffersInPlaceEdit(*pBlock, pWidget->m_nParamId))
        ShowObjectPopup();
}

void CLcdCanvas::EditSelectedWidget()
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

// After a settings dialog the element must still fit where it lies, over nWidth columns from its
// first; a refusal is shown, and the element keeps its place and width.
BOOL CLcdCanvas::FitsAfterEdit(const CWidget& widget, int nWidth)
{
    WidgetSpan span = SpanOfWidget(widget);
    span.nWidth = nWidth;
    if (CanPlaceWidget(*this, span, &widget))
        return TRUE;
    ShowPlacementRefusal(GetHost() ? GetHost()->GetEditedBlockNumber() : -1);
    return FALSE;
}

// A bar graph takes its new width only where it still fits; its other settings stay either way.
BOOL CLcdCanvas::EditBarGraph(CWidget& widget)
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
    if (widget.m_nKind != WIDGET_KIND_BARGRAPH)
        return TRUE;
    if (!FitsAfterEdit(widget, dlg.m_nWidth))
        return TRUE;
    widget.m_nWidth = dlg.m_nWidth;
    widget.m_nOption = dlg.m_nWidth;
    RefitWidgetRect(*this, widget);
    ClearCellsUnder(*this, widget);
    return TRUE;
}

// The scale time keeps its width: the check covers its first column, the emptying all of them.
BOOL CLcdCanvas::EditScaleTime(CWidget& widget)
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
    if (FitsAfterEdit(widget, 1))
        ClearCellsUnder(*this, widget);
    return TRUE;
}

// The names typed in the dialog are taken only where the element still fits.
BOOL CLcdCanvas::EditIoStatusName(CWidget& widget)
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
    if (!FitsAfterEdit(widget, widget.m_nWidth))
        return TRUE;
    for (int r = 1; r < WIDGET_NAME_ROWS; ++r)
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c)
            widget.m_strNames[r][c] = dlg.m_strNames[r][c];
    ClearCellsUnder(*this, widget);
    return TRUE;
}

BOOL CLcdCanvas::EditGraph(CWidget& widget)
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

BOOL CLcdCanvas::SelectionTouchesWidget() const
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

BOOL CLcdCanvas::MayCopySelection()
{
    if (!SelectionTouchesWidget())
        return TRUE;
    ShowBox(_T("Copy/paste of parameters is not supported."), MB_ICONEXCLAMATION);
    return FALSE;
}

void CLcdCanvas::AutoSizeColumns()
{
    CGridCtrl::AutoSizeColumns();
    for (CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (auto* pWidget = static_cast<CWidget*>(list.GetAt(i)))
                RefitWidgetRect(*this, *pWidget);
        }
    }
}
